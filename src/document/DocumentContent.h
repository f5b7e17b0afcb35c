// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Conics.h"
#include "PlotRecord.h"
#include "Surface.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace orvane {

// The work as a file holds it: plain values, nothing traced or painted yet.

struct DocumentAxes {
    int size = 10;
    bool hidden = false;
    Colour colour = 16711680;
    Colour background = 0xFFFFFF;
    // The tool box's font size that the axes' numbers return to.
    double fontSize = 9;
};

struct DocumentConstant {
    QString name;
    QString value; // as the constants list shows it
};

// One plotted entry with every parameter it was drawn with.
struct DocumentEntry {
    int kind = KindFunctionY; // a PlotKindCode
    QString expression;       // curves only; x(t) of a parametric curve
    QString secondExpression; // y(t) of a parametric curve
    double from = -10;
    double to = 10;
    double smoothness = 100;
    // The sweep's step when it is not the one the smoothness gives (a box that held no
    // usable smoothness when the curve was drawn).
    std::optional<double> step;
    Colour colour = 0;
    int width = 1;
    ConicParameters conic; // conics only
    // The colours the auxiliary lines were given; empty: chosen when the entry is drawn.
    std::vector<Colour> helpColours;
    // The list text when it is not the one the kind and expression give.
    QString label;

    bool isConic() const { return kind >= KindCircle && kind <= KindHyperbola; }
};

// One operation of the pad's picture, in drawing order.
struct SketchItem {
    enum class Op {
        Clear,         // the pad cleared to the background
        Axes,          // the coordinate axes (size, colour, fontSize)
        Entry,         // the drawing of listed entry `index`
        Curve,         // the drawing of an entry no longer listed (`entry`)
        Point,         // a dot (at, colour, width)
        Line,          // a segment (from, to, colour, width, style)
        Perpendicular, // the two perpendiculars from `at` to the axes
        Circle,        // centre `at`, radius, colour, width
        Text,          // top-left `at`, text, size, colour
        Eraser,        // dots of the background colour, each of its size
    };
    Op op = Op::Clear;
    WorldPoint at;
    WorldPoint to;
    // Further segments of a line operation that draws several in one pen.
    std::vector<std::pair<WorldPoint, WorldPoint>> segments;
    Colour colour = 0;
    int width = 1;
    DrawStyle style = DrawStyle::Solid;
    double radius = 0;
    QString text;
    double size = 9; // font size of a text or of the axes' numbers
    int axisSize = 10;
    int index = 0;
    DocumentEntry entry;
    std::vector<std::pair<WorldPoint, int>> dots;
};

// The plane's window: centre and half the width of the square shown.
struct DocumentView {
    double centreX = 0;
    double centreY = 0;
    double halfWidth = 10;
    // The x axis labelled in multiples of π/2 (the trigonometric view).
    bool piLabels = false;
};

struct DocumentContent {
    DocumentAxes axes;
    std::vector<DocumentConstant> constants;
    std::vector<DocumentEntry> entries;
    std::vector<SketchItem> sketch;
    // Absent: the classic view, -size..size.
    std::optional<DocumentView> view;
    // An autosave only: the document file the work belongs to.
    QString origin;
};

// What a file leaves out takes these values (the settings of the program opening it).
struct DocumentDefaults {
    DocumentAxes axes;
    Colour lineColour = 16711680;
    int lineWidth = 1;
    double smoothness = 100;
    double rangeMin = -10;
    double rangeMax = 10;
    Colour textColour = 0;
    double textSize = 9;
};

} // namespace orvane
