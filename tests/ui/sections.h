#pragma once

// The sections and texts the window tests share: the shape list as the program offers it, the
// help page's example, the messages several windows show, and a section built as the main window
// builds it.

#include "model/calcul.h"
#include "model/section.h"
#include "platform/qt/locale.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <string>
#include <vector>

namespace essai {

// The shapes in the order of the main window's list.
inline const QStringList formes = {
    QStringLiteral("Rectangle"),
    QStringLiteral("Triangle"),
    QStringLiteral("Disque"),
    QStringLiteral("Demi disque supérieur"),
    QStringLiteral("Demi disque inférieur"),
    QStringLiteral("Demi disque droite"),
    QStringLiteral("Demi disque gauche"),
    QStringLiteral("Quart de disque supérieur gauche"),
    QStringLiteral("Quart de disque supérieur droite"),
    QStringLiteral("Quart de disque inférieur gauche"),
    QStringLiteral("Quart de disque inférieur droite"),
};

// The messages the main window shows on refused input.
inline const QString nonNumerique = QStringLiteral("Vous devez saisir une valeur et non du texte");
inline const QString appliquerRefuse =
    QStringLiteral("Toutes les valeurs ne sont pas numériques. Veuillez les vérifier et corriger.\r\n"
                   "Les cases des données doivent être remplies et différentes de \"-\".");
inline const QString aireNegative =
    QStringLiteral("L'aire totale est négative, veuillez vérifier les données");

// What the program says of a computation out of range, and the two frames of the typed axis.
inline const QString calculImpossible =
    QStringLiteral("Les valeurs saisies sont trop grandes pour que le calcul puisse être effectué.\r\n"
                   "Rien n'a été modifié.");
inline const QString repereSaisie =
    QStringLiteral("Coordonnées du centre dans le repère de saisie (O, Z, Y) :");
inline const QString repereCentre =
    QStringLiteral("Coordonnées du centre dans le repère de saisie (G, Z, Y) :");

// What each second-moment window says when a value leaves the range of a double.
struct FautesAxe {
    QString tableauImpossible;
    QString coordonneeTropGrande;
    QString changementImpossible;
    QString axeZeroTropLoin;
};
inline const FautesAxe fautesIgy{
    QStringLiteral("Une valeur du tableau est trop grande pour être calculée : le détail du calcul de Igy ne "
                   "peut pas être affiché."),
    QStringLiteral("La valeur de Zo est trop grande : le moment quadratique \"Iy\" ne peut pas être "
                   "calculé.\r\nZo est remis à 0."),
    QStringLiteral("La valeur de Zo est trop grande pour être donnée dans l'autre repère."),
    QStringLiteral("L'axe Zo = 0 est trop loin du centre de gravité : le moment quadratique \"Iy\" ne peut "
                   "pas être calculé.")};
inline const FautesAxe fautesIgz{
    QStringLiteral("Une valeur du tableau est trop grande pour être calculée : le détail du calcul de Igz ne "
                   "peut pas être affiché."),
    QStringLiteral("La valeur de Yo est trop grande : le moment quadratique \"Iz\" ne peut pas être "
                   "calculé.\r\nYo est remis à 0."),
    QStringLiteral("La valeur de Yo est trop grande pour être donnée dans l'autre repère."),
    QStringLiteral("L'axe Yo = 0 est trop loin du centre de gravité : le moment quadratique \"Iz\" ne peut "
                   "pas être calculé.")};

// One element as the main window's boxes hold it, texts in the French locale.
struct Element {
    std::string forme;
    std::string base;
    std::string hauteur;
    std::string zg;
    std::string yg;
    bool additionner = true;
};

// The help page's example: a 70 x 70 solid square at Zg 35, Yg 35 and a 50 x 50 hole at Zg 35, Yg 40.
inline const std::vector<Element> exempleAide = {{"Rectangle", "70", "70", "35", "35"},
                                                 {"Rectangle", "50", "50", "35", "40", false}};

// The 9 shapes of examples/ipe200.brivane: h 200, b 100, tw 5,6, tf 8,5, r 12, as a plate less its
// four hollows and the root radii.
inline const std::vector<Element> ipe200 = {
    {"Rectangle", "100", "200", "0", "0"},
    {"Rectangle", "35,2", "183", "32,4", "0", false},
    {"Rectangle", "35,2", "183", "-32,4", "0", false},
    {"Rectangle", "12", "159", "8,8", "0", false},
    {"Rectangle", "12", "159", "-8,8", "0", false},
    {"Quart de disque supérieur droite", "12", "0", "9,707041821059349", "84,59295817894065", false},
    {"Quart de disque supérieur gauche", "12", "0", "-9,707041821059349", "84,59295817894065", false},
    {"Quart de disque inférieur droite", "12", "0", "9,707041821059349", "-84,59295817894065", false},
    {"Quart de disque inférieur gauche", "12", "0", "-9,707041821059349", "-84,59295817894065", false}};

// Ten elements of every family, solids and holes, no symmetry: the principal axes are drawn.
inline const std::vector<Element> dixElements = {
    {"Rectangle", "200", "20", "0", "0"},
    {"Rectangle", "20", "150", "-90", "85"},
    {"Triangle", "40", "40", "60", "23,33"},
    {"Disque", "15", "0", "40", "70"},
    {"Disque", "6", "0", "40", "70", false},
    {"Demi disque supérieur", "25", "0", "-20", "20,61"},
    {"Rectangle", "20", "10", "-60", "0", false},
    {"Quart de disque supérieur droite", "20", "0", "-71,51", "18,49"},
    {"Rectangle", "8", "8", "-90", "140", false},
    {"Demi disque gauche", "10", "0", "0", "90"}};

// Makes element k current (raising the count if needed) and applies it as the main window would;
// false when the count or the element is refused.
[[nodiscard]] inline bool saisir(modele::Section& s, int k, const Element& e) {
    while (s.NbrElement < k) {
        if (!modele::changerNombreElements(s, +1).accepte()) {
            return false;
        }
    }
    while (s.ElementCourant < k) {
        modele::changerElementCourant(s, +1);
    }
    while (s.ElementCourant > k) {
        modele::changerElementCourant(s, -1);
    }
    return modele::appliquer(s, {e.forme, e.base, e.hauteur, e.zg, e.yg, e.additionner},
                             plateforme::formatLocal())
        .accepte();
}

// A section built as the main window builds it: one "Appliquer" per element, the count raised by the
// arrow in between.
inline modele::Section construire(const std::vector<Element>& elements) {
    modele::Section s;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (!saisir(s, int(i) + 1, elements[i])) {
            qFatal("element %d refused", int(i + 1));
        }
    }
    return s;
}

} // namespace essai
