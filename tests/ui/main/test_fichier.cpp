// The work kept: the menu bar, the section's file saved and opened again, the recent files, the title
// with the file's name and its modified marker, undo and redo of the changes of the section, and the
// question asked before unsaved changes are dropped.

#include "attendu.h"
#include "fixture.h"
#include "programme.h"

#include "document/fichier_section.h"
#include "platform/qt/fichiers.h"
#include "platform/qt/impression.h"
#include "ui/aux/choix_profil.h"
#include "ui/main/fenetre_donnee.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QWindow>

using namespace Qt::StringLiterals;
using plateforme::Reponse;

namespace {

const QString TitreProgramme = u"Brivane des sections - Données[*]"_s;
const QStringList Fresh = {u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s};
const QStringList Exemple = {u"2400"_s,   u"35"_s,    u"29,79"_s, u"135,2 E4"_s,
                             u"148 E4"_s, u"23,74"_s, u"24,83"_s};

} // namespace

class TestFichier : public QObject {
    Q_OBJECT

    essai::Programme m_p;
    QTemporaryDir m_dossier;
    QStringList m_choix; // the paths the file dialog "chooses", in order

    QString chemin(const QString& nom) const { return m_dossier.filePath(nom); }
    QAction* action(const char* nom) const { return m_p.ctl<QAction>(nom); }
    // Triggers an action by its shortcut, typed where the focus is (the window when none).
    void raccourci(const char* nom) const {
        QWidget* cible = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : m_p.w();
        QTest::keySequence(cible, action(nom)->shortcut());
    }
    bool peutAnnuler() const { return action("ActionAnnuler")->isEnabled(); }
    QString compte() const { return m_p.ctl<QLabel>("NbrElementAffich")->text(); }

private Q_SLOTS:
    void initTestCase() {
        essai::localeFrancaise();
        essai::taireRaiseOffscreen();
        QVERIFY(m_dossier.isValid());
    }
    void init() {
        m_choix.clear();
        plateforme::definirSelecteur([this](plateforme::Choix, const QString&) {
            return m_choix.isEmpty() ? QString() : m_choix.takeFirst();
        });
        QVERIFY(m_p.demarrer());
        m_p.w()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_p.w()));
    }
    void cleanup() {
        m_p.arreter();
        plateforme::definirSelecteur({});
    }

    void menus_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("touches");
        QTest::newRow("ActionNouveau") << u"MenuFichier"_s << u"&Nouveau"_s << u"Ctrl+N"_s;
        QTest::newRow("ActionOuvrir") << u"MenuFichier"_s << u"&Ouvrir…"_s << u"Ctrl+O"_s;
        QTest::newRow("ActionEnregistrer") << u"MenuFichier"_s << u"&Enregistrer"_s << u"Ctrl+S"_s;
        QTest::newRow("ActionEnregistrerSous")
            << u"MenuFichier"_s << u"Enregistrer &sous…"_s << u"Ctrl+Shift+S"_s;
        QTest::newRow("ActionQuitter") << u"MenuFichier"_s << u"&Quitter"_s << u"Ctrl+Q"_s;
        QTest::newRow("ActionAnnuler") << u"MenuEdition"_s << u"&Annuler"_s << u"Ctrl+Z"_s;
        QTest::newRow("ActionRetablir") << u"MenuEdition"_s << u"&Rétablir"_s << u"Ctrl+Shift+Z"_s;
        QTest::newRow("ActionExporterNote") << u"MenuFichier"_s << u"E&xporter la note de calcul…"_s << u""_s;
        QTest::newRow("ActionExporterDonnees")
            << u"MenuFichier"_s << u"Exporter les &données (CSV)…"_s << u""_s;
        QTest::newRow("ActionImprimer") << u"MenuFichier"_s << u"&Imprimer…"_s << u"Ctrl+P"_s;
        QTest::newRow("ActionCopier") << u"MenuEdition"_s << u"&Copier"_s << u"Ctrl+C"_s;
        QTest::newRow("ActionApercu") << u"MenuCalculs"_s << u"&Aperçu de la section"_s << u"Ctrl+K"_s;
        QTest::newRow("ActionContraintes")
            << u"MenuCalculs"_s << u"&Contraintes normales…"_s << u"Ctrl+Shift+K"_s;
    }
    void menus() {
        QFETCH(QString, menu);
        QFETCH(QString, texte);
        QFETCH(QString, touches);
        QAction* a = action(QTest::currentDataTag());
        QCOMPARE(a->text(), texte);
        QCOMPARE(a->shortcut(), QKeySequence(touches));
        QVERIFY(a->associatedObjects().contains(m_p.ctl<QMenu>(menu.toUtf8().constData())));
    }
    void barreAuDessusDeLaZone() {
        auto* barre = m_p.ctl<QMenuBar>("BarreMenus");
        auto* zone = m_p.ctl("ZoneClient");
        QCOMPARE(barre->actions().size(), 3);
        QCOMPARE(barre->actions().at(0)->text(), u"&Fichier"_s);
        QCOMPARE(barre->actions().at(1)->text(), u"É&dition"_s);
        QCOMPARE(barre->actions().at(2)->text(), u"&Calculs"_s);
        QCOMPARE(m_p.ctl<QMenu>("MenuRecents")->title(), u"Fichiers &récents"_s);
        QCOMPARE(zone->geometry().top(), barre->geometry().bottom() + 1);
        QCOMPARE(m_p.w()->height(), barre->height() + zone->height());
        QVERIFY(zone->isAncestorOf(m_p.ctl("BouttonAppliquer")));
    }

    // One step for each change of the section: an "Appliquer" that changes it, a change of the count;
    // undo and redo give back the section, the count and the current element, wherever the focus is.
    void annulerRetablir() {
        m_p.fleche("SpinButton1", false); // at its limit: no change, no step
        QVERIFY(!peutAnnuler());
        m_p.fleche("SpinButton1", true);
        m_p.entrer(u"Rectangle"_s, u"70"_s, u"70"_s, u"35"_s, u"35"_s, true);
        m_p.cliquer("BouttonAppliquer"); // the same values again: no step
        m_p.fleche("SpinButton2", true);
        m_p.entrer(u"Rectangle"_s, u"50"_s, u"50"_s, u"35"_s, u"40"_s, false);
        QCOMPARE(m_p.panneau(), Exemple);
        m_p.taper("ZG", u"-"_s); // refused: a message, no step
        m_p.cliquer("BouttonAppliquer");
        QCOMPARE(m_p.messages->prendre().size(), 1);

        m_p.ctl("YG")->setFocus();
        raccourci("ActionAnnuler"); // element 2 taken back, typed in a field
        QCOMPARE(m_p.ctl<QLineEdit>("YG")->text(), u"0"_s);
        QCOMPARE(m_p.ctl<QLabel>("NumElement")->text(), u"2"_s);
        QCOMPARE(m_p.resultat(0), u"4900"_s);
        raccourci("ActionAnnuler"); // element 1
        QCOMPARE(m_p.ctl<QLabel>("NumElement")->text(), u"1"_s);
        QCOMPARE(m_p.resultat(0), u"0"_s);
        raccourci("ActionAnnuler"); // the count
        QCOMPARE(compte(), u"1"_s);
        QVERIFY(!peutAnnuler());
        QCOMPARE(m_p.panneau(), Fresh);
        for (int i = 0; i < 3; ++i) {
            raccourci("ActionRetablir");
        }
        QCOMPARE(m_p.panneau(), Exemple);
        QCOMPARE(compte(), u"2"_s);
        QCOMPARE(m_p.ctl<QLineEdit>("YG")->text(), u"40"_s);
        QVERIFY(!action("ActionRetablir")->isEnabled());
        QCOMPARE(action("ActionAnnuler")->text(), u"&Annuler"_s);
        QVERIFY(m_p.messages->prendre().isEmpty()); // nothing recomputed, nothing said
    }
    // With nothing left to undo, Ctrl+Z in a field still leaves the field's typing alone.
    void champSansAnnulationPropre() {
        auto* zg = m_p.ctl<QLineEdit>("ZG");
        m_p.taper("ZG", u"12"_s);
        raccourci("ActionAnnuler");
        QCOMPARE(zg->text(), u"12"_s);
    }

    // Saved, the program ended and started again, the file opened: the same figures; the title
    // carries the file's name and its marker follows the history.
    void enregistrerPuisRouvrir() {
        QCOMPARE(m_p.w()->windowTitle(), TitreProgramme);
        m_p.entrerExemple();
        m_choix << chemin(u"poutre"_s); // no suffix typed
        raccourci("ActionEnregistrer"); // never saved: as "Enregistrer sous…"
        QVERIFY(QFile::exists(chemin(u"poutre.brivane"_s)));
        QCOMPARE(m_p.w()->windowTitle(), u"poutre.brivane[*] — Brivane des sections - Données"_s);
        QVERIFY(!m_p.w()->isWindowModified());
        m_p.fleche("SpinButton1", true);
        QVERIFY(m_p.w()->isWindowModified());
        raccourci("ActionAnnuler");
        QVERIFY(!m_p.w()->isWindowModified());

        m_p.fleche("SpinButton2", false); // element 1 current, as a file opens
        m_p.ouvrirTout();
        const essai::Photo avant = m_p.photographierTout();
        m_p.arreter();
        QVERIFY(m_p.demarrer());
        QVERIFY(m_p.fenetre->ouvrirFichier(chemin(u"poutre.brivane"_s)));
        m_p.ouvrirTout();
        QCOMPARE(m_p.photographierTout(), avant); // every window, every figure
        QCOMPARE(m_p.panneau(), Exemple);
        QCOMPARE(compte(), u"2"_s);
        QCOMPARE(m_p.ctl<QLabel>("NumElement")->text(), u"1"_s);
        QCOMPARE(m_p.ctl<QLineEdit>("DimSection1")->text(), u"70"_s);
        QVERIFY(!peutAnnuler());
        raccourci("ActionNouveau"); // untouched: no question
        QCOMPARE(m_p.panneau(), Fresh);
        QCOMPARE(m_p.w()->windowTitle(), TitreProgramme);
        QVERIFY(m_p.messages->questions().isEmpty());
    }

    // The loads (and density) a file holds are saved back with the section; a new section has none.
    void effortsGardes() {
        modele::Section s;
        s.Reinitialiser();
        const modele::Document d{"", 2700.0, modele::Efforts{-200, 30, 5}};
        QVERIFY(!document::enregistrer(chemin(u"e.brivane"_s), s, d));
        QVERIFY(m_p.fenetre->ouvrirFichier(chemin(u"e.brivane"_s)));
        m_choix << chemin(u"copie.brivane"_s) << chemin(u"neuve.brivane"_s);
        raccourci("ActionEnregistrerSous");
        QCOMPARE(document::ouvrir(chemin(u"copie.brivane"_s)).document, d);
        raccourci("ActionNouveau");
        raccourci("ActionEnregistrerSous");
        QVERIFY(!document::ouvrir(chemin(u"neuve.brivane"_s)).document.efforts);
    }

    void fichiersRecents() {
        for (const QString& nom : {u"a.brivane"_s, u"b&c.brivane"_s}) {
            m_p.fleche("SpinButton1", true);
            m_choix << chemin(nom);
            raccourci("ActionEnregistrerSous");
        }
        QList<QAction*> recents = m_p.ctl<QMenu>("MenuRecents")->actions();
        QCOMPARE(recents.size(), 2);
        QCOMPARE(recents[0]->text(), u"&1 b&&c.brivane"_s); // shown "1 b&c.brivane"
        QCOMPARE(recents[1]->text(), u"&2 a.brivane"_s);
        QCOMPARE(recents[1]->toolTip(), chemin(u"a.brivane"_s));
        QVERIFY(QFile::remove(chemin(u"a.brivane"_s)));
        recents[1]->trigger();
        QCOMPARE(m_p.messages->prendre(),
                 QStringList{u"Le fichier a.brivane ne peut pas être ouvert : il est introuvable."_s});
        QCOMPARE(m_p.ctl<QMenu>("MenuRecents")->actions().size(), 1);
        QCOMPARE(compte(), u"3"_s); // the section shown stays
    }

    // The three answers to the question, closing a changed section.
    void questionAvantDAbandonner_data() {
        QTest::addColumn<Reponse>("reponse");
        QTest::addColumn<bool>("ferme");
        QTest::addColumn<bool>("ecrit");
        QTest::newRow("Enregistrer") << Reponse::Enregistrer << true << true;
        QTest::newRow("Ne pas enregistrer") << Reponse::NePasEnregistrer << true << false;
        QTest::newRow("Annuler") << Reponse::Annuler << false << false;
    }
    void questionAvantDAbandonner() {
        QFETCH(Reponse, reponse);
        QFETCH(bool, ferme);
        QFETCH(bool, ecrit);
        const QString fichier = chemin(u"question.brivane"_s);
        QFile::remove(fichier);
        m_p.w()->close(); // untouched: closes with no question
        QVERIFY(m_p.messages->questions().isEmpty());
        m_p.w()->show();
        m_p.fleche("SpinButton1", true);
        m_p.messages->repondre(reponse);
        m_choix << fichier;
        QCOMPARE(m_p.w()->close(), ferme);
        QCOMPARE(m_p.messages->questions(), QStringList{u"Enregistrer les modifications de la section ?"_s});
        QCOMPARE(QFile::exists(fichier), ecrit);
        QCOMPARE(m_p.w()->isVisible(), !ferme);
    }

    // Typing pending for element 2 as the window closes: its question, then the save question.
    void saisieEnAttente() {
        const QStringList posees{u"Les valeurs tapées pour l'élément 2 n'ont pas été appliquées."_s,
                                 u"Enregistrer les modifications de la section ?"_s};
        for (const auto& [tape, reponse, ferme, questions, zg] : // questions: how many of the two
             {std::tuple{u"12"_s, Reponse::Appliquer, true, 2, 12.0},
              std::tuple{u"-"_s, Reponse::Appliquer, false, 1, 0.0},
              std::tuple{u"12"_s, Reponse::Ignorer, true, 2, 0.0},
              std::tuple{u"12"_s, Reponse::Annuler, false, 1, 0.0}}) {
            m_p.arreter();
            QVERIFY(m_p.demarrer());
            m_p.fleche("SpinButton1", true);
            m_p.fleche("SpinButton2", true);
            m_p.taper("ZG", tape);
            m_p.messages->repondre(reponse); // then "Ne pas enregistrer"
            QCOMPARE(m_p.w()->close(), ferme);
            QCOMPARE(m_p.messages->questions(), posees.mid(0, questions));
            QCOMPARE(m_p.section->element(2).Zg, zg);
            QCOMPARE(m_p.messages->prendre().size(), tape == u"-"_s ? 1 : 0); // the button's message
        }
    }
    void saisieEnAttenteAvantNouveau() { // "Nouveau" asks too; "Annuler" keeps the typing
        m_p.taper("ZG", u"5"_s);
        m_p.messages->repondre(Reponse::Annuler);
        raccourci("ActionNouveau");
        QCOMPARE(m_p.messages->questions().size(), 1);
        QCOMPARE(m_p.ctl<QLineEdit>("ZG")->text(), u"5"_s);
    }
    void titreSansFichier() { // a section never saved shows the marker too
        m_p.fleche("SpinButton1", true);
        QCOMPARE(m_p.w()->windowHandle()->title(), u"Brivane des sections - Données*"_s);
    }

    // A section from a rolled profile: the question before a changed section is dropped; the dialog's
    // filter; the figures of examples/ipe200.brivane; no file, no history, the profile in the title; the
    // file keeps the profile, an element's change drops it and undo brings it back.
    void profil() {
        QVERIFY(m_p.fenetre->ouvrirFichier(QStringLiteral(BRIVANE_EXEMPLES "/ipe200.brivane")));
        const QStringList figures = m_p.panneau();
        m_p.fleche("SpinButton1", true);
        ChoixProfil choix;
        choix.findChild<QLineEdit*>(u"Filtre"_s)->setText(u"2"_s);
        const auto* tailles = choix.findChild<QListWidget*>(u"Tailles"_s);
        QCOMPARE(tailles->item(2)->text(), u"IPE 240"_s);
        m_p.messages->repondre(Reponse::Annuler);
        QVERIFY(!m_p.fenetre->nouveauProfil(*choix.profil()));
        QCOMPARE(compte(), u"10"_s);
        m_p.messages->repondre(Reponse::NePasEnregistrer);
        QVERIFY(m_p.fenetre->nouveauProfil(*choix.profil()));
        QCOMPARE(m_p.messages->questions().size(), 2);
        QCOMPARE(m_p.panneau(), figures);
        QCOMPARE(m_p.w()->windowTitle(), u"IPE 200[*] — Brivane des sections - Données"_s);
        QVERIFY(!m_p.w()->isWindowModified() && !peutAnnuler());
        const auto profilDuFichier = [this](const char* nom) {
            m_choix << chemin(QString::fromUtf8(nom));
            raccourci("ActionEnregistrerSous");
            return QString::fromStdString(document::ouvrir(chemin(QString::fromUtf8(nom))).document.profil);
        };
        QCOMPARE(profilDuFichier("ipe.brivane"), u"IPE 200"_s);
        QVERIFY(m_p.fenetre->ouvrirFichier(chemin(u"ipe.brivane"_s)));
        QCOMPARE(m_p.panneau(), figures);
        m_p.fleche("SpinButton1", true);
        QCOMPARE(profilDuFichier("change.brivane"), QString());
        raccourci("ActionAnnuler");
        QCOMPARE(profilDuFichier("annule.brivane"), u"IPE 200"_s);
        m_p.cliquer("BouttonApercu"); // a density typed in the preview: a change kept in the file
        auto* masse = essai::fenetreNommee("ApercuSection")->findChild<QLineEdit*>(u"MasseVolumique"_s);
        masse->setText(u"2700"_s);
        QTest::keyClick(masse, Qt::Key_Return);
        QVERIFY(m_p.w()->isWindowModified());
        raccourci("ActionEnregistrer");
        QCOMPARE(document::ouvrir(chemin(u"annule.brivane"_s)).document,
                 (modele::Document{"IPE 200", 2700.0, std::nullopt}));
    }

    // The note and the data handed out: the file named as typed, its suffix from the filter when none;
    // a place that cannot be written, its message and no file.
    void exporter_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QByteArray>("debut");
        QTest::newRow("note, PDF by default")
            << u"ActionExporterNote"_s << u"note"_s << u"note.pdf"_s << QByteArray("%PDF-");
        QTest::newRow("note, HTML") << u"ActionExporterNote"_s << u"note.html"_s << u"note.html"_s
                                    << QByteArray("<!DOCTYPE html>");
        QTest::newRow("data") << u"ActionExporterDonnees"_s << u"donnees"_s << u"donnees.csv"_s
                              << QByteArray("\xEF\xBB\xBFnum\xC3\xA9ro;forme;");
        QTest::newRow("printed") << u"ActionImprimer"_s << u""_s << u"imprime.pdf"_s << QByteArray("%PDF-");
    }
    void exporter() {
        QFETCH(QString, action);
        QFETCH(QString, tape);
        QFETCH(QString, fichier);
        QFETCH(QByteArray, debut);
        m_p.entrerExemple();
        plateforme::definirSortieImpression(chemin(u"imprime.pdf"_s));
        m_choix << chemin(tape);
        this->action(action.toUtf8().constData())->trigger();
        plateforme::definirSortieImpression({});
        QFile f(chemin(fichier));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY2(f.readAll().startsWith(debut), qPrintable(fichier));
        QVERIFY(m_p.messages->prendre().isEmpty());
        QDir(m_dossier.path()).mkdir(u"dossier.pdf"_s); // a folder in the file's place
        m_choix.clear();
        m_choix << chemin(u"dossier.pdf"_s);
        this->action("ActionExporterNote")->trigger();
        const QStringList vus = m_p.messages->prendre();
        QCOMPARE(vus.size(), 1);
        QVERIFY2(vus[0].startsWith(u"Le fichier dossier.pdf ne peut pas être enregistré : "_s),
                 qPrintable(vus[0]));
    }

    // An export never replaces the section's own file: its message, and the file kept.
    void exporterSurLaSection() {
        m_p.entrerExemple();
        m_choix << chemin(u"s.brivane"_s) << chemin(u"s.brivane"_s);
        raccourci("ActionEnregistrer");
        this->action("ActionExporterDonnees")->trigger();
        QCOMPARE(
            m_p.messages->prendre(),
            QStringList{
                u"Le fichier s.brivane ne peut pas être enregistré : c'est le fichier de la section."_s});
        QVERIFY(m_p.fenetre->ouvrirFichier(chemin(u"s.brivane"_s))); // still the section file
    }

    // Ctrl+C copies the results panel's seven lines, but a field's selection when there is one.
    void copier() {
        m_p.entrerExemple();
        auto* zg = m_p.ctl<QLineEdit>("ZG");
        zg->setFocus();
        zg->deselect();
        raccourci("ActionCopier");
        QCOMPARE_ATTENDU("donnees/resultats-principaux.txt", QGuiApplication::clipboard()->text());
        zg->selectAll();
        raccourci("ActionCopier");
        QCOMPARE(QGuiApplication::clipboard()->text(), zg->text());
    }

    // A file that cannot be used: its message, and the section stays.
    void fichierRefuse() {
        m_p.entrerExemple();
        QFile f(chemin(u"faux.brivane"_s));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("{\"format\": \"autre\"}");
        f.close();
        QVERIFY(!m_p.fenetre->ouvrirFichier(f.fileName()));
        QCOMPARE(m_p.messages->prendre(),
                 QStringList{u"Le fichier faux.brivane ne peut pas être ouvert : ce n'est pas un fichier de "
                             "section Brivane."_s});
        QCOMPARE(m_p.panneau(), Exemple);
        QVERIFY(peutAnnuler());
        QCOMPARE(m_p.w()->windowTitle(), TitreProgramme);
    }
};

QTEST_MAIN(TestFichier)
#include "test_fichier.moc"
