// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_PictureControls.h"

#include "ControlTestHelpers.h"
#include "FaceImage.h"
#include "FlatButton.h"
#include "TabStrip.h"

#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace orvane;
using namespace controltest;

namespace {

QLabel* captionOf(QWidget& control)
{
    return control.findChild<QLabel*>(QStringLiteral("cmd"));
}

bool shows(const FlatButton& button, const QPixmap& face)
{
    return button.shownFace().cacheKey() == face.cacheKey();
}

} // namespace

void TestPictureControls::buttonFaceFollowsThePress()
{
    FlatButton button(QStringLiteral("开始作图"));
    button.resize(80, 26);
    QSignalSpy clicks(&button, &FlatButton::Click);
    QLabel* cmd = captionOf(button);
    QVERIFY(cmd);
    QCOMPARE(cmd->text(), QStringLiteral("开始作图"));
    QVERIFY(shows(button, button.P1()));

    QTest::mousePress(cmd, Qt::LeftButton);
    QVERIFY(shows(button, button.P3()));
    QCOMPARE(clicks.count(), 0);
    QTest::mouseRelease(cmd, Qt::LeftButton);
    QVERIFY(shows(button, button.P1()));
    QCOMPARE(clicks.count(), 1);
}

void TestPictureControls::buttonShowsPressedFaceWhileItsCommandRuns()
{
    FlatButton button(QStringLiteral("全部重画"));
    bool pressedDuringClick = false;
    QObject::connect(&button, &FlatButton::Click, &button,
                     [&] { pressedDuringClick = shows(button, button.P3()); });
    QTest::mouseClick(captionOf(button), Qt::LeftButton);
    QVERIFY(pressedDuringClick);
    QVERIFY(shows(button, button.P1()));
}

void TestPictureControls::buttonReleasedOutsideRaisesNoClick()
{
    FlatButton button(QStringLiteral("删除"));
    button.resize(80, 26);
    QSignalSpy clicks(&button, &FlatButton::Click);
    QLabel* cmd = captionOf(button);
    QTest::mousePress(cmd, Qt::LeftButton);
    QTest::mouseRelease(cmd, Qt::LeftButton, {}, QPoint(200, 10));
    QCOMPARE(clicks.count(), 0);
    QVERIFY(shows(button, button.P1()));

    // Nor does a double click give a second click.
    QTest::mouseClick(cmd, Qt::LeftButton);
    QTest::mouseDClick(cmd, Qt::LeftButton);
    QTest::mouseRelease(cmd, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(shows(button, button.P1()));
}

void TestPictureControls::disabledButtonIgnoresClicks()
{
    FlatButton button(QStringLiteral("删除"));
    QSignalSpy clicks(&button, &FlatButton::Click);
    button.setEnabled(false);
    QVERIFY(!button.Enabled());
    QVERIFY(!captionOf(button)->isEnabled());
    // A disabled widget refuses the mouse; QTest reports that.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not accepted by receiving widget"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not accepted by receiving widget"));
    QTest::mouseClick(captionOf(button), Qt::LeftButton);
    QCOMPARE(clicks.count(), 0);
    QVERIFY(shows(button, button.P1()));
    button.setEnabled(true);
    QTest::mouseClick(captionOf(button), Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
}

void TestPictureControls::captionsCarryTheHandCursor()
{
    FlatButton button;
    TabStrip tab;
    for (QWidget* control : {static_cast<QWidget*>(&button), static_cast<QWidget*>(&tab)}) {
        const QCursor cursor = captionOf(*control)->cursor();
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QVERIFY(!cursor.pixmap().isNull());
        QCOMPARE(cursor.hotSpot(), QPoint(10, 1));
    }
}

void TestPictureControls::tabEnabledOnlyRecolours_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("selected: blue") << true << QColor(0, 0, 255);
    QTest::newRow("not selected: black") << false << QColor(0, 0, 0);
}

void TestPictureControls::tabEnabledOnlyRecolours()
{
    QFETCH(bool, enabled);
    QFETCH(QColor, colour);
    TabStrip tab(QStringLiteral("设置座标"));
    tab.resize(72, 24);
    QSignalSpy clicks(&tab, &TabStrip::Click);
    tab.setEnabled(!enabled);
    tab.setEnabled(enabled);
    QCOMPARE(tab.Enabled(), enabled);
    QCOMPARE(tab.captionColour(), colour);
    QVERIFY(tab.isEnabled());
    QVERIFY(captionOf(tab)->isEnabled());
    QTest::mouseClick(captionOf(tab), Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);

    // The caption is drawn in that colour.
    useCrispText(tab);
    const QImage image = tab.grab().toImage();
    QVERIFY(boxOf(image, colour, image.rect().adjusted(5, 5, -5, -5)));
}

void TestPictureControls::tabShowsItsFace()
{
    TabStrip tab(QStringLiteral("常数"));
    auto* ima = tab.findChild<FaceImage*>(QStringLiteral("Ima"));
    QVERIFY(ima);
    QCOMPARE(ima->face().cacheKey(), tab.P1().cacheKey());
    QVERIFY(!tab.P1().isNull());
    QCOMPARE(tab.Caption(), QStringLiteral("常数"));
}

void TestPictureControls::facesAreDistinct()
{
    // The pressed face must read as pushed in: darker in the middle than the normal one.
    FlatButton button{QString()};
    button.resize(80, 26);
    const QPoint middle(40, 13);
    const QColor normal = button.grab().toImage().pixelColor(middle);
    QTest::mousePress(captionOf(button), Qt::LeftButton);
    const QColor pressed = button.grab().toImage().pixelColor(middle);
    QTest::mouseRelease(captionOf(button), Qt::LeftButton);
    QVERIFY2(pressed.lightness() < normal.lightness(),
             qPrintable(normal.name() + QLatin1String(" / ") + pressed.name()));
}
