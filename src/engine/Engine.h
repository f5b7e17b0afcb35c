// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CompiledExpression.h"
#include "ConstantTable.h"
#include "EvaluationError.h"
#include "MessageIcon.h"
#include "ProgramRunner.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::engine {

struct Outcome {
    bool ok = false;
    std::string message; // empty when nothing is to be shown
    MessageIcon icon = MessageIcon::None;
};

using orvane::Unknown;

// Everything one evaluates with: the table of constants, the unknowns x and y, the list of
// user constants that the plotter's constants page shows, and the compiled programs by
// text. The program's windows share one engine (handed to them with their Services); a
// worker thread, a test or a command-line run makes its own. An engine is used by one
// thread at a time; copies are independent of each other and can run on two threads.
// Refusals come back as a message with its icon, for the calling window to show.
class Engine {
public:
    Engine();
    ~Engine();
    // A copy has the same constants and bindings and evaluates on its own from then on.
    Engine(const Engine& other);
    Engine& operator=(const Engine& other);
    Engine(Engine&& other) noexcept;
    Engine& operator=(Engine&& other) noexcept;

    double evaluate(std::string_view expression);
    // The compiled form of a text, translated on first use and kept by text for later
    // calls. Evaluating it gives what evaluate gives for the text, with the constants as
    // they stand at that moment.
    std::shared_ptr<const CompiledExpression> compile(std::string_view expression);
    double evaluate(const CompiledExpression& program);
    // 1-based character position at which the last evaluation stopped (one past the end
    // after a success).
    int lastErrorPosition() const;
    // Why the last evaluation that failed failed (its position is lastErrorPosition's).
    const EvaluationError& lastError() const;
    // What keeps a text from giving a value whatever x holds: a text that breaks the
    // grammar, arithmetic on its numbers that fails ("1/0"), a name without a value, or
    // the unknown x itself when `xBound` is false and x is not bound. The earliest in
    // the text; none when the text can be evaluated (it may still fail at some points).
    EvaluationError check(std::string_view expression, bool xBound = false);

    // f(x) at one point: binds x, evaluates, ends the binding (see UnknownBinding).
    double evaluateAtX(std::string_view expression, double x);
    double evaluateAtX(const CompiledExpression& program, double x)
    {
        return &program == quick_.forX
                   ? quickRun(program, Unknown::X, CompiledExpression::XRegister, x)
                   : evaluateAt(Unknown::X, program, x);
    }
    // f(y) at one point, for curves x = f(y).
    double evaluateAtY(std::string_view expression, double y);
    double evaluateAtY(const CompiledExpression& program, double y)
    {
        return &program == quick_.forY
                   ? quickRun(program, Unknown::Y, CompiledExpression::YRegister, y)
                   : evaluateAt(Unknown::Y, program, y);
    }

    // The table itself, any case, blanks around a name ignored. addConstant refuses a
    // name outside the name rule, a function name or a name in the table already
    // (silently: the old value stays); "x" and "y" bind the unknowns.
    void addConstant(std::string_view name, double value);
    void removeConstant(std::string_view name);
    bool lookupConstant(std::string_view name, double& value) const;
    bool constantExists(std::string_view name) const;
    std::size_t constantCount() const;

    // Validates a user constant, installs it and appends its list row.
    Outcome addUserConstant(std::string_view name, std::string_view valueText);
    // A new value for a constant in the table (a slider moved): the table and the first
    // list row of that name (its value now in the general number form) change together.
    // False, and nothing changed, for a name not in the table and for x and y.
    bool setConstantValue(std::string_view name, double value);
    // Removes the constant of list row `selectedRow` (0-based; -1 when nothing is selected).
    Outcome removeSelectedConstant(int selectedRow);
    // Names as typed, one per list row.
    const std::vector<std::string>& constantNames() const;
    // Rows of the constants list: name, " - ", value text.
    const std::vector<std::string>& constantRows() const;

    // The table as it stands.
    const ConstantTable& constants() const;

private:
    friend class UnknownBinding;
    struct State;

    // The way for point after point of a curve: the program run last, its registers ready
    // (names and numbers filled in, nothing missing) and the one unknown it uses free, so
    // that a point writes that unknown's register and runs the steps. Remembered by every
    // run, forgotten by every change of the table or of a binding.
    struct QuickRun {
        const CompiledExpression* forX = nullptr;
        const CompiledExpression* forY = nullptr;
        double* registers = nullptr;
        std::size_t steps = 0;
        std::uint32_t result = 0;
        int successPosition = 1;
    };

    // Runs a program with the unknown `free` (if any) taking `value` for this run only.
    double run(const CompiledExpression& program, const Unknown* free, double value);
    double evaluateAt(Unknown unknown, const CompiledExpression& program, double value);
    double quickRun(const CompiledExpression& program, Unknown unknown, std::uint32_t reg,
                    double value)
    {
        double* r = quick_.registers;
        r[reg] = ProgramRunner::takenIn(value);
        if (ProgramRunner::runSteps(program.steps().data(), quick_.steps, r) == quick_.steps) {
            lastPosition_ = quick_.successPosition;
            return r[quick_.result];
        }
        // The full run finds where reading stops.
        return evaluateAt(unknown, program, value);
    }
    void rememberQuickRun();
    void forgetQuickRun();

    std::unique_ptr<State> state_;
    QuickRun quick_;
    int lastPosition_ = 1;
};

// Binds x or y for the life of the object. An unknown that is bound already keeps its
// value, and the end of the binding leaves the unknown as the binding found it, so that
// bindings nest and always balance.
class UnknownBinding {
public:
    UnknownBinding(Engine& engine, Unknown unknown, double value);
    ~UnknownBinding();
    UnknownBinding(const UnknownBinding&) = delete;
    UnknownBinding& operator=(const UnknownBinding&) = delete;

private:
    Engine& engine_;
    Unknown unknown_;
    bool boundHere_;
};

} // namespace orvane::engine
