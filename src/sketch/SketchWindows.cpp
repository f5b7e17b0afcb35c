#include "SketchWindows.h"

#include "DP.h"
#include "StatusBar.h"
#include "WinTools.h"
#include "mMenuDraw.h"

namespace orvane {

SketchWindows::SketchWindows(Services& services, SketchContext& context, QWidget* owner)
    : pad_(new DP(context)), status_(new StatusBar(services, context, owner)),
      tools_(new WinTools(services, context, *pad_, owner)),
      menuDraw_(std::make_unique<mMenuDraw>(context, *pad_, *status_, *tools_))
{
    pad_->setEraserSizeReader(
        [tools = tools_] { return tools ? tools->eraserSizeText() : QString(); });
    QObject::connect(pad_, &DP::coordinatesChanged, status_, &StatusBar::setCoordinateText);
    QObject::connect(pad_, &DP::textPlaced, tools_,
                     [tools = tools_] { tools->setActiveModeButton(0); });
    mMenuDraw* menuDraw = menuDraw_.get();
    QObject::connect(tools_, &WinTools::modeChosen, tools_,
                     [menuDraw](int m) { menuDraw->SetDrawMode(m); });
    QObject::connect(tools_, &WinTools::eraserSizeChosen, tools_,
                     [menuDraw] { menuDraw->SetEraserCursor(); });
    QObject::connect(tools_, &WinTools::captionReleased, status_, [status = status_] {
        status->activateWindow();
        status->setFocus();
    });
}

SketchWindows::~SketchWindows()
{
    // The connections above capture mMenuDraw: cut them before it goes.
    if (tools_) QObject::disconnect(tools_, nullptr, tools_, nullptr);
    for (QWidget* w : {static_cast<QWidget*>(pad_), static_cast<QWidget*>(status_),
                       static_cast<QWidget*>(tools_)})
        if (w && !w->parent()) delete w;
}

void SketchWindows::chooseDrawMode(int m)
{
    tools_->chooseMode(m);
}

} // namespace orvane
