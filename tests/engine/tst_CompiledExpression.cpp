// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_CompiledExpression.h"

#include "CompiledExpression.h"
#include "Engine.h"
#include "EvaluatorCases.h"
#include "ExpressionEvaluator.h"
#include "ExpressionSyntax.h"
#include "RandomExpressions.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace orvane;

namespace {

enum class Binding { None, X, Y };

// Everything an evaluation leaves behind that a caller could see.
struct Observation {
    std::uint64_t bits = 0;
    int position = 0;
    std::size_t constants = 0;
    std::vector<std::string> names;
    bool operator==(const Observation& o) const
    {
        return bits == o.bits && position == o.position && constants == o.constants &&
               names == o.names;
    }
};

std::uint64_t bitsOf(double v)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

QString printable(const std::string& text)
{
    QString out;
    for (unsigned char c : text.substr(0, 300))
        out += (c >= 32 && c < 127) ? QString(QChar(c))
                                    : QStringLiteral("\\x%1").arg(c, 2, 16, QChar('0'));
    return out;
}

QString describe(const Observation& o)
{
    return QStringLiteral("bits %1 position %2 constants %3 names %4")
        .arg(o.bits, 16, 16, QChar('0'))
        .arg(o.position)
        .arg(o.constants)
        .arg(o.names.size());
}

// Runs programs and scans of their texts with one engine and compares what a caller
// could see.
struct Differential {
    engine::Engine& engine;

    Observation observe(double v, int position) const
    {
        return {bitsOf(v), position, engine.constantCount(), engine.constantNames()};
    }
    Observation observe(double v) const { return observe(v, engine.lastErrorPosition()); }

    // The reference: the text scanned with the engine's constants, the unknown bound
    // around the scan.
    Observation scanned(const std::string& text, Binding binding, double v) const
    {
        ExpressionEvaluator scanning(engine.constants());
        double result = 0;
        {
            std::optional<engine::UnknownBinding> bound;
            if (binding != Binding::None)
                bound.emplace(engine, binding == Binding::X ? Unknown::X : Unknown::Y, v);
            result = scanning.evaluate(text);
        }
        return observe(result, scanning.lastErrorPosition());
    }

    Observation compiled(const CompiledExpression& program, Binding binding, double v) const
    {
        switch (binding) {
        case Binding::X:
            return observe(engine.evaluateAtX(program, v));
        case Binding::Y:
            return observe(engine.evaluateAtY(program, v));
        case Binding::None:
            break;
        }
        return observe(engine.evaluate(program));
    }

    // Runs `program` and a scan of its text under the same binding; records a failure of
    // the current test when they differ in anything a caller could see.
    bool agree(const CompiledExpression& program, Binding binding, double v) const
    {
        const Observation s = scanned(program.text(), binding, v);
        const Observation c = compiled(program, binding, v);
        if (s == c) return true;
        const char* bound = binding == Binding::X ? "x" : binding == Binding::Y ? "y" : "nothing";
        QTest::qFail(
            qPrintable(QStringLiteral("\"%1\" with %2 bound to %3:\n  scanned  %4\n  compiled %5")
                           .arg(printable(program.text()), QLatin1String(bound))
                           .arg(v, 0, 'g', 17)
                           .arg(describe(s), describe(c))),
            __FILE__, __LINE__);
        return false;
    }

    // The same for a program of the text, and for the engine's own compiled form of it.
    bool agree(const std::string& text, Binding binding = Binding::None, double v = 0) const
    {
        return agree(CompiledExpression(text), binding, v) &&
               agree(*engine.compile(text), binding, v);
    }
};

// Values of the unknowns that test the edges: signed zeros, huge and tiny numbers,
// NaNs of both signs (a signalling one too) and infinities.
const std::vector<double>& specialValues()
{
    static const std::vector<double> values = {0.0,
                                               -0.0,
                                               1.0,
                                               3.0,
                                               -2.5,
                                               0.001,
                                               1e300,
                                               -1e-300,
                                               709.5,
                                               171.0,
                                               std::numeric_limits<double>::quiet_NaN(),
                                               -std::numeric_limits<double>::quiet_NaN(),
                                               std::numeric_limits<double>::signaling_NaN(),
                                               std::numeric_limits<double>::infinity(),
                                               -std::numeric_limits<double>::infinity()};
    return values;
}

void installTestConstants(engine::Engine& engine)
{
    EvaluatorCases::installDefaultConstants(engine);
    engine.addUserConstant("k", "2");
    engine.addUserConstant("a_1", "-0.5");
    engine.addUserConstant("big", "1e300");
    engine.addUserConstant("neg0", "-0");
}

} // namespace

void TestCompiledExpression::init()
{
    engine_ = engine::Engine();
    installTestConstants(engine_);
}

void TestCompiledExpression::sameAsScanningOnCaseTables()
{
    const Differential d{engine_};
    for (const auto* table : {&EvaluatorCases::values(), &EvaluatorCases::exactValues()}) {
        for (const auto& c : *table) {
            const CompiledExpression program(c.text);
            if (c.x == EvaluatorCases::Unbound) {
                if (!d.agree(program, Binding::None, 0) || !d.agree(program, Binding::X, 3)) return;
            } else if (!d.agree(program, Binding::X, c.x) || !d.agree(program, Binding::Y, c.x)) {
                return;
            }
        }
    }
    for (const auto& c : EvaluatorCases::positions())
        if (!d.agree(c.text)) return;
    for (const auto& c : EvaluatorCases::deepNesting())
        if (!d.agree(c.text)) return;
    const int limit = ExpressionSyntax::MaxNesting;
    for (int depth : {limit, limit + 1}) {
        const std::string open(std::size_t(depth), '(');
        const std::string close(std::size_t(depth), ')');
        if (!d.agree(open + "2" + close) || !d.agree(open + "x" + close, Binding::X, -1.5)) return;
    }
    for (const std::string& digits : {"1" + std::string(400, '0'), "1" + std::string(300, '0')})
        if (!d.agree(digits)) return;
}

void TestCompiledExpression::sameAsScanningOnEveryByte()
{
    const Differential d{engine_};
    for (int b = 1; b < 256; ++b) {
        const std::string c(1, static_cast<char>(b));
        for (const std::string& text : {"1" + c + "2", c, "x" + c, c + "x", "sin" + c + "(1)"})
            if (!d.agree(text, Binding::X, 2)) return;
    }
}

void TestCompiledExpression::sameAsScanningOnRandomTexts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<uint>("seed");
    QTest::addColumn<int>("count");
    // Percentages of texts that must evaluate at some x and that must fail there.
    QTest::addColumn<int>("succeeding");
    QTest::addColumn<int>("failing");
    QTest::newRow("well-formed") << 0 << 20240611u << 12000 << 10 << 20;
    QTest::newRow("damaged") << 1 << 77u << 12000 << 1 << 50;
    QTest::newRow("deeply nested") << 2 << 5u << 150 << 10 << 30;
}

void TestCompiledExpression::sameAsScanningOnRandomTexts()
{
    const Differential d{engine_};
    QFETCH(int, kind);
    QFETCH(uint, seed);
    QFETCH(int, count);
    QFETCH(int, succeeding);
    QFETCH(int, failing);
    RandomExpressions texts(seed);
    std::mt19937 pick(seed + 1);
    const auto& specials = specialValues();
    std::uniform_int_distribution<std::size_t> special(0, specials.size() - 1);
    std::uniform_int_distribution<int> ordinary(-20000, 20000);

    int succeeded = 0;
    for (int i = 0; i < count; ++i) {
        const std::string text = kind == 0   ? texts.wellFormed()
                                 : kind == 1 ? texts.damaged()
                                             : texts.deeplyNested();
        // One program for every run, so that its name look-ups are reused as well.
        const CompiledExpression program(text);
        const double x = ordinary(pick) / 1000.0;
        if (!d.agree(program, Binding::None, 0) || !d.agree(program, Binding::X, x) ||
            !d.agree(program, Binding::X, specials[special(pick)]) ||
            !d.agree(program, Binding::Y, specials[special(pick)]))
            return;
        if (engine_.evaluateAtX(program, x) != ErrorValue) ++succeeded;
    }
    // The texts must exercise both outcomes to prove anything.
    QVERIFY2(succeeded * 100 >= count * succeeding, qPrintable(QString::number(succeeded)));
    QVERIFY2((count - succeeded) * 100 >= count * failing, qPrintable(QString::number(succeeded)));
}

void TestCompiledExpression::followsConstantChanges()
{
    const Differential d{engine_};
    const auto program = engine_.compile("pi*k+x");
    const auto check = [&](double expected) {
        QVERIFY(d.agree(*program, Binding::X, 2));
        QCOMPARE(engine_.evaluateAtX(*program, 2), expected);
    };
    check(3.14159265358979 * 2 + 2);
    QVERIFY(engine_.removeSelectedConstant(0).ok); // Pi
    check(ErrorValue);
    QVERIFY(engine_.addUserConstant("pi", "3").ok);
    check(8);
    // A second k leaves the first value in force.
    QVERIFY(engine_.addUserConstant("K", "5").ok);
    check(8);
    const auto& names = engine_.constantNames();
    const int k = int(std::find(names.begin(), names.end(), "k") - names.begin());
    QVERIFY(engine_.removeSelectedConstant(k).ok);
    check(ErrorValue);
    engine_.addConstant("k", 5);
    check(17);
}

enum class Change { RemoveConstant, RemoveUserConstant, Redefine, BindByName, Binding, Copy, Move };
Q_DECLARE_METATYPE(Change)

void TestCompiledExpression::pointAfterPointSeesEveryChange_data()
{
    // Points of k*x (k = 2) at x = 1 and 2 make the engine take its quick way; then a
    // change, and the point at x = 3 from the engine named.
    QTest::addColumn<Change>("change");
    QTest::addColumn<double>("expected");
    QTest::newRow("constant removed") << Change::RemoveConstant << ErrorValue;
    QTest::newRow("list row removed") << Change::RemoveUserConstant << ErrorValue;
    QTest::newRow("removed and added again") << Change::Redefine << 15.0;
    QTest::newRow("x given as a constant keeps its value") << Change::BindByName << 20.0;
    QTest::newRow("x bound around the point keeps its value") << Change::Binding << 20.0;
    QTest::newRow("a copy changed, the original not") << Change::Copy << 6.0;
    QTest::newRow("the engine moved") << Change::Move << 6.0;
}

void TestCompiledExpression::pointAfterPointSeesEveryChange()
{
    QFETCH(Change, change);
    QFETCH(double, expected);
    const auto program = engine_.compile("k*x");
    QCOMPARE(engine_.evaluateAtX(*program, 1), 2.0);
    QCOMPARE(engine_.evaluateAtX(*program, 2), 4.0);
    const auto& names = engine_.constantNames();
    const int kRow = int(std::find(names.begin(), names.end(), "k") - names.begin());
    engine::Engine other;
    std::optional<engine::UnknownBinding> binding;
    engine::Engine* evaluating = &engine_;
    switch (change) {
    case Change::RemoveConstant:
        engine_.removeConstant("K");
        break;
    case Change::RemoveUserConstant:
        QVERIFY(engine_.removeSelectedConstant(kRow).ok);
        break;
    case Change::Redefine:
        engine_.removeConstant("k");
        engine_.addConstant("k", 5);
        break;
    case Change::BindByName:
        engine_.addConstant("x", 10);
        break;
    case Change::Binding:
        binding.emplace(engine_, engine::Unknown::X, 10);
        break;
    case Change::Copy:
        other = engine_;
        QCOMPARE(other.evaluateAtX(*program, 3), 6.0);
        other.removeConstant("k");
        QCOMPARE(other.evaluateAtX(*program, 3), ErrorValue);
        break;
    case Change::Move:
        other = std::move(engine_);
        evaluating = &other;
        break;
    }
    QCOMPARE(evaluating->evaluateAtX(*program, 3), expected);
    QCOMPARE(evaluating->lastErrorPosition(), expected == ErrorValue ? 2 : 4);
    if (change == Change::Move) engine_ = engine::Engine();
}

void TestCompiledExpression::bindsUnknownsAsScanningDoes()
{
    // Each form in turn from the same start: y bound, x bound around the evaluations, a
    // binding of x made inside one that is in force already, and one evaluation with x
    // bound only for the binding's life.
    const CompiledExpression program("x*10+y");
    const auto run = [&](bool useProgram) {
        engine::Engine engine;
        installTestConstants(engine);
        std::vector<double> results;
        const auto evaluate = [&](bool bindX) {
            const std::string& text = program.text();
            if (useProgram)
                results.push_back(bindX ? engine.evaluateAtX(program, 5)
                                        : engine.evaluate(program));
            else
                results.push_back(bindX ? engine.evaluateAtX(text, 5) : engine.evaluate(text));
        };
        const engine::UnknownBinding y(engine, engine::Unknown::Y, 0.5);
        {
            const engine::UnknownBinding x(engine, engine::Unknown::X, 1);
            evaluate(true); // the binding in force keeps its value
            evaluate(false);
        }
        evaluate(false); // x is unbound again
        evaluate(true);
        results.push_back(double(engine.constantNames().size()));
        return results;
    };
    const std::vector<double> scanning = run(false);
    QCOMPARE(run(true), scanning);
    QCOMPARE(scanning, (std::vector<double>{10.5, 10.5, ErrorValue, 50.5, 7}));
}

void TestCompiledExpression::surviveAFreshEngine()
{
    const CompiledExpression program("pi+1");
    QVERIFY(Differential{engine_}.agree(program, Binding::None, 0));
    engine::Engine fresh;
    const Differential d{fresh};
    QVERIFY(d.agree(program, Binding::None, 0));
    QCOMPARE(fresh.evaluate(program), ErrorValue);
    EvaluatorCases::installDefaultConstants(fresh);
    QVERIFY(d.agree(program, Binding::None, 0));

    // Two engines with different tables, taken in turn.
    engine::Engine other;
    other.addConstant("zz", 1);
    other.addConstant("PI", 10);
    QCOMPARE(other.evaluate(program), 11.0);
    QCOMPARE(fresh.evaluate(program), 3.14159265358979 + 1);
    QCOMPARE(other.evaluate(program), 11.0);
}

void TestCompiledExpression::numbersAreWorkedOutOnce()
{
    const Differential d{engine_};
    // The designer's default curve: its number-only parts cost nothing per point.
    const CompiledExpression written(
        "2*cos((20000000-19999999)/2*x)*cos((20000000+19999999)/2*x+pi)");
    const CompiledExpression reduced("2*cos(0.5*x)*cos(19999999.5*x+pi)");
    QCOMPARE(written.size(), reduced.size());
    QCOMPARE(engine_.evaluateAtX(written, 1.25), engine_.evaluateAtX(reduced, 1.25));
    // A number-only part that fails still fails where the scan stops.
    QVERIFY(d.agree("x+(1/0)*2", Binding::X, 1));
    QCOMPARE(engine_.lastErrorPosition(), 7);
}

void TestCompiledExpression::compiledOncePerText()
{
    const auto first = engine_.compile("x+1");
    QCOMPARE(engine_.compile("x+1").get(), first.get());
    QVERIFY(engine_.compile("x+2").get() != first.get());
    QCOMPARE(engine_.evaluateAtX(*first, 2), 3.0);
}

void TestCompiledExpression::joinedStepsFailWhereScanningStops_data()
{
    // Steps that the program does in one: a (op) sin or cos, the sine or cosine of a
    // product, a sum with a product or quotient on either side, the square. Each failing in each of
    // its parts, with names without a value before and after the failure.
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("x");
    const double huge = 1e300;
    const struct {
        const char* text;
        double x;
    } rows[] = {
        {"x^2+sin(x)+1/x", 0},
        {"x^2+sin(x)+1/x", 1e200},
        {"x^2+sin(x)+1/x", huge},
        {"1+2*cos(x)", huge},
        {"k/cos(x)+zz", 0},
        {"zz+k/sin(x)", 0},
        {"x*x*x+k", huge},
        {"x*x*x - zz", huge},
        {"x/0+zz", 1},
        {"2 * x + k", huge},
        {"2*x+big*big", 1},
        {"big*big+x*2", 1},
        {"x/k+ 1/(x-x)", 3},
        {"1/x-3", 0},
        {"k - sin(x) ^2", -0.5},
        {"(1/x) + sin(1/x)", 0},
        {"-sin(x)+2*x", huge},
        {"x^2-y", 2},
        {"x^2", 1.3407807929942596e154},
        {"x ^ 2 + x ^ 2", 1.0000000000000002},
        {"a_1*x-zz*x", 2},
        {"cos(x)*cos(x)/cos(x)", 1.5707963267948966},
        {"sin(2*x)", huge},
        {"sin(x*x)+zz", 1e200},
        {"2*cos(0.5*x)*cos(big*x+pi)", 1e10},
        {"k/sin(x*0)", 3},
        {"k/sin(x*k) - zz", 0},
        {"zz-cos(k*big*x)", 2},
        {"cos((x*x))*sin(x*2*x)", 1e155},
        {"sin(x/2)*sin(2*x)", huge},
    };
    for (const auto& row : rows)
        QTest::newRow(qPrintable(QStringLiteral("%1 at %2").arg(row.text).arg(row.x)))
            << QByteArray(row.text) << row.x;
}

void TestCompiledExpression::joinedStepsFailWhereScanningStops()
{
    QFETCH(QByteArray, text);
    QFETCH(double, x);
    const Differential d{engine_};
    QVERIFY(d.agree(text.toStdString(), Binding::X, x));
    QVERIFY(d.agree(text.toStdString(), Binding::Y, x));
    QVERIFY(d.agree(text.toStdString()));
}

void TestCompiledExpression::squaresHaveThePowersBits_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<uint>("seed");
    QTest::newRow("plotting range") << -20.0 << 20.0 << 1u;
    QTest::newRow("near 2^-16") << 0x1p-17 << 0x1p-15 << 8u;
    QTest::newRow("near 2^16") << 0x1p15 << 0x1p17 << 9u;
    QTest::newRow("large") << 1e100 << 1e150 << 2u;
    QTest::newRow("small") << 1e-120 << 1e-100 << 3u;
    QTest::newRow("near 2^-400") << 0x1p-401 << 0x1p-399 << 4u;
    QTest::newRow("near 2^501") << 0x1p500 << 0x1p502 << 5u;
    QTest::newRow("overflowing") << 1e154 << 1e155 << 6u;
    QTest::newRow("underflowing") << 1e-170 << 1e-150 << 7u;
}

void TestCompiledExpression::squaresHaveThePowersBits()
{
    // x^2 is worked out without pow where that is sure to give pow's bits; pow is the
    // judge, with its exponent out of the compiler's sight.
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(uint, seed);
    volatile double exponent = 2;
    const double two = exponent;
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> within(from, to);
    const auto program = engine_.compile("x^2");
    int differingProducts = 0;
    for (int i = 0; i < 200000; ++i) {
        const double x = i % 2 ? within(random) : -within(random);
        const double power = std::pow(x, two);
        const double expected = std::isfinite(power) ? power : ErrorValue;
        const double got = engine_.evaluateAtX(*program, x);
        if (bitsOf(got) != bitsOf(expected))
            QFAIL(qPrintable(QStringLiteral("%1^2 gave %2, pow %3")
                                 .arg(x, 0, 'g', 17)
                                 .arg(got, 0, 'g', 17)
                                 .arg(expected, 0, 'g', 17)));
        if (std::isfinite(power) && x * x != power) ++differingProducts;
    }
    // Powers of two and their neighbours, and the edges of the quick way.
    for (const double x :
         {0.5, 1.0, 2.0, 0x1p-400, 0x1p501, 0x1p-16, 0x1p16, std::nextafter(1.0, 2.0),
          std::nextafter(0x1p-400, 0.0), std::nextafter(0x1p501, 1e300),
          std::nextafter(0x1p-16, 0.0), std::nextafter(0x1p16, 1e300)})
        QCOMPARE(bitsOf(engine_.evaluateAtX(*program, x)), bitsOf(std::pow(x, two)));
    // In the plotting range a * a and pow differ now and then: the check has teeth there.
    if (from == -20.0) QVERIFY(differingProducts > 0);
}
