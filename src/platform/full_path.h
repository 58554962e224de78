#pragma once

#include <string>

namespace vexlume {

// The absolute, lexically normalised form of a path, as messages and the
// recent-file list show it. An empty path stays empty.
std::string FullPath(const std::string& path);

// The last component of a path ("effect.vxl" for "/maps/effect.vxl").
std::string FileNameOf(const std::string& path);

}  // namespace vexlume
