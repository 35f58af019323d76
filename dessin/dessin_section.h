#pragma once

// The section drawn to scale: solids in red, holes cut out with a dashed outline, element numbers,
// the origin O with Z to the left and Y up, G with its centroidal axes, the principal axes when the
// product of inertia is not 0, and a scale bar in mm. Lengths of the marks (arrows, margins, the
// scale bar) are in the painter's units, meant as pixels at 96 dpi: a page scales the painter first.
// The text is written in the painter's font.

#include "model/analyse.h"
#include "model/section.h"

#include <QPointF>
#include <optional>
#include <vector>

class QPainter;
class QRectF;

namespace dessin {

struct ElementDessine {
    int numero = 0;
    bool solide = true;
    std::vector<QPointF> contour; // (Z, Y) in mm
    QPointF centre;
};

// What the drawing shows, taken from the section and its analysis once.
struct Figure {
    std::vector<ElementDessine> elements; // the elements of non-zero area
    QPointF g;                            // (Zg, Yg)
    bool aG = false;                      // the total area is not 0: G is drawn
    std::optional<double> alpha;          // degrees, when the principal axes differ from Gz, Gy
};

Figure figure(const modele::Section& section, const std::optional<modele::Analyse>& analyse);

// Paints the figure inside `cadre` (its background, its border, then the drawing).
void dessinerSection(QPainter& p, const QRectF& cadre, const Figure& figure);
void dessinerSection(QPainter& p, const QRectF& cadre, const modele::Section& section,
                     const std::optional<modele::Analyse>& analyse);

} // namespace dessin
