#include "platform/tick_count.h"

#include <chrono>

namespace vexlume {

namespace {
std::function<std::uint32_t()>& Source() {
    static std::function<std::uint32_t()> source;
    return source;
}
}  // namespace

std::uint32_t GetTickCount32() {
    if (Source()) return Source()();
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void SetTickCountSource(std::function<std::uint32_t()> source) { Source() = std::move(source); }

}  // namespace vexlume
