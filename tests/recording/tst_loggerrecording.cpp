// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "loggerrecording.h"
#include "recordingfile.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cerrno>

using namespace freqcounter;

namespace {

constexpr qint64 kStartMs = 1'765'000'000'000;

ReceivedReading reading(int second)
{
    return {1, QStringLiteral("/dev/ttyUSB0"),
            QDateTime::fromMSecsSinceEpoch(kStartMs + qint64(second) * 1000),
            QStringLiteral("145.2")};
}

const qint64 kLine = CsvRecorder::line(reading(0)).size() + 2;

struct Run
{
    QStringList notices;
    int raised = 0;
    qint64 missed = 0;
    QList<qint64> recorded; // the seconds read back
};

// Ten readings a second apart, a tick after each, on a disk that fills at the
// fourth, with room for so many bytes more (-1: the writes go through) and
// none for a sync, and has room again at the eighth.
Run recordTen(const QString &path, qint64 roomWhenFull, int failure)
{
    Run run;
    qint64 room = -1;
    bool full = false;
    std::chrono::seconds now{0};
    RecorderSystem disk;
    disk.write = [&](int fd, const char *data, qint64 size) -> qint64 {
        if (room == 0) {
            errno = failure;
            return -1;
        }
        const qint64 written
                = RecorderSystem::fileWrite(fd, data, room < 0 ? size : std::min(size, room));
        room -= room < 0 ? 0 : written;
        return written;
    };
    disk.sync = [&](int) {
        errno = failure;
        return full ? -1 : 0;
    };
    disk.now = [&] { return RecorderSystem::Clock::time_point(now); };
    try {
        LoggerRecording recording(
                path, false, [&](const QString &text) { run.notices.append(text); }, disk);
        for (int second = 0; second < 10; ++second) {
            if (second == 3 || second == 7) {
                full = second == 3;
                room = full ? roomWhenFull : -1;
            }
            recording.append(reading(second));
            now += std::chrono::seconds(1);
            recording.syncIfDue();
        }
        recording.sync();
        run.missed = recording.missed();
    } catch (const RecordingError &error) {
        run.raised = error.number();
    }
    // A torn line would read as no row, or as a row of another time.
    RecordingFile file(path);
    if (file.open()) {
        while (file.readOn(std::chrono::seconds(10), [&](const auto &read) {
            run.recorded.append((read.msecs - kStartMs) / 1000);
        })) {}
    }
    return run;
}

} // namespace

class TestLoggerRecording : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ridesThroughAFullDisk_data();
    void ridesThroughAFullDisk();
    void otherFailuresRaise_data();
    void otherFailuresRaise();
};

void TestLoggerRecording::ridesThroughAFullDisk_data()
{
    QTest::addColumn<qint64>("roomWhenFull");
    QTest::addColumn<QList<qint64>>("recorded");

    QTest::newRow("no room for a byte") << qint64(0) << QList<qint64>{0, 1, 2, 7, 8, 9};
    QTest::newRow("room for part of a line, cut back")
            << kLine / 2 << QList<qint64>{0, 1, 2, 7, 8, 9};
    QTest::newRow("the writes go through, the syncs find no room")
            << qint64(-1) << QList<qint64>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
}

void TestLoggerRecording::ridesThroughAFullDisk()
{
    QFETCH(qint64, roomWhenFull);
    QFETCH(QList<qint64>, recorded);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("readings.csv"));
    const Run run = recordTen(path, roomWhenFull, ENOSPC);
    QCOMPARE(run.raised, 0);
    QCOMPARE(run.missed, 10 - recorded.size());
    QCOMPARE(run.notices,
             QStringList({QStringLiteral("the disk is full: readings are counted and not recorded "
                                         "until there is room (%1)")
                                  .arg(path),
                          QStringLiteral("writing again: %1 readings were not recorded")
                                  .arg(run.missed)}));
    QCOMPARE(run.recorded, recorded);
}

void TestLoggerRecording::otherFailuresRaise_data()
{
    QTest::addColumn<int>("failure");
    QTest::addColumn<qint64>("roomWhenFull");
    QTest::addColumn<QList<qint64>>("recorded");

    QTest::newRow("EIO on a write") << EIO << qint64(0) << QList<qint64>{0, 1, 2};
    QTest::newRow("a file size limit after part of a line, cut back")
            << EFBIG << kLine / 2 << QList<qint64>{0, 1, 2};
    QTest::newRow("EIO on a sync") << EIO << qint64(-1) << QList<qint64>{0, 1, 2, 3};
}

void TestLoggerRecording::otherFailuresRaise()
{
    QFETCH(int, failure);
    QFETCH(qint64, roomWhenFull);
    QFETCH(QList<qint64>, recorded);

    QTemporaryDir dir;
    const Run run = recordTen(dir.filePath(QStringLiteral("readings.csv")), roomWhenFull, failure);
    QCOMPARE(run.raised, static_cast<int>(RecordingErrorCode::DeviceIoError));
    QVERIFY(run.notices.isEmpty());
    QCOMPARE(run.recorded, recorded);
}

QTEST_GUILESS_MAIN(TestLoggerRecording)
#include "tst_loggerrecording.moc"
