#pragma once

#include <QFont>

namespace plateforme {

struct Police {
    double points = 8.25;
    bool gras = false;
    bool italique = false;
    bool souligne = false;
};

// The fonts of the windows, by use: every control's font is one of these.
namespace polices {
inline constexpr Police Normale{};
inline constexpr Police Grasse{8.25, true};
inline constexpr Police Italique{8.25, false, true};
inline constexpr Police Soulignee{8.25, false, false, true};
inline constexpr Police Champ{9.0};                    // the main window's Zg field
inline constexpr Police Titre{9.0, true, false, true}; // the help page's headings
inline constexpr Police Exposant{6.0};                 // raised exponents, the tables' small "E"
inline constexpr Police ExposantGras{6.0, true};
inline constexpr Police Petite{6.75};                      // the results panel's "E", the preview's captions
inline constexpr Police Indice{6.75, true};                // lowered indices
inline constexpr Police PetiteItalique{6.75, false, true}; // detail buttons, the example's unit
} // namespace polices

// Registers the regular Tahoma of Debian's fonts-wine when it is there (once; later calls do nothing).
void installerPolices();
// "Tahoma", or "DejaVu Sans" when Tahoma is missing: the family of every caption, in every style.
QString famillePolice();
// That family at that size and style; bold and italic are drawn from the regular letters.
QFont police(const Police& p = {});

} // namespace plateforme
