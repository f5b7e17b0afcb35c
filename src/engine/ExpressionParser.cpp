// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompiledExpression.h"
#include "ExpressionSyntax.h"
#include "ProgramBuilder.h"

namespace orvane {

namespace {

using namespace ExpressionSyntax;
using Operand = ProgramBuilder::Operand;
using Op = CompiledExpression::Op;

// Reads the text left to right by the grammar
//   sum    = term { ("+" | "-") term }
//   term   = factor { ("*" | "/" | "^") factor }
//   factor = [ "+" | "-" ] ( "(" sum ")" | number | name | name "(" sum ")" )
// with blanks and tabs allowed between the pieces, and has the builder write the steps.
// Where the text breaks the grammar, the program gets a failing step at the position
// where reading stops, and nothing after it is read.
class ExpressionParser {
public:
    ExpressionParser(const ReadableText& text, ProgramBuilder& builder)
        : text_(text.text), readable_(text), builder_(builder)
    {
    }

    void parse()
    {
        skipBlanks();
        Operand v;
        if (atEnd()) {
            builder_.fail(position(), FailureReason::Empty);
            builder_.finishFailed();
        } else if (!sum(v)) {
            builder_.finishFailed();
        } else if (skipBlanks(), !atEnd()) {
            // Reading stops only before a parenthesis: ")" without its "(", or "2(3)".
            builder_.fail(position(), peek() == Close ? FailureReason::ExtraClose
                                                      : FailureReason::MissingOperator);
            builder_.finishFailed();
        } else {
            builder_.finish(v);
        }
    }

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    Operator peek() const { return atEnd() ? NoOperator : operatorAt(text_[pos_]); }

    void skipBlanks()
    {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }

    void skipOperator()
    {
        ++pos_;
        skipBlanks();
    }

    // The character of the typed text (1-based) that the reading position stands on.
    int position() const { return readable_.positionOf(pos_); }

    bool fail(FailureReason reason)
    {
        builder_.fail(position(), reason);
        return false;
    }

    // Where an operator should follow an operand: a letter, digit or point there means
    // that one was left out ("2x", "1 2"); anything else cannot be read.
    FailureReason missingOperatorAt() const
    {
        const char c = text_[pos_];
        return isNameChar(c) || c == '.' ? FailureReason::MissingOperator
                                         : FailureReason::UnexpectedCharacter;
    }

    static Op opOf(Operator o)
    {
        switch (o) {
        case Plus:
            return Op::Add;
        case Minus:
            return Op::Subtract;
        case Times:
            return Op::Multiply;
        case Over:
            return Op::Divide;
        default:
            return Op::Power;
        }
    }

    // One level of the grammar: operands read by `operand`, joined by the operators
    // from `first` to `last`; any other character but ")" ends the text.
    template <typename ReadOperand>
    bool chain(Operand& acc, Operator first, Operator last, ReadOperand operand)
    {
        if (!operand(acc)) return false;
        while (!atEnd()) {
            const Operator o = peek();
            if (o == NoOperator) return fail(missingOperatorAt());
            if (o < first || o > last) break;
            skipOperator();
            Operand right;
            if (!operand(right)) return false;
            if (!builder_.binary(opOf(o), acc, right, position())) return false;
        }
        return true;
    }

    bool sum(Operand& acc)
    {
        return chain(acc, Plus, Minus, [this](Operand& v) { return term(v); });
    }

    bool term(Operand& acc)
    {
        return chain(acc, Times, Raise, [this](Operand& v) { return factor(v); });
    }

    bool factor(Operand& v)
    {
        double sign = 1;
        Operator o = peek();
        if (o == Minus) {
            sign = -1;
            skipOperator();
        } else if (o == Plus) {
            skipOperator();
        }
        o = peek();
        if (o == Open) {
            if (!parenthesised(v)) return false;
        } else if (!primary(v)) {
            return false;
        }
        builder_.sign(sign, v);
        return true;
    }

    // "(" sum ")", the opening parenthesis at the reading position.
    bool parenthesised(Operand& v)
    {
        if (++depth_ > MaxNesting) return fail(FailureReason::TooDeep);
        skipOperator();
        if (!sum(v)) return false;
        if (peek() != Close)
            return fail(atEnd() ? FailureReason::MissingClose : FailureReason::MissingOperator);
        skipOperator();
        --depth_;
        return true;
    }

    bool primary(Operand& v)
    {
        if (atEnd()) return fail(FailureReason::MissingOperand);
        const char c = text_[pos_];
        if (c >= '0' && c <= '9') {
            std::size_t end = pos_;
            double value = 0;
            if (!readNumber(text_, pos_, end, value))
                return fail(FailureReason::BadNumber); // at the first digit
            pos_ = end;
            skipBlanks();
            v = ProgramBuilder::number(value);
            return true;
        }
        if (!isLetter(c)) {
            const bool operand = operatorAt(c) != NoOperator;
            if (c == '.') return fail(FailureReason::BadNumber); // ".5"
            return fail(operand ? FailureReason::MissingOperand
                                : FailureReason::UnexpectedCharacter);
        }

        const std::size_t start = pos_;
        while (pos_ < text_.size() && isNameChar(text_[pos_]))
            ++pos_;
        const std::string_view name = text_.substr(start, pos_ - start);
        skipBlanks();
        if (peek() != Open) {
            v = builder_.name(name, position());
            return true;
        }
        if (!parenthesised(v)) return false;
        const BuiltinFunctions::Function function = BuiltinFunctions::lookup(name);
        if (function == BuiltinFunctions::Function::None) {
            builder_.fail(position(), FailureReason::UnknownFunction, std::string(name));
            return false;
        }
        return builder_.call(function, v, position());
    }

    std::string_view text_;
    const ReadableText& readable_;
    ProgramBuilder& builder_;
    std::size_t pos_ = 0;
    int depth_ = 0;
};

} // namespace

CompiledExpression::CompiledExpression(std::string_view text) : text_(text)
{
    const ExpressionSyntax::ReadableText readable = ExpressionSyntax::readableText(text_);
    endPosition_ = readable.positionOf(readable.text.size());
    ProgramBuilder builder(*this);
    ExpressionParser(readable, builder).parse();
}

} // namespace orvane
