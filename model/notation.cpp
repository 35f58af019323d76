#include "model/notation.h"

#include "platform/arrondi.h"

#include <cmath>

namespace modele {

namespace {

// Scales v one multiplication or division by 10 at a time:
//   v >= 10000 -> (100, 1000];  0 < v < 1 -> [1, 10);  mirror ranges for negative values;
//   1 <= v < 10000 is left as it is.
void Normaliser(double& v, double& p) {
    p = 0.0;
    if (v > 0.0) {
        if (v >= 10000.0) {
            do {
                v = v / 10.0;
                p = p + 1.0;
            } while (v > 1000.0);
        }
        if (v < 1.0) {
            do {
                v = v * 10.0;
                p = p - 1.0;
            } while (v < 1.0);
        }
    } else if (v < 0.0) {
        if (v <= -10000.0) {
            do {
                v = v / 10.0;
                p = p + 1.0;
            } while (v < -1000.0);
        }
        if (v > -1.0) {
            do {
                v = v * 10.0;
                p = p - 1.0;
            } while (v > -1.0);
        }
    } else {
        v = 0.0;
    }
}

// Decimals kept by the mantissa: 3 below 10 in magnitude, 2 below 100, 1 below 1000, else 0; the
// same on both sides of 0 (-10 < v < 0 keeps 3, -100 < v <= -10 keeps 2, and so on).
int decimales(double v) {
    const double a = v < 0.0 ? -v : v;
    return a < 10.0 ? 3 : a < 100.0 ? 2 : a < 1000.0 ? 1 : 0;
}

} // namespace

Notation noter(double x) {
    if (!std::isfinite(x)) {
        return {x, 0.0}; // no power of ten scales an infinity: written as it is rather than looping
    }
    double v = x;
    double p = 0.0;
    Normaliser(v, p);
    Notation n;
    n.exposant = p;
    n.mantisse = v == 0.0 ? 0.0 : plateforme::arrondir(v, decimales(v));
    return n;
}

double Mantisse(double x) {
    return noter(x).mantisse;
}

double Exposant(double x) {
    return noter(x).exposant;
}

} // namespace modele
