// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QIcon>

namespace orvane {

// The sketch windows' own images by their resource numbers: mode icons 3001 to 3007,
// tool icons 2001 to 2004, eraser cursors 900 to 930 and the status box cursor 990.
// The About button's icon has no number.
inline constexpr int AboutIconId = 0;

QIcon sketchIcon(int id);
// A null cursor (Qt::ArrowCursor) for an unknown number. Drawn for screens of `ratio`
// device pixels per logical pixel (default: the application's), so that on a high-
// density screen an eraser cursor still covers the area the eraser takes.
QCursor sketchCursor(int id, qreal ratio = 0);

} // namespace orvane
