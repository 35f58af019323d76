// The torsion's mesh over the drawing, and the shear centre's mark.

#include "dessin/dessin_section.h"

#include <QPainter>
#include <QPen>

namespace dessin {

void dessinerMaillage(QPainter& p, const std::vector<QLineF>& cotes, QPointF origine, double echelle) {
    if (cotes.empty()) {
        return;
    }
    std::vector<QLineF> ecran;
    ecran.reserve(cotes.size());
    for (const QLineF& l : cotes) {
        ecran.emplace_back(origine - l.p1() * echelle, origine - l.p2() * echelle);
    }
    p.save();
    p.setPen(QPen(QColor(90, 90, 90), 0.5));
    p.drawLines(ecran.data(), static_cast<int>(ecran.size()));
    p.restore();
}

void dessinerCentre(QPainter& p, QPointF c) {
    p.save();
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(couleur(Couleur::Cisaillement));
    p.drawEllipse(c, 4.5, 4.5);
    p.restore();
}

} // namespace dessin
