#include "CompiledExpression.h"

#include "ExpressionEvaluator.h"

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
                code().push_back(step(Code::End));
        }
        sizeStack();
    }

private:
    struct Operand {
        Source source = Source::Stack;
        double value = 0;          // the number, or the sign of a name's value
        std::uint32_t name = 0;    // Source::Name
        std::int32_t position = 1; // where the scan stood after the name
    };

    std::vector<Instruction>& code() { return out_.code_; }

    // --- the scan ---------------------------------------------------------------
    bool atEnd() const { return pos_ >= text_.size(); }

    int peek() const
    {
        if (atEnd()) return 0;
        switch (text_[pos_]) {
        case '+':
            return 1;
        case '-':
            return 2;
        case '*':
            return 3;
        case '/':
            return 4;
        case '^':
            return 5;
        case '(':
            return 6;
        case ')':
            return 7;
        default:
            return 0;
        }
    }

    void skipBlanks()
    {
        while (pos_ < text_.size() && ExpressionEvaluator::IsBlank(text_[pos_]))
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
    enum class Family { Push, Add, Subtract, Multiply, Divide, Power, Call };

    static Code codeOf(Family family, Source source)
    {
        return static_cast<Code>(static_cast<int>(family) * SourceCount + static_cast<int>(source));
    }

    Instruction step(Code code) { return step(code, Operand()); }

    Instruction step(Code code, const Operand& operand)
    {
        Instruction in;
        in.code = code;
        in.position = position();
        in.name = operand.name;
        in.namePosition = operand.position;
        in.value = operand.value;
        return in;
    }

    void emit(Family family, const Operand& operand, Function function = Function::None)
    {
        Instruction in = step(codeOf(family, operand.source), operand);
        in.function = function;
        code().push_back(in);
    }

    // A step that can never succeed: the run ends here.
    bool fail()
    {
        code().push_back(step(Code::Fail));
        return false;
    }

    // Puts a held-back operand on the stack at `at` (the place its text had).
    void place(Operand& v, std::size_t at)
    {
        if (v.source == Source::Stack) return;
        Instruction in = step(codeOf(Family::Push, v.source), v);
        in.position = v.position;
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
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (key == "X") {
            v.source = Source::X;
        } else if (key == "Y") {
            v.source = Source::Y;
        } else {
            v.source = Source::Name;
            auto& names = out_.names_;
            const auto it = std::find(names.begin(), names.end(), key);
            v.name = static_cast<std::uint32_t>(it - names.begin());
            if (it == names.end()) names.push_back(std::move(key));
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
        case 1:
            r = v + f;
            break;
        case 2:
            r = v - f;
            break;
        case 3:
            r = f * v;
            break;
        case 4:
            if (f == 0) return false;
            r = v / f;
            break;
        default:
            if (!BuiltinFunctions::Power(v, f, r)) return false;
            break;
        }
        return std::isfinite(r);
    }

    static Family family(int code)
    {
        switch (code) {
        case 1:
            return Family::Add;
        case 2:
            return Family::Subtract;
        case 3:
            return Family::Multiply;
        case 4:
            return Family::Divide;
        default:
            return Family::Power;
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
        if (acc.source == Source::Number && right.source == Source::Stack) {
            // A number needs no look-up, so it can wait until the right side is done.
            // Addition and multiplication give the same bits either way round.
            switch (op) {
            case 1:
                emit(Family::Add, acc);
                break;
            case 2:
                code().push_back(step(Code::SubtractFromNumber, acc));
                break;
            case 3:
                emit(Family::Multiply, acc);
                break;
            case 4:
                code().push_back(step(Code::DivideNumberBy, acc));
                break;
            default:
                code().push_back(step(Code::RaiseNumberTo, acc));
                break;
            }
            acc = {};
            return;
        }
        place(acc, mark);
        emit(family(op), right);
        acc = {};
    }

    // --- the grammar, step for step as the scan takes it --------------------------
    bool sum(Operand& acc)
    {
        if (!term(acc)) return false;
        while (!atEnd()) {
            const int c = peek();
            if (c == 0) {
                place(acc, code().size());
                return fail();
            }
            if (c != 1 && c != 2) break;
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
        if (!factor(acc)) return false;
        while (!atEnd()) {
            const int c = peek();
            if (c == 0) {
                place(acc, code().size());
                return fail();
            }
            if (c < 3 || c > 5) break;
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
            if (!parenthesised(v)) return false;
        } else if (!primary(v)) {
            return false;
        }
        applySign(v, sign);
        return true;
    }

    // "(" sum ")", the opening parenthesis at the scan position; v is the sum.
    bool parenthesised(Operand& v)
    {
        if (++depth_ > ExpressionEvaluator::MaxNesting) return fail();
        skipOperator();
        if (!sum(v)) return false;
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
                s.value = sign;
                code().push_back(step(Code::Sign, s));
            }
            break;
        }
    }

    bool primary(Operand& v)
    {
        if (atEnd()) return fail();
        const char c = text_[pos_];
        if (c >= '0' && c <= '9') {
            std::size_t end = pos_;
            double value = 0;
            if (!ExpressionEvaluator::ReadNumber(text_, pos_, end, value)) return fail();
            pos_ = end;
            skipBlanks();
            v = number(value);
            return true;
        }
        if (!ExpressionEvaluator::IsLetter(c)) return fail();

        const std::size_t start = pos_;
        while (pos_ < text_.size() && ExpressionEvaluator::IsNameChar(text_[pos_]))
            ++pos_;
        const std::string_view name = text_.substr(start, pos_ - start);
        skipBlanks();
        if (peek() != 6) {
            v = nameOperand(name);
            return true;
        }
        Operand argument;
        if (!parenthesised(argument)) return false;
        const Function function = BuiltinFunctions::Lookup(name);
        double r = 0;
        if (argument.source == Source::Number &&
            BuiltinFunctions::Apply(function, argument.value, r)) {
            v = number(r);
            return true;
        }
        // The argument's look-up, if any, is part of the call.
        emit(Family::Call, argument, function);
        v = {};
        return true;
    }

    // The deepest the stack gets, plus the one unused bottom place a run starts on.
    void sizeStack()
    {
        std::size_t depth = 0;
        std::size_t deepest = 0;
        for (const Instruction& in : code()) {
            const int c = static_cast<int>(in.code);
            const auto family = Family(c / SourceCount);
            const auto source = Source(c % SourceCount);
            if (in.code >= Code::SubtractFromNumber) continue;
            if (family == Family::Push || (family == Family::Call && source != Source::Stack))
                deepest = std::max(deepest, ++depth);
            else if (family != Family::Call && source == Source::Stack)
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

void CompiledExpression::resolveNames(const ExpressionEvaluator& evaluator) const
{
    for (std::size_t i = 0; i < names_.size(); ++i)
        resolved_[i] = evaluator.valueOf(names_[i]);
    resolvedStamp_ = evaluator.namesStamp();
}

namespace {

using Code = CompiledExpression::Code;
using Instruction = CompiledExpression::Instruction;
using Source = CompiledExpression::Source;

// What a step came to: the name of its operand had no value, or the step itself failed.
enum class Step { Done, NoValue, Failed };

// The scan's arithmetic, v being the left operand and o the right one.
struct Add {
    static bool apply(double v, double o, double& r)
    {
        r = v + o;
        return std::isfinite(r);
    }
};
struct Subtract {
    static bool apply(double v, double o, double& r)
    {
        r = v - o;
        return std::isfinite(r);
    }
};
struct Multiply {
    static bool apply(double v, double o, double& r)
    {
        r = o * v;
        return std::isfinite(r);
    }
};
struct Divide {
    static bool apply(double v, double o, double& r)
    {
        if (o == 0) return false;
        r = v / o;
        return std::isfinite(r);
    }
};
struct Power {
    static bool apply(double v, double o, double& r) { return BuiltinFunctions::Power(v, o, r); }
};

// The registers of a run. The unknowns cannot change during a run, so they are read once.
struct Machine {
    double* top;
    bool xBound;
    double x;
    bool yBound;
    double y;
    const double* const* names;

    template <Source S> bool fetch(const Instruction& in, double& v)
    {
        if constexpr (S == Source::Stack) {
            v = *top--;
        } else if constexpr (S == Source::Number) {
            v = in.value;
        } else if constexpr (S == Source::X) {
            if (!xBound) return false;
            v = BuiltinFunctions::ApplySign(in.value, x);
        } else if constexpr (S == Source::Y) {
            if (!yBound) return false;
            v = BuiltinFunctions::ApplySign(in.value, y);
        } else {
            const double* value = names[in.name];
            if (!value) return false;
            v = BuiltinFunctions::ApplySign(in.value, *value);
        }
        return true;
    }

    template <Source S> Step push(const Instruction& in)
    {
        double v = 0;
        if (!fetch<S>(in, v)) return Step::NoValue;
        *++top = v;
        return Step::Done;
    }

    template <Source S, typename Op> Step binary(const Instruction& in)
    {
        double o = 0;
        if (!fetch<S>(in, o)) return Step::NoValue;
        double r = 0;
        if (!Op::apply(*top, o, r)) return Step::Failed;
        *top = r;
        return Step::Done;
    }

    // The number of the step on the left, the top of the stack on the right.
    template <typename Op> Step numberOnLeft(const Instruction& in)
    {
        double r = 0;
        if (!Op::apply(in.value, *top, r)) return Step::Failed;
        *top = r;
        return Step::Done;
    }

    template <Source S> Step call(const Instruction& in)
    {
        double a = 0;
        if constexpr (S == Source::Stack) {
            a = *top--;
        } else if (!fetch<S>(in, a)) {
            return Step::NoValue;
        }
        double r = 0;
        if (!BuiltinFunctions::Apply(in.function, a, r)) return Step::Failed;
        *++top = r;
        return Step::Done;
    }
};

} // namespace

double CompiledExpression::Run(const ExpressionEvaluator& evaluator, int& position) const
{
    if (resolvedStamp_ != evaluator.namesStamp()) resolveNames(evaluator);
    const auto& x = evaluator.unknowns_[0];
    const auto& y = evaluator.unknowns_[1];
    Machine m{stack_.data(), x.bound, x.value, y.bound, y.value, resolved_.data()};

    // Threaded dispatch: every step ends in a jump of its own to the next one, which
    // the processor learns for a program that runs point after point (one shared
    // jump, as a switch makes, is mispredicted most of the time).
    // clang-format off
    static const void* const steps[] = {
        &&PushStack, &&PushNumber, &&PushX, &&PushY, &&PushName,
        &&AddStack, &&AddNumber, &&AddX, &&AddY, &&AddName,
        &&SubtractStack, &&SubtractNumber, &&SubtractX, &&SubtractY, &&SubtractName,
        &&MultiplyStack, &&MultiplyNumber, &&MultiplyX, &&MultiplyY, &&MultiplyName,
        &&DivideStack, &&DivideNumber, &&DivideX, &&DivideY, &&DivideName,
        &&PowerStack, &&PowerNumber, &&PowerX, &&PowerY, &&PowerName,
        &&CallStack, &&CallNumber, &&CallX, &&CallY, &&CallName,
        &&SubtractFromNumber, &&DivideNumberBy, &&RaiseNumberTo,
        &&Sign, &&Fail, &&End,
    };
    // clang-format on
    static_assert(sizeof steps / sizeof *steps == static_cast<std::size_t>(Code::End) + 1);

#define ORVANE_NEXT(result)                                                                        \
    if ((result) != Step::Done) goto stop;                                                         \
    ++in;                                                                                          \
    goto* steps[static_cast<int>(in->code)]

    const Instruction* in = code_.data();
    Step step = Step::Done;
    goto* steps[static_cast<int>(in->code)];

PushStack:
    step = Step::Failed; // never written
    ORVANE_NEXT(step);
PushNumber:
    step = m.push<Source::Number>(*in);
    ORVANE_NEXT(step);
PushX:
    step = m.push<Source::X>(*in);
    ORVANE_NEXT(step);
PushY:
    step = m.push<Source::Y>(*in);
    ORVANE_NEXT(step);
PushName:
    step = m.push<Source::Name>(*in);
    ORVANE_NEXT(step);
AddStack:
    step = m.binary<Source::Stack, Add>(*in);
    ORVANE_NEXT(step);
AddNumber:
    step = m.binary<Source::Number, Add>(*in);
    ORVANE_NEXT(step);
AddX:
    step = m.binary<Source::X, Add>(*in);
    ORVANE_NEXT(step);
AddY:
    step = m.binary<Source::Y, Add>(*in);
    ORVANE_NEXT(step);
AddName:
    step = m.binary<Source::Name, Add>(*in);
    ORVANE_NEXT(step);
SubtractStack:
    step = m.binary<Source::Stack, Subtract>(*in);
    ORVANE_NEXT(step);
SubtractNumber:
    step = m.binary<Source::Number, Subtract>(*in);
    ORVANE_NEXT(step);
SubtractX:
    step = m.binary<Source::X, Subtract>(*in);
    ORVANE_NEXT(step);
SubtractY:
    step = m.binary<Source::Y, Subtract>(*in);
    ORVANE_NEXT(step);
SubtractName:
    step = m.binary<Source::Name, Subtract>(*in);
    ORVANE_NEXT(step);
MultiplyStack:
    step = m.binary<Source::Stack, Multiply>(*in);
    ORVANE_NEXT(step);
MultiplyNumber:
    step = m.binary<Source::Number, Multiply>(*in);
    ORVANE_NEXT(step);
MultiplyX:
    step = m.binary<Source::X, Multiply>(*in);
    ORVANE_NEXT(step);
MultiplyY:
    step = m.binary<Source::Y, Multiply>(*in);
    ORVANE_NEXT(step);
MultiplyName:
    step = m.binary<Source::Name, Multiply>(*in);
    ORVANE_NEXT(step);
DivideStack:
    step = m.binary<Source::Stack, Divide>(*in);
    ORVANE_NEXT(step);
DivideNumber:
    step = m.binary<Source::Number, Divide>(*in);
    ORVANE_NEXT(step);
DivideX:
    step = m.binary<Source::X, Divide>(*in);
    ORVANE_NEXT(step);
DivideY:
    step = m.binary<Source::Y, Divide>(*in);
    ORVANE_NEXT(step);
DivideName:
    step = m.binary<Source::Name, Divide>(*in);
    ORVANE_NEXT(step);
PowerStack:
    step = m.binary<Source::Stack, Power>(*in);
    ORVANE_NEXT(step);
PowerNumber:
    step = m.binary<Source::Number, Power>(*in);
    ORVANE_NEXT(step);
PowerX:
    step = m.binary<Source::X, Power>(*in);
    ORVANE_NEXT(step);
PowerY:
    step = m.binary<Source::Y, Power>(*in);
    ORVANE_NEXT(step);
PowerName:
    step = m.binary<Source::Name, Power>(*in);
    ORVANE_NEXT(step);
CallStack:
    step = m.call<Source::Stack>(*in);
    ORVANE_NEXT(step);
CallNumber:
    step = m.call<Source::Number>(*in);
    ORVANE_NEXT(step);
CallX:
    step = m.call<Source::X>(*in);
    ORVANE_NEXT(step);
CallY:
    step = m.call<Source::Y>(*in);
    ORVANE_NEXT(step);
CallName:
    step = m.call<Source::Name>(*in);
    ORVANE_NEXT(step);
SubtractFromNumber:
    step = m.numberOnLeft<Subtract>(*in);
    ORVANE_NEXT(step);
DivideNumberBy:
    step = m.numberOnLeft<Divide>(*in);
    ORVANE_NEXT(step);
RaiseNumberTo:
    step = m.numberOnLeft<Power>(*in);
    ORVANE_NEXT(step);
Sign:
    *m.top = BuiltinFunctions::ApplySign(in->value, *m.top);
    ORVANE_NEXT(Step::Done);
Fail:
    step = Step::Failed;
    goto stop;
End:
    position = static_cast<int>(text_.size()) + 1;
    return *m.top;

#undef ORVANE_NEXT

stop:
    position = step == Step::NoValue ? in->namePosition : in->position;
    return ErrorValue;
}

} // namespace orvane
