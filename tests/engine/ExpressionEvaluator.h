#pragma once

#include "CompiledExpression.h"
#include "ConstantTable.h"

#include <string_view>

namespace orvane {

// The evaluator as it was first written: a recursive descent that computes while it
// reads the text, looking names up in the table as it meets them. The tests keep it as
// the reference the compiled programs must match bit for bit, failures and stop
// positions included. It shares only the reading of numbers and characters and the
// arithmetic of the functions with the engine.
class ExpressionEvaluator {
public:
    explicit ExpressionEvaluator(const ConstantTable& table) : table_(table) {}

    double Evaluate(std::string_view expression);
    // 1-based character position at which the last evaluation stopped.
    int LastErrorPosition() const { return lastPosition_; }

private:
    int PeekOperator() const;
    void SkipOperator();
    void SkipBlanks();
    bool AtEnd() const { return pos_ >= text_.size(); }
    bool ParseSum(double& v);
    bool ParseTerm(double& v);
    bool ParseFactor(double& v);
    bool ParsePrimary(double& v);

    const ConstantTable& table_;
    std::string_view text_;
    std::size_t pos_ = 0;
    int lastPosition_ = 1;
    int depth_ = 0;
};

} // namespace orvane
