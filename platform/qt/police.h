#pragma once

#include <QFont>

namespace plateforme {

struct Police {
    double points = 8.25;
    bool gras = false;
    bool italique = false;
    bool souligne = false;
};

// Registers Tahoma from Debian's fonts-wine when it is there (once; later calls do nothing).
void installerPolices();
// Tahoma at that size and style, or the platform's sans font when Tahoma is missing.
QFont police(const Police& p = {});

} // namespace plateforme
