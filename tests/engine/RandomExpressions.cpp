// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomExpressions.h"

#include <array>

namespace {

constexpr std::array<const char*, 24> FunctionNames = {
    "SIN",    "COS", "TAN",    "TG",  "CTG", "SEC", "CSC", "ATN", "ARCTG", "ACG", "ARCCTG", "ASN",
    "ARCSIN", "ACS", "ARCCOS", "ABS", "INT", "FIX", "SQR", "EXP", "LOG",   "LN",  "FACT",   "RAD"};

// Constants of the test table and the unknown x.
constexpr std::array<const char*, 13> Names = {"pi", "PI", "Pi", "e",   "E",   "g",   "x",
                                               "X",  "k",  "K",  "a_1", "big", "neg0"};
// The other unknown, and names that hold no value (function names used bare among them).
constexpr std::array<const char*, 9> OtherNames = {"y",  "Y",    "zz", "q1", "sin",
                                                   "ln", "fact", "x1", "xy"};

constexpr std::array<const char*, 18> Numbers = {
    "0",   "1",   "2",   "3",   "10",   "0.5",      "1.",       "007",          "2.25",
    "171", "170", "709", "710", "1000", "20000000", "19999999", "3.1415926535", "0.001"};

// Pieces that fail on their own or at a domain's edge.
constexpr std::array<const char*, 14> Edges = {
    "10^400", "9^9^9", "exp(710)", "fact(171)", "1/0",   "1/(x-x)", "(-8)^(1/3)",
    "0^-1",   "0^0",   "acs(-1)",  "asn(1)",    "ln(0)", "sqr(-0)", "10^308*10"};

constexpr std::array<const char*, 24> Damage = {"(",  ")",  "+",  "-",   "*",  "/",  "^",
                                                ".",  ",",  "_",  "e",   "1",  "x",  " ",
                                                "\t", "#",  "=",  "1e5", "--", "2x", "\xe4\xb8\x80",
                                                "0",  "((", "sin"};

} // namespace

int RandomExpressions::below(int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(random_);
}

std::string RandomExpressions::blank()
{
    switch (below(10)) {
    case 0:
        return " ";
    case 1:
        return "\t";
    case 2:
        return "  \t ";
    default:
        return "";
    }
}

std::string RandomExpressions::mixedCase(const std::string& name)
{
    std::string out = name;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z' && chance(50)) c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string RandomExpressions::functionName()
{
    if (chance(4)) return "foo";
    return mixedCase(FunctionNames[std::size_t(below(int(FunctionNames.size())))]);
}

std::string RandomExpressions::number()
{
    switch (below(24)) {
    case 0:
        return std::to_string(below(100000));
    case 1:
        return std::to_string(below(1000)) + "." + std::to_string(below(100000));
    case 2: // near the top of the range, or beyond it
        return "1" + std::string(std::size_t(300 + below(20) * 5), '0');
    case 3: // far below the smallest double
        return "0." + std::string(std::size_t(300 + below(100)), '0') + "1";
    default:
        return Numbers[std::size_t(below(int(Numbers.size())))];
    }
}

std::string RandomExpressions::primary(int budget)
{
    const int kind = below(100);
    if (kind < 35) return number();
    if (kind < 62) return Names[std::size_t(below(int(Names.size())))];
    if (kind < 65) return OtherNames[std::size_t(below(int(OtherNames.size())))];
    if (kind < 70) return Edges[std::size_t(below(int(Edges.size())))];
    if (budget <= 0) return number();
    return functionName() + blank() + "(" + blank() + sum(budget - 1) + blank() + ")";
}

std::string RandomExpressions::factor(int budget)
{
    std::string sign;
    const int s = below(100);
    if (s < 12)
        sign = "-";
    else if (s < 18)
        sign = "+";
    else if (s < 21)
        sign = chance(50) ? "--" : "+-"; // one sign only: these fail
    std::string body;
    if (budget > 0 && chance(25))
        body = "(" + blank() + sum(budget - 1) + blank() + ")";
    else
        body = primary(budget);
    return sign + blank() + body;
}

std::string RandomExpressions::term(int budget)
{
    static constexpr char Operators[] = {'*', '*', '/', '/', '^'};
    std::string out = factor(budget);
    const int more = below(3);
    for (int i = 0; i < more; ++i)
        out += blank() + Operators[below(5)] + blank() + factor(budget);
    return out;
}

std::string RandomExpressions::sum(int budget)
{
    std::string out = term(budget);
    const int more = below(3);
    for (int i = 0; i < more; ++i)
        out += blank() + (chance(50) ? "+" : "-") + blank() + term(budget);
    return out;
}

std::string RandomExpressions::wellFormed()
{
    return blank() + sum(1 + below(4)) + blank();
}

std::string RandomExpressions::damaged()
{
    std::string text = wellFormed();
    const int edits = 1 + below(3);
    for (int i = 0; i < edits; ++i) {
        const std::size_t at = text.empty() ? 0 : std::size_t(below(int(text.size())));
        const std::string piece = Damage[std::size_t(below(int(Damage.size())))];
        switch (below(3)) {
        case 0:
            text.insert(at, piece);
            break;
        case 1:
            if (!text.empty()) text.erase(at, 1);
            break;
        default:
            if (!text.empty()) text.replace(at, 1, piece);
            break;
        }
    }
    return text;
}

// Mostly functions that stay defined when applied a thousand times over, so that
// deep texts succeed as well as fail.
std::string RandomExpressions::nestableFunction()
{
    static constexpr std::array<const char*, 7> Nestable = {"SIN", "COS", "ATN", "ARCTG",
                                                            "ABS", "INT", "FIX"};
    if (chance(3)) return functionName();
    return mixedCase(Nestable[std::size_t(below(int(Nestable.size())))]);
}

std::string RandomExpressions::deeplyNested()
{
    // The limit is 1000 levels of parentheses and calls together.
    const int depth = 980 + below(31);
    std::string open;
    std::string close;
    for (int i = 0; i < depth; ++i) {
        switch (below(4)) {
        case 0:
            open += nestableFunction() + "(";
            break;
        case 1:
            open += "-(";
            break;
        default:
            open += "(";
            break;
        }
        close += ")";
    }
    if (chance(10) && !close.empty()) close.pop_back(); // one short
    return open + (chance(50) ? sum(1) : number()) + close;
}
