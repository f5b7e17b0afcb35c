// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvane {

class SketchPad;
class SketchContext;
class CoordinateBox;
class ToolBox;

// The one way the main menu and the tool box change the drawing mode: menu check
// marks, the status text, the pad's pointer and the tool box's size boxes follow it.
// The mode buttons are left to the callers.
class DrawingMenu {
public:
    DrawingMenu(SketchContext& context, SketchPad& pad, CoordinateBox& status, ToolBox& tools);

    // m from 0 to 6; other values change nothing.
    void setDrawMode(int m);
    // No menu check, no open text box, cross pointer, size boxes hidden.
    void resetDrawTools();
    // The pad's pointer becomes the eraser cursor of the size in `CMoveDot`; a size
    // outside the cursor classes keeps the previous image.
    void setEraserCursor();

private:
    SketchContext& context_;
    SketchPad& pad_;
    CoordinateBox& status_;
    ToolBox& tools_;
};

} // namespace orvane
