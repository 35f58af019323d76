#include "ui/detail/detail_moment.h"

#include "model/catalogue.h"
#include "model/notation.h"
#include "platform/qt/controles.h"
#include "platform/qt/locale.h"
#include "platform/qt/message.h"
#include "platform/qt/mise_en_page.h"
#include "platform/reel.h"
#include "ui/commun/affichage.h"
#include "ui/detail/textes_moment.h"
#include "ui/detail/variante.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <vector>

using namespace modele;

using namespace Qt::StringLiterals;
using plateforme::Etiquette;
using plateforme::Genre;
using plateforme::Police;
using plateforme::RectMm;
using plateforme::Reel;

namespace {

// The fonts of the table (notation.h has an Exposant of its own).
using plateforme::polices::Exposant;
using plateforme::polices::ExposantGras;
using plateforme::polices::Grasse;
using plateforme::polices::Indice;
using plateforme::polices::Normale;

enum class Seulement { Les2, IGY, IGZ };

struct ControleMoment {
    Genre genre;
    Variante nom;
    Variante texte;
    RectMm rect;
    Police police;
    const char16_t* parent = u"";
    Seulement seulement = Seulement::Les2;
};

// The headings, the total line and the frame of the typed axis; the rows come from `colonnes`.
// Later rows lie on top of earlier ones.
const ControleMoment entetes[] = {
    {Genre::Etiquette, u"Label3", u"i", {6.4, 3.2, 4.2, 4.2}, Grasse},
    {Genre::Etiquette, u"AdeAi", u"A", {23.3, 3.2, 4.2, 4.2}, Grasse},
    {Genre::Etiquette, u"ideAi", u"i", {25.4, 4.2, 4.2, 4.2}, Grasse},
    {Genre::Etiquette, u"UnitéA", u"[mm²]", {29.6, 2.1, 8.5, 4.2}, Normale},
    {Genre::Etiquette, {u"TexteZ", u"TexteY"}, {u"Z", u"Y"}, {42.3, 3.2, 4.2, 4.2}, Grasse},
    {Genre::Etiquette, u"TexteGi", u"Gi", {44.5, 4.2, 4.2, 4.2}, Grasse},
    {Genre::Etiquette, {u"UniteZ", u"UniteY"}, u"[mm]", {49.4, 2.1, 8.5, 4.2}, Normale},
    {Genre::Etiquette,
     {u"TexteAZZ", u"TexteAYY"},
     {u"A   x Z    ²", u"A   x Y    ²"},
     {59.3, 3.2, 14.8, 4.2},
     Grasse},
    {Genre::Etiquette, {u"TexteiAZZ", u"TexteiAYY"}, u"i       Gi", {61.4, 4.2, 12.7, 4.2}, Grasse},
    {Genre::Etiquette, {u"UniteAZZ", u"UniteAYY"}, u"[mm ]", {76.2, 2.1, 8.5, 4.2}, Normale},
    {Genre::Etiquette, u"PuissanceAYY", u"4", {81.1, 2.1, 2.1, 4.2}, Exposant},
    {Genre::Etiquette, u"Label26", u"I", {93.1, 2.1, 10.6, 4.2}, Grasse},
    {Genre::Etiquette, u"Label25", {u"GYi", u"GZi"}, {95.3, 3.2, 6.4, 4.2}, Grasse},
    {Genre::Etiquette, {u"UniteIgyi", u"UniteIgzi"}, u"[mm ]", {105.8, 2.1, 8.5, 4.2}, Normale},
    {Genre::Etiquette, u"PuissanceIgzi", u"4", {110.8, 2.1, 2.1, 4.2}, Exposant},
    {Genre::Etiquette,
     {u"TexteIgyitot", u"TexteIgzitot"},
     {u"A   x Z    ² +I", u"A   x Y    ² +I"},
     {117.1, 2.1, 23.3, 4.2},
     Grasse},
    {Genre::Etiquette,
     {u"IndicesDesIGyitot", u"IndicesDesIGzitot"},
     {u"i       Gi       GYi", u"i       Gi       GZi"},
     {119.2, 3.2, 21.2, 4.2},
     Grasse},
    {Genre::Etiquette, {u"TexteIgyitotunit", u"TexteIgzitotunit"}, u"[mm ]", {142.5, 2.1, 8.5, 4.2}, Normale},
    {Genre::Etiquette,
     {u"TexteIgyitotPuissance", u"TexteIgzitotPuissance"},
     u"4",
     {147.5, 2.1, 2.1, 4.2},
     Exposant},
};

const ControleMoment totaux[] = {
    {Genre::Etiquette, {u"TexteSgy", u"TexteSgz"}, u"S      =", {4.9, 52.2, 12.7, 6.4}, Grasse},
    {Genre::Etiquette, u"TexteTotale", {u"GY", u"GZ"}, {7.1, 54.0, 10.6, 4.2}, Indice},
    {Genre::Etiquette, {u"Sgy", u"Sgz"}, {u"Sgy", u"Sgz"}, {16.9, 52.2, 10.6, 3.5}, Grasse},
    {Genre::Etiquette, {u"ESgy", u"ESgz"}, u"E", {27.5, 52.9, 2.1, 2.1}, ExposantGras},
    {Genre::Etiquette,
     {u"SgyPuissance", u"SgzPuissance"},
     {u"SgyPuissance", u"SgzPuissance"},
     {29.6, 52.2, 10.6, 3.5},
     Grasse},
    {Genre::Etiquette, u"Label22", u"[mm ]", {46.6, 52.2, 8.5, 4.2}, Normale},
    {Genre::Etiquette, u"Label39", u"3", {51.5, 52.2, 2.1, 2.1}, Exposant},
    {Genre::Etiquette, u"TexteI", u"I      =", {105.8, 52.2, 12.7, 6.4}, Grasse},
    {Genre::Etiquette, {u"TexteOY", u"TexteOZ"}, {u"GY", u"GZ"}, {107.9, 54.0, 10.6, 4.2}, Indice},
    {Genre::Etiquette, {u"IGYValeur", u"IGZValeur"}, {u"IGY", u"IGZ"}, {119.2, 52.2, 9.9, 4.2}, Grasse},
    {Genre::Etiquette, {u"EIgy", u"EIgz"}, u"E", {129.8, 52.9, 2.1, 2.1}, ExposantGras},
    {Genre::Etiquette,
     {u"IGYPuissance", u"IGZPuissance"},
     {u"IGYPu", u"IGZPu"},
     {133.0, 52.2, 9.9, 4.2},
     Grasse},
    {Genre::Etiquette, u"Label23", u"[mm ]", {152.4, 52.2, 8.5, 4.2}, Normale},
    {Genre::Etiquette, u"Label24", u"4", {157.3, 52.2, 2.1, 4.2}, Exposant},

    {Genre::Cadre, u"Frame1", {u"Ioy", u"Ioz"}, {9.2, 61.4, 141.8, 23.3}, Normale},
    {Genre::Etiquette,
     u"Label27",
     u"Valeur du moment quadratique pour un autre axe que celui passant par le centre de gravité :",
     {2.1, 2.1, 118.5, 4.2},
     Normale,
     u"Frame1"},
    {Genre::Etiquette,
     u"Repere",
     u"Coordonnées du centre dans le repère de saisie (O, Z, Y) :",
     {2.1, 8.5, 76.2, 4.2},
     Normale,
     u"Frame1"},
    {Genre::Etiquette, u"Label30", u"______________", {51.9, 8.8, 24.3, 4.2}, Normale, u"Frame1"},
    {Genre::Etiquette, u"Label38", {u"Zo =", u"Yo ="}, {80.4, 8.5, 6.4, 4.2}, Normale, u"Frame1"},
    {Genre::Champ, {u"Z", u"Y"}, u"", {88.9, 7.1, 25.4, 6.4}, Normale, u"Frame1"},
    {Genre::Etiquette, u"Label29", u"[mm]", {116.4, 8.5, 10.6, 4.2}, Normale, u"Frame1"},
    {Genre::Etiquette, u"Label31", u"I      =", {44.5, 14.8, 12.7, 6.4}, Grasse, u"Frame1"},
    {Genre::Etiquette, u"Label32", u"Y", {46.6, 16.6, 4.2, 4.2}, Indice, u"Frame1", Seulement::IGY},
    {Genre::Etiquette, u"Label32", u"Z", {46.6, 16.6, 10.6, 4.2}, Indice, u"Frame1", Seulement::IGZ},
    {Genre::Etiquette, {u"IyValeur", u"IzValeur"}, {u"IY", u"IZ"}, {57.2, 14.8, 9.9, 4.2}, Grasse, u"Frame1"},
    {Genre::Etiquette, {u"EIy", u"EIz"}, u"E", {67.7, 15.5, 2.1, 2.1}, ExposantGras, u"Frame1"},
    {Genre::Etiquette,
     {u"IyPuissance", u"IzPuissance"},
     {u"IYPu", u"IZPu"},
     {70.9, 14.8, 9.9, 4.2},
     Grasse,
     u"Frame1"},
    {Genre::Etiquette, u"Label36", u"[mm ]", {84.7, 14.8, 8.5, 4.2}, Normale, u"Frame1"},
    {Genre::Etiquette, u"Label37", u"4", {89.6, 14.8, 2.1, 4.2}, Exposant, u"Frame1"},
};

// The lowered indices and the raised exponents, each right after the text it belongs to: overlaid
// label, label below, text of the label below before the place.
const Variante incrustations[][3] = {
    {u"ideAi", u"AdeAi", u"A"},
    {u"TexteGi", {u"TexteZ", u"TexteY"}, {u"Z", u"Y"}},
    {{u"TexteiAZZ", u"TexteiAYY"}, {u"TexteAZZ", u"TexteAYY"}, u"A"},
    {u"PuissanceAYY", {u"UniteAZZ", u"UniteAYY"}, u"[mm"},
    {u"Label25", u"Label26", u"I"},
    {u"PuissanceIgzi", {u"UniteIgyi", u"UniteIgzi"}, u"[mm"},
    {{u"IndicesDesIGyitot", u"IndicesDesIGzitot"}, {u"TexteIgyitot", u"TexteIgzitot"}, u"A"},
    {{u"TexteIgyitotPuissance", u"TexteIgzitotPuissance"},
     {u"TexteIgyitotunit", u"TexteIgzitotunit"},
     u"[mm"},
    {u"TexteTotale", {u"TexteSgy", u"TexteSgz"}, u"S"},
    {u"Label39", u"Label22", u"[mm"},
    {{u"TexteOY", u"TexteOZ"}, u"TexteI", u"I"},
    {u"Label24", u"Label23", u"[mm"},
    {u"Label32", u"Label31", u"I"},
    {u"Label37", u"Label36", u"[mm"},
};

// What a double-click on a row label explains.
enum class Explique { Rien, Numero, Aire, Distance, Transport, Propre, Somme };

// One column of the row family; "%1" stands for the element number. The rows' tops start at 8.5 mm;
// the small E labels sit 0.7 mm lower.
struct ColonneMoment {
    Variante nom;
    Variante texte;
    double gauche;
    double largeur;
    bool lettreE;
    Explique explique;
};

const ColonneMoment colonnes[DetailMoment::ColonnesParLigne] = {
    {u"i%1", u"%1", 6.4, 4.2, false, Explique::Numero},
    {u"A%1Valeur", u"A%1", 16.9, 9.2, false, Explique::Aire},
    {u"EA%1", u"E", 27.5, 2.1, true, Explique::Rien},
    {u"A%1Puissance", u"A%1P", 29.6, 9.2, false, Explique::Aire},
    {{u"ZG%1", u"YG%1"}, {u"Zg%1", u"Yg%1"}, 42.7, 13.8, false, Explique::Distance},
    {{u"AZZ%1Valeur", u"AYY%1Valeur"}, {u"A%1.ZZ", u"A%1.YY"}, 61.4, 9.9, false, Explique::Transport},
    {{u"EAZZ%1", u"EAYY%1"}, u"E", 72.0, 2.1, true, Explique::Rien},
    {{u"AZZ%1Puissance", u"AYY%1Puissance"}, {u"A%1.ZZP", u"A%1.YYP"}, 75.5, 8.5, false, Explique::Transport},
    {u"I%1Valeur", {u"Igy%1V", u"Igz%1V"}, 91.0, 9.9, false, Explique::Propre},
    {u"EI%1", u"E", 101.6, 2.1, true, Explique::Rien},
    {u"I%1Puissance", {u"Igy%1P", u"Igz%1P"}, 105.1, 8.5, false, Explique::Rien},
    {{u"Igytot%1V", u"Igztot%1V"}, {u"Igytot%1", u"Igztot%1"}, 122.8, 9.9, false, Explique::Somme},
    {{u"EIgytot%1", u"EIgztot%1"}, u"E", 133.4, 2.1, true, Explique::Rien},
    {{u"Igytot%1P", u"Igztot%1P"}, {u"Igytot%1p", u"Igztot%1p"}, 136.9, 8.5, false, Explique::Somme},
};

} // namespace

DetailMoment::DetailMoment(const Section& section, AxeMoment axe)
    : plateforme::FenetreSecondaire(
          axe == AxeMoment::Y ? u"DetailIGY"_s : u"DetailIGZ"_s,
          axe == AxeMoment::Y
              ? u"Calcul de Igy : moment quadratique par rapport à un axe passant en son centre de gravité"_s
              : u"Calcul de Igz : moment quadratique par rapport à un axe passant en son centre de gravité"_s,
          161.1, 87.1, true),
      m_section(section), m_axe(axe), m_plan(this) {
    construire();
    relier();
}

void DetailMoment::construire() {
    const auto placer = [this](const ControleMoment& t) {
        if ((t.seulement == Seulement::IGY && m_axe != AxeMoment::Y) ||
            (t.seulement == Seulement::IGZ && m_axe != AxeMoment::Z)) {
            return;
        }
        m_plan.ajouter({t.genre, t.nom.pour(m_axe), t.texte.pour(m_axe), t.rect, t.police,
                        QString::fromUtf16(t.parent)});
    };
    for (const ControleMoment& t : entetes) {
        placer(t);
    }
    std::vector<plateforme::Colonne> ligne;
    for (const ColonneMoment& col : colonnes) {
        const QString nom = col.nom.pour(m_axe);
        const QString texte = col.texte.pour(m_axe);
        if (col.lettreE) {
            ligne.push_back({nom, texte, col.gauche, 0.7, col.largeur, 2.1, plateforme::polices::Exposant});
        } else {
            ligne.push_back({nom, texte, col.gauche, 0.0, col.largeur, 4.2, Normale});
        }
    }
    const std::vector<QWidget*> cases =
        m_plan.ajouter(plateforme::Famille{ligne, 8.5, plateforme::PasLigne, Section::MaxElements});
    for (std::size_t i = 0; i < cases.size(); ++i) {
        auto* e = static_cast<Etiquette*>(cases[i]);
        e->hide();
        m_lignes[i / ColonnesParLigne][i % ColonnesParLigne] = e;
    }
    for (const ControleMoment& t : totaux) {
        placer(t);
    }
    // Every caption here is one line, and shows whole although this Tahoma runs a few pixels wider
    // than the widths the layout gives some of them.
    plateforme::ajusterLegendes(this);
    std::vector<plateforme::Incrustation> places;
    for (const auto& [dessus, dessous, avant] : incrustations) {
        places.push_back({dessus.pour(m_axe), dessous.pour(m_axe), avant.pour(m_axe)});
    }
    plateforme::incruster(m_plan, places);
    m_coordonnee = m_plan.get<QLineEdit>(m_axe == AxeMoment::Y ? u"Z"_s : u"Y"_s);
    m_repere = m_plan.get<Etiquette>(u"Repere"_s);
    for (const char16_t* nom : {u"Label22", u"Label23", u"Label30", u"Label36"}) {
        m_plan.get<Etiquette>(QString::fromUtf16(nom))->setCliquable(true);
    }
}

Etiquette* DetailMoment::etiquette(const char16_t* nomY, const char16_t* nomZ) const {
    return m_plan.get<Etiquette>(Variante(nomY, nomZ).pour(m_axe));
}

void DetailMoment::relier() {
    for (const textesMoment::Explication& x : textesMoment::explications()) {
        const QString texte = x.texte.pour(m_axe);
        const QStringList noms = x.controles.pour(m_axe).split(u' ');
        for (const QString& nom : noms) {
            plateforme::surDoubleClic(m_plan.get<Etiquette>(nom), this, [this, texte] { montrer(texte); });
        }
    }
    for (int k = 1; k <= Section::MaxElements; ++k) {
        for (int c = 0; c < ColonnesParLigne; ++c) {
            if (colonnes[c].explique != Explique::Rien) {
                plateforme::surDoubleClic(
                    m_lignes[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(c)], this,
                    [this, c, k] { montrerLigne(c, k); });
            }
        }
    }
    plateforme::surClic(etiquette(u"Label22"), this, &DetailMoment::montrerStatique);
    plateforme::surClic(etiquette(u"Label23"), this, &DetailMoment::montrerMoment);
    for (Etiquette* e : {etiquette(u"IGYValeur", u"IGZValeur"), etiquette(u"EIgy", u"EIgz"),
                         etiquette(u"IGYPuissance", u"IGZPuissance")}) {
        plateforme::surDoubleClic(e, this, &DetailMoment::montrerMoment);
    }
    plateforme::surClic(etiquette(u"Label36"), this, &DetailMoment::montrerMomentDecale);
    for (Etiquette* e : {etiquette(u"IyValeur", u"IzValeur"), etiquette(u"IyPuissance", u"IzPuissance")}) {
        plateforme::surDoubleClic(e, this, &DetailMoment::montrerMomentDecale);
    }
    plateforme::surClic(etiquette(u"Label30"), this, &DetailMoment::changerRepere);
    connect(m_coordonnee, &QLineEdit::textChanged, this, &DetailMoment::saisieChangee);
    plateforme::rendreCopiable(this, [this] { return tableau(); });
}

plateforme::Tableau DetailMoment::tableau() const {
    const auto V = [](double x) { return plateforme::texteNombre(x); };
    const auto texte = [this](const char16_t* pourY, const char16_t* pourZ) {
        return Variante(pourY, pourZ).pour(m_axe);
    };
    plateforme::Tableau t{{u"i"_s, u"Ai [mm²]"_s, texte(u"ZGi [mm]", u"YGi [mm]"),
                           texte(u"Ai x ZGi [mm³]", u"Ai x YGi [mm³]"),
                           texte(u"Ai x ZGi² [mm⁴]", u"Ai x YGi² [mm⁴]"), texte(u"IGYi [mm⁴]", u"IGZi [mm⁴]"),
                           texte(u"Ai x ZGi² + IGYi [mm⁴]", u"Ai x YGi² + IGZi [mm⁴]")}};
    QString statique; // empty, as in the window, when the table leaves the double range
    try {
        const TableauHuygens h = tableauHuygens(m_section, m_axe);
        for (std::size_t i = 0; i < h.lignes.size(); ++i) {
            const LigneHuygens& l = h.lignes[i];
            t.append({plateforme::texteEntier(static_cast<int>(i + 1)), V(l.aire), V(l.distance),
                      V(l.statique), V(l.transport), V(l.propre), V(l.somme)});
        }
        statique = V(h.statique);
    } catch (const plateforme::FauteArithmetique&) {
        t.resize(1);
    }
    t.append({u"Total"_s, {}, {}, statique, {}, {}, V(moment(m_section, m_axe))});
    return t;
}

void DetailMoment::activer() {
    // Said once the rebuild has returned: at each opening, and at an activation only for a section this
    // window has not shown yet.
    const bool dire = ouverture() || m_sectionMontree != m_section.Changements.valeur;
    m_sectionMontree = m_section.Changements.valeur;
    QString message;
    // Each cell goes straight to its final state: hiding the whole table to show most of it again
    // would lay out and repaint every cell at each activation.
    const auto cacherLignes = [this](std::size_t depuis) {
        for (std::size_t i = depuis; i < m_lignes.size(); ++i) {
            for (Etiquette* e : m_lignes[i]) {
                e->hide();
            }
        }
    };
    Etiquette* statique = etiquette(u"Sgy", u"Sgz");
    Etiquette* eStatique = etiquette(u"ESgy", u"ESgz");
    Etiquette* pStatique = etiquette(u"SgyPuissance", u"SgzPuissance");
    try {
        const TableauHuygens t = tableauHuygens(m_section, m_axe);
        for (std::size_t i = 0; i < t.lignes.size(); ++i) {
            const LigneHuygens& l = t.lignes[i];
            auto& r = m_lignes[i];
            r[0]->setText(QString::number(i + 1));
            affichage::notation(r[1], r[2], r[3], l.aire);
            r[4]->setText(plateforme::texteNombre(arrondirDistance(l.distance)));
            affichage::notation(r[5], r[6], r[7], l.transport);
            affichage::notation(r[8], r[9], r[10], l.propre);
            affichage::notation(r[11], r[12], r[13], l.somme);
            for (std::size_t c : {0, 1, 4, 5, 8, 11}) {
                r[c]->show();
            }
        }
        cacherLignes(t.lignes.size());
        m_statique = t.statique;
        m_statiqueConnue = true;
        affichage::notation(statique, eStatique, pStatique, t.statique);
    } catch (const plateforme::FauteArithmetique&) {
        cacherLignes(0);
        m_statiqueConnue = false;
        statique->clear();
        eStatique->hide();
        pStatique->hide();
        message = textesMoment::tableauTropGrand(m_axe);
    }
    affichage::notation(etiquette(u"IGYValeur", u"IGZValeur"), etiquette(u"EIgy", u"EIgz"),
                        etiquette(u"IGYPuissance", u"IGZPuissance"), moment(m_section, m_axe));
    {
        const QSignalBlocker calculeCiDessous(m_coordonnee);
        m_coordonnee->setText(u"0"_s);
    }
    // A table too large says enough: the second moment about the axis, when it cannot be computed
    // either, is only cleared.
    if (!calculerMomentDecale() && message.isEmpty()) {
        message = textesMoment::axeZeroTropLoin(m_axe);
    }
    if (dire && !message.isEmpty()) {
        plateforme::afficherMessageEnsuite(this, message);
    }
}

void DetailMoment::ecrireCoordonnee(const QString& texte) {
    // Writing a new text runs the calculation through the change event; an unchanged text does not,
    // so it runs here then.
    if (m_coordonnee->text() != texte) {
        m_coordonnee->setText(texte);
    } else {
        saisieChangee();
    }
}

void DetailMoment::saisieChangee() {
    const std::optional<double> zo = plateforme::lireCoordonneeEnFrappe(m_coordonnee->text());
    if (!zo) {
        m_coordonnee->setText(u"0"_s); // runs this again, with 0
        return;
    }
    if (calculerMomentDecale()) {
        return;
    }
    if (*zo == 0.0) {
        montrer(textesMoment::axeZeroTropLoin(m_axe));
        return;
    }
    montrer(textesMoment::coordonneeTropGrande(m_axe));
    // Said once: with 0 the figures are shown again, or stay cleared when that axis is too far as well.
    const QSignalBlocker calculeCiDessous(m_coordonnee);
    m_coordonnee->setText(u"0"_s);
    calculerMomentDecale();
}

bool DetailMoment::calculerMomentDecale() {
    const double zo = plateforme::lireCoordonneeEnFrappe(m_coordonnee->text()).value_or(0.0);
    Etiquette* mantisse = etiquette(u"IyValeur", u"IzValeur");
    Etiquette* lettreE = etiquette(u"EIy", u"EIz");
    Etiquette* puissance = etiquette(u"IyPuissance", u"IzPuissance");
    double valeur = 0.0;
    try {
        const double d = m_repereCentre ? zo : static_cast<double>(Reel(zo) - coordonnee(m_section, m_axe));
        valeur = momentDecale(m_section, m_axe, d);
    } catch (const plateforme::FauteArithmetique&) {
        // No value of an earlier section or axis may stay on show, nor be repeated by the pop-up.
        m_decaleConnu = false;
        mantisse->clear();
        lettreE->hide();
        puissance->hide();
        return false;
    }
    const Notation n = noter(valeur);
    m_decaleConnu = true;
    m_decaleMantisse = n.mantisse;
    m_decaleExposant = n.exposant;
    affichage::notation(mantisse, lettreE, puissance, valeur);
    return true;
}

void DetailMoment::changerRepere() {
    const double zo = plateforme::lireCoordonneeEnFrappe(m_coordonnee->text()).value_or(0.0);
    const double g = coordonnee(m_section, m_axe);
    double nouvelle = 0.0;
    try {
        nouvelle = static_cast<double>(m_repereCentre ? Reel(zo) + g : Reel(zo) - g);
    } catch (const plateforme::FauteArithmetique&) {
        montrer(textesMoment::autreRepereImpossible(m_axe));
        return;
    }
    m_repereCentre = !m_repereCentre;
    m_repere->setText(textesMoment::repere(m_repereCentre));
    ecrireCoordonnee(plateforme::texteNombre(nouvelle));
}

void DetailMoment::montrer(const QString& texte) {
    plateforme::afficherMessage(this, texte);
}

void DetailMoment::montrerLigne(int colonne, int k) {
    switch (colonnes[colonne].explique) {
    case Explique::Rien:
        return;
    case Explique::Numero:
        montrer(textesMoment::numero(k));
        return;
    case Explique::Aire:
        montrer(textesMoment::aire(k));
        return;
    case Explique::Distance: {
        const double element = coordonnee(m_section.element(k), m_axe);
        const double section = coordonnee(m_section, m_axe);
        double difference = 0.0;
        try {
            difference = static_cast<double>(Reel(element) - section);
        } catch (const plateforme::FauteArithmetique&) {
            montrer(textesMoment::distanceTropGrande());
            return;
        }
        montrer(textesMoment::distance(m_axe, k, element, section, difference));
        return;
    }
    case Explique::Transport:
        montrer(textesMoment::transport(k));
        return;
    case Explique::Propre: {
        const QString texte = explicationPropre(k);
        if (!texte.isEmpty()) {
            montrer(texte);
        }
        return;
    }
    case Explique::Somme:
        montrer(textesMoment::somme(m_axe, k));
        return;
    }
}

QString DetailMoment::explicationPropre(int k) const {
    const ElementSection& e = m_section.element(k);
    const FormeCatalogue* forme = trouverForme(e.Forme);
    return forme == nullptr ? QString() : textesMoment::propre(m_axe, k, *forme, e.Dimension1, e.Dimension2);
}

void DetailMoment::montrerStatique() {
    if (!m_statiqueConnue) {
        return;
    }
    const QString nom = m_axe == AxeMoment::Y ? u"Sgy = "_s : u"Sgz = "_s;
    montrer(affichage::troisUnites(nom, u"       = "_s, m_statique, 3));
}

void DetailMoment::montrerMoment() {
    const double i = moment(m_section, m_axe);
    const QString nom = m_axe == AxeMoment::Y ? u"Igy = "_s : u"Igz = "_s;
    montrer(affichage::troisUnites(nom, u"      = "_s, i, 4));
}

void DetailMoment::montrerMomentDecale() {
    if (!m_decaleConnu) {
        return;
    }
    const QString nom = m_axe == AxeMoment::Y ? u"Iy = "_s : u"Iz = "_s;
    // The mantissa shown in the window stays; only the exponent moves.
    montrer(affichage::troisUnitesDecalees(nom, u"    = "_s, {m_decaleMantisse, m_decaleExposant}, 4));
}

DetailIGY::DetailIGY(const Section& section) : DetailMoment(section, AxeMoment::Y) {}
DetailIGZ::DetailIGZ(const Section& section) : DetailMoment(section, AxeMoment::Z) {}
