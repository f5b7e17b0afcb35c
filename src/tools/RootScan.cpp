// SPDX-License-Identifier: GPL-3.0-or-later
#include "RootScan.h"

#include "CompiledExpression.h"

#include <algorithm>
#include <cmath>

namespace orvane::RootScan {

namespace {

// A crossing is a root when narrowing it shrank the values by at least this factor
// (a continuous root shrinks them to rounding noise; a pole or a jump does not).
constexpr double CrossingShrink = 1e-6;
// A dip touches zero when its lowest value is this small against its rim.
constexpr double TouchShrink = 1e-6;
// A border of the domain is a root when the values there vanish like this.
constexpr double BorderShrink = 1e-3;
// Below this a value would show as 0.00: a dip this low that does not touch zero
// leaves the scan unsure.
constexpr double NearZero = 0.005;
constexpr int MaxHalvings = 200;
// Roots closer than this (relative to their size, at least 1) are one root found
// twice, such as a double root whose rounding noise dips below zero on both sides.
constexpr double SameRoot = 1e-6;

bool defined(double v)
{
    return v != ErrorValue && std::isfinite(v);
}

int signOf(double v)
{
    return (v > 0) - (v < 0);
}

class Scanner {
public:
    Scanner(const Function& f, double min, double max, const Settings& settings)
        : f_(f), min_(min), max_(max), settings_(settings)
    {
    }

    Result run();

private:
    double position(long i) const { return i == steps_ ? max_ : min_ + double(i) * step_; }
    void markFlatRuns();
    void examine(long i);
    void narrowCrossing(double lo, double flo, double hi, double fhi);
    // `sign` is the sign of f at the rim; a dip that starts at a root of its own
    // (`judged` false) is searched for crossings only.
    void searchDip(double a, double fa, double b, double fb, int sign, bool judged);
    void locateBorder(double inside, double fInside, double outside);
    void add(double x);
    bool full() const { return long(found_.size()) >= settings_.maxRoots; }

    const Function& f_;
    double min_, max_;
    Settings settings_;
    long steps_ = 0;
    double step_ = 0;
    std::vector<double> values_;
    std::vector<bool> flat_; // inside a run of three or more samples that are exactly 0
    std::vector<double> found_;
    bool unsure_ = false;
};

Result Scanner::run()
{
    if (!(min_ <= max_) || !std::isfinite(min_) || !std::isfinite(max_)) return {};
    const double width = max_ - min_;
    if (!std::isfinite(width)) return {{}, true}; // beyond any sampling
    const double wanted = std::ceil(width / settings_.finestStep);
    steps_ = wanted <= settings_.maxSteps ? long(wanted) : settings_.maxSteps;
    unsure_ = wanted > settings_.maxSteps;
    step_ = steps_ > 0 ? width / double(steps_) : 0;
    values_.resize(std::size_t(steps_ + 1));
    bool anyDefined = false;
    for (long i = 0; i <= steps_; ++i) {
        values_[std::size_t(i)] = f_(position(i));
        anyDefined = anyDefined || defined(values_[std::size_t(i)]);
    }
    if (!anyDefined) unsure_ = true;
    markFlatRuns();
    for (long i = 0; i <= steps_ && !full(); ++i)
        examine(i);

    std::sort(found_.begin(), found_.end());
    Result result;
    for (std::size_t k = 0; k < found_.size(); ++k) {
        const double x = found_[k];
        if (!result.roots.empty() &&
            x - result.roots.back() <= SameRoot * std::max(1.0, std::fabs(x)))
            continue;
        // Two roots closer than two steps: the function turns at the scale of the
        // step, and others may hide between samples.
        if (k > 0 && x - found_[k - 1] < 1.9 * step_) unsure_ = true;
        result.roots.push_back(x);
    }
    result.mayBeIncomplete = unsure_ || full();
    return result;
}

// A function that is 0 on a whole stretch (x-x, int(x), exp(x) far left where it
// underflows) has no roots to list there, and none can be vouched for.
void Scanner::markFlatRuns()
{
    flat_.assign(values_.size(), false);
    std::size_t runStart = 0;
    for (std::size_t i = 0; i <= values_.size(); ++i) {
        if (i < values_.size() && values_[i] == 0) continue;
        if (i - runStart >= 3)
            std::fill(flat_.begin() + long(runStart), flat_.begin() + long(i), true);
        runStart = i + 1;
    }
}

// What sample i and its neighbours reveal.
void Scanner::examine(long i)
{
    const double v = values_[std::size_t(i)];
    const double x = position(i);
    if (flat_[std::size_t(i)]) {
        unsure_ = true;
        return;
    }
    if (i == 0) {
        if (defined(v) && v == 0) add(x);
        return;
    }
    const double before = values_[std::size_t(i - 1)];
    const double xBefore = position(i - 1);
    if (defined(v) && v == 0) {
        add(x);
        // Both neighbours on one side of zero: a second root may lie close beside.
        if (i < steps_) {
            const double after = values_[std::size_t(i + 1)];
            if (defined(before) && defined(after) && before != 0 &&
                signOf(before) == signOf(after)) {
                searchDip(xBefore, before, x, v, signOf(before), false);
                searchDip(x, v, position(i + 1), after, signOf(after), false);
            }
        }
    }
    if (defined(before) != defined(v)) {
        if (defined(before))
            locateBorder(xBefore, before, x);
        else
            locateBorder(x, v, xBefore);
        return;
    }
    if (!defined(v)) return;
    if (signOf(before) * signOf(v) < 0) narrowCrossing(xBefore, before, x, v);
    if (i == steps_) return;
    // A dip: the lowest of three samples of one sign, well below the higher rim.
    const double after = values_[std::size_t(i + 1)];
    if (!defined(after) || v == 0 || signOf(before) != signOf(v) || signOf(after) != signOf(v))
        return;
    const double low = std::fabs(v);
    const double rim = std::max(std::fabs(before), std::fabs(after));
    if (low < std::fabs(before) && low <= std::fabs(after) && low <= rim / 2)
        searchDip(xBefore, before, position(i + 1), after, signOf(v), true);
}

// Halves the step until the ends are neighbouring doubles.
void Scanner::narrowCrossing(double lo, double flo, double hi, double fhi)
{
    const double initial = std::max(std::fabs(flo), std::fabs(fhi));
    for (int k = 0; k < MaxHalvings; ++k) {
        const double mid = lo + (hi - lo) / 2;
        if (!(mid > lo && mid < hi)) break;
        const double fm = f_(mid);
        if (!defined(fm)) return; // a hole in the function: no root to vouch for
        if (fm == 0) {
            add(mid);
            return;
        }
        if (signOf(fm) == signOf(flo)) {
            lo = mid;
            flo = fm;
        } else {
            hi = mid;
            fhi = fm;
        }
    }
    const double final = std::min(std::fabs(flo), std::fabs(fhi));
    if (final <= CrossingShrink * initial) add(std::fabs(flo) <= std::fabs(fhi) ? lo : hi);
}

// Golden-section search for the lowest |f| between a and b, where f has one sign.
void Scanner::searchDip(double a, double fa, double b, double fb, int sign, bool judged)
{
    const double rim = std::max(std::fabs(fa), std::fabs(fb));
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double lowest = rim;
    double lowestAt = a;
    // Returns false when the probe settles the dip: it crosses zero or is undefined.
    const auto probe = [&](double x, double& g) {
        const double v = f_(x);
        if (!defined(v)) return false;
        if (signOf(v) != sign) {
            if (v == 0) {
                add(x);
            } else {
                if (fa != 0) narrowCrossing(a, fa, x, v);
                if (fb != 0) narrowCrossing(x, v, b, fb);
            }
            return false;
        }
        g = std::fabs(v);
        if (g < lowest) {
            lowest = g;
            lowestAt = x;
        }
        return true;
    };
    double lo = a, hi = b;
    double c = hi - ratio * (hi - lo), d = lo + ratio * (hi - lo);
    double gc = 0, gd = 0;
    if (!probe(c, gc) || !probe(d, gd)) return;
    while (lo < c && c < d && d < hi) {
        if (gc < gd) {
            hi = d;
            d = c;
            gd = gc;
            c = hi - ratio * (hi - lo);
            if (!probe(c, gc)) return;
        } else {
            lo = c;
            c = d;
            gc = gd;
            d = lo + ratio * (hi - lo);
            if (!probe(d, gd)) return;
        }
    }
    if (!judged) return;
    if (lowest <= TouchShrink * rim)
        add(lowestAt);
    else if (lowest < NearZero && lowest <= rim / 100)
        unsure_ = true;
}

// Narrows the border between a defined and an undefined sample.
void Scanner::locateBorder(double inside, double fInside, double outside)
{
    const double initial = std::fabs(fInside);
    for (int k = 0; k < MaxHalvings; ++k) {
        const double mid = inside + (outside - inside) / 2;
        if (mid == inside || mid == outside) break;
        const double fm = f_(mid);
        if (defined(fm)) {
            inside = mid;
            fInside = fm;
        } else {
            outside = mid;
        }
    }
    const double final = std::fabs(fInside);
    if (final == 0 || (final < NearZero && final <= BorderShrink * initial)) add(inside);
}

void Scanner::add(double x)
{
    if (x >= min_ && x <= max_ && !full()) found_.push_back(x);
}

} // namespace

Result scan(const Function& f, double min, double max, const Settings& settings)
{
    return Scanner(f, min, max, settings).run();
}

} // namespace orvane::RootScan
