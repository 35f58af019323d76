// The command line, run as a user runs it: the built program started with no display at all (no
// DISPLAY, no platform named), its exit status, standard output and standard error; the results of
// the help-page example as text in both locales, as JSON with the IPE 200, and the export.

#include "sections.h"

#include "document/fichier_section.h"
#include "model/analyse.h"
#include "model/plastique.h"
#include "rapport/donnees.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString Programme = QStringLiteral(BRIVANE_PROGRAMME);
const QString Exemples = QStringLiteral(BRIVANE_EXEMPLES);
const QString Francais = u"fr_FR.UTF-8"_s;

struct Execution {
    int code = -1; // -1: the program crashed or never ended
    QString sortie;
    QString erreur;
};

// The folder a user's session gives its programs (XDG_RUNTIME_DIR: private to the user), which a
// CI run as root may lack; without it Qt's graphical application warns on standard error.
QString dossierSession() {
    static const QTemporaryDir dossier;
    return dossier.path();
}

// The program started with `arguments` in `locale`, with nothing that could name a display.
Execution lancer(const QStringList& arguments, const QString& locale) {
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    if (!environnement.contains(u"XDG_RUNTIME_DIR"_s)) {
        environnement.insert(u"XDG_RUNTIME_DIR"_s, dossierSession());
    }
    for (const QString& v : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s, u"LANGUAGE"_s,
                             u"LC_MESSAGES"_s, u"LC_NUMERIC"_s}) {
        environnement.remove(v);
    }
    environnement.insert(u"LANG"_s, locale);
    environnement.insert(u"LC_ALL"_s, locale);
    QProcess p;
    p.setProcessEnvironment(environnement);
    p.start(Programme, arguments);
    Execution e;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) {
        p.kill();
        p.waitForFinished();
        return e;
    }
    e.code = p.exitCode();
    e.sortie = QString::fromUtf8(p.readAllStandardOutput());
    e.erreur = QString::fromUtf8(p.readAllStandardError());
    return e;
}

QString exemple(const char* nom) {
    return Exemples + u'/' + QString::fromUtf8(nom);
}

const QString ExempleAideFrancais = u"A = 2400 mm²\n"
                                    u"Zg = 35 mm\n"
                                    u"Yg = 29,7916666666667 mm\n"
                                    u"Igz = 1352395,83333333 mm⁴\n"
                                    u"Igy = 1480000 mm⁴\n"
                                    u"igz = 23,7381183729648 mm\n"
                                    u"igy = 24,8327740429189 mm\n"
                                    u"Igzy = 0 mm⁴\n"
                                    u"I1 = 1480000 mm⁴\n"
                                    u"I2 = 1352395,83333333 mm⁴\n"
                                    u"alpha = 90 °\n"
                                    u"v sup = 40,2083333333333 mm\n"
                                    u"v inf = 29,7916666666667 mm\n"
                                    u"v gauche = 35 mm\n"
                                    u"v droite = 35 mm\n"
                                    u"Wel,z = 33634,7150259067 mm³\n"
                                    u"Wel,y = 42285,7142857143 mm³\n"
                                    u"Wpl,z = 50125 mm³\n" // the plastic axis 22,5 above the bottom
                                    u"Wpl,y = 54500 mm³\n"
                                    u"Ip = 2832395,83333333 mm⁴\n"
                                    u"It = … mm⁴\n" // torsion's figures: the IPE 200's below
                                    u"Iw = … mm⁶\n"
                                    u"Zc = 35 mm\n" // on the axis of symmetry
                                    u"Yc = … mm\n"
                                    u"Aucune incohérence détectée.\n"_s;

const QStringList ClesJson = {
    u"A"_s,       u"Zg"_s,   u"Yg"_s,   u"Igz"_s,   u"Igy"_s,          u"igz"_s,  u"igy"_s,
    u"Igzy"_s,    u"I1"_s,   u"I2"_s,   u"alpha"_s, u"vsup"_s,         u"vinf"_s, u"vgauche"_s,
    u"vdroite"_s, u"Welz"_s, u"Wely"_s, u"Ip"_s,    u"verification"_s, u"Wplz"_s, u"Wply"_s,
    u"It"_s,      u"Iw"_s,   u"Zc"_s,   u"Yc"_s,    u"erreurTorsion"_s};

QJsonObject sortieJson(const char* fichier) {
    const Execution e = lancer({u"--calculer"_s, u"--json"_s, exemple(fichier)}, Francais);
    if (e.code != 0 || !e.erreur.isEmpty()) {
        qWarning("exit %d, standard error: %s", e.code, qPrintable(e.erreur));
        return {};
    }
    QJsonParseError faute{};
    const QJsonDocument d = QJsonDocument::fromJson(e.sortie.toUtf8(), &faute);
    if (faute.error != QJsonParseError::NoError || !d.isObject()) {
        qWarning("not one JSON object: %s", qPrintable(faute.errorString()));
        return {};
    }
    return d.object();
}

} // namespace

class TestLigneCommande : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dossier;

    QString fichier(const char* nom) const { return m_dossier.filePath(QString::fromUtf8(nom)); }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dossier.isValid());
        QFile negatif(fichier("negatif.brivane"));
        QVERIFY(negatif.open(QIODevice::WriteOnly));
        negatif.write(R"({"format": "brivane-section", "version": 1, "unite": "mm", "elements": [
            {"forme": "Rectangle", "dimension1": 10, "dimension2": 10, "zg": 0, "yg": 0, "matiere": "plein"},
            {"forme": "Rectangle", "dimension1": 20, "dimension2": 20, "zg": 0, "yg": 0, "matiere": "trou"}]})");
        negatif.close();
        QVERIFY(QDir(m_dossier.path()).mkdir(u"dossier.brivane"_s));
        QVERIFY(QDir(m_dossier.path()).mkdir(u"dossier.csv"_s));
    }

    void execution_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("sortie");
        QTest::addColumn<QString>("erreur");
        const QString aide = exemple("exemple-aide.brivane");
        QTest::newRow("exemple, français")
            << QStringList{u"--calculer"_s, aide} << Francais << 0 << ExempleAideFrancais << QString();
        QTest::newRow("exemple, C") << QStringList{aide, u"--calculer"_s} << u"C"_s << 0
                                    << QString(ExempleAideFrancais)
                                           .replace(u',', u'.')
                                           .replace(u"Wel."_s, u"Wel,"_s)
                                           .replace(u"Wpl."_s, u"Wpl,"_s)
                                    << QString();
        QTest::newRow("version") << QStringList{u"--version"_s} << Francais << 0 << u"Brivane 2.0\n"_s
                                 << QString();
        QTest::newRow("option inconnue") << QStringList{u"--calculr"_s, aide} << Francais << 2 << QString()
                                         << u"Option inconnue \"calculr\".\n"_s;
        QTest::newRow("option inconnue, C")
            << QStringList{u"-x"_s} << u"C"_s << 2 << QString() << u"Unknown option 'x'.\n"_s;
        QTest::newRow("--calculer sans fichier") << QStringList{u"--calculer"_s} << Francais << 2 << QString()
                                                 << u"L'option --calculer demande un FICHIER.\n"_s;
        QTest::newRow("deux fichiers") << QStringList{u"--calculer"_s, aide, aide} << Francais << 2
                                       << QString() << u"Un seul FICHIER peut être donné (il y en a 2).\n"_s;
        QTest::newRow("--json seul") << QStringList{u"--json"_s, aide} << Francais << 2 << QString()
                                     << u"L'option --json ne s'emploie qu'avec --calculer.\n"_s;
        QTest::newRow("fichier absent")
            << QStringList{u"--calculer"_s, fichier("absent.brivane")} << Francais << 1 << QString()
            << u"Le fichier absent.brivane ne peut pas être ouvert : il est introuvable.\n"_s;
        QTest::newRow("dossier")
            << QStringList{u"--calculer"_s, fichier("dossier.brivane")} << Francais << 1 << QString()
            << u"Le fichier dossier.brivane ne peut pas être ouvert : c'est un dossier.\n"_s;
        QTest::newRow("aire négative")
            << QStringList{u"--calculer"_s, fichier("negatif.brivane")} << Francais << 0
            << u"A = -300 mm²\nZg = 0 mm\nYg = 0 mm\nIgz = -12500 mm⁴\nIgy = -12500 mm⁴\n"
               u"igz = 6,45497224367903 mm\nigy = 6,45497224367903 mm\nIgzy = 0 mm⁴\nI1 = -12500 mm⁴\n"
               u"I2 = -12500 mm⁴\nalpha = 0 °\nv sup = 5 mm\nv inf = 5 mm\nv gauche = 5 mm\n"
               u"v droite = 5 mm\nWel,z = -2500 mm³\nWel,y = -2500 mm³\nIp = -25000 mm⁴\n"
               u"La torsion n'est pas calculée : la section a des incohérences (voir l'aperçu).\n"
               u"Le trou n° 2 sort de la matière (300 mm² hors matière).\n"_s
            << essai::aireNegative + u'\n';
        QTest::newRow("exporter, csv") << QStringList{u"--exporter"_s, aide, fichier("exemple.csv")}
                                       << Francais << 0 << QString() << QString();
        QTest::newRow("exporter, CSV en majuscules")
            << QStringList{aide, u"--exporter"_s, fichier("EXEMPLE.CSV")} << u"C"_s << 0 << QString()
            << QString();
        QTest::newRow("exporter, autre fin")
            << QStringList{u"--exporter"_s, aide, fichier("exemple.txt")} << Francais << 2 << QString()
            << u"La SORTIE doit se terminer par .pdf, .html ou .csv (« %1 »).\n"_s.arg(
                   fichier("exemple.txt"));
        QTest::newRow("exporter sans sortie")
            << QStringList{u"--exporter"_s, aide} << Francais << 2 << QString()
            << u"L'option --exporter demande un FICHIER et une SORTIE (il y a 1 argument(s)).\n"_s;
        QTest::newRow("exporter avec --calculer")
            << QStringList{u"--exporter"_s, u"--calculer"_s, aide, fichier("exemple.csv")} << Francais << 2
            << QString() << u"L'option --exporter ne s'emploie ni avec --calculer ni avec --json.\n"_s;
        QTest::newRow("exporter, fichier absent")
            << QStringList{u"--exporter"_s, fichier("absent.brivane"), fichier("absent.csv")} << Francais << 1
            << QString() << u"Le fichier absent.brivane ne peut pas être ouvert : il est introuvable.\n"_s;
        QTest::newRow("exporter, aire négative")
            << QStringList{u"--exporter"_s, fichier("negatif.brivane"), fichier("negatif.csv")} << Francais
            << 0 << QString() << essai::aireNegative + u'\n';
    }
    void execution() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, locale);
        QFETCH(int, code);
        QFETCH(QString, sortie);
        QFETCH(QString, erreur);
        const Execution e = lancer(arguments, locale);
        QCOMPARE(e.code, code);
        QCOMPARE(QString(e.sortie).replace(
                     QRegularExpression(u"^(It|Iw|Yc) = [-0-9,.E]+ "_s, QRegularExpression::MultilineOption),
                     u"\\1 = … "_s),
                 sortie);
        QCOMPARE(e.erreur, erreur);
    }

    // What --exporter leaves: the CSV of the file read, in the locale of the run, or the note as PDF or
    // HTML (its content is the note's own tests'); for an output that cannot be written, exit 1, the
    // saving's message and no file.
    void exporter_data() {
        QTest::addColumn<QString>("sortie");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("erreur");   // how standard error starts
        QTest::addColumn<QByteArray>("debut"); // how a note starts; empty for the CSV
        QTest::newRow("csv, français") << u"fr.csv"_s << Francais << 0 << QString() << QByteArray();
        QTest::newRow("csv, C") << u"c.csv"_s << u"C"_s << 0 << QString() << QByteArray();
        QTest::newRow("pdf") << u"note.pdf"_s << Francais << 0 << QString() << QByteArray("%PDF-");
        QTest::newRow("PDF en majuscules")
            << u"NOTE.PDF"_s << Francais << 0 << QString() << QByteArray("%PDF-");
        QTest::newRow("html") << u"note.html"_s << Francais << 0 << QString()
                              << QByteArray("<!DOCTYPE html>");
        QTest::newRow("dossier à sa place")
            << u"dossier.csv"_s << Francais << 1 << u"Le fichier dossier.csv ne peut pas être enregistré : "_s
            << QByteArray();
        QTest::newRow("dossier absent")
            << u"absent/sortie.csv"_s << Francais << 1
            << u"Le fichier sortie.csv ne peut pas être enregistré : "_s << QByteArray();
        QTest::newRow("pdf, dossier absent")
            << u"absent/note.pdf"_s << Francais << 1
            << u"Le fichier note.pdf ne peut pas être enregistré : "_s << QByteArray();
    }
    void exporter() {
        QFETCH(QString, sortie);
        QFETCH(QString, locale);
        QFETCH(int, code);
        QFETCH(QString, erreur);
        QFETCH(QByteArray, debut);
        const QString chemin = m_dossier.filePath(sortie);
        const QString source = exemple("ipe200.brivane");
        const Execution e = lancer({u"--exporter"_s, source, chemin}, locale);
        QCOMPARE(e.code, code);
        QCOMPARE(e.sortie, QString());
        QVERIFY2(e.erreur.startsWith(erreur), qPrintable(e.erreur));
        QCOMPARE(e.erreur.isEmpty(), erreur.isEmpty());
        if (code != 0) {
            QVERIFY(!QFileInfo(chemin).isFile());
            return;
        }
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray contenu = f.readAll();
        if (!debut.isEmpty()) {
            QVERIFY2(contenu.startsWith(debut), contenu.left(40).constData());
            return;
        }
        const document::Lecture l = document::ouvrir(source);
        QVERIFY(l.section);
        const QLocale attendue =
            locale == Francais ? QLocale(QLocale::French, QLocale::France) : QLocale(QLocale::C);
        QCOMPARE(contenu, rapport::donneesCsv(*l.section, attendue));
    }

    // The help: French, Qt's own headings included, on standard output.
    void aide() {
        const Execution e = lancer({u"--help"_s}, Francais);
        QCOMPARE(e.code, 0);
        QCOMPARE(e.erreur, QString());
        const QStringList lignes = e.sortie.split(u'\n');
        QVERIFY2(lignes.first().startsWith(u"Utilisation : "_s), qPrintable(lignes.first()));
        QVERIFY2(lignes.first().endsWith(u"brivane [options] [FICHIER]"_s), qPrintable(lignes.first()));
        QVERIFY(lignes.contains(u"Options :"_s));
        QVERIFY(lignes.contains(u"Arguments :"_s));
        QVERIFY(e.sortie.contains(u"brivane --exporter FICHIER SORTIE"_s));
        for (const QString& option :
             {u"--calculer"_s, u"--json"_s, u"--exporter"_s, u"--version"_s, u"--help"_s}) {
            QVERIFY2(e.sortie.contains(option), qPrintable(option));
        }
        QVERIFY(e.sortie.contains(u"Affiche cette aide."_s));
    }

    // The figures of the JSON output against what the help page and the rolled-section tables give.
    void json_data() {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QString>("cle");
        QTest::addColumn<double>("attendu");
        QTest::addColumn<double>("ecart"); // relative; 0: exactly
        const auto ligne = [](const char* fichier, const char* cle, double attendu, double ecart) {
            QTest::addRow("%s %s", fichier, cle)
                << QString::fromUtf8(fichier) << QString::fromUtf8(cle) << attendu << ecart;
        };
        ligne("exemple-aide.brivane", "A", 2400, 0);
        ligne("exemple-aide.brivane", "Zg", 35, 0);
        ligne("exemple-aide.brivane", "Yg", 71500.0 / 2400.0, 0);
        ligne("exemple-aide.brivane", "Igz", 1352395.8333333333, 1e-13);
        ligne("exemple-aide.brivane", "Igy", 1480000, 1e-13);
        ligne("exemple-aide.brivane", "igz", 23.7381183729648, 1e-13);
        ligne("exemple-aide.brivane", "igy", 24.8327740429189, 1e-13);
        ligne("exemple-aide.brivane", "Igzy", 0, 0);
        ligne("exemple-aide.brivane", "I1", 1480000, 1e-13);
        ligne("exemple-aide.brivane", "alpha", 90, 0);
        ligne("exemple-aide.brivane", "vsup", 70 - 71500.0 / 2400.0, 1e-13);
        ligne("exemple-aide.brivane", "Welz", 1352395.8333333333 / (70 - 71500.0 / 2400.0), 1e-13);
        ligne("exemple-aide.brivane", "Ip", 2832395.8333333333, 1e-13);
        // IPE 200: A = 28,48 cm², Iy = 1943 cm⁴, Iz = 142,4 cm⁴, Wel,y = 194,3 cm³, Wel,z = 28,47 cm³
        // in the tables' axes (their y is our z).
        ligne("ipe200.brivane", "A", 2848, 1e-3);
        ligne("ipe200.brivane", "Zg", 0, 0);
        ligne("ipe200.brivane", "Yg", 0, 0);
        ligne("ipe200.brivane", "Igz", 1.943e7, 1e-3);
        ligne("ipe200.brivane", "Igy", 1.424e6, 1e-3);
        ligne("ipe200.brivane", "Welz", 1.943e5, 1e-3);
        ligne("ipe200.brivane", "Wely", 2.847e4, 1e-3);
        ligne("ipe200.brivane", "vsup", 100, 0);
        ligne("ipe200.brivane", "vgauche", 50, 0);
        ligne("exemple-aide.brivane", "Wplz", 50125, 1e-12);
        ligne("exemple-aide.brivane", "Wply", 54500, 1e-12);
        ligne("ipe200.brivane", "Wplz", 2.206e5, 2e-3); // the tables' Wpl,y: 220,6 cm³
        ligne("ipe200.brivane", "Wply", 4.461e4, 2e-3); // 44,61 cm³
        ligne("ipe200.brivane", "It", 6.846e4, 1e-3);   // EN 10365: 6,846 cm⁴ (Saint-Venant)
        ligne("ipe200.brivane", "Iw", 12746e6, 1e-3);   // 12 746 cm⁶
    }
    void json() {
        QFETCH(QString, fichier);
        QFETCH(QString, cle);
        QFETCH(double, attendu);
        QFETCH(double, ecart);
        const QJsonValue v = sortieJson(fichier.toUtf8().constData()).value(cle);
        QVERIFY2(v.isDouble(), qPrintable(cle));
        QVERIFY2(std::abs(v.toDouble() - attendu) <= ecart * std::abs(attendu),
                 qPrintable(u"%1 for %2"_s.arg(v.toDouble(), 0, 'g', 17).arg(attendu, 0, 'g', 17)));
    }

    // Every key, no other, each number the engine's double itself, and no finding for either example.
    void jsonPleinePrecision_data() {
        QTest::addColumn<QString>("fichier");
        QTest::newRow("exemple") << u"exemple-aide.brivane"_s;
        QTest::newRow("IPE 200") << u"ipe200.brivane"_s;
        QTest::newRow("té") << u"te.brivane"_s;
    }
    void jsonPleinePrecision() {
        QFETCH(QString, fichier);
        const QJsonObject o = sortieJson(fichier.toUtf8().constData());
        QStringList cles = o.keys();
        QStringList attendues = ClesJson;
        cles.sort();
        attendues.sort();
        QCOMPARE(cles, attendues);
        QCOMPARE(o.value(u"verification"_s), QJsonValue(QJsonArray()));

        const document::Lecture l = document::ouvrir(exemple(fichier.toUtf8().constData()));
        QVERIFY(l.section);
        const modele::Section& s = *l.section;
        const modele::Analyse a = modele::analyser(s);
        const std::pair<const char*, double> valeurs[] = {{"A", s.Atotale},
                                                          {"Zg", s.Zg},
                                                          {"Yg", s.Yg},
                                                          {"Igz", s.Igz},
                                                          {"Igy", s.Igy},
                                                          {"igz", s.iGz},
                                                          {"igy", s.iGy},
                                                          {"Igzy", a.Igzy},
                                                          {"I1", a.I1},
                                                          {"I2", a.I2},
                                                          {"alpha", a.Alpha},
                                                          {"vsup", a.Vsup},
                                                          {"vinf", a.Vinf},
                                                          {"vgauche", a.Vgauche},
                                                          {"vdroite", a.Vdroite},
                                                          {"Welz", a.Welz},
                                                          {"Wely", a.Wely},
                                                          {"Ip", a.Ip},
                                                          {"Wplz", modele::plastique(s)->Wplz},
                                                          {"Wply", modele::plastique(s)->Wply}};
        for (const auto& [cle, valeur] : valeurs) {
            QVERIFY2(o.value(QString::fromUtf8(cle)).toDouble() == valeur, cle);
        }
    }
};

QTEST_GUILESS_MAIN(TestLigneCommande)
#include "test_ligne_commande.moc"
