#pragma once

// The plastic section moduli: about the plastic neutral axis parallel to Gz (a horizontal line) and
// the one parallel to Gy (a vertical line), each of which splits the net area into two equal halves.
// Wpl is the sum of the absolute first moments of the two halves about that axis; holes count with
// their sign element by element, as in every other total. The elements are the outlines of the check,
// their discs and arcs drawn finer (2048 sides to the turn), each cut exactly by the line (a polygon
// cut along a line, its area and first moment by the shoelace formulas); each axis is found by
// bisection on the net area on one side of it.

#include "model/section.h"

#include <optional>

namespace modele {

struct Plastique {
    double Yp = 0.0;   // ordinate of the axis parallel to Gz (mm)
    double Zp = 0.0;   // abscissa of the axis parallel to Gy (mm)
    double Wplz = 0.0; // about the axis parallel to Gz (mm³)
    double Wply = 0.0; // about the axis parallel to Gy (mm³)
};

// Elements 1 to NbrElement, from their records and the total area. Empty when the total area is not
// above 0 or a figure leaves the range of doubles.
std::optional<Plastique> plastique(const Section& section);

} // namespace modele
