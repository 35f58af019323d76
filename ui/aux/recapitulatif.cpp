#include "ui/aux/recapitulatif.h"

Recapitulatif::Recapitulatif(const Section& /*section*/)
    : plateforme::FenetreSecondaire(QStringLiteral("Recapitulatif"),
                                    QStringLiteral("Récapitulatif des valeurs saisies"), 80.0, 60.0, true) {}
