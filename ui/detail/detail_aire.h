#pragma once

#include "model/section.h"
#include "platform/qt/fenetres.h"

class DetailAire final : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    explicit DetailAire(const Section& section);
};
