// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "receivedreading.h"
#include "recordingerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

namespace freqcounter {

// The calls a recorder makes on its file, and the clock it times its syncs
// by: the system's own, unless a test stands in for them with a writer that
// fails as a full disk does, a sync it watches or a clock it moves on.
struct RecorderSystem
{
    using Clock = std::chrono::steady_clock;

    // As ::write: how many bytes it wrote, or -1 with errno set.
    static qint64 fileWrite(int fd, const char *data, qint64 size);
    // As ::fdatasync: 0, or -1 with errno set.
    static int fileSync(int fd);

    std::function<qint64(int fd, const char *data, qint64 size)> write = &fileWrite;
    std::function<int(int fd)> sync = &fileSync;
    std::function<Clock::time_point()> now = &Clock::now;
};

// When the lines written reach the disk. A sync waits for the disk (and on a
// journalled file system for a commit): once a line, it bounds how many
// readings a second a recording keeps up with; once a second, it costs one
// wait a second whatever the rate.
enum class SyncCadence {
    EveryLine, // before append() returns
    OnceASecond, // by syncIfDue(), once the oldest line not on the disk has waited a second
};

// Writes each reading as one line of a CSV file (RFC 4180, UTF-8):
// time,port,device,reading as the counter sent it, and while counter math
// is on two fields more: shown, the frequency shown, and math, the math's
// name. An existing file is appended to, never overwritten, and gets the
// header only when empty; a last line left torn is ended first. A line goes
// to the system in one write, and one that fails part way is cut back, so the
// file holds whole lines only. With SyncCadence::EveryLine every line reaches
// the disk before append() returns, so a crash or a power cut loses at most
// the line being written; with OnceASecond, at most the last second or so.
// Every failure raises a RecordingError.
class CsvRecorder
{
    Q_DECLARE_TR_FUNCTIONS(CsvRecorder)

public:
    static constexpr std::chrono::seconds kSyncAfter{1};

    // mathColumns: counter math is on, so a new file's header names the
    // shown and math fields too.
    explicit CsvRecorder(const QString &path, bool mathColumns = false,
                         SyncCadence cadence = SyncCadence::EveryLine, RecorderSystem system = {});

    QString path() const { return m_file.fileName(); }
    void append(const ReceivedReading &reading);
    // On each of the owner's ticks: syncs once a line has waited kSyncAfter.
    // With nothing waiting it reads no clock and makes no system call.
    void syncIfDue();
    // Every line written onto the disk, now: at the end of a recording.
    void sync();

    // One line of the file, without its line end.
    static QByteArray line(const ReceivedReading &reading);
    static QByteArray field(const QString &text);
    static QString timestamp(const QDateTime &time);

private:
    void write(const QByteArray &bytes);
    qint64 writeOnce(const char *data, qint64 size);
    void cutBack();
    [[noreturn]] void raiseFileError(const QString &doing);
    [[noreturn]] void raiseWriteError(int failure);
    [[noreturn]] void raise(RecordingErrorCode code, const QString &doing, const QString &cause);

    QFile m_file;
    SyncCadence m_cadence;
    RecorderSystem m_system;
    qint64 m_end = 0; // after the last whole line
    std::optional<RecorderSystem::Clock::time_point> m_unsyncedSince;
};

} // namespace freqcounter
