#pragma once

#include "model/section.h"
#include "platform/qt/fenetres.h"

class DetailIGY final : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    explicit DetailIGY(const Section& section);
};

class DetailIGZ final : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    explicit DetailIGZ(const Section& section);
};
