#include "platform/qt/geometrie.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace plateforme {

namespace {

double pixelsParMm() {
    static const double valeur = [] {
        const QScreen* ecran = QGuiApplication::primaryScreen();
        const double dpi = ecran != nullptr ? ecran->logicalDotsPerInchX() : 96.0;
        return (dpi > 0.0 ? dpi : 96.0) / 25.4;
    }();
    return valeur;
}

} // namespace

int mm(double millimetres) {
    return static_cast<int>(std::lround(millimetres * pixelsParMm()));
}

QRect rectangle(const RectMm& r) {
    // Edges are rounded, not sizes, so that controls laid side by side in mm stay side by side.
    const int x = mm(r.gauche);
    const int y = mm(r.haut);
    return {x, y, mm(r.gauche + r.largeur) - x, mm(r.haut + r.hauteur) - y};
}

} // namespace plateforme
