// The central kern over the drawing, and its mark in the legend.

#include "dessin/noyau.h"

#include "dessin/dessin_section.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace dessin {

namespace {

void peindre(QPainter& p, const QPainterPath& forme) {
    QColor fond = couleur(Couleur::Noyau);
    fond.setAlpha(55);
    p.save();
    p.fillPath(forme, fond);
    p.fillPath(forme, QBrush(couleur(Couleur::Noyau), Qt::FDiagPattern));
    p.strokePath(forme, QPen(couleur(Couleur::Noyau), 1.5));
    p.restore();
}

} // namespace

void dessinerNoyau(QPainter& p, const std::vector<QPointF>& sommets, QPointF origine, double echelle) {
    if (sommets.size() < 3) {
        return;
    }
    QPainterPath forme;
    forme.moveTo(origine - sommets.front() * echelle);
    for (std::size_t i = 1; i < sommets.size(); ++i) {
        forme.lineTo(origine - sommets[i] * echelle);
    }
    forme.closeSubpath();
    peindre(p, forme);
}

void symboleNoyau(QPainter& p, const QRectF& place) {
    QPainterPath forme;
    forme.addRect(place);
    peindre(p, forme);
}

} // namespace dessin
