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
    void dessiner(const modele::Section& section, const std::optional<modele::Analyse>& analyse,
                  const std::optional<modele::Plastique>& plastique);
    // The torsion's shear centre and mesh over the drawing (none: not shown).
    void montrerTorsion(std::optional<QPointF> c, std::vector<QLineF> maillage);
    // The central kern's vertices (Z, Y) over the drawing (none: not shown).
    void montrerNoyau(std::vector<QPointF> sommets);
    const dessin::Figure& figure() const { return m_figure; }
    // The drawing laid out at the widget's size: the labels placed once per figure and size.
    const dessin::Disposition& disposition() const { return m_disposition; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void disposer();

    dessin::Figure m_figure;
    dessin::Disposition m_disposition;
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
