// Checked arithmetic: overflow, division by zero and invalid operations are faults naming the
// operation; underflow and inexact results are not.

#include "platform/arithmetique.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <optional>
#include <string>

namespace {

using plateforme::FauteArithmetique;
using plateforme::GenreFaute;

enum class Op { Ajouter, Soustraire, Multiplier, Diviser, Puissance };

struct CasOperation {
    Op op;
    double a;
    double b;
    std::optional<GenreFaute> faute; // none: the result is `resultat`
    double resultat;
};

const char* nomOp(Op op) {
    switch (op) {
    case Op::Ajouter:
        return "ajouter";
    case Op::Soustraire:
        return "soustraire";
    case Op::Multiplier:
        return "multiplier";
    case Op::Diviser:
        return "diviser";
    case Op::Puissance:
        return "puissance";
    }
    return "";
}

void PrintTo(const CasOperation& c, std::ostream* os) {
    *os << nomOp(c.op) << "(" << c.a << ", " << c.b << ")";
}

double executer(Op op, double a, double b, const char* operation) {
    switch (op) {
    case Op::Ajouter:
        return plateforme::ajouter(a, b, operation);
    case Op::Soustraire:
        return plateforme::soustraire(a, b, operation);
    case Op::Multiplier:
        return plateforme::multiplier(a, b, operation);
    case Op::Diviser:
        return plateforme::diviser(a, b, operation);
    case Op::Puissance:
        return plateforme::puissance(a, b, operation);
    }
    return 0;
}

class Operation : public ::testing::TestWithParam<CasOperation> {};

TEST_P(Operation, ResultOrFault) {
    const CasOperation& c = GetParam();
    const char* libelle = "Igz : (Ygi x Ai) x Ygi de l'élément 3";
    try {
        const double r = executer(c.op, c.a, c.b, libelle);
        ASSERT_FALSE(c.faute.has_value()) << "no fault, result " << r;
        EXPECT_EQ(r, c.resultat);
    } catch (const FauteArithmetique& f) {
        ASSERT_TRUE(c.faute.has_value()) << "unexpected fault: " << f.what();
        EXPECT_EQ(f.genre(), *c.faute);
        EXPECT_EQ(f.operation(), libelle);
        // the message names the operation too
        EXPECT_NE(std::string(f.what()).find(libelle), std::string::npos);
    }
}

constexpr std::optional<GenreFaute> kOk = std::nullopt;
constexpr GenreFaute kDep = GenreFaute::Depassement;
constexpr GenreFaute kDiv = GenreFaute::DivisionParZero;
constexpr GenreFaute kInv = GenreFaute::OperationInvalide;

INSTANTIATE_TEST_SUITE_P(Depassement, Operation,
                         ::testing::Values(CasOperation{Op::Ajouter, DBL_MAX, DBL_MAX, kDep, 0},
                                           CasOperation{Op::Ajouter, 1e308, 1e308, kDep, 0},
                                           CasOperation{Op::Ajouter, -1e308, -1e308, kDep, 0},
                                           CasOperation{Op::Soustraire, -DBL_MAX, DBL_MAX, kDep, 0},
                                           CasOperation{Op::Soustraire, 1e308, -1e308, kDep, 0},
                                           CasOperation{Op::Multiplier, 1e200, 1e200, kDep, 0},
                                           CasOperation{Op::Multiplier, -1e200, 1e200, kDep, 0},
                                           CasOperation{Op::Multiplier, DBL_MAX, 1.0000000000000002, kDep, 0},
                                           CasOperation{Op::Diviser, 1e300, 1e-300, kDep, 0},
                                           CasOperation{Op::Diviser, DBL_MAX, 0.5, kDep, 0},
                                           CasOperation{Op::Puissance, 10, 400, kDep, 0},
                                           CasOperation{Op::Puissance, 1e200, 2, kDep, 0}));

INSTANTIATE_TEST_SUITE_P(DivisionEtInvalide, Operation,
                         ::testing::Values(CasOperation{Op::Diviser, 1, 0, kDiv, 0},
                                           CasOperation{Op::Diviser, -1, 0, kDiv, 0},
                                           CasOperation{Op::Diviser, 1, -0.0, kDiv, 0},
                                           CasOperation{Op::Diviser, 1e-300, 0, kDiv, 0},
                                           CasOperation{Op::Diviser, 0, 0, kInv, 0},
                                           CasOperation{Op::Diviser, -0.0, 0, kInv, 0},
                                           CasOperation{Op::Puissance, -1, 0.5, kInv, 0},
                                           CasOperation{Op::Puissance, -4, 0.5, kInv, 0},
                                           CasOperation{Op::Puissance, 0, -1, kDiv, 0}));

// Underflow and inexact results are no fault; exact results stay exact.
INSTANTIATE_TEST_SUITE_P(
    SansFaute, Operation,
    ::testing::Values(
        CasOperation{Op::Multiplier, 1e-200, 1e-200, kOk, 0},
        CasOperation{Op::Multiplier, -1e-200, 1e-200, kOk, -0.0},
        CasOperation{Op::Diviser, 1e-300, 1e300, kOk, 0},
        CasOperation{Op::Multiplier, DBL_MIN, 0.5, kOk, DBL_MIN / 2}, // subnormal
        CasOperation{Op::Soustraire, DBL_MIN, DBL_MIN*(1 - DBL_EPSILON), kOk,
                     DBL_MIN - DBL_MIN*(1 - DBL_EPSILON)},
        CasOperation{Op::Puissance, 10, -400, kOk, 0}, CasOperation{Op::Diviser, 1, 3, kOk, 1.0 / 3.0},
        CasOperation{Op::Diviser, 0, 5, kOk, 0},
        CasOperation{Op::Ajouter, 0.1, 0.2, kOk, 0.30000000000000004},
        CasOperation{Op::Ajouter, 1e308, -1e308, kOk, 0}, CasOperation{Op::Ajouter, DBL_MAX, 1, kOk, DBL_MAX},
        CasOperation{Op::Soustraire, 5, 7, kOk, -2}, CasOperation{Op::Multiplier, 1e154, 1e154, kOk, 1e308},
        CasOperation{Op::Multiplier, DBL_MAX, 1, kOk, DBL_MAX},
        CasOperation{Op::Diviser, DBL_MAX, 2, kOk, DBL_MAX / 2}, CasOperation{Op::Puissance, 25, 0.5, kOk, 5},
        CasOperation{Op::Puissance, 2, 0.5, kOk, 1.4142135623730951},
        CasOperation{Op::Puissance, 0, 0.5, kOk, 0}, CasOperation{Op::Puissance, 10, 3, kOk, 1000},
        CasOperation{Op::Puissance, 10, -3, kOk, 0.001}, CasOperation{Op::Puissance, 10, 308, kOk, 1e308}));

// An infinite or NaN operand is never carried on silently.
TEST(OperandeNonFini, IsAFault) {
    const double inf = HUGE_VAL;
    const double nan = std::nan("");
    for (Op op : {Op::Ajouter, Op::Soustraire, Op::Multiplier, Op::Diviser, Op::Puissance}) {
        for (double a : {inf, -inf, nan}) {
            SCOPED_TRACE(::testing::Message() << nomOp(op) << " " << a);
            EXPECT_THROW((void)executer(op, a, 2, "a"), FauteArithmetique);
            EXPECT_THROW((void)executer(op, 2, a, "b"), FauteArithmetique);
        }
    }
    // x / inf would be 0 and hide the fault of the step that made inf.
    EXPECT_THROW((void)plateforme::diviser(1, inf, "x / inf"), FauteArithmetique);
}

} // namespace
