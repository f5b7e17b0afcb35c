// SPDX-License-Identifier: GPL-3.0-or-later
#include "EquationSolver.h"

#include "Engine.h"
#include "NumberText.h"

#include <algorithm>
#include <set>

namespace orvane::EquationSolver {

namespace {

std::string rootText(double x)
{
    std::string text = NumberText::formatPattern(x, "#0.00#");
    // A root a hair below 0 is still 0.
    if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') text.erase(0, 1);
    return text;
}

} // namespace

SearchRange limitRange(double min, double max)
{
    SearchRange range{std::clamp(min, -RangeLimit, RangeLimit),
                      std::clamp(max, -RangeLimit, RangeLimit), false};
    range.limited = range.min != min || range.max != max;
    return range;
}

RootScan::Function equationFunction(engine::Engine& engine, std::string_view equation)
{
    std::shared_ptr<const CompiledExpression> compiled = engine.compile(equation);
    return [&engine, compiled](double x) { return engine.evaluateAtX(*compiled, x); };
}

Outcome solve(engine::Engine& engine, std::string_view equation, double min, double max)
{
    return solveFunction(equationFunction(engine, equation), min, max);
}

Outcome solveFunction(const RootScan::Function& f, double min, double max)
{
    const RootScan::Result scan = RootScan::scan(f, min, max);
    std::vector<std::string> texts;
    for (double x : scan.roots)
        texts.push_back(rootText(x));
    // Outwards from 0: the roots shown without a sign rising, then the negative ones
    // falling; each text once.
    const auto firstNegative = std::stable_partition(
        texts.begin(), texts.end(), [](const std::string& t) { return t[0] != '-'; });
    std::reverse(firstNegative, texts.end());
    Outcome outcome;
    outcome.mayBeIncomplete = scan.mayBeIncomplete;
    std::set<std::string> shown;
    for (std::string& text : texts)
        if (shown.insert(text).second) outcome.roots.push_back(std::move(text));
    return outcome;
}

Report report(engine::Engine& engine, std::string_view equation, std::string_view minText,
              std::string_view maxText)
{
    Report r;
    if (equation.find_first_not_of(" \t") == std::string_view::npos) {
        r.error = "请输入方程式";
        return r;
    }
    const EvaluationError unreadable = engine.check(equation, true);
    if (unreadable.failed()) {
        r.error = "方程式：" + describe(unreadable, equation);
        // The right side is always 0 here.
        if (unreadable.reason == FailureReason::UnexpectedCharacter &&
            equation.find('=') != std::string_view::npos)
            r.error += "。方程的右边已是0，请把等号右边的项移到左边（x^2=4 写作 x^2-4）";
        return r;
    }
    const SearchRange range =
        limitRange(NumberText::leadingNumber(minText), NumberText::leadingNumber(maxText));
    if (range.limited) {
        // One evaluation per unit of the range: a huge range would keep the window
        // frozen for minutes, so the search stays within reach and says so.
        r.rangeNotice = "X的范围太大，计算会非常慢。本次只在" +
                        NumberText::generalForm(-RangeLimit) + "到" +
                        NumberText::generalForm(RangeLimit) + "之间寻找方程的根。";
    }
    Outcome outcome = solve(engine, equation, range.min, range.max);
    r.roots = std::move(outcome.roots);
    if (outcome.mayBeIncomplete) r.incompleteNotice = "注意：所计算的结果可能不全。";
    return r;
}

} // namespace orvane::EquationSolver
