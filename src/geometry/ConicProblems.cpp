// SPDX-License-Identifier: GPL-3.0-or-later
// The point and conic problem and the two circles problem.
#include "GeometrySteps.h"

#include "NumberText.h"

namespace orvane::geometry {

using namespace MathText;

namespace {


// A polynomial in k, lowest power first.
using Polynomial = std::vector<ExactReal>;

Polynomial operator+(const Polynomial& p, const Polynomial& q)
{
    Polynomial r(std::max(p.size(), q.size()), Zero);
    for (std::size_t i = 0; i < p.size(); ++i)
        r[i] = r[i] + p[i];
    for (std::size_t i = 0; i < q.size(); ++i)
        r[i] = r[i] + q[i];
    return r;
}

Polynomial operator*(const Polynomial& p, const Polynomial& q)
{
    Polynomial r(p.size() + q.size() - 1, Zero);
    for (std::size_t i = 0; i < p.size(); ++i)
        for (std::size_t j = 0; j < q.size(); ++j)
            r[i + j] = r[i + j] + p[i] * q[j];
    return r;
}

Polynomial operator*(const ExactReal& s, const Polynomial& p)
{
    return Polynomial{s} * p;
}

ExactReal valueAt(const Polynomial& p, const ExactReal& k)
{
    ExactReal v = Zero;
    for (auto it = p.rbegin(); it != p.rend(); ++it)
        v = v * k + *it;
    return v;
}

void trim(Polynomial& p)
{
    while (!p.empty() && p.back().isZero())
        p.pop_back();
}

Coefficient plain(const ExactReal& v)
{
    return Coefficient{v, {}};
}

// (x−h)², or x² for h = 0.
std::string squaredShift(const std::string& unknown, const ExactReal& h)
{
    return h.isZero() ? unknown + "²" : "(" + shifted(unknown, h) + ")²";
}

struct Tangent {
    std::string line;
    std::pair<ExactReal, ExactReal> touch;
};

// The line through (x0, y0) with slope k, in general form with whole coefficients where
// they can be had.
std::string lineThrough(const ExactReal& x0, const ExactReal& y0, const ExactReal& k)
{
    const std::vector<ExactReal> w = wholeCoefficients({k, -One, y0 - k * x0});
    return lineEquation(w[0], w[1], w[2]);
}

} // namespace

Worked pointCurve(const Coefficient& px, const Coefficient& py, const Conic& curve)
{
    const ExactReal &A = curve.A.value, &B = curve.B.value, &C = curve.C.value, &D = curve.D.value,
                    &E = curve.E.value, &F = curve.F.value;
    const ExactReal &x0 = px.value, &y0 = py.value;
    Worked w;
    if (A.isZero() && B.isZero() && E.isZero()) {
        w.report = {conicEquation(curve) + " 不是二次曲线"};
        w.answered = false;
        return w;
    }
    bool ellipse = E.isZero() && (A * B).sign() > 0;
    if (ellipse) {
        // A real ellipse has the opposite sign of A at its centre; x²+y²+1=0 has no point.
        const ExactReal h = -C / (Two * A), k = -D / (Two * B);
        const ExactReal centre = A * h * h + B * k * k + C * h + D * k + F;
        if ((centre * A).sign() >= 0) {
            w.report = {conicEquation(curve) + " 没有实点或只有一个点，不是椭圆或圆"};
            w.answered = false;
            return w;
        }
    }
    const bool circle = ellipse && same(A, B);
    const std::string name = circle ? "圆C" : ellipse ? "椭圆C" : "曲线C";
    w.report.push_back("点P" + point(x0, y0) + "与" + name + "的关系如下：");
    w.steps.push_back(name + "：" + conicEquation(curve) + "，点P" + point(x0, y0));
    if (circle) {
        const ExactReal h = -C / (Two * A), k = -D / (Two * A);
        const ExactReal r2 = h * h + k * k - F / A;
        if (r2.sign() > 0)
            w.steps.push_back("即" + squaredShift("x", h) + "+" + squaredShift("y", k) + "=" +
                              number(r2) + "，圆心" + point(h, k) +
                              "，半径r=" + withDecimal(sqrt(r2)));
    }
    const ExactReal value = A * x0 * x0 + B * y0 * y0 + C * x0 + D * y0 + E * x0 * y0 + F;
    std::string valueText = "将点P的坐标代入方程左边，得" + number(value);
    const int side = value.sign() * (ellipse ? A.sign() : 1);
    if (value.isZero()) {
        w.report.push_back("点P在" + name + "上");
        w.steps.push_back(valueText + "=0，点P在" + name + "上");
    } else if (ellipse) {
        const std::string where = side < 0 ? "内" : "外";
        w.report.push_back("点P在" + name + where);
        w.steps.push_back(valueText + (side * A.sign() < 0 ? "<0" : ">0") + "，点P在" + name +
                          where);
    } else {
        w.steps.push_back(valueText + "≠0，点P不在" + name + "上");
    }

    // Sloped tangents y − y0 = k(x − x0): the quadratic in x has Δ = 0.
    const Polynomial m{y0, -x0};
    const Polynomial qa{A, E, B};
    const Polynomial qb = Polynomial{C, D} + (Two * B) * (Polynomial{Zero, One} * m) + E * m;
    const Polynomial qc = B * (m * m) + D * m + Polynomial{F};
    Polynomial delta = qb * qb + (-Four) * (qa * qc);
    trim(delta);
    std::string kLine = x0.isZero() ? "kx" : "k(" + shifted("x", x0) + ")";
    w.steps.push_back("设切线方程为" + shifted("y", y0) + "=" + kLine + "，代入" + name +
                      "的方程，消去y得关于x的二次方程");
    if (circle) {
        // The way a textbook does it for a circle: the centre's distance is the radius.
        const ExactReal h = -C / (Two * A), k = -D / (Two * A);
        const ExactReal r = sqrt(h * h + k * k - F / A);
        const std::string line =
            polynomial({term(One, "kx"), term(-One, "y"), term(y0, ""), term(-x0, "k")});
        w.steps.push_back("（也可由圆心到切线" + line + "=0的距离等于半径：|" +
                          polynomial({term(h - x0, "k"), term(y0 - k, "")}) +
                          "|/√(k²+1)=" + number(r) + "）");
    }
    std::vector<Tangent> tangents;
    std::vector<ExactReal> slopes;
    if (delta.empty()) {
        w.steps.push_back("Δ恒为0，" + name + "退化，不能作切线");
        w.report.push_back("曲线退化，不能作切线");
        w.answered = false;
        return w;
    }
    std::vector<Term> terms;
    const std::vector<ExactReal> whole =
        wholeCoefficients(std::vector<ExactReal>(delta.rbegin(), delta.rend()));
    static const char* const powers[] = {"", "k", "k²", "k³", "k⁴"};
    for (std::size_t i = 0; i < whole.size(); ++i)
        terms.push_back(term(whole[i], powers[whole.size() - 1 - i]));
    const std::string equation = polynomial(terms) + "=0";
    if (delta.size() == 3) {
        const ExactReal &c2 = whole[0], &c1 = whole[1], &c0 = whole[2];
        const ExactReal disc = c1 * c1 - Four * c2 * c0;
        if (disc.sign() < 0) {
            w.steps.push_back("由Δ=0化简得" + equation + "，其判别式" + number(disc) +
                              "<0，k无实数解");
        } else if (disc.isZero()) {
            slopes.push_back(-c1 / (Two * c2));
            w.steps.push_back("由Δ=0化简得" + equation + "，解得k=" + number(slopes[0]));
        } else {
            slopes.push_back((-c1 + sqrt(disc)) / (Two * c2));
            slopes.push_back((-c1 - sqrt(disc)) / (Two * c2));
            w.steps.push_back("由Δ=0化简得" + equation + "，解得k₁=" + number(slopes[0]) +
                              "，k₂=" + number(slopes[1]));
        }
    } else if (delta.size() == 2) {
        slopes.push_back(-whole[1] / whole[0]);
        const std::string solved = "k=" + number(slopes[0]);
        w.steps.push_back("由Δ=0化简得" + equation + (equation == solved ? "" : "，解得" + solved));
    } else {
        w.steps.push_back("由Δ=0化简得" + equation + "，不成立，没有斜率存在的切线");
    }
    for (const ExactReal& k : slopes) {
        const ExactReal a = valueAt(qa, k);
        if (a.isZero()) {
            w.steps.push_back("k=" + number(k) + "时二次项系数为0，直线与" + name +
                              "只有一个交点而不相切，舍去");
            continue;
        }
        const ExactReal x = -valueAt(qb, k) / (Two * a);
        const ExactReal y = k * (x - x0) + y0;
        tangents.push_back({lineThrough(x0, y0, k), {x, y}});
        const std::string pointSlope =
            shifted("y", y0) + "=" +
            polynomial({term(k, x0.isZero() ? "x" : "(" + shifted("x", x0) + ")")});
        w.steps.push_back(
            "k=" + number(k) + "时，切线" + pointSlope +
            (pointSlope == tangents.back().line ? "" : "，即" + tangents.back().line) +
            "，由x=−b/(2a)得切点" + point(x, y));
    }
    // The vertical line through P is tangent when it meets the curve twice in one point.
    const std::string vertical = "x=" + number(x0);
    if (B.isZero()) {
        w.steps.push_back("当斜率不存在时，直线" + vertical + "与" + name +
                          "至多一个交点，不是切线");
    } else {
        const ExactReal b = D + E * x0, c = A * x0 * x0 + C * x0 + F;
        const ExactReal d = b * b - Four * B * c;
        const std::vector<ExactReal> v = wholeCoefficients({B, b, c}, false);
        std::string text = "当斜率不存在时，将" + vertical + "代入得" +
                           polynomial({term(v[0], "y²"), term(v[1], "y"), term(v[2], "")}) +
                           "=0，Δ=" + number(v[1] * v[1] - Four * v[0] * v[2]);
        if (d.isZero()) {
            const ExactReal y = -b / (Two * B);
            tangents.push_back({lineEquation(One, Zero, -x0), {x0, y}});
            w.steps.push_back(text + "，直线" + vertical + "是切线，切点" + point(x0, y));
        } else {
            w.steps.push_back(text + "≠0，直线" + vertical + "不是切线");
        }
    }
    if (tangents.empty()) {
        w.report.push_back("过点P不能作" + name + "的切线");
        w.steps.push_back("∴过点P不能作" + name + "的切线");
        return w;
    }
    if (!value.isZero() && !ellipse) w.report.push_back("点P在" + name + "外");
    w.report.push_back("过点P的切线有" +
                       NumberText::integerText(static_cast<long long>(tangents.size())) + "条：");
    std::string summary = "∴切线为";
    for (std::size_t i = 0; i < tangents.size(); ++i) {
        const Tangent& t = tangents[i];
        w.report.push_back("切线" + t.line + "，切点" + point(t.touch.first, t.touch.second));
        summary += (i ? "和" : "") + t.line;
    }
    w.steps.push_back(summary);
    return w;
}

Worked twoCircles(const std::array<Coefficient, 6>& data)
{
    const ExactReal &h1 = data[0].value, &k1 = data[1].value, &r1 = data[2].value;
    const ExactReal &h2 = data[3].value, &k2 = data[4].value, &r2 = data[5].value;
    Worked w;
    for (int i : {2, 5}) {
        if (data[static_cast<std::size_t>(i)].value.sign() <= 0) {
            w.report = {std::string(i == 2 ? "r₁" : "r₂") + " 有误：半径须大于0"};
            w.answered = false;
            return w;
        }
    }
    const auto circleText = [](const ExactReal& h, const ExactReal& k, const ExactReal& r) {
        return squaredShift("x", h) + "+" + squaredShift("y", k) + "=" + number(r * r);
    };
    w.report.push_back("两圆的位置关系如下：");
    w.steps.push_back("圆C₁：" + circleText(h1, k1, r1) + "，圆心C₁" + point(h1, k1) +
                      "，半径r₁=" + number(r1));
    w.steps.push_back("圆C₂：" + circleText(h2, k2, r2) + "，圆心C₂" + point(h2, k2) +
                      "，半径r₂=" + number(r2));
    const ExactReal d = sqrt(square(h2 - h1) + square(k2 - k1));
    const ExactReal sum = r1 + r2;
    const ExactReal diff = abs(r1 - r2);
    w.steps.push_back("圆心距d=|C₁C₂|=√((" + number(h2) + Minus + subtrahend(h1) + ")²+(" +
                      number(k2) + Minus + subtrahend(k1) + ")²)=" + withDecimal(d));
    w.steps.push_back("r₁+r₂=" + withDecimal(sum) + "，|r₁−r₂|=" + withDecimal(diff));
    w.report.push_back("圆心距d=" + withDecimal(d) + "，r₁+r₂=" + withDecimal(sum) +
                       "，|r₁−r₂|=" + withDecimal(diff));
    const int outer = (d - sum).sign();
    const int inner = (d - diff).sign();
    std::string verdict;
    if (d.isZero() && diff.isZero())
        verdict = "d=0且r₁=r₂，两圆重合";
    else if (outer > 0)
        verdict = "d>r₁+r₂，两圆外离";
    else if (outer == 0)
        verdict = "d=r₁+r₂，两圆外切";
    else if (inner > 0)
        verdict = "|r₁−r₂|<d<r₁+r₂，两圆相交";
    else if (inner == 0)
        verdict = "d=|r₁−r₂|，两圆内切";
    else
        verdict = d.isZero() ? "d=0，两圆为同心圆（内含）" : "d<|r₁−r₂|，两圆内含";
    w.report.push_back(verdict);
    w.steps.push_back("∵" + verdict.substr(0, verdict.find("，")) + "，∴" +
                      verdict.substr(verdict.find("，") + std::string("，").size()));
    const bool meet = outer <= 0 && inner >= 0 && !d.isZero();
    if (!meet) return w;

    // The circles as x² + y² + Dx + Ey + F = 0; their difference is the common chord (or
    // the common tangent at the point of contact).
    const ExactReal f1 = h1 * h1 + k1 * k1 - r1 * r1;
    const ExactReal f2 = h2 * h2 + k2 * k2 - r2 * r2;
    const Conic c1{plain(One),       plain(One),  plain(-Two * h1),
                   plain(-Two * k1), plain(Zero), plain(f1)};
    const Conic c2{plain(One),       plain(One),  plain(-Two * h2),
                   plain(-Two * k2), plain(Zero), plain(f2)};
    w.steps.push_back("展开得圆C₁：" + conicEquation(c1) + "，圆C₂：" + conicEquation(c2));
    const std::vector<ExactReal> axis =
        wholeCoefficients({Two * (h2 - h1), Two * (k2 - k1), f1 - f2});
    const PlaneLine chordLine{plain(axis[0]), plain(axis[1]), plain(axis[2])};
    const std::string lineText = lineEquation(axis[0], axis[1], axis[2]);
    const bool touching = outer == 0 || inner == 0;
    w.steps.push_back(std::string("两式相减得") +
                      (touching ? "两圆在切点处的公切线：" : "公共弦所在直线：") + lineText);
    if (!touching) {
        const ExactReal d1 =
            abs(axis[0] * h1 + axis[1] * k1 + axis[2]) / sqrt(square(axis[0]) + square(axis[1]));
        const ExactReal length = Two * sqrt(r1 * r1 - d1 * d1);
        w.steps.push_back("圆心C₁到公共弦的距离d₁=" + withDecimal(d1) +
                          "，公共弦长=2√(r₁²−d₁²)=" + withDecimal(length));
        w.report.push_back("公共弦所在直线：" + lineText);
        w.report.push_back("公共弦长：" + withDecimal(length));
    } else {
        w.report.push_back("公切线（过切点）：" + lineText);
    }
    w.steps.push_back("求交点：将直线与圆C₁联立");
    const Meeting m = lineCurveSteps(w.steps, chordLine, c1, "圆C₁");
    std::string points;
    for (const auto& p : m.points)
        points += (points.empty() ? "" : " | ") + point(p.first, p.second);
    w.report.push_back((touching ? "切点为：" : "交点为：") + points);
    return w;
}

} // namespace orvane::geometry
