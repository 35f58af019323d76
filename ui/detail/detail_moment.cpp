#include "ui/detail/detail_moment.h"

DetailIGY::DetailIGY(const Section&)
    : plateforme::FenetreSecondaire(QStringLiteral("DetailIGY"), QStringLiteral("Calcul de Igy"), 80.0, 60.0,
                                    true) {}
DetailIGZ::DetailIGZ(const Section&)
    : plateforme::FenetreSecondaire(QStringLiteral("DetailIGZ"), QStringLiteral("Calcul de Igz"), 80.0, 60.0,
                                    true) {}
