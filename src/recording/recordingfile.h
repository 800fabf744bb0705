#pragma once

#include "readinghistory.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

#include <optional>

namespace freqcounter {

// Reads a recording back into a history: the program's own CSV
// (time,port,device,reading), timed by its own time stamps, or an export
// for analysis, timed from its first time stamp at its interval. A row that
// cannot be read is skipped and counted, never fatal; a reading that is no
// number is kept as one, as it was live.
class RecordingFile
{
    Q_DECLARE_TR_FUNCTIONS(RecordingFile)

public:
    struct Loaded
    {
        qsizetype readings = 0;
        qsizetype unreadable = 0; // rows skipped
    };

    // Nothing, with the reason in error, when the file cannot be read or
    // holds no readings.
    static std::optional<Loaded> load(const QString &path, ReadingHistory &history,
                                      QString *error = nullptr);

    // Milliseconds since the epoch of a time stamp as the recording writes
    // it ("2026-12-07T15:23:41.118+01:00"; also without milliseconds, or
    // with Z for UTC).
    static std::optional<qint64> epochMsecs(QByteArrayView stamp);

    // The fields of one CSV line (RFC 4180 quoting); nothing when a quote is
    // left open.
    static std::optional<QList<QByteArray>> fields(QByteArrayView line);
};

} // namespace freqcounter
