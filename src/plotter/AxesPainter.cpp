// SPDX-License-Identifier: GPL-3.0-or-later
#include "AxesPainter.h"

#include "QtText.h"

namespace orvane::AxesPainter {

void printAt(Surface& surface, float x, float y, const QString& text, Colour colour)
{
    surface.setCurrentPoint({x, y});
    surface.setForeColour(colour);
    surface.printText(text);
}

void setWorldScale(Surface& surface, int axisSize)
{
    const auto s = static_cast<float>(axisSize);
    surface.setScale(-s, s, s, -s);
}

void drawAxes(Surface& surface, Colour colour, int axisSize, double padFontSize)
{
    const double s = axisSize;
    const int tickStep = axisSize > 15 ? 2 : 1;
    auto at = [](double x, double y) { return WorldPoint{float(x), float(y)}; };

    surface.setFontSize(90.0 * tickStep / s);
    surface.setPersistent(true);
    surface.setPenWidth(1);
    setWorldScale(surface, axisSize);

    // x axis with its arrowhead and name
    surface.line(at(-s, 0), at(s, 0), colour);
    surface.lineTo(at(0.95 * s, 0.05 * s), colour);
    surface.line(at(s, 0), at(0.95 * s, -0.05 * s), colour);
    surface.setForeColour(colour);
    surface.printText(QStringLiteral("x"));

    // y axis
    surface.line(at(0, -s), at(0, s), colour);
    surface.lineTo(at(0.05 * s, 0.95 * s), colour);
    surface.line(at(0, s), at(-0.05 * s, 0.95 * s), colour);
    surface.printText(QStringLiteral("y"));

    for (int i = 1 - axisSize; i <= axisSize - 1; i += tickStep) {
        surface.line(at(i, 0), at(i, 0.025 * s), colour);
        printAt(surface, float(i - 0.05 * s), float(-0.05 * s), leadingBlank(i), colour);
        surface.line(at(0, i), at(-0.025 * s, i), colour);
        // The origin carries one "0" only, below and left of it.
        if (i != 0) printAt(surface, float(-0.09 * s), float(i), leadingBlank(i), colour);
    }

    surface.setPenWidth(1);
    surface.setFontSize(padFontSize);
}

} // namespace orvane::AxesPainter
