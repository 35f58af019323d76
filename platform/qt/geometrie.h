#pragma once

#include <QRect>

namespace plateforme {

// A position and size in millimetres: left, top, width, height, relative to the client area of the
// window or of the enclosing frame.
struct RectMm {
    double gauche = 0.0;
    double haut = 0.0;
    double largeur = 0.0;
    double hauteur = 0.0;
};

// Millimetres to device-independent pixels, at the screen's logical resolution (96 dpi: 3.7795 px/mm).
int mm(double millimetres);
QRect rectangle(const RectMm& r);

} // namespace plateforme
