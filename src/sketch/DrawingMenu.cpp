// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawingMenu.h"

#include "CoordinateBox.h"
#include "QtText.h"
#include "SketchContext.h"
#include "SketchPad.h"
#include "SketchResources.h"
#include "SketchTexts.h"
#include "ToolBox.h"

namespace orvane {

DrawingMenu::DrawingMenu(SketchContext& context, SketchPad& pad, CoordinateBox& status,
                         ToolBox& tools)
    : context_(context), pad_(pad), status_(status), tools_(tools)
{
}

void DrawingMenu::resetDrawTools()
{
    context_.setModeMenuCheck(0);
    pad_.hideInputWord();
    pad_.setPointer(SketchPad::Pointer::Cross);
    tools_.showFontBoxes(false);
    tools_.showEraserBoxes(false);
}

void DrawingMenu::setDrawMode(int m)
{
    if (m < SketchPad::ModeNone || m > SketchPad::ModeEraser) return;
    resetDrawTools();
    if (m != SketchPad::ModeNone) context_.setModeMenuCheck(m);
    pad_.setDrawModeValue(m);
    status_.setModeText(SketchTexts::modeStatus(m));
    switch (m) {
    case SketchPad::ModeNone:
        pad_.setPointer(SketchPad::Pointer::Arrow);
        break;
    case SketchPad::ModeText:
        tools_.showFontBoxes(true);
        pad_.setPointer(SketchPad::Pointer::Text);
        break;
    case SketchPad::ModeEraser:
        tools_.showEraserBoxes(true);
        setEraserCursor();
        break;
    default:
        break;
    }
}

void DrawingMenu::setEraserCursor()
{
    pad_.setPointer(SketchPad::Pointer::Custom);
    const std::optional<int> id =
        SketchTexts::eraserCursorId(leadingNumber(tools_.eraserSizeText()));
    if (id) pad_.setCustomPointerImage(sketchCursor(*id, pad_.devicePixelRatioF()), *id);
}

} // namespace orvane
