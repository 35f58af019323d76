#include "rapport/objet_dessin.h"

#include "platform/qt/police.h"

#include <QPainter>

namespace rapport {

QFont policeDessin() {
    QFont f = plateforme::police();
    f.setPixelSize(11);
    return f;
}

ObjetDessin::ObjetDessin(Peintre peintre) : m_peintre(std::move(peintre)) {}

QSizeF ObjetDessin::intrinsicSize(QTextDocument*, int, const QTextFormat&) {
    return QSizeF(LargeurDessin, HauteurDessin);
}

void ObjetDessin::drawObject(QPainter* p, const QRectF& rect, QTextDocument*, int, const QTextFormat&) {
    p->save();
    p->setFont(policeDessin());
    m_peintre(*p, rect);
    p->restore();
}

} // namespace rapport
