#pragma once

#include <QPointer>

#include <memory>

class QWidget;

namespace orvane {

class DP;
class SketchContext;
class StatusBar;
class WinTools;
class mMenuDraw;
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

    DP& pad() { return *pad_; }
    StatusBar& statusBar() { return *status_; }
    WinTools& toolBox() { return *tools_; }
    mMenuDraw& menuDraw() { return *menuDraw_; }

    // The main menu's drawing-mode command: the same as choosing mode m on the tool box.
    void chooseDrawMode(int m);

private:
    // Windows without a parent when this goes are deleted with it.
    QPointer<DP> pad_;
    QPointer<StatusBar> status_;
    QPointer<WinTools> tools_;
    std::unique_ptr<mMenuDraw> menuDraw_;
};

} // namespace orvane
