// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingfigures.h"

#include "recordingfile.h"
#include "threecorneredhat.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

#include <chrono>

namespace freqcounter {

std::optional<RecordingFigures> RecordingFigures::read(const QString &path,
                                                       const StatisticsOptions &options,
                                                       QStringList *notes,
                                                       const std::atomic<bool> *stop)
{
    RecordingFile file(path);
    RunStatistics run;
    RecordingFigures read;
    QString error;
    const auto stopped = [stop] { return stop && stop->load(); };
    if (file.open(&error)) {
        const RecordingFile::Sink sink = [&](const RecordingFile::Reading &reading) {
            run.add(reading.port, reading.device, reading.msecs, reading.mhz, reading.math,
                    reading.phase);
        };
        // The lines are counted in a step of their own, before the first
        // reading; with a stop to heed, the file is read a part at a time.
        const auto budget = stop ? std::chrono::milliseconds(100) : std::chrono::hours(1);
        do {
            run.reserve(file.rowsAtMost());
        } while (!stopped() && file.readOn(budget, sink));
        error = file.failure().value_or(QString());
    }
    if (stopped())
        return std::nullopt;
    if (const RecordingFile::Loaded &loaded = file.loaded(); loaded.unreadable > 0) {
        notes->append(loaded.unreadable == 1
                              ? QCoreApplication::translate("RecordingFigures",
                                                            "1 row could not be read, at line %1; "
                                                            "it is left out")
                                        .arg(loaded.firstUnreadableLine)
                              : QCoreApplication::translate("RecordingFigures",
                                                            "%1 rows could not be read, the first "
                                                            "at line %2; they are left out")
                                        .arg(loaded.unreadable)
                                        .arg(loaded.firstUnreadableLine));
    }
    if (!error.isEmpty()) {
        notes->append(error);
        return std::nullopt;
    }
    // The last instrument's readings, as the history window shows them.
    read.firstMsecs = run.firstMsecs();
    read.lastMsecs = run.lastMsecs();
    read.figures = run.finalFigures(options);
    if (read.figures.missing) {
        notes->append(QCoreApplication::translate("RecordingFigures", "no stability figures: %1")
                              .arg(Statistics::missingText(*read.figures.missing)));
        return std::nullopt;
    }
    return read;
}

std::optional<std::array<RecordingFigures, 3>>
RecordingFigures::readPairs(const std::array<QString, 3> &paths, const StatisticsOptions &options,
                            QStringList *notes, const std::atomic<bool> *stop)
{
    std::array<RecordingFigures, 3> pairs;
    std::array<double, 3> spans{};
    for (std::size_t i = 0; i < paths.size(); ++i) {
        QStringList told;
        std::optional<RecordingFigures> figures = read(paths.at(i), options, &told, stop);
        for (const QString &note : std::as_const(told))
            notes->append(QDir::toNativeSeparators(paths.at(i)) + QStringLiteral(": ") + note);
        if (!figures)
            return std::nullopt;
        spans.at(i) = double(figures->lastMsecs - figures->firstMsecs) / 1000.0;
        pairs.at(i) = std::move(*figures);
    }
    if (ThreeCorneredHat::spansDiffer(spans)) {
        const QLocale c = QLocale::c();
        notes->append(QCoreApplication::translate("RecordingFigures",
                                                  "warning: the recordings span %1 s, %2 s and "
                                                  "%3 s, more than a tenth apart; the "
                                                  "three-cornered hat wants the three pairs "
                                                  "measured over the same span")
                              .arg(c.toString(spans[0], 'g', 6), c.toString(spans[1], 'g', 6),
                                   c.toString(spans[2], 'g', 6)));
    }
    return pairs;
}

} // namespace freqcounter
