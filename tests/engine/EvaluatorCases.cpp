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
        {"1e5", "1e5", Unbound, E},
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
        {"acs(-1)", "acs(-1)", Unbound, E},
        {"asn(2)", "asn(2)", Unbound, E},
        {"acg(0)", "acg(0)", Unbound, E},
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
        {"acg(-1) negative", "acg(-1)", Unbound, -M_PI / 4},
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
        {"rad uses ten decimals of pi", "rad(3.1415926535)", Unbound, 180.0},
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
        {"left over after a number", "1e5", 2},
        {"counts characters, not bytes", "\xe4\xb8\x80\xe4\xb8\x80", 1},
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
