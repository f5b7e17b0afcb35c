#pragma once

#include <QRect>
#include <QSize>

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

ScreenClass ClassifyScreen(QSize screenPixels);

// The arrangement for a screen of `screenPixels` and a main window `mainWidthTwips` wide;
// the pad is always square.
WindowArrangement ArrangeWindows(QSize screenPixels, int mainWidthTwips);

// The message shown on screens below 800 by 600 pixels.
QString SmallScreenMessage();

} // namespace orvane
