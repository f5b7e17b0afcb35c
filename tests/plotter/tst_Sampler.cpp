// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_Sampler.h"

#include "AdaptiveSampler.h"
#include "CurveTracer.h"
#include "Engine.h"
#include "PlotView.h"

#include <QTest>

#include <cmath>

using namespace orvane;

namespace {

constexpr double Pi = 3.14159265358979323846;
const PixelArea Area{500, 400};

struct Curve {
    engine::Engine engine;
    std::shared_ptr<const CompiledExpression> first;
    std::shared_ptr<const CompiledExpression> second;

    std::optional<double> at(const CompiledExpression& e, double t)
    {
        const double v = engine.evaluateAtX(e, t);
        if (v == ErrorValue || !std::isfinite(v)) return std::nullopt;
        return v;
    }
};

bool inside(PlotPoint p, const PlotView& v)
{
    return p.x > v.left() && p.x < v.right() && p.y > v.bottom() && p.y < v.top();
}

} // namespace

void TestSampler::niceSteps_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("atLeast");
    QTest::addColumn<double>("atMost");
    QTest::newRow("exact 1") << 1.0 << 1.0 << 1.0;
    QTest::newRow("exact 0.2") << 0.2 << 0.2 << 0.2;
    QTest::newRow("3") << 3.0 << 5.0 << 2.0;
    QTest::newRow("0.3") << 0.3 << 0.5 << 0.2;
    QTest::newRow("7e-5") << 7e-5 << 1e-4 << 5e-5;
    QTest::newRow("1.6") << 1.6 << 2.0 << 1.0;
    QTest::newRow("99999") << 99999.0 << 1e5 << 5e4;
}

void TestSampler::niceSteps()
{
    QFETCH(double, value);
    QFETCH(double, atLeast);
    QFETCH(double, atMost);
    QCOMPARE(niceStepAtLeast(value), atLeast);
    QCOMPARE(niceStepAtMost(value), atMost);
}

void TestSampler::viewLimitsAndMapping_data()
{
    QTest::addColumn<double>("centreX");
    QTest::addColumn<double>("centreY");
    QTest::addColumn<double>("halfWidth");
    QTest::addColumn<double>("expectedHalfWidth");
    QTest::newRow("classic") << 0.0 << 0.0 << 10.0 << 10.0;
    QTest::newRow("least") << 0.0 << 0.0 << PlotView::MinHalfWidth << PlotView::MinHalfWidth;
    QTest::newRow("below least") << 0.0 << 0.0 << 1e-9 << PlotView::MinHalfWidth;
    QTest::newRow("most") << 0.0 << 0.0 << PlotView::MaxHalfWidth << PlotView::MaxHalfWidth;
    QTest::newRow("above most") << 0.0 << 0.0 << 1e9 << PlotView::MaxHalfWidth;
    QTest::newRow("far centre keeps precision") << 5000.0 << -2.0 << 1e-4 << 5.0;
    QTest::newRow("not a number") << 1.0 << 1.0 << double(NAN) << 10.0;
}

void TestSampler::viewLimitsAndMapping()
{
    QFETCH(double, centreX);
    QFETCH(double, centreY);
    QFETCH(double, halfWidth);
    QFETCH(double, expectedHalfWidth);
    const PlotView view(centreX, centreY, halfWidth);
    QCOMPARE(view.halfWidth(), expectedHalfWidth);
    // The corners of the window are the corners of the area, and the mapping goes both ways.
    QCOMPARE(view.pixelX(view.left(), Area), 0.0);
    QVERIFY(std::fabs(view.pixelX(view.right(), Area) - Area.width) < 1e-6);
    QCOMPARE(view.pixelY(view.top(), Area), 0.0);
    QVERIFY(std::fabs(view.pixelY(view.bottom(), Area) - Area.height) < 1e-6);
    const double x = view.plotX(123.25, Area);
    QVERIFY(std::fabs(view.pixelX(x, Area) - 123.25) < 1e-6);
}

void TestSampler::zoomKeepsPointUnderPointer_data()
{
    QTest::addColumn<double>("pixelX");
    QTest::addColumn<double>("pixelY");
    QTest::addColumn<double>("factor");
    QTest::newRow("in, off centre") << 100.0 << 50.0 << 0.8;
    QTest::newRow("out, corner") << 0.0 << 400.0 << 1.25;
    QTest::newRow("far in") << 499.0 << 1.0 << 1e-2;
    QTest::newRow("three steps back out") << 250.0 << 200.0 << 8.0;
}

void TestSampler::zoomKeepsPointUnderPointer()
{
    QFETCH(double, pixelX);
    QFETCH(double, pixelY);
    QFETCH(double, factor);
    const PlotView before(1.5, -2, 3);
    const double x = before.plotX(pixelX, Area);
    const double y = before.plotY(pixelY, Area);
    const PlotView after = before.zoomedAbout(x, y, factor);
    QVERIFY(std::fabs(after.halfWidth() - 3 * factor) < 1e-12);
    QVERIFY(std::fabs(after.pixelX(x, Area) - pixelX) < 1e-6);
    QVERIFY(std::fabs(after.pixelY(y, Area) - pixelY) < 1e-6);
    // Zooming back by the inverse factor returns to the same window.
    const PlotView back = after.zoomedAbout(x, y, 1 / factor);
    QVERIFY(std::fabs(back.centreX() - 1.5) < 1e-9 && std::fabs(back.centreY() + 2) < 1e-9);
}

void TestSampler::tickSteps_data()
{
    QTest::addColumn<double>("halfWidth");
    QTest::addColumn<bool>("pi");
    QTest::addColumn<double>("stepX");
    QTest::addColumn<double>("stepY");
    QTest::newRow("10") << 10.0 << false << 1.0 << 1.0;
    QTest::newRow("16") << 16.0 << false << 2.0 << 2.0;
    QTest::newRow("30") << 30.0 << false << 5.0 << 5.0;
    QTest::newRow("0.001") << 0.001 << false << 1e-4 << 1e-4;
    QTest::newRow("1000") << 1000.0 << false << 100.0 << 100.0;
    QTest::newRow("trig") << 2 * Pi << true << Pi / 2 << 1.0;
    QTest::newRow("trig zoomed out") << 20 * Pi << true << 5 * Pi << 10.0;
}

void TestSampler::tickSteps()
{
    QFETCH(double, halfWidth);
    QFETCH(bool, pi);
    QFETCH(double, stepX);
    QFETCH(double, stepY);
    const PlotView view(0, 0, halfWidth, pi);
    QVERIFY(std::fabs(view.tickStepX() / stepX - 1) < 1e-12);
    QVERIFY(std::fabs(view.tickStepY() / stepY - 1) < 1e-12);
    QCOMPARE(PlotView::trigonometric().left(), -2 * Pi);
    QVERIFY(PlotView::trigonometric().piLabels());
}

void TestSampler::regressionSet_data()
{
    QTest::addColumn<QString>("kind"); // "y", "polar" or "param"
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<double>("centreX");
    QTest::addColumn<double>("centreY");
    QTest::addColumn<double>("halfWidth");
    // Where the curve is undefined or jumps: x = start + k * period for whole k.
    QTest::addColumn<double>("breakStart");
    QTest::addColumn<double>("breakPeriod"); // 0: one place only; -1: none
    QTest::addColumn<bool>("branchesToEdges");
    QTest::addColumn<bool>("inkEveryColumn");

    struct View {
        const char* name;
        double x, y, h;
    };
    const auto add = [](const char* expression, View feature, double start, double period,
                        bool edges, bool ink) {
        for (const View v : {View{"10", 0, 0, 10}, feature, View{"1000", 0, 0, 1000}}) {
            QTest::addRow("%s at %s", expression, v.name)
                << "y" << expression << "" << v.x << v.y << v.h << start << period
                << (edges && v.h < 100) << ink;
        }
    };
    add("tan(x)", {"pole", Pi / 2, 0, 1}, Pi / 2, Pi, true, false);
    add("1/x", {"pole", 0, 0, 1}, 0, 0, true, false);
    add("1/(x-1)^2", {"pole", 1, 0, 1}, 1, 0, false, false);
    add("sin(1/x)", {"origin", 0, 0, 1}, 0, 0, false, false);
    add("int(x)", {"step", 1, 1, 1}, 0, 1, false, false);
    add("sqr(x)", {"origin", 0, 0, 1}, 0, 0, false, false);
    add("(x^2-1)/(x-1)", {"hole", 1, 2, 1}, 1, 0, false, false);
    add("sin(100*x)", {"one", 0, 0, 1}, 0, -1, false, true);
    add("log(abs(x))", {"origin", 0, 0, 1}, 0, 0, false, false);
    add("exp(x)", {"one", 0, 1, 1}, 0, -1, false, false);
    for (double h : {10.0, 1.0, 1000.0}) {
        QTest::addRow("rose at %g", h) << "polar"
                                       << "3*sin(2*x)"
                                       << "" << 0.0 << 0.0 << h << 0.0 << -1.0 << false << false;
        QTest::addRow("Lissajous at %g", h)
            << "param"
            << "4*sin(3*x)"
            << "3*cos(2*x)" << 0.0 << 0.0 << h << 0.0 << -1.0 << false << false;
    }
}

void TestSampler::regressionSet()
{
    QFETCH(QString, kind);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(double, centreX);
    QFETCH(double, centreY);
    QFETCH(double, halfWidth);
    QFETCH(double, breakStart);
    QFETCH(double, breakPeriod);
    QFETCH(bool, branchesToEdges);
    QFETCH(bool, inkEveryColumn);

    Curve c;
    c.first = c.engine.compile(first.toStdString());
    if (!second.isEmpty()) c.second = c.engine.compile(second.toStdString());
    const PlotView view(centreX, centreY, halfWidth);
    SamplingRequest request;
    CurveFunction f;
    if (kind == "y") {
        request.from = -1e4;
        request.to = 1e4;
        f = [&](double t) -> std::optional<PlotPoint> {
            if (auto v = c.at(*c.first, t)) return PlotPoint{t, *v};
            return std::nullopt;
        };
    } else {
        request.free = SamplingRequest::Free::Parameter;
        request.from = 0;
        request.to = 2 * Pi;
        f = [&](double t) -> std::optional<PlotPoint> {
            const auto u = c.at(*c.first, t);
            if (!u) return std::nullopt;
            if (kind == "polar") return PlotPoint{*u * std::cos(t), *u * std::sin(t)};
            const auto v = c.at(*c.second, t);
            if (!v) return std::nullopt;
            return PlotPoint{*u, *v};
        };
    }
    const SampledCurve sampled = sampleCurve(f, request, view, Area);
    QVERIFY(!sampled.paths.empty());
    const double unitX = view.unitsPerPixelX(Area);
    const double unitY = view.unitsPerPixelY(Area);

    for (const PlotPath& path : sampled.paths) {
        QVERIFY(path.size() >= 2);
        for (std::size_t i = 0; i < path.size(); ++i) {
            const PlotPoint p = path[i];
            // Clipped to the window and its margin.
            QVERIFY(view.pixelX(p.x, Area) >= -ClipMarginPixels - 1e-6);
            QVERIFY(view.pixelX(p.x, Area) <= Area.width + ClipMarginPixels + 1e-6);
            QVERIFY(view.pixelY(p.y, Area) >= -ClipMarginPixels - 1e-6);
            QVERIFY2(
                view.pixelY(p.y, Area) <= Area.height + ClipMarginPixels + 1e-6,
                qPrintable(
                    QString("%1 %2 %3").arg(p.x, 0, 'g', 17).arg(p.y).arg(view.pixelY(p.y, Area))));
            if (kind == "y" && inside(p, view)) {
                // Every sample lies on the curve (within half a pixel).
                const auto truth = c.at(*c.first, p.x);
                QVERIFY2(truth, qPrintable(QString("undefined at %1").arg(p.x)));
                QVERIFY2(std::fabs(*truth - p.y) / unitY <= 0.5,
                         qPrintable(QString("off the curve at %1").arg(p.x)));
            }
            // Poles closer together than a few pixels cannot be told apart.
            const bool resolvable = breakPeriod == 0 || breakPeriod / unitX >= 4;
            if (i == 0 || kind != "y" || breakPeriod < 0 || !resolvable) continue;
            // No segment joins across a pole, jump or hole; a join smaller than two
            // pixels each way cannot be seen and is not looked for.
            const PlotPoint a = path[i - 1];
            const double lo = std::min(a.x, p.x), hi = std::max(a.x, p.x);
            const double k = breakPeriod > 0 ? std::ceil((lo - breakStart) / breakPeriod) : 0;
            const double place = breakStart + k * breakPeriod;
            const bool visible = std::fabs(a.y - p.y) / unitY > 2 || (hi - lo) / unitX > 2;
            QVERIFY2(!(lo < place && place <= hi && visible && place != lo),
                     qPrintable(QString("joins across %1: (%2,%3)-(%4,%5)")
                                    .arg(place)
                                    .arg(a.x)
                                    .arg(a.y)
                                    .arg(p.x)
                                    .arg(p.y)));
        }
    }

    if (branchesToEdges) {
        // Beside each visible pole a branch runs up to the top or down to the bottom.
        const double k0 = breakPeriod > 0 ? std::ceil((view.left() - breakStart) / breakPeriod) : 0;
        for (double k = k0;; ++k) {
            const double pole = breakStart + k * std::max(breakPeriod, 0.0);
            if (pole >= view.right()) break;
            // The samples nearest the pole on either side are off the pad.
            PlotPoint nearestLeft{-1e300, 0}, nearestRight{1e300, 0};
            for (const PlotPath& path : sampled.paths)
                for (const PlotPoint p : path) {
                    if (p.x < pole && p.x > nearestLeft.x) nearestLeft = p;
                    if (p.x > pole && p.x < nearestRight.x) nearestRight = p;
                }
            const auto offPad = [&](PlotPoint p) {
                return p.y >= view.top() || p.y <= view.bottom();
            };
            const bool left = offPad(nearestLeft);
            const bool right = offPad(nearestRight);
            QVERIFY2(left && right, qPrintable(QString("pole at %1").arg(pole)));
            if (breakPeriod <= 0) break;
        }
    }

    if (inkEveryColumn) {
        std::vector<bool> inked(std::size_t(Area.width), false);
        for (const PlotPath& path : sampled.paths)
            for (std::size_t i = 1; i < path.size(); ++i) {
                const double a = view.pixelX(path[i - 1].x, Area);
                const double b = view.pixelX(path[i].x, Area);
                for (int col = std::max(0, int(std::floor(std::min(a, b))));
                     col < std::min(int(Area.width), int(std::ceil(std::max(a, b)))); ++col)
                    inked[std::size_t(col)] = true;
            }
        QVERIFY(std::all_of(inked.begin(), inked.end(), [](bool b) { return b; }));
    }
}

void TestSampler::hugeRangeKeepsWhatTheWindowShows()
{
    Curve c;
    c.first = c.engine.compile("x^2-100");
    SamplingRequest request;
    request.from = -10000;
    request.to = 10000;
    const auto f = [&](double t) -> std::optional<PlotPoint> {
        return PlotPoint{t, *c.at(*c.first, t)};
    };
    const SampledCurve sampled = sampleCurve(f, request, PlotView::classic(10), Area);
    std::size_t points = 0;
    for (const PlotPath& path : sampled.paths)
        points += path.size();
    // Samples beyond the window are never taken, and what is kept is a few per pixel.
    QVERIFY(sampled.evaluations < 20'000);
    QVERIFY(points > 0 && points < 4 * Area.width);
}

void TestSampler::cancelledSamplingGivesNothing()
{
    std::atomic<bool> cancel{true};
    SamplingRequest request;
    request.cancel = &cancel;
    const auto f = [](double t) -> std::optional<PlotPoint> { return PlotPoint{t, std::sin(t)}; };
    const SampledCurve sampled = sampleCurve(f, request, PlotView::classic(10), Area);
    QVERIFY(sampled.cancelled);
    QVERIFY(sampled.paths.empty());
}

void TestSampler::parameterReadsAsX_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("read");
    QTest::newRow("in a call") << "cos(t)*3"
                               << "cos(x)*3";
    QTest::newRow("either case, at both ends") << "T+sqr(t)-t"
                                               << "x+sqr(x)-x";
    QTest::newRow("inside longer names kept") << "tan(t)+t2+ts"
                                              << "tan(x)+t2+ts";
    QTest::newRow("no t") << "3*pi"
                          << "3*pi";
}

void TestSampler::parameterReadsAsX()
{
    QFETCH(QString, expression);
    QFETCH(QString, read);
    QCOMPARE(QString::fromStdString(parameterAsX(expression.toStdString())), read);
}
