// Copying a window's table into other programs: Ctrl+C and "Copier" in the summary and in each detail
// window put the table on the clipboard as tab-separated text (one cell per figure, at full precision
// in the user's locale) and as HTML; a text field holding a selection copies that selection instead.

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

QWidget& ouvrirFenetre(plateforme::Registre& r, const modele::Section& s, Fenetre f) {
    switch (f) {
    case Fenetre::Recapitulatif:
        return essai::ouvrir<Recapitulatif>(r, s);
    case Fenetre::Aire:
        return essai::ouvrir<DetailAire>(r, s);
    case Fenetre::Yg:
        return essai::ouvrir<DetailYg>(r, s);
    case Fenetre::Zg:
        return essai::ouvrir<DetailZg>(r, s);
    case Fenetre::Igy:
        return essai::ouvrir<DetailIGY>(r, s);
    case Fenetre::Igz:
        return essai::ouvrir<DetailIGZ>(r, s);
    }
    qFatal("unknown window");
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

// The rows of the clipboard's text, each split into its cells.
QList<QStringList> cellules(const QString& texte) {
    QList<QStringList> rangees;
    QStringList lignes = texte.split(u'\n');
    if (!lignes.isEmpty() && lignes.last().isEmpty()) {
        lignes.removeLast(); // the end of the last row
    }
    for (const QString& l : lignes) {
        rangees.append(l.split(u'\t'));
    }
    return rangees;
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
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QList<QStringList>>("attendu");
        const QString fr = u"fr"_s;
        QTest::newRow("récapitulatif")
            << Fenetre::Recapitulatif << fr
            << QList<QStringList>{{u"Numéro"_s, u"Forme de l'élément"_s, u"Dimension 1"_s, u"Dimension 2"_s,
                                   u"Zg"_s, u"Yg"_s, u"Signe"_s},
                                  {u"1"_s, u"Rectangle"_s, u"70"_s, u"70"_s, u"35"_s, u"35"_s, u"+"_s},
                                  {u"2"_s, u"Rectangle"_s, u"50"_s, u"50"_s, u"35"_s, u"40"_s, u"-"_s}};
        QTest::newRow("aire") << Fenetre::Aire << fr
                              << QList<QStringList>{{u"i"_s, u"Ai [mm²]"_s},
                                                    {u"1"_s, u"4900"_s},
                                                    {u"2"_s, u"-2500"_s},
                                                    {u"Atotale"_s, u"2400"_s}};
        QTest::newRow("Yg") << Fenetre::Yg << fr
                            << QList<QStringList>{{u"i"_s, u"Ai [mm²]"_s, u"YGi [mm]"_s, u"Ai x YGi [mm³]"_s},
                                                  {u"1"_s, u"4900"_s, u"35"_s, u"171500"_s},
                                                  {u"2"_s, u"-2500"_s, u"40"_s, u"-100000"_s},
                                                  {u"Total"_s, u"2400"_s, u"29,7916666666667"_s, u"71500"_s}};
        QTest::newRow("Yg, anglais") << Fenetre::Yg << u"en"_s
                                     << QList<QStringList>{
                                            {u"i"_s, u"Ai [mm²]"_s, u"YGi [mm]"_s, u"Ai x YGi [mm³]"_s},
                                            {u"1"_s, u"4900"_s, u"35"_s, u"171500"_s},
                                            {u"2"_s, u"-2500"_s, u"40"_s, u"-100000"_s},
                                            {u"Total"_s, u"2400"_s, u"29.7916666666667"_s, u"71500"_s}};
        QTest::newRow("Zg") << Fenetre::Zg << fr
                            << QList<QStringList>{{u"i"_s, u"Ai [mm²]"_s, u"ZGi [mm]"_s, u"Ai x ZGi [mm³]"_s},
                                                  {u"1"_s, u"4900"_s, u"35"_s, u"171500"_s},
                                                  {u"2"_s, u"-2500"_s, u"35"_s, u"-87500"_s},
                                                  {u"Total"_s, u"2400"_s, u"35"_s, u"84000"_s}};
        QTest::newRow("Igy") << Fenetre::Igy << fr
                             << QList<QStringList>{{u"i"_s, u"Ai [mm²]"_s, u"ZGi [mm]"_s, u"Ai x ZGi [mm³]"_s,
                                                    u"Ai x ZGi² [mm⁴]"_s, u"IGYi [mm⁴]"_s,
                                                    u"Ai x ZGi² + IGYi [mm⁴]"_s},
                                                   {u"1"_s, u"4900"_s, u"0"_s, u"0"_s, u"0"_s,
                                                    u"2000833,33333333"_s, u"2000833,33333333"_s},
                                                   {u"2"_s, u"-2500"_s, u"0"_s, u"0"_s, u"0"_s,
                                                    u"-520833,333333333"_s, u"-520833,333333333"_s},
                                                   {u"Total"_s, {}, {}, u"0"_s, {}, {}, u"1480000"_s}};
        // The distances at full precision, where the window rounds them to 5,2083 and 10,208.
        QTest::newRow("Igz")
            << Fenetre::Igz << fr
            << QList<QStringList>{
                   {u"i"_s, u"Ai [mm²]"_s, u"YGi [mm]"_s, u"Ai x YGi [mm³]"_s, u"Ai x YGi² [mm⁴]"_s,
                    u"IGZi [mm⁴]"_s, u"Ai x YGi² + IGZi [mm⁴]"_s},
                   {u"1"_s, u"4900"_s, u"5,20833333333333"_s, u"25520,8333333333"_s, u"132921,006944444"_s,
                    u"2000833,33333333"_s, u"2133754,34027778"_s},
                   {u"2"_s, u"-2500"_s, u"10,2083333333333"_s, u"-25520,8333333333"_s, u"-260525,173611111"_s,
                    u"-520833,333333333"_s, u"-781358,506944444"_s},
                   {u"Total"_s, {}, {}, u"-3,63797880709171E-12"_s, {}, {}, u"1352395,83333333"_s}};
    }
    void tableau() {
        QFETCH(Fenetre, fenetre);
        QFETCH(QString, locale);
        QFETCH(QList<QStringList>, attendu);
        if (locale == u"en"_s) {
            essai::localeAnglaise();
        }
        for (const Geste geste : {Geste::CtrlC, Geste::MenuCopier}) {
            QGuiApplication::clipboard()->clear();
            plateforme::Registre r;
            QWidget& w = ouvrirFenetre(r, m_exemple, fenetre);
            demanderCopie(w, geste);
            QCOMPARE(cellules(presse()), attendu);
            // The same table as HTML: a header cell per heading, a data cell per other cell.
            const QString html = QGuiApplication::clipboard()->mimeData()->html();
            QCOMPARE(html.count(u"<th>"_s), attendu.first().size());
            QCOMPARE(html.count(u"<td>"_s), (attendu.size() - 1) * attendu.first().size());
            QCOMPARE(html.count(u"<tr>"_s), attendu.size());
        }
    }

    // A shape without a second dimension leaves its cell empty, as the window does.
    void recapitulatifDisque() {
        const modele::Section s = essai::construire({{"Disque", "10", "0", "0", "0"}});
        plateforme::Registre r;
        QWidget& w = essai::ouvrir<Recapitulatif>(r, s);
        demanderCopie(w, Geste::CtrlC);
        QCOMPARE(cellules(presse()).value(1),
                 (QStringList{u"1"_s, u"Disque"_s, u"10"_s, {}, u"0"_s, u"0"_s, u"+"_s}));
        QVERIFY(QGuiApplication::clipboard()->mimeData()->html().contains(u"<td>10</td><td></td>"_s));
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
