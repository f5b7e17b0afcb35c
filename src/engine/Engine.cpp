#include "Engine.h"

#include "NumberText.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace orvane::engine {

namespace {

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

std::string_view nameOf(Unknown unknown)
{
    return unknown == Unknown::X ? "x" : "y";
}

} // namespace

// Compiled programs by text; emptied when it grows large.
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

private:
    static constexpr std::size_t Capacity = 64;
    std::unordered_map<std::string, std::shared_ptr<const CompiledExpression>> programs_;
};

struct Engine::State {
    ExpressionEvaluator evaluator;
    std::vector<std::string> constantNames;
    std::vector<std::string> constantRows;
    ProgramCache programs;
};

Engine::Engine() : state_(std::make_unique<State>()) {}
Engine::~Engine() = default;
Engine::Engine(Engine&& other) noexcept = default;
Engine& Engine::operator=(Engine&& other) noexcept = default;

Engine::Engine(const Engine& other) : state_(std::make_unique<State>())
{
    // The copy takes the table, the list and the bindings; it compiles its own programs.
    state_->evaluator = other.state_->evaluator;
    state_->constantNames = other.state_->constantNames;
    state_->constantRows = other.state_->constantRows;
}

Engine& Engine::operator=(const Engine& other)
{
    if (this != &other) *this = Engine(other);
    return *this;
}

double Engine::Evaluate(std::string_view expression)
{
    return state_->evaluator.MFEExpression(expression);
}

std::shared_ptr<const CompiledExpression> Engine::Compile(std::string_view expression)
{
    return state_->programs.get(expression);
}

double Engine::Evaluate(const CompiledExpression& program)
{
    return state_->evaluator.MFEExpression(program);
}

int Engine::LastErrorPosition() const
{
    return state_->evaluator.LastErrorPosition();
}

double Engine::EvaluateAtX(std::string_view expression, double x)
{
    const UnknownBinding binding(*this, Unknown::X, x);
    return Evaluate(expression);
}

double Engine::EvaluateAtX(const CompiledExpression& program, double x)
{
    const UnknownBinding binding(*this, Unknown::X, x);
    return Evaluate(program);
}

double Engine::EvaluateAtY(std::string_view expression, double y)
{
    const UnknownBinding binding(*this, Unknown::Y, y);
    return Evaluate(expression);
}

double Engine::EvaluateAtY(const CompiledExpression& program, double y)
{
    const UnknownBinding binding(*this, Unknown::Y, y);
    return Evaluate(program);
}

void Engine::AddConstant(std::string_view name, double value)
{
    state_->evaluator.AddConstant(name, value);
}

void Engine::RemoveConstant(std::string_view name)
{
    state_->evaluator.RemoveConstant(name);
}

bool Engine::LookupConstant(std::string_view name, double& value) const
{
    return state_->evaluator.LookupConstant(name, value);
}

bool Engine::ConstantExists(std::string_view name) const
{
    return state_->evaluator.ConstantExists(name);
}

std::size_t Engine::ConstantCount() const
{
    return state_->evaluator.ConstantCount();
}

Outcome Engine::AddUserConstant(std::string_view name, std::string_view valueText)
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

    State& s = *state_;
    s.evaluator.AddConstant(name, *value);
    std::string row(name);
    row += " - ";
    row += valueText;
    s.constantRows.push_back(std::move(row));
    s.constantNames.emplace_back(name);
    return {true, {}, MessageIcon::None};
}

Outcome Engine::RemoveSelectedConstant(int selectedRow)
{
    State& s = *state_;
    if (selectedRow < 0) return refusal("请选择常数名", MessageIcon::Warning);
    const auto i = static_cast<std::size_t>(selectedRow);
    if (i >= s.constantRows.size() || i >= s.constantNames.size())
        return refusal("程序出错！", MessageIcon::Error);
    s.evaluator.RemoveConstant(s.constantNames[i]);
    s.constantNames.erase(s.constantNames.begin() + static_cast<std::ptrdiff_t>(i));
    s.constantRows.erase(s.constantRows.begin() + static_cast<std::ptrdiff_t>(i));
    return {true, {}, MessageIcon::None};
}

const std::vector<std::string>& Engine::ConstantNames() const
{
    return state_->constantNames;
}

const std::vector<std::string>& Engine::ConstantRows() const
{
    return state_->constantRows;
}

UnknownBinding::UnknownBinding(Engine& engine, Unknown unknown, double value)
    : engine_(engine), unknown_(unknown), boundHere_(!engine.ConstantExists(nameOf(unknown)))
{
    if (boundHere_) engine_.AddConstant(nameOf(unknown_), value);
}

UnknownBinding::~UnknownBinding()
{
    if (boundHere_) engine_.RemoveConstant(nameOf(unknown_));
}

} // namespace orvane::engine
