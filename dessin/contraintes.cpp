#include "dessin/contraintes.h"

#include "dessin/dessin_section.h"
#include "dessin/noyau.h"
#include "model/analyse.h"
#include "platform/arithmetique.h"
#include "platform/arrondi.h"
#include "platform/qt/locale.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

using namespace modele;

using namespace Qt::StringLiterals;

namespace dessin {

namespace {

const QColor Traction(40, 150, 60); // apart from the material (red) and the kern (blue)
const QColor Compression(235, 130, 0);

constexpr double Marge = 12.0;       // px, inside the frame
constexpr double HautLegende = 18.0; // px, the legend's line under the drawing

QPointF vers(const PointZY& p) {
    return {p.z, p.y};
}
double scalaire(QPointF a, QPointF b) {
    return a.x() * b.x() + a.y() * b.y();
}

// The stress diagram in the section's own millimetres (Z, Y): along the baseline, which is
// perpendicular to the neutral axis and stands beside the section, each stress is laid off parallel
// to the neutral axis, tension away from the section and compression towards it.
struct Diagramme {
    QPointF u;         // the unit direction in which σ grows (perpendicular to the neutral axis)
    QPointF t;         // the unit direction in which a tension is laid off
    double dMin = 0.0; // the extreme fibres' abscissae along u, from G
    double dMax = 0.0;
    double base = 0.0;                // the baseline's offset along t, from G
    double k = 0.0;                   // mm of the drawing per MPa
    double sigmaG = 0.0, pente = 0.0; // σ = sigmaG + pente·d

    QPointF point(QPointF g, double d, double sigma) const { return g + d * u + (base + k * sigma) * t; }
    double sigma(double d) const { return sigmaG + pente * d; }
};

Diagramme diagramme(const Figure& f, const Contraintes& c, double taille) {
    Diagramme dg;
    const double norme = std::hypot(c.a, c.b);
    dg.u = norme > 0.0 ? QPointF(c.a / norme, c.b / norme) : QPointF(0.0, 1.0);
    dg.t = QPointF(dg.u.y(), -dg.u.x());
    if (dg.t.x() > 0.0 || (dg.t.x() == 0.0 && dg.t.y() > 0.0)) {
        dg.t = -dg.t; // to the right of the screen (Z decreasing), else downwards
    }
    dg.sigmaG = c.sigmaG;
    dg.pente = norme;
    double sMax = -1e300;
    dg.dMin = 1e300;
    dg.dMax = -1e300;
    for (const ElementDessine& e : f.elements) {
        if (!e.solide) {
            continue;
        }
        for (const QPointF& q : e.contour) {
            const double d = scalaire(q - f.g, dg.u);
            dg.dMin = std::min(dg.dMin, d);
            dg.dMax = std::max(dg.dMax, d);
            sMax = std::max(sMax, scalaire(q - f.g, dg.t));
        }
    }
    // The extremes as the engine found them, on the true outline.
    if (c.pointMax && c.pointMin) {
        dg.dMax = scalaire(vers(*c.pointMax) - f.g, dg.u);
        dg.dMin = scalaire(vers(*c.pointMin) - f.g, dg.u);
    }
    const double plus = std::max(std::fabs(c.sigmaMax), std::fabs(c.sigmaMin));
    dg.k = plus > 0.0 ? 0.3 * taille / plus : 0.0;
    const double compression = std::max(0.0, -std::min(c.sigmaMin, c.sigmaMax));
    dg.base = sMax + 0.12 * taille + dg.k * compression;
    return dg;
}

QPainterPath chemin(const std::vector<QPointF>& contour, const auto& ecran) {
    QPainterPath c;
    for (std::size_t i = 0; i < contour.size(); ++i) {
        i == 0 ? c.moveTo(ecran(contour[i])) : c.lineTo(ecran(contour[i]));
    }
    c.closeSubpath();
    return c;
}

QString mpa(double sigma) {
    return plateforme::texteNombre(plateforme::arrondir(sigma, 2)) + u" MPa"_s;
}

// Text on a white halo, its box's corner `coin` (a Qt::Alignment of the box about the point) at `q`.
void ecrire(QPainter& p, QPointF q, const QString& texte, Qt::Alignment coin, const QColor& couleur) {
    const QFontMetricsF fm(p.font());
    const QSizeF taille(fm.horizontalAdvance(texte) + 4.0, fm.height());
    QPointF hautGauche = q;
    if (coin.testFlag(Qt::AlignRight)) {
        hautGauche.rx() -= taille.width();
    } else if (coin.testFlag(Qt::AlignHCenter)) {
        hautGauche.rx() -= taille.width() / 2.0;
    }
    if (coin.testFlag(Qt::AlignBottom)) {
        hautGauche.ry() -= taille.height();
    } else if (coin.testFlag(Qt::AlignVCenter)) {
        hautGauche.ry() -= taille.height() / 2.0;
    }
    const QRectF boite(hautGauche, taille);
    p.fillRect(boite, QColor(255, 255, 255, 220));
    p.setPen(couleur);
    p.drawText(boite, Qt::AlignCenter, texte);
}

void dessinerLegende(QPainter& p, const QRectF& ligne, bool contraintes) {
    const QFontMetricsF fm(p.font());
    double x = ligne.left();
    const auto article = [&](const QColor& fond, const QString& texte) {
        const QRectF carre(x, ligne.center().y() - 5.0, 14.0, 10.0);
        if (fond.isValid()) {
            p.fillRect(carre, fond);
        } else {
            symboleNoyau(p, carre);
        }
        p.setPen(Qt::black);
        p.drawText(QPointF(x + 18.0, ligne.center().y() + fm.ascent() / 2.0 - 1.0), texte);
        x += 18.0 + fm.horizontalAdvance(texte) + 14.0;
    };
    if (contraintes) {
        article(Traction, u"traction"_s);
        article(Compression, u"compression"_s);
    }
    article(QColor(), u"noyau central"_s);
    if (contraintes) {
        p.setPen(QPen(Qt::black, 2.0, Qt::DashDotLine));
        p.drawLine(QPointF(x, ligne.center().y()), QPointF(x + 20.0, ligne.center().y()));
        p.drawText(QPointF(x + 24.0, ligne.center().y() + fm.ascent() / 2.0 - 1.0), u"axe neutre"_s);
    }
}

} // namespace

void dessinerContraintes(QPainter& p, const QRectF& cadre, const Section& section, const Etude& etude,
                         const std::optional<PointZY>& pointN) {
    std::optional<Analyse> analyse;
    try {
        analyse = analyser(section);
    } catch (const plateforme::FauteArithmetique&) {
        analyse.reset();
    }
    const Figure f = figure(section, analyse, std::nullopt);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(cadre, Qt::white);
    p.setPen(QPen(Qt::lightGray, 1));
    p.drawRect(cadre.adjusted(0, 0, -1, -1));

    // Everything drawn, in the section's millimetres: the solids, the diagram, the kern, N's point.
    double zMin = 1e300, zMax = -1e300, yMin = 1e300, yMax = -1e300;
    const auto etendre = [&](QPointF q) {
        zMin = std::min(zMin, q.x());
        zMax = std::max(zMax, q.x());
        yMin = std::min(yMin, q.y());
        yMax = std::max(yMax, q.y());
    };
    for (const ElementDessine& e : f.elements) {
        std::ranges::for_each(e.contour, etendre);
    }
    if (f.elements.empty() || zMax - zMin + (yMax - yMin) <= 0.0) {
        p.setPen(Qt::gray);
        p.drawText(cadre, Qt::AlignCenter | Qt::TextWordWrap, QString::fromStdString(etude.raison));
        p.restore();
        return;
    }
    const double taille = std::max(zMax - zMin, yMax - yMin);
    const std::optional<Contraintes>& c = etude.contraintes;
    std::optional<Diagramme> dg;
    if (c) {
        dg = diagramme(f, *c, taille);
        for (const double d : {dg->dMin, dg->dMax}) {
            for (const double s : {0.0, dg->sigma(d)}) {
                etendre(dg->point(f.g, d, s));
            }
        }
    }
    if (etude.noyau) {
        for (const PointZY& q : etude.noyau->sommets) {
            etendre(vers(q));
        }
    }
    if (pointN) {
        etendre(vers(*pointN));
    }
    const QFontMetricsF fm(p.font());
    const QRectF zone = cadre.adjusted(Marge + 4.0 * fm.height(), Marge + fm.height(),
                                       -Marge - 4.0 * fm.height(), -Marge - fm.height() - HautLegende);
    const double echelle = std::min(zone.width() / std::max(zMax - zMin, 1e-9 * taille),
                                    zone.height() / std::max(yMax - yMin, 1e-9 * taille));
    const QPointF centre((zMin + zMax) / 2.0, (yMin + yMax) / 2.0);
    const auto ecran = [&](QPointF q) { return zone.center() - (q - centre) * echelle; };

    // The section, its material lighter than in the preview so that what lies over it shows.
    QColor matiere = couleur(Couleur::Matiere);
    matiere.setAlpha(110);
    for (const ElementDessine& e : f.elements) {
        if (e.solide) {
            p.fillPath(chemin(e.contour, ecran), matiere);
        }
    }
    for (const ElementDessine& e : f.elements) {
        if (!e.solide) {
            p.fillPath(chemin(e.contour, ecran), Qt::white);
            p.strokePath(chemin(e.contour, ecran), QPen(Qt::black, 1.0, Qt::DashLine));
        }
    }
    // G and its axes Gz, Gy across the section.
    if (f.aG) {
        const QPointF g = ecran(f.g);
        const double demi = taille * 0.6 * echelle;
        // Across the section, inside the frame and above the legend.
        const QRectF r = cadre.adjusted(Marge, Marge, -Marge, -Marge - HautLegende);
        const double gauche = std::max(g.x() - demi, r.left()), haut = std::max(g.y() - demi, r.top());
        p.setPen(QPen(couleur(Couleur::Centraux), 1.0));
        p.drawLine(QPointF(gauche, g.y()), QPointF(std::min(g.x() + demi, r.right()), g.y()));
        p.drawLine(QPointF(g.x(), haut), QPointF(g.x(), std::min(g.y() + demi, r.bottom())));
        ecrire(p, QPointF(gauche, g.y()), u"z"_s, Qt::AlignLeft | Qt::AlignBottom,
               couleur(Couleur::Centraux));
        ecrire(p, QPointF(g.x(), haut), u"y"_s, Qt::AlignLeft | Qt::AlignTop, couleur(Couleur::Centraux));
        ecrire(p, g + QPointF(3, 3), u"G"_s, Qt::AlignLeft | Qt::AlignTop, couleur(Couleur::Centraux));
    }
    // The central kern, hatched.
    if (etude.noyau) {
        std::vector<QPointF> sommets;
        for (const PointZY& q : etude.noyau->sommets) {
            sommets.push_back(vers(q));
        }
        dessinerNoyau(p, sommets, zone.center() + centre * echelle, echelle);
    }

    if (c && dg) {
        const QPointF g = f.g;
        // The diagram: tension and compression apart, split where σ = 0.
        const auto polygone = [&](double d1, double d2) {
            QPolygonF q;
            q << ecran(dg->point(g, d1, 0.0)) << ecran(dg->point(g, d2, 0.0))
              << ecran(dg->point(g, d2, dg->sigma(d2))) << ecran(dg->point(g, d1, dg->sigma(d1)));
            return q;
        };
        double dZero = dg->pente > 0.0 ? -dg->sigmaG / dg->pente : dg->dMin;
        if (dg->pente == 0.0) {
            dZero = dg->sigmaG >= 0.0 ? dg->dMin : dg->dMax;
        }
        dZero = std::clamp(dZero, dg->dMin, dg->dMax);
        p.setPen(Qt::NoPen);
        QColor traction = Traction, compression = Compression;
        traction.setAlpha(150);
        compression.setAlpha(150);
        p.setBrush(compression);
        p.drawPolygon(polygone(dg->dMin, dZero));
        p.setBrush(traction);
        p.drawPolygon(polygone(dZero, dg->dMax));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 1.2));
        p.drawLine(ecran(dg->point(g, dg->dMin, 0.0)), ecran(dg->point(g, dg->dMax, 0.0)));
        // The extreme fibres called to the baseline, parallel to the neutral axis.
        const auto extreme = [&](const std::optional<PointZY>& point, double d, double sigma,
                                 const QString& nom) {
            const QPointF bout = ecran(dg->point(g, d, sigma));
            if (point) {
                const QPointF q = ecran(vers(*point));
                p.setPen(QPen(Qt::darkGray, 1.0, Qt::DashLine));
                p.drawLine(q, ecran(dg->point(g, d, 0.0)));
                p.setPen(Qt::NoPen);
                p.setBrush(sigma >= 0.0 ? Traction : Compression);
                p.drawEllipse(q, 3.5, 3.5);
                p.setBrush(Qt::NoBrush);
            }
            const QPointF sens = ecran(dg->point(g, d, sigma + (sigma >= 0.0 ? 1.0 : -1.0))) - bout;
            const Qt::Alignment coin = (sens.x() > 0.01    ? Qt::AlignLeft
                                        : sens.x() < -0.01 ? Qt::AlignRight
                                                           : Qt::AlignHCenter) |
                                       (sens.y() > 0.01    ? Qt::AlignTop
                                        : sens.y() < -0.01 ? Qt::AlignBottom
                                                           : Qt::AlignVCenter);
            ecrire(p, bout, nom + mpa(sigma), coin,
                   sigma >= 0.0 ? Traction.darker(130) : Compression.darker(130));
        };
        extreme(c->pointMax, dg->dMax, c->sigmaMax, u"σmax = "_s);
        extreme(c->pointMin, dg->dMin, c->sigmaMin, u"σmin = "_s);
        // The neutral axis across the frame.
        if (c->axe) {
            const QPointF a = ecran(vers(c->axe->point));
            const QPointF sens = ecran(vers(c->axe->point) + dg->t) - a;
            const QPointF loin =
                sens * (2.0 * (cadre.width() + cadre.height()) / std::hypot(sens.x(), sens.y()));
            p.save();
            p.setClipRect(cadre.adjusted(1, 1, -1, -1 - HautLegende));
            p.setPen(QPen(Qt::black, 2.0, Qt::DashDotLine));
            p.drawLine(a - loin, a + loin);
            p.restore();
        }
    }
    // The point where N acts.
    if (pointN) {
        const QPointF n = ecran(vers(*pointN));
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(Qt::white);
        p.drawEllipse(n, 5.0, 5.0);
        p.drawLine(n - QPointF(3.5, 3.5), n + QPointF(3.5, 3.5));
        p.drawLine(n - QPointF(3.5, -3.5), n + QPointF(3.5, -3.5));
        p.setBrush(Qt::NoBrush);
        ecrire(p, n + QPointF(6, -6), u"N"_s, Qt::AlignLeft | Qt::AlignBottom, Qt::black);
    }
    if (!etude.raison.empty()) {
        ecrire(p, QPointF(cadre.center().x(), cadre.bottom() - HautLegende - Marge),
               QString::fromStdString(etude.raison), Qt::AlignHCenter | Qt::AlignBottom, Qt::red);
    }
    dessinerLegende(p,
                    QRectF(cadre.left() + Marge, cadre.bottom() - HautLegende - 4.0,
                           cadre.width() - 2 * Marge, HautLegende),
                    c.has_value());
    p.restore();
}

void dessinerConventions(QPainter& p, const QRectF& cadre) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(cadre, Qt::white);
    p.setPen(QPen(Qt::lightGray, 1));
    p.drawRect(cadre.adjusted(0, 0, -1, -1));
    const QFontMetricsF fm(p.font());
    // A rectangle about G, its top fibres tensioned by Mz > 0 and its left ones by My > 0.
    // The rectangle is `cote` high, the arrow of Y goes a quarter of it above, its letter above that.
    const double cote = std::min((cadre.height() - fm.height() - 8.0) / 1.3, cadre.width() * 0.3);
    const QPointF g(cadre.left() + 8.0 + fm.horizontalAdvance(u"Z"_s) + cote * 0.9,
                    cadre.bottom() - 4.0 - cote / 2.0);
    const QRectF rect(g - QPointF(cote * 0.35, cote * 0.5), QSizeF(cote * 0.7, cote));
    QColor matiere = couleur(Couleur::Matiere);
    matiere.setAlpha(110);
    p.fillRect(rect, matiere);
    const auto fleche = [&](QPointF a, QPointF b, const QString& nom, Qt::Alignment coin) {
        p.setPen(QPen(couleur(Couleur::Centraux), 1.2));
        p.drawLine(a, b);
        const QLineF l(a, b);
        const QPointF u = (b - a) / l.length();
        const QPointF n(-u.y(), u.x());
        const QPointF pointe[] = {b, b - 6 * u + 3 * n, b - 6 * u - 3 * n};
        p.setBrush(couleur(Couleur::Centraux));
        p.drawPolygon(pointe, 3);
        p.setBrush(Qt::NoBrush);
        ecrire(p, b, nom, coin, couleur(Couleur::Centraux));
    };
    fleche(g, g - QPointF(cote * 0.85, 0), u"Z"_s, Qt::AlignRight | Qt::AlignVCenter);
    fleche(g, g - QPointF(0, cote * 0.75), u"Y"_s, Qt::AlignHCenter | Qt::AlignBottom);
    // N, out of the section towards the reader: a dot in a circle.
    p.setPen(QPen(Qt::black, 1.2));
    p.drawEllipse(g, 5.0, 5.0);
    p.setBrush(Qt::black);
    p.drawEllipse(g, 1.5, 1.5);
    p.setBrush(Qt::NoBrush);
    // The stretched fibres: a thick blue edge.
    p.setPen(QPen(Traction, 3.0));
    p.drawLine(rect.topLeft(), rect.topRight());
    p.setPen(QPen(Traction, 3.0, Qt::DotLine));
    p.drawLine(rect.topLeft(), rect.bottomLeft());
    ecrire(p, rect.topRight() + QPointF(2.0, 0.0), u"Mz"_s, Qt::AlignLeft | Qt::AlignVCenter,
           Traction.darker(130));
    ecrire(p, rect.bottomLeft() + QPointF(0.0, 0.0), u"My"_s, Qt::AlignRight | Qt::AlignBottom,
           Traction.darker(130));
    const double x = cadre.left() + cote * 1.5 + 2.0 * fm.horizontalAdvance(u"Z"_s) + 8.0;
    double y = cadre.top() + 4.0 + fm.ascent();
    p.setPen(Qt::black);
    for (const QString& ligne :
         {u"N > 0 : traction (N sort de la section)"_s, u"Mz > 0 : tend les fibres du haut (y > 0)"_s,
          u"My > 0 : tend les fibres de gauche (z > 0)"_s, u"N en (ez ; ey) : Mz = N·ey, My = N·ez"_s}) {
        p.drawText(QPointF(x, y), ligne);
        y += fm.lineSpacing();
    }
    p.restore();
}

} // namespace dessin
