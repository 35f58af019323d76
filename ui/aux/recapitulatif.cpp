#include "ui/aux/recapitulatif.h"

#include "model/catalogue.h"
#include "platform/qt/controles.h"
#include "platform/qt/locale.h"

#include <algorithm>
#include <vector>

using namespace modele;

using namespace Qt::StringLiterals;
using plateforme::Controle;
using plateforme::Genre;
using namespace plateforme::polices;

namespace {

const Controle Entetes[] = {
    {Genre::Etiquette, u"TexteNuméro"_s, u"Numéro"_s, {1.1, 2.1, 12.7, 5.6}, Grasse},
    {Genre::Etiquette, u"TexteForme"_s, u"Forme de l'élément"_s, {21.2, 2.1, 42.3, 4.2}, Grasse},
    {Genre::Etiquette, u"Label11"_s, u"Dimension 1"_s, {78.3, 2.1, 18.7, 4.2}, Grasse},
    {Genre::Etiquette, u"Label10"_s, u"Dimension 2"_s, {99.5, 2.1, 18.7, 4.2}, Grasse},
    {Genre::Etiquette, u"TexteZg"_s, u"Zg"_s, {124.9, 2.1, 4.2, 4.2}, Grasse},
    {Genre::Etiquette, u"TexteYg"_s, u"Yg"_s, {143.9, 2.1, 4.2, 4.2}, Grasse},
    {Genre::Etiquette, u"TexteSigne"_s, u"Signe"_s, {158.8, 2.1, 8.5, 4.2}, Grasse},
};

// The seven fields of a row, in the order of its labels.
enum Champ { Numero, Forme, Dimension1, Dimension2, Zg, Yg, Signe, NbColonnes };

// Row k's names and captions; "Dim%11" is "Dim" + k + "1".
const plateforme::Colonne Rangee[NbColonnes] = {
    {u"Num%1"_s, u"%1"_s, 5.6, 0.0, 2.1, 4.2},           {u"Form%1"_s, u"Form%1"_s, 16.9, 0.0, 57.2, 4.2},
    {u"Dim%11"_s, u"Dim%1"_s, 78.3, 0.0, 16.9, 4.2},     {u"Dim%12"_s, u"Dim%1"_s, 99.5, 0.0, 16.9, 4.2},
    {u"Zg%1"_s, u"Zg%1"_s, 120.7, 0.0, 12.7, 4.2},       {u"Yg%1"_s, u"Yg%1"_s, 139.7, 0.0, 12.7, 4.2},
    {u"Signe%1"_s, u"Signe%1"_s, 156.6, 0.0, 12.7, 4.2},
};

QString nomCase(int colonne, int k) {
    return QString(Rangee[colonne].nom).replace(u"%1"_s, QString::number(k));
}

} // namespace

Recapitulatif::Recapitulatif(const Section& section)
    : plateforme::FenetreSecondaire(u"Recapitulatif"_s, u"Récapitulatif des valeurs saisies"_s, 170.7, 52.1,
                                    true),
      m_section(section) {
    m_plan.ajouter(Entetes);
    std::vector<Controle> lignes =
        plateforme::Famille{Rangee, 8.47, plateforme::PasLigne, Section::MaxElements}.controles();
    plateforme::RectMm& dix = lignes[(Section::MaxElements - 1) * NbColonnes + Numero].rect;
    dix.gauche = 4.2; // two digits
    dix.largeur = 4.2;
    m_plan.ajouter(lignes);
    plateforme::rendreCopiable(this, [this] { return tableau(); });
}

plateforme::Tableau Recapitulatif::tableau() const {
    plateforme::Tableau t(1); // the headings first
    for (const Controle& c : Entetes) {
        t.first().append(c.texte);
    }
    const int n = std::clamp<int>(m_section.NbrElement, 0, Section::MaxElements);
    for (int k = 1; k <= n; ++k) {
        const ElementSection& e = m_section.element(k);
        const FormeCatalogue* forme = trouverForme(e.Forme);
        const bool hauteur = forme != nullptr && forme->aHauteur();
        t.append({plateforme::texteEntier(k), QString::fromStdString(e.Forme),
                  plateforme::texteNombre(e.Dimension1),
                  hauteur ? plateforme::texteNombre(e.Dimension2) : QString(), plateforme::texteNombre(e.Zg),
                  plateforme::texteNombre(e.Yg), e.Signe == 1.0 ? u"+"_s : u"-"_s});
    }
    return t;
}

void Recapitulatif::activer() {
    const auto etiquette = [this](int colonne, int k) {
        return m_plan.get<plateforme::Etiquette>(nomCase(colonne, k));
    };
    for (int colonne = 0; colonne < NbColonnes; ++colonne) {
        for (int k = 1; k <= Section::MaxElements; ++k) {
            etiquette(colonne, k)->hide();
        }
    }
    // The rows of the copy are the window's: an empty second dimension is a shape without one.
    const plateforme::Tableau t = tableau();
    for (int k = 1; k < static_cast<int>(t.size()); ++k) {
        for (int colonne = 0; colonne < NbColonnes; ++colonne) {
            const QString& texte = t.at(k).at(colonne);
            etiquette(colonne, k)->setText(texte);
            etiquette(colonne, k)->setVisible(colonne != Dimension2 || !texte.isEmpty());
        }
    }
}
