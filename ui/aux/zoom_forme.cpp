#include "ui/aux/zoom_forme.h"

#include "platform/qt/controles.h"
#include "ui/commun/croquis.h"

using namespace modele;

using namespace Qt::StringLiterals;

namespace {

// Every sketch fills the same area; the drawing is centred in it.
constexpr plateforme::RectMm ZoneImage{2.1, 2.1, 114.3, 97.4};

} // namespace

ZoomForme::ZoomForme(const Section& section)
    : plateforme::FenetreSecondaire(u"ZoomForme"_s, u"Zoom des données à saisir"_s, 118.5, 101.6, true),
      m_section(section) {
    // One sketch per catalogue shape, the same drawings as the main window's.
    for (const CroquisForme& c : Croquis) {
        m_plan.ajouter({plateforme::Genre::Image, c.image.toString(), c.fichier.toString(), ZoneImage})
            ->hide();
    }
}

void ZoomForme::activer() {
    for (const FormeCatalogue& forme : Catalogue) {
        m_plan.widget(croquis(forme).image.toString())->setVisible(forme.nom == m_section.FormeSelectionnee);
    }
}
