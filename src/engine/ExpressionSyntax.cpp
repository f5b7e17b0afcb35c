// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExpressionSyntax.h"

#include <algorithm>
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

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// One past the exponent that starts at `at` ("E-05"), or `at` when there is none there.
std::size_t exponentEnd(std::string_view text, std::size_t at)
{
    if (at >= text.size() || (text[at] != 'e' && text[at] != 'E')) return at;
    std::size_t j = at + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j >= text.size() || !isDigit(text[j])) return at;
    while (j < text.size() && isDigit(text[j]))
        ++j;
    return j;
}

// A number with an exponent that from_chars found out of range: too large when its
// leading digit stands at 10^1 or above, else too small (read as 0).
bool readExponentOutOfRange(std::string_view number, double& value)
{
    long long digitsBeforePoint = 0;
    long long firstNonZero = -1;
    long long index = 0;
    bool seenPoint = false;
    std::size_t i = 0;
    for (; i < number.size() && (isDigit(number[i]) || number[i] == '.'); ++i) {
        if (number[i] == '.') {
            seenPoint = true;
            continue;
        }
        if (firstNonZero < 0 && number[i] != '0') firstNonZero = index;
        ++index;
        if (!seenPoint) ++digitsBeforePoint;
    }
    if (firstNonZero < 0) {
        value = 0;
        return true;
    }
    ++i; // the "E"
    const bool negative = number[i] == '-';
    if (number[i] == '+' || number[i] == '-') ++i;
    long long exponent = 0;
    for (; i < number.size(); ++i)
        exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000LL);
    const long long magnitude =
        digitsBeforePoint - firstNonZero + (negative ? -exponent : exponent);
    if (magnitude > 0) return false;
    value = 0;
    return true;
}

constexpr char32_t NoCharacter = 0xFFFFFFFF;

// The character at `i` of UTF-8 text and the index after it; a byte that starts no
// valid sequence counts as a character of its own (NoCharacter).
char32_t decode(std::string_view text, std::size_t i, std::size_t& next)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b = byte(i);
    int length = b < 0x80           ? 1
                 : (b >> 5) == 0x6  ? 2
                 : (b >> 4) == 0xE  ? 3
                 : (b >> 3) == 0x1E ? 4
                                    : 0;
    if (length == 0 || i + std::size_t(length) > text.size()) {
        next = i + 1;
        return NoCharacter;
    }
    char32_t cp = length == 1 ? b : b & (0xFF >> (length + 1));
    for (int k = 1; k < length; ++k) {
        if ((byte(i + std::size_t(k)) & 0xC0) != 0x80) {
            next = i + 1;
            return NoCharacter;
        }
        cp = (cp << 6) | (byte(i + std::size_t(k)) & 0x3F);
    }
    next = i + std::size_t(length);
    return cp;
}

// The ASCII character a typed character reads as; 0 for one that has none.
char asciiFor(char32_t c)
{
    if (c >= 0xFF01 && c <= 0xFF5E) return static_cast<char>(c - 0xFEE0); // full-width forms
    switch (c) {
    case 0x3000: // ideographic space
        return ' ';
    case 0x3002: // ideographic full stop, typed for "." in Chinese mode
        return '.';
    case 0x00D7: // ×
        return '*';
    case 0x00F7: // ÷
        return '/';
    case 0x2212: // minus sign
        return '-';
    default:
        return 0;
    }
}

} // namespace

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
    const std::size_t exponent = exponentEnd(text, i);
    if (exponent != i) {
        // from_chars reads "1.E5" as strtod does and rounds correctly.
        const std::string_view number = text.substr(start, exponent - start);
        const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
        if (result.ec == std::errc::result_out_of_range) {
            if (!readExponentOutOfRange(number, value)) return false;
        } else if (result.ec != std::errc() || result.ptr != number.data() + number.size() ||
                   !std::isfinite(value)) {
            return false;
        }
        end = exponent;
        return true;
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

ReadableText readableText(std::string_view typed)
{
    ReadableText out;
    bool ascii = true;
    for (const char c : typed)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) {
        out.text = typed;
        return out;
    }
    out.text.reserve(typed.size());
    out.positions.reserve(typed.size() + 1);
    int character = 1;
    for (std::size_t i = 0; i < typed.size(); ++character) {
        std::size_t next = i;
        const char32_t c = decode(typed, i, next);
        if (const char a = c < 0x80 ? static_cast<char>(c) : asciiFor(c)) {
            out.text += a;
            out.positions.push_back(character);
        } else {
            for (std::size_t k = i; k < next; ++k) {
                out.text += typed[k];
                out.positions.push_back(character);
            }
        }
        i = next;
    }
    out.positions.push_back(character);
    return out;
}

} // namespace orvane::ExpressionSyntax
