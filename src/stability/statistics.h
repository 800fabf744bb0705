// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "readinghistory.h"

#include <QList>

#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace freqcounter {

// What to work out of a span besides the rest.
struct StatisticsOptions
{
    // Take the drift of the straight-line fit out before every deviation.
    bool removeDrift = false;
    // The figures that take long on a long span: the total deviations and
    // TheoBR, and the drift's uncertainty.
    bool slow = true;
    // Fit the logarithmic model of ageing, to a day or more of readings.
    bool ageing = false;
};

// The statistics of a run of readings: count, mean, extremes, spread, drift
// from a straight-line fit (of the phase, for a time-interval counter's), and
// the frequency stability: the normal,
// overlapping and modified Allan deviations and the overlapping Hadamard
// deviation of the fractional frequency, and the time deviation.
// Readings are in MHz; spreads and drift are given in Hz. A statistic that
// needs more readings than there are is absent. Readings that are not
// numbers count only in count. For the stability each reading takes the slot
// nearest its time stamp on a grid of τ0 that follows the counter's clock: a
// slot with no number is a gap, which cuts the series.
struct Statistics
{
    // Why a span has no stability figures.
    enum class Missing {
        TooFewNumbers, // fewer than two readings are numbers
        NoInterval, // no two readings are apart in time
        ZeroMean, // a fractional frequency needs a mean that is not zero
        NoTwoInARow, // gaps leave no two numbers in adjacent slots
    };

    struct Deviation
    {
        double tauSeconds = 0;
        double value = 0; // of the fractional frequency
        // Its 68.3 % confidence interval, from the chi-squared distribution
        // with the equivalent degrees of freedom of the estimator for the
        // noise; where no noise is identified, the widest that any of the
        // five would give.
        double low = 0;
        double high = 0;
        qsizetype terms = 0; // the differences that went into it
        // The noise identified at this τ, as the exponent alpha of
        // S_y(f) ~ f^alpha; nothing where too few averages tell.
        std::optional<int> noise;
        // Equivalent degrees of freedom: across gaps, each piece's own
        // combined by its share of the terms.
        double edf = 0;
    };

    qsizetype count = 0;
    qsizetype numbers = 0;
    std::optional<double> meanMHz;
    std::optional<double> minMHz;
    std::optional<double> maxMHz;
    std::optional<double> peakToPeakHz;
    std::optional<double> stdDevHz; // sample standard deviation
    std::optional<double> driftHzPerMinute;
    std::optional<double> driftPpmPerHour;
    // Of a time-interval counter's readings, in place of the figures in MHz
    // and Hz above: the phase in seconds, and the frequency offset its
    // straight-line fit gives, fractional. The deviations are then of the
    // phase's differences, each over the interval: a missed reading is a
    // gap in the phase, and so two in the frequency.
    struct Phase
    {
        double meanSeconds = 0;
        double minSeconds = 0;
        double maxSeconds = 0;
        double peakToPeakSeconds = 0;
        std::optional<double> stdDevSeconds;
        std::optional<double> frequencyOffset;
    };
    std::optional<Phase> phase;
    // Whether the stability figures are of the readings with the drift of
    // the straight-line fit taken out.
    bool driftRemoved = false;
    // The drift of the straight-line fit a day, as fractional frequency and
    // in hertz, each with its 68 % standard uncertainty, which holds for the
    // noise the readings have: the noise it was worked out for, and how.
    struct Drift
    {
        double perDay = 0;
        double perDayUncertainty = 0;
        double hzPerDay = 0;
        double hzPerDayUncertainty = 0;
        std::optional<int> noise;
        QString method;
    };
    std::optional<Drift> drift;
    // The logarithmic model of ageing, f(t) = a ln(b t + 1) + c with f the
    // fractional frequency and t in days from the first reading: its ageing
    // a day at the last reading, and how far the readings lie from it.
    struct Ageing
    {
        double a = 0;
        double bPerDay = 0;
        double perDayAtEnd = 0;
        double residualRms = 0;
    };
    std::optional<Ageing> ageing;
    // The readings' interval: the median of the pauses between them that
    // are not zero (the middle one, or the mean of the two middle ones),
    // which a few missing readings or a long pause leave as it is.
    std::optional<double> tau0Seconds;
    // Where the series is cut: one or more empty slots, or readings that are
    // no number, between two numbers. Each number takes the slot nearest its
    // stamp on the grid, so one missed reading is always a gap, and stamps
    // within 40 % of their slots never make one, however long one pause and
    // short the next. No difference of any estimator spans a gap; each piece
    // gives its own terms.
    qsizetype gaps = 0;
    // Why there are no stability figures, when there are none.
    std::optional<Missing> missing;
    // Normal (non-overlapping) Allan deviation at 1, 10 and 100 τ0, each
    // while there are two averages to compare.
    QList<Deviation> allan;
    // Overlapping and modified Allan deviation at 1, 2, 5, 10, 20, 50, ...
    // τ0, while there are four averages of the length of τ.
    QList<Deviation> overlappingAllan;
    QList<Deviation> modifiedAllan;
    // At the same τ: the overlapping Hadamard deviation, which a linear
    // drift leaves as it is, and the time deviation, in seconds.
    QList<Deviation> overlappingHadamard;
    QList<Deviation> timeDeviation;
    // For the longest τ: the total and the modified total deviation, and
    // Theo1 with its bias removed (TheoBR), up to three quarters of the span.
    QList<Deviation> totalDeviation;
    QList<Deviation> modifiedTotal;
    QList<Deviation> theoBR;

    using Options = StatisticsOptions;

    // Of the samples [from, to) of a history, computed afresh.
    static Statistics of(const ReadingHistory &history, qsizetype from, qsizetype to,
                         const Options &options = {});

    // Why, for people to read.
    static QString missingText(Missing why);
};

// The figures of a span that take long on a long span, worked out apart
// from the rest: the total and modified total deviations and TheoBR, the
// drift's uncertainty and the ageing. At a million readings they take
// seconds, so a window works them out on another thread. It holds a copy of
// what they need, so that the span may move meanwhile.
class SlowFigures
{
public:
    struct Figures
    {
        QList<Statistics::Deviation> total;
        QList<Statistics::Deviation> modifiedTotal;
        QList<Statistics::Deviation> theoBR;
        std::optional<Statistics::Drift> drift;
        std::optional<Statistics::Ageing> ageing;
    };

    bool isEmpty() const { return m_pieces.empty(); }
    // `stop`, when set, ends the work early, with what was done until then.
    Figures compute(const std::atomic<bool> *stop = nullptr) const;
    static void put(const Figures &figures, Statistics &into);

    struct Input; // how a span's numbers are taken, known only to the computation

private:
    friend struct Input;
    // Hertz from the first number in pieces no gap cuts, and the seconds
    // from the first number to each piece's first.
    std::vector<std::vector<double>> m_pieces;
    std::vector<double> m_starts;
    double m_meanHz = 1;
    double m_tau0 = 1;
    // The drift taken out of the deviations, in hertz a second.
    double m_removedHzPerSecond = 0;
    bool m_ageing = false;
    // The noise identified at each averaging length.
    std::map<qsizetype, std::optional<int>> m_noises;
};

// Computes the statistics of a span of a history again and again as the
// span moves on: what the span kept from the last time is not summed again,
// so a refresh costs what came and went, not the whole span. Its figures are
// those Statistics::of() gives for the same span.
class SpanStatistics
{
public:
    SpanStatistics();
    ~SpanStatistics();
    SpanStatistics(const SpanStatistics &) = delete;
    SpanStatistics &operator=(const SpanStatistics &) = delete;

    // What Options::slow asks for is worked out here only when asked:
    // slowFigures() gives what to work it out from apart.
    Statistics of(const ReadingHistory &history, qsizetype from, qsizetype to,
                  const Statistics::Options &options = {});
    // Of the span last worked out, copied now: empty when it had no
    // stability figures.
    SlowFigures slowFigures() const;

    struct State; // what the last span left, known only to the computation

private:
    std::unique_ptr<State> m_state;
};

// The figures of readings handed over one at a time, such as a long file's,
// of the newest instrument's run: it keeps no history, only what the
// figures need.
class RunStatistics
{
public:
    RunStatistics();
    ~RunStatistics();
    RunStatistics(const RunStatistics &) = delete;
    RunStatistics &operator=(const RunStatistics &) = delete;

    // Room for this many readings, made once.
    void reserve(qsizetype readings);
    // A reading, NaN when it is no number, or a phase in seconds; one from
    // another port or device than the one before, shown with other counter
    // math, or of the other quantity, begins another instrument's run.
    void add(qint16 port, const QString &device, qint64 msecs, double mhz, const QString &math = {},
             bool phase = false);
    Statistics figures(const Statistics::Options &options = {});
    // When the run's first and latest readings came, in ms since the epoch.
    qint64 firstMsecs() const { return m_firstMsecs; }
    qint64 lastMsecs() const { return m_lastMsecs; }
    // The figures at the run's end: its readings are let go before the slow
    // figures are worked out, to leave them the room.
    Statistics finalFigures(const Statistics::Options &options = {});

private:
    std::unique_ptr<SpanStatistics::State> m_state;
    std::optional<std::tuple<qint16, QString, QString, bool>> m_instrument;
    PhaseUnwrapping m_unwrapping;
    qsizetype m_reserved = 0;
    qsizetype m_count = 0;
    qint64 m_firstMsecs = 0;
    qint64 m_lastMsecs = 0;
};

} // namespace freqcounter
