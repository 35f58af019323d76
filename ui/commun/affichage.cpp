#include "ui/commun/affichage.h"

#include "model/notation.h"
#include "platform/qt/locale.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace affichage {

void notation(QLabel* mantisse, QWidget* e, QLabel* puissance, double x) {
    const Notation n = Noter(x);
    mantisse->setText(plateforme::texteNombre(n.mantisse));
    puissance->setText(plateforme::texteNombre(n.exposant));
    const bool visible = n.exposant != 0.0;
    e->setVisible(visible);
    puissance->setVisible(visible);
}

QString notation(double x) {
    const Notation n = Noter(x);
    return plateforme::texteNombre(n.mantisse) + u" E"_s + plateforme::texteNombre(n.exposant);
}

QString ligne(const QString& prefixe, double x, const QString& unite) {
    return prefixe + notation(x) + unite;
}

} // namespace affichage
