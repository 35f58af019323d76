// When a secondary window rebuilds: once per opening, and at each activation coming from another
// top-level window of the program; never when the focus comes back from its own box or from outside
// the program. The platform's events are sent here in the orders a desktop may deliver them, so that
// nothing depends on timing.

#include "fixture.h"

#include "platform/qt/fenetres.h"
#include "platform/qt/message.h"

#include <QGuiApplication>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

class Compteuse final : public plateforme::FenetreSecondaire {
public:
    Compteuse() : plateforme::FenetreSecondaire(u"Compteuse"_s, u"Compteuse"_s, 40.0, 30.0, true) {}
    void activer() override {
        ++reconstructions;
        ouvertures += ouverture() ? 1 : 0;
    }
    int reconstructions = 0;
    int ouvertures = 0;
};

// The platform's activation of `w`, as it comes before Qt reports the new focus window.
void activation(QWidget* w) {
    QEvent e(QEvent::WindowActivate);
    QApplication::sendEvent(w, &e);
}

bool focaliser(QWidget* w) {
    w->activateWindow();
    return QTest::qWaitFor([w] { return QGuiApplication::focusWindow() == w->windowHandle(); }, 2000);
}

} // namespace

class TestActivation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { essai::localeFrancaise(); }
    void init() {
        m_autre.emplace();
        m_autre->setObjectName(u"Autre"_s);
        m_autre->resize(100, 80);
        m_autre->show();
        QVERIFY(focaliser(&*m_autre));
    }
    void cleanup() { m_autre.reset(); }

    // The opening rebuilds; the activation that follows it from the opener does not rebuild again.
    // The next opening does, and coming from another window does.
    void uneReconstructionParOuverture() {
        plateforme::Registre registre;
        auto& f = registre.ouvrir<Compteuse>();
        QCOMPARE(f.reconstructions, 1);
        QCOMPARE(f.ouvertures, 1);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(f.reconstructions, 1);
        registre.ouvrir<Compteuse>(); // already active: no activation comes
        QCOMPARE(f.reconstructions, 2);
        QVERIFY(focaliser(&*m_autre));
        QVERIFY(focaliser(&f));
        QCOMPARE(f.reconstructions, 3);
        QCOMPARE(f.ouvertures, 2);
    }

    // The opening's activation does not come before the user does something else (a window manager
    // that refuses the focus): once a key has been pressed elsewhere, an activation is a new one.
    void activationDeLOuvertureRetardee() {
        plateforme::Registre registre;
        auto& f = registre.ouvrir<Compteuse>();
        QTest::keyClick(&*m_autre, Qt::Key_A);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(f.reconstructions, 2);
    }

    // The window's own box closes: whether the platform activates the window while the box is still
    // up or after it is gone, in one pass of the event loop, nothing is rebuilt.
    void retourDeSaBoite_data() {
        QTest::addColumn<bool>("activationDAbord");
        QTest::newRow("fermeture puis activation") << false;
        QTest::newRow("activation puis fermeture") << true;
    }
    void retourDeSaBoite() {
        QFETCH(bool, activationDAbord);
        plateforme::Registre registre;
        auto& f = registre.ouvrir<Compteuse>();
        QVERIFY(focaliser(&f));
        const int avant = f.reconstructions;
        {
            essai::BoiteAttendue boite(&f, activationDAbord);
            plateforme::afficherMessage(&f, u"ligne 1\r\nligne 2"_s);
            QVERIFY(boite.vue());
            QCOMPARE(boite.titre(), u"Brivane"_s);
        }
        QCoreApplication::processEvents();
        QCOMPARE(f.reconstructions, avant);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // Focus leaving the program (to another application) and coming back is no activation of the
    // window's content.
    void retourDUneAutreApplication() {
        plateforme::Registre registre;
        auto& f = registre.ouvrir<Compteuse>();
        QVERIFY(focaliser(&f));
        const int avant = f.reconstructions;
        Q_EMIT qApp->focusWindowChanged(nullptr); // what the platform reports when the focus leaves
        activation(&f);
        Q_EMIT qApp->focusWindowChanged(f.windowHandle());
        QCOMPARE(f.reconstructions, avant);
        // Out of the program from another window and back to this one: that is coming from it.
        QVERIFY(focaliser(&*m_autre));
        Q_EMIT qApp->focusWindowChanged(nullptr);
        activation(&f);
        QCOMPARE(f.reconstructions, avant + 1);
    }

    // A message found by a rebuild comes once the rebuild has returned, not inside it.
    void messageApresLaReconstruction() {
        essai::Messages m;
        QWidget parent;
        plateforme::afficherMessageEnsuite(&parent, u"texte"_s);
        QCOMPARE(m.nombre(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(m.prendre(), QStringList{u"texte"_s});
    }

private:
    std::optional<QWidget> m_autre;
};

QTEST_MAIN(TestActivation)
#include "test_activation.moc"
