// SPDX-License-Identifier: GPL-3.0-or-later
#include "AdaptiveSampler.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane {

namespace {

// A piece this short (pixels) is drawn as it is.
constexpr double ShortPiece = 2;
// A piece whose midpoint lies this close to its chord (pixels) is straight…
constexpr double StraightWithin = 0.5;
// … as long as it is no longer than this, so that a wave seen at its nodes is not taken
// for a line.
constexpr double LongestStraightPiece = 16;
// Below this width of the free variable (pixels) a piece is not halved any more just
// because it bends; it is only looked at for a jump.
constexpr double NarrowColumn = 0.5;
// Polar and parametric curves have no column: this many halvings stand for it.
constexpr int ParameterDepth = 12;
// A jump is narrowed at most this many times (down to the precision of a double).
constexpr int MaxNarrowing = 64;
// Samples of the free variable per pixel column that the smoothness may ask for at most;
// more could not be told apart on the pad.
constexpr double MostSamplesPerColumn = 8;
// Initial samples of a parameter range at least.
constexpr double ParameterSamples = 1024;
// The initial grid never holds more samples than this.
constexpr double MaxGridSamples = 4'000'000;

struct Sample {
    double t = 0;
    bool ok = false;
    double x = 0, y = 0;   // on the plane
    double sx = 0, sy = 0; // on the pad, in pixels
};

class Sampler {
public:
    Sampler(const CurveFunction& curve, const SamplingRequest& request, const PlotView& view,
            PixelArea area)
        : curve_(curve), request_(request), view_(view), area_(area),
          unitsX_(view.unitsPerPixelX(area)), unitsY_(view.unitsPerPixelY(area))
    {
    }

    SampledCurve run();

private:
    Sample at(double t);
    double gap(const Sample& a, const Sample& b) const
    {
        return std::hypot(a.sx - b.sx, a.sy - b.sy);
    }
    // Width of the piece along the free variable, in pixels (parameters: none).
    double freePixels(const Sample& a, const Sample& b) const;
    bool narrow(const Sample& a, const Sample& b, int depth) const
    {
        return request_.free == SamplingRequest::Free::Parameter ? depth >= ParameterDepth
                                                                 : freePixels(a, b) <= NarrowColumn;
    }
    bool outsideClip(const Sample& a, const Sample& b) const;
    bool insideClip(const Sample& s) const;
    bool budgetLeft() const { return result_.evaluations < budget_; }
    bool stopped()
    {
        if (!cancelled_ && request_.cancel && (result_.evaluations & 0x3FF) == 0 &&
            request_.cancel->load(std::memory_order_relaxed))
            cancelled_ = true;
        return cancelled_;
    }

    void refine(const Sample& a, const Sample& b, int depth);
    void domainEdge(const Sample& a, const Sample& b, int depth);
    void jumpOrSteep(const Sample& a, const Sample& m, const Sample& b);
    void segment(const Sample& a, const Sample& b);
    void breakPath();
    void thin();

    const CurveFunction& curve_;
    const SamplingRequest& request_;
    const PlotView& view_;
    PixelArea area_;
    double unitsX_;
    double unitsY_;
    double tEpsilon_ = 0;
    long long budget_ = 0;
    bool cancelled_ = false;
    // Whether the curve turned back within a pixel column in this grid step or the one
    // before: a curve that keeps doing so oscillates faster than the pixels can show.
    bool turnedBefore_ = false;
    bool turnedNow_ = false;
    PlotPath current_;
    SampledCurve result_;
};

Sample Sampler::at(double t)
{
    Sample s;
    s.t = t;
    ++result_.evaluations;
    const std::optional<PlotPoint> p = curve_(t);
    if (!p || !std::isfinite(p->x) || !std::isfinite(p->y)) return s;
    s.ok = true;
    s.x = p->x;
    s.y = p->y;
    s.sx = view_.pixelX(p->x, area_);
    s.sy = view_.pixelY(p->y, area_);
    return s;
}

double Sampler::freePixels(const Sample& a, const Sample& b) const
{
    const double width = std::fabs(b.t - a.t);
    switch (request_.free) {
    case SamplingRequest::Free::X:
        return width / unitsX_;
    case SamplingRequest::Free::Y:
        return width / unitsY_;
    case SamplingRequest::Free::Parameter:
        break;
    }
    return std::numeric_limits<double>::infinity();
}

bool Sampler::insideClip(const Sample& s) const
{
    return s.sx >= -ClipMarginPixels && s.sx <= area_.width + ClipMarginPixels &&
           s.sy >= -ClipMarginPixels && s.sy <= area_.height + ClipMarginPixels;
}

bool Sampler::outsideClip(const Sample& a, const Sample& b) const
{
    const double m = ClipMarginPixels;
    return std::max(a.sx, b.sx) < -m || std::min(a.sx, b.sx) > area_.width + m ||
           std::max(a.sy, b.sy) < -m || std::min(a.sy, b.sy) > area_.height + m;
}

SampledCurve Sampler::run()
{
    double from = request_.from;
    double to = request_.to;
    if (!std::isfinite(from) || !std::isfinite(to) || !(to > from)) return result_;
    double step = request_.samplesPerUnit > 0 ? 1 / request_.samplesPerUnit : 1;
    switch (request_.free) {
    case SamplingRequest::Free::X:
    case SamplingRequest::Free::Y: {
        // Only what the window shows (and a margin) is sampled.
        const bool alongX = request_.free == SamplingRequest::Free::X;
        const double units = alongX ? unitsX_ : unitsY_;
        const double low = (alongX ? view_.left() : view_.bottom()) - ClipMarginPixels * units;
        const double high = (alongX ? view_.right() : view_.top()) + ClipMarginPixels * units;
        from = std::max(from, low);
        to = std::min(to, high);
        step = std::clamp(step, units / MostSamplesPerColumn, units);
        break;
    }
    case SamplingRequest::Free::Parameter:
        step = std::min(step, (to - from) / ParameterSamples);
        break;
    }
    if (!(to > from)) return result_;
    step = niceStepAtMost(std::max(step, (to - from) / MaxGridSamples));
    tEpsilon_ = (to - from) * 1e-12;

    // The grid lies on whole multiples of a 1–2–5 step, so that integers and short
    // decimals (where a hole or a jump is likely) are sampled exactly.
    const double reciprocal = step < 1 ? std::round(1 / step) : 0;
    const auto gridValue = [&](double k) { return reciprocal > 0 ? k / reciprocal : k * step; };
    const double first = std::ceil(from / step);
    const double last = std::floor(to / step);
    budget_ = (long long)(std::max(0.0, last - first) * 24) + 200'000;

    Sample previous = at(from);
    // Rise of the last grid step along the dependent axis, and whether it turned back
    // against the step before (both long).
    double lastRise = 0;
    bool lastFlip = false;
    const bool columns = request_.free != SamplingRequest::Free::Parameter;
    const auto advance = [&](double t) {
        if (!(t > previous.t) || t > to) return;
        const Sample next = at(t);
        const double rise = request_.free == SamplingRequest::Free::X ? next.sy - previous.sy
                                                                      : next.sx - previous.sx;
        const bool both = previous.ok && next.ok;
        const bool flip = both && std::fabs(rise) > LongestStraightPiece &&
                          std::fabs(lastRise) > LongestStraightPiece && rise * lastRise < 0;
        if (columns && flip && lastFlip) {
            // Long steps turning back and forth, step after step: the curve oscillates
            // faster than the grid, which is finer than a pixel column here. Halving
            // would only find more of the same; the samples are drawn as they are.
            segment(previous, next);
        } else {
            turnedNow_ = false;
            refine(previous, next, 0);
            turnedBefore_ = turnedNow_;
        }
        lastFlip = flip;
        lastRise = both ? rise : 0;
        previous = next;
    };
    for (double k = first; k <= last && !stopped(); ++k)
        advance(gridValue(k));
    advance(to);
    breakPath();
    thin();
    result_.cancelled = cancelled_;
    if (cancelled_) result_.paths.clear();
    return result_;
}

void Sampler::refine(const Sample& a, const Sample& b, int depth)
{
    if (stopped()) return;
    if (!a.ok && !b.ok) {
        // A short defined stretch between two undefined grid samples gets one look.
        if (depth == 0 && budgetLeft()) {
            const Sample m = at(a.t + (b.t - a.t) / 2);
            if (m.ok) {
                refine(a, m, 1);
                refine(m, b, 1);
                return;
            }
        }
        breakPath();
        return;
    }
    if (!a.ok || !b.ok) {
        domainEdge(a, b, depth);
        return;
    }
    if (outsideClip(a, b)) {
        breakPath();
        return;
    }
    const double length = gap(a, b);
    const double mid = a.t + (b.t - a.t) / 2;
    if (length <= ShortPiece || !budgetLeft() || !(mid > a.t && mid < b.t)) {
        segment(a, b);
        return;
    }
    const Sample m = at(mid);
    if (!m.ok) {
        refine(a, m, depth + 1);
        refine(m, b, depth + 1);
        return;
    }
    if (length <= LongestStraightPiece) {
        // Distance of the midpoint from the chord, where it must lie within half a pixel
        // and lies well inside it (a pole or a turn between nearly upright ends can put
        // the midpoint on the chord too).
        const double cross = (b.sx - a.sx) * (m.sy - a.sy) - (b.sy - a.sy) * (m.sx - a.sx);
        const double along =
            ((b.sx - a.sx) * (m.sx - a.sx) + (b.sy - a.sy) * (m.sy - a.sy)) / (length * length);
        if (std::fabs(cross) / length <= StraightWithin && along >= 0.1 && along <= 0.9) {
            segment(a, m);
            segment(m, b);
            return;
        }
    }
    if (narrow(a, b, depth)) {
        jumpOrSteep(a, m, b);
        return;
    }
    refine(a, m, depth + 1);
    refine(m, b, depth + 1);
}

// One end defined, the other not: the edge of the domain is narrowed until it lies
// within an eighth of a pixel and the defined side has settled within half a pixel (or
// left the window: a branch growing without bound runs on past the edge).
void Sampler::domainEdge(const Sample& a, const Sample& b, int depth)
{
    const bool leftDefined = a.ok;
    Sample defined = leftDefined ? a : b;
    Sample undefined = leftDefined ? b : a;
    double moved = std::numeric_limits<double>::infinity();
    for (int i = 0; i < MaxNarrowing && !stopped(); ++i) {
        const bool closeEnough = request_.free == SamplingRequest::Free::Parameter
                                     ? std::fabs(undefined.t - defined.t) <= tEpsilon_
                                     : freePixels(defined, undefined) <= 0.125;
        if (closeEnough && (moved <= StraightWithin || !insideClip(defined))) break;
        const double mid = defined.t + (undefined.t - defined.t) / 2;
        if (mid == defined.t || mid == undefined.t) break;
        const Sample c = at(mid);
        if (c.ok) {
            moved = gap(defined, c);
            defined = c;
        } else {
            undefined = c;
        }
    }
    if (leftDefined) {
        if (defined.t != a.t) refine(a, defined, depth + 1);
        breakPath();
    } else {
        breakPath();
        if (defined.t != b.t) refine(defined, b, depth + 1);
    }
}

// A piece too narrow to halve further that is still long: either the curve climbs
// steeply there or it jumps. The half with the larger rise is halved on until that rise
// shrinks below a pixel (steep: drawn through the midpoint) or the precision of the free
// variable runs out (a jump or a pole: the path breaks there and each side is drawn up
// to the place).
void Sampler::jumpOrSteep(const Sample& a, const Sample& m, const Sample& b)
{
    const double left = gap(a, m);
    const double right = gap(m, b);
    // A turn between upright ends is either a pole or an oscillation; one that follows
    // another turn in the neighbouring column is an oscillation, drawn through its samples
    // (a pole has a smooth curve on either side).
    if (request_.free != SamplingRequest::Free::Parameter) {
        const bool alongX = request_.free == SamplingRequest::Free::X;
        const double rise1 = alongX ? m.sy - a.sy : m.sx - a.sx;
        const double rise2 = alongX ? b.sy - m.sy : b.sx - m.sx;
        if (rise1 * rise2 < 0) {
            const bool oscillates = turnedBefore_ || turnedNow_;
            turnedNow_ = true;
            if (oscillates) {
                segment(a, m);
                segment(m, b);
                return;
            }
        }
    }
    Sample lo = left >= right ? a : m;
    Sample hi = left >= right ? m : b;
    for (int i = 0; i < MaxNarrowing && !stopped(); ++i) {
        if (gap(lo, hi) <= 1) {
            segment(a, m);
            segment(m, b);
            return;
        }
        const double mid = lo.t + (hi.t - lo.t) / 2;
        if (!(mid > lo.t && mid < hi.t)) break;
        const Sample c = at(mid);
        if (!c.ok) break; // an undefined point: the path breaks there as well
        // A sample well between the two sides: the curve passes through at this scale (a
        // pole puts it beyond one side, a jump onto one side).
        const double toLo = gap(lo, c);
        const double toHi = gap(c, hi);
        if (toLo > 1 && toHi > 1 && toLo + toHi <= 1.05 * gap(lo, hi)) {
            segment(a, m);
            segment(m, b);
            return;
        }
        if (toLo >= toHi)
            hi = c;
        else
            lo = c;
    }
    segment(a, lo);
    breakPath();
    segment(hi, b);
}

void Sampler::segment(const Sample& a, const Sample& b)
{
    // Liang–Barsky against the window and its margin, in pixels.
    const double m = ClipMarginPixels;
    const double dx = b.sx - a.sx;
    const double dy = b.sy - a.sy;
    double t0 = 0;
    double t1 = 1;
    const auto edge = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double r = q / p;
        if (p < 0) {
            if (r > t1) return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0) return false;
            t1 = std::min(t1, r);
        }
        return true;
    };
    if (!edge(-dx, a.sx + m) || !edge(dx, area_.width + m - a.sx) || !edge(-dy, a.sy + m) ||
        !edge(dy, area_.height + m - a.sy)) {
        breakPath();
        return;
    }
    // A clipped end lies on the margin's edge; the clamp takes away the rounding of a
    // far end (a pole's value may be 1e16).
    const auto along = [&](double s) {
        const double mx = m * unitsX_;
        const double my = m * unitsY_;
        return PlotPoint{std::clamp(a.x + s * (b.x - a.x), view_.left() - mx, view_.right() + mx),
                         std::clamp(a.y + s * (b.y - a.y), view_.bottom() - my, view_.top() + my)};
    };
    const PlotPoint start = t0 > 0 ? along(t0) : PlotPoint{a.x, a.y};
    const PlotPoint end = t1 < 1 ? along(t1) : PlotPoint{b.x, b.y};
    if (t0 > 0 || current_.empty() || !(current_.back() == start)) {
        breakPath();
        current_.push_back(start);
    }
    if (!(end == current_.back())) current_.push_back(end);
    if (t1 < 1) breakPath();
}

void Sampler::breakPath()
{
    if (current_.size() >= 2) result_.paths.push_back(std::move(current_));
    current_.clear();
}

// Samples that add nothing to the picture are dropped. Along a free x (or y) the samples
// falling in one pixel column keep only the first, the lowest, the highest and the last:
// the same pixels are inked. Elsewhere a sample closer than half a pixel to the one kept
// before it goes. The ends of each path stay.
void Sampler::thin()
{
    const bool alongX = request_.free == SamplingRequest::Free::X;
    const bool columns = request_.free != SamplingRequest::Free::Parameter;
    const auto column = [&](const PlotPoint& p) {
        return std::floor(alongX ? view_.pixelX(p.x, area_) : view_.pixelY(p.y, area_));
    };
    const auto height = [&](const PlotPoint& p) { return alongX ? p.y : p.x; };
    for (PlotPath& path : result_.paths) {
        PlotPath kept;
        kept.reserve(path.size());
        if (columns) {
            for (std::size_t first = 0; first < path.size();) {
                std::size_t last = first;
                std::size_t low = first, high = first;
                const double c = column(path[first]);
                while (last + 1 < path.size() && column(path[last + 1]) == c) {
                    ++last;
                    if (height(path[last]) < height(path[low])) low = last;
                    if (height(path[last]) > height(path[high])) high = last;
                }
                for (std::size_t i : {first, std::min(low, high), std::max(low, high), last})
                    if (kept.empty() || !(kept.back() == path[i])) kept.push_back(path[i]);
                first = last + 1;
            }
            path = std::move(kept);
            continue;
        }
        for (std::size_t i = 0; i < path.size(); ++i) {
            if (!kept.empty() && i + 1 < path.size()) {
                const double dx = (path[i].x - kept.back().x) / unitsX_;
                const double dy = (path[i].y - kept.back().y) / unitsY_;
                if (dx * dx + dy * dy < StraightWithin * StraightWithin) continue;
            }
            kept.push_back(path[i]);
        }
        path = std::move(kept);
    }
}

} // namespace

SampledCurve sampleCurve(const CurveFunction& curve, const SamplingRequest& request,
                         const PlotView& view, PixelArea area)
{
    return Sampler(curve, request, view, area).run();
}

} // namespace orvane
