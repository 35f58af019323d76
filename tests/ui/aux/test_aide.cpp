// The help page and the worked example: the way from one to the other, and the captions that are laid
// over the gaps of other captions.

#include <QAbstractButton> // fixture.h uses it without including it

#include "fixture.h"

#include "platform/qt/controles.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/geometrie.h"
#include "ui/aux/aide.h"
#include "ui/aux/exemple.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// How many top-level windows of that name exist, and how many of them are shown.
struct Compte {
    int existantes = 0;
    int visibles = 0;
};
Compte compter(const QString& nom) {
    Compte c;
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == nom) {
            ++c.existantes;
            c.visibles += w->isVisible() ? 1 : 0;
        }
    }
    return c;
}

// The shown top-level window of that name.
QWidget* fenetre(const QString& nom) {
    return essai::fenetreNommee(nom, true);
}

void cliquer(QWidget* w) {
    QVERIFY(w != nullptr);
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// Where, in window pixels, the characters [debut, fin) of a label's caption are drawn.
struct Etendue {
    double gauche;
    double droite;
};
Etendue etendue(const QLabel* l, qsizetype debut, qsizetype fin) {
    const QFontMetricsF fm(l->font());
    const double x = l->x();
    return {x + fm.horizontalAdvance(l->text().left(debut)), x + fm.horizontalAdvance(l->text().left(fin))};
}

// The number of lines a label draws its caption on, in its font and width.
int lignesAffichees(const QLabel* l) {
    if (!l->wordWrap()) {
        const QFontMetricsF fm(l->font());
        const double largeur =
            std::max(fm.horizontalAdvance(l->text()), fm.tightBoundingRect(l->text()).right());
        return largeur <= l->width() ? 1 : 0;
    }
    QTextLayout mise(l->text(), l->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    mise.setTextOption(option);
    mise.beginLayout();
    int n = 0;
    for (QTextLine ligne = mise.createLine(); ligne.isValid(); ligne = mise.createLine()) {
        ligne.setLineWidth(l->width());
        ++n;
    }
    mise.endLayout();
    return n;
}

} // namespace

class TestAide : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<plateforme::Registre> m_fenetres;

private Q_SLOTS:
    void initTestCase() { essai::localeFrancaise(); }
    void init() { m_fenetres = std::make_unique<plateforme::Registre>(); }
    void cleanup() { m_fenetres.reset(); }

    // "Aide", "Voir l'exemple", then each small sketch: four windows, each once, however often asked.
    void parcours() {
        const QStringList noms{u"Aide"_s, u"Exemple"_s, u"ExempleDonnee"_s, u"ExempleDetail"_s};
        for (int fois = 1; fois <= 2; ++fois) {
            QWidget* aide = &m_fenetres->ouvrir<Aide>(*m_fenetres);
            cliquer(essai::controle(aide, "BouttonExemple"));
            QWidget* exemple = fenetre(u"Exemple"_s);
            QVERIFY(exemple != nullptr);
            cliquer(essai::controle(exemple, "ImageDonnee"));
            cliquer(essai::controle(exemple, "Image1"));
            for (const QString& nom : noms) {
                const Compte c = compter(nom);
                QVERIFY2(
                    c.existantes == 1 && c.visibles == 1,
                    qPrintable(u"%1: %2 windows, %3 shown"_s.arg(nom).arg(c.existantes).arg(c.visibles)));
            }
        }
        QCOMPARE(fenetre(u"Aide"_s)->windowTitle(), u"Aide"_s);
        QCOMPARE(fenetre(u"Exemple"_s)->windowTitle(), u"Exemple de calcul"_s);
        QCOMPARE(fenetre(u"ExempleDonnee"_s)->windowTitle(), u"Schéma des données"_s);
        QCOMPARE(fenetre(u"ExempleDetail"_s)->windowTitle(), u"Schéma détaillé"_s);
        for (const QString& nom : noms) {
            essai::capturer(fenetre(nom));
        }
    }

    // Only the two sketches of the example open something: the rest of the page does nothing.
    void rienDAutre() {
        QWidget* aide = &m_fenetres->ouvrir<Aide>(*m_fenetres);
        cliquer(essai::controle(aide, "Label30"));
        cliquer(essai::controle(aide, "Label1"));
        QCOMPARE(compter(u"Exemple"_s).existantes, 0);
        cliquer(essai::controle(aide, "BouttonExemple"));
        QWidget* exemple = fenetre(u"Exemple"_s);
        QVERIFY(exemple != nullptr);
        // The unit label lies over the data sketch's corner and lets the click through to it.
        const QWidget* unite = essai::controle(exemple, "Label7");
        QWidget* dessous = exemple->childAt(unite->geometry().center());
        QVERIFY(dessous != nullptr);
        QCOMPARE(dessous->objectName(), u"ImageDonnee"_s);
        cliquer(dessous);
        QCOMPARE(compter(u"ExempleDonnee"_s).visibles, 1);
        cliquer(essai::controle(exemple, "Label19"));
        QCOMPARE(compter(u"ExempleDetail"_s).existantes, 0);
    }

    // Captions laid over the blanks of another caption: each must sit inside its blank, so that the
    // two read as one line.
    void superpositions_data() {
        QTest::addColumn<QString>("fenetre");
        QTest::addColumn<QString>("dessous");
        QTest::addColumn<QString>("avant");  // the text up to the blank
        QTest::addColumn<QString>("jusqua"); // the text up to the end of the blank
        QTest::addColumn<QString>("dessus");
        QTest::newRow("Appliquer") << u"Aide"_s << u"Label28"_s << u"Il est impératif d'"_s
                                   << u"Il est impératif d'"_s + QString(24, u' ') << u"Label30"_s;
        QTest::newRow("Remarque") << u"Exemple"_s << u"Label2"_s << QString() << QString(17, u' ')
                                  << u"Label29"_s;
        QTest::newRow("Igz, 10³") << u"Exemple"_s << u"Label23"_s << u"Igz = 1352.10"_s
                                  << u"Igz = 1352.10  "_s << u"Label24"_s;
        QTest::newRow("Igy, 10³") << u"Exemple"_s << u"Label26"_s << u"Igy = 1480.10"_s
                                  << u"Igy = 1480.10  "_s << u"Label27"_s;
    }
    void superpositions() {
        QFETCH(QString, fenetre);
        QFETCH(QString, dessous);
        QFETCH(QString, avant);
        QFETCH(QString, jusqua);
        QFETCH(QString, dessus);
        QWidget* w = fenetre == u"Aide"_s ? static_cast<QWidget*>(&m_fenetres->ouvrir<Aide>(*m_fenetres))
                                          : &m_fenetres->ouvrir<Exemple>(*m_fenetres);
        const auto* bas = w->findChild<QLabel*>(dessous);
        const auto* haut = w->findChild<QLabel*>(dessus);
        QVERIFY(bas != nullptr && haut != nullptr);
        QVERIFY(bas->text().startsWith(jusqua));
        QCOMPARE(bas->text().mid(avant.size(), jusqua.size() - avant.size()).trimmed(), QString());

        const Etendue blanc = etendue(bas, avant.size(), jusqua.size());
        const Etendue mot = etendue(haut, 0, haut->text().size());
        const QString detail = u"blank %1..%2 px, word %3..%4 px"_s.arg(blanc.gauche)
                                   .arg(blanc.droite)
                                   .arg(mot.gauche)
                                   .arg(mot.droite);
        QVERIFY2(mot.gauche >= blanc.gauche - 1.0 && mot.droite <= blanc.droite + 1.0, qPrintable(detail));
        // Both on the same line.
        QVERIFY(qAbs(essai::place(haut).y() - essai::place(bas).y()) <= plateforme::mm(0.5));
    }

    // The exponent "4" follows the unit "mm" it belongs to.
    void exposantsDeLUnite_data() {
        QTest::addColumn<QString>("dessous");
        QTest::addColumn<QString>("dessus");
        QTest::newRow("Igz, mm⁴") << u"Label23"_s << u"Label25"_s;
        QTest::newRow("Igy, mm⁴") << u"Label26"_s << u"Label28"_s;
    }
    void exposantsDeLUnite() {
        QFETCH(QString, dessous);
        QFETCH(QString, dessus);
        QWidget* w = &m_fenetres->ouvrir<Exemple>(*m_fenetres);
        const auto* bas = w->findChild<QLabel*>(dessous);
        const auto* haut = w->findChild<QLabel*>(dessus);
        QVERIFY(bas != nullptr && haut != nullptr);
        QVERIFY(bas->text().endsWith(u"mm"_s));
        const double finUnite = etendue(bas, 0, bas->text().size()).droite;
        QVERIFY2(haut->x() >= finUnite - 1.0 && haut->x() <= finUnite + plateforme::mm(1.0),
                 qPrintable(u"unit ends at %1 px, exponent at %2 px"_s.arg(finUnite).arg(haut->x())));
        QVERIFY(haut->font().pointSizeF() < bas->font().pointSizeF());
    }

    // Every caption shows whole: the three paragraphs that wrap take two lines, every other caption
    // one line in its width.
    void legendesEntieres() {
        const QList<QWidget*> pages{&m_fenetres->ouvrir<Aide>(*m_fenetres),
                                    &m_fenetres->ouvrir<Exemple>(*m_fenetres)};
        const QStringList surDeuxLignes{u"Aide.Label25"_s, u"Aide.Label24"_s, u"Exemple.Label2"_s};
        QStringList fautes;
        for (const QWidget* w : pages) {
            for (const auto* l : w->findChildren<plateforme::Etiquette*>()) {
                const QString nom = w->objectName() + u'.' + l->objectName();
                const int attendues = surDeuxLignes.contains(nom) ? 2 : 1;
                const int lignes = lignesAffichees(l);
                const int hauteur = lignes * QFontMetrics(l->font()).lineSpacing();
                if (lignes != attendues || hauteur > l->height()) {
                    fautes << u"%1 on %2 lines (%3 px high in %4 px)"_s.arg(nom).arg(lignes).arg(hauteur).arg(
                        l->height());
                }
            }
        }
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join(u"; "_s)));
    }
};

QTEST_MAIN(TestAide)
#include "test_aide.moc"
