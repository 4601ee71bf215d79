#pragma once
// Number texts of the program's files and labels.
//
// Two families:
//  - the shortest text that reads back as the same value (single or double), in the
//    style of the program's print and write statements: no leading zero (".5"),
//    exponent form for very small or large magnitudes ("1.2345E-07");
//  - the fixed display patterns "0.0000E+00", "0.00E+00", "0.000" and "0.0".
#include <string>

namespace lumo::text {

// Shortest text of a single-precision value that reads back as the same float.
std::string shortestSingle(float value);
// Shortest text of a double-precision value that reads back as the same double.
std::string shortestDouble(double value);

// "0.0000E+00": one digit, four decimals, exponent with sign and at least two digits.
std::string formatSci4(double value);
// "0.00E+00"
std::string formatSci2(double value);
// "0.000"
std::string formatFixed3(double value);
// "0.0"
std::string formatFixed1(double value);

// Mantissa with `decimals` decimals and a signed exponent of at least two digits.
std::string formatScientific(double value, int decimals);
// Fixed-point text with `decimals` decimals and at least one digit before the point.
std::string formatFixed(double value, int decimals);

}  // namespace lumo::text
