#include "document/fichier_section.h"

#include "model/calcul.h"
#include "model/catalogue.h"
#include "platform/nombre.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSaveFile>
#include <QSet>

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

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

// A key of the valid JSON text `texte`, from its opening quote at `i` to past its closing one.
QString lireCle(std::string_view texte, std::size_t& i) {
    const std::size_t debut = i++;
    bool echappement = false;
    while (texte[i] != '"') {
        echappement = echappement || texte[i] == '\\';
        i += texte[i] == '\\' ? 2 : 1;
    }
    ++i;
    const std::string_view jeton = texte.substr(debut, i - debut);
    if (!echappement) {
        return QString::fromUtf8(jeton.data() + 1, static_cast<qsizetype>(jeton.size() - 2));
    }
    // Escapes read by the JSON reader itself, so that "d\u0069mension1" is the key dimension1.
    const QByteArray tableau =
        QByteArray("[").append(jeton.data(), static_cast<qsizetype>(jeton.size())).append(']');
    return QJsonDocument::fromJson(tableau).array().at(0).toString();
}

// The reason of the first key given twice in an object of the valid JSON text `texte`, or empty. The
// elements of the top-level "elements" array are named by their number.
QString cleEnDouble(std::string_view texte) {
    struct Niveau {
        bool objet = false;
        QSet<QString> cles;
        QString derniere;      // an object's last key
        bool elements = false; // the top-level "elements" array
        qsizetype virgules = 0;
        qsizetype element = 0; // an object of that array: its number
    };
    std::vector<Niveau> pile;
    for (std::size_t i = 0; i < texte.size();) {
        const char c = texte[i];
        if (c == '{' || c == '[') {
            Niveau n;
            n.objet = c == '{';
            if (pile.size() == 1 && !n.objet) {
                n.elements = pile.back().derniere == u"elements";
            } else if (n.objet && !pile.empty() && pile.back().elements) {
                n.element = pile.back().virgules + 1;
            }
            pile.push_back(std::move(n));
            ++i;
        } else if (c == '}' || c == ']') {
            pile.pop_back();
            ++i;
        } else if (c == ',') {
            ++pile.back().virgules;
            ++i;
        } else if (c == '"') {
            const QString chaine = lireCle(texte, i);
            std::size_t j = i;
            while (j < texte.size() && std::string_view(" \t\r\n").find(texte[j]) != std::string_view::npos) {
                ++j;
            }
            Niveau& n = pile.back();
            if (n.objet && j < texte.size() && texte[j] == ':') {
                if (n.cles.contains(chaine)) {
                    return n.element > 0
                               ? raisonElement(n.element,
                                               QStringLiteral("a deux fois la clé « %1 »").arg(chaine))
                               : QStringLiteral("la clé « %1 » apparaît deux fois").arg(chaine);
                }
                n.cles.insert(chaine);
                n.derniere = chaine;
            }
        } else {
            ++i;
        }
    }
    return {};
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
    // Compared in Unicode's composed form, whichever form the file was saved in.
    const QString nomForme = forme.toString().normalized(QString::NormalizationForm_C);
    d.forme = nomForme.toStdString();
    if (modele::trouverForme(d.forme) == nullptr) {
        return raisonElement(k, QStringLiteral("a une forme inconnue (« %1 »)").arg(nomForme));
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

// The file at `chemin`, its links followed; nothing when there is none.
std::optional<struct stat> etat(const QString& chemin) {
    struct stat s {};
    if (::stat(QFile::encodeName(chemin).constData(), &s) != 0) {
        return std::nullopt;
    }
    return s;
}

// The path of `chemin` with its folder's links resolved (the file itself may not exist yet).
QString cheminCanonique(const QString& chemin) {
    const QFileInfo f(QDir::cleanPath(chemin));
    const QString dossier = QFileInfo(f.absolutePath()).canonicalFilePath();
    return (dossier.isEmpty() ? f.absolutePath() : dossier) + u'/' + f.fileName();
}

// Whether the target `chemin` (`cible` its state) is the file `source`: the same device and inode when
// both exist, the same canonical path when neither does.
bool memeFichier(const QString& chemin, const std::optional<struct stat>& cible, const QString& source) {
    const std::optional<struct stat> lu = etat(source);
    if (cible && lu) {
        return cible->st_dev == lu->st_dev && cible->st_ino == lu->st_ino;
    }
    return !cible && !lu && cheminCanonique(chemin) == cheminCanonique(source);
}

// Writes every byte of `contenu` on `fd`: 0, or the system's error number of the write that failed.
int ecrireTout(int fd, const QByteArray& contenu) {
    const char* p = contenu.constData();
    auto reste = static_cast<std::size_t>(contenu.size());
    while (reste > 0) {
        const ssize_t n = ::write(fd, p, reste);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        p += n;
        reste -= static_cast<std::size_t>(n);
    }
    return 0;
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
    const QString doublon =
        cleEnDouble(std::string_view(texte.constData(), static_cast<std::size_t>(texte.size())));
    if (!doublon.isEmpty()) {
        return refus(nom, doublon);
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
    modele::Document complement;
    const QJsonValue profil = racine.value(QLatin1StringView("profil"));
    const QJsonValue masse = racine.value(QLatin1StringView("masseVolumique"));
    if (!profil.isUndefined() && !profil.isString()) {
        return refus(nom, QStringLiteral("la valeur de « profil » est invalide"));
    }
    if (!masse.isUndefined() &&
        !(masse.isDouble() && std::isfinite(masse.toDouble()) && masse.toDouble() > 0.0)) {
        return refus(nom, QStringLiteral("la valeur de « masseVolumique » est invalide"));
    }
    complement.profil = profil.toString().toStdString();
    complement.masseVolumique = masse.toDouble(modele::MasseVolumiqueAcier);
    std::array<Donnees, Section::MaxElements> donnees;
    for (qsizetype k = 1; k <= elements.size(); ++k) {
        const QString raison =
            lireElement(elements.at(k - 1), k, donnees.at(static_cast<std::size_t>(k - 1)));
        if (!raison.isEmpty()) {
            return refus(nom, raison);
        }
    }

    if (const QJsonValue valeur = racine.value(QLatin1StringView("efforts")); !valeur.isUndefined()) {
        modele::Efforts& efforts = complement.efforts.emplace();
        for (const auto& [cle, champ] :
             {std::pair{"N", &modele::Efforts::N}, std::pair{"Mz", &modele::Efforts::Mz},
              std::pair{"My", &modele::Efforts::My}}) {
            const QJsonValue v = valeur.toObject().value(QLatin1StringView(cle));
            if (!valeur.isObject() || !(v.isUndefined() || (v.isDouble() && std::isfinite(v.toDouble())))) {
                return refus(nom, QStringLiteral("il a une valeur invalide pour « efforts »"));
            }
            efforts.*champ = v.toDouble();
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
    l.document = complement;
    l.aireNegative = cr.aireNegative;
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

QByteArray ecrire(const Section& section, const modele::Document& document) {
    QByteArray texte("{\n  \"format\": \"brivane-section\",\n  \"version\": 1,\n  \"unite\": \"mm\",\n");
    if (!document.profil.empty()) {
        texte.append("  \"profil\": ");
        ajouterChaine(texte, document.profil);
        texte.append(",\n");
    }
    if (document.masseDite()) {
        texte.append("  \"masseVolumique\": ");
        ajouterNombre(texte, document.masseVolumique);
        texte.append(",\n");
    }
    texte.append("  \"elements\": [\n");
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
    const std::optional<modele::Efforts>& efforts = document.efforts;
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

QString raisonSysteme(int numero) {
    switch (numero) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("il n'y a plus de place sur le disque");
    case EFBIG:
        return QStringLiteral("il dépasserait la taille de fichier permise");
    default:
        return QString::fromLocal8Bit(std::strerror(numero));
    }
}

std::optional<QString> enregistrerFichier(const QString& chemin, const QByteArray& contenu,
                                          const QString& source) {
    const std::optional<struct stat> avant = etat(chemin);
    if (avant && S_ISDIR(avant->st_mode)) {
        return messageEnregistrement(chemin, QStringLiteral("c'est un dossier"));
    }
    if (avant && !S_ISREG(avant->st_mode)) {
        return messageEnregistrement(chemin, QStringLiteral("ce n'est pas un fichier ordinaire"));
    }
    if (!source.isEmpty() && memeFichier(chemin, avant, source)) {
        return messageEnregistrement(chemin, QStringLiteral("c'est le fichier de la section"));
    }
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly)) {
        return messageEnregistrement(chemin, fichier.errorString());
    }
    // Written and synced by hand, every step checked: the rename must never put a short file, or one
    // whose blocks are not yet on the disk, in the place of the previous one.
    const int fd = fichier.handle();
    int faute = ecrireTout(fd, contenu);
    // The previous file's owner kept where the writer may give it (root, or a group of its own); else
    // the writer owns the new file, as any editor leaves it. Before the mode, which a change of owner
    // may clear.
    if (faute == 0 && avant && (avant->st_uid != ::geteuid() || avant->st_gid != ::getegid()) &&
        ::fchown(fd, avant->st_uid, avant->st_gid) != 0 && errno != EPERM) {
        faute = errno;
    }
    if (faute == 0 && avant && ::fchmod(fd, avant->st_mode & 07777) != 0) {
        faute = errno;
    }
    if (faute == 0 && ::fsync(fd) != 0) {
        faute = errno;
    }
    if (faute != 0) {
        fichier.cancelWriting();
        return messageEnregistrement(chemin, raisonSysteme(faute));
    }
    if (!fichier.commit()) {
        return messageEnregistrement(chemin, fichier.errorString());
    }
    return std::nullopt;
}

std::optional<QString> enregistrerFichier(const QString& chemin,
                                          const std::function<bool(QIODevice&)>& ecrire,
                                          const QString& source) {
    QByteArray contenu;
    QBuffer tampon(&contenu);
    tampon.open(QIODevice::WriteOnly);
    if (!ecrire(tampon)) {
        return messageEnregistrement(chemin, QStringLiteral("son contenu n'a pas pu être produit"));
    }
    tampon.close();
    return enregistrerFichier(chemin, contenu, source);
}

std::optional<QString> enregistrer(const QString& chemin, const Section& section,
                                   const modele::Document& document) {
    return enregistrerFichier(chemin, ecrire(section, document));
}

} // namespace document
