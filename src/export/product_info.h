#pragma once

// The project's web page: named in the exports' header and linked from the
// About box.
inline constexpr const char* kProjectWebAddress = "https://vexlume.tandrel.org/";
inline constexpr const char* kProductVersionText = "Vexlume 1.1";
