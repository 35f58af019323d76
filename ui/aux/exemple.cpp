#include "ui/aux/exemple.h"

#include "platform/qt/controles.h"
#include "platform/qt/mise_en_page.h"

#include <QPalette>

using namespace Qt::StringLiterals;
using plateforme::Controle;
using plateforme::Genre;
using namespace plateforme::polices;

namespace {

const QString SchemaDonnees = u":/exemple/exemple.svg"_s;
const QString SchemaDetaille = u":/exemple/exemple_detail.svg"_s;

const Controle Page[] = {
    {Genre::Etiquette,
     u"Label1"_s,
     u"Pour saisir la section suivante, il faut indiquer :"_s,
     {2.1, 2.1, 59.3, 4.2}},
    {Genre::Etiquette, u"Label3"_s, u"Nombre d'éléments composant la section : 2"_s, {2.1, 8.5, 59.3, 4.2}},
    {Genre::Etiquette, u"Label4"_s, u"- Elément 1 :"_s, {2.1, 12.7, 59.3, 4.2}},
    {Genre::Etiquette, u"Label17"_s, u". Addition ;"_s, {4.2, 16.9, 57.2, 4.2}},
    {Genre::Etiquette, u"Label5"_s, u". Forme : rectangle ;"_s, {4.2, 21.2, 57.2, 4.2}},
    {Genre::Etiquette, u"Label6"_s, u". Base : 70 mm ;"_s, {4.2, 25.4, 57.2, 4.2}},
    {Genre::Etiquette, u"Label8"_s, u". Hauteur : 70 mm ;"_s, {4.2, 29.6, 57.2, 4.2}},
    {Genre::Etiquette, u"Label9"_s, u". Zg : 35 mm ;"_s, {4.2, 33.9, 57.2, 4.2}},
    {Genre::Etiquette, u"Label10"_s, u". yg : 35 mm ;"_s, {4.2, 38.1, 57.2, 4.2}},
    {Genre::Etiquette, u"Label11"_s, u"- Elément 2 :"_s, {2.1, 42.3, 59.3, 4.2}},
    {Genre::Etiquette, u"Label18"_s, u". Soustraction ;"_s, {4.2, 46.6, 57.2, 4.2}},
    {Genre::Etiquette, u"Label12"_s, u". Forme : rectangle ;"_s, {4.2, 50.8, 57.2, 4.2}},
    {Genre::Etiquette, u"Label13"_s, u". Base : 50 mm ;"_s, {4.2, 55.0, 57.2, 4.2}},
    {Genre::Etiquette, u"Label14"_s, u". Hauteur : 50 mm ;"_s, {4.2, 59.3, 57.2, 4.2}},
    {Genre::Etiquette, u"Label15"_s, u". Zg : 35 mm ;"_s, {4.2, 63.5, 57.2, 4.2}},
    {Genre::Etiquette, u"Label16"_s, u". yg : 40 mm ;"_s, {4.2, 67.7, 57.2, 4.2}},
    // "Remarque", underlined, fills the 17 spaces that open Label2.
    {Genre::Etiquette, u"Label29"_s, u"Remarque"_s, {4.2, 73.7, 63.5, 6.4}, Soulignee},
    {Genre::Etiquette,
     u"Label2"_s,
     u"                 : Pour trouver ces valeurs, il est naturellement conseillé de faire le dessin suivant :"_s,
     {4.2, 74.1, 63.5, 8.5}},
    {Genre::Etiquette, u"Label19"_s, u"On trouve les résultats suivants :"_s, {2.1, 84.7, 63.5, 4.2}},
    {Genre::Etiquette, u"Label22"_s, u"A = 2400 mm²"_s, {2.1, 91.0, 21.2, 4.2}},
    {Genre::Etiquette, u"Label21"_s, u"Yg = 29,79 mm"_s, {23.3, 91.0, 21.2, 4.2}},
    {Genre::Etiquette, u"Label20"_s, u"Zg = 35 mm"_s, {45.4, 91.0, 16.9, 4.2}},
    // 1352.10³ mm⁴ and 1480.10³ mm⁴: the two exponents of each are small labels set in the gaps.
    {Genre::Etiquette, u"Label23"_s, u"Igz = 1352.10  mm"_s, {63.5, 91.0, 27.5, 4.2}},
    {Genre::Etiquette, u"Label24"_s, u"3"_s, {81.5, 90.7, 1.4, 4.2}, Exposant},
    {Genre::Etiquette, u"Label25"_s, u"4"_s, {88.2, 90.7, 1.4, 4.2}, Exposant},
    {Genre::Etiquette, u"Label26"_s, u"Igy = 1480.10  mm"_s, {93.1, 91.4, 27.5, 4.2}},
    {Genre::Etiquette, u"Label27"_s, u"3"_s, {111.5, 91.0, 1.4, 4.2}, Exposant},
    {Genre::Etiquette, u"Label28"_s, u"4"_s, {117.8, 91.0, 1.4, 4.2}, Exposant},
    {Genre::Image, u"ImageDonnee"_s, SchemaDonnees, {72.0, 2.1, 44.5, 38.1}},
    {Genre::Etiquette, u"Label7"_s, u"[mm]"_s, {108.0, 38.0, 8.5, 2.1}, PetiteItalique},
    {Genre::Image, u"Image1"_s, SchemaDetaille, {69.1, 42.3, 50.8, 42.3}},
};

// "Remarque" fills the blank that opens Label2; the exponents follow the "10" and the "mm" they raise.
using Place = plateforme::Incrustation::Place;
const plateforme::Incrustation Incrustations[] = {
    {u"Label29"_s, u"Label2"_s, QString(), Place::Apres},
    {u"Label24"_s, u"Label23"_s, u"Igz = 1352.10"_s, Place::Apres},
    {u"Label25"_s, u"Label23"_s, u"Igz = 1352.10  mm"_s, Place::Apres},
    {u"Label27"_s, u"Label26"_s, u"Igy = 1480.10"_s, Place::Apres},
    {u"Label28"_s, u"Label26"_s, u"Igy = 1480.10  mm"_s, Place::Apres},
};

} // namespace

Exemple::Exemple(plateforme::Registre& fenetres)
    : plateforme::FenetreSecondaire(u"Exemple"_s, u"Exemple de calcul"_s, 124.1, 96.3, false),
      m_fenetres(fenetres) {
    m_plan.ajouter(Page);
    plateforme::ajusterLegendes(this);
    plateforme::incruster(m_plan, Incrustations);

    // The unit of the data sketch stands on white in the picture's corner, under the red square.
    auto* unite = m_plan.get<plateforme::Etiquette>(u"Label7"_s);
    QPalette p = unite->palette();
    p.setColor(QPalette::Window, Qt::white);
    unite->setPalette(p);
    unite->setAttribute(Qt::WA_TranslucentBackground, false);
    unite->setAttribute(Qt::WA_NoSystemBackground, false);
    unite->setAutoFillBackground(true);

    plateforme::surClic(m_plan.get<plateforme::Image>(u"ImageDonnee"_s), this,
                        [this] { m_fenetres.ouvrir<ExempleDonnee>(); });
    plateforme::surClic(m_plan.get<plateforme::Image>(u"Image1"_s), this,
                        [this] { m_fenetres.ouvrir<ExempleDetail>(); });
}

ExempleDonnee::ExempleDonnee()
    : plateforme::FenetreSecondaire(u"ExempleDonnee"_s, u"Schéma des données"_s, 83.1, 75.9, false) {
    m_plan.ajouter({Genre::Image, u"Image1"_s, SchemaDonnees, {2.1, 2.1, 78.3, 72.0}});
}

ExempleDetail::ExempleDetail()
    : plateforme::FenetreSecondaire(u"ExempleDetail"_s, u"Schéma détaillé"_s, 110.3, 89.2, false) {
    m_plan.ajouter({Genre::Image, u"Image1"_s, SchemaDetaille, {2.1, 2.1, 105.8, 84.7}});
}
