#include "ui/aux/apercu_section.h"

#include "model/constats.h"
#include "model/plastique.h"
#include "platform/arithmetique.h"
#include "platform/arrondi.h"
#include "platform/qt/controles.h"
#include "platform/qt/geometrie.h"
#include "platform/qt/locale.h"
#include "platform/qt/message.h"
#include "platform/qt/mise_en_page.h"
#include "platform/qt/police.h"
#include "rapport/resultats.h"
#include "ui/aux/dessin_section.h"
#include "ui/commun/affichage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

using namespace modele;

using namespace Qt::StringLiterals;
using plateforme::Controle;
using plateforme::Etiquette;
using plateforme::Genre;
using namespace plateforme::polices;

namespace {

constexpr double Pas = 6.4;

// Two columns of values beside the drawing, each group under its title: « Inertie » then « Masse », the
// stresses' button and « Torsion et gauchissement » on the left; « Modules » on the right; the legend
// below them. Every value shows at once (no scrolling), and the window, 258 x 173 mm, fits a 1280 x 1024
// screen at 100 % with room to spare.
constexpr double LargeurFenetre = 258.0;
constexpr double HautValeurs = 8.0;      // the first row of « Inertie » and of « Modules »
constexpr double DecalageModules = 74.0; // from the left column of values to the right one
constexpr std::size_t NombreInertie = 7; // the first rows of Lignes; « Modules » the others
constexpr double HautTorsion = 93.0;

// Columns of a result row, in mm from the window's left edge.
constexpr double Legende = 124.0;
constexpr double Valeur = 150.0;
constexpr double LettreE = 161.2;
constexpr double Puissance = 163.5;
constexpr double Unite = 173.0;
constexpr double PuissanceUnite = 178.3;

// A result row's labels; a row gives its name (%1), its caption (%2) and the names of the labels it
// has: the degree sign (%3), or the "E", the power, the unit and the unit's power (%4 to %7) and the
// latter's caption (%8).
const plateforme::Colonne ColonnesResultat[] = {
    {u"%1Texte"_s, u"%2"_s, Legende, 0.0, Valeur - Legende - 1.0, 4.2, Grasse},
    {u"%1Valeur"_s, u"0"_s, Valeur, 0.0, 11.0, 4.2, Normale},
    {u"%3"_s, u"°"_s, Unite, 0.0, 4.0, 4.2, Normale},
    {u"%4"_s, u"E"_s, LettreE, 0.7, 2.1, 2.8, Petite},
    {u"%5"_s, u"0"_s, Puissance, 0.0, 9.0, 4.2, Normale},
    {u"%6"_s, u"mm"_s, Unite, 0.0, 5.3, 4.2, Normale},
    {u"%7"_s, u"%8"_s, PuissanceUnite, 0.0, 2.1, 4.2, Exposant},
};

// The right column of values: the same columns moved.
const auto ColonnesModules = [] {
    auto c = std::to_array(ColonnesResultat);
    for (plateforme::Colonne& k : c) {
        k.gauche += DecalageModules;
    }
    return c;
}();

// It when given (also for a section in several parts); Iw, Zc and Yc for a section in one part.
template <double torsion::Torsion::*membre, bool centre>
std::optional<double> torsions(const ApercuSection::Grandeurs& g) {
    if (!g.torsion || !(centre ? g.torsion->aCentre() : g.torsion->aIt())) {
        return std::nullopt;
    }
    return *g.torsion.*membre;
}

// A quantity of the analysis; 0 when it could not be computed, as the check then says why.
template <double Analyse::*membre> std::optional<double> analyse(const ApercuSection::Grandeurs& g) {
    return g.analyse.value_or(Analyse{}).*membre;
}
// The plastic moduli, none when the total area is not above 0.
template <double Plastique::*membre> std::optional<double> plastiques(const ApercuSection::Grandeurs& g) {
    return g.plastique ? std::optional(*g.plastique.*membre) : std::nullopt;
}
// The radii and moduli about the principal axes, none when the section gets no kern.
template <double Noyau::*membre> std::optional<double> noyau(const ApercuSection::Grandeurs& g) {
    return g.noyau ? std::optional(*g.noyau.*membre) : std::nullopt;
}
// Wpl / Wel, none when Wel is 0.
template <double Plastique::*wpl, double Analyse::*wel>
std::optional<double> facteurForme(const ApercuSection::Grandeurs& g) {
    if (!g.plastique || !g.analyse || *g.analyse.*wel == 0.0) {
        return std::nullopt;
    }
    return *g.plastique.*wpl / *g.analyse.*wel;
}

} // namespace

const ApercuSection::Ligne ApercuSection::Lignes[] = {
    {"Igzy", Quantite::Igzy, "Igzy =", &analyse<&Analyse::Igzy>, 4,
     "Igzy : produit d'inertie de la section par rapport aux axes Gz et Gy.\r\n"
     "[Igzy=somme(Ai*Ygi*Zgi+Izyi)-A*Yg*Zg]\r\n"
     "avec Izyi : produits d'inertie propres des formes élémentaires (0 pour un rectangle, un disque ou un "
     "demi "
     "disque, -b²h²/72 pour un triangle, ±(1/8-4/(9*Pi))R^4 pour un quart de disque)."},
    {"I1", Quantite::I1, "I1 =", &analyse<&Analyse::I1>, 4,
     "I1 : moment quadratique principal maximal, par rapport à l'axe principal 1 passant par le centre de "
     "gravité de la section totale.\r\n"
     "[I1=(Igz+Igy)/2+(((Igz-Igy)/2)^2+Igzy^2)^0,5]"},
    {"I2", Quantite::I2, "I2 =", &analyse<&Analyse::I2>, 4,
     "I2 : moment quadratique principal minimal, par rapport à l'axe principal 2, perpendiculaire à l'axe "
     "1.\r\n"
     "[I2=(Igz+Igy)/2-(((Igz-Igy)/2)^2+Igzy^2)^0,5]"},
    {"Alpha", Quantite::alpha, "alpha =", &analyse<&Analyse::Alpha>, 0,
     "alpha : angle, en degrés, entre l'axe Gz et l'axe principal 1 (celui de I1), compté positivement en "
     "tournant de l'axe Z vers l'axe Y, entre -90° (exclu) et 90°. alpha = 90° : l'axe principal 1 est l'axe "
     "Gy (Igy > Igz et Igzy = 0) ; "
     "alpha = 0° : c'est l'axe Gz.\r\n"
     "[tan(2*alpha)=-2*Igzy/(Igz-Igy)]"},
    {"I1Rayon", std::nullopt, "i1 =", &noyau<&Noyau::i1>, 1,
     "i1 : rayon de giration de la section par rapport à l'axe principal 1 (celui de I1), passant par le "
     "centre de gravité.\r\n"
     "[i1=(I1/A)^0,5]\r\n"
     "Il sert au flambement : l'élancement d'une barre qui flambe autour de l'axe 1 vaut sa longueur de "
     "flambement divisée par i1."},
    {"I2Rayon", std::nullopt, "i2 =", &noyau<&Noyau::i2>, 1,
     "i2 : rayon de giration minimal de la section, par rapport à l'axe principal 2 (celui de I2), "
     "passant par le centre de gravité.\r\n"
     "[i2=(I2/A)^0,5]\r\n"
     "Une barre comprimée flambe autour de l'axe de plus petit rayon de giration : pour une cornière, "
     "i2, autour de l'axe principal incliné (45° pour une cornière à ailes égales), est plus petit que "
     "igz et igy et gouverne son flambement."},
    {"Ip", Quantite::Ip, "Ip =", &analyse<&Analyse::Ip>, 4,
     "Ip : moment quadratique polaire par rapport au centre de gravité de la section totale.\r\n"
     "[Ip=Igz+Igy]"},
    // « Modules »: the rows after the first NombreInertie.
    {"Vsup", Quantite::Vsup, "v sup =", &analyse<&Analyse::Vsup>, 1,
     "v sup : distance verticale entre le centre de gravité de la section et le point de matière le plus "
     "haut."},
    {"Vinf", Quantite::Vinf, "v inf =", &analyse<&Analyse::Vinf>, 1,
     "v inf : distance verticale entre le centre de gravité de la section et le point de matière le plus "
     "bas."},
    {"Vgauche", Quantite::Vgauche, "v gauche =", &analyse<&Analyse::Vgauche>, 1,
     "v gauche : distance horizontale entre le centre de gravité de la section et le point de matière le "
     "plus "
     "à gauche."},
    {"Vdroite", Quantite::Vdroite, "v droite =", &analyse<&Analyse::Vdroite>, 1,
     "v droite : distance horizontale entre le centre de gravité de la section et le point de matière le "
     "plus "
     "à droite."},
    {"Welz", Quantite::Welz, "Wel,z =", &analyse<&Analyse::Welz>, 3,
     "Wel,z : module de flexion élastique par rapport à l'axe Gz ; la contrainte maximale vaut M/Wel,z.\r\n"
     "[Wel,z=Igz/v avec v=max(v sup ; v inf)]"},
    {"Wely", Quantite::Wely, "Wel,y =", &analyse<&Analyse::Wely>, 3,
     "Wel,y : module de flexion élastique par rapport à l'axe Gy ; la contrainte maximale vaut M/Wel,y.\r\n"
     "[Wel,y=Igy/v avec v=max(v gauche ; v droite)]"},
    {"W1", std::nullopt, "W1 =", &noyau<&Noyau::W1>, 3,
     "W1 : module de flexion élastique par rapport à l'axe principal 1 ; sous un moment M autour de cet "
     "axe, la contrainte maximale vaut M/W1.\r\n"
     "[W1=I1/v1, v1 : distance à l'axe principal 1 du point du contour de la matière qui en est le plus "
     "éloigné]\r\n"
     "Il sert quand les axes principaux ne sont pas Gz et Gy (cornière, section sans symétrie) : un moment "
     "autour d'un axe principal fléchit la barre dans son propre plan, et c'est W1 ou W2, non Wel,z ou "
     "Wel,y, qui en donne la contrainte maximale."},
    {"W2", std::nullopt, "W2 =", &noyau<&Noyau::W2>, 3,
     "W2 : module de flexion élastique par rapport à l'axe principal 2 ; sous un moment M autour de cet "
     "axe, la contrainte maximale vaut M/W2.\r\n"
     "[W2=I2/v2, v2 : distance à l'axe principal 2 du point du contour de la matière qui en est le plus "
     "éloigné]\r\n"
     "Il sert quand les axes principaux ne sont pas Gz et Gy (cornière, section sans symétrie) : un moment "
     "autour d'un axe principal fléchit la barre dans son propre plan, et c'est W1 ou W2, non Wel,z ou "
     "Wel,y, qui en donne la contrainte maximale."},
    {"Wplz", Quantite::Wplz, "Wpl,z =", &plastiques<&Plastique::Wplz>, 3,
     "Wpl,z : module de flexion plastique par rapport à l'axe neutre plastique parallèle à Gz, qui partage "
     "l'aire de la section en deux moitiés égales ; le moment plastique vaut fy*Wpl,z.\r\n"
     "[Wpl,z=|S1|+|S2|, S1 et S2 : moments statiques des deux moitiés par rapport à cet axe]"},
    {"Wply", Quantite::Wply, "Wpl,y =", &plastiques<&Plastique::Wply>, 3,
     "Wpl,y : module de flexion plastique par rapport à l'axe neutre plastique parallèle à Gy, qui partage "
     "l'aire de la section en deux moitiés égales ; le moment plastique vaut fy*Wpl,y.\r\n"
     "[Wpl,y=|S1|+|S2|, S1 et S2 : moments statiques des deux moitiés par rapport à cet axe]"},
    {"FacteurFormeZ", Quantite::FacteurFormeZ,
     "Wpl,z / Wel,z =", &facteurForme<&Plastique::Wplz, &Analyse::Welz>, -1,
     "Wpl,z / Wel,z : facteur de forme de la section en flexion autour de Gz, la réserve de résistance "
     "entre la première plastification et la plastification complète (1,5 pour un rectangle, 1,698 pour "
     "un disque).\r\n"
     "[facteur de forme=Wpl,z/Wel,z]"},
    {"FacteurFormeY", Quantite::FacteurFormeY,
     "Wpl,y / Wel,y =", &facteurForme<&Plastique::Wply, &Analyse::Wely>, -1,
     "Wpl,y / Wel,y : facteur de forme de la section en flexion autour de Gy, la réserve de résistance "
     "entre la première plastification et la plastification complète (1,5 pour un rectangle, 1,698 pour "
     "un disque).\r\n"
     "[facteur de forme=Wpl,y/Wel,y]"},
};

const ApercuSection::Ligne ApercuSection::LignesTorsion[] = {
    {"It", std::nullopt, "It =", &torsions<&torsion::Torsion::It, false>, 4,
     "It : moment d'inertie de torsion (constante de Saint-Venant) ; l'angle de torsion par unité de "
     "longueur vaut Mt/(G*It). Il sert au déversement et à la torsion des barres.\r\n"
     "[It=Ip-somme(w*K*w), w : fonction de gauchissement calculée par éléments finis]\r\n"
     "Une section en plusieurs parties séparées : la somme des It des parties."},
    {"Iw", std::nullopt, "Iw =", &torsions<&torsion::Torsion::Iw, true>, 6,
     "Iw : moment d'inertie de gauchissement (constante de gauchissement), par rapport au centre de "
     "cisaillement C ; il sert au déversement et à la torsion non uniforme des profilés ouverts.\r\n"
     "[Iw=intégrale((wC-moyenne de wC)²dA), wC : fonction de gauchissement rapportée à C]"},
    {"Zc", std::nullopt, "Zc =", &torsions<&torsion::Torsion::Zc, true>, 1,
     "Zc : abscisse du centre de cisaillement C dans le repère (O, Z, Y) ; une charge qui ne passe pas par "
     "C tord la barre.\r\n"
     "[C : le pôle pour lequel la fonction de gauchissement n'a de produit ni avec z ni avec y (Trefftz) ; "
     "sur un axe de symétrie de la section]"},
    {"Yc", std::nullopt, "Yc =", &torsions<&torsion::Torsion::Yc, true>, 1,
     "Yc : ordonnée du centre de cisaillement C dans le repère (O, Z, Y) ; une charge qui ne passe pas par "
     "C tord la barre.\r\n"
     "[C : le pôle pour lequel la fonction de gauchissement n'a de produit ni avec z ni avec y (Trefftz) ; "
     "sur un axe de symétrie de la section]"},
};

namespace {

// The method's size and its estimated error, after a torsion row's explanation.
QString precision(const std::optional<torsion::Torsion>& t) {
    if (!t || !t->aIt()) {
        return {};
    }
    QString texte = u"\r\nCalcul par éléments finis (triangles à 6 nœuds) : "_s +
                    QString::number(t->elements()) + u" éléments, erreur estimée "_s +
                    plateforme::texteNombre(plateforme::arrondir(100.0 * t->erreur, 3)) +
                    u" % (écart entre les deux derniers maillages)."_s;
    if (t->angleCorde > 0.0) {
        texte += u" Arcs remplacés par des cordes de "_s +
                 plateforme::texteNombre(plateforme::arrondir(t->angleCorde, 2)) +
                 u"° au plus, qui abaissent It d'un disque d'environ "_s +
                 plateforme::texteNombre(plateforme::arrondir(1e-2 * t->angleCorde * t->angleCorde, 3)) +
                 u" %."_s;
    }
    return texte;
}

} // namespace

ApercuSection::ApercuSection(const Section& section, const Document* document)
    : plateforme::FenetreSecondaire(u"ApercuSection"_s, u"Aperçu de la section"_s, LargeurFenetre, 173.0,
                                    true),
      m_section(section), m_document(document), m_plan(this), m_dessin(new DessinSection(this)),
      m_maillage(new QCheckBox(this)) {
    m_dessin->setObjectName(u"Dessin"_s);
    m_dessin->setAccessibleName(u"Dessin de la section à l'échelle"_s);
    m_dessin->setGeometry(plateforme::rectangle({2.0, 2.0, 118.0, 142.0}));

    const auto valeursDe = [](std::span<const Ligne> lignes) {
        std::vector<QStringList> valeurs;
        for (const Ligne& l : lignes) {
            const QString nom = QString::fromUtf8(l.nom);
            const QString legende = QString::fromUtf8(l.legende);
            if (l.puissanceUnite == 0) {
                valeurs.push_back({nom, legende, nom + u"Unite"_s, {}, {}, {}, {}, {}});
            } else if (l.puissanceUnite < 0) {
                valeurs.push_back({nom, legende, {}, {}, {}, {}, {}, {}});
            } else {
                const bool puissance = l.puissanceUnite > 1;
                valeurs.push_back({nom,
                                   legende,
                                   {},
                                   u"E"_s + nom,
                                   nom + u"Puissance"_s,
                                   nom + u"Unite"_s,
                                   puissance ? nom + u"UnitePuissance"_s : QString(),
                                   QString::number(l.puissanceUnite)});
            }
        }
        return valeurs;
    };
    const std::vector<QStringList> valeurs = valeursDe(Lignes);
    const std::span<const QStringList> inertie(valeurs.data(), NombreInertie);
    const std::span<const QStringList> modules = std::span(valeurs).subspan(NombreInertie);
    const std::vector<QStringList> valeursTorsion = valeursDe(LignesTorsion);
    const auto titre = [](const char16_t* nom, const char16_t* texte, double gauche, double haut) {
        return Controle{Genre::Etiquette,
                        QString::fromUtf16(nom),
                        QString::fromUtf16(texte),
                        {gauche, haut, 60.0, 5.0},
                        Grasse};
    };
    const auto ajouter = [](std::vector<Controle>& a, const std::vector<Controle>& b) {
        a.insert(a.end(), b.begin(), b.end());
    };
    std::vector<Controle> controles{titre(u"TitreInertie", u"Inertie", Legende, 2.0)};
    ajouter(
        controles,
        plateforme::Famille{ColonnesResultat, HautValeurs, Pas, static_cast<int>(inertie.size()), {}, inertie}
            .controles());
    controles.push_back(titre(u"TitreModules", u"Modules", Legende + DecalageModules, 2.0));
    ajouter(
        controles,
        plateforme::Famille{ColonnesModules, HautValeurs, Pas, static_cast<int>(modules.size()), {}, modules}
            .controles());
    // The mass per metre of the material whose density is typed.
    controles.push_back(titre(u"TitreMasse", u"Masse", Legende, 55.0));
    controles.push_back({Genre::Etiquette,
                         u"MasseVolumiqueTexte"_s,
                         u"Masse volumique :"_s,
                         {Legende, 61.6, 27.0, 4.2},
                         Normale});
    controles.push_back({Genre::Champ, u"MasseVolumique"_s, {}, {Legende + 27.0, 60.8, 18.0, 5.6}, Normale});
    controles.push_back(
        {Genre::Etiquette, u"MasseVolumiqueUnite"_s, u"kg/m³"_s, {Legende + 46.0, 61.6, 10.0, 4.2}, Normale});
    controles.push_back({Genre::Etiquette, u"MasseLineique"_s, {}, {Legende, 68.0, 70.0, 4.2}, Normale});
    controles.push_back({Genre::Bouton,
                         u"BoutonContraintes"_s,
                         u"Contraintes normales…"_s,
                         {Legende, 75.5, 48.0, 7.0},
                         Normale});
    controles.push_back(titre(u"TitreTorsion", u"Torsion et gauchissement", Legende, 87.0));
    ajouter(controles, plateforme::Famille{ColonnesResultat,
                                           HautTorsion,
                                           Pas,
                                           static_cast<int>(std::size(LignesTorsion)),
                                           {},
                                           valeursTorsion}
                           .controles());
    controles.push_back({Genre::Etiquette,
                         u"TorsionMessage"_s,
                         {},
                         {Legende + DecalageModules, HautTorsion, 58.0, 23.0},
                         Normale});
    controles.push_back(
        {Genre::Etiquette, u"Verification"_s, {}, {2.0, 147.0, LargeurFenetre - 4.0, 18.0}, Normale});
    // The profile and its axes.
    controles.push_back({Genre::Etiquette, u"Profil"_s, {}, {2.0, 166.0, LargeurFenetre - 4.0, 4.6}, Grasse});
    m_plan.ajouter(controles);
    connect(m_plan.get<plateforme::Bouton>(u"BoutonContraintes"_s), &QPushButton::clicked, this,
            &ApercuSection::contraintesDemandees);
    m_plan.get<Etiquette>(u"TorsionMessage"_s)
        ->setAccessibleName(u"Maillage de la torsion et erreur estimée"_s);
    m_maillage->setObjectName(u"AfficherMaillage"_s);
    m_maillage->setText(u"Afficher le maillage"_s);
    m_maillage->setFont(plateforme::police());
    m_maillage->setGeometry(plateforme::rectangle({Legende + DecalageModules, 86.5, 56.0, 5.5}));
    connect(m_maillage, &QCheckBox::toggled, this, [this] { afficherTorsion(); });
    connect(&m_calcul, &QFutureWatcher<torsion::Torsion>::finished, this, [this] {
        m_grandeurs.torsion = m_calcul.result();
        afficherTorsion();
    });
    // The exponent of each unit right after the unit's text as this font draws it.
    std::vector<plateforme::Incrustation> exposants;
    for (const Ligne& l : std::span(LignesTorsion)) {
        if (l.puissanceUnite > 1) {
            const QString nom = QString::fromUtf8(l.nom);
            exposants.push_back({nom + u"UnitePuissance"_s, nom + u"Unite"_s, u"mm"_s});
        }
    }
    for (const Ligne& l : Lignes) {
        if (l.puissanceUnite > 1) {
            const QString nom = QString::fromUtf8(l.nom);
            exposants.push_back({nom + u"UnitePuissance"_s, nom + u"Unite"_s, u"mm"_s});
        }
    }
    plateforme::incruster(m_plan, exposants);
    // Many findings scroll.
    m_verification = new plateforme::Defilement(m_plan.get<Etiquette>(u"Verification"_s));
    m_verification->setObjectName(u"DefilementVerification"_s);
    m_verification->setAccessibleName(u"Vérification de la section"_s);

    auto* masse = m_plan.get<QLineEdit>(u"MasseVolumique"_s);
    masse->setAccessibleName(u"Masse volumique en kg/m³"_s);
    connect(masse, &QLineEdit::editingFinished, this, &ApercuSection::saisirMasseVolumique);

    auto* legende = new LegendeSection(m_dessin, this);
    legende->setObjectName(u"Legende"_s);
    legende->setAccessibleName(u"Légende du dessin"_s);
    legende->setGeometry(plateforme::rectangle({Legende, 120.0, LargeurFenetre - Legende - 2.0, 24.0}));

    for (const Ligne& l : std::span(LignesTorsion)) {
        plateforme::surDoubleClic(m_plan.get<Etiquette>(QString::fromUtf8(l.nom) + u"Texte"_s), this,
                                  [this, &l] {
                                      plateforme::afficherMessage(this, QString::fromUtf8(l.explication) +
                                                                            precision(m_grandeurs.torsion));
                                  });
    }
    for (const Ligne& l : Lignes) {
        const QString nom = QString::fromUtf8(l.nom);
        plateforme::surDoubleClic(m_plan.get<Etiquette>(nom + u"Texte"_s), this, [this, &l] {
            plateforme::afficherMessage(this, QString::fromUtf8(l.explication));
        });
    }
    for (const std::span<const Ligne> lignes :
         {std::span<const Ligne>(Lignes), std::span<const Ligne>(LignesTorsion)}) {
        for (const Ligne& l : lignes) {
            if (l.puissanceUnite > 0) {
                auto* unite = m_plan.get<Etiquette>(QString::fromUtf8(l.nom) + u"Unite"_s);
                unite->setCliquable(true);
                plateforme::surClic(unite, this, [this, &l] { montrerUnites(l); });
            }
        }
    }
}

ApercuSection::~ApercuSection() {
    if (m_abandon) {
        *m_abandon = true;
    }
    // The window is hidden after this, in ~QWidget: the density field, losing its focus then, would
    // call saisirMasseVolumique on members already destroyed.
    m_plan.get<QLineEdit>(u"MasseVolumique"_s)->blockSignals(true);
}

void ApercuSection::activer() {
    m_grandeurs.analyse.reset();
    try {
        m_grandeurs.analyse = analyser(m_section);
    } catch (const plateforme::FauteArithmetique&) {
    }
    m_grandeurs.plastique = plastique(m_section);
    m_grandeurs.signification = signification(m_section);
    m_grandeurs.noyau = etudier(m_section, Efforts{}).noyau;
    for (const Ligne& l : Lignes) {
        afficher(l, false);
    }
    QStringList lignes;
    if (m_grandeurs.signification.tousAxesPrincipaux) {
        lignes << u"Tous les axes passant par G sont principaux."_s;
    }
    for (const std::string& l :
         lignesVerification(m_section, m_grandeurs.analyse.has_value(), plateforme::formatLocal())) {
        lignes << QString::fromStdString(l);
    }
    m_verification->afficher(lignes.join(u'\n'));
    const Document document = m_document != nullptr ? *m_document : Document{};
    QStringList profil = rapport::lignesProfil(m_section, document);
    if (!profil.isEmpty()) {
        profil.removeLast(); // the mass per metre, on its own line below
    }
    auto* ligneProfil = m_plan.get<Etiquette>(u"Profil"_s);
    ligneProfil->setText(profil.join(u" — "_s));
    ligneProfil->setAccessibleName(ligneProfil->text());
    ligneProfil->setVisible(!profil.isEmpty());
    m_plan.get<QLineEdit>(u"MasseVolumique"_s)->setText(plateforme::texteNombre(document.masseVolumique));
    m_plan.get<Etiquette>(u"MasseLineique"_s)
        ->setText(
            u"Masse linéique : "_s +
            plateforme::texteNombre(plateforme::arrondir(rapport::masseLineique(m_section, document), 2)) +
            u" kg/m"_s);
    m_dessin->dessiner(m_section, m_grandeurs.analyse, m_grandeurs.plastique);
    std::vector<QPointF> noyau;
    if (m_grandeurs.noyau) {
        for (const PointZY& q : m_grandeurs.noyau->sommets) {
            noyau.emplace_back(q.z, q.y);
        }
    }
    m_dessin->montrerNoyau(std::move(noyau));
    lancerTorsion();
}

void ApercuSection::afficher(const Ligne& l, bool enCalcul) {
    const QString nom = QString::fromUtf8(l.nom);
    auto* valeur = m_plan.get<Etiquette>(nom + u"Valeur"_s);
    const std::optional<double> v =
        l.quantite && m_grandeurs.signification.perdue(*l.quantite) ? std::nullopt : l.valeur(m_grandeurs);
    if (l.puissanceUnite <= 0) {
        valeur->setText(v ? plateforme::texteNombre(plateforme::arrondir(*v, l.puissanceUnite == 0 ? 2 : 3))
                          : QString());
    } else if (v) {
        affichage::notation(valeur, m_plan.get<Etiquette>(u"E"_s + nom),
                            m_plan.get<Etiquette>(nom + u"Puissance"_s), *v);
    } else {
        valeur->setText(enCalcul ? u"calcul…"_s : QString());
        m_plan.get<Etiquette>(u"E"_s + nom)->hide();
        m_plan.get<Etiquette>(nom + u"Puissance"_s)->hide();
    }
}

void ApercuSection::lancerTorsion() {
    if (m_sectionTorsion != m_section) {
        m_sectionTorsion = m_section;
        if (m_abandon) {
            *m_abandon = true;
        }
        m_grandeurs.torsion.reset();
        m_abandon = std::make_shared<std::atomic<bool>>(false);
        m_calcul.setFuture(QtConcurrent::run([section = m_section, abandon = m_abandon] {
            torsion::Limites limites;
            limites.abandon = abandon.get();
            return torsion::calculerTorsion(section, limites);
        }));
    }
    afficherTorsion();
}

void ApercuSection::attendreTorsion() {
    if (!m_sectionTorsion || m_grandeurs.torsion) {
        return; // nothing launched, or its result already shown
    }
    m_calcul.waitForFinished();
    m_grandeurs.torsion = m_calcul.result(); // the watcher's signal, still queued, shows the same again
    afficherTorsion();
}

void ApercuSection::afficherTorsion() {
    const std::optional<torsion::Torsion>& t = m_grandeurs.torsion;
    for (const Ligne& l : LignesTorsion) {
        afficher(l, !t);
    }
    QString message;
    if (t) {
        message = QString::fromStdString(torsion::phrase(*t));
        if (t->aIt()) {
            message += (message.isEmpty() ? QString() : u"\n"_s) + QString::number(t->elements()) +
                       u" éléments finis, erreur estimée "_s +
                       plateforme::texteNombre(plateforme::arrondir(100.0 * t->erreur, 3)) + u" %."_s;
        }
    }
    m_plan.get<Etiquette>(u"TorsionMessage"_s)->setText(message);
    std::optional<QPointF> c;
    std::vector<QLineF> cotes;
    if (t && t->aCentre()) {
        c = QPointF(t->Zc, t->Yc);
    }
    if (t && m_maillage->isChecked()) {
        for (const auto& [a, b] : torsion::cotes(*t)) {
            cotes.emplace_back(a.z, a.y, b.z, b.y);
        }
    }
    m_dessin->montrerTorsion(c, std::move(cotes));
    findChild<LegendeSection*>(u"Legende"_s)->update();
}

void ApercuSection::saisirMasseVolumique() {
    auto* champ = m_plan.get<QLineEdit>(u"MasseVolumique"_s);
    const std::optional<double> v = plateforme::lireNombre(champ->text());
    const double actuelle = m_document != nullptr ? m_document->masseVolumique : MasseVolumiqueAcier;
    if (v && *v > 0.0 && *v != actuelle) {
        Q_EMIT masseVolumiqueSaisie(*v);
    } else if (!v || *v <= 0.0) {
        champ->setText(plateforme::texteNombre(actuelle)); // a density is a number above 0
    }
}

void ApercuSection::montrerUnites(const Ligne& l) const {
    const std::optional<double> valeur = l.valeur(m_grandeurs);
    if (l.quantite ? m_grandeurs.signification.perdue(*l.quantite) : !valeur) {
        return; // a blank row (lost in the rounding, a torsion not given or still computed) has nothing to
                // convert
    }
    const double v = valeur.value_or(0.0);
    // The row's symbol: its name, or for a radius of gyration its caption's (i1, i2).
    const QString premier =
        (std::string_view(l.nom).ends_with("Rayon") ? QString::fromUtf8(l.legende).chopped(2)
                                                    : QString::fromUtf8(l.nom)) +
        u" = "_s;
    const QString suite = QString(premier.size() - 2, u' ') + u"= "_s; // "=" under "="
    plateforme::afficherMessage(const_cast<ApercuSection*>(this),
                                affichage::troisUnites(premier, suite, v, l.puissanceUnite));
}
