// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AdaptiveSampler.h"
#include "Engine.h"
#include "PlotView.h"
#include "Surface.h"

#include <atomic>
#include <functional>
#include <optional>
#include <string>

namespace orvane {

// Samples of the free variable per unit -> step, rounded to three decimals; nullopt
// when that step would be zero, negative or not a number (no sweep may start then).
std::optional<double> stepFromSmoothness(double smoothness);

// x rounded to three decimals, as the sweeps do at every sample.
double roundToThousandths(double x);

struct TraceRequest {
    std::string expression;
    // y = g(t) of a parametric curve (`expression` is then x = f(t)).
    std::string secondExpression;
    double rangeMin = -10;
    double rangeMax = 10;
    double step = 0.01;
    Colour colour = 0;
    int width = 1;
    // A long sweep looks at these now and then: set `cancel` to stop it; `progress`
    // hears the share of the range done (0 to 1), on the thread that traces.
    const std::atomic<bool>* cancel = nullptr;
    std::function<void(double)> progress;
    // The window and pixels the curve is first traced for (the pad's, as a rule).
    PlotView view;
    PixelArea area{800, 800};
};

// A sweep never runs longer than this many samples; a wider range is refused whole.
inline constexpr double MaxTraceSamples = 2'000'000;

enum class TraceOutcome { Traced, RangeTooLarge, Cancelled };

// Samples a sweep of the request takes (y = f(x), x = f(y)): what decides whether a trace
// is long enough to go to a worker thread.
double traceSamples(const TraceRequest& request);

// The sweeps evaluate with the engine they are given: the program's shared one, or a copy
// of it on a worker thread.
// y = f(x): two evaluations per step, no segment across an undefined sample or a jump
// of more than 10 units. No clipping: far points go to the surface as they are.
TraceOutcome drawFunctionY(Surface& surface, engine::Engine& engine, const TraceRequest& request);
// x = f(y): the same with y as the free variable.
TraceOutcome drawFunctionX(Surface& surface, engine::Engine& engine, const TraceRequest& request);
// rho = f(theta) for theta in 0..2*pi; undefined samples are bridged by a chord.
// The range of the request is not used.
TraceOutcome drawPolar(Surface& surface, engine::Engine& engine, const TraceRequest& request);

// The curve of a request as a view shows it, sampled adaptively in its pixels and clipped
// to its window: y = f(x), x = f(y), ρ = f(θ) or x = f(t), y = g(t) by `kind` (a plot kind
// code). The step of the request is the coarsest the free variable is ever sampled at.
// A parametric expression with its parameter t read as the unknown x, which the engine
// binds: every name t (any case) becomes x.
std::string parameterAsX(std::string_view expression);

SampledCurve traceInView(engine::Engine& engine, int kind, const TraceRequest& request,
                         const PlotView& view, PixelArea area);

} // namespace orvane
