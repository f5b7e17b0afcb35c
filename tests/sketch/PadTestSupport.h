// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PadSurface.h"
#include "SketchPad.h"

#include <QPoint>

namespace orvane::test {

// The pads of the tests are 400 pixels square with the default scale -10..10: world
// coordinates fall on whole pixels (20 per unit).
constexpr int PadPixels = 400;

inline QPoint pixelOf(float x, float y)
{
    return QPoint(int((x + 10) * 20), int((10 - y) * 20));
}

// A blank surface like the pad's, to replay the drawing a test expects.
inline PadSurface expectedSurface(const SketchPad& pad)
{
    PadSurface s;
    s.setBackColour(pad.surface().backColour());
    s.resize(QSize(PadPixels, PadPixels), pad.surface().devicePixelRatio());
    s.setFontSize(pad.surface().fontSize());
    return s;
}

} // namespace orvane::test
