// SPDX-License-Identifier: GPL-3.0-or-later
#include "AxesPainter.h"

#include "QtText.h"

#include <algorithm>
#include <cmath>

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

QString piLabel(long long halves)
{
    if (halves == 0) return QStringLiteral("0");
    const QString sign = halves < 0 ? QStringLiteral("-") : QString();
    const long long n = halves < 0 ? -halves : halves;
    const QString pi = QStringLiteral("π");
    if (n % 2 == 0) return sign + (n == 2 ? QString() : integerText(n / 2)) + pi;
    return sign + (n == 1 ? QString() : integerText(n)) + pi + QStringLiteral("/2");
}

void drawAxesInView(Surface& surface, Colour colour, const PlotView& view, double padFontSize)
{
    constexpr double LabelPoints = 9;
    constexpr double Pi = 3.14159265358979323846;
    const double h = view.halfWidth();
    auto at = [](double x, double y) { return WorldPoint{float(x), float(y)}; };

    surface.setFontSize(LabelPoints);
    surface.setPersistent(true);
    surface.setPenWidth(1);
    surface.setForeColour(colour);

    const bool xAxisShown = view.bottom() < 0 && 0 < view.top();
    const bool yAxisShown = view.left() < 0 && 0 < view.right();
    // Where ticks and labels go: on the axis, or along the edge nearest to it.
    const double xAxisY = std::clamp(0.0, view.bottom() + 0.1 * h, view.top());
    const double yAxisX = std::clamp(0.0, view.left() + 0.1 * h, view.right());

    if (xAxisShown) {
        surface.line(at(view.left(), 0), at(view.right(), 0), colour);
        surface.lineTo(at(view.right() - 0.05 * h, 0.05 * h), colour);
        surface.line(at(view.right(), 0), at(view.right() - 0.05 * h, -0.05 * h), colour);
        surface.printText(QStringLiteral("x"));
    }
    if (yAxisShown) {
        surface.line(at(0, view.bottom()), at(0, view.top()), colour);
        surface.lineTo(at(0.05 * h, view.top() - 0.05 * h), colour);
        surface.line(at(0, view.top()), at(-0.05 * h, view.top() - 0.05 * h), colour);
        surface.printText(QStringLiteral("y"));
    }

    // The arrowheads keep a tick's width free at the ends, as in the classic axes.
    const double stepX = view.tickStepX();
    for (double k = std::ceil(view.left() / stepX); k * stepX < view.right() - 0.06 * h; ++k) {
        const double x = k * stepX;
        surface.line(at(x, xAxisY), at(x, xAxisY + 0.025 * h), colour);
        const QString label =
            view.piLabels() ? piLabel((long long)std::llround(x / (Pi / 2))) : leadingBlank(x);
        printAt(surface, float(x - 0.05 * h), float(xAxisY - 0.05 * h), label, colour);
    }
    const double stepY = view.tickStepY();
    for (double k = std::ceil(view.bottom() / stepY); k * stepY < view.top() - 0.06 * h; ++k) {
        const double y = k * stepY;
        surface.line(at(yAxisX, y), at(yAxisX - 0.025 * h, y), colour);
        // The origin carries one "0" only, that of the x axis.
        if (k != 0 || !xAxisShown)
            printAt(surface, float(yAxisX - 0.09 * h), float(y), leadingBlank(y), colour);
    }

    surface.setPenWidth(1);
    surface.setFontSize(padFontSize);
}

} // namespace orvane::AxesPainter
