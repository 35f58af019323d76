#include "ui/detail/detail_moment.h"

#include "model/catalogue.h"
#include "model/notation.h"
#include "platform/qt/controles.h"
#include "platform/qt/locale.h"
#include "platform/qt/message.h"
#include "platform/qt/mise_en_page.h"
#include "platform/reel.h"
#include "ui/detail/affichage.h"
#include "ui/detail/variante.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <cmath>
#include <vector>

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

struct Trace {
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
const Trace entetes[] = {
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

const Trace totaux[] = {
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
struct Colonne {
    Variante nom;
    Variante texte;
    double gauche;
    double largeur;
    bool lettreE;
    Explique explique;
};

const Colonne colonnes[DetailMoment::ColonnesParLigne] = {
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

// The messages of the headings and units; a double-click on any of the controls listed (separated by
// spaces) shows the text.
struct Explication {
    Variante controles;
    Variante texte;
};

constexpr const char16_t* huygensY =
    u"Moment quadratique de l'élément par rapport au centre de gravité de la section totale.\r\n"
    u"Igy(dans le repère centré au niveau du CdG de la section totale) = Igy(dans un repère centré au niveau "
    u"du "
    u"CdG de l'élément) + A(aire de l'élément) * Zg^2\r\n"
    u"Cette formule s'appelle la formule de Huygens.";

const Explication explications[] = {
    {u"Label3", u"Numéros des éléments composant la section."},
    {u"AdeAi", u"Aires des éléments composant la section."},
    {{u"TexteZ", u"TexteY"},
     {u"Coordonnées des centres de gravité des éléments dans un repère translaté au niveau du centre de "
      u"gravité "
      u"de la section totale.\r\n"
      u"Zgi = Zgi saisi - Zg(de la section)",
      u"Coordonnées des centres de gravité des éléments dans un repère translaté au niveau du centre de "
      u"gravité "
      u"de la section totale.\r\n"
      u"Ygi = Ygi saisi -Yg(de la section)"}},
    {{u"TexteAZZ", u"TexteAYY"},
     u"Apport de rigidité dû à l'excentrement des éléments par rapport au centre de "
     u"gravité de la section totale."},
    {u"Label26",
     {u"Moment quadratique de l'élément par rapport à son propre centre de gravité.\r\n"
      u"Pour un rectangle : Igy=h*b^3/12\r\n"
      u"Pour un triangle : Igy=h*b^3/36\r\n"
      u"Pour un disque : Igy=Pi*R^4/4\r\n"
      u"Pour un demi disque coupé horizontalement : Igy=R^4*Pi/8\r\n"
      u"Pour un demi disque coupé verticalement : Igy=(Pi/8-8/(9*Pi))*R^4\r\n"
      u"Pour un quart de disque : Igy=(Pi/16-4/(9*Pi))*R^4",
      u"Moment quadratique de l'élément par rapport à son propre centre de gravité.\r\n"
      u"Pour un rectangle : Igz=b*h^3/12\r\n"
      u"Pour un triangle : Igz=b*h^3/36\r\n"
      u"Pour un disque : Igz=Pi*R^4/4\r\n"
      u"Pour un demi disque coupé horizontalement : Igz=(Pi/8-8/(9*Pi))*R^4\r\n"
      u"Pour un demi disque coupé verticalement : Igz=R^4*Pi/8\r\n"
      u"Pour un quart de disque : Igz=(Pi/16-4/(9*Pi))*R^4"}},
    {{u"IndicesDesIGyitot", u"IndicesDesIGzitot"},
     {huygensY, u"Moment quadratique de l'élément par rapport au centre de gravité de la section totale.\r\n"
                u"Igz(dans le repère centré au niveau du CdG de la section totale) = Igz(dans un repère "
                u"centré au niveau "
                u"du CdG de l'élément) + A(aire de l'élément) * Yg^2\r\n"
                u"Cette formule s'appelle la formule de Huygens."}},
    {{u"TexteIgyitot", u"TexteIgzitot"},
     {huygensY, u"Moment quadratique de l'élément par rapport au centre de gravité de la section totale.\r\n"
                u"Igz(dans le repère centré au niveau du CdG de la section totale) = Igz(dans un repère "
                u"centré au niveau "
                u"du CdG de l'élément) + A(aire de l'élément)  * Yg^2\r\n"
                u"Cette formule s'appelle la formule de Huygens."}},
    {{u"UniteAZZ UniteIgyi TexteIgyitotunit", u"UniteAYY UniteIgzi TexteIgzitotunit"},
     u"Pour convertir dans d'autres unités, on sait que :\r\n"
     u"1 mm^4 = 1 E-4 cm^4 = 1 E-12 m^4"},
    {{u"Sgy SgyPuissance TexteSgy", u"Sgz SgzPuissance TexteSgz"},
     {u"Moment statique de la section totale par rapport à son centre de gravité.\r\n"
      u"Sgy vaut normalement 0 (aux arrondis et précisions de calcul près).\r\n"
      u"Le calcul de cette valeur permet de vérifier que l'on a correctement positionné le repère.",
      u"Moment statique de la section totale par rapport à son centre de gravité.\r\n"
      u"Sgz vaut normalement 0 (aux arrondis et précisions de calcul près).\r\n"
      u"Le calcul de cette valeur permet de vérifier que l'on a correctement positionné le repère."}},
    {u"TexteI",
     {u"Moment quadratique de la section totale selon l'axe vertical passant par son centre de gravité.\r\n"
      u"Cette grandeur permet de quantifier (outre la nature du matériau via le \"module d'Young\") la "
      u"rigidité "
      u"de la poutre pour un chargement selon l'axe (GZ).",
      u"Moment quadratique de la section totale selon l'axe horizontal passant par son centre de gravité.\r\n"
      u"Cette grandeur permet de quantifier (outre la nature du matériau via le \"module d'Young\") la "
      u"rigidité "
      u"de la poutre pour un chargement selon l'axe (GY)."}},
    {u"Repere",
     {u"Repère dans lequel vous donnez la coordonnée Zo pour effectuer le calcul du moment quadratique "
      u"\"Iy\".\r\n"
      u"Vous pouvez le modifier en cliquant sur le texte souligné.",
      u"Repère dans lequel vous donnez la coordonnée Yo pour effectuer le calcul du moment quadratique "
      u"\"Iz\".\r\n"
      u"Vous pouvez le modifier en cliquant sur le texte souligné."}},
    {u"Label38",
     {u"Position en millimètre du centre du repère pour le calcul du moment quadratique \"Iy\".\r\n"
      u"Il est impératif de faire attention au repère indiqué !\r\n"
      u"Pour changer ce repère, vous pouvez cliquer sur le texte souligné.",
      u"Position en millimètres du centre du repère pour le calcul du moment quadratique \"Iz\".\r\n"
      u"Il est impératif de faire attention au repère indiqué !\r\n"
      u"Pour changer ce repère, vous pouvez cliquer sur le texte souligné."}},
    {u"Label29", u"Seule unité possible pour la saisie : le millimètre."},
    {u"Label31",
     {u"Moment quadratique pour un axe centré en Zo saisi ci-dessus.",
      u"Moment quadratique pour un axe centré en Yo saisi ci-dessus."}},
};

// The own-moment formula of a shape family: line 2, and line 3 with %1 for Dimension1 and %2 for
// Dimension2.
struct FormulePropre {
    FamilleForme famille;
    Variante formule;
    Variante valeurs;
};

const FormulePropre formulesPropres[] = {
    {FamilleForme::Rectangle,
     {u"Pour un rectangle : Igy = h*b^3/12", u"Pour un rectangle : Igz = b*h^3/12"},
     {u"Igy = %2 x %1^3 /12 [mm^4]", u"Igz = %1 x %2^3 /12 [mm^4]"}},
    {FamilleForme::Triangle,
     {u"Pour un triangle : Igy = h*b^3/36", u"Pour un triangle : Igz = b*h^3/36"},
     {u"Igy = %2 x %1^3 /36 [mm^4]", u"Igz = %1 x %2^3 /36 [mm^4]"}},
    {FamilleForme::Disque,
     {u"Pour un disque : Igy = Pi*R^4/4", u"Pour un disque : Igz = Pi*R^4/4"},
     {u"Igy = Pi * %1^4 /4 [mm^4]", u"Igz = Pi * %1^4 /4 [mm^4]"}},
    {FamilleForme::DemiDisqueVertical,
     {u"Pour un demi disque coupé verticalement : Igy = (Pi/8 - 8/(9*Pi))*R^4",
      u"Pour un demi disque coupé verticalement : Igz = Pi/8 * R^4"},
     {u"Igy = (Pi/8 - 8/(9*Pi) * %1^4 [mm^4]", u"Igz = Pi / 8 * %1^4 [mm^4]"}},
    {FamilleForme::DemiDisqueHorizontal,
     {u"Pour un demi disque coupé horizontalement : Igy = Pi/8 * R^4",
      u"Pour un demi disque coupé horizontalement : Igz = (Pi/8 - 8/(9*Pi))*R^4"},
     {u"Igy = Pi / 8 * %1^4 [mm^4]", u"Igz = (Pi/8 - 8/(9*Pi) * %1^4 [mm^4]"}},
    {FamilleForme::QuartDeDisque,
     {u"Pour un quart de disque : Igy = (Pi/16 - 4/(9*Pi))*R^4",
      u"Pour un quart de disque : Igz = (Pi/16 - 4/(9*Pi))*R^4"},
     {u"Igy = (Pi/16 - 4/(9*Pi) * %1^4 [mm^4]", u"Igz = (Pi/16 - 4/(9*Pi) * %1^4 [mm^4]"}},
};

constexpr const char16_t* ordinaux[Section::MaxElements] = {
    u"premier", u"deuxième", u"troisième", u"quatrième", u"cinquième",
    u"sixième", u"septième", u"huitième",  u"neuvième",  u"dixième",
};

const char16_t* repereSaisie = u"Coordonnées du centre dans le repère de saisie (O, Z, Y) :";
const char16_t* repereCentre = u"Coordonnées du centre dans le repère de saisie (G, Z, Y) :";

// Replaces %1, %2 ... by the values, which hold no "%".
QString remplir(QString modele, std::initializer_list<QString> valeurs) {
    int i = 1;
    for (const QString& v : valeurs) {
        modele.replace(u'%' + QString::number(i++), v);
    }
    return modele;
}

QString V(double x) {
    return plateforme::texteNombre(x);
}

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
    const auto placer = [this](const Trace& t) {
        if ((t.seulement == Seulement::IGY && m_axe != AxeMoment::Y) ||
            (t.seulement == Seulement::IGZ && m_axe != AxeMoment::Z)) {
            return;
        }
        m_plan.ajouter({t.genre, t.nom.pour(m_axe), t.texte.pour(m_axe), t.rect, t.police,
                        QString::fromUtf16(t.parent)});
    };
    for (const Trace& t : entetes) {
        placer(t);
    }
    std::vector<plateforme::Colonne> ligne;
    for (const Colonne& col : colonnes) {
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
    for (const Trace& t : totaux) {
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
    for (const Explication& x : explications) {
        const QString texte = x.texte.pour(m_axe);
        const QStringList noms = x.controles.pour(m_axe).split(u' ');
        for (const QString& nom : noms) {
            connect(m_plan.get<Etiquette>(nom), &Etiquette::doubleClicked, this,
                    [this, texte] { montrer(texte); });
        }
    }
    for (int k = 1; k <= Section::MaxElements; ++k) {
        for (int c = 0; c < ColonnesParLigne; ++c) {
            if (colonnes[c].explique != Explique::Rien) {
                connect(m_lignes[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(c)],
                        &Etiquette::doubleClicked, this, [this, c, k] { montrerLigne(c, k); });
            }
        }
    }
    connect(etiquette(u"Label22"), &Etiquette::clicked, this, &DetailMoment::montrerStatique);
    connect(etiquette(u"Label23"), &Etiquette::clicked, this, &DetailMoment::montrerMoment);
    for (Etiquette* e : {etiquette(u"IGYValeur", u"IGZValeur"), etiquette(u"EIgy", u"EIgz"),
                         etiquette(u"IGYPuissance", u"IGZPuissance")}) {
        connect(e, &Etiquette::doubleClicked, this, &DetailMoment::montrerMoment);
    }
    connect(etiquette(u"Label36"), &Etiquette::clicked, this, &DetailMoment::montrerMomentDecale);
    for (Etiquette* e : {etiquette(u"IyValeur", u"IzValeur"), etiquette(u"IyPuissance", u"IzPuissance")}) {
        connect(e, &Etiquette::doubleClicked, this, &DetailMoment::montrerMomentDecale);
    }
    connect(etiquette(u"Label30"), &Etiquette::clicked, this, &DetailMoment::changerRepere);
    connect(m_coordonnee, &QLineEdit::textChanged, this, &DetailMoment::saisieChangee);
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
            r[4]->setText(V(arrondirDistance(l.distance)));
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
        message =
            m_axe == AxeMoment::Y
                ? u"Une valeur du tableau est trop grande pour être calculée : le détail du calcul de Igy "
                  u"ne peut pas être affiché."_s
                : u"Une valeur du tableau est trop grande pour être calculée : le détail du calcul de Igz "
                  u"ne peut pas être affiché."_s;
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
        message = axeZeroTropLoin();
    }
    if (dire && !message.isEmpty()) {
        plateforme::afficherMessageEnsuite(this, message);
    }
}

QString DetailMoment::axeZeroTropLoin() const {
    return m_axe == AxeMoment::Y ? u"L'axe Zo = 0 est trop loin du centre de gravité : le moment quadratique "
                                   u"\"Iy\" ne peut pas être calculé."_s
                                 : u"L'axe Yo = 0 est trop loin du centre de gravité : le moment quadratique "
                                   u"\"Iz\" ne peut pas être calculé."_s;
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
        montrer(axeZeroTropLoin());
        return;
    }
    montrer(m_axe == AxeMoment::Y ? u"La valeur de Zo est trop grande : le moment quadratique \"Iy\" ne "
                                    u"peut pas être calculé.\r\n"
                                    u"Zo est remis à 0."_s
                                  : u"La valeur de Yo est trop grande : le moment quadratique \"Iz\" ne "
                                    u"peut pas être calculé.\r\n"
                                    u"Yo est remis à 0."_s);
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
    const Notation n = Noter(valeur);
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
        montrer(m_axe == AxeMoment::Y
                    ? u"La valeur de Zo est trop grande pour être donnée dans l'autre repère."_s
                    : u"La valeur de Yo est trop grande pour être donnée dans l'autre repère."_s);
        return;
    }
    m_repereCentre = !m_repereCentre;
    m_repere->setText(QString::fromUtf16(m_repereCentre ? repereCentre : repereSaisie));
    ecrireCoordonnee(V(nouvelle));
}

void DetailMoment::montrer(const QString& texte) {
    plateforme::afficherMessage(this, texte);
}

void DetailMoment::montrerLigne(int colonne, int k) {
    const ElementSection& e = m_section.element(k);
    const QString numero = QString::number(k);
    switch (colonnes[colonne].explique) {
    case Explique::Rien:
        return;
    case Explique::Numero:
        montrer(remplir(
            u"Les valeurs d'indice i=%1 correspondent aux caractéristiques du %2 élément composant la "
            u"section."_s,
            {numero, QString::fromUtf16(ordinaux[k - 1])}));
        return;
    case Explique::Aire:
        montrer(remplir(
            u"Aire de l'élément %1 de la section.\r\n"
            u"Pour plus de précision, vous pouvez consulter le tableau de détail du calcul de l'aire."_s,
            {numero}));
        return;
    case Explique::Distance: {
        const double element = coordonnee(e, m_axe);
        const double section = coordonnee(m_section, m_axe);
        double difference = 0.0;
        try {
            difference = static_cast<double>(Reel(element) - section);
        } catch (const plateforme::FauteArithmetique&) {
            montrer(u"Cette distance est trop grande pour être calculée."_s);
            return;
        }
        montrer(remplir(
            u"%1%2 = %1 saisi de l'élément %2 - %1 de la section totale.\r\n"
            u"    = %3 - %4\r\n"
            u"    = %5 [mm]"_s,
            {m_axe == AxeMoment::Y ? u"Zg"_s : u"Yg"_s, numero, V(element), V(section), V(difference)}));
        return;
    }
    case Explique::Transport:
        montrer(remplir(
            u"Apport de rigidité de l'élément %1 dû à son excentrement par rapport au centre de gravité "
            u"de la section totale."_s,
            {numero}));
        return;
    case Explique::Propre: {
        const QString texte = explicationPropre(k);
        if (!texte.isEmpty()) {
            montrer(texte);
        }
        return;
    }
    case Explique::Somme:
        montrer(remplir(
            u"Moment quadratique (selon l'axe %2) de l'élément %1 dans le repère dont l'origine est au "
            u"niveau du centre de gravité de la section totale."_s,
            {numero, m_axe == AxeMoment::Y ? u"Y"_s : u"Z"_s}));
        return;
    }
}

QString DetailMoment::explicationPropre(int k) const {
    const ElementSection& e = m_section.element(k);
    const FormeCatalogue* forme = trouverForme(e.Forme);
    if (forme == nullptr) {
        return {};
    }
    for (const FormulePropre& f : formulesPropres) {
        if (f.famille == forme->famille) {
            return remplir(
                       u"Moment quadratique de l'élément %1 par rapport à son propre centre de gravité."_s,
                       {QString::number(k)}) +
                   u"\r\n"_s + f.formule.pour(m_axe) + u"\r\n"_s +
                   remplir(f.valeurs.pour(m_axe), {V(e.Dimension1), V(e.Dimension2)});
        }
    }
    return {};
}

void DetailMoment::montrerStatique() {
    if (!m_statiqueConnue) {
        return;
    }
    const QString nom = m_axe == AxeMoment::Y ? u"Sgy = "_s : u"Sgz = "_s;
    const QString suite = u"       = "_s;
    montrer(affichage::ligne(nom, m_statique, u" [mm^3]"_s) + u"\r\n"_s +
            affichage::ligne(suite, m_statique / 1000.0, u" [cm^3]"_s) + u"\r\n"_s +
            affichage::ligne(suite, m_statique / std::pow(10.0, 9), u" [m^3]"_s));
}

void DetailMoment::montrerMoment() {
    const double i = moment(m_section, m_axe);
    const QString nom = m_axe == AxeMoment::Y ? u"Igy = "_s : u"Igz = "_s;
    const QString suite = u"      = "_s;
    montrer(affichage::ligne(nom, i, u" [mm^4]"_s) + u"\r\n"_s +
            affichage::ligne(suite, i / 10000.0, u" [cm^4]"_s) + u"\r\n"_s +
            affichage::ligne(suite, i / std::pow(10.0, 12), u" [m^4]"_s));
}

void DetailMoment::montrerMomentDecale() {
    if (!m_decaleConnu) {
        return;
    }
    const QString nom = m_axe == AxeMoment::Y ? u"Iy = "_s : u"Iz = "_s;
    const QString suite = u"    = "_s;
    const QString m = V(m_decaleMantisse);
    montrer(nom + m + u" E"_s + V(m_decaleExposant) + u" [mm^4]"_s + u"\r\n"_s + suite + m + u" E"_s +
            V(m_decaleExposant - 4.0) + u" [cm^4]"_s + u"\r\n"_s + suite + m + u" E"_s +
            V(m_decaleExposant - 12.0) + u" [m^4]"_s);
}

DetailIGY::DetailIGY(const Section& section) : DetailMoment(section, AxeMoment::Y) {}
DetailIGZ::DetailIGZ(const Section& section) : DetailMoment(section, AxeMoment::Z) {}
