// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "logger.h"

#include "counter.h"
#include "loggerrecording.h"
#include "readingserver.h"
#include "reconnection.h"
#include "recordingerror.h"
#include "serialline.h"
#include "windowdefinition.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace freqcounter {

// One port's line, its counter, and how it rides through the line's loss.
struct Logger::Watched
{
    explicit Watched(Logger &logger)
        : reconnection(line, [&logger](const QString &text) { logger.tell(text, Level::Warning); })
    {}

    SerialLine line;
    Counter counter;
    Reconnection reconnection;
    bool silent = false;
};

namespace {

// The most a tick takes from a line: the window takes one buffer's worth
// (1024 characters), which a counter at 1000 readings a second outruns.
constexpr qsizetype kMostPerTick = qsizetype{64} * 1024;

// Everything waiting on the line, up to the most a tick takes; nothing when
// nothing waits. A loss found after something was taken is kept, to be
// raised once what came before it is in.
struct Taken
{
    std::optional<QString> received;
    std::optional<SerialError> lost;
};

Taken takeWaiting(SerialLine &line)
{
    Taken taken;
    if (line.inBufferCount() == 0)
        return taken;
    taken.received = line.input();
    try {
        while (taken.received->size() < kMostPerTick && line.inBufferCount() != 0)
            *taken.received += line.input();
    } catch (const SerialError &error) {
        taken.lost = error;
    }
    return taken;
}

} // namespace

Logger::Logger(Setup setup, QObject *parent)
    : QObject(parent)
    , m_setup(std::move(setup))
    , m_timer(new QTimer(this))
{
    // The window's pace: a counter that talks by itself is read as the
    // window reads it, one that is asked is asked as often.
    m_timer->setInterval(WindowDefinition::kPollInterval);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &Logger::tick);
}

Logger::~Logger() = default;

bool Logger::start()
{
    m_clock.start();
    try {
        if (!m_setup.recordPath.isEmpty()) {
            m_recording = std::make_unique<LoggerRecording>(
                    m_setup.recordPath, m_setup.math.isOn(),
                    [this](const QString &change) { tell(change, Level::Warning); });
            tell(tr("Recording to %1.")
                         .arg(QDir::toNativeSeparators(
                                 QFileInfo(m_setup.recordPath).absoluteFilePath())));
        }
    } catch (const RecordingError &error) {
        fail(error.description());
        return false;
    }
    if (m_setup.serve) {
        m_server = new ReadingServer(this);
        if (const std::optional<QString> why = m_server->listen(*m_setup.serve)) {
            fail(*why);
            return false;
        }
        m_server->tellChanges(this, [this](const QString &text) { tell(text); });
        tell(tr("Serving the readings on tcp://%1, to %2 clients at most.")
                     .arg(m_server->address().toString())
                     .arg(ReadingServer::kMostClients));
    }
    for (const qint16 port : std::as_const(m_setup.ports)) {
        auto watched = std::make_unique<Watched>(*this);
        watched->line.setPortDevices(m_setup.devices);
        watched->counter.setMath(m_setup.math);
        try {
            watched->line.setCommPort(port);
            watched->line.setPortOpen(true);
            watched->reconnection.opened();
            setUp(*watched);
            tell(tr("Port %1 (%2) is open.").arg(port).arg(watched->line.openDevice()));
        } catch (const SerialError &error) {
            if (!watched->reconnection.lose(error, m_clock.elapsed())) {
                fail(error.description());
                return false;
            }
        }
        m_watched.push_back(std::move(watched));
    }
    m_timer->start();
    return true;
}

void Logger::setUp(Watched &watched)
{
    const QByteArray setup = watched.counter.opened(watched.line.counterLine());
    if (!setup.isEmpty())
        watched.line.output(setup);
}

void Logger::tick()
{
    const qint64 now = m_clock.elapsed();
    for (const std::unique_ptr<Watched> &watched : m_watched) {
        tickOn(*watched, now);
        if (m_failed)
            return;
    }
    if (m_recording)
        m_recording->syncIfDue();
}

void Logger::tickOn(Watched &watched, qint64 now)
{
    Reconnection &reconnection = watched.reconnection;
    try {
        if (reconnection.waiting()) {
            if (reconnection.reopenIfDue(now))
                setUp(watched);
            return;
        }
        reconnection.check(now);
        const Taken taken = takeWaiting(watched.line);
        const Counter::Polled polled = watched.counter.poll(taken.received);
        if (!polled.notice.isEmpty())
            tell(polled.notice, Level::Warning);
        if (watched.counter.silent() != watched.silent) {
            watched.silent = !watched.silent;
            tell(watched.silent
                         ? tr("The counter on port %1 does not answer.")
                                   .arg(watched.line.commPort())
                         : tr("The counter on port %1 answers again.").arg(watched.line.commPort()),
                 Level::Warning);
        }
        keep(watched, polled.readings);
        if (taken.lost)
            throw *taken.lost;
        if (!polled.send.isEmpty())
            watched.line.output(polled.send);
    } catch (const SerialError &error) {
        if (!reconnection.lose(error, now))
            fail(error.description());
    } catch (const RecordingError &error) {
        fail(error.description());
    }
}

void Logger::keep(Watched &watched, const QList<ReceivedReading> &readings)
{
    if (readings.isEmpty())
        return;
    watched.reconnection.readingArrived();
    for (const ReceivedReading &reading : readings) {
        if (m_recording)
            m_recording->append(reading);
        if (m_server)
            m_server->send(reading.asSent().toLatin1());
    }
}

void Logger::finish()
{
    m_timer->stop();
    for (const std::unique_ptr<Watched> &watched : m_watched) {
        if (watched->line.portOpen()) {
            try {
                watched->line.setPortOpen(false);
            } catch (const SerialError &) {
                // Ending anyway: a line lost at the last moment has nothing
                // more to give.
            }
        }
    }
    if (m_recording) {
        try {
            m_recording->sync();
        } catch (const RecordingError &error) {
            tell(error.description(), Level::Error);
        }
    }
}

void Logger::fail(const QString &why)
{
    if (m_failed)
        return;
    m_failed = true;
    m_timer->stop();
    tell(why, Level::Error);
    Q_EMIT failed();
}

void Logger::tell(const QString &line, Level level)
{
    Q_EMIT told(line, level);
}

} // namespace freqcounter
