#include "ui/aux/dessin_section.h"

#include "platform/qt/police.h"

#include <QFontMetricsF>
#include <QPainter>

DessinSection::DessinSection(QWidget* parent) : QWidget(parent) {}

void DessinSection::dessiner(const modele::Section& section, const std::optional<modele::Analyse>& analyse,
                             const std::optional<modele::Plastique>& plastique) {
    m_figure = dessin::figure(section, analyse, plastique);
    disposer();
    update();
}

void DessinSection::montrerTorsion(std::optional<QPointF> c, std::vector<QLineF> maillage) {
    m_figure.c = c;
    m_figure.maillage = std::move(maillage);
    disposer();
    update();
}

void DessinSection::montrerNoyau(std::vector<QPointF> sommets) {
    m_figure.noyau = std::move(sommets);
    update();
}

void DessinSection::disposer() {
    m_disposition = dessin::disposer(m_figure, rect(), QFontMetricsF(plateforme::police()));
}

void DessinSection::resizeEvent(QResizeEvent*) {
    disposer();
}

void DessinSection::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(plateforme::police());
    dessin::dessinerSection(p, rect(), m_figure, m_disposition);
}

LegendeSection::LegendeSection(const DessinSection* dessin, QWidget* parent)
    : QWidget(parent), m_dessin(dessin) {}

void LegendeSection::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(plateforme::police());
    dessin::dessinerLegende(p, rect(), m_dessin->figure(), m_dessin->disposition().longueurEchelle);
}
