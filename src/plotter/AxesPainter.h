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

// Draws the axes of any view (the surface's scale is left as it is): arrowheads at the
// window's right and top edges, ticks and labels every tickStepX()/tickStepY(), in
// multiples of π/2 for a π view. An axis outside the window is not drawn; its labels
// then stay along the nearest edge. Labels are in 9-point type, the classic size of the
// default axis size.
void drawAxesInView(Surface& surface, Colour colour, const PlotView& view, double padFontSize);

// The label of the x tick `halves` × π/2: "0", "π/2", "π", "3π/2", "-π" …
QString piLabel(long long halves);

// Sets the user scale of the world square -S..S.
void setWorldScale(Surface& surface, int axisSize);

} // namespace orvane::AxesPainter
