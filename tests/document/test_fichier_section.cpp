// The section file: what is saved opens as the same section (every shape, holes, the disc's hidden
// second dimension, extreme doubles), the text as written, the variants read alike (byte-order mark,
// CRLF, unknown keys), and one table of refused files with their messages.

#include "attendu.h"
#include "document/fichier_section.h"
#include "model/calcul.h"
#include "model/catalogue.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using modele::Section;

namespace modele {
void PrintTo(const Section& s, std::ostream* os) {
    *os << QString::fromUtf8(document::ecrire(s)).toStdString() << "A=" << s.Atotale << " Igz=" << s.Igz;
}
} // namespace modele

namespace {

// One element as the user enters it.
struct Saisie {
    std::string forme;
    double d1, d2, zg, yg;
    bool plein = true;
};

std::string texte(double x) {
    std::array<char, 32> b{};
    return {b.data(), std::to_chars(b.data(), b.data() + b.size(), x).ptr};
}

// The section the user builds in the main window: each element entered with "Appliquer" after the
// count is raised to it, then element 1 made current again with its shape in the list.
Section construite(const std::vector<Saisie>& elements) {
    const plateforme::FormatNombre point{"."};
    Section s;
    for (std::size_t k = 0; k < elements.size(); ++k) {
        if (k > 0) {
            EXPECT_FALSE(modele::changerNombreElements(s, +1).faute);
            EXPECT_TRUE(modele::changerElementCourant(s, +1));
        }
        const Saisie& e = elements[k];
        const modele::CompteRendu cr = modele::appliquer(
            s, {e.forme, texte(e.d1), texte(e.d2), texte(e.zg), texte(e.yg), e.plein}, point);
        EXPECT_TRUE(cr.accepte()) << "element " << k + 1;
    }
    while (modele::changerElementCourant(s, -1)) {
    }
    s.FormeSelectionnee = elements.front().forme;
    return s;
}

// The help page's example: a solid 70 x 70 square with a 50 x 50 hole.
Section exempleAide() {
    return construite({{"Rectangle", 70, 70, 35, 35, true}, {"Rectangle", 50, 50, 35, 40, false}});
}

// The help page's example as the program writes it.
const std::string NomExempleAide = "fichier/exemple-aide.brivane";
const QByteArray TexteExempleAide = [] {
    QFile f(QStringLiteral(BRIVANE_DOSSIER_ATTENDUS "/fichier/exemple-aide.brivane"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}();

QString ecrireFichier(const QString& chemin, const QByteArray& contenu) {
    QFile f(chemin);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << chemin.toStdString();
    EXPECT_EQ(f.write(contenu), contenu.size());
    return chemin;
}

// ---------------------------------------------------------------------------------------------------
// Saved, then opened

struct CasAllerRetour {
    const char* nom;
    std::vector<Saisie> elements;
};

void PrintTo(const CasAllerRetour& c, std::ostream* os) {
    *os << c.nom;
}

constexpr double Max = std::numeric_limits<double>::max();
constexpr double Denormal = std::numeric_limits<double>::denorm_min();

std::vector<CasAllerRetour> casAllerRetour() {
    std::vector<CasAllerRetour> cas;
    // Every shape, each over a rectangle and every third one a hole.
    for (std::size_t i = 0; i < modele::Catalogue.size(); ++i) {
        const std::string forme(modele::Catalogue[i].nom);
        const double d = 10.0 + static_cast<double>(i);
        cas.push_back(
            {modele::Catalogue[i].nom.data(),
             {{forme, d, 2.0 * d + 0.5, 3.25 * d, -1.5 * d, i % 3 != 0}, {"Rectangle", 300, 200, 5, 7}}});
    }
    cas.push_back({"ten elements, holes among them",
                   {{"Rectangle", 200, 10, 0, 95},
                    {"Rectangle", 5.6, 180, 0, 0},
                    {"Rectangle", 200, 10, 0, -95},
                    {"Quart de disque supérieur gauche", 12, 0, 9.8, 80.2},
                    {"Quart de disque supérieur droite", 12, 0, -9.8, 80.2},
                    {"Quart de disque inférieur gauche", 12, 0, 9.8, -80.2},
                    {"Quart de disque inférieur droite", 12, 0, -9.8, -80.2},
                    {"Disque", 4, 0, 50, 95, false},
                    {"Disque", 4, 0, -50, 95, false},
                    {"Triangle", 20, 30, 60, -60}}});
    cas.push_back({"a disc keeps its hidden second dimension", {{"Disque", 10, 123.456, 0, 0}}});
    cas.push_back({"the largest double as a hidden dimension", {{"Disque", 10, Max, 0, 0}}});
    cas.push_back(
        {"1E308 where the totals still compute", {{"Demi disque droite", 3, 1e308, 1e140, -1e140}}});
    cas.push_back(
        {"denormals", {{"Rectangle", 1, 1, Denormal, -3 * Denormal}, {"Disque", 2, Denormal, 0, 0}}});
    cas.push_back({"the smallest normal double", {{"Rectangle", 1, 2.2250738585072014e-308, 0, 0}}});
    cas.push_back({"0.1 + 0.2 and other decimals", {{"Triangle", 0.1 + 0.2, 1.0 / 3.0, 2.0 / 3.0, -0.7}}});
    cas.push_back({"minus zero", {{"Rectangle", 4, 5, -0.0, -0.0}}});
    cas.push_back({"negative dimensions", {{"Rectangle", -4, 5, 1, 2}}});
    cas.push_back({"a hole alone", {{"Disque", 5, 0, 1, 1, false}}});
    return cas;
}

class AllerRetour : public ::testing::TestWithParam<CasAllerRetour> {};

TEST_P(AllerRetour, SavedSectionOpensEqual) {
    const Section avant = construite(GetParam().elements);
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString chemin = dossier.filePath(QStringLiteral("poutre.brivane"));
    ASSERT_EQ(document::enregistrer(chemin, avant), std::nullopt);
    const document::Lecture l = document::ouvrir(chemin);
    ASSERT_TRUE(l.section) << l.message.toStdString();
    EXPECT_EQ(*l.section, avant);
    EXPECT_TRUE(l.message.isEmpty());
    EXPECT_EQ(l.aireNegative, avant.Atotale < 0.0);
    // The text written again is the same, byte for byte.
    EXPECT_EQ(document::ecrire(*l.section), document::ecrire(avant));
}

INSTANTIATE_TEST_SUITE_P(Fichier, AllerRetour, ::testing::ValuesIn(casAllerRetour()));

TEST(Fichier, KeepsTheProfileAndTheDensity) {
    for (const modele::Document& d : {modele::Document{"IPE 200", 7850.0}, modele::Document{"", 2700.0}}) {
        const document::Lecture l =
            document::lire(document::ecrire(exempleAide(), d), QStringLiteral("p.brivane"));
        ASSERT_TRUE(l.section);
        EXPECT_EQ(l.document, d);
    }
    EXPECT_FALSE(document::ecrire(exempleAide()).contains("masseVolumique"));
}

TEST(Fichier, TextIsTheReadableLayout) {
    EXPECT_EQ(attendu::ecart(NomExempleAide, document::ecrire(exempleAide())), "");
}

TEST(Fichier, SavingReplacesAnOlderFile) {
    QTemporaryDir dossier;
    const QString chemin = ecrireFichier(dossier.filePath(QStringLiteral("p.brivane")), "ancien");
    ASSERT_EQ(document::enregistrer(chemin, exempleAide()), std::nullopt);
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(attendu::ecart(NomExempleAide, f.readAll()), "");
}

// ---------------------------------------------------------------------------------------------------
// Texts read as the same section

struct CasVariante {
    const char* nom;
    QByteArray contenu;
};

void PrintTo(const CasVariante& c, std::ostream* os) {
    *os << c.nom;
}

QByteArray enCrlf(QByteArray t) {
    return t.replace("\n", "\r\n");
}

class Variante : public ::testing::TestWithParam<CasVariante> {};

TEST_P(Variante, ReadsAsTheHelpPageExample) {
    const document::Lecture l = document::lire(GetParam().contenu, QStringLiteral("aide.brivane"));
    ASSERT_TRUE(l.section) << l.message.toStdString();
    EXPECT_EQ(*l.section, exempleAide());
    EXPECT_EQ(l.section->Atotale, 2400.0);
    EXPECT_EQ(l.section->NbrElement, 2);
    EXPECT_EQ(l.section->ElementCourant, 1);
    EXPECT_FALSE(l.aireNegative);
}

const QByteArray Bom("\xEF\xBB\xBF");

INSTANTIATE_TEST_SUITE_P(
    Fichier, Variante,
    ::testing::Values(
        CasVariante{"as written", TexteExempleAide}, CasVariante{"byte-order mark", Bom + TexteExempleAide},
        CasVariante{"CRLF", enCrlf(TexteExempleAide)},
        CasVariante{"byte-order mark and CRLF", Bom + enCrlf(TexteExempleAide)},
        CasVariante{"one line, keys in another order",
                    R"({"elements":[{"matiere":"plein","yg":35,"zg":35,"dimension2":70,"dimension1":70,)"
                    R"("forme":"Rectangle"},{"forme":"Rectangle","dimension1":5e1,"dimension2":50.0,"zg":35,)"
                    R"("yg":40,"matiere":"trou"}],"unite":"mm","version":1,"format":"brivane-section"})"},
        CasVariante{"unknown keys",
                    QByteArray(TexteExempleAide)
                        .replace("\"version\"", "\"auteur\": [1, {}], \"version\"")
                        .replace("\"zg\": 35, \"yg\": 40", "\"zg\": 35, \"note\": null, \"yg\": 40")},
        CasVariante{"version written 1.0",
                    QByteArray(TexteExempleAide).replace("\"version\": 1", "\"version\": 1.0")},
        CasVariante{"an underflowing number reads as 0",
                    QByteArray(TexteExempleAide).replace("\"format\"", "\"x\": 1e-999, \"format\"")}));

// ---------------------------------------------------------------------------------------------------
// Refused files

// The help page's first element with the given fields replaced; an empty value leaves the field out.
std::string element(const std::map<std::string, std::string>& changes = {}) {
    const std::vector<std::pair<std::string, std::string>> champs{
        {"forme", R"("Rectangle")"}, {"dimension1", "70"}, {"dimension2", "70"}, {"zg", "35"}, {"yg", "35"},
        {"matiere", R"("plein")"}};
    std::string t;
    for (const auto& [champ, valeur] : champs) {
        const auto c = changes.find(champ);
        const std::string v = c == changes.end() ? valeur : c->second;
        if (!v.empty()) {
            t += (t.empty() ? "{\"" : ", \"") + champ + "\": " + v;
        }
    }
    return t + "}";
}

std::string elements(int n) {
    std::string t = element();
    for (int k = 2; k <= n; ++k) {
        t += ", " + element();
    }
    return t;
}

QByteArray fichier(const std::string& liste, const std::string& entete = R"("version": 1, "unite": "mm")",
                   const std::string& format = R"("brivane-section")") {
    return QByteArray::fromStdString("{\"format\": " + format + ", " + entete + ", \"elements\": [" + liste +
                                     "]}");
}

struct CasRefus {
    const char* nom;
    // Puts the situation in place in the folder and gives the path to open.
    std::function<QString(const QDir&)> situation;
    bool sansDroits = false; // opened as a user without rights on the file
};

const QString Poutre = QStringLiteral("poutre.brivane");

std::function<QString(const QDir&)> contenu(const QByteArray& octets) {
    return [octets](const QDir& d) { return ecrireFichier(d.filePath(Poutre), octets); };
}

std::function<QString(const QDir&)> dossier(const QString& chemin, const QString& suite = {}) {
    return [chemin, suite](const QDir& d) {
        d.mkdir(chemin);
        return d.filePath(chemin) + suite;
    };
}

// ouvrir() in a child process switched to the user nobody, where permissions deny something even
// when the tests run as root; the section's presence and the message come back through a pipe.
document::Lecture ouvrirSansDroits(const QString& chemin) {
    if (geteuid() != 0) {
        return document::ouvrir(chemin);
    }
    std::array<int, 2> tube{};
    EXPECT_EQ(pipe(tube.data()), 0);
    const pid_t enfant = fork();
    if (enfant == 0) {
        close(tube[0]);
        if (setgroups(0, nullptr) != 0 || setresgid(65534, 65534, 65534) != 0 ||
            setresuid(65534, 65534, 65534) != 0) {
            _exit(2);
        }
        const document::Lecture l = document::ouvrir(chemin);
        const QByteArray r = (l.section ? "1" : "0") + l.message.toUtf8();
        _exit(write(tube[1], r.constData(), static_cast<std::size_t>(r.size())) == r.size() ? 0 : 3);
    }
    close(tube[1]);
    QByteArray lu;
    std::array<char, 512> b{};
    for (ssize_t n; (n = read(tube[0], b.data(), b.size())) > 0;) {
        lu.append(b.data(), n);
    }
    close(tube[0]);
    int etat = -1;
    waitpid(enfant, &etat, 0);
    EXPECT_TRUE(WIFEXITED(etat) && WEXITSTATUS(etat) == 0) << etat;
    document::Lecture l;
    if (lu.startsWith('1')) {
        l.section = Section{};
    }
    l.message = QString::fromUtf8(lu.mid(1));
    return l;
}

// Each case's message, one line each, in refus.txt; the file's name in it is the one opened.
TEST(Fichier, RefusedFilesGiveTheirMessageAndNoSection) {
    const auto sans = [](const char* champ) { return element({{champ, ""}}); };
    const auto avec = [](const char* champ, const char* valeur) { return element({{champ, valeur}}); };
    const auto entete = [](const char* e) { return contenu(fichier(elements(1), e)); };
    const std::vector<CasRefus> cas{
        {"missing", [](const QDir& d) { return d.filePath(Poutre); }},
        {"in a missing folder", [](const QDir& d) { return d.filePath(QStringLiteral("absent/p.brivane")); }},
        {"a folder in its place", dossier(Poutre)},
        {"a folder, path ending in a slash", dossier(Poutre, QStringLiteral("/"))},
        {"no read permission",
         [](const QDir& d) {
             const QString c = ecrireFichier(d.filePath(Poutre), TexteExempleAide);
             chmod(QFile::encodeName(d.path()).constData(), 0755);
             chmod(QFile::encodeName(c).constData(), 0);
             return c;
         },
         true},
        {"a pipe, not a file",
         [](const QDir& d) {
             mkfifo(QFile::encodeName(d.filePath(Poutre)).constData(), 0644);
             return d.filePath(Poutre);
         }},
        {"1 Mio and one byte",
         contenu(fichier(elements(2)).leftJustified(document::TailleMaximale + 1, ' '))},
        {"not JSON", contenu("{\"format\": \"brivane-section\",")},
        {"a JSON array", contenu("[1, 2]")},
        {"another format", contenu(fichier(elements(1), R"("version": 1, "unite": "mm")", R"("brivane")"))},
        {"elements not a list", contenu(fichier(elements(1)).replace("[", "").replace("]", ""))},
        {"version 2, unit cm", entete(R"("version": 2, "unite": "cm")")},
        {"version 12", entete(R"("version": 12, "unite": "mm")")},
        {"version 1.5", entete(R"("version": 1.5, "unite": "mm")")},
        {"version as text", entete(R"("version": "1", "unite": "mm")")},
        {"no version", entete(R"("unite": "mm")")},
        {"unit cm", entete(R"("version": 1, "unite": "cm")")},
        {"no element", contenu(fichier(""))},
        {"11 elements", contenu(fichier(elements(11)))},
        {"shape in lower case", contenu(fichier(avec("forme", R"("rectangle")")))},
        {"shape of element 3", contenu(fichier(elements(2) + ", " + avec("forme", R"("Demi disque")")))},
        {"no shape", contenu(fichier(sans("forme")))},
        {"element not an object", contenu(fichier("70"))},
        {"dimension1 as text", contenu(fichier(avec("dimension1", R"("70")")))},
        {"no dimension2", contenu(fichier(elements(1) + ", " + sans("dimension2")))},
        {"zg beyond the doubles", contenu(fichier(avec("zg", "-1e400")))},
        {"yg null", contenu(fichier(avec("yg", "null")))},
        {"matiere other", contenu(fichier(avec("matiere", R"("Plein")")))},
        {"fields checked in order", contenu(fichier(element({{"forme", R"("X")"}, {"dimension1", "true"}})))},
        {"elements checked before the values",
         contenu(fichier(avec("dimension1", "1e300") + ", " + sans("yg")))},
        {"area beyond the doubles",
         contenu(fichier(element({{"dimension1", "1e200"}, {"dimension2", "1e200"}})))},
        {"second moment beyond the doubles", contenu(fichier(avec("zg", "1e300")))},
        {"profile not a text", contenu(fichier(element(), R"("version": 1, "unite": "mm", "profil": 200)"))},
        {"density not above 0",
         contenu(fichier(element(), R"("version": 1, "unite": "mm", "masseVolumique": -7850)"))},
    };
    std::string messages;
    for (const CasRefus& c : cas) {
        QTemporaryDir dossier;
        ASSERT_TRUE(dossier.isValid());
        const QString chemin = c.situation(QDir(dossier.path()));
        const document::Lecture l = c.sansDroits ? ouvrirSansDroits(chemin) : document::ouvrir(chemin);
        messages += std::string(c.nom) + ": " + l.message.toStdString() + "\n";
        EXPECT_FALSE(l.section) << c.nom;
        EXPECT_FALSE(l.aireNegative) << c.nom;
    }
    EXPECT_EQ(attendu::ecart("fichier/refus.txt", messages), "");
}

// ---------------------------------------------------------------------------------------------------
// Saving refused

struct CasEnregistrementRefuse {
    const char* nom;
    std::function<QString(const QDir&)> situation;
};

void PrintTo(const CasEnregistrementRefuse& c, std::ostream* os) {
    *os << c.nom;
}

class EnregistrementRefuse : public ::testing::TestWithParam<CasEnregistrementRefuse> {};

TEST_P(EnregistrementRefuse, GivesTheSystemsReason) {
    QTemporaryDir dossier;
    const QString chemin = GetParam().situation(QDir(dossier.path()));
    const std::optional<QString> message = document::enregistrer(chemin, exempleAide());
    ASSERT_TRUE(message);
    const QString debut = QStringLiteral("Le fichier poutre.brivane ne peut pas être enregistré : ");
    EXPECT_TRUE(message->startsWith(debut)) << message->toStdString();
    EXPECT_GT(message->size(), debut.size() + 1) << "a reason";
    EXPECT_TRUE(message->endsWith(QLatin1Char('.')) && !message->endsWith(QLatin1String("..")))
        << message->toStdString();
    // Nothing written beside it.
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Fichier, EnregistrementRefuse,
    ::testing::Values(CasEnregistrementRefuse{"in a missing folder",
                                              [](const QDir& d) {
                                                  return d.filePath(QStringLiteral("absent/poutre.brivane"));
                                              }},
                      CasEnregistrementRefuse{"a folder in its place", dossier(Poutre)}));

} // namespace
