#pragma once

#include "CompiledExpression.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The one failure signal of the evaluator. Callers compare results for exact equality.
inline constexpr double ErrorValue = -1e-30;

// Recursive-descent evaluator that scans the expression text afresh on every call.
// "*", "/" and "^" share one precedence level and apply left to right; a single
// optional sign belongs to the factor that follows it. Every failure, arithmetic
// faults included, comes back as ErrorValue: nothing is ever thrown.
class ExpressionEvaluator {
public:
    ExpressionEvaluator();
    // A copy has the same constants under a names stamp of its own.
    ExpressionEvaluator(const ExpressionEvaluator& other);
    ExpressionEvaluator& operator=(const ExpressionEvaluator& other);

    double MFEExpression(std::string_view expression);
    // The same result (and stop position) as scanning the program's text, from its
    // compiled form, with the constants as they stand now.
    double MFEExpression(const CompiledExpression& program)
    {
        return program.Run(*this, lastPosition_);
    }
    void AddConstant(std::string_view name, double value)
    {
        // The unknowns are bound and removed around every point: the quick way first.
        if (UnknownSlot* slot = unknownSlot(name)) {
            // An existing binding keeps its value.
            if (!slot->bound) *slot = {true, value};
            return;
        }
        addNamedConstant(name, value);
    }
    void RemoveConstant(std::string_view name)
    {
        if (UnknownSlot* slot = unknownSlot(name))
            slot->bound = false;
        else
            removeNamedConstant(name);
    }
    // 1-based character position at which the last MFEExpression call stopped.
    int LastErrorPosition() const;

    bool ConstantExists(std::string_view name) const;
    // Looks a constant up without regard to case; false when there is none.
    bool LookupConstant(std::string_view name, double& value) const;
    std::size_t ConstantCount() const;

    static bool IsFunctionName(std::string_view name);
    static bool IsLetter(char c);
    static bool IsNameChar(char c);
    static bool IsBlank(char c) { return c == ' ' || c == '\t'; }
    // Applies the built-in function `name` (any case) to a. False on a domain
    // error, an overflow or an unknown name.
    static bool CallFunction(std::string_view name, double a, double& result);
    // The power rule of the evaluator: 0^0 = 1, negative base needs an integral
    // exponent, 0 to a negative power and overflow fail.
    static bool Power(double base, double exponent, double& result);

    // Deeper nesting than this (parentheses and function calls) fails instead of
    // exhausting the stack.
    static constexpr int MaxNesting = 1000;

private:
    friend class CompiledExpression;

    struct Constant {
        std::string key; // upper-cased name
        double value;
    };

    // The unknowns x and y are bound and removed around every point of a curve, so
    // they live in two fixed places rather than in the list of the other names. To
    // every caller they are ordinary constants "X" and "Y".
    struct UnknownSlot {
        bool bound = false;
        double value = 0;
    };
    // The slot of a (trimmed) name "x", "X", "y" or "Y"; null for any other name.
    UnknownSlot* unknownSlot(std::string_view name)
    {
        // Binding an unknown passes its bare name: that case needs no trimming.
        if (name.size() != 1) name = trimmedName(name);
        return name.size() == 1 ? unknownSlot(name.front()) : nullptr;
    }
    const UnknownSlot* unknownSlot(std::string_view name) const
    {
        return const_cast<ExpressionEvaluator*>(this)->unknownSlot(name);
    }
    UnknownSlot* unknownSlot(char c)
    {
        switch (c) {
        case 'x':
        case 'X':
            return &unknowns_[0];
        case 'y':
        case 'Y':
            return &unknowns_[1];
        default:
            return nullptr;
        }
    }
    // The name without the spaces around it.
    static std::string_view trimmedName(std::string_view name);
    // AddConstant and RemoveConstant for names other than the unknowns.
    void addNamedConstant(std::string_view name, double value);
    void removeNamedConstant(std::string_view name);

    int PeekOperator() const;
    void SkipOperator();
    void SkipBlanks();
    bool AtEnd() const { return pos_ >= text_.size(); }
    // The descent calls itself only through ParseSum; the levels below it are merged
    // into their callers, which saves a call for every operand of the text.
    bool ParseSum(double& v);
    [[gnu::always_inline]] bool ParseTerm(double& v);
    [[gnu::always_inline]] bool ParseFactor(double& v);
    [[gnu::always_inline]] bool ParsePrimary(double& v);
    [[gnu::always_inline]] bool ParseNumber(double& v);
    // Reads the number that starts with the digit at `start`: digits with at most one
    // point ("1." is 1). On success `end` is one past it; false for a second point or
    // a value out of range.
    static bool ReadNumber(std::string_view text, std::size_t start, std::size_t& end, double& v);
    const Constant* FindConstant(std::string_view name) const;
    // Where the value of an upper-case key other than X and Y lives; null when absent.
    // Valid while namesStamp() stays the same.
    const double* valueOf(std::string_view key) const;
    // Changes whenever a name other than the unknowns is added or removed, and differs
    // between any two evaluators.
    std::uint64_t namesStamp() const { return namesStamp_; }

    std::string_view text_;
    std::size_t pos_ = 0;  // 0-based here; LastErrorPosition reports it 1-based
    int lastPosition_ = 1; // character position where the last call stopped
    int depth_ = 0;
    std::vector<Constant> constants_;
    UnknownSlot unknowns_[2]; // x, y
    std::uint64_t namesStamp_;
};

} // namespace orvane
