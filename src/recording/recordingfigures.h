// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statistics.h"

#include <QString>

#include <functional>
#include <optional>

namespace freqcounter {

// The stability figures of a recording's last instrument, read whole from
// the file with no more of its readings kept than the figures need, and when
// that instrument's readings begin and end.
struct RecordingFigures
{
    Statistics figures;
    qint64 firstMsecs = 0; // since the epoch
    qint64 lastMsecs = 0;

    // Reads the file at path. Rows that could not be read are told of,
    // figures or not; nothing, told, when the file cannot be read or gives no
    // figures. What is told is a sentence without the file's name or a full
    // stop. Given stopped, it reads a part at a time and, once stopped says
    // so, ends with nothing and tells nothing more.
    static std::optional<RecordingFigures> read(const QString &path,
                                                const StatisticsOptions &options,
                                                const std::function<void(const QString &)> &tell,
                                                const std::function<bool()> &stopped = {});
};

} // namespace freqcounter
