#pragma once

// A section built as a user builds it: each piece typed (numbers with a point, shortest round trip),
// then "Appliquer"; every step expected to be accepted.

#include "model/calcul.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

namespace essai {

struct Piece {
    std::string forme;
    double d1;
    double d2;
    double zg;
    double yg;
    bool solide = true;
};

inline modele::Section construire(const std::vector<Piece>& pieces) {
    const plateforme::FormatNombre point{"."};
    modele::Section s;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            EXPECT_TRUE(modele::changerNombreElements(s, +1).accepte());
        }
        s.ElementCourant = static_cast<std::int16_t>(i + 1);
        const Piece& p = pieces[i];
        const auto t = [](double x) {
            char b[64];
            return std::string(b, std::to_chars(b, b + sizeof b, x).ptr);
        };
        const modele::SaisieElement saisie{p.forme, t(p.d1), t(p.d2), t(p.zg), t(p.yg), p.solide};
        EXPECT_TRUE(modele::appliquer(s, saisie, point).accepte()) << p.forme;
    }
    return s;
}

} // namespace essai
