// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Which named constants an expression refers to, so that a change of one constant
// re-traces exactly the curves whose value can change with it. The text is read the way
// the evaluator reads it: a name followed by "(" is a function, a name inside a longer
// name ("a" in "sina" or "a_1") is no use of it, and nothing after the place where the
// text breaks the grammar is counted (the text fails there whatever the constants hold).
namespace orvane::ConstantUse {

// Upper-case keys in the order of their first use, each once; the unknowns x and y are
// not constants and are left out.
std::vector<std::string> constantsIn(std::string_view expression);

// True when the expression refers to the constant `name` (any case, blanks around it
// ignored).
bool uses(std::string_view expression, std::string_view name);

// The positions of the expressions that refer to `name`.
std::vector<std::size_t> expressionsUsing(const std::vector<std::string>& expressions,
                                          std::string_view name);

} // namespace orvane::ConstantUse
