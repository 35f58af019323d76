#include "ui/main/fenetre_donnee.h"

FenetreDonnee::FenetreDonnee(Section& section, plateforme::Registre& fenetres)
    : QWidget(nullptr), m_section(section), m_fenetres(fenetres) {
    setObjectName(QStringLiteral("FenetreDonnee"));
}
