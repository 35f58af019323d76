#pragma once

#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/plan.h"

// "Zoom des données à saisir": the sketch of the shape last selected in the main window, enlarged.
// The eleven sketches lie at the same place; each activation shows the one of FormeSelectionnee.
class ZoomForme final : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    explicit ZoomForme(const modele::Section& section);

    void activer() override;

private:
    const modele::Section& m_section;
    plateforme::Plan m_plan{this};
};
