// SPDX-License-Identifier: GPL-3.0-or-later
#include "SketchPad.h"

#include "Colours.h"
#include "NumberText.h"
#include "QtText.h"
#include "SketchContext.h"
#include "SketchStrokes.h"
#include "SketchTexts.h"
#include "ViewRetracer.h"

#include <QEvent>
#include <QGestureEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPinchGesture>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

constexpr double DefaultFontSize = 9;
constexpr int InputWordWidth = 160;
// One notch of the wheel, one Ctrl+= or one Ctrl+-.
constexpr double ZoomStep = 0.8;
// An arrow key moves the window by this share of its width.
constexpr double ArrowPanShare = 0.1;

double distance(WorldPoint a, WorldPoint b)
{
    const double dx = double(a.x) - b.x;
    const double dy = double(a.y) - b.y;
    return std::sqrt(dx * dx + dy * dy);
}

} // namespace

SketchPad::SketchPad(SketchContext& context, QWidget* parent)
    : QWidget(parent), context_(context), document_(context.document()),
      inputWord_(new QLineEdit(this)), retracer_(new ViewRetracer(this))
{
    documentAlive_ = &document_;
    document_.setSurface(&surface_);
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
    // The pad never waits for a trace: it shows what it has, and the traces for a new
    // view follow from worker threads.
    surface_.setTracePreview(true);
    applyPointer();

    setFocusPolicy(Qt::ClickFocus);
    grabGesture(Qt::PinchGesture);
    connect(&document_, &PadDocument::viewChanged, this, &SketchPad::retraceForView);
    connect(&document_, &PadDocument::stateChanged, this, &SketchPad::retraceForView);
    connect(retracer_, &ViewRetracer::ready, this, [this] {
        if (documentAlive_) document_.repaint();
    });
}

void SketchPad::retraceForView()
{
    if (documentAlive_)
        retracer_->start(document_.state().picture, document_.view(), surface_.pixelArea());
}

bool SketchPad::isRetracing() const
{
    return retracer_->isRunning();
}

void SketchPad::zoomBy(double factor)
{
    document_.setView(document_.view().zoomed(factor));
}

void SketchPad::zoomAboutPixel(QPointF pixel, double factor)
{
    const PlotView view = document_.view();
    const PixelArea area = surface_.pixelArea();
    document_.setView(
        view.zoomedAbout(view.plotX(pixel.x(), area), view.plotY(pixel.y(), area), factor));
}

void SketchPad::panByPixels(double dx, double dy)
{
    const PlotView view = document_.view();
    const PixelArea area = surface_.pixelArea();
    document_.setView(view.panned(-dx * view.unitsPerPixelX(area), dy * view.unitsPerPixelY(area)));
}

void SketchPad::showClassicView()
{
    document_.resetView();
}

void SketchPad::showTrigonometricView()
{
    document_.setView(PlotView::trigonometric());
}

void SketchPad::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0) {
        event->ignore();
        return;
    }
    zoomAboutPixel(event->position(), std::pow(ZoomStep, notches));
    event->accept();
}

void SketchPad::keyPressEvent(QKeyEvent* event)
{
    const PixelArea area = surface_.pixelArea();
    switch (event->key()) {
    case Qt::Key_Left:
        panByPixels(ArrowPanShare * area.width, 0);
        break;
    case Qt::Key_Right:
        panByPixels(-ArrowPanShare * area.width, 0);
        break;
    case Qt::Key_Up:
        panByPixels(0, ArrowPanShare * area.height);
        break;
    case Qt::Key_Down:
        panByPixels(0, -ArrowPanShare * area.height);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool SketchPad::event(QEvent* event)
{
    if (event->type() != QEvent::Gesture) return QWidget::event(event);
    auto* gestures = static_cast<QGestureEvent*>(event);
    if (auto* pinch = static_cast<QPinchGesture*>(gestures->gesture(Qt::PinchGesture))) {
        const QPointF centre = mapFromGlobal(pinch->centerPoint());
        if (pinch->changeFlags() & QPinchGesture::CenterPointChanged) {
            const QPointF moved = pinch->centerPoint() - pinch->lastCenterPoint();
            panByPixels(moved.x(), moved.y());
        }
        // Fingers apart (a factor above 1) bring the plane closer.
        if ((pinch->changeFlags() & QPinchGesture::ScaleFactorChanged) && pinch->scaleFactor() > 0)
            zoomAboutPixel(centre, 1 / pinch->scaleFactor());
        gestures->accept(pinch);
        return true;
    }
    return QWidget::event(event);
}

SketchPad::~SketchPad()
{
    if (documentAlive_ && documentAlive_->surface() == &surface_)
        documentAlive_->setSurface(nullptr);
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
    // The scale is stretched over the new area, in as many image pixels as the screen
    // shows there, and everything on the pad is drawn again at that size.
    surface_.resize(size(), devicePixelRatioF());
    surface_.setPersistent(true);
    document_.repaint();
    retraceForView();
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
    return int(NumberText::roundHalfEven(size));
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
    if (event->button() == Qt::MiddleButton ||
        (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier))) {
        panning_ = true;
        panStart_ = event->position();
        panView_ = document_.view();
        setCursor(Qt::ClosedHandCursor);
        return;
    }
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

    const int width = surface_.penWidth();
    switch (drawMode_) {
    case ModePoint:
        document_.append(std::make_shared<DotStroke>(p, pen, width));
        break;
    case ModeLine:
        lineStart_ = p;
        lineActive_ = true;
        break;
    case ModePerpendicular:
        document_.append(std::make_shared<LineStroke>(
            std::vector<LineStroke::Segment>{{p, {0, p.y}}, {p, {p.x, 0}}}, pen, width,
            DrawStyle::DashDot));
        break;
    case ModeCircle:
        circleCentre_ = p;
        // The centre shows at once; the document takes it with the circle.
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
        eraserStroke_ = std::make_shared<EraserStroke>(surface_.backColour());
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
    if (panning_) {
        const PixelArea area = surface_.pixelArea();
        const QPointF moved = event->position() - panStart_;
        document_.setView(panView_.panned(-moved.x() * panView_.unitsPerPixelX(area),
                                          moved.y() * panView_.unitsPerPixelY(area)));
        return;
    }
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
    if (erasing_ && eraserStroke_) {
        surface_.setPersistent(true);
        eraserStroke_->extend(surface_, p, eraserWidth());
    }
}

void SketchPad::mouseReleaseEvent(QMouseEvent* event)
{
    if (panning_) {
        panning_ = false;
        applyPointer();
        return;
    }
    if (menuPress_) {
        menuPress_ = false;
        return;
    }
    const WorldPoint p = worldAt(event);
    takePlotterPen();
    const Colour pen = surface_.foreColour();

    const int width = surface_.penWidth();
    switch (drawMode_) {
    case ModeLine:
        document_.append(std::make_shared<LineStroke>(
            std::vector<LineStroke::Segment>{{lineStart_, p}}, pen, width, DrawStyle::Solid));
        lineActive_ = false;
        break;
    case ModeCircle:
        circleRadius_ = float(distance(p, circleCentre_));
        document_.append(std::make_shared<CircleStroke>(circleCentre_, circleRadius_, pen, width));
        circleActive_ = false;
        break;
    case ModeNone:
        surface_.setPersistent(false);
        surface_.clear();
        break;
    case ModeEraser: {
        erasing_ = false;
        // The stroke and the axes made whole again after it are one step.
        const PadDocument::Step step(document_);
        if (eraserStroke_ && !eraserStroke_->isEmpty()) document_.append({eraserStroke_}, 1);
        eraserStroke_.reset();
        context_.drawAxes();
        break;
    }
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
    document_.append(std::make_shared<TextStroke>(surface_.currentPoint(), pendingText_,
                                                  context_.penColour(), surface_.fontSize()));
    inputWord_->hide();
    setPointer(Pointer::Arrow);
    inputWord_->clear();
    drawMode_ = ModeNone;
    emit textPlaced();
}

} // namespace orvane
