#include "ui/aux/dessin_section.h"

#include "platform/qt/police.h"

#include <QPainter>

DessinSection::DessinSection(QWidget* parent) : QWidget(parent) {}

void DessinSection::dessiner(const modele::Section& section, const std::optional<modele::Analyse>& analyse) {
    m_figure = dessin::figure(section, analyse);
    update();
}

void DessinSection::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(plateforme::police());
    dessin::dessinerSection(p, rect(), m_figure);
}
