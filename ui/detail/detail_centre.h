#pragma once

// The centroid detail windows. DetailYg tabulates, for each element, its area Ai, the ordinate Ygi of
// its centroid and its static moment Sozi = Ai x Ygi, then A, Soz and Yg = Soz / A; DetailZg does the
// same with the abscissa Zgi, Soyi = Ai x Zgi and Zg = Soy / A. Both are one window, FenetreCentre,
// told its letter (ui/detail/variante.h). Ctrl+C copies the table.

#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/plan.h"
#include "platform/qt/presse_papiers.h"
#include "ui/detail/variante.h"

#include <QString>
#include <array>

namespace plateforme {
class Etiquette;
}

class FenetreCentre : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    FenetreCentre(const modele::Section& section, Lettre lettre);

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

    void relier(Variante nom, Variante texte);
    QString messageCentre() const;
    // The section's static moment and centroid along the window's letter.
    double moment() const;
    double centre() const;
    // The axis of the input frame the static moments are taken about: OZ for Yg, OY for Zg.
    modele::AxeMoment axe() const;
    // What Ctrl+C copies: the headings, one row per element, the totals A, Yg (Zg) and Soz (Soy).
    plateforme::Tableau tableau() const;
    plateforme::Etiquette* etiquette(Variante nom) const;

    const modele::Section& m_section;
    const Lettre m_lettre;
    plateforme::Plan m_plan;
    std::array<Ligne, modele::Section::MaxElements> m_lignes{};
    QString m_depassementAnnonce; // the overflow message last given, empty when none
};

class DetailYg final : public FenetreCentre {
    Q_OBJECT
public:
    explicit DetailYg(const modele::Section& section);
};

class DetailZg final : public FenetreCentre {
    Q_OBJECT
public:
    explicit DetailZg(const modele::Section& section);
};
