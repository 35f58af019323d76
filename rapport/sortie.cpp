// The note written out: one HTML text serves the HTML file (the drawing as inline SVG) and the pages
// (a QTextDocument, the drawing as an object painted with QPainter).

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
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>
#include <cmath>

using namespace modele;

using namespace Qt::StringLiterals;

namespace rapport {

namespace {

// Where the drawing goes in the HTML that the pages' QTextDocument reads.
const QString RepereDessin = u"[[dessin de la section]]"_s;
constexpr int TypeDessin = QTextFormat::UserObject + 1;
// The same for the torsion's mesh.
const QString RepereMaillage = u"[[maillage de la section]]"_s;
constexpr int TypeMaillage = QTextFormat::UserObject + 2;
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

QString echapper(const QString& t) {
    return t.toHtmlEscaped();
}

QString cellule(const Cellule& c) {
    QString h = echapper(c.texte);
    if (!c.exposant.isEmpty()) {
        h += u" <small>E</small><sup>"_s + echapper(c.exposant) + u"</sup>"_s;
    }
    return h;
}

QString ligne(const std::vector<Cellule>& cellules, bool total) {
    QString h = total ? u"<tr class=\"total\">"_s : u"<tr>"_s;
    for (const Cellule& c : cellules) {
        // No empty bold element: the pages' HTML reader would carry it past the table's end.
        const bool gras = total && !c.texte.isEmpty();
        h += (gras ? u"<td><b>"_s : u"<td>"_s) + cellule(c) + (gras ? u"</b></td>"_s : u"</td>"_s);
    }
    return h + u"</tr>\n"_s;
}

QString tableau(const Tableau& t) {
    QString h = Titre + echapper(t.titre) + u"</h2>\n<p>"_s + echapper(t.explication) + u"</p>\n"_s;
    // The heading row in a <thead>: repeated at the top of each page the table runs onto.
    h += u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"0\">\n<thead><tr>"_s;
    for (const QString& e : t.entetes) {
        h += u"<th>"_s + echapper(e) + u"</th>"_s;
    }
    h += u"</tr></thead>\n"_s;
    for (const auto& l : t.lignes) {
        h += ligne(l, false);
    }
    for (const auto& l : t.totaux) {
        h += ligne(l, true);
    }
    h += u"</table>\n"_s;
    for (const QString& n : t.notes) {
        h += u"<p>"_s + echapper(n) + u"</p>\n"_s;
    }
    return h;
}

QString grandeurs(const QString& titre, const QString& explication, const std::vector<Grandeur>& g,
                  const QString& suite) {
    QString h = Titre + echapper(titre) + u"</h2>\n<p>"_s + echapper(explication) + u"</p>\n"_s;
    h += u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"0\">\n<thead><tr><th>Grandeur</th>"
         u"<th>Valeur</th><th>Unité</th><th>Valeur complète</th><th>Formule</th></tr></thead>\n"_s;
    for (const Grandeur& x : g) {
        h += u"<tr><td><b>"_s + echapper(x.nom) + u"</b></td><td>"_s + cellule(x.valeur) + u"</td><td>"_s +
             echapper(x.unite) + u"</td><td>"_s + echapper(x.exacte) + u"</td><td>"_s + echapper(x.formule) +
             u"</td></tr>\n"_s;
    }
    return h + u"</table>\n<p>"_s + echapper(suite) + u"</p>\n"_s;
}

// The whole note; `dessin` and `maillage` are put where the drawings go (SVG elements, or the pages'
// markers).
QString html(const Note& n, const QString& dessin, const QString& maillage) {
    QString h = u"<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n<title>"_s +
                echapper(n.titre + u" – "_s + n.fichier) +
                u"</title>\n<style>\n"
                u"body { font-family: Tahoma, \"DejaVu Sans\", sans-serif; font-size: 9pt; }\n"
                u"h1 { font-size: 14pt; } h2 { font-size: 11pt; margin-top: 12pt; }\n"
                u"th { background-color: #e8e8e8; }\n"
                u"td, th { padding-left: 4px; padding-right: 4px; }\n"
                u".alerte { color: #c00000; }\n"
                u"</style>\n</head>\n<body>\n"_s;
    h += u"<h1>"_s + echapper(n.titre) + u"</h1>\n"_s;
    h += u"<p>Fichier : <b>"_s + echapper(n.fichier) + u"</b><br>Date : "_s + echapper(n.date) + u"</p>\n"_s;
    if (!n.alertes.isEmpty()) {
        h += u"<div class=\"alerte\"><p style=\"color: #c00000;\"><b>Attention :</b></p>\n"_s;
        for (const QString& a : n.alertes) {
            h += u"<p style=\"color: #c00000;\">"_s + echapper(a) + u"</p>\n"_s;
        }
        h += u"</div>\n"_s;
    }
    h += Titre +
         u"Dessin de la section à l'échelle</h2>\n<p>Repère de saisie (O, Z, Y) : Z vers la gauche, Y "
         u"vers "
         u"le haut ; G est le centre de gravité, la barre donne l'échelle.</p>\n<p>"_s +
         dessin + u"</p>\n"_s;
    for (const Tableau& t : n.tableaux) {
        h += tableau(t);
    }
    h += grandeurs(
        u"Résultats"_s,
        u"Les caractéristiques de la section totale, par rapport à ses axes passant "
        u"par son centre de gravité G."_s,
        n.resultats,
        u"La valeur complète est celle que le calcul garde, avant son écriture en mantisse et puissance "
        u"de dix."_s);
    if (!n.grandeurs.empty()) {
        h += grandeurs(
            u"Aperçu de la section"_s,
            u"Ce que l'on demande ensuite : le produit d'inertie, les axes principaux, les fibres "
            u"extrêmes, les modules élastiques, le moment polaire, les modules plastiques et les facteurs "
            u"de forme."_s,
            n.grandeurs,
            u"Les axes principaux 1 et 2 sont dessinés en vert quand le produit d'inertie n'est pas "
            u"nul."_s);
    }
    if (!n.torsion.isEmpty()) {
        const QString titre = u"Torsion et gauchissement"_s;
        if (n.grandeursTorsion.empty()) {
            h += Titre + titre + u"</h2>\n<p>"_s + echapper(n.torsion.join(u' ')) + u"</p>\n"_s;
        } else {
            h += grandeurs(titre, n.torsion.join(u' '), n.grandeursTorsion, {});
            h += u"<p>Le maillage, en gris, et le centre de cisaillement C :<br>"_s + maillage + u"</p>\n"_s;
        }
    }
    h += Titre + u"Vérification de cohérence</h2>\n"_s;
    for (const QString& v : n.verification) {
        h += u"<p>"_s + echapper(v) + u"</p>\n"_s;
    }
    return h + u"</body>\n</html>\n"_s;
}

// The drawing with the torsion's mesh and shear centre.
dessin::Figure figureMaillage(const Section& s, const Note& n) {
    dessin::Figure f = dessin::figure(s, analyseOuRien(s));
    f.maillage = n.maillage;
    f.c = n.centre;
    return f;
}

QByteArray svg(const Section& s, const std::optional<dessin::Figure>& figure = std::nullopt) {
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    QSvgGenerator generateur;
    generateur.setOutputDevice(&tampon);
    generateur.setSize(QSize(LargeurDessin, HauteurDessin));
    generateur.setViewBox(QRect(0, 0, LargeurDessin, HauteurDessin));
    generateur.setResolution(96);
    generateur.setTitle(u"Dessin de la section"_s);
    {
        QPainter p(&generateur);
        p.setFont(policeDessin());
        if (figure) {
            dessin::dessinerSection(p, QRectF(0, 0, LargeurDessin, HauteurDessin), *figure);
        } else {
            dessin::dessinerSection(p, QRectF(0, 0, LargeurDessin, HauteurDessin), s, analyseOuRien(s));
        }
    }
    const QByteArray texte = tampon.data();
    const qsizetype debut = texte.indexOf("<svg");
    return debut < 0 ? QByteArray() : texte.mid(debut);
}

// The spacing the layout does not take from the HTML: each heading kept apart from what it follows,
// and the text after a table from the table (the layout drops the top margin of a block that follows
// a table). A heading that falls near the foot of a page starts the next one, with the text it heads.
void espacer(QTextDocument& doc, double hauteurPage) {
    constexpr double EcartTitre = 14.0;  // above a heading
    constexpr double EcartTableau = 5.0; // under a table
    constexpr double Reserve = 110.0;    // the heading, its explanation and a few rows
    for (QTextBlock b = doc.begin(); b != doc.end(); b = b.next()) {
        const bool titre = b.blockFormat().headingLevel() >= 2;
        const bool apresTableau = b.previous().isValid() &&
                                  QTextCursor(b.previous()).currentTable() != nullptr &&
                                  QTextCursor(b).currentTable() == nullptr;
        if (!titre && !apresTableau) {
            continue;
        }
        QTextBlockFormat f;
        f.setTopMargin((titre ? EcartTitre : 0.0) + (apresTableau ? EcartTableau : 0.0));
        QTextCursor(b).mergeBlockFormat(f);
        if (!titre) {
            continue;
        }
        (void)doc.pageCount(); // lays out what the changes moved
        const double haut = doc.documentLayout()->blockBoundingRect(b).top();
        if (hauteurPage - std::fmod(haut, hauteurPage) < Reserve) {
            f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(b).mergeBlockFormat(f);
        }
    }
}

} // namespace

QByteArray noteHtml(const Section& section, const QString& nomFichier, const QDate& date) {
    const Note n = construireNote(section, nomFichier, date);
    return html(n, QString::fromUtf8(svg(section)),
                QString::fromUtf8(svg(section, figureMaillage(section, n))))
        .toUtf8();
}

void imprimerNote(QPagedPaintDevice& sortie, const Section& section, const QString& nomFichier,
                  const QDate& date) {
    sortie.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(Marge, Marge, Marge, Marge), QPageLayout::Millimeter));
    const Note note = construireNote(section, nomFichier, date);

    // The text is laid out in pixels at 96 dpi, then painted scaled to the device's resolution.
    constexpr double ParMm = 96.0 / 25.4;
    const QRectF zone = sortie.pageLayout().paintRect(QPageLayout::Millimeter);
    // Whole units: the layout counts in 1/64ths, and a page break must fall exactly on a page's edge.
    const QSizeF page(std::floor(zone.width() * ParMm), std::floor((zone.height() - PiedDePage) * ParMm));

    QTextDocument doc;
    doc.setDefaultFont(plateforme::police({9.0}));
    doc.setDocumentMargin(0);
    ObjetDessin objet(dessin::figure(section, analyseOuRien(section)));
    doc.documentLayout()->registerHandler(TypeDessin, &objet);
    ObjetDessin objetMaillage(figureMaillage(section, note));
    doc.documentLayout()->registerHandler(TypeMaillage, &objetMaillage);
    doc.setHtml(html(note, RepereDessin, RepereMaillage));
    // From the end: the file's name, above the drawing, may hold the marker's text too.
    for (const auto& [marque, type] :
         {std::pair{RepereMaillage, TypeMaillage}, std::pair{RepereDessin, TypeDessin}}) {
        QTextCursor repere = doc.find(marque, doc.characterCount() - 1, QTextDocument::FindBackward);
        if (!repere.isNull()) {
            QTextCharFormat format;
            format.setObjectType(type);
            repere.insertText(QString(QChar::ObjectReplacementCharacter), format);
        }
    }
    doc.setPageSize(page);
    espacer(doc, page.height());

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

std::optional<QString> exporterNote(const QString& chemin, const Section& section,
                                    const QString& nomFichier) {
    const QString suffixe = QFileInfo(chemin).suffix().toLower();
    const QDate aujourdhui = QDate::currentDate();
    if (suffixe == u"pdf"_s) {
        return document::enregistrerFichier(chemin, [&](QIODevice& d) {
            QPdfWriter pdf(&d);
            pdf.setResolution(1200);
            pdf.setTitle(u"Note de calcul – "_s + (nomFichier.isEmpty() ? SansFichier : nomFichier));
            pdf.setCreator(u"Brivane"_s);
            imprimerNote(pdf, section, nomFichier, aujourdhui);
            return true;
        });
    }
    if (suffixe == u"html"_s || suffixe == u"htm"_s) {
        return document::enregistrerFichier(chemin, noteHtml(section, nomFichier, aujourdhui));
    }
    return document::messageEnregistrement(chemin, u"son suffixe n'est ni .html ni .pdf"_s);
}

} // namespace rapport
