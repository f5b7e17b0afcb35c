// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoordinateBox.h"

#include "NumberText.h"
#include "QtText.h"
#include "Services.h"
#include "SketchContext.h"
#include "SketchResources.h"
#include "WindowDrag.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

namespace orvane {

namespace {

constexpr int BarHeight = 24;
constexpr int IconSize = 16;
// Distances given in twips, 15 to the pixel.
constexpr int IconRightMargin = 80 / 15;
constexpr int FrameGapToIcon = 50 / 15;

QFrame* makeFrame(const QString& name, QWidget* parent, QFrame::Shadow shadow)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::Panel | shadow);
    return frame;
}

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent, QRect geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

} // namespace

CoordinateBox::CoordinateBox(Services& services, SketchContext& context, QWidget* owner)
    : QWidget(owner), context_(context)
{
    setObjectName(QStringLiteral("StatusBar"));
    setFixedHeight(BarHeight);
    f1_ = makeFrame(QStringLiteral("F1"), this, QFrame::Raised);
    f1_->setCursor(sketchCursor(990));

    label1_ = makeLabel(QStringLiteral("Label1"), QStringLiteral("奥维恩"), f1_, {6, 4, 50, 16});

    f2_ = makeFrame(QStringLiteral("F2"), f1_, QFrame::Sunken);
    f2_->setGeometry(60, 2, 140, BarHeight - 4);
    l3_ = makeLabel(QStringLiteral("L3"), QStringLiteral("画图状态"), f2_, {4, 2, 132, 16});

    l1_ = makeLabel(QStringLiteral("L1"), QStringLiteral("准备就绪"), f1_, {206, 4, 230, 16});

    f3_ = makeFrame(QStringLiteral("F3"), f1_, QFrame::Sunken);
    f3_->setGeometry(440, 2, 420, BarHeight - 4);
    l2_ = makeLabel(QStringLiteral("L2"), QStringLiteral("当前座标："), f3_, {4, 2, 2000, 16});

    iStatus_ = new QLabel(f1_);
    iStatus_->setObjectName(QStringLiteral("IStatus"));
    iStatus_->setPixmap(sketchIcon(2001).pixmap(IconSize, IconSize));
    iStatus_->setToolTip(QStringLiteral("关于…"));
    iStatus_->installEventFilter(this);
    fitToWidth(services.environment.availableScreenArea().width());

    drag_ = new WindowDrag(this);
    drag_->addHandle(f1_);
    drag_->addHandle(f2_);
    connect(drag_, &WindowDrag::dragFinished, this, [this] { dropped(); });
    connect(drag_, &WindowDrag::released, this, &CoordinateBox::released);
}

void CoordinateBox::setModeText(const QString& text)
{
    l3_->setText(text);
}
QString CoordinateBox::modeText() const
{
    return l3_->text();
}
void CoordinateBox::setProgressText(const QString& text)
{
    l1_->setText(text);
}
QString CoordinateBox::progressText() const
{
    return l1_->text();
}
void CoordinateBox::setCoordinateText(const QString& text)
{
    l2_->setText(text);
}
QString CoordinateBox::coordinateText() const
{
    return l2_->text();
}

void CoordinateBox::widenStatusFrame()
{
    widened_ = true;
    f3_->resize(f1_->width() - f3_->x() - iStatus_->width() - FrameGapToIcon, f3_->height());
}

void CoordinateBox::fitToWidth(int width)
{
    resize(width, BarHeight);
    layOutBar();
}

void CoordinateBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOutBar();
}

void CoordinateBox::layOutBar()
{
    f1_->setGeometry(0, 0, width(), BarHeight);
    iStatus_->setGeometry(width() - IconRightMargin - IconSize, (BarHeight - IconSize) / 2,
                          IconSize, IconSize);
    if (widened_) widenStatusFrame();
}

void CoordinateBox::dropped()
{
    // The position is remembered as dropped, even above the screen; the box then
    // comes back to the left edge and into view.
    QWidget* window = drag_->movedWindow();
    const int top = window ? window->y() : mapToGlobal(QPoint(0, 0)).y();
    context_.setSetupValue(QStringLiteral("StateBoxTop"),
                           toQString(NumberText::integerText(top * 15LL)));
    if (window) window->move(0, top < 0 ? 0 : top);
}

void CoordinateBox::released(QWidget* handle, Qt::MouseButton button, QPoint globalPos)
{
    if (handle == f2_ && button == Qt::RightButton) context_.showDrawingMenu(globalPos);
}

bool CoordinateBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == iStatus_) {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* e = static_cast<QMouseEvent*>(event);
            if (e->button() == Qt::RightButton)
                context_.showHelpMenu(e->globalPosition().toPoint());
            else
                context_.showAbout();
            return true;
        }
        // Presses stay on the image: they do not drag the box.
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orvane
