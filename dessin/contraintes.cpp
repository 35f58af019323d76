#include "dessin/contraintes.h"

#include "dessin/dessin_section.h"
#include "model/analyse.h"
#include "platform/arithmetique.h"

#include <QPainter>

using namespace modele;

namespace dessin {

void dessinerContraintes(QPainter& p, const QRectF& cadre, const Section& section, const Etude& etude,
                         const std::optional<PointZY>& pointN) {
    static_cast<void>(etude);
    static_cast<void>(pointN);
    std::optional<Analyse> analyse;
    try {
        analyse = analyser(section);
    } catch (const plateforme::FauteArithmetique&) {
        analyse.reset();
    }
    dessinerSection(p, cadre, section, analyse);
}

} // namespace dessin
