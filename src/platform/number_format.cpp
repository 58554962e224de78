#include "platform/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vexlume {

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
    double magnitude = std::fabs(value);

    // 17 significant digits, correctly rounded: "d.dddddddddddddddde+XX".
    char sci[40];
    *std::to_chars(sci, sci + sizeof sci - 1, magnitude, std::chars_format::scientific, 16).ptr = '\0';
    char digits[17];
    digits[0] = sci[0];
    for (int i = 0; i < 16; ++i) digits[i + 1] = sci[2 + i];
    int exponent = std::atoi(sci + 19);

    // The value is 0.d1d2...d17 x 10^(exponent + 1): pointAt digits before
    // the decimal point (none or fewer when it is negative).
    const int pointAt = exponent + 1;
    const int integerDigits = pointAt > 1 ? pointAt : 1;
    // Integer digits, six decimals and the first dropped digit; one spare
    // place in front for a carry.
    char work[400];
    const int length = integerDigits + 7;
    auto digitAt = [&](int position) -> char {  // position 0 = first integer digit
        int index = position - (integerDigits - pointAt);
        return index >= 0 && index < 17 ? digits[index] : '0';
    };
    work[0] = '0';
    for (int p = 0; p < length; ++p) work[p + 1] = digitAt(p);

    bool roundUp = work[length] >= '5';
    int last = length - 1;  // index in work of the sixth decimal
    if (roundUp) {
        int p = last;
        while (work[p] == '9') work[p--] = '0';
        ++work[p];
    }
    // work[0 .. integerDigits] is the integer part with its carry place.
    int first = 0;
    while (first < integerDigits && work[first] == '0') ++first;
    out.append(work + first, static_cast<std::size_t>(integerDigits + 1 - first));
    out.push_back('.');
    out.append(work + integerDigits + 1, 6);
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
