#pragma once

#include <optional>
#include <string>

// How the Properties pages show and read numbers, independent of the locale.
namespace vexlume {

// "%.*g" with precision 6: at most six significant digits, the shortest
// general form (0.5, 40, 0.123457, 1e+06).
std::string FormatGeneral6(double value);

// One decimal number with optional blanks or tabs around it: an optional
// sign, digits with an optional fraction, an optional exponent; nothing
// else ("inf", "nan", hexadecimal and a comma decimal are not numbers).
// Values beyond the range of a float are refused too.
std::optional<float> ParseFloatField(const std::string& text);
// One whole decimal number with optional sign and blanks or tabs around it,
// within the range of an int.
std::optional<int> ParseIntField(const std::string& text);

// The validation messages.
extern const char* const kEnterNumber;   // "Please enter a number."
extern const char* const kEnterInteger;  // "Please enter an integer."
std::string NumberBetweenMessage(double low, double high);
std::string IntegerBetweenMessage(long low, long high);

}  // namespace vexlume
