// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_GeometryWindow.h"

#include "Engine.h"
#include "FlatButton.h"
#include "GeometryCommand.h"
#include "GeometryWindow.h"
#include "NamedChild.h"
#include "ResultBox.h"
#include "TabLabel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

using namespace orvane;
using orvane::test::child;

namespace {

const QColor Yellow(255, 255, 0);
const QColor PaleCyan(0xC0, 0xFF, 0xFF);

const QStringList DefaultLineCurveReport{
    "直线l和曲线C的关系如下：",    "∵b≠0,∴直线的斜率存在,即有",
    "消去y得：25*x^2+32*x+-128=0", "由△=13824>0可知：直线和曲线有两交点",
    "截得弦长：6.65107510106449",  "交点为：(1.7115,2.7115) | (-2.9915,-1.9915)",
};

// The result box's text for these lines: each one after a CR LF.
QString expectedText(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += QStringLiteral("\r\n") + line;
    return text;
}

} // namespace

static QLineEdit* box(QWidget* panel, const QString& name)
{
    return child<QLineEdit>(panel, name);
}

// Replaces a box's text as a user would: select all, then type over it.
static void type(QWidget* panel, const QString& name, const QString& text)
{
    QLineEdit* edit = box(panel, name);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

// A picture button reacts to clicks on its caption label.
static void click(QWidget* panel, const QString& name)
{
    auto* button = child<FlatButton>(panel, name);
    QTest::mouseClick(button->findChild<QLabel*>(), Qt::LeftButton);
}

static QString fullText(QWidget* panel)
{
    return child<ResultBox>(panel, "txtOuter")->text();
}

// The report alone: the worked steps that follow it have tests of their own.
static QString resultText(QWidget* panel)
{
    const QString text = fullText(panel);
    return text.left(text.indexOf(QStringLiteral("\r\n\r\n详细步骤：")));
}

void TestGeometryWindow::init()
{
    engine_ = engine::Engine();
    engine_.addUserConstant("Pi", "3.14159265358979");
    panel_ = std::make_unique<GeometryWindow>(services_, nullptr);
    panel_->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel_.get()));
}

void TestGeometryWindow::cleanup()
{
    panel_.reset();
}

void TestGeometryWindow::opensOnTheFirstPageWithItsTexts()
{
    QCOMPARE(panel_->windowTitle(), QStringLiteral("Orvane-几何运算"));
    QVERIFY(!panel_->windowIcon().isNull());
    QCOMPARE(resultText(panel_.get()), QStringLiteral("结果输出："));
    QCOMPARE(panel_->currentGeometryPage(), 0);

    const QStringList tabs{"两点距离",           "点与直线关系",     "两直线位置关系",
                           "直线与曲线位置关系", "点与曲线位置关系", "两圆位置关系"};
    const QStringList frames{"两点距离",           "点与直线关系",     "直线与直线位置关系",
                             "直线与曲线位置关系", "点与曲线位置关系", "圆与圆位置关系"};
    for (int i = 0; i < GeometryWindow::PageCount; ++i) {
        QCOMPARE(child<TabLabel>(panel_.get(), QStringLiteral("LabelCount_%1").arg(i))->text(),
                 tabs[i]);
        QCOMPARE(child<QGroupBox>(panel_.get(), QStringLiteral("TabCount_%1").arg(i))->title(),
                 frames[i]);
    }
    const QList<QPair<QString, QString>> captions{
        {"cmdDotToDot", "两点距离"},    {"cmdDotToLine", "确定"}, {"cmdLineToLine", "确定"},
        {"cmdLineToLineClean", "清空"}, {"StartCounts", "确定"},  {"cmdPointCurve", "确定"},
        {"cmdTwoCircles", "确定"}};
    for (const auto& [name, caption] : captions)
        QCOMPARE(child<FlatButton>(panel_.get(), name)->Caption(), caption);
}

void TestGeometryWindow::boxesCarryTheirDefaults_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const QList<QPair<QString, QString>> defaults{
        {"txtTwoX_0", "0"}, {"txtTwoY_0", "0"}, {"txtTwoX_1", "1"}, {"txtTwoY_1", "2"},
        {"txtDX_2", "1"},   {"TxtDY_2", "1"},   {"txtLi_0", "1"},   {"txtLi_1", "1"},
        {"txtLi_2", "1"},   {"a1", "1"},        {"b1", "2"},        {"c1", "1"},
        {"a2", "1"},        {"b2", "1"},        {"c2", "1"},        {"iValue_0", "1"},
        {"iValue_1", "-1"}, {"iValue_2", "1"},  {"iValue_3", "9"},  {"iValue_4", "16"},
        {"iValue_5", "0"},  {"iValue_6", "0"},  {"iValue_7", "0"},  {"iValue_8", "-144"},
    };
    for (const auto& [name, text] : defaults)
        QTest::newRow(qPrintable(name)) << name << text;
}

void TestGeometryWindow::boxesCarryTheirDefaults()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QCOMPARE(box(panel_.get(), name)->text(), text);
}

void TestGeometryWindow::showGeometryPageSelectsOnePage_data()
{
    QTest::addColumn<int>("page");
    for (int page : {0, 1, 2, 3, 1, 4, 5})
        QTest::newRow(qPrintable(QStringLiteral("page %1").arg(page))) << page;
}

void TestGeometryWindow::showGeometryPageSelectsOnePage()
{
    QFETCH(int, page);
    panel_->showGeometryPage(5 - page); // start from another page
    panel_->showGeometryPage(page);
    QCOMPARE(panel_->currentGeometryPage(), page);
    for (int i = 0; i < GeometryWindow::PageCount; ++i) {
        auto* label = child<TabLabel>(panel_.get(), QStringLiteral("LabelCount_%1").arg(i));
        auto* frame = child<QGroupBox>(panel_.get(), QStringLiteral("TabCount_%1").arg(i));
        QCOMPARE(frame->isVisible(), i == page);
        QVERIFY(label->isVisible());
        QCOMPARE(label->styleValue(), i == page ? 1 : 0);
        QCOMPARE(label->palette().color(QPalette::WindowText), i == page ? Yellow : PaleCyan);
        QCOMPARE(label->palette().color(QPalette::Window), QColor(0, 0, 255));
    }
}

void TestGeometryWindow::pageOutOfRangeChangesNothing()
{
    panel_->showGeometryPage(2);
    panel_->showGeometryPage(6);
    panel_->showGeometryPage(-1);
    QCOMPARE(panel_->currentGeometryPage(), 2);
    QVERIFY(child<QGroupBox>(panel_.get(), "TabCount_2")->isVisible());
}

void TestGeometryWindow::clickingATabLabelShowsItsPage()
{
    QTest::mouseClick(child<TabLabel>(panel_.get(), "LabelCount_3"), Qt::LeftButton);
    QCOMPARE(panel_->currentGeometryPage(), 3);
    QVERIFY(child<QGroupBox>(panel_.get(), "TabCount_3")->isVisible());
    QVERIFY(!child<QGroupBox>(panel_.get(), "TabCount_0")->isVisible());
    QTest::mouseClick(child<TabLabel>(panel_.get(), "LabelCount_1"), Qt::LeftButton);
    QCOMPARE(panel_->currentGeometryPage(), 1);
}

void TestGeometryWindow::reports_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("inputs"); // "box=text"
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QStringList>("lines");

    const QString twoPoints = QStringLiteral("由d=Sqr((x1-x2)^2+(y1-y2)^2)得");
    QTest::newRow("0, defaults") << 0 << QStringList() << QStringList{"cmdDotToDot"}
                                 << QStringList{twoPoints, "点(0,0)到点(1,2)的距离为：",
                                                "2.23606797749979"};
    QTest::newRow("0, coordinates echoed as typed")
        << 0 << QStringList{"txtTwoX_0=1/2", "txtTwoY_0=sqr(4)", "txtTwoX_1=-1.5", "txtTwoY_1=2"}
        << QStringList{"cmdDotToDot"}
        << QStringList{twoPoints, "点(1/2,sqr(4))到点(-1.5,2)的距离为：", "2.000000000"};
    QTest::newRow("0, overflowing input")
        << 0 << QStringList{"txtTwoX_1=10^200"} << QStringList{"cmdDotToDot"}
        << QStringList{twoPoints, "点(0,0)到点(10^200,2)的距离为：", "错误：数值溢出，无法计算"};
    // The program's own number form reads as the number it is.
    QTest::newRow("0, 1E200 overflows like 10^200")
        << 0 << QStringList{"txtTwoX_1=1E200"} << QStringList{"cmdDotToDot"}
        << QStringList{twoPoints, "点(0,0)到点(1E200,2)的距离为：", "错误：数值溢出，无法计算"};
    QTest::newRow("0, 1X200 is no number")
        << 0 << QStringList{"txtTwoX_1=1X200"} << QStringList{"cmdDotToDot"}
        << QStringList{twoPoints, "点(0,0)到点(1X200,2)的距离为：", "数据错误,请检查！"};

    QTest::newRow("1, defaults") << 1 << QStringList() << QStringList{"cmdDotToLine"}
                                 << QStringList{"点(1,1)到直线1x+1y+1=0的距离是：",
                                                "2.12132034355964"};
    QTest::newRow("1, b typed as -1")
        << 1 << QStringList{"txtLi_1=-1"} << QStringList{"cmdDotToLine"}
        << QStringList{"点(1,1)到直线1x+-1y+1=0的距离是：", "0.707106781186548"};
    QTest::newRow("1, a = b = 0, c = 3")
        << 1 << QStringList{"txtLi_0=0", "txtLi_1=0", "txtLi_2=3"} << QStringList{"cmdDotToLine"}
        << QStringList{"点(1,1)到直线0x+0y+3=0的距离是：", "“3=0”不能成为直线"};
    QTest::newRow("1, overflowing input")
        << 1 << QStringList{"txtDX_2=10^200", "txtLi_0=10^200"} << QStringList{"cmdDotToLine"}
        << QStringList{"点(10^200,1)到直线10^200x+1y+1=0的距离是：", "错误：数值溢出，无法计算"};

    QTest::newRow("2, defaults") << 2 << QStringList() << QStringList{"cmdLineToLine"}
                                 << QStringList{"两直线相交", "两直线交点：(-1.00,0.00)",
                                                "两直线夹角:18.434948822922"};
    QTest::newRow("2, perpendicular")
        << 2 << QStringList{"b1=1", "c1=-3", "b2=-1", "c2=-1"} << QStringList{"cmdLineToLine"}
        << QStringList{"两直线相交", "两直线交点：(2.00,1.00)", "两直线夹角:90.00(垂直)"};
    QTest::newRow("2, parallel") << 2 << QStringList{"b1=1", "a2=2", "b2=2", "c2=6"}
                                 << QStringList{"cmdLineToLine"}
                                 << QStringList{"两直线平行", "两直线距离:1.4142135623731"};
    QTest::newRow("2, parallel to the x axis")
        << 2 << QStringList{"a1=0", "b1=1", "c1=-1", "a2=0", "b2=1", "c2=1"}
        << QStringList{"cmdLineToLine"} << QStringList{"两直线平行", "两直线距离:2", "平行于X轴"};
    QTest::newRow("2, parallel to the y axis")
        << 2 << QStringList{"a1=1", "b1=0", "c1=-1", "a2=1", "b2=0", "c2=2"}
        << QStringList{"cmdLineToLine"} << QStringList{"两直线平行", "两直线距离:3", "平行于Y轴"};
    QTest::newRow("2, one line") << 2 << QStringList{"b1=1", "a2=2", "b2=2", "c2=2"}
                                 << QStringList{"cmdLineToLine"} << QStringList{"两直线重合"};
    QTest::newRow("2, after clearing")
        << 2 << QStringList() << QStringList{"cmdLineToLineClean", "cmdLineToLine"}
        << QStringList{"你所输入的是原点"};
    QTest::newRow("2, no slopes at all") << 2 << QStringList{"a1=0", "b1=0", "c1=1", "a2=0", "b2=0"}
                                         << QStringList{"cmdLineToLine"} << QStringList{"错误"};
    QTest::newRow("2, first line without slope")
        << 2 << QStringList{"a1=0", "b1=0", "c1=1", "a2=1", "b2=1", "c2=1"}
        << QStringList{"cmdLineToLine"} << QStringList{"两直线平行", "错误"};

    QTest::newRow("2, 0.1x+0.3y+1 ∥ 0.3x+0.9y+5: 2√10/3 apart")
        << 2 << QStringList{"a1=0.1", "b1=0.3", "a2=0.3", "b2=0.9", "c2=5"}
        << QStringList{"cmdLineToLine"} << QStringList{"两直线平行", "两直线距离:2.10818510677892"};
    QTest::newRow("2, a box that does not evaluate")
        << 2 << QStringList{"b2=abc"} << QStringList{"cmdLineToLine"}
        << QStringList{"数据错误,请检查！"};

    QTest::newRow("3, defaults") << 3 << QStringList() << QStringList{"StartCounts"}
                                 << DefaultLineCurveReport;
    QTest::newRow("3, line x - 2 = 0")
        << 3 << QStringList{"iValue_0=1", "iValue_1=0", "iValue_2=-2"} << QStringList{"StartCounts"}
        << QStringList{"直线l和曲线C的关系如下：",
                       "∵b=0,∴直线l没有斜率",
                       "∴x=-c/a=2",
                       "代入消去x得：16*y^2+0*y+-108=0",
                       "由△=6912>0可知：直线和曲线有两交点",
                       "截得弦长：5.19615242270663",
                       "交点为：(2.0,2.5981) | (2.0,-2.5981)"};
    QTest::newRow("3, tangent x + y - 5 = 0")
        << 3 << QStringList{"iValue_1=1", "iValue_2=-5"} << QStringList{"StartCounts"}
        << QStringList{"直线l和曲线C的关系如下：", "∵b≠0,∴直线的斜率存在,即有",
                       "消去y得：25*x^2+-160*x+256=0", "由△=0可知：直线和曲线相切",
                       "交点为：(3.2,1.8)"};
    QTest::newRow("3, line y - 4 = 0")
        << 3 << QStringList{"iValue_0=0", "iValue_1=1", "iValue_2=-4"} << QStringList{"StartCounts"}
        << QStringList{"直线l和曲线C的关系如下：", "∵b≠0,∴直线的斜率存在,即有",
                       "消去y得：9*x^2+0*x+112=0", "由△=-4032<0可知：直线和曲线没有交点"};
    QTest::newRow("3, x+y-0.2=0 touches x²+y²-0.02=0 at (0.1,0.1)")
        << 3
        << QStringList{"iValue_1=1", "iValue_2=-0.2", "iValue_3=1", "iValue_4=1", "iValue_8=-0.02"}
        << QStringList{"StartCounts"}
        << QStringList{"直线l和曲线C的关系如下：", "∵b≠0,∴直线的斜率存在,即有",
                       "消去y得：2*x^2+-0.4*x+0.02=0", "由△=0可知：直线和曲线相切",
                       "交点为：(0.1,0.1)"};
    QTest::newRow("3, a = b = 0, c = 5")
        << 3 << QStringList{"iValue_0=0", "iValue_1=0", "iValue_2=5"} << QStringList{"StartCounts"}
        << QStringList{"数据错误,请检查！"};
    QTest::newRow("3, coefficient that fails to evaluate")
        << 3 << QStringList{"iValue_8=-144+"} << QStringList{"StartCounts"}
        << QStringList{"数据错误,请检查！"};
}

void TestGeometryWindow::reports()
{
    QFETCH(int, page);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, lines);

    QTest::mouseClick(child<TabLabel>(panel_.get(), QStringLiteral("LabelCount_%1").arg(page)),
                      Qt::LeftButton);
    for (const QString& input : inputs) {
        const int eq = input.indexOf('=');
        type(panel_.get(), input.left(eq), input.mid(eq + 1));
    }
    for (const QString& button : buttons)
        click(panel_.get(), button);
    QCOMPARE(resultText(panel_.get()), expectedText(lines));
}

void TestGeometryWindow::eachReportReplacesTheLast()
{
    click(panel_.get(), "cmdDotToDot");
    panel_->showGeometryPage(1);
    click(panel_.get(), "cmdDotToLine");
    QCOMPARE(resultText(panel_.get()),
             expectedText({"点(1,1)到直线1x+1y+1=0的距离是：", "2.12132034355964"}));
}

void TestGeometryWindow::clearEmptiesTheTwoLinesBoxesOnly()
{
    panel_->showGeometryPage(2);
    click(panel_.get(), "cmdLineToLine");
    const QString report = resultText(panel_.get());
    click(panel_.get(), "cmdLineToLineClean");
    for (const char* name : {"a1", "b1", "c1", "a2", "b2", "c2"})
        QCOMPARE(box(panel_.get(), name)->text(), QString());
    QCOMPARE(resultText(panel_.get()), report);
    QCOMPARE(box(panel_.get(), "iValue_0")->text(), QStringLiteral("1"));
}

void TestGeometryWindow::emptyCurveBoxesBecomeZero()
{
    panel_->showGeometryPage(3);
    for (const char* name : {"iValue_5", "iValue_6", "iValue_7"})
        type(panel_.get(), name, QString());
    click(panel_.get(), "StartCounts");
    for (const char* name : {"iValue_5", "iValue_6", "iValue_7"})
        QCOMPARE(box(panel_.get(), name)->text(), QStringLiteral("0"));
    QCOMPARE(resultText(panel_.get()), expectedText(DefaultLineCurveReport));
}

void TestGeometryWindow::stepsFollowTheReport()
{
    click(panel_.get(), "cmdDotToDot");
    const QString report = expectedText(
        {"由d=Sqr((x1-x2)^2+(y1-y2)^2)得", "点(0,0)到点(1,2)的距离为：", "2.23606797749979"});
    QVERIFY(fullText(panel_.get()).startsWith(report + QStringLiteral("\r\n\r\n详细步骤：\r\n")));
    QVERIFY(fullText(panel_.get()).contains(QStringLiteral("√5≈2.23606797749979")));
    // Switching the steps off and on writes the same report afresh, no click needed.
    QSignalSpy switched(panel_.get(), &GeometryWindow::stepsShownChanged);
    const QString withSteps = fullText(panel_.get());
    child<QCheckBox>(panel_.get(), "chkSteps")->click();
    QCOMPARE(fullText(panel_.get()), report);
    child<QCheckBox>(panel_.get(), "chkSteps")->click();
    QCOMPARE(fullText(panel_.get()), withSteps);
    QCOMPARE(switched.count(), 2);
    QCOMPARE(switched.at(0).at(0).toBool(), false);
}

void TestGeometryWindow::boxesHoldTwelveCharacters()
{
    const QList<QLineEdit*> boxes = panel_->findChildren<QLineEdit*>();
    QCOMPARE(boxes.size(), 4 + 5 + 6 + 9 + 8 + 6);
    for (QLineEdit* edit : boxes) {
        edit->setText(QStringLiteral("1000000000.5"));
        edit->setCursorPosition(0);
        const int room =
            edit->width() - 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        QVERIFY2(edit->fontMetrics().horizontalAdvance(edit->text()) < room,
                 qPrintable(edit->objectName()));
    }
}

void TestGeometryWindow::enterOnTheNewPagesSolves_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");
    QTest::newRow("point and curve, defaults") << 4 << "txtPC_1"
                                               << "2"
                                               << "点P在圆C外";
    QTest::newRow("point and curve, a box named") << 4 << "txtPC_7"
                                                  << "-4+"
                                                  << "曲线的常数项 有误：“-4+”不能计算";
    QTest::newRow("two circles, defaults") << 5 << "txtCircle_5"
                                           << "2"
                                           << "公共弦所在直线：x+y−1=0";
    QTest::newRow("two circles, empty radius") << 5 << "txtCircle_2"
                                               << ""
                                               << "r₁ 有误：未填写";
}

void TestGeometryWindow::enterOnTheNewPagesSolves()
{
    QFETCH(int, page);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, line);
    QTest::mouseClick(child<TabLabel>(panel_.get(), QStringLiteral("LabelCount_%1").arg(page)),
                      Qt::LeftButton);
    type(panel_.get(), box, text);
    QTest::keyClick(::box(panel_.get(), box), Qt::Key_Return);
    QVERIFY2(fullText(panel_.get()).split(QStringLiteral("\r\n")).contains(line),
             qPrintable(fullText(panel_.get())));
}

void TestGeometryWindow::commandPrintsTheWindowText_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("boxes"); // in the order of the command's numbers
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("two points") << 0 << "cmdDotToDot"
                                << QStringList{"txtTwoX_0", "txtTwoY_0", "txtTwoX_1", "txtTwoY_1"}
                                << "two-points" << QStringList{"-1", "2", "3", "-4"};
    QTest::newRow("point and line")
        << 1 << "cmdDotToLine" << QStringList{"txtDX_2", "TxtDY_2", "txtLi_0", "txtLi_1", "txtLi_2"}
        << "point-line" << QStringList{"2", "-1", "1/2", "sqr(3)/2", "-1"};
    QTest::newRow("two lines") << 2 << "cmdLineToLine"
                               << QStringList{"a1", "b1", "c1", "a2", "b2", "c2"} << "two-lines"
                               << QStringList{"0.1", "0.3", "1", "0.3", "0.9", "5"};
    QStringList curve;
    for (int i = 0; i < 9; ++i)
        curve << QStringLiteral("iValue_%1").arg(i);
    QTest::newRow("line and curve")
        << 3 << "StartCounts" << curve << "line-curve"
        << QStringList{"1", "-1", "-1", "1/4", "1/3", "0", "0", "0", "-1"};
    QTest::newRow("line and curve, no line")
        << 3 << "StartCounts" << curve << "line-curve"
        << QStringList{"0", "0", "5", "9", "16", "0", "0", "0", "-144"};
    QStringList pointCurve;
    for (int i = 0; i < 8; ++i)
        pointCurve << QStringLiteral("txtPC_%1").arg(i);
    QTest::newRow("point and curve") << 4 << "cmdPointCurve" << pointCurve << "point-curve"
                                     << QStringList{"0", "3", "1", "4", "0", "0", "0", "-4"};
    QStringList circles;
    for (int i = 0; i < 6; ++i)
        circles << QStringLiteral("txtCircle_%1").arg(i);
    QTest::newRow("two circles") << 5 << "cmdTwoCircles" << circles << "two-circles"
                                 << QStringList{"0", "0", "2", "2", "2", "2"};
}

void TestGeometryWindow::commandPrintsTheWindowText()
{
    QFETCH(int, page);
    QFETCH(QString, button);
    QFETCH(QStringList, boxes);
    QFETCH(QString, problem);
    QFETCH(QStringList, numbers);
    panel_->showGeometryPage(page);
    for (int i = 0; i < boxes.size(); ++i)
        type(panel_.get(), boxes[i], numbers[i]);
    click(panel_.get(), button);

    QTemporaryDir dir;
    CommandLine commandLine;
    commandLine.mode = CommandLine::Mode::Geometry;
    commandLine.settingsPath = dir.filePath(QStringLiteral("orvane.ini")).toStdString();
    commandLine.geometryProblem = problem.toStdString();
    for (const QString& number : numbers)
        commandLine.geometryNumbers.push_back(number.toStdString());
    std::ostringstream out, err;
    const int status = runGeometryCommand(commandLine, out, err);

    // The window's lines, each after CR LF; the command's, each before LF.
    QString windowLines = fullText(panel_.get()).mid(2).replace(QStringLiteral("\r\n"), "\n");
    QCOMPARE(QString::fromStdString(out.str()), windowLines + "\n");
    QCOMPARE(status, problem == "line-curve" && numbers[0] == "0" ? 1 : 0);
}
