// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QFrame;
class QLabel;

namespace orvane {

class SketchContext;
class WindowDrag;
struct Services;

// The status box: a bar across the main window or, floating, as wide as the screen, with the
// product name, the drawing-mode text, the plotter's progress line and the pointer's coordinates.
class CoordinateBox : public QWidget {
    Q_OBJECT

public:
    CoordinateBox(Services& services, SketchContext& context, QWidget* owner);

    // `L3`: the drawing-mode text.
    void setModeText(const QString& text);
    QString modeText() const;
    // `L1`: the plotter's progress line.
    void setProgressText(const QString& text);
    QString progressText() const;
    // `L2`: the pointer's coordinates over the pad.
    void setCoordinateText(const QString& text);
    QString coordinateText() const;

    // `F3` reaches from its left edge to 50 twips before the image `IStatus`.
    void widenStatusFrame();
    // The bar spans `width` pixels (the screen's), `IStatus` at its right end.
    void fitToWidth(int width);
    // Drags the bar (or the floating window holding it) by `F1` and `F2`.
    WindowDrag& drag() const { return *drag_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOutBar();
    void dropped();
    void released(QWidget* handle, Qt::MouseButton button, QPoint globalPos);
    bool eventFilter(QObject* watched, QEvent* event) override;

    SketchContext& context_;
    QFrame* f1_;
    QFrame* f2_;
    QFrame* f3_;
    QLabel* label1_;
    QLabel* l1_;
    QLabel* l2_;
    QLabel* l3_;
    QLabel* iStatus_;
    WindowDrag* drag_;
    bool widened_ = false;
};

} // namespace orvane
