#include "ExpressionEvaluator.h"

#include "BuiltinFunctions.h"

#include <array>
#include <atomic>
#include <charconv>
#include <cmath>
#include <utility>

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

std::string upperCopy(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = upper(c);
    return out;
}

bool finite(double v)
{
    return std::isfinite(v);
}

// The operator code of every byte: 1 to 7 for "+-*/^()", 0 for anything else.
constexpr std::array<unsigned char, 256> OperatorCodes = [] {
    std::array<unsigned char, 256> codes{};
    codes['+'] = 1;
    codes['-'] = 2;
    codes['*'] = 3;
    codes['/'] = 4;
    codes['^'] = 5;
    codes['('] = 6;
    codes[')'] = 7;
    return codes;
}();

// Powers of ten that doubles hold exactly.
constexpr double ExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Every evaluator and every change of its names gets a stamp never used before, so a
// compiled program can tell whether the places it looked its names up in still hold.
std::uint64_t freshStamp()
{
    static std::atomic<std::uint64_t> next{1};
    return next.fetch_add(1, std::memory_order_relaxed);
}

} // namespace

ExpressionEvaluator::ExpressionEvaluator() : namesStamp_(freshStamp()) {}

ExpressionEvaluator::ExpressionEvaluator(const ExpressionEvaluator& other)
    : constants_(other.constants_), namesStamp_(freshStamp())
{
    unknowns_[0] = other.unknowns_[0];
    unknowns_[1] = other.unknowns_[1];
}

ExpressionEvaluator& ExpressionEvaluator::operator=(const ExpressionEvaluator& other)
{
    if (this == &other) return *this;
    constants_ = other.constants_;
    unknowns_[0] = other.unknowns_[0];
    unknowns_[1] = other.unknowns_[1];
    namesStamp_ = freshStamp();
    return *this;
}

bool ExpressionEvaluator::IsLetter(char c)
{
    const char u = upper(c);
    return u >= 'A' && u <= 'Z';
}

bool ExpressionEvaluator::IsNameChar(char c)
{
    return IsLetter(c) || (c >= '0' && c <= '9') || c == '_';
}

bool ExpressionEvaluator::IsFunctionName(std::string_view name)
{
    return BuiltinFunctions::Lookup(name) != BuiltinFunctions::Function::None;
}

bool ExpressionEvaluator::Power(double base, double exponent, double& result)
{
    return BuiltinFunctions::Power(base, exponent, result);
}

bool ExpressionEvaluator::CallFunction(std::string_view name, double a, double& result)
{
    return BuiltinFunctions::Apply(BuiltinFunctions::Lookup(name), a, result);
}

std::string_view ExpressionEvaluator::trimmedName(std::string_view name)
{
    return trimSpaces(name);
}

const ExpressionEvaluator::Constant* ExpressionEvaluator::FindConstant(std::string_view name) const
{
    name = trimSpaces(name);
    for (const Constant& c : constants_)
        if (matchesKey(name, c.key)) return &c;
    return nullptr;
}

const double* ExpressionEvaluator::valueOf(std::string_view key) const
{
    for (const Constant& c : constants_)
        if (c.key == key) return &c.value;
    return nullptr;
}

bool ExpressionEvaluator::ConstantExists(std::string_view name) const
{
    if (const UnknownSlot* slot = unknownSlot(name)) return slot->bound;
    return FindConstant(name) != nullptr;
}

bool ExpressionEvaluator::LookupConstant(std::string_view name, double& value) const
{
    if (const UnknownSlot* slot = unknownSlot(name)) {
        if (!slot->bound) return false;
        value = slot->value;
        return true;
    }
    const Constant* c = FindConstant(name);
    if (!c) return false;
    value = c->value;
    return true;
}

std::size_t ExpressionEvaluator::ConstantCount() const
{
    return constants_.size() + std::size_t(unknowns_[0].bound) + std::size_t(unknowns_[1].bound);
}

void ExpressionEvaluator::addNamedConstant(std::string_view name, double value)
{
    const std::string_view n = trimSpaces(name);
    if (n.empty() || !IsLetter(n.front())) return;
    for (std::size_t i = 1; i < n.size(); ++i)
        if (!IsNameChar(n[i])) return;
    if (ConstantExists(n) || IsFunctionName(n)) return;
    constants_.push_back({upperCopy(n), value});
    namesStamp_ = freshStamp();
}

void ExpressionEvaluator::removeNamedConstant(std::string_view name)
{
    const Constant* c = FindConstant(name);
    if (!c) return;
    constants_.erase(constants_.begin() + (c - constants_.data()));
    namesStamp_ = freshStamp();
}

int ExpressionEvaluator::LastErrorPosition() const
{
    return lastPosition_;
}

double ExpressionEvaluator::MFEExpression(std::string_view expression)
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
    // The scan never moves past a byte outside ASCII (such a byte is neither a blank,
    // an operator, a digit nor a name character), so bytes before it are characters.
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
    return AtEnd() ? 0 : OperatorCodes[static_cast<unsigned char>(text_[pos_])];
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

inline bool ExpressionEvaluator::ParseTerm(double& v)
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
            if (!Power(v, f, v)) return false;
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

inline bool ExpressionEvaluator::ParseFactor(double& v)
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

bool ExpressionEvaluator::ReadNumber(std::string_view text, std::size_t start, std::size_t& end,
                                     double& v)
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
        v = static_cast<double>(mantissa);
        if (decimals > 0) v /= ExactPowersOfTen[decimals];
    } else {
        std::size_t digitsEnd = i;
        if (text[digitsEnd - 1] == '.') --digitsEnd; // "1." reads as 1
        const auto result = std::from_chars(text.data() + start, text.data() + digitsEnd, v);
        if (result.ec != std::errc() || !finite(v)) return false;
    }
    end = i;
    return true;
}

inline bool ExpressionEvaluator::ParseNumber(double& v)
{
    std::size_t end = pos_;
    if (!ReadNumber(text_, pos_, end, v)) return false; // stays at the first digit
    pos_ = end;
    SkipBlanks();
    return true;
}

inline bool ExpressionEvaluator::ParsePrimary(double& v)
{
    if (AtEnd()) return false;
    const char c = text_[pos_];
    if (c >= '0' && c <= '9') return ParseNumber(v);
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
        return CallFunction(name, a, v);
    }
    return LookupConstant(name, v);
}

} // namespace orvane
