#pragma once

#include "receivedreading.h"

#include <QtGlobal>

#include <deque>

namespace freqcounter {

// A reading as the chart and the statistics see it.
struct Sample
{
    qint64 msecs = 0; // since the epoch
    double mhz = 0; // NaN when the reading is not a number
    qint16 port = 1;
    bool portChanged = false; // the first reading after a switch of port
};

// The readings shown since start, for the chart and the statistics: the
// newest ones up to a bound, oldest dropped first. Readings are numbers only
// here, read in the C locale; what is not a number is kept as NaN, counted
// but never drawn. Times never go backwards, even when the clock does.
class ReadingHistory
{
public:
    // About 28 hours at ten readings a second.
    static constexpr qsizetype kCapacity = 1'000'000;

    explicit ReadingHistory(qsizetype capacity = kCapacity);

    void add(const ReceivedReading &reading);

    qsizetype size() const { return qsizetype(m_samples.size()); }
    bool isEmpty() const { return m_samples.empty(); }
    const Sample &at(qsizetype i) const { return m_samples[std::size_t(i)]; }

    // The first sample at or after the time, or size() when there is none.
    qsizetype lowerBound(qint64 msecs) const;

private:
    std::deque<Sample> m_samples;
    qsizetype m_capacity;
    qint16 m_lastPort = 0;
};

} // namespace freqcounter
