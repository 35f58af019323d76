#include "ui/main/plan_donnee.h"

#include "ui/commun/croquis.h"

#include <array>

using namespace modele;

using namespace Qt::StringLiterals;
using plateforme::Controle;
using plateforme::Genre;
using namespace plateforme::polices;

namespace donnee {

namespace {

constexpr std::array<LigneResultat, 7> Lignes{{
    {.haut = 2.1,
     .hautE = 2.8,
     .valeur = u"AireTotaleValeur",
     .e = u"EAire",
     .puissance = u"AireTotP",
     .unite = u"AireTotaleUnite",
     .largeurUnite = 8.5,
     .unitePuissance = u"AirePuissance",
     .texteUnitePuissance = u"2",
     .bouton = u"AireTotaleBoutton",
     .texteBouton = u"Détailler l'aire",
     .hautBouton = 0.0,
     .total = &Section::Atotale,
     .prefixe = u"A = ",
     .prefixeSuite = u"   = ",
     .puissanceUnite = 2},
    {.haut = 8.5,
     .hautE = 9.2,
     .valeur = u"ZgValeur",
     .e = u"EZg",
     .puissance = u"ZgPuissance",
     .unite = u"ZgUnite",
     .largeurUnite = 8.5,
     .bouton = u"ZgBoutton",
     .texteBouton = u"Détailler Zg",
     .hautBouton = 6.4,
     .total = &Section::Zg,
     .prefixe = u"Zg = ",
     .prefixeSuite = u"     = ",
     .puissanceUnite = 1},
    {.haut = 14.8,
     .hautE = 15.9,
     .valeur = u"YgValeur",
     .e = u"EYg",
     .puissance = u"YgPuissance",
     .unite = u"YgUnite",
     .largeurUnite = 8.5,
     .bouton = u"YgBoutton",
     .texteBouton = u"Détailler Yg",
     .hautBouton = 12.7,
     .total = &Section::Yg,
     .prefixe = u"Yg = ",
     .prefixeSuite = u"     = ",
     .puissanceUnite = 1},
    {.haut = 21.2,
     .hautE = 22.2,
     .valeur = u"IgzValeur",
     .e = u"EIgz",
     .puissance = u"Izpuissance",
     .unite = u"IgzUnite",
     .largeurUnite = 6.4,
     .unitePuissance = u"IGZpuissance",
     .texteUnitePuissance = u"4",
     .bouton = u"IgzBoutton",
     .texteBouton = u"Détailler Igz",
     .hautBouton = 19.1,
     .total = &Section::Igz,
     .prefixe = u"Igz = ",
     .prefixeSuite = u"      = ",
     .puissanceUnite = 4},
    {.haut = 27.5,
     .hautE = 28.6,
     .valeur = u"IgyValeur",
     .e = u"EIgy",
     .puissance = u"Iypuissance",
     .unite = u"IgyUnite",
     .largeurUnite = 6.4,
     .unitePuissance = u"IGYPuissance",
     .texteUnitePuissance = u"4",
     .bouton = u"IgyBoutton",
     .texteBouton = u"Détailler Igy",
     .hautBouton = 25.4,
     .total = &Section::Igy,
     .prefixe = u"Igy = ",
     .prefixeSuite = u"      = ",
     .puissanceUnite = 4},
    {.haut = 33.9,
     .hautE = 34.6,
     .valeur = u"RGigzaff",
     .e = u"ERGigz",
     .puissance = u"RGizpuissance",
     .unite = u"RGigzUnite",
     .largeurUnite = 6.4,
     .total = &Section::iGz},
    {.haut = 40.2,
     .hautE = 40.9,
     .valeur = u"RGigyaff",
     .e = u"ERGigy",
     .puissance = u"RGiypuissance",
     .unite = u"RGigyUnite",
     .largeurUnite = 6.4,
     .total = &Section::iGy},
}};

// The window's controls down to the sketches, which come from the catalogue.
const Controle Saisie[] = {
    {Genre::Etiquette,
     u"NbrElementTexte"_s,
     u"Nombre d'éléments composant la section :"_s,
     {4.2, 4.2, 55.0, 4.2}},
    {Genre::Etiquette, u"NbrElementAffich"_s, u"1"_s, {61.4, 4.2, 6.4, 4.2}},
    {Genre::Toupie, u"SpinButton1"_s, {}, {67.7, 2.1, 4.2, 8.5}},
    {Genre::Bouton, u"AideBoutton"_s, u"Aide"_s, {143.9, 2.1, 19.1, 8.5}},
    {Genre::Image, u"Image1"_s, u":/icone.svg"_s, {173.6, 2.1, 8.1, 10.6}},
    {Genre::Cadre, u"ZoneSaisie"_s, u"Caractéristiques des éléments :"_s, {4.2, 12.7, 190.5, 72.0}},
    {Genre::Etiquette, u"ElementTexte"_s, u"Elément n° :"_s, {2.1, 6.4, 16.9, 4.2}, Normale, u"ZoneSaisie"_s},
    {Genre::Etiquette, u"NumElement"_s, u"1"_s, {19.1, 6.4, 4.2, 4.2}, Normale, u"ZoneSaisie"_s},
    {Genre::Toupie, u"SpinButton2"_s, {}, {23.3, 4.2, 4.2, 8.5}, Normale, u"ZoneSaisie"_s},
    {Genre::Etiquette, u"Label1"_s, u"Unité : [mm]"_s, {59.3, 6.4, 19.1, 4.2}, Normale, u"ZoneSaisie"_s},
    {Genre::Bouton,
     u"BouttonRecapitulatif"_s,
     u"Tableau de données"_s,
     {80.4, 4.2, 29.6, 6.7},
     Italique,
     u"ZoneSaisie"_s},
    {Genre::Cadre,
     u"FormeTexte"_s,
     u"Forme de l'élément :"_s,
     {2.1, 19.1, 57.2, 16.9},
     Normale,
     u"ZoneSaisie"_s},
    {Genre::Liste, u"ListeForme"_s, {}, {0.0, 2.1, 55.3, 11.6}, Normale, u"FormeTexte"_s},
    {Genre::Cadre,
     u"DimensionsTexte"_s,
     u"Dimensions de l'élément :"_s,
     {61.4, 19.1, 57.2, 16.9},
     Normale,
     u"ZoneSaisie"_s},
    {Genre::Etiquette,
     u"DimSection1Texte"_s,
     u"Base ="_s,
     {2.1, 2.1, 14.8, 4.2},
     Normale,
     u"DimensionsTexte"_s},
    {Genre::Champ, u"DimSection1"_s, u"0"_s, {23.3, 2.1, 21.2, 5.6}, Normale, u"DimensionsTexte"_s},
    {Genre::Etiquette, u"UniteDimSection1"_s, u"mm"_s, {48.7, 2.8, 6.4, 4.2}, Normale, u"DimensionsTexte"_s},
    {Genre::Etiquette,
     u"DimSection2Texte"_s,
     u"Hauteur ="_s,
     {2.1, 8.5, 14.8, 4.2},
     Normale,
     u"DimensionsTexte"_s},
    {Genre::Champ, u"DimSection2"_s, u"0"_s, {23.3, 8.5, 21.2, 5.6}, Normale, u"DimensionsTexte"_s},
    {Genre::Etiquette, u"UniteDimSection2"_s, u"mm"_s, {48.7, 9.2, 6.4, 4.2}, Normale, u"DimensionsTexte"_s},
    {Genre::Cadre,
     u"PositionTexte"_s,
     u"Position du CdG de l'élément  :"_s,
     {61.4, 36.0, 57.2, 23.3},
     Normale,
     u"ZoneSaisie"_s},
    {Genre::Etiquette,
     u"PositionSectionZTexte"_s,
     u"Coordonnée Zg selon l'axe \"OZ\" :"_s,
     {2.1, 2.1, 23.3, 8.5},
     Normale,
     u"PositionTexte"_s},
    {Genre::Champ, u"ZG"_s, u"0"_s, {25.4, 2.1, 21.2, 5.7}, Champ, u"PositionTexte"_s},
    {Genre::Etiquette, u"UniteZG"_s, u"mm"_s, {48.7, 3.5, 6.4, 4.2}, Normale, u"PositionTexte"_s},
    {Genre::Etiquette,
     u"PositionSectionYTexte"_s,
     u"Coordonnées Yg selon l'axe \"OY\" :"_s,
     {2.1, 12.7, 23.3, 8.5},
     Normale,
     u"PositionTexte"_s},
    {Genre::Champ, u"YG"_s, u"0"_s, {25.4, 13.4, 21.2, 5.6}, Normale, u"PositionTexte"_s},
    {Genre::Etiquette, u"UniteYG"_s, u"mm"_s, {48.7, 14.1, 6.4, 4.2}, Normale, u"PositionTexte"_s},
    {Genre::Cadre, u"PleinTexte"_s, u"Plein / Trou :"_s, {2.1, 36.0, 57.2, 16.9}, Normale, u"ZoneSaisie"_s},
    {Genre::Etiquette,
     u"AdditionSoustractionTexte"_s,
     u"Forme à :"_s,
     {2.1, 2.1, 12.7, 4.2},
     Normale,
     u"PleinTexte"_s},
    {Genre::Option,
     u"ButtonAdditionner"_s,
     u"Additionner"_s,
     {19.1, 2.1, 22.5, 5.6},
     Normale,
     u"PleinTexte"_s},
    {Genre::Option,
     u"BouttonSoustraire"_s,
     u"Soustraire"_s,
     {19.1, 8.5, 24.1, 6.4},
     Normale,
     u"PleinTexte"_s},
    // Shown in red while the fields differ from the current element as stored.
    {Genre::Etiquette,
     u"SaisieNonAppliquee"_s,
     u"Valeurs non appliquées"_s,
     {40.2, 62.8, 38.1, 4.2},
     Normale,
     u"ZoneSaisie"_s},
    {Genre::Bouton,
     u"BouttonAppliquer"_s,
     u"Appliquer"_s,
     {80.4, 61.4, 16.9, 7.1},
     Italique,
     u"ZoneSaisie"_s},
};

constexpr plateforme::RectMm PlaceCroquis{122.8, 2.1, 63.5, 63.5};

// The results panel and the captions of its rows; the value, "E", power and unit labels of each row
// and its detail button come from the row table.
const Controle Resultats[] = {
    {Genre::Bouton, u"BouttonApercu"_s, u"Aperçu de la section"_s, {4.2, 88.9, 31.8, 8.5}, Italique},
    // Shown in red while the consistency check finds something; a click opens the preview.
    {Genre::Etiquette, u"AvertissementVerification"_s, {}, {4.2, 98.0, 31.8, 8.5}, Normale},
    {Genre::Cadre, u"ZoneResultats"_s, u"Résultats"_s, {38.1, 86.8, 105.8, 48.7}},
    {Genre::Etiquette,
     u"AireTotaleTexte"_s,
     u"Aire totale de la section :    A ="_s,
     {2.1, 2.1, 42.3, 4.2},
     Normale,
     u"ZoneResultats"_s},
    {Genre::Etiquette,
     u"CdgTexte"_s,
     u"Position du centre de gravité de la section :"_s,
     {2.1, 8.5, 29.6, 8.5},
     Normale,
     u"ZoneResultats"_s},
    {Genre::Etiquette, u"ZgTexte"_s, u"Zg ="_s, {36.0, 8.5, 8.5, 4.2}, Normale, u"ZoneResultats"_s},
    {Genre::Etiquette, u"YgTexte"_s, u"Yg ="_s, {36.0, 14.8, 6.4, 4.2}, Normale, u"ZoneResultats"_s},
    {Genre::Etiquette,
     u"MomentQuadratiqueTexte"_s,
     u"Moments quadratiques :"_s,
     {2.1, 21.2, 33.9, 4.2},
     Normale,
     u"ZoneResultats"_s},
    {Genre::Etiquette, u"IgzTexte"_s, u"  Igz ="_s, {33.9, 21.2, 10.6, 4.2}, Normale, u"ZoneResultats"_s},
    {Genre::Etiquette, u"IgyTexte"_s, u"  Igy ="_s, {33.9, 27.5, 10.6, 4.2}, Normale, u"ZoneResultats"_s},
    {Genre::Etiquette,
     u"RayonGirationTexte"_s,
     u"Rayons de giration :"_s,
     {2.1, 33.9, 33.9, 4.2},
     Normale,
     u"ZoneResultats"_s},
    {Genre::Etiquette,
     u"RGirationgzTexte"_s,
     u"  igz  ="_s,
     {33.9, 33.9, 10.6, 4.2},
     Normale,
     u"ZoneResultats"_s},
    {Genre::Etiquette,
     u"RGirationgyTexte"_s,
     u"  igy  ="_s,
     {33.9, 40.2, 10.6, 4.2},
     Normale,
     u"ZoneResultats"_s},
};

// Columns of a result row, mm from the left of the panel.
constexpr double GaucheValeur = 44.5, LargeurValeur = 9.9;
constexpr double GaucheE = 55.0, LargeurE = 2.1, HauteurE = 2.8;
constexpr double GauchePuissance = 57.2, LargeurPuissance = 12.4;
constexpr double GaucheUnite = 72.0;
constexpr double GaucheUnitePuissance = 76.2, LargeurUnitePuissance = 2.1;
constexpr double GaucheBouton = 82.6, LargeurBouton = 21.2, HauteurBouton = 6.4;
constexpr double HauteurLigne = 4.2;

} // namespace

std::span<const LigneResultat> lignesResultats() {
    return Lignes;
}

const std::vector<Controle>& plan() {
    static const std::vector<Controle> table = [] {
        std::vector<Controle> t(std::begin(Saisie), std::end(Saisie));
        for (const CroquisForme& c : Croquis) {
            t.push_back({Genre::Image, c.image.toString(), c.fichier.toString(), PlaceCroquis, Normale,
                         u"ZoneSaisie"_s});
        }
        t.insert(t.end(), std::begin(Resultats), std::end(Resultats));
        const QString zone = u"ZoneResultats"_s;
        for (const LigneResultat& l : Lignes) {
            t.push_back({Genre::Etiquette,
                         l.valeur.toString(),
                         u"0"_s,
                         {GaucheValeur, l.haut, LargeurValeur, HauteurLigne},
                         Normale,
                         zone});
            t.push_back({Genre::Etiquette,
                         l.e.toString(),
                         u"E"_s,
                         {GaucheE, l.hautE, LargeurE, HauteurE},
                         Petite,
                         zone});
            t.push_back({Genre::Etiquette,
                         l.puissance.toString(),
                         u"0"_s,
                         {GauchePuissance, l.haut, LargeurPuissance, HauteurLigne},
                         Normale,
                         zone});
            t.push_back({Genre::Etiquette,
                         l.unite.toString(),
                         u"mm"_s,
                         {GaucheUnite, l.haut, l.largeurUnite, HauteurLigne},
                         Normale,
                         zone});
            if (!l.unitePuissance.isEmpty()) {
                t.push_back({Genre::Etiquette,
                             l.unitePuissance.toString(),
                             l.texteUnitePuissance.toString(),
                             {GaucheUnitePuissance, l.haut, LargeurUnitePuissance, HauteurLigne},
                             Exposant,
                             zone});
            }
            if (!l.bouton.isEmpty()) {
                t.push_back({Genre::Bouton,
                             l.bouton.toString(),
                             l.texteBouton.toString(),
                             {GaucheBouton, l.hautBouton, LargeurBouton, HauteurBouton},
                             PetiteItalique,
                             zone});
            }
        }
        return t;
    }();
    return table;
}

const std::vector<plateforme::Incrustation>& incrustations() {
    static const std::vector<plateforme::Incrustation> table = [] {
        std::vector<plateforme::Incrustation> t;
        for (const LigneResultat& l : Lignes) {
            if (!l.unitePuissance.isEmpty()) {
                t.push_back({l.unitePuissance.toString(), l.unite.toString(), u"mm"_s});
            }
        }
        return t;
    }();
    return table;
}

namespace {

constexpr EntreeMenu EntreesFichier[] = {
    {u"ActionNouveau", u"&Nouveau", u"Ctrl+N"},
    {u"ActionNouveauProfil", u"Nouveau à partir d'un &profilé…", u"Ctrl+Shift+N"},
    {u"ActionOuvrir", u"&Ouvrir…", u"Ctrl+O"},
    {u"MenuRecents", u"Fichiers &récents", {}, true},
    {},
    {u"ActionEnregistrer", u"&Enregistrer", u"Ctrl+S"},
    {u"ActionEnregistrerSous", u"Enregistrer &sous…", u"Ctrl+Shift+S"},
    {},
    {u"ActionExporterNote", u"E&xporter la note de calcul…"},
    {u"ActionExporterDonnees", u"Exporter les &données (CSV)…"},
    {u"ActionImprimer", u"&Imprimer…", u"Ctrl+P"},
    {},
    {u"ActionQuitter", u"&Quitter", u"Ctrl+Q"},
};

constexpr EntreeMenu EntreesEdition[] = {
    {u"ActionAnnuler", u"&Annuler", u"Ctrl+Z"},
    {u"ActionRetablir", u"&Rétablir", u"Ctrl+Shift+Z"},
    {},
    {u"ActionCopier", u"&Copier", u"Ctrl+C"},
};

// Ctrl+K and Ctrl+Shift+K: free, and the fields let them through (they take no Ctrl+K).
constexpr EntreeMenu EntreesCalculs[] = {
    {u"ActionApercu", u"&Aperçu de la section", u"Ctrl+K"},
    {u"ActionContraintes", u"&Contraintes normales…", u"Ctrl+Shift+K"},
};

constexpr Menu Menus[] = {
    {u"MenuFichier", u"&Fichier", EntreesFichier},
    {u"MenuEdition", u"É&dition", EntreesEdition},
    {u"MenuCalculs", u"&Calculs", EntreesCalculs},
};

} // namespace

std::span<const Menu> menus() {
    return Menus;
}

} // namespace donnee
