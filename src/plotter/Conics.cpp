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
            for (const double x : {X + a * a / f, X - a * a / f})
                s.line(at(x, 10), at(x, -10), helpColor(c));
        }
        s.setPenWidth(2);
        s.line(at(X - f, Y - 0.1), at(X - f, Y + 0.1), helpColor(c));
        s.line(at(X + f, Y - 0.1), at(X + f, Y + 0.1), helpColor(c));
    } else {
        s.circle(at(X, Y), float(b), c, float(b / a));
        const double f = std::sqrt(b * b - a * a);
        if (p.directrices && f != 0) {
            s.setPenWidth(1);
            for (const double y : {Y + b * b / f, Y - b * b / f})
                s.line(at(10, y), at(-10, y), helpColor(c));
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

    hyperbolaSweep(X, [&](double t) {
        if (p.alongX) {
            const double u = (a / b) * std::sqrt(t * t + b * b);
            s.point(at(X + u, Y + t), c);
            s.point(at(X - u, Y + t), c);
        } else {
            const double v = (b / a) * std::sqrt(t * t + a * a);
            s.point(at(X + t, Y + v), c);
            s.point(at(X + t, Y - v), c);
        }
    });

    if (p.asymptotes) {
        s.setPenWidth(width);
        const double k = b / a;
        s.line(at(-9, Y + k * (-9 - X)), at(9, Y + k * (9 - X)), helpColor(c));
        s.line(at(-9, Y - k * (-9 - X)), at(9, Y - k * (9 - X)), helpColor(c));
    }
    if (p.directrices) {
        s.setPenWidth(1);
        if (p.alongX) {
            for (const double x : {X + a * a / h, X - a * a / h})
                s.line(at(x, 10), at(x, -10), helpColor(c));
        } else {
            for (const double y : {Y + b * b / h, Y - b * b / h})
                s.line(at(10, y), at(-10, y), helpColor(c));
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
