// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingfile.h"

#include "analysisexport.h"
#include "frequencytext.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

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

// The days of a month of the proleptic Gregorian calendar.
qint64 daysIn(qint64 year, qint64 month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
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
constexpr QByteArrayView kCsvHeaderShown = "time,port,device,reading,shown";
constexpr QByteArrayView kCsvHeaderMath = "time,port,device,reading,shown,math";
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

// The fields of a row, without copying them where nothing is quoted: four,
// five with the shown frequency, or six with the math's name too.
struct Row
{
    std::array<QByteArray, 6> fields;
    qsizetype count = 0;
};
std::optional<Row> rowFields(QByteArrayView line)
{
    Row row;
    if (!line.contains('"')) {
        qsizetype start = 0;
        for (; row.count < qsizetype(row.fields.size()) && start <= line.size(); ++row.count) {
            qsizetype comma = line.indexOf(',', start);
            if (comma < 0)
                comma = line.size();
            row.fields[row.count] = QByteArray::fromRawData(line.data() + start, comma - start);
            start = comma + 1;
        }
        if (row.count < 4 || start <= line.size())
            return std::nullopt;
        return row;
    }
    const std::optional<QList<QByteArray>> quoted = RecordingFile::fields(line);
    if (!quoted || quoted->size() < 4 || quoted->size() > qsizetype(row.fields.size()))
        return std::nullopt;
    std::copy(quoted->cbegin(), quoted->cend(), row.fields.begin());
    row.count = quoted->size();
    return row;
}

const QString &noMath()
{
    static const QString none;
    return none;
}

// A block read at a time: large enough that reading costs little, small
// enough that a step of the reading stays short.
constexpr qint64 kBlock = 1 << 20;

} // namespace

QString RecordingFile::shownMath()
{
    return tr("on");
}

RecordingFile::RecordingFile(const QString &path, End end)
    : m_file(path)
    , m_end(end)
{}

bool RecordingFile::open(QString *error)
{
    if (m_file.open(QIODevice::ReadOnly))
        return true;
    if (error)
        *error = m_file.errorString();
    return false;
}

bool RecordingFile::countOn(std::chrono::milliseconds budget)
{
    // Its lines are counted first, so that a history can be made to hold
    // every reading before the first comes.
    QElapsedTimer elapsed;
    elapsed.start();
    while (!m_file.atEnd()) {
        const QByteArray block = m_file.read(kBlock);
        if (block.isEmpty())
            break;
        m_lines += std::count(block.cbegin(), block.cend(), '\n');
        m_lastCounted = block.back();
        if (elapsed.elapsed() >= budget.count())
            return true;
    }
    if (m_file.error() != QFileDevice::NoError || !m_file.seek(0))
        return fail(m_file.errorString());
    m_lines += m_lastCounted != '\n' ? 1 : 0;
    m_counted = true;
    return true;
}

bool RecordingFile::readOn(std::chrono::milliseconds budget, const Sink &sink)
{
    if (!m_counted && m_file.isOpen())
        return countOn(budget);
    QElapsedTimer elapsed;
    elapsed.start();
    while (!m_failed && m_file.isOpen()) {
        const QByteArray block = m_file.read(kBlock);
        if (block.isEmpty()) {
            if (m_file.error() != QFileDevice::NoError)
                return fail(m_file.errorString());
            m_ended = true;
            // A followed file's last line may be half written yet.
            if (m_end == End::Final) {
                readLine(m_rest, sink);
                m_rest.clear();
                m_file.close();
            }
            return false;
        }
        m_rest += block;
        qsizetype start = 0;
        for (qsizetype end = m_rest.indexOf('\n'); end >= 0; end = m_rest.indexOf('\n', start)) {
            readLine(QByteArrayView(m_rest).sliced(start, end - start), sink);
            start = end + 1;
        }
        m_rest.remove(0, start);
        if (elapsed.elapsed() >= budget.count())
            return true;
    }
    return false;
}

bool RecordingFile::hasGrown()
{
    if (m_end != End::Followed || !m_ended || m_failed)
        return false;
    // A size and a name looked up: nothing is read while nothing changes.
    // A file cut short and grown past where it was read between two looks
    // goes unseen.
    const qint64 size = m_file.size();
    if (size < m_file.pos())
        return fail(tr("it shrank"));
    if (isReplaced())
        return fail(tr("it was replaced or removed"));
    return size > m_file.pos();
}

bool RecordingFile::isReplaced() const
{
#ifdef Q_OS_UNIX
    struct stat named = {};
    struct stat opened = {};
    if (::stat(QFile::encodeName(m_file.fileName()).constData(), &named) != 0
        || ::fstat(m_file.handle(), &opened) != 0)
        return true;
    return named.st_dev != opened.st_dev || named.st_ino != opened.st_ino;
#else
    // On Windows a file Qt holds open cannot be renamed or removed.
    return false;
#endif
}

bool RecordingFile::fail(const QString &why)
{
    m_failed = true;
    m_error = why;
    return false;
}

double RecordingFile::progress() const
{
    const qint64 size = m_file.size();
    if (!m_file.isOpen() || size == 0)
        return 1;
    // Counting the lines takes a small part of the time reading them does.
    constexpr double kCounting = 0.05;
    const double through = double(m_file.pos()) / double(size);
    return m_counted ? kCounting + (1 - kCounting) * through : kCounting * through;
}

std::optional<QString> RecordingFile::failure() const
{
    if (m_failed)
        return m_error;
    if ((m_ended || !m_file.isOpen()) && m_loaded.readings == 0)
        return tr("it holds no readings");
    return std::nullopt;
}

void RecordingFile::readLine(QByteArrayView line, const Sink &sink)
{
    ++m_line;
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.trimmed().isEmpty())
        return;
    if (m_format == Format::Unknown)
        m_format = line.startsWith('#') ? Format::Export : Format::Csv;
    if (m_format == Format::Csv)
        readCsvRow(line, sink);
    else
        readExportLine(line, sink);
}

void RecordingFile::readCsvRow(QByteArrayView line, const Sink &sink)
{
    if (line == kCsvHeader || line == kCsvHeaderShown || line == kCsvHeaderMath)
        return;
    const std::optional<Row> row = rowFields(line);
    const std::optional<qint64> msecs = row ? epochMsecs(row->fields[0]) : std::nullopt;
    bool portRead = false;
    const int port = row ? row->fields[1].toInt(&portRead) : 0;
    if (!msecs || !portRead || port < 1 || port > 16) {
        skipLine();
        return;
    }
    if (m_deviceBytes != row->fields[2]) {
        m_deviceBytes = QByteArray(row->fields[2].constData(), row->fields[2].size());
        m_device = QString::fromUtf8(m_deviceBytes);
    }
    // A row of six names its counter math; one of five, from before rows did,
    // says only that math was on.
    if (row->count == 6 && m_mathBytes != row->fields[5]) {
        m_mathBytes = QByteArray(row->fields[5].constData(), row->fields[5].size());
        m_math = QString::fromUtf8(m_mathBytes);
    }
    const QString &math = row->count == 4
            ? noMath()
            : (row->count == 6 && !m_math.isEmpty() ? m_math : shownMath());
    // Where counter math was on, the frequency shown is the reading, of any
    // size, where the counter sent a frequency.
    const QString reading = QString::fromUtf8(row->fields[3]);
    const double sent = frequencyMHz(reading);
    // A time interval is kept with its unit, and never with counter math.
    if (const double seconds = intervalSeconds(reading);
        row->count == 4 && std::isfinite(seconds)) {
        hand(sink, qint16(port), *msecs, seconds, math, true);
        return;
    }
    const double mhz = row->count == 4 || !std::isfinite(sent)
            ? sent
            : shownFrequencyMHz(QString::fromUtf8(row->fields[4]));
    hand(sink, qint16(port), *msecs, mhz, math);
}

void RecordingFile::readExportHeader(QByteArrayView line)
{
    bool read = true;
    if (m_line == 1 && line.endsWith(QByteArrayView(kPhaseLines))) {
        m_phase = true;
    } else if (line.startsWith(kFirstReading)) {
        m_first = epochMsecs(line.sliced(kFirstReading.size()).trimmed());
        read = m_first.has_value();
    } else if (line.startsWith(kInterval)) {
        // "0.1 s"
        const QByteArrayView value = line.sliced(kInterval.size()).trimmed();
        bool isNumber = false;
        const double seconds
                = value.endsWith(" s") ? value.chopped(2).toByteArray().toDouble(&isNumber) : 0;
        read = isNumber && std::isfinite(seconds) && seconds > 0;
        if (read)
            m_intervalMs = seconds * 1000;
    } else if (line.startsWith(kPort)) {
        readPort(line.sliced(kPort.size()), m_port, m_device);
    }
    // Every other line of the header only describes.
    if (!read)
        skipLine();
}

void RecordingFile::readExportLine(QByteArrayView line, const Sink &sink)
{
    if (line.startsWith('#')) {
        readExportHeader(line);
        return;
    }
    bool isNumber = false;
    const double hz = line.trimmed().toByteArray().toDouble(&isNumber);
    if (!isNumber || !std::isfinite(hz)) {
        // Still a slot: what follows keeps its time.
        skipLine();
        ++m_slot;
        return;
    }
    // A zero is a slot with no reading, as the analysis tools mark a gap.
    if (hz != 0) {
        const qint64 msecs
                = m_first.value_or(0) + std::llround(double(m_slot) * m_intervalMs.value_or(0));
        hand(sink, m_port, msecs, m_phase ? hz : hz / 1e6, noMath(), m_phase);
    }
    ++m_slot;
}

void RecordingFile::hand(const Sink &sink, qint16 port, qint64 msecs, double mhz,
                         const QString &math, bool phase)
{
    sink({port, m_device, msecs, mhz, math, phase});
    ++m_loaded.readings;
}

void RecordingFile::skipLine()
{
    if (m_loaded.unreadable++ == 0)
        m_loaded.firstUnreadableLine = m_line;
}

std::optional<qint64> RecordingFile::epochMsecs(QByteArrayView stamp)
{
    // 2026-12-07T15:23:41.118+01:00
    const qint64 year = digits(stamp, 0, 4);
    const qint64 month = digits(stamp, 5, 2);
    const qint64 day = digits(stamp, 8, 2);
    const qint64 hour = digits(stamp, 11, 2);
    const qint64 minute = digits(stamp, 14, 2);
    const qint64 second = digits(stamp, 17, 2);
    if (year < 0 || month < 1 || month > 12 || day < 1 || day > daysIn(year, month) || hour < 0
        || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 60 || stamp.size() < 20
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
    RecordingFile file(path);
    if (!file.open(error))
        return std::nullopt;
    const Sink sink = [&history](const Reading &reading) {
        history.add(reading.port, reading.device, reading.msecs, reading.mhz, reading.math,
                    reading.phase);
    };
    // The lines are counted in a step of their own, before the first reading.
    do {
        history.reserve(file.rowsAtMost());
    } while (file.readOn(std::chrono::hours(1), sink));
    if (const std::optional<QString> why = file.failure()) {
        if (error)
            *error = *why;
        return std::nullopt;
    }
    return file.loaded();
}

} // namespace freqcounter
