#include "ui/detail/detail_aire.h"

#include "model/catalogue.h"
#include "platform/qt/controles.h"
#include "platform/qt/locale.h"
#include "platform/qt/message.h"
#include "platform/qt/mise_en_page.h"
#include "ui/commun/affichage.h"

using namespace modele;

using namespace Qt::StringLiterals;
using plateforme::Controle;
using plateforme::Etiquette;
using plateforme::Genre;
using namespace plateforme::polices;

namespace detailAire {

std::optional<QString> explicationAire(const Section& section, int k) {
    if (k < 1 || k > section.NbrElement) {
        return std::nullopt;
    }
    const ElementSection& e = section.element(k);
    const FormeCatalogue* forme = trouverForme(e.Forme);
    if (forme == nullptr) {
        return std::nullopt;
    }
    const auto V = [](double x) { return plateforme::texteNombre(x); };
    const bool dernier = k == Section::MaxElements;
    QString formule;
    switch (forme->famille) {
    case FamilleForme::Rectangle:
        formule = u" Section rectangulaire donc A = base x hauteur = "_s + V(e.Dimension1) + u" x "_s +
                  V(e.Dimension2) + u" [mm²]"_s;
        break;
    case FamilleForme::Triangle:
        formule = u" Section triangulaire donc A = (base x hauteur) / 2 = ("_s + V(e.Dimension1) + u" x "_s +
                  V(e.Dimension2) + (dernier ? u") / 2 [mm²]"_s : u" ) / 2 [mm²]"_s);
        break;
    case FamilleForme::Disque:
        formule = u" Section circulaire donc A = Pi x rayon² = Pi x "_s + V(e.Dimension1) + u"² [mm²]"_s;
        break;
    case FamilleForme::DemiDisqueHorizontal:
    case FamilleForme::DemiDisqueVertical:
        formule = u" Section demi cercle donc A = (Pi x rayon²) / 2 = (Pi x "_s + V(e.Dimension1) +
                  (dernier ? u"²) / 2 [mm²]"_s : u"²)  / 2 [mm²]"_s);
        break;
    case FamilleForme::QuartDeDisque:
        formule = u" Section quart de cercle donc A = (Pi x rayon²) / 4 = (Pi x "_s + V(e.Dimension1) +
                  u"²) / 4 [mm²]"_s;
        break;
    }
    return u"L'aire de l'élément saisi en "_s + plateforme::texteEntier(k) + u" vaut : "_s + V(e.Aire) +
           u" mm² "_s + plateforme::FinDeLigne + formule;
}

QString aireTroisUnites(const QString& premierPrefixe, double aire) {
    return affichage::troisUnites(premierPrefixe, u"             = "_s, aire, 2);
}

} // namespace detailAire

namespace {

// Headers first, then the rows, then the total row; a lowered index lies on top of the caption it
// belongs to, so that clicking it reaches it.
const Controle entetes[] = {
    {Genre::Etiquette, u"Label3"_s, u"i"_s, {6.4, 1.1, 4.2, 4.2}, Grasse},
    {Genre::Etiquette, u"AdeAi"_s, u"A"_s, {23.3, 1.1, 4.2, 4.2}, Grasse},
    {Genre::Etiquette, u"ideAi"_s, u"i"_s, {25.4, 2.1, 4.2, 4.2}, Grasse},
    {Genre::Etiquette, u"Unité"_s, u"[mm²]"_s, {31.8, 0.0, 12.7, 4.2}, Normale},
};

// One row of the table, k = 1 to 10.
const plateforme::Colonne ligne[] = {
    {u"i%1"_s, u"%1"_s, 6.4, 0.0, 4.2, 4.2, Normale},
    {u"A%1Valeur"_s, u"A%1"_s, 17.6, 0.0, 9.2, 4.2, Normale},
    {u"E%1"_s, u"E"_s, 27.2, 0.7, 2.1, 2.1, Exposant},
    {u"A%1Puissance"_s, u"P%1"_s, 29.6, 0.0, 12.3, 4.2, Normale},
};

const Controle total[] = {
    {Genre::Etiquette, u"TexteA"_s, u"A          ="_s, {0.7, 50.1, 14.8, 6.4}, Grasse},
    {Genre::Etiquette, u"TexteTotale"_s, u"Totale"_s, {2.8, 51.9, 10.6, 4.2}, Indice},
    {Genre::Etiquette, u"ATotaleValeur"_s, u"Aire"_s, {16.2, 50.1, 10.9, 3.5}, Grasse},
    {Genre::Etiquette, u"EAire"_s, u"E"_s, {27.2, 50.8, 2.1, 2.1}, ExposantGras},
    {Genre::Etiquette, u"ATotalePuissance"_s, u"Aire"_s, {29.6, 50.1, 12.3, 3.5}, Grasse},
    {Genre::Etiquette, u"Label12"_s, u"[mm²]"_s, {40.2, 50.8, 10.6, 4.2}, Normale},
};

// The lowered indices, each right after the letter it belongs to.
const plateforme::Incrustation incrustations[] = {
    {u"ideAi"_s, u"AdeAi"_s, u"A"_s},
    {u"TexteTotale"_s, u"TexteA"_s, u"A"_s},
};

} // namespace

DetailAire::DetailAire(const Section& section)
    : plateforme::FenetreSecondaire(u"DetailAire"_s, u"Calcul de l'aire"_s, 48.7, 57.2, true),
      m_section(section), m_plan(this) {
    m_plan.ajouter(entetes);
    m_plan.ajouter(plateforme::Famille{ligne, 6.35, plateforme::PasLigne, Section::MaxElements});
    m_plan.ajouter(total);
    plateforme::incruster(m_plan, incrustations);

    for (int k = 1; k <= Section::MaxElements; ++k) {
        const QString n = QString::number(k);
        Ligne& l = m_lignes[static_cast<std::size_t>(k - 1)];
        l.numero = m_plan.get<Etiquette>(u"i"_s + n);
        l.mantisse = m_plan.get<Etiquette>(u"A"_s + n + u"Valeur"_s);
        l.e = m_plan.get<Etiquette>(u"E"_s + n);
        l.puissance = m_plan.get<Etiquette>(u"A"_s + n + u"Puissance"_s);
        plateforme::surDoubleClic(l.mantisse, this, [this, k] { expliquerAire(k); });
    }

    const auto message = [this](const QString& texte) {
        return [this, texte] { plateforme::afficherMessage(this, texte); };
    };
    const QString aireTotale = u"Aire totale calculée."_s + plateforme::FinDeLigne + u"Atotale = somme(Ai)"_s;
    plateforme::surDoubleClic(m_plan.get<Etiquette>(u"TexteA"_s), this, message(aireTotale));
    plateforme::surClic(m_plan.get<Etiquette>(u"TexteTotale"_s), this, message(aireTotale));
    plateforme::surDoubleClic(m_plan.get<Etiquette>(u"AdeAi"_s), this,
                              message(u"Aire calculée en fonction de la forme et des dimensions saisies."_s));
    plateforme::surDoubleClic(m_plan.get<Etiquette>(u"Label3"_s), this,
                              message(u"Numéros des éléments composant la section."_s));
    for (const QString& nom : {u"ATotaleValeur"_s, u"ATotalePuissance"_s, u"EAire"_s, u"Label12"_s}) {
        auto* e = m_plan.get<Etiquette>(nom);
        e->setCliquable(true);
        plateforme::surClic(e, this, &DetailAire::montrerTotal);
    }
    plateforme::rendreCopiable(this, [this] { return tableau(); });
}

plateforme::Tableau DetailAire::tableau() const {
    plateforme::Tableau t{{u"i"_s, u"Ai [mm²]"_s}};
    for (int k = 1; k <= m_section.NbrElement; ++k) {
        t.append({plateforme::texteEntier(k), plateforme::texteNombre(m_section.element(k).Aire)});
    }
    t.append({u"Atotale"_s, plateforme::texteNombre(m_section.Atotale)});
    return t;
}

void DetailAire::activer() {
    for (const Ligne& l : m_lignes) {
        l.mantisse->hide();
        l.e->hide();
        l.puissance->hide();
        l.numero->hide();
    }
    for (int k = 1; k <= m_section.NbrElement; ++k) {
        const Ligne& l = m_lignes[static_cast<std::size_t>(k - 1)];
        l.mantisse->show();
        affichage::notation(l.mantisse, l.e, l.puissance, m_section.element(k).Aire);
        l.numero->show();
    }
    affichage::notation(m_plan.get<Etiquette>(u"ATotaleValeur"_s), m_plan.get<Etiquette>(u"EAire"_s),
                        m_plan.get<Etiquette>(u"ATotalePuissance"_s), m_section.Atotale);
}

void DetailAire::expliquerAire(int k) {
    if (const auto texte = detailAire::explicationAire(m_section, k)) {
        plateforme::afficherMessage(this, *texte);
    }
}

void DetailAire::montrerTotal() {
    plateforme::afficherMessage(this, detailAire::aireTroisUnites(u"Atotale = "_s, m_section.Atotale));
}
