// SPDX-License-Identifier: GPL-3.0-or-later
#include "GeometrySteps.h"

#include <utility>

namespace orvane::geometry {

using namespace MathText;

namespace {


std::string lineText(const PlaneLine& l)
{
    return lineEquation(l.a, l.b, l.c);
}

// y = kx + m for b ≠ 0, as the text after "y=".
std::string slopeInterceptRight(const ExactReal& k, const ExactReal& m)
{
    return polynomial({term(k, "x"), term(m, "")});
}

// The same line with whole coefficients, when it has fractions or decimals: "即x+3y+10=0".
std::string wholeForm(const PlaneLine& l)
{
    const std::vector<ExactReal> w =
        wholeCoefficients({l.a.value, l.b.value, l.c.value}, /*divideCommonFactor=*/false);
    const std::string whole = lineEquation(w[0], w[1], w[2]);
    return whole == lineText(l) ? std::string() : "，即" + whole;
}

// The line with whole coefficients, as the steps go on with it.
PlaneLine whole(const PlaneLine& l)
{
    const std::vector<ExactReal> w =
        wholeCoefficients({l.a.value, l.b.value, l.c.value}, /*divideCommonFactor=*/false);
    return {Coefficient{w[0], {}}, Coefficient{w[1], {}}, Coefficient{w[2], {}}};
}

// √u·√v as one root where it is exact: √2·√6 = 2√3, √(1+k²)·√(…) combined.
ExactReal rootProduct(const ExactReal& u, const ExactReal& v)
{
    ExactReal product = sqrt(u) * sqrt(v);
    if (!product.isExact()) {
        const ExactReal joined = sqrt(u * v);
        if (joined.isExact()) return joined;
    }
    return product;
}

std::string product(const ExactReal& x, const ExactReal& y)
{
    return factor(x) + "×" + factor(y);
}

// How the line reads, with its slope: "L₁：x+2y+1=0，k₁=−1/2".
std::string lineWithSlope(const std::string& name, const std::string& slopeName, const PlaneLine& l)
{
    const std::string cleared = wholeForm(l);
    const std::string text = name + "：" + lineText(l) + cleared;
    if (l.b.value.isZero())
        return text + (cleared.empty() ? "，即x=" : "，x=") + number(-l.c.value / l.a.value) +
               "，斜率不存在";
    return text + "，" + slopeName + "=" + number(-l.a.value / l.b.value);
}

struct Quadratic {
    ExactReal a, b, c;
};

Quadratic substitute(const PlaneLine& line, const Conic& q)
{
    const ExactReal &A = q.A.value, &B = q.B.value, &C = q.C.value, &D = q.D.value, &E = q.E.value,
                    &F = q.F.value;
    if (line.b.value.isZero()) {
        const ExactReal x0 = -line.c.value / line.a.value;
        return {B, D + E * x0, A * x0 * x0 + C * x0 + F};
    }
    const ExactReal k = -line.a.value / line.b.value;
    const ExactReal m = -line.c.value / line.b.value;
    return {A + B * k * k + E * k, C + Two * B * k * m + D * k + E * m, B * m * m + D * m + F};
}

} // namespace

std::string conicEquation(const Conic& q)
{
    return polynomial({{q.A, "x²"}, {q.B, "y²"}, {q.C, "x"}, {q.D, "y"}, {q.E, "xy"}, {q.F, ""}}) +
           "=0";
}

std::string notALine(const std::string& name, const PlaneLine& line)
{
    return name + "：" + lineEquation(line.a, line.b, line.c, /*keepZeros=*/true) + " 不是直线";
}

ReportLines twoPointsSteps(const std::array<Coefficient, 4>& p)
{
    const ExactReal &x1 = p[0].value, &y1 = p[1].value, &x2 = p[2].value, &y2 = p[3].value;
    ReportLines out{"A" + point(x1, y1) + "，B" + point(x2, y2)};
    const ExactReal d = sqrt(square(x2 - x1) + square(y2 - y1));
    out.push_back("|AB|=√((x₂−x₁)²+(y₂−y₁)²)=√((" + number(x2) + Minus + subtrahend(x1) + ")²+(" +
                  number(y2) + Minus + subtrahend(y1) + ")²)=" + withDecimal(d));
    out.push_back("线段AB的中点M((x₁+x₂)/2,(y₁+y₂)/2)，即M" +
                  point((x1 + x2) / Two, (y1 + y2) / Two));
    if (same(x1, x2) && same(y1, y2)) {
        out.push_back("A、B两点重合，过它们的直线不唯一");
        return out;
    }
    if (same(x1, x2)) {
        out.push_back("x₁=x₂=" + number(x1) + "，直线AB的斜率不存在，倾斜角α=90°");
        out.push_back("直线AB：x=" + number(x1) + "，一般式为" + lineEquation(One, Zero, -x1));
        return out;
    }
    const ExactReal k = (y2 - y1) / (x2 - x1);
    out.push_back("斜率k=(y₂−y₁)/(x₂−x₁)=(" + number(y2) + Minus + subtrahend(y1) + ")/(" +
                  number(x2) + Minus + subtrahend(x1) + ")=" + number(k) +
                  "，倾斜角α=" + inclination(k));
    const ExactReal m = y1 - k * x1;
    const std::vector<ExactReal> general = wholeCoefficients({k, -One, m});
    std::string pointSlope = shifted("y", y1) + "=";
    if (k.isZero())
        pointSlope += "0";
    else
        pointSlope += polynomial({term(k, x1.isZero() ? "x" : "(" + shifted("x", x1) + ")")});
    const std::string slopeIntercept = "y=" + slopeInterceptRight(k, m);
    out.push_back("直线AB：" + pointSlope +
                  (pointSlope == slopeIntercept ? "" : "，即" + slopeIntercept) + "，一般式为" +
                  lineEquation(general[0], general[1], general[2]));
    return out;
}

ReportLines pointLineSteps(const Coefficient& x0, const Coefficient& y0, const PlaneLine& typed)
{
    if (typed.a.value.isZero() && typed.b.value.isZero()) return {notALine("直线l", typed)};
    ReportLines out{"点P" + point(x0.value, y0.value) + "，直线l：" + lineText(typed) +
                    wholeForm(typed)};
    const PlaneLine l = whole(typed);
    const ExactReal &a = l.a.value, &b = l.b.value, &c = l.c.value;
    const ExactReal top = abs(a * x0.value + b * y0.value + c);
    const ExactReal bottom = square(a) + square(b);
    const ExactReal d = top / sqrt(bottom);
    std::string text = "d=|Ax₀+By₀+C|/√(A²+B²)=|" + product(a, x0.value) + "+" +
                       product(b, y0.value) + "+" + factor(c) + "|/√(" + factor(a, true) + "²+" +
                       factor(b, true) + "²)";
    const ExactReal root = sqrt(bottom);
    if (top.isRational() && bottom.isInteger() && !root.isRational() && !top.isZero())
        text += "=" + number(top) + "/√" + number(bottom);
    out.push_back(text + "=" + withDecimal(d));
    if (d.isZero()) out.push_back("d=0，点P在直线l上");
    return out;
}

ReportLines twoLinesSteps(const PlaneLine& typed1, const PlaneLine& typed2)
{
    for (const PlaneLine* l : {&typed1, &typed2})
        if (l->a.value.isZero() && l->b.value.isZero())
            return {notALine(l == &typed1 ? "L₁" : "L₂", *l)};
    ReportLines out{lineWithSlope("L₁", "k₁", typed1), lineWithSlope("L₂", "k₂", typed2)};
    const PlaneLine l1 = whole(typed1), l2 = whole(typed2);
    const ExactReal &a1 = l1.a.value, &b1 = l1.b.value, &c1 = l1.c.value;
    const ExactReal &a2 = l2.a.value, &b2 = l2.b.value, &c2 = l2.c.value;
    const ExactReal det = a1 * b2 - a2 * b1;
    const std::string detText =
        "A₁B₂−A₂B₁=" + product(a1, b2) + Minus + product(a2, b1) + "=" + number(det);
    if (!det.isZero()) {
        out.push_back(detText + "≠0，两直线相交");
        const ExactReal x = (b1 * c2 - b2 * c1) / det;
        const ExactReal y = (a2 * c1 - a1 * c2) / det;
        out.push_back("联立两直线方程，解得x=" + number(x) + "，y=" + number(y) + "，交点为" +
                      point(x, y));
        const ExactReal dot = a1 * a2 + b1 * b2;
        if (dot.isZero()) {
            out.push_back("A₁A₂+B₁B₂=" + product(a1, a2) + "+" + product(b1, b2) +
                          "=0，两直线垂直，夹角θ=90°");
            return out;
        }
        if (!b1.isZero() && !b2.isZero()) {
            const ExactReal k1 = -a1 / b1, k2 = -a2 / b2;
            const ExactReal t = abs((k2 - k1) / (One + k1 * k2));
            out.push_back("tanθ=|(k₂−k₁)/(1+k₁k₂)|=|(" + number(k2) + Minus + subtrahend(k1) +
                          ")/(1+" + product(k1, k2) + ")|=" + number(t));
            out.push_back("两直线的夹角θ=" + angleFromTangent(t));
            return out;
        }
        // One line is vertical: the angle is the complement of the other's inclination.
        const bool firstVertical = b1.isZero();
        const ExactReal k = firstVertical ? -a2 / b2 : -a1 / b1;
        const ExactReal t = One / abs(k);
        out.push_back(std::string(firstVertical ? "L₁" : "L₂") + "的斜率不存在，tanθ=|1/" +
                      (firstVertical ? "k₂" : "k₁") + "|=" + number(t));
        out.push_back("两直线的夹角θ=" + angleFromTangent(t));
        return out;
    }
    out.push_back(detText + "，两直线平行或重合");
    // L₂ written with the A and B of L₁.
    const ExactReal ratio = a1.isZero() ? b1 / b2 : a1 / a2;
    const ExactReal c2Scaled = c2 * ratio;
    if (same(c2Scaled, c1)) {
        out.push_back("L₂可化为" + lineEquation(a1, b1, c2Scaled) + "，与L₁相同，两直线重合");
        return out;
    }
    out.push_back("L₂可化为" + lineEquation(a1, b1, c2Scaled) + "，C₁≠C₂，两直线平行");
    const ExactReal d = abs(c1 - c2Scaled) / sqrt(square(a1) + square(b1));
    out.push_back("两平行线间的距离d=|C₁−C₂|/√(A²+B²)=|" + number(c1) + Minus +
                  subtrahend(c2Scaled) + "|/√(" + factor(a1, true) + "²+" + factor(b1, true) +
                  "²)=" + withDecimal(d));
    return out;
}

Meeting lineCurveSteps(ReportLines& out, const PlaneLine& line, const Conic& curve,
                       const std::string& name)
{
    const ExactReal &a = line.a.value, &b = line.b.value, &c = line.c.value;
    const bool sloped = !b.isZero();
    const std::string t = sloped ? "x" : "y";
    const ExactReal k = sloped ? -a / b : Zero;
    const ExactReal m = sloped ? -c / b : -c / a; // the intercept, or x of a vertical line
    const std::string yRight = sloped ? slopeInterceptRight(k, m) : std::string();
    out.push_back("直线l：" + lineText(line) + "，即" +
                  (sloped ? "y=" + yRight : "x=" + number(m)));
    out.push_back(name + "：" + conicEquation(curve));
    if (sloped) {
        const std::string y = "(" + yRight + ")";
        const std::string x = "x";
        out.push_back("将y=" + yRight + "代入" + name + "的方程，得" +
                      polynomial({{curve.A, "x²"},
                                  {curve.B, y + "²"},
                                  {curve.C, "x"},
                                  {curve.D, y},
                                  {curve.E, x + y},
                                  {curve.F, ""}}) +
                      "=0");
    } else {
        out.push_back("将x=" + number(m) + "代入" + name + "的方程，得关于y的方程");
    }
    const Quadratic q = substitute(line, curve);
    const std::vector<ExactReal> w = wholeCoefficients({q.a, q.b, q.c}, false);
    const ExactReal &qa = w[0], &qb = w[1], &qc = w[2];
    out.push_back("整理得" + polynomial({term(qa, t + "²"), term(qb, t), term(qc, "")}) + "=0");
    const auto pointAt = [&](const ExactReal& v) {
        return sloped ? std::make_pair(v, k * v + m) : std::make_pair(m, v);
    };
    Meeting meeting;
    if (qa.isZero()) {
        if (!qb.isZero()) {
            const ExactReal root = -qc / qb;
            meeting.kind = Meeting::OnePoint;
            meeting.points.push_back(pointAt(root));
            out.push_back("二次项系数为0，方程是一次方程，解得" + t + "=" + number(root) +
                          "，直线与" + name + "只有一个交点" +
                          point(meeting.points[0].first, meeting.points[0].second));
        } else if (!qc.isZero()) {
            out.push_back("方程无解，直线与" + name + "没有公共点");
        } else {
            meeting.kind = Meeting::LineOnCurve;
            out.push_back("方程恒成立，直线在" + name + "上");
        }
        return meeting;
    }
    const ExactReal delta = square(qb) - Four * qa * qc;
    const std::string deltaText =
        "Δ=" + factor(qb, true) + "²−4×" + product(qa, qc) + "=" + number(delta);
    if (delta.sign() < 0) {
        out.push_back(deltaText + "<0，直线与" + name + "没有公共点");
        return meeting;
    }
    if (delta.isZero()) {
        meeting.kind = Meeting::Tangent;
        const ExactReal root = -qb / (Two * qa);
        meeting.points.push_back(pointAt(root));
        out.push_back(deltaText + "，直线与" + name + "相切");
        out.push_back(t + "=−b/(2a)=" + number(root) + "，切点为" +
                      point(meeting.points[0].first, meeting.points[0].second));
        return meeting;
    }
    meeting.kind = Meeting::TwoPoints;
    out.push_back(deltaText + ">0，直线与" + name + "有两个交点");
    const ExactReal sum = -qb / qa;
    const ExactReal prod = qc / qa;
    out.push_back("设交点A(x₁,y₁)，B(x₂,y₂)，由韦达定理得" + t + "₁+" + t + "₂=" + number(sum) +
                  "，" + t + "₁" + t + "₂=" + number(prod));
    const ExactReal gap2 = square(sum) - Four * prod;
    const std::string gapText = "√((" + t + "₁+" + t + "₂)²−4" + t + "₁" + t + "₂)";
    const std::string gapNumbers = "√(" + factor(sum, true) + "²−4×" + factor(prod) + ")";
    if (sloped) {
        const ExactReal chord = rootProduct(One + square(k), gap2);
        meeting.chord = chord;
        out.push_back("|AB|=√(1+k²)·|x₁−x₂|=√(1+k²)·" + gapText);
        out.push_back("=√(1+" + factor(k, true) + "²)×" + gapNumbers + "=" + withDecimal(chord));
    } else {
        const ExactReal chord = sqrt(gap2);
        meeting.chord = chord;
        out.push_back("|AB|=|y₁−y₂|=" + gapText + "=" + gapNumbers + "=" + withDecimal(chord));
    }
    const ExactReal root = sqrt(delta);
    ExactReal r1 = (-qb + root) / (Two * qa);
    ExactReal r2 = (-qb - root) / (Two * qa);
    // The report lists (−b+√Δ)/(2a) of the equation before its sign was made positive.
    if (q.a.sign() != qa.sign()) std::swap(r1, r2);
    out.push_back("解方程得" + t + "₁=" + number(r1) + "，" + t + "₂=" + number(r2));
    meeting.points = {pointAt(r1), pointAt(r2)};
    out.push_back("交点为A" + point(meeting.points[0].first, meeting.points[0].second) + "，B" +
                  point(meeting.points[1].first, meeting.points[1].second));
    return meeting;
}

} // namespace orvane::geometry
