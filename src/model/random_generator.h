#pragma once

#include <cstdint>

// The one source of randomness of the effects: a linear congruential
// generator (s = s * 214013 + 2531011, yielding bits 16 to 30). Its state
// starts at 1, so effects made before seeding are the same on every run.
namespace RandomGenerator {
void Seed(std::uint32_t seed);
int Next();  // 0 to 32767
}  // namespace RandomGenerator

// The float nearest to 1/32767.
inline constexpr float RANDOM_SCALE = 1.0f / 32767.0f;

// A value drawn between base - spread and base + spread; always consumes one
// draw, even when the spread is 0.
float RandomSpread(float base, float spread);
