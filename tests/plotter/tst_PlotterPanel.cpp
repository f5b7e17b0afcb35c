// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_PlotterPanel.h"

#include "Colours.h"
#include "Engine.h"
#include "FakeEnvironment.h"
#include "FakePlotterHost.h"
#include "FakeSystemDialogs.h"
#include "FlatButton.h"
#include "FunctionGraphFile.h"
#include "PlotterDocument.h"
#include "PlotterPanel.h"
#include "QtText.h"
#include "TabStrip.h"

#include "FunctionPage.h"
#include "NamedChild.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace orvane;
using orvane::test::child;
using Op = RecordingSurface::Op;

namespace {

void clickButton(QWidget* parent, const char* name)
{
    child<PictureControl>(parent, name)->Click();
}

QStringList rows(QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

} // namespace

void TestPlotterPanel::init()
{
    host_ = std::make_unique<FakePlotterHost>();
    dialogs_ = std::make_unique<FakeSystemDialogs>();
    environment_ = std::make_unique<FakeEnvironment>();
    engine_ = std::make_unique<engine::Engine>();
    services_ = std::make_unique<Services>(Services{*dialogs_, *environment_, *engine_});
    drawer_ = std::make_unique<PlotterPanel>(*host_, *services_);
    drawer_->setPlotterLabels(1);
    drawer_->addSavedConstant(QStringLiteral("Pi"), QStringLiteral("3.14159265358979"));
    drawer_->addSavedConstant(QStringLiteral("e"), QStringLiteral("2.71828182845905"));
    drawer_->show();
}

void TestPlotterPanel::cleanup()
{
    drawer_.reset();
}

void TestPlotterPanel::smoothnessEnter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("bar");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("setting");
    QTest::newRow("55") << "55" << 55 << "修改成功"
                        << "55";
    QTest::newRow("10.5 halves to even") << "10.5" << 10 << "修改成功"
                                         << "10";
    QTest::newRow("5 refused") << "5" << 100 << "请输入10到100之间的数值"
                               << "";
    QTest::newRow("text refused") << "abc" << 100 << "请输入10到100之间的数值"
                                  << "";
    QTest::newRow("leading number counts") << "50abc" << 50 << "修改成功"
                                           << "50";
}

void TestPlotterPanel::smoothnessEnter()
{
    QFETCH(QString, typed);
    QFETCH(int, bar);
    QFETCH(QString, message);
    QFETCH(QString, setting);
    auto* box = child<QLineEdit>(drawer_.get(), "PingHuaDu");
    box->selectAll();
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(child<QScrollBar>(drawer_.get(), "HSPHD")->value(), bar);
    QCOMPARE(dialogs_->messageTexts(), QStringList{message});
    QCOMPARE(host_->setup.value(QStringLiteral("PingHuaDu")), setting);
    QCOMPARE(drawer_->functionPage()->smoothness(), double(bar));
}

void TestPlotterPanel::tabClickWritesSettingAndShowsOnePage()
{
    child<TabStrip>(drawer_.get(), "ssTAB_2")->Click();
    QCOMPARE(host_->setup.value(QStringLiteral("Tab")), QStringLiteral(" 2"));
    for (int i = 0; i < 5; ++i) {
        QWidget* page = child<QWidget>(drawer_.get(), qPrintable(QStringLiteral("Fra_%1").arg(i)));
        QCOMPARE(page->isVisible(), i == 2);
        QCOMPARE(child<TabStrip>(drawer_.get(), qPrintable(QStringLiteral("ssTAB_%1").arg(i)))
                     ->Enabled(),
                 i == 2);
    }
}

void TestPlotterPanel::lineWidthMirrorsEverywhere()
{
    child<QScrollBar>(drawer_.get(), "LB")->setValue(4);
    QCOMPARE(child<QLabel>(drawer_.get(), "LLB")->text(), QStringLiteral("4"));
    QCOMPARE(host_->setup.value(QStringLiteral("LineBold")), QStringLiteral("4"));
    QCOMPARE(host_->surface.penWidth(), 4);
    QCOMPARE(host_->toolBoxLineWidth, QStringLiteral(" 4"));
}

void TestPlotterPanel::sameExpressionTwiceGivesOneRow()
{
    auto* box = child<QLineEdit>(drawer_.get(), "txtBiaoSi");
    box->setText(QStringLiteral("x^2"));
    clickButton(drawer_.get(), "cmdAddDraw");
    host_->surface.ops.clear();
    clickButton(drawer_.get(), "cmdAddDraw");
    QCOMPARE(rows(drawer_->list()), QStringList{QStringLiteral("y=x^2")});
    // The second add takes the old curve out of the picture and paints the pad again:
    // nothing is overdrawn in the background colour.
    QCOMPARE(host_->surface.ops.first().kind, Op::Clear);
    const QList<Op> lines = host_->surface.ofKind(Op::Line);
    QVERIFY(!lines.isEmpty());
    for (const Op& line : lines)
        QCOMPARE(line.pen.colour, Colour(16711680));
    QCOMPARE(host_->progress.last(), QStringLiteral("完成100%"));
    QVERIFY(host_->progress.contains(QStringLiteral("正在作图，请稍待…")));
}

void TestPlotterPanel::blankInsideGivesTwoRows()
{
    auto* box = child<QLineEdit>(drawer_.get(), "txtBiaoSi");
    box->setText(QStringLiteral("x^2"));
    clickButton(drawer_.get(), "cmdAddDraw");
    box->setText(QStringLiteral("x ^2"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(rows(drawer_->list()), (QStringList{"y=x^2", "y=x ^2"}));
}

void TestPlotterPanel::trailingBlankFindsItsOwnRow()
{
    child<QLineEdit>(drawer_.get(), "txtBiaoSi")->setText(QStringLiteral("x "));
    clickButton(drawer_.get(), "cmdAddDraw");
    clickButton(drawer_.get(), "cmdAddDraw");
    clickButton(drawer_.get(), "cmdReDraw");
    QCOMPARE(rows(drawer_->list()), QStringList{QStringLiteral("y=x ")});
}

void TestPlotterPanel::deleteSecondOfFiveKeepsRecords()
{
    auto* box = child<QLineEdit>(drawer_.get(), "txtBiaoSi");
    auto* width = child<QScrollBar>(drawer_.get(), "LB");
    for (int i = 1; i <= 5; ++i) {
        box->setText(QStringLiteral("x+%1").arg(i));
        width->setValue(i);
        drawer_->setLineColour(Colour(i));
        clickButton(drawer_.get(), "cmdAddDraw");
    }
    drawer_->list()->setCurrentRow(1);
    drawer_->loadRow();
    QVERIFY(child<FlatButton>(drawer_.get(), "cmdDelLine")->isEnabled());
    clickButton(drawer_.get(), "cmdDelLine");
    QCOMPARE(rows(drawer_->list()), (QStringList{"y=x+1", "y=x+3", "y=x+4", "y=x+5"}));
    for (int row = 1; row < 4; ++row) {
        QCOMPARE(int(drawer_->records()[row].Width), row + 2);
        QCOMPARE(drawer_->records()[row].Color, Colour(row + 2));
        QCOMPARE(int(drawer_->records()[row].Kind), int(KindFunctionY));
    }
    QVERIFY(!child<FlatButton>(drawer_.get(), "cmdDelLine")->isEnabled());
    QCOMPARE(host_->progress.last(), QStringLiteral("完成删除"));
}

void TestPlotterPanel::listLimitAndRedrawAllMessages()
{
    auto* box = child<QLineEdit>(drawer_.get(), "txtBiaoSi");
    child<QLineEdit>(drawer_.get(), "PingHuaDu")->setText(QStringLiteral("10"));
    for (int i = 0; i < 33; ++i) {
        box->setText(QStringLiteral("x+%1").arg(i));
        clickButton(drawer_.get(), "cmdAddDraw");
    }
    QCOMPARE(drawer_->list()->count(), 33);
    QVERIFY(dialogs_->messageTexts().isEmpty());
    box->setText(QStringLiteral("x+100"));
    clickButton(drawer_.get(), "cmdAddDraw");
    QCOMPARE(dialogs_->messageTexts(), QStringList{QStringLiteral("函数不能超过32")});
    QCOMPARE(drawer_->list()->count(), 33);

    dialogs_->calls.clear();
    host_->surface.ops.clear();
    host_->setup[QStringLiteral("Color")] = QStringLiteral("255");
    clickButton(drawer_.get(), "cmdReDraw");
    // A full list is redrawn whole: the axes in the colour of the setting, then all 33
    // curves.
    QVERIFY(dialogs_->messageTexts().isEmpty());
    QCOMPARE(host_->surface.ops.first().kind, Op::Clear);
    int axisLines = 0, curveLines = 0;
    for (const Op& op : host_->surface.ofKind(Op::Line))
        (op.pen.colour == Colour(255) ? axisLines : curveLines) += 1;
    QVERIFY(axisLines > 0);
    QVERIFY(curveLines >= 33 * 20);
    QCOMPARE(drawer_->list()->count(), 33);
}

void TestPlotterPanel::sizeChangeKeepsList()
{
    child<QLineEdit>(drawer_.get(), "txtBiaoSi")->setText(QStringLiteral("x"));
    clickButton(drawer_.get(), "cmdAddDraw");
    host_->surface.ops.clear();
    child<QScrollBar>(drawer_.get(), "SLSIZE")->setValue(16);
    QCOMPARE(host_->setup.value(QStringLiteral("Size")), QStringLiteral("16"));
    QCOMPARE(child<QLabel>(drawer_.get(), "LSize_0")->text(), QStringLiteral("16"));
    QCOMPARE(child<QLabel>(drawer_.get(), "LSize_1")->text(), QStringLiteral("16"));
    QCOMPARE(host_->surface.ops.first().kind, Op::Clear);
    QCOMPARE(host_->surface.scaleRight(), 16.0f);
    QCOMPARE(rows(drawer_->list()), QStringList{QStringLiteral("y=x")});
    QCOMPARE(drawer_->axisSize(), 16);
}

void TestPlotterPanel::clearListKeepsPadAndRedrawShowsAxesOnly()
{
    child<QLineEdit>(drawer_.get(), "txtBiaoSi")->setText(QStringLiteral("x"));
    clickButton(drawer_.get(), "cmdAddDraw");
    host_->surface.ops.clear();
    clickButton(drawer_.get(), "cleanhis");
    QCOMPARE(drawer_->list()->count(), 0);
    QVERIFY(host_->surface.ops.isEmpty());
    clickButton(drawer_.get(), "cmdReDraw");
    QCOMPARE(host_->surface.ops.first().kind, Op::Clear);
    QVERIFY(!host_->surface.ofKind(Op::Text).isEmpty()); // axis labels
    QVERIFY(!host_->progress.endsWith(QStringLiteral("完成100%")) || host_->progress.size() <= 2);
}

void TestPlotterPanel::circleRowAndMagentaCentreAfterErase()
{
    child<TabStrip>(drawer_.get(), "ssTAB_1")->Click();
    clickButton(drawer_.get(), "cmdCirAdd");
    QCOMPARE(rows(drawer_->list()), QStringList{QStringLiteral("(x- 0)^2+(y- 0)^2= 5^2")});
    host_->surface.ops.clear();
    clickButton(drawer_.get(), "cmdCirAdd");
    // The circle drawn again replaces the old one: one circle and one magenta centre on
    // a freshly painted pad, nothing in the background colour.
    const QList<Op> ops = host_->surface.ops;
    QCOMPARE(ops[0].kind, Op::Clear);
    QCOMPARE(host_->surface.ofKind(Op::Ellipse).size(), 1);
    QCOMPARE(host_->surface.ofKind(Op::Ellipse)[0].pen.colour, Colour(16711680));
    QCOMPARE(host_->surface.ofKind(Op::Point).size(), 1);
    QCOMPARE(host_->surface.ofKind(Op::Point)[0].pen.colour, Magenta);
    QCOMPARE(drawer_->list()->count(), 1);
}

void TestPlotterPanel::radiusStoredAsInteger()
{
    child<TabStrip>(drawer_.get(), "ssTAB_1")->Click();
    child<QLineEdit>(drawer_.get(), "TX1")->setText(QStringLiteral("2.5"));
    clickButton(drawer_.get(), "cmdCirAdd");
    QCOMPARE(int(drawer_->records()[0].Param1), 2);
    // The stored record keeps the integer, but redrawing keeps the row and its radius.
    host_->surface.ops.clear();
    clickButton(drawer_.get(), "cmdReDraw");
    QCOMPARE(rows(drawer_->list()), QStringList{QStringLiteral("(x- 0)^2+(y- 0)^2= 2.5^2")});
    QCOMPARE(host_->surface.ofKind(Op::Ellipse).size(), 1);
    QCOMPARE(host_->surface.ofKind(Op::Ellipse)[0].radiusX, 2.5f);
    // Loaded back, the row shows the radius it was drawn with, so 确定 draws the same
    // circle into the same row.
    child<QLineEdit>(drawer_.get(), "TX1")->setText(QStringLiteral("7"));
    drawer_->list()->setCurrentRow(0);
    drawer_->loadRow();
    QCOMPARE(child<QLineEdit>(drawer_.get(), "TX1")->text(), QStringLiteral("2.5"));
    clickButton(drawer_.get(), "cmdCirAdd");
    QCOMPARE(drawer_->list()->count(), 1);
}

void TestPlotterPanel::undoBringsBackTheAxisColour()
{
    // As the program starts: coloured axes drawn, the history beginning there.
    drawer_->drawAxes();
    host_->padDocument.startHistoryHere();
    child<TabStrip>(drawer_.get(), "ssTAB_2")->Click();
    QVERIFY(child<QRadioButton>(drawer_.get(), "XYBlue")->isChecked());
    child<QRadioButton>(drawer_.get(), "XYBlack")->click();
    QCOMPARE(host_->setup.value(QStringLiteral("Color")).trimmed(), QStringLiteral("0"));
    for (int round = 0; round < 2; ++round) {
        QVERIFY(host_->padDocument.undo());
        QVERIFY(child<QRadioButton>(drawer_.get(), "XYBlue")->isChecked());
        QCOMPARE(host_->setup.value(QStringLiteral("Color")).toLongLong(),
                 qint64(drawer_->axisColour()));
        QVERIFY(drawer_->axisColour() != 0);
        QVERIFY(host_->padDocument.redo());
        QVERIFY(child<QRadioButton>(drawer_.get(), "XYBlack")->isChecked());
        QCOMPARE(host_->setup.value(QStringLiteral("Color")).trimmed(), QStringLiteral("0"));
    }
}

void TestPlotterPanel::hugeConicParameterRefused()
{
    child<TabStrip>(drawer_.get(), "ssTAB_1")->Click();
    child<QLineEdit>(drawer_.get(), "TX1")->setText(QStringLiteral("100000"));
    clickButton(drawer_.get(), "cmdCirAdd");
    QCOMPARE(drawer_->list()->count(), 0);
    QCOMPARE(dialogs_->messageTexts().size(), 1);
    QVERIFY(host_->surface.ofKind(Op::Ellipse).isEmpty());
}

void TestPlotterPanel::negativeRadiusListedWithMessage()
{
    child<TabStrip>(drawer_.get(), "ssTAB_1")->Click();
    child<QLineEdit>(drawer_.get(), "TX1")->setText(QStringLiteral("-1"));
    clickButton(drawer_.get(), "cmdCirAdd");
    QCOMPARE(drawer_->list()->count(), 1);
    QCOMPARE(dialogs_->messageTexts(), QStringList{QStringLiteral("圆的半径不能小于0")});
}

void TestPlotterPanel::loadRowRestoresPanel()
{
    child<QLineEdit>(drawer_.get(), "xMin")->setText(QStringLiteral("-2.5"));
    child<QRadioButton>(drawer_.get(), "OpX")->click();
    child<QLineEdit>(drawer_.get(), "txtXB")->setText(QStringLiteral("y^2"));
    child<QScrollBar>(drawer_.get(), "HSPHD")->setValue(40);
    clickButton(drawer_.get(), "cmdAddDraw");
    child<QRadioButton>(drawer_.get(), "OpY")->click();
    child<QLineEdit>(drawer_.get(), "xMin")->setText(QStringLiteral("0"));
    child<QScrollBar>(drawer_.get(), "HSPHD")->setValue(10);
    child<TabStrip>(drawer_.get(), "ssTAB_3")->Click();

    drawer_->list()->setCurrentRow(0);
    drawer_->loadRow();
    QCOMPARE(drawer_->currentTab(), 0);
    QVERIFY(child<QRadioButton>(drawer_.get(), "OpX")->isChecked());
    QCOMPARE(child<QLabel>(drawer_.get(), "XYMaxMin_0")->text(), QStringLiteral("y∈("));
    QCOMPARE(child<QLineEdit>(drawer_.get(), "txtXB")->text(), QStringLiteral("y^2"));
    QCOMPARE(child<QLineEdit>(drawer_.get(), "xMin")->text(), QStringLiteral("-2.5"));
    QCOMPARE(child<QScrollBar>(drawer_.get(), "HSPHD")->value(), 40);
    QCOMPARE(host_->setup.value(QStringLiteral("PingHuaDu")), QStringLiteral("40"));
    QVERIFY(child<FlatButton>(drawer_.get(), "cmdDelLine")->isEnabled());
    // A single click on a row disables the delete buttons again.
    emit drawer_->list()->itemClicked(drawer_->list()->item(0));
    QVERIFY(!child<FlatButton>(drawer_.get(), "cmdDelLine")->isEnabled());
}

void TestPlotterPanel::randomColourFromEnvironment()
{
    child<QCheckBox>(drawer_.get(), "CheckColor")->click();
    QCOMPARE(host_->setup.value(QStringLiteral("ColorSelfMain")), QStringLiteral("1"));
    environment_->randomValues = {0.5, 0.0, 1.0 - 1e-9};
    child<QLineEdit>(drawer_.get(), "txtBiaoSi")->setText(QStringLiteral("x"));
    clickButton(drawer_.get(), "cmdAddDraw");
    // 127.5 rounds to the even 128; blue 254.99... to 255.
    const Colour expected = 128 | (0 << 8) | (255 << 16);
    QCOMPARE(drawer_->penColour(), expected);
    QCOMPARE(host_->toolBoxPenColour, expected);
    QCOMPARE(drawer_->records()[0].Color, expected);
}

void TestPlotterPanel::quickEvaluation_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("result");
    QTest::newRow("2^10") << "2^10"
                          << "结果为：1024";
    QTest::newRow("1/0") << "1/0"
                         << "计算错误！";
    QTest::newRow("pi") << "pi"
                        << "结果为：3.14159265358979";
}

void TestPlotterPanel::quickEvaluation()
{
    QFETCH(QString, expression);
    QFETCH(QString, result);
    auto* box = child<QLineEdit>(drawer_.get(), "txtBiao");
    box->setText(expression);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(child<QLineEdit>(drawer_.get(), "txtBres")->text(), result);
}

void TestPlotterPanel::duplicateConstantRefused()
{
    auto* list = child<QListWidget>(drawer_.get(), "lstConstants");
    list->setCurrentRow(0);
    child<QLineEdit>(drawer_.get(), "txtConstName")->setText(QStringLiteral("E"));
    child<QLineEdit>(drawer_.get(), "txtConstValue")->setText(QStringLiteral("3"));
    clickButton(drawer_.get(), "cmdAddConst");
    QCOMPARE(dialogs_->messageTexts(), QStringList{QStringLiteral("E已经存在")});
    QCOMPARE(list->count(), 2);
    QVERIFY(host_->constantEntries.isEmpty());
    // A prefix of a listed name is refused as well.
    child<QLineEdit>(drawer_.get(), "txtConstName")->setText(QStringLiteral("P"));
    clickButton(drawer_.get(), "cmdAddConst");
    QCOMPARE(dialogs_->messageTexts().last(), QStringLiteral("P已经存在"));
}

void TestPlotterPanel::constantAddedWithoutSelection()
{
    auto* list = child<QListWidget>(drawer_.get(), "lstConstants");
    list->setCurrentRow(-1);
    child<QLineEdit>(drawer_.get(), "txtConstName")->setText(QStringLiteral("k"));
    child<QLineEdit>(drawer_.get(), "txtConstValue")->setText(QStringLiteral("2"));
    clickButton(drawer_.get(), "cmdAddConst");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(2)->text(), QStringLiteral("k - 2"));
    QCOMPARE(list->currentRow(), 2);
    QCOMPARE(host_->constantEntries, QStringList{QStringLiteral("add k=2@3")});
    QVERIFY(child<QLineEdit>(drawer_.get(), "txtConstName")->text().isEmpty());
    QCOMPARE(engine_->evaluate("k*pi"), 2 * 3.14159265358979);
}

void TestPlotterPanel::removeWithoutSelection()
{
    child<QListWidget>(drawer_.get(), "lstConstants")->setCurrentRow(-1);
    clickButton(drawer_.get(), "cmdRemoveConst");
    QCOMPARE(dialogs_->messageTexts(), QStringList{QStringLiteral("请选择常数名")});
    QVERIFY(host_->constantEntries.isEmpty());

    child<QListWidget>(drawer_.get(), "lstConstants")->setCurrentRow(0);
    clickButton(drawer_.get(), "cmdRemoveConst");
    QCOMPARE(host_->constantEntries, QStringList{QStringLiteral("remove @1")});
    QCOMPARE(engine_->evaluate("pi"), ErrorValue);
}

void TestPlotterPanel::expressionsSavedOnUnload()
{
    child<QLineEdit>(drawer_.get(), "txtBiaoSi")->setText(QStringLiteral("x^3"));
    drawer_->saveExpressions();
    QCOMPARE(host_->info.value(QStringLiteral("ExpressionX")), QStringLiteral("x^3"));
    QCOMPARE(host_->info.value(QStringLiteral("ExpressionY")), QStringLiteral("0.5*(y^2)*cos(y)"));
    QCOMPARE(host_->info.value(QStringLiteral("ExpressionPolar")),
             QStringLiteral("4/(3-2*cos(x))"));
}

void TestPlotterPanel::functionFileRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.fun"));
    child<QLineEdit>(drawer_.get(), "txtBiaoSi")->setText(QStringLiteral("x^2"));
    clickButton(drawer_.get(), "cmdAddDraw");
    child<TabStrip>(drawer_.get(), "ssTAB_1")->Click();
    clickButton(drawer_.get(), "cmdCirAdd");
    child<QRadioButton>(drawer_.get(), "OpPolar")->click();
    clickButton(drawer_.get(), "cmdAddDraw");
    QVERIFY(saveAllFunctions(path, *drawer_));

    clickButton(drawer_.get(), "delAll");
    QCOMPARE(drawer_->list()->count(), 0);
    openFunctionFile(path, *drawer_);
    QCOMPARE(rows(drawer_->list()), (QStringList{"y=x^2", "p=4/(3-2*cos(x))"}));
}

void TestPlotterPanel::quotedFunctionFilePlots()
{
    // Entries quoted by hand and lone-CR line ends, as a Windows editor may leave them.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quoted.fun"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Image]\rCount=\"2\"\rFunction0=\"y=x^2\"\rFunction1='p=4/(2-2*cos(x))'\r");
    file.close();
    openFunctionFile(path, *drawer_);
    QCOMPARE(rows(drawer_->list()), (QStringList{"y=x^2", "p=4/(2-2*cos(x))"}));
    QVERIFY(host_->surface.ofKind(Op::Line).size() > 100);
}

void TestPlotterPanel::hugeRangeRefusedWithMessage()
{
    child<QLineEdit>(drawer_.get(), "xMin")->setText(QStringLiteral("-1e9"));
    child<QLineEdit>(drawer_.get(), "xMax")->setText(QStringLiteral("1e9"));
    child<QLineEdit>(drawer_.get(), "txtBiaoSi")->setText(QStringLiteral("x"));
    clickButton(drawer_.get(), "cmdAddDraw");
    QCOMPARE(dialogs_->messageTexts().size(), 1);
    QVERIFY(host_->surface.ofKind(Op::Line).isEmpty());
    // A refused range takes no row either.
    QCOMPARE(drawer_->list()->count(), 0);
}

void TestPlotterPanel::shortPanelScrollsInsteadOfSqueezing()
{
    // As tall as a 768-pixel screen leaves the panel, and narrower than usual.
    drawer_->resize(300, 560);
    QCoreApplication::processEvents();
    auto* scroller = drawer_->findChild<QScrollArea*>();
    QVERIFY(scroller);
    QVERIFY(scroller->verticalScrollBar()->maximum() > 0);
    for (const char* name : {"ssTAB_0", "ssTAB_4", "cleanDraw", "cleanhis"}) {
        QWidget* control = child<QWidget>(drawer_.get(), name);
        QVERIFY2(control->height() >= control->minimumSizeHint().height(), name);
    }
    auto* addButton = child<QWidget>(drawer_.get(), "cmdAddDraw");
    QVERIFY(addButton->height() >= addButton->minimumSizeHint().height());
    // Scrolled to the end, the list's buttons are in view.
    scroller->verticalScrollBar()->setValue(scroller->verticalScrollBar()->maximum());
    QWidget* last = child<QWidget>(drawer_.get(), "cleanhis");
    const QPoint bottom = last->mapTo(scroller->viewport(), QPoint(0, last->height() - 1));
    QVERIFY(scroller->viewport()->rect().contains(bottom));

    // Tall enough, nothing scrolls.
    drawer_->resize(320, 2000);
    QCoreApplication::processEvents();
    QCOMPARE(scroller->verticalScrollBar()->maximum(), 0);
}

void TestPlotterPanel::movingOverThePanelClearsPassingMarks()
{
    // The pointer over the panel's background, between its controls.
    QWidget* background = child<QWidget>(drawer_.get(), "LLB")->parentWidget()->parentWidget();
    host_->surface.ops.clear();
    host_->surface.setPersistent(true);
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), background->mapToGlobal(QPointF(3, 3)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(background, &move);
    const QList<Op> clears = host_->surface.ofKind(Op::Clear);
    QVERIFY(!clears.isEmpty());
    for (const Op& op : clears)
        QVERIFY(!op.clearedPersistent);
    QVERIFY(!host_->surface.isPersistent());
}

void TestPlotterPanel::longTraceRunsOnAWorkerAndJoinsTheList()
{
    child<QLineEdit>(drawer_.get(), "txtBiaoSi")->setText(QStringLiteral("sin(x)"));
    child<QLineEdit>(drawer_.get(), "xMin")->setText(QStringLiteral("-3000"));
    child<QLineEdit>(drawer_.get(), "xMax")->setText(QStringLiteral("3000"));
    clickButton(drawer_.get(), "cmdAddDraw");
    // Back at once: the list grows only when the worker is done.
    QVERIFY(drawer_->isTracing());
    QCOMPARE(drawer_->list()->count(), 0);
    QCOMPARE(host_->progress.last(), QStringLiteral("正在作图，请稍待…"));
    QTRY_VERIFY_WITH_TIMEOUT(!drawer_->isTracing(), 60000);
    QCOMPARE(drawer_->list()->count(), 1);
    QCOMPARE(host_->progress.last(), QStringLiteral("完成100%"));
    QCOMPARE(host_->padDocument.state().picture.size(), std::size_t(1));
}

void TestPlotterPanel::cancelledTraceAddsNothing()
{
    child<QLineEdit>(drawer_.get(), "txtBiaoSi")->setText(QStringLiteral("sin(x)*cos(x)"));
    child<QLineEdit>(drawer_.get(), "xMin")->setText(QStringLiteral("-10000"));
    child<QLineEdit>(drawer_.get(), "xMax")->setText(QStringLiteral("10000"));
    clickButton(drawer_.get(), "cmdAddDraw");
    QVERIFY(drawer_->isTracing());
    QTest::keyClick(drawer_.get(), Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!drawer_->isTracing(), 60000);
    QCOMPARE(drawer_->list()->count(), 0);
    QVERIFY(host_->padDocument.state().picture.empty());
    QVERIFY(!host_->padDocument.canUndo());
    QCOMPARE(host_->progress.last(), QStringLiteral("作图已取消"));
}

void TestPlotterPanel::readingUnderTheExpressionBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reading");
    QTest::newRow("y=") << "txtBiaoSi"
                        << "6*x^2"
                        << "按 (6*x)^2 计算";
    QTest::newRow("x=") << "txtXB"
                        << "-y^2"
                        << "按 (-y)^2 计算";
    QTest::newRow("polar") << "txtPolar"
                           << "2*cos(3*x)^2"
                           << "按 (2*cos(3*x))^2 计算";
    QTest::newRow("agrees") << "txtBiaoSi"
                            << "6*(x^2)"
                            << "";
    QTest::newRow("full-width agrees") << "txtBiaoSi"
                                       << "６*（ｘ^2）"
                                       << "";
}

void TestPlotterPanel::readingUnderTheExpressionBoxes()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, reading);
    auto* edit = child<QLineEdit>(drawer_.get(), box.toLatin1().constData());
    auto* label =
        child<QLabel>(drawer_.get(), (box + QStringLiteral("Reading")).toLatin1().constData());
    edit->setText(text);
    QCOMPARE(label->text(), reading);
    QCOMPARE(label->isHidden(), reading.isEmpty());
    // The hint gives up its line while the reading shows, and takes it back after.
    edit->setText(QStringLiteral("1"));
    QVERIFY(label->isHidden());
}

void TestPlotterPanel::busyTracerSaysSoAndClearingCancels_data()
{
    QTest::addColumn<QString>("clearButton");
    QTest::newRow("clear all") << "delAll";
    QTest::newRow("clear list") << "cleanhis";
    QTest::newRow("clear pad") << "cleanDraw";
}

void TestPlotterPanel::busyTracerSaysSoAndClearingCancels()
{
    QFETCH(QString, clearButton);
    child<QLineEdit>(drawer_.get(), "txtBiaoSi")->setText(QStringLiteral("sin(x)"));
    child<QLineEdit>(drawer_.get(), "xMin")->setText(QStringLiteral("-3000"));
    child<QLineEdit>(drawer_.get(), "xMax")->setText(QStringLiteral("3000"));
    clickButton(drawer_.get(), "cmdAddDraw");
    QVERIFY(drawer_->isTracing());
    // A second add while the first runs is refused with a message, not dropped quietly.
    clickButton(drawer_.get(), "cmdAddDraw");
    QCOMPARE(dialogs_->messageTexts().size(), 1);
    clickButton(drawer_.get(), clearButton.toLatin1().constData());
    QTRY_VERIFY_WITH_TIMEOUT(!drawer_->isTracing(), 60000);
    // Nothing lands on the cleared pad or list.
    QCOMPARE(drawer_->list()->count(), 0);
    QVERIFY(host_->padDocument.state().entries.empty());
}

void TestPlotterPanel::parametricCurveIsAFourthKind()
{
    child<QRadioButton>(drawer_.get(), "OpParam")->click();
    // The ellipse x = 3cos t, y = 2sin t over the default range 0 to 2π.
    clickButton(drawer_.get(), "cmdAddDraw");
    QCOMPARE(rows(drawer_->list()), QStringList{QStringLiteral("t: x=cos(t)*3, y=sin(t)*2")});
    const PlotterDocument plots(host_->padDocument);
    const auto segments = plots.entry(0).segments();
    QVERIFY(segments.size() > 20);
    for (const auto& [from, to] : segments) {
        // Every point on the ellipse (x/3)² + (y/2)² = 1.
        const double e = double(to.x) * to.x / 9 + double(to.y) * to.y / 4;
        QVERIFY2(std::fabs(e - 1) < 1e-3, qPrintable(QString::number(e)));
    }
    QCOMPARE(plots.entry(0).record().Kind, std::int16_t(KindParametric));
    QCOMPARE(plots.entry(0).record().RangeMin, 0.0);
    // Loaded back into the boxes by a double-click on the row.
    child<QLineEdit>(drawer_.get(), "txtParamX")->setText(QStringLiteral("t"));
    child<QLineEdit>(drawer_.get(), "tMax")->setText(QStringLiteral("1"));
    child<QRadioButton>(drawer_.get(), "OpY")->click();
    drawer_->list()->setCurrentRow(0);
    drawer_->loadRow();
    QVERIFY(child<QRadioButton>(drawer_.get(), "OpParam")->isChecked());
    QCOMPARE(child<QLineEdit>(drawer_.get(), "txtParamX")->text(), QStringLiteral("cos(t)*3"));
    QCOMPARE(child<QLineEdit>(drawer_.get(), "txtParamY")->text(), QStringLiteral("sin(t)*2"));
    QVERIFY(leadingNumber(child<QLineEdit>(drawer_.get(), "tMax")->text()) > 6.28);
}
