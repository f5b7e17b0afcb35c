// SPDX-License-Identifier: GPL-3.0-or-later
// Points of interest of ten curves in the default view (-10 to 10): what a click on a
// curve shows (its roots, turning points and y-axis crossing, and its crossings with the
// nine others), and every point of all ten with all 45 crossings. Reference: the
// solver's root scan of the same ten curves, which the points of interest build on.
#include "RatioReporter.h"
#include "Workloads.h"

#include "PointsOfInterest.h"
#include "RootScan.h"

#include <string>
#include <vector>

using namespace orvane;
using namespace orvane::bench;

namespace {

constexpr double ViewMin = -10;
constexpr double ViewMax = 10;
constexpr const char* PointsGroup = "points_10";

const std::vector<std::string>& tenCurves()
{
    static const std::vector<std::string> curves{"x^3-3*x",   "sin(x)",  "cos(2*x)", "x^2-4",
                                                 "exp(x)-2",  "log(x)",  "1/x",      "abs(x)-1",
                                                 "x*exp(-x)", "sqr(x)-1"};
    return curves;
}

// Runs `work` (returning how many points it found) on fresh functions of the ten curves.
template <typename Work> void measure(benchmark::State& state, Work work)
{
    const engine::Engine engine = engineWithDefaults();
    const std::vector<PointsOfInterest::Function> curves =
        PointsOfInterest::curveFunctions(engine, tenCurves());
    int evaluations = 0;
    std::vector<PointsOfInterest::Function> counted;
    for (const auto& f : curves)
        counted.push_back([&evaluations, f](double x) {
            ++evaluations;
            return f(x);
        });
    const double found = work(counted);
    if (found == 0) {
        state.SkipWithError("no points found");
        return;
    }
    for (auto _ : state)
        consume(work(curves));
    perUnit(state, 1);
    state.counters["points"] = found;
    state.counters["evaluations"] = evaluations;
}

void registerPoints()
{
    addPeer(PointsGroup, "root scan only", [](benchmark::State& state) {
        measure(state, [](const std::vector<PointsOfInterest::Function>& curves) {
            RootScan::Settings settings;
            settings.finestStep = (ViewMax - ViewMin) / PointsOfInterest::Settings{}.samples;
            double roots = 0;
            for (const auto& f : curves)
                roots += double(RootScan::scan(f, ViewMin, ViewMax, settings).roots.size());
            return roots;
        });
    });
    addPeer(PointsGroup, "own points of each curve", [](benchmark::State& state) {
        measure(state, [](const std::vector<PointsOfInterest::Function>& curves) {
            double points = 0;
            for (const auto& f : curves)
                points += double(PointsOfInterest::ofCurve(f, ViewMin, ViewMax).points.size());
            return points;
        });
    });
    addPeer(PointsGroup, "a click: one curve and its crossings with 9",
            [](benchmark::State& state) {
                measure(state, [](const std::vector<PointsOfInterest::Function>& curves) {
                    return double(
                        PointsOfInterest::forCurve(curves, 0, ViewMin, ViewMax).points.size());
                });
            });
    addPeer(PointsGroup, "all: own points and all 45 crossings", [](benchmark::State& state) {
        measure(state, [](const std::vector<PointsOfInterest::Function>& curves) {
            double points = 0;
            for (std::size_t i = 0; i < curves.size(); ++i) {
                points +=
                    double(PointsOfInterest::ofCurve(curves[i], ViewMin, ViewMax).points.size());
                for (std::size_t j = i + 1; j < curves.size(); ++j)
                    points +=
                        double(PointsOfInterest::crossings(curves[i], curves[j], ViewMin, ViewMax)
                                   .points.size());
            }
            return points;
        });
    });
}

} // namespace

int main(int argc, char** argv)
{
    registerPoints();
    return runWithRatios(
        argc, argv,
        {{PointsGroup, "Points of interest of ten curves over -10 to 10", "root scan only"}});
}
