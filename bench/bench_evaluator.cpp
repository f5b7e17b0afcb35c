// SPDX-License-Identifier: GPL-3.0-or-later
// Evaluator throughput on three plotting workloads: muparser (parsed once, Eval() per
// point), a hand-written C++ loop, the engine given the text at every point (its program
// found in the engine's cache) and the compiled form, the last two with x bound for the
// evaluation as the tracers bind it.
#include "RatioReporter.h"
#include "Workloads.h"

#include "Engine.h"

#include <muParser.h>

#include <cmath>
#include <string>

using namespace orvane;
using namespace orvane::bench;

namespace {

// Runs `evaluate` over the 2,001 points per iteration, after checking that it computes
// the workload (to rounding: muparser squares by multiplying, the evaluator by pow).
template <typename Evaluate>
void sweep(benchmark::State& state, const Workload& workload, Evaluate evaluate)
{
    const auto& xs = plottingPoints();
    for (double x : xs) {
        const double expected = workload.handWritten(x);
        if (!std::isfinite(expected)) continue; // 1/0: the evaluator gives its error value there
        const double got = evaluate(x);
        if (!(std::fabs(got - expected) <= 1e-9 * std::fmax(1, std::fabs(expected)))) {
            state.SkipWithError("the peer computes something else");
            return;
        }
    }
    for (auto _ : state) {
        double sum = 0;
        for (double x : xs)
            sum += evaluate(x);
        consume(sum);
    }
    perUnit(state, double(xs.size()));
}

void registerWorkload(const Workload& w)
{
    addPeer(w.id, "muparser", [&w](benchmark::State& state) {
        mu::Parser parser;
        double x = 0;
        parser.DefineVar("x", &x);
        parser.DefineConst("pi", DefaultPi);
        parser.SetExpr(w.muparserExpression);
        sweep(state, w, [&](double v) {
            x = v;
            return parser.Eval();
        });
    });
    addPeer(w.id, "hand-written C++",
            [&w](benchmark::State& state) { sweep(state, w, w.handWritten); });
    if (std::string(w.expression).find('^') != std::string::npos) {
        // The evaluator raises by pow(), which is not x*x in every last bit.
        addPeer(w.id, "hand-written C++ with pow", [&w](benchmark::State& state) {
            // With 2 as a constant the compiler would square by multiplying.
            const double two = opaque(2);
            sweep(state, w, [two](double v) { return std::pow(v, two) + std::sin(v) + 1 / v; });
        });
    }
    addPeer(w.id, "text at every point", [&w](benchmark::State& state) {
        engine::Engine engine = engineWithDefaults();
        const std::string text = w.expression;
        sweep(state, w, [&](double v) { return engine.evaluateAtX(text, v); });
    });
    addPeer(w.id, "compiled form", [&w](benchmark::State& state) {
        engine::Engine engine = engineWithDefaults();
        const auto program = engine.compile(w.expression);
        sweep(state, w, [&](double v) { return engine.evaluateAtX(*program, v); });
    });
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<Group> groups;
    for (const Workload& w : plottingWorkloads()) {
        registerWorkload(w);
        groups.push_back(
            {w.id,
             std::string("Evaluator, per evaluation, x from -10 to 10 step 0.01: ") + w.expression,
             "muparser"});
    }
    return runWithRatios(argc, argv, std::move(groups));
}
