#include "dessin/dessin_section.h"

#include "dessin/noyau.h"

#include "model/plastique.h"
#include "model/signification.h"
#include "model/verification.h"
#include "platform/qt/locale.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

using namespace modele;

using namespace Qt::StringLiterals;

namespace dessin {

namespace {

constexpr double Pi = std::numbers::pi;

// The principal axes are drawn when they stand more than this many degrees off Gz and Gy.
constexpr double EcartAxesPrincipaux = 0.5;

std::vector<QPointF> points(const std::vector<PointZY>& contour) {
    std::vector<QPointF> q;
    q.reserve(contour.size());
    for (const PointZY& p : contour) {
        q.emplace_back(p.z, p.y);
    }
    return q;
}

} // namespace

Figure figure(const Section& section, const std::optional<Analyse>& analyse) {
    return figure(section, analyse, plastique(section));
}

Figure figure(const Section& section, const std::optional<Analyse>& analyse,
              const std::optional<Plastique>& plastiques) {
    Figure f;
    for (int k = 1; k <= section.NbrElement; ++k) {
        const ElementSection& e = section.element(k);
        ElementDessine t;
        t.numero = k;
        t.solide = e.Signe == 1.0;
        t.contour = points(contourElement(e));
        t.centre = {e.Zg, e.Yg};
        if (!t.contour.empty()) {
            f.elements.push_back(std::move(t));
        }
    }
    // Nothing lost in the rounding is drawn: G, the principal axes, the plastic axes.
    const Signification sens = signification(section);
    f.aG = section.Atotale != 0.0 && !sens.perdue(Quantite::Zg) && !sens.perdue(Quantite::Yg);
    f.g = {section.Zg, section.Yg};
    if (analyse && std::isfinite(analyse->Alpha) && !sens.perdue(Quantite::alpha)) {
        const double a = std::fabs(analyse->Alpha);
        if (std::min(a, 90.0 - a) > EcartAxesPrincipaux) {
            f.alpha = analyse->Alpha;
        } else {
            f.axesConfondus = true;
        }
    }
    if (plastiques && !sens.perdue(Quantite::Wplz) && !sens.perdue(Quantite::Wply)) {
        f.axesPlastiques = QPointF(plastiques->Zp, plastiques->Yp);
    }
    for (const std::vector<PointZY>& zone : superpositions(section)) {
        f.superpositions.push_back(points(zone));
    }
    return f;
}

// ---------------------------------------------------------------------------------------------------
// The placement of the labels.

namespace {

bool segmentCoupeBoite(const QLineF& s, const QRectF& b) {
    if (std::max(s.x1(), s.x2()) < b.left() || std::min(s.x1(), s.x2()) > b.right() ||
        std::max(s.y1(), s.y2()) < b.top() || std::min(s.y1(), s.y2()) > b.bottom()) {
        return false;
    }
    if (b.contains(s.p1()) || b.contains(s.p2())) {
        return true;
    }
    const QLineF cotes[] = {{b.topLeft(), b.topRight()},
                            {b.topRight(), b.bottomRight()},
                            {b.bottomRight(), b.bottomLeft()},
                            {b.bottomLeft(), b.topLeft()}};
    return std::ranges::any_of(
        cotes, [&](const QLineF& c) { return s.intersects(c, nullptr) == QLineF::BoundedIntersection; });
}

// An outline with its bounding box, for the tests of many boxes.
struct Contour {
    QPolygonF polygone;
    QRectF englobant;
    bool trou = false;

    explicit Contour(const Obstacle& o)
        : polygone(o.contour.begin(), o.contour.end()), englobant(polygone.boundingRect()), trou(o.trou) {}

    bool coupe(const QRectF& b) const {
        if (!englobant.intersects(b)) {
            return false;
        }
        for (qsizetype i = 0; i + 1 < polygone.size(); ++i) {
            if (segmentCoupeBoite({polygone[i], polygone[i + 1]}, b)) {
                return true;
            }
        }
        return false;
    }
    bool contient(const QPointF& p) const { return polygone.containsPoint(p, Qt::OddEvenFill); }
    // The box lies wholly inside, or wholly outside.
    bool enferme(const QRectF& b) const { return !coupe(b) && contient(b.center()); }
    bool exclut(const QRectF& b) const {
        return !englobant.intersects(b) || (!coupe(b) && !contient(b.center()));
    }
};

// The air kept between a label's box and the lines and outlines near it, in px.
constexpr double Air = 1.5;

class Placement {
public:
    Placement(const Scene& scene, const std::vector<Libelle>& libelles)
        : m_scene(scene), m_libelles(libelles), m_places(libelles.size()), m_place(libelles.size(), false) {
        for (const Obstacle& o : scene.formes) {
            m_formes.emplace_back(o);
        }
    }

    std::vector<Place> placer() {
        // Numbers inside their shapes first, then the marks near their anchors, then the numbers that
        // found no room inside, beside their shapes.
        for (std::size_t i = 0; i < m_libelles.size(); ++i) {
            if (m_libelles[i].forme >= 0) {
                placerDedans(i);
            }
        }
        for (std::size_t i = 0; i < m_libelles.size(); ++i) {
            if (m_libelles[i].forme < 0) {
                placerAutour(i);
            }
        }
        for (std::size_t i = 0; i < m_libelles.size(); ++i) {
            if (!m_place[i]) {
                placerAutour(i);
            }
        }
        return m_places;
    }

private:
    // The faults of a box: outside the frame, across an axis, over a label or a reserved box.
    int fautes(const QRectF& b) const {
        int n = m_scene.cadre.contains(b) ? 0 : 1;
        const QRectF air = b.adjusted(-Air, -Air, Air, Air);
        for (const QLineF& a : m_scene.axes) {
            n += segmentCoupeBoite(a, air) ? 1 : 0;
        }
        for (const QRectF& r : m_scene.reserves) {
            n += r.intersects(b) ? 1 : 0;
        }
        for (std::size_t j = 0; j < m_places.size(); ++j) {
            n += m_place[j] && m_places[j].boite.intersects(b) ? 1 : 0;
        }
        return n;
    }

    void retenir(std::size_t i, const QRectF& b, std::optional<QLineF> renvoi = std::nullopt) {
        m_places[i] = {b, renvoi};
        m_place[i] = true;
    }

    // Inside its own shape, clear of the holes in it and of the shapes beside it.
    void placerDedans(std::size_t i) {
        const Libelle& l = m_libelles[i];
        const Contour& propre = m_formes[static_cast<std::size_t>(l.forme)];
        const QSizeF t = l.taille;
        std::vector<QPointF> centres;
        const QRectF e = propre.englobant;
        // A pixel and a half apart, wider on a large shape: some 2000 places at most.
        const double Pas = std::max(1.5, std::sqrt(e.width() * e.height() / 2000.0));
        for (double y = e.top() + t.height() / 2.0; y <= e.bottom() - t.height() / 2.0; y += Pas) {
            for (double x = e.left() + t.width() / 2.0; x <= e.right() - t.width() / 2.0; x += Pas) {
                centres.emplace_back(x, y);
            }
        }
        centres.push_back(l.ancre);
        std::ranges::stable_sort(centres, {}, [&](const QPointF& c) { return QLineF(c, l.ancre).length(); });
        for (const QPointF& c : centres) {
            const QRectF b(c.x() - t.width() / 2.0, c.y() - t.height() / 2.0, t.width(), t.height());
            const QRectF air = b.adjusted(-Air, -Air, Air, Air);
            if (fautes(b) > 0 || !propre.contient(c) || !propre.enferme(air)) {
                continue;
            }
            bool libre = true;
            for (std::size_t k = 0; k < m_formes.size() && libre; ++k) {
                const Contour& autre = m_formes[k];
                if (static_cast<int>(k) == l.forme) {
                    continue;
                }
                // Over another shape only when wholly inside it, and a solid's number never in a hole.
                libre = autre.exclut(air) || (autre.enferme(air) && (propre.trou || !autre.trou));
            }
            if (libre) {
                retenir(i, b);
                return;
            }
        }
    }

    // Near the anchor: on rings of growing radius, in sixteen directions from up-right round.
    void placerAutour(std::size_t i) {
        const Libelle& l = m_libelles[i];
        const bool numero = l.forme >= 0;
        const QSizeF t = l.taille;
        int moindre = std::numeric_limits<int>::max();
        QRectF meilleure;
        const double debut = numero ? 4.0 : 1.0;
        for (double r = debut; r <= 200.0; r += 3.0) {
            for (int k = 0; k < 16; ++k) {
                const double a = -Pi / 4.0 + k * Pi / 8.0;
                const QPointF d(std::cos(a), std::sin(a));
                const double demi = std::fabs(d.x()) * t.width() / 2.0 + std::fabs(d.y()) * t.height() / 2.0;
                const QPointF c = l.ancre + (r + demi) * d;
                const QRectF b(c.x() - t.width() / 2.0, c.y() - t.height() / 2.0, t.width(), t.height());
                int n = 4 * fautes(b);
                if (numero) {
                    // Beside its own shape, and better off the others.
                    const Contour& propre = m_formes[static_cast<std::size_t>(l.forme)];
                    n += propre.exclut(b.adjusted(-Air, -Air, Air, Air)) ? 0 : 4;
                    for (const Contour& autre : m_formes) {
                        n += autre.exclut(b) ? 0 : 1;
                    }
                }
                if (n == 0) {
                    retenir(i, b, numero ? renvoi(l, b) : std::nullopt);
                    return;
                }
                if (n < moindre) {
                    moindre = n;
                    meilleure = b;
                }
            }
        }
        retenir(i, meilleure, numero ? renvoi(l, meilleure) : std::nullopt);
    }

    // From the box's edge towards the centroid, ending a little inside the shape.
    std::optional<QLineF> renvoi(const Libelle& l, const QRectF& b) const {
        const Contour& propre = m_formes[static_cast<std::size_t>(l.forme)];
        const QLineF vers(b.center(), l.ancre);
        const double longueur = vers.length();
        if (longueur <= 0.0) {
            return std::nullopt;
        }
        double depart = 0.0;
        double arrivee = longueur;
        bool sorti = false;
        constexpr double Pas = 0.5;
        for (double s = 0.0; s <= longueur; s += Pas) {
            const QPointF p = vers.pointAt(s / longueur);
            if (!sorti && !b.contains(p)) {
                depart = s;
                sorti = true;
            }
            if (sorti && propre.contient(p)) {
                arrivee = std::min(longueur, s + 4.0);
                break;
            }
        }
        if (!sorti || arrivee - depart < 1.0) {
            return std::nullopt;
        }
        return QLineF(vers.pointAt(depart / longueur), vers.pointAt(arrivee / longueur));
    }

    const Scene& m_scene;
    const std::vector<Libelle>& m_libelles;
    std::vector<Contour> m_formes;
    std::vector<Place> m_places;
    std::vector<bool> m_place;
};

} // namespace

std::vector<Place> placerEtiquettes(const Scene& scene, const std::vector<Libelle>& libelles) {
    return Placement(scene, libelles).placer();
}

// ---------------------------------------------------------------------------------------------------
// Where everything falls on the screen.

QColor couleur(Couleur c) {
    switch (c) {
    case Couleur::Matiere:
        return {220, 30, 30};
    case Couleur::Trou:
        return Qt::white;
    case Couleur::Centraux:
        return {0, 0, 200};
    case Couleur::Principaux:
        return {0, 125, 0};
    case Couleur::Plastiques:
        return {150, 0, 170};
    case Couleur::Cisaillement:
        return {235, 120, 0};
    case Couleur::Noyau:
        return {0, 130, 200};
    case Couleur::Repere:
    case Couleur::Texte:
        break;
    }
    return Qt::black;
}

namespace {

// The part of the line through `p` along `d` inside `r`, clipped by the parameter range.
QLineF traverser(const QPointF& p, const QPointF& d, const QRectF& r) {
    double t0 = -1e9;
    double t1 = 1e9;
    const auto borner = [&](double origine, double pente, double bas, double haut) {
        if (std::fabs(pente) < 1e-12) {
            if (origine < bas || origine > haut) {
                t0 = 1.0;
                t1 = 0.0;
            }
            return;
        }
        double a = (bas - origine) / pente;
        double b = (haut - origine) / pente;
        if (a > b) {
            std::swap(a, b);
        }
        t0 = std::max(t0, a);
        t1 = std::min(t1, b);
    };
    borner(p.x(), d.x(), r.left(), r.right());
    borner(p.y(), d.y(), r.top(), r.bottom());
    if (t0 > t1) {
        return {p, p};
    }
    return {p + t0 * d, p + t1 * d};
}

} // namespace

Disposition disposer(const Figure& figure, const QRectF& cadre, const QFontMetricsF& fm) {
    Disposition d;
    // Whole pixels, as a widget's rect().
    const QRectF r = QRectF(cadre.toRect());
    if (figure.elements.empty()) {
        d.message = u"Aucun élément à dessiner"_s;
        return d;
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
    const QRectF zone = r.adjusted(28, 24, -28, -36);
    const double echelle = std::min(zone.width() / largeur, zone.height() / hauteur);
    if (!std::isfinite(echelle) || echelle <= 0.0 || !std::isfinite(largeur) || !std::isfinite(hauteur)) {
        d.message = u"Section trop grande pour être dessinée"_s;
        return d;
    }
    d.echelle = echelle;
    // Z points left and Y up: the larger Z, the further left; the larger Y, the higher.
    const double x0 = zone.center().x() + (zMax + zMin) / 2.0 * echelle;
    const double y0 = zone.center().y() + (yMax + yMin) / 2.0 * echelle;
    const auto ecran = [&](QPointF q) { return QPointF(x0 - q.x() * echelle, y0 - q.y() * echelle); };
    d.origine = ecran({0.0, 0.0});

    Scene& s = d.scene;
    s.cadre = r.adjusted(2, 2, -2, -2);
    const auto etiquette = [&](const QString& texte, Couleur c, QPointF ancre, int forme = -1) {
        d.libelles.push_back({QSizeF(fm.horizontalAdvance(texte) + 4.0, fm.height()), ancre, forme});
        d.etiquettes.push_back({texte, c});
    };
    for (const ElementDessine& t : figure.elements) {
        Obstacle o;
        o.trou = !t.solide;
        for (const QPointF& q : t.contour) {
            o.contour.push_back(ecran(q));
        }
        s.formes.push_back(std::move(o));
        etiquette(QString::number(t.numero), Couleur::Texte, ecran(t.centre),
                  static_cast<int>(s.formes.size()) - 1);
    }

    // The frame (O, Z, Y): its arrows are lines the labels keep off.
    const QPointF o = d.origine;
    s.axes.emplace_back(o, o + QPointF(-40, 0));
    s.axes.emplace_back(o, o + QPointF(0, -40));
    etiquette(u"O"_s, Couleur::Repere, o);
    etiquette(u"Z"_s, Couleur::Repere, o + QPointF(-44, 0));
    etiquette(u"Y"_s, Couleur::Repere, o + QPointF(0, -44));

    const QRectF traits = r.adjusted(4, 4, -4, -30); // the lines stop above the scale bar
    if (figure.aG && std::isfinite(figure.g.x()) && std::isfinite(figure.g.y())) {
        const QPointF g = ecran(figure.g);
        d.g = g;
        const QLineF gz = traverser(g, {1, 0}, traits);
        const QLineF gy = traverser(g, {0, 1}, traits);
        d.centraux = {gz, gy};
        etiquette(u"G"_s, Couleur::Centraux, g);
        // +Z to the left, +Y up: the names at those ends.
        etiquette(u"Gz"_s, Couleur::Centraux, gz.p1() + QPointF(8, 0));
        etiquette(u"Gy"_s, Couleur::Centraux, gy.p1() + QPointF(0, 8));
        if (figure.alpha) {
            // The principal axis 1 turns alpha from +Z towards +Y: on screen, from the left towards the top.
            const double a = *figure.alpha * Pi / 180.0;
            const QPointF d1(-std::cos(a), -std::sin(a));
            const QPointF d2(std::sin(a), -std::cos(a));
            const QLineF i1 = traverser(g, d1, traits);
            const QLineF i2 = traverser(g, d2, traits);
            d.principaux = {i1, i2};
            etiquette(u"I1"_s, Couleur::Principaux, i1.p2() - 10 * d1);
            etiquette(u"I2"_s, Couleur::Principaux, i2.p2() - 10 * d2);
            d.alphaCentre = g;
            const double milieu = Pi - a / 2.0; // screen angle, counter-clockwise from the right, y up
            etiquette(u"α"_s, Couleur::Principaux, g + 36.0 * QPointF(std::cos(milieu), -std::sin(milieu)));
        }
    }
    if (figure.c && std::isfinite(figure.c->x()) && std::isfinite(figure.c->y())) {
        d.c = ecran(*figure.c);
        etiquette(u"C"_s, Couleur::Cisaillement, *d.c);
    }
    if (figure.axesPlastiques && std::isfinite(figure.axesPlastiques->x()) &&
        std::isfinite(figure.axesPlastiques->y())) {
        const QPointF p = ecran(*figure.axesPlastiques);
        d.plastiques = {traverser(p, {1, 0}, traits), traverser(p, {0, 1}, traits)};
    }
    for (const auto* lignes : {&d.centraux, &d.principaux, &d.plastiques}) {
        s.axes.insert(s.axes.end(), lignes->begin(), lignes->end());
    }

    // A scale bar of a round length, about a fifth of the drawing's width, at the bottom left.
    const double cible = r.width() / 5.0 / echelle;
    const double decade = std::pow(10.0, std::floor(std::log10(cible)));
    double longueur = decade;
    for (const double f : {2.0, 5.0, 10.0}) {
        if (f * decade <= cible) {
            longueur = f * decade;
        }
    }
    d.longueurEchelle = longueur;
    d.debutEchelle = QPointF(r.left() + 10, r.top() + r.height() - 12);
    const QString texte = plateforme::texteNombre(longueur) + u" mm"_s;
    const double pixels = longueur * echelle;
    d.texteEchelle = QRectF(d.debutEchelle.x() + pixels + 4, d.debutEchelle.y() - fm.height() / 2.0,
                            fm.horizontalAdvance(texte) + 4.0, fm.height());
    s.reserves.push_back(
        QRectF(d.debutEchelle.x() - 2, d.debutEchelle.y() - 6, pixels + 4, 12).united(d.texteEchelle));
    if (figure.axesConfondus) {
        const double w = fm.horizontalAdvance(NoteAxesConfondus) + 4.0;
        d.note = QRectF(r.right() - 6 - w, d.debutEchelle.y() - fm.height() / 2.0, w, fm.height());
        if (d.note.left() < d.texteEchelle.right() + 8.0) { // a narrow frame: at its top left
            d.note.moveTopLeft(QPointF(r.left() + 6, r.top() + 4));
        }
        s.reserves.push_back(d.note);
    }
    d.places = placerEtiquettes(s, d.libelles);
    return d;
}

// ---------------------------------------------------------------------------------------------------
// The painting.

namespace {

// Text on a white halo, so that it reads on the red fill and across lines: the text in white shifted a
// pixel each way, then in its colour.
void ecrire(QPainter& p, const QRectF& boite, const QString& texte, const QColor& c) {
    const QFontMetricsF fm(p.font());
    const QPointF ligne(boite.left() + 2.0, boite.top() + fm.ascent());
    p.setPen(Qt::white);
    for (const QPointF decalage : {QPointF(-1, -1), QPointF(0, -1), QPointF(1, -1), QPointF(-1, 0),
                                   QPointF(1, 0), QPointF(-1, 1), QPointF(0, 1), QPointF(1, 1)}) {
        p.drawText(ligne + decalage, texte);
    }
    p.setPen(c);
    p.drawText(ligne, texte);
}

// A line with a white halo on each side.
void tracer(QPainter& p, const QLineF& l, const QPen& stylo) {
    p.setPen(QPen(Qt::white, stylo.widthF() + 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(l);
    p.setPen(stylo);
    p.drawLine(l);
}

QPen stylo(Couleur c) {
    switch (c) {
    case Couleur::Centraux:
        return {couleur(c), 1.0, Qt::DashDotLine};
    case Couleur::Principaux:
        return {couleur(c), 1.2, Qt::DashLine};
    case Couleur::Plastiques: {
        QColor clair = couleur(c);
        clair.setAlpha(170);
        QPen s(clair, 3.0, Qt::CustomDashLine);
        s.setDashPattern({1.5, 1.5});
        return s;
    }
    case Couleur::Trou:
        return {Qt::black, 1.0, Qt::DashLine};
    case Couleur::Matiere:
    case Couleur::Repere:
    case Couleur::Texte:
    case Couleur::Cisaillement:
    case Couleur::Noyau:
        break;
    }
    return {Qt::black, 1.2};
}

QPainterPath chemin(const std::vector<QPointF>& contour, const auto& ecran) {
    QPainterPath c;
    c.moveTo(ecran(contour.front()));
    for (std::size_t i = 1; i < contour.size(); ++i) {
        c.lineTo(ecran(contour[i]));
    }
    c.closeSubpath();
    return c;
}

void barreEchelle(QPainter& p, QPointF debut, double pixels) {
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(debut, debut + QPointF(pixels, 0));
    p.drawLine(debut + QPointF(0, -4), debut + QPointF(0, 4));
    p.drawLine(debut + QPointF(pixels, -4), debut + QPointF(pixels, 4));
}

} // namespace

void dessinerSection(QPainter& p, const QRectF& cadre, const Figure& figure) {
    dessinerSection(p, cadre, figure, disposer(figure, cadre, QFontMetricsF(p.font())));
}

void dessinerSection(QPainter& p, const QRectF& cadre, const Figure& figure, const Disposition& d) {
    const QRect r = cadre.toRect();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(r, Qt::white);
    p.setPen(QPen(Qt::lightGray, 1));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    if (!d.message.isEmpty()) {
        p.setPen(Qt::gray);
        p.drawText(r, Qt::AlignCenter, d.message);
        p.restore();
        return;
    }
    const auto ecran = [&](QPointF q) { return d.origine - q * d.echelle; };

    for (const ElementDessine& t : figure.elements) {
        if (t.solide) {
            p.fillPath(chemin(t.contour, ecran), couleur(Couleur::Matiere));
        }
    }
    for (const ElementDessine& t : figure.elements) {
        if (!t.solide) {
            p.fillPath(chemin(t.contour, ecran), couleur(Couleur::Trou));
            p.strokePath(chemin(t.contour, ecran), stylo(Couleur::Trou));
        }
    }
    // The regions two solids or two holes share, hatched over both.
    for (const std::vector<QPointF>& zone : figure.superpositions) {
        if (zone.size() > 2) {
            const QPainterPath c = chemin(zone, ecran);
            p.fillPath(c, QBrush(Qt::black, Qt::BDiagPattern));
            p.strokePath(c, QPen(Qt::black, 1.0));
        }
    }
    dessinerMaillage(p, figure.maillage, d.origine, d.echelle);
    dessinerNoyau(p, figure.noyau, d.origine, d.echelle);

    // Every axis's halo first, then the plastic axes wide and light under the centroidal ones and the
    // principal ones: lines that coincide all show.
    const std::pair<const std::vector<QLineF>*, Couleur> axes[] = {{&d.plastiques, Couleur::Plastiques},
                                                                   {&d.centraux, Couleur::Centraux},
                                                                   {&d.principaux, Couleur::Principaux}};
    for (const bool halo : {true, false}) {
        for (const auto& [lignes, c] : axes) {
            const QPen s = stylo(c);
            p.setPen(halo ? QPen(Qt::white, s.widthF() + 2.0, Qt::SolidLine, Qt::RoundCap) : s);
            for (const QLineF& l : *lignes) {
                p.drawLine(l);
            }
        }
    }
    if (d.alphaCentre && figure.alpha) {
        // From Gz (+Z, to the left) to I1, turning towards +Y.
        constexpr double Rayon = 28.0;
        const QRectF arc(*d.alphaCentre - QPointF(Rayon, Rayon), QSizeF(2 * Rayon, 2 * Rayon));
        p.setPen(QPen(couleur(Couleur::Principaux), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(arc, 180 * 16, static_cast<int>(std::lround(-*figure.alpha * 16.0)));
    }

    // The frame (O, Z, Y), on a halo.
    const QPointF o = d.origine;
    for (const QPointF bout : {o + QPointF(-40, 0), o + QPointF(0, -40)}) {
        const QLineF l(o, bout);
        tracer(p, l, stylo(Couleur::Repere));
        const QPointF u = (bout - o) / l.length();
        const QPointF n(-u.y(), u.x());
        const QPointF pointe[] = {bout, bout - 7 * u + 3.5 * n, bout - 7 * u - 3.5 * n};
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(Qt::black);
        p.drawPolygon(pointe, 3);
    }
    if (d.g) {
        const QPointF g = *d.g;
        for (const QLineF& l : {QLineF(g + QPointF(-6, -6), g + QPointF(6, 6)),
                                QLineF(g + QPointF(-6, 6), g + QPointF(6, -6))}) {
            tracer(p, l, QPen(couleur(Couleur::Centraux), 2));
        }
    }

    if (d.c) {
        dessinerCentre(p, *d.c);
    }

    for (const dessin::Place& place : d.places) {
        if (const auto& l = place.renvoi) {
            tracer(p, *l, QPen(Qt::black, 1.0));
        }
    }
    for (std::size_t i = 0; i < d.places.size(); ++i) {
        ecrire(p, d.places[i].boite, d.etiquettes[i].texte, couleur(d.etiquettes[i].couleur));
    }

    barreEchelle(p, d.debutEchelle, d.longueurEchelle * d.echelle);
    ecrire(p, d.texteEchelle, plateforme::texteNombre(d.longueurEchelle) + u" mm"_s, Qt::black);
    if (!d.note.isEmpty()) {
        ecrire(p, d.note, NoteAxesConfondus, couleur(Couleur::Principaux));
    }
    p.restore();
}

void dessinerSection(QPainter& p, const QRectF& cadre, const Section& section,
                     const std::optional<Analyse>& analyse) {
    dessinerSection(p, cadre, figure(section, analyse));
}

void dessinerLegende(QPainter& p, const QRectF& cadre, const Figure& figure, double longueurEchelle) {
    struct Entree {
        QString texte;
        Couleur c;
        bool trait;
    };
    std::vector<Entree> entrees = {
        {u"matière"_s, Couleur::Matiere, false},
        {u"trou"_s, Couleur::Trou, false},
        {u"axes centraux Gz, Gy"_s, Couleur::Centraux, true},
        {u"axes principaux I1, I2"_s, Couleur::Principaux, true},
        {u"axes neutres plastiques"_s, Couleur::Plastiques, true},
    };
    if (!figure.superpositions.empty()) {
        entrees.push_back({u"superposition"_s, Couleur::Texte, false});
    }
    if (figure.c) {
        entrees.push_back({u"centre de cisaillement C"_s, Couleur::Cisaillement, false});
    }
    if (!figure.maillage.empty()) {
        entrees.push_back({u"maillage de la torsion"_s, Couleur::Repere, true});
    }
    if (figure.noyau.size() > 2) {
        entrees.push_back({u"noyau central"_s, Couleur::Noyau, false});
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF fm(p.font());
    const double pas = fm.height() + 2.0;
    const double symbole = 3.0 * fm.height();
    // Line k's top left corner: down the first column, then down the next ones when the height is short.
    const std::size_t nombre = entrees.size() + (longueurEchelle > 0.0 ? 1 : 0);
    const auto tiennent = static_cast<std::size_t>(std::max(1.0, std::floor((cadre.height() + 2.0) / pas)));
    const std::size_t colonnes = (nombre + tiennent - 1) / tiennent; // at least 1: five lines always
    const std::size_t parColonne = (nombre + colonnes - 1) / colonnes;
    const auto coin = [&](std::size_t k) {
        const std::size_t colonne = k / parColonne;
        const std::size_t ligne = k % parColonne;
        return QPointF(cadre.left() +
                           static_cast<double>(colonne) * cadre.width() / static_cast<double>(colonnes),
                       cadre.top() + static_cast<double>(ligne) * pas);
    };
    for (std::size_t k = 0; k < entrees.size(); ++k) {
        const Entree& e = entrees[k];
        const QPointF c = coin(k);
        const QRectF place(c.x() + 1, c.y() + 2, symbole, fm.height() - 4);
        if (e.c == Couleur::Cisaillement) {
            dessinerCentre(p, place.center());
        } else if (e.c == Couleur::Noyau) {
            symboleNoyau(p, place);
        } else if (e.trait && e.c == Couleur::Repere) {
            p.setPen(QPen(Qt::gray, 0.5));
            p.drawLine(QPointF(place.left(), place.center().y()), QPointF(place.right(), place.center().y()));
        } else if (e.trait) {
            p.setPen(stylo(e.c));
            p.drawLine(QPointF(place.left(), place.center().y()), QPointF(place.right(), place.center().y()));
        } else if (e.c == Couleur::Texte) {
            p.fillRect(place, QBrush(Qt::black, Qt::BDiagPattern));
            p.setPen(QPen(Qt::black, 1.0));
            p.drawRect(place);
        } else {
            p.fillRect(place, couleur(e.c));
            p.setPen(e.c == Couleur::Trou ? stylo(Couleur::Trou) : QPen(couleur(e.c), 1.0));
            p.drawRect(place);
        }
        p.setPen(Qt::black);
        p.drawText(QPointF(place.right() + 6, c.y() + fm.ascent()), e.texte);
    }
    if (longueurEchelle > 0.0) {
        const QPointF c = coin(entrees.size());
        barreEchelle(p, QPointF(c.x() + 1, c.y() + fm.height() / 2.0), symbole);
        p.setPen(Qt::black);
        p.drawText(QPointF(c.x() + 1 + symbole + 6, c.y() + fm.ascent()),
                   u"échelle : barre de "_s + plateforme::texteNombre(longueurEchelle) + u" mm"_s);
    }
    p.restore();
}

} // namespace dessin
