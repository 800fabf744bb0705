#include "recordingfile.h"

#include <QFile>

#include <cmath>

namespace freqcounter {

namespace {

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar
// (Howard Hinnant's algorithm).
qint64 daysFromCivil(qint64 year, qint64 month, qint64 day)
{
    year -= month <= 2 ? 1 : 0;
    const qint64 era = (year >= 0 ? year : year - 399) / 400;
    const qint64 yearOfEra = year - era * 400;
    const qint64 dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const qint64 dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The digits at [at, at + count), or -1.
qint64 digits(QByteArrayView text, qsizetype at, qsizetype count)
{
    if (at + count > text.size())
        return -1;
    qint64 value = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The header's and the export's lines, as the program writes them.
constexpr QByteArrayView kCsvHeader = "time,port,device,reading";
constexpr QByteArrayView kFirstReading = "# first reading: ";
constexpr QByteArrayView kInterval = "# tau0: ";
constexpr QByteArrayView kPort = "# port: Com";

// The port number a "Com12 (...)" begins with; 1 when it has none.
qint16 portNumber(QByteArrayView text)
{
    qsizetype length = 0;
    while (length < text.size() && length < 2 && text[length] >= '0' && text[length] <= '9')
        ++length;
    return qint16(std::max<qint64>(1, digits(text, 0, length)));
}

// "12 (/dev/ttyUSB0)": the port's number, and its device when it names one.
void readPort(QByteArrayView text, qint16 &port, QString &device)
{
    port = portNumber(text);
    const qsizetype open = text.indexOf('(');
    if (open >= 0 && text.endsWith(')'))
        device = QString::fromUtf8(text.sliced(open + 1, text.size() - open - 2));
}

QList<QByteArrayView> linesOf(const QByteArray &bytes)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line(bytes.constData() + start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.trimmed().isEmpty())
            lines.append(line);
        start = end + 1;
    }
    return lines;
}

void loadCsv(const QList<QByteArrayView> &lines, ReadingHistory &history,
             RecordingFile::Loaded &loaded)
{
    QByteArray deviceBytes;
    QString device; // shared from row to row while it stays the same
    for (const QByteArrayView line : lines) {
        if (line == kCsvHeader)
            continue;
        const std::optional<QList<QByteArray>> row = RecordingFile::fields(line);
        const std::optional<qint64> msecs
                = row && row->size() == 4 ? RecordingFile::epochMsecs(row->at(0)) : std::nullopt;
        bool portRead = false;
        const int port = row && row->size() == 4 ? row->at(1).toInt(&portRead) : 0;
        if (!msecs || !portRead || port < 1 || port > 16) {
            ++loaded.unreadable;
            continue;
        }
        if (deviceBytes != row->at(2)) {
            deviceBytes = row->at(2);
            device = QString::fromUtf8(deviceBytes);
        }
        history.add({qint16(port), device, {}, QString::fromUtf8(row->at(3)), *msecs});
        ++loaded.readings;
    }
}

void loadExport(const QList<QByteArrayView> &lines, ReadingHistory &history,
                RecordingFile::Loaded &loaded)
{
    std::optional<qint64> first;
    double intervalMs = 1000;
    qint16 port = 1;
    QString device;
    qsizetype count = 0;
    for (const QByteArrayView line : lines) {
        if (line.startsWith('#')) {
            if (line.startsWith(kFirstReading))
                first = RecordingFile::epochMsecs(line.sliced(kFirstReading.size()).trimmed());
            else if (line.startsWith(kInterval))
                intervalMs
                        = line.sliced(kInterval.size()).toByteArray().split(' ').value(0).toDouble()
                        * 1000;
            else if (line.startsWith(kPort))
                readPort(line.sliced(kPort.size()), port, device);
            continue;
        }
        bool isNumber = false;
        const double hz = line.trimmed().toDouble(&isNumber);
        if (!isNumber || !std::isfinite(hz)) {
            ++loaded.unreadable;
            continue;
        }
        const qint64 msecs = first.value_or(0) + std::llround(double(count) * intervalMs);
        history.add(
                {port, device, {}, QString::number(hz, 'g', 15) + QStringLiteral(" Hz"), msecs});
        ++count;
        ++loaded.readings;
    }
}

} // namespace

std::optional<qint64> RecordingFile::epochMsecs(QByteArrayView stamp)
{
    // 2026-12-07T15:23:41.118+01:00
    const qint64 year = digits(stamp, 0, 4);
    const qint64 month = digits(stamp, 5, 2);
    const qint64 day = digits(stamp, 8, 2);
    const qint64 hour = digits(stamp, 11, 2);
    const qint64 minute = digits(stamp, 14, 2);
    const qint64 second = digits(stamp, 17, 2);
    if (year < 0 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23
        || minute < 0 || minute > 59 || second < 0 || second > 60 || stamp.size() < 20
        || stamp[4] != '-' || stamp[7] != '-' || stamp[10] != 'T' || stamp[13] != ':'
        || stamp[16] != ':')
        return std::nullopt;
    qsizetype at = 19;
    qint64 millis = 0;
    if (stamp[at] == '.') {
        millis = digits(stamp, at + 1, 3);
        if (millis < 0)
            return std::nullopt;
        at += 4;
    }
    qint64 offsetMinutes = 0;
    if (at < stamp.size() && stamp[at] == 'Z' && at + 1 == stamp.size()) {
        offsetMinutes = 0;
    } else if (at + 6 == stamp.size() && (stamp[at] == '+' || stamp[at] == '-')
               && stamp[at + 3] == ':') {
        const qint64 hours = digits(stamp, at + 1, 2);
        const qint64 minutes = digits(stamp, at + 4, 2);
        if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59)
            return std::nullopt;
        offsetMinutes = (hours * 60 + minutes) * (stamp[at] == '-' ? -1 : 1);
    } else {
        return std::nullopt;
    }
    const qint64 minutes
            = (daysFromCivil(year, month, day) * 24 + hour) * 60 + minute - offsetMinutes;
    return (minutes * 60 + second) * 1000 + millis;
}

std::optional<QList<QByteArray>> RecordingFile::fields(QByteArrayView line)
{
    QList<QByteArray> result;
    QByteArray field;
    bool quoted = false;
    bool wasQuoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"' && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == ',') {
            result.append(field);
            field.clear();
            wasQuoted = false;
        } else {
            field += c;
        }
    }
    if (quoted)
        return std::nullopt;
    result.append(field);
    return result;
}

std::optional<RecordingFile::Loaded> RecordingFile::load(const QString &path,
                                                         ReadingHistory &history, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    const QList<QByteArrayView> lines = linesOf(bytes);
    Loaded loaded;
    if (!lines.isEmpty() && lines.first().startsWith('#'))
        loadExport(lines, history, loaded);
    else
        loadCsv(lines, history, loaded);
    if (loaded.readings == 0) {
        if (error)
            *error = tr("it holds no readings");
        return std::nullopt;
    }
    return loaded;
}

} // namespace freqcounter
