// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_SliderStrip.h"

#include "NamedChild.h"
#include "SliderStrip.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>

using namespace orvane;
using orvane::test::child;

Q_DECLARE_METATYPE(orvane::SliderRange)

namespace {

QString boxes(const SliderStrip& strip)
{
    return child<QLineEdit>(&strip, "sliderMinimum")->text() + " " +
           child<QLineEdit>(&strip, "sliderMaximum")->text() + " " +
           child<QLineEdit>(&strip, "sliderStep")->text();
}

void retype(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

} // namespace

void TestSliderStrip::showsTheDefaultRange()
{
    SliderStrip strip("k", ConstantSlider(2));
    QCOMPARE(boxes(strip), "-8 12 0.1");
    auto* bar = child<QSlider>(&strip, "constantSlider");
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 200);
    QCOMPARE(bar->value(), 100);
    QCOMPARE(child<QLabel>(&strip, "sliderValue")->text(), "2");
    QCOMPARE(child<QToolButton>(&strip, "sliderPlay")->text(), "播放");
    QVERIFY(!strip.playing());
}

void TestSliderStrip::draggingChangesTheValue()
{
    SliderStrip strip("k", ConstantSlider(2));
    QSignalSpy changed(&strip, &SliderStrip::valueChanged);
    auto* bar = child<QSlider>(&strip, "constantSlider");
    QTest::keyClick(bar, Qt::Key_Right);
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(changed.size(), 2);
    QCOMPARE(changed.at(1).at(0).toDouble(), 2.2);
    QCOMPARE(child<QLabel>(&strip, "sliderValue")->text(), "2.2");
    QTest::keyClick(bar, Qt::Key_End);
    QCOMPARE(strip.value(), 12.0);
    QTest::keyClick(bar, Qt::Key_Right); // at the end already: nothing to report
    QCOMPARE(changed.size(), 3);
}

void TestSliderStrip::boxesChangeTheRange_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("positions");
    QTest::newRow("minimum") << "sliderMinimum"
                             << "0"
                             << "0 12 0.1" << 2.0 << 121;
    QTest::newRow("maximum below the value") << "sliderMaximum"
                                             << "1.5"
                                             << "-8 1.5 0.1" << 1.5 << 96;
    QTest::newRow("step") << "sliderStep"
                          << "0.5"
                          << "-8 12 0.5" << 2.0 << 41;
    QTest::newRow("not a number") << "sliderStep"
                                  << "abc"
                                  << "-8 12 0.1" << 2.0 << 201;
    QTest::newRow("minimum above the maximum") << "sliderMinimum"
                                               << "13"
                                               << "-8 12 0.1" << 2.0 << 201;
}

void TestSliderStrip::boxesChangeTheRange()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(double, value);
    QFETCH(int, positions);
    SliderStrip strip("k", ConstantSlider(2));
    QSignalSpy ranges(&strip, &SliderStrip::rangeChanged);
    QSignalSpy values(&strip, &SliderStrip::valueChanged);
    retype(child<QLineEdit>(&strip, box), text);
    QCOMPARE(boxes(strip), shown);
    QCOMPARE(strip.value(), value);
    QCOMPARE(child<QSlider>(&strip, "constantSlider")->maximum(), positions - 1);
    QCOMPARE(ranges.size(), shown == "-8 12 0.1" ? 0 : 1);
    QCOMPARE(values.size(), value == 2.0 ? 0 : 1);
}

void TestSliderStrip::valueFromElsewhereIsNotReported()
{
    SliderStrip strip("k", ConstantSlider(2));
    QSignalSpy values(&strip, &SliderStrip::valueChanged);
    QSignalSpy ranges(&strip, &SliderStrip::rangeChanged);
    strip.showValue(-3.04);
    QCOMPARE(strip.value(), -3.0);
    QCOMPARE(child<QSlider>(&strip, "constantSlider")->value(), 50);
    QVERIFY(strip.showRange({-1, 1, 0.5}));
    QCOMPARE(strip.value(), -1.0);
    QVERIFY(!strip.showRange({1, -1, 0.5}));
    QCOMPARE(boxes(strip), "-1 1 0.5");
    QCOMPARE(values.size(), 0);
    QCOMPARE(ranges.size(), 0);
}

void TestSliderStrip::playOnceStopsAtTheEnd()
{
    SliderStrip strip("k", ConstantSlider({0, 1, 0.25}, 0.5));
    child<QComboBox>(&strip, "sliderMode")->setCurrentIndex(0); // 单次
    QSignalSpy values(&strip, &SliderStrip::valueChanged);
    QTest::mouseClick(child<QToolButton>(&strip, "sliderPlay"), Qt::LeftButton);
    QVERIFY(strip.playing());
    QCOMPARE(child<QToolButton>(&strip, "sliderPlay")->text(), "暂停");
    strip.advanceFrame();
    strip.advanceFrame();
    QCOMPARE(strip.value(), 1.0);
    QVERIFY(!strip.playing());
    QCOMPARE(child<QToolButton>(&strip, "sliderPlay")->text(), "播放");
    // Played again from its end, the run starts from the beginning.
    QTest::mouseClick(child<QToolButton>(&strip, "sliderPlay"), Qt::LeftButton);
    QCOMPARE(strip.value(), 0.0);
    strip.advanceFrame();
    QCOMPARE(strip.value(), 0.25);
    // A drag while playing: the run goes on from where the slider is left.
    child<QSlider>(&strip, "constantSlider")->setValue(2);
    strip.advanceFrame();
    QCOMPARE(strip.value(), 0.75);
    QTest::mouseClick(child<QToolButton>(&strip, "sliderPlay"), Qt::LeftButton); // pause
    QVERIFY(!strip.playing());
    QCOMPARE(strip.value(), 0.75);
    QList<double> seen;
    for (const auto& call : values)
        seen << call.at(0).toDouble();
    QCOMPARE(seen, (QList<double>{0.75, 1, 0, 0.25, 0.5, 0.75}));
}
