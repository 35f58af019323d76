#pragma once

// Number text in the user's locale, with no window library: the numeric test, the conversion of a
// text to a double, and the plain text of a double. The caller passes the locale's decimal separator
// (platform/qt/locale.h reads it from QLocale).
//
// Grammar of a number (no spaces anywhere, no digit grouping):
//
//   nombre   := signe? mantisse exposant?
//   signe    := "+" | "-"                      (hyphen-minus, whatever the locale)
//   mantisse := chiffres [ sep [ chiffres ] ]  |  sep chiffres
//   exposant := ( "E" | "e" ) signe? chiffres
//   chiffres := one or more of 0-9
//   sep      := the locale's decimal separator ("," in French, "." in English)
//
// and its value must be a finite double: "1E999" or a run of 400 digits is not a number, while
// "1E-999" is (it converts to 0). So "12", "-12,5", "12,", ",5", "+3", "1,5E-3" are numbers in French;
// "", "-", ",", "1.5", "1 000", "E5", "1E", "1E+" and "0x10" are not. Because "12," and ",5" are numbers,
// a number typed keystroke by keystroke stays a number at every keystroke, except for "-" alone (which
// lireCoordonneeEnFrappe() tolerates) and an exponent being typed ("1E").
//
// lire() is the numeric test and the conversion in one: a text is numeric exactly when lire() returns
// a value, so the test and the conversion can never disagree.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plateforme {

struct FormatNombre {
    std::string separateurDecimal = ".";
};

// The value of `texte` (UTF-8) if it is a number by the grammar above, otherwise nothing.
std::optional<double> lireNombre(std::string_view texte, const FormatNombre& format);

inline bool estNumerique(std::string_view texte, const FormatNombre& format) {
    return lireNombre(texte, format).has_value();
}

// A signed coordinate while it is being typed: a number as above, or "-" alone, the start of a
// negative number, which counts as 0 until a digit follows. Any other text, the empty one included,
// is nothing.
std::optional<double> lireCoordonneeEnFrappe(std::string_view texte, const FormatNombre& format);

// Plain number text of a finite double: at most 15 significant digits, no trailing zeros, no grouping,
// the locale's decimal separator, "-" for negatives, integral values without separator; the scientific
// form (1E+15, 1,5E-05: mantissa, "E", sign, at least two exponent digits) only for a decimal exponent
// of 15 or more, or of -5 or less. Zero (and -0) is "0".
std::string texteNombre(double x, const FormatNombre& format);

// The shortest text that reads back to the same double: "." as separator, the scientific form
// ("1e+20") where it is shorter, "-" for negatives; 0 and -0 are "0" (equal, and read back alike).
// Infinities and NaN come out as "inf", "-inf" and "nan".
std::string texteCourt(double x);

// Plain decimal digits of a 16-bit count.
std::string texteEntier(std::int16_t n);

} // namespace plateforme
