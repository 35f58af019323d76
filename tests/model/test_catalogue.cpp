// The shape catalogue: names, order, families and the way each shape lies, and the area and own second
// moments of each shape to the last digit of a double.

#include "model/catalogue.h"
#include "platform/arithmetique.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>

using namespace modele;

namespace {

// ---------------------------------------------------------------------------------------------------
// The list of shapes, in the order of the shape list.

// `sens`: from the right angle or the flat side, +Z is to the left and +Y up.
struct LigneListe {
    std::string_view nom;
    FamilleForme famille;
    Sens sens;
    bool aHauteur;
};

const LigneListe kListe[] = {
    {"Rectangle", FamilleForme::Rectangle, {0, 0}, true},
    {"Triangle", FamilleForme::Triangle, {+1, +1}, true},
    {"Disque", FamilleForme::Disque, {0, 0}, false},
    {"Demi disque supérieur", FamilleForme::DemiDisqueHorizontal, {0, +1}, false},
    {"Demi disque inférieur", FamilleForme::DemiDisqueHorizontal, {0, -1}, false},
    {"Demi disque droite", FamilleForme::DemiDisqueVertical, {-1, 0}, false},
    {"Demi disque gauche", FamilleForme::DemiDisqueVertical, {+1, 0}, false},
    {"Quart de disque supérieur gauche", FamilleForme::QuartDeDisque, {+1, +1}, false},
    {"Quart de disque supérieur droite", FamilleForme::QuartDeDisque, {-1, +1}, false},
    {"Quart de disque inférieur gauche", FamilleForme::QuartDeDisque, {+1, -1}, false},
    {"Quart de disque inférieur droite", FamilleForme::QuartDeDisque, {-1, -1}, false},
};

TEST(Catalogue, ElevenShapesInListOrder) {
    static_assert(std::size(kListe) == Catalogue.size());
    for (std::size_t i = 0; i < Catalogue.size(); ++i) {
        SCOPED_TRACE(std::string(kListe[i].nom));
        EXPECT_EQ(Catalogue[i].nom, kListe[i].nom);
        EXPECT_EQ(Catalogue[i].famille, kListe[i].famille);
        EXPECT_EQ(Catalogue[i].sens.z, kListe[i].sens.z);
        EXPECT_EQ(Catalogue[i].sens.y, kListe[i].sens.y);
        EXPECT_EQ(Catalogue[i].aHauteur(), kListe[i].aHauteur);
        // The lookup by name finds this very entry.
        EXPECT_EQ(trouverForme(kListe[i].nom), &Catalogue[i]);
    }
}

TEST(Catalogue, LookupIsExactCaseAndAccents) {
    const std::string_view inconnus[] = {
        "",
        "rectangle",
        "RECTANGLE",
        "Rectangle ",
        " Rectangle",
        "Demi disque superieur", // accent missing
        "Demi disque Supérieur",
        "Demi disque supe\xCC\x81rieur", // e + combining acute: a different byte sequence
        "Quart de disque supérieur",
        "Disques",
        "Carré",
    };
    for (std::string_view nom : inconnus) {
        SCOPED_TRACE(std::string(nom));
        EXPECT_EQ(trouverForme(nom), nullptr);
    }
}

// ---------------------------------------------------------------------------------------------------
// Constants.

TEST(Catalogue, PiIsTheSinglePrecisionValueWidened) {
    EXPECT_EQ(Pi, 3.1415927410125732);
    EXPECT_NE(Pi, 3.141592653589793);
    EXPECT_EQ(Pi / 8.0, 0.39269909262657166);
    EXPECT_EQ(Pi / 16.0, 0.19634954631328583);
}

TEST(Catalogue, CoefficientsK8AndK16) {
    EXPECT_EQ(coefficientK8(), 0.10975697944789492);
    EXPECT_EQ(coefficientK16(), 0.05487848972394746);
}

// ---------------------------------------------------------------------------------------------------
// Values for R = 10 and for b = 30, h = 60, to the last digit.

struct CasForme {
    std::string_view nom;
    double d1;
    double d2;
    double aire;
    double igz;
    double igy;
};

void PrintTo(const CasForme& c, std::ostream* os) {
    *os << c.nom << " (" << c.d1 << ", " << c.d2 << ")";
}

class ValeursForme : public ::testing::TestWithParam<CasForme> {};

TEST_P(ValeursForme, AreaAndOwnMomentsToTheLastDigit) {
    const CasForme& c = GetParam();
    const FormeCatalogue* forme = trouverForme(c.nom);
    ASSERT_NE(forme, nullptr);
    const ProprietesForme p = proprietesForme(forme->famille, c.d1, c.d2);
    EXPECT_EQ(p.aire, c.aire);
    EXPECT_EQ(p.igz, c.igz);
    EXPECT_EQ(p.igy, c.igy);
}

// The disc shapes ignore the height: 0 and a large value both given, the results are those of R alone.
INSTANTIATE_TEST_SUITE_P(
    DixEtTrenteSoixante, ValeursForme,
    ::testing::Values(
        CasForme{"Rectangle", 30, 60, 1800, 540000, 135000}, CasForme{"Triangle", 30, 60, 900, 180000, 45000},
        CasForme{"Disque", 10, 0, 314.1592741012573, 7853.981852531433, 7853.981852531433},
        CasForme{"Disque", 10, 200, 314.1592741012573, 7853.981852531433, 7853.981852531433},
        CasForme{"Demi disque supérieur", 10, 0, 157.07963705062866, 1097.5697944789492, 3926.9909262657166},
        CasForme{"Demi disque inférieur", 10, 0, 157.07963705062866, 1097.5697944789492, 3926.9909262657166},
        CasForme{"Demi disque inférieur", 10, -7, 157.07963705062866, 1097.5697944789492, 3926.9909262657166},
        CasForme{"Demi disque gauche", 10, 0, 157.07963705062866, 3926.9909262657166, 1097.5697944789492},
        CasForme{"Demi disque droite", 10, 0, 157.07963705062866, 3926.9909262657166, 1097.5697944789492},
        CasForme{"Demi disque droite", 10, 1e300, 157.07963705062866, 3926.9909262657166, 1097.5697944789492},
        CasForme{"Quart de disque supérieur gauche", 10, 0, 78.53981852531433, 548.7848972394746,
                 548.7848972394746},
        CasForme{"Quart de disque supérieur droite", 10, 0, 78.53981852531433, 548.7848972394746,
                 548.7848972394746},
        CasForme{"Quart de disque inférieur gauche", 10, 0, 78.53981852531433, 548.7848972394746,
                 548.7848972394746},
        CasForme{"Quart de disque inférieur droite", 10, 50, 78.53981852531433, 548.7848972394746,
                 548.7848972394746},
        // The worked rectangle of the capture: b = 100, h = 200.
        CasForme{"Rectangle", 100, 200, 20000, 66666666.666666667, 16666666.666666666},
        // Base and height are not interchangeable: the moments swap.
        CasForme{"Rectangle", 60, 30, 1800, 135000, 540000},
        CasForme{"Triangle", 60, 30, 900, 45000, 180000}));

// Zero and negative dimensions: no range is checked, the formulas run as they are.
INSTANTIATE_TEST_SUITE_P(
    ZeroEtNegatif, ValeursForme,
    ::testing::Values(
        CasForme{"Rectangle", 0, 60, 0, 0, 0}, CasForme{"Rectangle", 30, 0, 0, 0, 0},
        CasForme{"Triangle", 0, 0, 0, 0, 0}, CasForme{"Disque", 0, 200, 0, 0, 0},
        CasForme{"Demi disque supérieur", 0, 0, 0, 0, 0}, CasForme{"Demi disque gauche", 0, 0, 0, 0, 0},
        CasForme{"Quart de disque inférieur droite", 0, 0, 0, 0, 0},
        // exactly one negative dimension: negative area and moments
        CasForme{"Rectangle", -30, 60, -1800, -540000, -135000},
        CasForme{"Rectangle", 30, -60, -1800, -540000, -135000},
        CasForme{"Triangle", -30, 60, -900, -180000, -45000},
        CasForme{"Triangle", 30, -60, -900, -180000, -45000},
        // both negative: everything positive again
        CasForme{"Rectangle", -30, -60, 1800, 540000, 135000},
        CasForme{"Triangle", -30, -60, 900, 180000, 45000},
        // a negative radius: every power is even, same as its absolute value
        CasForme{"Disque", -10, 0, 314.1592741012573, 7853.981852531433, 7853.981852531433},
        CasForme{"Demi disque supérieur", -10, 0, 157.07963705062866, 1097.5697944789492, 3926.9909262657166},
        CasForme{"Demi disque gauche", -10, 0, 157.07963705062866, 3926.9909262657166, 1097.5697944789492},
        CasForme{"Quart de disque supérieur droite", -10, 0, 78.53981852531433, 548.7848972394746,
                 548.7848972394746}));

// ---------------------------------------------------------------------------------------------------
// Order of operations: each product is rounded as it is formed.

TEST(Catalogue, RectangleMomentsFollowTheStatedProducts) {
    // b = 0.7, h = 0.1: ((h x b) x h) x h / 12 is not the same double as b x h^3 / 12 formed otherwise.
    const double b = 0.7;
    const double h = 0.1;
    const ProprietesForme p = proprietesForme(FamilleForme::Rectangle, b, h);
    const double hb = h * b;
    EXPECT_EQ(p.aire, hb);
    EXPECT_EQ(p.igz, ((hb * h) * h) / 12.0);
    EXPECT_EQ(p.igy, ((hb * b) * b) / 12.0);
    // the case is chosen so that a different grouping gives another double
    ASSERT_NE(((hb * h) * h) / 12.0, b * (h * h * h) / 12.0);
    ASSERT_NE(((hb * b) * b) / 12.0, h * (b * b * b) / 12.0);
}

TEST(Catalogue, DiscAreaIsRTimesPiTimesR) {
    // R = 0.7: (R x pi) x R differs from pi x (R x R) in the last bit.
    const double r = 0.7;
    ASSERT_NE((r * Pi) * r, Pi * (r * r));
    EXPECT_EQ(proprietesForme(FamilleForme::Disque, r, 0).aire, (r * Pi) * r);
}

// ---------------------------------------------------------------------------------------------------
// Overflow of a product is a fault at that product, never an infinite result.

TEST(Catalogue, OverflowIsAFault) {
    struct Cas {
        FamilleForme famille;
        double d1;
        double d2;
    };
    const Cas cas[] = {
        {FamilleForme::Disque, 1e80, 0},                      // R^4 leaves the range
        {FamilleForme::DemiDisqueHorizontal, 1e80, 0},        // idem, K8 x R^4
        {FamilleForme::DemiDisqueVertical, -1e80, 0},         // negative radius too
        {FamilleForme::QuartDeDisque, 1e160, 0},              // already R x R
        {FamilleForme::Rectangle, 1e154, 1e154},              // area 1e308 is fine, h^3 b is not
        {FamilleForme::Triangle, 1e100, 1e100},               // (h b) h h
        {FamilleForme::Rectangle, 1e-10, 1e200},              // area fine, Igz = A h^2 overflows
        {FamilleForme::Rectangle, 1.7976931348623157e308, 2}, // the area itself
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(c.famille) << " " << c.d1 << " " << c.d2);
        try {
            (void)proprietesForme(c.famille, c.d1, c.d2);
            ADD_FAILURE() << "no fault";
        } catch (const plateforme::FauteArithmetique& f) {
            EXPECT_EQ(f.genre(), plateforme::GenreFaute::Depassement);
        }
    }
}

TEST(Catalogue, LargeButFiniteValuesAreNoFault) {
    // R = 1e75: R^4 = 1e300 fits; b = 1e100, h = 1e-100: every product is of order 1 or 1e200.
    const ProprietesForme disque = proprietesForme(FamilleForme::Disque, 1e75, 0);
    EXPECT_TRUE(std::isfinite(disque.igz));
    EXPECT_GT(disque.igz, 1e299);
    const ProprietesForme rect = proprietesForme(FamilleForme::Rectangle, 1e100, 1e-100);
    EXPECT_NEAR(rect.aire, 1.0, 1e-15);
    EXPECT_NEAR(rect.igy / 1e200, 1.0 / 12.0, 1e-15);
    // Underflow is not a fault: tiny dimensions give (sub)normal or zero results.
    const ProprietesForme petit = proprietesForme(FamilleForme::QuartDeDisque, 1e-100, 0);
    EXPECT_EQ(petit.igz, 0.0);
    EXPECT_GT(petit.aire, 0.0);
}

} // namespace
