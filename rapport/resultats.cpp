#include "rapport/resultats.h"

#include "model/analyse.h"
#include "model/constats.h"
#include "model/contraintes.h"
#include "model/plastique.h"
#include "model/signification.h"
#include "platform/arithmetique.h"
#include "platform/arrondi.h"
#include "platform/qt/locale.h"
#include "torsion/torsion.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <optional>

using namespace modele;

namespace rapport {

namespace {

// A quantity: a total of the section, a figure of the analysis or a plastic modulus (the other members
// are null).
struct Grandeur {
    Quantite quantite; // its name and JSON key
    const char* unite;
    double Section::*total;
    double Analyse::*analyse;
    double Plastique::*plastique = nullptr;
};

const Grandeur Grandeurs[] = {
    {Quantite::A, "mm²", &Section::Atotale, nullptr},
    {Quantite::Zg, "mm", &Section::Zg, nullptr},
    {Quantite::Yg, "mm", &Section::Yg, nullptr},
    {Quantite::Igz, "mm⁴", &Section::Igz, nullptr},
    {Quantite::Igy, "mm⁴", &Section::Igy, nullptr},
    {Quantite::igz, "mm", &Section::iGz, nullptr},
    {Quantite::igy, "mm", &Section::iGy, nullptr},
    {Quantite::Igzy, "mm⁴", nullptr, &Analyse::Igzy},
    {Quantite::I1, "mm⁴", nullptr, &Analyse::I1},
    {Quantite::I2, "mm⁴", nullptr, &Analyse::I2},
    {Quantite::alpha, "°", nullptr, &Analyse::Alpha},
    {Quantite::Vsup, "mm", nullptr, &Analyse::Vsup},
    {Quantite::Vinf, "mm", nullptr, &Analyse::Vinf},
    {Quantite::Vgauche, "mm", nullptr, &Analyse::Vgauche},
    {Quantite::Vdroite, "mm", nullptr, &Analyse::Vdroite},
    {Quantite::Welz, "mm³", nullptr, &Analyse::Welz},
    {Quantite::Wely, "mm³", nullptr, &Analyse::Wely},
    {Quantite::Wplz, "mm³", nullptr, nullptr, &Plastique::Wplz},
    {Quantite::Wply, "mm³", nullptr, nullptr, &Plastique::Wply},
    {Quantite::Ip, "mm⁴", nullptr, &Analyse::Ip},
};

const QString NonSignificatif = QStringLiteral("non significatif (perdu dans les arrondis)");

QStringList enTextes(const std::vector<std::string>& lignes) {
    QStringList textes;
    for (const std::string& l : lignes) {
        textes.append(QString::fromStdString(l));
    }
    return textes;
}

struct Resultats {
    std::optional<Analyse> analyse;
    std::optional<Plastique> plastique;
    Signification signification;

    // The value of `g`, or nothing when it belongs to an analysis that could not be computed, or is a
    // plastic modulus of a section whose area is not above 0.
    std::optional<double> valeur(const Section& section, const Grandeur& g) const {
        if (g.total != nullptr) {
            return section.*g.total;
        }
        if (g.plastique != nullptr) {
            return plastique ? std::optional(*plastique.*g.plastique) : std::nullopt;
        }
        if (!analyse) {
            return std::nullopt;
        }
        return *analyse.*g.analyse;
    }
};

Resultats calculer(const Section& section) {
    Resultats r;
    try {
        r.analyse = analyser(section);
    } catch (const plateforme::FauteArithmetique&) {
        r.analyse.reset();
    }
    r.plastique = plastique(section);
    r.signification = signification(section);
    return r;
}

// One line per quantity that has a value, of the totals alone or of every quantity.
QString lignesGrandeurs(const Section& section, const Resultats& r, bool totauxSeuls) {
    QString texte;
    for (const Grandeur& g : Grandeurs) {
        if (totauxSeuls && g.total == nullptr) {
            continue;
        }
        const QString nom = QString::fromUtf8(libelle(g.quantite)) + QStringLiteral(" = ");
        if (r.signification.perdue(g.quantite)) {
            texte += nom + NonSignificatif + u'\n';
        } else if (const std::optional<double> v = r.valeur(section, g)) {
            texte += nom + plateforme::texteNombre(*v) + u' ' + QString::fromUtf8(g.unite) + u'\n';
        }
    }
    return texte;
}

QString point(const PointZY& p) {
    return u'(' + plateforme::texteNombre(p.z) + QStringLiteral(" ; ") + plateforme::texteNombre(p.y) + u')';
}

QString lignesContraintes(const Section& section, const Efforts& efforts) {
    const Etude e = etudier(section, efforts);
    if (!e.contraintes) {
        return QString::fromStdString(e.raison) + u'\n';
    }
    const Contraintes& c = *e.contraintes;
    const auto extreme = [](const char* nom, double s, const std::optional<PointZY>& p) {
        return QString::fromUtf8(nom) + plateforme::texteNombre(s) + QStringLiteral(" MPa") +
               (p ? QStringLiteral(" en ") + point(*p) : QString()) + u'\n';
    };
    QString texte = QStringLiteral("σG = ") + plateforme::texteNombre(c.sigmaG) + QStringLiteral(" MPa\n");
    texte += extreme("σmax = ", c.sigmaMax, c.pointMax) + extreme("σmin = ", c.sigmaMin, c.pointMin);
    if (c.axe) {
        return texte + QStringLiteral("Axe neutre : ") + plateforme::texteNombre(c.axe->angle) +
               QStringLiteral(" ° depuis Gz, passant par ") + point(c.axe->point) + u'\n';
    }
    return texte + QStringLiteral("Pas d'axe neutre : contrainte uniforme.\n");
}

QJsonValue pointJson(const std::optional<PointZY>& p) {
    return p ? QJsonValue(QJsonArray{p->z, p->y}) : QJsonValue(QJsonValue::Null);
}

void ajouterEtude(QJsonObject& objet, const Section& section, const std::optional<Efforts>& efforts) {
    const Etude e = etudier(section, efforts.value_or(Efforts{}));
    const auto nombre = [](bool present, double v) { return present ? QJsonValue(v) : QJsonValue(); };
    const std::optional<Noyau>& n = e.noyau;
    objet.insert(QStringLiteral("i1"), nombre(n.has_value(), n ? n->i1 : 0.0));
    objet.insert(QStringLiteral("i2"), nombre(n.has_value(), n ? n->i2 : 0.0));
    objet.insert(QStringLiteral("W1"), nombre(n.has_value(), n ? n->W1 : 0.0));
    objet.insert(QStringLiteral("W2"), nombre(n.has_value(), n ? n->W2 : 0.0));
    QJsonArray sommets;
    for (const PointZY& p : n ? n->sommets : std::vector<PointZY>{}) {
        sommets.append(pointJson(p));
    }
    objet.insert(QStringLiteral("noyau"), n ? QJsonValue(sommets) : QJsonValue());
    if (!efforts) {
        return;
    }
    const std::optional<Contraintes>& c = e.contraintes;
    objet.insert(QStringLiteral("sigmaG"), nombre(c.has_value(), c ? c->sigmaG : 0.0));
    objet.insert(QStringLiteral("sigmaMax"), nombre(c.has_value(), c ? c->sigmaMax : 0.0));
    objet.insert(QStringLiteral("sigmaMin"), nombre(c.has_value(), c ? c->sigmaMin : 0.0));
    objet.insert(QStringLiteral("pointMax"), pointJson(c ? c->pointMax : std::nullopt));
    objet.insert(QStringLiteral("pointMin"), pointJson(c ? c->pointMin : std::nullopt));
    QJsonValue axe;
    if (c && c->axe) {
        axe = QJsonObject{{QStringLiteral("angle"), c->axe->angle},
                          {QStringLiteral("point"), pointJson(c->axe->point)}};
    }
    objet.insert(QStringLiteral("axeNeutre"), axe);
}

// It, Iw, Zc and Yc as they are given, and the sentence in place of those that are not.
QString lignesTorsion(const torsion::Torsion& t) {
    QString texte;
    const auto ligne = [&texte](const char* nom, double v, const char* unite) {
        texte += QString::fromUtf8(nom) + QStringLiteral(" = ") + plateforme::texteNombre(v) + u' ' +
                 QString::fromUtf8(unite) + u'\n';
    };
    if (t.aIt()) {
        ligne("It", t.It, "mm⁴");
    }
    if (t.aCentre()) {
        ligne("Iw", t.Iw, "mm⁶");
        ligne("Zc", t.Zc, "mm");
        ligne("Yc", t.Yc, "mm");
    }
    if (const std::string p = torsion::phrase(t); !p.empty()) {
        texte += QString::fromStdString(p) + u'\n';
    }
    return texte;
}

} // namespace

QString texteProfil(const Document& document) {
    return document.profil.empty() ? QString()
                                   : QStringLiteral("Profilé ") + QString::fromStdString(document.profil);
}

QString texteAxesAcier(const Document& document) {
    const Profil* p = trouverProfil(document.profil);
    return p != nullptr && axesAcier(p->famille)
               ? QStringLiteral("Igz : axe fort (Iy des tableaux) ; Igy : axe faible (Iz)")
               : QString();
}

QStringList lignesProfil(const Section& section, const Document& document) {
    QStringList lignes;
    for (const QString& l : {texteProfil(document), texteAxesAcier(document)}) {
        if (!l.isEmpty()) {
            lignes.append(l);
        }
    }
    if (document.masseDite()) {
        lignes.append(
            QStringLiteral("Masse linéique : %1 kg/m (masse volumique : %2 kg/m³)")
                .arg(plateforme::texteNombre(plateforme::arrondir(masseLineique(section, document), 2)),
                     plateforme::texteNombre(document.masseVolumique)));
    }
    return lignes;
}

double masseLineique(const Section& section, const Document& document) {
    return modele::masseLineique(section.Atotale, document.masseVolumique);
}

QString texteResultats(const Section& section, const Document& document) {
    const Resultats r = calculer(section);
    QString texte;
    for (const QString& l : {texteProfil(document), texteAxesAcier(document)}) {
        if (!l.isEmpty()) {
            texte += l + u'\n';
        }
    }
    texte += lignesGrandeurs(section, r, false) + lignesTorsion(torsion::calculerTorsion(section));
    if (document.masseDite()) {
        texte += QStringLiteral("masse linéique = ") +
                 plateforme::texteNombre(masseLineique(section, document)) + QStringLiteral(" kg/m\n");
    }
    if (document.efforts) {
        texte += lignesContraintes(section, *document.efforts);
    }
    for (const QString& l :
         enTextes(lignesVerification(section, r.analyse.has_value(), plateforme::formatLocal()))) {
        texte += l + u'\n';
    }
    return texte;
}

QString texteResultatsPrincipaux(const Section& section) {
    Resultats r;
    r.signification = signification(section);
    return lignesGrandeurs(section, r, true);
}

QByteArray jsonResultats(const Section& section, const Document& document) {
    const Resultats r = calculer(section);
    QJsonObject objet;
    QJsonArray perdues;
    for (const Grandeur& g : Grandeurs) {
        const QString nom = QString::fromUtf8(cle(g.quantite));
        const bool perdue = r.signification.perdue(g.quantite);
        const std::optional<double> v = perdue ? std::nullopt : r.valeur(section, g);
        objet.insert(nom, v ? QJsonValue(*v) : QJsonValue(QJsonValue::Null));
        if (perdue) {
            perdues.append(nom);
        }
    }
    objet.insert(QStringLiteral("nonSignificatifs"), perdues);
    ajouterEtude(objet, section, document.efforts);
    if (document.masseDite()) {
        objet.insert(QStringLiteral("masseLineique"), masseLineique(section, document));
    }
    if (!document.profil.empty()) {
        objet.insert(QStringLiteral("profil"), QString::fromStdString(document.profil));
    }
    const torsion::Torsion t = torsion::calculerTorsion(section);
    const auto torsion = [&objet](const char* cle, bool donne, double v) {
        objet.insert(QString::fromUtf8(cle), donne ? QJsonValue(v) : QJsonValue(QJsonValue::Null));
    };
    torsion("It", t.aIt(), t.It);
    torsion("Iw", t.aCentre(), t.Iw);
    torsion("Zc", t.aCentre(), t.Zc);
    torsion("Yc", t.aCentre(), t.Yc);
    torsion("erreurTorsion", t.aIt(), t.erreur);
    objet.insert(QStringLiteral("verification"),
                 QJsonArray::fromStringList(
                     enTextes(constats(section, r.analyse.has_value(), plateforme::formatLocal()))));
    return QJsonDocument(objet).toJson(QJsonDocument::Indented);
}

} // namespace rapport
