// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysisexport.h"
#include "csvrecorder.h"
#include "recordingfile.h"
#include "statistics.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>

using namespace freqcounter;

class TestRecordingFile : public QObject
{
    Q_OBJECT

private slots:
    void timeStamps_data();
    void timeStamps();
    void badTimeStamps_data();
    void badTimeStamps();
    void readsBackWhatWasRecorded();
    void shownColumnIsTheReadingWhileMathIsOn();
    void mathOfARow_data();
    void mathOfARow();
    void changeOfMathBeginsARun();
    void exportKeepsEveryDigit();
    void exportKeepsItsGaps();
    void timeIntervalsAreReadBackAsPhase();
    void exportHeaderThatCannotBeRead();
    void fileThatCannotBeRead();
};

void TestRecordingFile::timeStamps_data()
{
    QTest::addColumn<QByteArray>("stamp");
    QTest::addColumn<qint64>("msecs");

    // 2026-12-07T15:23:41.118 UTC
    const qint64 utc = 1'796'657'021'118;
    QTest::newRow("UTC") << QByteArray("2026-12-07T15:23:41.118+00:00") << utc;
    QTest::newRow("Z for UTC") << QByteArray("2026-12-07T15:23:41.118Z") << utc;
    QTest::newRow("St. John's in winter") << QByteArray("2026-12-07T11:53:41.118-03:30") << utc;
    QTest::newRow("east of UTC, across midnight")
            << QByteArray("2026-12-08T00:23:41.118+09:00") << utc;
    QTest::newRow("no milliseconds") << QByteArray("2026-12-07T15:23:41+00:00") << utc - 118;
    QTest::newRow("a leap day") << QByteArray("2028-02-29T00:00:00.000+00:00")
                                << qint64(1'835'395'200'000);
}

void TestRecordingFile::timeStamps()
{
    QFETCH(QByteArray, stamp);
    QFETCH(qint64, msecs);
    QCOMPARE(RecordingFile::epochMsecs(stamp), std::optional<qint64>(msecs));
    // As Qt reads it.
    QCOMPARE(QDateTime::fromString(QString::fromLatin1(stamp), Qt::ISODateWithMs)
                     .toMSecsSinceEpoch(),
             msecs);
}

void TestRecordingFile::badTimeStamps_data()
{
    QTest::addColumn<QByteArray>("stamp");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("torn") << QByteArray("2026-12-07T15:23:");
    QTest::newRow("no offset") << QByteArray("2026-12-07T15:23:41.118");
    QTest::newRow("hour 24") << QByteArray("2026-12-07T24:00:00.000+00:00");
    QTest::newRow("month 13") << QByteArray("2026-13-07T15:23:41.118+00:00");
    QTest::newRow("a space for the T") << QByteArray("2026-12-07 15:23:41.118+00:00");
    QTest::newRow("an offset without a colon") << QByteArray("2026-12-07T15:23:41.118+0100");
    QTest::newRow("text after it") << QByteArray("2026-12-07T15:23:41.118+00:00x");
    QTest::newRow("31 February") << QByteArray("2026-02-31T15:23:41.118+00:00");
    QTest::newRow("29 February of a common year") << QByteArray("2027-02-29T15:23:41.118+00:00");
}

void TestRecordingFile::badTimeStamps()
{
    QFETCH(QByteArray, stamp);
    QCOMPARE(RecordingFile::epochMsecs(stamp), std::nullopt);
}

void TestRecordingFile::readsBackWhatWasRecorded()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("readings.csv"));
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(1'796'657'021'118);
    {
        CsvRecorder recorder(path);
        recorder.append({1, QStringLiteral("/dev/ttyUSB0"), start, QStringLiteral("145.0012")});
        recorder.append(
                {1, QStringLiteral("/dev/ttyUSB0"), start.addMSecs(1000), QStringLiteral("ERR 3")});
        recorder.append({2, QStringLiteral("COM5, \"left\""), start.addMSecs(2000),
                         QStringLiteral("433,92")});
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write("garbage\r\n2026-12-07T15:23:4");
    file.close();

    // A history smaller than the file holds every reading of it.
    ReadingHistory history(2);
    const std::optional<RecordingFile::Loaded> loaded = RecordingFile::load(path, history);
    QVERIFY(loaded);
    QCOMPARE(loaded->readings, 3);
    QCOMPARE(loaded->unreadable, 2);
    QCOMPARE(loaded->firstUnreadableLine, 5);
    QCOMPARE(history.size(), 3);
    QCOMPARE(history.at(0).msecs, start.toMSecsSinceEpoch());
    QCOMPARE(history.at(0).mhz, 145.0012);
    QVERIFY(std::isnan(history.at(1).mhz));
    QCOMPARE(history.at(2).msecs, start.toMSecsSinceEpoch() + 2000);
    QVERIFY(history.at(2).portChanged);
    QCOMPARE(history.instrumentOf(2).device, QStringLiteral("COM5, \"left\""));
}

void TestRecordingFile::shownColumnIsTheReadingWhileMathIsOn()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dial.csv"));
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(1'796'657'021'118);
    const QString device = QStringLiteral("/dev/ttyUSB0");
    ReceivedReading lower{1, device, start, QStringLiteral("7.100000")};
    lower.sent = lower.raw = QStringLiteral("17.800000");
    lower.math = QStringLiteral("LO \u2212 10.7 MHz");
    {
        CsvRecorder recorder(path, true);
        recorder.append(lower);
        // Math cleared: the counter's own reading, in four fields.
        recorder.append({1, device, start.addMSecs(1000), QStringLiteral("17.800001")});
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.at(0), QByteArray("time,port,device,reading,shown,math\r"));
    // What the counter sent stays in the fourth field, for any reader of four.
    QVERIFY2(lines.at(1).endsWith(",1,/dev/ttyUSB0,17.800000,7.100000,LO \xE2\x88\x92 10.7 MHz\r"),
             lines.at(1).constData());
    QVERIFY2(lines.at(2).endsWith(",1,/dev/ttyUSB0,17.800001\r"), lines.at(2).constData());

    ReadingHistory history;
    const std::optional<RecordingFile::Loaded> loaded = RecordingFile::load(path, history);
    QVERIFY(loaded);
    QCOMPARE(loaded->unreadable, 0);
    QCOMPARE(history.at(0).mhz, 7.1);
    QCOMPARE(history.instrumentOf(0).math, lower.math);
    QCOMPARE(history.at(1).mhz, 17.800001);
    // The counter's own readings are not figured with the shown ones.
    QVERIFY(history.at(1).portChanged);
    QVERIFY(history.instrumentOf(1).math.isEmpty());
}

void TestRecordingFile::mathOfARow_data()
{
    QTest::addColumn<QByteArray>("fields"); // after the time stamp
    QTest::addColumn<bool>("readable");
    QTest::addColumn<double>("mhz");
    QTest::addColumn<QString>("math");

    QTest::newRow("four fields: the counter's own reading")
            << QByteArray(",1,/dev/ttyUSB0,17.800012") << true << 17.800012 << QString();
    QTest::newRow("five fields, from before rows named their math: math on")
            << QByteArray(",1,/dev/ttyUSB0,17.800012,7.100012") << true << 7.100012
            << QStringLiteral("on");
    QTest::newRow("six fields: the math named")
            << QByteArray(",1,/dev/ttyUSB0,17.800012,7.100012,LO \xE2\x88\x92 10.7 MHz") << true
            << 7.100012 << QStringLiteral("LO \u2212 10.7 MHz");
    QTest::newRow("six fields, quoted")
            << QByteArray(",1,\"/dev/ttyUSB0\",17.800012,7.100012,\"LO \xE2\x88\x92 10,7 MHz\"")
            << true << 7.100012 << QStringLiteral("LO \u2212 10,7 MHz");
    QTest::newRow("six fields, the name empty: math on")
            << QByteArray(",1,/dev/ttyUSB0,17.800012,7.100012,") << true << 7.100012
            << QStringLiteral("on");
    QTest::newRow("shown 100 GHz or more: still a number")
            << QByteArray(",1,/dev/ttyUSB0,1600.000000,102400.000000,\xC3\xB7"
                          "64 prescaler")
            << true << 102400.0 << QStringLiteral("\u00F764 prescaler");
    QTest::newRow("an overflow mark shown under the math: no number")
            << QByteArray(",1,/dev/ttyUSB0,9.91E37,9.91E37,\xC3\xB7"
                          "64 prescaler")
            << true << qQNaN() << QStringLiteral("\u00F764 prescaler");
    QTest::newRow("seven fields") << QByteArray(",1,/dev/ttyUSB0,17.800012,7.100012,LO,x") << false
                                  << 0.0 << QString();
    QTest::newRow("seven fields, quoted")
            << QByteArray(",1,\"/dev/ttyUSB0\",17.800012,7.100012,LO,x") << false << 0.0
            << QString();
}

void TestRecordingFile::mathOfARow()
{
    QFETCH(QByteArray, fields);
    QFETCH(bool, readable);
    QFETCH(double, mhz);
    QFETCH(QString, math);

    QTemporaryDir dir;
    QFile written(dir.filePath(QStringLiteral("rows.csv")));
    QVERIFY(written.open(QIODevice::WriteOnly));
    written.write("time,port,device,reading\r\n2026-12-07T11:53:41.118-03:30" + fields
                  + "\r\n2026-12-07T11:53:42.118-03:30" + fields + "\r\n");
    written.close();

    RecordingFile file(written.fileName());
    QVERIFY(file.open());
    ReadingHistory history;
    const RecordingFile::Sink sink = [&history](const RecordingFile::Reading &reading) {
        history.add(reading.port, reading.device, reading.msecs, reading.mhz, reading.math);
    };
    while (file.readOn(std::chrono::hours(1), sink)) {}
    QCOMPARE(file.loaded().readings, readable ? 2 : 0);
    QCOMPARE(file.loaded().unreadable, readable ? 0 : 2);
    QCOMPARE(file.loaded().firstUnreadableLine, readable ? 0 : 2);
    if (!readable)
        return;
    QCOMPARE(history.at(1).mhz, mhz);
    QCOMPARE(history.instrumentOf(1).device, QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(history.instrumentOf(1).math, math);
    // Both rows are one instrument's.
    QVERIFY(!history.at(1).portChanged);
}

void TestRecordingFile::changeOfMathBeginsARun()
{
    // A reading a second, each 1 ppm above or below 7.1 MHz behind a
    // receiver's LO, then each 0.04 ppm above or below 1600 MHz behind a
    // prescaler. Alternating by d, a run's fractional frequencies differ by
    // 2 d from one to the next: its Allan deviation at 1 s is
    // sqrt(1/2 (2 d)^2) = sqrt(2) d.
    struct Run
    {
        QString math;
        QString sentAbove, sentBelow, shownAbove, shownBelow;
    };
    const Run runs[] = {
            {QStringLiteral("LO \u2212 10.7 MHz"), QStringLiteral("17.8000071"),
             QStringLiteral("17.7999929"), QStringLiteral("7.1000071"),
             QStringLiteral("7.0999929")},
            {QStringLiteral("\u00F764 prescaler"), QStringLiteral("25.000001"),
             QStringLiteral("24.999999"), QStringLiteral("1600.000064"),
             QStringLiteral("1599.999936")},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("two maths.csv"));
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(1'796'657'021'118);
    {
        CsvRecorder recorder(path, true);
        int second = 0;
        for (const Run &run : runs) {
            for (int i = 0; i < 100; ++i, ++second) {
                const bool above = i % 2 == 0;
                ReceivedReading reading{1, QStringLiteral("/dev/ttyUSB0"), start.addSecs(second),
                                        above ? run.shownAbove : run.shownBelow};
                reading.sent = reading.raw = above ? run.sentAbove : run.sentBelow;
                reading.math = run.math;
                recorder.append(reading);
            }
        }
    }
    const auto near
            = [](double value, double expected) { return std::abs(value / expected - 1) < 1e-6; };

    ReadingHistory history;
    const std::optional<RecordingFile::Loaded> loaded = RecordingFile::load(path, history);
    QVERIFY(loaded);
    QCOMPARE(loaded->readings, 200);
    QCOMPARE(loaded->unreadable, 0);
    QCOMPARE(history.instrumentOf(0).math, runs[0].math);
    QCOMPARE(history.instrumentStart(199), 100);
    QCOMPARE(history.instrumentOf(199).math, runs[1].math);
    const Statistics first = Statistics::of(history, 0, 100);
    QVERIFY(first.meanMHz && near(*first.meanMHz, 7.1));
    QVERIFY(!first.allan.isEmpty());
    QVERIFY2(near(first.allan.at(0).value, std::sqrt(2.0) * 1e-6),
             qPrintable(QString::number(first.allan.at(0).value)));
    const Statistics second = Statistics::of(history, 100, 200);
    QVERIFY(second.meanMHz && near(*second.meanMHz, 1600));
    QVERIFY(!second.allan.isEmpty());
    QVERIFY2(near(second.allan.at(0).value, std::sqrt(2.0) * 4e-8),
             qPrintable(QString::number(second.allan.at(0).value)));
}

void TestRecordingFile::exportKeepsEveryDigit()
{
    // Every digit a counter sends; what is no number is an empty slot.
    const QStringList texts{QStringLiteral("1234.567890123"), QStringLiteral("ERR"),
                            QStringLiteral("0.000012345678901"), QStringLiteral("145.2")};
    ReadingHistory history;
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(1'796'657'021'000);
    for (qsizetype i = 0; i < texts.size(); ++i)
        history.add({12, QStringLiteral("/dev/ttyUSB0"), start.addSecs(i), texts.at(i)});
    const Statistics figures = Statistics::of(history, 0, history.size());
    const QByteArray text = analysisText(history, 0, history.size(), figures);
    QList<QByteArray> body;
    for (const QByteArray &line : text.split('\n')) {
        if (!line.isEmpty() && !line.startsWith('#'))
            body.append(line);
    }
    QCOMPARE(body, (QList<QByteArray>{"1234567890.123", "0", "12.345678901", "145200000"}));
    QVERIFY(text.contains("# gaps: 1 "));

    // Read back, the export gives the same frequencies.
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("export.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    ReadingHistory back;
    QVERIFY(RecordingFile::load(file.fileName(), back));
    QCOMPARE(back.size(), 3);
    QCOMPARE(back.at(0).mhz, 1234.567890123);
    QCOMPARE(back.at(0).msecs, start.toMSecsSinceEpoch());
    QCOMPARE(back.instrumentOf(0).port, 12);
    QCOMPARE(back.instrumentOf(0).device, QStringLiteral("/dev/ttyUSB0"));
}

void TestRecordingFile::timeIntervalsAreReadBackAsPhase()
{
    // A time-interval counter's readings as recorded: as sent, with their
    // unit; one that is no number, and one past a wrap through 1 s.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("phase.csv"));
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(1'796'657'021'000);
    {
        CsvRecorder recorder(path);
        const QStringList sent{QStringLiteral("+9.99999999E-01"), QStringLiteral("ERR"),
                               QStringLiteral("+1.00000001E-09"), QStringLiteral("2E-09"),
                               QStringLiteral("3E-09")};
        for (qsizetype i = 0; i < sent.size(); ++i) {
            ReceivedReading reading{1, {}, start.addSecs(i), sent.at(i)};
            if (i != 1) {
                reading.sent = sent.at(i) + QStringLiteral(" s");
                reading.unit = QStringLiteral("ns");
            }
            recorder.append(reading);
        }
    }
    QFile recorded(path);
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    QVERIFY(recorded.readAll().contains(",+1.00000001E-09 s\r\n"));
    ReadingHistory history;
    QVERIFY(RecordingFile::load(path, history));
    QCOMPARE(history.size(), 5);
    QVERIFY(history.instrumentOf(2).phase);
    QCOMPARE(history.instrumentStart(2), 0);
    QCOMPARE(history.at(0).mhz, 0.999999999);
    QVERIFY(std::abs(history.at(2).mhz - 1.00000000100000001) < 1e-15);

    // Exported, the phases in seconds, and read back as phases.
    const QByteArray text
            = analysisText(history, 0, history.size(), Statistics::of(history, 0, history.size()));
    QVERIFY2(text.startsWith("# 2GHz Frequency counter readings, one phase in seconds a line\n"),
             text.constData());
    QVERIFY2(text.endsWith("\n0.999999999\n0\n1.000000001\n1.000000002\n1.000000003\n"),
             text.constData());
    QFile exported(dir.filePath(QStringLiteral("export.txt")));
    QVERIFY(exported.open(QIODevice::WriteOnly));
    exported.write(text);
    exported.close();
    ReadingHistory back;
    QVERIFY(RecordingFile::load(exported.fileName(), back));
    QCOMPARE(back.size(), 4);
    QVERIFY(back.instrumentOf(0).phase);
    QCOMPARE(back.at(1).mhz, 1.000000001);
    QCOMPARE(back.at(1).msecs - back.at(0).msecs, 2000);
}

void TestRecordingFile::exportKeepsItsGaps()
{
    // Readings a second apart, each up to 200 ms early or late, with missed
    // readings, error codes, and a long pause.
    ReadingHistory history;
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(1'796'657'021'000);
    std::mt19937_64 random(41);
    std::uniform_int_distribution<qint64> early(-200, 200);
    for (qint64 slot = 0; slot < 3000; ++slot) {
        if (slot % 37 == 5 || (slot >= 1000 && slot < 1100))
            continue;
        const QString text = slot % 53 == 7
                ? QStringLiteral("ERR 3")
                : QString::number(10.0 + 1e-6 * std::sin(double(slot) * 0.7)
                                          + 1e-9 * double(slot % 11),
                                  'f', 9);
        history.add({1, {}, start.addMSecs(slot * 1000 + early(random)), text});
    }
    const Statistics figures = Statistics::of(history, 0, history.size());
    QVERIFY(figures.gaps > 100);

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("export.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(analysisText(history, 0, history.size(), figures));
    file.close();
    ReadingHistory back;
    QVERIFY(RecordingFile::load(file.fileName(), back));
    const Statistics again = Statistics::of(back, 0, back.size());
    QCOMPARE(again.tau0Seconds, figures.tau0Seconds);
    QCOMPARE(again.gaps, figures.gaps);
    QCOMPARE(again.numbers, figures.numbers);
    const auto same
            = [](const QList<Statistics::Deviation> &a, const QList<Statistics::Deviation> &b) {
                  if (a.size() != b.size())
                      return false;
                  for (qsizetype i = 0; i < a.size(); ++i) {
                      if (a[i].terms != b[i].terms || std::abs(a[i].value / b[i].value - 1) > 1e-6
                          || a[i].noise != b[i].noise || std::abs(a[i].edf / b[i].edf - 1) > 1e-6)
                          return false;
                  }
                  return !a.isEmpty();
              };
    QVERIFY(same(again.allan, figures.allan));
    QVERIFY(same(again.overlappingAllan, figures.overlappingAllan));
    QVERIFY(same(again.modifiedAllan, figures.modifiedAllan));
    QVERIFY(same(again.overlappingHadamard, figures.overlappingHadamard));

    // A line torn in the middle is counted, and its slot stays a slot.
    QVERIFY(file.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    const auto torn = std::find_if(lines.begin() + 1000, lines.end(), [](const QByteArray &line) {
        return !line.startsWith('#') && line.toDouble() != 0;
    });
    *torn = torn->left(3) + "\x7f";
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(lines.join('\n'));
    file.close();
    ReadingHistory tornBack;
    const std::optional<RecordingFile::Loaded> loaded
            = RecordingFile::load(file.fileName(), tornBack);
    QVERIFY(loaded);
    QCOMPARE(loaded->unreadable, qsizetype(1));
    const Statistics withTear = Statistics::of(tornBack, 0, tornBack.size());
    QCOMPARE(withTear.numbers, figures.numbers - 1);
    QCOMPARE(withTear.tau0Seconds, figures.tau0Seconds);
    QCOMPARE(tornBack.at(tornBack.size() - 1).msecs, back.at(back.size() - 1).msecs);
}

void TestRecordingFile::exportHeaderThatCannotBeRead()
{
    // A header line that says what it cannot is a row that could not be
    // read; the readings are read all the same, never moved.
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("export.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("# 2GHz Frequency counter readings, one frequency in Hz a line\n"
               "# first reading: 2026-02-31T15:23:41.118+00:00\n"
               "# tau0: fast\n"
               "145000000\n145000001\n");
    file.close();
    ReadingHistory history;
    const std::optional<RecordingFile::Loaded> loaded
            = RecordingFile::load(file.fileName(), history);
    QVERIFY(loaded);
    QCOMPARE(loaded->unreadable, 2);
    QCOMPARE(loaded->firstUnreadableLine, 2);
    QCOMPARE(loaded->readings, 2);
    // With no interval, the figures say why there are none.
    QCOMPARE(Statistics::of(history, 0, history.size()).missing,
             std::optional(Statistics::Missing::NoInterval));
}

void TestRecordingFile::fileThatCannotBeRead()
{
    QTemporaryDir dir;
    ReadingHistory history;
    QString error;
    QVERIFY(!RecordingFile::load(dir.filePath(QStringLiteral("none.csv")), history, &error));
    QVERIFY(!error.isEmpty());
    QFile empty(dir.filePath(QStringLiteral("empty.csv")));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.write("time,port,device,reading\r\n");
    empty.close();
    QVERIFY(!RecordingFile::load(empty.fileName(), history, &error));
    QCOMPARE(error, QStringLiteral("it holds no readings"));
}

QTEST_GUILESS_MAIN(TestRecordingFile)
#include "tst_recordingfile.moc"
