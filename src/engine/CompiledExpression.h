#pragma once

#include "BuiltinFunctions.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class clsExpressionMFE;

// An expression text translated once into a short stack program that gives, bit for
// bit, what scanning the text gives: the same value, the same failures and the same
// stop position. Work on numbers alone ("(20000000-19999999)/2", "sin(2)") is done
// while translating, when it succeeds; names are looked up in the evaluator's table at
// run time, so adding, removing or binding a constant changes the result exactly as it
// changes a fresh scan.
//
// A program is run through clsExpressionMFE::MFEExpression(const CompiledExpression&),
// one run at a time (it keeps its working stack with it, so that a run allocates
// nothing).
class CompiledExpression {
public:
    explicit CompiledExpression(std::string_view text);

    const std::string& text() const { return text_; }
    // Steps of the program, the last one included.
    std::size_t size() const { return code_.size(); }

private:
    friend class clsExpressionMFE;
    class Compiler;

    enum class Op : std::uint8_t { Push, Add, Subtract, Multiply, Divide, Power, Sign, Call, Fail, End };
    // Where the operand of Push and of the arithmetic steps comes from.
    enum class Source : std::uint8_t { Stack, Number, X, Y, Name };

    struct Instruction {
        Op op = Op::End;
        Source source = Source::Stack;
        BuiltinFunctions::Function function = BuiltinFunctions::Function::None;
        std::int32_t position = 1; // where a scan stands when this step fails (1-based)
        std::uint32_t name = 0;    // index into names_ for Source::Name
        std::int32_t namePosition = 1; // where it stands when the name has no value
        double value = 0;          // the number, or the sign (+1, -1) a looked-up value takes
    };

    double Run(const clsExpressionMFE& evaluator, int& position) const;
    void resolveNames(const clsExpressionMFE& evaluator) const;

    std::string text_;
    std::vector<Instruction> code_;
    std::vector<std::string> names_; // upper-case keys other than X and Y

    // Working state of a run.
    mutable std::vector<double> stack_;
    mutable std::uint64_t resolvedStamp_ = 0; // the evaluator's names stamp at resolution
    mutable std::vector<const double*> resolved_; // value of names_[i], null when absent
};

} // namespace orvane
