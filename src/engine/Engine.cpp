// SPDX-License-Identifier: GPL-3.0-or-later
#include "Engine.h"

#include "NumberText.h"
#include "ProgramRunner.h"

#include <algorithm>
#include <array>
#include <limits>
#include <unordered_map>
#include <utility>

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
// function table pass it and are then silently refused by addConstant.
constexpr std::array<std::string_view, 15> RefusedFunctionNames = {
    "ABS", "ACG", "ACS", "ATN", "ASN", "COS", "CSC", "EXP",
    "FIX", "INT", "LOG", "SEC", "SIN", "SQR", "TAN"};

Outcome refusal(std::string message, MessageIcon icon)
{
    return {false, std::move(message), icon};
}

} // namespace

// Compiled programs by text; emptied when it grows large. The keys are the programs'
// own texts, so that looking a text up allocates nothing.
class ProgramCache {
public:
    std::shared_ptr<const CompiledExpression> get(std::string_view text)
    {
        const auto it = programs_.find(text);
        if (it != programs_.end()) return it->second;
        if (programs_.size() >= Capacity) programs_.clear();
        auto program = std::make_shared<const CompiledExpression>(text);
        programs_.emplace(program->text(), program);
        return program;
    }

private:
    static constexpr std::size_t Capacity = 64;
    std::unordered_map<std::string_view, std::shared_ptr<const CompiledExpression>> programs_;
};

namespace {

using ProgramRunner::takenIn;

// The earlier of two reading positions, 0 standing for none.
int earlier(int a, int b)
{
    if (a == 0) return b;
    if (b == 0) return a;
    return std::min(a, b);
}

} // namespace

// The registers of the program run last, with the names' values and the numbers filled
// in; they stay valid while the same program runs with the same names (point after
// point on a curve), so that a run only writes x and y.
struct RunFrame {
    std::shared_ptr<const CompiledExpression> program; // keeps `key` from being reused
    const CompiledExpression* key = nullptr;
    std::uint64_t version = 0;
    std::vector<double> registers;
    int missingName = 0; // position of the first name without a value, 0 if none
    bool usesX = false;
    bool usesY = false;
    // No name without a value, and at most the one unknown: a point of a curve
    // needs nothing but that unknown's register.
    bool onlyX = false;
    bool onlyY = false;
    std::size_t steps = 0;
    std::uint32_t result = 0;
    int successPosition = 1;

    void prepare(const CompiledExpression& p, const ConstantTable& table)
    {
        program = p.weak_from_this().lock();
        key = program ? &p : nullptr; // a program no one shares is prepared every time
        version = table.version();
        registers.assign(p.registerCount(), 0.0);
        missingName = 0;
        const auto& names = p.names();
        for (std::size_t i = 0; i < names.size(); ++i) {
            const double* value = table.find(names[i]);
            registers[CompiledExpression::FirstNameRegister + i] =
                value ? takenIn(*value) : std::numeric_limits<double>::quiet_NaN();
            if (!value) missingName = earlier(missingName, p.namePosition(i));
        }
        std::copy(p.numbers().begin(), p.numbers().end(),
                  registers.begin() + p.firstNumberRegister());
        usesX = p.xPosition() != 0;
        usesY = p.yPosition() != 0;
        onlyX = missingName == 0 && !usesY;
        onlyY = missingName == 0 && !usesX;
        steps = p.size();
        result = p.resultRegister();
        successPosition = p.endPosition();
    }
};

// The failure of a name without a value, first met at `position`.
EvaluationError missingNameFailure(const CompiledExpression& program, int position)
{
    if (program.xPosition() == position) return {FailureReason::NoValueForUnknown, position, "x"};
    if (program.yPosition() == position) return {FailureReason::NoValueForUnknown, position, "y"};
    for (std::size_t i = 0; i < program.names().size(); ++i)
        if (program.namePosition(i) == position)
            return {FailureReason::UnknownName, position, program.names()[i]};
    return {FailureReason::UnknownName, position, {}};
}

struct Engine::State {
    ConstantTable table;
    EvaluationError lastError;
    std::vector<std::string> constantNames;
    std::vector<std::string> constantRows;
    ProgramCache programs;
    RunFrame frame;
};

Engine::Engine() : state_(std::make_unique<State>()) {}
Engine::~Engine() = default;

Engine::Engine(Engine&& other) noexcept
    : state_(std::move(other.state_)), quick_(std::exchange(other.quick_, {})),
      lastPosition_(other.lastPosition_)
{
}

Engine& Engine::operator=(Engine&& other) noexcept
{
    state_ = std::move(other.state_);
    quick_ = std::exchange(other.quick_, {});
    lastPosition_ = other.lastPosition_;
    return *this;
}

// The copy prepares its own registers on its first run.
Engine::Engine(const Engine& other)
    : state_(std::make_unique<State>(*other.state_)), lastPosition_(other.lastPosition_)
{
}

Engine& Engine::operator=(const Engine& other)
{
    if (this != &other) {
        *state_ = *other.state_;
        quick_ = {};
        lastPosition_ = other.lastPosition_;
    }
    return *this;
}

double Engine::run(const CompiledExpression& program, const Unknown* free, double value)
{
    State& s = *state_;
    RunFrame& frame = s.frame;
    if (&program != frame.key || frame.version != s.table.version())
        frame.prepare(program, s.table);
    double* r = frame.registers.data();
    int missing = frame.missingName;
    if (frame.usesX) {
        if (free && *free == Unknown::X)
            r[CompiledExpression::XRegister] = takenIn(value);
        else if (s.table.isBound(Unknown::X))
            r[CompiledExpression::XRegister] = takenIn(s.table.valueOf(Unknown::X));
        else
            missing = earlier(missing, program.xPosition());
    }
    if (frame.usesY) {
        if (free && *free == Unknown::Y)
            r[CompiledExpression::YRegister] = takenIn(value);
        else if (s.table.isBound(Unknown::Y))
            r[CompiledExpression::YRegister] = takenIn(s.table.valueOf(Unknown::Y));
        else
            missing = earlier(missing, program.yPosition());
    }

    rememberQuickRun();
    const std::size_t failed = program.run(r);
    if (failed == frame.steps && missing == 0) {
        lastPosition_ = frame.successPosition;
        return r[frame.result];
    }
    const int stepPosition = failed == frame.steps ? 0 : program.stepPosition(failed, r);
    lastPosition_ = earlier(missing, stepPosition);
    s.lastError = missing != 0 && (stepPosition == 0 || missing <= stepPosition)
                      ? missingNameFailure(program, missing)
                      : program.stepFailure(failed, r);
    return ErrorValue;
}

double Engine::evaluateAt(Unknown unknown, const CompiledExpression& program, double value)
{
    // An unknown that is bound already keeps its value.
    if (state_->table.isBound(unknown)) return run(program, nullptr, 0);
    return run(program, &unknown, value);
}

void Engine::rememberQuickRun()
{
    State& s = *state_;
    RunFrame& frame = s.frame;
    quick_.registers = frame.registers.data();
    quick_.steps = frame.steps;
    quick_.result = frame.result;
    quick_.successPosition = frame.successPosition;
    quick_.forX = frame.onlyX && !s.table.isBound(Unknown::X) ? frame.key : nullptr;
    quick_.forY = frame.onlyY && !s.table.isBound(Unknown::Y) ? frame.key : nullptr;
}

void Engine::forgetQuickRun()
{
    quick_ = {};
}

double Engine::evaluate(std::string_view expression)
{
    return evaluate(*compile(expression));
}

std::shared_ptr<const CompiledExpression> Engine::compile(std::string_view expression)
{
    return state_->programs.get(expression);
}

double Engine::evaluate(const CompiledExpression& program)
{
    return run(program, nullptr, 0);
}

int Engine::lastErrorPosition() const
{
    return lastPosition_;
}

const EvaluationError& Engine::lastError() const
{
    return state_->lastError;
}

EvaluationError Engine::check(std::string_view expression, bool xBound)
{
    const std::shared_ptr<const CompiledExpression> program = compile(expression);
    EvaluationError first = program->translationFailure();
    const auto consider = [&first](EvaluationError error) {
        if (!first.failed() || error.position < first.position) first = std::move(error);
    };
    const ConstantTable& table = state_->table;
    for (std::size_t i = 0; i < program->names().size(); ++i)
        if (!table.find(program->names()[i]))
            consider({FailureReason::UnknownName, program->namePosition(i), program->names()[i]});
    if (program->xPosition() != 0 && !xBound && !table.isBound(Unknown::X))
        consider({FailureReason::NoValueForUnknown, program->xPosition(), "x"});
    if (program->yPosition() != 0 && !table.isBound(Unknown::Y))
        consider({FailureReason::NoValueForUnknown, program->yPosition(), "y"});
    return first;
}

double Engine::evaluateAtX(std::string_view expression, double x)
{
    return evaluateAtX(*compile(expression), x);
}

double Engine::evaluateAtY(std::string_view expression, double y)
{
    return evaluateAtY(*compile(expression), y);
}

void Engine::addConstant(std::string_view name, double value)
{
    forgetQuickRun();
    state_->table.add(name, value);
}

void Engine::removeConstant(std::string_view name)
{
    forgetQuickRun();
    state_->table.remove(name);
}

bool Engine::lookupConstant(std::string_view name, double& value) const
{
    return state_->table.lookup(name, value);
}

bool Engine::constantExists(std::string_view name) const
{
    return state_->table.exists(name);
}

std::size_t Engine::constantCount() const
{
    return state_->table.count();
}

const ConstantTable& Engine::constants() const
{
    return state_->table;
}

Outcome Engine::addUserConstant(std::string_view name, std::string_view valueText)
{
    const std::string key = trimmedUpper(name);
    if (key.empty()) return refusal("请输入常数名", MessageIcon::None);
    if (key == "X" || key == "Y") return refusal("x/y是未知数", MessageIcon::Warning);
    if (std::find(RefusedFunctionNames.begin(), RefusedFunctionNames.end(), key) !=
        RefusedFunctionNames.end())
        return refusal(key + "是内定函数名", MessageIcon::Warning);
    if (NumberText::readsAsNumber(name)) return refusal("常数名不能为数字", MessageIcon::Warning);
    const std::optional<double> value = NumberText::parseNumber(valueText);
    if (!value) return refusal("常数必需为数字", MessageIcon::Warning);

    State& s = *state_;
    forgetQuickRun();
    s.table.add(name, *value);
    std::string row(name);
    row += " - ";
    row += valueText;
    s.constantRows.push_back(std::move(row));
    s.constantNames.emplace_back(name);
    return {true, {}, MessageIcon::None};
}

bool Engine::setConstantValue(std::string_view name, double value)
{
    const std::string key = trimmedUpper(name);
    State& s = *state_;
    if (key == "X" || key == "Y" || !s.table.exists(key)) return false;
    forgetQuickRun();
    s.table.remove(key);
    s.table.add(key, value);
    for (std::size_t i = 0; i < s.constantNames.size() && i < s.constantRows.size(); ++i) {
        if (trimmedUpper(s.constantNames[i]) != key) continue;
        s.constantRows[i] = s.constantNames[i] + " - " + NumberText::generalForm(value);
        break;
    }
    return true;
}

Outcome Engine::removeSelectedConstant(int selectedRow)
{
    State& s = *state_;
    if (selectedRow < 0) return refusal("请选择常数名", MessageIcon::Warning);
    const auto i = static_cast<std::size_t>(selectedRow);
    if (i >= s.constantRows.size() || i >= s.constantNames.size())
        return refusal("程序出错！", MessageIcon::Error);
    forgetQuickRun();
    s.table.remove(s.constantNames[i]);
    s.constantNames.erase(s.constantNames.begin() + static_cast<std::ptrdiff_t>(i));
    s.constantRows.erase(s.constantRows.begin() + static_cast<std::ptrdiff_t>(i));
    return {true, {}, MessageIcon::None};
}

const std::vector<std::string>& Engine::constantNames() const
{
    return state_->constantNames;
}

const std::vector<std::string>& Engine::constantRows() const
{
    return state_->constantRows;
}

UnknownBinding::UnknownBinding(Engine& engine, Unknown unknown, double value)
    : engine_(engine), unknown_(unknown), boundHere_(!engine.constants().isBound(unknown))
{
    if (!boundHere_) return;
    engine_.forgetQuickRun();
    engine_.state_->table.bind(unknown_, value);
}

UnknownBinding::~UnknownBinding()
{
    if (!boundHere_) return;
    engine_.forgetQuickRun();
    engine_.state_->table.release(unknown_);
}

} // namespace orvane::engine
