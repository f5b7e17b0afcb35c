#pragma once

#include "Conics.h"
#include "CurveTracer.h"
#include "FunctionGraphFile.h"
#include "PlotRecord.h"
#include "Services.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QListWidget;
class QScrollBar;
class QStackedLayout;

namespace orvane {

class AxesPage;
class ColourSwatch;
class ConicPage;
class ConstantsPage;
class FunctionPage;
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

    void ShowPanelTab(int n);
    int currentTab() const { return currentTab_; }
    // Writes the plotter's button and tab captions (set 1; other sets do nothing).
    void SetPlotterLabels(int set);

    // The tracers, reading expression, range and smoothness from the panel.
    void DrawFunctionY(Colour colour, int width);
    void DrawFunctionX(Colour colour, int width);
    void DrawPolar(Colour colour, int width);

    Colour PickCurveColor(Colour c);
    Colour HelpColor(Colour c);
    void CompareTxt(const QString& text, int kind);
    void setValue(int n, int kind);

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
    void addSavedConstant(const QString& name, const QString& value);

    const PlotRecords& records() const { return records_; }
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
    QWidget* buildParameterStrip();
    QWidget* buildListArea();
    TraceRequest traceRequest(const QString& expression, Colour colour, int width) const;
    TraceOutcome trace(int kind, Colour colour, int width);
    void drawConicOfKind(int kind, Colour colour, int width);
    void showConicMessage(const std::optional<ConicMessage>& message);
    void removeSelectedRow(FlatButton* deleteButton);
    void lineWidthChanged(int value);
    void lineColourClicked();
    void rowSelectionChanged();
    Colour randomColour();
    Colour settingColour(const QString& key);
    int lineBoldSetting();

    PlotterHost& host_;
    Services& services_;
    PlotRecords records_;
    ConicParameters currentConic_;
    int currentTab_ = 0;

    QWidget* content_; // every control, inside the panel's scroll area
    QScrollBar* LB_;
    QLabel* LLB_;
    ColourSwatch* LColor_;
    QCheckBox* CheckColor_;
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
