// SPDX-License-Identifier: GPL-3.0-or-later
#include "SketchWindows.h"

#include "CoordinateBox.h"
#include "DrawingMenu.h"
#include "PadDocument.h"
#include "SketchPad.h"
#include "ToolBox.h"

namespace orvane {

SketchWindows::SketchWindows(Services& services, SketchContext& context, QWidget* owner)
    : pad_(new SketchPad(context)), status_(new CoordinateBox(services, context, owner)),
      tools_(new ToolBox(services, context, *pad_, owner)),
      menuDraw_(std::make_unique<DrawingMenu>(context, *pad_, *status_, *tools_))
{
    pad_->setEraserSizeReader(
        [tools = tools_] { return tools ? tools->eraserSizeText() : QString(); });
    QObject::connect(pad_, &SketchPad::coordinatesChanged, status_,
                     &CoordinateBox::setCoordinateText);
    QObject::connect(pad_, &SketchPad::textPlaced, tools_,
                     [tools = tools_] { tools->setActiveModeButton(0); });
    DrawingMenu* menuDraw = menuDraw_.get();
    QObject::connect(tools_, &ToolBox::modeChosen, tools_,
                     [menuDraw](int m) { menuDraw->setDrawMode(m); });
    QObject::connect(tools_, &ToolBox::eraserSizeChosen, tools_,
                     [menuDraw] { menuDraw->setEraserCursor(); });
    // After an undo the swatch shows the background the pad has again.
    QObject::connect(&pad_->document(), &PadDocument::restored, tools_,
                     [tools = tools_, pad = pad_] {
                         const Colour background = pad->document().state().background;
                         if (tools->backSwatch() != background) tools->setBackSwatch(background);
                     });
    QObject::connect(tools_, &ToolBox::captionReleased, status_, [status = status_] {
        status->activateWindow();
        status->setFocus();
    });
}

SketchWindows::~SketchWindows()
{
    // The connections above capture DrawingMenu: cut them before it goes.
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
