// The stresses window driven through the main window: a rectangle b = 100, h = 200 (Igz = b·h³/12,
// Wel = b·h²/6, A = b·h), its loads typed, read as a user reads them.

#include <QAbstractButton> // fixture.h uses it without including it

#include "fixture.h"
#include "main/programme.h"
#include "sections.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cmath>

using namespace Qt::StringLiterals;

class TestContraintes : public QObject {
    Q_OBJECT

private:
    essai::Programme m_p;
    QWidget* m_f = nullptr;
    QTemporaryDir m_dossier;

    QLineEdit* champ(const char* nom) const { return essai::exige<QLineEdit>(m_f, nom); }
    void action(const char* nom) const { m_p.w()->findChild<QAction*>(QString::fromUtf8(nom))->trigger(); }
    // A stress in MPa as shown: mantissa, and its power of ten when one is shown.
    double sigma(const char* ligne) const {
        const QString n = QString::fromUtf8(ligne);
        const QString p = n + u"Puissance"_s;
        const double exposant =
            essai::visible(m_f, p) ? essai::texte(m_f, p).replace(u',', u'.').toDouble() : 0.0;
        return essai::texte(m_f, n + u"Valeur"_s).replace(u',', u'.').toDouble() * std::pow(10.0, exposant);
    }

private Q_SLOTS:
    void initTestCase() {
        essai::localeFrancaise();
        essai::taireRaiseOffscreen();
    }
    void init() {
        QVERIFY(m_p.demarrer());
        QFile f(m_dossier.filePath(u"rectangle.brivane"_s));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(R"({"format": "brivane-section", "version": 1, "unite": "mm", "elements": [
                   {"forme": "Rectangle", "dimension1": 100, "dimension2": 200, "zg": 0, "yg": 0,
                    "matiere": "plein"}]})");
        f.close();
        QVERIFY(m_p.fenetre->ouvrirFichier(f.fileName())); // a clean history
        action("ActionContraintes");
        m_f = essai::fenetreNommee("Contraintes", true);
        QVERIFY(m_f != nullptr);
        QCOMPARE(m_f->windowTitle(), u"Contraintes normales"_s);
    }
    void cleanup() { m_p.arreter(); }

    // Followed at each keystroke. Mz = 10 kN·m: σ = ±M/Wel = ±10E6 / (100·200²/6) = ±15 MPa, axis Gz.
    // N = -200 kN at ey = h/6: σ = N/A·(1 ± 6·ey/h) = -10·(1 ± 1), 0 at the bottom, -20 at the top.
    void ancres_data() {
        QTest::addColumn<QStringList>("saisies"); // field, text, field, text...
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("min");
        QTest::addColumn<QString>("axe");
        QTest::newRow("Mz") << QStringList{u"MomentMz"_s, u"10"_s} << 15.0 << -15.0 << u"0"_s;
        QTest::newRow("N at h/6") << QStringList{u"EffortN"_s, u"-200"_s, u"ExcentriciteY"_s,
                                                 u"33,3333333333333"_s}
                                  << 0.0 << -20.0 << u"0"_s;
        QTest::newRow("N alone") << QStringList{u"EffortN"_s, u"-200"_s} << -10.0 << -10.0 << QString();
    }
    void ancres() {
        QFETCH(QStringList, saisies);
        for (qsizetype i = 0; i < saisies.size(); i += 2) {
            essai::taper(champ(saisies[i].toUtf8().constData()), saisies[i + 1]);
        }
        QFETCH(double, max);
        QFETCH(double, min);
        QVERIFY(std::fabs(sigma("SigmaMax") - max) < 1e-9);
        QVERIFY(std::fabs(sigma("SigmaMin") - min) < 1e-9);
        QFETCH(QString, axe);
        QCOMPARE(essai::texte(m_f, "AngleAxeValeur"), axe);
        QCOMPARE(essai::texte(m_f, "Message").isEmpty(), !axe.isEmpty());
        QVERIFY(!m_p.w()->isWindowModified()); // typed, not kept yet
    }

    // A text that is no number: the main window's message, the field's last number back, nothing kept.
    void saisieFautive_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("avant");
        for (const char* nom : {"EffortN", "MomentMz", "MomentMy"}) {
            QTest::newRow(nom) << QString::fromUtf8(nom) << u"0"_s;
        }
        QTest::newRow("ExcentriciteZ") << u"ExcentriciteZ"_s << QString();
    }
    void saisieFautive() {
        QFETCH(QString, nom);
        QFETCH(QString, avant);
        m_p.messages->prendre();
        essai::taper(champ(nom.toUtf8().constData()), u"x"_s);
        QCOMPARE(m_p.messages->prendre(), QStringList{essai::nonNumerique});
        QCOMPARE(champ(nom.toUtf8().constData())->text(), avant);
        QTest::keyClick(champ(nom.toUtf8().constData()), Qt::Key_Return);
        QVERIFY(!m_p.w()->isWindowModified());
        QCOMPARE(essai::texte(m_f, "SigmaMaxValeur"), u"0"_s);
    }

    // The same over a load already kept, the message box taking the focus as on a desktop (the field's
    // editingFinished while it shows): the load stays, no step is added.
    void saisieFautivePendantLeMessage() {
        QLineEdit* n = champ("EffortN");
        essai::taper(n, u"-200"_s);
        QTest::keyClick(n, Qt::Key_Return);
        plateforme::definirIntercepteur([n](const QString&) { Q_EMIT n->editingFinished(); });
        essai::taper(n, u"-200x"_s);
        m_p.messages.emplace(); // its interceptor back
        QCOMPARE(n->text(), u"-200"_s);
        action("ActionAnnuler"); // the one step undone: the load typed first
        QCOMPARE(n->text(), u"0"_s);
    }

    // The loads kept on leaving the field: one step of the main window's history, the title marked.
    void etapeAnnulable() {
        const QStringList panneau = m_p.panneau();
        essai::taper(champ("MomentMz"), u"12"_s);
        QTest::keyClick(champ("MomentMz"), Qt::Key_Return);
        QVERIFY(m_p.w()->isWindowModified());
        QCOMPARE(essai::texte(m_f, "SigmaMaxValeur"), u"18"_s); // 12E6 / (100·200²/6)
        essai::doubleClicSur(m_f, "SigmaMaxTexte");             // explained with its figures
        // b = Mz/Igz = 12E6 / (100·200³/12) = 0,18 in the program's notation
        QVERIFY(m_p.messages->prendre().join(u'|').contains(u" + 1,8 E-1 x 100\r\n"_s));
        action("ActionAnnuler");
        QVERIFY(!m_p.w()->findChild<QAction*>(u"ActionAnnuler"_s)->isEnabled()); // one step
        QCOMPARE(champ("MomentMz")->text(), u"0"_s);
        QCOMPARE(essai::texte(m_f, "SigmaMaxValeur"), u"0"_s);
        QCOMPARE(m_p.panneau(), panneau); // the section stays
        action("ActionRetablir");
        QCOMPARE(champ("MomentMz")->text(), u"12"_s);
    }

    // Ctrl+K opens the preview even from a field of the main window, whose text stays; the preview's
    // button, the stresses.
    void raccourciApercu() {
        auto* zg = m_p.ctl<QLineEdit>("ZG");
        zg->setFocus();
        zg->setCursorPosition(0);
        QTest::keyClick(zg, Qt::Key_K, Qt::ControlModifier);
        QVERIFY(essai::fenetreNommee("ApercuSection", true) != nullptr);
        QCOMPARE(zg->text(), u"0"_s);
        m_f->close(); // opened again from the preview's button
        essai::clicSur(essai::fenetreNommee("ApercuSection", true), "BoutonContraintes");
        QVERIFY(essai::fenetreNommee("Contraintes", true) != nullptr);
    }
};

QTEST_MAIN(TestContraintes)
#include "test_fenetre_contraintes.moc"
