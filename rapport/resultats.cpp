#include "rapport/resultats.h"

#include "model/analyse.h"
#include "model/constats.h"
#include "model/plastique.h"
#include "platform/arithmetique.h"
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

QString texteResultats(const Section& section) {
    const Resultats r = calculer(section);
    QString texte = lignesGrandeurs(section, r, false) + lignesTorsion(torsion::calculerTorsion(section));
    for (const QString& l :
         enTextes(lignesVerification(section, r.analyse.has_value(), plateforme::formatLocal()))) {
        texte += l + u'\n';
    }
    return texte;
}

QString texteResultatsPrincipaux(const Section& section) {
    return lignesGrandeurs(section, {}, true);
}

QByteArray jsonResultats(const Section& section) {
    const Resultats r = calculer(section);
    QJsonObject objet;
    for (const Grandeur& g : Grandeurs) {
        const std::optional<double> v = r.valeur(section, g);
        objet.insert(QString::fromUtf8(g.cle), v ? QJsonValue(*v) : QJsonValue(QJsonValue::Null));
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
