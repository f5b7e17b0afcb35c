// SPDX-License-Identifier: GPL-3.0-or-later
#include "GeometryProblems.h"

#include "ExactReader.h"
#include "GeometrySteps.h"

#include <algorithm>

namespace orvane::geometry {

namespace {

const char* const CurveBoxes[6] = {"x²项系数", "y²项系数", "x项系数",
                                   "y项系数",  "xy项系数", "常数项"};

// The boxes of one problem read into coefficients; the first unreadable box is named.
struct Reading {
    std::vector<Coefficient> values;
    std::string error;
};

Reading readBoxes(engine::Engine& engine, const std::vector<std::string>& texts,
                  const std::vector<std::string>& names, bool blankIsZero)
{
    Reading r;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string& text = texts[i];
        const bool blank = text.find_first_not_of(' ') == std::string::npos;
        if (blank && blankIsZero) {
            r.values.push_back(Coefficient{ExactReal(0), "0"});
            continue;
        }
        const BoxValue box = readBox(engine, text);
        if (!box.value) {
            r.error =
                names[i] + " 有误：" + (blank ? std::string("未填写") : "“" + text + "”不能计算");
            return r;
        }
        r.values.push_back(Coefficient{*box.value, box.plain});
    }
    return r;
}

PlaneLine lineFrom(const std::vector<Coefficient>& v, std::size_t first)
{
    return {v[first], v[first + 1], v[first + 2]};
}

Conic conicFrom(const std::vector<Coefficient>& v, std::size_t first)
{
    return {v[first], v[first + 1], v[first + 2], v[first + 3], v[first + 4], v[first + 5]};
}

bool noLine(const PlaneLine& l)
{
    return l.a.value.isZero() && l.b.value.isZero();
}

std::vector<std::string> namesFor(Problem problem)
{
    std::vector<std::string> names;
    switch (problem) {
    case Problem::TwoPoints:
        return {"x₁", "y₁", "x₂", "y₂"};
    case Problem::PointLine:
        return {"x₀", "y₀", "a", "b", "c"};
    case Problem::TwoLines:
        return {"a₁", "b₁", "c₁", "a₂", "b₂", "c₂"};
    case Problem::LineCurve:
        names = {"a", "b", "c"};
        break;
    case Problem::PointCurve:
        names = {"x₀", "y₀"};
        break;
    case Problem::TwoCircles:
        return {"圆C₁的圆心横坐标", "圆C₁的圆心纵坐标", "r₁",
                "圆C₂的圆心横坐标", "圆C₂的圆心纵坐标", "r₂"};
    }
    for (const char* curve : CurveBoxes)
        names.push_back(std::string("曲线的") + curve);
    return names;
}

// The report of the first four problems, unchanged from the window's first version.
ReportLines classicReport(engine::Engine& engine, Problem problem,
                          const std::vector<std::string>& t, LineCurveReport& lineCurve)
{
    switch (problem) {
    case Problem::TwoPoints:
        return twoPointDistanceReport(engine, {t[0], t[1], t[2], t[3]});
    case Problem::PointLine:
        return pointLineReport(engine, {t[0], t[1], t[2], t[3], t[4]});
    case Problem::TwoLines:
        return twoLinesReport(engine, {t[0], t[1], t[2], t[3], t[4], t[5]});
    case Problem::LineCurve: {
        LineCurveReport::Texts texts;
        std::copy(t.begin(), t.end(), texts.begin());
        return lineCurve.build(engine, texts);
    }
    case Problem::PointCurve:
    case Problem::TwoCircles:
        break;
    }
    return {};
}

Solution solve(const Reading& in, Problem problem, ReportLines report)
{
    Solution s;
    s.report = std::move(report);
    const auto& v = in.values;
    switch (problem) {
    case Problem::TwoPoints:
        s.steps = twoPointsSteps({v[0], v[1], v[2], v[3]});
        break;
    case Problem::PointLine:
        s.answered = !noLine(lineFrom(v, 2));
        s.steps = pointLineSteps(v[0], v[1], lineFrom(v, 2));
        break;
    case Problem::TwoLines:
        s.answered = !noLine(lineFrom(v, 0)) && !noLine(lineFrom(v, 3));
        s.steps = twoLinesSteps(lineFrom(v, 0), lineFrom(v, 3));
        break;
    case Problem::LineCurve:
        if (noLine(lineFrom(v, 0))) {
            s.answered = false;
            s.steps = {notALine("直线l", lineFrom(v, 0))};
        } else if (std::all_of(v.begin() + 3, v.end(),
                               [](const Coefficient& c) { return c.value.isZero(); })) {
            s.answered = false;
            s.steps = {"曲线C：0=0 不是曲线"};
        } else {
            lineCurveSteps(s.steps, lineFrom(v, 0), conicFrom(v, 3), "曲线C");
        }
        break;
    case Problem::PointCurve: {
        Worked w = pointCurve(v[0], v[1], conicFrom(v, 2));
        s.report = std::move(w.report);
        s.steps = std::move(w.steps);
        s.answered = w.answered;
        break;
    }
    case Problem::TwoCircles: {
        Worked w = twoCircles({v[0], v[1], v[2], v[3], v[4], v[5]});
        s.report = std::move(w.report);
        s.steps = std::move(w.steps);
        s.answered = w.answered;
        break;
    }
    }
    return s;
}

} // namespace

const std::vector<ProblemInfo>& problems()
{
    static const std::vector<ProblemInfo> list{
        {Problem::TwoPoints, "two-points", 4, "x1 y1 x2 y2"},
        {Problem::PointLine, "point-line", 5, "x0 y0 a b c"},
        {Problem::TwoLines, "two-lines", 6, "a1 b1 c1 a2 b2 c2"},
        {Problem::LineCurve, "line-curve", 9, "a b c A B C D E F"},
        {Problem::PointCurve, "point-curve", 8, "x0 y0 A B C D E F"},
        {Problem::TwoCircles, "two-circles", 6, "h1 k1 r1 h2 k2 r2"},
    };
    return list;
}

std::optional<ProblemInfo> problemNamed(std::string_view command)
{
    for (const ProblemInfo& info : problems())
        if (command == info.command) return info;
    return std::nullopt;
}

Solution solveProblem(engine::Engine& engine, Problem problem,
                      const std::vector<std::string>& texts, LineCurveReport& lineCurve)
{
    ReportLines report = classicReport(engine, problem, texts, lineCurve);
    // Only the two lines read an empty box as 0 (its clear button empties them); the
    // window fills the empty boxes of the line and curve with 0 before it asks.
    const bool blankIsZero = problem == Problem::TwoLines;
    const Reading in = readBoxes(engine, texts, namesFor(problem), blankIsZero);
    if (!in.error.empty()) {
        Solution s;
        s.answered = false;
        if (report.empty())
            s.report = {in.error};
        else
            s.report = std::move(report), s.steps = {in.error};
        return s;
    }
    try {
        return solve(in, problem, report);
    } catch (const ArithmeticError& e) {
        Solution s;
        s.report = report.empty() ? ReportLines{faultLine(e.fault)} : std::move(report);
        s.steps = {faultLine(e.fault)};
        s.answered = false;
        return s;
    }
}

std::string solutionText(const Solution& solution, bool withSteps)
{
    std::string text = resultText(solution.report);
    if (withSteps && !solution.steps.empty()) {
        text += "\r\n\r\n详细步骤：";
        text += resultText(solution.steps);
    }
    return text;
}

} // namespace orvane::geometry
