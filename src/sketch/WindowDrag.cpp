// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowDrag.h"

#include <QDockWidget>
#include <QMouseEvent>
#include <QWidget>

namespace orvane {

WindowDrag::WindowDrag(QWidget* box) : QObject(box), box_(box) {}

void WindowDrag::addHandle(QWidget* handle)
{
    handle->installEventFilter(this);
}

QWidget* WindowDrag::movedWindow() const
{
    if (box_->isWindow()) return box_;
    auto* dock = qobject_cast<QDockWidget*>(box_->parentWidget());
    return dock && dock->isFloating() ? dock : nullptr;
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event)
{
    auto* handle = qobject_cast<QWidget*>(watched);
    if (!handle) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* e = static_cast<QMouseEvent*>(event);
        const QPoint global = e->globalPosition().toPoint();
        if (e->button() == Qt::LeftButton) {
            dragging_ = true;
            started_ = false;
            pressGlobal_ = global;
        }
        emit pressed(handle, e->button(), global);
        return true;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (!dragging_) return true;
        if (!started_) {
            started_ = true;
            emit dragStarting(handle);
            if (QWidget* window = movedWindow()) startPos_ = window->pos();
        }
        if (QWidget* window = movedWindow())
            window->move(startPos_ + (e->globalPosition().toPoint() - pressGlobal_));
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton && dragging_) {
            dragging_ = false;
            emit dragFinished(handle);
        }
        emit released(handle, e->button(), e->globalPosition().toPoint());
        return true;
    }
    default:
        return false;
    }
}

} // namespace orvane
