// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_CoordinateBox.h"

#include "SketchFixture.h"
#include "WindowDrag.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>

using namespace orvane;
using namespace orvane::test;

namespace {

QLabel* label(SketchFixture& f, const char* name)
{
    return f.status().findChild<QLabel*>(QLatin1String(name));
}

void send(QWidget* to, QEvent::Type type, QPoint global, Qt::MouseButton button,
          Qt::MouseButtons buttons)
{
    QMouseEvent e(type, QPointF(3, 3), QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(to, &e);
}

void clickWith(QWidget* to, Qt::MouseButton button, QPoint global)
{
    send(to, QEvent::MouseButtonPress, global, button, button);
    send(to, QEvent::MouseButtonRelease, global, button, Qt::NoButton);
}

} // namespace

void TestCoordinateBox::loadShowsTheDefaults()
{
    SketchFixture f;
    QCOMPARE(f.status().objectName(), QStringLiteral("StatusBar"));
    QCOMPARE(f.status().width(), 1280);
    QCOMPARE(label(f, "Label1")->text(), QStringLiteral("奥维恩"));
    QCOMPARE(label(f, "L3")->text(), QStringLiteral("画图状态"));
    QCOMPARE(label(f, "L1")->text(), QStringLiteral("准备就绪"));
    QCOMPARE(label(f, "L2")->text(), QStringLiteral("当前座标："));
    QLabel* icon = label(f, "IStatus");
    QCOMPARE(icon->toolTip(), QStringLiteral("关于…"));
    QVERIFY(!icon->pixmap().isNull());
    // 80 twips from the right end of the screen.
    QCOMPARE(icon->mapTo(&f.status(), QPoint(icon->width(), 0)).x(), 1280 - 5);
    auto* f1 = f.status().findChild<QFrame*>(QStringLiteral("F1"));
    QCOMPARE(f1->width(), 1280);
    QCOMPARE(f1->cursor().shape(), Qt::BitmapCursor);
    QVERIFY(f.status().findChild<QFrame*>(QStringLiteral("F2")));
    QVERIFY(f.status().findChild<QFrame*>(QStringLiteral("F3")));
    f.status().setProgressText(QStringLiteral("完成100%"));
    QCOMPARE(label(f, "L1")->text(), QStringLiteral("完成100%"));
}

void TestCoordinateBox::padCoordinatesReachTheStatusBox()
{
    SketchFixture f;
    QTest::mouseMove(&f.pad(), pixelOf(1.25f, -2.5f));
    QCOMPARE(label(f, "L2")->text(), QStringLiteral("当前坐标：  (1.25，-2.5)"));
    QTest::mousePress(&f.pad(), Qt::LeftButton, {}, pixelOf(3, 4));
    QCOMPARE(label(f, "L2")->text(), QStringLiteral("当前坐标：  (3.0，4.0)         距原点：5.0"));
    QTest::mouseRelease(&f.pad(), Qt::LeftButton, {}, pixelOf(3, 4));
}

void TestCoordinateBox::dragWritesTopThenComesBackOnScreen_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QPoint>("by");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QPoint>("finalPos");
    QTest::newRow("F1 down") << "F1" << QPoint(40, 100) << "10500" << QPoint(0, 700);
    QTest::newRow("F2 above the screen") << "F2" << QPoint(-20, -650) << "-750" << QPoint(0, 0);
    QTest::newRow("label on F2 drags too") << "L3" << QPoint(0, -600) << "0" << QPoint(0, 0);
}

void TestCoordinateBox::dragWritesTopThenComesBackOnScreen()
{
    QFETCH(QString, frame);
    QFETCH(QPoint, by);
    QFETCH(QString, written);
    QFETCH(QPoint, finalPos);
    SketchFixture f;
    f.status().move(0, 600);
    QWidget* handle = f.status().findChild<QWidget*>(frame);
    const QPoint start(700, 610);
    send(handle, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    send(handle, QEvent::MouseMove, start + by, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(f.status().pos(), QPoint(0, 600) + by);
    QVERIFY(f.context.settings.isEmpty());
    send(handle, QEvent::MouseButtonRelease, start + by, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(f.context.settings,
             (QList<QPair<QString, QString>>{{QStringLiteral("StateBoxTop"), written}}));
    QCOMPARE(f.status().pos(), finalPos);
}

void TestCoordinateBox::rightReleaseOnModeFrameShowsDrawingMenu()
{
    SketchFixture f;
    const QPoint at(90, 1000);
    clickWith(f.status().findChild<QWidget*>(QStringLiteral("F2")), Qt::RightButton, at);
    QCOMPARE(f.context.drawingMenus, QList<QPoint>{at});
    clickWith(f.status().findChild<QWidget*>(QStringLiteral("F1")), Qt::RightButton, at);
    QCOMPARE(f.context.drawingMenus.size(), 1);
    QVERIFY(f.context.settings.isEmpty());
    QVERIFY(f.context.helpMenus.isEmpty());
}

void TestCoordinateBox::iconShowsHelpMenuOrAbout()
{
    SketchFixture f;
    f.status().move(0, 600);
    QLabel* icon = label(f, "IStatus");
    const QPoint at(1260, 1010);
    clickWith(icon, Qt::RightButton, at);
    QCOMPARE(f.context.helpMenus, QList<QPoint>{at});
    QCOMPARE(f.context.aboutShown, 0);
    clickWith(icon, Qt::LeftButton, at);
    clickWith(icon, Qt::MiddleButton, at);
    QCOMPARE(f.context.aboutShown, 2);
    // The icon is no drag handle.
    QCOMPARE(f.status().pos(), QPoint(0, 600));
    QVERIFY(f.context.settings.isEmpty());
}

void TestCoordinateBox::widenedFrameReachesTheIcon()
{
    SketchFixture f;
    auto* f3 = f.status().findChild<QFrame*>(QStringLiteral("F3"));
    QLabel* icon = label(f, "IStatus");
    f.status().widenStatusFrame();
    QCOMPARE(f3->x() + f3->width(), 1280 - icon->width() - 3);
}

void TestCoordinateBox::boxesInsideAWindowAreNotMoved()
{
    FakeSystemDialogs dialogs;
    FakeEnvironment environment;
    engine::Engine engine;
    Services services{dialogs, environment, engine};
    FakeSketchContext context;
    QWidget owner;
    owner.move(100, 100);
    SketchWindows windows(services, context, &owner);
    CoordinateBox& bar = windows.statusBar();
    owner.show();
    QVERIFY(!bar.isWindow() && !windows.toolBox().isWindow());
    // Laid across a narrower window, the icon stays at the right end with F3 up to it.
    bar.resize(900, bar.height());
    auto* f3 = bar.findChild<QFrame*>(QStringLiteral("F3"));
    QLabel* icon = bar.findChild<QLabel*>(QStringLiteral("IStatus"));
    bar.widenStatusFrame();
    QCOMPARE(icon->x() + icon->width(), 900 - 5);
    QCOMPARE(f3->x() + f3->width(), 900 - icon->width() - 3);

    // A drag asks the holder to float the box and moves neither the box nor its owner.
    QSignalSpy starting(&bar.drag(), &WindowDrag::dragStarting);
    QWidget* handle = bar.findChild<QWidget*>(QStringLiteral("F1"));
    const QPoint start(300, 500);
    send(handle, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    send(handle, QEvent::MouseMove, start + QPoint(0, -200), Qt::NoButton, Qt::LeftButton);
    send(handle, QEvent::MouseMove, start + QPoint(0, -250), Qt::NoButton, Qt::LeftButton);
    send(handle, QEvent::MouseButtonRelease, start + QPoint(0, -250), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(starting.count(), 1);
    QCOMPARE(owner.pos(), QPoint(100, 100));
    QCOMPARE(bar.pos(), QPoint(0, 0));
    // The top written is where the bar stands on the screen.
    QCOMPARE(context.settings.last().second,
             QString::number(bar.mapToGlobal(QPoint(0, 0)).y() * 15));
}
