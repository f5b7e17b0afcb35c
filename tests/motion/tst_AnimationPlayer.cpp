// SPDX-License-Identifier: GPL-3.0-or-later
#include "tst_AnimationPlayer.h"

#include "AnimationPlayer.h"

#include <QTest>

using orvane::AnimationPlayer;
using orvane::PlayMode;

Q_DECLARE_METATYPE(PlayMode)

void TestAnimationPlayer::frameValuesIncludeBothEnds_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<int>("frames");
    QTest::addColumn<QList<double>>("values");
    QTest::newRow("five") << -1.0 << 1.0 << 5 << QList<double>{-1, -0.5, 0, 0.5, 1};
    QTest::newRow("downwards") << 5.0 << 0.0 << 3 << QList<double>{5, 2.5, 0};
    QTest::newRow("one frame") << 0.0 << 5.0 << 1 << QList<double>{0};
    QTest::newRow("none") << 0.0 << 5.0 << 0 << QList<double>{};
}

void TestAnimationPlayer::frameValuesIncludeBothEnds()
{
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(int, frames);
    QFETCH(QList<double>, values);
    const std::vector<double> made = orvane::frameValues(from, to, frames);
    QCOMPARE(QList<double>(made.begin(), made.end()), values);
}

void TestAnimationPlayer::playOrder_data()
{
    QTest::addColumn<int>("frames");
    QTest::addColumn<PlayMode>("mode");
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("once") << 4 << PlayMode::Once << QList<int>{0, 1, 2, 3};
    QTest::newRow("repeat") << 3 << PlayMode::Repeat << QList<int>{0, 1, 2};
    QTest::newRow("back and forth") << 4 << PlayMode::BackAndForth << QList<int>{0, 1, 2, 3, 2, 1};
    QTest::newRow("back and forth, one") << 1 << PlayMode::BackAndForth << QList<int>{0};
    QTest::newRow("nothing") << 0 << PlayMode::BackAndForth << QList<int>{};
}

void TestAnimationPlayer::playOrder()
{
    QFETCH(int, frames);
    QFETCH(PlayMode, mode);
    QFETCH(QList<int>, order);
    const std::vector<int> made = orvane::playOrder(frames, mode);
    QCOMPARE(QList<int>(made.begin(), made.end()), order);
}

void TestAnimationPlayer::spans_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::newRow("plain") << "k=0:5" << true << "k" << 0.0 << 5.0;
    QTest::newRow("blanks, sign, exponent")
        << " a_1 = -1.5 : 2e1 " << true << "a_1" << -1.5 << 20.0;
    QTest::newRow("downwards") << "w=3:-3" << true << "w" << 3.0 << -3.0;
    QTest::newRow("no equals") << "k0:5" << false << "" << 0.0 << 0.0;
    QTest::newRow("no name") << "=0:5" << false << "" << 0.0 << 0.0;
    QTest::newRow("name starts with a digit") << "1k=0:5" << false << "" << 0.0 << 0.0;
    QTest::newRow("end not a number") << "k=a:5" << false << "" << 0.0 << 0.0;
    QTest::newRow("end overflows") << "k=0:1e999" << false << "" << 0.0 << 0.0;
}

void TestAnimationPlayer::spans()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const auto span = orvane::parseAnimationSpan(text.toStdString());
    QCOMPARE(span.has_value(), valid);
    if (!valid) return;
    QTEST(QString::fromStdString(span->name), "name");
    QTEST(span->from, "from");
    QTEST(span->to, "to");
}

// Actions: p play, s pause, t tick, r reverse, > and < a step by hand. After each the
// frame is written, with "*" while playing.
void TestAnimationPlayer::playing_data()
{
    QTest::addColumn<int>("frames");
    QTest::addColumn<PlayMode>("mode");
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("states");
    QTest::newRow("once stops on its end") << 3 << PlayMode::Once << "pttt"
                                           << "0* 1* 2 2";
    QTest::newRow("once again starts afresh") << 3 << PlayMode::Once << "pttp"
                                              << "0* 1* 2 0*";
    QTest::newRow("repeat wraps") << 3 << PlayMode::Repeat << "ptttt"
                                  << "0* 1* 2* 0* 1*";
    QTest::newRow("back and forth turns at both ends") << 3 << PlayMode::BackAndForth << "pttttt"
                                                       << "0* 1* 2* 1* 0* 1*";
    QTest::newRow("back and forth, one frame") << 1 << PlayMode::BackAndForth << "pt"
                                               << "0* 0";
    QTest::newRow("pause and resume") << 5 << PlayMode::Repeat << "pttspt"
                                      << "0* 1* 2* 2 2* 3*";
    QTest::newRow("steps stop at the ends") << 3 << PlayMode::Once << ">>><<<<"
                                            << "1 2 2 1 0 0 0";
    QTest::newRow("reverse wraps backwards") << 3 << PlayMode::Repeat << "prtt"
                                             << "0* 0* 2* 1*";
    QTest::newRow("once backwards from the start") << 3 << PlayMode::Once << "rptt"
                                                   << "0 2* 1* 0";
    QTest::newRow("nothing to play") << 0 << PlayMode::Repeat << "pt>"
                                     << "0 0 0";
}

void TestAnimationPlayer::playing()
{
    QFETCH(int, frames);
    QFETCH(PlayMode, mode);
    QFETCH(QString, actions);
    QFETCH(QString, states);
    AnimationPlayer player(frames, mode);
    QStringList seen;
    for (const QChar action : actions) {
        switch (action.toLatin1()) {
        case 'p':
            player.play();
            break;
        case 's':
            player.pause();
            break;
        case 't':
            player.tick();
            break;
        case 'r':
            player.reverse();
            break;
        case '>':
            player.step(1);
            break;
        case '<':
            player.step(-1);
            break;
        }
        seen << QString::number(player.frame()) + (player.playing() ? "*" : "");
    }
    QCOMPARE(seen.join(' '), states);
}

void TestAnimationPlayer::fewerFramesKeepThePlace()
{
    AnimationPlayer player(10, PlayMode::Repeat);
    player.seek(7);
    player.setFrameCount(20);
    QCOMPARE(player.frame(), 7);
    player.setFrameCount(5);
    QCOMPARE(player.frame(), 4);
    player.seek(-3);
    QCOMPARE(player.frame(), 0);
    player.play();
    player.setFrameCount(0);
    QVERIFY(!player.playing());
    QVERIFY(!player.tick());
}
