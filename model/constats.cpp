#include "model/constats.h"

#include "model/signification.h"
#include "platform/arrondi.h"

#include <utility>

namespace modele {

std::string texteIncoherence(const Incoherence& i, const plateforme::FormatNombre& format) {
    const std::string aire = plateforme::texteNombre(plateforme::arrondir(i.aire, 1), format) + " mm²";
    const std::string premier = std::to_string(i.premier);
    const std::string second = std::to_string(i.second);
    switch (i.genre) {
    case GenreIncoherence::TrouHorsMatiere:
        return "Le trou n° " + premier + " sort de la matière (" + aire + " hors matière).";
    case GenreIncoherence::SuperpositionSolides:
        return "Les éléments " + premier + " et " + second + " se superposent (" + aire + ").";
    case GenreIncoherence::SuperpositionTrous:
        return "Les trous n° " + premier + " et " + second + " se superposent (" + aire + ").";
    }
    return {};
}

std::vector<std::string> constats(const Section& section, bool analyseCalculee,
                                  const plateforme::FormatNombre& format) {
    std::vector<std::string> textes;
    if (!analyseCalculee) {
        textes.emplace_back("Les valeurs sont trop grandes pour que ces grandeurs soient calculées.");
    }
    for (const Incoherence& i : verifier(section)) {
        textes.push_back(texteIncoherence(i, format));
    }
    if (std::string pertes = textePertes(signification(section)); !pertes.empty()) {
        textes.push_back(std::move(pertes));
    }
    return textes;
}

int nombreConstats(const Section& section) {
    const bool perte = signification(section).perdues.any();
    return static_cast<int>(verifier(section).size()) + (perte ? 1 : 0);
}

std::vector<std::string> lignesVerification(const Section& section, bool analyseCalculee,
                                            const plateforme::FormatNombre& format) {
    std::vector<std::string> lignes = constats(section, analyseCalculee, format);
    if (lignes.empty()) {
        lignes.emplace_back("Aucune incohérence détectée.");
    }
    return lignes;
}

} // namespace modele
