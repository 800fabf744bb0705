// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"
#include "ptypair.h"
#include "runtime.h"
#include "windowtesting.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <thread>

using namespace freqcounter;
using freqcounter::test::everyByteValue;
using freqcounter::test::PtyPair;
using freqcounter::test::RecordingReporter;

namespace {

// Sixteen times what a read takes: dropping starts after the first 1024
// characters and goes on the same way for as long as the stream does (the
// framer's own test takes a megabyte).
constexpr qsizetype kLongStream = qsizetype(16) * 1024;

template<qsizetype N>
QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

QByteArray burstOfReadings(int count)
{
    QByteArray burst;
    for (int i = 1; i <= count; ++i)
        burst += QByteArray::number(100 + i / 10000) + '.'
                + QByteArray::number(i % 10000).rightJustified(4, '0') + "\r\n";
    return burst;
}

// One hostile stream: what is sent, what the display must end up showing,
// and what it may show on the way (besides "Waiting").
struct Case
{
    const char *name;
    QByteArray sent;
    QString finallyShown;
    QRegularExpression mayShowOnTheWay;
};

// A window on its own pseudo-terminal, fed by a writer thread, with a record
// of every tick: when it came and what the display showed after it.
struct Run
{
    Case stream;
    std::unique_ptr<PtyPair> pty;
    std::unique_ptr<Form1> form;
    QLabel *label = nullptr;
    QList<qint64> tickAtMs;
    QStringList shown;
    std::thread writer;
    std::atomic<bool> written{false};
    qint64 doneAtMs = -1;
    int quietTicks = 0; // before its stream starts
};

} // namespace

class TestHostileInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyStreamAtOnce();
};

// All streams go at once, each into its own window, because the largest take
// their time: the line is read once a tick, at most 1024 characters a time.
void TestHostileInput::everyStreamAtOnce()
{
    const QString latin1High = QString::fromLatin1(everyByteValue().mid(14));
    const QRegularExpression nothing(QStringLiteral("^$"));
    QList<Case> cases{
            {"all 256 byte values", everyByteValue() + "\r\n", latin1High + QStringLiteral(" MHz"),
             QRegularExpression(QStringLiteral("^\\x{0}"))},
            {"NUL bytes",
             bytes("\0\0"
                   "145\0.2\0\r\n"),
             QString::fromLatin1(bytes("\0\0"
                                       "145\0.2\0 MHz")),
             nothing},
            {"invalid UTF-8", QByteArray("\xC3\x28\xA0\xA1\xF0\x28\x8C 1\r\n"),
             QString::fromLatin1("\xC3\x28\xA0\xA1\xF0\x28\x8C 1 MHz"), nothing},
            {"16 KB without a line end", QByteArray(kLongStream, '9') + "\r\n145.2\r\n",
             QStringLiteral("145.2 MHz"), nothing},
            {"16 KB of line ends only",
             QByteArray(kLongStream / 2, '\r').replace("\r", "\r\n") + "145.2\r\n",
             QStringLiteral("145.2 MHz"), nothing},
            {"a reading of 10,000 digits", QByteArray(10000, '1') + "\r\n7.5\r\n",
             QStringLiteral("7.5 MHz"), nothing},
            {"HTML markup",
             QByteArray("<html><body><h1>1</h1><img src=x onerror=y></body></html>\r\n"),
             QStringLiteral("<html><body><h1>1</h1><img src=x onerror=y></body></html> MHz"),
             nothing},
            {"ANSI escape sequences", QByteArray("\x1b[2J\x1b[31m145.2\x1b[0m\x07\r\n"),
             QStringLiteral("\x1b[2J\x1b[31m145.2\x1b[0m\x07 MHz"), nothing},
            {"a burst of 1,000 readings", burstOfReadings(1000), QStringLiteral("100.1000 MHz"),
             QRegularExpression(QStringLiteral("^\\d{3}\\.\\d{4} MHz$"))},
    };

    QList<RuntimeError> errors;
    Runtime runtime(std::make_unique<RecordingReporter>(errors));
    std::vector<std::unique_ptr<Run>> runs;
    for (Case &stream : cases) {
        auto run = std::make_unique<Run>();
        run->stream = stream;
        run->pty = std::make_unique<PtyPair>();
        QVERIFY(run->pty->isValid());
        qputenv("FREQCOUNTER_COM1", run->pty->devicePath().toLocal8Bit());
        run->form = std::make_unique<Form1>(runtime);
        run->label = run->form->findChild<QLabel *>(QStringLiteral("Label1"));
        QVERIFY(run->form->load());
        run->form->show();
        runs.push_back(std::move(run));
    }
    qunsetenv("FREQCOUNTER_COM1");

    // Let every window find its line quiet once, then start the streams.
    QElapsedTimer clock;
    clock.start();
    // Each window's own counts and times, reached through its run, which
    // outlives the window's timer.
    for (auto &run : runs) {
        Run *r = run.get();
        connect(r->form->findChild<QTimer *>(QStringLiteral("Timer1")), &QTimer::timeout,
                r->form.get(), [r] { ++r->quietTicks; });
    }
    QTRY_VERIFY_WITH_TIMEOUT(std::all_of(runs.cbegin(), runs.cend(),
                                         [](const auto &run) { return run->quietTicks > 0; }),
                             60'000);
    for (auto &run : runs) {
        Run *r = run.get();
        auto *timer = r->form->findChild<QTimer *>(QStringLiteral("Timer1"));
        connect(timer, &QTimer::timeout, r->form.get(), [r, clock] {
            r->tickAtMs.append(clock.elapsed());
            r->shown.append(r->label->text());
            if (r->doneAtMs < 0 && r->written && r->label->text() == r->stream.finallyShown)
                r->doneAtMs = clock.elapsed();
        });
        r->writer = std::thread([r] {
            r->pty->write(r->stream.sent);
            r->written = true;
        });
    }

    const bool allShown = QTest::qWaitFor(
            [&] {
                return std::all_of(runs.begin(), runs.end(), [](const auto &run) {
                    return run->written && run->label->text() == run->stream.finallyShown;
                });
            },
            60'000);
    for (auto &run : runs) {
        if (!run->written)
            run->pty->hangUp(); // unblocks a writer that is stuck
        run->writer.join();
    }

    QVERIFY(errors.isEmpty());
    for (const auto &run : runs) {
        const char *name = run->stream.name;
        QVERIFY2(run->label->text() == run->stream.finallyShown,
                 qPrintable(QStringLiteral("%1: shows %2")
                                    .arg(QLatin1StringView(name), run->label->text().left(80))));
        for (const QString &text : std::as_const(run->shown)) {
            const bool allowed = text == QLatin1StringView("Waiting")
                    || text == run->stream.finallyShown
                    || run->stream.mayShowOnTheWay.match(text).hasMatch();
            QVERIFY2(allowed,
                     qPrintable(QStringLiteral("%1: showed %2")
                                        .arg(QLatin1StringView(name), text.left(80))));
        }

        QList<qint64> gaps;
        for (qsizetype i = 1; i < run->tickAtMs.size(); ++i)
            gaps.append(run->tickAtMs.at(i) - run->tickAtMs.at(i - 1));
        std::sort(gaps.begin(), gaps.end());
        QVERIFY(!gaps.isEmpty());
        const qint64 median = gaps.at(gaps.size() / 2);
        qInfo("%s: shown after %lld ms; %lld ticks, gap median %lld ms, longest %lld ms", name,
              run->doneAtMs, qlonglong(gaps.size() + 1), median, gaps.last());
        QVERIFY2(median >= 95 && median <= 110, name);
        QVERIFY2(gaps.last() < 300, name);
    }
    QVERIFY(allShown);
}

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
