// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowArrangement.h"

#include <QPoint>
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

// The plotter's width by screen class.
int plotterWidth(ScreenClass c)
{
    return (c == ScreenClass::Medium ? 4675 : PlotterWidth) / TwipsPerPixel;
}

} // namespace

ScreenLayout layoutWindows(const LayoutInput& in)
{
    ScreenLayout out;
    const int height = std::max(1, in.workArea.height());
    const int panelWidth = std::max(plotterWidth(in.screenClass), in.plotterNeeds.width());
    const int room = in.workArea.width();
    const int byHeight = height - in.padFrame.height();
    const int byWidth = room - panelWidth - in.padFrame.width();
    const int side = std::max(1, std::min(byHeight, std::max(byWidth, in.leastPadSide)));
    out.pad = QRect(0, 0, side + in.padFrame.width(), side + in.padFrame.height());
    const int plotterLeft = out.pad.right() + 1;
    out.plotter = QRect(plotterLeft, 0, std::max(1, room - plotterLeft), height);
    return out;
}

QPoint keptOnScreen(const QRect& frame, int stripHeight, const QRect& available)
{
    const int x = std::clamp(frame.x(), available.left(),
                             std::max(available.left(), available.right() + 1 - frame.width()));
    const int y = std::clamp(frame.y(), available.top(),
                             std::max(available.top(), available.bottom() + 1 - stripHeight));
    return {x, y};
}

QString smallScreenMessage()
{
    return QStringLiteral("您的计算机分辨率小于 800X600\r建议使用800X600以上分辨率");
}

} // namespace orvane
