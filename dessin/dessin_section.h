#pragma once

// The section drawn to scale: solids in red, holes cut out with a dashed outline, the regions two
// solids or two holes share hatched, element numbers, the origin O with Z to the left and Y up, G with
// its centroidal axes Gz and Gy, the principal axes I1 and I2 with the angle alpha from Gz when they
// differ from Gz and Gy by more than half a degree, the plastic neutral axes and a scale bar in mm.
// Lengths of the marks (arrows, margins, the scale bar) are in the painter's units, meant as pixels at
// 96 dpi: a page scales the painter first. The text is written in the painter's font, on a white halo.

#include "model/analyse.h"
#include "model/plastique.h"
#include "model/section.h"

#include <QColor>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

class QFontMetricsF;
class QPainter;

namespace dessin {

struct ElementDessine {
    int numero = 0;
    bool solide = true;
    std::vector<QPointF> contour; // (Z, Y) in mm
    QPointF centre;
};

// What the drawing shows, taken from the section and its analysis once.
struct Figure {
    std::vector<ElementDessine> elements;             // the elements of non-zero area
    QPointF g;                                        // (Zg, Yg)
    bool aG = false;                                  // the total area is not 0: G is drawn
    std::optional<double> alpha;                      // degrees, when the principal axes are drawn
    bool axesConfondus = false;                       // an analysis whose principal axes lie on Gz and Gy
    std::optional<QPointF> axesPlastiques;            // (Zp, Yp), the plastic neutral axes
    std::vector<std::vector<QPointF>> superpositions; // (Z, Y) in mm: two solids or two holes overlap
    std::optional<QPointF> c;                         // (Zc, Yc), the shear centre, when computed
    std::vector<QLineF> maillage;                     // (Z, Y) in mm: the torsion mesh's sides, if shown
    std::vector<QPointF> noyau;                       // (Z, Y) in mm: the central kern's vertices, if shown
};

// The figure of the section with its analysis and plastic moduli already computed (none when they
// could not be), or computing the plastic moduli itself.
Figure figure(const modele::Section& section, const std::optional<modele::Analyse>& analyse,
              const std::optional<modele::Plastique>& plastique);
Figure figure(const modele::Section& section, const std::optional<modele::Analyse>& analyse);

// The placement of the labels, on the screen geometry alone.
struct Obstacle {
    std::vector<QPointF> contour; // an element's outline (px)
    bool trou = false;
};
struct Scene {
    QRectF cadre;                 // labels stay inside
    std::vector<Obstacle> formes; // the elements' outlines
    std::vector<QLineF> axes;     // lines no label may cross
    std::vector<QRectF> reserves; // boxes already taken (the scale bar, a note)
};
struct Libelle {
    QSizeF taille;  // the box of its text, halo included
    QPointF ancre;  // the point it names: an element's centroid, G, an axis's end...
    int forme = -1; // an element number: the index of its outline in Scene::formes
};
struct Place {
    QRectF boite;
    std::optional<QLineF> renvoi; // from the box to the centroid, for a number beside its shape
};

// An element number inside its shape when its box fits there clear of the other shapes, otherwise
// beside it with a leader; every other label near its anchor; none crossing an axis, none over
// another or a reserved box, all inside the frame when room allows (else the least bad place).
std::vector<Place> placerEtiquettes(const Scene& scene, const std::vector<Libelle>& libelles);

// The drawing on a given frame: where everything falls on the screen, the labels placed.
enum class Couleur { Matiere, Trou, Centraux, Principaux, Plastiques, Repere, Texte, Cisaillement, Noyau };
QColor couleur(Couleur c);

struct Etiquette {
    QString texte;
    Couleur couleur = Couleur::Texte;
};
struct Disposition {
    QString message;      // instead of a drawing: nothing to draw, or too large
    double echelle = 0.0; // px per mm
    QPointF origine;      // O on the screen
    std::optional<QPointF> g;
    std::optional<QPointF> c; // the shear centre on the screen
    std::vector<QLineF> centraux, principaux, plastiques;
    std::optional<QPointF> alphaCentre; // the arc of alpha, from Gz to I1
    Scene scene;
    std::vector<Libelle> libelles;
    std::vector<Etiquette> etiquettes; // their texts, in the same order
    std::vector<Place> places;
    QRectF note;                  // the note that the principal axes lie on Gz, Gy (empty when none)
    double longueurEchelle = 0.0; // mm
    QPointF debutEchelle;
    QRectF texteEchelle;
};
Disposition disposer(const Figure& figure, const QRectF& cadre, const QFontMetricsF& fm);

inline const QString NoteAxesConfondus = QStringLiteral("Axes principaux confondus avec Gz et Gy.");

// Paints the figure inside `cadre` (its background, its border, then the drawing).
void dessinerSection(QPainter& p, const QRectF& cadre, const Figure& figure);
// The same with its layout already made by disposer() on this frame and the painter's font.
void dessinerSection(QPainter& p, const QRectF& cadre, const Figure& figure, const Disposition& disposition);
void dessinerSection(QPainter& p, const QRectF& cadre, const modele::Section& section,
                     const std::optional<modele::Analyse>& analyse);

// The mesh's sides in thin grey lines, the screen being origine - (Z, Y) x echelle (dessin/maillage.cpp).
void dessinerMaillage(QPainter& p, const std::vector<QLineF>& cotes, QPointF origine, double echelle);
// The shear centre: a disc in its own colour on a white halo.
void dessinerCentre(QPainter& p, QPointF c);

// What the colours and lines of the drawing mean, one line each, inside `cadre`, in as many columns as
// its height needs; the scale bar's length in mm (0: no bar).
void dessinerLegende(QPainter& p, const QRectF& cadre, const Figure& figure, double longueurEchelle);

} // namespace dessin
