#include "readinghistory.h"

#include "frequencytext.h"

#include <algorithm>

namespace freqcounter {

ReadingHistory::ReadingHistory(qsizetype capacity)
    : m_capacity(std::max<qsizetype>(capacity, 1))
{}

void ReadingHistory::add(const ReceivedReading &reading)
{
    Sample sample;
    sample.msecs
            = reading.steadyMsecs != 0 ? reading.steadyMsecs : reading.time.toMSecsSinceEpoch();
    if (!m_samples.empty())
        sample.msecs = std::max(sample.msecs, m_samples.back().msecs);
    sample.mhz = frequencyMHz(reading.text);
    sample.port = reading.port;
    const bool another = m_instruments.empty() || m_instruments.back().port != reading.port
            || m_instruments.back().device != reading.device;
    sample.portChanged = another && !m_instruments.empty();
    if (another)
        m_instruments.push_back({reading.port, reading.device, sequence(size())});
    if (size() == m_capacity) {
        m_samples.pop_front();
        ++m_dropped;
        if (m_instruments.size() > 1 && m_instruments[1].firstSequence <= m_dropped)
            m_instruments.pop_front();
    }
    m_samples.push_back(sample);
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
    return qsizetype(std::max<qint64>(instrumentOf(i).firstSequence - m_dropped, 0));
}

qsizetype ReadingHistory::lowerBound(qint64 msecs) const
{
    const auto at = std::lower_bound(m_samples.cbegin(), m_samples.cend(), msecs,
                                     [](const Sample &s, qint64 t) { return s.msecs < t; });
    return qsizetype(at - m_samples.cbegin());
}

} // namespace freqcounter
