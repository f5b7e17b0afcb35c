// SPDX-License-Identifier: GPL-3.0-or-later
#include "CurveTracer.h"

#include "Engine.h"
#include "NumberText.h"
#include "PlotRecord.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace orvane {

namespace {

enum class FreeVariable { X, Y };

// The expression at one value of the free variable, bound around the evaluation as
// always; the text is compiled once per sweep.
double evaluateAt(engine::Engine& engine, const CompiledExpression& expression,
                  FreeVariable variable, double value)
{
    return variable == FreeVariable::X ? engine.evaluateAtX(expression, value)
                                       : engine.evaluateAtY(expression, value);
}

bool sameValue(double a, double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

bool tooManySamples(double from, double to, double step)
{
    const double samples = (to - from) / step;
    return !(samples <= MaxTraceSamples);
}

// The shared sweep of y = f(x) and x = f(y); `draw` receives the free variable and
// the two values at both ends of each step.
template <typename DrawSegment>
TraceOutcome sweep(Surface& surface, engine::Engine& engine, const TraceRequest& request,
                   FreeVariable variable, DrawSegment drawSegment)
{
    surface.setPenWidth(request.width);
    surface.setForeColour(request.colour);
    const double a = request.rangeMin;
    const double b = request.rangeMax;
    const double h = request.step;
    if (!(h > 0) || !std::isfinite(a) || !std::isfinite(b)) return TraceOutcome::Traced;
    if (b >= a && tooManySamples(a, b, h)) return TraceOutcome::RangeTooLarge;

    const auto expression = engine.compile(request.expression);
    const Surface::Batch batch(surface);
    // The end of one step is usually the start of the next one (when rounding x to
    // three decimals leaves it as it is); its value is then taken over.
    bool haveEnd = false;
    double endT = 0;
    double endValue = 0;
    double t = a;
    long long samples = 0;
    while (t <= b) {
        // Now and then: stop when asked to, tell how far the sweep is.
        if ((++samples & 0xFFF) == 0) {
            if (request.cancel && request.cancel->load(std::memory_order_relaxed))
                return TraceOutcome::Cancelled;
            if (request.progress) request.progress((t - a) / (b - a));
        }
        t = roundToThousandths(t);
        const double v1 =
            haveEnd && sameValue(endT, t) ? endValue : evaluateAt(engine, *expression, variable, t);
        const double t2 = t + h;
        const double v2 = evaluateAt(engine, *expression, variable, t2);
        haveEnd = true;
        endT = t2;
        endValue = v2;
        if (v1 != ErrorValue && v2 != ErrorValue) {
            const double jump = (v2 - v1) * (v2 - v1);
            // A jump of more than 10 units is a discontinuity; an overflowing
            // difference abandons just this step.
            if (std::isfinite(jump) && jump <= 100) drawSegment(t, v1, t2, v2);
        }
        const double next = roundToThousandths(t + h);
        if (!(next > t)) break; // the step no longer moves a number this large
        t = next;
    }
    return TraceOutcome::Traced;
}

} // namespace

double traceSamples(const TraceRequest& request)
{
    const double samples = (request.rangeMax - request.rangeMin) / request.step;
    return samples > 0 ? samples : 0;
}

std::optional<double> stepFromSmoothness(double smoothness)
{
    if (!(smoothness > 0) || !std::isfinite(smoothness)) return std::nullopt;
    // Three decimals, halves rounded up on the decimal form (1/80 gives 0.013).
    const double step =
        NumberText::leadingNumber(NumberText::formatPattern(1 / smoothness, "0.000"));
    if (!(step > 0)) return std::nullopt;
    return step;
}

double roundToThousandths(double x)
{
    const double r = std::round(x * 1000) / 1000;
    return std::isfinite(r) ? r : x;
}

TraceOutcome drawFunctionY(Surface& surface, engine::Engine& engine, const TraceRequest& request)
{
    return sweep(surface, engine, request, FreeVariable::X,
                 [&](double x1, double y1, double x2, double y2) {
                     surface.line({float(x1), float(y1)}, {float(x2), float(y2)});
                 });
}

TraceOutcome drawFunctionX(Surface& surface, engine::Engine& engine, const TraceRequest& request)
{
    return sweep(surface, engine, request, FreeVariable::Y,
                 [&](double y1, double g1, double y2, double g2) {
                     surface.line({float(g1), float(y1)}, {float(g2), float(y2)});
                 });
}

TraceOutcome drawPolar(Surface& surface, engine::Engine& engine, const TraceRequest& request)
{
    surface.setPenWidth(request.width);
    surface.setForeColour(request.colour);
    const double h = request.step;
    if (!(h > 0)) return TraceOutcome::Traced;
    double pi = engine.evaluate("pi");
    if (pi == ErrorValue) pi = 3.1415926535;
    const double end = 2 * pi;
    if (!std::isfinite(end) || end < 0) return TraceOutcome::Traced;
    if (tooManySamples(0, end, h)) return TraceOutcome::RangeTooLarge;

    const auto expression = engine.compile(request.expression);
    const Surface::Batch batch(surface);
    // θ on a grid of three decimals; the last sample is 2π itself, whether or not the
    // step divides it, so that a closed curve closes.
    const auto next = [&](double theta) {
        const double after = std::min(roundToThousandths(theta + h), end);
        return after > theta ? after : end + 1; // past the end once it stops moving
    };
    // Search for the first defined point.
    double theta = 0;
    double x0 = 0, y0 = 0;
    bool found = false;
    for (; theta <= end; theta = next(theta)) {
        const double r = engine.evaluateAtX(*expression, theta);
        if (r != ErrorValue) {
            x0 = r * std::cos(theta);
            y0 = r * std::sin(theta);
            found = true;
            break;
        }
    }
    if (!found) return TraceOutcome::Traced;

    // Trace on from there; undefined samples are skipped and bridged by a chord.
    for (; theta <= end; theta = next(theta)) {
        const double r = engine.evaluateAtX(*expression, theta);
        if (r != ErrorValue) {
            const double x = r * std::cos(theta);
            const double y = r * std::sin(theta);
            surface.line({float(x0), float(y0)}, {float(x), float(y)});
            x0 = x;
            y0 = y;
        }
    }
    return TraceOutcome::Traced;
}

std::string parameterAsX(std::string_view expression)
{
    std::string out;
    out.reserve(expression.size());
    const auto nameChar = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    };
    for (std::size_t i = 0; i < expression.size();) {
        if (!nameChar(expression[i])) {
            out += expression[i++];
            continue;
        }
        std::size_t end = i;
        while (end < expression.size() && nameChar(expression[end]))
            ++end;
        const std::string_view name = expression.substr(i, end - i);
        out += name == "t" || name == "T" ? std::string_view("x") : name;
        i = end;
    }
    return out;
}

SampledCurve traceInView(engine::Engine& engine, int kind, const TraceRequest& request,
                         const PlotView& view, PixelArea area)
{
    const auto expression = engine.compile(request.expression);
    const auto value = [](double v) -> std::optional<double> {
        if (v == ErrorValue) return std::nullopt;
        return v;
    };
    SamplingRequest sampling;
    sampling.samplesPerUnit = request.step > 0 ? 1 / request.step : 100;
    sampling.cancel = request.cancel;
    sampling.from = request.rangeMin;
    sampling.to = request.rangeMax;
    CurveFunction curve;
    switch (kind) {
    case KindFunctionX:
        sampling.free = SamplingRequest::Free::Y;
        curve = [&](double y) -> std::optional<PlotPoint> {
            if (const auto x = value(engine.evaluateAtY(*expression, y))) return PlotPoint{*x, y};
            return std::nullopt;
        };
        break;
    case KindParametric: {
        sampling.free = SamplingRequest::Free::Parameter;
        const auto second = engine.compile(parameterAsX(request.secondExpression));
        const auto first = engine.compile(parameterAsX(request.expression));
        curve = [&engine, first, second, value](double t) -> std::optional<PlotPoint> {
            const auto x = value(engine.evaluateAtX(*first, t));
            if (!x) return std::nullopt;
            if (const auto y = value(engine.evaluateAtX(*second, t))) return PlotPoint{*x, *y};
            return std::nullopt;
        };
        break;
    }
    case KindPolar: {
        sampling.free = SamplingRequest::Free::Parameter;
        double pi = engine.evaluate("pi");
        if (pi == ErrorValue) pi = 3.1415926535;
        sampling.from = 0;
        sampling.to = 2 * pi;
        curve = [&](double theta) -> std::optional<PlotPoint> {
            if (const auto r = value(engine.evaluateAtX(*expression, theta)))
                return PlotPoint{*r * std::cos(theta), *r * std::sin(theta)};
            return std::nullopt;
        };
        break;
    }
    default:
        curve = [&](double x) -> std::optional<PlotPoint> {
            if (const auto y = value(engine.evaluateAtX(*expression, x))) return PlotPoint{x, *y};
            return std::nullopt;
        };
        break;
    }
    return sampleCurve(curve, sampling, view, area);
}

} // namespace orvane
