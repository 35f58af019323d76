#pragma once

#include "model/section.h"
#include "platform/qt/fenetres.h"

class Aide final : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    explicit Aide(plateforme::Registre& fenetres);
};
