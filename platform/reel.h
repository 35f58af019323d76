#pragma once

// A checked real: an IEEE double whose every operation is checked at once, so that a fault is caught
// at the step where it happens and not two steps later (x / inf = 0 would hide it). Each operation
// first checks its operands (an infinite one is an overflow, a NaN an invalid operation, of a step
// that made it), then its result: infinite is an overflow, NaN an invalid operation; x / 0 is a
// division by zero, 0 / 0 an invalid operation. A fault throws FauteArithmetique.
//
// Expressions read as the formulas and are evaluated as C++ evaluates them, left to right, one
// rounding per operation: h * b * h * h / 12.0 is ((((h x b) x h) x h) / 12). The build forbids
// fused multiply-adds (-ffp-contract=off), so the results are those of plain doubles, bit for bit.

#include "platform/arithmetique.h"

#include <cmath>
#include <compare>

namespace plateforme {

class Reel {
public:
    constexpr Reel() = default;
    // Implicit, so that numbers and doubles enter a formula as they are: h * b / 12.0.
    // cppcheck-suppress noExplicitConstructor
    constexpr Reel(double v) : m_v(v) {}
    constexpr explicit operator double() const { return m_v; }

    friend Reel operator+(Reel a, Reel b) { return verifier(operandes(a, b).m_v + b.m_v); }
    friend Reel operator-(Reel a, Reel b) { return verifier(operandes(a, b).m_v - b.m_v); }
    friend Reel operator*(Reel a, Reel b) { return verifier(operandes(a, b).m_v * b.m_v); }
    friend Reel operator/(Reel a, Reel b) {
        operandes(a, b);
        if (b.m_v == 0.0) {
            fauter(a.m_v == 0.0 ? GenreFaute::OperationInvalide : GenreFaute::DivisionParZero);
        }
        return verifier(a.m_v / b.m_v);
    }
    friend Reel operator-(Reel a) { return Reel(-a.m_v); }
    Reel& operator+=(Reel b) { return *this = *this + b; }
    Reel& operator-=(Reel b) { return *this = *this - b; }
    Reel& operator*=(Reel b) { return *this = *this * b; }
    Reel& operator/=(Reel b) { return *this = *this / b; }

    friend bool operator==(Reel a, Reel b) { return a.m_v == b.m_v; }
    friend std::partial_ordering operator<=>(Reel a, Reel b) { return a.m_v <=> b.m_v; }

    friend Reel abs(Reel a) { return std::fabs(operandes(a, 0.0).m_v); }
    // base raised to the power exposant by std::pow (also for 0.5: sqrt may differ by an ulp).
    friend Reel puissance(Reel base, Reel exposant) {
        operandes(base, exposant);
        if (base.m_v == 0.0 && exposant.m_v < 0.0) {
            fauter(GenreFaute::DivisionParZero);
        }
        return verifier(std::pow(base.m_v, exposant.m_v));
    }
    // sqrt(a² + b²) by std::hypot, without overflow of the squares.
    friend Reel hypot(Reel a, Reel b) { return verifier(std::hypot(operandes(a, b).m_v, b.m_v)); }

private:
    [[noreturn]] static void fauter(GenreFaute genre);
    static Reel verifier(double r) {
        if (std::isnan(r)) {
            fauter(GenreFaute::OperationInvalide);
        }
        if (std::isinf(r)) {
            fauter(GenreFaute::Depassement);
        }
        return r;
    }
    // a, once a and b are both checked.
    static Reel operandes(Reel a, Reel b) {
        if (std::isnan(a.m_v) || std::isnan(b.m_v)) {
            fauter(GenreFaute::OperationInvalide);
        }
        if (std::isinf(a.m_v) || std::isinf(b.m_v)) {
            fauter(GenreFaute::Depassement);
        }
        return a;
    }

    double m_v = 0.0;
};

} // namespace plateforme
