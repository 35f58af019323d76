// The calculation note: its figures against the windows' for the help page's example, the empty
// section, the findings in red at the top, the HTML with its inline drawing, the PDF printed and read
// back with poppler-utils, and the refused exports.

#include "sections.h"

#include "dessin/dessin_section.h"
#include "document/fichier_section.h"
#include "model/calcul.h"
#include "rapport/note.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace modele;
using namespace rapport;

using namespace Qt::StringLiterals;

namespace {

const QDate Jour(2026, 3, 7);

const Tableau* tableau(const Note& n, const QString& titre) {
    for (const Tableau& t : n.tableaux) {
        if (t.titre == titre) {
            return &t;
        }
    }
    return nullptr;
}

// Row r of the elements (from 0), or of the totals when r is negative (-1 the first).
std::optional<Cellule> cellule(const Note& n, const QString& titre, int r, int colonne) {
    const Tableau* t = tableau(n, titre);
    if (t == nullptr) {
        return std::nullopt;
    }
    const auto& rangees = r >= 0 ? t->lignes : t->totaux;
    const std::size_t i = r >= 0 ? std::size_t(r) : std::size_t(-r - 1);
    if (i >= rangees.size() || std::size_t(colonne) >= rangees[i].size()) {
        return std::nullopt;
    }
    return rangees[i][std::size_t(colonne)];
}

const Grandeur* grandeur(const std::vector<Grandeur>& g, const QString& nom) {
    const auto it = std::find_if(g.begin(), g.end(), [&](const Grandeur& x) { return x.nom == nom; });
    return it == g.end() ? nullptr : &*it;
}

// The text a poppler tool prints for `pdf`, or a null string when it fails.
QString poppler(const QString& outil, const QStringList& arguments) {
    QProcess p;
    p.start(outil, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A copy of the file kept for a look when BRIVANE_CAPTURES names a folder, as the windows' pictures.
void garder(const QString& chemin, const QString& nom) {
    if (const QString captures = qEnvironmentVariable("BRIVANE_CAPTURES"); !captures.isEmpty()) {
        QDir().mkpath(captures);
        QFile::remove(captures + u'/' + nom);
        QFile::copy(chemin, captures + u'/' + nom);
    }
}

// The red pixels of the section's drawing on a 480 x 400 image: its solid material.
int pixelsRouges(const Section& s) {
    QImage image(480, 400, QImage::Format_RGB32);
    {
        QPainter p(&image);
        dessin::dessinerSection(p, QRectF(0, 0, 480, 400), s, std::nullopt);
    }
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.red() > 200 && c.green() < 60 && c.blue() < 60;
        }
    }
    return n;
}

QStringList contenu(const QString& dossier) {
    return QDir(dossier).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

class TestNote : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void tableauxDeLExempleDeLAide_data() {
        QTest::addColumn<QString>("titre");
        QTest::addColumn<int>("rangee");
        QTest::addColumn<int>("colonne");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("exposant");
        const QString donnees = u"Données saisies"_s, aire = u"Aire de la section"_s;
        const QString zg = u"Position du centre de gravité : Zg"_s,
                      yg = u"Position du centre de gravité : Yg"_s;
        const QString igz = u"Moment quadratique Igz (axe horizontal Gz)"_s;
        const QString igy = u"Moment quadratique Igy (axe vertical Gy)"_s;
        QTest::newRow("données 2, forme") << donnees << 1 << 1 << u"Rectangle"_s << QString();
        QTest::newRow("données 2, dimension 2") << donnees << 1 << 3 << u"50"_s << QString();
        QTest::newRow("données 2, Yg") << donnees << 1 << 5 << u"40"_s << QString();
        QTest::newRow("données 2, signe") << donnees << 1 << 6 << u"-"_s << QString();
        QTest::newRow("aire 1") << aire << 0 << 1 << u"4900"_s << QString();
        QTest::newRow("aire 2") << aire << 1 << 1 << u"-2500"_s << QString();
        QTest::newRow("aire 2, formule") << aire << 1 << 3 << u"- base x hauteur = 50 x 50"_s << QString();
        QTest::newRow("aire totale") << aire << -1 << 1 << u"2400"_s << QString();
        QTest::newRow("Yg, moment 1") << yg << 0 << 3 << u"171,5"_s << u"3"_s;
        QTest::newRow("Yg, moment 2") << yg << 1 << 3 << u"-1000"_s << u"2"_s;
        QTest::newRow("Soz") << yg << -1 << 3 << u"715"_s << u"2"_s;
        QTest::newRow("Yg") << yg << -2 << 2 << u"29,79"_s << QString();
        QTest::newRow("Soy") << zg << -1 << 3 << u"840"_s << u"2"_s;
        QTest::newRow("Zg") << zg << -2 << 2 << u"35"_s << QString();
        QTest::newRow("Igz, distance 1") << igz << 0 << 2 << u"5,208"_s << QString();
        QTest::newRow("Igz, distance 2") << igz << 1 << 2 << u"10,21"_s << QString();
        QTest::newRow("Igz, propre 1") << igz << 0 << 4 << u"200,1"_s << u"4"_s; // 70⁴/12
        QTest::newRow("Igz, propre 2") << igz << 1 << 4 << u"-520,8"_s << u"3"_s;
        // The rounding residue of P2 + P1, as the window shows it.
        QTest::newRow("Igz, contrôle") << igz << -1 << 2 << u"-3,638"_s << u"-12"_s;
        QTest::newRow("Igz") << igz << -2 << 5 << u"135,2"_s << u"4"_s;
        QTest::newRow("Igy, distance 1") << igy << 0 << 2 << u"0"_s << QString();
        QTest::newRow("Igy") << igy << -2 << 5 << u"148"_s << u"4"_s;
    }
    void tableauxDeLExempleDeLAide() {
        QFETCH(QString, titre);
        QFETCH(int, rangee);
        QFETCH(int, colonne);
        QFETCH(QString, texte);
        QFETCH(QString, exposant);
        const Note n = construireNote(essai::construire(essai::exempleAide), u"exemple.brivane"_s, Jour);
        const std::optional<Cellule> c = cellule(n, titre, rangee, colonne);
        QVERIFY(c.has_value());
        QCOMPARE(c->texte, texte);
        QCOMPARE(c->exposant, exposant);
    }

    void grandeursDeLExempleDeLAide_data() {
        QTest::addColumn<bool>("apercu");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("exposant");
        QTest::addColumn<QString>("exacte");
        QTest::newRow("A") << false << u"A"_s << u"2400"_s << QString() << u"2400"_s;
        QTest::newRow("Zg") << false << u"Zg"_s << u"35"_s << QString() << u"35"_s;
        QTest::newRow("Yg") << false << u"Yg"_s << u"29,79"_s << QString() << u"29,7916666666667"_s;
        QTest::newRow("Igz") << false << u"Igz"_s << u"135,2"_s << u"4"_s << u"1352395,83333333"_s;
        QTest::newRow("Igy") << false << u"Igy"_s << u"148"_s << u"4"_s << u"1480000"_s;
        QTest::newRow("I1") << true << u"I1"_s << u"148"_s << u"4"_s << u"1480000"_s;
        QTest::newRow("I2") << true << u"I2"_s << u"135,2"_s << u"4"_s << u"1352395,83333333"_s;
        QTest::newRow("alpha") << true << u"alpha"_s << u"90"_s << QString() << u"90"_s;
        QTest::newRow("v sup") << true << u"v sup"_s << u"40,21"_s << QString() << u"40,2083333333333"_s;
        QTest::newRow("v gauche") << true << u"v gauche"_s << u"35"_s << QString() << u"35"_s;
        QTest::newRow("Ip") << true << u"Ip"_s << u"283,2"_s << u"4"_s << u"2832395,83333333"_s;
        // Halves about Zp = 35: 35 x 70 at 17,5 less 25 x 50 at 12,5, twice.
        QTest::newRow("Wpl,y") << true << u"Wpl,y"_s << u"545"_s << u"2"_s << u"54500"_s;
        QTest::newRow("Wpl,y / Wel,y")
            << true << u"Wpl,y / Wel,y"_s << u"1,289"_s << QString() << u"1,28885135135135"_s;
    }
    void grandeursDeLExempleDeLAide() {
        QFETCH(bool, apercu);
        QFETCH(QString, nom);
        QFETCH(QString, texte);
        QFETCH(QString, exposant);
        QFETCH(QString, exacte);
        const Note n = construireNote(essai::construire(essai::exempleAide), {}, Jour);
        const Grandeur* g = grandeur(apercu ? n.grandeurs : n.resultats, nom);
        QVERIFY(g != nullptr);
        QCOMPARE(g->valeur.texte, texte);
        QCOMPARE(g->valeur.exposant, exposant);
        QCOMPARE(g->exacte, exacte);
        QVERIFY(!g->formule.isEmpty());
    }

    void enTete() {
        const Note sans = construireNote(essai::construire(essai::exempleAide), {}, Jour);
        QCOMPARE(sans.fichier, u"Section non enregistrée"_s);
        QCOMPARE(sans.date, u"07/03/2026"_s);
        QVERIFY(sans.alertes.isEmpty());
        QCOMPARE(sans.verification, QStringList{u"Aucune incohérence détectée."_s});
        const Note avec = construireNote(essai::construire(essai::exempleAide), u"poutre.brivane"_s, Jour);
        QCOMPARE(avec.fichier, u"poutre.brivane"_s);
    }

    // Each table has a row per element: the IPE 200's nine elements everywhere.
    void uneRangeeParElement() {
        const document::Lecture l = document::ouvrir(QStringLiteral(BRIVANE_EXEMPLES "/ipe200.brivane"));
        QVERIFY(l.section.has_value());
        const Note n = construireNote(*l.section, u"ipe200.brivane"_s, Jour);
        QCOMPARE(n.tableaux.size(), std::size_t(6));
        for (const Tableau& t : n.tableaux) {
            QCOMPARE(t.lignes.size(), std::size_t(9));
            for (const auto& r : t.lignes) {
                QCOMPARE(r.size(), std::size_t(t.entetes.size()));
            }
            QVERIFY2(t.totaux.empty() == (t.titre == u"Données saisies"_s), qPrintable(t.titre));
        }
        QCOMPARE(cellule(n, u"Aire de la section"_s, -1, 1)->texte, u"2848"_s);
        QCOMPARE(n.grandeurs.size(), std::size_t(15)); // the analysis, the plastic moduli, the shape factors
    }

    void sectionVide() {
        const Note n = construireNote(Section{}, {}, Jour);
        QCOMPARE(n.alertes.value(0), SectionVide);
        QCOMPARE(n.tableaux.size(), std::size_t(2)); // the data and the areas: no centroid without area
        QVERIFY(n.grandeurs.empty());
        const QString html = QString::fromUtf8(noteHtml(Section{}, {}, Jour));
        QVERIFY(html.contains(u"La section est vide : son aire totale est nulle."_s));
    }

    void constatEnRougeEnTete() {
        const Section s = essai::construire(
            {{"Rectangle", "100", "100", "0", "0"}, {"Rectangle", "20", "20", "50", "0", false}});
        const Note n = construireNote(s, {}, Jour);
        const QString constat = u"Le trou n° 2 sort de la matière (200 mm² hors matière)."_s;
        QCOMPARE(n.alertes, QStringList{constat});
        QCOMPARE(n.verification, QStringList{constat});
        const QString html = QString::fromUtf8(noteHtml(s, {}, Jour));
        const qsizetype rouge = html.indexOf(u"<p style=\"color: #c00000;\">"_s + constat);
        QVERIFY(rouge > 0);
        QVERIFY(rouge < html.indexOf(u"<svg"_s)); // above the drawing and every table
        QVERIFY(!QString::fromUtf8(noteHtml(essai::construire(essai::exempleAide), {}, Jour))
                     .contains(u"color: #c00000;\">"_s));
    }

    // Values out of the range of a double at some step: the note says which part cannot be given,
    // writes no "inf" nor "nan", and still prints.
    void valeursTropGrandes_data() {
        QTest::addColumn<std::vector<essai::Element>>("elements");
        QTest::addColumn<QString>("titre"); // the table that says it cannot be computed, or none
        QTest::addColumn<QString>("alerte");
        QTest::newRow("analyse")
            << std::vector<essai::Element>{{"Rectangle", "1E76", "1E76", "7E77", "7E77"},
                                           {"Rectangle", "1E76", "1E76", "-7E77", "-7E77"}}
            << QString() << u"Les valeurs sont trop grandes pour que ces grandeurs soient calculées."_s;
        QTest::newRow("tableau de Igy")
            << std::vector<essai::Element>{{"Rectangle", "0,00001", "0,00001", "1E155", "0"},
                                           {"Rectangle", "0", "0", "-1E155", "0"}}
            << u"Moment quadratique Igy (axe vertical Gy)"_s << QString();
    }
    void valeursTropGrandes() {
        QFETCH(std::vector<essai::Element>, elements);
        QFETCH(QString, titre);
        QFETCH(QString, alerte);
        const Section s = essai::construire(elements);
        const Note n = construireNote(s, {}, Jour);
        if (!alerte.isEmpty()) {
            QVERIFY(n.alertes.contains(alerte));
            QCOMPARE(grandeur(n.grandeurs, u"Igzy"_s), nullptr); // none of the analysis' figures
            QCOMPARE(grandeur(n.grandeurs, u"Wpl,z / Wel,z"_s), nullptr);
        }
        if (!titre.isEmpty()) {
            const Tableau* t = tableau(n, titre);
            QVERIFY(t != nullptr);
            QVERIFY(t->lignes.empty());
            QVERIFY(
                t->notes.value(0).startsWith(u"Une valeur du tableau est trop grande pour être calculée"_s));
        }
        // Every figure of the note, in its tables and its quantities.
        QStringList figures;
        for (const Tableau& t : n.tableaux) {
            for (const auto* rangees : {&t.lignes, &t.totaux}) {
                for (const auto& r : *rangees) {
                    for (const Cellule& c : r) {
                        figures << c.texte << c.exposant;
                    }
                }
            }
        }
        for (const auto* g : {&n.resultats, &n.grandeurs}) {
            for (const Grandeur& x : *g) {
                figures << x.valeur.texte << x.valeur.exposant << x.exacte;
            }
        }
        QVERIFY(figures.size() > 20);
        for (const QString& f : figures) {
            QVERIFY2(!f.contains(u"inf"_s, Qt::CaseInsensitive) && !f.contains(u"nan"_s, Qt::CaseInsensitive),
                     qPrintable(f));
        }
        QBuffer tampon;
        QVERIFY(tampon.open(QIODevice::WriteOnly));
        {
            QPdfWriter pdf(&tampon);
            imprimerNote(pdf, s, {}, Jour);
        }
        QVERIFY(tampon.data().startsWith("%PDF-"));
    }

    // The drawing to scale: against a plain rectangle of the same extent (drawn at the same scale), the
    // material drawn is in the ratio of the areas, within what the axes' and labels' white halos cover
    // (the triangle's principal axes cross it); holes are cut out.
    void dessinALEchelle_data() {
        QTest::addColumn<std::vector<essai::Element>>("elements");
        QTest::addColumn<std::vector<essai::Element>>("enveloppe");
        QTest::addColumn<double>("rapport");
        QTest::newRow("exemple de l'aide")
            << essai::exempleAide << std::vector<essai::Element>{{"Rectangle", "70", "70", "35", "35"}}
            << 2400.0 / 4900.0;
        QTest::newRow("disque dans son carré")
            << std::vector<essai::Element>{{"Disque", "50", "0", "0", "0"}}
            << std::vector<essai::Element>{{"Rectangle", "100", "100", "0", "0"}} << 3.1415927 / 4.0;
        QTest::newRow("triangle") << std::vector<essai::Element>{{"Triangle", "30", "60", "10", "20"}}
                                  << std::vector<essai::Element>{{"Rectangle", "30", "60", "15", "30"}}
                                  << 0.5;
    }
    void dessinALEchelle() {
        QFETCH(std::vector<essai::Element>, elements);
        QFETCH(std::vector<essai::Element>, enveloppe);
        QFETCH(double, rapport);
        const int section = pixelsRouges(essai::construire(elements));
        const int plein = pixelsRouges(essai::construire(enveloppe));
        QVERIFY(plein > 20000); // the drawing fills its frame
        QVERIFY2(std::abs(double(section) / plein - rapport) < 0.05,
                 qPrintable(QString::number(double(section) / plein)));
    }
    void dessinVide() { QCOMPARE(pixelsRouges(Section{}), 0); }

    void htmlAvecSonDessin() {
        const QString html =
            QString::fromUtf8(noteHtml(essai::construire(essai::exempleAide), u"<a&b>.brivane"_s, Jour));
        QVERIFY(html.startsWith(u"<!DOCTYPE html>"_s));
        QVERIFY(html.contains(u"<meta charset=\"utf-8\">"_s));
        QCOMPARE(html.count(u"<svg"_s), 2); // the section, and its torsion mesh
        QVERIFY(!html.contains(u"<?xml"_s));
        QVERIFY(html.contains(u"<path"_s)); // the solid and the hole, as vectors
        QVERIFY(html.contains(u"&lt;a&amp;b&gt;.brivane"_s));
        QVERIFY(!html.contains(u"<a&b>"_s));
        QVERIFY(html.contains(u"<td>135,2 <small>E</small><sup>4</sup></td>"_s));
        QVERIFY(html.contains(u"Torsion et gauchissement"_s) && !html.contains(u"Σ b·t³/3"_s)); // a hole
        // Solid rectangles only: the thin-walled estimate b t³ / 3 = 100 x 10³ / 3 beside It.
        const QString plat =
            QString::fromUtf8(noteHtml(essai::construire({{"Rectangle", "100", "10", "0", "0"}}), {}, Jour));
        QVERIFY(plat.contains(u"<td><b>It ≈ Σ b·t³/3</b></td><td>333,3 <small>E</small><sup>2</sup></td>"_s));
    }

    void pdfImprime_data() {
        QTest::addColumn<QString>("nom"); // of the copy kept for a look
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<std::vector<essai::Element>>("elements"); // none: the IPE 200 example file
        QTest::addColumn<QStringList>("textes");
        QTest::newRow("exemple de l'aide")
            << u"note_exemple.pdf"_s << u"note.brivane"_s << essai::exempleAide
            << QStringList{u"2400"_s, u"135,2"_s, u"148"_s, u"29,79"_s, u"Aucune incohérence détectée."_s};
        QTest::newRow("IPE 200") << u"note_ipe200.pdf"_s << u"ipe200.brivane"_s
                                 << std::vector<essai::Element>{}
                                 << QStringList{u"2848"_s, u"194,3"_s, u"142,4"_s};
        QTest::newRow("nom du repère du dessin")
            << u"note_nom.pdf"_s << u"[[dessin de la section]].brivane"_s << essai::exempleAide
            << QStringList{u"Fichier : [[dessin de la section]].brivane"_s, u"2400"_s};
        QTest::newRow("constat") << u"note_constat.pdf"_s << u"note.brivane"_s
                                 << std::vector<essai::Element>{{"Rectangle", "100", "100", "0", "0"},
                                                                {"Rectangle", "20", "20", "50", "0", false}}
                                 << QStringList{u"Attention :"_s, u"Le trou n° 2 sort de la matière"_s};
    }
    void pdfImprime() {
        QFETCH(QString, nom);
        QFETCH(QString, fichier);
        QFETCH(std::vector<essai::Element>, elements);
        QFETCH(QStringList, textes);
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        const QString pdf = dossier.filePath(u"note.pdf"_s);
        const std::optional<Section> s =
            elements.empty() ? document::ouvrir(QStringLiteral(BRIVANE_EXEMPLES "/ipe200.brivane")).section
                             : essai::construire(elements);
        QVERIFY(s.has_value());
        {
            QPrinter imprimante(QPrinter::HighResolution);
            imprimante.setOutputFormat(QPrinter::PdfFormat);
            imprimante.setOutputFileName(pdf);
            imprimerNote(imprimante, *s, fichier, Jour);
        }
        garder(pdf, nom);
        const QString info = poppler(u"pdfinfo"_s, {pdf});
        QVERIFY2(!info.isNull(), "pdfinfo failed");
        QVERIFY2(info.contains(u"(A4)"_s), qPrintable(info));
        const int pages = QRegularExpression(u"Pages: +(\\d+)"_s).match(info).captured(1).toInt();
        QVERIFY2(pages >= 2 && pages <= 6, qPrintable(info));
        const QString texte = poppler(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
        QVERIFY(texte.contains(u"Page "_s + QString::number(pages) + u" / "_s + QString::number(pages)));
        QVERIFY(texte.contains(u"07/03/2026"_s));
        for (const QString& t : textes) {
            QVERIFY2(texte.contains(t), qPrintable(t));
        }
        // The findings come first, above the drawing's heading; no warning when there is none.
        const qsizetype attention = texte.indexOf(u"Attention :"_s);
        QCOMPARE(attention >= 0, textes.contains(u"Attention :"_s));
        QVERIFY(attention < texte.indexOf(u"Dessin de la section"_s));
    }

    void exportAccepte_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("debut");
        QTest::newRow("html") << u"note.html"_s << QByteArray("<!DOCTYPE html>");
        QTest::newRow("HTM") << u"note.HTM"_s << QByteArray("<!DOCTYPE html>");
        QTest::newRow("pdf") << u"note.pdf"_s << QByteArray("%PDF-");
    }
    void exportAccepte() {
        QFETCH(QString, nom);
        QFETCH(QByteArray, debut);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(nom);
        QCOMPARE(exporterNote(chemin, essai::construire(essai::exempleAide), u"exemple.brivane"_s),
                 std::nullopt);
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith(debut));
        QCOMPARE(contenu(dossier.path()), QStringList{nom});
        garder(chemin, u"exemple_"_s + nom);
    }

    void exportRefuse_data() {
        QTest::addColumn<QString>("relatif"); // from the temporary folder
        QTest::addColumn<QString>("message");
        QTest::newRow("un dossier à sa place")
            << u"occupe.pdf"_s << u"Le fichier occupe.pdf ne peut pas être enregistré : "_s;
        QTest::newRow("dossier absent, html")
            << u"absent/note.html"_s << u"Le fichier note.html ne peut pas être enregistré : "_s;
        QTest::newRow("dossier absent, pdf")
            << u"absent/note.pdf"_s << u"Le fichier note.pdf ne peut pas être enregistré : "_s;
        QTest::newRow("suffixe inconnu")
            << u"note.txt"_s
            << u"Le fichier note.txt ne peut pas être enregistré : son suffixe n'est ni .html ni .pdf."_s;
    }
    void exportRefuse() {
        QFETCH(QString, relatif);
        QFETCH(QString, message);
        QTemporaryDir dossier;
        QVERIFY(QDir(dossier.path()).mkdir(u"occupe.pdf"_s));
        const std::optional<QString> refus =
            exporterNote(dossier.filePath(relatif), essai::construire(essai::exempleAide), {});
        QVERIFY(refus.has_value());
        QVERIFY2(refus->startsWith(message), qPrintable(*refus));
        QVERIFY(refus->endsWith(u'.'));
        QVERIFY(!refus->endsWith(u".."_s));
        QCOMPARE(contenu(dossier.path()), QStringList{u"occupe.pdf"_s}); // nothing left behind
        QVERIFY(contenu(dossier.filePath(u"occupe.pdf"_s)).isEmpty());
    }
};

QTEST_MAIN(TestNote)
#include "test_note.moc"
