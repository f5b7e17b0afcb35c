// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"

#include <cmath>
#include <vector>

namespace orvane::bench {

// A fresh engine with the program's default constants Pi, e and g.
inline engine::Engine engineWithDefaults()
{
    engine::Engine fresh;
    fresh.addUserConstant("Pi", "3.14159265358979");
    fresh.addUserConstant("e", "2.71828182845905");
    fresh.addUserConstant("g", "9.8");
    return fresh;
}

// The value of the default constant Pi.
inline constexpr double DefaultPi = 3.14159265358979;

// One plotting workload: the expression as a user types it, the same computation
// written for muparser (whose precedence differs: "^" binds tighter there, and "*",
// "/" and "^" do not share a level), and the same computation hand-written in C++.
struct Workload {
    const char* id;
    const char* expression;
    const char* muparserExpression;
    double (*handWritten)(double x);
};

inline const std::vector<Workload>& plottingWorkloads()
{
    static const std::vector<Workload> workloads = {
        {"square_sine_reciprocal", "x^2+sin(x)+1/x", "(x^2)+sin(x)+1/x",
         [](double x) { return x * x + std::sin(x) + 1 / x; }},
        {"designer_default", "2*cos((20000000-19999999)/2*x)*cos((20000000+19999999)/2*x+pi)",
         "((2*cos(((20000000-19999999)/2)*x))*cos(((20000000+19999999)/2)*x+pi))",
         [](double x) { return 2 * std::cos(0.5 * x) * std::cos(19999999.5 * x + DefaultPi); }},
        {"polar_default", "4/(3-2*cos(x))", "4/(3-(2*cos(x)))",
         [](double x) { return 4 / (3 - 2 * std::cos(x)); }},
    };
    return workloads;
}

// x from -10 to 10 in steps of 0.01: the 2,001 points of a default trace.
inline const std::vector<double>& plottingPoints()
{
    static const std::vector<double> points = [] {
        std::vector<double> xs;
        for (int i = -1000; i <= 1000; ++i)
            xs.push_back(i / 100.0);
        return xs;
    }();
    return points;
}

} // namespace orvane::bench
