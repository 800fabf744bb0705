#pragma once

#include "readinghistory.h"

#include <QList>

#include <memory>
#include <optional>

namespace freqcounter {

// The statistics of a run of readings: count, mean, extremes, spread, drift
// from a straight-line fit, and the frequency stability: the normal,
// overlapping and modified Allan deviations of the fractional frequency.
// Readings are in MHz; spreads and drift are given in Hz. A statistic that
// needs more readings than there are is absent. Readings that are not
// numbers count only in count, and the stability takes the numbers as
// equally spaced at their interval τ0.
struct Statistics
{
    struct Deviation
    {
        double tauSeconds = 0;
        double value = 0; // of the fractional frequency
        double error = 0; // one standard error: value / sqrt(terms)
        qsizetype terms = 0; // the second differences that went into it
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
    // The readings' interval: the median gap between them, which a few
    // missing readings or a long pause leave as it is.
    std::optional<double> tau0Seconds;
    // Normal (non-overlapping) Allan deviation at 1, 10 and 100 τ0, each
    // while there are two averages to compare.
    QList<Deviation> allan;
    // Overlapping and modified Allan deviation at 1, 2, 5, 10, 20, 50, ...
    // τ0, while there are four averages of the length of τ.
    QList<Deviation> overlappingAllan;
    QList<Deviation> modifiedAllan;

    // Of the samples [from, to) of a history, computed afresh.
    static Statistics of(const ReadingHistory &history, qsizetype from, qsizetype to);
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

    Statistics of(const ReadingHistory &history, qsizetype from, qsizetype to);

    struct State; // what the last span left, known only to the computation

private:
    std::unique_ptr<State> m_state;
};

} // namespace freqcounter
