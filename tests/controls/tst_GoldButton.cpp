// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_GoldButton.h"

#include "ControlTestHelpers.h"
#include "GoldButton.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace orvane;
using namespace controltest;

namespace {

const QColor Face(192, 192, 192);
const QColor Highlight(255, 255, 255);
const QColor Light3D(224, 224, 224);
const QColor Shadow(128, 128, 128);
const QColor DarkShadow(64, 64, 64);
const QColor ButtonText(0, 0, 0);
const QColor Red(192, 0, 0);
constexpr Colour RedStored = 0x0000C0;

struct Fixture {
    GoldButton button;
    QSignalSpy clicks{&button, &GoldButton::Click};

    explicit Fixture(const QString& caption = QStringLiteral("确定"))
    {
        button.setPalette(distinctPalette());
        useCrispText(button);
        button.setCaption(caption);
        button.setOnUp(EdgeRaisedInner);
        button.setOnOnHover(EdgeRaised);
        button.setOnOnDown(EdgeSunken);
    }
    QPoint centre() const { return button.rect().center(); }
    QPoint outside() const { return QPoint(button.width() + 20, button.height() / 2); }
    void press(QPoint at) { QTest::mousePress(&button, Qt::LeftButton, {}, at); }
    void release(QPoint at) { QTest::mouseRelease(&button, Qt::LeftButton, {}, at); }
    void drag(QPoint at) { moveTo(&button, at, Qt::LeftButton); }
    bool drawnNormal() const { return !button.isDrawnDown() && !button.isDrawnHover(); }
};

QIcon squareIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::darkGreen);
    return QIcon(pixmap);
}

} // namespace

void TestGoldButton::newlyPlacedButton()
{
    GoldButton button;
    button.setObjectName(QStringLiteral("GButton_3"));
    QCOMPARE(button.size(), QSize(65, 25));
    QCOMPARE(button.Alignment(), int(CaptionAlignment::Centre));
    QCOMPARE(button.Caption(), QStringLiteral("GButton_3"));
    QVERIFY(button.Enabled());
    QCOMPARE(button.OnHoverColor(), PureBlue);
    QCOMPARE(button.ForeColor(), systemColour(SystemColour::ButtonText));
    QCOMPARE(button.OnUp(), 0);
    QCOMPARE(button.OnOnDown(), 0);
    QCOMPARE(button.OnOnHover(), 0);
    QVERIFY(button.Picture().isNull());
    QVERIFY(!button.findChild<QWidget*>(QStringLiteral("ImagePic"))->isVisible());
    // An empty caption is a caption, not a fall-back to the name.
    button.setCaption(QString());
    QCOMPARE(button.Caption(), QString());
}

void TestGoldButton::disabledCaptionIsEngravedAndRaisesNoClick()
{
    Fixture f(QStringLiteral("画圆"));
    f.button.resize(80, 25);
    f.button.setForeColor(RedStored);
    f.button.setEnabled(false);

    const QImage face = f.button.renderFace();
    const auto highlight = boxOf(face, Highlight, face.rect().adjusted(2, 2, -2, -2));
    const auto shadow = boxOf(face, Shadow, face.rect().adjusted(2, 2, -2, -2));
    QVERIFY(highlight);
    QVERIFY(shadow);
    QVERIFY(!boxOf(face, Red));
    // The highlight pass lies right of the shadow pass and shows from under it.
    QVERIFY(highlight->right() > shadow->right());

    // A disabled widget refuses the mouse; QTest reports that.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not accepted by receiving widget"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not accepted by receiving widget"));
    QTest::mouseClick(&f.button, Qt::LeftButton, {}, f.centre());
    QCOMPARE(f.clicks.count(), 0);
    QVERIFY(!f.button.isPressed());
}

void TestGoldButton::pressDragOutReleaseOutsideRaisesNoClick()
{
    Fixture f;
    f.press(f.centre());
    QVERIFY(f.button.isPressed());
    QVERIFY(f.button.isDrawnDown());
    QCOMPARE(f.button.currentTextColour(), f.button.OnHoverColor());

    f.drag(f.outside());
    QVERIFY(!f.button.isDrawnDown());
    QVERIFY(f.button.isDrawnHover());
    QCOMPARE(f.button.currentEdgeStyle(), int(EdgeRaised));

    f.release(f.outside());
    QCOMPARE(f.clicks.count(), 0);
    QVERIFY(!f.button.isPressed());
    QVERIFY(!f.button.isHovering());
    QVERIFY(f.drawnNormal());
    QCOMPARE(f.button.currentTextColour(), f.button.ForeColor());
    QCOMPARE(f.button.renderFace().pixelColor(0, 0), Highlight); // OnUp: raised inner
}

void TestGoldButton::pressDragOutAndBackReleaseInsideRaisesOneClick()
{
    Fixture f;
    f.press(f.centre());
    f.drag(f.outside());
    QVERIFY(!f.button.isDrawnDown());
    f.drag(QPoint(5, 5));
    QVERIFY(f.button.isDrawnDown());
    QCOMPARE(f.button.currentEdgeStyle(), int(EdgeSunken));
    f.release(QPoint(5, 5));
    QCOMPARE(f.clicks.count(), 1);
    QVERIFY(f.drawnNormal());
    QVERIFY(!f.button.isHovering());
    QCOMPARE(f.button.currentTextColour(), f.button.ForeColor());
}

void TestGoldButton::releasePosition_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("clicks");
    QTest::newRow("centre") << QPoint(32, 12) << 1;
    QTest::newRow("last pixel") << QPoint(64, 24) << 1;
    QTest::newRow("just right of the face") << QPoint(65, 12) << 0;
    QTest::newRow("just below the face") << QPoint(30, 25) << 0;
    QTest::newRow("left of the face") << QPoint(-1, 12) << 0;
    QTest::newRow("above the face") << QPoint(30, -3) << 0;
}

void TestGoldButton::releasePosition()
{
    QFETCH(QPoint, at);
    QFETCH(int, clicks);
    Fixture f;
    f.press(f.centre());
    f.drag(at);
    f.release(at);
    QCOMPARE(f.clicks.count(), clicks);
    QVERIFY(f.drawnNormal());
}

void TestGoldButton::hoverFollowsThePointer()
{
    Fixture f;
    moveTo(&f.button, QPoint(10, 10));
    QVERIFY(f.button.isHovering());
    QVERIFY(f.button.isDrawnHover());
    QVERIFY(!f.button.isDrawnDown());
    QCOMPARE(f.button.currentTextColour(), f.button.OnHoverColor());
    QCOMPARE(f.button.currentEdgeStyle(), int(EdgeRaised));

    moveTo(&f.button, QPoint(-2, 10));
    QVERIFY(!f.button.isHovering());
    QVERIFY(f.drawnNormal());
    QCOMPARE(f.button.currentTextColour(), f.button.ForeColor());

    moveTo(&f.button, QPoint(20, 10));
    QVERIFY(f.button.isHovering());
    leave(&f.button);
    QVERIFY(!f.button.isHovering());
    QVERIFY(f.drawnNormal());
    QCOMPARE(f.clicks.count(), 0);
}

void TestGoldButton::focusLossEndsPressAndHover()
{
    Fixture f;
    moveTo(&f.button, f.centre());
    f.press(f.centre());
    QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(&f.button, &focusOut);
    QVERIFY(!f.button.isPressed());
    QVERIFY(!f.button.isHovering());
    QVERIFY(f.drawnNormal());
    QCOMPARE(f.button.currentTextColour(), f.button.ForeColor());
    // The press was forgotten: its release clicks nothing.
    f.release(f.centre());
    QCOMPARE(f.clicks.count(), 0);
}

void TestGoldButton::disablingEndsHover()
{
    Fixture f;
    moveTo(&f.button, f.centre());
    QVERIFY(f.button.isHovering());
    f.button.setEnabled(false);
    QVERIFY(!f.button.isHovering());
    QVERIFY(f.drawnNormal());
    QCOMPARE(f.button.currentTextColour(), f.button.ForeColor());
    f.button.setEnabled(true);
    QVERIFY(f.drawnNormal());
    QTest::mouseClick(&f.button, Qt::LeftButton, {}, f.centre());
    QCOMPARE(f.clicks.count(), 1);
}

void TestGoldButton::doubleClickRaisesOneClick()
{
    Fixture f;
    QTest::mouseClick(&f.button, Qt::LeftButton, {}, f.centre());
    QTest::mouseDClick(&f.button, Qt::LeftButton, {}, f.centre());
    f.release(f.centre());
    QCOMPARE(f.clicks.count(), 1);
    QVERIFY(f.drawnNormal());
}

void TestGoldButton::sunkenInnerEdgeOnDisabledButton()
{
    // The active drawing mode of the tool box: OnUp 8 and disabled.
    Fixture f{QString()};
    f.button.setOnUp(EdgeSunkenInner);
    f.button.setEnabled(false);
    f.button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.button));

    const QImage face = f.button.grab().toImage();
    const int w = face.width();
    const int h = face.height();
    QCOMPARE(face.pixelColor(0, 0), DarkShadow);
    QCOMPARE(face.pixelColor(w / 2, 0), DarkShadow);
    QCOMPARE(face.pixelColor(0, h / 2), DarkShadow);
    QCOMPARE(face.pixelColor(w / 2, h - 1), Light3D);
    QCOMPARE(face.pixelColor(w - 1, h / 2), Light3D);
    QCOMPARE(face.pixelColor(w - 1, h - 1), Light3D);
    QCOMPARE(face.pixelColor(1, 1), Face);
    QCOMPARE(face.pixelColor(w / 2, h / 2), Face);

    f.button.setOnUp(EdgeNone);
    f.button.setEnabled(true);
    const QImage flat = f.button.grab().toImage();
    QCOMPARE(flat.pixelColor(0, 0), Face);
    QCOMPARE(flat.pixelColor(w - 1, h - 1), Face);
}

void TestGoldButton::edgeStyles_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QColor>("outerTopLeft");
    QTest::addColumn<QColor>("outerBottomRight");
    QTest::addColumn<QColor>("innerTopLeft");
    QTest::addColumn<QColor>("innerBottomRight");
    QTest::newRow("0 none") << 0 << Face << Face << Face << Face;
    QTest::newRow("1 raised outer") << 1 << Light3D << DarkShadow << Face << Face;
    QTest::newRow("2 sunken outer") << 2 << Shadow << Highlight << Face << Face;
    QTest::newRow("4 raised inner") << 4 << Highlight << Shadow << Face << Face;
    QTest::newRow("8 sunken inner") << 8 << DarkShadow << Light3D << Face << Face;
    QTest::newRow("5 raised") << 5 << Light3D << DarkShadow << Highlight << Shadow;
    QTest::newRow("10 sunken") << 10 << Shadow << Highlight << DarkShadow << Light3D;
    QTest::newRow("6 etched") << 6 << Shadow << Highlight << Highlight << Shadow;
    QTest::newRow("9 bump") << 9 << Light3D << DarkShadow << DarkShadow << Light3D;
    QTest::newRow("3 raised and sunken outer") << 3 << Face << Face << Face << Face;
    QTest::newRow("12 raised and sunken inner") << 12 << Face << Face << Face << Face;
    QTest::newRow("13 raised outer, contradicting inner")
        << 13 << Light3D << DarkShadow << Face << Face;
}

void TestGoldButton::edgeStyles()
{
    QFETCH(int, style);
    QFETCH(QColor, outerTopLeft);
    QFETCH(QColor, outerBottomRight);
    QFETCH(QColor, innerTopLeft);
    QFETCH(QColor, innerBottomRight);

    Fixture f{QString()};
    f.button.resize(40, 20);
    f.button.setOnUp(style);
    const QImage face = f.button.renderFace();
    const int w = face.width();
    const int h = face.height();

    QCOMPARE(face.pixelColor(w / 2, 0), outerTopLeft);
    QCOMPARE(face.pixelColor(0, h / 2), outerTopLeft);
    QCOMPARE(face.pixelColor(0, 0), outerTopLeft);
    QCOMPARE(face.pixelColor(w / 2, h - 1), outerBottomRight);
    QCOMPARE(face.pixelColor(w - 1, h / 2), outerBottomRight);
    // The bottom and right lines run the whole side, over the corners.
    QCOMPARE(face.pixelColor(w - 1, 0), outerBottomRight);
    QCOMPARE(face.pixelColor(0, h - 1), outerBottomRight);
    QCOMPARE(face.pixelColor(w / 2, 1), innerTopLeft);
    QCOMPARE(face.pixelColor(1, h / 2), innerTopLeft);
    QCOMPARE(face.pixelColor(w / 2, h - 2), innerBottomRight);
    QCOMPARE(face.pixelColor(w - 2, h / 2), innerBottomRight);
    QCOMPARE(face.pixelColor(2, 2), Face);
}

void TestGoldButton::faceEdgeFollowsState()
{
    Fixture f{QString()};
    QCOMPARE(f.button.renderFace().pixelColor(0, 0), Highlight); // up: raised inner
    moveTo(&f.button, f.centre());
    QCOMPARE(f.button.renderFace().pixelColor(0, 0), Light3D); // hover: raised
    QCOMPARE(f.button.renderFace().pixelColor(1, 1), Highlight);
    f.press(f.centre());
    QCOMPARE(f.button.renderFace().pixelColor(0, 0), Shadow); // down: sunken
    QCOMPARE(f.button.renderFace().pixelColor(1, 1), DarkShadow);
    f.release(f.centre());
    QCOMPARE(f.button.renderFace().pixelColor(0, 0), Highlight);
}

void TestGoldButton::captionShiftsWhenDown()
{
    Fixture f(QStringLiteral("W"));
    f.button.setOnHoverColor(RedStored);
    const auto up = boxOf(f.button.renderFace(), ButtonText);
    f.press(f.centre());
    const auto down = boxOf(f.button.renderFace(), Red);
    QVERIFY(up);
    QVERIFY(down);
    QCOMPARE(down->topLeft(), up->topLeft() + QPoint(1, 1));
    QCOMPARE(down->size(), up->size());
}

void TestGoldButton::alignment_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QString>("side");
    QTest::newRow("0 left") << 0 << "left";
    QTest::newRow("1 right") << 1 << "right";
    QTest::newRow("2 centre") << 2 << "centre";
    QTest::newRow("unknown value aligns left") << 7 << "left";
}

void TestGoldButton::alignment()
{
    QFETCH(int, alignment);
    QFETCH(QString, side);
    Fixture f(QStringLiteral("ab"));
    f.button.resize(120, 25);
    f.button.setAlignment(alignment);
    const auto text = boxOf(f.button.renderFace(), ButtonText);
    QVERIFY(text);
    const QRect area = f.button.displayedCaptionRect();
    const int leftGap = text->left() - area.left();
    const int rightGap = area.right() - text->right();
    if (side == QLatin1String("left")) {
        QVERIFY2(leftGap <= 2 && rightGap > 40, qPrintable(QString::number(leftGap)));
    } else if (side == QLatin1String("right")) {
        QVERIFY2(rightGap <= 2 && leftGap > 40, qPrintable(QString::number(rightGap)));
    } else {
        QVERIFY2(std::abs(leftGap - rightGap) <= 2,
                 qPrintable(QString::number(leftGap - rightGap)));
    }
}

void TestGoldButton::elision_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("shortened");
    QTest::addColumn<bool>("atWordEnd");
    QTest::newRow("fits") << "OK" << 65 << false << false;
    QTest::newRow("words") << "Redraw all curves again" << 90 << true << true;
    QTest::newRow("one long word") << "Supercalifragilistic" << 65 << true << false;
    QTest::newRow("Chinese") << "解一元n次程(支持三角函数)" << 65 << true << false;
}

void TestGoldButton::elision()
{
    QFETCH(QString, caption);
    QFETCH(int, width);
    QFETCH(bool, shortened);
    QFETCH(bool, atWordEnd);
    Fixture f(caption);
    f.button.resize(width, 25);
    const QString shown = f.button.displayedCaption();
    const QFontMetrics metrics(f.button.font());
    QVERIFY(metrics.horizontalAdvance(shown) <= f.button.displayedCaptionRect().width());
    if (!shortened) {
        QCOMPARE(shown, caption);
        return;
    }
    QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
    const QString kept = shown.chopped(1);
    QVERIFY(!kept.isEmpty());
    QVERIFY(caption.startsWith(kept));
    QVERIFY(kept.size() < caption.size());
    if (atWordEnd)
        QCOMPARE(caption.at(kept.size()), QChar(' '));
}

void TestGoldButton::textColours_data()
{
    QTest::addColumn<Colour>("foreColor");
    QTest::addColumn<QColor>("painted");
    QTest::newRow("RGB, red in the low byte") << RedStored << Red;
    QTest::newRow("system button text") << systemColour(SystemColour::ButtonText) << ButtonText;
    QTest::newRow("system button face") << systemColour(SystemColour::ButtonFace) << Face;
    QTest::newRow("unknown system index") << (SystemColourFlag | 0xFFu) << ButtonText;
    QTest::newRow("unused system index 25") << (SystemColourFlag | 25u) << ButtonText;
    QTest::newRow("not a colour") << Colour(0x02000000u) << ButtonText;
}

void TestGoldButton::textColours()
{
    QFETCH(Colour, foreColor);
    QFETCH(QColor, painted);
    Fixture f;
    f.button.setForeColor(foreColor);
    QCOMPARE(f.button.paintedTextColour(), painted);
    moveTo(&f.button, f.centre());
    QCOMPARE(f.button.paintedTextColour(), QColor(Qt::blue));
}

void TestGoldButton::imagePartPassesClicksOn()
{
    Fixture f{QString()};
    f.button.resize(24, 24);
    f.button.setPicture(squareIcon());
    auto* image = f.button.findChild<QWidget*>(QStringLiteral("ImagePic"));
    QVERIFY(image);
    QVERIFY(image->isVisibleTo(&f.button));
    QCOMPARE(image->geometry(), QRect(4, 4, 16, 16));

    QTest::mousePress(image, Qt::LeftButton, {}, QPoint(1, 1));
    QVERIFY(f.button.isPressed());
    QVERIFY(f.button.isDrawnDown());
    QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(f.clicks.count(), 1);

    f.button.setPicture(QIcon());
    QVERIFY(!image->isVisibleTo(&f.button));
}

void TestGoldButton::storedProperties()
{
    GoldButton button;
    button.setObjectName(QStringLiteral("GBStandard"));
    button.ReadProperties({});
    QCOMPARE(button.Alignment(), int(CaptionAlignment::Left));
    QCOMPARE(button.Caption(), QStringLiteral("GBStandard"));
    QCOMPARE(button.OnOnDown(), int(EdgeSunken));
    QCOMPARE(button.OnUp(), int(EdgeRaisedInner));
    QCOMPARE(button.OnOnHover(), int(EdgeRaisedInner));
    QCOMPARE(button.ForeColor(), Black);
    QCOMPARE(button.OnHoverColor(), PureBlue);
    QVERIFY(button.Enabled());
    QVERIFY(!button.propertiesChanged());
    QVERIFY(button.WriteProperties().isEmpty());

    button.setCaption(QStringLiteral("画点"));
    button.setAlignment(1);
    button.setOnUp(EdgeSunkenInner);
    button.setForeColor(RedStored);
    button.setEnabled(false);
    QVERIFY(button.propertiesChanged());

    GoldButton copy;
    copy.ReadProperties(button.WriteProperties());
    QCOMPARE(copy.Caption(), QStringLiteral("画点"));
    QCOMPARE(copy.Alignment(), 1);
    QCOMPARE(copy.OnUp(), int(EdgeSunkenInner));
    QCOMPARE(copy.OnOnDown(), int(EdgeSunken));
    QCOMPARE(copy.ForeColor(), RedStored);
    QVERIFY(!copy.Enabled());
}
