// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Surface.h"

namespace orvane::AxesPainter {

// Sets the current point, the fore colour, and prints the text there.
void printAt(Surface& surface, float x, float y, const QString& text, Colour colour);

// Draws the coordinate axes of the world square -S..S with arrowheads, ticks and
// labels in `colour`; drawing them in the background colour erases them. The pad's
// font size is set back to `padFontSize` afterwards.
void drawAxes(Surface& surface, Colour colour, int axisSize, double padFontSize);

// Sets the user scale of the world square -S..S.
void setWorldScale(Surface& surface, int axisSize);

} // namespace orvane::AxesPainter
