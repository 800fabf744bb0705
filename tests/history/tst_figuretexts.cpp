// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "figuretexts.h"
#include "stabilityconfidence.h"

#include <QTest>

using namespace freqcounter;

namespace {

// The text of the row of that object name.
QString textOf(const QStringList &texts, const char *objectName)
{
    const QList<FigureTexts::Row> rows = FigureTexts::rows();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (qstrcmp(rows.at(i).objectName, objectName) == 0)
            return texts.at(i);
    }
    return {};
}

Statistics::Deviation deviation(double tau, double value, std::optional<int> noise)
{
    Statistics::Deviation d;
    d.tauSeconds = tau;
    d.value = value;
    d.low = value * 0.9;
    d.high = value * 1.2;
    d.noise = noise;
    return d;
}

} // namespace

class TestFigureTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void texts_data();
    void texts();
};

void TestFigureTexts::texts_data()
{
    QTest::addColumn<Statistics>("figures");
    QTest::addColumn<std::optional<double>>("nominalHz");
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("text");

    Statistics s;
    s.count = 5;
    s.numbers = 4;
    s.meanMHz = 10.0000123;
    s.tau0Seconds = 2;
    s.allan = {deviation(2, 9e-8, StabilityConfidence::WhiteFM),
               deviation(4, 7e-8, StabilityConfidence::WhiteFM), deviation(20, 5e-8, std::nullopt)};
    QTest::newRow("readings that are no number")
            << s << std::optional<double>() << QByteArray("count")
            << QStringLiteral("5 (4 of them numbers)");
    QTest::newRow("deviations at 1 and 10 tau0, their bounds and noise")
            << s << std::optional<double>() << QByteArray("allanDeviation")
            << QStringLiteral("9.00e-08 (8.10e-08 to 1.08e-07, white FM) at 2 s; "
                              "5.00e-08 (4.50e-08 to 6.00e-08, not identified) at 20 s");
    QTest::newRow("the mean against the nominal")
            << s << std::optional<double>(10e6) << QByteArray("offsetFromNominal")
            << QStringLiteral("+12.3 Hz +1.23 ppm (mean against 10 MHz)");
    QTest::newRow("no nominal") << s << std::optional<double>() << QByteArray("offsetFromNominal")
                                << QStringLiteral("no nominal set");
    QTest::newRow("too few readings") << s << std::optional<double>() << QByteArray("timeDeviation")
                                      << QStringLiteral("not enough readings");
    Statistics none;
    none.count = none.numbers = 3;
    none.meanMHz = 10;
    none.missing = Statistics::Missing::NoInterval;
    QTest::newRow("no interval: says why")
            << none << std::optional<double>() << QByteArray("interval")
            << Statistics::missingText(Statistics::Missing::NoInterval);
}

void TestFigureTexts::texts()
{
    QFETCH(Statistics, figures);
    QFETCH(std::optional<double>, nominalHz);
    QFETCH(QByteArray, row);
    QFETCH(QString, text);

    const QStringList texts = FigureTexts::texts(figures, QStringLiteral("Com1"), nominalHz);
    QCOMPARE(texts.size(), FigureTexts::rows().size());
    QCOMPARE(textOf(texts, row.constData()), text);
}

QTEST_GUILESS_MAIN(TestFigureTexts)
#include "tst_figuretexts.moc"
