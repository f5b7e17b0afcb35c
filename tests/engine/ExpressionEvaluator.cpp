// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExpressionEvaluator.h"

#include "BuiltinFunctions.h"
#include "ExpressionSyntax.h"

#include <cmath>

namespace orvane {

using namespace ExpressionSyntax;

namespace {
bool finite(double v)
{
    return std::isfinite(v);
}
} // namespace

double ExpressionEvaluator::evaluate(std::string_view expression)
{
    const ReadableText readable = readableText(expression);
    text_ = readable.text;
    pos_ = 0;
    depth_ = 0;
    double v = 0;
    skipBlanks();
    bool ok = parseSum(v);
    if (ok) {
        skipBlanks();
        ok = atEnd();
    }
    lastPosition_ = readable.positionOf(pos_);
    text_ = {};
    return ok ? v : ErrorValue;
}

void ExpressionEvaluator::skipBlanks()
{
    while (pos_ < text_.size() && isBlank(text_[pos_]))
        ++pos_;
}

int ExpressionEvaluator::peekOperator() const
{
    return atEnd() ? 0 : operatorAt(text_[pos_]);
}

void ExpressionEvaluator::skipOperator()
{
    ++pos_;
    skipBlanks();
}

bool ExpressionEvaluator::parseSum(double& v)
{
    if (!parseTerm(v)) return false;
    while (!atEnd()) {
        const int c = peekOperator();
        if (c == 0) return false;
        if (c != 1 && c != 2) break;
        skipOperator();
        double t = 0;
        if (!parseTerm(t)) return false;
        v = (c == 1) ? v + t : v - t;
        if (!finite(v)) return false;
    }
    return true;
}

bool ExpressionEvaluator::parseTerm(double& v)
{
    if (!parseFactor(v)) return false;
    while (!atEnd()) {
        const int c = peekOperator();
        if (c == 0) return false;
        if (c < 3 || c > 5) break;
        skipOperator();
        double f = 0;
        if (!parseFactor(f)) return false;
        switch (c) {
        case 5:
            if (!BuiltinFunctions::power(v, f, v)) return false;
            break;
        case 3:
            v = f * v;
            break;
        default:
            if (f == 0) return false;
            v = v / f;
            break;
        }
        if (!finite(v)) return false;
    }
    return true;
}

bool ExpressionEvaluator::parseFactor(double& v)
{
    double sign = 1;
    int c = peekOperator();
    if (c == 2) {
        sign = -1;
        skipOperator();
    } else if (c == 1) {
        skipOperator();
    }
    c = peekOperator();
    if (c == 6) {
        if (++depth_ > MaxNesting) return false;
        skipOperator();
        if (!parseSum(v)) return false;
        if (peekOperator() != 7) return false;
        skipOperator();
        --depth_;
    } else if (!parsePrimary(v)) {
        return false;
    }
    v = BuiltinFunctions::applySign(sign, v);
    return true;
}

bool ExpressionEvaluator::parsePrimary(double& v)
{
    if (atEnd()) return false;
    const char c = text_[pos_];
    if (c >= '0' && c <= '9') {
        std::size_t end = pos_;
        if (!readNumber(text_, pos_, end, v)) return false; // stays at the first digit
        pos_ = end;
        skipBlanks();
        return true;
    }
    if (!isLetter(c)) return false;

    const std::size_t start = pos_;
    while (pos_ < text_.size() && isNameChar(text_[pos_]))
        ++pos_;
    const std::string_view name = text_.substr(start, pos_ - start);
    skipBlanks();

    if (peekOperator() == 6) {
        if (++depth_ > MaxNesting) return false;
        skipOperator();
        double a = 0;
        if (!parseSum(a)) return false;
        if (peekOperator() != 7) return false;
        skipOperator();
        --depth_;
        return BuiltinFunctions::apply(BuiltinFunctions::lookup(name), a, v);
    }
    return table_.lookup(name, v);
}

} // namespace orvane
