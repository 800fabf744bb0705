// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "csvrecorder.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <csignal>
#include <unistd.h>
#endif

namespace freqcounter {

namespace {

constexpr QByteArrayView kHeader = "time,port,device,reading";

bool endsTorn(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || file.size() == 0
        || !file.seek(file.size() - 1))
        return false;
    char last = 0;
    return file.getChar(&last) && last != '\n';
}

} // namespace

CsvRecorder::CsvRecorder(const QString &path, bool mathColumns, SyncCadence cadence,
                         RecorderSystem system)
    : m_file(path)
    , m_cadence(cadence)
    , m_system(std::move(system))
{
#ifdef Q_OS_UNIX
    // A file that reaches the size limit must fail the write, not end the
    // program.
    ::signal(SIGXFSZ, SIG_IGN);
#endif
    // A run that was killed, or lost its power, in the middle of a line left
    // it torn: it is ended before anything else is added.
    const bool torn = endsTorn(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        raiseFileError(tr("could not be opened"));
    m_end = m_file.size();
    if (m_end == 0)
        write(kHeader.toByteArray() + (mathColumns ? ",shown,math\r\n" : "\r\n"));
    else if (torn)
        write(QByteArrayLiteral("\r\n"));
}

void CsvRecorder::append(const ReceivedReading &reading)
{
    write(line(reading) + "\r\n");
}

void CsvRecorder::syncIfDue()
{
    if (m_unsyncedSince && m_system.now() - *m_unsyncedSince >= kSyncAfter)
        sync();
}

void CsvRecorder::sync()
{
    if (!m_unsyncedSince)
        return;
    // A device that cannot be synchronised (a pipe, /dev/null) needs not be.
    if (m_system.sync(m_file.handle()) != 0 && errno != EINVAL && errno != EROFS)
        raiseWriteError(errno);
    m_unsyncedSince.reset();
}

QByteArray CsvRecorder::line(const ReceivedReading &reading)
{
    return field(timestamp(reading.time)) + ',' + QByteArray::number(reading.port) + ','
            + field(reading.device) + ',' + field(reading.asSent())
            + (reading.math.isEmpty() ? QByteArray()
                                      : ',' + field(reading.text) + ',' + field(reading.math));
}

QByteArray CsvRecorder::field(const QString &text)
{
    // Quoted when it holds a separator, a quote, a line end or any other
    // control character; a quote inside is doubled.
    const bool quote = std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == u',' || c == u'"' || c.unicode() < 0x20 || c.unicode() == 0x7F;
    });
    QByteArray utf8 = text.toUtf8();
    if (!quote)
        return utf8;
    return '"' + utf8.replace('"', "\"\"") + '"';
}

QString CsvRecorder::timestamp(const QDateTime &time)
{
    // Local time with its offset from UTC: 2026-12-07T15:20:01.123+01:00.
    const QDateTime local = time.toLocalTime();
    const int offset = local.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")) + (offset < 0 ? u'-' : u'+')
            + QStringLiteral("%1:%2")
                      .arg(minutes / 60, 2, 10, QChar(u'0'))
                      .arg(minutes % 60, 2, 10, QChar(u'0'));
}

void CsvRecorder::write(const QByteArray &bytes)
{
    const qint64 size = bytes.size();
    const qint64 written = writeOnce(bytes.constData(), size);
    if (written != size) {
        // The system took part of the line, or none of it. Only a write of
        // the rest says why (no room, a file size limit): should it go in
        // after all, the line is whole and stays, else what was taken is cut
        // back.
        int failure = errno;
        if (written >= 0) {
            const qint64 more = writeOnce(bytes.constData() + written, size - written);
            failure = more == size - written ? 0 : more >= 0 ? ENOSPC : errno;
        }
        if (failure != 0) {
            cutBack();
            raiseWriteError(failure);
        }
    }
    m_end += size;
    if (!m_unsyncedSince)
        m_unsyncedSince = m_system.now();
    if (m_cadence == SyncCadence::EveryLine)
        sync();
}

qint64 CsvRecorder::writeOnce(const char *data, qint64 size)
{
    for (;;) {
        const qint64 written = m_system.write(m_file.handle(), data, size);
        if (written >= 0 || errno != EINTR)
            return written;
    }
}

void CsvRecorder::cutBack()
{
    const int fd = m_file.handle();
#ifdef Q_OS_WIN
    int failure = ::_chsize_s(fd, m_end);
    if (failure == 0 && ::_lseeki64(fd, m_end, SEEK_SET) != m_end)
        failure = errno;
#else
    const int failure = ::ftruncate(fd, off_t(m_end)) == 0 ? 0 : errno;
#endif
    // A device that cannot be cut (a pipe, /dev/full) keeps no file to tear.
    if (failure != 0 && failure != EINVAL)
        raise(RecordingErrorCode::DeviceIoError, tr("could not be cut back to its last whole line"),
              QString::fromLocal8Bit(std::strerror(failure)));
}

qint64 RecorderSystem::fileWrite(int fd, const char *data, qint64 size)
{
#ifdef Q_OS_WIN
    return ::_write(fd, data, unsigned(size));
#else
    // The system's own call, so that a failure names its real cause: a file
    // size limit, say, which QFile reports as "Unknown error".
    return ::write(fd, data, std::size_t(size));
#endif
}

int RecorderSystem::fileSync(int fd)
{
#ifdef Q_OS_WIN
    return ::_commit(fd);
#else
    return ::fdatasync(fd);
#endif
}

void CsvRecorder::raiseWriteError(int failure)
{
    raise(failure == ENOSPC ? RecordingErrorCode::DiskFull : RecordingErrorCode::DeviceIoError,
          tr("could not be written"), QString::fromLocal8Bit(std::strerror(failure)));
}

void CsvRecorder::raiseFileError(const QString &doing)
{
    RecordingErrorCode code = RecordingErrorCode::FileAccessError;
    switch (m_file.error()) {
    case QFileDevice::PermissionsError:
        code = RecordingErrorCode::PermissionDenied;
        break;
    case QFileDevice::ResourceError:
        code = RecordingErrorCode::DiskFull;
        break;
    case QFileDevice::WriteError:
        code = RecordingErrorCode::DeviceIoError;
        break;
    default:
        break;
    }
    raise(code, doing, m_file.errorString());
}

void CsvRecorder::raise(RecordingErrorCode code, const QString &doing, const QString &cause)
{
    QString description
            = tr("The recording file %1 %2: %3.")
                      .arg(QFileInfo(m_file.fileName()).absoluteFilePath(), doing, cause);
    if (m_file.isOpen())
        description += tr(" The readings recorded before stay in it.");
    throw RecordingError(code, description);
}

} // namespace freqcounter
