// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colours.h"

#include <QColor>
#include <QImage>

namespace orvane::test {

// How many pixels of `image` have exactly the colour `colour` (0xBBGGRR).
inline int pixelsOf(const QImage& image, Colour colour)
{
    const QRgb wanted =
        QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)).rgb();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == wanted ? 1 : 0;
    return count;
}

} // namespace orvane::test
