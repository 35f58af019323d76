#include "model/catalogue.h"

#include "platform/arithmetique.h"

using plateforme::diviser;
using plateforme::multiplier;

const std::array<FormeCatalogue, 11> Catalogue{{
    {"Rectangle", FamilleForme::Rectangle, "ImageRectangle", ":/formes/rectangle.svg"},
    {"Triangle", FamilleForme::Triangle, "ImageTriangle", ":/formes/triangle.svg"},
    {"Disque", FamilleForme::Disque, "ImageDisque", ":/formes/disque.svg"},
    {"Demi disque supérieur", FamilleForme::DemiDisqueHorizontal, "ImageDDH", ":/formes/ddh.svg"},
    {"Demi disque inférieur", FamilleForme::DemiDisqueHorizontal, "ImageDDB", ":/formes/ddb.svg"},
    {"Demi disque droite", FamilleForme::DemiDisqueVertical, "ImageDDD", ":/formes/ddd.svg"},
    {"Demi disque gauche", FamilleForme::DemiDisqueVertical, "ImageDDG", ":/formes/ddg.svg"},
    {"Quart de disque supérieur gauche", FamilleForme::QuartDeDisque, "ImageQDHG", ":/formes/qdhg.svg"},
    {"Quart de disque supérieur droite", FamilleForme::QuartDeDisque, "ImageQDHD", ":/formes/qdhd.svg"},
    {"Quart de disque inférieur gauche", FamilleForme::QuartDeDisque, "ImageQDBG", ":/formes/qdbg.svg"},
    {"Quart de disque inférieur droite", FamilleForme::QuartDeDisque, "ImageQDBD", ":/formes/qdbd.svg"},
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

namespace {

// ((R x pi) x R) x R) x R, the steps of pi R⁴.
double piR4(double r) {
    const double rPi = multiplier(r, Pi, "R x Pi");
    const double aire = multiplier(rPi, r, "(R x Pi) x R");
    const double r3 = multiplier(aire, r, "(R x Pi x R) x R");
    return multiplier(r3, r, "(R x Pi x R x R) x R");
}

// ((R x R) x R) x R
double r4(double r) {
    const double r2 = multiplier(r, r, "R x R");
    const double r3 = multiplier(r2, r, "(R x R) x R");
    return multiplier(r3, r, "(R x R x R) x R");
}

double piR2(double r) {
    return multiplier(multiplier(r, Pi, "R x Pi"), r, "(R x Pi) x R");
}

} // namespace

ProprietesForme proprietesForme(FamilleForme famille, double d1, double d2) {
    ProprietesForme p;
    switch (famille) {
    case FamilleForme::Rectangle:
    case FamilleForme::Triangle: {
        const double b = d1;
        const double h = d2;
        const double diviseur = famille == FamilleForme::Rectangle ? 12.0 : 36.0;
        const double hb = multiplier(h, b, "h x b");
        p.aire = famille == FamilleForme::Rectangle ? hb : diviser(hb, 2.0, "(h x b) / 2");
        p.igz = diviser(multiplier(multiplier(hb, h, "(h x b) x h"), h, "(h x b x h) x h"), diviseur,
                        "b h^3 / 12");
        p.igy = diviser(multiplier(multiplier(hb, b, "(h x b) x b"), b, "(h x b x b) x b"), diviseur,
                        "h b^3 / 12");
        break;
    }
    case FamilleForme::Disque:
        p.aire = piR2(d1);
        p.igz = diviser(piR4(d1), 4.0, "Pi R^4 / 4");
        p.igy = p.igz;
        break;
    case FamilleForme::DemiDisqueHorizontal:
        p.aire = diviser(piR2(d1), 2.0, "(Pi R^2) / 2");
        p.igz = multiplier(coefficientK8(), r4(d1), "K8 x R^4");
        p.igy = diviser(piR4(d1), 8.0, "Pi R^4 / 8");
        break;
    case FamilleForme::DemiDisqueVertical:
        p.aire = diviser(piR2(d1), 2.0, "(Pi R^2) / 2");
        p.igz = diviser(piR4(d1), 8.0, "Pi R^4 / 8");
        p.igy = multiplier(coefficientK8(), r4(d1), "K8 x R^4");
        break;
    case FamilleForme::QuartDeDisque:
        p.aire = diviser(piR2(d1), 4.0, "(Pi R^2) / 4");
        p.igz = multiplier(coefficientK16(), r4(d1), "K16 x R^4");
        p.igy = p.igz;
        break;
    }
    return p;
}
