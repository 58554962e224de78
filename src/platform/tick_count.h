#pragma once

#include <cstdint>
#include <functional>

namespace vexlume {

// A millisecond counter that wraps after about 49 days, as the clock of the
// preview expects. Tests replace the source to drive it.
std::uint32_t GetTickCount32();
void SetTickCountSource(std::function<std::uint32_t()> source);  // empty: the real clock

}  // namespace vexlume
