#pragma once

// The centroid detail windows. DetailYg tabulates, for each element, its area Ai, the ordinate Ygi of
// its centroid and its static moment Sozi = Ai x Ygi, then A, Soz and Yg = Soz / A; DetailZg does the
// same with the abscissa Zgi, Soyi = Ai x Zgi and Zg = Soy / A. Both are one window, FenetreCentre,
// told which axis it works on.

#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/plan.h"

#include <QString>
#include <QStringList>
#include <array>

namespace plateforme {
class Etiquette;
}

// What differs between the two centroid windows: names, captions, texts and the fields read.
struct AxeCentre {
    QString fenetre;
    QString titre;
    double hauteur = 0.0; // client height in mm

    // Controls of the headers and of the totals.
    QString texteCoordonnee;                        // "TexteY": letter of the coordinate heading
    QString lettre;                                 // its caption, "Y"
    QString texteMoment;                            // "TexteAY": heading of the static-moment column
    QString enteteMoment;                           // its caption, "A   x Y"
    QString uniteMoment;                            // "UniteSGZ"
    QString indiceMoment;                           // caption of TexteGO, "OZ"
    QString momentValeur, momentE, momentPuissance; // "SOZValeur", "ESoz", "SOZPuissance"
    QString momentTexte;                            // their caption, "SOZ"
    QString texteCentre, texteGdeCentre;            // "TexteYg", "TexteGdeYg"
    QString enteteCentre;                           // caption of TexteYg, "Y    ="
    QString centreValeur, centreE, centrePuissance,
        centreUnite;                                 // "YgValeur", "EYg", "YGPuissance", "YgUnité"
    QString centreValeurTexte, centrePuissanceTexte; // "Yg", "YgP"

    // Row family: coordinate label name and caption, static-moment caption (%1 = element number).
    QString coordonnee;       // "YG%1"
    QString coordonneeTexte;  // "Yg%1"
    QString momentLigneTexte; // "A%1.Yg%1"

    // Messages that differ.
    QStringList momentsElements; // M4
    QStringList momentTotal;     // M5
    QString sommeMoment;         // first line of M6, "Soz = somme(AixYgi)"
    QString coordonneeSaisie;    // M9 without the element number
    QString quotient;            // start of line 2 of M10, "Yg = Soz/A = "
    QString centreEgal;          // start of line 3 of M10, "Yg = "

    // What is read from the section.
    double ElementSection::*coordonneeElement = nullptr; // &ElementSection::Yg
    double Section::*moment = nullptr;                   // &Section::Soz
    double Section::*centre = nullptr;                   // &Section::Yg

    static const AxeCentre& vertical();   // DetailYg
    static const AxeCentre& horizontal(); // DetailZg
};

class FenetreCentre : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    FenetreCentre(const Section& section, const AxeCentre& axe);

    void activer() override;

private:
    struct Ligne {
        plateforme::Etiquette* numero = nullptr;
        plateforme::Etiquette* aire = nullptr;
        plateforme::Etiquette* aireE = nullptr;
        plateforme::Etiquette* airePuissance = nullptr;
        plateforme::Etiquette* coordonnee = nullptr;
        plateforme::Etiquette* moment = nullptr;
        plateforme::Etiquette* momentE = nullptr;
        plateforme::Etiquette* momentPuissance = nullptr;
    };

    void relier(const QString& nom, const QString& texte);
    void message(const QStringList& lignes);
    QString messageCentre() const;
    plateforme::Etiquette* etiquette(const QString& nom) const;

    const Section& m_section;
    const AxeCentre& m_axe;
    plateforme::Plan m_plan;
    std::array<Ligne, Section::MaxElements> m_lignes{};
    QString m_depassementAnnonce; // the overflow message last given, empty when none
};

class DetailYg final : public FenetreCentre {
    Q_OBJECT
public:
    explicit DetailYg(const Section& section);
};

class DetailZg final : public FenetreCentre {
    Q_OBJECT
public:
    explicit DetailZg(const Section& section);
};
