// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>
#include <string>

// Seeded expression texts for comparing the evaluator's two forms: grammatical texts
// over every operator, sign, parenthesis, function name (in mixed case), constant and
// unknown, with blanks and tabs between the pieces; texts damaged on purpose; and
// nesting around the evaluator's limit. Many of them fail at run time on purpose
// (division by zero, overflow, domain errors, names without a value).
class RandomExpressions {
public:
    explicit RandomExpressions(std::uint32_t seed) : random_(seed) {}

    std::string wellFormed();
    // A grammatical text with a few characters inserted, removed or replaced.
    std::string damaged();
    // Parentheses, calls and signs nested close to the limit, on either side of it.
    std::string deeplyNested();

private:
    std::string sum(int budget);
    std::string term(int budget);
    std::string factor(int budget);
    std::string primary(int budget);
    std::string number();
    std::string functionName();
    std::string nestableFunction();
    std::string blank();
    std::string mixedCase(const std::string& name);
    int below(int n);
    bool chance(int percent) { return below(100) < percent; }

    std::mt19937 random_;
};
