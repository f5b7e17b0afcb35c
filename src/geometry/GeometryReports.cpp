// SPDX-License-Identifier: GPL-3.0-or-later
#include "GeometryReports.h"

#include "AnalyticGeometry.h"
#include "Engine.h"
#include "NumberText.h"

#include <algorithm>

namespace orvane::geometry {

namespace {

constexpr const char* LinePointPattern = "#0.00###";
constexpr const char* CurvePointPattern = "#0.0###";
// The π of the angle between two lines; the printed digits depend on it.
constexpr double AnglePi = 3.14159265358979;

std::string general(Real v)
{
    return NumberText::generalForm(v.value());
}

std::string pattern(Real v, const char* p)
{
    return NumberText::formatPattern(v.value(), p);
}

std::string point(Real x, Real y, const char* p)
{
    return "(" + pattern(x, p) + "," + pattern(y, p) + ")";
}

std::string degrees(Real radians)
{
    return general(radians * 180 / AnglePi);
}

std::string complementDegrees(Real radians)
{
    return general(90 - radians * 180 / AnglePi);
}

// The acute angle between two crossing lines that are not perpendicular.
std::string crossingAngle(Real a1, Real b1, Real a2, Real b2)
{
    if (b1 != 0 && b2 != 0) {
        const Real k1 = stored(-a1 / b1);
        const Real k2 = stored(-a2 / b2);
        return degrees(stored(atan(abs((k2 - k1) / (1 + k1 * k2)))));
    }
    // One of the lines is vertical: the angle is the complement of the other's slope.
    if (b1 != 0) return complementDegrees(stored(atan(abs(-a1 / b1))));
    return complementDegrees(stored(atan(abs(-a2 / b2))));
}

void appendCrossing(ReportLines& out, Real a1, Real b1, Real c1, Real a2, Real b2, Real c2,
                    Real det)
{
    out.push_back("两直线相交");
    const Real x = stored((b1 * c2 - b2 * c1) / det);
    const Real y = stored((a2 * c1 - a1 * c2) / det);
    out.push_back("两直线交点：" + point(x, y, LinePointPattern));
    if ((a1 * a2 + b1 * b2).negligible())
        out.push_back("两直线夹角:90.00(垂直)");
    else
        out.push_back("两直线夹角:" + crossingAngle(a1, b1, a2, b2));
}

void appendParallel(ReportLines& out, Real a1, Real b1, Real c1, Real a2, Real b2, Real c2)
{
    out.push_back("两直线平行");
    // L2 scaled onto L1; stays 0 (and the division fails) when L1 has a = b = 0.
    Real k = 0;
    if (a1 != 0) k = stored(a2 / a1);
    if (b1 != 0) k = stored(b2 / b1);
    out.push_back("两直线距离:" + general(abs(c1 - c2 / k) / sqrt(square(a1) + square(b1))));
    if (a1 == 0 && a2 == 0) out.push_back("平行于X轴");
}

void appendBothVertical(ReportLines& out, Real a1, Real c1, Real a2, Real c2)
{
    if ((c2 / a2 - c1 / a1).negligible()) {
        out.push_back("两直线重合");
        return;
    }
    out.push_back("两直线平行");
    out.push_back("两直线距离:" + general(abs(c1 / a1 - c2 / a2)));
    out.push_back("平行于Y轴");
}

// Evaluates every text; false when one of them fails.
template <std::size_t N>
bool evaluateAll(engine::Engine& engine, const std::array<const std::string*, N>& texts,
                 std::array<double, N>& values)
{
    for (std::size_t i = 0; i < N; ++i) {
        values[i] = engine.evaluate(*texts[i]);
        if (values[i] == ErrorValue) return false;
    }
    return true;
}

} // namespace

std::string resultText(const ReportLines& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += "\r\n";
        text += line;
    }
    return text;
}

std::string faultLine(Fault fault)
{
    switch (fault) {
    case Fault::BadInput:
        return "数据错误,请检查！";
    case Fault::DivisionByZero:
        return "错误：除数为零，无法计算";
    case Fault::InvalidOperation:
        return "错误：负数不能开平方，无法计算";
    case Fault::Overflow:
        break;
    }
    return "错误：数值溢出，无法计算";
}

ReportLines twoPointDistanceReport(engine::Engine& engine, const TwoPointTexts& t)
{
    ReportLines out{"由d=Sqr((x1-x2)^2+(y1-y2)^2)得"};
    out.push_back("点(" + t.x1 + "," + t.y1 + ")到点(" + t.x2 + "," + t.y2 + ")的距离为：");
    std::array<double, 4> v{};
    if (!evaluateAll<4>(engine, {&t.x1, &t.x2, &t.y1, &t.y2}, v)) {
        out.push_back(faultLine(Fault::BadInput));
        return out;
    }
    const auto d = AnalyticGeometry::twoPointDistance(v[0], v[1], v[2], v[3]);
    out.push_back(d.ok() ? AnalyticGeometry::distanceText(d.value())
                         : faultLine(d.fault()));
    return out;
}

ReportLines pointLineReport(engine::Engine& engine, const PointLineTexts& t)
{
    ReportLines out{"点(" + t.x0 + "," + t.y0 + ")到直线" + t.a + "x+" + t.b + "y+" + t.c +
                    "=0的距离是："};
    const auto d = AnalyticGeometry::pointLineDistanceText(engine, t.x0, t.y0, t.a, t.b, t.c);
    out.push_back(d.ok() ? d.value() : faultLine(d.fault()));
    return out;
}

ReportLines twoLinesReport(engine::Engine& engine, const TwoLinesTexts& t)
{
    std::array<double, 6> v{};
    for (std::size_t i = 0; i < v.size(); ++i) {
        const std::string& text = *std::array{&t.a1, &t.b1, &t.c1, &t.a2, &t.b2, &t.c2}[i];
        // An empty box (as "清空" leaves it) counts as 0.
        const bool blank = text.find_first_not_of(' ') == std::string::npos;
        v[i] = blank ? 0 : engine.evaluate(text);
        if (v[i] == ErrorValue) return {faultLine(Fault::BadInput)};
    }
    const Real a1 = v[0], b1 = v[1], c1 = v[2], a2 = v[3], b2 = v[4], c2 = v[5];
    const bool noSlopes = a1 == 0 && b1 == 0 && a2 == 0 && b2 == 0;
    if (noSlopes && c1 == 0 && c2 == 0) return {"你所输入的是原点"};
    if (noSlopes) return {"错误"};
    ReportLines out;
    try {
        const Real det = stored(a1 * b2 - a2 * b1);
        if (!det.negligible())
            appendCrossing(out, a1, b1, c1, a2, b2, c2, det);
        else if (!(b1 * c2 - b2 * c1).negligible())
            appendParallel(out, a1, b1, c1, a2, b2, c2);
        else if (b1 == 0 && b2 == 0)
            appendBothVertical(out, a1, c1, a2, c2);
        else
            out.push_back("两直线重合");
    } catch (const ArithmeticError&) {
        out.push_back("错误");
    }
    return out;
}

ReportLines LineCurveReport::build(engine::Engine& engine, const Texts& texts)
{
    std::array<double, 9> v{};
    std::array<const std::string*, 9> sources{};
    std::transform(texts.begin(), texts.end(), sources.begin(),
                   [](const std::string& s) { return &s; });
    const bool evaluated = evaluateAll<9>(engine, sources, v);
    const AnalyticGeometry::LineAndCurve lc{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]};
    if (!evaluated || (lc.a == 0 && lc.b == 0 && lc.c != 0)) return {faultLine(Fault::BadInput)};

    ReportLines out{"直线l和曲线C的关系如下："};
    if (auto note = AnalyticGeometry::slopeNote(lc)) slopeNote_ = *note;
    // A fault ends the derivation where it happens; the lines so far stay.
    try {
        const auto e = AnalyticGeometry::eliminate(lc).value();
        out.push_back(slopeNote_);
        const bool sloped = lc.b != 0;
        const std::string t = sloped ? "x" : "y";
        const std::string quadratic =
            general(e.qa) + "*" + t + "^2+" + general(e.qb) + "*" + t + "+" + general(e.qc) + "=0";
        // The points of the line for values of t.
        const Real a = lc.a, b = lc.b, c = lc.c;
        const Real verticalX = sloped ? Real(0) : stored(-c / a);
        const auto pointAt = [&](Real value) {
            if (!sloped) return point(verticalX, value, CurvePointPattern);
            return point(value, stored((-a / b) * value - c / b), CurvePointPattern);
        };
        if (sloped) {
            out.push_back("消去y得：" + quadratic);
        } else {
            out.push_back("∴x=-c/a=" + general(verticalX));
            out.push_back("代入消去x得：" + quadratic);
        }
        const auto meeting = AnalyticGeometry::meet(lc).value();
        switch (meeting.kind) {
        case AnalyticGeometry::Meeting::TwoPoints:
            out.push_back("由△=" + general(e.delta) + ">0可知：直线和曲线有两交点");
            out.push_back("截得弦长：" + general(AnalyticGeometry::chordLength(lc).value().length));
            out.push_back("交点为：" + pointAt(meeting.t[0]) + " | " + pointAt(meeting.t[1]));
            break;
        case AnalyticGeometry::Meeting::Tangent:
            out.push_back("由△=0可知：直线和曲线相切");
            out.push_back("交点为：" + pointAt(meeting.t[0]));
            break;
        case AnalyticGeometry::Meeting::NoPoint:
            if (e.qa != 0)
                out.push_back("由△=" + general(e.delta) + "<0可知：直线和曲线没有交点");
            else
                out.push_back("由方程无解可知：直线和曲线没有交点");
            break;
        case AnalyticGeometry::Meeting::OnePoint:
            out.push_back("由二次项系数为0可知：直线和曲线有一个交点");
            out.push_back("交点为：" + pointAt(meeting.t[0]));
            break;
        case AnalyticGeometry::Meeting::LineOnCurve:
            out.push_back("由方程恒成立可知：直线在曲线上");
            break;
        }
    } catch (const ArithmeticError&) {
    }
    return out;
}

} // namespace orvane::geometry
