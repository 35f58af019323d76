#pragma once

namespace modele {

// Mantissa and exponent notation of the results: the value is scaled by single powers of ten into a
// range that depends on its magnitude, then the mantissa is rounded half to even to 3, 2, 1 or 0
// decimals. x = Mantisse(x) x 10^Exposant(x), up to the rounding of the mantissa.
//
//   12345 -> 123,4 E 2     20000 -> 200 E 2     1234.5 -> 1234 E 0     0.000123 -> 1,23 E -4

struct Notation {
    double mantisse = 0.0;
    double exposant = 0.0; // an integral value
};

// Both parts at once.
Notation noter(double x);

// The rounded mantissa of x; exactly 0 for 0.
double Mantisse(double x);
// The power of ten of x, an integral value held in a double.
double Exposant(double x);

} // namespace modele
