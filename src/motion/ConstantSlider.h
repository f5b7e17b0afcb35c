// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvane {

// The range a constant's slider runs through.
struct SliderRange {
    double minimum = -10;
    double maximum = 10;
    double step = 0.1;

    bool operator==(const SliderRange& other) const
    {
        return minimum == other.minimum && maximum == other.maximum && step == other.step;
    }
    bool operator!=(const SliderRange& other) const { return !(*this == other); }
};

// A slider for one named constant: the positions are minimum + k * step up to the
// maximum, and the maximum itself when the range is no whole number of steps, so that
// both ends can always be reached. A value set on the slider is moved to the nearest
// position; each position's value is the double nearest to its decimal form (with
// step 0.1 from -10 the 37th position is -6.3, not -6.2999999999999998).
class ConstantSlider {
public:
    // More positions than this would make a step too fine to move by hand or by frame.
    static constexpr int MaxPositions = 1'000'000;

    // value - 10 to value + 10, step 0.1 (for a value so large that ten units vanish
    // in rounding, a quarter of the value either way in 50 steps).
    static SliderRange defaultRange(double value);
    // A usable range: finite ends, minimum below maximum, a step above 0 and no larger
    // than the range, at most MaxPositions positions.
    static bool isUsable(const SliderRange& range);

    // The default range around `value`, which is kept as it is until the slider moves.
    explicit ConstantSlider(double value = 0);
    // `range` when usable (otherwise the default one); the value is kept inside it.
    ConstantSlider(const SliderRange& range, double value);

    const SliderRange& range() const { return range_; }
    double value() const { return value_; }

    // Takes a new range when usable (false and nothing changed otherwise); a value
    // outside it moves to the nearest position.
    bool setRange(const SliderRange& range);
    bool setMinimum(double minimum);
    bool setMaximum(double maximum);
    bool setStep(double step);

    // Moves to the position nearest `value` (an end for values beyond it); returns the
    // value taken. A value that is not a number changes nothing.
    double setValue(double value);
    // Moves by `positions` positions (negative: down), stopping at the ends.
    double stepBy(int positions);

    int positionCount() const;
    // The position nearest the value.
    int position() const;
    double valueAt(int position) const;
    void setPosition(int position);

private:
    int nearestPosition(double value) const;

    SliderRange range_;
    double value_ = 0;
};

} // namespace orvane
