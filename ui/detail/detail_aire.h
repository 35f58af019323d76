#pragma once

// The area detail window: one row per element (number, area as mantissa, E and exponent), the total
// below. Double-clicking an element's area explains how it was computed; clicking the total shows it
// in mm², cm² and m². Ctrl+C copies the table.
//
// The explanation of an element's area and the total area in three units are shared with the centroid
// windows, which show the same area column.

#include "model/section.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/plan.h"
#include "platform/qt/presse_papiers.h"

#include <QString>
#include <array>
#include <optional>

namespace plateforme {
class Etiquette;
}

namespace detailAire {

// How element k's area was obtained (two lines), or nothing when k is above the element count or
// the shape is not one of the catalogue's.
std::optional<QString> explicationAire(const modele::Section& section, int k);

// The total area in mm², cm² and m², three lines: the first starts with `premierPrefixe`, the other
// two with thirteen spaces, "=" and a space.
QString aireTroisUnites(const QString& premierPrefixe, double aire);

} // namespace detailAire

class DetailAire final : public plateforme::FenetreSecondaire {
    Q_OBJECT
public:
    explicit DetailAire(const modele::Section& section);

    void activer() override;

private:
    struct Ligne {
        plateforme::Etiquette* numero = nullptr;
        plateforme::Etiquette* mantisse = nullptr;
        plateforme::Etiquette* e = nullptr;
        plateforme::Etiquette* puissance = nullptr;
    };

    void expliquerAire(int k);
    void montrerTotal();
    // What Ctrl+C copies: the headings, one row per element, the total.
    plateforme::Tableau tableau() const;

    const modele::Section& m_section;
    plateforme::Plan m_plan;
    std::array<Ligne, modele::Section::MaxElements> m_lignes{};
};
