#pragma once

// With BRIVANE_CAPTURES set to a folder, the window tests save what they open there as PNG, so that
// the pages can be looked at as a user sees them.

#include <QDir>
#include <QString>
#include <QWidget>

namespace essai {

inline void capturer(QWidget* fenetre, const QString& suffixe = {}) {
    const QString dossier = qEnvironmentVariable("BRIVANE_CAPTURES");
    if (dossier.isEmpty()) {
        return;
    }
    QDir().mkpath(dossier);
    fenetre->grab().save(dossier + QLatin1Char('/') + fenetre->objectName() + suffixe +
                         QStringLiteral(".png"));
}

} // namespace essai
