#include "ui/aux/aide.h"

#include "platform/qt/controles.h"
#include "platform/qt/mise_en_page.h"
#include "ui/aux/exemple.h"

using namespace Qt::StringLiterals;
using plateforme::Controle;
using plateforme::Genre;
using namespace plateforme::polices;

namespace {

const Controle Page[] = {
    {Genre::Etiquette, u"Label31"_s, u"I) Quelles formes de sections ?"_s, {2.1, 2.1, 55.0, 4.9}, Titre},
    {Genre::Etiquette,
     u"Label1"_s,
     u"Ce logiciel permet de calculer les caractéristiques géométriques d'une section composée d'au plus 10 "
     u"formes élémentaires "
     u"telles que :"_s,
     {2.1, 6.4, 175.7, 4.2},
     Normale},
    {Genre::Etiquette, u"Label2"_s, u"- le rectangle ;"_s, {4.2, 10.6, 19.1, 4.2}, Normale},
    {Genre::Etiquette, u"Label3"_s, u"- le triangle ;"_s, {4.2, 14.8, 16.9, 4.2}, Normale},
    {Genre::Etiquette, u"Label4"_s, u"- le disque ;"_s, {4.2, 19.1, 16.9, 4.2}, Normale},
    {Genre::Etiquette, u"Label5"_s, u"- le demi-disque ;"_s, {4.2, 23.3, 23.3, 4.2}, Normale},
    {Genre::Etiquette, u"Label6"_s, u"- le quart de disque ;"_s, {4.2, 27.5, 29.6, 4.2}, Normale},
    {Genre::Etiquette,
     u"Label7"_s,
     u"Ces formes élémentaires peuvent être pleines (matière) ou vides (trou)."_s,
     {2.1, 31.8, 165.1, 4.2},
     Normale},

    {Genre::Etiquette,
     u"Label32"_s,
     u"II) Quelles données sont nécessaires ?"_s,
     {2.1, 38.1, 72.0, 4.9},
     Titre},
    {Genre::Etiquette,
     u"Label8"_s,
     u"Il est impératif de connaître les dimensions des différentes formes."_s,
     {2.1, 42.3, 84.7, 4.2},
     Normale},
    {Genre::Etiquette,
     u"Label9"_s,
     u"C'est pourquoi il est vivement conseillé de faire un schéma avant de remplir les données demandées "
     u"dans "
     u"ce logiciel, en y indiquant :"_s,
     {2.1, 46.6, 173.6, 4.2},
     Normale},
    {Genre::Etiquette, u"Label11"_s, u"- la forme de la section ;"_s, {4.2, 50.8, 88.9, 4.2}, Normale},
    {Genre::Etiquette,
     u"Label10"_s,
     u"- les différentes formes composant la section (en les numérotant) ;"_s,
     {4.2, 55.0, 116.4, 4.2},
     Normale},
    {Genre::Etiquette,
     u"Label12"_s,
     u"- le repère global (O, Z, Y) (il est conseillé de le prendre en bas à droite pour que toute les "
     u"coordonnées des centres de gravité soient"_s,
     {4.2, 59.3, 175.7, 4.2},
     Normale},
    {Genre::Etiquette,
     u"Label13"_s,
     u" positives), l'axe OZ étant horizontal orienté vers la gauche et l'axe OY vertical vers le haut ;"_s,
     {6.4, 63.5, 175.7, 4.2},
     Normale},
    {Genre::Etiquette, u"Label14"_s, u"- en cotant :"_s, {4.2, 67.7, 16.9, 4.2}, Normale},
    {Genre::Etiquette,
     u"Label15"_s,
     u". les dimensions des formes élémentaires composant la section ;"_s,
     {12.7, 72.0, 84.7, 4.2},
     Normale},
    {Genre::Etiquette,
     u"Label16"_s,
     u". les coordonnées des centres de gravité des formes élémentaires (avec le signe) ;"_s,
     {12.7, 76.2, 105.8, 4.2},
     Normale},
    {Genre::Etiquette,
     u"Label35"_s,
     u"Les données sont obligatoirement saisies en millimètres."_s,
     {4.2, 80.4, 175.7, 4.2},
     Italique},

    {Genre::Etiquette, u"Label33"_s, u"III) Précautions d'utilisation :"_s, {2.1, 86.8, 72.0, 4.9}, Titre},
    {Genre::Etiquette,
     u"Label17"_s,
     u"ATTENTION : ce logiciel n'analyse pas la correcte saisie. Vous ne devez en aucun cas saisir un trou "
     u"où "
     u"il n'y a pas de "_s,
     {2.1, 91.0, 179.9, 4.2},
     Grasse},
    {Genre::Etiquette,
     u"Label18"_s,
     u"matière ni superposer plusieurs fois la matière au même endroit."_s,
     {19.1, 95.2, 160.9, 4.2},
     Grasse},
    {Genre::Etiquette,
     u"Label19"_s,
     u"De plus, il est impératif de saisir toutes les valeurs demandées (y compris Yg et Zg)."_s,
     {19.1, 99.5, 158.8, 4.2},
     Grasse},
    // The 24 spaces after "d'" leave the room where Label30 writes the button's name in bold.
    {Genre::Etiquette,
     u"Label28"_s,
     u"Il est impératif d'                        à chaque saisie d'élément composant la section pour "
     u"mémoriser les données avant de regarder les résultats."_s,
     {2.1, 103.7, 182.0, 4.2},
     Normale},
    {Genre::Etiquette, u"Label30"_s, u"\"Appliquer\""_s, {23.3, 103.7, 19.1, 4.2}, Grasse},

    {Genre::Etiquette, u"Label34"_s, u"IV) Les résultats :"_s, {2.1, 110.1, 72.0, 4.9}, Titre},
    {Genre::Etiquette,
     u"Label20"_s,
     u"Ce logiciel permet d'obtenir les valeurs de :"_s,
     {2.1, 114.3, 57.2, 4.2},
     Normale},
    {Genre::Etiquette, u"Label21"_s, u"- l'aire totale de la section ;"_s, {2.1, 118.5, 36.0, 4.2}, Normale},
    {Genre::Etiquette,
     u"Label22"_s,
     u"- la position du centre de gravité ;"_s,
     {2.1, 122.8, 57.2, 4.2},
     Normale},
    {Genre::Etiquette,
     u"Label23"_s,
     u"- les valeurs des moments quadratiques par rapport à l'axe horizontal et vertical passant par le "
     u"centre "
     u"de gravité."_s,
     {2.1, 127.0, 171.5, 4.2},
     Normale},
    {Genre::Etiquette,
     u"Label25"_s,
     u"On accède aux tableaux de calcul en appuyant sur les boutons \"Détailler ...\". Vous pourrez y "
     u"déterminer, par exemple, le moment quadratique selon un axe passant par un autre point que le centre "
     u"de "
     u"gravité."_s,
     {2.1, 131.2, 179.9, 8.5},
     Normale},
    {Genre::Etiquette,
     u"Label36"_s,
     u"En \"cliquant\" sur l'unité du résultat, vous obtenez les valeurs en milli, centi en unité."_s,
     {2.1, 139.7, 160.9, 4.2},
     Normale},

    {Genre::Etiquette, u"Label37"_s, u"V) Aide sur les grandeurs :"_s, {2.1, 146.0, 72.0, 4.9}, Titre},
    {Genre::Etiquette,
     u"Label24"_s,
     u"Pour avoir des informations sur les valeurs à saisir ou calculées, vous pouvez \"doublecliquer\" sur "
     u"le "
     u"texte. Une boite de dialogue apparaîtra pour vous expliquer la grandeur."_s,
     {2.1, 150.3, 177.8, 8.5},
     Normale},

    {Genre::Bouton, u"BouttonExemple"_s, u"Voir l'exemple"_s, {158.8, 14.8, 21.2, 7.1}, Normale},
};

// The bold button name fills the blank of Label28.
const plateforme::Incrustation Incrustations[] = {
    {u"Label30"_s, u"Label28"_s, u"Il est impératif d'"_s, plateforme::Incrustation::Place::AuCentre},
};

} // namespace

Aide::Aide(plateforme::Registre& fenetres)
    : plateforme::FenetreSecondaire(u"Aide"_s, u"Aide"_s, 185.5, 159.0, true), m_fenetres(fenetres) {
    m_plan.ajouter(Page);
    plateforme::ajusterLegendes(this);
    plateforme::incruster(m_plan, Incrustations);
    plateforme::surClic(m_plan.get<plateforme::Bouton>(u"BouttonExemple"_s), this,
                        [this] { m_fenetres.ouvrir<Exemple>(m_fenetres); });
}
