#pragma once

#include "readinghistory.h"

#include <QList>

#include <optional>

namespace freqcounter {

// The statistics of a run of readings: count, mean, extremes, spread, drift
// from a straight-line fit, and the Allan deviation. Readings are in MHz;
// spreads and drift are given in Hz. A statistic that needs more readings
// than there are is absent. Readings that are not numbers count only in
// count.
struct Statistics
{
    struct Allan
    {
        double tauSeconds = 0;
        double deviation = 0; // of the fractional frequency
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
    // At the readings' own interval (the median gap between them), then 10
    // and 100 times it, each while there are two averages to compare.
    QList<Allan> allan;

    // Of the samples [from, to) of a history.
    static Statistics of(const ReadingHistory &history, qsizetype from, qsizetype to);
};

} // namespace freqcounter
