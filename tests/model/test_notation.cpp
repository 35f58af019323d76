// Mantissa and exponent notation: the notation table, its edge cases, ties to even, and properties over
// random doubles of every magnitude.

#include "model/notation.h"
#include "platform/nombre.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace modele;

namespace {

const plateforme::FormatNombre kFr{","};

struct CasNotation {
    double x;
    double mantisse;
    double exposant;
    const char* texteMantisse; // French
    const char* texteExposant;
};

void PrintTo(const CasNotation& c, std::ostream* os) {
    *os << std::to_string(c.x);
}

// "-" prefixed to a text, except for "0".
std::string oppose(const std::string& texte) {
    if (texte == "0") {
        return texte;
    }
    return texte[0] == '-' ? texte.substr(1) : "-" + texte;
}

class TableNotation : public ::testing::TestWithParam<CasNotation> {};

TEST_P(TableNotation, MantissaAndExponentOfXAndOfMinusX) {
    const CasNotation& c = GetParam();
    for (double signe : {1.0, -1.0}) {
        SCOPED_TRACE(signe > 0 ? "x" : "-x");
        const double x = signe * c.x;
        const double m = signe * c.mantisse;
        EXPECT_EQ(Mantisse(x), m);
        EXPECT_EQ(Exposant(x), c.exposant);
        const Notation n = noter(x);
        EXPECT_EQ(n.mantisse, m);
        EXPECT_EQ(n.exposant, c.exposant);
        const std::string texte = signe > 0 ? std::string(c.texteMantisse) : oppose(c.texteMantisse);
        EXPECT_EQ(plateforme::texteNombre(Mantisse(x), kFr), texte);
        EXPECT_EQ(plateforme::texteNombre(Exposant(x), kFr), c.texteExposant);
    }
}

// The worked-example table, each row also with the opposite sign.
INSTANTIATE_TEST_SUITE_P(
    Exemples, TableNotation,
    ::testing::Values(
        CasNotation{0, 0, 0, "0", "0"}, CasNotation{2.5, 2.5, 0, "2,5", "0"},
        CasNotation{314.1592741012573, 314.2, 0, "314,2", "0"}, CasNotation{1234.5, 1234, 0, "1234", "0"},
        CasNotation{9999.6, 10000, 0, "10000", "0"}, CasNotation{10000, 1000, 1, "1000", "1"},
        CasNotation{12345, 123.4, 2, "123,4", "2"}, CasNotation{20000, 200, 2, "200", "2"},
        CasNotation{66666666.67, 666.7, 5, "666,7", "5"}, CasNotation{123456789, 123.5, 6, "123,5", "6"},
        CasNotation{0.5, 5, -1, "5", "-1"}, CasNotation{0.0025, 2.5, -3, "2,5", "-3"},
        CasNotation{0.000123, 1.23, -4, "1,23", "-4"}, CasNotation{-0.25, -2.5, -1, "-2,5", "-1"},
        CasNotation{-12, -12, 0, "-12", "0"}, CasNotation{-1234.5, -1234, 0, "-1234", "0"},
        CasNotation{-56789, -567.9, 2, "-567,9", "2"}, CasNotation{-99999, -1000, 2, "-1000", "2"}));

// Edge cases: the 10000 threshold, the range boundaries and the carry of the rounding.
INSTANTIATE_TEST_SUITE_P(
    Bords, TableNotation,
    ::testing::Values(CasNotation{5000, 5000, 0, "5000", "0"}, CasNotation{1234, 1234, 0, "1234", "0"},
                      CasNotation{1000, 1000, 0, "1000", "0"}, CasNotation{9999, 9999, 0, "9999", "0"},
                      CasNotation{10001, 100, 2, "100", "2"}, CasNotation{1, 1, 0, "1", "0"},
                      CasNotation{0.1, 1, -1, "1", "-1"}, CasNotation{0.999, 9.99, -1, "9,99", "-1"},
                      CasNotation{999.96, 1000, 0, "1000", "0"}, CasNotation{99999, 1000, 2, "1000", "2"},
                      CasNotation{100000, 1000, 2, "1000", "2"}, CasNotation{100001, 100, 3, "100", "3"},
                      CasNotation{9.9996, 10, 0, "10", "0"}, CasNotation{99.996, 100, 0, "100", "0"},
                      CasNotation{10, 10, 0, "10", "0"}, CasNotation{100, 100, 0, "100", "0"},
                      CasNotation{0.01, 1, -2, "1", "-2"},
                      // 300 steps of ten each rounded: 1e-300 scales to just below 1 and 1e300 to
                      // just above 1000, so one more step is taken and the mantissa carries.
                      CasNotation{1e-300, 10, -301, "10", "-301"}, CasNotation{1e300, 100, 298, "100", "298"},
                      CasNotation{1.7976931348623157e308, 179.8, 306, "179,8", "306"},
                      CasNotation{12.345678, 12.35, 0, "12,35", "0"},
                      CasNotation{1.2345678, 1.235, 0, "1,235", "0"}));

// Ties decided on the double product, to the even integer, for each number of decimals.
INSTANTIATE_TEST_SUITE_P(
    Egalites, TableNotation,
    ::testing::Values(
        CasNotation{1234.5, 1234, 0, "1234", "0"}, CasNotation{1235.5, 1236, 0, "1236", "0"},
        CasNotation{1000.5, 1000, 0, "1000", "0"}, CasNotation{9999.5, 10000, 0, "10000", "0"},
        CasNotation{123.45, 123.4, 0, "123,4", "0"}, // 123.45 x 10 is exactly 1234.5
        CasNotation{100.25, 100.2, 0, "100,2", "0"}, CasNotation{100.75, 100.8, 0, "100,8", "0"},
        CasNotation{10.125, 10.12, 0, "10,12", "0"}, CasNotation{10.375, 10.38, 0, "10,38", "0"},
        CasNotation{1.0625, 1.062, 0, "1,062", "0"}, CasNotation{1.1875, 1.188, 0, "1,188", "0"},
        CasNotation{1002500, 100.2, 4, "100,2", "4"}, // scaled to exactly 100.25
        CasNotation{1007500, 100.8, 4, "100,8", "4"}));

// The value is scaled one division by ten at a time, each quotient rounded: for these values the
// rounded mantissa differs from that of x / 10^20 computed in one division (123.55 and 123.65).
INSTANTIATE_TEST_SUITE_P(Etapes, TableNotation,
                         ::testing::Values(CasNotation{1.2355e22, 123.5, 20, "123,5", "20"},
                                           CasNotation{1.2365e22, 123.7, 20, "123,7", "20"},
                                           CasNotation{9.9985e22, 999.9, 20, "999,9", "20"}));

// ---------------------------------------------------------------------------------------------------
// Properties over random doubles of every binary exponent.

std::vector<double> valeursAleatoires(std::size_t nombre) {
    std::mt19937_64 gen(0x5EC7104E);
    std::vector<double> v;
    v.reserve(nombre);
    while (v.size() < nombre) {
        const std::uint64_t bits = gen();
        const double x = std::bit_cast<double>(bits);
        if (std::isfinite(x) && x != 0.0) {
            v.push_back(x);
        }
    }
    // a few of the boundaries as well
    for (double x : {1.0, 10.0, 1000.0, 9999.999999999998, 10000.0, 1e-308, 4.9406564584124654e-324,
                     2.2250738585072014e-308, 1.7976931348623157e308, 0.9999999999999999}) {
        v.push_back(x);
        v.push_back(-x);
    }
    return v;
}

// Decimals kept for a mantissa of this magnitude (the carry to the next power of ten allowed for).
int decimalesPour(double m) {
    const double a = std::fabs(m);
    return a < 10 ? 3 : a < 100 ? 2 : a < 1000 ? 1 : 0;
}

TEST(NotationProprietes, OverRandomDoubles) {
    const std::vector<double> valeurs = valeursAleatoires(200000);
    int echecs = 0;
    for (double x : valeurs) {
        const double m = Mantisse(x);
        const double e = Exposant(x);
        const auto signaler = [&](const char* quoi) {
            if (++echecs <= 20) {
                ADD_FAILURE() << quoi << ": x = " << std::hexfloat << x << std::defaultfloat << " (" << x
                              << "), mantisse " << m << ", exposant " << e;
            }
        };

        // Mirror symmetry.
        if (Mantisse(-x) != -m || Exposant(-x) != e) {
            signaler("symétrie");
        }
        // Both parts at once agree with the separate calls.
        const Notation n = noter(x);
        if (n.mantisse != m || n.exposant != e) {
            signaler("Noter");
        }
        // The exponent is integral.
        if (e != std::trunc(e)) {
            signaler("exposant entier");
        }
        // The normalised ranges: [1, 10] below 1, [1, 10000] from 1 to 10000, [100, 1000] above,
        // the closed upper bounds being the carry of the rounding.
        const double a = std::fabs(x);
        const double am = std::fabs(m);
        bool dansPlage;
        if (a < 1) {
            dansPlage = e < 0 && am >= 1 && am <= 10;
        } else if (a < 10000) {
            dansPlage = e == 0 && am >= 1 && am <= 10000;
        } else {
            dansPlage = e > 0 && am >= 100 && am <= 1000;
        }
        if (!dansPlage || (m < 0) != (x < 0)) {
            signaler("plage");
        }
        // The mantissa has at most its decimals.
        const int d = decimalesPour(m);
        const double echelle = std::pow(10.0, d);
        if (std::fabs(m * echelle - std::nearbyint(m * echelle)) > 1e-6) {
            signaler("décimales");
        }
        // x = mantissa x 10^exponent within the rounding of the mantissa (plus a little for the
        // rounding of each step of ten).
        const long double scale = std::pow(10.0L, static_cast<long double>(e));
        const long double v = static_cast<long double>(x) / scale;
        const long double tolerance = 0.5L / static_cast<long double>(echelle) + 1e-12L * std::fabs(v);
        if (std::fabs(v - static_cast<long double>(m)) > tolerance) {
            signaler("mantisse x 10^exposant");
        }
    }
    EXPECT_EQ(echecs, 0);
}

} // namespace

// No finite number of steps by ten scales an infinity: the notation must still return, with the
// value itself and exponent 0, rather than loop for ever.
TEST(NotationNonFinie, RendLaMainSansBoucler) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(noter(inf).mantisse, inf);
    EXPECT_EQ(noter(-inf).mantisse, -inf);
    EXPECT_EQ(noter(inf).exposant, 0.0);
    EXPECT_TRUE(std::isnan(noter(std::numeric_limits<double>::quiet_NaN()).mantisse));
    EXPECT_EQ(noter(std::numeric_limits<double>::quiet_NaN()).exposant, 0.0);
}
