// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace orvane {

// Moves a box's window while the left button is held on one of its handles, the way a
// title bar drags its window. The window moved is the box itself when it is a window,
// or the floating dock holding it; a box laid into a bigger window is not moved:
// `dragStarting` lets its holder float it first. Presses and releases of
// every button on a handle are reported; the handles themselves get no mouse events.
class WindowDrag : public QObject {
    Q_OBJECT

public:
    explicit WindowDrag(QWidget* box);
    void addHandle(QWidget* handle);
    // The window a drag moves, null while the box lies inside a bigger window.
    QWidget* movedWindow() const;

signals:
    void pressed(QWidget* handle, Qt::MouseButton button, QPoint globalPos);
    void released(QWidget* handle, Qt::MouseButton button, QPoint globalPos);
    // The pointer moved with the left button held, before anything is moved.
    void dragStarting(QWidget* handle);
    // A drag with the left button ended; the window stands where it was dropped.
    void dragFinished(QWidget* handle);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* box_;
    bool dragging_ = false;
    bool started_ = false;
    QPoint pressGlobal_;
    QPoint startPos_;
};

} // namespace orvane
