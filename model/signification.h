#pragma once

// What of a section's results survives the rounding of the sums that produce them. Every total carries
// the bound of its rounding error (model/bornee.h), and what is computed from it carries its own; a
// figure within its bound is noise:
// - a signed figure that is noise is exactly 0 (the product of inertia: analyser() gives it so, with
//   the principal axes that follow);
// - a figure that must be positive (A, Igz, Igy, Ip, I1, I2) that is noise is lost in the rounding, and
//   so is what is computed from it by a quotient or a root: the radii of gyration, the elastic moduli,
//   the shape factors, the centroid from a lost area, the plastic moduli (they split a lost area);
// - the centroid is lost when its bound reaches the section's own extent along its axis (the span of
//   its elements): where G lies in the material is then unknown, and so is every figure measured from G.
// The described windows' totals are left as they are; what hands the results out (the preview, the
// note, the command line, the copy) shows no lost figure, and the check says which ones are lost.
// A later figure (stresses, torsion) goes through the same rule: computed in a Bornee from the bounds of
// the totals and the analysis (bornesTotaux(), bornesAnalyse()), it is lost when bruit() (a positive
// figure) and 0 when nulle() (a signed one); its Quantite joins this list.

#include "model/section.h"

#include <bitset>
#include <string>
#include <vector>

namespace modele {

// The results handed out, in the order of the command line.
enum class Quantite {
    A,
    Zg,
    Yg,
    Igz,
    Igy,
    igz,
    igy,
    Igzy,
    I1,
    I2,
    alpha,
    Vsup,
    Vinf,
    Vgauche,
    Vdroite,
    Welz,
    Wely,
    Wplz,
    Wply,
    Ip,
    FacteurFormeZ,
    FacteurFormeY
};
inline constexpr int NombreQuantites = static_cast<int>(Quantite::FacteurFormeY) + 1;

// Its name as the program writes it (« Wel,z ») and its key in the command line's JSON (« Welz »).
const char* libelle(Quantite q);
const char* cle(Quantite q);

struct Signification {
    std::bitset<NombreQuantites> perdues; // lost in the rounding: not shown
    bool tousAxesPrincipaux = false;      // Igzy and Igz - Igy are noise, the moments are not

    bool perdue(Quantite q) const { return perdues.test(static_cast<std::size_t>(q)); }
    std::vector<Quantite> listePerdues() const;
};

// The significance of the results of elements 1 to NbrElement, from the section's records and totals.
// Nothing is lost for an empty section (a total area of exactly 0, said as such) or when the analysis
// cannot be computed (its values leave the range of doubles: the check says so).
Signification signification(const Section& section);

// The check's finding on the lost results: « Les résultats Igz, Wel,z … sont perdus dans les arrondis :
// des éléments presque égaux se retranchent. » (one result: « Le résultat … est perdu … »); empty when
// none is lost.
std::string textePertes(const Signification& signification);

} // namespace modele
