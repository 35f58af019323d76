#pragma once

// The calculation note of a section: what a student hands in and an engineer files. One builder takes
// every row from the engine (the totals, the areas, the centroid and Huygens tables, the analysis, the
// check), never from a window; the same note is written as HTML or painted on pages.

#include "model/contraintes.h"
#include "model/document.h"
#include "model/section.h"

#include <QByteArray>
#include <QDate>
#include <QLineF>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QPagedPaintDevice;

namespace rapport {

// A cell as the windows write it: a number's mantissa and, when it is not 0, its power of ten; or a
// plain text (exposant empty). A number is set flush right. Texts of the note other than the file's name
// may lower an index as « I_{GZi} ».
struct Cellule {
    QString texte;
    QString exposant;
    bool nombre = false;
    bool operator==(const Cellule&) const = default;
};

struct Tableau {
    QString titre;
    QString explication; // how the table is computed, in words
    QStringList entetes;
    std::vector<std::vector<Cellule>> lignes; // one per element
    std::vector<std::vector<Cellule>> totaux; // the totals rows, after the elements
    QStringList notes;                        // the lines under the table (full precision, a fault)
};

// A result: its name, its value as the windows show it, its unit, the value at full precision and its
// formula in words.
struct Grandeur {
    QString nom;
    Cellule valeur;
    QString unite;
    QString exacte;
    QString formule;
};

struct Note {
    QString titre;
    QString fichier;     // the file's name, or « Section non enregistrée »
    QString date;        // dd/MM/yyyy
    QStringList profil;  // under the file: the profile, its axes, the mass per metre (empty for no profile)
    QStringList alertes; // said in red at the top: an empty section, the check's findings
    std::vector<Tableau> tableaux;
    std::vector<Grandeur> resultats; // the main window's results panel
    std::vector<Grandeur> grandeurs; // the preview's quantities
    std::vector<Grandeur> resume;    // the main results, in the box on page 1 (see QuantitesResume)
    QStringList verification;        // the check's lines
    // Torsion and warping by finite elements: the method and the mesh in words (or why the figures are
    // not given), the figures, the mesh's sides and the shear centre for its drawing ((Z, Y) in mm).
    QStringList torsion;
    std::vector<Grandeur> grandeursTorsion;
    std::vector<QLineF> maillage;
    std::optional<QPointF> centre;
    // The central kern: its method and its vertices (Z ; Y) in the frame (O, Z, Y), or why there is none;
    // nothing for an empty section.
    std::optional<Tableau> noyau;
    // With loads: the normal stresses, the loads and their signs, the formulas and the step table (the
    // neutral axis in its notes); the study for their drawing.
    std::optional<Tableau> contraintes;
    modele::Etude etude;
};

// The quantities of the box of main results, in order, taken from the results and the preview's
// quantities when the section has them.
inline const QStringList QuantitesResume{
    QStringLiteral("A"),    QStringLiteral("Zg"),    QStringLiteral("Yg"),    QStringLiteral("Igz"),
    QStringLiteral("Igy"),  QStringLiteral("igz"),   QStringLiteral("igy"),   QStringLiteral("i1"),
    QStringLiteral("i2"),   QStringLiteral("Wel,z"), QStringLiteral("Wel,y"), QStringLiteral("Wpl,z"),
    QStringLiteral("Wpl,y")};

inline const QString SectionVide = QStringLiteral("La section est vide : son aire totale est nulle.");
inline const QString SansFichier = QStringLiteral("Section non enregistrée");

// The note of elements 1 to NbrElement of `section`, with its totals as they stand.
// With a profile or a density, `document` gives the header's profile lines.
Note construireNote(const modele::Section& section, const QString& nomFichier, const QDate& date,
                    const modele::Document& document = {});

// The note as HTML (UTF-8, one file, the drawing as inline SVG made with QSvgGenerator).
QByteArray noteHtml(const modele::Section& section, const QString& nomFichier, const QDate& date,
                    const modele::Document& document = {});

// Paints the note page by page on `sortie` (a QPdfWriter or a QPrinter), A4, the drawing as vectors.
void imprimerNote(QPagedPaintDevice& sortie, const modele::Section& section, const QString& nomFichier,
                  const QDate& date, const modele::Document& document = {});

// Writes the note of today to `chemin`, HTML or PDF by its suffix (.html, .htm or .pdf, in any case),
// through a temporary file renamed at the end, never over the section's own file `source`. Empty when
// it worked, else « Le fichier NOM ne peut pas être enregistré : RAISON. »
std::optional<QString> exporterNote(const QString& chemin, const modele::Section& section,
                                    const QString& nomFichier, const QString& source = {},
                                    const modele::Document& complement = {});

} // namespace rapport
