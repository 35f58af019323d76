// Copying a window's table into other programs: Ctrl+C and "Copier" in the summary and in each detail
// window put the table on the clipboard as tab-separated text (one cell per figure, at full precision
// in the user's locale) and as HTML, both golden files; a text field holding a selection copies that
// selection instead.

#include "attendu.h"
#include "fixture.h"

#include "sections.h"

#include "platform/qt/presse_papiers.h"
#include "ui/aux/recapitulatif.h"
#include "ui/detail/detail_aire.h"
#include "ui/detail/detail_centre.h"
#include "ui/detail/detail_moment.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

enum class Fenetre { Recapitulatif, Aire, Yg, Zg, Igy, Igz };

template <class W> QWidget& ouvrirLa(plateforme::Registre& r, const modele::Section& s) {
    return essai::ouvrir<W>(r, s);
}

// The window of that kind, in the order of `Fenetre`.
QWidget& ouvrirFenetre(plateforme::Registre& r, const modele::Section& s, Fenetre f) {
    using Ouvrir = QWidget& (*)(plateforme::Registre&, const modele::Section&);
    const Ouvrir ouvrir[] = {ouvrirLa<Recapitulatif>, ouvrirLa<DetailAire>, ouvrirLa<DetailYg>,
                             ouvrirLa<DetailZg>,      ouvrirLa<DetailIGY>,  ouvrirLa<DetailIGZ>};
    return ouvrir[static_cast<int>(f)](r, s);
}

// How the user asks for the copy.
enum class Geste { CtrlC, MenuCopier };

void demanderCopie(QWidget& fenetre, Geste geste) {
    if (geste == Geste::CtrlC) {
        QTest::keyClick(&fenetre, Qt::Key_C, Qt::ControlModifier);
        return;
    }
    const QPoint milieu = fenetre.rect().center();
    Q_EMIT fenetre.customContextMenuRequested(milieu);
    auto* menu = fenetre.findChild<QMenu*>();
    QVERIFY(menu != nullptr);
    const QList<QAction*> actions = menu->actions();
    QCOMPARE(actions.size(), 1);
    QCOMPARE(actions.first()->text(), u"Copier"_s);
    actions.first()->trigger();
    menu->close();
}

QString presse() {
    return QGuiApplication::clipboard()->text();
}

} // namespace

class TestCopie : public QObject {
    Q_OBJECT

private:
    modele::Section m_exemple;

private Q_SLOTS:
    void initTestCase() {
        essai::localeFrancaise();
        m_exemple = essai::construire(essai::exempleAide);
    }
    void init() {
        essai::localeFrancaise();
        QGuiApplication::clipboard()->clear();
    }

    // The help page's example in each window, as the cells a spreadsheet receives.
    void tableau_data() {
        QTest::addColumn<Fenetre>("fenetre");
        QTest::addColumn<modele::Section>("section");
        QTest::addColumn<bool>("anglais");
        const modele::Section exemple = essai::construire(essai::exempleAide);
        QTest::newRow("recapitulatif") << Fenetre::Recapitulatif << exemple << false;
        // A shape without a second dimension leaves its cell empty, as the window does.
        QTest::newRow("recapitulatif-disque")
            << Fenetre::Recapitulatif << essai::construire({{"Disque", "10", "0", "0", "0"}}) << false;
        QTest::newRow("aire") << Fenetre::Aire << exemple << false;
        QTest::newRow("yg") << Fenetre::Yg << exemple << false;
        QTest::newRow("yg-anglais") << Fenetre::Yg << exemple << true;
        QTest::newRow("zg") << Fenetre::Zg << exemple << false;
        QTest::newRow("igy") << Fenetre::Igy << exemple << false;
        // The distances at full precision, where the window rounds them to 5,2083 and 10,208.
        QTest::newRow("igz") << Fenetre::Igz << exemple << false;
    }
    void tableau() {
        QFETCH(Fenetre, fenetre);
        QFETCH(modele::Section, section);
        QFETCH(bool, anglais);
        if (anglais) {
            essai::localeAnglaise();
        }
        const std::string nom = "copie/" + std::string(QTest::currentDataTag());
        for (const Geste geste : {Geste::CtrlC, Geste::MenuCopier}) {
            QGuiApplication::clipboard()->clear();
            plateforme::Registre r;
            demanderCopie(ouvrirFenetre(r, section, fenetre), geste);
            QCOMPARE_ATTENDU(nom + ".txt", presse());
            QCOMPARE_ATTENDU(nom + ".html", QGuiApplication::clipboard()->mimeData()->html());
        }
    }

    // The two forms a table takes on the clipboard: a tab or a line end inside a cell cannot split it,
    // and the HTML escapes every text.
    void formes_data() {
        QTest::addColumn<plateforme::Tableau>("tableau");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("html");
        QTest::newRow("simple")
            << plateforme::Tableau{{u"a"_s, u"b"_s}, {u"1"_s, u"2,5"_s}} << u"a\tb\n1\t2,5\n"_s
            << u"<table><tr><th>a</th><th>b</th></tr><tr><td>1</td><td>2,5</td></tr></table>"_s;
        QTest::newRow("séparateurs dans une case")
            << plateforme::Tableau{{u"a\tb"_s}, {u"c\r\nd"_s}} << u"a b\nc  d\n"_s
            << u"<table><tr><th>a\tb</th></tr><tr><td>c\r\nd</td></tr></table>"_s;
        QTest::newRow("balises") << plateforme::Tableau{{u"<b>&"_s}} << u"<b>&\n"_s
                                 << u"<table><tr><th>&lt;b&gt;&amp;</th></tr></table>"_s;
    }
    void formes() {
        QFETCH(plateforme::Tableau, tableau);
        QFETCH(QString, texte);
        QFETCH(QString, html);
        QCOMPARE(plateforme::texteTabule(tableau), texte);
        QCOMPARE(plateforme::texteHtml(tableau), html);
        const std::unique_ptr<QMimeData> donnees(plateforme::donneesTableau(tableau));
        QCOMPARE(donnees->text(), texte);
        QCOMPARE(donnees->html(), html);
    }

    // In the second-moment window, the typed coordinate with a selection copies that selection; the
    // same field focused with nothing selected lets the window copy its table.
    void champSelectionne_data() {
        QTest::addColumn<bool>("igz");
        QTest::addColumn<bool>("selection");
        QTest::addColumn<QString>("attendu"); // the clipboard's text, or its first row
        QTest::newRow("Zo sélectionné") << false << true << u"12,5"_s;
        QTest::newRow("Yo sélectionné") << true << true << u"12,5"_s;
        QTest::newRow("Zo sans sélection") << false << false << u"i\tAi [mm²]"_s;
        QTest::newRow("Yo sans sélection") << true << false << u"i\tAi [mm²]"_s;
    }
    void champSelectionne() {
        QFETCH(bool, igz);
        QFETCH(bool, selection);
        QFETCH(QString, attendu);
        plateforme::Registre r;
        QWidget& w = ouvrirFenetre(r, m_exemple, igz ? Fenetre::Igz : Fenetre::Igy);
        auto* champ = essai::exige<QLineEdit>(&w, igz ? "Y" : "Z");
        essai::taper(champ, u"12,5"_s);
        if (selection) {
            champ->selectAll();
        } else {
            champ->deselect();
        }
        QVERIFY(champ->hasFocus());
        QTest::keyClick(champ, Qt::Key_C, Qt::ControlModifier);
        QVERIFY2(presse().startsWith(attendu), qPrintable(presse()));
        QCOMPARE(presse() == attendu, selection);
        QCOMPARE(champ->text(), u"12,5"_s); // the copy changes nothing
    }
};

QTEST_MAIN(TestCopie)
#include "test_copie.moc"
