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

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    dessin::Figure m_figure;
};
