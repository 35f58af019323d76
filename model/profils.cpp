#include "model/profils.h"

#include "model/calcul.h"
#include "model/catalogue.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <initializer_list>

namespace modele {

// The text of resources/profils.csv, compiled in (profils_donnees.cpp, made by the build).
extern const char* const DonneesProfils;

namespace {

FamilleProfil familleDeSerie(std::string_view serie) {
    if (serie == "UPE") {
        return FamilleProfil::Upe;
    }
    if (serie == "L") {
        return FamilleProfil::Corniere;
    }
    if (serie == "CHS") {
        return FamilleProfil::Tube;
    }
    return FamilleProfil::I;
}

std::vector<Profil> lireCatalogue() {
    std::vector<Profil> profils;
    std::string_view texte = DonneesProfils;
    while (!texte.empty()) {
        const std::size_t fin = std::min(texte.find('\n'), texte.size());
        std::string_view ligne = texte.substr(0, fin);
        texte.remove_prefix(std::min(fin + 1, texte.size()));
        if (ligne.empty() || ligne.front() == '#') {
            continue;
        }
        std::vector<std::string_view> champs;
        for (std::size_t virgule; (virgule = ligne.find(',')) != std::string_view::npos;) {
            champs.push_back(ligne.substr(0, virgule));
            ligne.remove_prefix(virgule + 1);
        }
        champs.push_back(ligne);
        Profil p{std::string(champs.at(0)), std::string(champs.at(1)), familleDeSerie(champs.at(1)), {}};
        for (std::size_t i = 2; i < champs.size(); ++i) {
            double v = 0.0;
            std::from_chars(champs[i].data(), champs[i].data() + champs[i].size(), v);
            p.dimensions.push_back(v);
        }
        if (p.dimensions.size() ==
            nomsDimensions(p.famille).size()) { // a row of the wrong length is no profile
            profils.push_back(std::move(p));
        }
    }
    return profils;
}

// One element of a recipe: the shape, its dimensions, its centroid, solid or hole.
struct Piece {
    std::string_view forme;
    double d1 = 0.0;
    double d2 = 0.0;
    double zg = 0.0;
    double yg = 0.0;
    bool plein = true;
};

// The quarter disc that runs from its centre towards sz along Z and sy along Y (the catalogue's Sens).
std::string_view quartDeDisque(int sz, int sy) {
    for (const FormeCatalogue& f : Catalogue) {
        if (f.famille == FamilleForme::QuartDeDisque && f.sens == Sens{sz, sy}) {
            return f.nom;
        }
    }
    return {};
}

// A quarter disc of radius r whose centre is (zc, yc), running towards (sz, sy): its centroid lies
// 4r / (3 pi) from the centre along each axis.
Piece quart(double r, double zc, double yc, int sz, int sy, bool plein) {
    const double c = 4.0 * r / (3.0 * Pi);
    return {quartDeDisque(sz, sy), r, 0.0, zc + sz * c, yc + sy * c, plein};
}

std::vector<Piece> recette(const Profil& p) {
    const std::vector<double>& d = p.dimensions;
    std::vector<Piece> pieces;
    switch (p.famille) {
    case FamilleProfil::I: {
        const double h = d[0], b = d[1], tw = d[2], tf = d[3], r = d[4];
        const double cote = (b - tw) / 2.0 - r; // the hole beside the web, out of the root radius
        pieces.push_back({"Rectangle", b, h, 0.0, 0.0, true});
        for (const int s : {+1, -1}) {
            pieces.push_back({"Rectangle", cote, h - 2.0 * tf, s * (tw / 2.0 + r + cote / 2.0), 0.0, false});
        }
        for (const int s : {+1, -1}) {
            pieces.push_back({"Rectangle", r, h - 2.0 * tf - 2.0 * r, s * (tw / 2.0 + r / 2.0), 0.0, false});
        }
        for (const int sy : {+1, -1}) {
            for (const int sz : {+1, -1}) {
                pieces.push_back(quart(r, sz * (tw / 2.0 + r), sy * (h / 2.0 - tf - r), -sz, sy, false));
            }
        }
        break;
    }
    case FamilleProfil::Upe: {
        const double h = d[0], b = d[1], tw = d[2], tf = d[3], r = d[4];
        const double largeur = b - tw - r;
        pieces.push_back({"Rectangle", b, h, -b / 2.0, 0.0, true});
        pieces.push_back({"Rectangle", largeur, h - 2.0 * tf, -(tw + r + largeur / 2.0), 0.0, false});
        pieces.push_back({"Rectangle", r, h - 2.0 * tf - 2.0 * r, -(tw + r / 2.0), 0.0, false});
        for (const int sy : {+1, -1}) {
            pieces.push_back(quart(r, -(tw + r), sy * (h / 2.0 - tf - r), +1, sy, false));
        }
        break;
    }
    case FamilleProfil::Corniere: {
        const double a = d[0], t = d[1], r1 = d[2], r2 = d[3];
        // The upright leg, its toe rounded by r2.
        pieces.push_back({"Rectangle", t, a - r2, -t / 2.0, (a - r2) / 2.0, true});
        pieces.push_back({"Rectangle", t - r2, r2, -(t - r2) / 2.0, a - r2 / 2.0, true});
        pieces.push_back(quart(r2, -t + r2, a - r2, -1, +1, true));
        // The lying leg, its toe rounded by r2.
        pieces.push_back({"Rectangle", a - t, t - r2, -(t + (a - t) / 2.0), (t - r2) / 2.0, true});
        pieces.push_back({"Rectangle", a - t - r2, r2, -(t + (a - t - r2) / 2.0), t - r2 / 2.0, true});
        pieces.push_back(quart(r2, -a + r2, t - r2, -1, +1, true));
        // The root: a square r1 in the inner corner, less the quarter disc of radius r1.
        pieces.push_back({"Rectangle", r1, r1, -(t + r1 / 2.0), t + r1 / 2.0, true});
        pieces.push_back(quart(r1, -(t + r1), t + r1, +1, -1, false));
        break;
    }
    case FamilleProfil::Tube:
        pieces.push_back({"Disque", d[0] / 2.0, 0.0, 0.0, 0.0, true});
        pieces.push_back({"Disque", d[0] / 2.0 - d[1], 0.0, 0.0, 0.0, false});
        break;
    }
    return pieces;
}

std::string minuscules(std::string_view s) {
    std::string m(s);
    std::transform(m.begin(), m.end(), m.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return m;
}

std::size_t distance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> ligne(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) {
        ligne[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonale = ligne[0];
        ligne[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t haut = ligne[j];
            ligne[j] =
                std::min({ligne[j] + 1, ligne[j - 1] + 1, diagonale + (a[i - 1] == b[j - 1] ? 0u : 1u)});
            diagonale = haut;
        }
    }
    return ligne[b.size()];
}

} // namespace

std::vector<std::string_view> nomsDimensions(FamilleProfil famille) {
    switch (famille) {
    case FamilleProfil::Corniere:
        return {"a", "t", "r1", "r2"};
    case FamilleProfil::Tube:
        return {"D", "t"};
    default:
        return {"h", "b", "tw", "tf", "r"};
    }
}

const std::vector<Profil>& catalogueProfils() {
    static const std::vector<Profil> profils = lireCatalogue();
    return profils;
}

std::vector<std::string> seriesProfils() {
    std::vector<std::string> series;
    for (const Profil& p : catalogueProfils()) {
        if (std::find(series.begin(), series.end(), p.serie) == series.end()) {
            series.push_back(p.serie);
        }
    }
    return series;
}

const Profil* trouverProfil(std::string_view nom) {
    for (const Profil& p : catalogueProfils()) {
        if (p.nom == nom) {
            return &p;
        }
    }
    return nullptr;
}

std::vector<std::string> profilsProches(std::string_view nom, std::size_t nombre) {
    const std::string cherche = minuscules(nom);
    std::vector<std::pair<std::size_t, const Profil*>> classement;
    for (const Profil& p : catalogueProfils()) {
        classement.emplace_back(distance(cherche, minuscules(p.nom)), &p);
    }
    std::stable_sort(classement.begin(), classement.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    std::vector<std::string> noms;
    for (std::size_t i = 0; i < std::min(nombre, classement.size()); ++i) {
        noms.push_back(classement[i].second->nom);
    }
    return noms;
}

Section construireProfil(const Profil& profil) {
    Section section;
    const std::vector<Piece> pieces = recette(profil);
    section.NbrElement = static_cast<std::int16_t>(pieces.size());
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const Piece& q = pieces[k];
        section.Elements.at(k) = MemoriseDonnees(std::string(q.forme), q.d1, q.d2, q.zg, q.yg, q.plein);
    }
    section.FormeSelectionnee = section.element(1).Forme;
    if (const CompteRendu cr = Calcul(section); cr.faute) {
        throw plateforme::FauteArithmetique(cr.faute->genre());
    }
    return section;
}

bool axesAcier(FamilleProfil famille) {
    return famille == FamilleProfil::I || famille == FamilleProfil::Upe;
}

double masseLineique(double aire, double masseVolumique) {
    return aire / 1.0e6 * masseVolumique;
}

} // namespace modele
