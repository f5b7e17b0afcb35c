// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

#include "ExpressionSyntax.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace orvane::NumberText {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Length of a decimal number at the start of `s` (sign, digits, point, exponent),
// 0 when its mantissa has no digit (".5" and "5." are numbers).
std::size_t numberLength(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// Converts a text that numberLength accepted in full.
std::optional<double> convert(std::string_view number)
{
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    // from_chars wants a digit before the point.
    std::string buffer;
    if (!number.empty() && number.front() == '.') {
        buffer = "0";
        buffer += number;
        number = buffer;
    }
    double v = 0;
    const auto r = std::from_chars(number.data(), number.data() + number.size(), v);
    if (r.ec != std::errc() || !std::isfinite(v))
        return std::nullopt;
    return negative ? -v : v;
}

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The value as 15 significant decimal digits: value = 0.digits x 10^exponent10.
struct Decimal {
    std::string digits;
    int pointPos = 0; // digits before the decimal point (may be <= 0 or > digits.size())
    bool negative = false;
};

Decimal toDecimal(double value, int significant = 15)
{
    Decimal d;
    d.negative = std::signbit(value) && value != 0;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, std::fabs(value));
    // buf is "d.dddddddddddddde[+-]XX"
    std::string_view s(buf);
    const std::size_t e = s.find('e');
    d.digits.push_back(s[0]);
    d.digits.append(s.substr(2, e - 2));
    int exponent = 0;
    std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), exponent);
    d.pointPos = exponent + 1;
    return d;
}

std::string exponentText(int exponent)
{
    std::string out = exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10)
        out += '0';
    out += std::to_string(magnitude);
    return out;
}

} // namespace

double leadingNumber(std::string_view typed)
{
    // Typed with a Chinese input method, "－１００" is -100 too.
    const std::string readable = ExpressionSyntax::readableText(typed).text;
    std::string_view text = readable;
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    const std::size_t n = numberLength(text);
    if (n == 0)
        return 0;
    return convert(text.substr(0, n)).value_or(0);
}

std::optional<double> parseNumber(std::string_view typed)
{
    const std::string readable = ExpressionSyntax::readableText(typed).text;
    std::string_view text = trimBlanks(readable);
    const std::size_t n = numberLength(text);
    if (n == 0 || n != text.size())
        return std::nullopt;
    return convert(text);
}

bool readsAsNumber(std::string_view text) { return parseNumber(text).has_value(); }

double roundHalfEven(double value) { return std::nearbyint(value); }

std::optional<std::int16_t> toInt16(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= -32768.0 && r <= 32767.0))
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::optional<std::int32_t> toInt32(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        return std::nullopt;
    return static_cast<std::int32_t>(r);
}

namespace {

// Shortest form with up to `significant` digits; exponent form below 1E-4 and from
// 10^plainDigits.
std::string generalForm(double value, int significant, int plainDigits)
{
    if (!std::isfinite(value))
        return "Error";
    if (value == 0)
        return "0";
    Decimal d = toDecimal(value, significant);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    const int exponent = d.pointPos - 1;
    std::string out = d.negative ? "-" : "";
    if (exponent < -4 || exponent >= plainDigits) {
        out += d.digits[0];
        if (d.digits.size() > 1) {
            out += '.';
            out.append(d.digits, 1);
        }
        out += exponentText(exponent);
        return out;
    }
    if (d.pointPos <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.pointPos), '0');
        out += d.digits;
        return out;
    }
    const auto point = static_cast<std::size_t>(d.pointPos);
    if (d.digits.size() <= point) {
        out += d.digits;
        out.append(point - d.digits.size(), '0');
    } else {
        out.append(d.digits, 0, point);
        out += '.';
        out.append(d.digits, point);
    }
    return out;
}

} // namespace

std::string generalForm(double value) { return generalForm(value, 15, 15); }

std::string generalFormSingle(float value) { return generalForm(value, 7, 7); }

std::string leadingBlank(double value)
{
    std::string text = generalForm(value);
    if (!text.empty() && text.front() != '-')
        text.insert(text.begin(), ' ');
    return text;
}

std::string integerText(long long value) { return std::to_string(value); }

std::string formatPattern(double value, std::string_view pattern)
{
    if (!std::isfinite(value))
        return "Error";
    const std::size_t dot = pattern.find('.');
    const std::string_view intPattern = pattern.substr(0, dot);
    const std::string_view fracPattern =
        dot == std::string_view::npos ? std::string_view() : pattern.substr(dot + 1);
    const std::size_t firstZero = intPattern.find('0');
    const std::size_t minInt = firstZero == std::string_view::npos ? 0 : intPattern.size() - firstZero;
    const std::size_t maxFrac = fracPattern.size();
    const std::size_t lastZero = fracPattern.rfind('0');
    const std::size_t minFrac = lastZero == std::string_view::npos ? 0 : lastZero + 1;

    Decimal d = toDecimal(value);
    if (value == 0)
        d.pointPos = 1;
    // Make room: at least one digit before the point and one beyond the last kept.
    if (d.pointPos < 1) {
        d.digits.insert(0, static_cast<std::size_t>(1 - d.pointPos), '0');
        d.pointPos = 1;
    }
    const std::size_t keep = static_cast<std::size_t>(d.pointPos) + maxFrac;
    if (d.digits.size() < keep + 1)
        d.digits.append(keep + 1 - d.digits.size(), '0');
    const bool roundUp = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (roundUp) {
        std::size_t i = keep;
        while (i > 0) {
            --i;
            if (d.digits[i] == '9') {
                d.digits[i] = '0';
                continue;
            }
            ++d.digits[i];
            break;
        }
        if (i == 0 && d.digits[0] == '0') {
            d.digits.insert(d.digits.begin(), '1');
            ++d.pointPos;
        }
    }

    std::string intDigits = d.digits.substr(0, static_cast<std::size_t>(d.pointPos));
    std::string fracDigits = d.digits.substr(static_cast<std::size_t>(d.pointPos));
    const std::size_t firstNonZero = intDigits.find_first_not_of('0');
    intDigits.erase(0, firstNonZero == std::string::npos ? intDigits.size() : firstNonZero);
    if (intDigits.size() < minInt)
        intDigits.insert(0, minInt - intDigits.size(), '0');
    while (fracDigits.size() > minFrac && fracDigits.back() == '0')
        fracDigits.pop_back();

    const bool allZero = intDigits.find_first_not_of('0') == std::string::npos &&
                         fracDigits.find_first_not_of('0') == std::string::npos;
    std::string out = (d.negative && !allZero) ? "-" : "";
    out += intDigits;
    if (dot != std::string_view::npos)
        out += '.';
    out += fracDigits;
    return out;
}

} // namespace orvane::NumberText
