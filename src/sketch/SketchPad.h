// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PadDocument.h"
#include "PadSurface.h"

#include <QCursor>
#include <QPointer>
#include <QWidget>

#include <functional>

class QLineEdit;

namespace orvane {

class SketchContext;
class EraserStroke;
class ViewRetracer;

// The sketch pad: the one drawing surface of the program (the plotter draws its axes and
// curves here) and the canvas on which the user draws by hand in the current drawing mode.
class SketchPad : public QWidget {
    Q_OBJECT

public:
    enum DrawModes {
        ModeNone = 0,
        ModePoint,
        ModeLine,
        ModePerpendicular,
        ModeCircle,
        ModeText,
        ModeEraser
    };
    enum class Pointer { Arrow, Cross, Text, Custom };

    explicit SketchPad(SketchContext& context, QWidget* parent = nullptr);

    PadSurface& surface() { return surface_; }
    const PadSurface& surface() const { return surface_; }
    // The record of everything on the pad; the surface is painted from it.
    PadDocument& document() { return document_; }
    const PadDocument& document() const { return document_; }
    ~SketchPad() override;
    QImage persistentImage() const { return surface_.persistentImage(); }
    // The text-input box `InputWord`, shown while text is entered in mode 5.
    QLineEdit* inputWord() const { return inputWord_; }

    // `DrawMode`; changing it here has no other effect (the tool box and the main menu
    // go through DrawingMenu::setDrawMode).
    int drawMode() const { return drawMode_; }
    void setDrawModeValue(int mode) { drawMode_ = mode; }
    bool lineActive() const { return lineActive_; }
    bool circleActive() const { return circleActive_; }
    bool erasing() const { return erasing_; }
    QString pendingText() const { return pendingText_; }

    // Where the eraser size is read at the moment of use (the tool box's `CMoveDot` text).
    void setEraserSizeReader(std::function<QString()> reader) { eraserSize_ = std::move(reader); }

    // The mouse pointer over the pad; a custom one shows the image last given.
    void setPointer(Pointer pointer);
    Pointer pointer() const { return pointer_; }
    void setCustomPointerImage(const QCursor& cursor, int resourceId);
    // Resource id of the custom pointer image, 0 while none was given.
    int customPointerId() const { return customPointerId_; }

    // Font size (points) of the pad's printed text and of `InputWord`.
    void setTextFontSize(double points);
    void setInputWordColour(Colour colour);
    void setInputWordBackground(Colour colour);
    // Hides `InputWord` without printing its text.
    void hideInputWord();

    // The window of the plane shown (see PadDocument::view). The wheel zooms about the
    // pointer, a middle or Shift+left drag pans, the arrow keys pan, two fingers pinch.
    // Not undo steps; curves are traced again for the new window on worker threads.
    void zoomBy(double factor); // about the centre; < 1 zooms in
    void panByPixels(double dx, double dy);
    void showClassicView();
    void showTrigonometricView();
    // Whether curves are still being traced for the present view.
    bool isRetracing() const;

signals:
    // The status box's coordinate label `L2` should show this text.
    void coordinatesChanged(const QString& text);
    // Enter in `InputWord` printed the text and set the drawing mode back to 0.
    void textPlaced();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WorldPoint worldAt(const QMouseEvent* event) const;
    // Pen width and colour from the plotter, persistence on.
    void takePlotterPen();
    int eraserWidth() const;
    void guideLines(WorldPoint at, Colour colour, DrawStyle style);
    void placeText();
    void applyPointer();
    void retraceForView();
    void zoomAboutPixel(QPointF pixel, double factor);

    SketchContext& context_;
    PadSurface surface_;
    PadDocument& document_;
    // The document belongs to the main window, whose members are gone by the time its
    // child widgets, this pad among them, are deleted.
    QPointer<PadDocument> documentAlive_;
    QLineEdit* inputWord_;
    std::function<QString()> eraserSize_;

    int drawMode_ = ModeNone;
    WorldPoint lineStart_;
    bool lineActive_ = false;
    WorldPoint circleCentre_;
    float circleRadius_ = 0;
    bool circleActive_ = false;
    bool erasing_ = false;
    std::shared_ptr<EraserStroke> eraserStroke_; // the drag of the eraser going on
    QString pendingText_;
    // A press of another button popped up the drawing menu; its release does nothing.
    bool menuPress_ = false;

    ViewRetracer* retracer_;
    // A pan by dragging: where it began and the view then.
    bool panning_ = false;
    QPointF panStart_;
    PlotView panView_;

    Pointer pointer_ = Pointer::Arrow;
    QCursor customPointer_;
    int customPointerId_ = 0;
};

} // namespace orvane
