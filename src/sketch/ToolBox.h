// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemDialogs.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QToolButton;

namespace orvane {

class SketchPad;
class GoldButton;
class SketchContext;
class WindowDrag;
struct Services;

// The tool box: the seven drawing-mode buttons, four buttons that open the
// calculation tools, the About button, and the boxes for font size, eraser size, line
// width and the two colours.
class ToolBox : public QWidget {
    Q_OBJECT

public:
    static constexpr int ModeButtons = 7;
    static constexpr int ToolButtons = 4;

    ToolBox(Services& services, SketchContext& context, SketchPad& pad, QWidget* owner);
    // Tall enough for every button and box.
    QSize sizeHint() const override;
    // The height of the caption strip `picCaption` at the top.
    static int captionHeight();
    // Drags the box (or the floating window holding it) by its caption strip.
    WindowDrag& drag() const { return *drag_; }

    // What a click on `GButton_m` does: button m becomes the only active one, then
    // modeChosen(m) asks for the drawing mode.
    void chooseMode(int m);
    // Only the look: button m active (sunken, disabled), the others inactive.
    void setActiveModeButton(int m);
    // The active mode button, -1 when none is.
    int activeModeButton() const;

    // The font-size boxes `LFONT`, `CFont` and the eraser-size boxes `LMoveDot`, `CMoveDot`.
    void showFontBoxes(bool visible);
    void showEraserBoxes(bool visible);
    QString eraserSizeText() const;
    // The size chosen in `CFont`, in points.
    double fontSize() const;
    // `CLineWide` shows this text (the plotter's width scroll bar keeps it in step).
    void setLineWidthText(const QString& text);
    // Colours of the swatches `LBeforeColor` (pen) and `LBackColor` (pad background).
    void setForeSwatch(Colour colour);
    Colour foreSwatch() const { return fore_; }
    Colour backSwatch() const { return back_; }
    // `LBackColor` and the text box's background follow the pad's background.
    void setBackSwatch(Colour colour);

signals:
    void modeChosen(int m);
    // `CMoveDot` was chosen: the eraser cursor follows the new size.
    void eraserSizeChosen();
    // The caption strip was let go: the status box takes the focus.
    void captionReleased();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildButtons();
    void buildBoxes();
    void fontChosen();
    void boxEntered(QObject* lineEdit);
    void lineWidthChosen();
    void pickPenColour();
    void pickBackColour();
    void captionPressed(Qt::MouseButton button);
    void settleAfterCaption();
    void setStripColour(const QColor& colour);

    Services& services_;
    SketchContext& context_;
    SketchPad& pad_;
    QWidget* picCaption_;
    QToolButton* cmdWindowAction_;
    std::array<GoldButton*, ModeButtons> modeButtons_{};
    std::array<GoldButton*, ToolButtons> toolButtons_{};
    GoldButton* gbStandard_;
    QLabel* lFont_;
    QComboBox* cFont_;
    QLabel* lMoveDot_;
    QComboBox* cMoveDot_;
    QLabel* lLineWide_;
    QComboBox* cLineWide_;
    QLabel* lBeforeColor_;
    QLabel* lBackColor_;
    WindowDrag* drag_;
    Colour fore_ = 16711680;
    Colour back_ = 0xFFFFFF;
};

} // namespace orvane
