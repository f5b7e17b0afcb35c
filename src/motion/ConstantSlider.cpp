// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConstantSlider.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace orvane {

namespace {

// A range this close to a whole number of steps (relative to the step) is one.
constexpr double WholeSteps = 1e-9;

// The double nearest the value's 15-digit decimal form: min + k * step leaves binary
// noise that would show as -6.2999999999999998 where a teacher set -6.3.
double decimal(double v)
{
    if (!std::isfinite(v) || v == 0) return v;
    char text[40];
    const auto written =
        std::to_chars(text, text + sizeof text, v, std::chars_format::scientific, 14);
    double clean = v;
    std::from_chars(text, written.ptr, clean);
    return clean;
}

// Whole steps from the minimum that stay within the maximum.
double wholeSteps(const SliderRange& r)
{
    return std::floor((r.maximum - r.minimum) / r.step + WholeSteps);
}

} // namespace

SliderRange ConstantSlider::defaultRange(double value)
{
    if (!std::isfinite(value)) value = 0;
    const SliderRange around{decimal(value - 10), decimal(value + 10), 0.1};
    if (isUsable(around)) return around;
    // So large that ten units are lost in rounding: a quarter of the value either way,
    // or from 0 where even that overflows.
    const double size = std::fabs(value);
    const SliderRange quarter{decimal(value - size / 4), decimal(value + size / 4),
                              decimal(size / 100)};
    if (isUsable(quarter)) return quarter;
    return {std::min(value, 0.0), std::max(value, 0.0), decimal(size / 100)};
}

bool ConstantSlider::isUsable(const SliderRange& r)
{
    if (!std::isfinite(r.minimum) || !std::isfinite(r.maximum) || !std::isfinite(r.step))
        return false;
    if (!(r.minimum < r.maximum) || !(r.step > 0)) return false;
    const double width = r.maximum - r.minimum;
    if (!std::isfinite(width) || r.step > width * (1 + WholeSteps)) return false;
    return wholeSteps(r) + 1 < MaxPositions;
}

ConstantSlider::ConstantSlider(double value)
    : range_(defaultRange(value)), value_(std::isfinite(value) ? value : 0)
{
}

ConstantSlider::ConstantSlider(const SliderRange& range, double value)
    : range_(isUsable(range) ? range : defaultRange(value)),
      value_(std::isfinite(value) ? value : range_.minimum)
{
    if (value_ < range_.minimum || value_ > range_.maximum) setValue(value_);
}

bool ConstantSlider::setRange(const SliderRange& range)
{
    if (!isUsable(range)) return false;
    range_ = range;
    if (value_ < range_.minimum || value_ > range_.maximum) setValue(value_);
    return true;
}

bool ConstantSlider::setMinimum(double minimum)
{
    return setRange({minimum, range_.maximum, range_.step});
}

bool ConstantSlider::setMaximum(double maximum)
{
    return setRange({range_.minimum, maximum, range_.step});
}

bool ConstantSlider::setStep(double step)
{
    return setRange({range_.minimum, range_.maximum, step});
}

int ConstantSlider::positionCount() const
{
    const double whole = wholeSteps(range_);
    const double last = range_.minimum + whole * range_.step;
    const bool maximumApart = range_.maximum - last > WholeSteps * range_.step;
    return int(whole) + 1 + (maximumApart ? 1 : 0);
}

double ConstantSlider::valueAt(int position) const
{
    const int last = positionCount() - 1;
    if (position <= 0) return range_.minimum;
    if (position >= last) return range_.maximum;
    return decimal(range_.minimum + position * range_.step);
}

int ConstantSlider::nearestPosition(double value) const
{
    const int last = positionCount() - 1;
    if (value <= range_.minimum) return 0;
    if (value >= range_.maximum) return last;
    const int below = std::min(last, int(std::floor((value - range_.minimum) / range_.step)));
    const int above = std::min(last, below + 1);
    return value - valueAt(below) <= valueAt(above) - value ? below : above;
}

int ConstantSlider::position() const
{
    return nearestPosition(value_);
}

double ConstantSlider::setValue(double value)
{
    if (std::isnan(value)) return value_;
    value_ = valueAt(nearestPosition(value));
    return value_;
}

void ConstantSlider::setPosition(int position)
{
    value_ = valueAt(std::clamp(position, 0, positionCount() - 1));
}

double ConstantSlider::stepBy(int positions)
{
    const long long target = (long long)position() + positions;
    setPosition(int(std::clamp<long long>(target, 0, positionCount() - 1)));
    return value_;
}

} // namespace orvane
