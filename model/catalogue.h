#pragma once

// The eleven elementary shapes: their names (the keys compared exactly everywhere), their order in the
// shape list, the dimensions they use, the sketch that shows them, and their area and own second
// moments about their centroidal axes.

#include <array>
#include <string_view>

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

struct FormeCatalogue {
    std::string_view nom; // exact French name, UTF-8
    FamilleForme famille;
    std::string_view image;   // name of the sketch control, e.g. "ImageDDH"
    std::string_view fichier; // sketch file in the resources, e.g. ":/formes/ddh.svg"

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
