// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readinghistory.h"

#include <algorithm>
#include <cmath>

namespace freqcounter {

ReadingHistory::ReadingHistory(qsizetype capacity)
    : m_samples(std::max<qsizetype>(capacity, 1))
{}

void ReadingHistory::add(const ReceivedReading &reading)
{
    add(reading.port, reading.device,
        reading.steadyMsecs != 0 ? reading.steadyMsecs : reading.time.toMSecsSinceEpoch(),
        reading.isInterval() ? reading.seconds() : reading.mhz(), reading.math,
        reading.isInterval());
}

void ReadingHistory::add(qint16 port, const QString &device, qint64 msecs, double mhz,
                         const QString &math, bool phase)
{
    Sample sample;
    sample.msecs = m_samples.isEmpty() ? msecs : std::max(msecs, m_samples.last().msecs);
    sample.port = port;
    // What is no number keeps to the run of the readings before it.
    if (std::isnan(mhz) && !m_instruments.empty() && m_instruments.back().port == port
        && m_instruments.back().device == device && m_instruments.back().math == math)
        phase = m_instruments.back().phase;
    const bool another = m_instruments.empty() || m_instruments.back().port != port
            || m_instruments.back().device != device || m_instruments.back().math != math
            || m_instruments.back().phase != phase;
    sample.portChanged = another && !m_instruments.empty();
    if (another) {
        m_instruments.push_back({port, device, sequence(size()), math, phase});
        m_unwrapping.restart();
    }
    sample.mhz = phase ? m_unwrapping.take(mhz) : mhz;
    m_samples.append(sample);
    if (m_instruments.size() > 1 && m_instruments[1].firstSequence <= m_samples.firstIndex())
        m_instruments.pop_front();
}

void ReadingHistory::reserve(qsizetype capacity)
{
    if (capacity > m_samples.capacity())
        m_samples.setCapacity(capacity);
}

const Instrument &ReadingHistory::instrumentOf(qsizetype i) const
{
    const qint64 wanted = sequence(i);
    auto after
            = std::upper_bound(m_instruments.cbegin(), m_instruments.cend(), wanted,
                               [](qint64 s, const Instrument &in) { return s < in.firstSequence; });
    return *std::prev(after);
}

qsizetype ReadingHistory::instrumentStart(qsizetype i) const
{
    return qsizetype(std::max<qint64>(instrumentOf(i).firstSequence - sequence(0), 0));
}

qsizetype ReadingHistory::lowerBound(qint64 msecs) const
{
    qsizetype low = 0;
    qsizetype high = size();
    while (low < high) {
        const qsizetype middle = low + (high - low) / 2;
        if (at(middle).msecs < msecs)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

double PhaseUnwrapping::take(double seconds)
{
    if (!std::isfinite(seconds))
        return seconds;
    if (m_last)
        m_turns += std::round(*m_last - (seconds + m_turns));
    m_last = seconds + m_turns;
    return *m_last;
}

} // namespace freqcounter
