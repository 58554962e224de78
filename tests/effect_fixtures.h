#pragma once

#include <cstdint>
#include <cstring>
#include <string>

namespace vexlume::test {

// The default effect as its 186 bytes.
inline std::string DefaultEffectBytes() {
    std::string b("VXLM", 4);
    auto i32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    auto f32 = [&](float f) {
        std::uint32_t v;
        std::memcpy(&v, &f, 4);
        i32(v);
    };
    auto str = [&](const std::string& s) {
        b.push_back(static_cast<char>(s.size()));
        b += s;
    };
    i32(2);
    i32(10);
    str("blend");
    str("textures/vexlume/editor.tga");
    str("myeffect");
    str("textures/sfx/fan.tga");
    str("mymap");
    for (int k = 0; k < 3; ++k) {
        f32(1);
        f32(0);
        f32(1);
        f32(0);
    }
    for (float f : {0.0f, 0.0f, 40.0f, 0.0f, 2.0f, 0.0f, 0.5f, 0.5f}) f32(f);
    for (float f : {0.0f, 0.0f, 0.0f, 10.0f, 0.0f, 180.0f}) f32(f);
    return b;
}

// Offset of the particle count in an effect file.
inline constexpr std::size_t kCountOffset = 8;

inline void PutInt32(std::string& bytes, std::size_t offset, std::int32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
}

}  // namespace vexlume::test
