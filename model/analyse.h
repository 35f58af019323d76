#pragma once

// What an engineer asks after Igz and Igy: the product of inertia, the principal axes, the extreme
// fibres, the elastic section moduli and the polar moment. Computed from the element records and the
// totals of the section, with the same checked arithmetic as the totals.
//
// Conventions (the user's frame: Z horizontal pointing left, Y vertical pointing up):
// - Izy = integral of z·y dA about the element's own centroid; Igzy the same for the section about G.
// - alpha is the angle in degrees from the axis Gz to the axis of the larger principal moment I1,
//   positive when turning from +Z towards +Y, in (-90, 90].
// - The extreme fibres are the distances from G to the farthest points of the solid elements:
//   Vsup above G, Vinf below, Vgauche to the left (+Z), Vdroite to the right (-Z).
// - Welz = Igz / max(Vsup, Vinf), Wely = Igy / max(Vgauche, Vdroite) (0 when the distance is 0);
//   Ip = Igz + Igy.
// - Each sum carries the bound of its rounding error (model/bornee.h): a product of inertia no larger
//   than its bound is 0 (the principal axes are then Gz and Gy, as for an exact 0); when (Igz - Igy)/2
//   is also within its bound, every axis through G is principal: alpha = 0 and I1 = I2 = (Igz + Igy)/2.

#include "model/bornee.h"
#include "model/section.h"

namespace modele {

struct EtendueElement {
    double gauche = 0.0; // how far the shape reaches from its centroid towards +Z
    double droite = 0.0; // towards -Z
    double haut = 0.0;   // towards +Y
    double bas = 0.0;    // towards -Y
};

struct Analyse {
    double Igzy = 0.0;
    double I1 = 0.0;
    double I2 = 0.0;
    double Alpha = 0.0; // degrees
    double Vsup = 0.0;
    double Vinf = 0.0;
    double Vgauche = 0.0;
    double Vdroite = 0.0;
    double Welz = 0.0;
    double Wely = 0.0;
    double Ip = 0.0;
};

// The element's own product of inertia about its centroid, signed by Signe: 0 for the rectangle, the
// disc and the half discs; -b²h²/72 for the right triangle (its legs run from the right angle towards
// +Z and +Y); ±(1/8 - 4/(9 pi)) R⁴ for the quarter discs, negative when the straight sides run from
// the right angle towards +Z and +Y or towards -Z and -Y. Throws plateforme::FauteArithmetique.
double produitInertiePropre(const ElementSection& e);

// How far the shape reaches from its centroid in each direction (lengths taken as absolute values).
EtendueElement etendue(const ElementSection& e);

// The sums of the analysis with their bounds, computed from the totals (their bounds those of
// bornesTotaux()): the product of inertia (0 when it is noise), Mohr's circle from it, and the polar
// moment. Throws plateforme::FauteArithmetique; a zero total area gives all zeros.
struct BornesAnalyse {
    Bornee Igzy, centre, demiEcart, I1, I2, Ip;
    bool produitNul = false;     // the product of inertia is 0, exactly or within its bound
    bool tousPrincipaux = false; // and so is (Igz - Igy)/2
};
BornesAnalyse bornesAnalyse(const Section& section);

// The whole analysis of elements 1 to NbrElement, from the totals already computed.
// Throws plateforme::FauteArithmetique; a zero total area gives all zeros.
Analyse analyser(const Section& section);

} // namespace modele
