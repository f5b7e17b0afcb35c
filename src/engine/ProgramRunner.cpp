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

} // namespace orvane
