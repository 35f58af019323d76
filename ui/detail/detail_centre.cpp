#include "ui/detail/detail_centre.h"

#include "platform/arithmetique.h"
#include "platform/qt/controles.h"
#include "platform/qt/locale.h"
#include "platform/qt/message.h"
#include "platform/qt/mise_en_page.h"
#include "ui/commun/affichage.h"
#include "ui/detail/detail_aire.h"

#include <vector>

using namespace modele;

using namespace Qt::StringLiterals;
using plateforme::Controle;
using plateforme::Etiquette;
using plateforme::Genre;
using namespace plateforme::polices;

namespace {

using plateforme::FinDeLigne;

const Genre E = Genre::Etiquette;

// A control of the headers or of the totals, named and captioned for each window.
struct ControleCentre {
    Variante nom;
    Variante texte;
    plateforme::RectMm rect;
    plateforme::Police police;
};

// The headers, laid before the rows; a lowered index lies on top of the caption it belongs to.
const ControleCentre entetes[] = {
    {u"Label3", u"i", {6.4, 1.1, 4.2, 4.2}, Grasse},
    {u"AdeAi", u"A", {23.3, 1.1, 4.2, 4.2}, Grasse},
    {u"ideAi", u"i", {25.4, 2.1, 4.2, 4.2}, Grasse},
    {u"UnitéA", u"[mm²]", {29.6, 0.5, 8.5, 4.2}, Normale},
    {{u"TexteY", u"TexteZ"}, {u"Y", u"Z"}, {42.3, 1.1, 4.2, 4.2}, Grasse},
    {u"TexteGi", u"Gi", {44.5, 2.1, 4.2, 4.2}, Grasse},
    {u"UniteY", u"[mm]", {49.4, 0.5, 8.5, 4.2}, Normale},
    {{u"TexteAY", u"TexteAZ"}, {u"A   x Y", u"A   x Z"}, {59.3, 1.1, 14.8, 4.2}, Grasse},
    {u"TexteiGi", u"i       Gi", {61.4, 2.1, 12.7, 4.2}, Grasse},
    {{u"UniteSGZ", u"UniteSGY"}, u"[mm ]", {76.2, 0.5, 8.5, 4.2}, Normale},
    {u"Label14", u"3", {81.1, 0.5, 2.1, 4.2}, Exposant},
};

// The totals, laid after the rows.
const ControleCentre totaux[] = {
    {u"TexteA", u"A          =", {2.1, 50.1, 14.8, 6.4}, Grasse},
    {u"TexteTotale", u"Totale", {4.2, 51.9, 10.6, 4.2}, Indice},
    {u"ATotaleValeur", u"Aire", {16.9, 50.1, 10.6, 3.5}, Grasse},
    {u"EAire", u"E", {27.5, 50.8, 2.1, 2.1}, ExposantGras},
    {u"ATotalePuissance", u"APuissance", {29.6, 50.1, 10.6, 3.5}, Grasse},
    {u"TexteS", u"S      =", {46.6, 50.1, 12.7, 6.4}, Grasse},
    {u"TexteGO", {u"OZ", u"OY"}, {48.7, 51.9, 10.6, 4.2}, Indice},
    {{u"SOZValeur", u"SOYValeur"}, {u"SOZ", u"SOY"}, {60.0, 50.1, 11.3, 4.2}, Grasse},
    {{u"ESoz", u"ESoy"}, u"E", {70.6, 50.8, 2.1, 2.1}, ExposantGras},
    {{u"SOZPuissance", u"SOYPuissance"}, {u"SOZ", u"SOY"}, {73.7, 50.1, 9.9, 4.2}, Grasse},
    {{u"TexteYg", u"TexteZg"}, {u"Y    =", u"Z    ="}, {19.1, 61.4, 8.5, 6.4}, Grasse},
    {{u"TexteGdeYg", u"TexteGdeZg"}, u"G", {21.2, 63.5, 4.2, 4.2}, Grasse},
    {{u"YgValeur", u"ZgValeur"}, {u"Yg", u"zg"}, {27.5, 61.4, 12.7, 4.2}, Grasse},
    {{u"EYg", u"EZg"}, u"E", {40.2, 62.1, 2.1, 2.1}, ExposantGras},
    {{u"YGPuissance", u"ZGPuissance"}, {u"YgP", u"zgP"}, {44.5, 61.4, 14.8, 4.2}, Grasse},
    {{u"YgUnité", u"ZgUnité"}, u"[mm]", {59.3, 61.4, 8.5, 4.2}, Normale},
};

// One column of the rows; "%1" stands for the element number.
struct ColonneCentre {
    Variante nom;
    Variante texte;
    double gauche;
    double decalage;
    double largeur;
    double hauteur;
    plateforme::Police police;
};

const ColonneCentre colonnes[] = {
    {u"i%1", u"%1", 6.4, 0.0, 4.2, 4.2, Normale},
    {u"A%1Valeur", u"A%1", 16.9, 0.0, 9.2, 4.2, Normale},
    {u"EA%1", u"E", 27.5, 0.7, 2.1, 2.1, Exposant},
    {u"A%1Puissance", u"A%1P", 29.6, 0.0, 9.2, 4.2, Normale},
    {{u"YG%1", u"ZG%1"}, {u"Yg%1", u"Zg%1"}, 42.7, 0.0, 13.8, 4.2, Normale},
    {u"S%1Valeur", {u"A%1.Yg%1", u"A%1.Zg%1"}, 60.0, 0.0, 9.9, 4.2, Normale},
    {u"ES%1", u"E", 70.6, 0.7, 2.1, 2.1, Exposant},
    {u"S%1Puissance", {u"A%1.Yg%1", u"A%1.Zg%1"}, 74.1, 0.0, 8.5, 4.2, Normale},
};

// The lowered indices and the raised "3", each right after the text it belongs to: overlaid label,
// label below, text of the label below before the place.
const Variante incrustations[][3] = {
    {u"ideAi", u"AdeAi", u"A"},
    {u"TexteGi", {u"TexteY", u"TexteZ"}, {u"Y", u"Z"}},
    {u"TexteiGi", {u"TexteAY", u"TexteAZ"}, u"A"},
    {u"Label14", {u"UniteSGZ", u"UniteSGY"}, u"[mm"},
    {u"TexteTotale", u"TexteA", u"A"},
    {u"TexteGO", u"TexteS", u"S"},
    {{u"TexteGdeYg", u"TexteGdeZg"}, {u"TexteYg", u"TexteZg"}, {u"Y", u"Z"}},
};

// The messages of the headings: a double-click on the control shows the text.
constexpr const char16_t* numeros = u"Numéros des éléments composant la section.";
constexpr const char16_t* aires =
    u"Aires des éléments composant la section, calculées en fonction des formes et des dimensions saisies.";
constexpr const char16_t* coordonnees =
    u"Coordonnées des centres de gravité des éléments dans le repère de saisie (O, Z, Y).";
constexpr const char16_t* centreSection =
    u"Coordonnée du centre de gravité de la section totale dans le repère (O, Z, Y).";

const Variante explications[][2] = {
    {u"Label3", numeros},
    {u"AdeAi", aires},
    {u"ideAi", aires},
    {{u"TexteAY", u"TexteAZ"},
     {u"Moments statiques Sozi des éléments formant la section.\r\n"
      u"Sozi = Ai x Ygi\r\n"
      u"Ils correspondent aux moments de renversement de la section lorsqu'on les charge "
      u"d'une force surfacique de 1 (sans unité).",
      u"Moments statiques Soyi des éléments formant la section.\r\n"
      u"Soyi = Ai x Zgi\r\n"
      u"Ils correspondent aux moments de renversement des éléments lorsqu'on les charge "
      u"d'une force surfacique de 1 (sans unité)."}},
    {u"TexteS",
     {u"Moment statique total de la section par rapport à l'axe horizontal OZ.\r\n"
      u"Soz=somme(AixYGi)",
      u"Moment statique total de la section par rapport à l'axe vertical OY.\r\n"
      u"Soy=somme(AixZGi)"}},
    {{u"TexteY", u"TexteZ"}, coordonnees},
    {u"TexteGi", coordonnees},
    {{u"TexteYg", u"TexteZg"}, centreSection},
    {{u"TexteGdeYg", u"TexteGdeZg"}, centreSection},
};

// The whole layout of a centroid window: headers, the ten rows, then the totals.
std::vector<Controle> plan(Lettre l) {
    std::vector<Controle> controles;
    for (const ControleCentre& t : entetes) {
        controles.push_back({E, t.nom.pour(l), t.texte.pour(l), t.rect, t.police});
    }
    std::vector<plateforme::Colonne> ligne;
    for (const ColonneCentre& c : colonnes) {
        ligne.push_back(
            {c.nom.pour(l), c.texte.pour(l), c.gauche, c.decalage, c.largeur, c.hauteur, c.police});
    }
    const std::vector<Controle> lignes =
        plateforme::Famille{ligne, 6.35, plateforme::PasLigne, Section::MaxElements}.controles();
    controles.insert(controles.end(), lignes.begin(), lignes.end());
    for (const ControleCentre& t : totaux) {
        controles.push_back({E, t.nom.pour(l), t.texte.pour(l), t.rect, t.police});
    }
    return controles;
}

} // namespace

FenetreCentre::FenetreCentre(const Section& section, Lettre lettre)
    : plateforme::FenetreSecondaire(Variante(u"DetailYg", u"DetailZg").pour(lettre),
                                    Variante(u"Calcul de Yg", u"Calcul de Zg").pour(lettre), 86.3,
                                    lettre == Lettre::Y ? 67.7 : 69.3, true),
      m_section(section), m_lettre(lettre), m_plan(this) {
    m_plan.ajouter(plan(lettre));
    std::vector<plateforme::Incrustation> places;
    for (const auto& [dessus, dessous, avant] : incrustations) {
        places.push_back({dessus.pour(lettre), dessous.pour(lettre), avant.pour(lettre)});
    }
    plateforme::incruster(m_plan, places);

    for (int k = 1; k <= Section::MaxElements; ++k) {
        const QString n = QString::number(k);
        Ligne& l = m_lignes[static_cast<std::size_t>(k - 1)];
        const auto cellule = [this](const QString& nom) { return m_plan.get<Etiquette>(nom); };
        l.numero = cellule(u"i"_s + n);
        l.aire = cellule(u"A"_s + n + u"Valeur"_s);
        l.aireE = cellule(u"EA"_s + n);
        l.airePuissance = cellule(u"A"_s + n + u"Puissance"_s);
        l.coordonnee = cellule(Variante(u"YG", u"ZG").pour(lettre) + n);
        l.moment = cellule(u"S"_s + n + u"Valeur"_s);
        l.momentE = cellule(u"ES"_s + n);
        l.momentPuissance = cellule(u"S"_s + n + u"Puissance"_s);
        plateforme::surDoubleClic(l.aire, this, [this, k] {
            if (const auto texte = detailAire::explicationAire(m_section, k)) {
                plateforme::afficherMessage(this, *texte);
            }
        });
        plateforme::surDoubleClic(l.coordonnee, this, [this, k] {
            plateforme::afficherMessage(
                this, Variante(u"Coordonnée verticale saisie du centre de gravité de l'élément ",
                               u"Coordonnée horizontale saisie du centre de gravité de l'élément ")
                              .pour(m_lettre) +
                          QString::number(k));
        });
    }

    for (const auto& [nom, texte] : explications) {
        relier(nom, texte);
    }

    const auto aireTotale = [this] {
        plateforme::afficherMessage(
            this, u"Aire totale calculée."_s + FinDeLigne + u"Atotale = somme(Ai)"_s + FinDeLigne +
                      detailAire::aireTroisUnites(u"             = "_s, m_section.Atotale));
    };
    for (const QString& nom :
         {u"TexteA"_s, u"TexteTotale"_s, u"ATotaleValeur"_s, u"EAire"_s, u"ATotalePuissance"_s}) {
        plateforme::surDoubleClic(m_plan.get<Etiquette>(nom), this, aireTotale);
    }

    const auto momentTotal = [this] {
        const double s = moment();
        const QString suite = u"       = "_s;
        plateforme::afficherMessage(this,
                                    Variante(u"Soz = somme(AixYgi)", u"Soy = somme(AixZgi)").pour(m_lettre) +
                                        FinDeLigne + affichage::troisUnites(suite, suite, s, 3));
    };
    for (const Variante nom : {Variante(u"SOZValeur", u"SOYValeur"), Variante(u"ESoz", u"ESoy"),
                               Variante(u"SOZPuissance", u"SOYPuissance")}) {
        plateforme::surDoubleClic(etiquette(nom), this, momentTotal);
    }

    const auto expliquerCentre = [this] { plateforme::afficherMessage(this, messageCentre()); };
    plateforme::surDoubleClic(etiquette({u"YgValeur", u"ZgValeur"}), this, expliquerCentre);
    Etiquette* unite = etiquette({u"YgUnité", u"ZgUnité"});
    unite->setCliquable(true);
    plateforme::surClic(unite, this, expliquerCentre);
    plateforme::rendreCopiable(this, [this] { return tableau(); });
}

modele::AxeMoment FenetreCentre::axe() const {
    return m_lettre == Lettre::Y ? AxeMoment::Z : AxeMoment::Y;
}

plateforme::Tableau FenetreCentre::tableau() const {
    const auto V = [](double x) { return plateforme::texteNombre(x); };
    plateforme::Tableau t{{u"i"_s, u"Ai [mm²]"_s, Variante(u"YGi [mm]", u"ZGi [mm]").pour(m_lettre),
                           Variante(u"Ai x YGi [mm³]", u"Ai x ZGi [mm³]").pour(m_lettre)}};
    for (int k = 1; k <= m_section.NbrElement; ++k) {
        const ElementSection& e = m_section.element(k);
        QString statique; // empty, as in the window, when it leaves the double range
        try {
            statique = V(momentStatique(e, axe()));
        } catch (const plateforme::FauteArithmetique&) {
        }
        t.append({plateforme::texteEntier(k), V(e.Aire), V(coordonnee(e, axe())), statique});
    }
    t.append({u"Total"_s, V(m_section.Atotale), V(centre()), V(moment())});
    return t;
}

Etiquette* FenetreCentre::etiquette(Variante nom) const {
    return m_plan.get<Etiquette>(nom.pour(m_lettre));
}

void FenetreCentre::relier(Variante nom, Variante texte) {
    plateforme::surDoubleClic(etiquette(nom), this, [this, texte = texte.pour(m_lettre)] {
        plateforme::afficherMessage(this, texte);
    });
}

double FenetreCentre::moment() const {
    return m_lettre == Lettre::Y ? m_section.Soz : m_section.Soy;
}

double FenetreCentre::centre() const {
    return m_lettre == Lettre::Y ? m_section.Yg : m_section.Zg;
}

QString FenetreCentre::messageCentre() const {
    const double s = moment();
    const double c = centre();
    return u"Coordonnée du centre de gravité de la section totale dans le repère (O, Z, Y)."_s + FinDeLigne +
           Variante(u"Yg = Soz/A = ", u"Zg = Soy/A = ").pour(m_lettre) + plateforme::texteNombre(s) +
           u" / "_s + plateforme::texteNombre(m_section.Atotale) + u" [mm]"_s + FinDeLigne +
           affichage::troisUnites(Variante(u"Yg = ", u"Zg = ").pour(m_lettre), u"     = "_s, c, 1);
}

void FenetreCentre::activer() {
    for (const Ligne& l : m_lignes) {
        for (Etiquette* e : {l.aire, l.aireE, l.airePuissance, l.numero, l.coordonnee, l.moment, l.momentE,
                             l.momentPuissance}) {
            e->hide();
        }
    }
    QStringList depassements;
    for (int k = 1; k <= m_section.NbrElement; ++k) {
        const Ligne& l = m_lignes[static_cast<std::size_t>(k - 1)];
        const ElementSection& e = m_section.element(k);
        l.aire->show();
        l.numero->show();
        l.coordonnee->show();
        affichage::notation(l.aire, l.aireE, l.airePuissance, e.Aire);
        l.coordonnee->setText(plateforme::texteNombre(modele::coordonnee(e, axe())));
        // The totals never overflow here (they passed the checked computation), but an element's
        // product is not computed there when the total area is 0: it can leave the double range.
        try {
            const double s = momentStatique(e, axe());
            affichage::notation(l.moment, l.momentE, l.momentPuissance, s);
            l.moment->show();
        } catch (const plateforme::FauteArithmetique&) {
            depassements.append(u"Le moment statique de l'élément "_s + QString::number(k) +
                                u" est trop grand pour être calculé : sa case reste vide."_s);
        }
    }
    affichage::notation(etiquette(u"ATotaleValeur"), etiquette(u"EAire"), etiquette(u"ATotalePuissance"),
                        m_section.Atotale);
    affichage::notation(etiquette({u"SOZValeur", u"SOYValeur"}), etiquette({u"ESoz", u"ESoy"}),
                        etiquette({u"SOZPuissance", u"SOYPuissance"}), moment());
    affichage::notation(etiquette({u"YgValeur", u"ZgValeur"}), etiquette({u"EYg", u"EZg"}),
                        etiquette({u"YGPuissance", u"ZGPuissance"}), centre());

    // Said once the table is up, and only when it is news: the rebuilds of one opening, or of
    // openings that find the same section, do not repeat it.
    const QString texte = depassements.join(FinDeLigne);
    if (texte != m_depassementAnnonce) {
        m_depassementAnnonce = texte;
        if (!texte.isEmpty()) {
            plateforme::afficherMessageEnsuite(this, texte);
        }
    }
}

DetailYg::DetailYg(const Section& section) : FenetreCentre(section, Lettre::Y) {}

DetailZg::DetailZg(const Section& section) : FenetreCentre(section, Lettre::Z) {}
