#pragma once

#include "model/section.h"
#include "platform/qt/fenetres.h"

#include <QWidget>

class FenetreDonnee final : public QWidget {
    Q_OBJECT
public:
    FenetreDonnee(Section& section, plateforme::Registre& fenetres);

private:
    Section& m_section;
    plateforme::Registre& m_fenetres;
};
