// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Services.h"

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QScrollBar;

namespace orvane {

class ColourSwatch;
class PlotterHost;

// The strip "参数栏" above the plotter's pages: line width, line colour and the choice
// of random curve colours.
class ParameterStrip : public QGroupBox {
    Q_OBJECT
public:
    ParameterStrip(PlotterHost& host, Services& services, QWidget* parent = nullptr);

    Colour lineColour() const;
    void setLineColour(Colour colour);
    int lineWidth() const;
    // Moves the width scroll bar `LB`, which runs its change handling.
    void setLineWidthValue(int width);
    // `LLB` shows w, `LB` takes w rounded (halves to even).
    void setLineWidth(double w);
    // Start-up: width, colour and the random option without running their handling.
    void applySettings(int lineWidth, Colour lineColour, bool randomColours);

    // `pickCurveColor`: with "随机" ticked a new random colour, which both swatches take.
    Colour pickCurveColour(Colour c);
    // Red, green and blue from three random numbers.
    Colour randomColour();

private:
    void lineWidthChanged(int value);
    void lineColourClicked();

    PlotterHost& host_;
    Services& services_;
    QScrollBar* LB_;
    QLabel* LLB_;
    ColourSwatch* LColor_;
    QCheckBox* CheckColor_;
};

} // namespace orvane
