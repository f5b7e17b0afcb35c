#include "mMenuDraw.h"

#include "DP.h"
#include "QtText.h"
#include "SketchContext.h"
#include "SketchResources.h"
#include "SketchTexts.h"
#include "StatusBar.h"
#include "WinTools.h"

namespace orvane {

mMenuDraw::mMenuDraw(SketchContext& context, DP& pad, StatusBar& status, WinTools& tools)
    : context_(context), pad_(pad), status_(status), tools_(tools)
{
}

void mMenuDraw::ResetDrawTools()
{
    context_.setModeMenuCheck(0);
    pad_.hideInputWord();
    pad_.setPointer(DP::Pointer::Cross);
    tools_.showFontBoxes(false);
    tools_.showEraserBoxes(false);
}

void mMenuDraw::SetDrawMode(int m)
{
    if (m < DP::ModeNone || m > DP::ModeEraser) return;
    ResetDrawTools();
    if (m != DP::ModeNone) context_.setModeMenuCheck(m);
    pad_.setDrawModeValue(m);
    status_.setModeText(SketchTexts::modeStatus(m));
    switch (m) {
    case DP::ModeNone:
        pad_.setPointer(DP::Pointer::Arrow);
        break;
    case DP::ModeText:
        tools_.showFontBoxes(true);
        pad_.setPointer(DP::Pointer::Text);
        break;
    case DP::ModeEraser:
        tools_.showEraserBoxes(true);
        SetEraserCursor();
        break;
    default:
        break;
    }
}

void mMenuDraw::SetEraserCursor()
{
    pad_.setPointer(DP::Pointer::Custom);
    const std::optional<int> id =
        SketchTexts::eraserCursorId(leadingNumber(tools_.eraserSizeText()));
    if (id) pad_.setCustomPointerImage(sketchCursor(*id), *id);
}

} // namespace orvane
