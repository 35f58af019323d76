#pragma once

#include "model/analyse.h"
#include "model/section.h"

#include <QPointF>
#include <QWidget>
#include <optional>
#include <vector>

// The section drawn to scale: solids in red, holes cut out with a dashed outline, element numbers,
// the origin O with Z to the left and Y up, G with its centroidal axes, the principal axes when the
// product of inertia is not 0, and a scale bar in mm.
class DessinSection final : public QWidget {
    Q_OBJECT
public:
    explicit DessinSection(QWidget* parent = nullptr);
    void dessiner(const modele::Section& section, const std::optional<modele::Analyse>& analyse);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    struct ElementDessine {
        int numero = 0;
        bool solide = true;
        std::vector<QPointF> contour; // (Z, Y) in mm
        QPointF centre;
    };
    std::vector<ElementDessine> m_elements;
    QPointF m_g;
    bool m_aG = false;
    std::optional<double> m_alpha; // degrees, when the principal axes differ from Gz, Gy
};
