#pragma once

#include "readinghistory.h"

#include <QList>

#include <memory>
#include <optional>

namespace freqcounter {

// The statistics of a run of readings: count, mean, extremes, spread, drift
// from a straight-line fit, and the frequency stability: the normal,
// overlapping and modified Allan deviations and the overlapping Hadamard
// deviation of the fractional frequency, and the time deviation.
// Readings are in MHz; spreads and drift are given in Hz. A statistic that
// needs more readings than there are is absent. Readings that are not
// numbers count only in count, and cut the series for the stability, which
// takes the numbers of each piece as equally spaced at their interval τ0.
struct Statistics
{
    struct Deviation
    {
        double tauSeconds = 0;
        double value = 0; // of the fractional frequency
        // Its 68.3 % confidence interval, from the chi-squared distribution
        // with the equivalent degrees of freedom of the estimator for the
        // noise.
        double low = 0;
        double high = 0;
        qsizetype terms = 0; // the differences that went into it
        // The noise identified at this τ, or where too few averages tell, at
        // the longest τ that has enough: the exponent alpha of S_y(f) ~ f^alpha.
        int noise = 0;
        double edf = 0; // equivalent degrees of freedom
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
    // The readings' interval: the median pause between them, which a few
    // missing readings or a long pause leave as it is.
    std::optional<double> tau0Seconds;
    // Where the series is cut: a pause of more than 2 τ0, or readings that
    // are no number, between two numbers. No difference of any estimator
    // spans a gap; each piece gives its own terms.
    qsizetype gaps = 0;
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
