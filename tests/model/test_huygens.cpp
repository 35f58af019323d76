// The figures of the second-moment windows: the Huygens table about each centroidal axis and its
// check total, the rounding of the distance column, the second moment about a parallel axis.

#include "model/huygens.h"
#include "platform/arithmetique.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

using namespace modele;

namespace {

using plateforme::FauteArithmetique;
using plateforme::GenreFaute;

// What the table reads of an element: area, abscissa, ordinate, own Igy and Igz.
struct Piece {
    double aire, zg, yg, igy, igz;
};

// A section of those elements whose totals Zg, Yg, A, Igy and Igz are given (the table reads them
// as they are).
Section section(const std::vector<Piece>& pieces, double zg = 0, double yg = 0, double a = 0, double igy = 0,
                double igz = 0) {
    Section s;
    s.NbrElement = static_cast<std::int16_t>(pieces.size());
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        ElementSection& e = s.Elements.at(i);
        e.Aire = pieces[i].aire;
        e.Zg = pieces[i].zg;
        e.Yg = pieces[i].yg;
        e.Igy = pieces[i].igy;
        e.Igz = pieces[i].igz;
    }
    s.Zg = zg;
    s.Yg = yg;
    s.Atotale = a;
    s.Igy = igy;
    s.Igz = igz;
    return s;
}

std::vector<double> ligne(const LigneHuygens& l) {
    return {l.aire, l.distance, l.statique, l.transport, l.propre, l.somme};
}

// Two 10 x 10 squares at Z = 0 and 20 (Zg = 10) and Y = 5 and 5 (Yg = 5): each row reads A, distance,
// A x distance, A x distance², own moment, sum.
TEST(TableauHuygens, RowsAboutEachAxis) {
    const Section s = section({{100, 0, 5, 833.25, 700}, {100, 20, 5, 833.25, 700}}, 10, 5);
    const TableauHuygens y = tableauHuygens(s, AxeMoment::Y);
    ASSERT_EQ(y.lignes.size(), 2u);
    EXPECT_EQ(ligne(y.lignes[0]), (std::vector<double>{100, -10, -1000, 10000, 833.25, 10833.25}));
    EXPECT_EQ(ligne(y.lignes[1]), (std::vector<double>{100, 10, 1000, 10000, 833.25, 10833.25}));
    EXPECT_EQ(y.statique, 0.0);
    const TableauHuygens z = tableauHuygens(s, AxeMoment::Z);
    EXPECT_EQ(ligne(z.lignes[1]), (std::vector<double>{100, 0, 0, 0, 700, 700}));
    EXPECT_EQ(z.statique, 0.0);
}

TEST(TableauHuygens, OneRowPerElementOfTheCount) {
    Section s = section({{1, 1, 0, 0, 0}, {2, 1, 0, 0, 0}, {4, 1, 0, 0, 0}});
    EXPECT_EQ(tableauHuygens(s, AxeMoment::Y).lignes.size(), 3u);
    EXPECT_EQ(tableauHuygens(s, AxeMoment::Y).statique, 7.0);
    s.NbrElement = 1;
    EXPECT_EQ(tableauHuygens(s, AxeMoment::Y).lignes.size(), 1u);
    EXPECT_EQ(tableauHuygens(s, AxeMoment::Y).statique, 1.0); // P1 alone
}

// A hole enters with its negative area and own moment; the transport term takes the area's sign.
TEST(TableauHuygens, HoleIsNegative) {
    const TableauHuygens t = tableauHuygens(section({{-50, 4, 0, -30, 0}}, 2), AxeMoment::Y);
    EXPECT_EQ(ligne(t.lignes[0]), (std::vector<double>{-50, 2, -100, -200, -30, -230}));
}

struct CasFaute {
    std::vector<Piece> pieces;
    double zg; // of the section
};

class TableauFaute : public ::testing::TestWithParam<CasFaute> {};

TEST_P(TableauFaute, Overflows) {
    try {
        (void)tableauHuygens(section(GetParam().pieces, GetParam().zg), AxeMoment::Y);
        ADD_FAILURE() << "no fault";
    } catch (const FauteArithmetique& f) {
        EXPECT_EQ(f.genre(), GenreFaute::Depassement);
    }
}

INSTANTIATE_TEST_SUITE_P(Etapes, TableauFaute,
                         ::testing::Values(CasFaute{{{1, 1e308, 0, 0, 0}}, -1e308}, // the distance
                                           CasFaute{{{1e300, 1e100, 0, 0, 0}}, 0},  // A x distance
                                           CasFaute{{{1, 1e200, 0, 0, 0}}, 0},      // distance²
                                           CasFaute{{{1e10, 1e150, 0, 0, 0}}, 0},   // distance² x A
                                           CasFaute{{{1, 1e154, 0, 1e308, 0}}, 0},  // + own moment
                                           CasFaute{{{1.5e308, 1, 0, 0, 0}, {1.5e308, 1, 0, 0, 0}},
                                                    0})); // P2 + P1

struct CasArrondi {
    double v;
    double attendu;
};

class ArrondiDistance : public ::testing::TestWithParam<CasArrondi> {};

TEST_P(ArrondiDistance, DecimalsFallAsTheMagnitudeGrows) {
    EXPECT_EQ(arrondirDistance(GetParam().v), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ArrondiDistance,
    ::testing::Values(CasArrondi{0, 0}, CasArrondi{0.00004, 0}, CasArrondi{0.123456, 0.1235},
                      CasArrondi{-0.123456, -0.1235}, CasArrondi{1.00049, 1}, CasArrondi{5.55555, 5.556},
                      CasArrondi{-1.00049, -1}, CasArrondi{10.0049, 10}, CasArrondi{12.3456, 12.35},
                      CasArrondi{-12.3456, -12.35}, CasArrondi{100.049, 100}, CasArrondi{345.67, 345.7},
                      CasArrondi{1000.4, 1000}, CasArrondi{1234.4, 1234}, CasArrondi{-1000.4, -1000},
                      CasArrondi{2500.5, 2500}, CasArrondi{2501.5, 2502}, CasArrondi{-2501.5, -2502},
                      CasArrondi{1e20, 1e20}));

// The value `calcul` gives, or the overflow it throws when none is expected.
template <class F> void verifierValeur(F calcul, std::optional<double> attendu) {
    try {
        EXPECT_EQ(calcul(), attendu);
    } catch (const FauteArithmetique& f) {
        EXPECT_FALSE(attendu) << "unexpected fault";
        EXPECT_EQ(f.genre(), GenreFaute::Depassement);
    }
}

struct CasStatique {
    Piece piece;
    AxeMoment axe;
    std::optional<double> attendu; // none: an overflow
};

class MomentStatique : public ::testing::TestWithParam<CasStatique> {};

// Ai x Zgi about OY, Ai x Ygi about OZ, the hole's area signed.
TEST_P(MomentStatique, AreaTimesTheCoordinateAcrossTheAxis) {
    const CasStatique& c = GetParam();
    const ElementSection e = section({c.piece}).element(1);
    verifierValeur([&] { return momentStatique(e, c.axe); }, c.attendu);
}

INSTANTIATE_TEST_SUITE_P(Table, MomentStatique,
                         ::testing::Values(CasStatique{{4900, 35, 20, 0, 0}, AxeMoment::Y, 171500},
                                           CasStatique{{4900, 35, 20, 0, 0}, AxeMoment::Z, 98000},
                                           CasStatique{{-2500, 35, 40, 0, 0}, AxeMoment::Z, -100000},
                                           CasStatique{{1e300, 1e10, 0, 0, 0}, AxeMoment::Y, std::nullopt}));

struct CasDecale {
    AxeMoment axe;
    double d;
    std::optional<double> attendu; // none: an overflow
};

class MomentDecale : public ::testing::TestWithParam<CasDecale> {};

// A = 20000, Igy = 1E6, Igz = 3E6: d² x A + I.
TEST_P(MomentDecale, ParallelAxis) {
    const CasDecale& c = GetParam();
    const Section s = section({}, 0, 0, 20000, 1e6, 3e6);
    verifierValeur([&] { return momentDecale(s, c.axe, c.d); }, c.attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MomentDecale,
    ::testing::Values(CasDecale{AxeMoment::Y, 0, 1e6}, CasDecale{AxeMoment::Y, 15, 5.5e6},
                      CasDecale{AxeMoment::Y, -15, 5.5e6}, CasDecale{AxeMoment::Z, 15, 7.5e6},
                      CasDecale{AxeMoment::Z, 0, 3e6}, CasDecale{AxeMoment::Y, 1e160, std::nullopt},
                      CasDecale{AxeMoment::Z, 1e152, std::nullopt}));

} // namespace
