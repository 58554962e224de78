#pragma once

#include <string>

namespace vexlume {

// Fixed-point with six decimals, as the game's tools read our numbers: the
// value is first rounded to 17 significant digits, then to six decimals with
// ties away from zero (0.0078125 gives 0.007813). The sign of a negative
// value is kept even when it rounds to zero (-0.000000). Not a number and the
// infinities print as "nan", "-nan", "inf" and "-inf". Never uses the locale.
void AppendFixed6(std::string& out, double value);
std::string FormatFixed6(double value);

// The same digits by the general, slower conversion, for finite values;
// tests compare the two.
void AppendFixed6Exhaustive(std::string& out, double value);

// A plain decimal integer.
void AppendInt(std::string& out, long long value);
std::string FormatInt(long long value);

}  // namespace vexlume
