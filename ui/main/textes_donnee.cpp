#include "ui/main/textes_donnee.h"

#include "platform/qt/locale.h"
#include "platform/qt/message.h"
#include "ui/commun/affichage.h"

using namespace modele;

using namespace Qt::StringLiterals;

namespace donnee {

namespace {

using plateforme::FinDeLigne;

struct Explication {
    QString controle;
    QStringList lignes;
};

// The fixed explanations; the two radii of gyration add a third line built from the totals.
const QList<Explication>& explications() {
    static const QList<Explication> table{
        {u"NbrElementTexte"_s,
         {u"Utilisez les ascenseurs afin de définir le nombre de formes élémentaires composant la section "
          u"totale à "
          u"étudier."_s,
          u"La valeur ne peut être nulle ou négative !"_s,
          u"Ce logiciel ne traite que des sections composées d'au plus 10 formes simples."_s}},
        {u"ElementTexte"_s,
         {u"La section est composée de 'x' formes."_s,
          u"Vous saisissez, dans cet onglet, les caractéristiques de l'élément numéroté à droite."_s}},
        {u"Label1"_s,
         {u"Ce logiciel ne permet qu'une unité de saisie pour les caractéristiques de la section :"_s,
          u"le millimètre."_s,
          u"Par contre, pour les résultats, en \"cliquant\" sur l'unité, vous obtiendrez la valeur dans "
          u"différentes "
          u"unités."_s}},
        {u"FormeTexte"_s,
         {u"La section est composée d'un certain nombre de formes additionnées ou soustraites entre-elles."_s,
          u"Saisissez, dans cette zone la géométrie de l'élément en cours de sélection."_s}},
        {u"DimSection1Texte"_s,
         {u"Dimension n°1 de l'élément en cours de saisie :"_s,
          u"base ou rayon selon la forme de cet élément (en mm)."_s}},
        {u"DimSection2Texte"_s,
         {u"Dimension n°2 de l'élément en cours de saisie :"_s,
          u"hauteur si l'élément est un rectangle ou un triangle - inaccessible sinon."_s}},
        {u"PositionSectionZTexte"_s,
         {u"Indiquez dans la zone 'Selon l'axe z' la distance horizontale entre le centre de votre repère "
          u"global de "
          u"la section (de préférence à droite) et le centre de gravité de l'élément que vous saisissez."_s}},
        {u"PositionSectionYTexte"_s,
         {u"Indiquez dans la zone 'Selon l'axe y' la distance verticale entre le centre de votre repère "
          u"global de la "
          u"section (de préférence en bas) et le centre de gravité de l'élément que vous saisissez."_s}},
        {u"AdditionSoustractionTexte"_s,
         {u"La forme que vous saisissez peut être pleine de 'matière' ou un trou. Dans la cas de matière, "
          u"sélectionnez 'Additionner'."_s,
          u"Dans le cas d'un trou, sélectionnez 'Soustraire'."_s}},
        {u"ButtonAdditionner"_s,
         {u"Sélectionnez 'Additionner' si la forme que vous saisissez est pleine, et 'Soustraire' si c'est "
          u"un "
          u"trou."_s}},
        {u"BouttonSoustraire"_s,
         {u"Sélectionnez 'Soustraire' si la forme que vous saisissez est un trou et 'Additionner' si la "
          u"forme est "
          u"pleine."_s}},
        {u"BouttonAppliquer"_s, {u"Permet de mémoriser les données de l'élément composant la section."_s}},
        {u"AireTotaleTexte"_s,
         {u"'Aire totale de la section' indique la surface cumulée des éléments composant la section (en "
          u"soustrayant les trous)"_s,
          u"[A=somme des Ai]."_s}},
        {u"CdgTexte"_s,
         {u"Ce logiciel calcule la position du centre de gravité de la section totale : Zg et Yg."_s}},
        {u"ZgTexte"_s,
         {u"Zg indique la coordonnée horizontale du centre de gravité de la section totale par rapport à "
          u"votre "
          u"repère."_s,
          u"[Zg=Soy/A avec Soy=somme(Ai*Zgi)]"_s}},
        {u"YgTexte"_s,
         {u"Yg indique la coordonnée verticale du centre de gravité de la section totale par rapport à votre "
          u"repère."_s,
          u"[Yg=Soz/A avec Soz=somme(Ai*Ygi)]"_s}},
        {u"MomentQuadratiqueTexte"_s,
         {u"Le moment quadratique est encore parfois appelé moment d'inertie."_s,
          u"C'est un paramètre de la rigidité."_s,
          u"Ils sont donnés par rapport à un axe passant par le centre de gravité de la section totale."_s}},
        {u"IgzTexte"_s,
         {u"Igz : moment quadratique par rapport à l'axe Gz : axe horizontal passant par le centre de "
          u"gravité de la "
          u"section totale."_s,
          u"[Igz=somme(Ai*Ygi^2+Igzi)]"_s,
          u"avec Igzi : moments quadratiques des formes élémentaires (bh^3/12 pour un rectangle, bh^3/36 "
          u"pour un "
          u"triangle ...)."_s}},
        {u"IgyTexte"_s,
         {u"Igy : moment quadratique par rapport à l'axe Gy : axe vertical passant par le centre de gravité "
          u"de la "
          u"section totale."_s,
          u"[Igy=somme(Ai*Zgi^2+Igyi)]"_s,
          u"avec Igyi : moments quadratiques des formes élémentaires (hb^3/12 pour un rectangle, hb^3/36 "
          u"pour un "
          u"triangle ...)."_s}},
        {u"RGirationgzTexte"_s, {u"Rayon de giration par rapport à l'axe Gz :"_s, u"iGz = (IGz/A)^0,5"_s}},
        {u"RGirationgyTexte"_s, {u"Rayon de giration par rapport à l'axe Gy :"_s, u"iGy = (IGy/A)^0,5"_s}},
    };
    return table;
}

// "      = (Igz / A)^0,5" with the stored totals, signed and at full precision.
QString ligneCalculRayon(double moment, double aire) {
    return u"      = ("_s + plateforme::texteNombre(moment) + u" / "_s + plateforme::texteNombre(aire) +
           u")^0,5"_s;
}

} // namespace

const QStringList& controlesExpliques() {
    static const QStringList noms = [] {
        QStringList n;
        for (const Explication& e : explications()) {
            n.append(e.controle);
        }
        return n;
    }();
    return noms;
}

QString explication(const QString& controle, const Section& section) {
    for (const Explication& e : explications()) {
        if (e.controle != controle) {
            continue;
        }
        QStringList lignes = e.lignes;
        if (controle == u"RGirationgzTexte"_s) {
            lignes.append(ligneCalculRayon(section.Igz, section.Atotale));
        } else if (controle == u"RGirationgyTexte"_s) {
            lignes.append(ligneCalculRayon(section.Igy, section.Atotale));
        }
        return lignes.join(FinDeLigne);
    }
    return {};
}

QString noteDeVersion() {
    return u"Brivane des sections : calcul commenté des caractéristiques géométriques d'une section de poutre."_s +
           FinDeLigne + u"Version n°2 du 14/11/06"_s + FinDeLigne +
           u"Pour en savoir plus, lisez le fichier README fourni avec le programme."_s;
}

QString titre(const QString& nomFichier) {
    const QString programme = u"Brivane des sections - Données"_s;
    return nomFichier.isEmpty() ? programme + u"[*]"_s : nomFichier + u"[*] — "_s + programme;
}

QString questionEnregistrer() {
    return u"Enregistrer les modifications de la section ?"_s;
}

QString questionAppliquer(int element) {
    return u"Les valeurs tapées pour l'élément %1 n'ont pas été appliquées."_s.arg(
        plateforme::texteEntier(element));
}

QString avertissementVerification(int nombre) {
    return nombre == 1 ? u"1 incohérence : voir l'aperçu"_s
                       : u"%1 incohérences : voir l'aperçu"_s.arg(plateforme::texteEntier(nombre));
}

QList<plateforme::Filtre> filtresSection() {
    return {{u"Sections Brivane (*.brivane)"_s, u"brivane"_s}};
}

QList<plateforme::Filtre> filtresNote() {
    return {{u"Note de calcul PDF (*.pdf)"_s, u"pdf"_s}, {u"Note de calcul HTML (*.html)"_s, u"html"_s}};
}

QList<plateforme::Filtre> filtresDonnees() {
    return {{u"Données CSV (*.csv)"_s, u"csv"_s}};
}

QString messageSaisieNonNumerique() {
    return affichage::messageSaisieNonNumerique();
}

QString messageValeursNonNumeriques() {
    return u"Toutes les valeurs ne sont pas numériques. Veuillez les vérifier et corriger."_s + FinDeLigne +
           u"Les cases des données doivent être remplies et différentes de \"-\"."_s;
}

QString messageAireNegative() {
    return u"L'aire totale est négative, veuillez vérifier les données"_s;
}

QString messageCalculImpossible() {
    return u"Les valeurs saisies sont trop grandes pour que le calcul puisse être effectué."_s + FinDeLigne +
           u"Rien n'a été modifié."_s;
}

} // namespace donnee
