// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowArrangement.h"

#include <QString>

#include <algorithm>

namespace orvane {

namespace {
constexpr int PlotterWidth = 4575;
}

ScreenClass classifyScreen(QSize screen)
{
    if (screen.width() < 800 || screen.height() < 600) return ScreenClass::Small;
    if (screen.width() < 1024 || screen.height() < 768) return ScreenClass::Medium;
    return ScreenClass::Large;
}

WindowArrangement arrangeWindows(QSize screenPixels, int mainWidthTwips)
{
    WindowArrangement a;
    a.screenClass = classifyScreen(screenPixels);
    switch (a.screenClass) {
    case ScreenClass::Small: {
        a.showSmallScreenMessage = true;
        const int padWidth = mainWidthTwips - 4000;
        a.pad = QRect(0, 0, padWidth, padWidth);
        // The plotter overlaps the pad by 600 twips here.
        a.plotter = QRect(padWidth - 600, 0, PlotterWidth, padWidth);
        break;
    }
    case ScreenClass::Medium: {
        const int padWidth = mainWidthTwips - 4675;
        a.pad = QRect(0, 0, padWidth, padWidth);
        a.plotter = QRect(padWidth, 0, mainWidthTwips - padWidth, padWidth);
        a.showPlotterAgain = true;
        a.widenStatusFrame = true;
        break;
    }
    case ScreenClass::Large: {
        const int padWidth = mainWidthTwips - PlotterWidth - 100;
        a.pad = QRect(0, 0, padWidth, padWidth);
        a.plotter = QRect(padWidth, 0, PlotterWidth, padWidth);
        a.showPlotterAgain = true;
        a.widenStatusFrame = true;
        break;
    }
    }
    return a;
}

namespace {

// The plotter's width by screen class; the small class lays it 600 twips over the pad.
int plotterWidth(ScreenClass c)
{
    return (c == ScreenClass::Medium ? 4675 : PlotterWidth) / TwipsPerPixel;
}

QRect statusBoxPlace(const LayoutInput& in, bool* corrected)
{
    const int lowest = in.available.bottom() + 1 - in.statusHeight;
    int top = in.statusTop.value_or(lowest);
    if (top > lowest - StatusSnapPixels) top = lowest;
    const int inside = std::clamp(top, in.available.top(), std::max(in.available.top(), lowest));
    // Only a stored place that was off the screen counts as corrected.
    *corrected = in.statusTop && (*in.statusTop < in.available.top() || *in.statusTop > lowest);
    return QRect(in.available.x(), inside, in.available.width(), in.statusHeight);
}

} // namespace

ScreenLayout layoutWindows(const LayoutInput& in)
{
    ScreenLayout out;
    out.statusBox = statusBoxPlace(in, &out.statusTopCorrected);

    // The pad and the plotter end above a status box lying over the lower half of the
    // work area; one dragged higher floats over them.
    const bool statusBelow = out.statusBox.top() > in.workArea.center().y();
    const int bottom = statusBelow ? std::min(in.workArea.bottom() + 1, out.statusBox.top())
                                   : in.workArea.bottom() + 1;
    const int height = std::max(1, bottom - in.workArea.top());

    const int toolBottom = statusBelow ? out.statusBox.top() : in.available.bottom() + 1;
    out.toolBox = QRect(in.workArea.x(), in.workArea.y(), in.toolStripWidth,
                        std::max(1, std::min(in.toolBoxHeight, toolBottom - in.workArea.y())));

    const int overlap = in.screenClass == ScreenClass::Small ? 600 / TwipsPerPixel : 0;
    const int panelWidth = std::max(plotterWidth(in.screenClass), in.plotterNeeds.width());
    const int room = in.workArea.width() - in.toolStripWidth;
    const int side = std::max(1, std::min(height - in.padFrame.height(),
                                          room - panelWidth + overlap - in.padFrame.width()));
    out.pad = QRect(in.toolStripWidth, 0, side + in.padFrame.width(), side + in.padFrame.height());
    const int plotterLeft = out.pad.right() + 1 - overlap;
    out.plotter =
        QRect(plotterLeft, 0, std::max(panelWidth, in.workArea.width() - plotterLeft), height);
    return out;
}

QString smallScreenMessage()
{
    return QStringLiteral("您的计算机分辨率小于 800X600\r建议使用800X600以上分辨率");
}

} // namespace orvane
