#pragma once

// The section totals, and the actions of the main window that change the section. Each action is one
// step that either completes or changes nothing: on an arithmetic fault the section is left exactly as
// it was, and the report gives the kind of the fault.

#include "model/bornee.h"
#include "model/section.h"
#include "platform/arithmetique.h"
#include "platform/nombre.h"

#include <optional>
#include <string>

namespace modele {

struct CompteRendu {
    // "Appliquer" refused: one of the four texts is not a number. Nothing was stored.
    bool nonNumerique = false;
    // The total area came out negative; the caller warns the user (the totals are still computed).
    bool aireNegative = false;
    // An arithmetic fault stopped the action; the section is unchanged.
    std::optional<plateforme::FauteArithmetique> faute;

    bool accepte() const { return !nonNumerique && !faute; }
};

// What the main window's input zone holds when "Appliquer" is pressed.
struct SaisieElement {
    std::string forme = "Rectangle"; // text of the selected item of the shape list
    std::string dimension1;          // texts of the four number fields, as typed
    std::string dimension2;
    std::string zg;
    std::string yg;
    bool additionner = true; // "Additionner" selected, else "Soustraire"
};

// The nine totals in a number type: Reel, or Bornee for their bounds.
template <class N> struct Sommes {
    N A = 0.0, Soz = 0.0, Soy = 0.0, Yg = 0.0, Zg = 0.0, Igz = 0.0, Igy = 0.0, iGz = 0.0, iGy = 0.0;
};

// Recomputes the nine totals from elements 1 to NbrElement.
CompteRendu Calcul(Section& section);

// "Appliquer": the numeric check of the four texts, the capture of the current element, then the
// totals. On a non-numeric text or a fault, nothing changes.
CompteRendu appliquer(Section& section, const SaisieElement& saisie, const plateforme::FormatNombre& format);

// The element-count arrows: sens = +1 or -1. The count moves within 1 to 10 (at a limit it stays);
// the current element follows a lowered count; the totals are recomputed in every case. On a fault the
// count, the current element and the totals stay as they were.
CompteRendu changerNombreElements(Section& section, int sens);

// The totals of elements 1 to NbrElement computed by the very operations of Calcul, each with the bound
// of its rounding error. Throws plateforme::FauteArithmetique.
Sommes<Bornee> bornesTotaux(const Section& section);

// The current-element arrows: moves within 1 to NbrElement; true when it moved. Nothing is computed.
bool changerElementCourant(Section& section, int sens);

// The capture alone: the new record of an element from already converted values (Signe applied).
// Throws plateforme::FauteArithmetique.
ElementSection MemoriseDonnees(const std::string& forme, double dimension1, double dimension2, double zg,
                               double yg, bool additionner);

} // namespace modele
