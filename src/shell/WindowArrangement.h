// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

#include <optional>

namespace orvane {

// Twips: 1/1440 inch, 15 to a pixel at 96 dots per inch.
inline constexpr int TwipsPerPixel = 15;

enum class ScreenClass { Small, Medium, Large };

// Where the sketch pad and the plotter go in the main window, in twips.
struct WindowArrangement {
    ScreenClass screenClass = ScreenClass::Large;
    QRect pad;
    QRect plotter;
    bool showSmallScreenMessage = false;
    bool showPlotterAgain = false;
    bool widenStatusFrame = false;
};

ScreenClass classifyScreen(QSize screenPixels);

// The arrangement for a screen of `screenPixels` and a main window `mainWidthTwips` wide;
// the pad is always square.
WindowArrangement arrangeWindows(QSize screenPixels, int mainWidthTwips);

// What the pad and the plotter are placed by, in logical pixels.
struct LayoutInput {
    ScreenClass screenClass = ScreenClass::Large; // by the whole screen's size
    QRect workArea;     // the main window's area for the pad and the plotter, global
    QSize padFrame;     // what the pad's sub-window adds around its square client area
    QSize plotterNeeds; // the plotter's sub-window showing every control without scrolling
    // The pad's side the screen class promises when the height allows it, even when
    // the plotter then has to scroll sideways (0: none).
    int leastPadSide = 0;
};

// Where the pad and the plotter go in the work area, side by side and never over each
// other. The pad's client area is square and as large as the height and the plotter's
// needs allow; the plotter takes the rest of the width and the whole height.
struct ScreenLayout {
    QRect pad;     // sub-window, work-area coordinates
    QRect plotter; // sub-window, work-area coordinates
};
ScreenLayout layoutWindows(const LayoutInput& input);

// Where a floating box whose frame is `frame` goes: moved the least so that its whole
// width (as far as it fits) and its top `stripHeight` pixels, the strip it is dragged
// by, lie inside `available`.
QPoint keptOnScreen(const QRect& frame, int stripHeight, const QRect& available);

// The message shown on screens below 800 by 600 pixels.
QString smallScreenMessage();

} // namespace orvane
