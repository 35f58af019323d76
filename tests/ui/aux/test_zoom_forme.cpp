// The shape zoom: the enlarged sketch of the shape selected in the main window, chosen at activation.

#include <QAbstractButton> // fixture.h uses it without including it

#include "fixture.h"

#include "model/section.h"
#include "platform/qt/controles.h"
#include "platform/qt/fenetres.h"
#include "ui/aux/zoom_forme.h"

#include <QFile>
#include <memory>

using namespace modele;

using namespace Qt::StringLiterals;

namespace {

// The names of the visible pictures of the window.
QStringList imagesVisibles(const QWidget* w) {
    QStringList noms;
    for (const auto* i : w->findChildren<plateforme::Image*>()) {
        if (i->isVisible()) {
            noms << i->objectName();
        }
    }
    return noms;
}

} // namespace

class TestZoomForme : public QObject {
    Q_OBJECT

private:
    Section m_section;
    std::unique_ptr<plateforme::Registre> m_fenetres;

    QWidget* ouvrir() { return &m_fenetres->ouvrir<ZoomForme>(m_section); }

private Q_SLOTS:
    void initTestCase() { essai::localeFrancaise(); }
    void init() {
        m_section.Reinitialiser();
        m_fenetres = std::make_unique<plateforme::Registre>();
    }
    void cleanup() { m_fenetres.reset(); }

    void fenetre() {
        const QWidget* w = ouvrir();
        QCOMPARE(w->objectName(), u"ZoomForme"_s);
        QCOMPARE(w->windowTitle(), u"Zoom des données à saisir"_s);
        QCOMPARE(w->findChildren<plateforme::Image*>().size(), 11);
        // Right after start the selected shape is the rectangle.
        QCOMPARE(imagesVisibles(w), QStringList{u"ImageRectangle"_s});
    }

    void formes_data() {
        QTest::addColumn<QString>("forme");
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("fichier");
        QTest::newRow("rectangle") << u"Rectangle"_s << u"ImageRectangle"_s << u":/formes/rectangle.svg"_s;
        QTest::newRow("triangle") << u"Triangle"_s << u"ImageTriangle"_s << u":/formes/triangle.svg"_s;
        QTest::newRow("disque") << u"Disque"_s << u"ImageDisque"_s << u":/formes/disque.svg"_s;
        QTest::newRow("DDH") << u"Demi disque supérieur"_s << u"ImageDDH"_s << u":/formes/ddh.svg"_s;
        QTest::newRow("DDB") << u"Demi disque inférieur"_s << u"ImageDDB"_s << u":/formes/ddb.svg"_s;
        QTest::newRow("DDG") << u"Demi disque gauche"_s << u"ImageDDG"_s << u":/formes/ddg.svg"_s;
        QTest::newRow("DDD") << u"Demi disque droite"_s << u"ImageDDD"_s << u":/formes/ddd.svg"_s;
        QTest::newRow("QDHG") << u"Quart de disque supérieur gauche"_s << u"ImageQDHG"_s
                              << u":/formes/qdhg.svg"_s;
        QTest::newRow("QDHD") << u"Quart de disque supérieur droite"_s << u"ImageQDHD"_s
                              << u":/formes/qdhd.svg"_s;
        QTest::newRow("QDBD") << u"Quart de disque inférieur droite"_s << u"ImageQDBD"_s
                              << u":/formes/qdbd.svg"_s;
        QTest::newRow("QDBG") << u"Quart de disque inférieur gauche"_s << u"ImageQDBG"_s
                              << u":/formes/qdbg.svg"_s;
    }
    // Exactly the sketch of the selected shape, drawn from the main window's file.
    void formes() {
        QFETCH(QString, forme);
        QFETCH(QString, image);
        QFETCH(QString, fichier);
        m_section.FormeSelectionnee = forme.toStdString();
        QWidget* w = ouvrir();
        essai::capturer(w, w->objectName() + image + u".png"_s);
        QCOMPARE(imagesVisibles(w), QStringList{image});
        const auto* i = w->findChild<plateforme::Image*>(image);
        QCOMPARE(i->source(), fichier);
        QVERIFY2(QFile::exists(fichier), qPrintable(fichier));
    }

    // Names are compared exactly: another spelling shows no sketch at all.
    void nomInconnu_data() {
        QTest::addColumn<QString>("forme");
        QTest::newRow("casse") << u"rectangle"_s;
        QTest::newRow("accent") << u"Demi disque superieur"_s;
        QTest::newRow("vide") << QString();
    }
    void nomInconnu() {
        QFETCH(QString, forme);
        m_section.FormeSelectionnee = forme.toStdString();
        QCOMPARE(imagesVisibles(ouvrir()), QStringList{});
    }

    // Another shape chosen while the window stays open: the sketch follows at the next activation
    // coming from another window, or the next opening.
    void changementDeForme() {
        QWidget* w = ouvrir();
        QCOMPARE(imagesVisibles(w), QStringList{u"ImageRectangle"_s});

        m_section.FormeSelectionnee = "Disque";
        QCOMPARE(imagesVisibles(w), QStringList{u"ImageRectangle"_s});
        QVERIFY(essai::venirDUneAutreFenetre(w));
        QCOMPARE(imagesVisibles(w), QStringList{u"ImageDisque"_s});

        m_section.FormeSelectionnee = "Quart de disque inférieur droite";
        QCOMPARE(imagesVisibles(w), QStringList{u"ImageDisque"_s});
        QCOMPARE(ouvrir(), w);
        QCOMPARE(imagesVisibles(w), QStringList{u"ImageQDBD"_s});
    }
};

QTEST_MAIN(TestZoomForme)
#include "test_zoom_forme.moc"
