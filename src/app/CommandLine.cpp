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
           "  orvane --integral EXPR A B [--n N]        integrate EXPR (in x) from A to B, the\n"
           "                                            range cut into N pieces (5000) at first\n"
           "  orvane --roots EXPR A B                   the roots of EXPR = 0 between A and B\n"
           "  orvane --render FILE --out IMAGE [--size S] [--px N] [--scale K]\n"
           "         [--view X0,X1,Y0,Y1]               draw a document or a function file\n"
           "                                            into a PNG, BMP, SVG or PDF (PNG at K\n"
           "                                            times, 1 to 4), showing that window\n"
           "  orvane --geometry PROBLEM NUMBERS...      print a geometry problem's report and its\n"
           "                                            steps; PROBLEM and NUMBERS are one of\n"
           "                                              two-points x1 y1 x2 y2\n"
           "                                              point-line x0 y0 a b c\n"
           "                                              two-lines a1 b1 c1 a2 b2 c2\n"
           "                                              line-curve a b c A B C D E F\n"
           "                                              point-curve x0 y0 A B C D E F\n"
           "                                              two-circles h1 k1 r1 h2 k2 r2\n"
           "  --settings PATH                           use this settings file\n"
           "  -h, --help                                show this text\n";
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine cl;
    // --render draws one file: a second one (named again or left over) is refused rather
    // than silently dropped.
    int renderFiles = 0;
    int positionals = 0;
    auto fail = [&cl](std::string message) {
        cl.error = std::move(message);
        return cl;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= arguments.size()) return false;
            out = arguments[++i];
            return true;
        };
        std::string v;
        if (a == "--help" || a == "-h") {
            cl.mode = CommandLine::Mode::Help;
        } else if (a == "--eval") {
            if (!value(cl.expression)) return fail("--eval needs an expression");
            cl.mode = CommandLine::Mode::Eval;
        } else if (a == "--geometry") {
            if (!value(cl.geometryProblem)) return fail("--geometry needs a problem");
            // The numbers run to the next option; "-1" is a number, not an option.
            while (i + 1 < arguments.size() && arguments[i + 1].rfind("--", 0) != 0)
                cl.geometryNumbers.push_back(arguments[++i]);
            cl.mode = CommandLine::Mode::Geometry;
        } else if (a == "--integral" || a == "--roots") {
            if (!value(cl.expression) || !value(cl.lowerLimit) || !value(cl.upperLimit))
                return fail(a + " needs EXPR A B");
            cl.mode = a == "--integral" ? CommandLine::Mode::Integral : CommandLine::Mode::Roots;
        } else if (a == "--n") {
            if (!value(cl.pieces))
                return fail("--n needs a count");
        } else if (a == "--x" || a == "--y") {
            if (!value(v)) return fail(a + " needs a value");
            const std::optional<double> number = NumberText::parseNumber(v);
            if (!number) return fail(a + " needs a number, not \"" + v + "\"");
            (a == "--x" ? cl.x : cl.y) = *number;
        } else if (a == "--const") {
            if (!value(v)) return fail("--const needs NAME=VALUE");
            const std::size_t eq = v.find('=');
            if (eq == std::string::npos) return fail("--const needs NAME=VALUE, not \"" + v + "\"");
            cl.constants.emplace_back(v.substr(0, eq), v.substr(eq + 1));
        } else if (a == "--settings") {
            if (!value(v)) return fail("--settings needs a path");
            cl.settingsPath = v;
        } else if (a == "--render") {
            if (!value(cl.renderFile)) return fail("--render needs a function file");
            cl.mode = CommandLine::Mode::Render;
            ++renderFiles;
        } else if (a == "--out") {
            if (!value(cl.outputImage)) return fail("--out needs an image path");
        } else if (a == "--view") {
            if (!value(v)) return fail("--view needs X0,X1,Y0,Y1");
            std::array<double, 4> corners{};
            std::size_t start = 0;
            for (std::size_t k = 0; k < 4; ++k) {
                const std::size_t comma = k < 3 ? v.find(',', start) : v.size();
                const std::optional<double> number =
                    comma == std::string::npos
                        ? std::nullopt
                        : NumberText::parseNumber(v.substr(start, comma - start));
                if (!number)
                    return fail("--view needs four numbers X0,X1,Y0,Y1, not \"" + v + "\"");
                corners[k] = *number;
                start = comma + 1;
            }
            if (!(corners[1] > corners[0]) || !(corners[3] > corners[2]))
                return fail("--view needs X0 < X1 and Y0 < Y1");
            cl.view = corners;
        } else if (a == "--size" || a == "--px" || a == "--scale") {
            if (!value(v)) return fail(a + " needs a whole number");
            const std::optional<double> number = NumberText::parseNumber(v);
            const std::optional<std::int32_t> whole =
                number ? NumberText::toInt32(*number) : std::nullopt;
            if (!whole || *whole != *number)
                return fail(a + " needs a whole number, not \"" + v + "\"");
            if (a == "--size") {
                if (*whole < 6 || *whole > 30) return fail("--size must lie between 6 and 30");
                cl.axisSize = *whole;
            } else if (a == "--scale") {
                if (*whole < 1 || *whole > 4) return fail("--scale must lie between 1 and 4");
                cl.scale = *whole;
            } else {
                if (*whole < 16 || *whole > 8192) return fail("--px must lie between 16 and 8192");
                cl.pixels = *whole;
            }
        } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            return fail("unknown option " + a);
        } else {
            ++positionals;
            // Like the original launcher: anything not ending in "fun" is ignored.
            if (cl.functionFile.empty())
                cl.functionFile = functionFileArgument(a);
        }
    }
    if (cl.mode == CommandLine::Mode::Render && renderFiles + positionals > 1)
        return fail("--render draws one function file at a time");
    if (cl.mode == CommandLine::Mode::Render && cl.outputImage.empty())
        return fail("--render needs --out IMAGE");
    return cl;
}

} // namespace orvane
