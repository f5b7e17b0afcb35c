// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDockWidget>
#include <QHash>
#include <QPoint>

#include <functional>
#include <optional>

class QMainWindow;

namespace orvane {

class WindowDrag;

// Where a box is: docked along an edge of the main window, or floating at a point.
struct DockPlace {
    Qt::DockWidgetArea area = Qt::NoDockWidgetArea;
    std::optional<QPoint> floatingAt;
};

// The places of the boxes by their names as one line of the settings file:
// "WinTools=L;StatusBar=F:0,300" (L, R, T, B: the edge docked to; F: floating at x,y).
QString dockLayoutText(const QHash<QString, DockPlace>& places);
// Entries that cannot be read are left out.
QHash<QString, DockPlace> dockLayoutFrom(const QString& text);

// A box of the main window (the tool box, the status box) in a dock of its own. The box
// keeps its own caption: the dock shows no title bar. Dragging the box by its handles
// takes it out of the dock; dropped near its home edge it docks there again, anywhere
// else it floats, its caption strip always inside the available area. Hiding the box
// hides the dock.
class BoxDock : public QDockWidget {
    Q_OBJECT

public:
    // `stripHeight`: the top part of the box that drags it and must stay on the screen
    // (0: the whole box).
    BoxDock(QWidget* box, WindowDrag& drag, Qt::DockWidgetArea home, int stripHeight,
            std::function<QRect()> availableArea, QMainWindow* owner);

    Qt::DockWidgetArea home() const { return home_; }
    DockPlace place() const;
    // Docked at `area` (one the box allows), or floating at the place given.
    void moveTo(const DockPlace& place);
    // Floating with the top left at `topLeft`, on the screen.
    void floatAt(QPoint topLeft);
    // A floating box comes back into the available area.
    void keepOnScreen();

signals:
    // The user docked, floated or dropped the box.
    void placeChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void dragStarting();
    void dropped();
    bool nearHome() const;
    QSize floatingSize() const;

    QMainWindow* owner_;
    Qt::DockWidgetArea home_;
    int stripHeight_;
    std::function<QRect()> availableArea_;
};

} // namespace orvane
