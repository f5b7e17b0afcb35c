// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// How the evaluator's rules read a text where the school convention reads it otherwise.
// The evaluator applies "*", "/" and "^" on one level from left to right and gives a
// sign to the one factor that follows it, so 6*x^2 is (6*x)^2 and -x^2 is (-x)^2; at
// school ^ binds first (and from the right) and a leading sign applies to the power.
namespace orvane::SchoolReading {

// The smallest parts of the text that the two conventions read differently, each written
// as the evaluator reads it, with the parentheses that make the school convention read
// it so too ("(6*x)^2"). A part whose two readings always give the same value ((1/x)^2
// and 1/(x^2)) is left out. Empty when both readings agree, or when the text cannot be
// read.
std::vector<std::string> differences(std::string_view text);

// "按 (6*x)^2 计算" (the parts joined by "，"), or empty.
std::string note(std::string_view text);

// What the note's tooltip explains.
std::string rule();

} // namespace orvane::SchoolReading
