#include "model/section.h"

namespace modele {

void Section::Reinitialiser() {
    const Compteur changements = Changements;
    *this = Section{};
    Changements.valeur = changements.valeur + 1;
}

void Section::remplacer(const Section& autre) {
    const Compteur changements = Changements;
    *this = autre;
    Changements.valeur = changements.valeur + 1;
}

} // namespace modele
