// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "portdevices.h"
#include "serialerror.h"

#include <QCoreApplication>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

namespace freqcounter {

class SerialLine;

// Rides a line through its loss: which failures are a loss to wait out,
// when to try again (every second for a serial device; for the network from
// 1 s, doubling, up to 30 s) and which device to try (the same adapter,
// wherever it is now). It tells each change of state once, never a try. It
// reads nothing from the line and shows nothing.
class Reconnection
{
    Q_DECLARE_TR_FUNCTIONS(Reconnection)

public:
    enum class State { Open, Waiting, Trying };
    using Tell = std::function<void(const QString &line)>;

    static constexpr std::chrono::milliseconds kFirstRetry{1000};
    static constexpr std::chrono::milliseconds kLastNetworkRetry{30000};

    Reconnection(SerialLine &line, Tell tell);

    // The line has opened: what identifies its device is taken now, while
    // it is there to be seen.
    void opened();
    // The line failed, at its first open or later: true when it is a loss to
    // wait out, and the line is then closed and waited for; false for a
    // failure that waiting cannot mend, which the caller raises.
    bool lose(const SerialError &error, qint64 nowMsecs);
    // While it waits: tries the device again when due. True once the line
    // is open again, when its counter is to be told so.
    bool reopenIfDue(qint64 nowMsecs);
    // At each tick while open: a connection made in the background is told
    // back once made.
    void check(qint64 nowMsecs);
    // A reading came: the next loss is waited out from the shortest wait
    // again.
    void readingArrived();

    State state() const { return m_state; }
    bool waiting() const { return m_state == State::Waiting; }
    // What it waits for and why, for the window's description; empty while
    // open.
    QString waitingText() const;

private:
    void take();
    void waitFrom(qint64 nowMsecs);
    std::chrono::milliseconds nextWait() const;
    QString label() const;

    SerialLine &m_line;
    Tell m_tell;
    State m_state = State::Open;
    // Known once it has opened; before, the port's own device is tried.
    std::optional<AdapterIdentity> m_identity;
    bool m_network = false;
    bool m_openedBefore = false; // what Trying leads back to
    bool m_readSinceBack = true;
    std::chrono::milliseconds m_wait{0};
    qint64 m_nextTry = 0;
    qint64 m_lostAt = 0;
    QString m_why; // the failure it waits out
};

} // namespace freqcounter
