#pragma once

// A drawing inside the note's pages (the section's, its mesh's, the stresses'): an object of the
// QTextDocument, painted with the preview's or the stresses window's function, as vectors on whatever
// device the pages go to.

#include <QFont>
#include <QObject>
#include <QRectF>
#include <QTextObjectInterface>
#include <functional>

namespace rapport {

// The drawing's size in the pages' units (pixels at 96 dpi): the full width of an A4 page's text (180 mm
// between margins of 15 mm), and 143 mm high.
inline constexpr int LargeurDessin = 680;
inline constexpr int HauteurDessin = 540;

// The drawing's text and the pages' footer: the windows' font, sized in the painter's units (pixels at
// 96 dpi), whatever the device's resolution.
QFont policeDessin();

// What paints a drawing inside its frame, in the painter's font.
using Peintre = std::function<void(QPainter&, const QRectF&)>;

class ObjetDessin final : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    explicit ObjetDessin(Peintre peintre);
    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat&) override;
    void drawObject(QPainter* p, const QRectF& rect, QTextDocument*, int, const QTextFormat&) override;

private:
    Peintre m_peintre;
};

} // namespace rapport
