// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Conics.h"
#include "CurveTracer.h"
#include "FunctionGraphFile.h"
#include "PlotRecord.h"
#include "PlotterDocument.h"
#include "Services.h"

#include <QWidget>

class QListWidget;
class QStackedLayout;

namespace orvane {

class AxesPage;
class BackgroundTrace;
class ColourSwatch;
class ConicPage;
class ConstantsPage;
class FunctionPage;
class ParameterStrip;
class PlotterHost;
class ToolsPage;
class FlatButton;
class TabStrip;

// The plotter panel: the parameter strip, five pages and the list of plotted entries.
// Everything it draws goes onto the sketch pad through the host.
class PlotterPanel : public QWidget, public FunctionGraphTarget {
    Q_OBJECT
public:
    PlotterPanel(PlotterHost& host, Services& services, QWidget* parent = nullptr);
    ~PlotterPanel() override;

    void showPanelTab(int n);
    int currentTab() const { return currentTab_; }
    // Writes the plotter's button and tab captions (set 1; other sets do nothing).
    void setPlotterLabels(int set);

    Colour pickCurveColor(Colour c);
    Colour helpColor(Colour c);
    // The record of a new entry of that kind from what the panel holds now.
    PlotRecord recordFromPanel(int kind) const;

    // The panel's commands.
    void addAndDraw() override;
    void conicAdd();
    void loadRow();
    void deleteFunction();
    void deleteConic();
    void redrawAll();
    void clearPad();
    void clearList();
    void clearAll();
    // Writes the three expressions to the settings file, as unloading the panel does.
    void saveExpressions();
    // A long trace is running on a worker; Esc stops it.
    bool isTracing() const;
    void cancelTrace();

    // Shared with the sketch pad and its tool box.
    Colour penColour() const;
    int penWidth() const;
    void setLineWidth(double w);
    void setLineColour(Colour colour);
    int axisSize() const;
    Colour axisColour() const;
    void drawAxes();

    // Start-up: settings applied to the controls without running their handlers.
    struct StartupSettings {
        int size = 10;
        QString smoothnessText;
        bool randomCurveColours = false;
        bool randomHelpColours = true;
        Colour axisColour = 16711680;
        int lineWidth = 1;
        Colour lineColour = 16711680;
    };
    void applyStartupSettings(const StartupSettings& settings);
    // A work was loaded into the document: the axes page, the constants list and the
    // settings file follow its axes and constants.
    void followWork(Colour axisColour);
    void addSavedConstant(const QString& name, const QString& value);

    // The records of the list's rows, as the pad document keeps them.
    PlotRecords records() const;
    // The plotter's side of the pad document.
    PlotterDocument plots();
    QListWidget* list() const { return LF_; }
    // Text of the selected row, empty when none.
    QString selectedEntryText() const;

    FunctionPage* functionPage() const { return functionPage_; }

    // FunctionGraphTarget
    int entryCount() const override;
    QString entryText(int row) const override;
    void selectEntry(int row) override;
    std::optional<PlotKind> selectedKind() const override;
    QString expression(PlotKind kind) const override;
    void selectKind(PlotKind kind) override;
    void setExpression(PlotKind kind, const QString& text) override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The content fills the scroll area's `room`; it scrolls only below its minimum.
    void fitContent(QSize room);
    // Moving over the panel takes away the pad's passing marks.
    void clearPadMarks();
    QWidget* buildListArea();
    TraceRequest traceRequest(const QString& expression, Colour colour, int width) const;
    // Draws an entry of the list (replacing its row when the text is listed already).
    void putEntry(const QString& text, int kind, Colour colour);
    // A long curve traced on a worker thread; its entry joins the list when it is done.
    void traceInBackground(quint64 id, const QString& text, const PlotRecord& record,
                           const TraceRequest& request);
    void traceDone(std::shared_ptr<const PlottedEntry> entry, TraceOutcome outcome);
    void showRangeTooLarge();
    // Shows why nothing happens while a trace runs; true then.
    bool refusedWhileTracing();
    void showConicMessage(const std::optional<ConicMessage>& message);
    void removeSelectedRow(FlatButton* deleteButton);
    void rowSelectionChanged();
    // The list's rows, the axes and the axis size follow the document (after an undo too).
    void followDocument();
    Colour settingColour(const QString& key);
    int lineBoldSetting();
    // The axes as the setting `Color` gives their colour (the list's commands use it).
    PlotterDocument::Axes axesOfSetting();

    PlotterHost& host_;
    Services& services_;
    int currentTab_ = 0;
    std::unique_ptr<BackgroundTrace> backgroundTrace_;

    QWidget* content_; // every control, inside the panel's scroll area
    ParameterStrip* strip_;
    TabStrip* ssTAB_[5];
    QStackedLayout* pages_;
    FunctionPage* functionPage_;
    ConicPage* conicPage_;
    AxesPage* axesPage_;
    ToolsPage* toolsPage_;
    ConstantsPage* constantsPage_;
    QListWidget* LF_;
    FlatButton* cleanDraw_;
    FlatButton* delAll_;
    FlatButton* cmdReDraw_;
    FlatButton* cleanhis_;
};

} // namespace orvane
