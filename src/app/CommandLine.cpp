// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "NumberText.h"

#include <algorithm>
#include <cctype>

namespace orvane {

namespace {

// A function-graph file ("fun", as the original launcher checked) or a document
// (".ovd"), in any case.
bool endsWithFun(const std::string& path)
{
    const auto tailIs = [&](const std::string& wanted) {
        if (path.size() < wanted.size()) return false;
        std::string tail = path.substr(path.size() - wanted.size());
        std::transform(tail.begin(), tail.end(), tail.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return tail == wanted;
    };
    return tailIs("fun") || tailIs(".ovd");
}

} // namespace

std::string functionFileArgument(const std::string& argument)
{
    std::string path = argument;
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
    return endsWithFun(path) ? path : std::string();
}

std::string usageText()
{
    return "用法 / Usage:\n"
           "  orvane [FILE.fun | FILE.ovd]              start the program, opening FILE\n"
           "  orvane --eval EXPR [--x V] [--y V] [--const NAME=VALUE]...\n"
           "                                            evaluate one expression and print it\n"
           "  orvane --render FILE --out IMAGE [--size S] [--px N] [--scale K]\n"
           "                                            draw a document or a function file\n"
           "                                            into a PNG, BMP, SVG or PDF\n"
           "                                            (PNG at K times, 1 to 4)\n"
           "  --settings PATH                           use this settings file\n"
           "  --help                                    show this text\n";
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine cl;
    auto fail = [&cl](std::string message) {
        cl.error = std::move(message);
        return cl;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= arguments.size())
                return false;
            out = arguments[++i];
            return true;
        };
        std::string v;
        if (a == "--help" || a == "-h") {
            cl.mode = CommandLine::Mode::Help;
        } else if (a == "--eval") {
            if (!value(cl.expression))
                return fail("--eval needs an expression");
            cl.mode = CommandLine::Mode::Eval;
        } else if (a == "--x" || a == "--y") {
            if (!value(v))
                return fail(a + " needs a value");
            const std::optional<double> number = NumberText::parseNumber(v);
            if (!number)
                return fail(a + " needs a number, not \"" + v + "\"");
            (a == "--x" ? cl.x : cl.y) = *number;
        } else if (a == "--const") {
            if (!value(v))
                return fail("--const needs NAME=VALUE");
            const std::size_t eq = v.find('=');
            if (eq == std::string::npos)
                return fail("--const needs NAME=VALUE, not \"" + v + "\"");
            cl.constants.emplace_back(v.substr(0, eq), v.substr(eq + 1));
        } else if (a == "--settings") {
            if (!value(v))
                return fail("--settings needs a path");
            cl.settingsPath = v;
        } else if (a == "--render") {
            if (!value(cl.renderFile))
                return fail("--render needs a function file");
            cl.mode = CommandLine::Mode::Render;
        } else if (a == "--out") {
            if (!value(cl.outputImage))
                return fail("--out needs an image path");
        } else if (a == "--size" || a == "--px" || a == "--scale") {
            if (!value(v))
                return fail(a + " needs a whole number");
            const std::optional<double> number = NumberText::parseNumber(v);
            const std::optional<std::int32_t> whole =
                number ? NumberText::toInt32(*number) : std::nullopt;
            if (!whole || *whole != *number)
                return fail(a + " needs a whole number, not \"" + v + "\"");
            if (a == "--size") {
                if (*whole < 6 || *whole > 30)
                    return fail("--size must lie between 6 and 30");
                cl.axisSize = *whole;
            } else if (a == "--scale") {
                if (*whole < 1 || *whole > 4)
                    return fail("--scale must lie between 1 and 4");
                cl.scale = *whole;
            } else {
                if (*whole < 16 || *whole > 8192)
                    return fail("--px must lie between 16 and 8192");
                cl.pixels = *whole;
            }
        } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            return fail("unknown option " + a);
        } else if (cl.functionFile.empty()) {
            // Like the original launcher: anything not ending in "fun" is ignored.
            cl.functionFile = functionFileArgument(a);
        }
    }
    if (cl.mode == CommandLine::Mode::Render && cl.outputImage.empty())
        return fail("--render needs --out IMAGE");
    return cl;
}

} // namespace orvane
