// SPDX-License-Identifier: GPL-3.0-or-later
#include "BuiltinFunctions.h"

#include <cmath>
#include <iterator>

namespace orvane::BuiltinFunctions {

namespace {

bool finite(double v)
{
    return std::isfinite(v);
}

// A name of up to eight characters as one number, its characters from the most
// significant byte down.
constexpr std::uint64_t packed(std::string_view name)
{
    std::uint64_t key = 0;
    for (const char c : name)
        key = key << 8 | static_cast<unsigned char>(c);
    return key;
}

struct FunctionName {
    std::uint64_t key; // the upper-case name, packed
    Function function;
    constexpr FunctionName(std::string_view name, Function f) : key(packed(name)), function(f) {}
};

constexpr FunctionName FunctionTable[] = {
    {"SIN", Function::Sin},    {"COS", Function::Cos},    {"TAN", Function::Tan},
    {"TG", Function::Tan},     {"CTG", Function::Ctg},    {"SEC", Function::Sec},
    {"CSC", Function::Csc},    {"ATN", Function::Atn},    {"ARCTG", Function::Atn},
    {"ACG", Function::Acg},    {"ARCCTG", Function::Acg}, {"ASN", Function::Asn},
    {"ARCSIN", Function::Asn}, {"ACS", Function::Acs},    {"ARCCOS", Function::Acs},
    {"ABS", Function::Abs},    {"INT", Function::Int},    {"FIX", Function::Fix},
    {"SQR", Function::Sqr},    {"EXP", Function::Exp},    {"LOG", Function::Log},
    {"LN", Function::Ln},      {"FACT", Function::Fact},  {"RAD", Function::Rad},
};

// The double nearest to pi: angles are converted without a visible error.
constexpr double Pi = 3.141592653589793;

// The longest name of the table; anything longer is no function.
constexpr std::size_t LongestName = 6;

// (1 - a^2)^0.5, as the inverse sine and cosine take it.
bool rootOfOneMinusSquare(double a, double& r)
{
    double square = 0;
    if (!power(a, 2, square)) return false;
    return power(1 - square, 0.5, r);
}

} // namespace

Function lookup(std::string_view name)
{
    while (!name.empty() && name.front() == ' ')
        name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    if (name.size() < 2 || name.size() > LongestName) return Function::None;
    std::uint64_t key = 0;
    for (const char c : name)
        key = key << 8 | static_cast<unsigned char>((c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c);
    for (const auto& entry : FunctionTable)
        if (key == entry.key) return entry.function;
    return Function::None;
}

std::string_view nameOf(Function f)
{
    constexpr std::string_view Names[] = {"SIN", "COS", "TAN", "CTG",  "SEC", "CSC", "ATN",
                                          "ACG", "ASN", "ACS", "ABS",  "INT", "FIX", "SQR",
                                          "EXP", "LOG", "LN",  "FACT", "RAD"};
    const auto i = static_cast<std::size_t>(f);
    return i < std::size(Names) ? Names[i] : std::string_view();
}

bool power(double base, double exponent, double& result)
{
    if (base == 0 && exponent == 0) {
        result = 1;
        return true;
    }
    if (base == 0 && exponent < 0) return false;
    if (base < 0 && std::trunc(exponent) != exponent) return false;
    result = std::pow(base, exponent);
    return finite(result);
}

bool apply(Function f, double a, double& result)
{
    double r = 0;
    switch (f) {
    case Function::Sin:
        r = std::sin(a);
        break;
    case Function::Cos:
        r = std::cos(a);
        break;
    case Function::Tan:
        r = std::tan(a);
        break;
    case Function::Ctg: {
        const double t = std::tan(a);
        if (t == 0) return false;
        r = 1 / t;
        break;
    }
    case Function::Sec: {
        const double c = std::cos(a);
        if (c == 0) return false;
        r = 1 / c;
        break;
    }
    case Function::Csc: {
        const double s = std::sin(a);
        if (s == 0) return false;
        r = 1 / s;
        break;
    }
    case Function::Atn:
        r = std::atan(a);
        break;
    case Function::Acg:
        // The school's inverse cotangent, in (0, pi): continuous, pi/2 at 0, and above
        // pi/2 for negative values (arccot(-1) = 3pi/4).
        r = a == 0 ? Pi / 2 : a > 0 ? std::atan(1 / a) : Pi + std::atan(1 / a);
        break;
    case Function::Asn: {
        double root = 0;
        if (std::fabs(a) > 1 || !rootOfOneMinusSquare(a, root)) return false;
        r = 2 * std::atan(a / (1 + root));
        break;
    }
    case Function::Acs: {
        double root = 0;
        if (std::fabs(a) > 1 || !rootOfOneMinusSquare(a, root)) return false;
        // The half-angle form is 0/0 at -1, where the angle is pi.
        r = a == -1 ? Pi : 2 * std::atan(root / (1 + a));
        break;
    }
    case Function::Abs:
        r = std::fabs(a);
        break;
    case Function::Int:
        r = std::floor(a);
        break;
    case Function::Fix:
        r = std::trunc(a);
        break;
    case Function::Sqr:
        if (a < 0) return false;
        r = std::sqrt(a);
        break;
    case Function::Exp:
        r = std::exp(a);
        break;
    case Function::Log:
        if (a <= 0) return false;
        r = std::log(a);
        break;
    case Function::Ln:
        if (a <= 0) return false;
        r = std::log(a) / std::log(10.0);
        break;
    case Function::Fact:
        // The product overflows at 171, so the loop never runs longer than that.
        r = 1;
        for (double i = 1; i <= a; ++i) {
            r *= i;
            if (!finite(r)) return false;
        }
        break;
    case Function::Rad:
        r = a / Pi * 180;
        break;
    case Function::None:
        return false;
    }
    if (!finite(r)) return false;
    result = r;
    return true;
}

} // namespace orvane::BuiltinFunctions
