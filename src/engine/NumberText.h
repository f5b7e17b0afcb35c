// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers to text and text to numbers, the same way everywhere in the program.
namespace orvane::NumberText {

// The longest leading decimal number of the text (leading blanks skipped; optional
// sign, digits, decimal point, exponent); 0 when there is none or it overflows. Here as
// in the two below, full-width digits and signs read as their ASCII counterparts.
double leadingNumber(std::string_view text);

// True when the whole text, blanks around it allowed, is a decimal number: optional
// sign, digits with an optional point, optional exponent ("1e-3").
bool readsAsNumber(std::string_view text);
// The value of such a text; std::nullopt when it does not read as a number.
std::optional<double> parseNumber(std::string_view text);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);
// roundHalfEven into a 16-bit integer; std::nullopt when it does not fit.
std::optional<std::int16_t> toInt16(double value);
// roundHalfEven into a 32-bit integer; std::nullopt when it does not fit.
std::optional<std::int32_t> toInt32(double value);

// Up to 15 significant digits, no trailing zeros, exponent form below 1E-4 and from
// 1E+15 ("1E+15", "1.5E-05").
std::string generalForm(double value);
// The same for a single-precision value: up to 7 significant digits, exponent form
// below 1E-4 and from 1E+07 ("1.414214", "1.234568E+07").
std::string generalFormSingle(float value);
// generalForm with a blank in front of non-negative values (" 5", "-5", " 0").
std::string leadingBlank(double value);
// Integers written plainly, for settings values and list positions.
std::string integerText(long long value);
// A fixed pattern of digit placeholders such as "#0.00#", "0#.0000#" or
// "#0.0############": "0" is a digit always shown, "#" a digit shown when needed.
// Rounds half away from zero on the 15-digit decimal form of the value.
std::string formatPattern(double value, std::string_view pattern);

} // namespace orvane::NumberText
