// The note written out: one HTML text serves the HTML file (the drawing as inline SVG) and the pages
// (a QTextDocument, the drawing as an object painted with QPainter).

#include "dessin/dessin_section.h"
#include "document/fichier_section.h"
#include "model/analyse.h"
#include "platform/arithmetique.h"
#include "platform/qt/police.h"
#include "rapport/note.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>

using namespace modele;

using namespace Qt::StringLiterals;

namespace rapport {

namespace {

// The drawing's size in the page's units (pixels at 96 dpi): about 127 x 106 mm.
constexpr int LargeurDessin = 480;
constexpr int HauteurDessin = 400;
// Where the pages' text goes in the HTML the QTextDocument reads.
const QString RepereDessin = u"[[dessin de la section]]"_s;
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

// The drawing's text and the pages' footer: the windows' font, sized in the painter's units (96 dpi
// pixels).
QFont policeDessin() {
    QFont f = plateforme::police();
    f.setPixelSize(11);
    return f;
}

// A heading, kept apart from the table above it (the pages' layout reads no margin from the style sheet).
const QString Titre = u"<h2 style=\"margin-top: 16px;\">"_s;

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
        h += (total ? u"<td><b>"_s : u"<td>"_s) + cellule(c) + (total ? u"</b></td>"_s : u"</td>"_s);
    }
    return h + u"</tr>\n"_s;
}

QString tableau(const Tableau& t) {
    QString h = Titre + echapper(t.titre) + u"</h2>\n<p>"_s + echapper(t.explication) + u"</p>\n"_s;
    h += u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr>"_s;
    for (const QString& e : t.entetes) {
        h += u"<th>"_s + echapper(e) + u"</th>"_s;
    }
    h += u"</tr>\n"_s;
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

QString grandeurs(const QString& titre, const QString& explication, const std::vector<Grandeur>& g) {
    QString h = Titre + echapper(titre) + u"</h2>\n<p>"_s + echapper(explication) + u"</p>\n"_s;
    h += u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr><th>Grandeur</th><th>Valeur</th>"
         u"<th>Unité</th><th>Valeur complète</th><th>Formule</th></tr>\n"_s;
    for (const Grandeur& x : g) {
        h += u"<tr><td><b>"_s + echapper(x.nom) + u"</b></td><td>"_s + cellule(x.valeur) + u"</td><td>"_s +
             echapper(x.unite) + u"</td><td>"_s + echapper(x.exacte) + u"</td><td>"_s + echapper(x.formule) +
             u"</td></tr>\n"_s;
    }
    return h + u"</table>\n"_s;
}

// The whole note; `dessin` is put where the drawing goes (an SVG element, or the pages' marker).
QString html(const Note& n, const QString& dessin) {
    QString h = u"<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n<title>"_s +
                echapper(n.titre + u" – "_s + n.fichier) +
                u"</title>\n<style>\n"
                u"body { font-family: Tahoma, \"DejaVu Sans\", sans-serif; font-size: 9pt; }\n"
                u"h1 { font-size: 14pt; } h2 { font-size: 11pt; margin-top: 12pt; }\n"
                u"table { border-collapse: collapse; } th { background-color: #e8e8e8; }\n"
                u"td, th { padding: 2pt 5pt; }\n"
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
    h += grandeurs(u"Résultats"_s,
                   u"Les caractéristiques de la section totale, par rapport à ses axes passant "
                   u"par son centre de gravité G."_s,
                   n.resultats);
    if (!n.grandeurs.empty()) {
        h += grandeurs(u"Aperçu de la section"_s,
                       u"Ce que l'on demande ensuite : le produit d'inertie, les axes principaux, les fibres "
                       u"extrêmes, les modules élastiques et le moment polaire."_s,
                       n.grandeurs);
    }
    h += Titre + u"Vérification de cohérence</h2>\n"_s;
    for (const QString& v : n.verification) {
        h += u"<p>"_s + echapper(v) + u"</p>\n"_s;
    }
    return h + u"</body>\n</html>\n"_s;
}

QByteArray svg(const Section& s) {
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
        dessin::dessinerSection(p, QRectF(0, 0, LargeurDessin, HauteurDessin), s, analyseOuRien(s));
    }
    const QByteArray texte = tampon.data();
    const qsizetype debut = texte.indexOf("<svg");
    return debut < 0 ? QByteArray() : texte.mid(debut);
}

// The drawing inside the pages' text: an object of its own size, painted with the preview's function.
class ObjetDessin final : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    explicit ObjetDessin(dessin::Figure figure) : m_figure(std::move(figure)) {}
    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat&) override {
        return QSizeF(LargeurDessin, HauteurDessin);
    }
    void drawObject(QPainter* p, const QRectF& rect, QTextDocument*, int, const QTextFormat&) override {
        p->save();
        p->setFont(policeDessin());
        dessin::dessinerSection(*p, rect, m_figure);
        p->restore();
    }

private:
    dessin::Figure m_figure;
};

} // namespace

QByteArray noteHtml(const Section& section, const QString& nomFichier, const QDate& date) {
    return html(construireNote(section, nomFichier, date), QString::fromUtf8(svg(section))).toUtf8();
}

void imprimerNote(QPagedPaintDevice& sortie, const Section& section, const QString& nomFichier,
                  const QDate& date) {
    sortie.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(Marge, Marge, Marge, Marge), QPageLayout::Millimeter));
    const Note note = construireNote(section, nomFichier, date);

    // The text is laid out in pixels at 96 dpi, then painted scaled to the device's resolution.
    constexpr double ParMm = 96.0 / 25.4;
    const QRectF zone = sortie.pageLayout().paintRect(QPageLayout::Millimeter);
    const QSizeF page(zone.width() * ParMm, (zone.height() - PiedDePage) * ParMm);

    QTextDocument doc;
    doc.setDefaultFont(plateforme::police({9.0}));
    doc.setDocumentMargin(0);
    ObjetDessin objet(dessin::figure(section, analyseOuRien(section)));
    doc.documentLayout()->registerHandler(TypeDessin, &objet);
    doc.setHtml(html(note, RepereDessin));
    QTextCursor repere = doc.find(RepereDessin);
    if (!repere.isNull()) {
        QTextCharFormat format;
        format.setObjectType(TypeDessin);
        repere.insertText(QString(QChar::ObjectReplacementCharacter), format);
    }
    doc.setPageSize(page);

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
        contexte.clip = visible;
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

#include "sortie.moc"
