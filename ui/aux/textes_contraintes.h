#pragma once

// The texts of the stresses window: its fields and result rows with the explanation of each, and a
// step of the computation (rapport/etapes_contraintes.h) written as the window shows it.

#include "model/contraintes.h"
#include "rapport/etapes_contraintes.h"

#include <QString>
#include <optional>

namespace contraintes {

struct ChampEffort {
    const char16_t* nom;
    const char16_t* legende;
    const char16_t* unite;
    const char16_t* accessible;
    const char16_t* explication; // on a double-click of its caption
};
// N, Mz, My, ez, ey.
extern const ChampEffort Champs[5];

using Sigma = std::optional<double> (*)(const modele::Contraintes&);
struct Ligne {
    const char16_t* nom;
    const char16_t* legende;
    const char16_t* unite;       // MPa, mm or °
    const char16_t* etape;       // the step whose figures explain it
    const char16_t* explication; // before the step's formula and figures
    Sigma valeur;                // none for a blank row
    std::optional<modele::PointZY> modele::Contraintes::*point = nullptr; // where, shown in <nom>Point
};
// σG, σmax, σmin, the neutral axis's angle and where it crosses Gz and Gy.
extern const Ligne Lignes[6];

// (Z ; Y) rounded to 2 decimals.
QString point(const modele::PointZY& p);
// A step's result with its unit.
QString resultat(const rapport::Etape& e);

} // namespace contraintes
