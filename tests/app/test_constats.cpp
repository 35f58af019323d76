// The findings of the consistency check are worded once: the command line's lines are the very text
// the preview window shows, byte for byte, for every kind of finding and for a clean section.

#include "fixture.h"
#include "sections.h"

#include "model/constats.h"
#include "platform/qt/locale.h"
#include "ui/aux/apercu_section.h"

#include <QTest>

using namespace modele;

using namespace Qt::StringLiterals;

class TestConstats : public QObject {
    Q_OBJECT

private:
    Section m_section;
    plateforme::Registre m_fenetres;

private Q_SLOTS:
    void initTestCase() { essai::localeFrancaise(); }

    void commeLApercu_data() {
        QTest::addColumn<std::vector<essai::Element>>("elements");
        QTest::addColumn<bool>("analyseCalculee");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("cohérente") << essai::exempleAide << true << u"Aucune incohérence détectée."_s;
        QTest::newRow("trou à moitié dehors")
            << std::vector<essai::Element>{{"Rectangle", "100", "100", "0", "0"},
                                           {"Rectangle", "20", "20", "50", "0", false}}
            << true << u"Le trou n° 2 sort de la matière (200 mm² hors matière)."_s;
        QTest::newRow("solides superposés et trou dehors")
            << std::vector<essai::Element>{{"Rectangle", "10", "10", "0", "0"},
                                           {"Rectangle", "10", "10", "6", "0"},
                                           {"Disque", "3", "0", "100", "0", false}}
            << true
            << u"Le trou n° 3 sort de la matière (28,3 mm² hors matière).\n"
               u"Les éléments 1 et 2 se superposent (40 mm²)."_s;
        QTest::newRow("trous superposés")
            << std::vector<essai::Element>{{"Rectangle", "100", "100", "0", "0"},
                                           {"Rectangle", "5", "5", "0", "0", false},
                                           {"Rectangle", "5", "5", "0", "2,5", false}}
            << true << u"Les trous n° 2 et 3 se superposent (12,5 mm²)."_s;
        // The totals hold; Igz + Igy leaves the range of a double.
        QTest::newRow("analyse trop grande")
            << std::vector<essai::Element>{{"Rectangle", "1E76", "1E76", "7E77", "7E77"},
                                           {"Rectangle", "1E76", "1E76", "-7E77", "-7E77"}}
            << false << u"Les valeurs sont trop grandes pour que ces grandeurs soient calculées."_s;
    }
    void commeLApercu() {
        QFETCH(std::vector<essai::Element>, elements);
        QFETCH(bool, analyseCalculee);
        QFETCH(QString, attendu);
        m_section = essai::construire(elements);
        QStringList lignes;
        for (const std::string& l :
             lignesVerification(m_section, analyseCalculee, plateforme::formatLocal())) {
            lignes.append(QString::fromStdString(l));
        }
        QCOMPARE(lignes.join(u'\n'), attendu);
        auto& apercu = m_fenetres.ouvrir<ApercuSection>(m_section);
        apercu.activer();
        QCOMPARE(essai::texte(&apercu, "Verification"), attendu);
    }
};


QTEST_MAIN(TestConstats)
#include "test_constats.moc"
