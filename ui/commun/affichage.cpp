#include "ui/commun/affichage.h"

#include "model/notation.h"
#include "platform/qt/locale.h"
#include "platform/qt/message.h"

#include <QLabel>
#include <array>

using namespace modele;

using namespace Qt::StringLiterals;

namespace affichage {

namespace {

using plateforme::FinDeLigne;

QString notation(double mantisse, double exposant) {
    return plateforme::texteNombre(mantisse) + u" E"_s + plateforme::texteNombre(exposant);
}

QString troisLignes(const QString& premier, const QString& suite, const Notation (&lignes)[3],
                    const Unites& u) {
    QString texte;
    for (std::size_t i = 0; i < 3; ++i) {
        texte += (i == 0 ? premier : FinDeLigne + suite) + notation(lignes[i].mantisse, lignes[i].exposant);
        texte += u.unites[i];
    }
    return texte;
}

} // namespace

QString messageSaisieNonNumerique() {
    return u"Vous devez saisir une valeur et non du texte"_s;
}

void notation(QLabel* mantisse, QWidget* e, QLabel* puissance, double x) {
    const Notation n = noter(x);
    mantisse->setText(plateforme::texteNombre(n.mantisse));
    puissance->setText(plateforme::texteNombre(n.exposant));
    const bool visible = n.exposant != 0.0;
    e->setVisible(visible);
    puissance->setVisible(visible);
}

QString notation(double x) {
    const Notation n = noter(x);
    return notation(n.mantisse, n.exposant);
}

const Unites& millimetres(int puissance) {
    static constexpr std::array<Unites, 6> table{{
        {{u" [mm]", u" [cm]", u" [m]"}, {10.0, 1000.0}},
        {{u" [mm²]", u" [cm²]", u" [m²]"}, {100.0, 1000000.0}},
        {{u" [mm^3]", u" [cm^3]", u" [m^3]"}, {1000.0, 1000000000.0}},
        {{u" [mm^4]", u" [cm^4]", u" [m^4]"}, {10000.0, 1000000000000.0}},
        {{u" [mm^5]", u" [cm^5]", u" [m^5]"}, {1e5, 1e15}},
        {{u" [mm^6]", u" [cm^6]", u" [m^6]"}, {1e6, 1e18}},
    }};
    Q_ASSERT(puissance >= 1 && puissance <= 6);
    return table[static_cast<std::size_t>(puissance - 1)];
}

QString troisUnites(const QString& premier, const QString& suite, double valeur, const Unites& u) {
    const Notation lignes[] = {noter(valeur), noter(valeur / u.facteurs[0]), noter(valeur / u.facteurs[1])};
    return troisLignes(premier, suite, lignes, u);
}

QString troisUnitesDecalees(const QString& premier, const QString& suite, const Notation& n, int puissance) {
    const Notation lignes[] = {
        n, {n.mantisse, n.exposant - puissance}, {n.mantisse, n.exposant - 3 * puissance}};
    return troisLignes(premier, suite, lignes, millimetres(puissance));
}

} // namespace affichage
