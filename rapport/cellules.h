#pragma once

// The note's cells and quantities as every window writes them, shared by the note's parts.

#include "model/notation.h"
#include "platform/qt/locale.h"
#include "rapport/note.h"

namespace rapport {

// A number as every window writes it: its mantissa, and its power of ten unless that is 0.
inline Cellule notee(double x) {
    const modele::Notation n = modele::noter(x);
    return {plateforme::texteNombre(n.mantisse),
            n.exposant != 0.0 ? plateforme::texteNombre(n.exposant) : QString(), true};
}

// A number in full, as typed or as the calculation keeps it.
inline Cellule nombre(double x) {
    return {plateforme::texteNombre(x), {}, true};
}

inline Cellule texte(const QString& t) {
    return {t, {}};
}

inline Cellule numero(int k) {
    return {plateforme::texteEntier(k), {}, true};
}

inline Grandeur grandeur(const QString& nom, double valeur, const QString& unite, const QString& formule) {
    return {nom, notee(valeur), unite, plateforme::texteNombre(valeur), formule};
}

// The parts of the study (rapport/etude.cpp): the radii of gyration and elastic moduli about the
// principal axes, the central kern and the normal stresses under the document's loads.
std::vector<Grandeur> grandeursPrincipales(const modele::Noyau& noyau);
Tableau tableauNoyau(const modele::Section& section, const modele::Etude& etude);
Tableau tableauContraintes(const modele::Section& section, double igzy, const modele::Efforts& efforts,
                           const modele::Etude& etude);

} // namespace rapport
