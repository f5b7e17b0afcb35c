// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include <optional>

class QPainter;
class QPalette;
class QRect;

namespace orvane {

// Edge styles are sums of the platform's 3D edge flags.
enum EdgeFlag : int {
    EdgeNone = 0,
    EdgeRaisedOuter = 1,
    EdgeSunkenOuter = 2,
    EdgeRaisedInner = 4,
    EdgeSunkenInner = 8,
    EdgeRaised = EdgeRaisedOuter | EdgeRaisedInner, // 5
    EdgeSunken = EdgeSunkenOuter | EdgeSunkenInner, // 10
    EdgeEtched = EdgeSunkenOuter | EdgeRaisedInner, // 6
    EdgeBump = EdgeRaisedOuter | EdgeSunkenInner,   // 9
};

// The colours of the two one-pixel rings of an edge; an empty entry is not drawn.
// A style with only an inner flag draws its colours on the outer ring, and
// contradicting flags (raised and sunken on the same ring) leave that ring out.
struct EdgeColours {
    std::optional<QColor> outerTopLeft;
    std::optional<QColor> outerBottomRight;
    std::optional<QColor> innerTopLeft;
    std::optional<QColor> innerBottomRight;
};

EdgeColours edgeColours(int style, const QPalette& palette);

// Draws the edge `style` on all four sides of `rect`, pixel-exact: the top and left
// lines first, then the bottom and right lines over the whole side, so the
// bottom-left and top-right corners take the bottom-right colour.
void drawEdge(QPainter& painter, const QRect& rect, int style, const QPalette& palette);

} // namespace orvane
