#pragma once

// How every window writes a computed value: a mantissa label, a small "E" label and an exponent
// label, the last two hidden when the exponent is 0; and the same value in a message, where " E" and
// the exponent are always written ("200 E2", "2400 E0").

#include <QString>

namespace modele {
struct Notation;
}
class QWidget;
class QLabel;

namespace affichage {

// What every field that takes a number answers to a text that is none.
QString messageSaisieNonNumerique();

// Writes Mantisse(x) and Exposant(x) into the labels; shows `e` and `puissance` only when the
// exponent is not 0 (the exponent label keeps its caption while hidden).
void notation(QLabel* mantisse, QWidget* e, QLabel* puissance, double x);

// Mantisse(x), " E", Exposant(x): "666,7 E5", "0 E0".
QString notation(double x);

// A quantity in mm to the power p (1 to 6) in a message: the unit after each of the three lines
// (" [mm]", " [cm²]", " [m^4]": the square written "²", the higher powers "^p") and the factors
// from mm to cm and to m (10^p and 1000^p).
struct Unites {
    QStringView unites[3];
    double facteurs[2];
};
const Unites& millimetres(int puissance);

// The value in three units, three lines joined by "\r\n": `premier` before the first, `suite` before
// the other two, each line the notation of the value divided by the unit's factor (1, then the
// two factors) and the unit.
QString troisUnites(const QString& premier, const QString& suite, double valeur, const Unites& unites);
inline QString troisUnites(const QString& premier, const QString& suite, double valeur, int puissance) {
    return troisUnites(premier, suite, valeur, millimetres(puissance));
}

// The same three lines for a value already noted, whose mantissa stays: only the exponent moves, by
// p from mm^p to cm^p and by 3p to m^p.
QString troisUnitesDecalees(const QString& premier, const QString& suite, const modele::Notation& n,
                            int puissance);

} // namespace affichage
