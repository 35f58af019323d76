#pragma once

#include "model/section.h"
#include "platform/qt/fenetres.h"

class ZoomForme final : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    explicit ZoomForme(const Section& section);
};
