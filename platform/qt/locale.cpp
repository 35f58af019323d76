#include "platform/qt/locale.h"

#include <QLocale>

namespace plateforme {

FormatNombre formatLocal() {
    // Cached per default locale: QLocale() is cheap, but its separator text is asked on every keystroke.
    static QLocale derniere;
    static FormatNombre format{QLocale().decimalPoint().toStdString()};
    const QLocale courante;
    if (courante != derniere) {
        derniere = courante;
        format.separateurDecimal = courante.decimalPoint().toStdString();
    }
    return format;
}

std::optional<double> lireNombre(const QString& texte) {
    return lireNombre(texte.toStdString(), formatLocal());
}

bool estNumerique(const QString& texte) {
    return lireNombre(texte).has_value();
}

std::optional<double> lireCoordonneeEnFrappe(const QString& texte) {
    return lireCoordonneeEnFrappe(texte.toStdString(), formatLocal());
}

QString texteNombre(double x) {
    return QString::fromStdString(texteNombre(x, formatLocal()));
}

QString texteEntier(int n) {
    return QString::number(n);
}

} // namespace plateforme
