// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statistics.h"

#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
#include <optional>

namespace freqcounter {

// The figures of a recording's last instrument, as the history window shows
// them, and when its readings begin and end, read from its file with no more
// kept of the readings than the figures need.
struct RecordingFigures
{
    Statistics figures;
    qint64 firstMsecs = 0;
    qint64 lastMsecs = 0;

    // Rows that could not be read are noted, figures or not, a sentence each
    // with no full stop; nothing, noted, when the file cannot be read or
    // gives no figures, or `stop`, when given, is set while it is read.
    static std::optional<RecordingFigures> read(const QString &path,
                                                const StatisticsOptions &options,
                                                QStringList *notes,
                                                const std::atomic<bool> *stop = nullptr);
    // The recordings of three oscillators' pairs, A−B, B−C and C−A, for
    // the three-cornered hat, read one after another as read() reads one,
    // each note after the path it is of; nothing when one gives no figures
    // or `stop` is set. Spans that differ by more than a tenth of the
    // shortest are noted too, as a warning.
    static std::optional<std::array<RecordingFigures, 3>>
    readPairs(const std::array<QString, 3> &paths, const StatisticsOptions &options,
              QStringList *notes, const std::atomic<bool> *stop = nullptr);
};

} // namespace freqcounter
