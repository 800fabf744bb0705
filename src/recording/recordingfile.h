// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "readinghistory.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QFile>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

namespace freqcounter {

// Reads a recording back, a part at a time, so that a long one can show its
// progress and be cancelled: the program's own CSV (time,port,device,
// reading, and where counter math was on the shown frequency and the math's
// name; a reading with a unit of time is a time interval), timed by its own
// time stamps, or an export for analysis, timed from
// its first time stamp, a line a slot of its interval, a zero line an empty
// slot. A row or header line that cannot be read is skipped and counted,
// never fatal; a reading that is no number is kept as one, as it was live.
// Followed, it reads on from its end as a logger appends to it, a whole line
// at a time. It keeps nothing of the readings itself.
class RecordingFile
{
    Q_DECLARE_TR_FUNCTIONS(RecordingFile)

public:
    struct Loaded
    {
        qsizetype readings = 0;
        qsizetype unreadable = 0; // rows skipped
        qsizetype firstUnreadableLine = 0; // from 1 on; 0 when every row was read
    };

    // One reading of the file, as long as the sink is called.
    struct Reading
    {
        qint16 port = 1;
        const QString &device;
        qint64 msecs = 0; // since the epoch
        double mhz = 0; // NaN when it is no number; seconds when phase is
        // The counter math it was shown with: the name a row gives, or
        // shownMath() for a row with the shown frequency and no name; empty
        // without math.
        const QString &math;
        // A time interval, such as "1.2E-07 s": the phase between two signals.
        bool phase = false;
    };
    using Sink = std::function<void(const Reading &)>;

    // Whether the file's end is the recording's, or where a logger still
    // writing it goes on.
    enum class End { Final, Followed };

    explicit RecordingFile(const QString &path, End end = End::Final);

    // What a recording from before rows named their counter math says of
    // it: only that it was on.
    static QString shownMath();

    // Opens the file; false, with the reason in error, when it cannot be.
    bool open(QString *error = nullptr);
    // Reads on for about the budget, handing the sink each reading; false
    // once the whole file is read, or reading failed. It counts the file's
    // lines before the first reading. Followed, a last line not yet ended
    // waits for its line end, and after the end it reads what has grown.
    bool readOn(std::chrono::milliseconds budget, const Sink &sink);
    // Followed and read to its end: whether it has grown since, for readOn
    // to read on. One that shrank or was replaced (cut short, rotated) is
    // read no further, as what came after would be another file's: it fails,
    // and failure() says why.
    bool hasGrown();
    // The most readings the file can hold: its lines, once counted.
    qsizetype rowsAtMost() const { return m_lines; }
    // How much of the file has been read, from 0 to 1.
    double progress() const;
    const Loaded &loaded() const { return m_loaded; }
    QString path() const { return m_file.fileName(); }
    // Why the file gave nothing, once it is read: a read error, or no
    // readings.
    std::optional<QString> failure() const;

    // The whole file into a history, which is made to hold all of it.
    // Nothing, with the reason in error, when the file cannot be read or
    // holds no readings.
    static std::optional<Loaded> load(const QString &path, ReadingHistory &history,
                                      QString *error = nullptr);

    // Milliseconds since the epoch of a time stamp as the recording writes
    // it ("2026-12-07T15:23:41.118+01:00"; also without milliseconds, or
    // with Z for UTC); nothing for a date or time that does not exist.
    static std::optional<qint64> epochMsecs(QByteArrayView stamp);

    // The fields of one CSV line (RFC 4180 quoting); nothing when a quote is
    // left open.
    static std::optional<QList<QByteArray>> fields(QByteArrayView line);

private:
    enum class Format { Unknown, Csv, Export };

    void readLine(QByteArrayView line, const Sink &sink);
    void readCsvRow(QByteArrayView line, const Sink &sink);
    void readExportLine(QByteArrayView line, const Sink &sink);
    void readExportHeader(QByteArrayView line);
    void hand(const Sink &sink, qint16 port, qint64 msecs, double mhz, const QString &math,
              bool phase = false);
    // Counts the line being read as one that could not be.
    void skipLine();

    bool countOn(std::chrono::milliseconds budget);
    bool fail(const QString &why);
    bool isReplaced() const;

    QFile m_file;
    End m_end = End::Final;
    bool m_ended = false; // read to the end at least once
    qsizetype m_lines = 0;
    bool m_counted = false;
    char m_lastCounted = '\n';
    QByteArray m_rest; // a line not yet ended
    bool m_failed = false;
    QString m_error;
    Loaded m_loaded;
    Format m_format = Format::Unknown;
    QByteArray m_deviceBytes;
    QString m_device; // shared from row to row while it stays the same
    QByteArray m_mathBytes;
    QString m_math; // shared likewise
    qsizetype m_line = 0; // the line being read, from 1 on
    // An export's header and the slot its next line takes.
    std::optional<qint64> m_first;
    std::optional<double> m_intervalMs;
    qint16 m_port = 1;
    qint64 m_slot = 0;
    bool m_phase = false; // its lines are phases in seconds
};

} // namespace freqcounter
