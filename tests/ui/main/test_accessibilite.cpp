// What a screen reader is told: every control the user sees, in every window, has a name — its
// caption, or what it shows — and the names follow what the program writes.

#include "fixture.h"
#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "programme.h"
#include "ui/aux/aide.h"
#include "ui/aux/apercu_section.h"
#include "ui/aux/exemple.h"
#include "ui/aux/recapitulatif.h"
#include "ui/aux/zoom_forme.h"
#include "ui/detail/detail_aire.h"
#include "ui/detail/detail_centre.h"
#include "ui/detail/detail_moment.h"
#include "ui/main/fenetre_donnee.h"

#include <QAccessible>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QToolButton>
#include <memory>
#include <optional>

using namespace modele;

using namespace Qt::StringLiterals;

class TestAccessibilite : public QObject {
    Q_OBJECT

    static QString nomAccessible(QWidget* c) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
        return a != nullptr ? a->text(QAccessible::Name) : u"<no interface>"_s;
    }
    // The windows a user can open from the main one, each opened once.
    QList<QWidget*> toutesLesFenetres() {
        plateforme::Registre& r = *m_p.registre;
        const Section& s = *m_p.section;
        return {m_p.w(),
                &r.ouvrir<DetailAire>(s),
                &r.ouvrir<DetailYg>(s),
                &r.ouvrir<DetailZg>(s),
                &r.ouvrir<DetailIGY>(s),
                &r.ouvrir<DetailIGZ>(s),
                &r.ouvrir<Recapitulatif>(s),
                &r.ouvrir<ZoomForme>(s),
                &r.ouvrir<ApercuSection>(s),
                &r.ouvrir<Aide>(r),
                &r.ouvrir<Exemple>(r),
                &r.ouvrir<ExempleDonnee>(),
                &r.ouvrir<ExempleDetail>()};
    }
    essai::Programme m_p;

private Q_SLOTS:
    void initTestCase() { essai::localeFrancaise(); }

    void init() {
        QVERIFY(m_p.demarrer());
        m_p.entrerExemple();
        QCOMPARE(m_p.messages->prendre(), QStringList());
    }

    void cleanup() { m_p.arreter(); }

    // Every visible control of every window, the inner parts of Qt's own widgets aside.
    void toutControleVisibleANom() {
        QSet<QString> vus;
        for (QWidget* f : toutesLesFenetres()) {
            QVERIFY(f->isVisible());
            QVERIFY2(!nomAccessible(f).isEmpty(), qPrintable(f->objectName()));
            QStringList sansNom;
            for (QWidget* c : f->findChildren<QWidget*>()) {
                if (c->objectName().isEmpty() || c->objectName().startsWith(u"qt_"_s) || !c->isVisibleTo(f)) {
                    continue;
                }
                vus.insert(f->objectName() + u'/' + c->objectName());
                if (nomAccessible(c).trimmed().isEmpty()) {
                    sansNom << c->objectName();
                }
            }
            QVERIFY2(sansNom.isEmpty(), qPrintable(f->objectName() + u": "_s + sansNom.join(u", "_s)));
        }
        // The walk reached the results panel, the spin buttons' arrows and the detail tables.
        for (const QString& nom :
             {u"FenetreDonnee/IgyValeur"_s, u"FenetreDonnee/haut"_s, u"DetailIGY/A2Valeur"_s,
              u"DetailAire/A1Valeur"_s, u"Recapitulatif/Label11"_s}) {
            QVERIFY2(vus.contains(nom), qPrintable(nom));
        }
    }

    void noms_data() {
        QTest::addColumn<QString>("fenetre");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("controle");
        QTest::addColumn<QString>("nom");
        const QString d = u"FenetreDonnee"_s;
        QTest::newRow("field by its caption") << d << QString() << u"DimSection1"_s << u"Base ="_s;
        QTest::newRow("height field") << d << QString() << u"DimSection2"_s << u"Hauteur ="_s;
        QTest::newRow("Zg field") << d << QString() << u"ZG"_s << u"Coordonnée Zg selon l'axe \"OZ\" :"_s;
        QTest::newRow("Yg field") << d << QString() << u"YG"_s << u"Coordonnées Yg selon l'axe \"OY\" :"_s;
        QTest::newRow("list by its frame") << d << QString() << u"ListeForme"_s << u"Forme de l'élément :"_s;
        QTest::newRow("count up") << d << u"SpinButton1"_s << u"haut"_s
                                  << u"Nombre d'éléments composant la section : augmenter"_s;
        QTest::newRow("count down") << d << u"SpinButton1"_s << u"bas"_s
                                    << u"Nombre d'éléments composant la section : diminuer"_s;
        QTest::newRow("element up") << d << u"SpinButton2"_s << u"haut"_s << u"Elément n° : augmenter"_s;
        QTest::newRow("element down") << d << u"SpinButton2"_s << u"bas"_s << u"Elément n° : diminuer"_s;
        QTest::newRow("count itself")
            << d << QString() << u"SpinButton1"_s << u"Nombre d'éléments composant la section :"_s;
        QTest::newRow("sketch") << d << QString() << u"ImageRectangle"_s << u"Rectangle"_s;
        QTest::newRow("other sketch")
            << d << QString() << u"ImageQDBD"_s << u"Quart de disque inférieur droite"_s;
        QTest::newRow("icon") << d << QString() << u"Image1"_s << u"Brivane"_s;
        QTest::newRow("button") << d << QString() << u"BouttonAppliquer"_s << u"Appliquer"_s;
        QTest::newRow("option") << d << QString() << u"BouttonSoustraire"_s << u"Soustraire"_s;
        QTest::newRow("frame") << d << QString() << u"ZoneResultats"_s << u"Résultats"_s;
        QTest::newRow("caption") << d << QString() << u"AireTotaleTexte"_s
                                 << u"Aire totale de la section :    A ="_s;
        QTest::newRow("area value") << d << QString() << u"AireTotaleValeur"_s << u"2400"_s;
        QTest::newRow("Igy value") << d << QString() << u"IgyValeur"_s << u"148"_s;
        QTest::newRow("Igy exponent") << d << QString() << u"Iypuissance"_s << u"4"_s;
        QTest::newRow("point field") << u"DetailIGY"_s << QString() << u"Z"_s << u"Zo ="_s;
        QTest::newRow("detail cell") << u"DetailIGY"_s << QString() << u"A2Valeur"_s << u"-2500"_s;
        QTest::newRow("data sketch") << u"ExempleDonnee"_s << QString() << u"Image1"_s
                                     << u"Exemple : schéma des données"_s;
        QTest::newRow("detailed sketch")
            << u"Exemple"_s << QString() << u"Image1"_s << u"Exemple : schéma détaillé"_s;
        QTest::newRow("zoom") << u"ZoomForme"_s << QString() << u"ImageRectangle"_s << u"Rectangle"_s;
    }

    void noms() {
        QFETCH(QString, fenetre);
        QFETCH(QString, parent);
        QFETCH(QString, controle);
        QFETCH(QString, nom);
        QWidget* f = nullptr;
        for (QWidget* candidate : toutesLesFenetres()) {
            if (candidate->objectName() == fenetre) {
                f = candidate;
            }
        }
        QVERIFY(f != nullptr);
        if (!parent.isEmpty()) {
            f = f->findChild<QWidget*>(parent);
            QVERIFY(f != nullptr);
        }
        QWidget* c = f->findChild<QWidget*>(controle);
        QVERIFY(c != nullptr);
        QCOMPARE(nomAccessible(c), nom);
    }

    // A field is named by its caption as the caption changes with the shape.
    void nomSuitLaLegende() {
        auto* liste = essai::controle<QListWidget>(m_p.w(), "ListeForme");
        liste->setCurrentItem(liste->findItems(u"Disque"_s, Qt::MatchExactly).value(0));
        QCOMPARE(nomAccessible(essai::controle(m_p.w(), "DimSection1")), u"Rayon ="_s);
        liste->setCurrentItem(liste->findItems(u"Triangle"_s, Qt::MatchExactly).value(0));
        QCOMPARE(nomAccessible(essai::controle(m_p.w(), "DimSection1")), u"Base ="_s);
    }
};

QTEST_MAIN(TestAccessibilite)
#include "test_accessibilite.moc"
