#pragma once

// The one program-wide state: the element count, the current element, the shape last selected in
// the main window, the ten element records and the nine totals. All lengths in mm.

#include <array>
#include <cstdint>
#include <string>

namespace modele {

struct ElementSection {
    std::string Forme = "Rectangle"; // one of the eleven catalogue names, compared exactly
    double Dimension1 = 0.0;         // base b, or radius R for the disc shapes
    double Dimension2 = 0.0;         // height h; stored for every shape, used by Rectangle and Triangle only
    double Aire = 0.0;               // signed area: Signe x the shape's area (mm²)
    double Yg = 0.0;                 // centroid ordinate, as entered (mm)
    double Zg = 0.0;                 // centroid abscissa, as entered (mm)
    double Signe = 1.0;              // +1 solid ("Additionner"), -1 hole ("Soustraire")
    double Igz = 0.0;                // signed own second moment about the horizontal centroidal axis (mm⁴)
    double Igy = 0.0;                // signed own second moment about the vertical centroidal axis (mm⁴)

    bool operator==(const ElementSection&) const = default;
};

struct Section {
    static constexpr std::int16_t MaxElements = 10;

    std::int16_t NbrElement = 1;
    std::int16_t ElementCourant = 1;
    std::string FormeSelectionnee = "Rectangle";
    std::array<ElementSection, MaxElements> Elements{};

    double Atotale = 0.0; // mm²
    double Soz = 0.0;     // mm³, sum of Aire x Yg
    double Soy = 0.0;     // mm³, sum of Aire x Zg
    double Yg = 0.0;      // mm
    double Zg = 0.0;      // mm
    double Igz = 0.0;     // mm⁴, about the horizontal axis through G
    double Igy = 0.0;     // mm⁴, about the vertical axis through G
    double iGy = 0.0;     // mm
    double iGz = 0.0;     // mm

    // Moves at every change of the elements, the count or the totals (a capture, a count change, the
    // reset), never otherwise: a window that kept its value knows whether the section is still the one
    // it showed. A history, not data: two sections that hold the same data are equal whatever it says.
    struct Compteur {
        std::uint64_t valeur = 0;
        bool operator==(const Compteur&) const { return true; }
    };
    Compteur Changements;

    // Element k, numbered 1 to 10 as everywhere in the program.
    ElementSection& element(int k) { return Elements.at(static_cast<std::size_t>(k - 1)); }
    const ElementSection& element(int k) const { return Elements.at(static_cast<std::size_t>(k - 1)); }
    ElementSection& elementCourant() { return element(ElementCourant); }
    const ElementSection& elementCourant() const { return element(ElementCourant); }

    // The start-up state: one element, element 1 current, ten zero rectangles, all totals 0 (a change).
    void Reinitialiser();

    // Puts `autre`'s data in place of this section's (a file opened, an undo): a change.
    void remplacer(const Section& autre);

    bool operator==(const Section&) const = default;
};

} // namespace modele
