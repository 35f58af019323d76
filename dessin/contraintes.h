#pragma once

// The normal stresses drawn over the section: the section to scale (as dessin_section draws it), the
// neutral axis, the stress diagram — the linear distribution measured perpendicular to the neutral axis,
// tension and compression in two colours, σmax and σmin written at their points —, the central kern
// hatched, and the point where N acts when it is given by its eccentricity. QtGui only: the stresses
// window paints it on screen, the calculation note on its pages.

#include "model/contraintes.h"
#include "model/section.h"
#include "model/verification.h"

#include <QRectF>
#include <optional>

class QPainter;

namespace dessin {

// Paints inside `cadre` (its background, its border, then the drawing). `etude` is modele::etudier's
// result for `section`; without stresses (no loads, or a section that gets none) the section and its
// kern only, or the section alone with Etude::raison written under it. `pointN`: the point of
// application of N in the user's frame (O, Z, Y), mm, when it is given by its eccentricity.
void dessinerContraintes(QPainter& p, const QRectF& cadre, const modele::Section& section,
                         const modele::Etude& etude, const std::optional<modele::PointZY>& pointN);

// The sign conventions, small, inside `cadre`: Z to the left and Y up from G, N positive in tension
// (pointing out of the section), and the fibres a positive Mz and a positive My stretch.
void dessinerConventions(QPainter& p, const QRectF& cadre);

} // namespace dessin
