#include "readinghistory.h"

#include "frequencytext.h"

#include <algorithm>

namespace freqcounter {

ReadingHistory::ReadingHistory(qsizetype capacity)
    : m_samples(std::max<qsizetype>(capacity, 1))
{}

void ReadingHistory::add(const ReceivedReading &reading)
{
    Sample sample;
    sample.msecs
            = reading.steadyMsecs != 0 ? reading.steadyMsecs : reading.time.toMSecsSinceEpoch();
    if (!m_samples.isEmpty())
        sample.msecs = std::max(sample.msecs, m_samples.last().msecs);
    sample.mhz = frequencyMHz(reading.text);
    sample.port = reading.port;
    const bool another = m_instruments.empty() || m_instruments.back().port != reading.port
            || m_instruments.back().device != reading.device;
    sample.portChanged = another && !m_instruments.empty();
    if (another)
        m_instruments.push_back({reading.port, reading.device, sequence(size())});
    m_samples.append(sample);
    if (m_instruments.size() > 1 && m_instruments[1].firstSequence <= m_samples.firstIndex())
        m_instruments.pop_front();
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

} // namespace freqcounter
