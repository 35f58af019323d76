#pragma once

#include "platform/qt/fenetres.h"
#include "platform/qt/plan.h"

// "Exemple de calcul": the data and results of a two-element section, with two small sketches; a
// click on either opens it enlarged.
class Exemple final : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    explicit Exemple(plateforme::Registre& fenetres);

private:
    plateforme::Registre& m_fenetres;
    plateforme::Plan m_plan{this};
};

// "Schéma des données": the example section with its dimensions, enlarged.
class ExempleDonnee final : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    ExempleDonnee();

private:
    plateforme::Plan m_plan{this};
};

// "Schéma détaillé": the example section in the user's frame, with its elements and centroids, enlarged.
class ExempleDetail final : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    ExempleDetail();

private:
    plateforme::Plan m_plan{this};
};
