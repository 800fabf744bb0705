// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QElapsedTimer>

namespace freqcounter {

// Milliseconds since the epoch that never step back: the wall clock as it
// read when this clock was made, advanced since by a monotonic clock. When
// the wall clock is set back (by NTP, or by hand), times taken from it would
// fold the readings of those minutes onto one instant; times from this one
// keep them apart.
class SteadyClock
{
public:
    // Anchored where the wall clock reads now, or where a test says.
    explicit SteadyClock(qint64 anchorMsecs = QDateTime::currentMSecsSinceEpoch())
        : m_anchor(anchorMsecs)
    {
        m_elapsed.start();
    }

    qint64 nowMsecs() const { return m_anchor + m_elapsed.elapsed(); }

private:
    qint64 m_anchor;
    QElapsedTimer m_elapsed;
};

} // namespace freqcounter
