// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlotterDocument.h"
#include "Services.h"

#include <QFrame>

class QCheckBox;
class QLabel;
class QRadioButton;
class QScrollBar;

namespace orvane {

class ColourSwatch;
class PlotterHost;
class FlatButton;

// Page "设置座标": the axis size, hiding and redrawing the axes, and their colour.
class AxesPage : public QFrame {
    Q_OBJECT
public:
    AxesPage(PlotterHost& host, Services& services, QWidget* parent = nullptr);

    // S, read back from the caption of `LSize_0`.
    int axisSize() const;
    Colour axisColour() const { return axisColour_; }
    bool axesHidden() const;
    // `drawAxes` with `AxisColor` and S.
    void drawAxes();
    PlotterDocument::Axes currentAxes() const;
    // After an undo: the size and the hiding as the document has them, without drawing.
    void followDocument(int size, bool hidden);

    // Start-up: size and colour without running the change handling.
    void applySettings(int size, Colour axisColour);
    // Clears `chkHideXY`; when that changes it, its click handling runs too.
    void showAxesAgain();

private:
    void sizeChanged(int value);
    void hideClicked();
    void redrawClicked();
    void blackClicked();
    void colouredClicked();
    void swatchClicked();
    void setColourOptions(bool coloured);
    void writeColour();

    PlotterHost& host_;
    Services& services_;
    Colour axisColour_ = 16711680;
    QCheckBox* chkHideXY_;
    QScrollBar* SLSIZE_;
    QLabel* LSize_[2];
    QRadioButton* XYBlack_;
    QRadioButton* XYBlue_;
    ColourSwatch* XYColor_;
    FlatButton* reDrawXY_;
};

} // namespace orvane
