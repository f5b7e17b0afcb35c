// SPDX-License-Identifier: GPL-3.0-or-later
#include "EdgeStyle.h"

#include "SystemColours.h"

#include <QPainter>
#include <QPalette>
#include <QRect>

namespace orvane {

namespace {

std::optional<QColor> colourOf(SystemColour index, const QPalette& palette)
{
    return translateColour(systemColour(index), palette);
}

// Colours of one ring for the two flag bits that describe it (1 raised, 2 sunken).
std::pair<std::optional<QColor>, std::optional<QColor>>
ringColours(int bits, SystemColour raisedTopLeft, SystemColour raisedBottomRight,
            SystemColour sunkenTopLeft, SystemColour sunkenBottomRight, const QPalette& palette)
{
    switch (bits) {
    case 1:
        return {colourOf(raisedTopLeft, palette), colourOf(raisedBottomRight, palette)};
    case 2:
        return {colourOf(sunkenTopLeft, palette), colourOf(sunkenBottomRight, palette)};
    default:
        return {};
    }
}

void drawRing(QPainter& painter, const QRect& r, const std::optional<QColor>& topLeft,
              const std::optional<QColor>& bottomRight)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    if (topLeft) {
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), *topLeft);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), *topLeft);
    }
    if (bottomRight) {
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), *bottomRight);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), *bottomRight);
    }
}

} // namespace

EdgeColours edgeColours(int style, const QPalette& palette)
{
    using S = SystemColour;
    const int outerBits = style & 3;
    const int innerBits = (style >> 2) & 3;
    EdgeColours colours;
    const auto inner = ringColours(innerBits, S::ButtonHighlight, S::ButtonShadow, S::DarkShadow3D,
                                   S::Light3D, palette);
    if (outerBits == 0) {
        // A lone inner edge is drawn where the outer one would be.
        std::tie(colours.outerTopLeft, colours.outerBottomRight) = inner;
        return colours;
    }
    std::tie(colours.outerTopLeft, colours.outerBottomRight) = ringColours(
        outerBits, S::Light3D, S::DarkShadow3D, S::ButtonShadow, S::ButtonHighlight, palette);
    if (colours.outerTopLeft)
        std::tie(colours.innerTopLeft, colours.innerBottomRight) = inner;
    return colours;
}

void drawEdge(QPainter& painter, const QRect& rect, int style, const QPalette& palette)
{
    const EdgeColours colours = edgeColours(style, palette);
    drawRing(painter, rect, colours.outerTopLeft, colours.outerBottomRight);
    drawRing(painter, rect.adjusted(1, 1, -1, -1), colours.innerTopLeft,
             colours.innerBottomRight);
}

} // namespace orvane
