// The calculation note: its whole HTML (golden files) for the help page's example, the IPE 200, a finding
// and the empty section; values out of range, the drawing to scale, the PDF printed and read back with
// poppler-utils, and the refused exports.

#include "attendu.h"
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

Q_DECLARE_METATYPE(modele::Document)
Q_DECLARE_METATYPE(modele::Efforts)

namespace {

const QDate Jour(2026, 3, 7);
// The loads of the stresses' example: N = -200 kN, Mz = 30 kN·m, My = 5 kN·m.
const Document SousEfforts{{}, MasseVolumiqueAcier, Efforts{-200.0, 30.0, 5.0}};

const Tableau* tableau(const Note& n, const QString& titre) {
    for (const Tableau& t : n.tableaux) {
        if (t.titre == titre) {
            return &t;
        }
    }
    return nullptr;
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

    // The whole note as HTML (the drawing aside: tested below and in its own tests) for the help page's
    // example under a name to escape, the IPE 200 (a row per element in every table) under N = -200 kN,
    // Mz = 30 kN·m, My = 5 kN·m (the stresses step by step), a section with a finding under the same loads
    // (in red at the top, above the drawing; no stresses nor kern) and the empty one (no centroid).
    void html_data() {
        QTest::addColumn<Section>("section");
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<Document>("document");
        QTest::newRow("exemple") << essai::construire(essai::exempleAide) << u"<a&b>.brivane"_s
                                 << u"exemple-aide.html"_s << Document{};
        QTest::newRow("IPE 200 sous efforts")
            << essai::construire(essai::ipe200) << u"ipe200.brivane"_s << u"ipe200.html"_s << SousEfforts;
        QTest::newRow("constat") << essai::construire({{"Rectangle", "100", "100", "0", "0"},
                                                       {"Rectangle", "20", "20", "50", "0", false}})
                                 << QString() << u"constat.html"_s << SousEfforts;
        QTest::newRow("vide") << Section{} << QString() << u"vide.html"_s << Document{};
    }
    void html() {
        QFETCH(Section, section);
        QFETCH(QString, fichier);
        QFETCH(QString, attendu);
        QFETCH(Document, document);
        QString html = QString::fromUtf8(noteHtml(section, fichier, Jour, document));
        // The section's drawing, its torsion mesh when the torsion is computed, its stresses under loads.
        QCOMPARE(html.count(u"<svg"_s),
                 1 + html.contains(u"Maillage : "_s) + html.contains(u"Les contraintes sur la section :"_s));
        QVERIFY(!html.contains(u"<?xml"_s));
        QCOMPARE(html.contains(u"<path"_s), section.Atotale != 0.0); // the solid and the hole, as vectors
        html.replace(QRegularExpression(u"<svg.*?</svg>"_s, QRegularExpression::DotMatchesEverythingOption),
                     u"<svg>…</svg>"_s);
        // The torsion's figures by finite elements: their own test below.
        html.replace(QRegularExpression(u"(<h2>Torsion et gauchissement</h2>).*?(?=<h2>|</body>)"_s,
                                        QRegularExpression::DotMatchesEverythingOption),
                     u"\\1\n…\n"_s);
        QCOMPARE_ATTENDU("note/" + attendu.toStdString(), html);
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

    // The torsion's section: a hole, so no thin-walled estimate; solid rectangles alone, the estimate
    // b t³ / 3 = 100 x 10³ / 3 beside It.
    void torsion() {
        const QString aide = QString::fromUtf8(noteHtml(essai::construire(essai::exempleAide), {}, Jour));
        QVERIFY(aide.contains(u"<h2>Torsion et gauchissement</h2>"_s) && !aide.contains(u"Σ b·t³/3"_s));
        const QString plat =
            QString::fromUtf8(noteHtml(essai::construire({{"Rectangle", "100", "10", "0", "0"}}), {}, Jour));
        const QString rangee = QRegularExpression(u"It ≈ Σ b·t³/.*?</tr>"_s).match(plat).captured();
        QVERIFY2(rangee.contains(u">333,3&nbsp;<small>E</small><sup>2</sup>"_s), qPrintable(rangee));
    }

    // The stresses' steps on a rectangle 100 x 200 (A = 20000 mm², Wel,z = 100 x 200² / 6): Mz = 10 kN·m
    // alone gives σ = ±Mz / Wel,z = ±15 MPa and the neutral axis Gz itself; N alone σ = N / A, uniform.
    void contraintes_data() {
        QTest::addColumn<Efforts>("efforts");
        QTest::addColumn<QString>("ligne"); // the row and its result
        QTest::addColumn<QString>("fin");   // the last line under the table
        QTest::newRow("Mz")
            << Efforts{0.0, 10.0, 0.0} << u"σmin -15"_s
            << u"Axe neutre : 0 ° depuis Gz, passant par (0 ; 0), son point le plus proche de G."_s;
        QTest::newRow("N") << Efforts{-200.0, 0.0, 0.0} << u"σ -10"_s
                           << u"Pas d'axe neutre : contrainte uniforme."_s;
        QTest::newRow("aucun") << Efforts{} << u"σ 0"_s
                               << u"Pas d'axe neutre : contrainte nulle dans toute la section."_s;
    }
    void contraintes() {
        QFETCH(Efforts, efforts);
        QFETCH(QString, ligne);
        QFETCH(QString, fin);
        const Section s = essai::construire({{"Rectangle", "100", "200", "0", "0"}});
        const Note n = construireNote(s, {}, Jour, Document{{}, MasseVolumiqueAcier, efforts});
        QVERIFY(n.contraintes.has_value());
        QCOMPARE(n.contraintes->notes.last(), fin);
        QStringList rangees;
        for (const auto& r : n.contraintes->lignes) {
            rangees << r.front().texte + u' ' + r.at(4).texte;
        }
        QVERIFY2(rangees.contains(ligne), qPrintable(rangees.join(u" | "_s)));
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

    // ---- The layout: the box of main results, the check in one line, the HTML's formulas, numbers and
    // caption, tidy's verdict on the examples, and the pages of the IPE 200 and of many findings.

    void resumeEnTete() {
        const auto noms = [](const Note& n) {
            QStringList l;
            for (const Grandeur& g : n.resume) {
                l << g.nom;
            }
            return l;
        };
        const Note n = construireNote(essai::construire(essai::exempleAide), {}, Jour);
        QCOMPARE(noms(n), QuantitesResume);
        QCOMPARE(n.resume.front().valeur.texte, u"2400"_s);                            // 70² - 50²
        QCOMPARE(noms(construireNote(Section{}, {}, Jour)), QuantitesResume.first(7)); // no analysis
    }

    void htmlMisEnPage() {
        QString html = QString::fromUtf8(noteHtml(essai::construire(essai::exempleAide), {}, Jour));
        const qsizetype dessin = html.indexOf(u"<svg"_s);
        QVERIFY(html.indexOf(u"<p>Vérification de cohérence : Aucune incohérence détectée.</p>"_s) < dessin);
        QVERIFY(html.indexOf(u"<p>Axes principaux confondus avec Gz et Gy.</p>"_s) >
                html.indexOf(u"</svg>"_s));
        html.remove(QRegularExpression(u"<svg.*?</svg>"_s, QRegularExpression::DotMatchesEverythingOption));
        QVERIFY(!html.contains(u"Axes principaux confondus avec Gz et Gy.</text>"_s));
        const QRegularExpressionMatch coupure = QRegularExpression(u"\\d( |<small>)(mm|E|°)"_s).match(html);
        QVERIFY2(!coupure.hasMatch(), qPrintable(coupure.captured()));
        for (const QString& t :
             {u"I<sub>GZi</sub>"_s, u"Σ (A<sub>i</sub> × Y<sub>Gi</sub>"_s, u"√(Igz / A)"_s}) {
            QVERIFY2(html.contains(t), qPrintable(t));
        }
        const Section constat = essai::construire(
            {{"Rectangle", "100", "100", "0", "0"}, {"Rectangle", "20", "20", "50", "0", false}});
        QVERIFY(!QString::fromUtf8(noteHtml(constat, {}, Jour)).contains(u"<p>Vérification de cohérence"_s));
    }

    void htmlValideSelonTidy_data() {
        QTest::addColumn<QString>("exemple");
        for (const QString& e : QDir(QStringLiteral(BRIVANE_EXEMPLES)).entryList({u"*.brivane"_s})) {
            QTest::newRow(qPrintable(e)) << e;
        }
    }
    void htmlValideSelonTidy() {
        QFETCH(QString, exemple);
        const document::Lecture l = document::ouvrir(QStringLiteral(BRIVANE_EXEMPLES "/") + exemple);
        QVERIFY(l.section.has_value());
        QTemporaryDir dossier;
        QFile f(dossier.filePath(u"note.html"_s)); // under loads: every part of the note
        QVERIFY(f.open(QIODevice::WriteOnly) &&
                f.write(noteHtml(*l.section, exemple, Jour, SousEfforts)) > 0);
        f.close();
        QProcess tidy; // 0: valid, 1: warnings only, 2: errors
        tidy.start(u"tidy"_s, {u"-e"_s, u"-q"_s, f.fileName()});
        QVERIFY2(tidy.waitForFinished(60000), "tidy is missing (tools/install-deps installs it)");
        QVERIFY2(tidy.exitCode() < 2, tidy.readAllStandardError().constData());
    }

    // Each page holds more than a heading and a line, its last line above its footer is no heading; no
    // text is cut by a page's edge (drawn past the text's area, but for the footer); the box and the
    // drawing on their pages.
    void pagesMisesEnPage_data() {
        QTest::addColumn<QString>("exemple"); // none: the elements
        QTest::addColumn<std::vector<essai::Element>>("elements");
        QTest::addColumn<int>("pageResume");
        QTest::addColumn<int>("pageDessin");
        QTest::addColumn<Document>("document");
        for (const QString& e : {u"ipe200"_s, u"te"_s, u"exemple-aide"_s}) {
            QTest::newRow(qPrintable(e)) << e << std::vector<essai::Element>{} << 1 << 1 << Document{};
        }
        QTest::newRow("ipe200 sous efforts")
            << u"ipe200"_s << std::vector<essai::Element>{} << 1 << 1 << SousEfforts;
        std::vector<essai::Element> superposes; // 45 findings in red above the box
        for (const char* z : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}) {
            superposes.push_back({"Rectangle", "100", "100", z, "0"});
        }
        QTest::newRow("45 constats") << QString() << superposes << 2 << 2 << Document{};
    }
    void pagesMisesEnPage() {
        QFETCH(QString, exemple);
        QFETCH(std::vector<essai::Element>, elements);
        QFETCH(int, pageResume);
        QFETCH(int, pageDessin);
        QFETCH(Document, document);
        const std::optional<Section> s =
            exemple.isEmpty()
                ? essai::construire(elements)
                : document::ouvrir(QStringLiteral(BRIVANE_EXEMPLES "/") + exemple + u".brivane"_s).section;
        QVERIFY(s.has_value());
        QTemporaryDir dossier;
        const QString pdf = dossier.filePath(u"note.pdf"_s);
        QCOMPARE(exporterNote(pdf, *s, u"note.brivane"_s, {}, document), std::nullopt);
        constexpr double Pt = 72.0 / 25.4, Haut = 15.0 * Pt, Bas = (297.0 - 15.0 - 8.0) * Pt; // A4, margins
        const QRegularExpression mot(u"yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">([^<]*)<"_s);
        for (const auto& m : mot.globalMatch(poppler(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s}))) {
            const double y0 = m.captured(1).toDouble(), y1 = m.captured(2).toDouble();
            QVERIFY2((y0 >= Haut - 1.0 && y1 <= Bas + 1.0) || y0 >= Bas + 3.0, qPrintable(m.captured(3)));
        }
        const Note n = construireNote(*s, {}, Jour);
        QStringList titres{u"Résultats principaux"_s,
                           u"Dessin de la section à l'échelle"_s,
                           u"Résultats"_s,
                           u"Aperçu de la section"_s,
                           u"Noyau central"_s,
                           u"Contraintes normales"_s};
        for (const Tableau& t : n.tableaux) {
            titres << t.titre;
        }
        const int pages =
            QRegularExpression(u"Pages: +(\\d+)"_s).match(poppler(u"pdfinfo"_s, {pdf})).captured(1).toInt();
        QVERIFY(pages >= 2);
        QMap<QString, int> premierePage;
        for (int p = pages; p >= 1; --p) {
            const QString numero = QString::number(p);
            const QString texte =
                poppler(u"pdftotext"_s, {u"-layout"_s, u"-f"_s, numero, u"-l"_s, numero, pdf, u"-"_s});
            const QStringList lignes = texte.split(u'\n', Qt::SkipEmptyParts);
            QVERIFY2(lignes.size() >= 4,
                     qPrintable(numero)); // more than a heading and a line, and the footer
            QVERIFY2(!titres.contains(lignes.at(lignes.size() - 2).trimmed()), qPrintable(numero));
            for (const QString& t : {u"Résultats principaux"_s, u"Dessin de la section à l'échelle"_s}) {
                if (texte.contains(t)) {
                    premierePage[t] = p;
                }
            }
        }
        QCOMPARE(premierePage.value(u"Résultats principaux"_s), pageResume);
        QCOMPARE(premierePage.value(u"Dessin de la section à l'échelle"_s), pageDessin);
    }
};

QTEST_MAIN(TestNote)
#include "test_note.moc"
