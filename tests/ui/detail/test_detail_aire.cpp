#include "attendu.h"
#include "fixture.h"
#include "sections.h"

#include "model/calcul.h"
#include "platform/qt/controles.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/geometrie.h"
#include "platform/qt/locale.h"
#include "ui/detail/detail_aire.h"

#include <QWindow>

using namespace modele;

using namespace Qt::StringLiterals;

namespace {

using essai::nom;
using essai::visible;

// Makes element k current (raising the count if needed) and applies it as the main window would.
void saisir(Section& s, int k, const char* forme, const char* d1, const char* d2, bool additionner = true,
            const char* zg = "0", const char* yg = "0") {
    QVERIFY(essai::saisir(s, k, {forme, d1, d2, zg, yg, additionner}));
}

// An element's area as its row shows it, and the row: "3 | 2,5 E-3".
const essai::Cellule aire{"A%1Valeur", "E%1", "A%1Puissance"};
const essai::Cellule totale{"ATotaleValeur", "EAire", "ATotalePuissance"};
QString rangee(const QWidget* f, int k) {
    return essai::rangee(f, {{"i%1"}, aire}, k);
}

} // namespace

class TestDetailAire : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { essai::localeFrancaise(); }
    void init() { m_section = Section{}; }
    void cleanup() { m_registre.reset(); }

    void fenetre() {
        DetailAire& f = ouvrir();
        QCOMPARE(f.objectName(), u"DetailAire"_s);
        QCOMPARE(f.windowTitle(), u"Calcul de l'aire"_s);
        QCOMPARE(f.size(), QSize(plateforme::mm(48.7), plateforme::mm(57.2)));
        QCOMPARE(f.palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(!f.isModal());
        // The same window every time.
        QCOMPARE(&ouvrir(), &f);
    }

    void disposition() {
        DetailAire& f = ouvrir();
        const auto rect = [&](const char* n) { return essai::place(essai::controle(&f, n)); };
        QCOMPARE(rect("i1"), plateforme::rectangle({6.4, 6.35, 4.2, 4.2}));
        QCOMPARE(rect("A10Valeur"), plateforme::rectangle({17.6, 6.35 + 9 * 4.233, 9.2, 4.2}));
        QCOMPARE(rect("E10"), plateforme::rectangle({27.2, 6.35 + 9 * 4.233 + 0.7, 2.1, 2.1}));
        QCOMPARE(rect("A5Puissance"), plateforme::rectangle({29.6, 6.35 + 4 * 4.233, 12.3, 4.2}));
        // The lowered index keeps its line and size; its left edge follows the "A" (test_lisibilite).
        QCOMPARE(rect("TexteTotale").translated(-rect("TexteTotale").x(), 0),
                 plateforme::rectangle({2.8, 51.9, 10.6, 4.2}).translated(-plateforme::mm(2.8), 0));
        QCOMPARE(rect("Label12"), plateforme::rectangle({40.2, 50.8, 10.6, 4.2}));
        QCOMPARE(essai::texte(&f, "TexteA"), u"A          ="_s);
        QCOMPARE(essai::texte(&f, "Unité"), u"[mm²]"_s);
        QCOMPARE(essai::controle(&f, "E3")->font().pointSizeF(), 6.0);
        QVERIFY(essai::controle(&f, "EAire")->font().bold());
        QCOMPARE(essai::controle(&f, "TexteTotale")->font().pointSizeF(), 6.75);
        for (const char* n : {"ATotaleValeur", "EAire", "ATotalePuissance", "Label12"}) {
            QCOMPARE(essai::controle(&f, n)->cursor().shape(), Qt::UpArrowCursor);
        }
        for (const char* n : {"A1Valeur", "TexteA", "i1", "Unité"}) {
            QVERIFY2(!essai::controle(&f, n)->testAttribute(Qt::WA_SetCursor), n);
        }
    }

    void rangeesAuDelaDuNombre() {
        for (int k = 1; k <= 10; ++k) {
            saisir(m_section, k, "Rectangle", "10", "20");
        }
        DetailAire& f = ouvrir();
        for (int k = 1; k <= 10; ++k) {
            QCOMPARE(rangee(&f, k), QString::number(k) + u" | 200"_s);
        }
        for (int i = 0; i < 7; ++i) {
            changerNombreElements(m_section, -1);
        }
        QCOMPARE(m_section.NbrElement, 3);
        ouvrir();
        for (int k = 1; k <= 10; ++k) {
            QCOMPARE(rangee(&f, k), k <= 3 ? QString::number(k) + u" | 200"_s : u"· | ·"_s);
        }
        QCOMPARE(essai::cellule(&f, totale), u"600"_s);
    }

    void notationDesAires_data() {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("hauteur");
        QTest::addColumn<QString>("mantisse");
        QTest::addColumn<QString>("exposant"); // empty: E and exponent hidden

        QTest::newRow("500 mm²") << u"20"_s << u"25"_s << u"500"_s << QString();
        QTest::newRow("1234,5 mm²") << u"1234,5"_s << u"1"_s << u"1234"_s << QString();
        QTest::newRow("20000 mm²") << u"100"_s << u"200"_s << u"200"_s << u"2"_s;
        QTest::newRow("0,0025 mm²") << u"0,05"_s << u"0,05"_s << u"2,5"_s << u"-3"_s;
        QTest::newRow("nulle") << u"0"_s << u"30"_s << u"0"_s << QString();
    }

    void notationDesAires() {
        QFETCH(QString, base);
        QFETCH(QString, hauteur);
        QFETCH(QString, mantisse);
        QFETCH(QString, exposant);
        saisir(m_section, 1, "Rectangle", "1", "1");
        saisir(m_section, 2, "Rectangle", base.toUtf8().constData(), hauteur.toUtf8().constData());
        DetailAire& f = ouvrir();
        QCOMPARE(essai::cellule(&f, aire, 2), exposant.isEmpty() ? mantisse : mantisse + u" E"_s + exposant);
        // Row 1 (area 1) keeps its own notation.
        QCOMPARE(essai::cellule(&f, aire, 1), u"1"_s);
    }

    void trou() {
        saisir(m_section, 1, "Disque", "10", "0", false);
        DetailAire& f = ouvrir();
        QCOMPARE(essai::cellule(&f, aire, 1), u"-314,2"_s);
        QCOMPARE(essai::texte(&f, "ATotaleValeur"), u"-314,2"_s);

        essai::Messages messages;
        QCOMPARE_ATTENDU("detail_aire/trou.txt",
                         essai::explications(messages, {u"A1Valeur"_s}, essai::doubleClicsSur(&f)));
    }

    // The explanation of an element's area, by shape and row (the spaces as the window has them), in a
    // golden file.
    void explication() {
        const std::vector<std::tuple<int, const char*, const char*, const char*>> elements{
            {1, "Rectangle", "30", "60"},
            {4, "Rectangle", "12,5", "4"},
            {9, "Triangle", "30", "60"},
            {10, "Triangle", "30", "60"},
            {2, "Disque", "10", "200"},
            {3, "Demi disque supérieur", "10", "0"},
            {10, "Demi disque supérieur", "10", "0"},
            {10, "Demi disque gauche", "10", "0"},
            {7, "Demi disque inférieur", "10", "0"},
            {10, "Quart de disque inférieur droite", "10", "0"},
            {5, "Quart de disque supérieur gauche", "10", "0"}};
        QString t;
        for (const auto& [k, forme, d1, d2] : elements) {
            m_registre.reset();
            m_section = Section{};
            saisir(m_section, k, forme, d1, d2);
            DetailAire& f = ouvrir();
            essai::Messages messages;
            t += essai::explications(messages, {nom("A%1Valeur", k)}, essai::doubleClicsSur(&f));
        }
        QCOMPARE_ATTENDU("detail_aire/explications.txt", t);
    }

    void pasDExplicationAuDelaDuNombre() {
        saisir(m_section, 4, "Rectangle", "10", "10");
        changerNombreElements(m_section, -1);
        DetailAire& f = ouvrir();
        essai::Messages messages;
        essai::doubleClicSur(&f, "A4Valeur");
        QCOMPARE(messages.nombre(), 0);
        essai::doubleClicSur(&f, "A3Valeur");
        QCOMPARE(messages.nombre(), 1);
    }

    void totalTroisUnites_data() {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("hauteur");
        QTest::newRow("2500") << u"50"_s << u"50"_s;
        QTest::newRow("20000") << u"100"_s << u"200"_s;
    }

    // The total area in three units, from each visible one of its four labels (a hidden one receives
    // nothing), in a golden file.
    void totalTroisUnites() {
        QFETCH(QString, base);
        QFETCH(QString, hauteur);
        saisir(m_section, 1, "Rectangle", base.toUtf8().constData(), hauteur.toUtf8().constData());
        DetailAire& f = ouvrir();
        QStringList visibles{u"ATotaleValeur"_s, u"EAire"_s, u"ATotalePuissance"_s, u"Label12"_s};
        visibles.removeIf([&f](const QString& n) { return !visible(&f, n); });
        essai::Messages messages;
        QCOMPARE_ATTENDU("detail_aire/total-" + std::string(QTest::currentDataTag()) + ".txt",
                         essai::explications(messages, visibles, essai::clicsSur(&f)));
    }

    void aireTotaleNulle() {
        // A solid and the same hole cancel exactly.
        saisir(m_section, 1, "Rectangle", "10", "20");
        saisir(m_section, 2, "Rectangle", "10", "20", false);
        QCOMPARE(m_section.Atotale, 0.0);
        DetailAire& f = ouvrir();
        QCOMPARE(essai::cellule(&f, totale), u"0"_s);
        QVERIFY(visible(&f, "Label12"));
        QCOMPARE(essai::texte(&f, "A2Valeur"), u"-200"_s);
        essai::Messages messages;
        QCOMPARE_ATTENDU("detail_aire/total-nul.txt",
                         essai::explications(messages, {u"Label12"_s}, essai::clicsSur(&f)));
    }

    void legendes() {
        DetailAire& f = ouvrir();
        essai::Messages messages;
        // The last four react to nothing.
        QCOMPARE_ATTENDU("detail_aire/legendes.txt",
                         essai::explications(messages, {u"TexteA"_s}, essai::doubleClicsSur(&f)) +
                             essai::explications(messages, {u"TexteTotale"_s}, essai::clicsSur(&f)) +
                             essai::explications(messages,
                                                 {u"AdeAi"_s, u"Label3"_s, u"ideAi"_s, u"Unité"_s, u"i1"_s},
                                                 essai::doubleClicsSur(&f)) +
                             essai::explications(messages, {u"A1Valeur"_s}, essai::clicsSur(&f)));
    }

    // Clicks at window coordinates, as a user does: the lowered index "Totale" lies over "A =", and the
    // click at its centre must reach it.
    void indiceCliquableSurSonTitre() {
        DetailAire& f = ouvrir();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        essai::Messages messages;
        const QPoint totale = essai::controle(&f, "TexteTotale")->geometry().center();
        QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, totale);
        QCOMPARE(messages.nombre(), 1);
        // The small "i" over the "A" of the area heading does not stop the double-click on "A".
        const QPoint a = essai::controle(&f, "AdeAi")->geometry().topLeft() + QPoint(2, 3);
        QCOMPARE(f.childAt(a), essai::controle(&f, "AdeAi"));
        messages.prendre();
        QTest::mouseDClick(f.windowHandle(), Qt::LeftButton, {}, a);
        QCOMPARE(messages.prendre(),
                 QStringList{u"Aire calculée en fonction de la forme et des dimensions saisies."_s});
    }

    void reouvertureApresChangement() {
        saisir(m_section, 1, "Rectangle", "10", "20");
        DetailAire& f = ouvrir();
        QCOMPARE(essai::texte(&f, "A1Valeur"), u"200"_s);
        QVERIFY(!visible(&f, "i2"));
        saisir(m_section, 2, "Rectangle", "100", "200");
        // The window was left open; the next request shows the new data.
        ouvrir();
        QCOMPARE(essai::cellule(&f, aire, 2), u"200 E2"_s);
        QCOMPARE(essai::cellule(&f, totale), u"202 E2"_s);
        // Closed and opened again: the same.
        f.close();
        saisir(m_section, 1, "Rectangle", "1", "5");
        ouvrir();
        QVERIFY(f.isVisible());
        QCOMPARE(essai::texte(&f, "A1Valeur"), u"5"_s);
    }

    void lectureSeule() {
        saisir(m_section, 1, "Triangle", "30", "60");
        saisir(m_section, 2, "Disque", "10", "0", false);
        const Section avant = m_section;
        DetailAire& f = ouvrir();
        essai::Messages messages;
        essai::doubleClicSur(&f, "A1Valeur");
        essai::clicSur(&f, "ATotaleValeur");
        f.activer();
        QVERIFY(m_section == avant);
        QCOMPARE(messages.nombre(), 2);
    }

    void captures() {
        saisir(m_section, 1, "Rectangle", "100", "200");
        saisir(m_section, 2, "Disque", "10", "0", false);
        saisir(m_section, 3, "Triangle", "0,05", "0,1");
        DetailAire& f = ouvrir();
        essai::capturer(&f, u"aire_3.png"_s);
        for (int k = 4; k <= 10; ++k) {
            saisir(m_section, k, "Quart de disque supérieur droite", QByteArray::number(k * 7).constData(),
                   "0");
        }
        ouvrir();
        essai::capturer(&f, u"aire_10.png"_s);
        QCOMPARE(essai::cellule(&f, aire, 3), u"2,5 E-3"_s);
        QCOMPARE(essai::cellule(&f, aire, 2), u"-314,2"_s);
    }

private:
    DetailAire& ouvrir() {
        if (!m_registre) {
            m_registre = std::make_unique<plateforme::Registre>();
        }
        return m_registre->ouvrir<DetailAire>(std::as_const(m_section));
    }

    Section m_section;
    std::unique_ptr<plateforme::Registre> m_registre;
};

QTEST_MAIN(TestDetailAire)
#include "test_detail_aire.moc"
