// The number parser and the plain number text, on any bytes: the parser never crashes, what it
// accepts is a finite double, and the plain text of that double reads back as the same value rounded
// to 15 significant digits, in both locales' separators.

#include "platform/nombre.h"
#include "verifier.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string texte(reinterpret_cast<const char*>(donnees), taille);
    for (const char* sep : {",", "."}) {
        const plateforme::FormatNombre format{sep};
        const auto valeur = plateforme::lireNombre(texte, format);
        EXIGER(plateforme::estNumerique(texte, format) == valeur.has_value());
        if (!valeur) {
            continue;
        }
        EXIGER(std::isfinite(*valeur));
        const std::string ecrit = plateforme::texteNombre(*valeur, format);
        const auto relu = plateforme::lireNombre(ecrit, format);
        EXIGER(relu.has_value());
        char quinze[40];
        std::snprintf(quinze, sizeof quinze, "%.14e", *valeur);
        EXIGER(*relu == std::strtod(quinze, nullptr));
        // The text written is itself stable: written again, it does not change.
        EXIGER(plateforme::texteNombre(*relu, format) == ecrit);
    }
    return 0;
}
