#pragma once

// The second-moment detail windows: the Huygens table of the section about its vertical centroidal
// axis (DetailIGY) or its horizontal one (DetailIGZ), the check total, the section's second moment,
// and the second moment about a parallel axis through a point the user types. One implementation
// serves both; the axis chooses the names, the captions, the figures and the messages. Ctrl+C copies
// the table, with the static moments of the check total in a column of their own; in the typed
// coordinate with a selection, it copies that selection.

#include "model/huygens.h"
#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/plan.h"
#include "platform/qt/presse_papiers.h"

#include <array>
#include <cstdint>
#include <optional>

class QLineEdit;
class QLabel;

namespace plateforme {
class Etiquette;
}

class DetailMoment : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    // Rebuilds the table from the section, sets the typed coordinate back to 0 and computes the
    // second moment about that axis; the frame in which the coordinate is typed stays. A value too
    // large is said once the rebuild has returned, in one message: at each opening, and at an
    // activation only for a section this window has not shown yet.
    void activer() override;

    // The labels of a row, in the order of the columns: number, area (mantissa, E, exponent),
    // distance, transport (mantissa, E, exponent), own moment (mantissa, E, exponent), sum (mantissa,
    // E, exponent).
    static constexpr int ColonnesParLigne = 14;

protected:
    DetailMoment(const modele::Section& section, modele::AxeMoment axe);

private:
    void construire();
    void relier();
    // The change of the typed coordinate: a text that is neither a number nor a lone "-" (the start of
    // a negative number, which counts as 0) becomes "0"; then the second moment about that axis.
    void saisieChangee();
    // Iycalcul / Izcalcul, saying nothing: false when the value leaves the range of a double, and the
    // figures are cleared then.
    bool calculerMomentDecale();
    void changerRepere();
    void montrer(const QString& texte);
    void montrerLigne(int colonne, int k);
    QString explicationPropre(int k) const; // own-moment formula of element k, empty if none
    void montrerStatique();
    void montrerMoment();
    void montrerMomentDecale();
    void ecrireCoordonnee(const QString& texte);
    plateforme::Etiquette* etiquette(const char16_t* nomY, const char16_t* nomZ = nullptr) const;
    // What Ctrl+C copies: the headings, one row per element, the totals SGY and IGY (SGZ and IGZ).
    plateforme::Tableau tableau() const;

    const modele::Section& m_section;
    const modele::AxeMoment m_axe;
    plateforme::Plan m_plan;
    std::array<std::array<plateforme::Etiquette*, ColonnesParLigne>, modele::Section::MaxElements> m_lignes{};
    QLineEdit* m_coordonnee = nullptr; // Zo (Yo)
    plateforme::Etiquette* m_repere = nullptr;

    std::optional<std::uint64_t> m_sectionMontree; // the section's change count at the last rebuild
    bool m_repereCentre = false; // false: Zo in the input frame (O, Z, Y); true: in (G, Z, Y)
    // What the pop-ups repeat: the check total of the last rebuild (none when it could not be
    // computed) and the mantissa and exponent of the last second moment about the typed axis (none
    // when it could not be computed).
    bool m_statiqueConnue = false;
    double m_statique = 0.0;
    bool m_decaleConnu = false;
    double m_decaleMantisse = 0.0;
    double m_decaleExposant = 0.0;
};

class DetailIGY final : public DetailMoment {
    Q_OBJECT
public:
    explicit DetailIGY(const modele::Section& section);
};

class DetailIGZ final : public DetailMoment {
    Q_OBJECT
public:
    explicit DetailIGZ(const modele::Section& section);
};
