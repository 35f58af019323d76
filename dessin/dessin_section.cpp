#include "dessin/dessin_section.h"

#include "model/verification.h"
#include "platform/qt/locale.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

using namespace modele;

using namespace Qt::StringLiterals;

namespace dessin {

Figure figure(const Section& section, const std::optional<Analyse>& analyse) {
    Figure f;
    for (int k = 1; k <= section.NbrElement; ++k) {
        const ElementSection& e = section.element(k);
        ElementDessine t;
        t.numero = k;
        t.solide = e.Signe == 1.0;
        for (const PointZY& p : contourElement(e)) {
            t.contour.emplace_back(p.z, p.y);
        }
        t.centre = {e.Zg, e.Yg};
        if (!t.contour.empty()) {
            f.elements.push_back(std::move(t));
        }
    }
    f.aG = section.Atotale != 0.0;
    f.g = {section.Zg, section.Yg};
    // Principal axes only when the product of inertia is more than the rounding residue of a
    // symmetric section (an IPE built from its parts leaves some 1E-12 mm⁴).
    if (analyse && std::fabs(analyse->Igzy) > 1e-9 * (std::fabs(section.Igz) + std::fabs(section.Igy))) {
        f.alpha = analyse->Alpha;
    }
    return f;
}

void dessinerSection(QPainter& p, const QRectF& cadre, const Figure& figure) {
    // Whole pixels, as a widget's rect(): the preview is painted exactly as it always was.
    const QRect r = cadre.toRect();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(r, Qt::white);
    p.setPen(QPen(Qt::lightGray, 1));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    if (figure.elements.empty()) {
        p.setPen(Qt::gray);
        p.drawText(r, Qt::AlignCenter, u"Aucun élément à dessiner"_s);
        p.restore();
        return;
    }

    // The extent of everything drawn, the origin O included.
    double zMin = 0.0, zMax = 0.0, yMin = 0.0, yMax = 0.0;
    for (const ElementDessine& t : figure.elements) {
        for (const QPointF& q : t.contour) {
            zMin = std::min(zMin, q.x());
            zMax = std::max(zMax, q.x());
            yMin = std::min(yMin, q.y());
            yMax = std::max(yMax, q.y());
        }
    }
    const double largeur = zMax - zMin;
    const double hauteur = yMax - yMin;
    const QRectF zone = QRectF(r).adjusted(28, 24, -28, -36);
    const double echelle = std::min(zone.width() / largeur, zone.height() / hauteur);
    if (!std::isfinite(echelle) || echelle <= 0.0 || !std::isfinite(largeur) || !std::isfinite(hauteur)) {
        p.setPen(Qt::gray);
        p.drawText(r, Qt::AlignCenter, u"Section trop grande pour être dessinée"_s);
        p.restore();
        return;
    }
    // Z points left and Y up: the larger Z, the further left; the larger Y, the higher.
    const double x0 = zone.center().x() + (zMax + zMin) / 2.0 * echelle;
    const double y0 = zone.center().y() + (yMax + yMin) / 2.0 * echelle;
    const auto ecran = [&](QPointF q) { return QPointF(x0 - q.x() * echelle, y0 - q.y() * echelle); };

    const auto chemin = [&](const ElementDessine& t) {
        QPainterPath c;
        c.moveTo(ecran(t.contour.front()));
        for (std::size_t i = 1; i < t.contour.size(); ++i) {
            c.lineTo(ecran(t.contour[i]));
        }
        c.closeSubpath();
        return c;
    };
    for (const ElementDessine& t : figure.elements) {
        if (t.solide) {
            p.fillPath(chemin(t), QColor(220, 30, 30));
        }
    }
    for (const ElementDessine& t : figure.elements) {
        if (!t.solide) {
            p.fillPath(chemin(t), Qt::white);
            p.setPen(QPen(Qt::black, 1, Qt::DashLine));
            p.drawPath(chemin(t));
        }
    }
    p.setPen(Qt::black);
    for (const ElementDessine& t : figure.elements) {
        const QPointF c = ecran(t.centre);
        p.drawText(QRectF(c.x() - 12, c.y() - 8, 24, 16), Qt::AlignCenter, QString::number(t.numero));
    }

    // The frame (O, Z, Y).
    const QPointF o = ecran({0.0, 0.0});
    const auto fleche = [&p](QPointF de, QPointF a, const QString& nom, QPointF decalageNom) {
        p.drawLine(de, a);
        const QPointF d = (a - de) / std::hypot(a.x() - de.x(), a.y() - de.y());
        const QPointF n(-d.y(), d.x());
        const QPointF pointe[] = {a, a - 7 * d + 3.5 * n, a - 7 * d - 3.5 * n};
        p.drawPolygon(pointe, 3);
        p.drawText(a + decalageNom, nom);
    };
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::black);
    fleche(o, o + QPointF(-40, 0), u"Z"_s, {-10, 4});
    fleche(o, o + QPointF(0, -40), u"Y"_s, {-3, -5});
    p.drawText(o + QPointF(3, 13), u"O"_s);

    if (figure.aG && std::isfinite(figure.g.x()) && std::isfinite(figure.g.y())) {
        const QPointF g = ecran(figure.g);
        p.setPen(QPen(QColor(0, 0, 200), 1, Qt::DashDotLine));
        p.drawLine(QPointF(r.left() + 4, g.y()), QPointF(r.right() - 4, g.y()));
        p.drawLine(QPointF(g.x(), r.top() + 4), QPointF(g.x(), r.bottom() - 30));
        if (figure.alpha) {
            // The principal axis 1 turns alpha from +Z towards +Y: on screen, from the left towards the top.
            const double a = *figure.alpha * std::numbers::pi / 180.0;
            const QPointF d1(-std::cos(a), -std::sin(a));
            const QPointF d2(std::sin(a), -std::cos(a));
            const double l = std::hypot(r.width(), r.height());
            p.setPen(QPen(QColor(0, 140, 0), 1.2, Qt::DashLine));
            p.drawLine(g - l * d1, g + l * d1);
            p.drawLine(g - l * d2, g + l * d2);
            p.setPen(QColor(0, 110, 0));
            p.drawText(g + 45 * d1 + QPointF(3, -3), u"1"_s);
            p.drawText(g + 45 * d2 + QPointF(3, -3), u"2"_s);
        }
        p.setPen(QPen(QColor(0, 0, 220), 2));
        p.drawLine(g + QPointF(-6, -6), g + QPointF(6, 6));
        p.drawLine(g + QPointF(-6, 6), g + QPointF(6, -6));
        p.drawText(g + QPointF(6, -6), u"G"_s);
    }

    // A scale bar of a round length, about a fifth of the drawing's width.
    const double cible = r.width() / 5.0 / echelle;
    const double decade = std::pow(10.0, std::floor(std::log10(cible)));
    double longueur = decade;
    for (const double f : {2.0, 5.0, 10.0}) {
        if (f * decade <= cible) {
            longueur = f * decade;
        }
    }
    const double pixels = longueur * echelle;
    const QPointF debut(r.left() + 10, r.top() + r.height() - 12);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(debut, debut + QPointF(pixels, 0));
    p.drawLine(debut + QPointF(0, -4), debut + QPointF(0, 4));
    p.drawLine(debut + QPointF(pixels, -4), debut + QPointF(pixels, 4));
    p.drawText(debut + QPointF(pixels + 6, 4), plateforme::texteNombre(longueur) + u" mm"_s);
    p.restore();
}

void dessinerSection(QPainter& p, const QRectF& cadre, const Section& section,
                     const std::optional<Analyse>& analyse) {
    dessinerSection(p, cadre, figure(section, analyse));
}

} // namespace dessin
