// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CompiledExpression.h"

#include <cstdint>
#include <string_view>
#include <unordered_map>

namespace orvane {

// Writes a CompiledExpression step by step for the parser: numbers are worked out at
// once, everything else becomes a step on registers. Operands are values of the text
// read so far; a working register is freed when its value is used.
class ProgramBuilder {
public:
    using Op = CompiledExpression::Op;
    using Function = BuiltinFunctions::Function;

    struct Operand {
        bool isNumber = false;
        double number = 0;
        std::uint32_t reg = 0; // encoded, see below
    };

    explicit ProgramBuilder(CompiledExpression& out) : out_(out) {}

    static Operand number(double value) { return {true, value, 0}; }
    // The value of a name (x, y or another), first met at `position`.
    Operand name(std::string_view name, int position);

    // left (op) right, op one of Add to Power. False (and a failing step) when the two
    // are numbers and the step fails on them.
    bool binary(Op op, Operand& left, const Operand& right, int position);
    // The sign "-" or "+" in front of a factor.
    void sign(double sign, Operand& value);
    // f(argument) into `argument`. False (and a failing step) when the function is
    // unknown, or when the argument is a number and the function fails on it.
    bool call(Function function, Operand& argument, int position);
    // A step that fails whatever the constants hold; reading ends at `position`.
    void fail(int position, FailureReason reason, std::string detail = {});
    // The program is complete, with `result` its value.
    void finish(const Operand& result);
    // The program ended in a failure.
    void finishFailed();

private:
    // Registers are numbered by kind while the program is written, and renumbered in
    // their final order (x, y, names, numbers, working places) at the end.
    enum Kind : std::uint32_t { Unknowns = 0, Names = 1, Numbers = 2, Working = 3 };
    static constexpr int KindShift = 30;
    static std::uint32_t encode(Kind kind, std::uint32_t index)
    {
        return (std::uint32_t(kind) << KindShift) | index;
    }
    static Kind kindOf(std::uint32_t reg) { return Kind(reg >> KindShift); }
    static std::uint32_t indexOf(std::uint32_t reg) { return reg & ((1u << KindShift) - 1); }

    std::uint32_t numberRegister(double value);
    std::uint32_t registerOf(const Operand& operand);
    // A working register for the value of a step on `a` and `b` (reusing theirs).
    std::uint32_t resultRegister(const Operand& a, const Operand* b);
    // Turns the sine or cosine just written into b into a (op) f(...); false when the
    // last step is no such call.
    bool fuseWithSineOrCosine(Op op, std::uint32_t a, std::uint32_t b, std::uint32_t result);
    // The same for a sum or difference whose right side is the product or quotient just
    // written into b.
    bool fuseWithProductOrQuotient(Op op, std::uint32_t a, std::uint32_t b, std::uint32_t result);
    // A sum or difference whose left side is the product or quotient just written into a.
    bool fuseAfterProductOrQuotient(Op op, std::uint32_t a, std::uint32_t b, std::uint32_t result,
                                    int position);
    void emit(Op op, Function function, std::uint32_t result, std::uint32_t left,
              std::uint32_t right, int position);
    // sin(argument) or cos(argument), taking in the product just written into the argument.
    void emitSineOrCosine(Function function, std::uint32_t result, std::uint32_t argument,
                          int position);
    std::uint32_t finalRegister(std::uint32_t reg) const;

    CompiledExpression& out_;
    std::unordered_map<std::uint64_t, std::uint32_t> numberIndex_; // by the number's bits
    std::uint32_t workingInUse_ = 0;
    std::uint32_t workingMost_ = 0;
};

} // namespace orvane
