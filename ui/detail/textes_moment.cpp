#include "ui/detail/textes_moment.h"

#include "model/section.h"
#include "platform/qt/locale.h"
#include "platform/qt/message.h"

using namespace modele;

using namespace Qt::StringLiterals;

namespace textesMoment {

namespace {

constexpr const char16_t* huygensY =
    u"Moment quadratique de l'élément par rapport au centre de gravité de la section totale.\r\n"
    u"Igy(dans le repère centré au niveau du CdG de la section totale) = Igy(dans un repère centré au niveau "
    u"du "
    u"CdG de l'élément) + A(aire de l'élément) * Zg^2\r\n"
    u"Cette formule s'appelle la formule de Huygens.";

const Explication Explications[] = {
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

constexpr const char16_t* repereSaisie = u"Coordonnées du centre dans le repère de saisie (O, Z, Y) :";
constexpr const char16_t* repereCentre = u"Coordonnées du centre dans le repère de saisie (G, Z, Y) :";

QString V(double x) {
    return plateforme::texteNombre(x);
}

} // namespace

std::span<const Explication> explications() {
    return Explications;
}

QString numero(int k) {
    return u"Les valeurs d'indice i=%1 correspondent aux caractéristiques du %2 élément composant la "
           u"section."_s.arg(QString::number(k), QString::fromUtf16(ordinaux[k - 1]));
}

QString aire(int k) {
    return u"Aire de l'élément %1 de la section.\r\n"
           u"Pour plus de précision, vous pouvez consulter le tableau de détail du calcul de l'aire."_s.arg(
               QString::number(k));
}

QString distance(AxeMoment axe, int k, double element, double section, double difference) {
    return u"%1%2 = %1 saisi de l'élément %2 - %1 de la section totale.\r\n"
           u"    = %3 - %4\r\n"
           u"    = %5 [mm]"_s.arg(axe == AxeMoment::Y ? u"Zg"_s : u"Yg"_s, QString::number(k), V(element),
                                  V(section), V(difference));
}

QString distanceTropGrande() {
    return u"Cette distance est trop grande pour être calculée."_s;
}

QString transport(int k) {
    return u"Apport de rigidité de l'élément %1 dû à son excentrement par rapport au centre de gravité "
           u"de la section totale."_s.arg(QString::number(k));
}

QString somme(AxeMoment axe, int k) {
    return u"Moment quadratique (selon l'axe %2) de l'élément %1 dans le repère dont l'origine est au "
           u"niveau du centre de gravité de la section totale."_s.arg(QString::number(k),
                                                                      axe == AxeMoment::Y ? u"Y"_s : u"Z"_s);
}

QString propre(AxeMoment axe, int k, const FormeCatalogue& forme, double dimension1, double dimension2) {
    for (const FormulePropre& f : formulesPropres) {
        if (f.famille == forme.famille) {
            const QString valeurs = f.valeurs.pour(axe);
            return u"Moment quadratique de l'élément %1 par rapport à son propre centre de gravité."_s.arg(
                       QString::number(k)) +
                   plateforme::FinDeLigne + f.formule.pour(axe) + plateforme::FinDeLigne +
                   (forme.aHauteur() ? valeurs.arg(V(dimension1), V(dimension2))
                                     : valeurs.arg(V(dimension1)));
        }
    }
    return {};
}

QString repere(bool centre) {
    return QString::fromUtf16(centre ? repereCentre : repereSaisie);
}

QString tableauTropGrand(AxeMoment axe) {
    return axe == AxeMoment::Y
               ? u"Une valeur du tableau est trop grande pour être calculée : le détail du calcul de Igy "
                 u"ne peut pas être affiché."_s
               : u"Une valeur du tableau est trop grande pour être calculée : le détail du calcul de Igz "
                 u"ne peut pas être affiché."_s;
}

QString axeZeroTropLoin(AxeMoment axe) {
    return axe == AxeMoment::Y ? u"L'axe Zo = 0 est trop loin du centre de gravité : le moment quadratique "
                                 u"\"Iy\" ne peut pas être calculé."_s
                               : u"L'axe Yo = 0 est trop loin du centre de gravité : le moment quadratique "
                                 u"\"Iz\" ne peut pas être calculé."_s;
}

QString coordonneeTropGrande(AxeMoment axe) {
    return axe == AxeMoment::Y ? u"La valeur de Zo est trop grande : le moment quadratique \"Iy\" ne "
                                 u"peut pas être calculé.\r\n"
                                 u"Zo est remis à 0."_s
                               : u"La valeur de Yo est trop grande : le moment quadratique \"Iz\" ne "
                                 u"peut pas être calculé.\r\n"
                                 u"Yo est remis à 0."_s;
}

QString autreRepereImpossible(AxeMoment axe) {
    return axe == AxeMoment::Y ? u"La valeur de Zo est trop grande pour être donnée dans l'autre repère."_s
                               : u"La valeur de Yo est trop grande pour être donnée dans l'autre repère."_s;
}

} // namespace textesMoment
