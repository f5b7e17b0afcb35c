// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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
// ("1." is 1), then optionally the exponent the program writes itself ("1E-05",
// "2.5E+17", "1e5"): an "E" or "e" directly followed by digits, with at most one sign
// between. An "e" not followed so is no exponent and stays for the reader (the constant
// e, or a name). On success `end` is one past it. False for a second point or a value
// too large for a double; a value too small for one reads as 0.
bool readNumber(std::string_view text, std::size_t start, std::size_t& end, double& value);

// The text as the parser reads it. A Chinese input method types full-width forms
// (（）＋－＊／＾，．, digits and letters), × and ÷, the ideographic space and full stop
// and the minus sign; they read as their ASCII counterparts. Any other character stays
// as it is. The typed text itself is never changed: positions are reported in it.
struct ReadableText {
    std::string text;
    // 1-based character position in the typed text of every byte of `text`, and of one
    // past its end; empty when the typed text is ASCII (a byte is a character then).
    std::vector<int> positions;

    int positionOf(std::size_t offset) const
    {
        return positions.empty() ? static_cast<int>(offset) + 1 : positions[offset];
    }
};
ReadableText readableText(std::string_view typed);

} // namespace orvane::ExpressionSyntax
