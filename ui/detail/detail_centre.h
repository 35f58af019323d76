#pragma once

#include "model/section.h"
#include "platform/qt/fenetres.h"

class DetailYg final : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    explicit DetailYg(const Section& section);
};

class DetailZg final : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    explicit DetailZg(const Section& section);
};
