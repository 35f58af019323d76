#include "platform/arrondi.h"

#include <array>
#include <cmath>

namespace plateforme {

double arrondir(double x, int decimales) {
    static constexpr std::array<double, 5> puissances{1.0, 10.0, 100.0, 1000.0, 10000.0};
    const double echelle = puissances.at(static_cast<std::size_t>(decimales));
    // std::nearbyint in the default rounding mode rounds to nearest, ties to even.
    return std::nearbyint(x * echelle) / echelle;
}

} // namespace plateforme
