// SPDX-License-Identifier: GPL-3.0-or-later
// The expression evaluator and the constant operations of engine.
//
// Input: lines. "#c NAME=VALUE" adds a user constant, "#r N" removes list row N,
// "#x V TEXT" and "#y V TEXT" evaluate TEXT with the unknown bound to V; any other line
// is evaluated as it stands. At the end the whole input is evaluated as one text.
//
// Every evaluation is made twice, by the scanning evaluator of the tests (the reference)
// and by running the compiled form, and both must agree bit for bit, stop position included. A
// result is either ErrorValue or a finite number: overflow and invalid operations fail.
#include "FuzzSupport.h"

#include "Engine.h"
#include "ExpressionEvaluator.h"

#include <cstdlib>
#include <string>

using namespace orvane;

namespace {

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void checkResult(double value, const char* what)
{
    if (value != ErrorValue && !std::isfinite(value)) fuzz::fail(what);
}

void evaluateBothWays(engine::Engine& engine, std::string_view text)
{
    ExpressionEvaluator scanning(engine.constants());
    const double scanned = scanning.evaluate(text);
    const int scannedStop = scanning.lastErrorPosition();
    const CompiledExpression program(text);
    const double run = engine.evaluate(program);
    const int runStop = engine.lastErrorPosition();
    checkResult(scanned, "scanning gave a value that is neither finite nor ErrorValue");
    fuzz::require(sameBits(scanned, run), "compiled form and scanning differ in value");
    fuzz::require(scannedStop == runStop, "compiled form and scanning stop at different places");
    // The cached form (shared by text) gives the same again.
    fuzz::require(sameBits(engine.evaluate(*engine.compile(text)), scanned),
                  "the cached compiled form differs");
}

void evaluateAt(engine::Engine& engine, char unknown, std::string_view rest)
{
    const std::size_t blank = rest.find(' ');
    const std::string number(rest.substr(0, blank));
    const std::string_view text =
        blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    const double value = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(value)) return; // the program only ever binds finite values
    const CompiledExpression program(text);
    double scanned = 0;
    double run = 0;
    {
        const engine::UnknownBinding bound(engine, unknown == 'x' ? Unknown::X : Unknown::Y, value);
        scanned = ExpressionEvaluator(engine.constants()).evaluate(text);
    }
    if (unknown == 'x') {
        run = engine.evaluateAtX(program, value);
    } else {
        run = engine.evaluateAtY(program, value);
    }
    checkResult(scanned, "a bound evaluation gave a value that is neither finite nor ErrorValue");
    fuzz::require(sameBits(scanned, run), "compiled form and scanning differ with a bound unknown");
}

void addConstant(engine::Engine& engine, std::string_view rest)
{
    const std::size_t equals = rest.find('=');
    if (equals == std::string_view::npos) return;
    engine.addUserConstant(rest.substr(0, equals), rest.substr(equals + 1));
    fuzz::require(engine.constantNames().size() == engine.constantRows().size(),
                  "constant names and rows out of step");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    engine::Engine engine;
    for (std::string_view line : fuzz::lines(data, size)) {
        if (line.size() >= 3 && line[0] == '#' && line[2] == ' ') {
            const std::string_view rest = line.substr(3);
            switch (line[1]) {
            case 'c':
                addConstant(engine, rest);
                continue;
            case 'r':
                engine.removeSelectedConstant(std::atoi(std::string(rest).c_str()));
                continue;
            case 'x':
            case 'y':
                evaluateAt(engine, line[1], rest);
                continue;
            default:
                break;
            }
        }
        evaluateBothWays(engine, line);
    }
    evaluateBothWays(engine, std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
