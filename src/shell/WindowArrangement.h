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

// An arrangement in pixels inside the main window's work area, which is smaller than
// the screen by the title and menu bars. The tool box takes a strip of `leftStrip`
// pixels at the left; the pad starts beside it, stays square and fits the work area,
// and the plotter keeps to the pad's right (overlapping it on small screens).
struct PixelLayout {
    QRect pad;
    QRect plotter;
};
PixelLayout FitToWorkArea(const WindowArrangement& arrangement, QSize workArea, int leftStrip);

// The message shown on screens below 800 by 600 pixels.
QString SmallScreenMessage();

} // namespace orvane
