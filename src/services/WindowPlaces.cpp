// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPlaces.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace orvane {

WindowPlaces::WindowPlaces(QWidget* owner) : QObject(owner), owner_(owner)
{
    setObjectName(QStringLiteral("WindowPlaces"));
}

WindowPlaces& WindowPlaces::of(QWidget* owner)
{
    if (auto* places = owner->findChild<WindowPlaces*>(QStringLiteral("WindowPlaces"),
                                                       Qt::FindDirectChildrenOnly))
        return *places;
    return *new WindowPlaces(owner);
}

void WindowPlaces::place(QWidget* window)
{
    // A window laid out by hand keeps the size it gave itself; the others fit their layout.
    if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
    window->removeEventFilter(this);
    window->installEventFilter(this);
    const auto last = last_.constFind(window->objectName());
    QPoint topLeft =
        last != last_.constEnd()
            ? *last
            : owner_->geometry().center() - QPoint(window->width() / 2, window->height() / 2);
    // Always on the owner's screen, with the title bar reachable.
    if (const QScreen* screen = owner_->screen()) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(std::clamp(topLeft.x(), area.left(),
                                std::max(area.left(), area.right() - window->width())));
        topLeft.setY(std::clamp(topLeft.y(), area.top(),
                                std::max(area.top(), area.bottom() - window->height())));
    }
    window->move(topLeft);
}

bool WindowPlaces::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close || event->type() == QEvent::Hide) {
        auto* window = static_cast<QWidget*>(watched);
        last_.insert(window->objectName(), window->pos());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orvane
