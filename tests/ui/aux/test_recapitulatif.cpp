// The data summary: one row per element of the section, read afresh at every opening.

#include <QAbstractButton> // fixture.h uses it without including it

#include "attendu.h"
#include "fixture.h"
#include "sections.h"

#include "model/calcul.h"
#include "platform/qt/controles.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/locale.h"
#include "ui/aux/recapitulatif.h"

#include <memory>
#include <utility>

using namespace modele;

using namespace Qt::StringLiterals;

namespace {

// The name of row k's label in each column: prefix, k, suffix.
const std::pair<const char*, const char*> Colonnes[] = {{"Num", ""}, {"Form", ""}, {"Dim", "1"}, {"Dim", "2"},
                                                        {"Zg", ""},  {"Yg", ""},   {"Signe", ""}};

QString nom(const std::pair<const char*, const char*>& colonne, int k) {
    return QString::fromUtf8(colonne.first) + QString::number(k) + QString::fromUtf8(colonne.second);
}

// The seven captions of row k, or "<caché>" for a hidden label.
QStringList ligne(const QWidget* w, int k) {
    QStringList cases;
    for (const auto& modele : Colonnes) {
        const auto* l = essai::controle<QLabel>(w, nom(modele, k));
        cases << (l == nullptr ? u"<absent>"_s : l->isVisible() ? l->text() : u"<caché>"_s);
    }
    return cases;
}

// The ten rows as the user reads them, one a line, cells joined by " | ", for a golden file.
QString tableau(const QWidget* w) {
    QString t;
    for (int k = 1; k <= 10; ++k) {
        t += ligne(w, k).join(u" | "_s) + u'\n';
    }
    return t;
}

} // namespace

class TestRecapitulatif : public QObject {
    Q_OBJECT

private:
    Section m_section;
    std::unique_ptr<plateforme::Registre> m_fenetres;

    QWidget* ouvrir() { return &m_fenetres->ouvrir<Recapitulatif>(m_section); }
    void appliquer(const SaisieElement& s) {
        QVERIFY(modele::appliquer(m_section, s, plateforme::formatLocal()).accepte());
    }
    // Adds an element and makes it current, as the main window's two arrows do.
    void elementSuivant() {
        QVERIFY(changerNombreElements(m_section, +1).accepte());
        while (changerElementCourant(m_section, +1)) {
        }
        QCOMPARE(m_section.ElementCourant, m_section.NbrElement);
    }

private Q_SLOTS:
    void initTestCase() { essai::localeFrancaise(); }
    void init() {
        m_section.Reinitialiser();
        m_fenetres = std::make_unique<plateforme::Registre>();
    }
    void cleanup() { m_fenetres.reset(); }

    void fenetre() {
        const QWidget* w = ouvrir();
        QCOMPARE(w->objectName(), u"Recapitulatif"_s);
        QCOMPARE(w->windowTitle(), u"Récapitulatif des valeurs saisies"_s);
        const QStringList entetes{
            u"Numéro"_s, u"Forme de l'élément"_s, u"Dimension 1"_s, u"Dimension 2"_s, u"Zg"_s, u"Yg"_s,
            u"Signe"_s};
        const char* const noms[] = {"TexteNuméro", "TexteForme", "Label11",   "Label10",
                                    "TexteZg",     "TexteYg",    "TexteSigne"};
        for (int i = 0; i < entetes.size(); ++i) {
            const QLabel* l = essai::controle<QLabel>(w, noms[i]);
            QVERIFY(l != nullptr);
            QCOMPARE(l->text(), entetes[i]);
            QVERIFY(l->isVisible());
            QVERIFY(l->font().bold());
        }
        // The summary only shows: no label takes a click or a double-click.
        for (const auto* l : w->findChildren<plateforme::Etiquette*>()) {
            QVERIFY2(l->testAttribute(Qt::WA_TransparentForMouseEvents), qPrintable(l->objectName()));
        }
    }

    // Right after start-up: one untouched element, every other row hidden.
    void depart() { QCOMPARE_ATTENDU("recapitulatif/depart.txt", tableau(ouvrir())); }

    // A disc shape has a radius only: its second dimension stays an empty cell (row 1 of each shape).
    void formes() {
        QString t;
        for (const QString& forme : essai::formes) {
            m_section.Reinitialiser();
            appliquer({forme.toUtf8().constData(), "30", "60", "12,5", "7"});
            t += ligne(ouvrir(), 1).join(u" | "_s) + u'\n';
        }
        QCOMPARE_ATTENDU("recapitulatif/formes.txt", t);
    }

    void trou() {
        appliquer({"Rectangle", "70", "70", "35", "35"});
        elementSuivant();
        appliquer({"Rectangle", "50", "50", "35", "40", false});
        QCOMPARE_ATTENDU("recapitulatif/trou.txt", tableau(ouvrir()));
    }

    // A slot within the count that was never applied shows its start-up record.
    void elementNonSaisi() {
        appliquer({"Disque", "10", "0", "4", "5", false});
        QVERIFY(changerNombreElements(m_section, +1).accepte());
        QCOMPARE_ATTENDU("recapitulatif/non-saisi.txt", tableau(ouvrir()));
    }

    void nombres_data() {
        QTest::addColumn<QString>("saisi");
        QTest::addColumn<QString>("affiche");
        QTest::newRow("négatif") << u"-12,5"_s << u"-12,5"_s;
        QTest::newRow("pleine précision") << u"0,333333333333333"_s << u"0,333333333333333"_s;
        QTest::newRow("entier écrit décimal") << u"25,0"_s << u"25"_s;
        QTest::newRow("petit") << u"0,00001"_s << u"1E-05"_s;
    }
    // Stored values are written at full precision in the user's locale, not as mantissa and exponent.
    void nombres() {
        QFETCH(QString, saisi);
        QFETCH(QString, affiche);
        const QByteArray t = saisi.toUtf8();
        appliquer({"Triangle", t.constData(), t.constData(), t.constData(), t.constData()});
        const QStringList cases = ligne(ouvrir(), 1);
        QCOMPARE(cases.mid(2, 4), (QStringList{affiche, affiche, affiche, affiche}));
    }

    // The rows follow the count, each at an opening: 3, 5, then 3 elements again.
    void nombreElements() {
        QWidget* w = ouvrir();
        QString t;
        for (const int sens : {+1, +1, 0, +1, +1, 0, -1, -1, 0}) {
            if (sens == 0) {
                QCOMPARE(ouvrir(), w);
                t += tableau(w) + u'\n';
            } else {
                QVERIFY(changerNombreElements(m_section, sens).accepte());
            }
        }
        QCOMPARE_ATTENDU("recapitulatif/nombre.txt", t);
    }

    // A full section of ten elements, each shown on its own row.
    void dixElements() {
        for (int k = 1; k <= 10; ++k) {
            if (k > 1) {
                elementSuivant();
            }
            const QByteArray d1 = QByteArray::number(10 * k);
            const QByteArray zg = QByteArray::number(k) + ",5";
            appliquer({essai::formes.at(k - 1).toUtf8().constData(), d1.constData(), "20", zg.constData(),
                       "-3,25", k % 2 == 1});
        }
        QWidget* w = ouvrir();
        essai::capturer(w);
        QCOMPARE_ATTENDU("recapitulatif/dix.txt", tableau(w));
    }

    // The window shows the section as it was at its last activation, and follows it at the next one
    // coming from another window.
    void reconstructionALActivation() {
        QWidget* w = ouvrir();
        appliquer({"Disque", "10", "0", "-3", "4"});
        QCOMPARE(ligne(w, 1)[1], u"Rectangle"_s);

        QVERIFY(essai::venirDUneAutreFenetre(w));
        QCOMPARE(ligne(w, 1),
                 (QStringList{u"1"_s, u"Disque"_s, u"10"_s, u"<caché>"_s, u"-3"_s, u"4"_s, u"+"_s}));

        m_section.element(1) = ElementSection{};
        ouvrir();
        QCOMPARE(ligne(w, 1), (QStringList{u"1"_s, u"Rectangle"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"+"_s}));
    }
};

QTEST_MAIN(TestRecapitulatif)
#include "test_recapitulatif.moc"
