#pragma once

// Number text in the user's locale (QLocale(): the default locale, i.e. the user's unless a test sets
// another). The grammar and the rules are those of platform/nombre.h; this only supplies the locale's
// decimal separator and converts between QString and UTF-8.

#include "platform/nombre.h"

#include <QString>
#include <optional>

namespace plateforme {

FormatNombre formatLocal();

std::optional<double> lireNombre(const QString& texte);
bool estNumerique(const QString& texte);
std::optional<double> lireCoordonneeEnFrappe(const QString& texte);
QString texteNombre(double x);
QString texteEntier(int n);

} // namespace plateforme
