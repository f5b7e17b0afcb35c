// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation tools on their defaults: the definite integral of sin(x) from 0 to
// Pi/2 cut into 5000 and 32767 pieces, and the equation solver on x^4+x^2-16 over
// -100 to 100. Peers: the same loops over muparser and hand-written C++ and, for the
// integral, the engine given the text at every point.
#include "RatioReporter.h"
#include "Workloads.h"

#include "Engine.h"
#include "EquationSolver.h"
#include "Integral.h"
#include "RootScan.h"

#include <gsl/gsl_errno.h>
#include <gsl/gsl_integration.h>
#include <muParser.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

using namespace orvane;
using namespace orvane::bench;

namespace {

// ---- definite integral ------------------------------------------------------------

// The integral as Integral::integrate computes it, over any f(x): the range cut into n
// pieces, each integrated by GSL's QAGS to the same tolerances.
template <typename F> double piecewiseQags(F f, double a, double b, int n)
{
    gsl_set_error_handler_off();
    gsl_integration_workspace* w = gsl_integration_workspace_alloc(1000);
    gsl_function g{[](double x, void* p) { return (*static_cast<F*>(p))(x); }, &f};
    double sum = 0;
    double from = a;
    for (int i = 1; i <= n; ++i) {
        const double to = i == n ? b : a + (b - a) * i / n;
        double value = 0, error = 0;
        gsl_integration_qags(&g, from, to, 1e-14, 1e-10, 1000, w, &value, &error);
        sum += value;
        from = to;
    }
    gsl_integration_workspace_free(w);
    return sum;
}

template <typename F> void integrate(benchmark::State& state, double expected, F compute)
{
    const double first = compute();
    if (!(std::fabs(first - expected) <= 1e-12)) {
        state.SkipWithError("the peer computes another integral");
        return;
    }
    for (auto _ : state)
        consume(compute());
    perUnit(state, 1);
}

void registerIntegral(int n)
{
    const std::string group = "integral_" + std::to_string(n);
    const double a = 0;
    const double b = DefaultPi / 2;
    const auto reference = [=] {
        engine::Engine engine = engineWithDefaults();
        return Integral::integrate(engine, "sin(x)", a, b, n).value;
    };
    addPeer(group, "muparser", [=](benchmark::State& state) {
        const double expected = reference();
        mu::Parser parser;
        double x = 0;
        parser.DefineVar("x", &x);
        parser.SetExpr("sin(x)");
        integrate(state, expected, [&] {
            return piecewiseQags(
                [&](double v) {
                    x = v;
                    return parser.Eval();
                },
                a, b, n);
        });
    });
    addPeer(group, "hand-written C++", [=](benchmark::State& state) {
        const double expected = reference();
        integrate(state, expected,
                  [&] { return piecewiseQags([](double v) { return std::sin(v); }, a, b, n); });
    });
    addPeer(group, "text at every point", [=](benchmark::State& state) {
        const double expected = reference();
        const std::string text = "sin(x)";
        engine::Engine engine = engineWithDefaults();
        integrate(state, expected, [&] {
            return piecewiseQags([&](double v) { return engine.evaluateAtX(text, v); }, a, b, n);
        });
    });
    addPeer(group, "Integral::integrate (compiled form)", [=](benchmark::State& state) {
        const double expected = reference();
        engine::Engine engine = engineWithDefaults();
        integrate(state, expected,
                  [&] { return Integral::integrate(engine, "sin(x)", a, b, n).value; });
    });
}

// ---- equation solver --------------------------------------------------------------

constexpr const char* DefaultEquation = "x^4+x^2-16";
constexpr double SolverMin = -100;
constexpr double SolverMax = 100;
const std::vector<std::string> DefaultRoots{"1.879", "-1.879"};

void registerSolver()
{
    // The real solver: the text translated once, x bound at every sample.
    addPeer("solver", "solve (compiled form, x bound)", [](benchmark::State& state) {
        engine::Engine engine = engineWithDefaults();
        if (EquationSolver::solve(engine, DefaultEquation, SolverMin, SolverMax).roots !=
            DefaultRoots) {
            state.SkipWithError("the solver did not find 1.879 and -1.879");
            return;
        }
        for (auto _ : state)
            consume(double(
                EquationSolver::solve(engine, DefaultEquation, SolverMin, SolverMax).roots.size()));
        perUnit(state, 1);
    });
    // The same scan and refinement, so that only the evaluation differs.
    const auto sameScan = [](benchmark::State& state, auto valueAt) {
        const RootScan::Function f = valueAt;
        if (EquationSolver::solveFunction(f, SolverMin, SolverMax).roots != DefaultRoots) {
            state.SkipWithError("the peer finds other roots");
            return;
        }
        int evaluations = 0;
        EquationSolver::solveFunction(
            [&](double x) {
                ++evaluations;
                return f(x);
            },
            SolverMin, SolverMax);
        for (auto _ : state)
            consume(double(EquationSolver::solveFunction(f, SolverMin, SolverMax).roots.size()));
        perUnit(state, 1);
        state.counters["evaluations"] = evaluations;
    };
    addPeer("solver", "same scan, muparser parsed once", [sameScan](benchmark::State& state) {
        auto parser = std::make_shared<mu::Parser>();
        auto variable = std::make_shared<double>(0);
        parser->DefineVar("x", variable.get());
        parser->SetExpr(DefaultEquation);
        sameScan(state, [parser, variable](double x) {
            *variable = x;
            return parser->Eval();
        });
    });
    addPeer("solver", "same scan, hand-written C++", [sameScan](benchmark::State& state) {
        sameScan(state, [](double x) { return x * x * x * x + x * x - 16; });
    });
}

} // namespace

int main(int argc, char** argv)
{
    registerIntegral(5000);
    registerIntegral(32767);
    registerSolver();
    return runWithRatios(
        argc, argv,
        {{"integral_5000",
          "Definite integral of sin(x) from 0 to Pi/2, cut into 5000 pieces, QAGS on each",
          "muparser"},
         {"integral_32767",
          "Definite integral of sin(x) from 0 to Pi/2, cut into 32767 pieces, QAGS on each",
          "muparser"},
         {"solver", "Equation solver on its defaults: x^4+x^2-16 = 0 over -100 to 100",
          "solve (compiled form, x bound)"}});
}
