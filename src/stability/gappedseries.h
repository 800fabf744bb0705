// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "readinghistory.h"
#include "stabilityconfidence.h"

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace freqcounter {

// The numbers of a span of readings, oldest first, as hertz from the first
// one, with their times, their running sum and where gaps cut them: for the
// statistics, which follow the span as it moves. Entries before front() have
// left the span and go at the next compaction. It sums nothing itself.
//
// Each number takes a slot on a grid of the readings' interval that follows
// the counter's clock: the grid's phase is first the mean phase of the first
// numbers' time stamps, then each number pulls it, and its period, a little
// towards its own stamp. A number takes the slot nearest its stamp, so stamps
// jittered well under half an interval about a steady clock keep to adjacent
// slots, whatever the pauses between them, while a missed reading leaves a
// slot empty: a gap. A counter whose interval drifts a little is followed.
class GappedSeries
{
public:
    qsizetype size() const { return qsizetype(m_hz.size()); }
    qsizetype front() const { return m_front; }
    qsizetype held() const { return size() - m_front; }
    double referenceHz() const { return m_referenceHz; }
    double hz(qsizetype k) const { return m_hz[std::size_t(k)]; }
    qint64 msecs(qsizetype k) const { return m_msecs[std::size_t(k)]; }

    // The running sum S(k) = hz(0) + ... + hz(k-1), and its second and
    // third differences at lag m: the terms of the Allan and Hadamard
    // estimators.
    double runningSum(qsizetype k) const { return m_runningSum[std::size_t(k)]; }
    double d(qsizetype i, qsizetype m) const
    {
        return runningSum(i + 2 * m) - 2.0 * runningSum(i + m) + runningSum(i);
    }
    long double h(qsizetype i, qsizetype m) const
    {
        return (long double)runningSum(i + 3 * m) - 3.0L * runningSum(i + 2 * m)
                + 3.0L * runningSum(i + m) - runningSum(i);
    }

    // Whether a gap comes before number k.
    bool cutAt(qsizetype k) const { return k > 0 && m_gapBefore[std::size_t(k)] != 0; }
    // Whether the `length` numbers from i on lie in one piece.
    bool whole(qsizetype i, qsizetype length) const
    {
        return m_cuts[std::size_t(i + length - 1)] == m_cuts[std::size_t(i)];
    }
    qsizetype gapsHeld() const;
    // The pieces gaps cut the span into, as [begin, end) of the numbers.
    std::vector<std::pair<qsizetype, qsizetype>> pieces() const;
    // The pauses between the numbers held, by length, in ms.
    const std::map<qint64, qsizetype> &pauses() const { return m_pauses; }
    // The median of the pauses held that are not zero: the middle one, or
    // the mean of the two middle ones; nothing when every pause is zero.
    std::optional<double> medianPause() const;

    // Forgets every number, keeping the room they took.
    void restart();
    void reserve(qsizetype numbers);
    // A reading, at its place among the readings counted since start.
    void append(const Sample &sample, qint64 place);
    // Moves the span to the samples [from, to) of a history: what came is
    // appended, what left is dropped; a span that moved back, or another
    // history, starts afresh. True when it started afresh.
    bool follow(const ReadingHistory &of, qsizetype from, qsizetype to);
    // Lays the numbers held on a grid of this interval, in ms, unless the
    // grid they are on is within a 256th of it. True when that cuts them
    // elsewhere than before.
    bool setInterval(double intervalMsecs);
    // Becomes the fractional frequencies of the phases, in seconds, a series
    // holds: each the difference of two phases in adjacent slots over the
    // interval, in seconds, at the first one's place. A phase with no
    // neighbour in the slot after leaves a gap. It is laid on no grid of
    // its own.
    void takeDifferences(const GappedSeries &phases, double intervalSeconds);
    // Follows the phases as their span moves: the differences of the phases
    // that came are appended, those of phases that left go. Only while the
    // phases are cut where they were and laid on the same grid; else
    // takeDifferences() starts afresh.
    void followDifferences(const GappedSeries &phases);
    // The grid's interval as laid, in ms; 0 before it is.
    double interval() const { return m_interval; }
    // Forgets what has left the span, once it is as much as what is held:
    // how many entries went, so that indices into it can follow.
    qsizetype compact();

private:
    // Gives number k its slot after the one before it: whether a slot lies
    // empty between them.
    bool takeSlot(qsizetype k);
    // The grid's phase from the numbers from k on, to start it or to find
    // it again after a long pause.
    void acquire(qsizetype k);

    const ReadingHistory *m_history = nullptr;
    qint64 m_fromSequence = 0;
    qint64 m_toSequence = 0;
    double m_referenceHz = 0;
    std::vector<qint64> m_sequence;
    std::vector<qint64> m_msecs;
    std::vector<double> m_hz;
    std::vector<double> m_runningSum{0.0}; // [k] = hz[0] + ... + hz[k-1]
    // Whether readings that are no number came between a number and the one
    // before it.
    std::vector<char> m_holeBefore;
    // Whether a gap, of either kind, comes before a number.
    std::vector<char> m_gapBefore;
    // [k]: how many of the numbers up to k begin a piece after a gap,
    // counted from the first one held.
    std::vector<qint32> m_cuts;
    // The grid's interval as laid, in ms; not yet laid while zero. Its
    // period as followed, and the time of the newest number's slot.
    double m_interval = 0;
    double m_period = 0;
    double m_slot = 0;
    std::map<qint64, qsizetype> m_pauses;
    bool m_pendingHole = false;
    qsizetype m_front = 0;
    // Of differences: the newest phase taken, and the second of the newest
    // pair differenced, by their places among the readings.
    qint64 m_phaseTaken = -1;
    qint64 m_pairEnd = -1;
};

// The newest averages of length m of a series, at most `newest` of them, in
// runs that no gap cuts, oldest first, each run placed by its first average:
// what the noise is identified from.
std::vector<StabilityConfidence::AveragePiece> newestAverages(const GappedSeries &series,
                                                              qsizetype m, std::size_t newest);

} // namespace freqcounter
