// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace orvane {

// Moves a frameless tool window while the left button is held on one of its handles,
// the way a title bar drags its window. Presses and releases of every button on a
// handle are reported; the handles themselves get no mouse events.
class WindowDrag : public QObject {
    Q_OBJECT

public:
    explicit WindowDrag(QWidget* window);
    void addHandle(QWidget* handle);

signals:
    void pressed(QWidget* handle, Qt::MouseButton button, QPoint globalPos);
    void released(QWidget* handle, Qt::MouseButton button, QPoint globalPos);
    // A drag with the left button ended; the window stands where it was dropped.
    void dragFinished(QWidget* handle);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    bool dragging_ = false;
    QPoint pressGlobal_;
    QPoint startPos_;
};

} // namespace orvane
