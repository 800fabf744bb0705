// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The display's latency, the pseudo-terminal's hand-over and a port switch,
// measured on a real window in this process.
#include "inprocess.h"

#include "counteranswer.h"
#include "form1.h"
#include "serialline.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <map>
#include <mutex>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace freqcounter::bench {

// Milliseconds from each reading's line end to the moment the display showed
// it, for `readings` readings sent at real pace, ending at random phases to
// the tick.
QList<double> displayLatencies(int readings, std::mt19937 &random)
{
    test::PtyPair pty;
    qputenv("FREQCOUNTER_COM1", pty.devicePath().toLocal8Bit());
    Runtime runtime(std::make_unique<FailingReporter>());
    Form1 form(runtime);
    if (!form.load())
        fail("the window did not load");
    form.show();
    auto *label = form.findChild<QLabel *>(QStringLiteral("Label1"));
    auto *timer = form.findChild<QTimer *>(QStringLiteral("Timer1"));

    std::uniform_int_distribution<int> gapUs(20'000, 120'000);
    PacedCounter counter(pty, [&] { return std::chrono::microseconds(gapUs(random)); });
    QList<double> latencies;
    QString shown = label->text();
    // Connected after the window's own handler: sees the display as the
    // tick left it, at the moment it changed. The connection ends with
    // `watching`, before what it reads.
    QObject watching;
    QObject::connect(timer, &QTimer::timeout, &watching,
                     [label, shownAt = &shown, counterAt = &counter, latenciesAt = &latencies] {
                         if (label->text() == *shownAt)
                             return;
                         const Clock::time_point now = Clock::now();
                         *shownAt = label->text();
                         if (const auto lineEnd = counterAt->lineEndOf(shownAt->chopped(4)))
                             latenciesAt->append(msBetween(*lineEnd, now));
                     });
    QTest::qWait(250); // a quiet start: the first reading is not dropped
    counter.start(readings);
    if (!QTest::qWaitFor([&] { return latencies.size() >= readings; }, readings * 400))
        fail("readings went missing on their way to the display");
    counter.stop();
    return latencies;
}

// Milliseconds from each answer's line end to the moment the display showed
// it, for a counter that must be asked, answering at once at 115200 baud.
QList<double> queryLatencies(int readings)
{
    test::PtyPair pty;
    PortDevices devices;
    PortOverrides asked;
    asked.line = LineSettings::parse(u"115200/8n1");
    asked.query = QStringLiteral("READ?");
    asked.unit = CounterUnit::Hz;
    devices.name(1, pty.devicePath());
    devices.setOverrides(1, asked);
    Runtime runtime(std::make_unique<FailingReporter>());
    Form1 form(runtime, devices);

    // The counter: each question answered at once, its line end timed.
    std::mutex lock;
    std::map<QString, Clock::time_point> answeredAt; // by what the display shows
    std::atomic<bool> stop{false};
    std::thread counter([&] {
        long answer = 0;
        QByteArray heard;
        while (!stop) {
            heard += pty.received(20);
            while (heard.contains("READ?\n")) {
                heard.remove(0, heard.indexOf("READ?\n") + 6);
                char text[64];
                std::snprintf(text, sizeof text, "%+.14E", 145e6 + double(++answer) * 0.001);
                const auto shown
                        = readCounterLine(QString::fromLatin1(text), CounterUnit::Hz, true);
                if (!pty.write(QByteArray(text) + "\r\n"))
                    return;
                const std::lock_guard guard(lock);
                answeredAt[shown->shown + QStringLiteral(" MHz")] = Clock::now();
            }
        }
    });
    if (!form.load())
        fail("the window did not load");
    form.show();
    auto *label = form.findChild<QLabel *>(QStringLiteral("Label1"));
    auto *timer = form.findChild<QTimer *>(QStringLiteral("Timer1"));
    QList<double> latencies;
    // The connection ends with `watching`, before what it reads.
    QObject watching;
    QObject::connect(timer, &QTimer::timeout, &watching,
                     [label, lockAt = &lock, answeredAtAt = &answeredAt, latenciesAt = &latencies] {
                         const Clock::time_point now = Clock::now();
                         const std::lock_guard guard(*lockAt);
                         const auto answered = answeredAtAt->find(label->text());
                         if (answered == answeredAtAt->end())
                             return;
                         latenciesAt->append(msBetween(answered->second, now));
                         answeredAtAt->erase(answered);
                     });
    const bool allShown
            = QTest::qWaitFor([&] { return latencies.size() >= readings; }, readings * 1000);
    stop = true;
    counter.join();
    if (!allShown)
        fail("answers went missing on their way to the display");
    return latencies;
}

// Milliseconds a pseudo-terminal takes to hand one written character over to
// its device end: part of every latency measured here, and not the program's.
QList<double> ptyHandOvers(int samples)
{
    test::PtyPair pty;
    QList<double> times;
    char byte = 0;
    for (int i = 0; i < samples; ++i) {
        const Clock::time_point written = Clock::now();
        if (!pty.write(QByteArray(1, 'x')))
            fail("cannot write to a pseudo-terminal");
        pollfd readable{pty.deviceFd(), POLLIN, 0};
        if (::poll(&readable, 1, 1000) != 1)
            fail("a pseudo-terminal did not hand a character over");
        times.append(msBetween(written, Clock::now()));
        if (::read(pty.deviceFd(), &byte, 1) != 1)
            fail("cannot read from a pseudo-terminal");
        std::this_thread::sleep_for(std::chrono::microseconds(500 + i % 7 * 300));
    }
    return times;
}

// Milliseconds from a click on "Com2" (or "Com1") to the line open on it.
QList<double> portSwitches(int switches)
{
    test::PtyPair com1;
    test::PtyPair com2;
    qputenv("FREQCOUNTER_COM1", com1.devicePath().toLocal8Bit());
    qputenv("FREQCOUNTER_COM2", com2.devicePath().toLocal8Bit());
    Runtime runtime(std::make_unique<FailingReporter>());
    Form1 form(runtime);
    if (!form.load())
        fail("the window did not load");
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        fail("the window was not exposed");
    auto *line = form.findChild<SerialLine *>(QStringLiteral("MSComm1"));
    QList<double> times;
    for (int i = 0; i < switches; ++i) {
        const bool toTwo = i % 2 == 0;
        auto *option = form.findChild<QRadioButton *>(toTwo ? QStringLiteral("Option2")
                                                            : QStringLiteral("Option1"));
        const Clock::time_point clicked = Clock::now();
        QTest::mouseClick(option, Qt::LeftButton);
        const Clock::time_point open = Clock::now();
        if (!line->portOpen() || line->commPort() != (toTwo ? 2 : 1))
            fail("a click did not leave the line open on its port");
        times.append(msBetween(clicked, open));
        QCoreApplication::processEvents();
    }
    return times;
}

} // namespace freqcounter::bench
