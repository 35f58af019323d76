// The mantissa and exponent notation over any finite double: the scaling loops end, the scaled value
// lies in its range, the two parts mirror each other for opposite values, and mantissa x 10^exponent
// gives the value back within the rounding of the mantissa.

#include "model/notation.h"
#include "verifier.h"

#include <cmath>
#include <cstdint>
#include <cstring>

using namespace modele;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (taille < sizeof(double)) {
        return 0;
    }
    double x = 0.0;
    std::memcpy(&x, donnees, sizeof x);
    if (!std::isfinite(x)) {
        return 0;
    }
    const Notation n = noter(x);
    const Notation m = noter(-x);
    EXIGER(m.exposant == n.exposant);
    EXIGER(m.mantisse == -n.mantisse);
    EXIGER(n.exposant == std::floor(n.exposant));
    if (x == 0.0) {
        EXIGER(n.mantisse == 0.0 && n.exposant == 0.0);
        return 0;
    }
    const double a = std::fabs(n.mantisse);
    // Scaled into [1, 10000) (exponent 0 or below) or (100, 1000] (exponent above 0); the rounding may
    // carry to the next power of ten (999.96 -> 1000, 9999.6 -> 10000).
    if (n.exposant > 0.0) {
        EXIGER(a >= 100.0 && a <= 1000.0);
    } else if (n.exposant < 0.0) {
        EXIGER(a >= 1.0 && a <= 10.0);
    } else {
        EXIGER((a >= 1.0 && a <= 10000.0) || std::fabs(x) < 1.0);
    }
    // Rebuilt within half a unit of the last decimal kept (at most 0,0005 on a mantissa below 10,
    // relative 5E-4), plus the rounding of the scaling steps.
    const double reconstruit = n.mantisse * std::pow(10.0, n.exposant);
    if (std::isfinite(reconstruit) && std::fabs(x) > 1e-290) {
        EXIGER(std::fabs(reconstruit - x) <= 6e-4 * std::fabs(x));
    }
    return 0;
}
