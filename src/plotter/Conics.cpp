// SPDX-License-Identifier: GPL-3.0-or-later
#include "Conics.h"

#include "Colours.h"
#include "QtText.h"

#include <cmath>

namespace orvane {

namespace {

WorldPoint at(double x, double y)
{
    return {float(x), float(y)};
}

// Both parameter sweeps of the hyperbola: from -9 up to the centre, then from 9 down
// to it, 0.01 apart. Counting in hundredths keeps the values exact.
template <typename Plot> void hyperbolaSweep(double centre, Plot plot)
{
    for (long long k = -900;; ++k) {
        const double t = k / 100.0;
        if (t > centre) break;
        plot(t);
    }
    for (long long k = 900;; --k) {
        const double t = k / 100.0;
        if (t < centre) break;
        plot(t);
    }
}

// A view of the axis-size scroll bar (−S…S for a whole S): the conics are drawn as they
// always were there. A zoomed or panned view gets its auxiliary lines across its own
// window and the hyperbola's dots close enough to join.
bool classicView(const PlotView& view)
{
    const double h = view.halfWidth();
    return view.centreX() == 0 && view.centreY() == 0 && !view.piLabels() && h >= 6 && h <= 30 &&
           h == std::floor(h);
}

// The ends of a line across the view: `fixed` in a classic view, else the window and a
// little more.
std::pair<double, double> lineEnds(const Surface& s, bool alongX, double fixed)
{
    const PlotView& v = s.view();
    if (classicView(v)) return {-fixed, fixed};
    const double margin = 0.1 * v.halfWidth();
    return alongX ? std::pair{v.left() - margin, v.right() + margin}
                  : std::pair{v.bottom() - margin, v.top() + margin};
}

// The hyperbola's parameter over the window of a zoomed or panned view: the offset from the
// centre along the axis that crosses both branches, half a pixel apart on the pad (closer
// where the branches run flat).
template <typename Plot>
void hyperbolaSweepInView(const Surface& s, double centre, bool alongY, double slope, Plot plot)
{
    const PlotView& v = s.view();
    const PixelArea area = s.pixelArea();
    const double units = std::min(v.unitsPerPixelX(area), v.unitsPerPixelY(area));
    const double from = (alongY ? v.bottom() : v.left()) - centre - 0.1 * v.halfWidth();
    const double to = (alongY ? v.top() : v.right()) - centre + 0.1 * v.halfWidth();
    double step = 0.5 * units / std::max(1.0, std::fabs(slope));
    step = std::max(step, (to - from) / 200'000);
    for (double k = std::ceil(from / step); k * step <= to; ++k)
        plot(k * step);
}

} // namespace

QString conicRowText(const ConicParameters& p)
{
    const QString A = leadingBlank(p.a), B = leadingBlank(p.b), X = leadingBlank(p.x),
                  Y = leadingBlank(p.y);
    switch (p.kind) {
    case ConicKind::Circle:
        return "(x-" + A + ")^2+(y-" + B + ")^2=" + X + "^2";
    case ConicKind::Ellipse:
        return "(x-" + X + ")^2/" + A + "^2+(y-" + Y + ")^2/" + B + "^2=1";
    case ConicKind::Hyperbola:
        if (p.alongX) return "(x-" + X + ")^2/" + A + "^2-(y-" + Y + ")^2/" + B + "^2=1";
        return "-(x-" + X + ")^2/" + A + "^2+(y-" + Y + ")^2/" + B + "^2=1";
    }
    return {};
}

std::optional<ConicMessage> drawCircle(Surface& s, const ConicParameters& p, Colour c, int width)
{
    const double r = p.x;
    if (r < 0) return ConicMessage{QStringLiteral("圆的半径不能小于0"), {}, MessageIcon::None};
    s.setPenWidth(width);
    s.point(at(p.a, p.b), Magenta);
    s.circle(at(p.a, p.b), float(r), c);
    return std::nullopt;
}

std::optional<ConicMessage> drawEllipse(Surface& s, const ConicParameters& p, Colour c, int width,
                                        const HelpColorFn& helpColor)
{
    const double a = p.a, b = p.b, X = p.x, Y = p.y;
    // A zero or negative semi-axis has no ellipse to draw.
    if (!(a > 0) || !(b > 0)) return std::nullopt;
    s.setPenWidth(width);
    s.point(at(X, Y), c);
    if (a > b) {
        s.circle(at(X, Y), float(a), c, float(b / a));
        const double f = std::sqrt(a * a - b * b);
        if (p.directrices) {
            s.setPenWidth(1);
            const auto [y0, y1] = lineEnds(s, false, 10);
            for (const double x : {X + a * a / f, X - a * a / f})
                s.line(at(x, y1), at(x, y0), helpColor(c));
        }
        s.setPenWidth(2);
        s.line(at(X - f, Y - 0.1), at(X - f, Y + 0.1), helpColor(c));
        s.line(at(X + f, Y - 0.1), at(X + f, Y + 0.1), helpColor(c));
    } else {
        s.circle(at(X, Y), float(b), c, float(b / a));
        const double f = std::sqrt(b * b - a * a);
        if (p.directrices && f != 0) {
            s.setPenWidth(1);
            const auto [x0, x1] = lineEnds(s, true, 10);
            for (const double y : {Y + b * b / f, Y - b * b / f})
                s.line(at(x1, y), at(x0, y), helpColor(c));
        }
        s.setPenWidth(2);
        s.line(at(X - 0.1, Y + f), at(X + 0.1, Y + f), helpColor(c));
        s.line(at(X - 0.1, Y - f), at(X + 0.1, Y - f), helpColor(c));
    }
    return std::nullopt;
}

std::optional<ConicMessage> drawHyperbola(Surface& s, const ConicParameters& p, Colour c, int width,
                                          const HelpColorFn& helpColor)
{
    const double a = p.a, b = p.b, X = p.x, Y = p.y;
    s.setPenWidth(width);
    if (a == 0 || b == 0)
        return ConicMessage{QStringLiteral("错误：a,b不能等于0"), QStringLiteral("错误"),
                            MessageIcon::Error};
    s.point(at(X, Y), Magenta);
    const double h = std::sqrt(a * a + b * b);

    const auto dots = [&](double t) {
        if (p.alongX) {
            const double u = (a / b) * std::sqrt(t * t + b * b);
            s.point(at(X + u, Y + t), c);
            s.point(at(X - u, Y + t), c);
        } else {
            const double v = (b / a) * std::sqrt(t * t + a * a);
            s.point(at(X + t, Y + v), c);
            s.point(at(X + t, Y - v), c);
        }
    };
    if (classicView(s.view()))
        hyperbolaSweep(X, dots);
    else
        hyperbolaSweepInView(s, p.alongX ? Y : X, p.alongX, p.alongX ? a / b : b / a, dots);

    if (p.asymptotes) {
        s.setPenWidth(width);
        const double k = b / a;
        const auto [x0, x1] = lineEnds(s, true, 9);
        s.line(at(x0, Y + k * (x0 - X)), at(x1, Y + k * (x1 - X)), helpColor(c));
        s.line(at(x0, Y - k * (x0 - X)), at(x1, Y - k * (x1 - X)), helpColor(c));
    }
    if (p.directrices) {
        s.setPenWidth(1);
        if (p.alongX) {
            const auto [y0, y1] = lineEnds(s, false, 10);
            for (const double x : {X + a * a / h, X - a * a / h})
                s.line(at(x, y1), at(x, y0), helpColor(c));
        } else {
            const auto [x0, x1] = lineEnds(s, true, 10);
            for (const double y : {Y + b * b / h, Y - b * b / h})
                s.line(at(x1, y), at(x0, y), helpColor(c));
        }
    }
    if (p.alongX) {
        s.line(at(X - h, Y - 0.1), at(X - h, Y + 0.1), helpColor(c));
        s.line(at(X + h, Y - 0.1), at(X + h, Y + 0.1), helpColor(c));
    } else {
        s.setPenWidth(2);
        s.line(at(X - 0.1, Y + h), at(X + 0.1, Y + h), helpColor(c));
        s.line(at(X - 0.1, Y - h), at(X + 0.1, Y - h), helpColor(c));
    }
    return std::nullopt;
}

std::optional<ConicMessage> drawConic(Surface& s, const ConicParameters& p, Colour c, int width,
                                      const HelpColorFn& helpColor)
{
    switch (p.kind) {
    case ConicKind::Circle:
        return drawCircle(s, p, c, width);
    case ConicKind::Ellipse:
        return drawEllipse(s, p, c, width, helpColor);
    case ConicKind::Hyperbola:
        return drawHyperbola(s, p, c, width, helpColor);
    }
    return std::nullopt;
}

} // namespace orvane
