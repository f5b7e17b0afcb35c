// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

// The evaluator's table of 24 function names and the arithmetic behind them, shared by
// the scanning evaluator and the compiled programs so that both compute the very same
// bits.
namespace orvane::BuiltinFunctions {

enum class Function : std::uint8_t {
    Sin,
    Cos,
    Tan,
    Ctg,
    Sec,
    Csc,
    Atn,
    Acg,
    Asn,
    Acs,
    Abs,
    Int,
    Fix,
    Sqr,
    Exp,
    Log,
    Ln,
    Fact,
    Rad,
    None
};

// The function of a name (blanks around it ignored, any case); None outside the table.
Function lookup(std::string_view name);
// The upper-case name of a function ("SQR"); empty for None.
std::string_view nameOf(Function f);

// f(a). False on a domain error, an overflow or Function::None.
bool apply(Function f, double a, double& result);

// base ^ exponent: 0^0 = 1, a negative base needs an integral exponent, 0 to a negative
// power and overflow fail.
bool power(double base, double exponent, double& result);

// The unary sign as the evaluator applies it: a multiplication by +1 or -1 (never a
// plain negation, which would treat the sign bit of a NaN differently).
inline double applySign(double sign, double v)
{
    return sign * v;
}

} // namespace orvane::BuiltinFunctions
