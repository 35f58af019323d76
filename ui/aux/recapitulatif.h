#pragma once

#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/plan.h"
#include "platform/qt/presse_papiers.h"

// "Récapitulatif des valeurs saisies": the data stored for elements 1 to NbrElement, one row each
// (number, shape, both dimensions, Zg, Yg, sign). Reads the section at every activation; changes
// nothing and reacts to no click. Ctrl+C copies the table.
class Recapitulatif final : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    explicit Recapitulatif(const modele::Section& section);

    void activer() override;

private:
    // What Ctrl+C copies: the headings and one row per element, the second dimension empty where the
    // window leaves it out.
    plateforme::Tableau tableau() const;

    const modele::Section& m_section;
    plateforme::Plan m_plan{this};
};
