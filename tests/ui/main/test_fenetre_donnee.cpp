// The main window driven as a user drives it: typing into the fields, clicking the arrows, the list,
// the buttons and the units, double-clicking the captions, and reading what it shows and says.

#include <QAbstractButton> // fixture.h uses it without including it

#include "attendu.h"
#include "fixture.h"
#include "programme.h"
#include "sections.h"

#include "model/section.h"
#include "platform/qt/controles.h"
#include "platform/qt/fenetres.h"
#include "ui/aux/aide.h"
#include "ui/aux/apercu_section.h"
#include "ui/aux/recapitulatif.h"
#include "ui/aux/zoom_forme.h"
#include "ui/detail/detail_aire.h"
#include "ui/detail/detail_centre.h"
#include "ui/detail/detail_moment.h"
#include "ui/main/fenetre_donnee.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>
#include <functional>
#include <memory>
#include <optional>

using namespace modele;

using namespace Qt::StringLiterals;

namespace {

const QStringList Croquis = {u"ImageRectangle"_s, u"ImageTriangle"_s, u"ImageDisque"_s, u"ImageDDH"_s,
                             u"ImageDDB"_s,       u"ImageDDD"_s,      u"ImageDDG"_s,    u"ImageQDHG"_s,
                             u"ImageQDHD"_s,      u"ImageQDBG"_s,     u"ImageQDBD"_s};

// A decimal number written with the locale's separator: the tests give them in French.
QString nombre(QString texteFrancais) {
    return texteFrancais.replace(u',', QLocale().decimalPoint());
}

// The window of the registry of type W[i], null when it was never opened.
template <class... W> QWidget* parmi(plateforme::Registre& r, int i) {
    QWidget* const trouvees[] = {r.trouver<W>()...};
    return trouvees[i];
}

} // namespace

class TestFenetreDonnee : public QObject {
    Q_OBJECT

private:
    bool visible(const char* nom) const { return m_p.ctl(nom)->isVisibleTo(m_p.w()); }

    // What a desktop sends for a double-click: a click, then the double-click and its release.
    static void doubleCliquer(QWidget* c, QPoint pos = QPoint(4, 4)) {
        QTest::mouseClick(c, Qt::LeftButton, {}, pos);
        QTest::mouseDClick(c, Qt::LeftButton, {}, pos);
        QTest::mouseRelease(c, Qt::LeftButton, {}, pos);
    }
    essai::Programme m_p;

private Q_SLOTS:
    void initTestCase() { essai::localeFrancaise(); }

    void init() {
        essai::localeFrancaise();
        QVERIFY(m_p.demarrer());
    }

    void cleanup() {
        m_p.arreter();
        essai::localeFrancaise();
    }

    void demarrage() {
        // A section left dirty by someone else is reset by the window.
        cleanup();
        m_p.messages.emplace();
        m_p.section = std::make_unique<Section>();
        m_p.section->NbrElement = 4;
        m_p.section->element(1).Dimension1 = 7.0;
        m_p.section->Atotale = 12.0;
        m_p.registre = std::make_unique<plateforme::Registre>();
        m_p.fenetre = std::make_unique<FenetreDonnee>(*m_p.section, *m_p.registre);
        m_p.fenetre->show();

        Section reinitialisee;
        reinitialisee.Reinitialiser();
        QVERIFY(*m_p.section == reinitialisee);
        QCOMPARE(m_p.w()->windowTitle(), u"Brivane des sections - Données[*]"_s);
        QCOMPARE(m_p.w()->objectName(), u"FenetreDonnee"_s);
        QCOMPARE(essai::texte(m_p.w(), "NbrElementAffich"), u"1"_s);
        QCOMPARE(essai::texte(m_p.w(), "NumElement"), u"1"_s);

        auto* liste = m_p.ctl<QListWidget>("ListeForme");
        QStringList items;
        for (int i = 0; i < liste->count(); ++i) {
            items << liste->item(i)->text();
        }
        QCOMPARE(items, essai::formes);
        QCOMPARE(liste->currentItem()->text(), u"Rectangle"_s);
        QCOMPARE(QString::fromStdString(m_p.section->FormeSelectionnee), u"Rectangle"_s);
        for (const QString& c : Croquis) {
            QCOMPARE(m_p.ctl(c.toUtf8().constData())->isVisibleTo(m_p.w()), c == u"ImageRectangle"_s);
        }

        QCOMPARE(essai::texte(m_p.w(), "DimSection1Texte"), u"Base ="_s);
        QCOMPARE(essai::texte(m_p.w(), "DimSection2Texte"), u"Hauteur ="_s);
        QVERIFY(visible("DimSection2"));
        QVERIFY(visible("UniteDimSection2"));
        for (const char* champ : {"DimSection1", "DimSection2", "ZG", "YG"}) {
            QCOMPARE(m_p.ctl<QLineEdit>(champ)->text(), u"0"_s);
        }
        QVERIFY(m_p.ctl<QRadioButton>("ButtonAdditionner")->isChecked());
        QVERIFY(!m_p.ctl<QRadioButton>("BouttonSoustraire")->isChecked());

        QCOMPARE(m_p.panneau(), QStringList(7, u"0"_s));
        for (const essai::Cellule& r : essai::Resultats) {
            QCOMPARE(essai::texte(m_p.w(), r.puissance), u"0"_s); // hidden, keeps its caption
        }
        QCOMPARE(essai::texte(m_p.w(), "AirePuissance"), u"2"_s);
        QCOMPARE(essai::texte(m_p.w(), "IGZpuissance"), u"4"_s);
        QCOMPARE(essai::texte(m_p.w(), "IGYPuissance"), u"4"_s);
        QCOMPARE(m_p.messages->prendre(), QStringList());
    }

    void exempleDeLAide_data() {
        QTest::addColumn<bool>("francais");
        QTest::newRow("français") << true;
        QTest::newRow("english") << false;
    }

    void exempleDeLAide() {
        QFETCH(bool, francais);
        if (!francais) {
            essai::localeAnglaise();
        }
        m_p.entrerExemple();
        QCOMPARE(m_p.messages->prendre(), QStringList());
        QCOMPARE(m_p.panneau(), (QStringList{u"2400"_s, u"35"_s, nombre(u"29,79"_s), nombre(u"135,2 E4"_s),
                                             u"148 E4"_s, nombre(u"23,74"_s), nombre(u"24,83"_s)}));
        QCOMPARE(m_p.section->NbrElement, 2);
        QCOMPARE(m_p.section->element(2).Signe, -1.0);
        QCOMPARE(m_p.section->element(2).Aire, -2500.0);
        // BRIVANE_CAPTURE=<folder> keeps a picture of the window for a look by eye.
        if (const QString dossier = qEnvironmentVariable("BRIVANE_CAPTURE"); !dossier.isEmpty()) {
            QVERIFY(m_p.w()->grab().save(dossier + u"/exemple_"_s + QLocale().name() + u".png"_s));
        }
    }

    // A click on a result's unit gives it in mm, cm and m (golden file); the radii's units give nothing.
    void conversionDesUnites() {
        m_p.entrer(u"Rectangle"_s, u"100"_s, u"200"_s, u"50"_s, u"100"_s, true);
        QCOMPARE(m_p.messages->prendre(), QStringList());
        QCOMPARE(m_p.resultat(0), u"200 E2"_s);
        const QStringList unites{u"AireTotaleUnite"_s, u"IgzUnite"_s,   u"IgyUnite"_s,  u"ZgUnite"_s,
                                 u"YgUnite"_s,         u"RGigzUnite"_s, u"RGigyUnite"_s};
        QCOMPARE_ATTENDU(
            "fenetre_donnee/unites.txt", essai::explications(*m_p.messages, unites, [this](const QString& n) {
                auto* etiquette = m_p.ctl<QLabel>(n.toUtf8().constData());
                QCOMPARE(etiquette->cursor().shape(), Qt::UpArrowCursor);
                // The label itself is what the mouse meets at its centre (not the raised unit power over it).
                QCOMPARE(m_p.w()->childAt(etiquette->mapTo(m_p.w(), etiquette->rect().center())), etiquette);
                QTest::mouseClick(etiquette, Qt::LeftButton);
            }));
    }

    void conversionAuDemarrage() {
        m_p.cliquer("AireTotaleUnite");
        QCOMPARE(m_p.messages->prendre(),
                 QStringList{u"A = 0 E0 [mm²]\r\n   = 0 E0 [cm²]\r\n   = 0 E0 [m²]"_s});
    }

    void controleDesChamps_data() {
        QTest::addColumn<bool>("francais");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("frappe");
        QTest::addColumn<int>("messages");
        QTest::addColumn<QString>("reste");
        QTest::newRow("decimal comma") << true << u"DimSection1"_s << u"12,5"_s << 0 << u"12,5"_s;
        QTest::newRow("letter after digits") << true << u"DimSection1"_s << u"12a"_s << 1 << u"0"_s;
        QTest::newRow("lone minus, base") << true << u"DimSection1"_s << u"-"_s << 1 << u"0"_s;
        QTest::newRow("lone minus, height") << true << u"DimSection2"_s << u"-"_s << 1 << u"0"_s;
        QTest::newRow("lone minus, Zg") << true << u"ZG"_s << u"-"_s << 0 << u"-"_s;
        QTest::newRow("lone minus, Yg") << true << u"YG"_s << u"-"_s << 0 << u"-"_s;
        QTest::newRow("negative Yg") << true << u"YG"_s << u"-12,5"_s << 0 << u"-12,5"_s;
        QTest::newRow("text in Zg") << true << u"ZG"_s << u"x"_s << 1 << u"0"_s;
        QTest::newRow("exponent") << true << u"ZG"_s << u"2E"_s << 1 << u"0"_s;
        QTest::newRow("point in French") << true << u"DimSection2"_s << u"3."_s << 1 << u"0"_s;
        QTest::newRow("decimal point") << false << u"DimSection1"_s << u"12.5"_s << 0 << u"12.5"_s;
        QTest::newRow("comma in English") << false << u"DimSection1"_s << u"12,"_s << 1 << u"0"_s;
        QTest::newRow("negative, English") << false << u"ZG"_s << u"-0.25"_s << 0 << u"-0.25"_s;
    }

    void controleDesChamps() {
        QFETCH(bool, francais);
        QFETCH(QString, champ);
        QFETCH(QString, frappe);
        QFETCH(int, messages);
        QFETCH(QString, reste);
        if (!francais) {
            essai::localeAnglaise();
        }
        const Section avant = *m_p.section;
        m_p.taper(champ.toUtf8().constData(), frappe);
        QCOMPARE(m_p.messages->prendre(), QStringList(messages, essai::nonNumerique));
        QCOMPARE(m_p.ctl<QLineEdit>(champ.toUtf8().constData())->text(), reste);
        QVERIFY(*m_p.section == avant);
    }

    void moinsDevantDesChiffres() {
        m_p.taper("DimSection1", u"3"_s);
        auto* c = m_p.ctl<QLineEdit>("DimSection1");
        QTest::keyClick(c, Qt::Key_Home);
        QTest::keyClicks(c, u"-"_s);
        QCOMPARE(m_p.messages->prendre(), QStringList());
        QCOMPARE(c->text(), u"-3"_s);
    }

    void appliquerRefuse_data() {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("frappe");
        QTest::newRow("empty base") << u"DimSection1"_s << u""_s;
        QTest::newRow("lone minus Yg") << u"YG"_s << u"-"_s;
        QTest::newRow("lone minus Zg") << u"ZG"_s << u"-"_s;
        QTest::newRow("empty height") << u"DimSection2"_s << u""_s;
    }

    void appliquerRefuse() {
        QFETCH(QString, champ);
        QFETCH(QString, frappe);
        m_p.taper("DimSection1", u"10"_s);
        m_p.cliquer("BouttonSoustraire");
        m_p.choisirForme(u"Triangle"_s);
        m_p.taper(champ.toUtf8().constData(), frappe);
        QCOMPARE(m_p.messages->prendre(), QStringList());
        const Section avant = *m_p.section;
        m_p.cliquer("BouttonAppliquer");
        QCOMPARE(m_p.messages->prendre(), QStringList{essai::appliquerRefuse});
        QVERIFY(*m_p.section == avant); // not even the shape or the sign
        QCOMPARE(m_p.ctl<QLineEdit>(champ.toUtf8().constData())->text(), frappe);
    }

    void hauteurCacheeQuiCompte() {
        // An empty hidden height refuses "Appliquer".
        m_p.taper("DimSection2", u""_s);
        m_p.choisirForme(u"Disque"_s);
        QVERIFY(!visible("DimSection2"));
        m_p.taper("DimSection1", u"10"_s);
        m_p.cliquer("BouttonAppliquer");
        QCOMPARE(m_p.messages->prendre(), QStringList{essai::appliquerRefuse});
        QCOMPARE(m_p.section->element(1).Forme, std::string("Rectangle"));

        // A hidden height holding 200 is stored but enters no result.
        m_p.choisirForme(u"Rectangle"_s);
        QCOMPARE(m_p.ctl<QLineEdit>("DimSection2")->text(), QString()); // kept while hidden
        m_p.taper("DimSection2", u"200"_s);
        m_p.choisirForme(u"Disque"_s);
        m_p.cliquer("BouttonAppliquer");
        QCOMPARE(m_p.messages->prendre(), QStringList());
        QCOMPARE(m_p.section->element(1).Forme, std::string("Disque"));
        QCOMPARE(m_p.section->element(1).Dimension2, 200.0);
        QCOMPARE(m_p.resultat(0), u"314,2"_s);
        QCOMPARE(m_p.resultat(5), u"5"_s);
    }

    void nombreDElements() {
        m_p.fleche("SpinButton1", false);
        QCOMPARE(essai::texte(m_p.w(), "NbrElementAffich"), u"1"_s);
        m_p.fleche("SpinButton1", true, 12);
        QCOMPARE(essai::texte(m_p.w(), "NbrElementAffich"), u"10"_s);
        QCOMPARE(m_p.section->NbrElement, 10);
        m_p.fleche("SpinButton2", true, 12);
        QCOMPARE(essai::texte(m_p.w(), "NumElement"), u"10"_s);
        m_p.fleche("SpinButton1", false, 9);
        QCOMPARE(essai::texte(m_p.w(), "NbrElementAffich"), u"1"_s);
        QCOMPARE(essai::texte(m_p.w(), "NumElement"), u"1"_s);
        QCOMPARE(m_p.messages->prendre(), QStringList());
    }

    void baisserLeNombreSuitLElementCourant() {
        m_p.fleche("SpinButton1", true, 2);
        m_p.entrer(u"Rectangle"_s, u"10"_s, u"10"_s, u"0"_s, u"0"_s, true); // element 1: area 100
        m_p.fleche("SpinButton2", true);
        m_p.entrer(u"Triangle"_s, u"4"_s, u"5"_s, u"1"_s, u"2"_s, true); // element 2: area 10
        m_p.fleche("SpinButton2", true);
        m_p.entrer(u"Rectangle"_s, u"9"_s, u"10"_s, u"0"_s, u"0"_s, true); // element 3: area 90
        QCOMPARE(m_p.resultat(0), u"200"_s);

        m_p.fleche("SpinButton1", false);
        QCOMPARE(essai::texte(m_p.w(), "NbrElementAffich"), u"2"_s);
        QCOMPARE(essai::texte(m_p.w(), "NumElement"), u"2"_s);
        QCOMPARE(m_p.ctl<QListWidget>("ListeForme")->currentItem()->text(), u"Triangle"_s);
        QCOMPARE(m_p.ctl<QLineEdit>("DimSection1")->text(), u"4"_s);
        QCOMPARE(m_p.ctl<QLineEdit>("DimSection2")->text(), u"5"_s);
        QCOMPARE(m_p.ctl<QLineEdit>("ZG")->text(), u"1"_s);
        QCOMPARE(m_p.ctl<QLineEdit>("YG")->text(), u"2"_s);
        QCOMPARE(m_p.resultat(0), u"110"_s);

        m_p.fleche("SpinButton1", true);
        QCOMPARE(essai::texte(m_p.w(), "NbrElementAffich"), u"3"_s);
        QCOMPARE(essai::texte(m_p.w(), "NumElement"), u"2"_s);
        QCOMPARE(m_p.resultat(0), u"200"_s);
        QCOMPARE(m_p.messages->prendre(), QStringList());
    }

    // « Valeurs non appliquées » while the input zone differs from what the current element refills.
    void saisieNonAppliquee() {
        QCOMPARE(m_p.ctl<QLabel>("SaisieNonAppliquee")->font().pointSizeF(), 8.25);
        QVERIFY(!visible("SaisieNonAppliquee"));
        m_p.entrer(u"Rectangle"_s, u"70"_s, u"70"_s, u"35"_s, u"35"_s, true);
        const std::pair<std::function<void()>, bool> pas[] = {
            {[this] { m_p.taper("DimSection1", u"70,0"_s); }, true}, // the same number, another text
            {[this] { m_p.taper("DimSection1", u"70"_s); }, false},
            {[this] { m_p.cliquer("BouttonSoustraire"); }, true},
            {[this] { m_p.choisirForme(u"Disque"_s); }, true},
            {[this] { m_p.taper("DimSection1", u"7,50"_s); }, true},
            {[this] { m_p.cliquer("BouttonAppliquer"); }, false}, // applied as typed
            {[this] { m_p.taper("YG", u"-"_s); }, true},
            {[this] { m_p.fleche("SpinButton1", true), m_p.fleche("SpinButton2", true); }, false}, // refilled
        };
        for (std::size_t i = 0; i < std::size(pas); ++i) {
            pas[i].first();
            QVERIFY2(visible("SaisieNonAppliquee") == pas[i].second, qPrintable(QString::number(i)));
        }
    }

    void changerDElementOublieLaSaisie() {
        m_p.fleche("SpinButton1", true);
        m_p.entrer(u"Disque"_s, u"12,5"_s, QString(), u"-3"_s, u"4"_s, false);
        QCOMPARE(m_p.messages->prendre(), QStringList{essai::aireNegative});
        m_p.fleche("SpinButton2", true);
        m_p.choisirForme(u"Triangle"_s);
        m_p.taper("DimSection1", u"30"_s);
        m_p.taper("DimSection2", u"60"_s);
        m_p.fleche("SpinButton2", false);
        // Element 1 as stored.
        QCOMPARE(m_p.ctl<QListWidget>("ListeForme")->currentItem()->text(), u"Disque"_s);
        QCOMPARE(essai::texte(m_p.w(), "DimSection1Texte"), u"Rayon ="_s);
        QVERIFY(!visible("DimSection2"));
        QVERIFY(visible("ImageDisque"));
        QCOMPARE(m_p.ctl<QLineEdit>("DimSection1")->text(), u"12,5"_s);
        QCOMPARE(m_p.ctl<QLineEdit>("ZG")->text(), u"-3"_s);
        QVERIFY(m_p.ctl<QRadioButton>("BouttonSoustraire")->isChecked());
        // Element 2 never applied: the reset rectangle again.
        m_p.fleche("SpinButton2", true);
        QCOMPARE(m_p.ctl<QListWidget>("ListeForme")->currentItem()->text(), u"Rectangle"_s);
        QCOMPARE(essai::texte(m_p.w(), "DimSection1Texte"), u"Base ="_s);
        QCOMPARE(essai::texte(m_p.w(), "DimSection2Texte"), u"Hauteur ="_s);
        QVERIFY(visible("DimSection2"));
        for (const char* champ : {"DimSection1", "DimSection2", "ZG", "YG"}) {
            QCOMPARE(m_p.ctl<QLineEdit>(champ)->text(), u"0"_s);
        }
        QVERIFY(m_p.ctl<QRadioButton>("ButtonAdditionner")->isChecked());
        QCOMPARE(m_p.section->element(2), ElementSection{});
        QCOMPARE(m_p.messages->prendre(), QStringList());
        // The element arrows stop at the count.
        m_p.fleche("SpinButton2", true);
        QCOMPARE(essai::texte(m_p.w(), "NumElement"), u"2"_s);
    }

    void croquisQuiSuitLaListe_data() {
        QTest::addColumn<int>("rang");
        for (int i = 0; i < essai::formes.size(); ++i) {
            QTest::newRow(essai::formes[i].toUtf8().constData()) << i;
        }
    }

    void croquisQuiSuitLaListe() {
        QFETCH(int, rang);
        m_p.choisirForme(rang == 0 ? essai::formes[1] : essai::formes[0]); // start from another one
        m_p.choisirForme(essai::formes[rang]);
        for (int i = 0; i < Croquis.size(); ++i) {
            QCOMPARE(m_p.ctl(Croquis[i].toUtf8().constData())->isVisibleTo(m_p.w()), i == rang);
        }
        QCOMPARE(QString::fromStdString(m_p.section->FormeSelectionnee), essai::formes[rang]);
        const bool hauteur = rang < 2;
        QCOMPARE(essai::texte(m_p.w(), "DimSection1Texte"), hauteur ? u"Base ="_s : u"Rayon ="_s);
        QCOMPARE(visible("DimSection2Texte"), hauteur);
        QCOMPARE(visible("DimSection2"), hauteur);
        QCOMPARE(visible("UniteDimSection2"), hauteur);
        QCOMPARE(m_p.section->element(1), ElementSection{}); // choosing stores nothing

        auto* croquis = m_p.ctl<plateforme::Image>(Croquis[rang].toUtf8().constData());
        QCOMPARE(croquis->cursor().shape(), Qt::SizeAllCursor);
        QCOMPARE(croquis->source(), u":/formes/"_s + croquis->source().section(u'/', -1));
        QTest::mouseClick(croquis, Qt::LeftButton);
        auto* zoom = m_p.registre->trouver<ZoomForme>();
        QVERIFY(zoom != nullptr);
        QVERIFY(zoom->isVisible());
        QTest::mouseClick(croquis, Qt::LeftButton);
        QCOMPARE(m_p.registre->trouver<ZoomForme>(), zoom);
    }

    // What each caption explains on a double-click, in a golden file; the last twelve explain nothing.
    void explications() {
        const QStringList noms = (u"NbrElementTexte ElementTexte Label1 FormeTexte DimSection1Texte "
                                  u"DimSection2Texte PositionSectionZTexte PositionSectionYTexte "
                                  u"AdditionSoustractionTexte ButtonAdditionner BouttonSoustraire "
                                  u"BouttonAppliquer AireTotaleTexte CdgTexte ZgTexte YgTexte "
                                  u"MomentQuadratiqueTexte IgzTexte IgyTexte RGirationgzTexte "
                                  u"RGirationgyTexte RayonGirationTexte NbrElementAffich NumElement "
                                  u"UniteDimSection1 AireTotaleValeur IgzValeur RGigyUnite AirePuissance "
                                  u"ZoneResultats PleinTexte ImageRectangle AideBoutton"_s)
                                     .split(u' ');
        QCOMPARE_ATTENDU("fenetre_donnee/explications.txt",
                         essai::explications(*m_p.messages, noms, [this](const QString& n) {
                             doubleCliquer(m_p.ctl(n.toUtf8().constData()));
                         }));
        QVERIFY(m_p.ctl<QRadioButton>("BouttonSoustraire")->isChecked()); // the click came first
    }

    void rayonsAvecUneAireNegative() {
        m_p.entrer(u"Rectangle"_s, u"10"_s, u"10"_s, u"0"_s, u"0"_s, true);
        m_p.fleche("SpinButton1", true);
        m_p.fleche("SpinButton2", true);
        m_p.entrer(u"Rectangle"_s, u"20"_s, u"20"_s, u"0"_s, u"0"_s, false);
        QCOMPARE(m_p.messages->prendre(), QStringList{essai::aireNegative});
        QCOMPARE(m_p.resultat(0), u"-300"_s);
        QCOMPARE(m_p.resultat(5), u"6,455"_s); // |Igz| / |A|
        doubleCliquer(m_p.ctl("RGirationgzTexte"));
        QCOMPARE(m_p.messages->prendre(),
                 QStringList{essai::lignes({u"Rayon de giration par rapport à l'axe Gz :"_s,
                                            u"iGz = (IGz/A)^0,5"_s, u"      = (-12500 / -300)^0,5"_s})});
        // The count's arrows recompute, and warn again.
        m_p.fleche("SpinButton1", true);
        QCOMPARE(m_p.messages->prendre(), QStringList{essai::aireNegative});
    }

    void rayonAvecUneAireDecimale_data() { exempleDeLAide_data(); }

    void rayonAvecUneAireDecimale() {
        QFETCH(bool, francais);
        if (!francais) {
            essai::localeAnglaise();
        }
        m_p.entrer(u"Rectangle"_s, nombre(u"2,5"_s), u"5"_s, u"0"_s, u"0"_s, true);
        doubleCliquer(m_p.ctl("RGirationgyTexte"));
        QCOMPARE(m_p.messages->prendre(),
                 QStringList{
                     essai::lignes({u"Rayon de giration par rapport à l'axe Gy :"_s, u"iGy = (IGy/A)^0,5"_s,
                                    u"      = ("_s + nombre(u"6,51041666666667"_s) + u" / "_s +
                                        nombre(u"12,5"_s) + u")^0,5"_s})});
    }

    void noteDeVersion() {
        const Section avant = *m_p.section;
        doubleCliquer(m_p.ctl("Image1"));
        const QStringList vus = m_p.messages->prendre();
        QCOMPARE(vus.size(), 1);
        const QStringList lignes = vus.first().split(u"\r\n"_s);
        QCOMPARE(lignes.size(), 3);
        QVERIFY(lignes[0].contains(u"Brivane"_s));
        QCOMPARE(lignes[1], u"Version n°2 du 14/11/06"_s);
        QVERIFY(lignes[2].contains(u"README"_s));
        QVERIFY(!vus.first().contains(u"http"_s) && !vus.first().contains(u"www"_s));
        QVERIFY(*m_p.section == avant);
    }

    void valeursTropGrandes() {
        m_p.entrer(u"Rectangle"_s, u"10"_s, u"10"_s, u"1"_s, u"2"_s, true);
        const QStringList panneauAvant = m_p.panneau();
        // A radius of 1E80, typed as 180 with the E slipped in, so that every keystroke is a number.
        m_p.choisirForme(u"Disque"_s);
        m_p.taper("DimSection1", u"180"_s);
        auto* rayon = m_p.ctl<QLineEdit>("DimSection1");
        QTest::keyClick(rayon, Qt::Key_Home);
        QTest::keyClick(rayon, Qt::Key_Right);
        QTest::keyClicks(rayon, u"E"_s);
        QCOMPARE(rayon->text(), u"1E80"_s);
        QCOMPARE(m_p.messages->prendre(), QStringList());
        const Section avant = *m_p.section;
        m_p.cliquer("BouttonAppliquer");
        const QStringList vus = m_p.messages->prendre();
        QCOMPARE(vus.size(), 1);
        QVERIFY(vus.first().contains(u"trop grandes"_s));
        QVERIFY(vus.first().contains(u"Rien n'a été modifié"_s));
        QVERIFY(*m_p.section == avant);
        QCOMPARE(m_p.panneau(), panneauAvant);
        QCOMPARE(rayon->text(), u"1E80"_s); // left for the user to correct
    }

    void sommeTropGrandeAuChangementDuNombre() {
        // Two elements that are each computable but not together: Zg x A x Zg is 1E308 for each.
        const auto entrerGrand = [this] {
            m_p.choisirForme(u"Rectangle"_s);
            m_p.taper("DimSection1", u"1"_s);
            m_p.taper("DimSection2", u"1"_s);
            m_p.taper("ZG", u"1154"_s);
            auto* zg = m_p.ctl<QLineEdit>("ZG");
            QTest::keyClick(zg, Qt::Key_Home);
            QTest::keyClick(zg, Qt::Key_Right);
            QTest::keyClicks(zg, u"E"_s);
            m_p.taper("YG", u"0"_s);
            m_p.cliquer("BouttonAppliquer");
        };
        m_p.fleche("SpinButton1", true);
        m_p.fleche("SpinButton2", true);
        entrerGrand();
        m_p.fleche("SpinButton1", false);
        entrerGrand();
        QCOMPARE(m_p.messages->prendre(), QStringList());
        const Section avant = *m_p.section;
        const QStringList panneauAvant = m_p.panneau();
        m_p.fleche("SpinButton1", true);
        const QStringList vus = m_p.messages->prendre();
        QCOMPARE(vus.size(), 1);
        QVERIFY(vus.first().contains(u"trop grandes"_s));
        QVERIFY(*m_p.section == avant);
        QCOMPARE(essai::texte(m_p.w(), "NbrElementAffich"), u"1"_s);
        QCOMPARE(m_p.panneau(), panneauAvant);
    }

    void fenetresOuvertes_data() {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<int>("fenetre");
        QTest::newRow("help") << u"AideBoutton"_s << 0;
        QTest::newRow("summary") << u"BouttonRecapitulatif"_s << 1;
        QTest::newRow("area") << u"AireTotaleBoutton"_s << 2;
        QTest::newRow("Zg") << u"ZgBoutton"_s << 3;
        QTest::newRow("Yg") << u"YgBoutton"_s << 4;
        QTest::newRow("Igz") << u"IgzBoutton"_s << 5;
        QTest::newRow("Igy") << u"IgyBoutton"_s << 6;
    }

    void fenetresOuvertes() {
        QFETCH(QString, bouton);
        QFETCH(int, fenetre);
        const auto trouvee = [this, fenetre] {
            return parmi<Aide, Recapitulatif, DetailAire, DetailZg, DetailYg, DetailIGZ, DetailIGY>(
                *m_p.registre, fenetre);
        };
        QCOMPARE(trouvee(), nullptr);
        m_p.cliquer(bouton.toUtf8().constData());
        QWidget* ouverte = trouvee();
        QVERIFY(ouverte != nullptr);
        QVERIFY(ouverte->isVisible());
        ouverte->close();
        m_p.cliquer(bouton.toUtf8().constData());
        QCOMPARE(trouvee(), ouverte); // the same window, shown again
        QVERIFY(ouverte->isVisible());
        // Closing the main window closes it too.
        m_p.w()->close();
        QVERIFY(!ouverte->isVisible());
    }

    void apercuQuiSuitLaSection() {
        m_p.cliquer("BouttonApercu");
        auto* apercu = m_p.registre->trouver<ApercuSection>();
        QVERIFY(apercu != nullptr && apercu->isVisible());
        QCOMPARE(essai::texte(apercu, "VsupValeur"), u"0"_s);
        // While it is open, "Appliquer" and the count arrows refresh it.
        m_p.entrerExemple();
        QCOMPARE(essai::texte(apercu, "VsupValeur"), u"40,21"_s);
        QCOMPARE(essai::texte(apercu, "Verification"), u"Aucune incohérence détectée."_s);
        m_p.fleche("SpinButton1", false); // the hole left out: the full square
        QCOMPARE(essai::texte(apercu, "VsupValeur"), u"35"_s);
        // Closed, it is left alone until opened again.
        apercu->close();
        m_p.fleche("SpinButton1", true);
        QCOMPARE(essai::texte(apercu, "VsupValeur"), u"35"_s);
        m_p.cliquer("BouttonApercu");
        QCOMPARE(essai::texte(apercu, "VsupValeur"), u"40,21"_s);
    }

    // The check's warning follows every change of the section, undo included, and opens the preview.
    void avertissementVerification() {
        auto* avertissement = m_p.ctl<QLabel>("AvertissementVerification");
        const auto vu = [&] { return avertissement->isVisible() ? avertissement->text() : u"[caché]"_s; };
        m_p.entrerExemple();
        QCOMPARE(vu(), u"[caché]"_s);
        m_p.entrer(u"Rectangle"_s, u"50"_s, u"50"_s, u"200"_s, u"40"_s, false); // element 2 outside
        QCOMPARE(vu(), u"1 incohérence : voir l'aperçu"_s);
        QCOMPARE(avertissement->accessibleName(), vu());
        m_p.fleche("SpinButton1", true);
        m_p.fleche("SpinButton2", true);
        m_p.entrer(u"Rectangle"_s, u"50"_s, u"50"_s, u"200"_s, u"40"_s, false); // and a hole on it
        QCOMPARE(vu(), u"3 incohérences : voir l'aperçu"_s);
        m_p.ctl<QAction>("ActionAnnuler")->trigger();
        QCOMPARE(vu(), u"1 incohérence : voir l'aperçu"_s);
        QTest::mouseClick(avertissement, Qt::LeftButton);
        QVERIFY(essai::fenetreNommee("ApercuSection", true) != nullptr);
        essai::fenetreNommee("ApercuSection")->close();
        avertissement->setFocus();
        QTest::keyClick(avertissement, Qt::Key_Space);
        QVERIFY(essai::fenetreNommee("ApercuSection", true) != nullptr);
        m_p.ctl<QAction>("ActionAnnuler")->trigger();
        m_p.ctl<QAction>("ActionAnnuler")->trigger();
        QCOMPARE(vu(), u"[caché]"_s);
    }
};

QTEST_MAIN(TestFenetreDonnee)
#include "test_fenetre_donnee.moc"
