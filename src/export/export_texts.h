#pragma once

#include <string>

// The header both exports begin with, naming the program and its web page.
std::string GeneratedByHeader();
// The shader script's note about the work-around marker.
extern const char* const kWorkaroundNote;
// The prefab's note on how to load it.
extern const char* const kPrefabNote;
