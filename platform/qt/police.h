#pragma once

#include <QFont>

namespace plateforme {

struct Police {
    double points = 8.25;
    bool gras = false;
    bool italique = false;
    bool souligne = false;
};

// Registers the regular Tahoma of Debian's fonts-wine when it is there (once; later calls do nothing).
void installerPolices();
// "Tahoma", or "DejaVu Sans" when Tahoma is missing: the family of every caption, in every style.
QString famillePolice();
// That family at that size and style; bold and italic are drawn from the regular letters.
QFont police(const Police& p = {});

} // namespace plateforme
