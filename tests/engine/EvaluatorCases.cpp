// SPDX-License-Identifier: GPL-3.0-or-later
#include "EvaluatorCases.h"

#include "Engine.h"

#include <cmath>

namespace EvaluatorCases {

namespace {
constexpr double Pi = 3.14159265358979;
constexpr double E = orvane::ErrorValue;
} // namespace

void installDefaultConstants(orvane::engine::Engine& engine)
{
    engine.addUserConstant("Pi", "3.14159265358979");
    engine.addUserConstant("e", "2.71828182845905");
    engine.addUserConstant("g", "9.8");
}

const std::vector<Value>& values()
{
    static const std::vector<Value> cases = {
        // Grammar: one precedence level for * / ^, left to right; signs bind to factors.
        {"sum of terms at x=1", "x^2+sin(x)+1/x", 1.0, 2 + std::sin(1.0)},
        {"-x^2 at 3", "-x^2", 3.0, 9.0},
        {"2*x^2 at 3", "2*x^2", 3.0, 36.0},
        {"-(x^2) at 3", "-(x^2)", 3.0, -9.0},
        {"2*(x^2) at 3", "2*(x^2)", 3.0, 18.0},
        {"2*3^2", "2*3^2", Unbound, 36.0},
        {"2^3^2", "2^3^2", Unbound, 64.0},
        {"2^3*2", "2^3*2", Unbound, 16.0},
        {"8/2^2", "8/2^2", Unbound, 16.0},
        {"-2^2", "-2^2", Unbound, 4.0},
        {"2^-1", "2^-1", Unbound, 0.5},
        {"2*-3", "2*-3", Unbound, -6.0},
        {"2--3", "2--3", Unbound, 5.0},
        {"+3", "+3", Unbound, 3.0},
        {"--3", "--3", Unbound, E},
        {"+-3", "+-3", Unbound, E},
        {"1-2-3 left to right", "1-2-3", Unbound, -4.0},
        {"1.", "1.", Unbound, 1.0},
        // No implicit multiplication, no exponents, numbers start with a digit.
        {"2x", "2x", 1.0, E},
        {"2(3)", "2(3)", Unbound, E},
        {"(1+2", "(1+2", Unbound, E},
        {"1+2)", "1+2)", Unbound, E},
        {"(1+2, 1+2)", "(1+2, 1+2)", Unbound, E},
        {"1.2.3", "1.2.3", Unbound, E},
        {".5", ".5", Unbound, E},
        // The exponent form the program writes numbers in reads back; an "e" that starts
        // no exponent is a name, and a number may not be followed by one.
        {"1e5", "1e5", Unbound, 1e5},
        {"1E-05", "1E-05", Unbound, 1e-5},
        {"2.5E+17", "2.5E+17", Unbound, 2.5e17},
        {"1.E5", "1.E5", Unbound, 1e5},
        {"1e-400 underflows to 0", "1e-400", Unbound, 0.0},
        {"1e400 too large", "1e400", Unbound, E},
        {"2e+1 is 20, not 2e + 1", "2e+1", Unbound, 20.0},
        {"2*e", "2*e", Unbound, 2 * 2.71828182845905},
        {"e alone", "e", Unbound, 2.71828182845905},
        {"exp(1)", "exp(1)", Unbound, std::exp(1.0)},
        {"e+1 stays the constant", "e+1", Unbound, 3.71828182845905},
        {"e-1 stays the constant", "e-1", Unbound, 1.71828182845905},
        {"2e without digits", "2e", Unbound, E},
        {"2e+ without digits", "2e+", Unbound, E},
        {"2e1.5", "2e1.5", Unbound, E},
        {"blank before exponent", "2 e5", Unbound, E},
        {"2*E1 is a name", "2*E1", Unbound, E},
        {"1e5x", "1e5*x", 2.0, 2e5},
        // Full-width forms and the signs a Chinese input method types.
        {"full-width parentheses", "\xef\xbc\x88\x31+2\xef\xbc\x89*3", Unbound, 9.0},
        {"full-width digits", "\xef\xbc\x91\xef\xbc\x92", Unbound, 12.0},
        {"full-width sin(x)", "\xef\xbd\x93\xef\xbd\x89\xef\xbd\x8e(\xef\xbd\x98)", 0.5,
         std::sin(0.5)},
        {"times and divide signs", "6\xc3\x97\x32\xc3\xb7\x34", Unbound, 3.0},
        {"full-width minus and caret", "2\xef\xbc\x8d\x33\xef\xbc\xbe\x32", Unbound, -7.0},
        {"ideographic full stop", "1\xe3\x80\x82\x35", Unbound, 1.5},
        {"ideographic space", "1\xe3\x80\x80+2", Unbound, 3.0},
        {"full-width comma still fails", "(1\xef\xbc\x8c\x32)", Unbound, E},
        {"full-width E form", "1\xef\xbc\xa5\xef\xbc\x8d\xef\xbc\x90\xef\xbc\x95", Unbound, 1e-5},
        {"empty", "", Unbound, E},
        {"blanks only", "  \t ", Unbound, E},
        {"blank and tab around +", " 1 \t+\t 2 ", Unbound, 3.0},
        {"1 2", "1 2", Unbound, E},
        {"operator at end", "1+", Unbound, E},
        {"underscore operand", "_a", Unbound, E},
        {"non-ASCII operand", "1+\xe4\xb8\x80", Unbound, E},
        // Names and functions, case-insensitive.
        {"sin(0)", "sin(0)", Unbound, 0.0},
        {"SIN(0)", "SIN(0)", Unbound, 0.0},
        {"Sin ( 0 )", "Sin ( 0 )", Unbound, 0.0},
        {"pi", "pi", Unbound, Pi},
        {"PI", "PI", Unbound, Pi},
        {"foo(2)", "foo(2)", Unbound, E},
        {"zz", "zz", Unbound, E},
        {"sin without argument", "sin", Unbound, E},
        {"two arguments", "sin(1,2)", Unbound, E},
        // Division by zero anywhere fails the whole text.
        {"1/0", "1/0", Unbound, E},
        {"1/(2-2)", "1/(2-2)", Unbound, E},
        {"1/0+5", "1/0+5", Unbound, E},
        {"2*(1/0)", "2*(1/0)", Unbound, E},
        {"-(1/0)", "-(1/0)", Unbound, E},
        // Domain errors and overflow.
        {"sqr(-1)", "sqr(-1)", Unbound, E},
        {"sqr(-1)+1", "sqr(-1)+1", Unbound, E},
        {"log(0)", "log(0)", Unbound, E},
        {"ln(0)", "ln(0)", Unbound, E},
        {"asn(2)", "asn(2)", Unbound, E},
        {"ctg(0)", "ctg(0)", Unbound, E},
        {"csc(0)", "csc(0)", Unbound, E},
        {"fact(171)", "fact(171)", Unbound, E},
        {"fact(1e9 as product)", "fact(10^9)", Unbound, E},
        {"exp(710)", "exp(710)", Unbound, E},
        {"(-8)^(1/3)", "(-8)^(1/3)", Unbound, E},
        {"0^-1", "0^-1", Unbound, E},
        {"10^400", "10^400", Unbound, E},
        {"product overflow", "10^300*10^300", Unbound, E},
        {"sum overflow", "10^308*9+10^308*9", Unbound, E},
        // Function values.
        {"ln(100)", "ln(100)", Unbound, 2.0},
        {"ln(1000)", "ln(1000)", Unbound, 3.0},
        {"log(e)", "log(e)", Unbound, 1.0},
        {"fact(5)", "fact(5)", Unbound, 120.0},
        {"fact(5.9)", "fact(5.9)", Unbound, 120.0},
        {"fact(0)", "fact(0)", Unbound, 1.0},
        {"fact(-3)", "fact(-3)", Unbound, 1.0},
        {"fact(170)", "fact(170)", Unbound, 7.257415615307994e306},
        {"int(-2.5)", "int(-2.5)", Unbound, -3.0},
        {"fix(-2.5)", "fix(-2.5)", Unbound, -2.0},
        {"asn(1)", "asn(1)", Unbound, M_PI / 2},
        {"asn(-1)", "asn(-1)", Unbound, -M_PI / 2},
        {"acs(1)", "acs(1)", Unbound, 0.0},
        {"acs(0)", "acs(0)", Unbound, M_PI / 2},
        // The school's ranges: arccos(-1) is pi, arccot lies in (0, pi).
        {"acs(-1)", "acs(-1)", Unbound, M_PI},
        {"acg(0)", "acg(0)", Unbound, M_PI / 2},
        {"acg(-1)", "acg(-1)", Unbound, 3 * M_PI / 4},
        {"arcctg(-sqr(3))", "arcctg(-sqr(3))", Unbound, 5 * M_PI / 6},
        {"acg(1)", "acg(1)", Unbound, M_PI / 4},
        {"rad(1)", "rad(1)", Unbound, 180 / M_PI},
        {"arctg(1)", "arctg(1)", Unbound, M_PI / 4},
        {"tg(1)", "tg(1)", Unbound, std::tan(1.0)},
        {"sec(0)", "sec(0)", Unbound, 1.0},
        {"abs(-4)", "abs(-4)", Unbound, 4.0},
        {"sqr(16)", "sqr(16)", Unbound, 4.0},
        {"exp(0)", "exp(0)", Unbound, 1.0},
        {"0^0", "0^0", Unbound, 1.0},
        {"(-8)^2", "(-8)^2", Unbound, 64.0},
        {"g", "g*2", Unbound, 19.6},
    };
    return cases;
}

const std::vector<Value>& exactValues()
{
    static const std::vector<Value> cases = {
        {"rad of the double nearest to pi", "rad(3.141592653589793)", Unbound, 180.0},
        {"2*3^2", "2*3^2", Unbound, 36.0},
        {"2^-1", "2^-1", Unbound, 0.5},
    };
    return cases;
}

const std::vector<Position>& positions()
{
    static const std::vector<Position> cases = {
        {"success is one past the end", "1+2", 4},
        {"unexpected character", "1+*2", 3},
        {"malformed number at its first digit", "7+1.2.3", 3},
        {"unknown constant after its blanks", "zz  +1", 5},
        {"left over after a number", "1e5e", 4},
        {"counts characters, not bytes", "\xe4\xb8\x80\xe4\xb8\x80", 1},
        {"after full-width characters", "\xef\xbc\x88\x31+\xe4\xb8\x80\xef\xbc\x89", 4},
        {"success after full-width characters", "\xef\xbc\x91+\xef\xbc\x92", 4},
        {"unknown name after full-width letters", "\xef\xbd\x9a\xef\xbd\x9a+1", 3},
    };
    return cases;
}

const std::vector<Text>& deepNesting()
{
    static const std::vector<Text> cases = [] {
        std::string calls;
        for (int i = 0; i < 50000; ++i)
            calls += "sin(";
        return std::vector<Text>{
            {"100000 open parentheses", std::string(100000, '(')},
            {"100000 balanced", std::string(100000, '(') + "1" + std::string(100000, ')')},
            {"50000 nested calls", calls + "1" + std::string(50000, ')')},
        };
    }();
    return cases;
}

} // namespace EvaluatorCases
