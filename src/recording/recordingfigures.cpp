// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingfigures.h"

#include "recordingfile.h"

#include <QCoreApplication>

#include <chrono>
#include <tuple>

namespace freqcounter {

std::optional<RecordingFigures>
RecordingFigures::read(const QString &path, const StatisticsOptions &options,
                       const std::function<void(const QString &)> &tell,
                       const std::function<bool()> &stopped)
{
    const std::chrono::milliseconds part
            = stopped ? std::chrono::milliseconds(100) : std::chrono::hours(1);
    RecordingFile file(path);
    RunStatistics run;
    RecordingFigures read;
    QString error;
    if (file.open(&error)) {
        // A reading of another instrument than the one before begins its
        // run, as it does RunStatistics'.
        std::optional<std::tuple<qint16, QString, QString>> instrument;
        const RecordingFile::Sink sink = [&](const RecordingFile::Reading &reading) {
            run.add(reading.port, reading.device, reading.msecs, reading.mhz, reading.math,
                    reading.phase);
            const std::tuple<qint16, QString, QString> whose{reading.port, reading.device,
                                                             reading.math};
            if (whose != instrument) {
                instrument = whose;
                read.firstMsecs = reading.msecs;
            }
            read.lastMsecs = reading.msecs;
        };
        // The lines are counted in a step of their own, before the first
        // reading.
        do {
            if (stopped && stopped())
                return std::nullopt;
            run.reserve(file.rowsAtMost());
        } while (file.readOn(part, sink));
        error = file.failure().value_or(QString());
    }
    if (const RecordingFile::Loaded &loaded = file.loaded(); loaded.unreadable > 0) {
        tell(loaded.unreadable == 1
                     ? QCoreApplication::translate("Program",
                                                   "1 row could not be read, at line %1; "
                                                   "it is left out")
                               .arg(loaded.firstUnreadableLine)
                     : QCoreApplication::translate("Program",
                                                   "%1 rows could not be read, the first "
                                                   "at line %2; they are left out")
                               .arg(loaded.unreadable)
                               .arg(loaded.firstUnreadableLine));
    }
    if (!error.isEmpty()) {
        tell(error);
        return std::nullopt;
    }
    // The last instrument's readings, as the history window shows them.
    read.figures = run.finalFigures(options);
    if (read.figures.missing) {
        tell(QCoreApplication::translate("Program", "no stability figures: %1")
                     .arg(Statistics::missingText(*read.figures.missing)));
        return std::nullopt;
    }
    return read;
}

} // namespace freqcounter
