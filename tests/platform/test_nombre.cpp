// Number text in the user's locale: the grammar of a number (accepted and refused texts, in French and
// in English), the plain text of a double, the text of a count, and the round trip between the two.

#include "platform/nombre.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using plateforme::estNumerique;
using plateforme::FormatNombre;
using plateforme::lireNombre;
using plateforme::texteEntier;
using plateforme::texteNombre;

const FormatNombre kFr{","};
const FormatNombre kEn{"."};
const FormatNombre kAr{"\xD9\xAB"}; // U+066B ARABIC DECIMAL SEPARATOR, two bytes in UTF-8

constexpr std::optional<double> kRefuse = std::nullopt;

struct CasLecture {
    std::string texte;
    const FormatNombre* format;
    std::optional<double> valeur;
};

void verifierLecture(const CasLecture& c) {
    SCOPED_TRACE(::testing::Message()
                 << "\"" << (c.texte.size() > 40 ? c.texte.substr(0, 40) + "..." : c.texte) << "\" ("
                 << c.texte.size() << " octets), séparateur \"" << c.format->separateurDecimal << "\"");
    const std::optional<double> lu = lireNombre(c.texte, *c.format);
    EXPECT_EQ(lu.has_value(), c.valeur.has_value());
    if (lu && c.valeur) {
        EXPECT_EQ(*lu, *c.valeur);
    }
    // The numeric test and the conversion never disagree.
    EXPECT_EQ(estNumerique(c.texte, *c.format), lu.has_value());
}

// Texts read in one locale: the accepted ones with their values, and the refused ones.
void lireAcceptes(const FormatNombre& f, std::initializer_list<std::pair<std::string, double>> cas) {
    for (const auto& [texte, valeur] : cas) {
        verifierLecture({texte, &f, valeur});
    }
}

void lireRefuses(const FormatNombre& f, std::initializer_list<std::string> textes) {
    for (const std::string& texte : textes) {
        verifierLecture({texte, &f, kRefuse});
    }
}

TEST(LireNombre, FrenchTexts) {
    lireAcceptes(kFr,
                 {{"12", 12},       {"-12,5", -12.5},   {"12,5", 12.5},     {"12,", 12},     {",5", 0.5},
                  {"-,5", -0.5},    {"+,5", 0.5},       {"+3", 3},          {"-0", 0},       {"0", 0},
                  {"007", 7},       {"1,5E-3", 0.0015}, {"1,5e-3", 0.0015}, {"1E5", 100000}, {"1E+5", 100000},
                  {"1,E5", 100000}, {",5E1", 5},        {"-2,5E+2", -250},  {"1E-999", 0},   {"-1E-999", 0},
                  {"0E99999", 0},   {"1E308", 1e308},   {"0,1", 0.1}});
    lireAcceptes(kFr, {{"1E0000000000000000000003", 1000},
                       {"1,7976931348623157E308", DBL_MAX},
                       {"-1,7976931348623157E308", -DBL_MAX},
                       {"4,9406564584124654E-324", 4.9406564584124654e-324},
                       {"314,1592741012573", 314.1592741012573}});
    lireRefuses(kFr, {"",         "-",   "+",    ",",     "-,",    "1.5",   "1,5,3",  "12,5,",  "1 000",
                      " 1",       "1 ",  "E5",   ",E5",   "1E",    "1E+",   "1E-",    "1E5,5",  "1E5E5",
                      "1E 5",     "1D5", "0x10", "0x1p3", "--1",   "+-1",   "1-",     "inf",    "-Inf",
                      "infinity", "nan", "NaN",  "abc",   "12abc", "1E999", "-1E999", "1,8E308"});
    lireRefuses(kFr, {"1,7976931348623159E308", // rounds past the largest double
                      "1\302\240000",           // no-break space grouping (octal escapes, a digit follows)
                      "\342\210\2221",          // U+2212 MINUS SIGN: the hyphen-minus only
                      "\xD9\xA1\xD9\xA2",       // Arabic-Indic digits
                      std::string("1\0", 2), std::string("\0001", 2)});
}

TEST(LireNombre, EnglishAndOtherSeparators) {
    lireAcceptes(
        kEn, {{"12.5", 12.5}, {"-12.5", -12.5}, {"12.", 12}, {".5", 0.5}, {"1.5E-3", 0.0015}, {"1E-999", 0}});
    lireRefuses(kEn, {"12,5", ",5", ".", "-.", "1,000", "1.000.000", "1E999", "-", ""});
    // a separator of two bytes (U+066B, in octal where a digit follows), and half of it
    lireAcceptes(kAr, {{"12\331\2535", 12.5}, {"\331\2535", 0.5}, {"12\xD9\xAB", 12}});
    lireRefuses(kAr, {"\xD9\xAB", "12\3315", "12\xD9", "12.5", "12,5"});
}

TEST(LireNombre, LongDigitStrings) {
    const std::string cent(100, '0'), quatreCents(400, '0');
    // 1 followed by 308 zeros is 1e308; far below the smallest double, underflow to 0 is a number.
    lireAcceptes(kFr, {{"1" + std::string(308, '0'), 1e308},
                       {quatreCents, 0},
                       {quatreCents + "1", 1},
                       {quatreCents + "12,5", 12.5},
                       {"12345678901234567890", 12345678901234567890.0},
                       {"0,12345678901234567890123456789", 0.12345678901234567890123456789},
                       {"0," + quatreCents + "1", 0},
                       {"," + quatreCents + "1E400", 0.1},
                       {"1" + quatreCents + "E-400", 1},
                       {"0,1" + cent + cent + cent + cent, 0.1}});
    // one more zero is past the largest double
    lireRefuses(kFr, {"1" + std::string(309, '0'), std::string(400, '9'), "-" + std::string(400, '9')});
    lireAcceptes(kEn, {{"1" + quatreCents + "E-800", 0}});
    lireRefuses(kEn, {"1" + quatreCents + ","}); // "," is not the English separator
}

// A number typed keystroke by keystroke is a number at every keystroke, except a lone sign, a lone
// separator, and an exponent being typed.
TEST(LireNombre, EveryKeystrokeOfATypedNumber) {
    struct Cas {
        std::string texte;
        const FormatNombre* format;
        std::vector<std::string> refuses; // the prefixes that are not numbers
    };
    const Cas cas[] = {
        {"12,5", &kFr, {}},
        {"-12,5", &kFr, {"-"}},
        {"-0,001", &kFr, {"-"}},
        {",25", &kFr, {","}},
        {"1,5E-3", &kFr, {"1,5E", "1,5E-"}},
        {"-2E+10", &kFr, {"-", "-2E", "-2E+"}},
        {"3,14159", &kEn, {"3,", "3,1", "3,14", "3,141", "3,1415", "3,14159"}},
        {"3.14159", &kEn, {}},
    };
    for (const Cas& c : cas) {
        for (std::size_t n = 1; n <= c.texte.size(); ++n) {
            const std::string prefixe = c.texte.substr(0, n);
            SCOPED_TRACE(prefixe);
            const bool refuse = std::find(c.refuses.begin(), c.refuses.end(), prefixe) != c.refuses.end();
            EXPECT_EQ(estNumerique(prefixe, *c.format), !refuse);
        }
    }
}

// A signed coordinate being typed: the numbers above, and "-" alone as 0; nothing else.
TEST(LireCoordonneeEnFrappe, LoneMinusCountsAsZero) {
    const CasLecture cas[] = {
        {"-", &kFr, 0},        {"-1", &kFr, -1},     {"-12,5", &kFr, -12.5}, {"25", &kFr, 25},
        {"", &kFr, kRefuse},   {"+", &kFr, kRefuse}, {"-,", &kFr, kRefuse},  {"--", &kFr, kRefuse},
        {"- ", &kFr, kRefuse}, {"a", &kFr, kRefuse}, {"-E", &kFr, kRefuse},  {"-", &kEn, 0},
    };
    for (const CasLecture& c : cas) {
        SCOPED_TRACE(c.texte);
        EXPECT_EQ(plateforme::lireCoordonneeEnFrappe(c.texte, *c.format), c.valeur);
    }
}

// ---------------------------------------------------------------------------------------------------
// Plain number text

struct CasTexte {
    double x;
    const char* francais; // the English text is the same with "." for ","
};

std::string enAnglais(std::string s) {
    for (char& c : s) {
        if (c == ',') {
            c = '.';
        }
    }
    return s;
}

TEST(TexteNombre, FifteenDigitsNoTrailingZerosScientificOnlyAtTheEnds) {
    const CasTexte cas[] = {
        {0, "0"},
        {-0.0, "0"},
        {25, "25"},
        {-4, "-4"},
        {100, "100"},
        {2400, "2400"},
        {100000, "100000"},
        {12.5, "12,5"},
        {0.5, "0,5"},
        {0.1, "0,1"},
        {0.1 + 0.2, "0,3"},
        {123.45, "123,45"},
        {1234567.125, "1234567,125"},
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"},
        {-2.0 / 3.0, "-0,666666666666667"},
        {314.1592741012573, "314,159274101257"},
        {-314.1592741012573, "-314,159274101257"},
        {29.791666666666668, "29,7916666666667"},
        {66666666.666666667, "66666666,6666667"},
        // the fixed form down to a decimal exponent of -4, up to 14
        {0.0001, "0,0001"},
        {-0.00012345, "-0,00012345"},
        {0.000999, "0,000999"},
        {std::nextafter(1e-4, 0.0), "0,0001"}, // rounds up to 1E-04 at 15 digits
        {1e14, "100000000000000"},
        {123456789012345, "123456789012345"},
        {999999999999999, "999999999999999"},
        {-999999999999999, "-999999999999999"},
        // the scientific form: "E", a sign, at least two digits
        {1e15, "1E+15"},
        {-1e15, "-1E+15"},
        {std::nextafter(1e15, 0.0), "1E+15"}, // 999999999999999.875 rounds up at 15 digits
        {1234567890123456, "1,23456789012346E+15"},
        {9999999999999998, "1E+16"},
        {1e20, "1E+20"},
        {1e100, "1E+100"},
        {DBL_MAX, "1,79769313486232E+308"},
        {1e-5, "1E-05"},
        {1.5e-5, "1,5E-05"},
        {-1.5e-5, "-1,5E-05"},
        {0.00001234, "1,234E-05"},
        {9.99999999999999e-6, "9,99999999999999E-06"},
        {1.25e-7, "1,25E-07"},
        {1.5e-300, "1,5E-300"},
        {DBL_MIN, "2,2250738585072E-308"},
        {4.9406564584124654e-324, "4,94065645841247E-324"},
    };
    for (const CasTexte& c : cas) {
        SCOPED_TRACE(::testing::Message() << std::hexfloat << c.x);
        EXPECT_EQ(texteNombre(c.x, kFr), c.francais);
        EXPECT_EQ(texteNombre(c.x, kEn), enAnglais(c.francais));
    }
}

TEST(TexteEntier, PlainDigits) {
    const std::pair<std::int16_t, const char*> cas[] = {
        {0, "0"}, {1, "1"}, {10, "10"}, {-1, "-1"}, {1000, "1000"}, {32767, "32767"}, {-32768, "-32768"},
    };
    for (const auto& [n, texte] : cas) {
        EXPECT_EQ(texteEntier(n), texte);
    }
}

// ---------------------------------------------------------------------------------------------------
// Round trip: the plain text of x reads back as x rounded to 15 significant digits.

TEST(TexteNombre, RoundTripOverRandomDoubles) {
    std::mt19937_64 gen(20240611);
    int echecs = 0;
    int compte = 0;
    for (int i = 0; i < 200000; ++i) {
        const double x = std::bit_cast<double>(gen());
        if (!std::isfinite(x)) {
            continue;
        }
        ++compte;
        char tampon[64];
        std::snprintf(tampon, sizeof tampon, "%.14e", x);
        const double attendu = std::strtod(tampon, nullptr);
        for (const FormatNombre* f : {&kFr, &kEn}) {
            const std::string texte = texteNombre(x, *f);
            const std::optional<double> lu = lireNombre(texte, *f);
            // at most 15 significant digits, and the other locale's separator never appears
            std::size_t chiffres = 0;
            bool significatif = false;
            for (char c : texte.substr(0, texte.find('E'))) {
                if (c >= '1' && c <= '9') {
                    significatif = true;
                }
                if (significatif && c >= '0' && c <= '9') {
                    ++chiffres;
                }
            }
            const char autre = f == &kFr ? '.' : ',';
            if (!lu || *lu != attendu || chiffres > 15 || texte.find(autre) != std::string::npos) {
                if (++echecs <= 20) {
                    ADD_FAILURE() << tampon << " -> \"" << texte << "\" -> "
                                  << (lu ? std::to_string(*lu) : std::string("refusé"));
                }
            }
        }
    }
    EXPECT_GT(compte, 199000);
    EXPECT_EQ(echecs, 0);
}

} // namespace
