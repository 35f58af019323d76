#include "rapport/objet_dessin.h"

#include "platform/qt/police.h"

#include <QPainter>

namespace rapport {

QFont policeDessin() {
    QFont f = plateforme::police();
    f.setPixelSize(11);
    return f;
}

ObjetDessin::ObjetDessin(dessin::Figure figure) : m_figure(std::move(figure)) {}

QSizeF ObjetDessin::intrinsicSize(QTextDocument*, int, const QTextFormat&) {
    return QSizeF(LargeurDessin, HauteurDessin);
}

void ObjetDessin::drawObject(QPainter* p, const QRectF& rect, QTextDocument*, int, const QTextFormat&) {
    p->save();
    p->setFont(policeDessin());
    dessin::dessinerSection(*p, rect, m_figure);
    p->restore();
}

} // namespace rapport
