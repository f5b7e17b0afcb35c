// SPDX-License-Identifier: GPL-3.0-or-later
#include "PointsOfInterest.h"

#include "CompiledExpression.h"
#include "Engine.h"
#include "NumberText.h"

#include <boost/math/differentiation/finite_difference.hpp>
#include <boost/math/tools/minima.hpp>
#include <boost/math/tools/roots.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <exception>
#include <functional>
#include <limits>
#include <memory>

namespace orvane::PointsOfInterest {

namespace {

// A point this close to 0, against the size of the numbers around it, is 0: the
// refinement cannot tell it apart from 0 (sin(x) would otherwise show its root as 3E-63).
constexpr double ZeroShare = 1e-12;
// Two points of one kind closer than this (relative, at least 1) are one point.
constexpr double SamePoint = 1e-9;
// An extremum whose value jumps by more than this share of its depth right beside it
// sits on a pole or a jump, not on a turn of the curve.
constexpr double ContinuityShare = 0.05;
// A polished point may not be worse than the minimiser's by more than this share of
// the depth of the dip.
constexpr double PolishShare = 1e-6;
constexpr int PolishIterations = 100;
constexpr int ShownDigits = 12;

bool defined(double v)
{
    return v != ErrorValue && std::isfinite(v);
}

int signOf(double v)
{
    return (v > 0) - (v < 0);
}

double snapped(double v, double scale)
{
    return std::fabs(v) < ZeroShare * scale ? 0.0 : v;
}

struct Samples {
    double step = 0;
    std::vector<double> x;
    std::vector<double> v;
    double largest = 0; // the largest |f| among the defined samples
};

Samples sample(const Function& f, double min, double max, int count)
{
    Samples s;
    const int n = std::max(count, 2);
    s.step = (max - min) / n;
    s.x.resize(std::size_t(n) + 1);
    s.v.resize(std::size_t(n) + 1);
    for (int i = 0; i <= n; ++i) {
        const double x = i == n ? max : min + i * s.step;
        s.x[std::size_t(i)] = x;
        const double v = f(x);
        s.v[std::size_t(i)] = v;
        if (defined(v)) s.largest = std::max(s.largest, std::fabs(v));
    }
    return s;
}

// The slope of f at x, by a fourth-order central difference on the scale `scale`.
double slope(const Function& f, double x, double scale)
{
    bool ok = true;
    const auto g = [&](double t) {
        const double v = f(x + t * scale);
        ok = ok && defined(v);
        return v;
    };
    const double d =
        boost::math::differentiation::finite_difference_derivative<decltype(g), double, 4>(g, 0.0);
    return ok ? d / scale : std::numeric_limits<double>::quiet_NaN();
}

// The point near x0 (within [lo, hi]) where the slope of f changes sign, found to
// neighbouring doubles; x0 itself when there is none close by (a corner such as
// abs(x), a flat turn such as x^4 whose slope drowns in rounding).
double stationaryPoint(const Function& f, double x0, double lo, double hi, double step)
{
    const double scale = std::min(8 * step, std::max(1.0, std::fabs(x0)));
    const auto d = [&](double x) { return slope(f, x, scale); };
    for (double w = 1e-9 * std::max(1.0, std::fabs(x0)); w < hi - lo; w *= 8) {
        const double a = std::max(lo, x0 - w), b = std::min(hi, x0 + w);
        const double da = d(a), db = d(b);
        if (!std::isfinite(da) || !std::isfinite(db)) return x0;
        if (da == 0) return a;
        if (db == 0) return b;
        if (signOf(da) == signOf(db)) continue;
        try {
            std::uintmax_t iterations = PolishIterations;
            // Neighbouring doubles, or near 0 a share of the sample step far below what
            // the slope's rounding lets the root be placed to.
            const auto closeEnough = [step](double l, double r) {
                const double eps = std::numeric_limits<double>::epsilon();
                return r - l <=
                       std::max(4 * eps * std::max(std::fabs(l), std::fabs(r)), 1e-12 * step);
            };
            const auto bracket =
                boost::math::tools::toms748_solve(d, a, b, da, db, closeEnough, iterations);
            return bracket.first + (bracket.second - bracket.first) / 2;
        } catch (const std::exception&) {
            return x0; // the slope came back undefined inside the bracket
        }
    }
    return x0;
}

// A root where f keeps its sign on both sides (a double root) is a turn of f that
// touches 0: polished as a turning point, and kept when f stays as close to 0 there.
double polishRoot(const Function& f, double r, double min, double max, double step)
{
    const double left = f(r - step / 4), right = f(r + step / 4);
    if (!defined(left) || !defined(right) || left == 0 || right == 0 ||
        signOf(left) != signOf(right))
        return r;
    const double lo = std::max(min, r - step), hi = std::min(max, r + step);
    const double p = stationaryPoint(f, r, lo, hi, step);
    const double fp = f(p), fr = f(r);
    const double rim = std::max(std::fabs(left), std::fabs(right));
    if (!defined(fp) || std::fabs(fp) > std::max(std::fabs(fr), PolishShare * rim)) return r;
    return p;
}

std::vector<double> rootsOf(const Function& f, double min, double max, const Settings& settings,
                            double step, bool& unsure)
{
    RootScan::Settings scanSettings;
    scanSettings.finestStep = step;
    scanSettings.maxSteps = std::max(settings.samples, 2) + 1;
    const RootScan::Result scan = RootScan::scan(f, min, max, scanSettings);
    unsure = unsure || scan.mayBeIncomplete;
    std::vector<double> roots;
    for (double r : scan.roots)
        roots.push_back(polishRoot(f, r, min, max, step));
    return roots;
}

// How far from a turning point Brent's minimiser may stop: it compares values only, and
// near a turn they differ by the square of the distance, so it stops within about the
// square root of the precision: 2^-25 of x, and 2^-27 near 0 (Boost's tolerance for the
// most digits it allows), never more than the bracket.
double minimiserTolerance(double x, double a, double b)
{
    return std::min(2 * (std::ldexp(std::fabs(x), -25) + std::ldexp(1.0, -27)), (b - a) / 2);
}

// Golden-section search of the lowest g in [lo, hi] down to neighbouring doubles: for a
// corner (abs(x^3-1) at 1) the values fall off linearly, so comparisons go on telling
// points apart long after Brent's tolerance.
double sharpened(const std::function<double(double)>& g, double lo, double hi)
{
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double c = hi - ratio * (hi - lo), d = lo + ratio * (hi - lo);
    double gc = g(c), gd = g(d);
    for (int k = 0; k < 200 && lo < c && c < d && d < hi; ++k) {
        if (gc <= gd) {
            hi = d;
            d = c;
            gd = gc;
            c = hi - ratio * (hi - lo);
            gc = g(c);
        } else {
            lo = c;
            c = d;
            gc = gd;
            d = lo + ratio * (hi - lo);
            gd = g(d);
        }
    }
    return gc <= gd ? c : d;
}

// The extremum of f inside [a, b], whose samples show one: `sign` +1 for a minimum,
// -1 for a maximum. False when the dip turns out to be a pole or a jump.
bool turningPoint(const Function& f, double a, double b, int sign, double step, double& x,
                  double& y)
{
    const std::function<double(double)> g = [&](double t) {
        const double v = f(t);
        return defined(v) ? sign * v : std::numeric_limits<double>::infinity();
    };
    const double ga = g(a), gb = g(b);
    const auto [x0, g0] =
        boost::math::tools::brent_find_minima(g, a, b, std::numeric_limits<double>::digits);
    const double depth = std::min(ga, gb) - g0;
    if (!(depth > 0) || !(x0 > a && x0 < b)) return false;
    // A jump or a pole draws the minimiser to within its tolerance of itself: looked at
    // from a little further on either side, the values there are far from the extremum.
    const double tolerance = minimiserTolerance(x0, a, b);
    const double beside = std::min(30 * tolerance, (b - a) / 8);
    const double gl = g(x0 - beside), gr = g(x0 + beside);
    if (std::fabs(gl - g0) > ContinuityShare * depth ||
        std::fabs(gr - g0) > ContinuityShare * depth)
        return false;
    // A smooth turn: where the slope changes sign. Rounding makes values near the turn
    // differ by a few units of their last digit, so the polished point counts as good
    // unless clearly worse; a corner, where it is, is sharpened by comparisons instead.
    const double noise = 64 * std::numeric_limits<double>::epsilon() * std::fabs(g0);
    x = stationaryPoint(f, x0, a, b, step);
    if (!(g(x) <= g0 + noise))
        x = sharpened(g, std::max(a, x0 - 4 * tolerance), std::min(b, x0 + 4 * tolerance));
    if (!(g(x) <= g0 + noise)) x = x0;
    // A turn within the minimiser's reach of the y axis that is no worse there is on it
    // (x^4: its values near 0 are too flat to place the turn any closer).
    if (std::fabs(x) <= 4 * tolerance && a < 0 && 0 < b && g(0.0) <= g(x)) x = 0;
    y = f(x);
    return defined(y);
}

void addTurningPoints(const Function& f, const Samples& s, std::vector<Point>& points)
{
    const std::size_t n = s.v.size();
    for (std::size_t i = 1; i + 1 < n; ++i) {
        // A run of at most two equal samples with both neighbours on one side: a turn
        // that falls between two samples leaves two equal ones; a longer run is flat.
        std::size_t j = i;
        if (j + 1 < n && s.v[j + 1] == s.v[i]) ++j;
        if (j + 1 >= n) break;
        const double before = s.v[i - 1], v = s.v[i], after = s.v[j + 1];
        if (!defined(before) || !defined(v) || !defined(after)) continue;
        int sign = 0;
        if (v < before && v < after) sign = 1;
        if (v > before && v > after) sign = -1;
        if (sign == 0) continue;
        double x = 0, y = 0;
        if (turningPoint(f, s.x[i - 1], s.x[j + 1], sign, s.step, x, y))
            points.push_back({sign > 0 ? Kind::Minimum : Kind::Maximum, x, y, 0, {}});
        i = j;
    }
}

// By x, then kind; one point per kind where several searches found the same one.
void finish(std::vector<Point>& points, double xScale, double yScale)
{
    for (Point& p : points) {
        p.x = snapped(p.x, xScale);
        p.y = snapped(p.y, yScale);
    }
    std::sort(points.begin(), points.end(), [](const Point& a, const Point& b) {
        if (a.x != b.x) return a.x < b.x;
        if (a.kind != b.kind) return a.kind < b.kind;
        return a.otherCurve < b.otherCurve;
    });
    std::vector<Point> kept;
    for (Point& p : points) {
        const double near = SamePoint * std::max(1.0, std::fabs(p.x));
        bool repeated = false;
        for (auto q = kept.rbegin(); q != kept.rend() && p.x - q->x <= near && !repeated; ++q)
            repeated = q->kind == p.kind && q->otherCurve == p.otherCurve;
        if (repeated) continue;
        p.text = coordinatesText(p.x, p.y);
        kept.push_back(std::move(p));
    }
    points = std::move(kept);
}

// The value to 12 significant digits: the refinement leaves rounding noise in the last
// digits of a double, and a turning point at -1 must not read -1.00000000000009.
double shown(double v)
{
    if (!std::isfinite(v) || v == 0) return v;
    char text[40];
    const auto written =
        std::to_chars(text, text + sizeof text, v, std::chars_format::scientific, ShownDigits - 1);
    double rounded = v;
    std::from_chars(text, written.ptr, rounded);
    return rounded;
}

bool usable(double min, double max)
{
    return std::isfinite(min) && std::isfinite(max) && min < max && std::isfinite(max - min);
}

} // namespace

std::string coordinatesText(double x, double y)
{
    return "(" + NumberText::generalForm(shown(x)) + ", " + NumberText::generalForm(shown(y)) + ")";
}

Result ofCurve(const Function& f, double min, double max, const Settings& settings)
{
    Result result;
    if (!usable(min, max)) return result;
    const Samples s = sample(f, min, max, settings.samples);
    const std::vector<double> roots =
        rootsOf(f, min, max, settings, s.step, result.mayBeIncomplete);
    addTurningPoints(f, s, result.points);
    // A turn that touches the axis is the double root found beside it: one point, not
    // two a rounding apart.
    std::vector<double> sortedRoots = roots;
    std::sort(sortedRoots.begin(), sortedRoots.end());
    for (Point& p : result.points) {
        const double reach = 4 * minimiserTolerance(p.x, p.x - s.step, p.x + s.step);
        const auto from = std::lower_bound(sortedRoots.begin(), sortedRoots.end(), p.x - reach);
        const int sign = p.kind == Kind::Minimum ? 1 : -1;
        for (auto r = from; r != sortedRoots.end() && *r <= p.x + reach; ++r) {
            const double fr = f(*r);
            const double noise = 64 * std::numeric_limits<double>::epsilon() * std::fabs(p.y);
            if (defined(fr) && sign * fr <= sign * p.y + noise) {
                p.x = *r;
                p.y = 0;
                break;
            }
        }
    }
    for (double r : roots)
        result.points.push_back({Kind::Root, r, 0.0, 0, {}});
    if (min <= 0 && 0 <= max) {
        const double v = f(0);
        if (defined(v)) result.points.push_back({Kind::YAxisCrossing, 0.0, v, 0, {}});
    }
    finish(result.points, std::max(std::fabs(min), std::fabs(max)), s.largest);
    return result;
}

Result crossings(const Function& f, const Function& g, double min, double max,
                 const Settings& settings)
{
    Result result;
    if (!usable(min, max)) return result;
    const Function gap = [&f, &g](double x) {
        const double a = f(x);
        if (!defined(a)) return ErrorValue;
        const double b = g(x);
        return defined(b) ? a - b : ErrorValue;
    };
    const double step = (max - min) / std::max(settings.samples, 2);
    double yScale = 0;
    for (double r : rootsOf(gap, min, max, settings, step, result.mayBeIncomplete)) {
        const double y = f(r);
        if (!defined(y)) continue;
        yScale = std::max(yScale, std::fabs(y));
        result.points.push_back({Kind::CurveCrossing, r, y, 0, {}});
    }
    // The crossings' own heights are the only scale known here; the ones near 0 are
    // judged against the largest of them (and 1, so that a lone crossing at 1E-20 stays).
    finish(result.points, std::max(std::fabs(min), std::fabs(max)), std::max(1.0, yScale));
    return result;
}

Result forCurve(const std::vector<Function>& curves, std::size_t clicked, double min, double max,
                const Settings& settings)
{
    if (clicked >= curves.size()) return {};
    Result result = ofCurve(curves[clicked], min, max, settings);
    for (std::size_t k = 0; k < curves.size(); ++k) {
        if (k == clicked) continue;
        Result met = crossings(curves[clicked], curves[k], min, max, settings);
        result.mayBeIncomplete = result.mayBeIncomplete || met.mayBeIncomplete;
        for (Point& p : met.points) {
            p.otherCurve = k;
            result.points.push_back(std::move(p));
        }
    }
    std::stable_sort(
        result.points.begin(), result.points.end(),
        [](const Point& a, const Point& b) { return a.x != b.x ? a.x < b.x : a.kind < b.kind; });
    return result;
}

std::vector<Function> curveFunctions(const engine::Engine& engine,
                                     const std::vector<std::string>& texts)
{
    std::vector<Function> functions;
    for (const std::string& text : texts) {
        auto own = std::make_shared<engine::Engine>(engine);
        std::shared_ptr<const CompiledExpression> program = own->compile(text);
        functions.push_back([own, program](double x) { return own->evaluateAtX(*program, x); });
    }
    return functions;
}

} // namespace orvane::PointsOfInterest
