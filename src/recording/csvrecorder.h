// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "receivedreading.h"
#include "recordingerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QString>

namespace freqcounter {

// Writes each reading as one line of a CSV file (RFC 4180, UTF-8):
// time,port,device,reading as the counter sent it, and while counter math
// is on two fields more: shown, the frequency shown, and math, the math's
// name. An existing file is appended to, never overwritten, and gets the
// header only when empty; a last line left torn is ended first. Every line reaches the disk before
// append() returns, so a crash or a power cut loses at most the line being written. Every failure
// raises a RecordingError.
class CsvRecorder
{
    Q_DECLARE_TR_FUNCTIONS(CsvRecorder)

public:
    // mathColumns: counter math is on, so a new file's header names the
    // shown and math fields too.
    explicit CsvRecorder(const QString &path, bool mathColumns = false);

    QString path() const { return m_file.fileName(); }
    void append(const ReceivedReading &reading);

    // One line of the file, without its line end.
    static QByteArray line(const ReceivedReading &reading);
    static QByteArray field(const QString &text);
    static QString timestamp(const QDateTime &time);

private:
    void write(const QByteArray &bytes);
    [[noreturn]] void raiseFileError(const QString &doing);
    [[noreturn]] void raiseWriteError(int failure);
    [[noreturn]] void raise(RecordingErrorCode code, const QString &doing, const QString &cause);

    QFile m_file;
};

} // namespace freqcounter
