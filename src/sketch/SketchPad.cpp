#include "SketchPad.h"

#include "Colours.h"
#include "NumberText.h"
#include "QtText.h"
#include "SketchContext.h"
#include "SketchTexts.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

constexpr double DefaultFontSize = 9;
constexpr int InputWordWidth = 160;

double distance(WorldPoint a, WorldPoint b)
{
    const double dx = double(a.x) - b.x;
    const double dy = double(a.y) - b.y;
    return std::sqrt(dx * dx + dy * dy);
}

} // namespace

SketchPad::SketchPad(SketchContext& context, QWidget* parent)
    : QWidget(parent), context_(context), inputWord_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("DP"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);

    inputWord_->setObjectName(QStringLiteral("InputWord"));
    inputWord_->hide();
    inputWord_->installEventFilter(this);
    connect(inputWord_, &QLineEdit::textChanged, this,
            [this](const QString& text) { pendingText_ = text; });
    setTextFontSize(DefaultFontSize);

    surface_.setChangedHandler([this] { update(); });
    surface_.setPersistent(true);
    applyPointer();
}

void SketchPad::setPointer(Pointer pointer)
{
    pointer_ = pointer;
    applyPointer();
}

void SketchPad::setCustomPointerImage(const QCursor& cursor, int resourceId)
{
    customPointer_ = cursor;
    customPointerId_ = resourceId;
    applyPointer();
}

void SketchPad::applyPointer()
{
    switch (pointer_) {
    case Pointer::Arrow:
        setCursor(Qt::ArrowCursor);
        break;
    case Pointer::Cross:
        setCursor(Qt::CrossCursor);
        break;
    case Pointer::Text:
        setCursor(Qt::IBeamCursor);
        break;
    case Pointer::Custom:
        // Without an image yet, a custom pointer looks like the arrow.
        setCursor(customPointerId_ != 0 ? customPointer_ : QCursor(Qt::ArrowCursor));
        break;
    }
}

void SketchPad::setTextFontSize(double points)
{
    surface_.setFontSize(points);
    inputWord_->setFont(PadSurface::textFont(points));
    inputWord_->resize(InputWordWidth, inputWord_->sizeHint().height());
}

void SketchPad::setInputWordColour(Colour colour)
{
    QPalette palette = inputWord_->palette();
    palette.setColor(QPalette::Text, toQColor(colour));
    inputWord_->setPalette(palette);
}

void SketchPad::setInputWordBackground(Colour colour)
{
    QPalette palette = inputWord_->palette();
    palette.setColor(QPalette::Base, toQColor(colour));
    inputWord_->setPalette(palette);
}

void SketchPad::hideInputWord()
{
    inputWord_->hide();
}

void SketchPad::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    surface_.render(painter);
}

void SketchPad::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A new size starts a new picture: the scale is stretched over the new area, in as
    // many image pixels as the screen shows there.
    surface_.resize(size(), devicePixelRatioF());
    surface_.setPersistent(true);
    surface_.clear();
    context_.drawAxes();
}

WorldPoint SketchPad::worldAt(const QMouseEvent* event) const
{
    const QPointF p = event->position();
    return surface_.toWorld(QPointF(std::floor(p.x()), std::floor(p.y())));
}

void SketchPad::takePlotterPen()
{
    surface_.setPenWidth(context_.penWidth());
    surface_.setForeColour(context_.penColour());
    surface_.setPersistent(true);
}

int SketchPad::eraserWidth() const
{
    const QString text = eraserSize_ ? eraserSize_() : QStringLiteral("10");
    // Bounded so that an absurd size cannot overflow the pen.
    const double size = std::clamp(leadingNumber(text), 0.0, 32767.0);
    return int(NumberText::RoundHalfEven(size));
}

void SketchPad::guideLines(WorldPoint at, Colour colour, DrawStyle style)
{
    surface_.setDrawStyle(style);
    surface_.line(at, {0, at.y}, colour);
    surface_.line(at, {at.x, 0}, colour);
    surface_.setDrawStyle(DrawStyle::Solid);
}

void SketchPad::mousePressEvent(QMouseEvent* event)
{
    const WorldPoint p = worldAt(event);
    if (event->button() != Qt::LeftButton) {
        // The pop-up menu takes the release, as a modal menu does.
        menuPress_ = true;
        context_.showDrawingMenu(event->globalPosition().toPoint());
        return;
    }
    menuPress_ = false;
    takePlotterPen();
    const Colour pen = surface_.foreColour();
    emit coordinatesChanged(SketchTexts::coordinatesWithDistance(p.x, p.y));

    switch (drawMode_) {
    case ModePoint:
        surface_.point(p, pen);
        break;
    case ModeLine:
        lineStart_ = p;
        lineActive_ = true;
        break;
    case ModePerpendicular:
        guideLines(p, pen, DrawStyle::DashDot);
        break;
    case ModeCircle:
        circleCentre_ = p;
        surface_.point(p);
        circleActive_ = true;
        break;
    case ModeText:
        setInputWordColour(pen);
        inputWord_->move(surface_.toPixel(p).toPoint());
        inputWord_->show();
        // Typing goes straight into the box, without a second click.
        inputWord_->setFocus(Qt::MouseFocusReason);
        surface_.setCurrentPoint(p);
        break;
    case ModeEraser:
        erasing_ = true;
        break;
    case ModeNone:
        setPointer(Pointer::Arrow);
        surface_.setPenWidth(1);
        surface_.setPersistent(false);
        guideLines(p, Black, DrawStyle::Solid);
        break;
    default:
        break;
    }
}

void SketchPad::mouseMoveEvent(QMouseEvent* event)
{
    const WorldPoint p = worldAt(event);
    surface_.setPersistent(false);
    surface_.setPenWidth(1);
    surface_.clear();
    emit coordinatesChanged(SketchTexts::coordinates(p.x, p.y));
    guideLines(p, Black, DrawStyle::Dotted);

    if (drawMode_ == ModeLine && lineActive_) {
        surface_.line(lineStart_, p);
        surface_.setCurrentPoint(p);
        surface_.printText(SketchTexts::printedNumber(distance(lineStart_, p)));
    }
    if (drawMode_ == ModeCircle && circleActive_) {
        surface_.line(circleCentre_, p);
        circleRadius_ = float(distance(p, circleCentre_));
        surface_.circle(circleCentre_, circleRadius_);
        surface_.setCurrentPoint(p);
        surface_.printText(SketchTexts::printedSingle(circleRadius_));
    }
    if (erasing_) {
        surface_.setPersistent(true);
        surface_.setPenWidth(eraserWidth());
        surface_.point(p, surface_.backColour());
    }
}

void SketchPad::mouseReleaseEvent(QMouseEvent* event)
{
    if (menuPress_) {
        menuPress_ = false;
        return;
    }
    const WorldPoint p = worldAt(event);
    takePlotterPen();
    const Colour pen = surface_.foreColour();

    switch (drawMode_) {
    case ModeLine:
        surface_.line(lineStart_, p, pen);
        lineActive_ = false;
        break;
    case ModeCircle:
        circleRadius_ = float(distance(p, circleCentre_));
        surface_.circle(circleCentre_, circleRadius_, pen);
        circleActive_ = false;
        break;
    case ModeNone:
        surface_.setPersistent(false);
        surface_.clear();
        break;
    case ModeEraser:
        erasing_ = false;
        // Axes hit by the eraser are made whole again.
        context_.drawAxes();
        break;
    default:
        break;
    }
}

bool SketchPad::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == inputWord_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            placeText();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SketchPad::placeText()
{
    surface_.setPersistent(true);
    surface_.setForeColour(context_.penColour());
    surface_.setCurrentPoint(surface_.toWorld(inputWord_->pos()));
    surface_.printText(pendingText_);
    inputWord_->hide();
    setPointer(Pointer::Arrow);
    inputWord_->clear();
    drawMode_ = ModeNone;
    emit textPlaced();
}

} // namespace orvane
