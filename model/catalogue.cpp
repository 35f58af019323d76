#include "model/catalogue.h"

#include "platform/reel.h"

namespace modele {

using plateforme::Reel;

const std::array<FormeCatalogue, 11> Catalogue{{
    {"Rectangle", FamilleForme::Rectangle, {0, 0}},
    {"Triangle", FamilleForme::Triangle, {+1, +1}}, // right angle at the lower right
    {"Disque", FamilleForme::Disque, {0, 0}},
    {"Demi disque supérieur", FamilleForme::DemiDisqueHorizontal, {0, +1}},
    {"Demi disque inférieur", FamilleForme::DemiDisqueHorizontal, {0, -1}},
    {"Demi disque droite", FamilleForme::DemiDisqueVertical, {-1, 0}},
    {"Demi disque gauche", FamilleForme::DemiDisqueVertical, {+1, 0}},
    {"Quart de disque supérieur gauche", FamilleForme::QuartDeDisque, {+1, +1}},
    {"Quart de disque supérieur droite", FamilleForme::QuartDeDisque, {-1, +1}},
    {"Quart de disque inférieur gauche", FamilleForme::QuartDeDisque, {+1, -1}},
    {"Quart de disque inférieur droite", FamilleForme::QuartDeDisque, {-1, -1}},
}};

const FormeCatalogue* trouverForme(std::string_view nom) {
    for (const auto& forme : Catalogue) {
        if (forme.nom == nom) {
            return &forme;
        }
    }
    return nullptr;
}

double coefficientK8() {
    return (Pi / 8.0) - ((8.0 / 9.0) / Pi);
}
double coefficientK16() {
    return (Pi / 16.0) - ((4.0 / 9.0) / Pi);
}

ProprietesForme proprietesForme(FamilleForme famille, double d1, double d2) {
    const Reel b = d1, h = d2, r = d1;
    Reel aire, igz, igy;
    switch (famille) {
    case FamilleForme::Rectangle:
        aire = h * b;
        igz = h * b * h * h / 12.0;
        igy = h * b * b * b / 12.0;
        break;
    case FamilleForme::Triangle:
        aire = h * b / 2.0;
        igz = h * b * h * h / 36.0;
        igy = h * b * b * b / 36.0;
        break;
    case FamilleForme::Disque:
        aire = r * Pi * r;
        igz = igy = r * Pi * r * r * r / 4.0;
        break;
    case FamilleForme::DemiDisqueHorizontal:
        aire = r * Pi * r / 2.0;
        igz = coefficientK8() * (r * r * r * r);
        igy = r * Pi * r * r * r / 8.0;
        break;
    case FamilleForme::DemiDisqueVertical:
        aire = r * Pi * r / 2.0;
        igz = r * Pi * r * r * r / 8.0;
        igy = coefficientK8() * (r * r * r * r);
        break;
    case FamilleForme::QuartDeDisque:
        aire = r * Pi * r / 4.0;
        igz = igy = coefficientK16() * (r * r * r * r);
        break;
    }
    return {static_cast<double>(aire), static_cast<double>(igz), static_cast<double>(igy)};
}

} // namespace modele
