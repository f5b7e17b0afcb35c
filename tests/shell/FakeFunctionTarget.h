// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FunctionGraphFile.h"

#include <QStringList>

namespace orvane {

// The plotter as the function-graph file sees it: the list rows, the kind options and
// the three expression boxes. Add-and-draw finds an equal row or appends one, and logs.
class FakeFunctionTarget : public FunctionGraphTarget {
public:
    int entryCount() const override { return int(rows.size()); }
    QString entryText(int row) const override { return rows.value(row); }
    void selectEntry(int row) override { selectedRow = row; }
    std::optional<PlotKind> selectedKind() const override { return kind; }
    QString expression(PlotKind k) const override { return boxes[index(k)]; }
    void selectKind(PlotKind k) override
    {
        kind = k;
        log << QStringLiteral("select ") + prefix(k);
    }
    void setExpression(PlotKind k, const QString& text) override { boxes[index(k)] = text; }
    void addAndDraw() override
    {
        if (!kind) return;
        // A parametric row reads "t: x=…, y=…"; its box holds what follows "t:".
        const QChar separator = *kind == PlotKind::Parametric ? QLatin1Char(':') : QLatin1Char('=');
        const QString text = prefix(*kind) + separator + boxes[index(*kind)];
        if (!rows.contains(text)) rows << text;
        log << QStringLiteral("draw ") + text;
    }

    QStringList rows;
    int selectedRow = -1;
    std::optional<PlotKind> kind;
    QString boxes[4];
    QStringList log;

private:
    static int index(PlotKind k) { return int(k); }
    static QString prefix(PlotKind k)
    {
        return k == PlotKind::Y            ? QStringLiteral("y")
               : k == PlotKind::X          ? QStringLiteral("x")
               : k == PlotKind::Parametric ? QStringLiteral("t")
                                           : QStringLiteral("p");
    }
};

} // namespace orvane
