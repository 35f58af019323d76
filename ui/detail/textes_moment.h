#pragma once

// The texts the second-moment windows show in their message boxes. Each takes the window's axis:
// AxeMoment::Y for DetailIGY, AxeMoment::Z for DetailIGZ.

#include "model/catalogue.h"
#include "model/huygens.h"
#include "ui/detail/variante.h"

#include <QString>
#include <span>

namespace textesMoment {

// The messages of the headings and units; a double-click on any of the controls listed (separated by
// spaces) shows the text.
struct Explication {
    Variante controles;
    Variante texte;
};

std::span<const Explication> explications();

// The double-click on a cell of element k's row: its number, its area, its distance (the coordinates
// of the element and of the section and their difference), its transport term, its sum.
QString numero(int k);
QString aire(int k);
QString distance(modele::AxeMoment axe, int k, double element, double section, double difference);
QString distanceTropGrande();
QString transport(int k);
QString somme(modele::AxeMoment axe, int k);
// Its own moment: the formula of its shape and the values of its dimensions.
QString propre(modele::AxeMoment axe, int k, const modele::FormeCatalogue& forme, double dimension1,
               double dimension2);

// The caption of "Repere": the frame in which the coordinate is typed, (G, Z, Y) or (O, Z, Y).
QString repere(bool centre);

// A value of the table leaves the range of a double.
QString tableauTropGrand(modele::AxeMoment axe);
// The typed axis at 0 is too far from the centroid for the second moment about it.
QString axeZeroTropLoin(modele::AxeMoment axe);
// The typed coordinate is too large for the second moment about it; it is set back to 0.
QString coordonneeTropGrande(modele::AxeMoment axe);
// The typed coordinate cannot be given in the other frame.
QString autreRepereImpossible(modele::AxeMoment axe);

} // namespace textesMoment
