// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExpressionSyntax.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace orvane::ExpressionSyntax {

namespace {

// The operator code of every byte.
constexpr std::array<unsigned char, 256> OperatorCodes = [] {
    std::array<unsigned char, 256> codes{};
    codes['+'] = Plus;
    codes['-'] = Minus;
    codes['*'] = Times;
    codes['/'] = Over;
    codes['^'] = Raise;
    codes['('] = Open;
    codes[')'] = Close;
    return codes;
}();

// Powers of ten that doubles hold exactly.
constexpr double ExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Digits (with their point) that from_chars could not hold: a value beyond the largest
// double fails, one below the smallest reads as 0, as 10^-400 does.
bool readOutOfRange(std::string_view digits, double& value)
{
    for (const char c : digits) {
        if (c == '.') break;
        if (c != '0') return false; // a whole part of 1 or more: too large
    }
    value = 0;
    return true;
}

} // namespace

bool isLetter(char c)
{
    const char u = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    return u >= 'A' && u <= 'Z';
}

bool isNameChar(char c)
{
    return isLetter(c) || (c >= '0' && c <= '9') || c == '_';
}

Operator operatorAt(char c)
{
    return static_cast<Operator>(OperatorCodes[static_cast<unsigned char>(c)]);
}

bool readNumber(std::string_view text, std::size_t start, std::size_t& end, double& value)
{
    // Up to 15 digits the value is had exactly on the way: a whole number below 2^53
    // divided by an exact power of ten is the correctly rounded value, which is what
    // from_chars gives too. Longer numbers go to from_chars.
    std::uint64_t mantissa = 0;
    int count = 0;
    int decimals = 0;
    bool seenPoint = false;
    std::size_t i = start;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.') {
            if (seenPoint) return false;
            seenPoint = true;
        } else if (c < '0' || c > '9') {
            break;
        } else if (++count <= 15) {
            mantissa = mantissa * 10 + std::uint64_t(c - '0');
            decimals += seenPoint ? 1 : 0;
        }
    }
    if (count <= 15) {
        value = static_cast<double>(mantissa);
        if (decimals > 0) value /= ExactPowersOfTen[decimals];
    } else {
        std::size_t digitsEnd = i;
        if (text[digitsEnd - 1] == '.') --digitsEnd; // "1." reads as 1
        const std::string_view digits = text.substr(start, digitsEnd - start);
        const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (result.ec == std::errc::result_out_of_range) {
            if (!readOutOfRange(digits, value)) return false;
        } else if (result.ec != std::errc() || !std::isfinite(value)) {
            return false;
        }
    }
    end = i;
    return true;
}

} // namespace orvane::ExpressionSyntax
