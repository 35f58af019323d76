#include "ui/aux/recapitulatif.h"

#include "model/catalogue.h"
#include "platform/qt/controles.h"
#include "platform/qt/locale.h"

#include <algorithm>
#include <array>

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

// The seven labels of a row, in the order of the columns.
enum Colonne { Numero, Forme, Dimension1, Dimension2, Zg, Yg, Signe, NbColonnes };

// One column of the row family: the name of row k is prefixe + k + suffixe, its first caption
// legende + k (the number alone for the number column).
struct ColonneLigne {
    const char16_t* prefixe;
    const char16_t* suffixe;
    const char16_t* legende;
    double gauche;
    double largeur;
};

constexpr std::array<ColonneLigne, NbColonnes> Ligne{{
    {u"Num", u"", u"", 5.6, 2.1},
    {u"Form", u"", u"Form", 16.9, 57.2},
    {u"Dim", u"1", u"Dim", 78.3, 16.9},
    {u"Dim", u"2", u"Dim", 99.5, 16.9},
    {u"Zg", u"", u"Zg", 120.7, 12.7},
    {u"Yg", u"", u"Yg", 139.7, 12.7},
    {u"Signe", u"", u"Signe", 156.6, 12.7},
}};

constexpr double HautLigne1 = 8.47;
constexpr double PasLigne = 4.233;
constexpr double HauteurLigne = 4.2;

QString nomCase(int colonne, int k) {
    const ColonneLigne& c = Ligne[static_cast<std::size_t>(colonne)];
    return QString::fromUtf16(c.prefixe) + QString::number(k) + QString::fromUtf16(c.suffixe);
}

Controle caseLigne(int colonne, int k) {
    const ColonneLigne& c = Ligne[static_cast<std::size_t>(colonne)];
    plateforme::RectMm r{c.gauche, HautLigne1 + (k - 1) * PasLigne, c.largeur, HauteurLigne};
    if (colonne == Numero && k == 10) {
        r.gauche = 4.2; // two digits
        r.largeur = 4.2;
    }
    return {Genre::Etiquette, nomCase(colonne, k), QString::fromUtf16(c.legende) + QString::number(k), r};
}

} // namespace

Recapitulatif::Recapitulatif(const Section& section)
    : plateforme::FenetreSecondaire(u"Recapitulatif"_s, u"Récapitulatif des valeurs saisies"_s, 170.7, 52.1,
                                    true),
      m_section(section) {
    m_plan.ajouter(Entetes);
    for (int k = 1; k <= Section::MaxElements; ++k) {
        for (int colonne = 0; colonne < NbColonnes; ++colonne) {
            m_plan.ajouter(caseLigne(colonne, k));
        }
    }
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
    const int n = std::clamp<int>(m_section.NbrElement, 0, Section::MaxElements);
    for (int k = 1; k <= n; ++k) {
        const ElementSection& e = m_section.element(k);
        const FormeCatalogue* forme = trouverForme(e.Forme);
        const bool hauteur = forme != nullptr && forme->aHauteur();

        etiquette(Numero, k)->setText(plateforme::texteEntier(k));
        etiquette(Forme, k)->setText(QString::fromStdString(e.Forme));
        etiquette(Dimension1, k)->setText(plateforme::texteNombre(e.Dimension1));
        etiquette(Dimension2, k)->setText(plateforme::texteNombre(e.Dimension2));
        etiquette(Zg, k)->setText(plateforme::texteNombre(e.Zg));
        etiquette(Yg, k)->setText(plateforme::texteNombre(e.Yg));
        etiquette(Signe, k)->setText(e.Signe == 1.0 ? u"+"_s : u"-"_s);

        for (int colonne = 0; colonne < NbColonnes; ++colonne) {
            etiquette(colonne, k)->setVisible(colonne != Dimension2 || hauteur);
        }
    }
}
