#include "CompiledExpression.h"

#include "clsExpressionMFE.h"

#include <algorithm>
#include <cmath>

namespace orvane {

using BuiltinFunctions::Function;

// Walks the text exactly as the scanning evaluator does (same steps, same order, same
// stop positions) and writes down what the scan would compute instead of computing it.
//
// An operand that is a number or a name is held back as long as it can be merged into
// the step that uses it; before anything else of the text is computed it is put on the
// stack at the place it had in the text, so that look-ups keep their order. A step
// that cannot succeed whatever the constants hold (a syntax error, too deep a nesting,
// a number out of range) ends the program with a Fail at the position where the scan
// stops.
class CompiledExpression::Compiler {
public:
    Compiler(std::string_view text, CompiledExpression& out) : text_(text), out_(out) {}

    void translate()
    {
        skipBlanks();
        Operand v;
        if (sum(v)) {
            skipBlanks();
            place(v, code().size());
            if (!atEnd())
                fail();
            else
                emit(Op::End, {});
        }
        sizeStack();
    }

private:
    struct Operand {
        Source source = Source::Stack;
        double value = 0;       // the number, or the sign of a name's value
        std::uint32_t name = 0; // Source::Name
        std::int32_t position = 1; // where the scan stood after the name
    };

    std::vector<Instruction>& code() { return out_.code_; }

    // --- the scan ---------------------------------------------------------------
    bool atEnd() const { return pos_ >= text_.size(); }

    int peek() const
    {
        if (atEnd())
            return 0;
        switch (text_[pos_]) {
        case '+': return 1;
        case '-': return 2;
        case '*': return 3;
        case '/': return 4;
        case '^': return 5;
        case '(': return 6;
        case ')': return 7;
        default: return 0;
        }
    }

    void skipBlanks()
    {
        while (pos_ < text_.size() && clsExpressionMFE::IsBlank(text_[pos_]))
            ++pos_;
    }

    void skipOperator()
    {
        ++pos_;
        skipBlanks();
    }

    // Only ASCII is ever passed over, so the byte offset counts characters.
    std::int32_t position() const { return static_cast<std::int32_t>(pos_) + 1; }

    // --- writing the program ---------------------------------------------------------
    void emit(Op op, const Operand& operand, Function function = Function::None)
    {
        Instruction in;
        in.op = op;
        in.source = operand.source;
        in.function = function;
        in.position = position();
        in.name = operand.name;
        in.namePosition = operand.position;
        in.value = operand.value;
        code().push_back(in);
    }

    // A step that can never succeed: the run ends here.
    bool fail()
    {
        Instruction in;
        in.op = Op::Fail;
        in.position = position();
        code().push_back(in);
        return false;
    }

    // Puts a held-back operand on the stack at `at` (the place its text had).
    void place(Operand& v, std::size_t at)
    {
        if (v.source == Source::Stack)
            return;
        Instruction in;
        in.op = Op::Push;
        in.source = v.source;
        in.position = v.position;
        in.name = v.name;
        in.namePosition = v.position;
        in.value = v.value;
        code().insert(code().begin() + static_cast<std::ptrdiff_t>(at), in);
        v = {};
    }

    Operand nameOperand(std::string_view name)
    {
        Operand v;
        v.value = 1;
        v.position = position();
        std::string key(name);
        for (char& c : key)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        if (key == "X") {
            v.source = Source::X;
        } else if (key == "Y") {
            v.source = Source::Y;
        } else {
            v.source = Source::Name;
            auto& names = out_.names_;
            const auto it = std::find(names.begin(), names.end(), key);
            v.name = static_cast<std::uint32_t>(it - names.begin());
            if (it == names.end())
                names.push_back(std::move(key));
        }
        return v;
    }

    static Operand number(double value)
    {
        Operand v;
        v.source = Source::Number;
        v.value = value;
        return v;
    }

    // The binary step `code` (1 to 5, the operator codes) on two numbers, when it
    // succeeds; the scan's own arithmetic and checks.
    static bool fold(int code, double v, double f, double& r)
    {
        switch (code) {
        case 1: r = v + f; break;
        case 2: r = v - f; break;
        case 3: r = f * v; break;
        case 4:
            if (f == 0)
                return false;
            r = v / f;
            break;
        default:
            if (!BuiltinFunctions::Power(v, f, r))
                return false;
            break;
        }
        return std::isfinite(r);
    }

    static Op binaryOp(int code)
    {
        switch (code) {
        case 1: return Op::Add;
        case 2: return Op::Subtract;
        case 3: return Op::Multiply;
        case 4: return Op::Divide;
        default: return Op::Power;
        }
    }

    // acc <- acc (op) right, right having been translated from `mark` on.
    void combine(int op, Operand& acc, Operand& right, std::size_t mark)
    {
        double r = 0;
        if (acc.source == Source::Number && right.source == Source::Number &&
            fold(op, acc.value, right.value, r)) {
            acc.value = r;
            return;
        }
        place(acc, mark);
        emit(binaryOp(op), right);
        acc = {};
    }

    // --- the grammar, step for step as the scan takes it --------------------------
    bool sum(Operand& acc)
    {
        if (!term(acc))
            return false;
        while (!atEnd()) {
            const int c = peek();
            if (c == 0) {
                place(acc, code().size());
                return fail();
            }
            if (c != 1 && c != 2)
                break;
            skipOperator();
            const std::size_t mark = code().size();
            Operand t;
            if (!term(t)) {
                place(acc, mark);
                return false;
            }
            combine(c, acc, t, mark);
        }
        return true;
    }

    bool term(Operand& acc)
    {
        if (!factor(acc))
            return false;
        while (!atEnd()) {
            const int c = peek();
            if (c == 0) {
                place(acc, code().size());
                return fail();
            }
            if (c < 3 || c > 5)
                break;
            skipOperator();
            const std::size_t mark = code().size();
            Operand f;
            if (!factor(f)) {
                place(acc, mark);
                return false;
            }
            combine(c, acc, f, mark);
        }
        return true;
    }

    bool factor(Operand& v)
    {
        double sign = 1;
        int c = peek();
        if (c == 2) {
            sign = -1;
            skipOperator();
        } else if (c == 1) {
            skipOperator();
        }
        c = peek();
        if (c == 6) {
            if (!parenthesised(v))
                return false;
        } else if (!primary(v)) {
            return false;
        }
        applySign(v, sign);
        return true;
    }

    // "(" sum ")", the opening parenthesis at the scan position; v is the sum.
    bool parenthesised(Operand& v)
    {
        if (++depth_ > clsExpressionMFE::MaxNesting)
            return fail();
        skipOperator();
        if (!sum(v))
            return false;
        if (peek() != 7) {
            place(v, code().size());
            return fail();
        }
        skipOperator();
        --depth_;
        return true;
    }

    void applySign(Operand& v, double sign)
    {
        switch (v.source) {
        case Source::Number:
            v.value = BuiltinFunctions::ApplySign(sign, v.value);
            break;
        case Source::X:
        case Source::Y:
        case Source::Name:
            // Multiplying the looked-up value by each sign in turn or by their product
            // gives the same bits (a NaN keeps its sign through either).
            v.value = sign * v.value;
            break;
        case Source::Stack:
            // A value on the stack is finite or a quiet NaN: 1 * v is v.
            if (sign < 0) {
                Operand s;
                s.source = Source::Number;
                s.value = sign;
                emit(Op::Sign, s);
            }
            break;
        }
    }

    bool primary(Operand& v)
    {
        if (atEnd())
            return fail();
        const char c = text_[pos_];
        if (c >= '0' && c <= '9') {
            std::size_t end = pos_;
            double value = 0;
            if (!clsExpressionMFE::ReadNumber(text_, pos_, end, value))
                return fail();
            pos_ = end;
            skipBlanks();
            v = number(value);
            return true;
        }
        if (!clsExpressionMFE::IsLetter(c))
            return fail();

        const std::size_t start = pos_;
        while (pos_ < text_.size() && clsExpressionMFE::IsNameChar(text_[pos_]))
            ++pos_;
        const std::string_view name = text_.substr(start, pos_ - start);
        skipBlanks();
        if (peek() != 6) {
            v = nameOperand(name);
            return true;
        }
        Operand argument;
        if (!parenthesised(argument))
            return false;
        const Function function = BuiltinFunctions::Lookup(name);
        double r = 0;
        if (argument.source == Source::Number && BuiltinFunctions::Apply(function, argument.value, r)) {
            v = number(r);
            return true;
        }
        place(argument, code().size());
        emit(Op::Call, {}, function);
        v = {};
        return true;
    }

    // The deepest the stack gets, plus the one unused bottom place a run starts on.
    void sizeStack()
    {
        std::size_t depth = 0;
        std::size_t deepest = 0;
        for (const Instruction& in : code()) {
            if (in.op == Op::Push)
                deepest = std::max(deepest, ++depth);
            else if (in.source == Source::Stack && in.op >= Op::Add && in.op <= Op::Power)
                --depth;
        }
        out_.stack_.assign(deepest + 1, 0.0);
        out_.resolved_.assign(out_.names_.size(), nullptr);
    }

    std::string_view text_;
    CompiledExpression& out_;
    std::size_t pos_ = 0;
    int depth_ = 0;
};

CompiledExpression::CompiledExpression(std::string_view text) : text_(text)
{
    Compiler(text_, *this).translate();
}

void CompiledExpression::resolveNames(const clsExpressionMFE& evaluator) const
{
    for (std::size_t i = 0; i < names_.size(); ++i)
        resolved_[i] = evaluator.valueOf(names_[i]);
    resolvedStamp_ = evaluator.namesStamp();
}

double CompiledExpression::Run(const clsExpressionMFE& evaluator, int& position) const
{
    if (resolvedStamp_ != evaluator.namesStamp())
        resolveNames(evaluator);
    const clsExpressionMFE::UnknownSlot* const unknowns = evaluator.unknowns_;
    const double* const* const names = resolved_.data();
    double* top = stack_.data(); // stack_[0] is never used

    // The operand of a step: popped, immediate, or looked up (false when the name
    // holds no value).
    const auto fetch = [&](const Instruction& in, double& v) {
        switch (in.source) {
        case Source::Stack:
            v = *top--;
            return true;
        case Source::Number:
            v = in.value;
            return true;
        case Source::X:
        case Source::Y: {
            const auto& slot = unknowns[in.source == Source::X ? 0 : 1];
            if (!slot.bound)
                return false;
            v = BuiltinFunctions::ApplySign(in.value, slot.value);
            return true;
        }
        case Source::Name: {
            const double* value = names[in.name];
            if (!value)
                return false;
            v = BuiltinFunctions::ApplySign(in.value, *value);
            return true;
        }
        }
        return false;
    };

    for (const Instruction* in = code_.data();; ++in) {
        double operand = 0;
        double r = 0;
        if (in->op <= Op::Power && !fetch(*in, operand)) {
            position = in->namePosition;
            return ErrorValue;
        }
        switch (in->op) {
        case Op::Push:
            *++top = operand;
            continue;
        case Op::Add:
            r = *top + operand;
            if (!std::isfinite(r))
                break;
            *top = r;
            continue;
        case Op::Subtract:
            r = *top - operand;
            if (!std::isfinite(r))
                break;
            *top = r;
            continue;
        case Op::Multiply:
            r = operand * *top;
            if (!std::isfinite(r))
                break;
            *top = r;
            continue;
        case Op::Divide:
            if (operand == 0)
                break;
            r = *top / operand;
            if (!std::isfinite(r))
                break;
            *top = r;
            continue;
        case Op::Power:
            if (!BuiltinFunctions::Power(*top, operand, r))
                break;
            *top = r;
            continue;
        case Op::Sign:
            *top = BuiltinFunctions::ApplySign(in->value, *top);
            continue;
        case Op::Call:
            if (!BuiltinFunctions::Apply(in->function, *top, r))
                break;
            *top = r;
            continue;
        case Op::Fail:
            break;
        case Op::End:
            position = static_cast<int>(text_.size()) + 1;
            return *top;
        }
        position = in->position;
        return ErrorValue;
    }
}

} // namespace orvane
