#include "ui/detail/detail_aire.h"

DetailAire::DetailAire(const Section& /*section*/)
    : plateforme::FenetreSecondaire(QStringLiteral("DetailAire"), QStringLiteral("Calcul de l'aire"), 80.0,
                                    60.0, true) {}
