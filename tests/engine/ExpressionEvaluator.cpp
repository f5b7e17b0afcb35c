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

double ExpressionEvaluator::Evaluate(std::string_view expression)
{
    text_ = expression;
    pos_ = 0;
    depth_ = 0;
    double v = 0;
    SkipBlanks();
    bool ok = ParseSum(v);
    if (ok) {
        SkipBlanks();
        ok = AtEnd();
    }
    lastPosition_ = static_cast<int>(pos_) + 1;
    text_ = {};
    return ok ? v : ErrorValue;
}

void ExpressionEvaluator::SkipBlanks()
{
    while (pos_ < text_.size() && IsBlank(text_[pos_]))
        ++pos_;
}

int ExpressionEvaluator::PeekOperator() const
{
    return AtEnd() ? 0 : OperatorAt(text_[pos_]);
}

void ExpressionEvaluator::SkipOperator()
{
    ++pos_;
    SkipBlanks();
}

bool ExpressionEvaluator::ParseSum(double& v)
{
    if (!ParseTerm(v)) return false;
    while (!AtEnd()) {
        const int c = PeekOperator();
        if (c == 0) return false;
        if (c != 1 && c != 2) break;
        SkipOperator();
        double t = 0;
        if (!ParseTerm(t)) return false;
        v = (c == 1) ? v + t : v - t;
        if (!finite(v)) return false;
    }
    return true;
}

bool ExpressionEvaluator::ParseTerm(double& v)
{
    if (!ParseFactor(v)) return false;
    while (!AtEnd()) {
        const int c = PeekOperator();
        if (c == 0) return false;
        if (c < 3 || c > 5) break;
        SkipOperator();
        double f = 0;
        if (!ParseFactor(f)) return false;
        switch (c) {
        case 5:
            if (!BuiltinFunctions::Power(v, f, v)) return false;
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

bool ExpressionEvaluator::ParseFactor(double& v)
{
    double sign = 1;
    int c = PeekOperator();
    if (c == 2) {
        sign = -1;
        SkipOperator();
    } else if (c == 1) {
        SkipOperator();
    }
    c = PeekOperator();
    if (c == 6) {
        if (++depth_ > MaxNesting) return false;
        SkipOperator();
        if (!ParseSum(v)) return false;
        if (PeekOperator() != 7) return false;
        SkipOperator();
        --depth_;
    } else if (!ParsePrimary(v)) {
        return false;
    }
    v = BuiltinFunctions::ApplySign(sign, v);
    return true;
}

bool ExpressionEvaluator::ParsePrimary(double& v)
{
    if (AtEnd()) return false;
    const char c = text_[pos_];
    if (c >= '0' && c <= '9') {
        std::size_t end = pos_;
        if (!ReadNumber(text_, pos_, end, v)) return false; // stays at the first digit
        pos_ = end;
        SkipBlanks();
        return true;
    }
    if (!IsLetter(c)) return false;

    const std::size_t start = pos_;
    while (pos_ < text_.size() && IsNameChar(text_[pos_]))
        ++pos_;
    const std::string_view name = text_.substr(start, pos_ - start);
    SkipBlanks();

    if (PeekOperator() == 6) {
        if (++depth_ > MaxNesting) return false;
        SkipOperator();
        double a = 0;
        if (!ParseSum(a)) return false;
        if (PeekOperator() != 7) return false;
        SkipOperator();
        --depth_;
        return BuiltinFunctions::Apply(BuiltinFunctions::Lookup(name), a, v);
    }
    return table_.Lookup(name, v);
}

} // namespace orvane
