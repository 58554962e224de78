#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "effect_fixtures.h"

namespace vexlume::test {

// Effect files that are odd or broken, with what opening them must give.
struct BadInput {
    std::string name;
    std::string bytes;
    bool opens;
    std::string message;     // when it does not open
    std::string inShader;    // a text the shader export must hold when it opens
};

inline void PutFloat(std::string& bytes, std::size_t offset, float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, 4);
    PutInt32(bytes, offset, static_cast<std::int32_t>(bits));
}

// Offsets in the default file: the texture string (fan.tga) starts at 55,
// the speed base at 138 and the life base at 146.
inline std::string WithTexture(const std::string& texture) {
    std::string bytes = DefaultEffectBytes();
    std::string prefixed;
    const std::size_t n = texture.size();
    if (n < 255) {
        prefixed.push_back(static_cast<char>(n));
    } else if (n < 65534) {
        prefixed += '\xFF';
        prefixed.push_back(static_cast<char>(n & 0xFF));
        prefixed.push_back(static_cast<char>(n >> 8));
    } else {
        prefixed += std::string("\xFF\xFF\xFF", 3);
        for (int i = 0; i < 4; ++i) prefixed.push_back(static_cast<char>((n >> (8 * i)) & 0xFF));
    }
    bytes.replace(55, 21, prefixed + texture);
    return bytes;
}

inline std::string WithCount(std::int32_t count) {
    std::string bytes = DefaultEffectBytes();
    PutInt32(bytes, kCountOffset, count);
    return bytes;
}

inline std::vector<BadInput> BadInputTable() {
    std::vector<BadInput> rows;
    std::string nan = DefaultEffectBytes();
    PutFloat(nan, 138, INFINITY);  // speed
    PutFloat(nan, 146, NAN);       // life: repaired to 0.001, the move is not a number
    rows.push_back({"NotANumberAndInfinity", nan, true, "", "nan sawtooth 0 1"});
    std::string inf = DefaultEffectBytes();
    PutFloat(inf, 146, INFINITY);  // life: its draw is inf + r * (inf - inf), not a number
    rows.push_back({"InfiniteLife", inf, true, "", " 999.999953\r\n"});
    rows.push_back({"CountZero", WithCount(0), true, "", "will have misaligned textures.\r\n\r\n"});
    rows.push_back({"CountMinusOne", WithCount(-1), true, "", "will have misaligned textures.\r\n\r\n"});
    rows.push_back({"CountAMillion", WithCount(1000000), true, "", ""});
    rows.push_back({"CountAMillionAndOne", WithCount(1000001), false, "Unexpected file format.", ""});
    for (std::size_t n : {255u, 65534u, 1000000u})
        rows.push_back({"String" + std::to_string(n), WithTexture(std::string(n, 't')), true, "",
                        "clampmap " + std::string(n, 't') + "\r\n"});
    std::string odd = DefaultEffectBytes().substr(0, 12) + std::string("\xFF\xFE\xFF\x03" "a\0b\0c", 9);
    rows.push_back({"WideStringWithOddBytes", odd, false, "Unexpected file format.", ""});
    std::string stray = DefaultEffectBytes();
    stray.replace(12, 6, std::string("\xFF\xFE\xFF\x02" "\x00\xD8" "x\0", 8));  // a lone surrogate
    rows.push_back({"WideStringWithAStraySurrogate", stray, true, "", "blendfunc \xEF\xBF\xBDx\r\n"});
    rows.push_back({"LengthFarBeyondTheEnd",
                    DefaultEffectBytes().substr(0, 12) + std::string("\xFF\xFF\xFF\xF0\xFF\xFF\xFF", 7) +
                        "abc",
                    false, "Unexpected file format.", ""});
    return rows;
}

}  // namespace vexlume::test
