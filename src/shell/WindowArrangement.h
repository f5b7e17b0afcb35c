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

// What the windows are placed by, in logical pixels.
struct LayoutInput {
    ScreenClass screenClass = ScreenClass::Large; // by the whole screen's size
    QRect available;    // the screen's available area (without panels), global
    QRect workArea;     // the main window's area for the pad and the plotter, global
    QSize padFrame;     // what the pad's sub-window adds around its square client area
    QSize plotterNeeds; // the plotter's sub-window showing every control without scrolling
    int toolStripWidth = 0;
    int toolBoxHeight = 0; // the tool box's own height
    int statusHeight = 0;
    std::optional<int> statusTop; // stored top of the status box, global; none: default
};

// Where the windows go. The pad's client area is square; the plotter takes the width
// the pad leaves and the whole height above the status box; the tool box keeps its own
// height at the left of the work area; the status box spans the available width and
// lies inside the available area.
struct ScreenLayout {
    QRect pad;       // sub-window, work-area coordinates
    QRect plotter;   // sub-window, work-area coordinates
    QRect toolBox;   // global
    QRect statusBox; // global
    // The stored top lay outside the available area and was brought back.
    bool statusTopCorrected = false;
};
ScreenLayout layoutWindows(const LayoutInput& input);

// A status box stored this close above the bottom edge (or lower) sits on the edge.
inline constexpr int StatusSnapPixels = 1600 / TwipsPerPixel;

// The message shown on screens below 800 by 600 pixels.
QString smallScreenMessage();

} // namespace orvane
