// The checked real: overflow, division by zero and invalid operations are faults of their kind, in
// the plain and the compound form of each operation; underflow and inexact results are not; results
// are those of plain doubles.

#include "platform/reel.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <optional>
#include <vector>

namespace {

using plateforme::FauteArithmetique;
using plateforme::GenreFaute;
using plateforme::Reel;

enum class Op { Plus, Moins, Fois, Divise, Puissance, Hypot };

struct CasOperation {
    Op op;
    double a;
    double b;
    std::optional<GenreFaute> faute; // none: the result is `resultat`
    double resultat;
};

void PrintTo(const CasOperation& c, std::ostream* os) {
    *os << "op " << static_cast<int>(c.op) << " (" << c.a << ", " << c.b << ")";
}

// The operation in its plain form, and in its compound form where it has one.
std::vector<double (*)(Reel, Reel)> formes(Op op) {
    using F = double (*)(Reel, Reel);
    switch (op) {
    case Op::Plus:
        return {F([](Reel a, Reel b) { return static_cast<double>(a + b); }),
                F([](Reel a, Reel b) { return static_cast<double>(a += b); })};
    case Op::Moins:
        return {F([](Reel a, Reel b) { return static_cast<double>(a - b); }),
                F([](Reel a, Reel b) { return static_cast<double>(a -= b); })};
    case Op::Fois:
        return {F([](Reel a, Reel b) { return static_cast<double>(a * b); }),
                F([](Reel a, Reel b) { return static_cast<double>(a *= b); })};
    case Op::Divise:
        return {F([](Reel a, Reel b) { return static_cast<double>(a / b); }),
                F([](Reel a, Reel b) { return static_cast<double>(a /= b); })};
    case Op::Puissance:
        return {F([](Reel a, Reel b) { return static_cast<double>(puissance(a, b)); })};
    case Op::Hypot:
        return {F([](Reel a, Reel b) { return static_cast<double>(hypot(a, b)); })};
    }
    return {};
}

std::optional<GenreFaute> faute(double (*f)(Reel, Reel), double a, double b, double& r) {
    try {
        r = f(a, b);
        return std::nullopt;
    } catch (const FauteArithmetique& e) {
        return e.genre();
    }
}

class Operation : public ::testing::TestWithParam<CasOperation> {};

TEST_P(Operation, ResultOrFault) {
    const CasOperation& c = GetParam();
    for (const auto f : formes(c.op)) {
        double r = 0.0;
        EXPECT_EQ(faute(f, c.a, c.b, r), c.faute);
        if (!c.faute) {
            EXPECT_EQ(r, c.resultat);
            EXPECT_EQ(std::signbit(r), std::signbit(c.resultat));
        }
    }
}

constexpr std::optional<GenreFaute> kOk = std::nullopt;
constexpr GenreFaute kDep = GenreFaute::Depassement;
constexpr GenreFaute kDiv = GenreFaute::DivisionParZero;
constexpr GenreFaute kInv = GenreFaute::OperationInvalide;
const double inf = HUGE_VAL;
const double nan = std::nan("");
using C = CasOperation;

INSTANTIATE_TEST_SUITE_P(
    Depassement, Operation,
    ::testing::Values(C{Op::Plus, DBL_MAX, DBL_MAX, kDep, 0}, C{Op::Plus, 1e308, 1e308, kDep, 0},
                      C{Op::Plus, -1e308, -1e308, kDep, 0}, C{Op::Moins, -DBL_MAX, DBL_MAX, kDep, 0},
                      C{Op::Moins, 1e308, -1e308, kDep, 0}, C{Op::Fois, 1e200, 1e200, kDep, 0},
                      C{Op::Fois, -1e200, 1e200, kDep, 0}, C{Op::Fois, DBL_MAX, 1.0000000000000002, kDep, 0},
                      C{Op::Divise, 1e300, 1e-300, kDep, 0}, C{Op::Divise, DBL_MAX, 0.5, kDep, 0},
                      C{Op::Puissance, 10, 400, kDep, 0}, C{Op::Puissance, 1e200, 2, kDep, 0},
                      C{Op::Hypot, DBL_MAX, DBL_MAX, kDep, 0}));

INSTANTIATE_TEST_SUITE_P(DivisionEtInvalide, Operation,
                         ::testing::Values(C{Op::Divise, 1, 0, kDiv, 0}, C{Op::Divise, -1, 0, kDiv, 0},
                                           C{Op::Divise, 1, -0.0, kDiv, 0}, C{Op::Divise, 1e-300, 0, kDiv, 0},
                                           C{Op::Divise, 0, 0, kInv, 0}, C{Op::Divise, -0.0, 0, kInv, 0},
                                           C{Op::Puissance, -1, 0.5, kInv, 0},
                                           C{Op::Puissance, -4, 0.5, kInv, 0},
                                           C{Op::Puissance, 0, -1, kDiv, 0}));

// An infinite or NaN operand, on either side, is a fault of the step that made it, never carried on:
// x / inf would be 0 and hide it.
std::vector<CasOperation> operandesNonFinis() {
    std::vector<CasOperation> cas;
    for (const Op op : {Op::Plus, Op::Moins, Op::Fois, Op::Divise, Op::Puissance, Op::Hypot}) {
        for (const double x : {inf, -inf, nan}) {
            const GenreFaute genre = std::isnan(x) ? kInv : kDep;
            cas.push_back({op, x, 2, genre, 0});
            cas.push_back({op, 2, x, genre, 0});
        }
    }
    return cas;
}
INSTANTIATE_TEST_SUITE_P(OperandeNonFini, Operation, ::testing::ValuesIn(operandesNonFinis()));

// Underflow and inexact results are no fault; exact results stay exact.
INSTANTIATE_TEST_SUITE_P(
    SansFaute, Operation,
    ::testing::Values(
        C{Op::Fois, 1e-200, 1e-200, kOk, 0}, C{Op::Fois, -1e-200, 1e-200, kOk, -0.0},
        C{Op::Divise, 1e-300, 1e300, kOk, 0}, C{Op::Fois, DBL_MIN, 0.5, kOk, DBL_MIN / 2}, // subnormal
        C{Op::Moins, DBL_MIN, DBL_MIN*(1 - DBL_EPSILON), kOk, DBL_MIN - DBL_MIN*(1 - DBL_EPSILON)},
        C{Op::Puissance, 10, -400, kOk, 0}, C{Op::Divise, 1, 3, kOk, 1.0 / 3.0}, C{Op::Divise, 0, 5, kOk, 0},
        C{Op::Divise, -0.0, 5, kOk, -0.0}, C{Op::Plus, 0.1, 0.2, kOk, 0.30000000000000004},
        C{Op::Plus, 1e308, -1e308, kOk, 0}, C{Op::Plus, DBL_MAX, 1, kOk, DBL_MAX},
        C{Op::Moins, 5, 7, kOk, -2}, C{Op::Fois, 1e154, 1e154, kOk, 1e308},
        C{Op::Fois, DBL_MAX, 1, kOk, DBL_MAX}, C{Op::Divise, DBL_MAX, 2, kOk, DBL_MAX / 2},
        C{Op::Puissance, 25, 0.5, kOk, 5}, C{Op::Puissance, 2, 0.5, kOk, 1.4142135623730951},
        C{Op::Puissance, 0, 0.5, kOk, 0}, C{Op::Puissance, 10, 3, kOk, 1000},
        C{Op::Puissance, 10, -3, kOk, 0.001}, C{Op::Puissance, 10, 308, kOk, 1e308},
        C{Op::Hypot, 3, 4, kOk, 5}, C{Op::Hypot, 1e300, 1e300, kOk, std::hypot(1e300, 1e300)},
        C{Op::Hypot, -0.0, -0.0, kOk, 0}));

// Operations chain left to right, one rounding each, exactly as plain doubles do.
TEST(Reel, EvaluatesLeftToRightAsDoubles) {
    const double h = 0.1, b = 3.7, r = 1.3;
    EXPECT_EQ(static_cast<double>(Reel(h) * b * h * h / 12.0), h * b * h * h / 12.0);
    EXPECT_EQ(static_cast<double>(Reel(0.1) + 0.2 + 0.3), 0.1 + 0.2 + 0.3);
    EXPECT_NE(static_cast<double>(Reel(0.1) + 0.2 + 0.3), 0.1 + (0.2 + 0.3)); // the order is kept
    EXPECT_EQ(static_cast<double>(puissance(Reel(r) * r, 0.5)), std::pow(r * r, 0.5));
}

TEST(Reel, AbsNegationAndComparisons) {
    EXPECT_EQ(static_cast<double>(abs(Reel(-2.5))), 2.5);
    EXPECT_FALSE(std::signbit(static_cast<double>(abs(Reel(-0.0)))));
    EXPECT_EQ(static_cast<double>(-Reel(2.5)), -2.5);
    EXPECT_THROW((void)abs(Reel(-inf)), FauteArithmetique);
    EXPECT_TRUE(Reel(1) < 2.0);
    EXPECT_TRUE(Reel(-0.0) == 0.0);
    EXPECT_FALSE(Reel(nan) == Reel(nan));
}

} // namespace
