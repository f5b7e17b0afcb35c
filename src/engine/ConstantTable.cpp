// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConstantTable.h"

#include "BuiltinFunctions.h"
#include "ExpressionSyntax.h"

namespace orvane {

namespace {

char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Compares a name with an upper-case key without regard to the name's case.
bool matchesKey(std::string_view name, std::string_view key)
{
    if (name.size() != key.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (upper(name[i]) != key[i]) return false;
    return true;
}

std::string_view trimSpaces(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

bool followsNameRule(std::string_view name)
{
    if (name.empty() || !ExpressionSyntax::isLetter(name.front())) return false;
    for (const char c : name.substr(1))
        if (!ExpressionSyntax::isNameChar(c)) return false;
    return true;
}

} // namespace

bool ConstantTable::unknownOf(std::string_view name, Unknown& unknown)
{
    name = trimSpaces(name);
    if (name.size() != 1) return false;
    switch (name.front()) {
    case 'x':
    case 'X':
        unknown = Unknown::X;
        return true;
    case 'y':
    case 'Y':
        unknown = Unknown::Y;
        return true;
    default:
        return false;
    }
}

const ConstantTable::Constant* ConstantTable::findByName(std::string_view name) const
{
    name = trimSpaces(name);
    for (const Constant& c : constants_)
        if (matchesKey(name, c.key)) return &c;
    return nullptr;
}

void ConstantTable::add(std::string_view name, double value)
{
    Unknown unknown{};
    if (unknownOf(name, unknown)) {
        // A bound unknown keeps its value.
        if (!isBound(unknown)) bind(unknown, value);
        return;
    }
    const std::string_view n = trimSpaces(name);
    if (!followsNameRule(n) || findByName(n) ||
        BuiltinFunctions::lookup(n) != BuiltinFunctions::Function::None)
        return;
    std::string key(n);
    for (char& c : key)
        c = upper(c);
    constants_.push_back({std::move(key), value});
    ++version_;
}

void ConstantTable::remove(std::string_view name)
{
    Unknown unknown{};
    if (unknownOf(name, unknown)) {
        release(unknown);
        return;
    }
    const Constant* c = findByName(name);
    if (!c) return;
    constants_.erase(constants_.begin() + (c - constants_.data()));
    ++version_;
}

bool ConstantTable::lookup(std::string_view name, double& value) const
{
    Unknown unknown{};
    if (unknownOf(name, unknown)) {
        if (!isBound(unknown)) return false;
        value = valueOf(unknown);
        return true;
    }
    const Constant* c = findByName(name);
    if (!c) return false;
    value = c->value;
    return true;
}

bool ConstantTable::exists(std::string_view name) const
{
    double ignored = 0;
    return lookup(name, ignored);
}

std::size_t ConstantTable::count() const
{
    return constants_.size() + std::size_t(isBound(Unknown::X)) + std::size_t(isBound(Unknown::Y));
}

const double* ConstantTable::find(std::string_view key) const
{
    for (const Constant& c : constants_)
        if (c.key == key) return &c.value;
    return nullptr;
}

} // namespace orvane
