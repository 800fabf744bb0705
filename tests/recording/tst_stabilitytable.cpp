// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stabilitytable.h"

#include <QTest>

using namespace freqcounter;

namespace {

// Figures with one OADEV and one MDEV, their values chosen to print in full.
Statistics figures(double oadev, double mdev)
{
    Statistics s;
    s.overlappingAllan = {{1, oadev, oadev / 2, oadev * 2, 99, 2, 98}};
    s.modifiedAllan = {{2, mdev, mdev / 2, mdev * 2, 97, 1, 48.5}};
    return s;
}

QList<QByteArray> lines(const QByteArray &table)
{
    QList<QByteArray> split = table.split('\n');
    // Every line ends in CR LF, the last too.
    if (split.last().isEmpty())
        split.removeLast();
    for (QByteArray &line : split) {
        if (!line.endsWith('\r'))
            return {};
        line.chop(1);
    }
    return split;
}

} // namespace

class TestStabilityTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recordings_data();
    void recordings();
};

void TestStabilityTable::recordings_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<QByteArray>>("expected");

    const QByteArray header = "recording,statistic,tau,terms,deviation,low,high,noise,edf";
    // The rows of the two figures' own tables.
    const QList<QByteArray> first{
            "oadev,1,99,2.000000e-11,1.000000e-11,4.000000e-11,white PM,98.0",
            "mdev,2,97,3.000000e-12,1.500000e-12,6.000000e-12,flicker PM,48.5"};
    const QList<QByteArray> second{
            "oadev,1,99,5.000000e-10,2.500000e-10,1.000000e-09,white PM,98.0",
            "mdev,2,97,7.000000e-13,3.500000e-13,1.400000e-12,flicker PM,48.5"};
    const auto after = [](const QByteArray &name, const QList<QByteArray> &rows) {
        QList<QByteArray> named;
        for (const QByteArray &row : rows)
            named.append(name + ',' + row);
        return named;
    };
    QTest::newRow("two recordings, each one's rows after its name")
            << QStringList{QStringLiteral("a.csv"), QStringLiteral("/data/b.csv")}
            << QList<QByteArray>{header} + after("a.csv", first) + after("/data/b.csv", second);
    QTest::newRow("names with a comma, a quote and no ASCII, quoted as CSV needs")
            << QStringList{QStringLiteral("run 1, OCXO.csv"), QStringLiteral("the \"good\" one"),
                           QStringLiteral("読み.csv")}
            << QList<QByteArray>{header} + after("\"run 1, OCXO.csv\"", first)
                    + after(R"("the ""good"" one")", second)
                    + after("\xe8\xaa\xad\xe3\x81\xbf.csv", first);
}

void TestStabilityTable::recordings()
{
    QFETCH(QStringList, names);
    QFETCH(QList<QByteArray>, expected);

    const Statistics each[] = {figures(2e-11, 3e-12), figures(5e-10, 7e-13)};
    QList<NamedFigures> recordings;
    for (qsizetype i = 0; i < names.size(); ++i)
        recordings.append({names.at(i), each[i % 2]});
    QCOMPARE(lines(stabilityTable(recordings)), expected);

    // Each recording's rows are the very rows its own table has.
    const QList<QByteArray> alone = lines(stabilityTable(each[0]));
    QCOMPARE(alone.first(), QByteArray("statistic,tau,terms,deviation,low,high,noise,edf"));
    QCOMPARE(alone.size(), 3);
    for (qsizetype row = 1; row < alone.size(); ++row)
        QVERIFY(expected.at(row).endsWith(',' + alone.at(row)));
}

QTEST_GUILESS_MAIN(TestStabilityTable)
#include "tst_stabilitytable.moc"
