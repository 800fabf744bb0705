// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingfigures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>

using namespace freqcounter;

namespace {

constexpr qint64 kFirstMsecs = 1'765'000'000'000;

// `readings` a second apart from kFirstMsecs in UTC, then `garbage` rows
// that cannot be read; from `phasesFrom` on, a time-interval counter's
// phases on the same device.
QString recording(const QTemporaryDir &dir, const QString &name, int readings, int garbage = 0,
                  int phasesFrom = -1)
{
    QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("time,port,device,reading\r\n");
    for (int i = 0; i < readings; ++i) {
        const QDateTime time
                = QDateTime::fromMSecsSinceEpoch(kFirstMsecs + qint64(1000) * i, Qt::UTC);
        const bool phase = phasesFrom >= 0 && i >= phasesFrom;
        file.write(QString::fromLatin1(phase ? "%1,1,/dev/ttyUSB0,1.000%2E-07 s\r\n"
                                             : "%1,1,/dev/ttyUSB0,10.000%2\r\n")
                           .arg(time.toString(Qt::ISODateWithMs))
                           .arg((qint64(i) * 7919) % 97, 3, 10, QChar(u'0'))
                           .toUtf8());
    }
    for (int i = 0; i < garbage; ++i)
        file.write("garbage\r\n");
    return path;
}

} // namespace

class TestRecordingFigures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data();
    void read();
    void stopped();
    void pairs_data();
    void pairs();
};

void TestRecordingFigures::read_data()
{
    QTest::addColumn<int>("readings");
    QTest::addColumn<int>("garbage");
    QTest::addColumn<bool>("figures");
    QTest::addColumn<QString>("note");
    QTest::addColumn<int>("phasesFrom"); // the figures' run begins there
    QTest::addColumn<int>("terms"); // of the overlapping Allan deviation at tau0

    QTest::newRow("every row read") << 100 << 0 << true << QString() << 0 << 99;
    QTest::newRow("rows that cannot be read")
            << 100 << 3 << true
            << QStringLiteral("3 rows could not be read, the first at line 102; they are left out")
            << 0 << 99;
    QTest::newRow("one reading") << 1 << 0 << false
                                 << QStringLiteral("no stability figures: fewer than two readings "
                                                   "are numbers")
                                 << 0 << 0;
    QTest::newRow("frequencies, then phases of the same device: the phases' span")
            << 100 << 0 << true << QString() << 40 << 58; // 60 phases, their second differences
}

void TestRecordingFigures::read()
{
    QFETCH(int, readings);
    QFETCH(int, garbage);
    QFETCH(bool, figures);
    QFETCH(QString, note);
    QFETCH(int, phasesFrom);
    QFETCH(int, terms);

    QTemporaryDir dir;
    const QString path = recording(dir, QStringLiteral("r.csv"), readings, garbage,
                                   phasesFrom > 0 ? phasesFrom : -1);
    QStringList notes;
    const std::optional<RecordingFigures> read = RecordingFigures::read(path, {}, &notes);
    QCOMPARE(notes, note.isEmpty() ? QStringList() : QStringList{note});
    QCOMPARE(read.has_value(), figures);
    if (read) {
        QCOMPARE(read->firstMsecs, kFirstMsecs + qint64(1000) * phasesFrom);
        QCOMPARE(read->lastMsecs, kFirstMsecs + qint64(1000) * (readings - 1));
        QCOMPARE(read->figures.overlappingAllan.first().terms, terms);
    }
}

// Told to stop, it gives nothing and says nothing.
void TestRecordingFigures::stopped()
{
    QTemporaryDir dir;
    const QString path = recording(dir, QStringLiteral("r.csv"), 100);
    const std::atomic<bool> stop = true;
    QStringList notes;
    QVERIFY(!RecordingFigures::read(path, {}, &notes, &stop));
    QCOMPARE(notes, QStringList());
}

void TestRecordingFigures::pairs_data()
{
    QTest::addColumn<QList<int>>("readings"); // of each pair; 0 for no file
    QTest::addColumn<bool>("figures");
    QTest::addColumn<QStringList>("notes"); // with %1 for the folder

    QTest::newRow("one span") << QList<int>{100, 100, 100} << true << QStringList();
    // 100 s to 110 s is a tenth of the shortest.
    QTest::newRow("a tenth apart") << QList<int>{101, 111, 101} << true << QStringList();
    QTest::newRow("more than a tenth apart")
            << QList<int>{101, 101, 112} << true
            << QStringList{QStringLiteral("warning: the recordings span 100 s, 100 s and 111 s, "
                                          "more than a tenth apart; the three-cornered hat wants "
                                          "the three pairs measured over the same span")};
    QTest::newRow("the second missing")
            << QList<int>{100, 0, 100} << false << QStringList{QStringLiteral("%1bc.csv: %2")};
    QTest::newRow("the third with no figures")
            << QList<int>{100, 100, 1} << false
            << QStringList{QStringLiteral("%1ca.csv: no stability figures: fewer than two "
                                          "readings are numbers")};
}

void TestRecordingFigures::pairs()
{
    QFETCH(QList<int>, readings);
    QFETCH(bool, figures);
    QFETCH(QStringList, notes);

    QTemporaryDir dir;
    const std::array<QString, 3> names{QStringLiteral("ab.csv"), QStringLiteral("bc.csv"),
                                       QStringLiteral("ca.csv")};
    std::array<QString, 3> paths;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        paths.at(i) = readings.at(qsizetype(i)) > 0
                ? recording(dir, names.at(i), readings.at(qsizetype(i)))
                : dir.filePath(names.at(i));
    }
    QStringList told;
    const std::optional<std::array<RecordingFigures, 3>> pairs
            = RecordingFigures::readPairs(paths, {}, &told);
    // A missing file is told in the system's own words.
    QFile missing(dir.filePath(QStringLiteral("missing.csv")));
    QVERIFY(!missing.open(QIODevice::ReadOnly));
    for (QString &note : notes) {
        note = note.arg(QDir::toNativeSeparators(dir.path() + u'/'));
        if (note.contains(QStringLiteral("%2")))
            note = note.arg(missing.errorString());
    }
    QCOMPARE(told, notes);
    QCOMPARE(pairs.has_value(), figures);
    if (pairs) {
        for (std::size_t i = 0; i < paths.size(); ++i) {
            QCOMPARE(pairs->at(i).lastMsecs - pairs->at(i).firstMsecs,
                     qint64(1000) * (readings.at(qsizetype(i)) - 1));
        }
    }
}

QTEST_GUILESS_MAIN(TestRecordingFigures)
#include "tst_recordingfigures.moc"
