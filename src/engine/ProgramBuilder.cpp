// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramBuilder.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace orvane {

namespace {

// The arithmetic of a step on two numbers, left being the value before the operator.
bool fold(CompiledExpression::Op op, double left, double right, double& r)
{
    using Op = CompiledExpression::Op;
    switch (op) {
    case Op::Add:
        r = left + right;
        break;
    case Op::Subtract:
        r = left - right;
        break;
    case Op::Multiply:
        r = right * left;
        break;
    case Op::Divide:
        if (right == 0) return false;
        r = left / right;
        break;
    default:
        return BuiltinFunctions::power(left, right, r);
    }
    return std::isfinite(r);
}

// Why folding failed on two numbers.
FailureReason foldFailure(CompiledExpression::Op op, double left, double right)
{
    using Op = CompiledExpression::Op;
    if (op == Op::Divide && right == 0) return FailureReason::DivisionByZero;
    if (op == Op::Power && ((left == 0 && right < 0) || (left < 0 && std::trunc(right) != right)))
        return FailureReason::PowerDomain;
    return FailureReason::OutOfRange;
}

std::uint64_t bitsOf(double v)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

} // namespace

ProgramBuilder::Operand ProgramBuilder::name(std::string_view name, int position)
{
    std::string key(name);
    for (char& c : key)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    Operand v;
    if (key == "X" || key == "Y") {
        const bool isX = key == "X";
        int& first = isX ? out_.xPosition_ : out_.yPosition_;
        if (first == 0) first = position;
        v.reg = encode(Unknowns, isX ? 0 : 1);
        return v;
    }
    auto& names = out_.names_;
    const auto index = std::uint32_t(std::find(names.begin(), names.end(), key) - names.begin());
    if (index == names.size()) {
        names.push_back(std::move(key));
        out_.namePositions_.push_back(position);
    }
    v.reg = encode(Names, index);
    return v;
}

std::uint32_t ProgramBuilder::numberRegister(double value)
{
    // A text holds few numbers as a rule: those are looked for one by one, which costs
    // no allocation; the index takes over for long texts.
    const std::uint64_t bits = bitsOf(value);
    auto& numbers = out_.numbers_;
    constexpr std::size_t FewNumbers = 16;
    if (numbers.size() < FewNumbers) {
        for (std::size_t i = 0; i < numbers.size(); ++i)
            if (bitsOf(numbers[i]) == bits) return encode(Numbers, std::uint32_t(i));
        numbers.push_back(value);
        return encode(Numbers, std::uint32_t(numbers.size() - 1));
    }
    if (numberIndex_.empty())
        for (std::size_t i = 0; i < numbers.size(); ++i)
            numberIndex_.emplace(bitsOf(numbers[i]), std::uint32_t(i));
    const auto [it, added] = numberIndex_.emplace(bits, std::uint32_t(numbers.size()));
    if (added) numbers.push_back(value);
    return encode(Numbers, it->second);
}

std::uint32_t ProgramBuilder::registerOf(const Operand& operand)
{
    return operand.isNumber ? numberRegister(operand.number) : operand.reg;
}

std::uint32_t ProgramBuilder::resultRegister(const Operand& a, const Operand* b)
{
    // Working registers are taken and freed in the order of a stack: the right operand's
    // is the latest one taken.
    const bool aWorking = !a.isNumber && kindOf(a.reg) == Working;
    const bool bWorking = b && !b->isNumber && kindOf(b->reg) == Working;
    if (aWorking && bWorking) {
        --workingInUse_;
        return a.reg;
    }
    if (aWorking) return a.reg;
    if (bWorking) return b->reg;
    const std::uint32_t reg = encode(Working, workingInUse_++);
    workingMost_ = std::max(workingMost_, workingInUse_);
    return reg;
}

void ProgramBuilder::emit(Op op, Function function, std::uint32_t result, std::uint32_t left,
                          std::uint32_t right, int position)
{
    CompiledExpression::Instruction in;
    in.op = op;
    in.function = function;
    in.result = result;
    in.left = left;
    in.right = right;
    out_.code_.push_back(in);
    out_.positions_.push_back(position);
    out_.innerPositions_.push_back(0);
}

bool ProgramBuilder::binary(Op op, Operand& left, const Operand& right, int position)
{
    if (left.isNumber && right.isNumber) {
        double r = 0;
        if (!fold(op, left.number, right.number, r)) {
            fail(position, foldFailure(op, left.number, right.number));
            return false;
        }
        left.number = r;
        return true;
    }
    const std::uint32_t a = registerOf(left);
    const std::uint32_t b = registerOf(right);
    const std::uint32_t result = resultRegister(left, &right);
    left = {false, 0, result};
    if (fuseWithSineOrCosine(op, a, b, result) || fuseWithProductOrQuotient(op, a, b, result) ||
        fuseAfterProductOrQuotient(op, a, b, result, position))
        return true;
    // Squares are the most common power; they have a quicker way to the same bits.
    const bool square = op == Op::Power && right.isNumber && bitsOf(right.number) == bitsOf(2.0);
    emit(square ? Op::Square : op, Function::None, result, a, b, position);
    return true;
}

bool ProgramBuilder::fuseWithSineOrCosine(Op op, std::uint32_t a, std::uint32_t b,
                                          std::uint32_t result)
{
    // a (op) f(c) right after the step f(c) into b: both fail at the same place (the
    // operator is applied where the call ends), and a failing sine or cosine (a NaN)
    // makes the sum, difference, product or quotient fail as well. The argument's
    // product stays in the step, and with it the place where that product fails.
    if (out_.code_.empty() || op == Op::Power) return false;
    CompiledExpression::Instruction& last = out_.code_.back();
    if ((last.op != Op::Sin && last.op != Op::Cos) || last.result != b) return false;
    const int offset = last.op == Op::Sin ? 0 : 4;
    last.op = Op(int(Op::AddSin) + offset + int(op) - int(Op::Add));
    last.left = a;
    last.result = result;
    return true;
}

bool ProgramBuilder::fuseWithProductOrQuotient(Op op, std::uint32_t a, std::uint32_t b,
                                               std::uint32_t result)
{
    // The last factor of a term ends where the sum goes on, so the product or quotient
    // and the sum fail at the same place; a failing product (not finite) makes the sum
    // fail too, a being finite or itself not finite.
    if (out_.code_.empty() || (op != Op::Add && op != Op::Subtract)) return false;
    CompiledExpression::Instruction& last = out_.code_.back();
    if ((last.op != Op::Multiply && last.op != Op::Divide) || last.result != b) return false;
    const bool product = last.op == Op::Multiply;
    last.op = op == Op::Add ? (product ? Op::AddProduct : Op::AddQuotient)
                            : (product ? Op::SubtractProduct : Op::SubtractQuotient);
    last.extra = last.right;
    last.right = last.left;
    last.left = a;
    last.result = result;
    return true;
}

bool ProgramBuilder::fuseAfterProductOrQuotient(Op op, std::uint32_t a, std::uint32_t b,
                                                std::uint32_t result, int position)
{
    // (product or quotient just written into a) + b: the step keeps the place where the
    // product fails and takes the place of the sum as its own.
    if (out_.code_.empty() || (op != Op::Add && op != Op::Subtract)) return false;
    CompiledExpression::Instruction& last = out_.code_.back();
    if ((last.op != Op::Multiply && last.op != Op::Divide) || last.result != a) return false;
    const bool product = last.op == Op::Multiply;
    last.op = op == Op::Add ? (product ? Op::ProductAdd : Op::QuotientAdd)
                            : (product ? Op::ProductSubtract : Op::QuotientSubtract);
    last.extra = b;
    last.result = result;
    out_.innerPositions_.back() = out_.positions_.back();
    out_.positions_.back() = position;
    return true;
}

void ProgramBuilder::sign(double sign, Operand& value)
{
    if (value.isNumber) {
        value.number = BuiltinFunctions::applySign(sign, value.number);
    } else if (sign < 0) {
        // The sign comes from a register: a constant -1 would let the compiler negate.
        const std::uint32_t a = value.reg;
        const std::uint32_t minusOne = numberRegister(sign);
        value.reg = resultRegister(value, nullptr);
        emit(Op::Negate, Function::None, value.reg, a, minusOne, 0);
    }
    // "+" multiplies by 1, which leaves a working value as it is; the values of names come
    // to their registers multiplied by 1 already (see Engine).
}

bool ProgramBuilder::call(Function function, Operand& argument, int position)
{
    if (function == Function::None) {
        fail(position, FailureReason::UnknownFunction);
        return false;
    }
    if (argument.isNumber) {
        double r = 0;
        if (!BuiltinFunctions::apply(function, argument.number, r)) {
            const bool overflow = function == Function::Exp || function == Function::Fact;
            fail(position, overflow ? FailureReason::OutOfRange : FailureReason::FunctionDomain,
                 std::string(BuiltinFunctions::nameOf(function)));
            return false;
        }
        argument.number = r;
        return true;
    }
    const std::uint32_t a = argument.reg;
    argument.reg = resultRegister(argument, nullptr);
    if (function == Function::Sin || function == Function::Cos)
        emitSineOrCosine(function, argument.reg, a, position);
    else
        emit(Op::Call, function, argument.reg, a, a, position);
    return true;
}

void ProgramBuilder::emitSineOrCosine(Function function, std::uint32_t result,
                                      std::uint32_t argument, int position)
{
    const Op op = function == Function::Sin ? Op::Sin : Op::Cos;
    // f(b * c) right after the product b * c into the argument: the product is worked out
    // in the step and keeps the place where it fails; the step's own place is where the
    // call ends.
    if (!out_.code_.empty()) {
        CompiledExpression::Instruction& last = out_.code_.back();
        if (last.op == Op::Multiply && last.result == argument) {
            // The product's factors in the order the product takes them (b * a).
            last.op = op;
            last.function = function;
            last.extra = last.left;
            last.left = last.right;
            last.result = result;
            out_.innerPositions_.back() = out_.positions_.back();
            out_.positions_.back() = position;
            return;
        }
    }
    emit(op, function, result, argument, argument, position);
    out_.code_.back().extra = CompiledExpression::NoFactor;
    out_.innerPositions_.back() = position;
}

void ProgramBuilder::fail(int position, FailureReason reason, std::string detail)
{
    emit(Op::Fail, Function::None, 0, 0, 0, position);
    // Reading ends at the first failure, so a program holds at most one.
    out_.failure_ = {reason, position, std::move(detail)};
}

std::uint32_t ProgramBuilder::finalRegister(std::uint32_t reg) const
{
    const std::uint32_t i = indexOf(reg);
    switch (kindOf(reg)) {
    case Unknowns:
        return i;
    case Names:
        return CompiledExpression::FirstNameRegister + i;
    case Numbers:
        return out_.firstNumberRegister() + i;
    default:
        return out_.firstNumberRegister() + std::uint32_t(out_.numbers_.size()) + i;
    }
}

void ProgramBuilder::finish(const Operand& result)
{
    out_.result_ = registerOf(result);
    finishFailed();
}

void ProgramBuilder::finishFailed()
{
    for (CompiledExpression::Instruction& in : out_.code_) {
        in.result = finalRegister(in.result);
        in.left = finalRegister(in.left);
        in.right = finalRegister(in.right);
        if (in.extra != CompiledExpression::NoFactor) in.extra = finalRegister(in.extra);
    }
    out_.result_ = finalRegister(out_.result_);
    out_.registerCount_ = out_.firstNumberRegister() + out_.numbers_.size() + workingMost_;
}

} // namespace orvane
