// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "counter.h"

#include <QTest>

using namespace freqcounter;
using namespace std::chrono_literals;

namespace {

// Time as the test moves it, on both of the counter's clocks.
class TestClock : public CounterClock
{
public:
    explicit TestClock(const qint64 &now)
        : m_now(now)
    {}
    QDateTime wallNow() const override { return QDateTime::fromMSecsSinceEpoch(m_now); }
    qint64 steadyNowMsecs() const override { return m_now; }

private:
    const qint64 &m_now;
};

// One poll of the line: how long after the one before it came, and what it
// found (nothing, when nothing waited).
struct Poll
{
    qint64 after = 100;
    std::optional<QString> text;
};
using Polls = QList<Poll>;

Poll read(const char16_t *text, qint64 after = 100)
{
    return {after, QString::fromUtf16(text)};
}

Poll quiet(qint64 after = 100)
{
    return {after, std::nullopt};
}

// A character's time at 1200/8n1: ten bits.
constexpr std::chrono::microseconds k1200Baud{8333};

Counter::Line serialLine(CounterSettings settings = {})
{
    return {1, QStringLiteral("/dev/ttyUSB0"), std::move(settings), k1200Baud, false};
}

Counter::Line networkLine(CounterSettings settings = {})
{
    return {1, QStringLiteral("tcp://counter.lab:5025"), std::move(settings), 0us, true};
}

CounterSettings asked(CounterUnit unit = CounterUnit::Hz)
{
    return {{}, QStringLiteral("READ?"), unit, 1000ms};
}

// Runs the polls on a counter just opened on the line. Each poll's
// readings are joined by '|', and what it sent is given after a '>'.
struct Run
{
    QStringList polls;
    QList<ReceivedReading> readings;
    QStringList notices;
    qsizetype unfinished = 0;
    qsizetype inError = 0;
};
Run run(const Counter::Line &line, const Polls &polls, const CounterMath &math = {})
{
    qint64 now = 1'000'000;
    Counter counter(std::make_unique<TestClock>(now));
    counter.setMath(math);
    counter.opened(line);
    // The line opened quietly: a poll finds nothing yet.
    counter.poll(std::nullopt);
    Run done;
    for (const Poll &poll : polls) {
        now += poll.after;
        const Counter::Polled polled = counter.poll(poll.text);
        QStringList texts;
        for (const ReceivedReading &reading : polled.readings)
            texts.append(reading.text);
        QString shown = texts.join(u'|');
        if (!polled.send.isEmpty())
            shown += u'>' + QString::fromLatin1(polled.send).trimmed();
        done.polls.append(shown);
        done.readings += polled.readings;
        if (!polled.notice.isEmpty())
            done.notices.append(polled.notice);
    }
    done.unfinished = counter.unfinished();
    done.inError = counter.receivedInError();
    return done;
}

} // namespace

Q_DECLARE_METATYPE(Polls)
Q_DECLARE_METATYPE(Counter::Line)

class TestCounter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readings_data();
    void readings();
    void gaps_data();
    void gaps();
    void timeStamps_data();
    void timeStamps();
    void setupIsSentFirstAndItsEchoSkipped();
    void droppedReadingsAreSaidOnce();
};

void TestCounter::readings_data()
{
    QTest::addColumn<Counter::Line>("line");
    QTest::addColumn<Polls>("polls");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("network: a line split by a pause is one reading")
            << networkLine() << Polls{read(u"17.80"), quiet(250), read(u"0012\r\n")}
            << QStringList{{}, {}, QStringLiteral("17.800012")};
    QTest::newRow("serial: after its first line end a quiet poll ends nothing")
            << serialLine() << Polls{read(u"1.5\r\n"), read(u"144."), quiet(), read(u"9939\r\n")}
            << QStringList{QStringLiteral("1.5"), {}, {}, QStringLiteral("144.9939")};
    QTest::newRow("serial, never a line end: a quiet poll ends a reading")
            << serialLine() << Polls{read(u"433."), read(u"92"), quiet()}
            << QStringList{{}, {}, QStringLiteral("433.92")};
    QTest::newRow("a burst of lines: every one, in order")
            << networkLine() << Polls{read(u"1.1\r\n2.2\n3.3\r\n")}
            << QStringList{QStringLiteral("1.1|2.2|3.3")};
    QTest::newRow("asked on the network, the answer in pieces: asked once")
            << networkLine(asked()) << Polls{read(u"+1.78000"), quiet(150), read(u"0012E+07\r\n")}
            << QStringList{{}, {}, QStringLiteral("17.80000012>READ?")};
    QTest::newRow("asked: an echo is not the answer")
            << serialLine(asked()) << Polls{read(u"READ?\r\n"), read(u"+1.0E+07\r\n")}
            << QStringList{{}, QStringLiteral("10>READ?")};
    QTest::newRow("asked in MHz: an answer with its own unit is converted by it")
            << serialLine(asked(CounterUnit::MHz)) << Polls{read(u"1.0E+07 Hz\r\n")}
            << QStringList{QStringLiteral("10>READ?")};
    QTest::newRow("asked: an unfinished answer is dropped with its time, and asked again")
            << serialLine(asked()) << Polls{read(u"+1.78"), quiet(1100), read(u"E+07\r\n1E7\r\n")}
            << QStringList{{}, QStringLiteral(">READ?"), QStringLiteral("10>READ?")};
    QTest::newRow("talking: an unfinished reading is dropped after 2 s, its tail too")
            << networkLine()
            << Polls{read(u"145.2"), quiet(1000), quiet(1100), read(u"371\r\n145.3\r\n")}
            << QStringList{{}, {}, {}, QStringLiteral("145.3")};
    QTest::newRow("a reading with a character received in error is none")
            << serialLine() << Polls{read(u"145.2\uFFFD71\r\n146.0\r\n")}
            << QStringList{QStringLiteral("146.0")};
}

void TestCounter::readings()
{
    QFETCH(Counter::Line, line);
    QFETCH(Polls, polls);
    QFETCH(QStringList, shown);

    const Run done = run(line, polls);
    // An asked counter's first question went out at the quiet poll that
    // followed the opening.
    QCOMPARE(done.polls, shown);
}

void TestCounter::gaps_data()
{
    QTest::addColumn<Counter::Line>("line");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<CounterMath>("math");

    const CounterMath none;
    const CounterMath times64 = *CounterMath::make(u"64", u"0Hz");
    QTest::newRow("asked: a SCPI error")
            << serialLine(asked()) << QStringLiteral("-113,\"Undefined header\"") << none;
    QTest::newRow("asked: an overflow mark")
            << serialLine(asked()) << QStringLiteral("9.91E37") << none;
    QTest::newRow("asked in Hz: 0E-999 would be a thousand digits")
            << serialLine(asked()) << QStringLiteral("0E-999") << none;
    QTest::newRow("talking: 0E-999 under the math")
            << serialLine() << QStringLiteral("0E-999") << times64;
    QTest::newRow("asked: a four-digit exponent")
            << serialLine(asked()) << QStringLiteral("1E+0007") << none;
}

void TestCounter::gaps()
{
    QFETCH(Counter::Line, line);
    QFETCH(QString, sent);
    QFETCH(CounterMath, math);

    const Run done = run(line, {{100, sent + QStringLiteral("\r\n")}}, math);
    QVERIFY2(done.readings.isEmpty(), qPrintable(done.polls.join(u'/')));
}

void TestCounter::timeStamps_data()
{
    QTest::addColumn<Counter::Line>("line");
    QTest::addColumn<QList<qint64>>("before");

    // Three lines in one read, 15, 8 and 1 characters after their line
    // ends: on a serial line at 1200/8n1 a character takes 8.33 ms.
    QTest::newRow("serial at 1200/8n1: spaced by its character time")
            << serialLine() << QList<qint64>{124, 66, 8};
    Counter::Line fast = serialLine();
    fast.characterTime = 87us;
    QTest::newRow("serial at 115200/8n1: its own character time") << fast << QList<qint64>{1, 0, 0};
    QTest::newRow("network: arrived together") << networkLine() << QList<qint64>{0, 0, 0};
}

void TestCounter::timeStamps()
{
    QFETCH(Counter::Line, line);
    QFETCH(QList<qint64>, before);

    const Run done = run(line, {read(u"1.111\r\n2.222\r\n3.333\r\n")});
    QCOMPARE(done.readings.size(), 3);
    const qint64 polledAt = 1'000'000 + 100;
    for (qsizetype i = 0; i < 3; ++i) {
        const ReceivedReading &reading = done.readings.at(i);
        QCOMPARE(polledAt - reading.steadyMsecs, before.at(i));
        QCOMPARE(polledAt - reading.time.toMSecsSinceEpoch(), before.at(i));
    }
}

void TestCounter::setupIsSentFirstAndItsEchoSkipped()
{
    qint64 now = 0;
    Counter counter(std::make_unique<TestClock>(now));
    CounterSettings settings = asked();
    settings.setup = QStringLiteral("*RST\\n:CONF:FREQ");
    QCOMPARE(counter.opened(serialLine(settings)), QByteArray("*RST\n:CONF:FREQ\n"));
    now += 100;
    QCOMPARE(counter.poll(std::nullopt).send, QByteArray("READ?\n"));
    now += 100;
    // The setup's echo and the question's, then the answer.
    const Counter::Polled polled = counter.poll(QStringLiteral("*RST\r\n:CONF:FREQ\r\nREAD?\r\n"));
    QVERIFY(polled.readings.isEmpty());
    QVERIFY(polled.send.isEmpty());
    now += 100;
    QCOMPARE(counter.poll(QStringLiteral("1E7\r\n")).readings.size(), 1);
}

void TestCounter::droppedReadingsAreSaidOnce()
{
    const Run done = run(networkLine(),
                         {read(u"145.2"), quiet(2100), read(u"\r\n145.\uFFFD\r\n"), read(u"145.3"),
                          quiet(2100), read(u"\r\n1.5\uFFFD\r\n")});
    // Each kind counted, and said once.
    QCOMPARE(done.unfinished, 2);
    QCOMPARE(done.inError, 2);
    QCOMPARE(done.notices.size(), 2);
    QVERIFY2(done.notices.at(0).contains(QStringLiteral("unfinished for 2 s")),
             qPrintable(done.notices.at(0)));
    QVERIFY2(done.notices.at(1).contains(QStringLiteral("received in error")),
             qPrintable(done.notices.at(1)));
    QVERIFY(done.readings.isEmpty());
}

QTEST_GUILESS_MAIN(TestCounter)
#include "tst_counter.moc"
