#pragma once

#include "platform/qt/fenetres.h"
#include "platform/qt/plan.h"

// "Aide": one page of help in five numbered sections, and the button that opens the worked example.
class Aide final : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    explicit Aide(plateforme::Registre& fenetres);

private:
    plateforme::Registre& m_fenetres;
    plateforme::Plan m_plan{this};
};
