// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>

#include <memory>

class QWidget;

namespace orvane {

class SketchPad;
class SketchContext;
class CoordinateBox;
class ToolBox;
class DrawingMenu;
struct Services;

// The sketch pad with its tool box, status box and drawing-mode module, created once
// and wired to each other. The tool box and the status box are tool windows owned by
// `owner`; the pad is created without a parent for the owner to place (it becomes the
// owner's child window).
class SketchWindows {
public:
    SketchWindows(Services& services, SketchContext& context, QWidget* owner);
    ~SketchWindows();
    SketchWindows(const SketchWindows&) = delete;
    SketchWindows& operator=(const SketchWindows&) = delete;

    SketchPad& pad() { return *pad_; }
    CoordinateBox& statusBar() { return *status_; }
    ToolBox& toolBox() { return *tools_; }
    DrawingMenu& menuDraw() { return *menuDraw_; }

    // The main menu's drawing-mode command: the same as choosing mode m on the tool box.
    void chooseDrawMode(int m);

private:
    // Windows without a parent when this goes are deleted with it.
    QPointer<SketchPad> pad_;
    QPointer<CoordinateBox> status_;
    QPointer<ToolBox> tools_;
    std::unique_ptr<DrawingMenu> menuDraw_;
};

} // namespace orvane
