#include "platform/number_format.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace vexlume {

namespace {

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Rounds the decimal digits in work[first .. last] (one digit a byte) up by
// one unit in the last place, carrying as far as needed. work[first - 1]
// must exist and hold '0' for a carry out of the first digit.
void CarryUp(char* work, int last) {
    int p = last;
    while (work[p] == '9') work[p--] = '0';
    ++work[p];
}

// Writes integer digits (without leading zeros, at least one) and six
// decimals from a digit buffer whose integer part spans work[0 ..
// integerEnd] (work[0] being the carry place).
void AppendDigits(std::string& out, const char* work, int integerEnd) {
    int first = 0;
    while (first < integerEnd && work[first] == '0') ++first;
    out.append(work + first, static_cast<std::size_t>(integerEnd + 1 - first));
    out.push_back('.');
    out.append(work + integerEnd + 1, 6);
}

// The general way: 17 significant digits from the library's correctly
// rounded conversion, then six decimals.
void AppendFixed6Slow(std::string& out, double magnitude) {
    char sci[40];
    *std::to_chars(sci, sci + sizeof sci - 1, magnitude, std::chars_format::scientific, 16).ptr = '\0';
    char digits[17];
    digits[0] = sci[0];
    for (int i = 0; i < 16; ++i) digits[i + 1] = sci[2 + i];
    const int exponent = std::atoi(sci + 19);

    // The value is 0.d1d2...d17 x 10^(exponent + 1).
    const int pointAt = exponent + 1;
    const int integerDigits = pointAt > 1 ? pointAt : 1;
    char work[400];
    const int length = integerDigits + 7;  // integer digits, six decimals, first dropped digit
    work[0] = '0';
    for (int p = 0; p < length; ++p) {
        const int index = p - (integerDigits - pointAt);
        work[p + 1] = index >= 0 && index < 17 ? digits[index] : '0';
    }
    if (work[length] >= '5') CarryUp(work, length - 1);
    AppendDigits(out, work, integerDigits);
}

// The same result by exact integer arithmetic, for the values our files
// mostly hold (2^-12 <= value < 10^16): the value is I + F / 2^64 exactly.
// Returns false when the value is outside that range.
bool AppendFixed6Fast(std::string& out, double magnitude) {
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int biasedExponent = static_cast<int>(bits >> 52);
    if (biasedExponent == 0) return false;  // subnormal: far below 2^-12 anyway
    const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int shift = biasedExponent - 1075;  // magnitude = mantissa x 2^shift
    if (shift < -64 || shift > 1) return false;
    const unsigned __int128 scaled = static_cast<unsigned __int128>(mantissa) << (64 + shift);
    const auto integer = static_cast<std::uint64_t>(scaled >> 64);
    std::uint64_t rest = static_cast<std::uint64_t>(scaled);
    if (integer >= 10000000000000000ull) return false;

    // work: carry place, integer digits, then up to 24 decimals, eight at a
    // time; enough for 17 significant digits and the first dropped one.
    char work[64];
    work[0] = '0';
    char* intEnd = std::to_chars(work + 1, work + 21, integer).ptr;
    const int integerDigits = static_cast<int>(intEnd - (work + 1));
    int length = integerDigits;  // digits in work[1 .. length]
    // With two or more integer digits, 16 decimals hold the 17th significant
    // digit and the one after it.
    const int chunks = integer >= 10 ? 2 : 3;
    for (int chunk = 0; chunk < chunks; ++chunk) {
        const unsigned __int128 scaledChunk = static_cast<unsigned __int128>(rest) * 100000000u;
        auto eight = static_cast<std::uint32_t>(scaledChunk >> 64);
        rest = static_cast<std::uint64_t>(scaledChunk);
        for (int k = 7; k >= 1; k -= 2) {
            const char* pair = kDigitPairs + 2 * (eight % 100);
            work[length + k] = pair[0];
            work[length + k + 1] = pair[1];
            eight /= 100;
        }
        length += 8;
    }
    // The first significant digit (the value is at least 2^-12, so one of
    // the first four decimals when the integer part is zero).
    int first = 1;
    if (integer == 0) {
        first = integerDigits + 1;
        while (work[first] == '0') ++first;
    }
    const int seventeenth = first + 16;
    // Round to 17 significant digits: ties to even on the exact value.
    const char next = work[seventeenth + 1];
    bool beyond = rest != 0;
    for (int p = seventeenth + 2; p <= length && !beyond; ++p) beyond = work[p] != '0';
    const bool up = next > '5' || (next == '5' && (beyond || (work[seventeenth] - '0') % 2 == 1));
    for (int p = seventeenth + 1; p <= length; ++p) work[p] = '0';
    if (up) CarryUp(work, seventeenth);
    // Then to six decimals, ties away from zero.
    if (work[integerDigits + 7] >= '5') CarryUp(work, integerDigits + 6);
    AppendDigits(out, work, integerDigits);
    return true;
}

}  // namespace

void AppendFixed6(std::string& out, double value) {
    if (std::signbit(value)) out.push_back('-');
    if (std::isnan(value)) {
        out.append("nan");
        return;
    }
    if (std::isinf(value)) {
        out.append("inf");
        return;
    }
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0) {
        out.append("0.000000");
        return;
    }
    if (!AppendFixed6Fast(out, magnitude)) AppendFixed6Slow(out, magnitude);
}

void AppendFixed6Exhaustive(std::string& out, double value) {
    if (std::signbit(value)) out.push_back('-');
    AppendFixed6Slow(out, std::fabs(value));
}

std::string FormatFixed6(double value) {
    std::string text;
    AppendFixed6(text, value);
    return text;
}

void AppendInt(std::string& out, long long value) {
    char buffer[24];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

std::string FormatInt(long long value) {
    std::string text;
    AppendInt(text, value);
    return text;
}

}  // namespace vexlume
