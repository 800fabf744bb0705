// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "receivedreading.h"

#include <QContiguousCache>

#include <deque>
#include <optional>

namespace freqcounter {

// A reading as the chart and the statistics see it.
struct Sample
{
    qint64 msecs = 0; // since the epoch
    // NaN when the reading is not a number; of a time-interval counter's
    // reading, the phase in seconds.
    double mhz = 0;
    qint16 port = 1;
    bool portChanged = false; // the first reading of another instrument
};

// One instrument: the port and device whose readings run from its first one
// to the next instrument's, shown with one counter math or none.
struct Instrument
{
    qint16 port = 1;
    QString device;
    qint64 firstSequence = 0; // of its first reading, counted since start
    QString math{}; // the counter math its readings were shown with, if any
    // Its readings are time intervals, the phase between two signals.
    bool phase = false;
};

// Takes a time interval that wraps, such as one between two 1 PPS signals
// that passes through 0 or 1 s, to a phase that runs on: a step of more than
// half a second from the reading before is taken for a wrap, and as many
// whole seconds are added or taken away as bring it within half a second.
class PhaseUnwrapping
{
public:
    // The phase, of the time interval read; NaN stays NaN.
    double take(double seconds);
    void restart()
    {
        m_last.reset();
        m_turns = 0;
    }

private:
    std::optional<double> m_last;
    double m_turns = 0;
};

// The readings received since start, for the chart and the statistics: the
// newest ones up to a bound, oldest dropped first. Readings are frequencies,
// or the phases of a time-interval counter; what is not one is kept as NaN,
// counted but never drawn. Times
// are the steady clock's where the readings have them, and never go
// backwards, even when the wall clock does. A reading from another port
// or device than the one before, shown with other counter math, or of the
// other quantity, begins another instrument's run.
class ReadingHistory
{
public:
    // About 28 hours at ten readings a second.
    static constexpr qsizetype kCapacity = 1'000'000;

    explicit ReadingHistory(qsizetype capacity = kCapacity);

    void add(const ReceivedReading &reading);
    // A reading already read as a frequency: NaN when it is no number.
    // Of a phase instrument, the time interval in seconds, unwrapped here.
    void add(qint16 port, const QString &device, qint64 msecs, double mhz, const QString &math = {},
             bool phase = false);
    // Holds at least this many readings from now on, such as a file's.
    void reserve(qsizetype capacity);
    // How many it can hold before it drops its oldest.
    qsizetype capacity() const { return m_samples.capacity(); }
    // How many readings it has been given, also those it dropped.
    qint64 added() const { return m_samples.lastIndex() + 1; }

    qsizetype size() const { return m_samples.size(); }
    bool isEmpty() const { return m_samples.isEmpty(); }
    const Sample &at(qsizetype i) const { return m_samples.at(m_samples.firstIndex() + i); }

    // The first sample at or after the time, or size() when there is none.
    qsizetype lowerBound(qint64 msecs) const;

    // Each reading's place counted since start, which dropping old ones
    // leaves as it was.
    qint64 sequence(qsizetype i) const { return m_samples.firstIndex() + i; }
    // The instrument of sample i, and the first of its samples still held.
    const Instrument &instrumentOf(qsizetype i) const;
    qsizetype instrumentStart(qsizetype i) const;

private:
    // Indexed by sequence: full, it drops its oldest as it takes a new one.
    QContiguousCache<Sample> m_samples;
    std::deque<Instrument> m_instruments;
    PhaseUnwrapping m_unwrapping;
};

} // namespace freqcounter
