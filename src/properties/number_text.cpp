#include "properties/number_text.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vexlume {

const char* const kEnterNumber = "Please enter a number.";
const char* const kEnterInteger = "Please enter an integer.";

std::string FormatGeneral6(double value) {
    char buffer[64];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6).ptr;
    return std::string(buffer, end);
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text between leading and trailing blanks or tabs; false when none.
bool Trim(const std::string& text, std::size_t& begin, std::size_t& end) {
    begin = 0;
    end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return begin < end;
}

}  // namespace

std::optional<float> ParseFloatField(const std::string& text) {
    std::size_t begin, end;
    if (!Trim(text, begin, end)) return std::nullopt;
    std::size_t i = begin;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    const std::size_t numberStart = i;
    std::size_t digits = 0;
    while (i < end && IsDigit(text[i])) ++i, ++digits;
    if (i < end && text[i] == '.') {
        ++i;
        while (i < end && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    bool negativeExponent = false;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
        std::size_t exponentDigits = 0;
        while (i < end && IsDigit(text[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != end) return std::nullopt;

    double value = 0;
    auto [ptr, ec] = std::from_chars(text.data() + numberStart, text.data() + end, value);
    if (ec == std::errc::result_out_of_range) {
        // Too small underflows to zero, which is a number; too large is not.
        if (!negativeExponent) return std::nullopt;
        value = 0;
    } else if (ec != std::errc() || ptr != text.data() + end) {
        return std::nullopt;
    }
    if (std::fabs(value) > FLT_MAX) return std::nullopt;
    const float result = static_cast<float>(value);
    return negative ? -result : result;
}

std::optional<int> ParseIntField(const std::string& text) {
    std::size_t begin, end;
    if (!Trim(text, begin, end)) return std::nullopt;
    std::size_t i = begin;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    if (i == end) return std::nullopt;
    for (std::size_t j = i; j < end; ++j)
        if (!IsDigit(text[j])) return std::nullopt;
    long long value = 0;
    auto [ptr, ec] = std::from_chars(text.data() + i, text.data() + end, value);
    if (ec != std::errc() || ptr != text.data() + end) return std::nullopt;
    if (negative) value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

std::string NumberBetweenMessage(double low, double high) {
    return "Please enter a number between " + FormatGeneral6(low) + " and " + FormatGeneral6(high) + ".";
}

std::string IntegerBetweenMessage(long low, long high) {
    return "Please enter an integer between " + std::to_string(low) + " and " + std::to_string(high) + ".";
}

}  // namespace vexlume
