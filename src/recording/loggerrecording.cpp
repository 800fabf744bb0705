// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "loggerrecording.h"

#include <QFileInfo>

#include <utility>

namespace freqcounter {

LoggerRecording::LoggerRecording(const QString &path, bool mathColumns, Notice notice,
                                 RecorderSystem system)
    : m_recorder(path, mathColumns, SyncCadence::OnceASecond, std::move(system))
    , m_notice(std::move(notice))
{}

void LoggerRecording::append(const ReceivedReading &reading)
{
    m_writeFailing = !rideThrough([&] { m_recorder.append(reading); });
    if (m_writeFailing) {
        ++m_missed;
        ++m_missedWhileFull;
    }
    tellWritingAgain();
}

void LoggerRecording::syncIfDue()
{
    // A sync that failed leaves its lines waiting, so the next call tries
    // again: coming back, it went through.
    m_syncFailing = !rideThrough([&] { m_recorder.syncIfDue(); });
    tellWritingAgain();
}

void LoggerRecording::sync()
{
    m_syncFailing = !rideThrough([&] { m_recorder.sync(); });
    tellWritingAgain();
}

bool LoggerRecording::rideThrough(const std::function<void()> &doing)
{
    try {
        doing();
        return true;
    } catch (const RecordingError &error) {
        if (error.number() != static_cast<int>(RecordingErrorCode::DiskFull))
            throw;
    }
    if (!m_full) {
        m_full = true;
        m_notice(tr("the disk is full: readings are counted and not recorded until there is room "
                    "(%1)")
                         .arg(QFileInfo(m_recorder.path()).absoluteFilePath()));
    }
    return false;
}

void LoggerRecording::tellWritingAgain()
{
    // Both must: a file system that takes the writes and fails every sync
    // (a network one) would otherwise be said to write again each second.
    if (!m_full || m_writeFailing || m_syncFailing)
        return;
    m_full = false;
    m_notice(m_missedWhileFull == 1
                     ? tr("writing again: 1 reading was not recorded")
                     : tr("writing again: %1 readings were not recorded").arg(m_missedWhileFull));
    m_missedWhileFull = 0;
}

} // namespace freqcounter
