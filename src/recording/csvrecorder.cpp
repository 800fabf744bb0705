// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "csvrecorder.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h>
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

CsvRecorder::CsvRecorder(const QString &path, bool mathColumns)
    : m_file(path)
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
    if (m_file.size() == 0)
        write(kHeader.toByteArray() + (mathColumns ? ",shown,math\r\n" : "\r\n"));
    else if (torn)
        write(QByteArrayLiteral("\r\n"));
}

void CsvRecorder::append(const ReceivedReading &reading)
{
    write(line(reading) + "\r\n");
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
#ifdef Q_OS_UNIX
    // With the system's own call, so that a failure names its real cause: a
    // file size limit, say, which QFile reports as "Unknown error".
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(m_file.handle(), data, std::size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            raiseWriteError(errno);
        data += written;
        left -= written;
    }
    // A device that cannot be synchronised (a pipe, /dev/null) needs not be.
    if (::fdatasync(m_file.handle()) != 0 && errno != EINVAL && errno != EROFS)
        raiseWriteError(errno);
#else
    if (m_file.write(bytes) != bytes.size())
        raiseFileError(tr("could not be written"));
#ifdef Q_OS_WIN
    if (::_commit(m_file.handle()) != 0)
        raiseWriteError(errno);
#endif
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
