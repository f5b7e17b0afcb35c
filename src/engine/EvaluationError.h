// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// Why an evaluation failed. The first group means the text cannot be read at all, the
// second that a name has no value, the last that the arithmetic failed on the values.
enum class FailureReason : std::uint8_t {
    None,
    // reading
    Empty,
    MissingOperand,      // "1+", "1+*2"
    UnexpectedCharacter, // "1=2", "(1,2)"
    MissingOperator,     // "2x", "2(3)", "1 2"
    MissingClose,        // "(1+2"
    ExtraClose,          // "1+2)"
    BadNumber,           // "1.2.3", "1e400"
    TooDeep,             // parentheses nested beyond reach
    UnknownFunction,     // "foo(2)"
    // names
    UnknownName,       // "zz"
    NoValueForUnknown, // x or y where none is bound
    // values
    DivisionByZero,
    FunctionDomain, // sqr(-1), log(0), asn(2)
    PowerDomain,    // (-8)^(1/3), 0^-1
    OutOfRange,     // overflow
};

struct EvaluationError {
    FailureReason reason = FailureReason::None;
    int position = 0;   // 1-based character of the typed text, as lastErrorPosition
    std::string detail; // the name or function concerned

    bool failed() const { return reason != FailureReason::None; }
    // The text breaks the grammar: no value of any name can help.
    bool isReadingError() const
    {
        return reason >= FailureReason::Empty && reason <= FailureReason::UnknownFunction;
    }
};

// What the windows show for a failure of `typed`: the reason and its place, in the
// program's language ("缺少运算符，乘号“*”不能省略（第2个字符“x”）").
std::string describe(const EvaluationError& error, std::string_view typed);

} // namespace orvane
