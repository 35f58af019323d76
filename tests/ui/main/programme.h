#pragma once

// The program as app/main.cpp builds it, made afresh for each test: the section, the registry of the
// secondary windows and the main window; the messages it shows are collected instead of boxes, the
// settings are the tests' own and start empty. With
// the main window's actions, the driver of the tests that go through it.

#include "fixture.h"
#include "sections.h"

#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "ui/aux/apercu_section.h"
#include "ui/main/fenetre_donnee.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <optional>

namespace essai {

// The results panel's rows: value, "E" and exponent.
inline const Cellule Resultats[7] = {
    {"AireTotaleValeur", "EAire", "AireTotP"}, {"ZgValeur", "EZg", "ZgPuissance"},
    {"YgValeur", "EYg", "YgPuissance"},        {"IgzValeur", "EIgz", "Izpuissance"},
    {"IgyValeur", "EIgy", "Iypuissance"},      {"RGigzaff", "ERGigz", "RGizpuissance"},
    {"RGigyaff", "ERGigy", "RGiypuissance"},
};

// The windows that show the section, and the main-window buttons that open them.
struct Ouverture {
    const char* bouton;
    const char* fenetre;
};
inline constexpr Ouverture Ouvertures[] = {
    {"AireTotaleBoutton", "DetailAire"}, {"ZgBoutton", "DetailZg"},
    {"YgBoutton", "DetailYg"},           {"IgzBoutton", "DetailIGZ"},
    {"IgyBoutton", "DetailIGY"},         {"BouttonRecapitulatif", "Recapitulatif"},
    {"BouttonApercu", "ApercuSection"},
};

// What a window shows: every caption with whether it is shown, and the typed coordinate of the
// second-moment windows.
using Photo = QMap<QString, QString>;

inline Photo photographier(const QWidget* fenetre, const char* nom) {
    Photo p;
    const QString prefixe = QString::fromUtf8(nom) + u'/';
    for (const QLabel* l : fenetre->findChildren<QLabel*>()) {
        p.insert(prefixe + l->objectName(),
                 l->text() + (l->isVisibleTo(fenetre) ? QString() : QStringLiteral(" [caché]")));
    }
    if (qstrcmp(nom, "FenetreDonnee") != 0) {
        for (const QLineEdit* e : fenetre->findChildren<QLineEdit*>()) {
            p.insert(prefixe + e->objectName(), e->text());
        }
    }
    return p;
}

struct Programme {
    std::unique_ptr<modele::Section> section;
    std::unique_ptr<plateforme::Registre> registre;
    std::unique_ptr<FenetreDonnee> fenetre;
    std::optional<Messages> messages;

    // The section, the registry and the main window, not shown yet; messages are collected from now.
    void construire() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Brivane"), QStringLiteral("Brivane")).clear();
        messages.emplace();
        section = std::make_unique<modele::Section>();
        registre = std::make_unique<plateforme::Registre>();
        fenetre = std::make_unique<FenetreDonnee>(*section, *registre);
    }
    // Built and shown; false when the main window never appeared.
    [[nodiscard]] bool demarrer() {
        construire();
        fenetre->show();
        return QTest::qWaitForWindowExposed(fenetre.get());
    }
    // The main window and its controls, as a user acts on them: a click on a control itself, the arrows
    // of a spin box, a shape chosen in the list by a click on its line.
    QWidget* w() const { return fenetre.get(); }
    template <class T = QWidget> T* ctl(const char* nom) const { return exige<T>(w(), nom); }
    void cliquer(const char* nom) const { QTest::mouseClick(ctl(nom), Qt::LeftButton); }
    void fleche(const char* toupie, bool haut, int fois = 1) const {
        auto* b = ctl(toupie)->findChild<QToolButton*>(haut ? QStringLiteral("haut") : QStringLiteral("bas"));
        QVERIFY(b != nullptr);
        for (int i = 0; i < fois; ++i) {
            QTest::mouseClick(b, Qt::LeftButton);
        }
    }
    void choisirForme(const QString& forme) const {
        auto* liste = ctl<QListWidget>("ListeForme");
        const auto items = liste->findItems(forme, Qt::MatchExactly | Qt::MatchCaseSensitive);
        QCOMPARE(items.size(), 1);
        liste->scrollToItem(items.first());
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(items.first()).center());
        QCOMPARE(liste->currentItem()->text(), forme);
    }

    // Empties the field first, as a user who selects it all and presses Backspace, then types: an
    // empty text is typed too, unlike essai::taper which types over the selection.
    void taper(const char* champ, const QString& texte) const {
        auto* c = ctl<QLineEdit>(champ);
        c->setFocus();
        c->selectAll();
        QTest::keyClick(c, Qt::Key_Backspace);
        QTest::keyClicks(c, texte);
    }
    // Types one element into the fields (the height only when given), chooses its shape and
    // solid/hole, and presses "Appliquer".
    void entrer(const QString& forme, const QString& d1, const QString& d2, const QString& zg,
                const QString& yg, bool plein) const {
        choisirForme(forme);
        taper("DimSection1", d1);
        if (!d2.isEmpty()) {
            taper("DimSection2", d2);
        }
        taper("ZG", zg);
        taper("YG", yg);
        cliquer(plein ? "ButtonAdditionner" : "BouttonSoustraire");
        cliquer("BouttonAppliquer");
    }
    // The help page's example, each element after a raise of the count.
    void entrerExemple() const {
        int k = 0;
        for (const Element& e : exempleAide) {
            fleche(++k == 1 ? "SpinButton1" : "SpinButton2", true);
            entrer(QString::fromStdString(e.forme), QString::fromStdString(e.base),
                   QString::fromStdString(e.hauteur), QString::fromStdString(e.zg),
                   QString::fromStdString(e.yg), e.additionner);
        }
    }

    // The results panel's row k (0 to 6) as the user reads it ("2400", "135,2 E4"), and the seven rows.
    QString resultat(int k) const { return cellule(w(), Resultats[k]); }
    QStringList panneau() const {
        QStringList p;
        for (int k = 0; k < 7; ++k) {
            p << resultat(k);
        }
        return p;
    }

    // Every window that shows the section, opened from its button.
    void ouvrirTout() const {
        for (const Ouverture& o : Ouvertures) {
            cliquer(o.bouton);
            QWidget* f = fenetreNommee(o.fenetre);
            QVERIFY2(f != nullptr && f->isVisible(), o.fenetre);
        }
    }
    // The main window's captions and those of every window that shows the section.
    // The preview's torsion, computed on a worker thread, shown first.
    Photo photographierTout() const {
        if (auto* a = qobject_cast<ApercuSection*>(fenetreNommee("ApercuSection"))) {
            a->attendreTorsion();
        }
        Photo p = photographier(w(), "FenetreDonnee");
        for (const Ouverture& o : Ouvertures) {
            if (const QWidget* f = fenetreNommee(o.fenetre)) {
                p.insert(photographier(f, o.fenetre));
            }
        }
        return p;
    }

    // The main window first, then the secondary windows with their registry, as the program ends.
    void arreter() {
        fenetre.reset();
        registre.reset();
        section.reset();
        messages.reset();
    }
};

// The offscreen platform says "does not support raise()" at every opening of a window: noise here.
inline void taireRaiseOffscreen() {
    static const QtMessageHandler suivant = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& contexte, const QString& texte) {
        if (suivant != nullptr && !texte.contains(QStringLiteral("does not support raise()"))) {
            suivant(type, contexte, texte);
        }
    });
}

} // namespace essai
