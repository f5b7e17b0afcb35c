// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchoolReading.h"

#include "BuiltinFunctions.h"
#include "ExpressionSyntax.h"

#include <algorithm>
#include <cmath>

#include <optional>

namespace orvane::SchoolReading {

namespace {

using namespace ExpressionSyntax;

struct Node {
    enum Kind { Leaf, Call, Negative, Binary } kind = Leaf;
    char op = 0;      // Binary: + - * / ^
    std::string text; // Leaf: the number or name as typed; Call: the function's name
    int left = -1;    // Binary: left operand; Negative, Call: the operand
    int right = -1;
    std::size_t start = 0, end = 0; // the part of the text it was read from
};

// Both conventions read the same tokens; they differ in how they group them.
class Reader {
public:
    Reader(std::string_view text, bool school) : text_(text), school_(school) {}

    std::optional<int> read()
    {
        skipBlanks();
        const std::optional<int> root = sum();
        skipBlanks();
        if (!root || pos_ < text_.size()) return std::nullopt;
        return root;
    }

    std::vector<Node> nodes;

private:
    char peek()
    {
        skipBlanks();
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void skipBlanks()
    {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }
    int add(Node node)
    {
        nodes.push_back(std::move(node));
        return static_cast<int>(nodes.size()) - 1;
    }
    int binary(char op, int l, int r)
    {
        return add(
            {Node::Binary, op, {}, l, r, nodes[std::size_t(l)].start, nodes[std::size_t(r)].end});
    }

    std::optional<int> sum()
    {
        std::optional<int> v = term();
        while (v && (peek() == '+' || peek() == '-')) {
            const char op = text_[pos_++];
            const std::optional<int> r = term();
            if (!r) return std::nullopt;
            v = binary(op, *v, *r);
        }
        return v;
    }

    // The evaluator: factor {("*" | "/" | "^") factor}. School: signed {("*" | "/") signed}.
    std::optional<int> term()
    {
        std::optional<int> v = school_ ? signedPower() : factor();
        const auto continues = [this] {
            const char c = peek();
            return c == '*' || c == '/' || (!school_ && c == '^');
        };
        while (v && continues()) {
            const char op = text_[pos_++];
            const std::optional<int> r = school_ ? signedPower() : factor();
            if (!r) return std::nullopt;
            v = binary(op, *v, *r);
        }
        return v;
    }

    // The evaluator's factor: one optional sign, then a primary.
    std::optional<int> factor()
    {
        return signedOperand([this] { return primary(); });
    }

    // At school a sign applies to the whole power, and "^" groups from the right with a
    // signed exponent: -x^2 is -(x^2), 2^3^2 is 2^(3^2), 2^-1 is 2^(-1).
    std::optional<int> signedPower()
    {
        return signedOperand([this]() -> std::optional<int> {
            const std::optional<int> base = primary();
            if (!base || peek() != '^') return base;
            ++pos_;
            const std::optional<int> exponent = signedPower();
            if (!exponent) return std::nullopt;
            return binary('^', *base, *exponent);
        });
    }

    template <typename Operand> std::optional<int> signedOperand(Operand operand)
    {
        const char c = peek();
        const std::size_t start = pos_;
        if (c == '+' || c == '-') ++pos_;
        const std::optional<int> v = operand();
        if (!v || c != '-') return v;
        return add({Node::Negative, 0, {}, *v, -1, start, nodes[std::size_t(*v)].end});
    }

    std::optional<int> primary()
    {
        const char c = peek();
        const std::size_t start = pos_;
        if (c == '(') {
            ++pos_;
            const std::optional<int> v = sum();
            if (!v || peek() != ')') return std::nullopt;
            ++pos_;
            return v;
        }
        if (c >= '0' && c <= '9') {
            std::size_t end = pos_;
            double value = 0;
            if (!readNumber(text_, pos_, end, value)) return std::nullopt;
            pos_ = end;
            return add(
                {Node::Leaf, 0, std::string(text_.substr(start, end - start)), -1, -1, start, end});
        }
        if (!isLetter(c)) return std::nullopt;
        while (pos_ < text_.size() && isNameChar(text_[pos_]))
            ++pos_;
        std::string name(text_.substr(start, pos_ - start));
        const std::size_t nameEnd = pos_;
        if (peek() != '(') return add({Node::Leaf, 0, std::move(name), -1, -1, start, nameEnd});
        ++pos_;
        const std::optional<int> argument = sum();
        if (!argument || peek() != ')') return std::nullopt;
        ++pos_;
        return add({Node::Call, 0, std::move(name), *argument, -1, start, pos_});
    }

    std::string_view text_;
    bool school_;
    std::size_t pos_ = 0;
};

struct Tree {
    std::vector<Node> nodes;
    int root = -1;
    const Node& at(int i) const { return nodes[std::size_t(i)]; }
};

// A sign in front of a product or quotient is the sign of its first factor: -(2*x) and
// (-2)*x are one reading.
int signInward(Tree& t, int i)
{
    // Nodes are added on the way, so they are reached by index, never held by reference.
    const auto node = [&t](int k) -> Node& { return t.nodes[std::size_t(k)]; };
    const Node::Kind kind = node(i).kind;
    if (kind == Node::Binary) {
        const int l = signInward(t, node(i).left);
        node(i).left = l;
        const int r = signInward(t, node(i).right);
        node(i).right = r;
    } else if (kind == Node::Call) {
        const int a = signInward(t, node(i).left);
        node(i).left = a;
    } else if (kind == Node::Negative) {
        const int inner = signInward(t, node(i).left);
        const Node operand = node(inner);
        if (operand.kind == Node::Binary && (operand.op == '*' || operand.op == '/')) {
            const std::size_t start = node(i).start;
            t.nodes.push_back(
                {Node::Negative, 0, {}, operand.left, -1, start, node(operand.left).end});
            const int moved = signInward(t, static_cast<int>(t.nodes.size()) - 1);
            node(inner).left = moved;
            node(inner).start = start;
            return inner;
        }
        node(i).left = inner;
    }
    return i;
}

std::optional<Tree> readAs(std::string_view text, bool school)
{
    Reader reader(text, school);
    const std::optional<int> root = reader.read();
    if (!root) return std::nullopt;
    Tree t{std::move(reader.nodes), *root};
    t.root = signInward(t, t.root);
    return t;
}

bool sameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
        if (upper(a[i]) != upper(b[i])) return false;
    }
    return true;
}

bool same(const Tree& p, int i, const Tree& s, int j)
{
    const Node& a = p.at(i);
    const Node& b = s.at(j);
    if (a.kind != b.kind || a.op != b.op) return false;
    switch (a.kind) {
    case Node::Leaf:
        return sameName(a.text, b.text);
    case Node::Call:
        return sameName(a.text, b.text) && same(p, a.left, s, b.left);
    case Node::Negative:
        return same(p, a.left, s, b.left);
    case Node::Binary:
        return same(p, a.left, s, b.left) && same(p, a.right, s, b.right);
    }
    return false;
}

// Binding strength at school: sum 1, product 2, sign 3, power 4, operand 5.
int strength(const Node& n)
{
    switch (n.kind) {
    case Node::Binary:
        return n.op == '+' || n.op == '-' ? 1 : n.op == '^' ? 4 : 2;
    case Node::Negative:
        return 3;
    default:
        return 5;
    }
}

std::string written(const Tree& t, int i);

std::string operand(const Tree& t, int i, bool parenthesised)
{
    const std::string text = written(t, i);
    return parenthesised ? "(" + text + ")" : text;
}

// The node as the evaluator reads it, with the parentheses the school convention needs to
// read it the same way (and around a power's signed or composite exponent, for clarity).
std::string written(const Tree& t, int i)
{
    const Node& n = t.at(i);
    switch (n.kind) {
    case Node::Leaf:
        return n.text;
    case Node::Call:
        return n.text + "(" + written(t, n.left) + ")";
    case Node::Negative:
        return "-" + operand(t, n.left, strength(t.at(n.left)) < 4);
    case Node::Binary:
        break;
    }
    const int own = strength(n);
    const int l = strength(t.at(n.left));
    const int r = strength(t.at(n.right));
    if (n.op == '^') return operand(t, n.left, l < 5) + "^" + operand(t, n.right, r < 5);
    // A signed right operand gets its parentheses too: 3*(-x) rather than 3*-x.
    return operand(t, n.left, l < own) + std::string(1, n.op) +
           operand(t, n.right, r <= own || r == 3);
}

// The value of a node with every name standing for `seed`-dependent values; NaN where
// it is undefined.
double valueOf(const Tree& t, int i, int seed)
{
    const Node& n = t.at(i);
    switch (n.kind) {
    case Node::Leaf: {
        if (n.text[0] >= '0' && n.text[0] <= '9') {
            std::size_t end = 0;
            double v = 0;
            readNumber(n.text, 0, end, v);
            return v;
        }
        // Values that are no special case for any function: 0.7, 1.3, 2.9 ... by name.
        std::size_t h = 0;
        for (const char c : n.text)
            h = h * 31 + std::size_t(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        return 0.5 + double((h + std::size_t(seed) * 7919) % 997) / 400.0;
    }
    case Node::Call: {
        double r = 0;
        const double a = valueOf(t, n.left, seed);
        return BuiltinFunctions::apply(BuiltinFunctions::lookup(n.text), a, r) ? r : std::nan("");
    }
    case Node::Negative:
        return -valueOf(t, n.left, seed);
    case Node::Binary:
        break;
    }
    const double a = valueOf(t, n.left, seed);
    const double b = valueOf(t, n.right, seed);
    switch (n.op) {
    case '+':
        return a + b;
    case '-':
        return a - b;
    case '*':
        return a * b;
    case '/':
        return a / b;
    default: {
        double r = 0;
        return BuiltinFunctions::power(a, b, r) ? r : std::nan("");
    }
    }
}

// Two readings that give the same value whatever the names hold, such as (1/x)^2 and
// 1/(x^2), need no note.
bool sameValue(const Tree& p, int i, const Tree& s, int j)
{
    for (int seed = 0; seed < 4; ++seed) {
        const double a = valueOf(p, i, seed);
        const double b = valueOf(s, j, seed);
        if (std::isnan(a) != std::isnan(b)) return false;
        if (std::isnan(a)) continue;
        if (!(std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b)))) return false;
    }
    return true;
}

void collect(const Tree& p, int i, const Tree& s, int j, std::vector<std::string>& out)
{
    if (same(p, i, s, j) || sameValue(p, i, s, j)) return;
    const Node& a = p.at(i);
    const Node& b = s.at(j);
    const auto sameSpan = [&](int x, int y) {
        return x >= 0 && y >= 0 && p.at(x).start == s.at(y).start && p.at(x).end == s.at(y).end;
    };
    // Both split the same stretch of text in the same way: the difference lies deeper.
    if (a.kind == b.kind && a.op == b.op && a.kind != Node::Leaf && sameSpan(a.left, b.left) &&
        (a.kind != Node::Binary || sameSpan(a.right, b.right))) {
        collect(p, a.left, s, b.left, out);
        if (a.kind == Node::Binary) collect(p, a.right, s, b.right, out);
        return;
    }
    out.push_back(written(p, i));
}

} // namespace

std::vector<std::string> differences(std::string_view typed)
{
    const std::string text = readableText(typed).text;
    const std::optional<Tree> program = readAs(text, false);
    const std::optional<Tree> school = readAs(text, true);
    std::vector<std::string> out;
    if (program && school) collect(*program, program->root, *school, school->root, out);
    return out;
}

std::string note(std::string_view text)
{
    const std::vector<std::string> parts = differences(text);
    if (parts.empty()) return {};
    std::string joined;
    for (const std::string& part : parts)
        joined += (joined.empty() ? "" : "，") + part;
    return "按 " + joined + " 计算";
}

std::string rule()
{
    return "本程序的读法：*、/、^ 同级，从左到右依次计算；正负号只属于紧跟的数、名称或括号。"
           "所以 6*x^2 按 (6*x)^2、-x^2 按 (-x)^2、2^3^2 按 (2^3)^2 计算。"
           "要表示 6x²，请写 6*(x^2)；要表示 -x²，请写 -(x^2)。";
}

} // namespace orvane::SchoolReading
