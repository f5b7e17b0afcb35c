#include "EquationSolver.h"

#include "Engine.h"
#include "NumberText.h"

#include <algorithm>

namespace orvane::EquationSolver {

namespace {

// Steps 1, 0.1, 0.01, 0.001, 0.0001: the fifth crossing ends the scan.
constexpr int Refinements = 5;

bool meets(Sense sense, double value)
{
    // A point that cannot be evaluated gives the error value, a tiny negative number.
    return sense == Sense::AtLeastZero ? value >= 0 : value <= 0;
}

bool inside(Bound bound, double x, bool firstPoint, double min, double max)
{
    switch (bound) {
    case Bound::UpToMax:
        return x <= max;
    case Bound::UpToZero:
        return x <= 0;
    case Bound::DownToZero:
        return firstPoint ? x >= 0 : x > 0;
    case Bound::DownToMin:
        return firstPoint ? x >= min : x > min;
    }
    return false;
}

double startOf(Origin origin, double min, double max)
{
    switch (origin) {
    case Origin::Zero:
        return 0;
    case Origin::Min:
        return min;
    case Origin::Max:
        return max;
    }
    return 0;
}

// The value rounds to 0.00.
bool roundsToZero(double value)
{
    return NumberText::LeadingNumber(NumberText::FormatPattern(value, "0#.#0")) == 0;
}

std::string lowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

} // namespace

const std::array<Scan, SlotCount>& Scans()
{
    static const std::array<Scan, SlotCount> scans = {{
        {Origin::Zero, +1, Sense::AtLeastZero, Bound::UpToMax},
        {Origin::Zero, +1, Sense::AtMostZero, Bound::UpToMax},
        {Origin::Max, -1, Sense::AtLeastZero, Bound::DownToZero},
        {Origin::Max, -1, Sense::AtMostZero, Bound::DownToZero},
        {Origin::Zero, -1, Sense::AtLeastZero, Bound::DownToMin},
        {Origin::Zero, -1, Sense::AtMostZero, Bound::DownToMin},
        {Origin::Min, +1, Sense::AtLeastZero, Bound::UpToZero},
        {Origin::Min, +1, Sense::AtMostZero, Bound::UpToZero},
    }};
    return scans;
}

std::string WorkingText(std::string_view equation, double x)
{
    const std::string number = NumberText::FormatPattern(x, "0#.0000#");
    std::string out;
    out.reserve(equation.size() + 8);
    for (char c : equation) {
        if (c == 'x')
            out += number;
        else
            out += c;
    }
    return out;
}

std::string RunScan(engine::Engine& engine, std::string_view equation, const Scan& scan, double min,
                    double max)
{
    return RunScanWith(scan, min, max, [&engine, equation](double x) {
        return engine.Evaluate(WorkingText(equation, x));
    });
}

std::string RunScanWith(const Scan& scan, double min, double max,
                        const std::function<double(double)>& valueAt)
{
    double x = startOf(scan.start, min, max);
    double step = 1;
    int refinements = 0;
    bool firstPoint = true;
    while (inside(scan.bound, x, firstPoint, min, max)) {
        firstPoint = false;
        if (meets(scan.sense, valueAt(x))) {
            step /= 10;
            if (++refinements == Refinements) {
                if (roundsToZero(valueAt(x))) return NumberText::FormatPattern(x, "#0.00#");
                return {};
            }
            // Back to the last point before the sense was met, then on with the finer step.
            x -= scan.direction * step * 10;
        }
        x += scan.direction * step;
    }
    return {};
}

SearchRange LimitRange(double min, double max)
{
    SearchRange range{std::clamp(min, -RangeLimit, RangeLimit),
                      std::clamp(max, -RangeLimit, RangeLimit), false};
    range.limited = range.min != min || range.max != max;
    return range;
}

std::vector<std::string> Outcome::roots() const
{
    std::vector<std::string> out;
    for (const std::string& slot : slotTexts)
        if (!slot.empty()) out.push_back(slot);
    return out;
}

Outcome Solve(engine::Engine& engine, std::string_view equation, double min, double max)
{
    const std::string e = lowerAscii(equation);
    Outcome outcome;
    for (int i = 0; i < SlotCount; ++i)
        outcome.slotTexts[static_cast<std::size_t>(i)] =
            RunScan(engine, e, Scans()[static_cast<std::size_t>(i)], min, max);
    for (std::size_t i = 0; i < outcome.slotTexts.size(); ++i) {
        if (outcome.slotTexts[i].empty()) continue;
        for (std::size_t j = i + 1; j < outcome.slotTexts.size(); ++j)
            if (outcome.slotTexts[j] == outcome.slotTexts[i]) outcome.slotTexts[j].clear();
    }
    return outcome;
}

} // namespace orvane::EquationSolver
