#pragma once

#include <string>

namespace vexlume {

// Reads a whole file. Throws CFileException (with the given full path) when
// the file cannot be opened or read; a folder is refused as access denied.
std::string ReadWholeFile(const std::string& fullPath);

}  // namespace vexlume
