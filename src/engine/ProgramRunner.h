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

// a ^ 2 with the bits of pow(a, 2), `two` being 2 (kept out of the compiler's sight, which
// would otherwise turn pow(a, 2) into a * a).
//
// a * a is the square rounded to nearest. The C library's pow is within 0.54 ulp of the
// exact square (glibc states its worst case so), so when the exact square lies within
// 0.45 ulp of a * a, every other double is at least 0.55 ulp from it and pow can only
// return a * a. The exact error of the product comes from Dekker's splitting, exact for
// |a| between 2^-400 and 2^501 (no product over- or underflows on the way; outside that
// the values computed are not used); a square that is a power of two, with a closer
// neighbour below, goes to pow as well.
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
    // |a| from 2^-400 to below 2^501, by its biased exponent.
    const std::uint64_t exponent = (bitsOf(a) >> 52) & 0x7ff;
    const bool exact = exponent - (1023 - 400) <= 900;
    // One branch, taken nine times in ten.
    if (exact & ((bits & ~ExponentBits) != 0) & (std::fabs(error) <= 0.45 * unit)) return p;
    return std::pow(a, two);
}

// a (op) sin(b) or a (op) cos(b), op one of + - * / (the product taken as the sum's
// right side times its left, as the steps one by one take it).
inline double withSineOrCosine(CompiledExpression::Op op, double a, double b)
{
    using Op = CompiledExpression::Op;
    const bool sine = op <= Op::DivideSin;
    const double f = sine ? std::sin(b) : std::cos(b);
    switch (sine ? op : Op(int(op) - int(Op::AddCos) + int(Op::AddSin))) {
    case Op::AddSin:
        return a + f;
    case Op::SubtractSin:
        return a - f;
    case Op::MultiplySin:
        return f * a;
    default:
        return a / f;
    }
}

// The sums and differences with a product or quotient on one side (see Op). The inner
// value is checked on its own, which also keeps it a rounded double of its own (no fused
// multiply-add). False when the inner value is not finite.
inline bool sumWithProductOrQuotient(CompiledExpression::Op op, double a, double b, double c,
                                     double& v)
{
    using Op = CompiledExpression::Op;
    double inner = 0;
    switch (op) {
    case Op::AddProduct:
    case Op::SubtractProduct:
        inner = c * b;
        break;
    case Op::AddQuotient:
    case Op::SubtractQuotient:
        inner = b / c;
        break;
    case Op::ProductAdd:
    case Op::ProductSubtract:
        inner = b * a;
        break;
    default:
        inner = a / b;
        break;
    }
    if (!finite(inner)) return false;
    switch (op) {
    case Op::AddProduct:
    case Op::AddQuotient:
        v = a + inner;
        break;
    case Op::SubtractProduct:
    case Op::SubtractQuotient:
        v = a - inner;
        break;
    case Op::ProductAdd:
    case Op::QuotientAdd:
        v = inner + c;
        break;
    default:
        v = inner - c;
        break;
    }
    return true;
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
            v = std::sin(a);
            break;
        case Op::Cos:
            v = std::cos(a);
            break;
        case Op::Call: {
            double value = 0;
            if (!BuiltinFunctions::apply(in->function, a, value)) return std::size_t(in - begin);
            v = value;
            break;
        }
        case Op::AddSin:
        case Op::SubtractSin:
        case Op::MultiplySin:
        case Op::DivideSin:
        case Op::AddCos:
        case Op::SubtractCos:
        case Op::MultiplyCos:
        case Op::DivideCos:
            v = withSineOrCosine(in->op, a, b);
            break;
        case Op::AddProduct:
        case Op::SubtractProduct:
        case Op::AddQuotient:
        case Op::SubtractQuotient:
        case Op::ProductAdd:
        case Op::ProductSubtract:
        case Op::QuotientAdd:
        case Op::QuotientSubtract:
            if (!sumWithProductOrQuotient(in->op, a, b, r[in->extra], v))
                return std::size_t(in - begin);
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
