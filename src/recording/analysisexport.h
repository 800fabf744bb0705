// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "readinghistory.h"
#include "statistics.h"

#include <QByteArray>

#include <optional>

namespace freqcounter {

// The readings of one instrument over a span as plain text for the common
// frequency-stability tools: comment lines starting with '#' (port and
// device, first time stamp, interval, gaps, mean frequency, the nominal
// when one is set), then one frequency in hertz a line, a line a slot of
// the interval: an empty slot, or a reading that is no number, is a line of
// 0, the tools' mark of a gap. A time-interval counter's readings are
// written as phases, in seconds, the first line saying so.
inline constexpr const char *kPhaseLines = " readings, one phase in seconds a line";

QByteArray analysisText(const ReadingHistory &history, qsizetype from, qsizetype to,
                        const Statistics &figures, std::optional<double> nominalHz = std::nullopt);

} // namespace freqcounter
