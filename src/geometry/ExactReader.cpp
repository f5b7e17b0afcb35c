// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExactReader.h"

#include "NumberText.h"

#include <cctype>
#include <cmath>

namespace orvane::geometry {

namespace {

// Powers beyond this are left to the decimal path.
constexpr int MaxExponent = 64;

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<Surd> parse()
    {
        std::optional<Surd> v = sum();
        skipBlanks();
        if (!v || pos_ != text_.size()) return std::nullopt;
        return v;
    }

private:
    void skipBlanks()
    {
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
    }
    bool take(char c)
    {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool takeWord(std::string_view word)
    {
        skipBlanks();
        if (text_.size() - pos_ < word.size()) return false;
        for (std::size_t i = 0; i < word.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(text_[pos_ + i])) != word[i]) return false;
        pos_ += word.size();
        return true;
    }

    std::optional<Surd> sum()
    {
        std::optional<Surd> v = product();
        while (v) {
            if (take('+'))
                v = join(v, product(), [](const Surd& a, const Surd& b) { return a + b; });
            else if (take('-'))
                v = join(v, product(), [](const Surd& a, const Surd& b) { return a - b; });
            else
                break;
        }
        return v;
    }

    std::optional<Surd> product()
    {
        std::optional<Surd> v = signedOperand();
        while (v) {
            if (take('*'))
                v = join(v, signedOperand(), [](const Surd& a, const Surd& b) { return a * b; });
            else if (take('/'))
                v = join(v, signedOperand(), [](const Surd& a, const Surd& b) { return a / b; });
            else if (take('^'))
                v = power(*v, signedOperand());
            else
                break;
        }
        return v;
    }

    std::optional<Surd> signedOperand()
    {
        if (take('-')) {
            std::optional<Surd> v = operand();
            return v ? std::optional<Surd>(-*v) : std::nullopt;
        }
        take('+');
        return operand();
    }

    std::optional<Surd> operand()
    {
        if (take('(')) {
            std::optional<Surd> v = sum();
            return take(')') ? v : std::nullopt;
        }
        if (takeWord("sqr")) return call([](const Surd& x) { return sqrt(x); });
        if (takeWord("abs")) return call([](const Surd& x) { return std::optional<Surd>(abs(x)); });
        return number();
    }

    template <typename F> std::optional<Surd> call(F f)
    {
        if (!take('(')) return std::nullopt;
        std::optional<Surd> v = sum();
        if (!v || !take(')')) return std::nullopt;
        return f(*v);
    }

    std::optional<Surd> number()
    {
        skipBlanks();
        Integer digits = 0;
        int scale = 0;
        bool any = false;
        bool point = false;
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (std::isdigit(static_cast<unsigned char>(c))) {
                digits = digits * 10 + (c - '0');
                if (point) ++scale;
                any = true;
            } else if (c == '.' && !point) {
                point = true;
            } else {
                break;
            }
            ++pos_;
        }
        if (!any) return std::nullopt;
        Rational value(digits);
        for (int i = 0; i < scale; ++i)
            value /= 10;
        return Surd(value);
    }

    static std::optional<Surd> power(const Surd& base, const std::optional<Surd>& exponent)
    {
        if (!exponent || !exponent->isInteger()) return std::nullopt;
        const Integer n = numerator(exponent->rationalPart());
        if (n > MaxExponent || n < -MaxExponent) return std::nullopt;
        const int count = static_cast<int>(n < 0 ? -n : n);
        std::optional<Surd> result = Surd(1);
        for (int i = 0; i < count && result; ++i)
            result = *result * base;
        if (result && n < 0) result = Surd(1) / *result;
        return result;
    }

    template <typename F>
    static std::optional<Surd> join(const std::optional<Surd>& x, const std::optional<Surd>& y, F f)
    {
        if (!x || !y) return std::nullopt;
        return f(*x, *y);
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

std::optional<Surd> parseExact(std::string_view text)
{
    return Parser(text).parse();
}

BoxValue readBox(engine::Engine& engine, std::string_view text)
{
    BoxValue box;
    if (text.find_first_not_of(' ') == std::string_view::npos) return box;
    const double value = engine.evaluate(text);
    if (value == ErrorValue || !std::isfinite(value)) return box;
    if (NumberText::readsAsNumber(text)) {
        const std::size_t first = text.find_first_not_of(' ');
        box.plain = std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
        if (box.plain.front() == '+') box.plain.erase(0, 1);
    }
    try {
        if (const std::optional<Surd> exact = parseExact(text)) {
            const long double approx = exact->approximate();
            // Both readings must agree, or the evaluator's reading stands.
            if (std::fabs(approx - value) <= 1e-9L * std::max(1.0L, std::fabs(approx))) {
                box.value = ExactReal(*exact);
                return box;
            }
        }
    } catch (const ArithmeticError&) {
    }
    box.value = ExactReal::decimal(value);
    return box;
}

} // namespace orvane::geometry
