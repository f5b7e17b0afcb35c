// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Surface.h"

#include <QList>

namespace orvane {

// A surface that remembers every primitive instead of painting it.
class RecordingSurface : public Surface {
public:
    struct Op {
        enum Kind { Line, Point, Ellipse, Text, Clear } kind;
        WorldPoint a;        // line start, point, ellipse centre, text corner
        WorldPoint b;        // line end
        float radiusX = 0;
        float radiusY = 0;
        QString text;
        double fontSize = 0;
        Pen pen{};
        bool clearedPersistent = false;
    };

    QList<Op> ops;

    QList<Op> ofKind(Op::Kind kind) const
    {
        QList<Op> out;
        for (const Op& op : ops)
            if (op.kind == kind)
                out << op;
        return out;
    }
    QStringList texts() const
    {
        QStringList out;
        for (const Op& op : ops)
            if (op.kind == Op::Text)
                out << op.text;
        return out;
    }

protected:
    void paintLine(WorldPoint from, WorldPoint to, const Pen& pen) override
    {
        ops.append({Op::Line, from, to, 0, 0, {}, 0, pen, false});
    }
    void paintPoint(WorldPoint at, const Pen& pen) override
    {
        ops.append({Op::Point, at, at, 0, 0, {}, 0, pen, false});
    }
    void paintEllipse(WorldPoint centre, float rx, float ry, const Pen& pen) override
    {
        ops.append({Op::Ellipse, centre, centre, rx, ry, {}, 0, pen, false});
    }
    void paintText(WorldPoint topLeft, const QString& text, double fontSize, const Pen& pen) override
    {
        ops.append({Op::Text, topLeft, topLeft, 0, 0, text, fontSize, pen, false});
    }
    void clearLayer(bool persistentLayer) override
    {
        Op op{Op::Clear, {}, {}, 0, 0, {}, 0, {}, persistentLayer};
        ops.append(op);
    }
};

} // namespace orvane
