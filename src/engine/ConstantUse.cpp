// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConstantUse.h"

#include "CompiledExpression.h"

#include <algorithm>

namespace orvane::ConstantUse {

namespace {

// The key a constant is stored under: blanks around it removed, upper case.
std::string keyOf(std::string_view name)
{
    while (!name.empty() && name.front() == ' ')
        name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    std::string key(name);
    for (char& c : key)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return key;
}

} // namespace

// The translation records every name it reads as a constant (x and y apart), and stops
// where the text breaks the grammar: the same reading as every evaluation.
std::vector<std::string> constantsIn(std::string_view expression)
{
    return CompiledExpression(expression).names();
}

bool uses(std::string_view expression, std::string_view name)
{
    const std::string key = keyOf(name);
    if (key.empty()) return false;
    const std::vector<std::string> names = constantsIn(expression);
    return std::find(names.begin(), names.end(), key) != names.end();
}

std::vector<std::size_t> expressionsUsing(const std::vector<std::string>& expressions,
                                          std::string_view name)
{
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < expressions.size(); ++i)
        if (uses(expressions[i], name)) found.push_back(i);
    return found;
}

} // namespace orvane::ConstantUse
