#pragma once

#include "model/section.h"
#include "platform/qt/fenetres.h"

class Recapitulatif final : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    explicit Recapitulatif(const Section& section);
};
