#pragma once

#include "CompiledExpression.h"
#include "ExpressionEvaluator.h"
#include "MessageIcon.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The module-level evaluation operations that every tool uses. They all work on one
// shared evaluator and on the list of user constants shown by the plotter's
// constants page. The engine shows nothing itself: refusals come back as a message
// with its icon, for the calling window to show.
namespace orvane::engine {

struct Outcome {
    bool ok = false;
    std::string message; // empty when nothing is to be shown
    MessageIcon icon = MessageIcon::None;
};

// The shared evaluator, created on first use.
ExpressionEvaluator& SharedEvaluator();

double Evaluate(std::string_view expression);

// The compiled form of a text, translated on first use and kept by text for later
// calls. Evaluating it gives what Evaluate gives for the text, with the constants as
// they stand at that moment.
std::shared_ptr<const CompiledExpression> Compile(std::string_view expression);
double Evaluate(const CompiledExpression& expression);

// Validates a user constant, installs it and appends its list row.
Outcome AddUserConstant(std::string_view name, std::string_view valueText);
// Removes the constant of list row `selectedRow` (0-based; -1 when nothing is selected).
Outcome RemoveSelectedConstant(int selectedRow);

// Names as typed, one per list row, with a bound unknown as the last entry.
const std::vector<std::string>& ConstantNames();
// Rows of the constants list: name, " - ", value text.
const std::vector<std::string>& ConstantRows();

void SetVariableX(double value);
void ClearVariableX();
void SetVariableY(double value);
void ClearVariableY();

// Drops the shared evaluator and both lists so that the next use starts afresh.
void ResetEngine();

// RAII binding of an unknown around one evaluation.
class VariableBinding {
public:
    enum class Unknown { X, Y };
    VariableBinding(Unknown unknown, double value);
    ~VariableBinding();
    VariableBinding(const VariableBinding&) = delete;
    VariableBinding& operator=(const VariableBinding&) = delete;

private:
    Unknown unknown_;
};

// f(x) at one point: binds x, evaluates, removes the binding.
double EvaluateAtX(std::string_view expression, double x);
// f(y) at one point, for curves x = f(y).
double EvaluateAtY(std::string_view expression, double y);
// The same from the compiled form: the binding is made and removed exactly as above.
double EvaluateAtX(const CompiledExpression& expression, double x);
double EvaluateAtY(const CompiledExpression& expression, double y);

} // namespace orvane::engine
