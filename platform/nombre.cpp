#include "platform/nombre.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace plateforme {

namespace {

bool estChiffre(char c) {
    return c >= '0' && c <= '9';
}

// Skips a run of digits from `i`; returns how many there were.
std::size_t chiffres(std::string_view t, std::size_t& i) {
    const std::size_t debut = i;
    while (i < t.size() && estChiffre(t[i])) {
        ++i;
    }
    return i - debut;
}

// The C locale, for strtod_l: the conversion must not depend on the process's own locale.
locale_t localeC() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

} // namespace

std::optional<double> lireNombre(std::string_view texte, const FormatNombre& format) {
    const std::string_view sep = format.separateurDecimal;
    std::string ascii; // the same number with "." as separator, for strtod_l
    ascii.reserve(texte.size());
    std::size_t i = 0;
    if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) {
        ascii += texte[i];
        ++i;
    }
    std::size_t debut = i;
    const std::size_t entiers = chiffres(texte, i);
    ascii.append(texte.substr(debut, entiers));
    std::size_t decimales = 0;
    if (!sep.empty() && texte.substr(i, sep.size()) == sep) {
        i += sep.size();
        ascii += '.';
        debut = i;
        decimales = chiffres(texte, i);
        ascii.append(texte.substr(debut, decimales));
    }
    if (entiers + decimales == 0) {
        return std::nullopt;
    }
    if (i < texte.size() && (texte[i] == 'E' || texte[i] == 'e')) {
        ascii += 'e';
        ++i;
        if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) {
            ascii += texte[i];
            ++i;
        }
        debut = i;
        const std::size_t exposant = chiffres(texte, i);
        if (exposant == 0) {
            return std::nullopt;
        }
        ascii.append(texte.substr(debut, exposant));
    }
    if (i != texte.size()) {
        return std::nullopt;
    }
    errno = 0;
    char* fin = nullptr;
    const double valeur = strtod_l(ascii.c_str(), &fin, localeC());
    if (fin != ascii.c_str() + ascii.size() || !std::isfinite(valeur)) {
        return std::nullopt;
    }
    // ERANGE with a finite result is an underflow: the value is 0 or subnormal, which is a number.
    return valeur;
}

std::optional<double> lireCoordonneeEnFrappe(std::string_view texte, const FormatNombre& format) {
    return texte == "-" ? std::optional<double>(0.0) : lireNombre(texte, format);
}

std::string texteNombre(double x, const FormatNombre& format) {
    if (x == 0.0 || !std::isfinite(x)) {
        return std::isnan(x) ? "NaN" : (std::isinf(x) ? (x > 0 ? "Inf" : "-Inf") : "0");
    }
    // 15 significant digits, rounded once, whatever the process's locale: "d.dddddddddddddde±XX".
    char tampon[40];
    const char* fin =
        std::to_chars(tampon, tampon + sizeof tampon, std::fabs(x), std::chars_format::scientific, 14).ptr;
    const std::string_view s(tampon, static_cast<std::size_t>(fin - tampon));
    const std::size_t posE = s.find('e');
    std::string digits;
    digits += s[0];
    digits.append(s.substr(2, posE - 2));
    const std::size_t debutExposant = posE + (s[posE + 1] == '+' ? 2 : 1);
    int exposant = 0;
    std::from_chars(s.data() + debutExposant, s.data() + s.size(), exposant);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }

    std::string resultat = x < 0 ? "-" : "";
    const std::string& sep = format.separateurDecimal;
    if (exposant >= 15 || exposant <= -5) {
        resultat += digits[0];
        if (digits.size() > 1) {
            resultat += sep;
            resultat.append(digits, 1);
        }
        resultat += 'E';
        resultat += exposant < 0 ? '-' : '+';
        const int absolu = exposant < 0 ? -exposant : exposant;
        if (absolu < 10) {
            resultat += '0';
        }
        resultat += std::to_string(absolu);
    } else if (exposant < 0) {
        resultat += '0';
        resultat += sep;
        resultat.append(static_cast<std::size_t>(-exposant - 1), '0');
        resultat += digits;
    } else {
        const auto entiers = static_cast<std::size_t>(exposant) + 1;
        if (digits.size() <= entiers) {
            resultat += digits;
            resultat.append(entiers - digits.size(), '0');
        } else {
            resultat.append(digits, 0, entiers);
            resultat += sep;
            resultat.append(digits, entiers);
        }
    }
    return resultat;
}

std::string texteCourt(double x) {
    if (x == 0.0) {
        return "0";
    }
    std::array<char, 32> tampon{};
    const auto fin = std::to_chars(tampon.data(), tampon.data() + tampon.size(), x).ptr;
    return {tampon.data(), fin};
}

std::string texteEntier(std::int16_t n) {
    return std::to_string(n);
}

} // namespace plateforme
