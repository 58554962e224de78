#include "export/export_texts.h"

#include "export/product_info.h"

std::string GeneratedByHeader() {
    return std::string(
               "// This file was automatically created by Vexlume.\n"
               "// For more information about Vexlume, please\n"
               "// visit ") +
           kProjectWebAddress + "\n\n";
}

const char* const kWorkaroundNote =
    "// If this file was created with work-around code switched on,\n"
    "// you will have to remove all occurences of the string\n"
    "// \"//-UNCMT4RELEASE-//\" after you compile the map.\n"
    "// \n"
    "// If you forget to do this,  your particles will look flat and \n"
    "// will have misaligned textures.";

const char* const kPrefabNote = "// Import this prefab into Radiant using Edit->Load Prefab\n\n";
