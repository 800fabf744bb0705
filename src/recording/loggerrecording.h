// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "csvrecorder.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

namespace freqcounter {

// A recording for a program that logs for weeks without a window: a
// CsvRecorder that syncs once a second and rides through a full disk. While
// the disk is full (a write or a sync says so) it counts the readings it
// could not write, and tries each new one again, so that writing goes on as
// soon as there is room; the readings missed leave a gap in the file's
// times, nothing else. It tells each change once, through its notice: full,
// and writing again once a write and a sync have gone through. Any other
// failure raises, as the recorder's do. How the owner shows a notice is not
// its business.
class LoggerRecording
{
    Q_DECLARE_TR_FUNCTIONS(LoggerRecording)

public:
    using Notice = std::function<void(const QString &text)>;

    // Raises when the file cannot be opened or its header written.
    LoggerRecording(const QString &path, bool mathColumns, Notice notice,
                    RecorderSystem system = {});

    void append(const ReceivedReading &reading);
    // On each of the owner's ticks (CsvRecorder::syncIfDue()).
    void syncIfDue();
    // At the end: every line written onto the disk.
    void sync();

    // The readings not recorded since the recording began.
    qint64 missed() const { return m_missed; }

private:
    // False when the disk was full.
    bool rideThrough(const std::function<void()> &doing);
    // Once the last write and the last sync both went through.
    void tellWritingAgain();

    CsvRecorder m_recorder;
    Notice m_notice;
    bool m_full = false; // said so, and not yet that it writes again
    bool m_writeFailing = false;
    bool m_syncFailing = false;
    qint64 m_missed = 0;
    qint64 m_missedWhileFull = 0;
};

} // namespace freqcounter
