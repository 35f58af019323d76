#include "ui/aux/zoom_forme.h"

#include "model/catalogue.h"
#include "platform/qt/controles.h"

using namespace Qt::StringLiterals;

namespace {

// Every sketch fills the same area; the drawing is centred in it.
constexpr plateforme::RectMm ZoneImage{2.1, 2.1, 114.3, 97.4};

QString texte(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

ZoomForme::ZoomForme(const Section& section)
    : plateforme::FenetreSecondaire(u"ZoomForme"_s, u"Zoom des données à saisir"_s, 118.5, 101.6, true),
      m_section(section) {
    // One sketch per catalogue shape, the same drawings as the main window's.
    for (const FormeCatalogue& forme : Catalogue) {
        m_plan.ajouter({plateforme::Genre::Image, texte(forme.image), texte(forme.fichier), ZoneImage})
            ->hide();
    }
}

void ZoomForme::activer() {
    for (const FormeCatalogue& forme : Catalogue) {
        m_plan.widget(texte(forme.image))->setVisible(forme.nom == m_section.FormeSelectionnee);
    }
}
