// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "readinghistory.h"

#include <QList>
#include <QString>

#include <limits>
#include <vector>

namespace freqcounter::ChartScale {

// The lowest and highest reading that falls into one pixel column.
struct Column
{
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    // Its first reading came after a gap: the line does not join it to the
    // column before.
    bool gapBefore = false;
    bool isEmpty() const { return low > high; }
    void add(double mhz)
    {
        low = std::min(low, mhz);
        high = std::max(high, mhz);
    }
};

struct PortSwitch
{
    qint64 msecs = 0;
    qint16 port = 1;
};

// Samples [first, last) of a history reduced to columns: the times from
// start to end cut into that many columns, each with its readings' range;
// the range of them all; and where the instrument changed. Readings that
// are not numbers take part in none of the ranges; they and pauses of more
// than twice the median interval are gaps.
struct Reduction
{
    std::vector<Column> columns;
    Column all;
    std::vector<PortSwitch> switches;
    double msPerColumn = 1;
};
Reduction reduce(const ReadingHistory &history, qsizetype first, qsizetype last, qint64 start,
                 qint64 end, int columns);

// Ticks at round values (1, 2 or 5 times a power of ten, about five of
// them) from low to high, and the decimals their labels need.
struct ValueTicks
{
    QList<double> values;
    int decimals = 0;
};
ValueTicks valueTicks(double low, double high);

// Ticks at round local times from start to end (milliseconds since the
// epoch), about six of them, whatever the local time does in between: a
// change to or from daylight saving time moves no tick off its round time.
// A label is the local time; where the span crosses midnight, the first
// tick and the first of each new day say their date under it, and ticks a
// day or more apart are dates alone.
struct TimeTick
{
    qint64 msecs = 0;
    QString label;
};
QList<TimeTick> timeTicks(qint64 start, qint64 end);

// The label of a decade on a logarithmic axis, as a metrologist writes it:
// 1e-11 as 10⁻¹¹, 1 as 10⁰, 1000 as 10³. A value between decades takes the
// nearest.
QString decadeLabel(double value);

} // namespace freqcounter::ChartScale
