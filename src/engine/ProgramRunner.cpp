// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramRunner.h"

namespace orvane {

std::size_t CompiledExpression::run(double* registers) const
{
    return ProgramRunner::runSteps(code_.data(), code_.size(), registers);
}

int CompiledExpression::stepPosition(std::size_t step, const double* r) const
{
    const Instruction& in = code_[step];
    switch (in.op) {
    case Op::ProductAdd:
    case Op::ProductSubtract:
        return ProgramRunner::finite(r[in.right] * r[in.left]) ? positions_[step]
                                                               : innerPositions_[step];
    case Op::QuotientAdd:
    case Op::QuotientSubtract:
        return ProgramRunner::finite(r[in.left] / r[in.right]) ? positions_[step]
                                                               : innerPositions_[step];
    case Op::Sin:
    case Op::Cos:
    case Op::AddSin:
    case Op::SubtractSin:
    case Op::MultiplySin:
    case Op::DivideSin:
    case Op::AddCos:
    case Op::SubtractCos:
    case Op::MultiplyCos:
    case Op::DivideCos:
        // The argument's product fails where the product ends in the text.
        return ProgramRunner::finite(ProgramRunner::argument(in, r[in.right], r))
                   ? positions_[step]
                   : innerPositions_[step];
    default:
        return positions_[step];
    }
}

EvaluationError CompiledExpression::stepFailure(std::size_t step, const double* r) const
{
    const Instruction& in = code_[step];
    const int position = stepPosition(step, r);
    const auto divisionBy = [position](double divisor) {
        return EvaluationError{
            divisor == 0 ? FailureReason::DivisionByZero : FailureReason::OutOfRange, position, {}};
    };
    switch (in.op) {
    case Op::Fail:
        return failure_;
    case Op::Divide:
    case Op::QuotientAdd:
    case Op::QuotientSubtract:
        return divisionBy(position == positions_[step] && in.op != Op::Divide ? 1 : r[in.right]);
    case Op::AddQuotient:
    case Op::SubtractQuotient:
        return divisionBy(r[in.extra]);
    case Op::DivideSin:
        return divisionBy(std::sin(ProgramRunner::argument(in, r[in.right], r)));
    case Op::DivideCos:
        return divisionBy(std::cos(ProgramRunner::argument(in, r[in.right], r)));
    case Op::Power: {
        const double base = r[in.left];
        const double exponent = r[in.right];
        const bool domain =
            (base == 0 && exponent < 0) || (base < 0 && std::trunc(exponent) != exponent);
        return {domain ? FailureReason::PowerDomain : FailureReason::OutOfRange, position, {}};
    }
    case Op::Call: {
        const bool overflow = in.function == BuiltinFunctions::Function::Exp ||
                              in.function == BuiltinFunctions::Function::Fact;
        if (overflow) return {FailureReason::OutOfRange, position, {}};
        return {FailureReason::FunctionDomain, position,
                std::string(BuiltinFunctions::nameOf(in.function))};
    }
    default:
        return {FailureReason::OutOfRange, position, {}};
    }
}

} // namespace orvane
