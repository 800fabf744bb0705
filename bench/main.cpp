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
// growth, start-up to a mapped window; and the logger (the real binary with
// no window and no display) fed a thousand readings a second, and idle beside
// the window, with what the recorder's syncs cost in process.
#include "benchsupport.h"
#include "historywindow.h"
#include "inprocess.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <tuple>

using namespace freqcounter;
using namespace freqcounter::bench;

namespace {

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

    void query()
    {
        const int readings = m_options.quick ? 30 : 100;
        for (int run = 0; run < m_repeats; ++run) {
            log(QStringLiteral("asked counter: run %1 of %2, %3 answers")
                        .arg(run + 1)
                        .arg(m_repeats)
                        .arg(readings));
            const QList<double> latencies = queryLatencies(readings);
            m_queryP50.runs.append(percentile(latencies, 0.50));
            m_queryMax.runs.append(*std::max_element(latencies.begin(), latencies.end()));
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
        log(QStringLiteral("chart: the same of a time-interval counter's phases"));
        m_phaseRefresh.runs = historyRefreshes(m_options.quick ? 5 : 20, m_random, true);
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

    // The logger: an accelerated week beside the window's busy tick (one
    // measured here if the busy group did not run), idle beside the window,
    // and the cost of its syncs.
    void logger()
    {
        if (m_busy.runs.isEmpty()) {
            log(QStringLiteral("logger: one busy tick of the window, %1 s, to compare with")
                        .arg(busyTime().count()));
            busyTick(m_busy, {}, {});
        }
        log(QStringLiteral("logger: %1 s at 1000 readings a second").arg(m_growthTime.count()));
        loggerWeek();
        const auto idleTime = m_options.quick ? 10s : 60s;
        for (int run = 0; run < m_repeats; ++run) {
            log(QStringLiteral("logger: idle beside the window, run %1 of %2, %3 s")
                        .arg(run + 1)
                        .arg(m_repeats)
                        .arg(idleTime.count()));
            loggerIdle(std::chrono::duration<double>(idleTime).count());
        }
        const int syncs = m_options.quick ? 3 : 10;
        log(QStringLiteral("logger: %1 syncs after 1000 lines, and 1000 lines synced each")
                    .arg(syncs));
        std::tie(m_syncOnce.runs, m_syncEveryLine.runs) = syncTimes(m_recordings.path(), syncs);
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
    void loggerWeek();
    void loggerIdle(double seconds);

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
    Figure m_queryP50{QStringLiteral("asked counter, 115200 baud: answer to screen, p50"),
                      QStringLiteral("ms")};
    Figure m_queryMax{QStringLiteral("  the same, max (one poll)"), QStringLiteral("ms"), 100};
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
    Figure m_idleNetwork{QStringLiteral("  idle CPU, a silent counter on the network"),
                         QStringLiteral("% core")};
    Figure m_networkRatio{QStringLiteral("  idle CPU on the network / on a serial port"),
                          QStringLiteral("x"), 1.1};
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
    Figure m_phaseRefresh{QStringLiteral("  the same, a million phases"), QStringLiteral("ms"), 25};
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
    Figure m_loggerGrowth{
            QStringLiteral("logger at 1000 readings/s: growth over %1 s").arg(m_growthTime.count()),
            QStringLiteral("MB"), 1};
    Figure m_loggerReading{QStringLiteral("  its CPU per reading recorded"), QStringLiteral("us")};
    Figure m_loggerRatio{QStringLiteral("  / the window's CPU per busy tick"), QStringLiteral("x"),
                         1};
    Figure m_loggerIdle{QStringLiteral("logger idle CPU, port open, nothing arriving"),
                        QStringLiteral("% core")};
    Figure m_loggerIdleWindow{QStringLiteral("  the window beside it, the same seconds"),
                              QStringLiteral("% core")};
    Figure m_loggerIdleRatio{QStringLiteral("  logger idle / the window's"), QStringLiteral("x"),
                             1};
    Figure m_syncOnce{QStringLiteral("fdatasync once a second, after 1000 lines"),
                      QStringLiteral("ms")};
    Figure m_syncEveryLine{QStringLiteral("  a line appended, syncing every line"),
                           QStringLiteral("us")};
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
    // A counter on the network that never sends: the kernel takes the
    // connection into the listening queue, so nothing need accept it.
    QTcpServer silent;
    if (!silent.listen(QHostAddress::LocalHost))
        fail("cannot listen on the loopback address");
    Program network(m_options.display, m_options.program,
                    QStringLiteral("tcp://127.0.0.1:%1").arg(silent.serverPort()));
    QProcess loop;
    startSelf(loop, "--sleep-loop");
    QProcess window;
    window.setProcessEnvironment(onDisplay(m_options.display));
    startSelf(window, "--qt-window");
    std::this_thread::sleep_until(program.mapped() + 3s);
    m_resident.runs.append(double(test::residentKiB(program.pid())) / 1024.0);
    m_residentLarge.runs.append(double(test::residentKiB(large.pid())) / 1024.0);
    const qint64 largeBefore = cpuNs(large.pid());
    const qint64 networkBefore = cpuNs(network.pid());
    const qint64 programBefore = cpuNs(program.pid());
    const qint64 loopBefore = cpuNs(loop.processId());
    const qint64 windowBefore = cpuNs(window.processId());
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    const double programCpu = percentOfCore(program.pid(), programBefore, seconds);
    m_idleLarge.runs.append(percentOfCore(large.pid(), largeBefore, seconds));
    const double networkCpu = percentOfCore(network.pid(), networkBefore, seconds);
    const double loopCpu = percentOfCore(loop.processId(), loopBefore, seconds);
    const double windowCpu = percentOfCore(window.processId(), windowBefore, seconds);
    loop.kill();
    loop.waitForFinished();
    window.kill();
    window.waitForFinished();
    m_qtWindow.runs.append(windowCpu);
    m_qtRatio.runs.append(windowCpu / loopCpu);
    m_idle.runs.append(programCpu);
    m_idleNetwork.runs.append(networkCpu);
    m_networkRatio.runs.append(networkCpu / programCpu);
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

// The real program as a logger recording what comes on `device` to `path`,
// with no display in its environment, once it has said its port is open.
void startLogger(QProcess &logger, const QString &program, const QString &device,
                 const QString &path)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
                                QStringLiteral("QT_QPA_PLATFORM")})
        environment.remove(name);
    logger.setProcessEnvironment(environment);
    logger.setReadChannel(QProcess::StandardError);
    logger.start(program,
                 {QStringLiteral("--no-window"), QStringLiteral("--record"), path,
                  QStringLiteral("--com1"), device});
    QByteArray told;
    while (!told.contains(" is open.")) {
        if (!logger.waitForReadyRead(10'000))
            fail("the logger never said its port was open");
        told += logger.readAllStandardError();
    }
}

// Waits until `until`, failing if the logger ends meanwhile.
void keepAlive(QProcess &logger, Clock::time_point until)
{
    for (auto left = until - Clock::now(); left > 0ms; left = until - Clock::now()) {
        const auto step = std::min<Clock::duration>(left, 1s);
        if (logger.waitForFinished(int(std::chrono::ceil<std::chrono::milliseconds>(step).count())))
            fail("the logger ended before it was told to");
    }
}

void stopLogger(QProcess &logger)
{
    logger.terminate();
    if (!logger.waitForFinished(10'000) || logger.exitStatus() != QProcess::NormalExit
        || logger.exitCode() != 0)
        fail("the logger did not end with status 0 on SIGTERM");
}

// The rows of a recording, its header aside.
qint64 rowsOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("cannot read the logger's recording");
    qint64 lines = 0;
    while (!file.atEnd())
        lines += file.read(1 << 20).count('\n');
    return lines - 1;
}

// The logger fed ten readings every 10 ms, each different, for as long as
// the memory run: its resident memory growth from 3 s on, and its CPU per
// reading recorded, beside the window's per tick.
void Bench::loggerWeek()
{
    test::PtyPair pty;
    const QString path = m_recordings.filePath(QStringLiteral("logger.csv"));
    QProcess logger;
    startLogger(logger, m_options.program, pty.devicePath(), path);
    const qint64 pid = logger.processId();
    // A quiet start: a first poll with nothing waiting, or the line's first
    // reading is dropped as one it may have come in halfway through.
    keepAlive(logger, Clock::now() + 250ms);
    std::atomic<bool> stop{false};
    std::atomic<bool> writing{true};
    std::atomic<qint64> sent{0};
    // PtyPair::write blocks while the device end is full, as it is once the
    // logger stops reading: the feeder is stopped only while the logger is
    // known to be alive, and a logger that ends fails the bench at once.
    std::thread feeder([&] {
        Clock::time_point next = Clock::now();
        for (qint64 made = 0; !stop; next += 10ms) {
            QByteArray ten;
            for (const qint64 last = made + 10; made < last; ++made)
                ten += "145." + QByteArray::number(made).rightJustified(7, '0') + "\r\n";
            if (!pty.write(ten)) {
                writing = false;
                return;
            }
            sent = made;
            std::this_thread::sleep_until(next + 10ms);
        }
    });
    const Clock::time_point started = Clock::now();
    const qint64 cpuBefore = cpuNs(pid);
    keepAlive(logger, started + 3s);
    const qint64 startKiB = test::residentKiB(pid);
    keepAlive(logger, started + m_growthTime);
    stop = true;
    feeder.join();
    // Its last tick takes what was still on the line.
    keepAlive(logger, Clock::now() + 300ms);
    const qint64 cpu = cpuNs(pid) - cpuBefore;
    const qint64 endKiB = test::residentKiB(pid);
    stopLogger(logger);
    const qint64 recorded = rowsOf(path);
    log(QStringLiteral("logger: %1 of %2 readings sent recorded; resident %3 KiB at 3 s, %4 KiB "
                       "at the end")
                .arg(recorded)
                .arg(sent.load())
                .arg(startKiB)
                .arg(endKiB));
    if (!writing || recorded < sent * 999 / 1000)
        fail("the logger did not record nearly every reading sent");
    QFile::remove(path);
    m_loggerGrowth.runs.append(double(endKiB - startKiB) / 1024.0);
    m_loggerReading.runs.append(double(cpu) / 1000.0 / double(recorded));
    m_loggerRatio.runs.append(m_loggerReading.runs.last() / m_busy.median());
}

// The logger with its port open and nothing arriving, beside the window on
// a quiet port of its own over the same seconds.
void Bench::loggerIdle(double seconds)
{
    test::PtyPair quiet;
    QProcess logger;
    startLogger(logger, m_options.program, quiet.devicePath(),
                m_recordings.filePath(QStringLiteral("idle.csv")));
    test::PtyPair quietToo;
    Program window(m_options.display, m_options.program, quietToo.devicePath());
    m_startup.runs.append(window.startupMs());
    std::this_thread::sleep_until(window.mapped() + 3s);
    const qint64 loggerBefore = cpuNs(logger.processId());
    const qint64 windowBefore = cpuNs(window.pid());
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    const double loggerCpu = percentOfCore(logger.processId(), loggerBefore, seconds);
    const double windowCpu = percentOfCore(window.pid(), windowBefore, seconds);
    stopLogger(logger);
    m_loggerIdle.runs.append(loggerCpu);
    m_loggerIdleWindow.runs.append(windowCpu);
    m_loggerIdleRatio.runs.append(loggerCpu / windowCpu);
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
                                        &m_queryP50,
                                        &m_queryMax,
                                        &m_idle,
                                        &m_idleLarge,
                                        &m_idleNetwork,
                                        &m_networkRatio,
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
                                        &m_phaseRefresh,
                                        &m_stabilityTable,
                                        &m_viewShown,
                                        &m_stabilityLong,
                                        &m_stabilityLongMemory,
                                        &m_viewProgress,
                                        &m_viewPicture,
                                        &m_loggerGrowth,
                                        &m_loggerReading,
                                        &m_loggerRatio,
                                        &m_loggerIdle,
                                        &m_loggerIdleWindow,
                                        &m_loggerIdleRatio,
                                        &m_syncOnce,
                                        &m_syncEveryLine};
    QJsonArray rows;
    std::printf("\n%-48s %9s %9s %9s %5s  %-7s %s\n", "figure", "median", "min", "max", "runs",
                "target", "unit");
    for (const Figure *figure : figures) {
        if (figure->runs.isEmpty())
            continue;
        QList<double> runs = figure->runs;
        std::sort(runs.begin(), runs.end());
        const double median = figure->median();
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
            = {{"memory", &Bench::startMemory}, {"latency", &Bench::latency},
               {"query", &Bench::query},        {"idle", &Bench::idle},
               {"busy", &Bench::busy},          {"startup", &Bench::startup},
               {"switch", &Bench::portSwitch},  {"fault", &Bench::fault},
               {"chart", &Bench::chart},        {"recording", &Bench::recording},
               {"logger", &Bench::logger},      {"memory", &Bench::finishMemory}};
    for (const auto &[group, measure] : groups) {
        if (bench.wanted(group))
            (bench.*measure)();
    }
    bench.report();
    return 0;
}
