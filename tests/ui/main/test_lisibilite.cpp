// Every caption of every window reads whole on the help page's example: no glyph cut by its box or
// lost past its edge, and each raised exponent or lowered index right after the text it belongs to,
// clear of it and of what follows, above or below its line.

#include "fixture.h"
#include "model/calcul.h"
#include "model/section.h"
#include "platform/qt/controles.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/locale.h"
#include "sections.h"
#include "ui/aux/aide.h"
#include "ui/aux/apercu_section.h"
#include "ui/aux/exemple.h"
#include "ui/aux/recapitulatif.h"
#include "ui/detail/detail_aire.h"
#include "ui/detail/detail_centre.h"
#include "ui/detail/detail_moment.h"
#include "ui/main/fenetre_donnee.h"

#include <QFontMetricsF>
#include <QImage>
#include <functional>
#include <memory>

using namespace modele;

using namespace Qt::StringLiterals;

namespace {

// What a widget draws on white, each pixel weighted by its darkness.
double encre(QWidget* w) {
    QImage image(w->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    w->render(&image, {}, {}, QWidget::DrawChildren);
    double n = 0.0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += (255 - qGray(image.pixel(x, y))) / 255.0;
        }
    }
    return n;
}

// The same caption drawn at the width its box gives it, with room all around.
double encreAuLarge(const QLabel* l) {
    QLabel large;
    large.setFont(l->font());
    large.setPalette(l->palette());
    large.setWordWrap(l->wordWrap());
    large.setAlignment(l->alignment());
    large.setText(l->text());
    large.setContentsMargins(20, 20, 20, 20);
    large.resize(l->contentsRect().width() + 40, l->contentsRect().height() + 80);
    return encre(&large);
}

double ligneDeBase(const QLabel* l) {
    return essai::place(l).y() + QFontMetricsF(l->font()).ascent();
}

} // namespace

class TestLisibilite : public QObject {
    Q_OBJECT

    Section m_section;
    std::unique_ptr<plateforme::Registre> m_fenetres;
    std::unique_ptr<FenetreDonnee> m_donnee;

    void saisir(int k, const char* d, const char* zg, const char* yg, bool additionner) {
        QVERIFY(essai::saisir(m_section, k, {"Rectangle", d, d, zg, yg, additionner}));
    }

    QWidget* ouvrir(const QString& nom) {
        const std::map<QString, std::function<QWidget*()>> fenetres{
            {u"FenetreDonnee"_s, [this] { return m_donnee.get(); }},
            {u"DetailAire"_s, [this] { return &m_fenetres->ouvrir<DetailAire>(m_section); }},
            {u"DetailZg"_s, [this] { return &m_fenetres->ouvrir<DetailZg>(m_section); }},
            {u"DetailYg"_s, [this] { return &m_fenetres->ouvrir<DetailYg>(m_section); }},
            {u"DetailIGY"_s, [this] { return &m_fenetres->ouvrir<DetailIGY>(m_section); }},
            {u"DetailIGZ"_s, [this] { return &m_fenetres->ouvrir<DetailIGZ>(m_section); }},
            {u"Recapitulatif"_s, [this] { return &m_fenetres->ouvrir<Recapitulatif>(m_section); }},
            {u"Aide"_s, [this] { return &m_fenetres->ouvrir<Aide>(*m_fenetres); }},
            {u"Exemple"_s, [this] { return &m_fenetres->ouvrir<Exemple>(*m_fenetres); }},
            {u"ApercuSection"_s, [this] { return &m_fenetres->ouvrir<ApercuSection>(m_section); }},
        };
        return fenetres.at(nom)();
    }

private Q_SLOTS:
    void initTestCase() {
        essai::localeFrancaise();
        saisir(1, "70", "35", "35", true);
        saisir(2, "50", "35", "40", false);
        m_fenetres = std::make_unique<plateforme::Registre>();
        m_donnee = std::make_unique<FenetreDonnee>(m_section, *m_fenetres);
        m_donnee->show();
    }
    void cleanupTestCase() {
        m_donnee.reset();
        m_fenetres.reset();
    }

    void glyphesEntiers_data() {
        QTest::addColumn<QString>("fenetre");
        for (const char* f : {"FenetreDonnee", "DetailAire", "DetailZg", "DetailYg", "DetailIGY", "DetailIGZ",
                              "Recapitulatif", "Aide", "Exemple", "ApercuSection"}) {
            QTest::newRow(f) << QString::fromUtf8(f);
        }
    }
    void glyphesEntiers() {
        QFETCH(QString, fenetre);
        QWidget* w = ouvrir(fenetre);
        QStringList coupees;
        for (auto* l : w->findChildren<plateforme::Etiquette*>()) {
            if (!l->isVisibleTo(w) || l->text().isEmpty()) {
                continue;
            }
            const double vue = encre(l), entiere = encreAuLarge(l);
            if (vue < entiere - 1.0) {
                coupees << u"%1 \"%2\" (%3 of %4)"_s.arg(l->objectName(), l->text()).arg(vue).arg(entiere);
            }
        }
        QVERIFY2(coupees.isEmpty(), qPrintable(coupees.join(u"; "_s)));
    }

    void exposantsEtIndices_data() {
        QTest::addColumn<QString>("fenetre");
        QTest::addColumn<QString>("dessus");
        QTest::addColumn<QString>("mot"); // the word of `dessus` that belongs after `avant`
        QTest::addColumn<QString>("dessous");
        QTest::addColumn<QString>("avant");
        QTest::addColumn<bool>("leve"); // raised, or else lowered
        const auto ligne = [](const char* f, const char* dessus, const char* mot, const char* dessous,
                              const char* avant, bool leve) {
            QTest::addRow("%s %s", f, dessus)
                << QString::fromUtf8(f) << QString::fromUtf8(dessus) << QString::fromUtf8(mot)
                << QString::fromUtf8(dessous) << QString::fromUtf8(avant) << leve;
        };
        ligne("FenetreDonnee", "AirePuissance", "2", "AireTotaleUnite", "mm", true);
        ligne("FenetreDonnee", "IGZpuissance", "4", "IgzUnite", "mm", true);
        ligne("FenetreDonnee", "IGYPuissance", "4", "IgyUnite", "mm", true);
        ligne("DetailAire", "ideAi", "i", "AdeAi", "A", false);
        ligne("DetailAire", "TexteTotale", "Totale", "TexteA", "A", false);
        for (const char* f : {"DetailZg", "DetailYg"}) {
            const bool z = f == std::string_view("DetailZg");
            ligne(f, "ideAi", "i", "AdeAi", "A", false);
            ligne(f, "TexteGi", "Gi", z ? "TexteZ" : "TexteY", z ? "Z" : "Y", false);
            ligne(f, "TexteiGi", "i", z ? "TexteAZ" : "TexteAY", "A", false);
            ligne(f, "TexteiGi", "Gi", z ? "TexteAZ" : "TexteAY", z ? "A   x Z" : "A   x Y", false);
            ligne(f, "Label14", "3", z ? "UniteSGY" : "UniteSGZ", "[mm", true);
            ligne(f, "TexteTotale", "Totale", "TexteA", "A", false);
            ligne(f, "TexteGO", z ? "OY" : "OZ", "TexteS", "S", false);
            ligne(f, z ? "TexteGdeZg" : "TexteGdeYg", "G", z ? "TexteZg" : "TexteYg", z ? "Z" : "Y", false);
        }
        ligne("DetailIGY", "TexteiAZZ", "Gi", "TexteAZZ", "A   x Z", false);
        ligne("DetailIGZ", "TexteiAYY", "Gi", "TexteAYY", "A   x Y", false);
        ligne("DetailIGY", "IndicesDesIGyitot", "Gi", "TexteIgyitot", "A   x Z", false);
        ligne("DetailIGY", "IndicesDesIGyitot", "GYi", "TexteIgyitot", "A   x Z    ² +I", false);
        ligne("DetailIGZ", "IndicesDesIGzitot", "GZi", "TexteIgzitot", "A   x Y    ² +I", false);
        for (const char* f : {"DetailIGY", "DetailIGZ"}) {
            const bool y = f == std::string_view("DetailIGY");
            ligne(f, "ideAi", "i", "AdeAi", "A", false);
            ligne(f, "TexteGi", "Gi", y ? "TexteZ" : "TexteY", y ? "Z" : "Y", false);
            ligne(f, "PuissanceAYY", "4", y ? "UniteAZZ" : "UniteAYY", "[mm", true);
            ligne(f, "Label25", y ? "GYi" : "GZi", "Label26", "I", false);
            ligne(f, "PuissanceIgzi", "4", y ? "UniteIgyi" : "UniteIgzi", "[mm", true);
            ligne(f, y ? "TexteIgyitotPuissance" : "TexteIgzitotPuissance", "4",
                  y ? "TexteIgyitotunit" : "TexteIgzitotunit", "[mm", true);
            ligne(f, "TexteTotale", y ? "GY" : "GZ", y ? "TexteSgy" : "TexteSgz", "S", false);
            ligne(f, "Label39", "3", "Label22", "[mm", true);
            ligne(f, y ? "TexteOY" : "TexteOZ", y ? "GY" : "GZ", "TexteI", "I", false);
            ligne(f, "Label24", "4", "Label23", "[mm", true);
            ligne(f, "Label32", y ? "Y" : "Z", "Label31", "I", false);
            ligne(f, "Label37", "4", "Label36", "[mm", true);
        }
        ligne("Exemple", "Label24", "3", "Label23", "Igz = 1352.10", true);
        ligne("Exemple", "Label25", "4", "Label23", "Igz = 1352.10  mm", true);
        ligne("Exemple", "Label27", "3", "Label26", "Igy = 1480.10", true);
        ligne("Exemple", "Label28", "4", "Label26", "Igy = 1480.10  mm", true);
    }
    void exposantsEtIndices() {
        QFETCH(QString, fenetre);
        QFETCH(QString, dessus);
        QFETCH(QString, mot);
        QFETCH(QString, dessous);
        QFETCH(QString, avant);
        QFETCH(bool, leve);
        const QWidget* w = ouvrir(fenetre);
        const auto* haut = w->findChild<QLabel*>(dessus);
        const auto* bas = w->findChild<QLabel*>(dessous);
        QVERIFY(haut != nullptr && bas != nullptr && haut->parentWidget() == bas->parentWidget());
        const QString texte = bas->text();
        QVERIFY(texte.startsWith(avant) && haut->text().contains(mot));

        const QFontMetricsF fb(bas->font()), fh(haut->font());
        const double finAvant = bas->x() + fb.horizontalAdvance(avant);
        const double debutMot =
            haut->x() + fh.horizontalAdvance(haut->text().left(haut->text().indexOf(mot)));
        const QRectF encreMot = fh.tightBoundingRect(mot).translated(debutMot, 0);
        qsizetype suite = avant.size();
        while (suite < texte.size() && texte.at(suite) == u' ') {
            ++suite;
        }
        // The ink of the first letter after the blank, when the text goes on.
        const double encreSuite =
            suite > avant.size() && suite < texte.size()
                ? bas->x() + fb.horizontalAdvance(texte.left(suite)) + fb.leftBearing(texte.at(suite))
                : 1e9;
        const QString detail =
            u"text before ends at %1, word ink %2..%3, next ink at %4, baselines %5 / %6"_s.arg(finAvant)
                .arg(encreMot.left())
                .arg(encreMot.right())
                .arg(encreSuite)
                .arg(ligneDeBase(haut))
                .arg(ligneDeBase(bas));
        QVERIFY2(encreMot.left() >= finAvant - 0.5 && encreMot.left() <= finAvant + 3.0, qPrintable(detail));
        QVERIFY2(encreMot.right() < encreSuite, qPrintable(detail));
        if (leve) {
            QVERIFY2(ligneDeBase(haut) <= ligneDeBase(bas) - 2.0, qPrintable(detail));
        } else {
            QVERIFY2(ligneDeBase(haut) >= ligneDeBase(bas) + 1.0, qPrintable(detail));
        }
    }
};

QTEST_MAIN(TestLisibilite)
#include "test_lisibilite.moc"
