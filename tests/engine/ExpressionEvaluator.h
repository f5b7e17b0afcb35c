// SPDX-License-Identifier: GPL-3.0-or-later
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

    double evaluate(std::string_view expression);
    // 1-based character position at which the last evaluation stopped.
    int lastErrorPosition() const { return lastPosition_; }

private:
    int peekOperator() const;
    void skipOperator();
    void skipBlanks();
    bool atEnd() const { return pos_ >= text_.size(); }
    bool parseSum(double& v);
    bool parseTerm(double& v);
    bool parseFactor(double& v);
    bool parsePrimary(double& v);

    const ConstantTable& table_;
    std::string_view text_;
    std::size_t pos_ = 0;
    int lastPosition_ = 1;
    int depth_ = 0;
};

} // namespace orvane
