#pragma once

namespace plateforme {

// x rounded to `decimales` decimals (0 to 4): x is multiplied by 10^decimales in double precision; a
// product whose fractional part is exactly one half goes to the even neighbouring integer, any other
// product to the nearest integer; the integer is divided by 10^decimales. Ties are decided on the
// double product: 123.45 * 10 is exactly 1234.5 in double precision, so 123.45 rounds to 123.4.
double arrondir(double x, int decimales);

} // namespace plateforme
