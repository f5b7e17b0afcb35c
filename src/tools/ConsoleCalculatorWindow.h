// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Services.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QLineEdit;
class QTimer;

namespace orvane {

class ReadingLabel;
class TextScreen;
struct ConsoleFormula;

// "公式计算器": the formula catalogue on a text screen, driven by the keyboard through
// numbered menus, with small input boxes beside the printed a=, b=, c= prompts.
class ConsoleCalculatorWindow : public QWidget {
    Q_OBJECT
public:
    // The window shows no dialogs; of the services it uses the shared engine.
    ConsoleCalculatorWindow(Services& services, QWidget* owner);

    // The window's text screen, as printed.
    TextScreen& screen() const { return *screen_; }
    std::int16_t menuLevel() const { return menuLevel_; }

    // A key typed on the window itself: character code, 27 for Esc.
    void windowKeyPressed(int key);
    // A key typed in input box `index`: 13 (Enter) or 27 (Esc); others are typed text.
    void inputKeyPressed(int index, int key);
    // The 10 ms watcher: once every input box is hidden, computes and prints the result.
    void computeWhenInputsDone();

signals:
    // "*" at the main menu asks for the formula window; this window closes right after.
    void formulaWindowRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showMainMenu();
    void showCategoryMenu(int category);
    void showInputScreen(const ConsoleFormula& formula);
    void hideInputBoxes();
    bool anyInputVisible() const;
    void focusNextInput(int after);
    // Puts the reading of input box `index` under it (hidden with the box).
    void placeReading(std::size_t index);

    TextScreen* screen_ = nullptr;
    std::array<QLineEdit*, 4> inputText_{};
    std::array<ReadingLabel*, 4> reading_{};
    QTimer* inTimer_ = nullptr;
    std::int16_t menuLevel_ = 0;
    std::int16_t pendingFormula_ = 0;
    engine::Engine& engine_;
};

} // namespace orvane
