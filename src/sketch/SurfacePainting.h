// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Surface.h"

#include <QPen>
#include <QPointF>
#include <QSizeF>

class QPainter;

namespace orvane {

// What the raster pad and the vector pictures share, so that both draw the same shapes.

// The position of a world point on an area of that size at the surface's scale.
QPointF worldToPixel(const Surface& surface, QSizeF area, WorldPoint p);

// World y units per pixel over world x units per pixel on that area.
float pixelAspectOfArea(const Surface& surface, QSizeF area);

QPen surfacePen(const Surface::Pen& pen);

// A dot as wide as the pen: one pixel for width 1, else a filled disc.
void paintDot(QPainter& painter, QPointF centre, const Surface::Pen& pen);

} // namespace orvane
