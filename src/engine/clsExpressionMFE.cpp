#include "clsExpressionMFE.h"

#include <charconv>
#include <cmath>

namespace orvane {

namespace {

constexpr char Operators[] = {'+', '-', '*', '/', '^', '(', ')'};

char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i]))
            return false;
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

std::string upperCopy(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = upper(c);
    return out;
}

bool finite(double v) { return std::isfinite(v); }

// Characters (not bytes) of UTF-8 text before byte offset `end`.
int characterCount(std::string_view text, std::size_t end)
{
    int n = 0;
    for (std::size_t i = 0; i < end && i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            ++n;
    return n;
}

enum class Function {
    Sin, Cos, Tan, Ctg, Sec, Csc, Atn, Acg, Asn, Acs, Abs, Int, Fix, Sqr, Exp, Log, Ln, Fact, Rad,
    None
};

struct FunctionName {
    const char* name;
    Function function;
};

constexpr FunctionName FunctionTable[] = {
    {"SIN", Function::Sin},    {"COS", Function::Cos},       {"TAN", Function::Tan},
    {"TG", Function::Tan},     {"CTG", Function::Ctg},       {"SEC", Function::Sec},
    {"CSC", Function::Csc},    {"ATN", Function::Atn},       {"ARCTG", Function::Atn},
    {"ACG", Function::Acg},    {"ARCCTG", Function::Acg},    {"ASN", Function::Asn},
    {"ARCSIN", Function::Asn}, {"ACS", Function::Acs},       {"ARCCOS", Function::Acs},
    {"ABS", Function::Abs},    {"INT", Function::Int},       {"FIX", Function::Fix},
    {"SQR", Function::Sqr},    {"EXP", Function::Exp},       {"LOG", Function::Log},
    {"LN", Function::Ln},      {"FACT", Function::Fact},     {"RAD", Function::Rad},
};

Function lookupFunction(std::string_view name)
{
    name = trimSpaces(name);
    for (const auto& entry : FunctionTable)
        if (equalsNoCase(name, entry.name))
            return entry.function;
    return Function::None;
}

// (1 - a^2)^0.5, as the inverse sine and cosine take it.
bool rootOfOneMinusSquare(double a, double& r)
{
    double square = 0;
    if (!clsExpressionMFE::Power(a, 2, square))
        return false;
    return clsExpressionMFE::Power(1 - square, 0.5, r);
}

} // namespace

bool clsExpressionMFE::IsLetter(char c)
{
    const char u = upper(c);
    return u >= 'A' && u <= 'Z';
}

bool clsExpressionMFE::IsNameChar(char c)
{
    return IsLetter(c) || (c >= '0' && c <= '9') || c == '_';
}

bool clsExpressionMFE::IsFunctionName(std::string_view name)
{
    return lookupFunction(name) != Function::None;
}

bool clsExpressionMFE::Power(double base, double exponent, double& result)
{
    if (base == 0 && exponent == 0) {
        result = 1;
        return true;
    }
    if (base == 0 && exponent < 0)
        return false;
    if (base < 0 && std::trunc(exponent) != exponent)
        return false;
    result = std::pow(base, exponent);
    return finite(result);
}

bool clsExpressionMFE::CallFunction(std::string_view name, double a, double& result)
{
    double r = 0;
    switch (lookupFunction(name)) {
    case Function::Sin: r = std::sin(a); break;
    case Function::Cos: r = std::cos(a); break;
    case Function::Tan: r = std::tan(a); break;
    case Function::Ctg: {
        const double t = std::tan(a);
        if (t == 0)
            return false;
        r = 1 / t;
        break;
    }
    case Function::Sec: {
        const double c = std::cos(a);
        if (c == 0)
            return false;
        r = 1 / c;
        break;
    }
    case Function::Csc: {
        const double s = std::sin(a);
        if (s == 0)
            return false;
        r = 1 / s;
        break;
    }
    case Function::Atn: r = std::atan(a); break;
    case Function::Acg:
        if (a == 0)
            return false;
        r = std::atan(1 / a);
        break;
    case Function::Asn: {
        double root = 0;
        if (std::fabs(a) > 1 || !rootOfOneMinusSquare(a, root))
            return false;
        r = 2 * std::atan(a / (1 + root));
        break;
    }
    case Function::Acs: {
        double root = 0;
        if (std::fabs(a) > 1 || a == -1 || !rootOfOneMinusSquare(a, root))
            return false;
        r = 2 * std::atan(root / (1 + a));
        break;
    }
    case Function::Abs: r = std::fabs(a); break;
    case Function::Int: r = std::floor(a); break;
    case Function::Fix: r = std::trunc(a); break;
    case Function::Sqr:
        if (a < 0)
            return false;
        r = std::sqrt(a);
        break;
    case Function::Exp: r = std::exp(a); break;
    case Function::Log:
        if (a <= 0)
            return false;
        r = std::log(a);
        break;
    case Function::Ln:
        if (a <= 0)
            return false;
        r = std::log(a) / std::log(10.0);
        break;
    case Function::Fact:
        // The product overflows at 171, so the loop never runs longer than that.
        r = 1;
        for (double i = 1; i <= a; ++i) {
            r *= i;
            if (!finite(r))
                return false;
        }
        break;
    case Function::Rad: r = a / 3.1415926535 * 180; break;
    case Function::None: return false;
    }
    if (!finite(r))
        return false;
    result = r;
    return true;
}

const clsExpressionMFE::Constant* clsExpressionMFE::FindConstant(std::string_view name) const
{
    name = trimSpaces(name);
    // Bound unknowns sit at the end, so search from there.
    for (auto it = constants_.rbegin(); it != constants_.rend(); ++it)
        if (equalsNoCase(it->key, name))
            return &*it;
    return nullptr;
}

bool clsExpressionMFE::ConstantExists(std::string_view name) const
{
    return FindConstant(name) != nullptr;
}

bool clsExpressionMFE::LookupConstant(std::string_view name, double& value) const
{
    const Constant* c = FindConstant(name);
    if (!c)
        return false;
    value = c->value;
    return true;
}

void clsExpressionMFE::AddConstant(std::string_view name, double value)
{
    const std::string_view n = trimSpaces(name);
    if (n.empty() || !IsLetter(n.front()))
        return;
    for (std::size_t i = 1; i < n.size(); ++i)
        if (!IsNameChar(n[i]))
            return;
    if (ConstantExists(n) || IsFunctionName(n))
        return;
    constants_.push_back({upperCopy(n), value});
}

void clsExpressionMFE::RemoveConstant(std::string_view name)
{
    const Constant* c = FindConstant(name);
    if (c)
        constants_.erase(constants_.begin() + (c - constants_.data()));
}

int clsExpressionMFE::LastErrorPosition() const { return lastPosition_; }

double clsExpressionMFE::MFEExpression(std::string_view expression)
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
    lastPosition_ = characterCount(text_, pos_) + 1;
    text_ = {};
    return ok ? v : ErrorValue;
}

void clsExpressionMFE::SkipBlanks()
{
    while (pos_ < text_.size() && IsBlank(text_[pos_]))
        ++pos_;
}

int clsExpressionMFE::PeekOperator() const
{
    if (AtEnd())
        return 0;
    const char c = text_[pos_];
    for (int i = 0; i < 7; ++i)
        if (Operators[i] == c)
            return i + 1;
    return 0;
}

void clsExpressionMFE::SkipOperator()
{
    ++pos_;
    SkipBlanks();
}

bool clsExpressionMFE::ParseSum(double& v)
{
    if (!ParseTerm(v))
        return false;
    while (!AtEnd()) {
        const int c = PeekOperator();
        if (c == 0)
            return false;
        if (c != 1 && c != 2)
            break;
        SkipOperator();
        double t = 0;
        if (!ParseTerm(t))
            return false;
        v = (c == 1) ? v + t : v - t;
        if (!finite(v))
            return false;
    }
    return true;
}

bool clsExpressionMFE::ParseTerm(double& v)
{
    if (!ParseFactor(v))
        return false;
    while (!AtEnd()) {
        const int c = PeekOperator();
        if (c == 0)
            return false;
        if (c < 3 || c > 5)
            break;
        SkipOperator();
        double f = 0;
        if (!ParseFactor(f))
            return false;
        switch (c) {
        case 5:
            if (!Power(v, f, v))
                return false;
            break;
        case 3:
            v = f * v;
            break;
        default:
            if (f == 0)
                return false;
            v = v / f;
            break;
        }
        if (!finite(v))
            return false;
    }
    return true;
}

bool clsExpressionMFE::ParseFactor(double& v)
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
        if (++depth_ > MaxNesting)
            return false;
        SkipOperator();
        if (!ParseSum(v))
            return false;
        if (PeekOperator() != 7)
            return false;
        SkipOperator();
        --depth_;
    } else if (!ParsePrimary(v)) {
        return false;
    }
    v = sign * v;
    return true;
}

bool clsExpressionMFE::ParseNumber(double& v)
{
    const std::size_t start = pos_;
    bool seenPoint = false;
    std::size_t end = pos_;
    while (end < text_.size()) {
        const char c = text_[end];
        if (c == '.') {
            if (seenPoint)
                return false; // stays at the first digit
            seenPoint = true;
        } else if (c < '0' || c > '9') {
            break;
        }
        ++end;
    }
    std::size_t digitsEnd = end;
    if (text_[digitsEnd - 1] == '.')
        --digitsEnd; // "1." reads as 1
    const auto result = std::from_chars(text_.data() + start, text_.data() + digitsEnd, v);
    if (result.ec != std::errc() || !finite(v))
        return false;
    pos_ = end;
    SkipBlanks();
    return true;
}

bool clsExpressionMFE::ParsePrimary(double& v)
{
    if (AtEnd())
        return false;
    const char c = text_[pos_];
    if (c >= '0' && c <= '9')
        return ParseNumber(v);
    if (!IsLetter(c))
        return false;

    const std::size_t start = pos_;
    while (pos_ < text_.size() && IsNameChar(text_[pos_]))
        ++pos_;
    const std::string_view name = text_.substr(start, pos_ - start);
    SkipBlanks();

    if (PeekOperator() == 6) {
        if (++depth_ > MaxNesting)
            return false;
        SkipOperator();
        double a = 0;
        if (!ParseSum(a))
            return false;
        if (PeekOperator() != 7)
            return false;
        SkipOperator();
        --depth_;
        return CallFunction(name, a, v);
    }
    return LookupConstant(name, v);
}

} // namespace orvane
