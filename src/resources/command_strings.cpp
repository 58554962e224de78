#include "resources/command_strings.h"

#include "resources/command_ids.h"

CommandPrompt PromptFor(int commandId) {
    switch (commandId) {
        case ID_FILE_NEW:
            return {"Create a new document", "New"};
        case ID_FILE_OPEN:
            return {"Open an existing document", "Open"};
        case ID_FILE_SAVE:
            return {"Save the active document", "Save"};
        case ID_FILE_SAVE_AS:
            return {"Save the active document with a new name", "Save As"};
        case ID_EXPORT_SHADER:
            return {"Export the particle system to a Q3A shader", "Export Shader"};
        case ID_EXPORT_PREFAB:
            return {"Export the particle system to a Radiant Prefab", "Export prefab"};
        case ID_APP_EXIT:
            return {"Quit the application; prompts to save documents", "Exit"};
        case ID_EDIT_PROPERTIES:
            return {"Edit the properties for this particle system", "Properties"};
        case ID_VIEW_TOOLBAR:
            return {"Show or hide the toolbar", "Toggle ToolBar"};
        case ID_VIEW_STATUS_BAR:
            return {"Show or hide the status bar", "Toggle StatusBar"};
        case ID_WINDOW_SPLIT:
            return {"Split the active window into panes", "Split"};
        case ID_APP_ABOUT:
            return {"Display program information, version number and copyright", "About"};
        default:
            break;
    }
    if (commandId >= ID_FILE_MRU_FILE1 && commandId < ID_FILE_MRU_FILE1 + 16)
        return {"Open this document", ""};
    return {"", ""};
}
