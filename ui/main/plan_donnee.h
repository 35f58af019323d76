#pragma once

// The layout of the main window: every control with its name, caption, place and font, and the seven
// rows of the results panel, which the window also reads to fill them and to convert their units.

#include "model/section.h"
#include "platform/qt/mise_en_page.h"
#include "platform/qt/plan.h"

#include <QStringView>
#include <span>
#include <vector>

namespace donnee {

// One row of the results panel: its labels, the total it shows, its three-unit message and its detail
// button (the two radius rows have neither).
struct LigneResultat {
    double haut = 0.0;  // top of the caption, value, power and unit labels (mm)
    double hautE = 0.0; // top of the small "E" label
    QStringView valeur;
    QStringView e;
    QStringView puissance;
    QStringView unite;
    double largeurUnite = 0.0;
    QStringView unitePuissance = {}; // the raised "2" or "4" after "mm", if any
    QStringView texteUnitePuissance = {};
    QStringView bouton = {}; // detail button, if any
    QStringView texteBouton = {};
    double hautBouton = 0.0;
    double modele::Section::*total = nullptr;
    // The message shown on a click on the unit: empty prefixes for the rows without one.
    QStringView prefixe = {};
    QStringView prefixeSuite = {};
    int puissanceUnite = 1; // of the millimetre: 1 for a length, 2 for an area, 4 for a second moment

    bool convertible() const { return !prefixe.isEmpty(); }
};

// The seven rows, in the order the panel writes them.
std::span<const LigneResultat> lignesResultats();

// Every control of the window, in stacking order (later ones on top).
const std::vector<plateforme::Controle>& plan();

// The raised "2" and "4" of the results panel, each right after the "mm" it belongs to.
const std::vector<plateforme::Incrustation>& incrustations();

// An entry of a menu: an action (with its shortcut, if any), a submenu, or a separator (no name).
struct EntreeMenu {
    QStringView nom = {};
    QStringView texte = {};
    QStringView raccourci = {};
    bool sousMenu = false;
};

// A menu of the menu bar "BarreMenus", with its entries in order.
struct Menu {
    QStringView nom;
    QStringView texte;
    std::span<const EntreeMenu> entrees;
};

// The menus, left to right.
std::span<const Menu> menus();

// Client area of the window, below the menu bar, mm.
inline constexpr double LargeurFenetre = 196.3;
inline constexpr double HauteurFenetre = 136.0;

} // namespace donnee
