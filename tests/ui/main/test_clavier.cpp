// The program used from the keyboard alone: the focus moves through each window in reading order,
// Entrée applies the element from any field of the input zone, the spin buttons answer the arrow
// keys, clickable pictures answer Space, and Échap closes the secondary windows.

#include "fixture.h"
#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "programme.h"
#include "ui/aux/aide.h"
#include "ui/aux/apercu_section.h"
#include "ui/aux/exemple.h"
#include "ui/aux/recapitulatif.h"
#include "ui/aux/zoom_forme.h"
#include "ui/detail/detail_aire.h"
#include "ui/detail/detail_centre.h"
#include "ui/detail/detail_moment.h"
#include "ui/main/fenetre_donnee.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

using namespace modele;

using namespace Qt::StringLiterals;

namespace {

using Ouvrir = std::function<plateforme::FenetreSecondaire&(plateforme::Registre&, const Section&)>;

template <class W> Ouvrir avecSection() {
    return [](plateforme::Registre& r, const Section& s) -> plateforme::FenetreSecondaire& {
        return r.ouvrir<W>(s);
    };
}
template <class W> Ouvrir avecRegistre() {
    return [](plateforme::Registre& r, const Section&) -> plateforme::FenetreSecondaire& {
        return r.ouvrir<W>(r);
    };
}
template <class W> Ouvrir seule() {
    return [](plateforme::Registre& r, const Section&) -> plateforme::FenetreSecondaire& {
        return r.ouvrir<W>();
    };
}

} // namespace

Q_DECLARE_METATYPE(Ouvrir)

class TestClavier : public QObject {
    Q_OBJECT

    static QString focus() {
        const QWidget* f = QApplication::focusWidget();
        return f != nullptr ? f->objectName() : u"<none>"_s;
    }
    // Presses Tab from the focus until the focus comes back where it started; the names met.
    static QStringList tourDeTabulation(QWidget* fenetre) {
        QStringList noms{focus()};
        for (int i = 0; i < 60; ++i) {
            QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : fenetre,
                            Qt::Key_Tab);
            if (focus() == noms.first()) {
                return noms;
            }
            noms << focus();
        }
        noms << u"<no cycle>"_s;
        return noms;
    }
    static void montrerActive(QWidget* f) {
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
    }
    // A key pressed where the focus is, `fois` times.
    static void touche(Qt::Key k, int fois = 1) {
        for (int i = 0; i < fois; ++i) {
            QTest::keyClick(QApplication::focusWidget(), k);
        }
    }
    // Moves the focus with Tab to the control of that name.
    void tabulerJusqua(const QString& nom) {
        for (int i = 0; i < 40 && focus() != nom; ++i) {
            touche(Qt::Key_Tab);
        }
        QCOMPARE(focus(), nom);
    }
    void taper(const QString& champ, const QString& texte) {
        tabulerJusqua(champ);
        auto* e = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(e != nullptr);
        e->selectAll();
        QTest::keyClicks(e, texte);
        QCOMPARE(e->text(), texte);
    }
    // Under BRIVANE_CAPTURES, the other windows of the program on the same section, for a look by eye.
    void capturerLesAutres() {
        if (qEnvironmentVariableIsEmpty("BRIVANE_CAPTURES")) {
            return;
        }
        const std::pair<Ouvrir, QString> fenetres[] = {
            {avecSection<DetailAire>(), u"detail_aire.png"_s},
            {avecSection<DetailZg>(), u"detail_zg.png"_s},
            {avecSection<DetailYg>(), u"detail_yg.png"_s},
            {avecSection<DetailIGZ>(), u"detail_igz.png"_s},
            {avecSection<Recapitulatif>(), u"recapitulatif.png"_s},
            {avecRegistre<Aide>(), u"aide.png"_s},
            {avecRegistre<Exemple>(), u"exemple.png"_s},
            {seule<ExempleDonnee>(), u"exemple_donnee.png"_s},
            {seule<ExempleDetail>(), u"exemple_detail.png"_s},
        };
        for (const auto& [ouvrir, fichier] : fenetres) {
            plateforme::FenetreSecondaire& f = ouvrir(*m_p.registre, *m_p.section);
            QVERIFY(QTest::qWaitForWindowExposed(&f));
            QVERIFY(essai::capturer(&f, fichier));
        }
        QCOMPARE(m_p.messages->prendre(), QStringList());
    }

    essai::Programme m_p;

private Q_SLOTS:
    void initTestCase() { essai::localeFrancaise(); }

    void init() {
        m_p.construire();
        montrerActive(m_p.w());
        m_p.ctl("SpinButton1")->setFocus(Qt::TabFocusReason);
    }

    void cleanup() { m_p.arreter(); }

    void ordreDeLaFenetreDonnee_data() {
        QTest::addColumn<QString>("forme");
        QTest::addColumn<QStringList>("ordre");
        const auto ordre = [](const QString& milieu) {
            return (u"SpinButton1 AideBoutton SpinButton2 BouttonRecapitulatif ListeForme DimSection1 "_s +
                    milieu + u" BouttonApercu AireTotaleBoutton ZgBoutton YgBoutton IgzBoutton IgyBoutton"_s)
                .split(u' ');
        };
        // Of the two option buttons, only the chosen one is a stop; the height field only when the
        // shape has one; the sketch of the chosen shape opens the zoom.
        QTest::newRow("rectangle")
            << u"Rectangle"_s
            << ordre(u"DimSection2 ZG YG ButtonAdditionner BouttonAppliquer ImageRectangle"_s);
        QTest::newRow("disc") << u"Disque"_s
                              << ordre(u"ZG YG ButtonAdditionner BouttonAppliquer ImageDisque"_s);
    }

    void ordreDeLaFenetreDonnee() {
        QFETCH(QString, forme);
        QFETCH(QStringList, ordre);
        auto* liste = m_p.ctl<QListWidget>("ListeForme");
        liste->setCurrentItem(liste->findItems(forme, Qt::MatchExactly).value(0));
        QCOMPARE(liste->currentItem()->text(), forme);
        m_p.ctl("SpinButton1")->setFocus(Qt::TabFocusReason);
        QCOMPARE(tourDeTabulation(m_p.w()), ordre);
    }

    void ordreDesFenetresSecondaires_data() {
        QTest::addColumn<Ouvrir>("ouvrir");
        QTest::addColumn<QString>("premier");
        QTest::addColumn<QStringList>("ordre");
        QTest::newRow("Exemple") << avecRegistre<Exemple>() << u"ImageDonnee"_s
                                 << QStringList{u"ImageDonnee"_s, u"Image1"_s};
        QTest::newRow("Aide") << avecRegistre<Aide>() << u"BouttonExemple"_s
                              << QStringList{u"BouttonExemple"_s};
        QTest::newRow("DetailIGY") << avecSection<DetailIGY>() << u"Z"_s << QStringList{u"Z"_s};
        QTest::newRow("DetailIGZ") << avecSection<DetailIGZ>() << u"Y"_s << QStringList{u"Y"_s};
    }

    void ordreDesFenetresSecondaires() {
        QFETCH(Ouvrir, ouvrir);
        QFETCH(QString, premier);
        QFETCH(QStringList, ordre);
        plateforme::FenetreSecondaire& f = ouvrir(*m_p.registre, *m_p.section);
        montrerActive(&f);
        QWidget* depart = f.findChild<QWidget*>(premier);
        QVERIFY(depart != nullptr);
        depart->setFocus(Qt::TabFocusReason);
        QCOMPARE(tourDeTabulation(&f), ordre);
    }

    void entreeAppliqueLElement_data() {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<int>("touche");
        for (const QString& champ : {u"DimSection1"_s, u"DimSection2"_s, u"ZG"_s, u"YG"_s}) {
            QTest::addRow("%s Return", qPrintable(champ)) << champ << int(Qt::Key_Return);
            QTest::addRow("%s Enter", qPrintable(champ)) << champ << int(Qt::Key_Enter);
        }
    }

    void entreeAppliqueLElement() {
        QFETCH(QString, champ);
        QFETCH(int, touche);
        taper(u"DimSection1"_s, u"70"_s);
        taper(u"DimSection2"_s, u"60"_s);
        taper(u"ZG"_s, u"35"_s);
        taper(u"YG"_s, u"-10"_s);
        QCOMPARE(m_p.section->Atotale, 0.0); // nothing is applied while typing
        m_p.ctl(champ.toUtf8().constData())->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(touche));
        QCOMPARE(m_p.messages->prendre(), QStringList());
        QCOMPARE(m_p.section->element(1).Aire, 4200.0);
        QCOMPARE(m_p.section->element(1).Yg, -10.0);
        QCOMPARE(essai::texte(m_p.w(), "AireTotaleValeur"), u"4200"_s);
        QCOMPARE(essai::texte(m_p.w(), "YgValeur"), u"-10"_s);
        QCOMPARE(focus(), champ); // the user goes on typing where they were
    }

    void entreeRefuseUnChampVide() {
        taper(u"DimSection1"_s, u"70"_s);
        taper(u"ZG"_s, u"-"_s); // a lone minus sign passes the keystroke check, not "Appliquer"
        touche(Qt::Key_Return);
        QCOMPARE(m_p.messages->prendre().size(), 1);
        QCOMPARE(m_p.section->element(1).Aire, 0.0);
        QCOMPARE(essai::texte(m_p.w(), "AireTotaleValeur"), u"0"_s);
    }

    void toupiesAuClavier() {
        QCOMPARE(focus(), u"SpinButton1"_s);
        touche(Qt::Key_Up, 2);
        QCOMPARE(essai::texte(m_p.w(), "NbrElementAffich"), u"3"_s);
        touche(Qt::Key_Down);
        QCOMPARE(essai::texte(m_p.w(), "NbrElementAffich"), u"2"_s);
        QCOMPARE(m_p.section->NbrElement, 2);
        tabulerJusqua(u"SpinButton2"_s);
        touche(Qt::Key_Up, 2); // the second stays at the count
        QCOMPARE(essai::texte(m_p.w(), "NumElement"), u"2"_s);
        touche(Qt::Key_Down);
        QCOMPARE(essai::texte(m_p.w(), "NumElement"), u"1"_s);
        QCOMPARE(m_p.section->ElementCourant, 1);
    }

    void listeAuClavier() {
        tabulerJusqua(u"ListeForme"_s);
        touche(Qt::Key_Down, 2);
        QCOMPARE(m_p.ctl<QListWidget>("ListeForme")->currentItem()->text(), u"Disque"_s);
        QCOMPARE(QString::fromStdString(m_p.section->FormeSelectionnee), u"Disque"_s);
        QCOMPARE(essai::texte(m_p.w(), "DimSection1Texte"), u"Rayon ="_s);
        QVERIFY(!m_p.ctl("DimSection2")->isVisibleTo(m_p.w()));
    }

    // The help page's example, entered without the mouse: a solid 70 x 70 square with a 50 x 50
    // square hole; then "Détailler Igy" from the keyboard.
    void exempleSansSouris() {
        touche(Qt::Key_Up);
        taper(u"DimSection1"_s, u"70"_s);
        taper(u"DimSection2"_s, u"70"_s);
        taper(u"ZG"_s, u"35"_s);
        taper(u"YG"_s, u"35"_s);
        touche(Qt::Key_Return);
        tabulerJusqua(u"SpinButton2"_s);
        touche(Qt::Key_Up);
        QCOMPARE(essai::texte(m_p.w(), "NumElement"), u"2"_s);
        taper(u"DimSection1"_s, u"50"_s);
        taper(u"DimSection2"_s, u"50"_s);
        taper(u"ZG"_s, u"35"_s);
        taper(u"YG"_s, u"40"_s);
        tabulerJusqua(u"ButtonAdditionner"_s);
        touche(Qt::Key_Down); // to "Soustraire" within the frame
        QVERIFY(m_p.ctl<QRadioButton>("BouttonSoustraire")->isChecked());
        tabulerJusqua(u"BouttonAppliquer"_s);
        touche(Qt::Key_Space);
        QCOMPARE(m_p.messages->prendre(), QStringList());
        QCOMPARE(m_p.panneau(), (QStringList{u"2400"_s, u"35"_s, u"29,79"_s, u"135,2 E4"_s, u"148 E4"_s,
                                             u"23,74"_s, u"24,83"_s}));
        QVERIFY(essai::capturer(m_p.w(), u"fenetre_donnee.png"_s));

        tabulerJusqua(u"IgyBoutton"_s);
        touche(Qt::Key_Space);
        auto* detail = m_p.registre->trouver<DetailIGY>();
        QVERIFY(detail != nullptr);
        QVERIFY(detail->isVisible());
        QCOMPARE(essai::texte(detail, "IGYValeur"), u"148"_s);
        QCOMPARE(essai::texte(detail, "IGYPuissance"), u"4"_s);
        QVERIFY(essai::capturer(detail, u"detail_igy.png"_s));
        capturerLesAutres();
    }

    void imagesAuClavier() {
        tabulerJusqua(u"ImageRectangle"_s);
        touche(Qt::Key_Space);
        auto* zoom = m_p.registre->trouver<ZoomForme>();
        QVERIFY(zoom != nullptr);
        QVERIFY(zoom->isVisible());

        Exemple& exemple = m_p.registre->ouvrir<Exemple>(*m_p.registre);
        montrerActive(&exemple);
        exemple.findChild<QWidget*>(u"ImageDonnee"_s)->setFocus(Qt::TabFocusReason);
        touche(Qt::Key_Return);
        QVERIFY(m_p.registre->trouver<ExempleDonnee>() != nullptr);
        QVERIFY(m_p.registre->trouver<ExempleDetail>() == nullptr);
        montrerActive(&exemple);
        exemple.findChild<QWidget*>(u"Image1"_s)->setFocus(Qt::TabFocusReason);
        touche(Qt::Key_Space);
        QVERIFY(m_p.registre->trouver<ExempleDetail>() != nullptr);
    }

    void echapFermeLesFenetresSecondaires_data() {
        QTest::addColumn<Ouvrir>("ouvrir");
        QTest::newRow("DetailAire") << avecSection<DetailAire>();
        QTest::newRow("DetailYg") << avecSection<DetailYg>();
        QTest::newRow("DetailZg") << avecSection<DetailZg>();
        QTest::newRow("DetailIGY") << avecSection<DetailIGY>();
        QTest::newRow("DetailIGZ") << avecSection<DetailIGZ>();
        QTest::newRow("Recapitulatif") << avecSection<Recapitulatif>();
        QTest::newRow("ZoomForme") << avecSection<ZoomForme>();
        QTest::newRow("ApercuSection") << avecSection<ApercuSection>();
        QTest::newRow("Aide") << avecRegistre<Aide>();
        QTest::newRow("Exemple") << avecRegistre<Exemple>();
        QTest::newRow("ExempleDonnee") << seule<ExempleDonnee>();
        QTest::newRow("ExempleDetail") << seule<ExempleDetail>();
    }

    void echapFermeLesFenetresSecondaires() {
        QFETCH(Ouvrir, ouvrir);
        plateforme::FenetreSecondaire& f = ouvrir(*m_p.registre, *m_p.section);
        montrerActive(&f);
        // From inside the window: its first focus stop when it has one.
        for (QWidget* c : f.findChildren<QWidget*>()) {
            if ((c->focusPolicy() & Qt::TabFocus) != 0 && c->isVisibleTo(&f)) {
                c->setFocus(Qt::TabFocusReason);
                break;
            }
        }
        QWidget* cible = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &f;
        QTest::keyClick(cible, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
        QVERIFY(m_p.w()->isVisible());
        // Opened again, it is the same window.
        QCOMPARE(&ouvrir(*m_p.registre, *m_p.section), &f);
        QVERIFY(f.isVisible());
    }

    void echapNeFermePasLaFenetreDonnee() {
        tabulerJusqua(u"ZG"_s);
        touche(Qt::Key_Escape);
        QVERIFY(m_p.w()->isVisible());
    }
};

QTEST_MAIN(TestClavier)
#include "test_clavier.moc"
