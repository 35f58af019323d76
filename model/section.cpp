#include "model/section.h"

void Section::Reinitialiser() {
    const Compteur changements = Changements;
    *this = Section{};
    Changements.valeur = changements.valeur + 1;
}
