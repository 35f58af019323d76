#pragma once

// The eleven elementary shapes: their names (the keys compared exactly everywhere), their order in the
// shape list, the dimensions they use, the way they lie, and their area and own second moments about
// their centroidal axes.

#include <array>
#include <string_view>

namespace modele {

// pi as the program uses it everywhere: 3.1415927 in single precision, widened to double.
inline constexpr double Pi = static_cast<double>(3.1415927f);

// Which formula family a shape belongs to; the explanatory texts are chosen by family too.
enum class FamilleForme {
    Rectangle,
    Triangle,
    Disque,
    DemiDisqueHorizontal, // "supérieur" / "inférieur": flat side horizontal
    DemiDisqueVertical,   // "gauche" / "droite": flat side vertical
    QuartDeDisque,
};

// Which way a shape lies from the corner of its straight sides (the right angle of the triangle and of
// a quarter disc, the flat side of a half disc), in the user's frame: along Z +1 towards +Z (to the
// left) and -1 to the right, along Y +1 up and -1 down; 0 along an axis the shape is symmetric about.
struct Sens {
    int z = 0;
    int y = 0;
    friend bool operator==(Sens, Sens) = default;
};

struct FormeCatalogue {
    std::string_view nom; // exact French name, UTF-8
    FamilleForme famille;
    Sens sens;

    // Rectangle and Triangle use a base and a height; the disc shapes a radius only.
    bool aHauteur() const { return famille == FamilleForme::Rectangle || famille == FamilleForme::Triangle; }
};

// In the order of the shape list.
extern const std::array<FormeCatalogue, 11> Catalogue;

// The entry of that exact name, or nullptr.
const FormeCatalogue* trouverForme(std::string_view nom);

struct ProprietesForme {
    double aire = 0.0;
    double igz = 0.0; // about the horizontal centroidal axis
    double igy = 0.0; // about the vertical centroidal axis
};

// Area and own second moments, unsigned (the caller applies Signe), each product and quotient in the
// stated order. d1 is the base or the radius, d2 the height (ignored by the disc shapes).
// Throws plateforme::FauteArithmetique when a step leaves the double range.
ProprietesForme proprietesForme(FamilleForme famille, double d1, double d2);

// (pi / 8) - ((8 / 9) / pi) and (pi / 16) - ((4 / 9) / pi), evaluated as written.
double coefficientK8();
double coefficientK16();

} // namespace modele
