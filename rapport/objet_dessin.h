#pragma once

// The section's drawing inside the note's pages: an object of the QTextDocument, painted with the
// preview's function, as vectors on whatever device the pages go to.

#include "dessin/dessin_section.h"

#include <QFont>
#include <QObject>
#include <QTextObjectInterface>

namespace rapport {

// The drawing's size in the pages' units (pixels at 96 dpi): the full width of an A4 page's text (180 mm
// between margins of 15 mm), and 143 mm high.
inline constexpr int LargeurDessin = 680;
inline constexpr int HauteurDessin = 540;

// The drawing's text and the pages' footer: the windows' font, sized in the painter's units (pixels at
// 96 dpi), whatever the device's resolution.
QFont policeDessin();

class ObjetDessin final : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    explicit ObjetDessin(dessin::Figure figure);
    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat&) override;
    void drawObject(QPainter* p, const QRectF& rect, QTextDocument*, int, const QTextFormat&) override;

private:
    dessin::Figure m_figure;
};

} // namespace rapport
