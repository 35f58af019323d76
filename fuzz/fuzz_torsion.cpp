// Torsion over random sections of at most four elements: shapes, signs, dimensions from 0.01 to
// 655 mm and centroids within ±330 mm on a grid of 0.01 mm, so that shapes touch, overlap and nearly
// miss each other. Whatever the input, the computation ends within its limits; It is positive and finite
// when given, Iw not negative and C finite when given, and a sentence stands for whatever is not.

#include "model/calcul.h"
#include "model/catalogue.h"
#include "torsion/torsion.h"
#include "verifier.h"

#include <cmath>
#include <cstdint>

using namespace modele;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    std::size_t i = 0;
    const auto octet = [&] { return i < n ? d[i++] : std::uint8_t{0}; };
    const auto mot = [&] { return (octet() << 8) | octet(); };
    Section s;
    s.Reinitialiser();
    s.NbrElement = static_cast<std::int16_t>(1 + octet() % 4);
    try {
        for (int k = 1; k <= s.NbrElement; ++k) {
            const std::uint8_t f = octet();
            s.element(k) = MemoriseDonnees(std::string(Catalogue[f % Catalogue.size()].nom),
                                           (1 + mot()) / 100.0, (1 + mot()) / 100.0, (mot() - 32768) / 100.0,
                                           (mot() - 32768) / 100.0, (f & 0x80) == 0);
        }
    } catch (const plateforme::FauteArithmetique&) {
        return 0;
    }
    if (Calcul(s).faute) {
        return 0;
    }
    torsion::Limites limites;
    limites.maxSommets = 20000;
    limites.duree = std::chrono::milliseconds(3000);
    const torsion::Torsion t = torsion::calculerTorsion(s, limites);
    EXIGER(torsion::phrase(t).empty() == (t.etat == torsion::Etat::Calculee));
    if (t.aIt()) {
        EXIGER(std::isfinite(t.It) && t.It > 0.0);
        EXIGER(t.elements() > 0 && std::isfinite(t.erreur));
    }
    if (t.aCentre()) {
        EXIGER(std::isfinite(t.Iw) && t.Iw >= 0.0 && std::isfinite(t.Zc) && std::isfinite(t.Yc));
    }
    return 0;
}
