// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GeometryProblems.h"
#include "GeometryReports.h"

#include <QWidget>

#include <array>
#include <initializer_list>
#include <optional>

class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QStackedLayout;

namespace orvane {

struct Services;
class ResultBox;
class TabLabel;
class FlatButton;

// The geometry window: six problems on six pages (two points, point and line, two
// lines, line and curve, point and curve, two circles). Each page's button writes a
// report, and below it the worked steps when `chkSteps` is ticked, into the shared
// result box `txtOuter`.
class GeometryWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int PageCount = 6;

    GeometryWindow(Services& services, QWidget* owner);

    // Shows page `index` (0 to 5) and marks its label as selected; other values are
    // ignored.
    void showGeometryPage(int index);
    // The page on show.
    int currentGeometryPage() const { return currentPage_; }

    // Whether the worked steps follow the report; the last report is written afresh.
    void setStepsShown(bool shown);
    bool stepsShown() const;

signals:
    // The user ticked or cleared `chkSteps`.
    void stepsShownChanged(bool shown);

private:
    void buildTabs();
    QGroupBox* buildPage(int index, std::initializer_list<QHBoxLayout*> rows);
    QGroupBox* buildTwoPointsPage();
    QGroupBox* buildPointLinePage();
    QGroupBox* buildTwoLinesPage();
    QGroupBox* buildLineCurvePage();
    QGroupBox* buildPointCurvePage();
    QGroupBox* buildTwoCirclesPage();
    QLineEdit* box(const QString& name, const QString& defaultText);
    FlatButton* button(const QString& name, const QString& caption);

    void reportTwoPoints();
    void reportPointToLine();
    void reportTwoLines();
    void clearTwoLines();
    void reportLineAndCurve();
    void reportPointAndCurve();
    void reportTwoCircles();
    void solve(geometry::Problem problem, std::initializer_list<QLineEdit*> boxes);
    void showSolution();
    // Enter in any of `boxes` runs `command`; Tab goes through them in this order, then
    // through the page's buttons.
    void bindPageKeys(int page, std::initializer_list<QLineEdit*> boxes,
                      void (GeometryWindow::*command)());
    void bindKeys();

    std::array<TabLabel*, PageCount> LabelCount_{};
    std::array<QGroupBox*, PageCount> TabCount_{};
    QStackedLayout* pages_ = nullptr;
    int currentPage_ = 0;

    // Two points: A = (txtTwoX(0), txtTwoY(0)), B = (txtTwoX(1), txtTwoY(1)).
    std::array<QLineEdit*, 2> txtTwoX_{};
    std::array<QLineEdit*, 2> txtTwoY_{};
    // Point and line: the point (txtDX(2), TxtDY(2)), the line txtLi(0..2).
    QLineEdit* txtDX2_ = nullptr;
    QLineEdit* TxtDY2_ = nullptr;
    std::array<QLineEdit*, 3> txtLi_{};
    // Two lines: a1 x + b1 y + c1 = 0 and a2 x + b2 y + c2 = 0.
    QLineEdit* a1_ = nullptr;
    QLineEdit* b1_ = nullptr;
    QLineEdit* c1_ = nullptr;
    QLineEdit* a2_ = nullptr;
    QLineEdit* b2_ = nullptr;
    QLineEdit* c2_ = nullptr;
    // Line and curve: iValue(0..2) the line, iValue(3..8) the curve.
    std::array<QLineEdit*, 9> iValue_{};

    // Point and curve: the point txtPC(0..1), the curve txtPC(2..7) (A to F).
    std::array<QLineEdit*, 8> txtPC_{};
    // Two circles: centre and radius of C1 txtCircle(0..2), of C2 txtCircle(3..5).
    std::array<QLineEdit*, 6> txtCircle_{};

    ResultBox* txtOuter_ = nullptr;
    QCheckBox* chkSteps_ = nullptr;
    // The last problem solved, shown again when the steps are switched.
    std::optional<geometry::Solution> solution_;
    geometry::LineCurveReport lineCurve_;
    // The shared engine of the services (the window asks nothing of the user).
    engine::Engine& engine_;
};

} // namespace orvane
