#include "document/fichier_section.h"

#include "model/calcul.h"
#include "model/catalogue.h"
#include "platform/nombre.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSaveFile>

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace document {

namespace {

using modele::ElementSection;
using modele::Section;

// The largest version number written in a refusal; a larger integer is no version at all.
constexpr double VersionMaximale = 9007199254740992.0; // 2^53

QString messageOuverture(const QString& nom, const QString& raison) {
    return QStringLiteral("Le fichier %1 ne peut pas être ouvert : %2.").arg(nom, raison);
}

Lecture refus(const QString& nom, const QString& raison) {
    Lecture l;
    l.message = messageOuverture(nom, raison);
    return l;
}

QString raisonElement(qsizetype k, const QString& suite) {
    return QStringLiteral("l'élément %1 %2").arg(QString::number(k), suite);
}

QString valeurInvalide(qsizetype k, QLatin1StringView champ) {
    return raisonElement(k, QStringLiteral("a une valeur invalide pour « %1 »").arg(champ));
}

// JSON's number grammar: -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
bool nombreJson(std::string_view t) {
    std::size_t i = 0;
    auto chiffres = [&] {
        const std::size_t debut = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
            ++i;
        }
        return i > debut;
    };
    if (i < t.size() && t[i] == '-') {
        ++i;
    }
    if (i < t.size() && t[i] == '0') {
        ++i;
    } else if (!chiffres()) {
        return false;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        if (!chiffres()) {
            return false;
        }
    }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            ++i;
        }
        if (!chiffres()) {
            return false;
        }
    }
    return i == t.size();
}

// Whether a JSON number that does not fit a double is too large (else it is too small): the power of
// ten of its first significant digit is then far from 0 either way.
bool tropGrand(std::string_view t) {
    const std::size_t e = t.find_first_of("eE");
    const std::string_view mantisse = t.substr(0, e);
    long long puissance = 0;
    if (e != std::string_view::npos) {
        std::string_view exposant = t.substr(e + 1);
        const bool negatif = !exposant.empty() && exposant.front() == '-';
        if (!exposant.empty() && (exposant.front() == '-' || exposant.front() == '+')) {
            exposant.remove_prefix(1);
        }
        for (const char c : exposant) {
            puissance = std::min(puissance * 10 + (c - '0'), 1'000'000'000LL);
        }
        if (negatif) {
            puissance = -puissance;
        }
    }
    const std::size_t premier = mantisse.find_first_of("123456789");
    if (premier == std::string_view::npos) {
        return false; // a zero never overflows
    }
    const std::size_t point = mantisse.find('.');
    const std::size_t fin = point == std::string_view::npos ? mantisse.size() : point;
    const long long rang =
        premier < fin ? static_cast<long long>(fin - premier) : -static_cast<long long>(premier - fin - 1);
    return puissance + rang > 0;
}

// The text with every JSON number outside a double's range (which QJsonDocument refuses as a whole)
// replaced: too large by null, an invalid value; too small by 0, the double it rounds to.
QByteArray nombresRamenes(const QByteArray& texte) {
    QByteArray resultat;
    resultat.reserve(texte.size());
    const std::string_view t(texte.constData(), static_cast<std::size_t>(texte.size()));
    std::size_t i = 0;
    while (i < t.size()) {
        const char c = t[i];
        if (c == '"') {
            std::size_t j = i + 1;
            while (j < t.size() && t[j] != '"') {
                j += t[j] == '\\' ? 2 : 1;
            }
            j = std::min(j + 1, t.size());
            resultat.append(t.data() + i, static_cast<qsizetype>(j - i));
            i = j;
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            std::size_t j = i;
            while (j < t.size() && std::string_view("0123456789+-.eE").find(t[j]) != std::string_view::npos) {
                ++j;
            }
            const std::string_view jeton = t.substr(i, j - i);
            double v = 0.0;
            if (nombreJson(jeton) && std::from_chars(jeton.data(), jeton.data() + jeton.size(), v).ec ==
                                         std::errc::result_out_of_range) {
                resultat.append(tropGrand(jeton) ? "null" : "0");
            } else {
                resultat.append(jeton.data(), static_cast<qsizetype>(jeton.size()));
            }
            i = j;
        } else {
            resultat.append(c);
            ++i;
        }
    }
    return resultat;
}

std::optional<QJsonDocument> analyserJson(const QByteArray& texte) {
    QJsonParseError erreur{};
    QJsonDocument d = QJsonDocument::fromJson(texte, &erreur);
    if (erreur.error == QJsonParseError::IllegalNumber) {
        d = QJsonDocument::fromJson(nombresRamenes(texte), &erreur);
    }
    if (erreur.error != QJsonParseError::NoError) {
        return std::nullopt;
    }
    return d;
}

// One element of the file, checked field by field.
struct Donnees {
    std::string forme;
    std::array<double, 4> nombres{}; // dimension1, dimension2, zg, yg
    bool plein = true;
};

constexpr std::array<QLatin1StringView, 4> ChampsNombres{QLatin1StringView("dimension1"),
                                                         QLatin1StringView("dimension2"),
                                                         QLatin1StringView("zg"), QLatin1StringView("yg")};

// The reason element k is refused, or empty.
QString lireElement(const QJsonValue& valeur, qsizetype k, Donnees& d) {
    const QJsonObject objet = valeur.toObject();
    const QJsonValue forme = objet.value(QLatin1StringView("forme"));
    if (!forme.isString()) {
        return valeurInvalide(k, QLatin1StringView("forme"));
    }
    d.forme = forme.toString().toStdString();
    if (modele::trouverForme(d.forme) == nullptr) {
        return raisonElement(k, QStringLiteral("a une forme inconnue (« %1 »)").arg(forme.toString()));
    }
    for (std::size_t i = 0; i < ChampsNombres.size(); ++i) {
        const QJsonValue v = objet.value(ChampsNombres[i]);
        if (!v.isDouble() || !std::isfinite(v.toDouble())) {
            return valeurInvalide(k, ChampsNombres[i]);
        }
        d.nombres[i] = v.toDouble();
    }
    const QString matiere = objet.value(QLatin1StringView("matiere")).toString();
    if (matiere != QLatin1StringView("plein") && matiere != QLatin1StringView("trou")) {
        return valeurInvalide(k, QLatin1StringView("matiere"));
    }
    d.plein = matiere == QLatin1StringView("plein");
    return {};
}

// A double as the shortest JSON number that reads back to it; null if it is not finite.
void ajouterNombre(QByteArray& texte, double v) {
    texte.append(std::isfinite(v) ? plateforme::texteCourt(v) : std::string("null"));
}

// A text as a JSON string, quotes and escapes included.
void ajouterChaine(QByteArray& texte, const std::string& s) {
    const QByteArray tableau =
        QJsonDocument(QJsonArray{QString::fromStdString(s)}).toJson(QJsonDocument::Compact);
    texte.append(tableau.mid(1, tableau.size() - 2)); // without [ and ]
}

} // namespace

Lecture lire(const QByteArray& contenu, const QString& nom) {
    if (contenu.size() > TailleMaximale) {
        return refus(nom, QStringLiteral("il dépasse 1 Mio"));
    }
    const QString pasUnFichier = QStringLiteral("ce n'est pas un fichier de section Brivane");
    QByteArray texte = contenu;
    if (texte.startsWith("\xEF\xBB\xBF")) {
        texte.remove(0, 3);
    }
    const std::optional<QJsonDocument> document = analyserJson(texte);
    if (!document || !document->isObject()) {
        return refus(nom, pasUnFichier);
    }
    const QJsonObject racine = document->object();
    if (racine.value(QLatin1StringView("format")) != QJsonValue(QLatin1StringView("brivane-section"))) {
        return refus(nom, pasUnFichier);
    }
    const QJsonValue version = racine.value(QLatin1StringView("version"));
    const double numero = version.toDouble();
    if (version.isDouble() && numero > 1.0 && numero <= VersionMaximale && std::floor(numero) == numero) {
        return refus(nom,
                     QStringLiteral("il a été écrit par une version plus récente de Brivane (version %1)")
                         .arg(static_cast<qint64>(numero)));
    }
    if (!version.isDouble() || numero != 1.0 ||
        racine.value(QLatin1StringView("unite")) != QJsonValue(QLatin1StringView("mm"))) {
        return refus(nom, QStringLiteral("sa version ou son unité est inconnue"));
    }
    const QJsonValue valeurElements = racine.value(QLatin1StringView("elements"));
    if (!valeurElements.isArray()) {
        return refus(nom, pasUnFichier);
    }
    const QJsonArray elements = valeurElements.toArray();
    if (elements.isEmpty() || elements.size() > Section::MaxElements) {
        return refus(
            nom, QStringLiteral("il doit décrire de 1 à 10 éléments (il en décrit %1)").arg(elements.size()));
    }
    std::array<Donnees, Section::MaxElements> donnees;
    for (qsizetype k = 1; k <= elements.size(); ++k) {
        const QString raison =
            lireElement(elements.at(k - 1), k, donnees.at(static_cast<std::size_t>(k - 1)));
        if (!raison.isEmpty()) {
            return refus(nom, raison);
        }
    }

    std::optional<modele::Efforts> efforts;
    if (const QJsonValue valeur = racine.value(QLatin1StringView("efforts")); !valeur.isUndefined()) {
        efforts.emplace();
        for (const auto& [cle, champ] :
             {std::pair{"N", &modele::Efforts::N}, std::pair{"Mz", &modele::Efforts::Mz},
              std::pair{"My", &modele::Efforts::My}}) {
            const QJsonValue v = valeur.toObject().value(QLatin1StringView(cle));
            if (!valeur.isObject() || !(v.isUndefined() || (v.isDouble() && std::isfinite(v.toDouble())))) {
                return refus(nom, QStringLiteral("il a une valeur invalide pour « efforts »"));
            }
            (*efforts).*champ = v.toDouble();
        }
    }

    Section section;
    section.NbrElement = static_cast<std::int16_t>(elements.size());
    try {
        for (int k = 1; k <= section.NbrElement; ++k) {
            const Donnees& d = donnees.at(static_cast<std::size_t>(k - 1));
            section.element(k) = modele::MemoriseDonnees(d.forme, d.nombres[0], d.nombres[1], d.nombres[2],
                                                         d.nombres[3], d.plein);
        }
    } catch (const plateforme::FauteArithmetique&) {
        return refus(nom,
                     QStringLiteral("les valeurs sont trop grandes pour que le calcul puisse être effectué"));
    }
    section.ElementCourant = 1;
    section.FormeSelectionnee = section.element(1).Forme;
    const modele::CompteRendu cr = modele::Calcul(section);
    if (cr.faute) {
        return refus(nom,
                     QStringLiteral("les valeurs sont trop grandes pour que le calcul puisse être effectué"));
    }
    Lecture l;
    l.section = section;
    l.aireNegative = cr.aireNegative;
    l.efforts = efforts;
    return l;
}

Lecture ouvrir(const QString& chemin) {
    const QFileInfo info(QDir::cleanPath(chemin));
    const QString nom = info.fileName();
    if (!info.exists()) {
        return refus(nom, QStringLiteral("il est introuvable"));
    }
    if (info.isDir()) {
        return refus(nom, QStringLiteral("c'est un dossier"));
    }
    const QString illisible = QStringLiteral("il ne peut pas être lu");
    if (!info.isFile()) {
        return refus(nom, illisible); // a device, a pipe or a socket: nothing to wait for
    }
    QFile fichier(info.filePath());
    if (!fichier.open(QIODevice::ReadOnly)) {
        return refus(nom, illisible);
    }
    // One byte more than allowed tells a file too large, whatever its size said.
    const QByteArray contenu = fichier.read(TailleMaximale + 1);
    if (fichier.error() != QFileDevice::NoError) {
        return refus(nom, illisible);
    }
    return lire(contenu, nom);
}

QByteArray ecrire(const Section& section, const std::optional<modele::Efforts>& efforts) {
    QByteArray texte("{\n  \"format\": \"brivane-section\",\n  \"version\": 1,\n  \"unite\": \"mm\",\n"
                     "  \"elements\": [\n");
    const int n = std::clamp<int>(section.NbrElement, 1, Section::MaxElements);
    for (int k = 1; k <= n; ++k) {
        const ElementSection& e = section.element(k);
        texte.append("    {\"forme\": ");
        ajouterChaine(texte, e.Forme);
        texte.append(", \"dimension1\": ");
        ajouterNombre(texte, e.Dimension1);
        texte.append(", \"dimension2\": ");
        ajouterNombre(texte, e.Dimension2);
        texte.append(", \"zg\": ");
        ajouterNombre(texte, e.Zg);
        texte.append(", \"yg\": ");
        ajouterNombre(texte, e.Yg);
        texte.append(e.Signe < 0.0 ? ", \"matiere\": \"trou\"}" : ", \"matiere\": \"plein\"}");
        texte.append(k < n ? ",\n" : "\n");
    }
    texte.append(efforts ? "  ],\n" : "  ]\n");
    if (efforts) {
        texte.append("  \"efforts\": {\"N\": ");
        ajouterNombre(texte, efforts->N);
        texte.append(", \"Mz\": ");
        ajouterNombre(texte, efforts->Mz);
        texte.append(", \"My\": ");
        ajouterNombre(texte, efforts->My);
        texte.append("}\n");
    }
    texte.append("}\n");
    return texte;
}

QString messageEnregistrement(const QString& chemin, QString raison) {
    while (raison.endsWith(QLatin1Char('.'))) {
        raison.chop(1);
    }
    return QStringLiteral("Le fichier %1 ne peut pas être enregistré : %2.")
        .arg(QFileInfo(QDir::cleanPath(chemin)).fileName(), raison);
}

std::optional<QString> enregistrerFichier(const QString& chemin,
                                          const std::function<bool(QIODevice&)>& ecrire) {
    QSaveFile fichier(chemin);
    auto echec = [&] { return messageEnregistrement(chemin, fichier.errorString()); };
    if (!fichier.open(QIODevice::WriteOnly)) {
        return echec();
    }
    if (!ecrire(fichier) || fichier.error() != QFileDevice::NoError) {
        const QString message = echec();
        fichier.cancelWriting();
        return message;
    }
    if (!fichier.commit()) {
        return echec();
    }
    return std::nullopt;
}

std::optional<QString> enregistrerFichier(const QString& chemin, const QByteArray& contenu) {
    return enregistrerFichier(chemin,
                              [&contenu](QIODevice& d) { return d.write(contenu) == contenu.size(); });
}

std::optional<QString> enregistrer(const QString& chemin, const Section& section,
                                   const std::optional<modele::Efforts>& efforts) {
    return enregistrerFichier(chemin, ecrire(section, efforts));
}

} // namespace document
