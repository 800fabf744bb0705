// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "querypacing.h"

#include <QTest>

using namespace freqcounter;
using namespace std::chrono_literals;

class TestQueryPacing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void asksOnceTheLastAnswerIsIn();
    void asksAgainOnceTheAnswerHadItsTime();
    void silentAfterTenInARowUntilItAnswers();
};

void TestQueryPacing::asksOnceTheLastAnswerIsIn()
{
    QueryPacing pacing(2000ms);
    QVERIFY(pacing.askNow(0));
    QVERIFY(!pacing.askNow(100));
    QVERIFY(!pacing.askNow(1999));
    pacing.answered();
    QVERIFY(pacing.askNow(2000));
    QCOMPARE(pacing.missedInARow(), 0);
}

void TestQueryPacing::asksAgainOnceTheAnswerHadItsTime()
{
    QueryPacing pacing(2000ms);
    QVERIFY(pacing.askNow(0));
    QVERIFY(pacing.askNow(2000));
    QCOMPARE(pacing.missedInARow(), 1);
    // Its time counts from the question asked again.
    QVERIFY(!pacing.askNow(3999));
    QVERIFY(pacing.askNow(4000));
    QCOMPARE(pacing.missedInARow(), 2);
}

void TestQueryPacing::silentAfterTenInARowUntilItAnswers()
{
    QueryPacing pacing(100ms);
    qint64 now = 0;
    QVERIFY(pacing.askNow(now));
    for (int missed = 1; missed <= QueryPacing::kSilentAfter; ++missed) {
        QCOMPARE(pacing.silent(), false);
        now += 100;
        QVERIFY(pacing.askNow(now));
    }
    QCOMPARE(pacing.silent(), true);
    pacing.answered();
    QCOMPARE(pacing.silent(), false);
}

QTEST_GUILESS_MAIN(TestQueryPacing)
#include "tst_querypacing.moc"
