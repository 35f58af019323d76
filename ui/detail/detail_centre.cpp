#include "ui/detail/detail_centre.h"

DetailYg::DetailYg(const Section&)
    : plateforme::FenetreSecondaire(QStringLiteral("DetailYg"), QStringLiteral("Calcul de Yg"), 80.0, 60.0,
                                    true) {}
DetailZg::DetailZg(const Section&)
    : plateforme::FenetreSecondaire(QStringLiteral("DetailZg"), QStringLiteral("Calcul de Zg"), 80.0, 60.0,
                                    true) {}
