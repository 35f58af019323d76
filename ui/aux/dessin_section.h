#pragma once

#include "dessin/dessin_section.h"
#include "model/analyse.h"
#include "model/section.h"

#include <QWidget>
#include <optional>

// The preview's drawing of the section to scale (dessin/dessin_section.h paints it).
class DessinSection final : public QWidget {
    Q_OBJECT
public:
    explicit DessinSection(QWidget* parent = nullptr);
    void dessiner(const modele::Section& section, const std::optional<modele::Analyse>& analyse);
    const dessin::Figure& figure() const { return m_figure; }
    // The length in mm of the scale bar as drawn at the widget's size, 0 with no drawing.
    double longueurEchelle() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    dessin::Figure m_figure;
};

// The drawing's legend, beside it.
class LegendeSection final : public QWidget {
    Q_OBJECT
public:
    LegendeSection(const DessinSection* dessin, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const DessinSection* m_dessin;
};
