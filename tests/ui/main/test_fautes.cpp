// Values too large for the computation, entered through the main window and the second-moment
// windows: each action shows its message and leaves the section, and every window showing it, as it
// was before the action, the element count included.

#include <QAbstractButton> // fixture.h uses it without including it

#include "fixture.h"
#include "programme.h"
#include "sections.h"

#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "ui/main/fenetre_donnee.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QToolButton>
#include <memory>
#include <optional>

using namespace modele;

using namespace Qt::StringLiterals;

namespace {

using essai::fenetreNommee;
using essai::Photo;

} // namespace

class TestFautes : public QObject {
    Q_OBJECT

private:
    // Replaces the text of a field by typing over it; then, when `insertion` is given, types it after
    // the first `position` characters: "1E80" is typed as "180" with the "E" slipped in after the
    // "1", so that the field holds a number at every keystroke.
    static void taper(QLineEdit* champ, const QString& texte, const QString& insertion = {},
                      int position = 1) {
        essai::taper(champ, texte);
        if (!insertion.isEmpty()) {
            QTest::keyClick(champ, Qt::Key_Home);
            for (int i = 0; i < position; ++i) {
                QTest::keyClick(champ, Qt::Key_Right);
            }
            QTest::keyClicks(champ, insertion);
        }
    }
    void taper(const char* champ, const QString& texte, const QString& insertion = {}, int position = 1) {
        taper(m_p.ctl<QLineEdit>(champ), texte, insertion, position);
    }
    // A disc of radius 1E50 centred at Y = 5,6E103: its transport term (Yg x A) x Yg is 9,85E307.
    void appliquerGrandDisque() {
        m_p.choisirForme(u"Disque"_s);
        taper("DimSection1", u"150"_s, u"E"_s);
        taper("ZG", u"0"_s);
        taper("YG", u"56103"_s, u","_s);
        QTest::keyClick(m_p.ctl("YG"), Qt::Key_Right);
        QTest::keyClicks(m_p.ctl("YG"), u"E"_s);
        QCOMPARE(m_p.ctl<QLineEdit>("DimSection1")->text(), u"1E50"_s);
        QCOMPARE(m_p.ctl<QLineEdit>("YG")->text(), u"5,6E103"_s);
        m_p.cliquer("BouttonAppliquer");
    }
    // The help page's example: a solid 70 x 70 square with a 50 x 50 square hole, total area 2400.
    void entrerExemple() {
        m_p.entrerExemple();
        QCOMPARE(m_p.messages->prendre(), QStringList());
        QCOMPARE(essai::texte(m_p.w(), "AireTotaleValeur"), u"2400"_s);
    }
    QImage dessinApercu() const {
        auto* apercu = qobject_cast<ApercuSection*>(fenetreNommee("ApercuSection"));
        apercu->attendreTorsion(); // the shear centre, drawn once computed
        return apercu->grab().toImage();
    }

    // After the action: one message, the given one (none when empty); the section, the captions of every
    // window and the drawing of the preview as before, also once every window has been opened again.
    void verifierInchange(const QString& message, const Section& avant, const Photo& photoAvant,
                          const QImage& dessinAvant) {
        QCOMPARE(m_p.messages->prendre(), message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(*m_p.section == avant);
        QCOMPARE(m_p.photographierTout(), photoAvant);
        QCOMPARE(dessinApercu(), dessinAvant);
        m_p.ouvrirTout();
        QCOMPARE(m_p.messages->prendre(), QStringList());
        QCOMPARE(m_p.photographierTout(), photoAvant);
        QCOMPARE(dessinApercu(), dessinAvant);
    }

    essai::Programme m_p;

private Q_SLOTS:
    void initTestCase() {
        essai::localeFrancaise();
        essai::taireRaiseOffscreen();
    }

    void init() {
        essai::localeFrancaise();
        QVERIFY(m_p.demarrer());
    }

    void cleanup() { m_p.arreter(); }

    void rayonDontLaPuissanceQuatreDeborde() {
        entrerExemple();
        m_p.ouvrirTout();
        QCOMPARE(m_p.messages->prendre(), QStringList());
        // Element 2, the hole, becomes a disc of radius 1E80: R x R x R x R is 1E320.
        m_p.choisirForme(u"Disque"_s);
        taper("DimSection1", u"180"_s, u"E"_s);
        QCOMPARE(m_p.ctl<QLineEdit>("DimSection1")->text(), u"1E80"_s);
        QCOMPARE(m_p.messages->prendre(), QStringList());
        const Section avant = *m_p.section;
        const Photo photoAvant = m_p.photographierTout();
        QCOMPARE(photoAvant.value(u"DetailAire/A2Valeur"_s), u"-2500"_s);
        const QImage dessinAvant = dessinApercu();

        m_p.cliquer("BouttonAppliquer");
        verifierInchange(essai::calculImpossible, avant, photoAvant, dessinAvant);
        QCOMPARE(m_p.section->element(2).Forme, std::string("Rectangle"));
        QCOMPARE(m_p.ctl<QLineEdit>("DimSection1")->text(), u"1E80"_s); // left for the user to correct
    }

    void deuxElementsQuiDebordentEnsemble() {
        // Element 2 applied while element 1 is still the zero rectangle, then element 1 while the count
        // leaves element 2 out: each is fine alone.
        m_p.fleche("SpinButton1", true);
        m_p.fleche("SpinButton2", true);
        appliquerGrandDisque();
        m_p.fleche("SpinButton1", false);
        QCOMPARE(essai::texte(m_p.w(), "NumElement"), u"1"_s);
        appliquerGrandDisque();
        QCOMPARE(m_p.messages->prendre(), QStringList());
        QCOMPARE(m_p.section->NbrElement, 1);
        QCOMPARE(m_p.section->element(2).Forme, std::string("Disque"));
        m_p.ouvrirTout();
        QCOMPARE(m_p.messages->prendre(), QStringList());
        const Section avant = *m_p.section;
        const Photo photoAvant = m_p.photographierTout();
        QCOMPARE(photoAvant.value(u"FenetreDonnee/NbrElementAffich"_s), u"1"_s);
        QCOMPARE(photoAvant.value(u"Recapitulatif/Form1"_s), u"Disque"_s);
        QVERIFY(photoAvant.value(u"Recapitulatif/Form2"_s).endsWith(u" [caché]"_s));
        const QImage dessinAvant = dessinApercu();

        // Together: 9,85E307 + 9,85E307 leaves the double range.
        m_p.fleche("SpinButton1", true);
        verifierInchange(essai::calculImpossible, avant, photoAvant, dessinAvant);
        QCOMPARE(essai::texte(m_p.w(), "NbrElementAffich"), u"1"_s);
        QCOMPARE(m_p.section->NbrElement, 1);
    }

    void momentDecaleSansValeurPerimee() {
        // A 10 x 10 square at O: Iy about the axis Zo = 0 is its Igy, 833,3.
        m_p.entrer(u"Rectangle"_s, u"10"_s, u"10"_s, u"0"_s, u"0"_s, true);
        m_p.cliquer("IgyBoutton");
        QWidget* detail = fenetreNommee("DetailIGY");
        QCOMPARE(essai::texte(detail, "IyValeur"), u"833,3"_s);
        // Now a square of 1E-10 mm² at Z = 1E155: the totals hold ((Zg x A) x Zg is 1E300) but the
        // axis Zo = 0 lies 1E155 from G, and d x d is 1E310.
        for (const char* nom : {"DimSection1", "DimSection2"}) {
            taper(nom, u"15"_s, u"E"_s); // 1E5, then 1E-5
            QTest::keyClicks(m_p.ctl(nom), u"-"_s);
        }
        taper("ZG", u"1155"_s, u"E"_s);
        QCOMPARE(m_p.ctl<QLineEdit>("DimSection1")->text(), u"1E-5"_s);
        QCOMPARE(m_p.ctl<QLineEdit>("ZG")->text(), u"1E155"_s);
        m_p.cliquer("BouttonAppliquer");
        QCOMPARE(m_p.messages->prendre(), QStringList());
        m_p.cliquer("IgyBoutton");
        QCoreApplication::processEvents();
        // The user typed nothing: the axis Zo = 0 is the one too far.
        QCOMPARE(m_p.messages->prendre(), QStringList{essai::fautesIgy.axeZeroTropLoin});
        // Nothing of the square before is left on show, nor repeated by the pop-up of Iy.
        QCOMPARE(essai::texte(detail, "IyValeur"), QString());
        QVERIFY(!essai::exige(detail, "EIy")->isVisibleTo(detail));
        QVERIFY(!essai::exige(detail, "IyPuissance")->isVisibleTo(detail));
        QTest::mouseClick(essai::exige(detail, "Label36"), Qt::LeftButton);
        QCOMPARE(m_p.messages->prendre(), QStringList());
        // In the centroidal frame the same axis is just as far, and Zo is set back to 0 there: the axis
        // through G, whose second moment is the section's.
        QTest::mouseClick(essai::exige(detail, "Label30"), Qt::LeftButton);
        QCOMPARE(m_p.messages->prendre().size(), 1);
        QCOMPARE(essai::exige<QLineEdit>(detail, "Z")->text(), u"0"_s);
        QCOMPARE(essai::texte(detail, "IyValeur"), essai::texte(m_p.w(), "IgyValeur"));
    }

    void verificationDeFormesTresDifferentes() {
        // A triangle of 320 x 999 mm and a hole 6,85E17 mm long across it: the preview's check of the
        // holes against the material works on shapes sizes 15 decades apart.
        m_p.entrer(u"Triangle"_s, u"320"_s, u"999"_s, u"-76"_s, u"21"_s, true);
        m_p.fleche("SpinButton1", true);
        m_p.fleche("SpinButton2", true);
        m_p.entrer(u"Rectangle"_s, u"685130310889198904"_s, u"74"_s, u"300"_s, u"-164"_s, false);
        QCOMPARE(m_p.messages->prendre(), QStringList{essai::aireNegative});
        m_p.cliquer("BouttonApercu");
        QCOMPARE(m_p.messages->prendre(), QStringList());
        // Nearly all of the hole lies outside the triangle.
        const QString constat = essai::texte(fenetreNommee("ApercuSection"), "Verification");
        QVERIFY2(constat.startsWith(u"Le trou n° 2 sort de la matière (5,0699"_s), qPrintable(constat));
    }

    // A typed axis whose square leaves the range of a double, in either frame, typed key by key or
    // pasted: said, the axis back to 0, and nothing else changed anywhere, not even the pop-up of the
    // second moment about the axis.
    void coordonneeDeLAxeTropGrande_data() {
        QTest::addColumn<QString>("fenetre");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<bool>("centre");
        QTest::addColumn<QString>("colle"); // pasted over the field, else "1E200" typed
        QTest::addColumn<QString>("message");
        const auto& y = essai::fautesIgy;
        const auto& z = essai::fautesIgz;
        QTest::newRow("Zo") << u"DetailIGY"_s << u"Z"_s << false << QString() << y.coordonneeTropGrande;
        QTest::newRow("Yo") << u"DetailIGZ"_s << u"Y"_s << false << QString() << z.coordonneeTropGrande;
        QTest::newRow("Zo collé") << u"DetailIGY"_s << u"Z"_s << false << u"1E200"_s
                                  << y.coordonneeTropGrande;
        QTest::newRow("Zo collé, (G, Z, Y)")
            << u"DetailIGY"_s << u"Z"_s << true << u"1E200"_s << y.coordonneeTropGrande;
        QTest::newRow("Yo collé") << u"DetailIGZ"_s << u"Y"_s << false << u"-3E250"_s
                                  << z.coordonneeTropGrande;
    }

    void coordonneeDeLAxeTropGrande() {
        QFETCH(QString, fenetre);
        QFETCH(QString, champ);
        QFETCH(bool, centre);
        QFETCH(QString, colle);
        QFETCH(QString, message);
        entrerExemple();
        m_p.ouvrirTout();
        QWidget* detail = fenetreNommee(fenetre.toUtf8().constData());
        if (centre) {
            essai::clic(detail, "Label30");
            QCOMPARE(essai::texte(detail, "Repere"), essai::repereCentre);
        }
        auto* coordonnee = essai::exige<QLineEdit>(detail, champ.toUtf8().constData());
        QCOMPARE(coordonnee->text(), u"0"_s);
        essai::clic(detail, "Label36");
        const QStringList momentAvant = m_p.messages->prendre();
        QCOMPARE(momentAvant.size(), 1);
        const Section avant = *m_p.section;
        const Photo photoAvant = m_p.photographierTout();
        const QImage dessinAvant = dessinApercu();

        if (colle.isEmpty()) {
            taper(coordonnee, u"1200"_s, u"E"_s); // 1E200: d x d is 1E400
        } else {
            coordonnee->selectAll();
            coordonnee->insert(colle); // key by key, "1E" alone would not be a number yet
        }
        QCOMPARE(coordonnee->text(), u"0"_s);
        essai::clic(detail, "Label36");
        QCOMPARE(m_p.messages->prendre(), (QStringList{message} + momentAvant));
        verifierInchange({}, avant, photoAvant, dessinAvant);
    }
};

QTEST_MAIN(TestFautes)
#include "test_fautes.moc"
