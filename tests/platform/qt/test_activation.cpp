// When a secondary window rebuilds: at each opening and each activation coming from another window,
// never on the return from its own message box, even when that return brings no activation.

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
    void activer() override { ++reconstructions; }
    int reconstructions = 0;
};

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

    void ouvertureEtRetourDeBoite() {
        plateforme::Registre registre;
        auto& f = registre.ouvrir<Compteuse>();
        QCOMPARE(f.reconstructions, 1);
        QVERIFY(focaliser(&f));

        {
            essai::BoiteAttendue boite;
            plateforme::afficherMessage(&f, u"ligne 1\r\nligne 2"_s);
            QVERIFY(boite.vue());
            QCOMPARE(boite.titre(), u"Brivane"_s);
        }
        const int avant = f.reconstructions;
        activation(&f); // the window comes back from its box: no rebuild
        QCOMPARE(f.reconstructions, avant);
        activation(&f); // a later activation does rebuild
        QCOMPARE(f.reconstructions, avant + 1);
    }

    void retourOublieQuandLeFocusPartAilleurs() {
        plateforme::Registre registre;
        auto& f = registre.ouvrir<Compteuse>();
        QWidget autre;
        autre.setObjectName(u"Autre"_s);
        autre.resize(100, 80);
        autre.show();
        QVERIFY(focaliser(&f));
        {
            essai::BoiteAttendue boite;
            plateforme::afficherMessage(&f, u"texte"_s);
            QVERIFY(boite.vue());
        }
        // The platform never re-activated the window; the user goes to another window and comes back.
        QVERIFY(focaliser(&autre));
        const int avant = f.reconstructions;
        activation(&f);
        QCOMPARE(f.reconstructions, avant + 1);
    }
};

QTEST_MAIN(TestActivation)
#include "test_activation.moc"
