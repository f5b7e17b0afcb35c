// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"
#include "ExactReal.h"

#include <optional>
#include <string>
#include <string_view>

// Reads what a user typed into a box of the geometry window.
namespace orvane::geometry {

// The exact value of a text made of decimal numbers, + − * / ^ (whole exponents),
// brackets, sqr() and abs(), read with the evaluator's rules ("*", "/" and "^" on one
// level from left to right, one sign per operand). std::nullopt for anything else
// (named constants, other functions) and for values that leave a + b√c.
std::optional<Surd> parseExact(std::string_view text);

struct BoxValue {
    std::optional<ExactReal> value; // empty when the text cannot be read
    // The text as a plain number ("0.5", "-3"), when it is one; the steps echo it so.
    std::string plain;
};

// The evaluator decides whether the text is a number at all; its value is then taken
// exactly when parseExact agrees with it, else as a decimal.
BoxValue readBox(engine::Engine& engine, std::string_view text);

} // namespace orvane::geometry
