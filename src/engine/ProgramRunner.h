// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CompiledExpression.h"

#include <cfloat>
#include <cmath>
#include <cstring>

// The steps of a compiled program, run on a set of registers. Kept in a header so that
// the engine's quick way for point after point has the loop in place.
namespace orvane::ProgramRunner {

inline bool finite(double v)
{
    return std::fabs(v) <= DBL_MAX;
}

inline std::uint64_t bitsOf(double v)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

inline double fromBits(std::uint64_t bits)
{
    double v = 0;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

// A value as the evaluator takes it in: multiplied by 1, which leaves every number as it
// is and makes a signalling NaN quiet (the bit that x86 arithmetic sets), done on the
// bits so that no compiler can drop the multiplication.
inline double takenIn(double v)
{
    if (v == v) return v;
    return fromBits(bitsOf(v) | 0x0008000000000000ULL);
}

// a ^ 2 with the bits of pow(a, 2), `two` being 2 (kept out of the compiler's sight, which
// would otherwise turn pow(a, 2) into a * a).
//
// a * a is the square rounded to nearest; the question is only whether pow can return
// another double. glibc states its pow's error as ulperr_exp + |y log x| relerr_log 2^53,
// with exp within 0.511 ulp and log within 1.5 * 2^-68 (the figures without fma, the
// larger ones): 0.54 ulp over all finite results, and for y = 2 and |a| from 2^-16 to
// 2^16, where |2 log a| is at most 32 ln 2, 0.5122 ulp. When the exact square lies within
// 0.487 ulp of a * a there (0.45 ulp elsewhere), every other double is farther than the
// bound from it, so pow can only return a * a. The exact error of the product comes from
// Dekker's splitting, exact for |a| from 2^-400 to 2^501; outside that, and for a square
// that is a power of two (a closer neighbour below), pow decides.
inline double square(double a, double two)
{
    constexpr std::uint64_t ExponentBits = 0x7ff0000000000000ULL;
    const double p = a * a;
    const double split = 134217729.0 * a; // 2^27 + 1
    const double high = split - (split - a);
    const double low = a - high;
    const double error = ((high * high - p) + 2 * high * low) + low * low;
    const std::uint64_t bits = bitsOf(p);
    const double unit = fromBits(bits & ExponentBits) * 0x1p-52; // ulp of p
    // The ranges of |a| by its biased exponent.
    const std::uint64_t exponent = (bitsOf(a) >> 52) & 0x7ff;
    const bool nearOne = exponent - (1023 - 16) < 32;
    const bool splitExact = exponent - (1023 - 400) < 901;
    const double tolerance = nearOne ? 0.487 : splitExact ? 0.45 : -1.0;
    // One branch, taken about 39 times in 40 near 1.
    if (((bits & ~ExponentBits) != 0) & (std::fabs(error) <= tolerance * unit)) return p;
    return std::pow(a, two);
}

// The argument of a sine or cosine step: b, or the product b * c taken in with it.
inline double argument(const CompiledExpression::Instruction& in, double b, const double* r)
{
    return in.extra == CompiledExpression::NoFactor ? b : b * r[in.extra];
}

// The inner product or quotient of a joined step, checked on its own: a failure there is
// the step's failure, and the check gives the value a use of its own, so that no compiler
// fuses it into a multiply-add with the sum around it.
inline bool joinedInner(double value, double& inner)
{
    inner = value;
    return finite(value);
}

// One pass over the steps. Every step's value must be finite (a division by zero gives an
// infinity or a NaN, and so do the failures of the power rule); the domains of the other
// functions are checked by the function itself.
inline std::size_t runSteps(const CompiledExpression::Instruction* begin, std::size_t count,
                            double* r)
{
    using Op = CompiledExpression::Op;
    using Instruction = CompiledExpression::Instruction;
    const Instruction* const end = begin + count;
    for (const Instruction* in = begin; in != end; ++in) {
        const double a = r[in->left];
        const double b = r[in->right];
        double v;
        double inner;
        switch (in->op) {
        case Op::Add:
            v = a + b;
            break;
        case Op::Subtract:
            v = a - b;
            break;
        case Op::Multiply:
            v = b * a;
            break;
        case Op::Divide:
            v = a / b;
            break;
        case Op::Power: {
            double power = 0;
            if (!BuiltinFunctions::power(a, b, power)) return std::size_t(in - begin);
            v = power;
            break;
        }
        case Op::Square:
            v = square(a, b);
            break;
        case Op::Negate:
            // A sign is no arithmetic that can fail: the value goes on as it is.
            r[in->result] = BuiltinFunctions::applySign(b, a);
            continue;
        case Op::Sin:
            v = std::sin(argument(*in, b, r));
            break;
        case Op::Cos:
            v = std::cos(argument(*in, b, r));
            break;
        case Op::Call: {
            double value = 0;
            if (!BuiltinFunctions::apply(in->function, a, value)) return std::size_t(in - begin);
            v = value;
            break;
        }
        // a (op) sin(b * c) and a (op) cos(b * c); a product takes the function's value times
        // a, as the steps one by one would. An argument that is not finite makes the
        // function's value a NaN, and so the step fails.
        case Op::AddSin:
            v = a + std::sin(argument(*in, b, r));
            break;
        case Op::SubtractSin:
            v = a - std::sin(argument(*in, b, r));
            break;
        case Op::MultiplySin:
            v = std::sin(argument(*in, b, r)) * a;
            break;
        case Op::DivideSin:
            v = a / std::sin(argument(*in, b, r));
            break;
        case Op::AddCos:
            v = a + std::cos(argument(*in, b, r));
            break;
        case Op::SubtractCos:
            v = a - std::cos(argument(*in, b, r));
            break;
        case Op::MultiplyCos:
            v = std::cos(argument(*in, b, r)) * a;
            break;
        case Op::DivideCos:
            v = a / std::cos(argument(*in, b, r));
            break;
        // The sums and differences with a product or quotient on one side, c in `extra`.
        case Op::AddProduct:
            if (!joinedInner(r[in->extra] * b, inner)) return std::size_t(in - begin);
            v = a + inner;
            break;
        case Op::SubtractProduct:
            if (!joinedInner(r[in->extra] * b, inner)) return std::size_t(in - begin);
            v = a - inner;
            break;
        case Op::AddQuotient:
            if (!joinedInner(b / r[in->extra], inner)) return std::size_t(in - begin);
            v = a + inner;
            break;
        case Op::SubtractQuotient:
            if (!joinedInner(b / r[in->extra], inner)) return std::size_t(in - begin);
            v = a - inner;
            break;
        case Op::ProductAdd:
            if (!joinedInner(b * a, inner)) return std::size_t(in - begin);
            v = inner + r[in->extra];
            break;
        case Op::ProductSubtract:
            if (!joinedInner(b * a, inner)) return std::size_t(in - begin);
            v = inner - r[in->extra];
            break;
        case Op::QuotientAdd:
            if (!joinedInner(a / b, inner)) return std::size_t(in - begin);
            v = inner + r[in->extra];
            break;
        case Op::QuotientSubtract:
            if (!joinedInner(a / b, inner)) return std::size_t(in - begin);
            v = inner - r[in->extra];
            break;
        case Op::Fail:
            return std::size_t(in - begin);
        }
        if (!finite(v)) return std::size_t(in - begin);
        r[in->result] = v;
    }
    return count;
}

} // namespace orvane::ProgramRunner
