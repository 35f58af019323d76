#pragma once

// The central kern over the section's drawing: a light fill of its own colour, hatched, and its outline,
// so that the material, the holes and the axes still show through it.

#include <QPointF>
#include <QRectF>
#include <vector>

class QPainter;

namespace dessin {

// The kern of vertices (Z, Y) in mm, the screen being origine - (Z, Y) x echelle; nothing when it has
// fewer than three vertices.
void dessinerNoyau(QPainter& p, const std::vector<QPointF>& sommets, QPointF origine, double echelle);
// Its mark in the legend, filling `place`.
void symboleNoyau(QPainter& p, const QRectF& place);

} // namespace dessin
