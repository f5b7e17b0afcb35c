// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

// The characters and numbers of the expression language, as the parser reads them.
namespace orvane::ExpressionSyntax {

// Deeper nesting than this (parentheses and function calls) fails instead of exhausting
// the stack.
inline constexpr int MaxNesting = 1000;

bool isLetter(char c);
bool isNameChar(char c);
inline bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The operator at a character: 1 to 7 for "+-*/^()", 0 for anything else.
enum Operator { NoOperator, Plus, Minus, Times, Over, Raise, Open, Close };
Operator operatorAt(char c);

// Reads the number that starts with the digit at `start`: digits with at most one point
// ("1." is 1). On success `end` is one past it. False for a second point or a value too
// large for a double; a value too small for one reads as 0.
bool readNumber(std::string_view text, std::size_t start, std::size_t& end, double& value);

} // namespace orvane::ExpressionSyntax
