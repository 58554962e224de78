#include "model/random_generator.h"

namespace {
std::uint32_t g_state = 1;
}

namespace RandomGenerator {

void Seed(std::uint32_t seed) { g_state = seed; }

int Next() {
    g_state = g_state * 214013u + 2531011u;
    return static_cast<int>((g_state >> 16) & 0x7FFF);
}

}  // namespace RandomGenerator

float RandomSpread(float base, float spread) {
    const float low = static_cast<float>(double{base} - spread);
    const int r = RandomGenerator::Next();
    return static_cast<float>(low + (r * (double{base} + spread - low)) * double{RANDOM_SCALE});
}
