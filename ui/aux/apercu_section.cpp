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

#include <QLineEdit>

using namespace modele;

using namespace Qt::StringLiterals;
using plateforme::Controle;
using plateforme::Etiquette;
using plateforme::Genre;
using namespace plateforme::polices;

namespace {

constexpr double HautPremiereLigne = 4.0;
constexpr double Pas = 6.4;

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

// A quantity of the analysis; 0 when it could not be computed, as the check then says why.
template <double Analyse::*membre> std::optional<double> analyse(const ApercuSection::Grandeurs& g) {
    return g.analyse.value_or(Analyse{}).*membre;
}
// The plastic moduli, none when the total area is not above 0.
template <double Plastique::*membre> std::optional<double> plastiques(const ApercuSection::Grandeurs& g) {
    return g.plastique ? std::optional(*g.plastique.*membre) : std::nullopt;
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
    {"Ip", Quantite::Ip, "Ip =", &analyse<&Analyse::Ip>, 4,
     "Ip : moment quadratique polaire par rapport au centre de gravité de la section totale.\r\n"
     "[Ip=Igz+Igy]"},
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

ApercuSection::ApercuSection(const Section& section, const Document* document)
    : plateforme::FenetreSecondaire(u"ApercuSection"_s, u"Aperçu de la section"_s, 196.0, 159.0, true),
      m_section(section), m_document(document), m_plan(this), m_dessin(new DessinSection(this)) {
    m_dessin->setObjectName(u"Dessin"_s);
    m_dessin->setAccessibleName(u"Dessin de la section à l'échelle"_s);
    m_dessin->setGeometry(plateforme::rectangle({2.0, 2.0, 118.0, 123.0}));

    std::vector<QStringList> valeurs;
    for (const Ligne& l : Lignes) {
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
    std::vector<Controle> controles =
        plateforme::Famille{ColonnesResultat, HautPremiereLigne, Pas, static_cast<int>(std::size(Lignes)), {},
                            valeurs}
            .controles();
    controles.push_back({Genre::Etiquette, u"Verification"_s, {}, {2.0, 127.0, 192.0, 18.0}, Normale});
    // The profile, its axes and the mass per metre of the material whose density is typed.
    controles.push_back({Genre::Etiquette, u"Profil"_s, {}, {2.0, 146.0, 192.0, 4.6}, Grasse});
    controles.push_back({Genre::Etiquette,
                         u"MasseVolumiqueTexte"_s,
                         u"Masse volumique :"_s,
                         {2.0, 152.6, 27.0, 4.2},
                         Normale});
    controles.push_back({Genre::Champ, u"MasseVolumique"_s, {}, {29.0, 151.8, 18.0, 5.6}, Normale});
    controles.push_back(
        {Genre::Etiquette, u"MasseVolumiqueUnite"_s, u"kg/m³"_s, {48.0, 152.6, 10.0, 4.2}, Normale});
    controles.push_back({Genre::Etiquette, u"MasseLineique"_s, {}, {62.0, 152.6, 132.0, 4.2}, Normale});
    m_plan.ajouter(controles);
    // The exponent of each unit right after the unit's text as this font draws it.
    std::vector<plateforme::Incrustation> exposants;
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
    legende->setGeometry(plateforme::rectangle({Legende, 99.0, 70.0, 26.0}));

    for (const Ligne& l : Lignes) {
        const QString nom = QString::fromUtf8(l.nom);
        plateforme::surDoubleClic(m_plan.get<Etiquette>(nom + u"Texte"_s), this, [this, &l] {
            plateforme::afficherMessage(this, QString::fromUtf8(l.explication));
        });
        if (l.puissanceUnite > 0) {
            auto* unite = m_plan.get<Etiquette>(nom + u"Unite"_s);
            unite->setCliquable(true);
            plateforme::surClic(unite, this, [this, &l] { montrerUnites(l); });
        }
    }
}

ApercuSection::~ApercuSection() {
    // The window is hidden after this, in ~QWidget: the density field, losing its focus then, would
    // call saisirMasseVolumique on members already destroyed.
    m_plan.get<QLineEdit>(u"MasseVolumique"_s)->blockSignals(true);
}

void ApercuSection::activer() {
    m_grandeurs = {};
    try {
        m_grandeurs.analyse = analyser(m_section);
    } catch (const plateforme::FauteArithmetique&) {
    }
    m_grandeurs.plastique = plastique(m_section);
    m_grandeurs.signification = signification(m_section);
    for (const Ligne& l : Lignes) {
        const QString nom = QString::fromUtf8(l.nom);
        auto* valeur = m_plan.get<Etiquette>(nom + u"Valeur"_s);
        const std::optional<double> v =
            m_grandeurs.signification.perdue(l.quantite) ? std::nullopt : l.valeur(m_grandeurs);
        if (l.puissanceUnite <= 0) {
            valeur->setText(
                v ? plateforme::texteNombre(plateforme::arrondir(*v, l.puissanceUnite == 0 ? 2 : 3))
                  : QString());
        } else if (v) {
            affichage::notation(valeur, m_plan.get<Etiquette>(u"E"_s + nom),
                                m_plan.get<Etiquette>(nom + u"Puissance"_s), *v);
        } else {
            valeur->clear();
            m_plan.get<Etiquette>(u"E"_s + nom)->hide();
            m_plan.get<Etiquette>(nom + u"Puissance"_s)->hide();
        }
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
    if (m_grandeurs.signification.perdue(l.quantite)) {
        return; // a blank row has nothing to convert
    }
    const double v = l.valeur(m_grandeurs).value_or(0.0);
    const QString premier = QString::fromUtf8(l.nom) + u" = "_s;
    const QString suite = QString(premier.size() - 2, u' ') + u"= "_s; // "=" under "="
    plateforme::afficherMessage(const_cast<ApercuSection*>(this),
                                affichage::troisUnites(premier, suite, v, l.puissanceUnite));
}
