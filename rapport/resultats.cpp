#include "rapport/resultats.h"

#include "model/analyse.h"
#include "model/constats.h"
#include "model/contraintes.h"
#include "model/plastique.h"
#include "platform/arithmetique.h"
#include "platform/qt/locale.h"

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
    const char* libelle; // the name on the text line
    const char* cle;     // the JSON key
    const char* unite;
    double Section::*total;
    double Analyse::*analyse;
    double Plastique::*plastique = nullptr;
};

const Grandeur Grandeurs[] = {
    {"A", "A", "mm²", &Section::Atotale, nullptr},
    {"Zg", "Zg", "mm", &Section::Zg, nullptr},
    {"Yg", "Yg", "mm", &Section::Yg, nullptr},
    {"Igz", "Igz", "mm⁴", &Section::Igz, nullptr},
    {"Igy", "Igy", "mm⁴", &Section::Igy, nullptr},
    {"igz", "igz", "mm", &Section::iGz, nullptr},
    {"igy", "igy", "mm", &Section::iGy, nullptr},
    {"Igzy", "Igzy", "mm⁴", nullptr, &Analyse::Igzy},
    {"I1", "I1", "mm⁴", nullptr, &Analyse::I1},
    {"I2", "I2", "mm⁴", nullptr, &Analyse::I2},
    {"alpha", "alpha", "°", nullptr, &Analyse::Alpha},
    {"v sup", "vsup", "mm", nullptr, &Analyse::Vsup},
    {"v inf", "vinf", "mm", nullptr, &Analyse::Vinf},
    {"v gauche", "vgauche", "mm", nullptr, &Analyse::Vgauche},
    {"v droite", "vdroite", "mm", nullptr, &Analyse::Vdroite},
    {"Wel,z", "Welz", "mm³", nullptr, &Analyse::Welz},
    {"Wel,y", "Wely", "mm³", nullptr, &Analyse::Wely},
    {"Wpl,z", "Wplz", "mm³", nullptr, nullptr, &Plastique::Wplz},
    {"Wpl,y", "Wply", "mm³", nullptr, nullptr, &Plastique::Wply},
    {"Ip", "Ip", "mm⁴", nullptr, &Analyse::Ip},
};

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
    return r;
}

// One line per quantity that has a value, of the totals alone or of every quantity.
QString lignesGrandeurs(const Section& section, const Resultats& r, bool totauxSeuls) {
    QString texte;
    for (const Grandeur& g : Grandeurs) {
        if (totauxSeuls && g.total == nullptr) {
            continue;
        }
        if (const std::optional<double> v = r.valeur(section, g)) {
            texte += QString::fromUtf8(g.libelle) + QStringLiteral(" = ") + plateforme::texteNombre(*v) +
                     u' ' + QString::fromUtf8(g.unite) + u'\n';
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

} // namespace

QString texteResultats(const Section& section, const std::optional<Efforts>& efforts) {
    const Resultats r = calculer(section);
    QString texte = lignesGrandeurs(section, r, false);
    if (efforts) {
        texte += lignesContraintes(section, *efforts);
    }
    for (const QString& l :
         enTextes(lignesVerification(section, r.analyse.has_value(), plateforme::formatLocal()))) {
        texte += l + u'\n';
    }
    return texte;
}

QString texteResultatsPrincipaux(const Section& section) {
    return lignesGrandeurs(section, {}, true);
}

QByteArray jsonResultats(const Section& section, const std::optional<Efforts>& efforts) {
    const Resultats r = calculer(section);
    QJsonObject objet;
    for (const Grandeur& g : Grandeurs) {
        const std::optional<double> v = r.valeur(section, g);
        objet.insert(QString::fromUtf8(g.cle), v ? QJsonValue(*v) : QJsonValue(QJsonValue::Null));
    }
    ajouterEtude(objet, section, efforts);
    objet.insert(QStringLiteral("verification"),
                 QJsonArray::fromStringList(
                     enTextes(constats(section, r.analyse.has_value(), plateforme::formatLocal()))));
    return QJsonDocument(objet).toJson(QJsonDocument::Indented);
}

} // namespace rapport
