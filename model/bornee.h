#pragma once

// A figure with the bound of its rounding error: a checked real (platform/reel.h), computed by exactly
// the same operations as the figure itself, and a bound e such that |valeur - exact| <= e, where
// `exact` is what the same formula gives in exact arithmetic on the same data. The data (the elements'
// dimensions and coordinates as stored) are exact: a value made from a double is exact (e = 0); an
// element's record computed by the catalogue carries its own bound (ErreurEnregistrement).
//
// Each operation is one rounding, fl(x op y) = (x op y)(1 + d) with |d| <= U = 2⁻⁵³, and its bound
// follows from the operands' (x and y computed, their exact values within ex and ey):
//   x ± y    ex + ey + U |r|
//   x × y    |x| ey + |y| ex + ex ey + U |r|
//   x / y    (ex + |r| ey) / (|y| - ey) + U |r|      (unbounded when ey >= |y|)
//   √x       min(√ex, ex / √x) + 2U |r|             (std::pow: within one ulp, 2U |r|)
//   hypot    ex + ey + 2U |r|                       (std::hypot: within one ulp)
// This is the running form of the usual bound of a sum of n terms, n·U·Σ|terms|, and never larger than
// it: each partial sum is counted once at its own size. The bounds are themselves computed in doubles;
// their relative error, a few U, does not matter to the question they answer (is a figure larger than
// its error?).
//
// A figure is noise when |valeur| <= e and e > 0 (a computed figure no larger than its own error); a
// figure with e = 0 is exact. A signed figure is 0 when it is noise or exactly 0.

#include "platform/reel.h"

#include <algorithm>
#include <cmath>
#include <compare>
#include <limits>
#include <type_traits>

namespace modele {

inline constexpr double U = 0x1p-53;

// The relative bound of an element's records (area, own second moments, own product of inertia) as the
// catalogue computes them from its dimensions: at most four roundings for the rectangle and the
// triangle, five for a disc, and for the half and quarter discs the coefficient π/16 - 4/(9π) (about
// 6U after its cancellation: 2U on 0,1415 and U on the difference 0,0549), four more for R⁴ and the
// product; the quarter disc's product of inertia (1/8 - 4/(9π))R⁴ loses most in the cancellation
// (0,0165: about 18U), 21U in all. 24U bounds them all.
inline constexpr double ErreurEnregistrement = 24.0 * U;

class Bornee {
public:
    constexpr Bornee() = default;
    // An exact datum. Implicit, so that data enter a formula as they are (Reel's own rule).
    // cppcheck-suppress noExplicitConstructor
    constexpr Bornee(double v) : m_v(v) {}
    // cppcheck-suppress noExplicitConstructor
    constexpr Bornee(plateforme::Reel v) : m_v(v) {}
    constexpr Bornee(plateforme::Reel v, double erreur) : m_v(v), m_e(erreur) {}

    // An element's record computed by the catalogue.
    static Bornee enregistrement(double v) { return {v, ErreurEnregistrement * std::fabs(v)}; }

    double valeur() const { return static_cast<double>(m_v); }
    double erreur() const { return m_e; }
    explicit operator double() const { return valeur(); }
    // 0, exactly or within its error.
    bool nulle() const { return std::fabs(valeur()) <= m_e; }
    // A computed figure no larger than its own error.
    bool bruit() const { return m_e > 0.0 && nulle(); }

    friend Bornee operator+(Bornee a, Bornee b) { return arrondi(a.m_v + b.m_v, a.m_e + b.m_e); }
    friend Bornee operator-(Bornee a, Bornee b) { return arrondi(a.m_v - b.m_v, a.m_e + b.m_e); }
    friend Bornee operator*(Bornee a, Bornee b) {
        return arrondi(a.m_v * b.m_v, a.absolue() * b.m_e + b.absolue() * a.m_e + a.m_e * b.m_e);
    }
    friend Bornee operator/(Bornee a, Bornee b) {
        const plateforme::Reel r = a.m_v / b.m_v;
        const double marge = b.absolue() - b.m_e;
        const double e = marge > 0.0 ? (a.m_e + std::fabs(static_cast<double>(r)) * b.m_e) / marge
                                     : std::numeric_limits<double>::infinity();
        return arrondi(r, e);
    }
    friend Bornee operator-(Bornee a) { return {-a.m_v, a.m_e}; }
    Bornee& operator+=(Bornee b) { return *this = *this + b; }
    Bornee& operator-=(Bornee b) { return *this = *this - b; }

    friend bool operator==(Bornee a, Bornee b) { return a.m_v == b.m_v; }
    friend std::partial_ordering operator<=>(Bornee a, Bornee b) { return a.m_v <=> b.m_v; }

    friend Bornee abs(Bornee a) { return {abs(a.m_v), a.m_e}; }
    // The square root as std::pow(x, 0.5), the only power the totals take; any other is unbounded.
    friend Bornee puissance(Bornee base, plateforme::Reel exposant) {
        const plateforme::Reel r = puissance(base.m_v, exposant);
        if (exposant != 0.5) {
            return {r, std::numeric_limits<double>::infinity()};
        }
        const double x = base.absolue();
        const double e =
            x > 0.0 ? std::min(std::sqrt(base.m_e), base.m_e / std::sqrt(x)) : std::sqrt(base.m_e);
        return {r, e + 2.0 * U * std::fabs(static_cast<double>(r))};
    }
    friend Bornee hypot(Bornee a, Bornee b) {
        const plateforme::Reel r = hypot(a.m_v, b.m_v);
        return {r, a.m_e + b.m_e + 2.0 * U * static_cast<double>(r)};
    }

private:
    // 0 x an unbounded error is still unbounded.
    static Bornee arrondi(plateforme::Reel r, double e) {
        return {r, std::isnan(e) ? std::numeric_limits<double>::infinity()
                                 : e + U * std::fabs(static_cast<double>(r))};
    }
    double absolue() const { return std::fabs(valeur()); }

    plateforme::Reel m_v;
    double m_e = 0.0;
};

// An element's record as a term of a sum: as it is in a Reel, with its bound in a Bornee.
template <class N> N enregistrement(double v) {
    if constexpr (std::is_same_v<N, Bornee>) {
        return Bornee::enregistrement(v);
    } else {
        return v;
    }
}

} // namespace modele
