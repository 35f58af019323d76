#include "ui/detail/detail_centre.h"

#include "platform/qt/controles.h"
#include "platform/qt/locale.h"
#include "platform/qt/message.h"
#include "platform/qt/mise_en_page.h"
#include "platform/reel.h"
#include "ui/detail/affichage.h"
#include "ui/detail/detail_aire.h"

#include <vector>

using namespace Qt::StringLiterals;
using plateforme::Controle;
using plateforme::Etiquette;
using plateforme::Genre;
using namespace plateforme::polices;

namespace {

const QString finDeLigne = u"\r\n"_s;

} // namespace

const AxeCentre& AxeCentre::vertical() {
    static const AxeCentre axe{
        .fenetre = u"DetailYg"_s,
        .titre = u"Calcul de Yg"_s,
        .hauteur = 67.7,
        .texteCoordonnee = u"TexteY"_s,
        .lettre = u"Y"_s,
        .texteMoment = u"TexteAY"_s,
        .enteteMoment = u"A   x Y"_s,
        .uniteMoment = u"UniteSGZ"_s,
        .indiceMoment = u"OZ"_s,
        .momentValeur = u"SOZValeur"_s,
        .momentE = u"ESoz"_s,
        .momentPuissance = u"SOZPuissance"_s,
        .momentTexte = u"SOZ"_s,
        .texteCentre = u"TexteYg"_s,
        .texteGdeCentre = u"TexteGdeYg"_s,
        .enteteCentre = u"Y    ="_s,
        .centreValeur = u"YgValeur"_s,
        .centreE = u"EYg"_s,
        .centrePuissance = u"YGPuissance"_s,
        .centreUnite = u"YgUnité"_s,
        .centreValeurTexte = u"Yg"_s,
        .centrePuissanceTexte = u"YgP"_s,
        .coordonnee = u"YG%1"_s,
        .coordonneeTexte = u"Yg%1"_s,
        .momentLigneTexte = u"A%1.Yg%1"_s,
        .momentsElements =
            {u"Moments statiques Sozi des éléments formant la section."_s, u"Sozi = Ai x Ygi"_s,
             u"Ils correspondent aux moments de renversement de la section lorsqu'on les charge "
             u"d'une force surfacique de 1 (sans unité)."_s},
        .momentTotal = {u"Moment statique total de la section par rapport à l'axe horizontal OZ."_s,
                        u"Soz=somme(AixYGi)"_s},
        .sommeMoment = u"Soz = somme(AixYgi)"_s,
        .coordonneeSaisie = u"Coordonnée verticale saisie du centre de gravité de l'élément "_s,
        .quotient = u"Yg = Soz/A = "_s,
        .centreEgal = u"Yg = "_s,
        .coordonneeElement = &ElementSection::Yg,
        .moment = &Section::Soz,
        .centre = &Section::Yg,
    };
    return axe;
}

const AxeCentre& AxeCentre::horizontal() {
    static const AxeCentre axe{
        .fenetre = u"DetailZg"_s,
        .titre = u"Calcul de Zg"_s,
        .hauteur = 69.3,
        .texteCoordonnee = u"TexteZ"_s,
        .lettre = u"Z"_s,
        .texteMoment = u"TexteAZ"_s,
        .enteteMoment = u"A   x Z"_s,
        .uniteMoment = u"UniteSGY"_s,
        .indiceMoment = u"OY"_s,
        .momentValeur = u"SOYValeur"_s,
        .momentE = u"ESoy"_s,
        .momentPuissance = u"SOYPuissance"_s,
        .momentTexte = u"SOY"_s,
        .texteCentre = u"TexteZg"_s,
        .texteGdeCentre = u"TexteGdeZg"_s,
        .enteteCentre = u"Z    ="_s,
        .centreValeur = u"ZgValeur"_s,
        .centreE = u"EZg"_s,
        .centrePuissance = u"ZGPuissance"_s,
        .centreUnite = u"ZgUnité"_s,
        .centreValeurTexte = u"zg"_s,
        .centrePuissanceTexte = u"zgP"_s,
        .coordonnee = u"ZG%1"_s,
        .coordonneeTexte = u"Zg%1"_s,
        .momentLigneTexte = u"A%1.Zg%1"_s,
        .momentsElements =
            {u"Moments statiques Soyi des éléments formant la section."_s, u"Soyi = Ai x Zgi"_s,
             u"Ils correspondent aux moments de renversement des éléments lorsqu'on les charge "
             u"d'une force surfacique de 1 (sans unité)."_s},
        .momentTotal = {u"Moment statique total de la section par rapport à l'axe vertical OY."_s,
                        u"Soy=somme(AixZGi)"_s},
        .sommeMoment = u"Soy = somme(AixZgi)"_s,
        .coordonneeSaisie = u"Coordonnée horizontale saisie du centre de gravité de l'élément "_s,
        .quotient = u"Zg = Soy/A = "_s,
        .centreEgal = u"Zg = "_s,
        .coordonneeElement = &ElementSection::Zg,
        .moment = &Section::Soy,
        .centre = &Section::Zg,
    };
    return axe;
}

namespace {

// The whole layout of a centroid window: headers, the ten rows, then the totals. A lowered index
// lies on top of the caption it belongs to.
std::vector<Controle> plan(const AxeCentre& a) {
    const Genre E = Genre::Etiquette;
    std::vector<Controle> controles = {
        {E, u"Label3"_s, u"i"_s, {6.4, 1.1, 4.2, 4.2}, Grasse},
        {E, u"AdeAi"_s, u"A"_s, {23.3, 1.1, 4.2, 4.2}, Grasse},
        {E, u"ideAi"_s, u"i"_s, {25.4, 2.1, 4.2, 4.2}, Grasse},
        {E, u"UnitéA"_s, u"[mm²]"_s, {29.6, 0.5, 8.5, 4.2}, Normale},
        {E, a.texteCoordonnee, a.lettre, {42.3, 1.1, 4.2, 4.2}, Grasse},
        {E, u"TexteGi"_s, u"Gi"_s, {44.5, 2.1, 4.2, 4.2}, Grasse},
        {E, u"UniteY"_s, u"[mm]"_s, {49.4, 0.5, 8.5, 4.2}, Normale},
        {E, a.texteMoment, a.enteteMoment, {59.3, 1.1, 14.8, 4.2}, Grasse},
        {E, u"TexteiGi"_s, u"i       Gi"_s, {61.4, 2.1, 12.7, 4.2}, Grasse},
        {E, a.uniteMoment, u"[mm ]"_s, {76.2, 0.5, 8.5, 4.2}, Normale},
        {E, u"Label14"_s, u"3"_s, {81.1, 0.5, 2.1, 4.2}, Exposant},
    };

    const plateforme::Colonne ligne[] = {
        {u"i%1"_s, u"%1"_s, 6.4, 0.0, 4.2, 4.2, Normale},
        {u"A%1Valeur"_s, u"A%1"_s, 16.9, 0.0, 9.2, 4.2, Normale},
        {u"EA%1"_s, u"E"_s, 27.5, 0.7, 2.1, 2.1, Exposant},
        {u"A%1Puissance"_s, u"A%1P"_s, 29.6, 0.0, 9.2, 4.2, Normale},
        {a.coordonnee, a.coordonneeTexte, 42.7, 0.0, 13.8, 4.2, Normale},
        {u"S%1Valeur"_s, a.momentLigneTexte, 60.0, 0.0, 9.9, 4.2, Normale},
        {u"ES%1"_s, u"E"_s, 70.6, 0.7, 2.1, 2.1, Exposant},
        {u"S%1Puissance"_s, a.momentLigneTexte, 74.1, 0.0, 8.5, 4.2, Normale},
    };
    const std::vector<Controle> lignes =
        plateforme::Famille{ligne, 6.35, plateforme::PasLigne, Section::MaxElements}.controles();
    controles.insert(controles.end(), lignes.begin(), lignes.end());

    const Controle totaux[] = {
        {E, u"TexteA"_s, u"A          ="_s, {2.1, 50.1, 14.8, 6.4}, Grasse},
        {E, u"TexteTotale"_s, u"Totale"_s, {4.2, 51.9, 10.6, 4.2}, Indice},
        {E, u"ATotaleValeur"_s, u"Aire"_s, {16.9, 50.1, 10.6, 3.5}, Grasse},
        {E, u"EAire"_s, u"E"_s, {27.5, 50.8, 2.1, 2.1}, ExposantGras},
        {E, u"ATotalePuissance"_s, u"APuissance"_s, {29.6, 50.1, 10.6, 3.5}, Grasse},
        {E, u"TexteS"_s, u"S      ="_s, {46.6, 50.1, 12.7, 6.4}, Grasse},
        {E, u"TexteGO"_s, a.indiceMoment, {48.7, 51.9, 10.6, 4.2}, Indice},
        {E, a.momentValeur, a.momentTexte, {60.0, 50.1, 11.3, 4.2}, Grasse},
        {E, a.momentE, u"E"_s, {70.6, 50.8, 2.1, 2.1}, ExposantGras},
        {E, a.momentPuissance, a.momentTexte, {73.7, 50.1, 9.9, 4.2}, Grasse},
        {E, a.texteCentre, a.enteteCentre, {19.1, 61.4, 8.5, 6.4}, Grasse},
        {E, a.texteGdeCentre, u"G"_s, {21.2, 63.5, 4.2, 4.2}, Grasse},
        {E, a.centreValeur, a.centreValeurTexte, {27.5, 61.4, 12.7, 4.2}, Grasse},
        {E, a.centreE, u"E"_s, {40.2, 62.1, 2.1, 2.1}, ExposantGras},
        {E, a.centrePuissance, a.centrePuissanceTexte, {44.5, 61.4, 14.8, 4.2}, Grasse},
        {E, a.centreUnite, u"[mm]"_s, {59.3, 61.4, 8.5, 4.2}, Normale},
    };
    controles.insert(controles.end(), std::begin(totaux), std::end(totaux));
    return controles;
}

// The lowered indices and the raised "3", each right after the text it belongs to.
std::vector<plateforme::Incrustation> incrustations(const AxeCentre& a) {
    return {
        {u"ideAi"_s, u"AdeAi"_s, u"A"_s},
        {u"TexteGi"_s, a.texteCoordonnee, a.lettre},
        {u"TexteiGi"_s, a.texteMoment, u"A"_s},
        {u"Label14"_s, a.uniteMoment, u"[mm"_s},
        {u"TexteTotale"_s, u"TexteA"_s, u"A"_s},
        {u"TexteGO"_s, u"TexteS"_s, u"S"_s},
        {a.texteGdeCentre, a.texteCentre, a.lettre},
    };
}

} // namespace

FenetreCentre::FenetreCentre(const Section& section, const AxeCentre& axe)
    : plateforme::FenetreSecondaire(axe.fenetre, axe.titre, 86.3, axe.hauteur, true), m_section(section),
      m_axe(axe), m_plan(this) {
    m_plan.ajouter(plan(axe));
    plateforme::incruster(m_plan, incrustations(axe));

    for (int k = 1; k <= Section::MaxElements; ++k) {
        const QString n = QString::number(k);
        Ligne& l = m_lignes[static_cast<std::size_t>(k - 1)];
        l.numero = etiquette(u"i"_s + n);
        l.aire = etiquette(u"A"_s + n + u"Valeur"_s);
        l.aireE = etiquette(u"EA"_s + n);
        l.airePuissance = etiquette(u"A"_s + n + u"Puissance"_s);
        l.coordonnee = etiquette(axe.coordonnee.arg(k));
        l.moment = etiquette(u"S"_s + n + u"Valeur"_s);
        l.momentE = etiquette(u"ES"_s + n);
        l.momentPuissance = etiquette(u"S"_s + n + u"Puissance"_s);
        connect(l.aire, &Etiquette::doubleClicked, this, [this, k] {
            if (const auto texte = detailAire::explicationAire(m_section, k)) {
                plateforme::afficherMessage(this, *texte);
            }
        });
        connect(l.coordonnee, &Etiquette::doubleClicked, this, [this, k] {
            plateforme::afficherMessage(this, m_axe.coordonneeSaisie + QString::number(k));
        });
    }

    const QString m1 = u"Numéros des éléments composant la section."_s;
    const QString m2 =
        u"Aires des éléments composant la section, calculées en fonction des formes et des dimensions saisies."_s;
    const QString m7 =
        u"Coordonnées des centres de gravité des éléments dans le repère de saisie (O, Z, Y)."_s;
    const QString m8 = u"Coordonnée du centre de gravité de la section totale dans le repère (O, Z, Y)."_s;
    relier(u"Label3"_s, m1);
    relier(u"AdeAi"_s, m2);
    relier(u"ideAi"_s, m2);
    relier(axe.texteMoment, axe.momentsElements.join(finDeLigne));
    relier(u"TexteS"_s, axe.momentTotal.join(finDeLigne));
    relier(axe.texteCoordonnee, m7);
    relier(u"TexteGi"_s, m7);
    relier(axe.texteCentre, m8);
    relier(axe.texteGdeCentre, m8);

    const auto aireTotale = [this] {
        plateforme::afficherMessage(
            this, u"Aire totale calculée."_s + finDeLigne + u"Atotale = somme(Ai)"_s + finDeLigne +
                      detailAire::aireTroisUnites(u"             = "_s, m_section.Atotale));
    };
    for (const QString& nom :
         {u"TexteA"_s, u"TexteTotale"_s, u"ATotaleValeur"_s, u"EAire"_s, u"ATotalePuissance"_s}) {
        connect(etiquette(nom), &Etiquette::doubleClicked, this, aireTotale);
    }

    const auto momentTotal = [this] {
        const double s = m_section.*m_axe.moment;
        const QString suite = u"       = "_s;
        plateforme::afficherMessage(this, m_axe.sommeMoment + finDeLigne +
                                              affichage::ligne(suite, s, u" [mm^3]"_s) + finDeLigne +
                                              affichage::ligne(suite, s / 1000.0, u" [cm^3]"_s) + finDeLigne +
                                              affichage::ligne(suite, s / 1000000000.0, u" [m^3]"_s));
    };
    for (const QString& nom : {axe.momentValeur, axe.momentE, axe.momentPuissance}) {
        connect(etiquette(nom), &Etiquette::doubleClicked, this, momentTotal);
    }

    const auto centre = [this] { plateforme::afficherMessage(this, messageCentre()); };
    connect(etiquette(axe.centreValeur), &Etiquette::doubleClicked, this, centre);
    Etiquette* unite = etiquette(axe.centreUnite);
    unite->setCliquable(true);
    connect(unite, &Etiquette::clicked, this, centre);
}

Etiquette* FenetreCentre::etiquette(const QString& nom) const {
    return m_plan.get<Etiquette>(nom);
}

void FenetreCentre::relier(const QString& nom, const QString& texte) {
    connect(etiquette(nom), &Etiquette::doubleClicked, this,
            [this, texte] { plateforme::afficherMessage(this, texte); });
}

QString FenetreCentre::messageCentre() const {
    const double s = m_section.*m_axe.moment;
    const double c = m_section.*m_axe.centre;
    const QString suite = u"     = "_s;
    return u"Coordonnée du centre de gravité de la section totale dans le repère (O, Z, Y)."_s + finDeLigne +
           m_axe.quotient + plateforme::texteNombre(s) + u" / "_s +
           plateforme::texteNombre(m_section.Atotale) + u" [mm]"_s + finDeLigne +
           affichage::ligne(m_axe.centreEgal, c, u" [mm]"_s) + finDeLigne +
           affichage::ligne(suite, c / 10.0, u" [cm]"_s) + finDeLigne +
           affichage::ligne(suite, c / 1000.0, u" [m]"_s);
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
        const double coordonnee = e.*m_axe.coordonneeElement;
        l.aire->show();
        l.numero->show();
        l.coordonnee->show();
        affichage::notation(l.aire, l.aireE, l.airePuissance, e.Aire);
        l.coordonnee->setText(plateforme::texteNombre(coordonnee));
        // The totals never overflow here (they passed the checked computation), but an element's
        // product is not computed there when the total area is 0: it can leave the double range.
        try {
            const double s = static_cast<double>(plateforme::Reel(e.Aire) * coordonnee);
            affichage::notation(l.moment, l.momentE, l.momentPuissance, s);
            l.moment->show();
        } catch (const plateforme::FauteArithmetique&) {
            depassements.append(u"Le moment statique de l'élément "_s + QString::number(k) +
                                u" est trop grand pour être calculé : sa case reste vide."_s);
        }
    }
    affichage::notation(etiquette(u"ATotaleValeur"_s), etiquette(u"EAire"_s),
                        etiquette(u"ATotalePuissance"_s), m_section.Atotale);
    affichage::notation(etiquette(m_axe.momentValeur), etiquette(m_axe.momentE),
                        etiquette(m_axe.momentPuissance), m_section.*m_axe.moment);
    affichage::notation(etiquette(m_axe.centreValeur), etiquette(m_axe.centreE),
                        etiquette(m_axe.centrePuissance), m_section.*m_axe.centre);

    // Said once the table is up, and only when it is news: the rebuilds of one opening, or of
    // openings that find the same section, do not repeat it.
    const QString texte = depassements.join(finDeLigne);
    if (texte != m_depassementAnnonce) {
        m_depassementAnnonce = texte;
        if (!texte.isEmpty()) {
            plateforme::afficherMessageEnsuite(this, texte);
        }
    }
}

DetailYg::DetailYg(const Section& section) : FenetreCentre(section, AxeCentre::vertical()) {}

DetailZg::DetailZg(const Section& section) : FenetreCentre(section, AxeCentre::horizontal()) {}
