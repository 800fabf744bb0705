// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countermath.h"
#include "portdevices.h"
#include "readingserver.h"
#include "receivedreading.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QTimer;

namespace freqcounter {

class LoggerRecording;

// The counter read with no window, for days or weeks: each port named
// reads through a line of its own, rides through the loss of its device,
// and each reading is recorded and served as it comes. It keeps no reading
// itself, so its memory stays flat. It tells each change of state in one
// line, never each try; it ends only at a failure that waiting cannot mend,
// and then says why.
class Logger : public QObject
{
    Q_OBJECT

public:
    enum class Level { Info, Warning, Error };

    struct Setup
    {
        PortDevices devices;
        QList<qint16> ports{1};
        QString recordPath; // empty: nothing is recorded
        CounterMath math;
        std::optional<ServeAddress> serve;
    };

    explicit Logger(Setup setup, QObject *parent = nullptr);
    ~Logger() override;

    // Opens the file and the server, then the ports, which are waited for
    // when they are not there. False, when told, for what ends it at once:
    // a file or an address that cannot be had, a setting a device refuses.
    bool start();
    // The file synchronised, the ports closed.
    void finish();

Q_SIGNALS:
    // Each change of state: opened, lost, back, the disk full, writing again.
    void told(const QString &line, freqcounter::Logger::Level level);
    // A failure that ends it, told just before.
    void failed();

private:
    struct Watched;

    void tick();
    void tickOn(Watched &watched, qint64 now);
    void setUp(Watched &watched);
    void keep(Watched &watched, const QList<ReceivedReading> &readings);
    void fail(const QString &why);
    void tell(const QString &line, Level level = Level::Info);

    Setup m_setup;
    std::vector<std::unique_ptr<Watched>> m_watched;
    std::unique_ptr<LoggerRecording> m_recording;
    ReadingServer *m_server = nullptr;
    QTimer *m_timer = nullptr;
    QElapsedTimer m_clock;
    bool m_failed = false;
};

} // namespace freqcounter
