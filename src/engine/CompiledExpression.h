// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BuiltinFunctions.h"
#include "EvaluationError.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The one failure signal of the evaluator. Callers compare results for exact equality.
inline constexpr double ErrorValue = -1e-30;

// An expression text translated into a short register program. "*", "/" and "^" share
// one precedence level and apply left to right; a single optional sign belongs to the
// factor that follows it. Work on numbers alone ("(20000000-19999999)/2", "sin(2)") is
// done while translating; names are looked up when the program runs, so adding,
// removing or binding a constant changes the result at once.
//
// A program holds no state of a run: the registers belong to whoever runs it (see
// Engine), so one program can run on several threads at once.
//
// Every step that fails makes the whole evaluation fail (ErrorValue), and the position
// reported is where reading the text left to right stops: the place of the first step,
// in the order of the text, that fails. Reading positions only grow along the text, so
// that is the smallest position of all the steps that fail.
class CompiledExpression : public std::enable_shared_from_this<CompiledExpression> {
public:
    explicit CompiledExpression(std::string_view text);

    const std::string& text() const { return text_; }
    // One past the last character of the text (1-based, in characters): the position
    // reported after a success.
    int endPosition() const { return endPosition_; }
    // Steps of the program.
    std::size_t size() const { return code_.size(); }
    const auto& steps() const { return code_; }

    // clang-format off
    enum class Op : std::uint8_t {
        Add, Subtract, Multiply, Divide, Power,
        Square,     // a ^ 2, exactly as Power gives it
        Negate,     // the sign "-": b * a, b holding -1 (never a plain negation, for a NaN)
        // The functions met most, without the general call's dispatch. A product written
        // as the argument is worked out in the same step: the argument is b * c, c in
        // `extra`, or b alone when `extra` is NoFactor.
        Sin, Cos,
        Call,       // any other function
        Fail,       // a step that fails whatever the constants hold
        // a (op) sin(b * c) and a (op) cos(b * c) in one step: the most common shapes of all
        AddSin, SubtractSin, MultiplySin, DivideSin,
        AddCos, SubtractCos, MultiplyCos, DivideCos,
        // a + c * b, a - c * b, a + b / c, a - b / c in one step, c in `extra`
        AddProduct, SubtractProduct, AddQuotient, SubtractQuotient,
        // b * a + c, b * a - c, a / b + c, a / b - c: the product or quotient fails
        // where its own text ends, the sum where c ends
        ProductAdd, ProductSubtract, QuotientAdd, QuotientSubtract,
    };
    // clang-format on

    struct Instruction {
        Op op = Op::Fail;
        BuiltinFunctions::Function function = BuiltinFunctions::Function::None;
        std::uint32_t result = 0; // registers
        std::uint32_t left = 0;
        std::uint32_t right = 0;
        std::uint32_t extra = 0;
    };

    // The registers: x, y, the names' values, the numbers, then working places.
    static constexpr std::uint32_t XRegister = 0;
    static constexpr std::uint32_t YRegister = 1;
    static constexpr std::uint32_t FirstNameRegister = 2;
    // `extra` of a sine or cosine whose argument is no product.
    static constexpr std::uint32_t NoFactor = 0xffffffffu;
    std::uint32_t firstNumberRegister() const
    {
        return FirstNameRegister + std::uint32_t(names_.size());
    }
    std::size_t registerCount() const { return registerCount_; }

    // Upper-case keys of the names other than X and Y, in register order.
    const std::vector<std::string>& names() const { return names_; }
    // Where reading stands after the first use of name i, of x and of y (0: not used):
    // the position reported when it has no value.
    int namePosition(std::size_t i) const { return namePositions_[i]; }
    int xPosition() const { return xPosition_; }
    int yPosition() const { return yPosition_; }
    const std::vector<double>& numbers() const { return numbers_; }

    // Runs the steps on `registers` (registerCount() of them, the unknowns, names and
    // numbers filled in). Returns the index of the step that failed, or size().
    std::size_t run(double* registers) const;
    // Where reading stops when step `step` fails, its registers as the run left them.
    int stepPosition(std::size_t step, const double* registers) const;
    // Why step `step` failed, its registers as the run left them (the position is
    // stepPosition's).
    EvaluationError stepFailure(std::size_t step, const double* registers) const;
    // The failure written into the program while translating it: a text that breaks the
    // grammar, or arithmetic on numbers alone that fails ("1/0"); none otherwise.
    const EvaluationError& translationFailure() const { return failure_; }

    // The register of the result after a run that did not fail.
    std::uint32_t resultRegister() const { return result_; }

private:
    friend class ProgramBuilder;

    std::string text_;
    int endPosition_ = 1;
    EvaluationError failure_;
    std::vector<Instruction> code_;
    std::vector<std::int32_t> positions_;      // one per step
    std::vector<std::int32_t> innerPositions_; // where a step's inner product or quotient fails
    std::vector<std::string> names_;
    std::vector<int> namePositions_;
    std::vector<double> numbers_;
    int xPosition_ = 0;
    int yPosition_ = 0;
    std::size_t registerCount_ = FirstNameRegister;
    std::uint32_t result_ = 0;
};

} // namespace orvane
