#pragma once

#include "readinghistory.h"
#include "statistics.h"

#include <QByteArray>

namespace freqcounter {

// The readings of one instrument over a span as plain text for the common
// frequency-stability tools: comment lines starting with '#' (port and
// device, first time stamp, interval, gaps, mean frequency), then one frequency
// in hertz a line. Readings that are not numbers are left out.
QByteArray analysisText(const ReadingHistory &history, qsizetype from, qsizetype to,
                        const Statistics &figures);

} // namespace freqcounter
