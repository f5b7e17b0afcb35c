#include "WindowArrangement.h"

#include <QString>

#include <algorithm>

namespace orvane {

namespace {
constexpr int PlotterWidth = 4575;
}

ScreenClass ClassifyScreen(QSize screen)
{
    if (screen.width() < 800 || screen.height() < 600)
        return ScreenClass::Small;
    if (screen.width() < 1024 || screen.height() < 768)
        return ScreenClass::Medium;
    return ScreenClass::Large;
}

WindowArrangement ArrangeWindows(QSize screenPixels, int mainWidthTwips)
{
    WindowArrangement a;
    a.screenClass = ClassifyScreen(screenPixels);
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

PixelLayout FitToWorkArea(const WindowArrangement& a, QSize workArea, int leftStrip)
{
    auto toPixels = [](const QRect& twips) {
        return QRect(twips.x() / TwipsPerPixel, twips.y() / TwipsPerPixel,
                     twips.width() / TwipsPerPixel, twips.height() / TwipsPerPixel);
    };
    PixelLayout p{toPixels(a.pad).translated(leftStrip, 0), toPixels(a.plotter).translated(leftStrip, 0)};
    auto shrinkPad = [&](int by) {
        if (by <= 0)
            return;
        const int side = std::max(1, p.pad.width() - by);
        const int shift = p.pad.width() - side;
        p.pad.setSize(QSize(side, side));
        p.plotter.translate(-shift, 0);
    };
    shrinkPad(p.pad.height() - workArea.height());
    if (a.screenClass == ScreenClass::Medium)
        p.plotter.setWidth(workArea.width() - p.plotter.x()); // what the pad leaves free
    else
        shrinkPad(p.plotter.x() + p.plotter.width() - workArea.width());
    p.plotter.setHeight(p.pad.height());
    return p;
}

QString SmallScreenMessage()
{
    return QStringLiteral("您的计算机分辨率小于 800X600\r建议使用800X600以上分辨率");
}

} // namespace orvane
