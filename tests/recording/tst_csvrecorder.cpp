// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "csvrecorder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace freqcounter;

namespace {

const QDateTime kStart = QDateTime::fromMSecsSinceEpoch(1'765'000'000'000);

QList<QByteArray> fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestCsvRecorder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fieldQuoting_data();
    void fieldQuoting();
    void timestampIsLocalWithOffset();
    void timestampInAHalfHourZone_data();
    void timestampInAHalfHourZone();
    void headerOnlyOnceAcrossTwoRuns_data();
    void headerOnlyOnceAcrossTwoRuns();
    void tornLastLineIsEndedFirst();
    void linesAreWrittenWholeAndSyncedByTheCadence_data();
    void linesAreWrittenWholeAndSyncedByTheCadence();
};

void TestCsvRecorder::fieldQuoting_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("field");

    QTest::newRow("a plain reading") << QStringLiteral("145.2371") << QByteArray("145.2371");
    QTest::newRow("a comma") << QStringLiteral("145,2") << QByteArray("\"145,2\"");
    QTest::newRow("a quote, doubled") << QStringLiteral("14\"5") << QByteArray(R"("14""5")");
    QTest::newRow("a comma and a quote") << QStringLiteral("1,\"5\"") << QByteArray(R"("1,""5""")");
    QTest::newRow("a control character") << QStringLiteral("14\t5") << QByteArray("\"14\t5\"");
    QTest::newRow("beyond ASCII, as UTF-8")
            << QString::fromLatin1("\xB5") << QByteArray("\xC2\xB5");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestCsvRecorder::fieldQuoting()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, field);
    QCOMPARE(CsvRecorder::field(text), field);
}

void TestCsvRecorder::timestampIsLocalWithOffset()
{
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(1'765'000'000'123, Qt::UTC);
    const QString stamp = CsvRecorder::timestamp(when);
    static const QRegularExpression iso(
            QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.123[+-]\\d\\d:\\d\\d$"));
    QVERIFY2(iso.match(stamp).hasMatch(), qPrintable(stamp));
    // The same instant, read back.
    QCOMPARE(QDateTime::fromString(stamp, Qt::ISODateWithMs).toMSecsSinceEpoch(),
             when.toMSecsSinceEpoch());
    QCOMPARE(stamp.left(19), when.toLocalTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
}

void TestCsvRecorder::timestampInAHalfHourZone_data()
{
    QTest::addColumn<qint64>("msecs");
    QTest::addColumn<QString>("stamp");

    // CMake runs this test with TZ=America/St_Johns: 3.5 hours behind UTC in
    // winter, 2.5 in summer.
    QTest::newRow("winter, standard time")
            << QDateTime(QDate(2026, 1, 15), QTime(12, 0, 0, 123), Qt::UTC).toMSecsSinceEpoch()
            << QStringLiteral("2026-01-15T08:30:00.123-03:30");
    QTest::newRow("summer, daylight saving time")
            << QDateTime(QDate(2026, 7, 15), QTime(12, 0, 0, 123), Qt::UTC).toMSecsSinceEpoch()
            << QStringLiteral("2026-07-15T09:30:00.123-02:30");
    QTest::newRow("the evening before, across midnight")
            << QDateTime(QDate(2026, 12, 8), QTime(2, 59, 59, 999), Qt::UTC).toMSecsSinceEpoch()
            << QStringLiteral("2026-12-07T23:29:59.999-03:30");
}

void TestCsvRecorder::timestampInAHalfHourZone()
{
    QFETCH(qint64, msecs);
    QFETCH(QString, stamp);
    if (QDateTime::fromMSecsSinceEpoch(msecs).offsetFromUtc() % 3600 == 0)
        QSKIP("not run in a zone with a half-hour offset (TZ=America/St_Johns)");
    QCOMPARE(CsvRecorder::timestamp(QDateTime::fromMSecsSinceEpoch(msecs)), stamp);
}

void TestCsvRecorder::headerOnlyOnceAcrossTwoRuns_data()
{
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("shown"); // empty with counter math off
    QTest::addColumn<QString>("math");
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QByteArray>("secondEnds");

    QTest::newRow("counter math off")
            << QStringLiteral("433,92") << QString() << QString()
            << QByteArray("time,port,device,reading") << QByteArray(",2,/dev/ttyS0,\"433,92\"");
    QTest::newRow("counter math on: what was sent, what was shown, the math's name")
            << QStringLiteral("17.800012") << QStringLiteral("7.100012")
            << QStringLiteral("LO \u2212 10.7 MHz")
            << QByteArray("time,port,device,reading,shown,math")
            << QByteArray(",2,/dev/ttyS0,17.800012,7.100012,LO \xE2\x88\x92 10.7 MHz");
    QTest::newRow("a math's name with a comma, quoted")
            << QStringLiteral("17.800012") << QStringLiteral("7.100012")
            << QStringLiteral("LO \u2212 10,7 MHz")
            << QByteArray("time,port,device,reading,shown,math")
            << QByteArray(",2,/dev/ttyS0,17.800012,7.100012,\"LO \xE2\x88\x92 10,7 MHz\"");
}

void TestCsvRecorder::headerOnlyOnceAcrossTwoRuns()
{
    QFETCH(QString, sent);
    QFETCH(QString, shown);
    QFETCH(QString, math);
    QFETCH(QByteArray, header);
    QFETCH(QByteArray, secondEnds);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("readings.csv"));
    const auto reading = [&](qint16 port, const QString &device, const QDateTime &time) {
        ReceivedReading made{port, device, time, shown.isEmpty() ? sent : shown};
        if (!math.isEmpty()) {
            made.sent = made.raw = sent;
            made.math = math;
        }
        return made;
    };
    const ReceivedReading first = reading(1, QStringLiteral("/dev/ttyUSB0"), kStart);
    const ReceivedReading second = reading(2, QStringLiteral("/dev/ttyS0"), kStart.addSecs(1));
    {
        CsvRecorder run(path, !math.isEmpty());
        run.append(first);
    }
    {
        CsvRecorder run(path, !math.isEmpty());
        run.append(second);
    }
    const QList<QByteArray> lines = fileLines(path);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0), header + '\r');
    QCOMPARE(lines.at(1), CsvRecorder::line(first) + '\r');
    QCOMPARE(lines.at(2), CsvRecorder::line(second) + '\r');
    QVERIFY2(lines.at(2).endsWith(secondEnds + '\r'), lines.at(2).constData());
}

void TestCsvRecorder::tornLastLineIsEndedFirst()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("readings.csv"));
    const ReceivedReading reading{1, QStringLiteral("/dev/ttyUSB0"), kStart,
                                  QStringLiteral("145.2")};
    const QByteArray whole = "time,port,device,reading\r\n" + CsvRecorder::line(reading) + "\r\n";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(whole + "2026-12-07T15:2"); // a run ended in mid-line
    }
    CsvRecorder(path).append(reading);
    const QList<QByteArray> lines = fileLines(path);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(1), CsvRecorder::line(reading) + '\r');
    QCOMPARE(lines.at(2), QByteArray("2026-12-07T15:2\r"));
    QCOMPARE(lines.at(3), CsvRecorder::line(reading) + '\r');
}

void TestCsvRecorder::linesAreWrittenWholeAndSyncedByTheCadence_data()
{
    QTest::addColumn<SyncCadence>("cadence");
    QTest::addColumn<QList<int>>("syncedAtMs");

    // The header and a reading at 0 ms, readings at 400 and 1500 ms.
    QTest::newRow("every line, the header's too")
            << SyncCadence::EveryLine << QList<int>{0, 0, 400, 1500};
    QTest::newRow("once a second, when the oldest line has waited one")
            << SyncCadence::OnceASecond << QList<int>{1000, 2500};
}

void TestCsvRecorder::linesAreWrittenWholeAndSyncedByTheCadence()
{
    QFETCH(SyncCadence, cadence);
    QFETCH(QList<int>, syncedAtMs);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("readings.csv"));
    std::chrono::milliseconds now{0};
    int writes = 0;
    QList<int> synced;
    RecorderSystem system;
    system.write = [&](int fd, const char *data, qint64 size) {
        ++writes;
        return RecorderSystem::fileWrite(fd, data, size);
    };
    system.sync = [&](int) {
        synced.append(int(now.count()));
        return 0;
    };
    system.now = [&] { return RecorderSystem::Clock::time_point(now); };
    CsvRecorder recorder(path, false, cadence, system);
    const ReceivedReading reading{1, QStringLiteral("/dev/ttyUSB0"), kStart,
                                  QStringLiteral("145.2")};
    for (; now.count() <= 3000; now += std::chrono::milliseconds(100)) {
        if (now.count() == 0 || now.count() == 400 || now.count() == 1500)
            recorder.append(reading);
        recorder.syncIfDue();
    }
    recorder.sync();
    QCOMPARE(synced, syncedAtMs);
    QCOMPARE(writes, 4); // the header and three lines, one write each
    QCOMPARE(fileLines(path).size(), 4);
}

QTEST_GUILESS_MAIN(TestCsvRecorder)
#include "tst_csvrecorder.moc"
