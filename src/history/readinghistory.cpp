#include "readinghistory.h"

#include "frequencytext.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace freqcounter {

ReadingHistory::ReadingHistory(qsizetype capacity)
    : m_capacity(std::max<qsizetype>(capacity, 1))
{}

void ReadingHistory::add(const ReceivedReading &reading)
{
    Sample sample;
    sample.msecs = reading.time.toMSecsSinceEpoch();
    if (!m_samples.empty())
        sample.msecs = std::max(sample.msecs, m_samples.back().msecs);
    sample.mhz = frequencyMHz(reading.text);
    sample.port = reading.port;
    sample.portChanged = m_lastPort != 0 && reading.port != m_lastPort;
    m_lastPort = reading.port;
    if (size() == m_capacity)
        m_samples.pop_front();
    m_samples.push_back(sample);
}

qsizetype ReadingHistory::lowerBound(qint64 msecs) const
{
    const auto at = std::lower_bound(m_samples.cbegin(), m_samples.cend(), msecs,
                                     [](const Sample &s, qint64 t) { return s.msecs < t; });
    return qsizetype(at - m_samples.cbegin());
}



} // namespace freqcounter
