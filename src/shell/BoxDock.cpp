// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoxDock.h"

#include "WindowArrangement.h"
#include "WindowDrag.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QRegularExpression>

#include <utility>

namespace orvane {

namespace {

// A box dropped this close to its home edge of the main window docks there.
constexpr int DockSnapPixels = 24;

const QList<QPair<Qt::DockWidgetArea, QChar>> AreaLetters = {{Qt::LeftDockWidgetArea, u'L'},
                                                             {Qt::RightDockWidgetArea, u'R'},
                                                             {Qt::TopDockWidgetArea, u'T'},
                                                             {Qt::BottomDockWidgetArea, u'B'}};

} // namespace

QString dockLayoutText(const QHash<QString, DockPlace>& places)
{
    QStringList names = places.keys();
    names.sort();
    QStringList entries;
    for (const QString& name : names) {
        const DockPlace& p = places[name];
        if (p.floatingAt) {
            entries << QStringLiteral("%1=F:%2,%3")
                           .arg(name)
                           .arg(p.floatingAt->x())
                           .arg(p.floatingAt->y());
            continue;
        }
        for (const auto& [area, letter] : AreaLetters)
            if (area == p.area) entries << name + u'=' + letter;
    }
    return entries.join(u';');
}

QHash<QString, DockPlace> dockLayoutFrom(const QString& text)
{
    static const QRegularExpression entry(
        QStringLiteral("^\\s*(\\w+)\\s*=\\s*(?:([LRTB])|F:(-?\\d{1,6}),(-?\\d{1,6}))\\s*$"));
    QHash<QString, DockPlace> places;
    for (const QString& part : text.split(u';', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = entry.match(part);
        if (!m.hasMatch()) continue;
        DockPlace place;
        if (m.capturedLength(2) > 0) {
            for (const auto& [area, letter] : AreaLetters)
                if (letter == m.captured(2).at(0)) place.area = area;
        } else {
            place.floatingAt = QPoint(m.captured(3).toInt(), m.captured(4).toInt());
        }
        places.insert(m.captured(1), place);
    }
    return places;
}

BoxDock::BoxDock(QWidget* box, WindowDrag& drag, Qt::DockWidgetArea home, int stripHeight,
                 std::function<QRect()> availableArea, QMainWindow* owner)
    : QDockWidget(owner), owner_(owner), home_(home), stripHeight_(stripHeight),
      availableArea_(std::move(availableArea))
{
    setObjectName(box->objectName() + QStringLiteral("Dock"));
    // The box has its own caption (the tool box) or is its own handle (the status box).
    auto* noTitle = new QWidget(this);
    auto* empty = new QHBoxLayout(noTitle);
    empty->setContentsMargins(0, 0, 0, 0);
    setTitleBarWidget(noTitle);
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    const bool upright = home == Qt::LeftDockWidgetArea || home == Qt::RightDockWidgetArea;
    setAllowedAreas(upright ? Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea
                            : Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
    setWidget(box);
    box->installEventFilter(this);
    owner->addDockWidget(home, this);
    connect(&drag, &WindowDrag::dragStarting, this, &BoxDock::dragStarting);
    connect(&drag, &WindowDrag::dragFinished, this, &BoxDock::dropped);
}

DockPlace BoxDock::place() const
{
    DockPlace p;
    if (isFloating())
        p.floatingAt = pos();
    else
        p.area = owner_->dockWidgetArea(const_cast<BoxDock*>(this));
    return p;
}

void BoxDock::moveTo(const DockPlace& p)
{
    if (p.floatingAt) {
        floatAt(*p.floatingAt);
        return;
    }
    const Qt::DockWidgetArea area = isAreaAllowed(p.area) ? p.area : home_;
    setFloating(false);
    owner_->addDockWidget(area, this);
}

QSize BoxDock::floatingSize() const
{
    // An upright box keeps its own size; a bar spans the screen.
    const QSize own = widget()->sizeHint().expandedTo(widget()->minimumSize());
    const bool upright = home_ == Qt::LeftDockWidgetArea || home_ == Qt::RightDockWidgetArea;
    return upright ? own : QSize(availableArea_().width(), own.height());
}

void BoxDock::floatAt(QPoint topLeft)
{
    if (!isFloating()) setFloating(true);
    resize(floatingSize());
    move(topLeft);
    keepOnScreen();
}

void BoxDock::keepOnScreen()
{
    const QRect frame = frameGeometry();
    const int strip = stripHeight_ > 0 ? stripHeight_ : frame.height();
    if (isFloating()) move(keptOnScreen(frame, strip, availableArea_()));
}

void BoxDock::dragStarting()
{
    if (isFloating()) return;
    // Out of the dock where it lay; the drag moves it from there.
    const QPoint at = widget()->mapToGlobal(QPoint(0, 0));
    setFloating(true);
    resize(floatingSize());
    move(at);
    show();
}

void BoxDock::dropped()
{
    if (isFloating()) {
        if (nearHome())
            moveTo({home_, std::nullopt});
        else
            keepOnScreen();
    }
    emit placeChanged();
}

bool BoxDock::nearHome() const
{
    const QRect box = frameGeometry();
    const QRect main = owner_->geometry();
    const bool across = box.right() >= main.left() && box.left() <= main.right();
    const bool down = box.bottom() >= main.top() && box.top() <= main.bottom();
    switch (home_) {
    case Qt::LeftDockWidgetArea:
        return down && box.left() <= main.left() + DockSnapPixels;
    case Qt::RightDockWidgetArea:
        return down && box.right() >= main.right() - DockSnapPixels;
    case Qt::TopDockWidgetArea:
        return across && box.top() <= main.top() + DockSnapPixels;
    case Qt::BottomDockWidgetArea:
        return across && box.bottom() >= main.bottom() - DockSnapPixels;
    default:
        return false;
    }
}

bool BoxDock::eventFilter(QObject* watched, QEvent* event)
{
    // The box's own close button hides the box: the dock goes with it, and the box is
    // shown again inside it for the next time the dock is shown.
    if (watched == widget() && event->type() == QEvent::HideToParent && !isHidden()) {
        hide();
        widget()->show();
    }
    return QDockWidget::eventFilter(watched, event);
}

} // namespace orvane
