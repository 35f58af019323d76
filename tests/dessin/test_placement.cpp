// The labels of the section drawing: placed from the screen geometry alone, none over another, none
// across an axis, each element number inside its shape or joined to it by a leader.

#include "sections.h"

#include "dessin/dessin_section.h"
#include "model/analyse.h"
#include "model/calcul.h"
#include "platform/qt/police.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QTest>

using namespace modele;

using namespace Qt::StringLiterals;

namespace {

// A box crosses a segment: sampled along it every quarter pixel.
bool traverse(const QLineF& l, const QRectF& b) {
    const int n = std::max(1, static_cast<int>(l.length() * 4.0));
    for (int i = 0; i <= n; ++i) {
        if (b.contains(l.pointAt(double(i) / n))) {
            return true;
        }
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<essai::Element>)

class TestPlacement : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void etiquettesLisibles_data() {
        QTest::addColumn<std::vector<essai::Element>>("elements");
        QTest::addColumn<QSizeF>("taille");
        QTest::addColumn<bool>("principaux");
        const QSizeF apercu(446.0, 465.0); // the preview's drawing, 118 x 123 mm at 96 dpi
        const QSizeF petit(300.0, 260.0);
        QTest::newRow("exemple de l'aide") << essai::exempleAide << apercu << false;
        QTest::newRow("IPE 200") << essai::ipe200 << apercu << false;
        QTest::newRow("dix éléments") << essai::dixElements << apercu << true;
        QTest::newRow("exemple de l'aide, petit") << essai::exempleAide << petit << false;
        QTest::newRow("IPE 200, petit") << essai::ipe200 << petit << false;
        QTest::newRow("dix éléments, petit") << essai::dixElements << petit << true;
    }
    void etiquettesLisibles() {
        QFETCH(std::vector<essai::Element>, elements);
        QFETCH(QSizeF, taille);
        QFETCH(bool, principaux);
        const Section s = essai::construire(elements);
        const dessin::Figure f = dessin::figure(s, analyser(s));
        QCOMPARE(f.alpha.has_value(), principaux);
        const dessin::Disposition d =
            dessin::disposer(f, QRectF(QPointF(0, 0), taille), QFontMetricsF(plateforme::police()));
        QVERIFY(d.message.isEmpty());
        // Numbers, O, Z, Y, G, Gz, Gy, and I1, I2 and alpha with the principal axes.
        QCOMPARE(d.places.size(), std::size_t(elements.size()) + 6 + (principaux ? 3 : 0));
        QCOMPARE(d.etiquettes.size(), d.places.size());
        QCOMPARE(d.principaux.size(), principaux ? 2u : 0u);
        QCOMPARE(d.plastiques.size(), 2u);

        // A pure function: the same scene gives the same places.
        const std::vector<dessin::Place> encore = dessin::placerEtiquettes(d.scene, d.libelles);
        QCOMPARE(encore.size(), d.places.size());
        std::vector<QLineF> axes = d.centraux;
        axes.insert(axes.end(), d.principaux.begin(), d.principaux.end());
        axes.insert(axes.end(), d.plastiques.begin(), d.plastiques.end());
        for (std::size_t i = 0; i < d.places.size(); ++i) {
            const QRectF& b = d.places[i].boite;
            const QString& nom = d.etiquettes[i].texte;
            QCOMPARE(encore[i].boite, b);
            QVERIFY2(d.scene.cadre.contains(b), qPrintable(nom));
            for (std::size_t j = i + 1; j < d.places.size(); ++j) {
                QVERIFY2(!b.intersects(d.places[j].boite),
                         qPrintable(nom + u" / "_s + d.etiquettes[j].texte));
            }
            for (const QLineF& a : axes) {
                QVERIFY2(!traverse(a, b), qPrintable(nom));
            }
            for (const QRectF& r : d.scene.reserves) {
                QVERIFY2(!r.intersects(b), qPrintable(nom));
            }
            // An element number lies inside its outline, or has a leader that reaches it.
            if (const int k = d.libelles[i].forme; k >= 0) {
                QPainterPath contour;
                const std::vector<QPointF>& c = d.scene.formes[std::size_t(k)].contour;
                contour.addPolygon(QPolygonF(c.begin(), c.end()));
                const auto& renvoi = d.places[i].renvoi;
                QVERIFY2(contour.contains(b) != renvoi.has_value(), qPrintable(nom));
                if (renvoi) {
                    QVERIFY2(contour.contains(renvoi->p2()), qPrintable(nom));
                    QVERIFY2(renvoi->length() < 120.0, qPrintable(nom));
                }
            }
        }
    }

    // The principal axes only when they stand more than half a degree off Gz and Gy; else the note.
    void axesPrincipauxDessines_data() {
        QTest::addColumn<double>("alpha");
        QTest::addColumn<bool>("dessines");
        QTest::newRow("0,48°, confondus") << 0.48 << false;
        QTest::newRow("0,6°") << 0.6 << true;
        QTest::newRow("-0,5°, confondus") << -0.5 << false;
        QTest::newRow("45°") << 45.0 << true;
        QTest::newRow("89,6°, confondus") << 89.6 << false;
        QTest::newRow("-89,4°") << -89.4 << true;
        QTest::newRow("90°, confondus") << 90.0 << false;
    }
    void axesPrincipauxDessines() {
        QFETCH(double, alpha);
        QFETCH(bool, dessines);
        const Section s = essai::construire(essai::exempleAide);
        Analyse a = analyser(s);
        a.Alpha = alpha;
        const dessin::Figure f = dessin::figure(s, a);
        QCOMPARE(f.alpha.has_value(), dessines);
        QCOMPARE(f.axesConfondus, !dessines);
        const dessin::Disposition d =
            dessin::disposer(f, QRectF(0, 0, 446, 465), QFontMetricsF(plateforme::police()));
        QCOMPARE(d.note.isEmpty(), dessines);
        QCOMPARE(d.principaux.size(), dessines ? 2u : 0u);
    }
};

QTEST_MAIN(TestPlacement)
#include "test_placement.moc"
