#pragma once

#include "BuiltinFunctions.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class ExpressionEvaluator;

// An expression text translated once into a short stack program that gives, bit for
// bit, what scanning the text gives: the same value, the same failures and the same
// stop position. Work on numbers alone ("(20000000-19999999)/2", "sin(2)") is done
// while translating, when it succeeds; names are looked up in the evaluator's table at
// run time, so adding, removing or binding a constant changes the result exactly as it
// changes a fresh scan.
//
// A program is run through ExpressionEvaluator::MFEExpression(const CompiledExpression&),
// one run at a time (it keeps its working stack with it, so that a run allocates
// nothing).
class CompiledExpression {
public:
    explicit CompiledExpression(std::string_view text);

    const std::string& text() const { return text_; }
    // Steps of the program, the last one included.
    std::size_t size() const { return code_.size(); }

    // Where the operand of a step comes from: the stack, the step itself (a number),
    // the unknowns, or another name.
    enum class Source : std::uint8_t { Stack, Number, X, Y, Name };
    static constexpr int SourceCount = 5;

    // A step: what it does and where its operand comes from, in one code so that a run
    // dispatches once per step. The families Push to Call have one code per source, in
    // the order of Source.
    // clang-format off
    enum class Code : std::uint8_t {
        PushStack, PushNumber, PushX, PushY, PushName, // PushStack is never written
        AddStack, AddNumber, AddX, AddY, AddName,
        SubtractStack, SubtractNumber, SubtractX, SubtractY, SubtractName,
        MultiplyStack, MultiplyNumber, MultiplyX, MultiplyY, MultiplyName,
        DivideStack, DivideNumber, DivideX, DivideY, DivideName,
        PowerStack, PowerNumber, PowerX, PowerY, PowerName,
        CallStack, CallNumber, CallX, CallY, CallName, // push f(operand); Stack: f(top)
        // A number on the left of the value on top: number - top, number / top,
        // number ^ top.
        SubtractFromNumber, DivideNumberBy, RaiseNumberTo,
        Sign, // top = value * top, value being -1
        Fail,
        End,
    };
    // clang-format on

    struct Instruction {
        Code code = Code::End;
        BuiltinFunctions::Function function = BuiltinFunctions::Function::None;
        std::int32_t position = 1;     // where a scan stands when this step fails (1-based)
        std::int32_t namePosition = 1; // where it stands when the operand's name has no value
        std::uint32_t name = 0;        // index into names_ for Source::Name
        double value = 0;              // the number, or the sign (+1, -1) a looked-up value takes
    };

private:
    friend class ExpressionEvaluator;
    class Compiler;

    double Run(const ExpressionEvaluator& evaluator, int& position) const;
    void resolveNames(const ExpressionEvaluator& evaluator) const;

    std::string text_;
    std::vector<Instruction> code_;
    std::vector<std::string> names_; // upper-case keys other than X and Y

    // Working state of a run.
    mutable std::vector<double> stack_;
    mutable std::uint64_t resolvedStamp_ = 0;     // the evaluator's names stamp at resolution
    mutable std::vector<const double*> resolved_; // value of names_[i], null when absent
};

} // namespace orvane
