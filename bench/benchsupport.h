// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every group of the benchmark's figures shares: a figure, the clock,
// the counter paced as the real one, the real program on an X display, the
// options, and saying what goes on.

#include "mapwatch.h"
#include "ptypair.h"
#include "runtime.h"
#include "windowdefinition.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QSize>
#include <QSysInfo>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <thread>

namespace freqcounter::bench {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto kCharacterTime = std::chrono::microseconds(1'000'000 / 120); // 1200 baud 8N1

inline double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

inline double percentile(QList<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<qsizetype>(std::ceil(fraction * double(values.size())));
    return values.at(std::clamp<qsizetype>(rank - 1, 0, values.size() - 1));
}

// One line of the table: the samples of its runs and, where it has a
// target, the most it may be.
struct Figure
{
    QString name;
    QString unit;
    std::optional<double> atMost = std::nullopt;
    QList<double> runs = {};

    QString target() const { return atMost ? QStringLiteral("<= %1").arg(*atMost) : QString(); }
    double median() const
    {
        QList<double> sorted = runs;
        std::sort(sorted.begin(), sorted.end());
        return sorted.at(sorted.size() / 2);
    }
};

// CPU time of every thread of a process, in nanoseconds.
inline qint64 cpuNs(qint64 pid)
{
    qint64 total = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (stat.open(QIODevice::ReadOnly))
            total += stat.readAll().split(' ').value(0).toLongLong();
    }
    return total;
}

// Percent of one core a process used since `before` (from cpuNs) over `seconds`.
inline double percentOfCore(qint64 pid, qint64 before, double seconds)
{
    return double(cpuNs(pid) - before) / 1e9 / seconds * 100;
}

[[noreturn]] inline void fail(const char *what)
{
    std::fprintf(stderr, "freqcounter-bench: %s\n", what);
    std::exit(1);
}

// In-process windows must not fail; if one does, so does the benchmark.
class FailingReporter : public ErrorReporter
{
public:
    void report(const RuntimeError &error) override
    {
        std::fprintf(stderr, "freqcounter-bench: %s\n", qPrintable(error.text()));
        std::exit(1);
    }
};

// Sends readings into a pseudo-terminal from a thread, one character every
// 1/120 s, and notes when each reading's line end went out.
class PacedCounter
{
public:
    using Gap = std::function<Clock::duration()>;

    PacedCounter(test::PtyPair &pty, Gap gap)
        : m_pty(pty)
        , m_gap(std::move(gap))
    {}
    ~PacedCounter() { stop(); }

    void start(int readings = 0)
    {
        m_thread = std::thread([this, readings] { run(readings); });
    }
    void stop()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    bool finished() const { return m_finished; }
    std::optional<Clock::time_point> lineEndOf(const QString &reading)
    {
        const std::lock_guard lock(m_mutex);
        const auto found = m_lineEnds.find(reading);
        if (found == m_lineEnds.end())
            return std::nullopt;
        return found->second;
    }

private:
    void run(int readings)
    {
        Clock::time_point next = Clock::now();
        for (int i = 0; !m_stop && (readings == 0 || i < readings); ++i) {
            // Every reading differs, so that each can be told on the display.
            const QByteArray reading = QByteArray::number(145 + i / 10000) + '.'
                    + QByteArray::number(i % 10000).rightJustified(4, '0');
            for (const char c : reading + "\r\n") {
                std::this_thread::sleep_until(next);
                if (!m_pty.write(QByteArray(1, c)))
                    return;
                if (c == '\r') {
                    const std::lock_guard lock(m_mutex);
                    m_lineEnds[QString::fromLatin1(reading)] = Clock::now();
                }
                next += kCharacterTime;
            }
            next += m_gap();
        }
        m_finished = true;
    }

    test::PtyPair &m_pty;
    Gap m_gap;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_finished{false};
    std::mutex m_mutex;
    std::map<QString, Clock::time_point> m_lineEnds;
};

// The environment of a Qt program drawing on the given X display (the
// benchmark itself draws offscreen).
inline QProcessEnvironment onDisplay(const QByteArray &display)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
    return environment;
}

// This benchmark again, as one of the processes the idle cost is compared
// with (--sleep-loop or --qt-window).
inline void startSelf(QProcess &process, const char *role)
{
    process.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(role)});
    if (!process.waitForStarted())
        fail("a comparison process did not start");
}

// The real program, started on its own X display with a device for COM1.
class Program
{
public:
    // size: of the window waited for; invalid for any.
    Program(const QByteArray &display, const QString &program, const QString &device,
            const QStringList &arguments = {}, QSize size = WindowDefinition::clientSize())
        : m_watch(display)
        , m_display(display)
    {
        if (!m_watch.isValid())
            fail("cannot connect to the X display FREQCOUNTER_BENCH_DISPLAY names");
        QProcessEnvironment environment = onDisplay(display);
        environment.insert(QStringLiteral("FREQCOUNTER_COM1"), device);
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_started = Clock::now();
        m_process.start(program, arguments);
        if (!m_process.waitForStarted())
            fail("the program did not start");
        const auto mapped = m_watch.waitForMap(size, 10s);
        if (!mapped)
            fail("the program's window was never mapped");
        m_mapped = *mapped;
    }
    ~Program()
    {
        m_process.terminate();
        m_process.waitForFinished(3000);
    }

    qint64 pid() const { return m_process.processId(); }

    // Presses keys in the program's window, as a user would.
    void press(const QString &keys)
    {
        QProcess xdotool;
        xdotool.setProcessEnvironment(onDisplay(m_display));
        xdotool.start(QStringLiteral("xdotool"),
                      {QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--pid"),
                       QString::number(pid()), QStringLiteral("--name"),
                       QStringLiteral("^2GHz Frequency counter$"), QStringLiteral("windowfocus"),
                       QStringLiteral("--sync"), QStringLiteral("key"), keys});
        if (!xdotool.waitForFinished() || xdotool.exitCode() != 0)
            fail("xdotool could not press keys in the program's window");
    }
    double startupMs() const { return msBetween(m_started, m_mapped); }
    Clock::time_point mapped() const { return m_mapped; }
    // When the program's next window (a box, say) was mapped, if within 10 s.
    std::optional<Clock::time_point> nextWindowMapped() { return m_watch.waitForMap(QSize(), 10s); }

private:
    bench::MapWatch m_watch;
    QByteArray m_display;
    QProcess m_process;
    Clock::time_point m_started;
    Clock::time_point m_mapped;
};

struct Options
{
    bool quick = false;
    // latency, query, idle, busy, startup, switch, fault, memory, chart, recording or logger;
    // empty for all
    QString only;
    QString json;
    QByteArray display;
    QString program;
};

inline QJsonObject machine()
{
    QString cpu;
    QFile info(QStringLiteral("/proc/cpuinfo"));
    if (info.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : info.readAll().split('\n')) {
            if (line.startsWith("model name")) {
                cpu = QString::fromLatin1(line.mid(line.indexOf(':') + 1).trimmed());
                break;
            }
        }
    }
    return {{QStringLiteral("cpu"), cpu},
            {QStringLiteral("cores"), int(std::thread::hardware_concurrency())},
            {QStringLiteral("kernel"), QSysInfo::kernelVersion()},
            {QStringLiteral("os"), QSysInfo::prettyProductName()},
            {QStringLiteral("qt"), QString::fromLatin1(qVersion())}};
}

inline void log(const QString &what)
{
    std::printf("  %s\n", qPrintable(what));
    std::fflush(stdout);
}

} // namespace freqcounter::bench
