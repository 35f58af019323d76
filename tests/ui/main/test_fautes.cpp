// Values too large for the computation, entered through the main window and the second-moment
// windows: each action shows its message and leaves the section, and every window showing it, as it
// was before the action, the element count included.

#include <QAbstractButton> // fixture.h uses it without including it

#include "fixture.h"
#include "programme.h"

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

const QString CalculImpossible =
    u"Les valeurs saisies sont trop grandes pour que le calcul puisse être effectué.\r\n"
    u"Rien n'a été modifié."_s;

// The windows that show the section, and the main-window buttons that open them.
struct Ouverture {
    const char* bouton;
    const char* fenetre;
};
constexpr Ouverture Ouvertures[] = {
    {"AireTotaleBoutton", "DetailAire"}, {"ZgBoutton", "DetailZg"},
    {"YgBoutton", "DetailYg"},           {"IgzBoutton", "DetailIGZ"},
    {"IgyBoutton", "DetailIGY"},         {"BouttonRecapitulatif", "Recapitulatif"},
    {"BouttonApercu", "ApercuSection"},
};

QWidget* fenetreNommee(const char* nom) {
    const QString n = QString::fromUtf8(nom);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == n) {
            return w;
        }
    }
    return nullptr;
}

// What a window shows: every caption with whether it is shown, and the typed coordinate of the
// second-moment windows.
using Photo = QMap<QString, QString>;

Photo photographier(const QWidget* fenetre, const char* nom) {
    Photo p;
    const QString prefixe = QString::fromUtf8(nom) + u'/';
    for (const QLabel* l : fenetre->findChildren<QLabel*>()) {
        p.insert(prefixe + l->objectName(), l->text() + (l->isVisibleTo(fenetre) ? u""_s : u" [caché]"_s));
    }
    if (qstrcmp(nom, "FenetreDonnee") != 0) {
        for (const QLineEdit* e : fenetre->findChildren<QLineEdit*>()) {
            p.insert(prefixe + e->objectName(), e->text());
        }
    }
    return p;
}

} // namespace

class TestFautes : public QObject {
    Q_OBJECT

private:
    QWidget* w() const { return m_p.fenetre.get(); }
    template <class T = QWidget> T* ctl(const QWidget* fenetre, const char* nom) const {
        T* c = essai::controle<T>(fenetre, nom);
        if (c == nullptr) {
            qFatal("missing control %s", nom);
        }
        return c;
    }
    void cliquer(const char* nom) { QTest::mouseClick(ctl(w(), nom), Qt::LeftButton); }
    void fleche(const char* toupie, bool haut) {
        QTest::mouseClick(ctl(w(), toupie)->findChild<QToolButton*>(haut ? u"haut"_s : u"bas"_s),
                          Qt::LeftButton);
    }
    void choisirForme(const QString& forme) {
        auto* liste = ctl<QListWidget>(w(), "ListeForme");
        const auto items = liste->findItems(forme, Qt::MatchExactly | Qt::MatchCaseSensitive);
        QCOMPARE(items.size(), 1);
        liste->scrollToItem(items.first());
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(items.first()).center());
    }
    // Replaces the text of a field by typing over it; then, when `insertion` is given, types it after
    // the first `position` characters: "1E80" is typed as "180" with the "E" slipped in after the
    // "1", so that the field holds a number at every keystroke.
    static void taper(QLineEdit* champ, const QString& texte, const QString& insertion = {},
                      int position = 1) {
        champ->setFocus();
        champ->selectAll();
        QTest::keyClicks(champ, texte);
        if (!insertion.isEmpty()) {
            QTest::keyClick(champ, Qt::Key_Home);
            for (int i = 0; i < position; ++i) {
                QTest::keyClick(champ, Qt::Key_Right);
            }
            QTest::keyClicks(champ, insertion);
        }
    }
    void taper(const char* champ, const QString& texte, const QString& insertion = {}, int position = 1) {
        taper(ctl<QLineEdit>(w(), champ), texte, insertion, position);
    }
    void appliquer(const QString& forme, const QString& d1, const QString& d2, const QString& zg,
                   const QString& yg, bool plein) {
        choisirForme(forme);
        taper("DimSection1", d1);
        if (!d2.isEmpty()) {
            taper("DimSection2", d2);
        }
        taper("ZG", zg);
        taper("YG", yg);
        cliquer(plein ? "ButtonAdditionner" : "BouttonSoustraire");
        cliquer("BouttonAppliquer");
    }
    // A disc of radius 1E50 centred at Y = 5,6E103: its transport term (Yg x A) x Yg is 9,85E307.
    void appliquerGrandDisque() {
        choisirForme(u"Disque"_s);
        taper("DimSection1", u"150"_s, u"E"_s);
        taper("ZG", u"0"_s);
        taper("YG", u"56103"_s, u","_s);
        QTest::keyClick(ctl(w(), "YG"), Qt::Key_Right);
        QTest::keyClicks(ctl(w(), "YG"), u"E"_s);
        QCOMPARE(ctl<QLineEdit>(w(), "DimSection1")->text(), u"1E50"_s);
        QCOMPARE(ctl<QLineEdit>(w(), "YG")->text(), u"5,6E103"_s);
        cliquer("BouttonAppliquer");
    }
    // The help page's example: a solid 70 x 70 square with a 50 x 50 square hole, total area 2400.
    void entrerExemple() {
        fleche("SpinButton1", true);
        appliquer(u"Rectangle"_s, u"70"_s, u"70"_s, u"35"_s, u"35"_s, true);
        fleche("SpinButton2", true);
        appliquer(u"Rectangle"_s, u"50"_s, u"50"_s, u"35"_s, u"40"_s, false);
        QCOMPARE(m_p.messages->prendre(), QStringList());
        QCOMPARE(essai::texte(w(), "AireTotaleValeur"), u"2400"_s);
    }
    void ouvrirTout() {
        for (const Ouverture& o : Ouvertures) {
            cliquer(o.bouton);
            QWidget* f = fenetreNommee(o.fenetre);
            QVERIFY2(f != nullptr && f->isVisible(), o.fenetre);
        }
    }
    // The main window's captions and those of every window that shows the section.
    Photo photographierTout() const {
        Photo p = photographier(w(), "FenetreDonnee");
        for (const Ouverture& o : Ouvertures) {
            if (const QWidget* f = fenetreNommee(o.fenetre)) {
                p.insert(photographier(f, o.fenetre));
            }
        }
        return p;
    }
    QImage dessinApercu() const { return fenetreNommee("ApercuSection")->grab().toImage(); }

    // After the action: one message, the given one; the section, the captions of every window and the
    // drawing of the preview as before, also once every window has been opened again.
    void verifierInchange(const QString& message, const Section& avant, const Photo& photoAvant,
                          const QImage& dessinAvant) {
        QCOMPARE(m_p.messages->prendre(), QStringList{message});
        QVERIFY(*m_p.section == avant);
        QCOMPARE(photographierTout(), photoAvant);
        QCOMPARE(dessinApercu(), dessinAvant);
        ouvrirTout();
        QCOMPARE(m_p.messages->prendre(), QStringList());
        QCOMPARE(photographierTout(), photoAvant);
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
        ouvrirTout();
        QCOMPARE(m_p.messages->prendre(), QStringList());
        // Element 2, the hole, becomes a disc of radius 1E80: R x R x R x R is 1E320.
        choisirForme(u"Disque"_s);
        taper("DimSection1", u"180"_s, u"E"_s);
        QCOMPARE(ctl<QLineEdit>(w(), "DimSection1")->text(), u"1E80"_s);
        QCOMPARE(m_p.messages->prendre(), QStringList());
        const Section avant = *m_p.section;
        const Photo photoAvant = photographierTout();
        QCOMPARE(photoAvant.value(u"DetailAire/A2Valeur"_s), u"-2500"_s);
        const QImage dessinAvant = dessinApercu();

        cliquer("BouttonAppliquer");
        verifierInchange(CalculImpossible, avant, photoAvant, dessinAvant);
        QCOMPARE(m_p.section->element(2).Forme, std::string("Rectangle"));
        QCOMPARE(ctl<QLineEdit>(w(), "DimSection1")->text(), u"1E80"_s); // left for the user to correct
    }

    void deuxElementsQuiDebordentEnsemble() {
        // Element 2 applied while element 1 is still the zero rectangle, then element 1 while the count
        // leaves element 2 out: each is fine alone.
        fleche("SpinButton1", true);
        fleche("SpinButton2", true);
        appliquerGrandDisque();
        fleche("SpinButton1", false);
        QCOMPARE(essai::texte(w(), "NumElement"), u"1"_s);
        appliquerGrandDisque();
        QCOMPARE(m_p.messages->prendre(), QStringList());
        QCOMPARE(m_p.section->NbrElement, 1);
        QCOMPARE(m_p.section->element(2).Forme, std::string("Disque"));
        ouvrirTout();
        QCOMPARE(m_p.messages->prendre(), QStringList());
        const Section avant = *m_p.section;
        const Photo photoAvant = photographierTout();
        QCOMPARE(photoAvant.value(u"FenetreDonnee/NbrElementAffich"_s), u"1"_s);
        QCOMPARE(photoAvant.value(u"Recapitulatif/Form1"_s), u"Disque"_s);
        QVERIFY(photoAvant.value(u"Recapitulatif/Form2"_s).endsWith(u" [caché]"_s));
        const QImage dessinAvant = dessinApercu();

        // Together: 9,85E307 + 9,85E307 leaves the double range.
        fleche("SpinButton1", true);
        verifierInchange(CalculImpossible, avant, photoAvant, dessinAvant);
        QCOMPARE(essai::texte(w(), "NbrElementAffich"), u"1"_s);
        QCOMPARE(m_p.section->NbrElement, 1);
    }

    void tableauTropGrand() {
        // A solid of 1E10 mm² at Z = 0 and a hole of nearly the same area at Z = -1E140: the total area
        // is about 1 and Zg about 1E150, so the totals hold, but the first row's transport term,
        // (Zg x Zg) x 1E10, is 1E310.
        fleche("SpinButton1", true);
        appliquer(u"Rectangle"_s, u"100000"_s, u"100000"_s, u"0"_s, u"0"_s, true);
        fleche("SpinButton2", true);
        choisirForme(u"Rectangle"_s);
        taper("DimSection1", u"100000"_s);
        taper("DimSection2", u"99999,99999"_s);
        taper("ZG", u"-1140"_s, u"E"_s, 2);
        QCOMPARE(ctl<QLineEdit>(w(), "ZG")->text(), u"-1E140"_s);
        taper("YG", u"0"_s);
        cliquer("BouttonSoustraire");
        cliquer("BouttonAppliquer");
        QCOMPARE(m_p.messages->prendre(), QStringList());
        QVERIFY(m_p.section->Zg > 1E149);
        const Section avant = *m_p.section;

        cliquer("IgyBoutton");
        QCoreApplication::processEvents(); // the platform's activation, and the message said after it
        QCOMPARE(m_p.messages->prendre(),
                 QStringList{u"Une valeur du tableau est trop grande pour être calculée : le détail du "
                             u"calcul de Igy ne peut pas être affiché."_s});
        QVERIFY(*m_p.section == avant);
        const QWidget* detail = fenetreNommee("DetailIGY");
        for (const char* ligne :
             {"i1", "A1Valeur", "ZG1", "AZZ1Valeur", "i2", "A2Valeur", "ZG2", "AZZ2Valeur"}) {
            QVERIFY2(!ctl(detail, ligne)->isVisibleTo(detail), ligne);
        }
        // The section's own figures are still shown, as in the main window.
        QCOMPARE(essai::texte(detail, "IGYValeur"), essai::texte(w(), "IgyValeur"));
        QCOMPARE(essai::texte(detail, "IGYPuissance"), essai::texte(w(), "Iypuissance"));
        // The other axis has nothing too large.
        cliquer("IgzBoutton");
        QCoreApplication::processEvents();
        QCOMPARE(m_p.messages->prendre(), QStringList());
        QVERIFY(ctl(fenetreNommee("DetailIGZ"), "AYY2Valeur")->isVisibleTo(fenetreNommee("DetailIGZ")));
    }

    void momentDecaleSansValeurPerimee() {
        // A 10 x 10 square at O: Iy about the axis Zo = 0 is its Igy, 833,3.
        appliquer(u"Rectangle"_s, u"10"_s, u"10"_s, u"0"_s, u"0"_s, true);
        cliquer("IgyBoutton");
        QWidget* detail = fenetreNommee("DetailIGY");
        QCOMPARE(essai::texte(detail, "IyValeur"), u"833,3"_s);
        // Now a square of 1E-10 mm² at Z = 1E155: the totals hold ((Zg x A) x Zg is 1E300) but the
        // axis Zo = 0 lies 1E155 from G, and d x d is 1E310.
        for (const char* nom : {"DimSection1", "DimSection2"}) {
            taper(nom, u"15"_s, u"E"_s); // 1E5, then 1E-5
            QTest::keyClicks(ctl(w(), nom), u"-"_s);
        }
        taper("ZG", u"1155"_s, u"E"_s);
        QCOMPARE(ctl<QLineEdit>(w(), "DimSection1")->text(), u"1E-5"_s);
        QCOMPARE(ctl<QLineEdit>(w(), "ZG")->text(), u"1E155"_s);
        cliquer("BouttonAppliquer");
        QCOMPARE(m_p.messages->prendre(), QStringList());
        cliquer("IgyBoutton");
        QCoreApplication::processEvents();
        // The user typed nothing: the axis Zo = 0 is the one too far.
        QCOMPARE(m_p.messages->prendre(),
                 QStringList{u"L'axe Zo = 0 est trop loin du centre de gravité : le moment quadratique "
                             u"\"Iy\" ne peut pas être calculé."_s});
        // Nothing of the square before is left on show, nor repeated by the pop-up of Iy.
        QCOMPARE(essai::texte(detail, "IyValeur"), QString());
        QVERIFY(!ctl(detail, "EIy")->isVisibleTo(detail));
        QVERIFY(!ctl(detail, "IyPuissance")->isVisibleTo(detail));
        QTest::mouseClick(ctl(detail, "Label36"), Qt::LeftButton);
        QCOMPARE(m_p.messages->prendre(), QStringList());
        // In the centroidal frame the same axis is just as far, and Zo is set back to 0 there: the axis
        // through G, whose second moment is the section's.
        QTest::mouseClick(ctl(detail, "Label30"), Qt::LeftButton);
        QCOMPARE(m_p.messages->prendre().size(), 1);
        QCOMPARE(ctl<QLineEdit>(detail, "Z")->text(), u"0"_s);
        QCOMPARE(essai::texte(detail, "IyValeur"), essai::texte(w(), "IgyValeur"));
    }

    void verificationDeFormesTresDifferentes() {
        // A triangle of 320 x 999 mm and a hole 6,85E17 mm long across it: the preview's check of the
        // holes against the material works on shapes sizes 15 decades apart.
        appliquer(u"Triangle"_s, u"320"_s, u"999"_s, u"-76"_s, u"21"_s, true);
        fleche("SpinButton1", true);
        fleche("SpinButton2", true);
        appliquer(u"Rectangle"_s, u"685130310889198904"_s, u"74"_s, u"300"_s, u"-164"_s, false);
        QCOMPARE(m_p.messages->prendre(),
                 QStringList{u"L'aire totale est négative, veuillez vérifier les données"_s});
        cliquer("BouttonApercu");
        QCOMPARE(m_p.messages->prendre(), QStringList());
        // Nearly all of the hole lies outside the triangle.
        const QString constat = essai::texte(fenetreNommee("ApercuSection"), "Verification");
        QVERIFY2(constat.startsWith(u"Le trou n° 2 sort de la matière (5,0699"_s), qPrintable(constat));
    }

    void coordonneeDeLAxeTropGrande_data() {
        QTest::addColumn<QString>("fenetre");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("message");
        QTest::newRow("Zo")
            << u"DetailIGY"_s << u"Z"_s
            << u"La valeur de Zo est trop grande : le moment quadratique \"Iy\" ne peut pas être "
               u"calculé.\r\nZo est remis à 0."_s;
        QTest::newRow("Yo")
            << u"DetailIGZ"_s << u"Y"_s
            << u"La valeur de Yo est trop grande : le moment quadratique \"Iz\" ne peut pas être "
               u"calculé.\r\nYo est remis à 0."_s;
    }

    void coordonneeDeLAxeTropGrande() {
        QFETCH(QString, fenetre);
        QFETCH(QString, champ);
        QFETCH(QString, message);
        entrerExemple();
        ouvrirTout();
        QWidget* detail = fenetreNommee(fenetre.toUtf8().constData());
        auto* coordonnee = ctl<QLineEdit>(detail, champ.toUtf8().constData());
        QCOMPARE(coordonnee->text(), u"0"_s);
        const Section avant = *m_p.section;
        const Photo photoAvant = photographierTout();
        const QImage dessinAvant = dessinApercu();

        // 1E200: d x d is 1E400.
        taper(coordonnee, u"1200"_s, u"E"_s);
        QCOMPARE(coordonnee->text(), u"0"_s);
        verifierInchange(message, avant, photoAvant, dessinAvant);
    }
};

QTEST_MAIN(TestFautes)
#include "test_fautes.moc"
