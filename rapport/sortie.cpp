// The note written out: one HTML text serves the HTML file (the drawing as inline SVG) and the pages
// (a QTextDocument, the drawing as an object painted with QPainter).

#include "dessin/contraintes.h"
#include "dessin/dessin_section.h"
#include "document/fichier_section.h"
#include "model/analyse.h"
#include "platform/arithmetique.h"
#include "platform/qt/police.h"
#include "rapport/note.h"
#include "rapport/objet_dessin.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>
#include <cmath>
#include <set>

using namespace modele;

using namespace Qt::StringLiterals;

namespace rapport {

namespace {

// Where the drawing goes in the HTML that the pages' QTextDocument reads.
const QString RepereDessin = u"[[dessin de la section]]"_s;
// The same for the torsion's mesh.
const QString RepereMaillage = u"[[maillage de la section]]"_s;
constexpr int TypeMaillage = QTextFormat::UserObject + 2;
// The same for the stresses' drawing.
const QString RepereContraintes = u"[[contraintes de la section]]"_s;
constexpr int TypeContraintes = QTextFormat::UserObject + 3;
constexpr int TypeDessin = QTextFormat::UserObject + 1;
constexpr double Marge = 15.0;     // mm, every side of the page
constexpr double PiedDePage = 8.0; // mm, under the text, for the page number

std::optional<Analyse> analyseOuRien(const Section& s) {
    try {
        return analyser(s);
    } catch (const plateforme::FauteArithmetique&) {
        return std::nullopt;
    }
}

const QString Titre = u"<h2>"_s;

// A number, with its « E » and power of ten or its unit after a space, kept whole on a line.
const QRegularExpression
    Nombre(uR"((?<![\w])[-+]?\d+(?:[.,]\d+)?(?:E[-+]?\d+)?(?: (?:\[?mm[²³⁴]?\]?|°))?)"_s);
// An index lowered: « I_{GZi} ».
const QRegularExpression Indice(u"_\\{([^}]*)\\}"_s);

// A text as it is: the file's name, the date.
QString echapper(const QString& t) {
    return t.toHtmlEscaped();
}

// A text of the note in HTML: escaped, its indices lowered, its numbers kept whole.
QString enHtml(const QString& t) {
    const QString e = echapper(t);
    QString h;
    qsizetype fin = 0;
    for (const QRegularExpressionMatch& m : Nombre.globalMatch(e)) {
        h += QStringView(e).mid(fin, m.capturedStart() - fin);
        h += u"<span class=\"n\">"_s + m.captured().replace(u" "_s, u"&nbsp;"_s) + u"</span>"_s;
        fin = m.capturedEnd();
    }
    h += QStringView(e).mid(fin);
    return h.replace(Indice, u"<sub>\\1</sub>"_s);
}

QString cellule(const Cellule& c) {
    if (!c.nombre) {
        return enHtml(c.texte);
    }
    QString h = echapper(c.texte);
    if (!c.exposant.isEmpty()) {
        h += u"&nbsp;<small>E</small><sup>"_s + echapper(c.exposant) + u"</sup>"_s;
    }
    return h;
}

QString td(const Cellule& c, bool gras) {
    // No empty bold element: the pages' HTML reader would carry it past the table's end.
    gras = gras && !c.texte.isEmpty();
    return (c.nombre ? u"<td class=\"n\">"_s : u"<td>"_s) + (gras ? u"<b>"_s : QString()) + cellule(c) +
           (gras ? u"</b></td>"_s : u"</td>"_s);
}

QString ligne(const std::vector<Cellule>& cellules, bool total) {
    QString h = total ? u"<tr class=\"total\">"_s : u"<tr>"_s;
    for (const Cellule& c : cellules) {
        h += td(c, total);
    }
    return h + u"</tr>\n"_s;
}

// The rows of the tables (counted over their bodies, every table in order) before which the pages
// start a new page: the layout would cut them at a page's foot.
struct Coupures {
    std::set<int> rangees;
    int suivante = 0;
};

// A table: its heading row in a <thead>, repeated at the top of each page the table runs onto, then
// its rows; before a row to keep from a page's foot, the table closes and starts again on a new page.
QString table(const QStringList& entetes, const QStringList& rangees, Coupures& coupures) {
    QString tete = u"<thead><tr>"_s;
    for (const QString& x : entetes) {
        tete += u"<th>"_s + enHtml(x) + u"</th>"_s;
    }
    tete += u"</tr></thead>\n<tbody>\n"_s;
    QString h = u"<table>\n"_s + tete;
    for (qsizetype i = 0; i < rangees.size(); ++i) {
        if (coupures.rangees.contains(coupures.suivante++) && i > 0) {
            h += u"</tbody></table>\n<table style=\"page-break-before: always\">\n"_s + tete;
        }
        h += rangees[i];
    }
    return h + u"</tbody></table>\n"_s;
}

// A part of the note: its heading and the explanation under it, opening the block that a browser keeps
// on one page when it fits (closed by the caller, after the part's table and notes).
QString partie(const QString& titre, const QString& explication) {
    return u"<div class=\"partie\">\n"_s + Titre + enHtml(titre) + u"</h2>\n<p class=\"explication\">"_s +
           enHtml(explication) + u"</p>\n"_s;
}

QString tableau(const Tableau& t, Coupures& coupures) {
    QString h = partie(t.titre, t.explication);
    QStringList rangees;
    for (const auto& l : t.lignes) {
        rangees << ligne(l, false);
    }
    for (const auto& l : t.totaux) {
        rangees << ligne(l, true);
    }
    if (!rangees.isEmpty()) {
        h += table(t.entetes, rangees, coupures);
    }
    for (const QString& n : t.notes) {
        h += u"<p>"_s + enHtml(n) + u"</p>\n"_s;
    }
    return h + u"</div>\n"_s;
}

QString grandeurs(const QString& titre, const QString& explication, const std::vector<Grandeur>& g,
                  const QString& suite, Coupures& coupures) {
    QStringList rangees;
    for (const Grandeur& x : g) {
        rangees << u"<tr><td><b>"_s + enHtml(x.nom) + u"</b></td>"_s + td(x.valeur, false) + u"<td>"_s +
                       echapper(x.unite) + u"</td>"_s + td({x.exacte, {}, true}, false) + u"<td>"_s +
                       enHtml(x.formule) + u"</td></tr>\n"_s;
    }
    return partie(titre, explication) +
           table({u"Grandeur"_s, u"Valeur"_s, u"Unité"_s, u"Valeur complète"_s, u"Formule"_s}, rangees,
                 coupures) +
           (suite.isEmpty() ? QString() : u"<p>"_s + enHtml(suite) + u"</p>\n"_s) + u"</div>\n"_s;
}

// The box of the main results, in three columns read downwards.
QString resume(const std::vector<Grandeur>& g) {
    constexpr std::size_t Colonnes = 3;
    const std::size_t rangees = (g.size() + Colonnes - 1) / Colonnes;
    QString h = u"<table class=\"resume\">\n"_s;
    for (std::size_t r = 0; r < rangees; ++r) {
        h += u"<tr>"_s;
        for (std::size_t c = 0; c < Colonnes; ++c) {
            const std::size_t i = c * rangees + r;
            if (i < g.size()) {
                h += u"<td><b>"_s + enHtml(g[i].nom) + u"</b> =</td>"_s + td(g[i].valeur, false) +
                     u"<td class=\"unite\">"_s + echapper(g[i].unite) + u"</td>"_s;
            } else {
                h += u"<td></td><td></td><td></td>"_s;
            }
        }
        h += u"</tr>\n"_s;
    }
    return h + u"</table>\n"_s;
}

// What the note's drawings are in its HTML: SVG elements, or the pages' markers.
struct Dessins {
    QString section;
    QString legende; // under the section's drawing
    QString maillage;
    QString contraintes;
};

// The whole note, its drawings put where they go.
QString html(const Note& n, const Dessins& d, Coupures coupures = {}) {
    QString h = u"<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n<title>"_s +
                echapper(n.titre + u" – "_s + n.fichier) +
                u"</title>\n<style>\n"
                u"body { font-family: Tahoma, \"DejaVu Sans\", sans-serif; font-size: 9pt; }\n"
                u"h1 { font-size: 14pt; margin-bottom: 4pt; } h2 { font-size: 11pt; margin-top: 12pt; }\n"
                u"table { border-collapse: collapse; }\n"
                u"td, th { border-style: none; padding: 1px 6px; vertical-align: top; }\n"
                u"th { border-bottom: 1px solid #404040; }\n"
                u"td.n { text-align: right; white-space: nowrap; }\n"
                u"span.n { white-space: nowrap; }\n"
                u"table.resume { border: 1px solid #404040; background-color: #f2f2f2; }\n"
                u"td.unite { padding-right: 24px; }\n"
                u".alerte { color: #c00000; }\n"
                u"svg { width: 100%; height: auto; }\n"
                u"@media print {\n"
                u"  h1, h2, p.explication { break-after: avoid; page-break-after: avoid; }\n"
                u"  div.partie { break-inside: avoid; page-break-inside: avoid; }\n"
                u"  tr, svg { break-inside: avoid; page-break-inside: avoid; }\n"
                u"  thead { display: table-header-group; }\n"
                u"}\n"
                u"</style>\n</head>\n<body>\n"_s;
    h += u"<h1>"_s + echapper(n.titre) + u"</h1>\n"_s;
    h += u"<p>Fichier : <b>"_s + echapper(n.fichier) + u"</b><br>Date : "_s + echapper(n.date) + u"</p>\n"_s;
    if (!n.profil.isEmpty()) {
        h += u"<p>"_s + echapper(n.profil.join(u'\n')).replace(u'\n', u"<br>"_s) + u"</p>\n"_s;
    }
    if (!n.alertes.isEmpty()) {
        h += u"<div class=\"alerte\"><p style=\"color: #c00000;\"><b>Attention :</b></p>\n"_s;
        for (const QString& a : n.alertes) {
            h += u"<p style=\"color: #c00000;\">"_s + enHtml(a) + u"</p>\n"_s;
        }
        h += u"</div>\n"_s;
    }
    h += Titre + u"Résultats principaux</h2>\n"_s + resume(n.resume);
    // The check in one line when it finds nothing; its findings are in red above.
    for (const QString& v : n.verification) {
        if (!n.alertes.contains(v)) {
            h += u"<p>Vérification de cohérence : "_s + enHtml(v) + u"</p>\n"_s;
        }
    }
    h +=
        partie(u"Dessin de la section à l'échelle"_s,
               u"Repère de saisie (O, Z, Y) : Z vers la gauche, Y vers le haut ; G est le centre de gravité, "
               u"la barre donne l'échelle."_s +
                   (n.etude.noyau ? u" Le noyau central y est hachuré."_s : QString())) +
        u"<p>"_s + d.section + u"</p>\n"_s;
    if (!d.legende.isEmpty()) {
        h += u"<p>"_s + enHtml(d.legende) + u"</p>\n"_s;
    }
    h += u"</div>\n"_s;
    for (const Tableau& t : n.tableaux) {
        h += tableau(t, coupures);
    }
    h += grandeurs(
        u"Résultats"_s,
        u"Les caractéristiques de la section totale, par rapport à ses axes passant "
        u"par son centre de gravité G."_s,
        n.resultats,
        u"La valeur complète est celle que le calcul garde, avant son écriture en mantisse et puissance "
        u"de dix."_s,
        coupures);
    if (!n.grandeurs.empty()) {
        h += grandeurs(
            u"Aperçu de la section"_s,
            u"Ce que l'on demande ensuite : le produit d'inertie, les axes principaux, les fibres "
            u"extrêmes, les modules élastiques, le moment polaire, les modules plastiques et les facteurs "
            u"de forme."_s,
            n.grandeurs,
            u"Les axes principaux 1 et 2 sont dessinés en vert quand le produit d'inertie n'est pas "
            u"nul."_s,
            coupures);
    }
    if (n.noyau) {
        h += tableau(*n.noyau, coupures);
    }
    if (n.contraintes) {
        h += tableau(*n.contraintes, coupures);
        if (n.etude.contraintes) {
            // In a paragraph with words, as the mesh below.
            h += u"<p>Les contraintes sur la section : leur répartition linéaire, mesurée "
                 u"perpendiculairement à l'axe neutre, σmax et σmin à leurs points, l'axe neutre et le "
                 u"noyau central hachuré (légende sous le dessin) :<br>"_s +
                 d.contraintes + u"</p>\n"_s;
        }
    }
    if (!n.torsion.isEmpty()) {
        const QString titre = u"Torsion et gauchissement"_s;
        if (n.grandeursTorsion.empty()) {
            h += partie(titre, n.torsion.join(u' ')) + u"</div>\n"_s;
        } else {
            h += grandeurs(titre, n.torsion.join(u' '), n.grandeursTorsion, {}, coupures);
            // The drawing with words in its paragraph: alone after a table, the pages' layout drops it.
            h +=
                u"<p>Le maillage, en gris, et le centre de cisaillement C :<br>"_s + d.maillage + u"</p>\n"_s;
        }
    }
    return h + u"</body>\n</html>\n"_s;
}

// The figure of the note's drawing, and its caption put under it as text (in the HTML the drawing's own
// text would run past its frame with a wider font than the one it was laid out with). The central kern
// in it, as the preview draws it, when `n` has one.
dessin::Figure figureNote(const Section& s, QString& legende, const Note* n = nullptr) {
    dessin::Figure f = dessin::figure(s, analyseOuRien(s));
    legende = f.axesConfondus && !f.elements.empty() ? dessin::NoteAxesConfondus : QString();
    f.axesConfondus = false;
    if (n != nullptr && n->etude.noyau) {
        for (const PointZY& q : n->etude.noyau->sommets) {
            f.noyau.emplace_back(q.z, q.y);
        }
    }
    return f;
}

// The note's figure with the torsion's mesh and shear centre.
dessin::Figure figureMaillage(const Section& s, const Note& n) {
    QString legende;
    dessin::Figure f = figureNote(s, legende);
    f.maillage = n.maillage;
    f.c = n.centre;
    return f;
}

Peintre peintre(dessin::Figure f) {
    return [f = std::move(f)](QPainter& p, const QRectF& cadre) { dessin::dessinerSection(p, cadre, f); };
}

Peintre peintreContraintes(const Section& s, const Note& n) {
    return [&s, &n](QPainter& p, const QRectF& cadre) {
        dessin::dessinerContraintes(p, cadre, s, n.etude, std::nullopt);
    };
}

// A drawing as an SVG element as wide as the text, its height following.
QByteArray svg(const Peintre& peintre, const QString& titre) {
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    QSvgGenerator generateur;
    generateur.setOutputDevice(&tampon);
    generateur.setSize(QSize(LargeurDessin, HauteurDessin));
    generateur.setViewBox(QRect(0, 0, LargeurDessin, HauteurDessin));
    generateur.setResolution(96);
    generateur.setTitle(titre);
    {
        QPainter p(&generateur);
        p.setFont(policeDessin());
        peintre(p, QRectF(0, 0, LargeurDessin, HauteurDessin));
    }
    QByteArray texte = tampon.data();
    const qsizetype debut = texte.indexOf("<svg");
    if (debut < 0) {
        return {};
    }
    texte = texte.mid(debut);
    const qsizetype fin = texte.indexOf('>');
    QByteArray racine = texte.left(fin);
    static const QRegularExpression Taille(uR"(\s(width|height)="[^"]*")"_s);
    racine = QString::fromUtf8(racine).remove(Taille).toUtf8();
    return racine + texte.mid(fin);
}

// The bottom of what a heading keeps on its page: the paragraphs under it up to the next heading or
// table (the drawing among them), and that table's heading row and first rows (the whole of a short one).
double finDuGroupe(QTextDocument& doc, const QTextBlock& titre) {
    constexpr int RangeesGardees = 4; // the heading row and three rows
    QAbstractTextDocumentLayout& mise = *doc.documentLayout();
    double fin = mise.blockBoundingRect(titre).bottom();
    QTextBlock b = titre.next();
    for (int paragraphes = 0; b.isValid() && paragraphes < 4; b = b.next(), ++paragraphes) {
        if (QTextTable* t = QTextCursor(b).currentTable()) {
            const QTextTableCell suivante = t->cellAt(std::min(RangeesGardees, t->rows()), 0);
            return suivante.isValid() ? mise.blockBoundingRect(suivante.firstCursorPosition().block()).top()
                                      : mise.frameBoundingRect(t).bottom();
        }
        if (b.blockFormat().headingLevel() > 0) {
            break;
        }
        fin = mise.blockBoundingRect(b).bottom();
    }
    return fin;
}

// The box of the main results as the HTML's style draws it (the pages' reader takes no border nor
// background of a table from a style): framed, on a light background, no rule between its cells.
void encadrer(QTextTable& t) {
    QTextCursor modification = t.firstCursorPosition();
    modification.beginEditBlock(); // laid out once, at the end of the block
    const auto cote = [](bool bord) {
        return bord ? QTextFrameFormat::BorderStyle_Solid : QTextFrameFormat::BorderStyle_None;
    };
    for (int r = 0; r < t.rows(); ++r) {
        for (int c = 0; c < t.columns(); ++c) {
            QTextTableCell caseDuCadre = t.cellAt(r, c);
            QTextTableCellFormat f = caseDuCadre.format().toTableCellFormat();
            f.setBorder(1.0);
            f.setBorderBrush(QColor(0x40, 0x40, 0x40));
            f.setTopBorderStyle(cote(r == 0));
            f.setBottomBorderStyle(cote(r == t.rows() - 1));
            f.setLeftBorderStyle(cote(c == 0));
            f.setRightBorderStyle(cote(c == t.columns() - 1));
            f.setBackground(QColor(0xf2, 0xf2, 0xf2));
            caseDuCadre.setFormat(f);
        }
    }
    modification.endEditBlock();
}

// Where a table's row ends: the bottom of its tallest cell.
double basDeRangee(QAbstractTextDocumentLayout& mise, const QTextTable& t, int r) {
    double bas = 0.0;
    for (int c = 0; c < t.columns(); ++c) {
        bas = std::max(bas, mise.blockBoundingRect(t.cellAt(r, c).lastCursorPosition().block()).bottom());
    }
    return bas;
}

// The first row of the tables (counted as Coupures counts them) that a page's foot cuts, if any: the
// layout moves a row to the next page only when none of its cells' first lines fits. Or else the last
// table's last row, when the note's last paragraph under it would stand alone on the last page.
std::optional<int> rangeeCoupee(QTextDocument& doc, double hauteurPage) {
    QAbstractTextDocumentLayout& mise = *doc.documentLayout();
    const auto page = [&](double y) { return std::floor(y / hauteurPage); };
    int n = 0;
    double basDuDernier = 0.0;
    for (QTextFrame* cadre : doc.rootFrame()->childFrames()) {
        auto* t = qobject_cast<QTextTable*>(cadre);
        if (t == nullptr || t->format().headerRowCount() == 0) { // the box has no heading row
            continue;
        }
        for (int r = t->format().headerRowCount(); r < t->rows(); ++r, ++n) {
            const double haut = mise.blockBoundingRect(t->cellAt(r, 0).firstCursorPosition().block()).top();
            basDuDernier = basDeRangee(mise, *t, r);
            if (page(haut) != page(basDuDernier - 1.0)) {
                return n;
            }
        }
    }
    const QTextBlock dernier = doc.lastBlock();
    QTextBlock avant = dernier.previous(); // past the empty block the layout puts after a table
    while (avant.isValid() && avant.length() <= 1 && QTextCursor(avant).currentTable() == nullptr) {
        avant = avant.previous();
    }
    // A paragraph holding a drawing is a figure of its own (espacer keeps it whole): it may stand alone.
    if (n > 0 && avant.isValid() && QTextCursor(avant).currentTable() != nullptr &&
        !dernier.text().contains(QChar::ObjectReplacementCharacter) &&
        page(mise.blockBoundingRect(dernier).top()) != page(basDuDernier - 1.0)) {
        return n - 1;
    }
    return std::nullopt;
}

// The spacing the layout does not take from the HTML: each heading kept apart from what it follows,
// and the text after a table from the table (the layout drops the top margin of a block that follows
// a table). A heading whose group (finDuGroupe) would run onto the next page starts that page, and so
// does a paragraph holding a drawing that the page's foot would cut.
void espacer(QTextDocument& doc, double hauteurPage) {
    constexpr double EcartTitre = 14.0;  // above a heading
    constexpr double EcartTableau = 5.0; // under a table
    std::vector<QTextBlock> titres;      // and the drawings' paragraphs
    QTextCursor modification(&doc);
    modification.beginEditBlock(); // laid out once, at the end of the block
    for (QTextBlock b = doc.begin(); b != doc.end(); b = b.next()) {
        const bool titre = b.blockFormat().headingLevel() >= 2;
        const bool apresTableau = QTextCursor(b).currentTable() == nullptr && b.previous().isValid() &&
                                  QTextCursor(b.previous()).currentTable() != nullptr;
        if (titre || apresTableau) {
            QTextBlockFormat f;
            f.setTopMargin((titre ? EcartTitre : 0.0) + (apresTableau ? EcartTableau : 0.0));
            QTextCursor(b).mergeBlockFormat(f);
        }
        // A paragraph that holds a drawing is kept whole, its words with the drawing.
        if (titre || b.text().contains(QChar::ObjectReplacementCharacter)) {
            titres.push_back(b);
        }
    }
    modification.endEditBlock();
    // From the top: a break moves what follows it. The layout is made again only after a change.
    QTextBlockFormat saut;
    saut.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    const auto page = [&](double y) { return std::floor(y / hauteurPage); };
    for (const QTextBlock& b : titres) {
        (void)doc.pageCount();
        const QRectF bloc = doc.documentLayout()->blockBoundingRect(b);
        const double fin = b.blockFormat().headingLevel() >= 2 ? finDuGroupe(doc, b) : bloc.bottom();
        if (page(bloc.top()) != page(fin - 1.0)) {
            QTextCursor(b).mergeBlockFormat(saut);
        }
    }
}

} // namespace

QByteArray noteHtml(const Section& section, const QString& nomFichier, const QDate& date,
                    const Document& document) {
    const Note n = construireNote(section, nomFichier, date, document);
    QString legende;
    const dessin::Figure f = figureNote(section, legende, &n);
    const Dessins d{QString::fromUtf8(svg(peintre(f), u"Dessin de la section"_s)), legende,
                    QString::fromUtf8(svg(peintre(figureMaillage(section, n)), u"Maillage de la section"_s)),
                    n.etude.contraintes
                        ? QString::fromUtf8(svg(peintreContraintes(section, n), u"Contraintes normales"_s))
                        : QString()};
    return html(n, d).toUtf8();
}

void imprimerNote(QPagedPaintDevice& sortie, const Section& section, const QString& nomFichier,
                  const QDate& date, const Document& document) {
    sortie.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(Marge, Marge, Marge, Marge), QPageLayout::Millimeter));
    const Note note = construireNote(section, nomFichier, date, document);

    // The text is laid out in pixels at 96 dpi, then painted scaled to the device's resolution.
    constexpr double ParMm = 96.0 / 25.4;
    const QRectF zone = sortie.pageLayout().paintRect(QPageLayout::Millimeter);
    // Whole units: the layout counts in 1/64ths, and a page break must fall exactly on a page's edge.
    const QSizeF page(std::floor(zone.width() * ParMm), std::floor((zone.height() - PiedDePage) * ParMm));

    QTextDocument doc;
    doc.setDefaultFont(plateforme::police({9.0}));
    doc.setDocumentMargin(0);
    QString legende;
    ObjetDessin objet(peintre(figureNote(section, legende, &note)));
    doc.documentLayout()->registerHandler(TypeDessin, &objet);
    ObjetDessin objetMaillage(peintre(figureMaillage(section, note)));
    doc.documentLayout()->registerHandler(TypeMaillage, &objetMaillage);
    ObjetDessin objetContraintes(peintreContraintes(section, note));
    doc.documentLayout()->registerHandler(TypeContraintes, &objetContraintes);
    doc.setPageSize(page);
    // Laid out again, a table broken before each row that a page's foot would cut, until none is.
    Coupures coupures;
    for (;;) {
        doc.setHtml(html(note, {RepereDessin, legende, RepereMaillage, RepereContraintes}, coupures));
        // From the end: the file's name, above the drawing, may hold the marker's text too.
        for (const auto& [marque, type] :
             {std::pair{RepereMaillage, TypeMaillage}, std::pair{RepereContraintes, TypeContraintes},
              std::pair{RepereDessin, TypeDessin}}) {
            QTextCursor repere = doc.find(marque, doc.characterCount() - 1, QTextDocument::FindBackward);
            if (!repere.isNull()) {
                QTextCharFormat format;
                format.setObjectType(type);
                repere.insertText(QString(QChar::ObjectReplacementCharacter), format);
            }
        }
        for (QTextFrame* cadre : doc.rootFrame()->childFrames()) {
            if (auto* t = qobject_cast<QTextTable*>(cadre)) {
                encadrer(*t); // the first table is the box
                break;
            }
        }
        espacer(doc, page.height());
        (void)doc.pageCount();
        const std::optional<int> coupee = rangeeCoupee(doc, page.height());
        if (!coupee || !coupures.rangees.insert(*coupee).second) {
            break;
        }
    }

    QPainter p(&sortie);
    const double echelle = sortie.logicalDpiX() / 96.0;
    p.scale(echelle, echelle);
    p.setFont(policeDessin());
    const int pages = doc.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0) {
            sortie.newPage();
        }
        const QRectF visible(0, i * page.height(), page.width(), page.height());
        p.save();
        p.setClipRect(QRectF(QPointF(0, 0), page));
        p.translate(0, -visible.top());
        QAbstractTextDocumentLayout::PaintContext contexte;
        // The layout draws every block that touches the clip: a heading moved to the next page starts
        // on this page's lower edge and would show a sliver here.
        contexte.clip = visible.adjusted(0, 0, 0, -1);
        doc.documentLayout()->draw(&p, contexte);
        p.restore();
        p.setPen(Qt::darkGray);
        const QRectF pied(0, page.height(), page.width(), PiedDePage * ParMm);
        p.drawText(pied, Qt::AlignLeft | Qt::AlignBottom, note.fichier + u" – "_s + note.date);
        p.drawText(pied, Qt::AlignRight | Qt::AlignBottom,
                   u"Page "_s + QString::number(i + 1) + u" / "_s + QString::number(pages));
    }
}

std::optional<QString> exporterNote(const QString& chemin, const Section& section, const QString& nomFichier,
                                    const QString& source, const Document& complement) {
    const QString suffixe = QFileInfo(chemin).suffix().toLower();
    const QDate aujourdhui = QDate::currentDate();
    if (suffixe == u"pdf"_s) {
        return document::enregistrerFichier(
            chemin,
            [&](QIODevice& d) {
                QPdfWriter pdf(&d);
                pdf.setResolution(1200);
                pdf.setTitle(u"Note de calcul – "_s + (nomFichier.isEmpty() ? SansFichier : nomFichier));
                pdf.setCreator(u"Brivane"_s);
                imprimerNote(pdf, section, nomFichier, aujourdhui, complement);
                return true;
            },
            source);
    }
    if (suffixe == u"html"_s || suffixe == u"htm"_s) {
        return document::enregistrerFichier(chemin, noteHtml(section, nomFichier, aujourdhui, complement),
                                            source);
    }
    return document::messageEnregistrement(chemin, u"son suffixe n'est ni .html ni .pdf"_s);
}

} // namespace rapport
