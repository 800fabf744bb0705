// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
// freqcounter-bench: measures what the program costs and how fast a reading
// reaches the screen, and prints one table (and JSON with --json PATH).
// Every figure is the median of repeated runs, with the spread of the runs.
//
// In-process (offscreen window, real pseudo-terminal): display latency, port
// switch, and redrawing the history chart with a million readings. Out of
// process (the real binary on the X display named by
// FREQCOUNTER_BENCH_DISPLAY): idle cost beside a bare sleeping loop and an
// empty Qt window with the same timer, cost of a busy tick (also while
// recording and with the history window open), resident memory and its
// growth, start-up to a mapped window.

#include "form1.h"
#include "historychart.h"
#include "historywindow.h"
#include "mapwatch.h"
#include "ptypair.h"
#include "readinghistory.h"
#include "runtime.h"
#include "serialline.h"
#include "windowdefinition.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QRadioButton>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <poll.h>
#include <random>
#include <thread>
#include <unistd.h>

using namespace freqcounter;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

constexpr auto kCharacterTime = std::chrono::microseconds(1'000'000 / 120); // 1200 baud 8N1

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double percentile(QList<double> values, double fraction)
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
};

// CPU time of every thread of a process, in nanoseconds.
qint64 cpuNs(qint64 pid)
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
double percentOfCore(qint64 pid, qint64 before, double seconds)
{
    return double(cpuNs(pid) - before) / 1e9 / seconds * 100;
}

[[noreturn]] void fail(const char *what)
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

// The environment of a Qt program drawing on the given X display (the
// benchmark itself draws offscreen).
QProcessEnvironment onDisplay(const QByteArray &display)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
    return environment;
}

// This benchmark again, as one of the processes the idle cost is compared
// with (--sleep-loop or --qt-window).
void startSelf(QProcess &process, const char *role)
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

// A million readings: a random walk around 145 MHz, ten a second, with
// gaps: a reading missed every 97, an error code every 1009.
void addReadings(ReadingHistory &history, qsizetype count, std::mt19937 &random)
{
    static const QDateTime start = QDateTime::currentDateTime().addSecs(-200'000);
    static double mhz = 145.0;
    static qint64 slot = 0;
    std::normal_distribution<double> step(0.0, 2e-6);
    for (qsizetype i = 0; i < count; ++i) {
        mhz += step(random);
        if (++slot % 97 == 0)
            ++slot;
        const QString text
                = slot % 1009 == 0 ? QStringLiteral("ERR 3") : QString::number(mhz, 'f', 7);
        history.add({1, QStringLiteral("/dev/ttyUSB0"), start.addMSecs(slot * 100), text});
    }
}

// Milliseconds to draw the history chart, at its usual size, holding a
// million readings, the whole history in view.
QList<double> chartRedraws(int runs, std::mt19937 &random)
{
    ReadingHistory history;
    addReadings(history, ReadingHistory::kCapacity, random);
    HistoryChart chart(history);
    chart.setSpan(std::chrono::milliseconds(0));
    chart.resize(chart.sizeHint());
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto started = Clock::now();
        chart.render(&image);
        times.append(msBetween(started, Clock::now()));
    }
    return times;
}

// Milliseconds for one refresh of the history window while readings come
// in: the figures, the sigma-tau plot and the chart of a million readings,
// the whole history in view, with the few readings of a refresh interval
// added before each (the oldest dropping out as they come).
QList<double> historyRefreshes(int runs, std::mt19937 &random)
{
    Runtime runtime(std::make_unique<FailingReporter>());
    ReadingHistory history;
    addReadings(history, ReadingHistory::kCapacity, random);
    HistoryWindow window(history, runtime);
    window.findChild<QComboBox *>(QStringLiteral("span"))->setCurrentIndex(3); // everything
    window.resize(window.sizeHint());
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    window.render(&image);
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        addReadings(history, 3, random);
        const auto started = Clock::now();
        window.refresh();
        window.render(&image);
        times.append(msBetween(started, Clock::now()));
    }
    return times;
}

struct Options
{
    bool quick = false;
    // latency, idle, busy, startup, switch, fault, memory, chart or recording; empty for all
    QString only;
    QString json;
    QByteArray display;
    QString program;
};

QJsonObject machine()
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

// A recording as the program writes it: readings `stepMs` apart, a random
// walk around 10 MHz.
void writeRecording(const QString &path, int rows, int stepMs = 1000)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail("cannot write the recording");
    std::mt19937 random(20261208);
    std::normal_distribution<double> step(0, 1e-7);
    double mhz = 10;
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(1'765'000'000'000, QTimeZone::utc());
    QByteArray text = "time,port,device,reading\r\n";
    qint64 second = -1;
    QByteArray stamp;
    for (int i = 0; i < rows; ++i) {
        mhz += step(random);
        const qint64 ms = qint64(i) * stepMs;
        if (ms / 1000 != second) {
            second = ms / 1000;
            stamp = start.addSecs(second)
                            .toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"))
                            .toLatin1();
        }
        text += stamp + '.' + QByteArray::number(1000 + ms % 1000).sliced(1)
                + "+00:00,1,/dev/ttyUSB0," + QByteArray::number(mhz, 'f', 7) + "\r\n";
        if (text.size() > (1 << 20)) {
            file.write(text);
            text.clear();
        }
    }
    file.write(text);
}

void log(const QString &what)
{
    std::printf("  %s\n", qPrintable(what));
    std::fflush(stdout);
}

// The figures of one bench run, each group measured by a step of its own,
// and the table and JSON report of them.
class Bench
{
public:
    explicit Bench(Options options)
        : m_options(std::move(options))
        , m_repeats(m_options.quick ? 1 : 3)
        , m_growthTime(m_options.quick ? 60s : 600s)
    {}

    bool wanted(const char *group) const
    {
        return m_options.only.isEmpty() || m_options.only == QLatin1StringView(group);
    }

    // Memory growth: the longest run, in the background from the start.
    void startMemory()
    {
        log(QStringLiteral("memory: %1 s of readings in the background").arg(m_growthTime.count()));
        m_growthProgram = std::make_unique<Program>(m_options.display, m_options.program,
                                                    m_growthPty.devicePath());
        m_growthCounter.start();
        std::this_thread::sleep_until(m_growthProgram->mapped() + 3s);
        m_growthStartKiB = test::residentKiB(m_growthProgram->pid());
        m_resident.runs.append(double(m_growthStartKiB) / 1024.0);
        m_startup.runs.append(m_growthProgram->startupMs());
    }

    void finishMemory()
    {
        log(QStringLiteral("memory: waiting for the end of the %1 s run")
                    .arg(m_growthTime.count()));
        std::this_thread::sleep_until(m_growthProgram->mapped() + m_growthTime);
        m_growth.runs.append(double(test::residentKiB(m_growthProgram->pid()) - m_growthStartKiB)
                             / 1024.0);
        m_growthCounter.stop();
    }

    void latency()
    {
        const int readings = m_options.quick ? 60 : 200;
        for (int run = 0; run < m_repeats; ++run) {
            log(QStringLiteral("display latency: run %1 of %2, %3 readings")
                        .arg(run + 1)
                        .arg(m_repeats)
                        .arg(readings));
            const QList<double> latencies = displayLatencies(readings, m_random);
            m_p50.runs.append(percentile(latencies, 0.50));
            m_p99.runs.append(percentile(latencies, 0.99));
            m_pmax.runs.append(*std::max_element(latencies.begin(), latencies.end()));
            m_handOver.runs.append(percentile(ptyHandOvers(500), 0.99));
        }
    }

    void idle()
    {
        const auto idleTime = m_options.quick ? 10s : 60s;
        for (int run = 0; run < m_repeats; ++run) {
            log(QStringLiteral("idle cost: run %1 of %2, %3 s")
                        .arg(run + 1)
                        .arg(m_repeats)
                        .arg(idleTime.count()));
            idleRun(std::chrono::duration<double>(idleTime).count());
        }
    }

    void busy()
    {
        for (int run = 0; run < m_repeats; ++run) {
            log(QStringLiteral("busy tick: run %1 of %2, %3 s each plain, recording, history "
                               "open, large display open")
                        .arg(run + 1)
                        .arg(m_repeats)
                        .arg(busyTime().count()));
            busyTick(m_busy, {}, {});
            busyTick(m_busyRecording,
                     {QStringLiteral("--record"),
                      m_recordings.filePath(QStringLiteral("run-%1.csv").arg(run))},
                     {});
            busyTick(m_busyHistory, {}, QStringLiteral("ctrl+h"));
            busyTick(m_busyLarge, {}, QStringLiteral("F11"));
        }
    }

    void startup()
    {
        const int startups = m_options.quick ? 3 : 10;
        for (int run = 0; run < startups; ++run) {
            test::PtyPair quiet;
            Program program(m_options.display, m_options.program, quiet.devicePath());
            m_startup.runs.append(program.startupMs());
        }
        log(QStringLiteral("start-up: %1 starts").arg(m_startup.runs.size()));
    }

    void portSwitch()
    {
        for (int run = 0; run < m_repeats; ++run)
            m_portSwitch.runs.append(percentile(portSwitches(100), 0.5));
        log(QStringLiteral("port switch: %1 runs of 100 switches").arg(m_repeats));
    }

    // The counter unplugged, with the port idle and in the middle of a
    // reading: how soon the error box is mapped.
    void fault()
    {
        const int runs = m_options.quick ? 3 : 10;
        for (int run = 0; run < runs; ++run) {
            m_boxIdle.runs.append(boxAfterHangUp({}));
            m_boxMidReading.runs.append(boxAfterHangUp("145.12"));
        }
        log(QStringLiteral("fault: %1 hang-ups each idle and mid-reading").arg(runs));
    }

    void chart()
    {
        log(QStringLiteral("chart: a million readings, %1 redraws").arg(m_options.quick ? 3 : 10));
        m_chart.runs = chartRedraws(m_options.quick ? 3 : 10, m_random);
        log(QStringLiteral("chart: the history window's refresh, %1 refreshes")
                    .arg(m_options.quick ? 5 : 20));
        m_historyRefresh.runs = historyRefreshes(m_options.quick ? 5 : 20, m_random);
    }

    // A recording of a million readings looked at again: its stability
    // table printed, and the history window shown for it.
    void recording()
    {
        const QString path = m_recordings.filePath(QStringLiteral("million.csv"));
        writeRecording(path, 1'000'000);
        const int runs = m_options.quick ? 1 : 3;
        for (int run = 0; run < runs; ++run) {
            QProcess table;
            table.setStandardOutputFile(QProcess::nullDevice());
            table.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            const Clock::time_point started = Clock::now();
            table.start(m_options.program, {QStringLiteral("--stability"), path});
            if (!table.waitForFinished(60'000) || table.exitCode() != 0)
                fail("--stability failed");
            m_stabilityTable.runs.append(msBetween(started, Clock::now()) / 1000);
            const Program view(m_options.display, m_options.program, {},
                               {QStringLiteral("--view"), path}, QSize());
            m_viewShown.runs.append(view.startupMs() / 1000);
        }
        log(QStringLiteral("recording: a million readings, %1 runs").arg(runs));

        const QString tenMillion = m_recordings.filePath(QStringLiteral("ten-million.csv"));
        writeRecording(tenMillion, 10'000'000, 100);
        log(QStringLiteral("recording: ten million readings written"));
        for (int run = 0; run < runs; ++run) {
            const auto [seconds, peakMB] = stabilityTable(tenMillion);
            m_stabilityLong.runs.append(seconds);
            m_stabilityLongMemory.runs.append(peakMB);
            const auto [progress, picture] = viewFirstPicture(tenMillion);
            m_viewProgress.runs.append(progress);
            m_viewPicture.runs.append(picture);
        }
        log(QStringLiteral("recording: ten million readings, %1 runs").arg(runs));
        QFile::remove(tenMillion);
    }

    void report() const;

private:
    // Seconds for --stability on a recording, and its peak resident memory
    // in MB, sampled as it runs.
    std::pair<double, double> stabilityTable(const QString &path) const
    {
        QProcess table;
        table.setStandardOutputFile(QProcess::nullDevice());
        table.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const Clock::time_point started = Clock::now();
        table.start(m_options.program, {QStringLiteral("--stability"), path});
        if (!table.waitForStarted())
            fail("--stability did not start");
        qint64 peakKiB = 0;
        while (!table.waitForFinished(20))
            peakKiB = std::max(peakKiB, test::residentKiB(table.processId(), "VmHWM:"));
        if (table.exitCode() != 0)
            fail("--stability failed");
        return {msBetween(started, Clock::now()) / 1000, double(peakKiB) / 1024};
    }

    // In this process, a history window for a recording: seconds to the
    // first step of its progress, and to its first whole picture.
    static std::pair<double, double> viewFirstPicture(const QString &path)
    {
        Runtime runtime(std::make_unique<FailingReporter>());
        const Clock::time_point started = Clock::now();
        QPointer<HistoryWindow> window = HistoryWindow::openRecording(path, runtime);
        if (!window)
            fail("the recording could not be opened");
        window->resize(window->sizeHint());
        window->show();
        auto *progress = window->findChild<QProgressBar *>(QStringLiteral("reading"));
        std::optional<double> firstProgress;
        while (window->isLoading()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            if (!firstProgress && progress->value() > 0)
                firstProgress = msBetween(started, Clock::now()) / 1000;
        }
        QImage image(window->size(), QImage::Format_ARGB32_Premultiplied);
        window->render(&image);
        const double picture = msBetween(started, Clock::now()) / 1000;
        delete window.data();
        return {firstProgress.value_or(picture), picture};
    }

    std::chrono::seconds busyTime() const { return m_options.quick ? 10s : 30s; }
    void idleRun(double seconds);
    void busyTick(Figure &figure, const QStringList &arguments, const QString &keys);
    double boxAfterHangUp(const QByteArray &partOfReading);

    Options m_options;
    int m_repeats;
    std::chrono::seconds m_growthTime;
    std::mt19937 m_random{20261207};
    QTemporaryDir m_recordings;

    test::PtyPair m_growthPty;
    std::unique_ptr<Program> m_growthProgram;
    PacedCounter m_growthCounter{m_growthPty, [] { return 100ms - 10 * kCharacterTime; }};
    qint64 m_growthStartKiB = 0;

    Figure m_p50{QStringLiteral("display latency p50"), QStringLiteral("ms"), 55};
    Figure m_p99{QStringLiteral("display latency p99"), QStringLiteral("ms"), 100};
    Figure m_pmax{QStringLiteral("display latency max"), QStringLiteral("ms")};
    Figure m_handOver{QStringLiteral("  of which pty hand-over, p99"), QStringLiteral("ms")};
    Figure m_idle{QStringLiteral("idle CPU, port open, nothing arriving"),
                  QStringLiteral("% core")};
    Figure m_floor{QStringLiteral("bare loop sleeping 100 ms at a time"), QStringLiteral("% core")};
    Figure m_qtWindow{QStringLiteral("empty Qt window with a 100 ms timer"),
                      QStringLiteral("% core")};
    Figure m_qtRatio{QStringLiteral("empty Qt window / bare-loop floor"), QStringLiteral("x")};
    Figure m_ratio{QStringLiteral("idle CPU / bare-loop floor"), QStringLiteral("x"), 1.5};
    Figure m_resident{QStringLiteral("resident memory 3 s after the window is shown"),
                      QStringLiteral("MB"), 30};
    Figure m_idleLarge{QStringLiteral("  idle CPU, large display open"), QStringLiteral("% core")};
    Figure m_residentLarge{QStringLiteral("  resident memory, large display open"),
                           QStringLiteral("MB")};
    Figure m_startup{QStringLiteral("start-up, exec to window mapped"), QStringLiteral("ms"), 80};
    Figure m_busy{QStringLiteral("CPU per tick, a reading every 100 ms"), QStringLiteral("us")};
    Figure m_busyRecording{QStringLiteral("  the same, recording to a file"), QStringLiteral("us")};
    Figure m_busyHistory{QStringLiteral("  the same, history window open"), QStringLiteral("us")};
    Figure m_busyLarge{QStringLiteral("  the same, large display open"), QStringLiteral("us")};
    Figure m_portSwitch{QStringLiteral("port switch, click on Com2/Com1 to line open"),
                        QStringLiteral("ms")};
    Figure m_boxIdle{QStringLiteral("error box after a hang-up, port idle"), QStringLiteral("ms"),
                     200};
    Figure m_boxMidReading{QStringLiteral("  the same, in the middle of a reading"),
                           QStringLiteral("ms"), 200};
    Figure m_chart{QStringLiteral("history chart redraw, a million readings"), QStringLiteral("ms"),
                   50};
    Figure m_historyRefresh{QStringLiteral("history window refresh, a million readings, gaps"),
                            QStringLiteral("ms"), 25};
    Figure m_stabilityTable{QStringLiteral("--stability, a million readings"), QStringLiteral("s"),
                            3};
    Figure m_viewShown{QStringLiteral("--view to window mapped, a million readings"),
                       QStringLiteral("s"), 3};
    Figure m_stabilityLong{QStringLiteral("--stability, ten million readings"), QStringLiteral("s"),
                           25};
    // 40 bytes a reading and 100 MB.
    Figure m_stabilityLongMemory{QStringLiteral("  its peak resident memory"), QStringLiteral("MB"),
                                 500};
    Figure m_viewProgress{QStringLiteral("a window for ten million readings: progress"),
                          QStringLiteral("s"), 1};
    Figure m_viewPicture{QStringLiteral("  the same: first whole picture"), QStringLiteral("s"),
                         30};
    Figure m_growth{QStringLiteral("resident memory growth over %1 s of readings")
                            .arg(m_growthTime.count()),
                    QStringLiteral("MB"), 0.5};
};

// The program idle beside the floors it is compared with: a bare sleeping
// loop, and an empty Qt window with the same timer; and the program with
// its large display open.
void Bench::idleRun(double seconds)
{
    test::PtyPair quiet;
    Program program(m_options.display, m_options.program, quiet.devicePath());
    m_startup.runs.append(program.startupMs());
    test::PtyPair quietToo;
    Program large(m_options.display, m_options.program, quietToo.devicePath());
    large.press(QStringLiteral("F11"));
    QProcess loop;
    startSelf(loop, "--sleep-loop");
    QProcess window;
    window.setProcessEnvironment(onDisplay(m_options.display));
    startSelf(window, "--qt-window");
    std::this_thread::sleep_until(program.mapped() + 3s);
    m_resident.runs.append(double(test::residentKiB(program.pid())) / 1024.0);
    m_residentLarge.runs.append(double(test::residentKiB(large.pid())) / 1024.0);
    const qint64 largeBefore = cpuNs(large.pid());
    const qint64 programBefore = cpuNs(program.pid());
    const qint64 loopBefore = cpuNs(loop.processId());
    const qint64 windowBefore = cpuNs(window.processId());
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    const double programCpu = percentOfCore(program.pid(), programBefore, seconds);
    m_idleLarge.runs.append(percentOfCore(large.pid(), largeBefore, seconds));
    const double loopCpu = percentOfCore(loop.processId(), loopBefore, seconds);
    const double windowCpu = percentOfCore(window.processId(), windowBefore, seconds);
    loop.kill();
    loop.waitForFinished();
    window.kill();
    window.waitForFinished();
    m_qtWindow.runs.append(windowCpu);
    m_qtRatio.runs.append(windowCpu / loopCpu);
    m_idle.runs.append(programCpu);
    m_floor.runs.append(loopCpu);
    m_ratio.runs.append(programCpu / loopCpu);
}

// keys: what is pressed in the window before measuring, if anything.
void Bench::busyTick(Figure &figure, const QStringList &arguments, const QString &keys)
{
    test::PtyPair pty;
    Program program(m_options.display, m_options.program, pty.devicePath(), arguments);
    m_startup.runs.append(program.startupMs());
    PacedCounter counter(pty, [] { return 100ms - 10 * kCharacterTime; });
    counter.start();
    if (!keys.isEmpty())
        program.press(keys);
    std::this_thread::sleep_for(2s);
    const qint64 before = cpuNs(program.pid());
    std::this_thread::sleep_for(busyTime());
    const double ticks = std::chrono::duration<double>(busyTime()).count() * 10;
    figure.runs.append(double(cpuNs(program.pid()) - before) / 1000.0 / ticks);
    counter.stop();
}

// Milliseconds from the counter's hang-up to the error box mapped, after
// the part of a reading given was sent.
double Bench::boxAfterHangUp(const QByteArray &partOfReading)
{
    test::PtyPair pty;
    Program program(m_options.display, m_options.program, pty.devicePath());
    if (!partOfReading.isEmpty() && !pty.write(partOfReading))
        fail("the part of a reading could not be sent");
    const Clock::time_point lost = Clock::now();
    pty.hangUp();
    const auto box = program.nextWindowMapped();
    if (!box)
        fail("no error box was mapped after the hang-up");
    return msBetween(lost, *box);
}

void Bench::report() const
{
    const QList<const Figure *> figures{&m_p50,
                                        &m_p99,
                                        &m_pmax,
                                        &m_handOver,
                                        &m_idle,
                                        &m_idleLarge,
                                        &m_floor,
                                        &m_ratio,
                                        &m_qtWindow,
                                        &m_qtRatio,
                                        &m_busy,
                                        &m_busyRecording,
                                        &m_busyHistory,
                                        &m_busyLarge,
                                        &m_resident,
                                        &m_residentLarge,
                                        &m_growth,
                                        &m_startup,
                                        &m_portSwitch,
                                        &m_boxIdle,
                                        &m_boxMidReading,
                                        &m_chart,
                                        &m_historyRefresh,
                                        &m_stabilityTable,
                                        &m_viewShown,
                                        &m_stabilityLong,
                                        &m_stabilityLongMemory,
                                        &m_viewProgress,
                                        &m_viewPicture};
    QJsonArray rows;
    std::printf("\n%-48s %9s %9s %9s %5s  %-7s %s\n", "figure", "median", "min", "max", "runs",
                "target", "unit");
    for (const Figure *figure : figures) {
        if (figure->runs.isEmpty())
            continue;
        QList<double> runs = figure->runs;
        std::sort(runs.begin(), runs.end());
        const double median = runs.at(runs.size() / 2);
        const bool met = figure->atMost && median <= *figure->atMost;
        const QString verdict = figure->atMost
                ? (met ? QStringLiteral(" met") : QStringLiteral(" MISSED"))
                : QString();
        std::printf("%-48s %9.2f %9.2f %9.2f %5lld  %-7s %s%s\n", qPrintable(figure->name), median,
                    runs.first(), runs.last(), qlonglong(runs.size()), qPrintable(figure->target()),
                    qPrintable(figure->unit), qPrintable(verdict));
        QJsonObject row{{QStringLiteral("figure"), figure->name},
                        {QStringLiteral("unit"), figure->unit},
                        {QStringLiteral("median"), median},
                        {QStringLiteral("min"), runs.first()},
                        {QStringLiteral("max"), runs.last()},
                        {QStringLiteral("runs"), int(runs.size())}};
        if (figure->atMost) {
            row.insert(QStringLiteral("target"), figure->target());
            row.insert(QStringLiteral("met"), met);
        }
        rows.append(row);
    }
    const QJsonObject thisMachine = machine();
    const QJsonObject report{{QStringLiteral("machine"), thisMachine},
                             {QStringLiteral("quick"), m_options.quick},
                             {QStringLiteral("figures"), rows}};
    std::printf("\nmachine: %s\n",
                QJsonDocument(thisMachine).toJson(QJsonDocument::Compact).constData());
    if (!m_options.json.isEmpty()) {
        QFile out(m_options.json);
        if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(report).toJson()) < 0)
            fail("cannot write the JSON report");
    }
}

Options parseOptions(const QStringList &arguments)
{
    Options options;
    options.display = qgetenv("FREQCOUNTER_BENCH_DISPLAY");
    options.quick = arguments.contains(QStringLiteral("--quick"));
    const qsizetype jsonAt = arguments.indexOf(QStringLiteral("--json"));
    if (jsonAt > 0 && jsonAt + 1 < arguments.size())
        options.json = arguments.at(jsonAt + 1);
    const qsizetype onlyAt = arguments.indexOf(QStringLiteral("--only"));
    if (onlyAt > 0 && onlyAt + 1 < arguments.size())
        options.only = arguments.at(onlyAt + 1);
    options.program = QStringLiteral(FREQCOUNTER_BINARY);
    if (options.display.isEmpty())
        fail("FREQCOUNTER_BENCH_DISPLAY must name an X display (scripts/bench starts one)");
    return options;
}

// The floors the idle cost is compared with, run as a process of their own.
int runFloor(int argc, char *argv[])
{
    // The bare loop: the floor any 10-a-second poll pays on this machine.
    if (QByteArrayView(argv[1]) == "--sleep-loop") {
        for (;;)
            std::this_thread::sleep_for(100ms);
    }
    // The least any Qt window polling ten times a second costs here: an empty
    // label and a 100 ms timer, on the program's display.
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Waiting"));
    label.show();
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, &tick, [] {});
    tick.start(100);
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2
        && (QByteArrayView(argv[1]) == "--sleep-loop" || QByteArrayView(argv[1]) == "--qt-window"))
        return runFloor(argc, argv);

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Bench bench(parseOptions(QCoreApplication::arguments()));
    // The memory growth runs in the background through all the others.
    const std::pair<const char *, void (Bench::*)()> groups[]
            = {{"memory", &Bench::startMemory},  {"latency", &Bench::latency},
               {"idle", &Bench::idle},           {"busy", &Bench::busy},
               {"startup", &Bench::startup},     {"switch", &Bench::portSwitch},
               {"fault", &Bench::fault},         {"chart", &Bench::chart},
               {"recording", &Bench::recording}, {"memory", &Bench::finishMemory}};
    for (const auto &[group, measure] : groups) {
        if (bench.wanted(group))
            (bench.*measure)();
    }
    bench.report();
    return 0;
}
