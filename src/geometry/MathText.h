// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ExactReal.h"

#include <string>
#include <vector>

// Numbers, terms and equations as a textbook prints them: x², √, ·, the minus sign −,
// fractions a/b, no "+−" and no "1x".
namespace orvane::geometry::MathText {

extern const char* const Minus; // U+2212

// The exact form (3, −1/2, 2√10/3), or the decimal in the general number form.
std::string number(const ExactReal& v);
// number, then "≈" and the decimal where the exact form is not a plain decimal already:
// 96√3/25≈6.65107510106449, 1/3≈0.333333333333333; 4 and 1/2 stay as they are.
std::string withDecimal(const ExactReal& v);
// number in brackets where it would not read as one factor after "×": (−128), (1/2),
// (1+√2); with `forPower` (before "²") roots too: (√3).
std::string factor(const ExactReal& v, bool forPower = false);

// number after a minus sign: (−1) and (1+√2) bracketed, 1/2 and √3 not.
std::string subtrahend(const ExactReal& v);

// One coefficient with what a user typed: the steps echo "0.5x" for a typed 0.5.
struct Coefficient {
    ExactReal value;
    std::string typed; // a plain number as typed, or empty
};

struct Term {
    Coefficient coefficient;
    std::string unknown; // "x²", "xy", "(x+1)²" …; empty for the constant term
};
Term term(const ExactReal& value, std::string unknown);
// The terms, zero terms left out: 25x²+32x−128; "0" when every term is 0. With
// `keepZeros` a zero term is written too (0x+0y+1).
std::string polynomial(const std::vector<Term>& terms, bool keepZeros = false);
// a·x + b·y + c = 0 as an equation: x−y+1=0.
std::string lineEquation(const Coefficient& a, const Coefficient& b, const Coefficient& c,
                         bool keepZeros = false);
std::string lineEquation(const ExactReal& a, const ExactReal& b, const ExactReal& c);
// `unknown` less v: x−3, x+1/2, x (for v = 0).
std::string shifted(const std::string& unknown, const ExactReal& v);
// The point (x,y).
std::string point(const ExactReal& x, const ExactReal& y);

// Multiplies rational coefficients by one factor so that they become whole numbers with
// no common divisor and the first non-zero one positive (25x²−30x+9 from 1.5625x² …);
// coefficients that are not all rational only get that sign.
std::vector<ExactReal> wholeCoefficients(const std::vector<ExactReal>& values,
                                         bool divideCommonFactor = true);

// The angle whose tangent is t ≥ 0, in degrees: 60° for √3, else arctan(1/3)≈18.43…°.
std::string angleFromTangent(const ExactReal& t);
// The inclination of a line of slope k: 135° for −1, else arctan form, 0° to 180°.
std::string inclination(const ExactReal& k);

} // namespace orvane::geometry::MathText
