#include "ui/aux/aide.h"

Aide::Aide(plateforme::Registre& /*fenetres*/)
    : plateforme::FenetreSecondaire(QStringLiteral("Aide"), QStringLiteral("Aide"), 80.0, 60.0, true) {}
