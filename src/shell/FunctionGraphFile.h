// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlotKind.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace orvane {

// What the function-graph file commands need of the plotter.
class FunctionGraphTarget {
public:
    virtual ~FunctionGraphTarget() = default;
    virtual int entryCount() const = 0; // rows of LF
    virtual QString entryText(int row) const = 0;
    virtual void selectEntry(int row) = 0;                    // as a user's selection of that row
    virtual std::optional<PlotKind> selectedKind() const = 0; // OpY / OpX / OpPolar
    virtual QString expression(PlotKind kind) const = 0;      // txtBiaoSi / txtXB / txtPolar
    virtual void selectKind(PlotKind kind) = 0;               // as a click on the option
    virtual void setExpression(PlotKind kind, const QString& text) = 0;
    virtual void addAndDraw() = 0; // the "开始作图" operation
};

// Writes every function row of the list (rows of conics skipped) as Count and
// Function0..Function(Count-1) of section Image. False when a write failed; the
// command then ends where it was.
bool saveAllFunctions(const QString& path, FunctionGraphTarget& target);

// Writes the function being typed: Count=0, XYP (Y, X or P) and Function.
bool saveCurrentFunction(const QString& path, FunctionGraphTarget& target);

// What a function-graph file holds: the functions in file order, kind and expression.
struct FunctionGraph {
    std::vector<std::pair<PlotKind, QString>> functions;
};
struct FunctionGraphReading {
    std::optional<FunctionGraph> graph;
    QString error; // names the file and what is wrong with it
};
// Reads a function-graph file. A file that is missing, larger than 16 MiB, not text, or
// without a numeric Count is refused with the reason.
FunctionGraphReading readFunctionGraph(const QString& path);

// Loads a function-graph file and plots what it holds, joining the functions already
// plotted. Returns the message of a refused file (nothing is plotted then), else empty.
QString openFunctionFile(const QString& path, FunctionGraphTarget& target);

} // namespace orvane
