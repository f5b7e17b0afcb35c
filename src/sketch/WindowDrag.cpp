// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>

namespace orvane {

WindowDrag::WindowDrag(QWidget* window) : QObject(window), window_(window) {}

void WindowDrag::addHandle(QWidget* handle)
{
    handle->installEventFilter(this);
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
            pressGlobal_ = global;
            startPos_ = window_->pos();
        }
        emit pressed(handle, e->button(), global);
        return true;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (dragging_) window_->move(startPos_ + (e->globalPosition().toPoint() - pressGlobal_));
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
