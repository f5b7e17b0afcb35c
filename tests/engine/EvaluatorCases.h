// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"

#include <string>
#include <vector>

// The evaluator's case tables, shared by the checks of its results and by the check
// that the compiled form gives the same as scanning on every one of them.
namespace EvaluatorCases {

// Marker for "leave x unbound".
inline constexpr double Unbound = 1e300;

struct Value {
    const char* name;
    std::string text;
    double x; // Unbound: evaluated without binding x
    double expected;
};

struct Position {
    const char* name;
    std::string text;
    int position; // lastErrorPosition after evaluating the text
};

struct Text {
    const char* name;
    std::string text;
};

// Pi, e and g, as start-up installs them when the settings hold no constants.
void installDefaultConstants(orvane::engine::Engine& engine);

// Results, to rounding (exact for ErrorValue and 0).
const std::vector<Value>& values();
// Results that must come out exactly.
const std::vector<Value>& exactValues();
const std::vector<Position>& positions();
// Nesting far beyond the limit, which must fail without exhausting the stack.
const std::vector<Text>& deepNesting();

} // namespace EvaluatorCases
