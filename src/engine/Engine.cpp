#include "Engine.h"

#include "NumberText.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <unordered_map>

namespace orvane::engine {

namespace {

struct EngineState {
    ExpressionEvaluator evaluator;
    std::vector<std::string> constantNames;
    std::vector<std::string> constantRows;
};

// Compiled programs by text. They hold no state of the evaluator, so they outlive a
// fresh start of the engine; the cache is emptied when it grows large.
class ProgramCache {
public:
    std::shared_ptr<const CompiledExpression> get(std::string_view text)
    {
        std::string key(text);
        const auto it = programs_.find(key);
        if (it != programs_.end()) return it->second;
        if (programs_.size() >= Capacity) programs_.clear();
        auto program = std::make_shared<const CompiledExpression>(text);
        programs_.emplace(std::move(key), program);
        return program;
    }
    void clear() { programs_.clear(); }

private:
    static constexpr std::size_t Capacity = 64;
    std::unordered_map<std::string, std::shared_ptr<const CompiledExpression>> programs_;
};

ProgramCache& programCache()
{
    static ProgramCache cache;
    return cache;
}

// Constant-initialised, so reaching it costs no guard on every evaluation.
std::unique_ptr<EngineState> sharedState;

void createState()
{
    sharedState = std::make_unique<EngineState>();
}

inline EngineState& state()
{
    if (!sharedState) createState();
    return *sharedState;
}

std::string trimmedUpper(std::string_view name)
{
    while (!name.empty() && name.front() == ' ')
        name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    std::string out(name);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// The function names that the constant check refuses by name; the others of the
// function table pass it and are then silently refused by AddConstant.
constexpr std::array<std::string_view, 15> RefusedFunctionNames = {
    "ABS", "ACG", "ACS", "ATN", "ASN", "COS", "CSC", "EXP",
    "FIX", "INT", "LOG", "SEC", "SIN", "SQR", "TAN"};

Outcome refusal(std::string message, MessageIcon icon)
{
    return {false, std::move(message), icon};
}

void bind(EngineState& s, std::string_view name, double value)
{
    s.evaluator.AddConstant(name, value);
    s.constantNames.emplace_back(name);
}

void bind(std::string_view name, double value)
{
    bind(state(), name, value);
}

void unbindLast(EngineState& s)
{
    if (s.constantNames.empty()) return;
    s.evaluator.RemoveConstant(s.constantNames.back());
    s.constantNames.pop_back();
}

void unbindLast()
{
    unbindLast(state());
}

// SetVariableX (or Y), the evaluation, ClearVariableX (or Y), in one go for the
// evaluations made point after point.
template <typename Expression>
double evaluateBound(std::string_view unknown, const Expression& expression, double value)
{
    EngineState& s = state();
    bind(s, unknown, value);
    const double v = s.evaluator.MFEExpression(expression);
    unbindLast(s);
    return v;
}

} // namespace

ExpressionEvaluator& SharedEvaluator()
{
    return state().evaluator;
}

double Evaluate(std::string_view expression)
{
    return state().evaluator.MFEExpression(expression);
}

std::shared_ptr<const CompiledExpression> Compile(std::string_view expression)
{
    return programCache().get(expression);
}

double Evaluate(const CompiledExpression& expression)
{
    return state().evaluator.MFEExpression(expression);
}

Outcome AddUserConstant(std::string_view name, std::string_view valueText)
{
    const std::string key = trimmedUpper(name);
    if (key.empty()) return refusal("请输入常数名", MessageIcon::None);
    if (key == "X" || key == "Y") return refusal("x/y是未知数", MessageIcon::Warning);
    if (std::find(RefusedFunctionNames.begin(), RefusedFunctionNames.end(), key) !=
        RefusedFunctionNames.end())
        return refusal(key + "是内定函数名", MessageIcon::Warning);
    if (NumberText::ReadsAsNumber(name)) return refusal("常数名不能为数字", MessageIcon::Warning);
    const std::optional<double> value = NumberText::ParseNumber(valueText);
    if (!value) return refusal("常数必需为数字", MessageIcon::Warning);

    EngineState& s = state();
    s.evaluator.AddConstant(name, *value);
    std::string row(name);
    row += " - ";
    row += valueText;
    s.constantRows.push_back(std::move(row));
    s.constantNames.emplace_back(name);
    return {true, {}, MessageIcon::None};
}

Outcome RemoveSelectedConstant(int selectedRow)
{
    EngineState& s = state();
    if (selectedRow < 0) return refusal("请选择常数名", MessageIcon::Warning);
    const auto i = static_cast<std::size_t>(selectedRow);
    if (i >= s.constantRows.size() || i >= s.constantNames.size())
        return refusal("程序出错！", MessageIcon::Error);
    s.evaluator.RemoveConstant(s.constantNames[i]);
    s.constantNames.erase(s.constantNames.begin() + static_cast<std::ptrdiff_t>(i));
    s.constantRows.erase(s.constantRows.begin() + static_cast<std::ptrdiff_t>(i));
    return {true, {}, MessageIcon::None};
}

const std::vector<std::string>& ConstantNames()
{
    return state().constantNames;
}

const std::vector<std::string>& ConstantRows()
{
    return state().constantRows;
}

void SetVariableX(double value)
{
    bind("x", value);
}

void ClearVariableX()
{
    unbindLast();
}

void SetVariableY(double value)
{
    bind("y", value);
}

void ClearVariableY()
{
    unbindLast();
}

void ResetEngine()
{
    sharedState.reset();
    programCache().clear();
}

VariableBinding::VariableBinding(Unknown unknown, double value) : unknown_(unknown)
{
    if (unknown_ == Unknown::X)
        SetVariableX(value);
    else
        SetVariableY(value);
}

VariableBinding::~VariableBinding()
{
    if (unknown_ == Unknown::X)
        ClearVariableX();
    else
        ClearVariableY();
}

double EvaluateAtX(std::string_view expression, double x)
{
    return evaluateBound("x", expression, x);
}

double EvaluateAtY(std::string_view expression, double y)
{
    return evaluateBound("y", expression, y);
}

double EvaluateAtX(const CompiledExpression& expression, double x)
{
    return evaluateBound("x", expression, x);
}

double EvaluateAtY(const CompiledExpression& expression, double y)
{
    return evaluateBound("y", expression, y);
}

} // namespace orvane::engine
