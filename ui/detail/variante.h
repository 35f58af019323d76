#pragma once

// The detail windows come in pairs, one named with Y (DetailYg, DetailIGY) and one with Z (DetailZg,
// DetailIGZ), each pair built by one implementation told its letter. What differs between the two
// windows, a name or a text, is written as a pair where it is used: {for the Y window, for the Z
// window}, or once when both show the same.

#include "model/huygens.h"

#include <QString>

enum class Lettre { Y, Z };

struct Variante {
    constexpr Variante(const char16_t* pourY, const char16_t* pourZ = nullptr) : y(pourY), z(pourZ) {}
    QString pour(Lettre lettre) const {
        return QString::fromUtf16(lettre == Lettre::Z && z != nullptr ? z : y);
    }
    // A second-moment window's letter is its axis: GY for DetailIGY.
    QString pour(modele::AxeMoment axe) const {
        return pour(axe == modele::AxeMoment::Z ? Lettre::Z : Lettre::Y);
    }

    const char16_t* y;
    const char16_t* z;
};
