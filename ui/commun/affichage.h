#pragma once

// How every window writes a computed value: a mantissa label, a small "E" label and an exponent
// label, the last two hidden when the exponent is 0; and the same value in a message, where " E" and
// the exponent are always written ("200 E2", "2400 E0").

#include <QString>

class QWidget;
class QLabel;

namespace affichage {

// Writes Mantisse(x) and Exposant(x) into the labels; shows `e` and `puissance` only when the
// exponent is not 0 (the exponent label keeps its caption while hidden).
void notation(QLabel* mantisse, QWidget* e, QLabel* puissance, double x);

// Mantisse(x), " E", Exposant(x): "666,7 E5", "0 E0".
QString notation(double x);

// prefixe + notation(x) + unite: one line of a three-unit message.
QString ligne(const QString& prefixe, double x, const QString& unite);

} // namespace affichage
