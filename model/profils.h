#pragma once

// Rolled steel profiles: the catalogue (the program's data file resources/profils.csv, compiled in) and
// the recipe that turns a profile's dimensions into the section's elements, at most 10, each
// reproducing the profile exactly, root and toe radii included.
//
// Where the section lies in the user's frame (Z to the left, Y up):
// - I and H (IPE, HEA, HEB, HEM): O at the centre of the web, so G = O; 9 elements (the outer
//   rectangle, two holes beside the web, two bands along the web's root radii, four quarter-disc holes).
// - UPE: the web on the left and the flanges towards -Z (a "["), O at mid-height on the back of the
//   web; 5 elements (the outer rectangle, two rectangular holes, two quarter-disc holes).
// - Equal angles L: the heel at O, one leg up and one towards -Z (an "L"); 8 elements (seven solids for
//   the legs, their toe radii and the root, one quarter-disc hole for the root radius).
// - Circular hollow sections CHS: O at the centre; 2 elements (a disc and its hole).

#include "model/section.h"

#include <string>
#include <string_view>
#include <vector>

namespace modele {

enum class FamilleProfil {
    I,        // IPE, HEA, HEB, HEM: h, b, tw, tf, r
    Upe,      // UPE: h, b, tw, tf, r
    Corniere, // L: a, t, r1, r2
    Tube,     // CHS: D, t
};

struct Profil {
    std::string nom;   // « IPE 200 », « L 100x100x10 », « CHS 168.3x8 »
    std::string serie; // « IPE », « HEA », « HEB », « HEM », « UPE », « L », « CHS »
    FamilleProfil famille = FamilleProfil::I;
    std::vector<double> dimensions; // mm, in the order of nomsDimensions()
};

// The names of a family's dimensions, in the order of Profil::dimensions.
std::vector<std::string_view> nomsDimensions(FamilleProfil famille);

// Every profile, series after series in the order of the data file, sizes growing.
const std::vector<Profil>& catalogueProfils();

// The series, in the order of the catalogue.
std::vector<std::string> seriesProfils();

// The profile of that exact name, or nullptr.
const Profil* trouverProfil(std::string_view nom);

// At most `nombre` names of the catalogue nearest to `nom` (edit distance, case ignored), nearest first.
std::vector<std::string> profilsProches(std::string_view nom, std::size_t nombre = 3);

// The section of the profile: its elements captured, element 1 current, the totals computed.
// Throws plateforme::FauteArithmetique.
Section construireProfil(const Profil& profil);

// I, H and UPE profiles: the program's Igz is the tables' Iy (strong axis), its Igy their Iz.
bool axesAcier(FamilleProfil famille);

// The density of steel (kg/m³), and the mass per metre (kg/m) of a section of area `aire` (mm²).
inline constexpr double MasseVolumiqueAcier = 7850.0;
double masseLineique(double aire, double masseVolumique);

} // namespace modele
