#include "ui/aux/textes_contraintes.h"

#include "platform/arrondi.h"
#include "platform/qt/locale.h"

using namespace Qt::StringLiterals;

namespace contraintes {

const ChampEffort Champs[5] = {
    {u"EffortN", u"N =", u"kN", u"Effort normal N en kN, positif en traction",
     u"N : effort normal, en kN, positif en traction, appliqué en G (ou en (ez ; ey) depuis G si ces "
     u"excentricités sont données). Il donne la contrainte uniforme σG = N/A."},
    {u"MomentMz", u"Mz =", u"kN·m", u"Moment Mz en kN·m, positif s'il tend les fibres du haut",
     u"Mz : moment de flexion, en kN·m, défini par les contraintes qu'il équilibre : Mz = somme(σ·y·dA), "
     u"y mesuré depuis G vers le haut. Positif, il tend les fibres au-dessus de Gz."},
    {u"MomentMy", u"My =", u"kN·m", u"Moment My en kN·m, positif s'il tend les fibres de gauche",
     u"My : moment de flexion, en kN·m, défini par les contraintes qu'il équilibre : My = somme(σ·z·dA), "
     u"z mesuré depuis G vers la gauche. Positif, il tend les fibres à gauche de Gy."},
    {u"ExcentriciteZ", u"ez =", u"mm", u"Excentricité ez de N, en mm depuis G, facultative",
     u"ez : abscisse, depuis G et vers la gauche, du point d'application de N (facultative ; vide, elle "
     u"vaut 0 si ey est donnée). Elle fixe My = N·ez ; Mz et My ne se saisissent plus, ils se calculent."},
    {u"ExcentriciteY", u"ey =", u"mm", u"Excentricité ey de N, en mm depuis G, facultative",
     u"ey : ordonnée, depuis G et vers le haut, du point d'application de N (facultative ; vide, elle "
     u"vaut 0 si ez est donnée). Elle fixe Mz = N·ey ; Mz et My ne se saisissent plus, ils se calculent."},
};

namespace {

template <double modele::Contraintes::*membre> std::optional<double> sigma(const modele::Contraintes& c) {
    return c.*membre;
}
template <auto membre> std::optional<double> axe(const modele::Contraintes& c) {
    return c.axe ? std::optional<double>((*c.axe).*membre) : std::nullopt;
}

} // namespace

const Ligne Lignes[6] = {
    {u"SigmaG", u"σG =", u"MPa", u"σG",
     u"σG : contrainte normale au centre de gravité G, due à l'effort normal seul.",
     &sigma<&modele::Contraintes::sigmaG>},
    {u"SigmaMax", u"σmax =", u"MPa", u"σmax",
     u"σmax : contrainte la plus grande (la traction la plus forte) sur le contour de la matière, au point "
     u"(Z ; Y) indiqué. σ = σG + a·z + b·y, avec a·Igzy + b·Igz = Mz et a·Igy + b·Igzy = My ; si Igzy = 0, "
     u"σ = N/A + Mz·y/Igz + My·z/Igy.",
     &sigma<&modele::Contraintes::sigmaMax>, &modele::Contraintes::pointMax},
    {u"SigmaMin", u"σmin =", u"MPa", u"σmin",
     u"σmin : contrainte la plus petite (la compression la plus forte) sur le contour de la matière, au "
     u"point (Z ; Y) indiqué. σ = σG + a·z + b·y, avec a·Igzy + b·Igz = Mz et a·Igy + b·Igzy = My ; si "
     u"Igzy = 0, σ = N/A + Mz·y/Igz + My·z/Igy.",
     &sigma<&modele::Contraintes::sigmaMin>, &modele::Contraintes::pointMin},
    {u"AngleAxe", u"axe neutre :", u"°", u"θ",
     u"Axe neutre : la droite où σ = 0, d'équation σG + a·z + b·y = 0 ; son angle depuis l'axe Gz, compté "
     u"de Z vers Y, entre -90° (exclu) et 90°.",
     &axe<&modele::AxeNeutre::angle>},
    {u"AxeSurGz", u"coupe Gz en Z =", u"mm", u"Z sur Gz",
     u"Abscisse, dans le repère (O, Z, Y), du point où l'axe neutre coupe l'axe Gz : Z = Zg - σG / a.",
     &axe<&modele::AxeNeutre::surGz>},
    {u"AxeSurGy", u"coupe Gy en Y =", u"mm", u"Y sur Gy",
     u"Ordonnée, dans le repère (O, Z, Y), du point où l'axe neutre coupe l'axe Gy : Y = Yg - σG / b.",
     &axe<&modele::AxeNeutre::surGy>},
};

QString point(const modele::PointZY& p) {
    return u"("_s + plateforme::texteNombre(plateforme::arrondir(p.z, 2)) + u" ; "_s +
           plateforme::texteNombre(plateforme::arrondir(p.y, 2)) + u")"_s;
}

QString resultat(const rapport::Etape& e) {
    if (!e.resultat) {
        return {};
    }
    return (e.unite == u"°"_s ? plateforme::texteNombre(*e.resultat)
                              : rapport::chiffre(*e.resultat, rapport::EcritureFenetre)) +
           u" "_s + e.unite;
}

} // namespace contraintes
