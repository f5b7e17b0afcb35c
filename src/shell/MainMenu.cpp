// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainMenu.h"

#include <QMenuBar>

namespace orvane {

namespace {

QAction* item(QMenu* menu, const char* name, const char* caption, const char* shortcut = nullptr)
{
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QLatin1String(name));
    // Window-wide shortcuts; a text box with the focus keeps its own Ctrl+C and the like.
    if (shortcut) action->setShortcut(QKeySequence(QLatin1String(shortcut)));
    return action;
}

QAction* separator(QMenu* menu, const char* name)
{
    QAction* action = menu->addSeparator();
    action->setObjectName(QLatin1String(name));
    return action;
}

QMenu* heading(QMenuBar* bar, const char* name, const char* caption)
{
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction* tickedItem(QMenu* menu, const char* name, const char* caption)
{
    QAction* action = item(menu, name, caption);
    action->setCheckable(true);
    action->setChecked(true);
    return action;
}

} // namespace

void MainMenu::build(QMenuBar* bar, QWidget* owner)
{
    mnuDo = heading(bar, "mnuDo", "文件(&F)");
    mnuNew = item(mnuDo, "mnuNew", "新建(&N)", "Ctrl+N");
    mnuOpenDocument = item(mnuDo, "mnuOpenDocument", "打开…", "Ctrl+O");
    mnuSaveDocument = item(mnuDo, "mnuSaveDocument", "保存作图文件", "Ctrl+Alt+S");
    mnuSaveDocumentAs = item(mnuDo, "mnuSaveDocumentAs", "另存为…", "Ctrl+Shift+S");
    mnuRecent = mnuDo->addMenu(QStringLiteral("最近打开的文件"));
    mnuRecent->setObjectName(QStringLiteral("mnuRecent"));
    separator(mnuDo, "mmlineDocument");
    mnuOpen = item(mnuDo, "mnuOpen", "导入函数图象(&O)");
    mnuSaveFun = item(mnuDo, "mnuSaveFun", "保存当前函数(&I)");
    mnuSaveFA = item(mnuDo, "mnuSaveFA", "保存所有函数(&A)");
    mnuSave = item(mnuDo, "mnuSave", "输出位图(&B)", "Ctrl+S");
    mnuPrint = item(mnuDo, "mnuPrint", "打印(&P)", "Ctrl+F7");
    separator(mnuDo, "mmline5");
    mnuCreateShort = item(mnuDo, "mnuCreateShort", "创建快捷方式");
    separator(mnuDo, "mmline4");
    mnuExit = item(mnuDo, "mnuExit", "退出(&E)");

    mnuD1 = heading(bar, "mnuD1", "画图(&D)");
    const char* modes[7][3] = {{},
                               {"mnu_1", "点(&D)", "Ctrl+D"},
                               {"mnu_2", "直线(&L)", "Ctrl+X"},
                               {"mnu_3", "画XY轴的垂线(&S)", "Ctrl+C"},
                               {"mnu_4", "画圆(&C)", "Ctrl+R"},
                               {"mnu_5", "插入文字(&F)", "Ctrl+F"},
                               {"mnu_6", "橡皮(&M)", "Ctrl+E"}};
    for (int m = 1; m <= 6; ++m) {
        mnu[m] = item(mnuD1, modes[m][0], modes[m][1], modes[m][2]);
        mnu[m]->setCheckable(true);
    }
    separator(mnuD1, "mmline2");
    mnuAbort = item(mnuD1, "mnuAbort", "取消画图(&A)", "Ctrl+A");
    separator(mnuD1, "mmline1");
    mnuClear = item(mnuD1, "mnuClear", "清除所有(&C)", "Ctrl+Q");
    mnuReXY = item(mnuD1, "mnuReXY", "重画座标轴");
    // Also on the pad's right-click menu, which is this one.
    separator(mnuD1, "mmlineUndo");
    mnuUndo = item(mnuD1, "mnuUndo", "撤销(&U)", "Ctrl+Z");
    mnuRedo = item(mnuD1, "mnuRedo", "重做(&R)", "Ctrl+Y");
    mnuCopyPicture = item(mnuD1, "mnuCopyPicture", "复制图象");

    mnuView = heading(bar, "mnuView", "视图(&V)");
    mnuDrawer = tickedItem(mnuView, "mnuDrawer", "画图栏(&D)");
    mnuOption = tickedItem(mnuView, "mnuOption", "属性栏(&O)");
    mnuToolsBox = tickedItem(mnuView, "mnuToolsBox", "工具箱(&B)");
    separator(mnuView, "mnuViewBar");
    mnuZoomIn = item(mnuView, "mnuZoomIn", "放大", "Ctrl+=");
    mnuZoomIn->setShortcuts({QKeySequence(QStringLiteral("Ctrl+=")),
                             QKeySequence(QStringLiteral("Ctrl++"))});
    mnuZoomOut = item(mnuView, "mnuZoomOut", "缩小", "Ctrl+-");
    mnuZoomReset = item(mnuView, "mnuZoomReset", "原始大小", "Ctrl+0");
    mnuTrigView = item(mnuView, "mnuTrigView", "三角函数视图");

    mnuTools = heading(bar, "mnuTools", "工具(&T)");
    mnuJFCheng = item(mnuTools, "mnuJFCheng", "解方程(&J)");
    mnuCouBian = item(mnuTools, "mnuCouBian", "计算表达式(&B)");
    mnuIntegral = item(mnuTools, "mnuIntegral", "计算定积分(&I)");
    mnuFrmCount = item(mnuTools, "mnuFrmCount", "计算反三角函数(&S)");
    mnuJHJX = mnuTools->addMenu(QStringLiteral("几何计算"));
    mnuJHJX->setObjectName(QStringLiteral("mnuJHJX"));
    mnuTowdot = item(mnuJHJX, "mnuTowdot", "两点距离(&T)");
    mnuDLJULI = item(mnuJHJX, "mnuDLJULI", "点到直线距离(&D)");
    mnuLineToLine = item(mnuJHJX, "mnuLineToLine", "两直线位置关系(&L)");
    mnuQuadraticFunction = item(mnuJHJX, "mnuQuadraticFunction", "直线和曲线关系(&Q)");
    mnuPointCurve = item(mnuJHJX, "mnuPointCurve", "点和曲线关系(&P)");
    mnuTwoCircles = item(mnuJHJX, "mnuTwoCircles", "两圆位置关系(&C)");
    separator(mnuTools, "mnuLine6");
    mnuCount = item(mnuTools, "mnuCount", "Windows自带计算器(&C)");
    separator(mnuTools, "mmline3");
    mnuAddConst = item(mnuTools, "mnuAddConst", "添加常数(&A)");

    mnuHelp0 = heading(bar, "mnuHelp0", "帮助(&H)");
    mnuHelp = item(mnuHelp0, "mnuHelp", "帮助主题(&F)");
    mnuRiNew = item(mnuHelp0, "mnuRiNew", "日积月累(&R)");
    mnuAbout = item(mnuHelp0, "mnuAbout", "关于(&A)");

    mnucopy = new QMenu(QStringLiteral("复制"), owner);
    mnucopy->setObjectName(QStringLiteral("mnucopy"));
    mnucopy0 = item(mnucopy, "mnucopy0", "复制");
}

} // namespace orvane
