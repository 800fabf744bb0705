// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "figuretexts.h"
#include "stabilityconfidence.h"

#include <QLocale>
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

FigureTexts::Context context(std::optional<double> nominalHz = {})
{
    return {QStringLiteral("Com1"), nominalHz};
}

Statistics::Drift drift(double perDay, double uncertainty)
{
    // Of 10 MHz.
    return {perDay, uncertainty, perDay * 1e7, uncertainty * 1e7, std::nullopt, {}};
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
    QTest::addColumn<FigureTexts::Context>("context");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("text");
    const QString c = QStringLiteral("C");

    Statistics s;
    s.count = 5;
    s.numbers = 4;
    s.meanMHz = 10.0000123;
    s.tau0Seconds = 2;
    s.allan = {deviation(2, 9e-8, StabilityConfidence::WhiteFM),
               deviation(4, 7e-8, StabilityConfidence::WhiteFM), deviation(20, 5e-8, std::nullopt)};
    QTest::newRow("readings that are no number") << s << context() << c << QByteArray("count")
                                                 << QStringLiteral("5 (4 of them numbers)");
    QTest::newRow("deviations at 1 and 10 tau0, their bounds and noise")
            << s << context() << c << QByteArray("allanDeviation")
            << QStringLiteral("9.00e-08 (8.10e-08 to 1.08e-07, white FM) at 2 s; "
                              "5.00e-08 (4.50e-08 to 6.00e-08, not identified) at 20 s");
    QTest::newRow("the mean against the nominal")
            << s << context(10e6) << c << QByteArray("offsetFromNominal")
            << QStringLiteral("+12.3 Hz +1.23 ppm (mean against 10 MHz)");
    QTest::newRow("the mean against the nominal, decimal comma")
            << s << context(10e6) << QStringLiteral("de_DE") << QByteArray("offsetFromNominal")
            << QStringLiteral("+12,3 Hz +1,23 ppm (mean against 10 MHz)");
    Statistics twoGHz = s;
    twoGHz.meanMHz = 1234.5;
    QTest::newRow("a mean over 1000 MHz, decimal comma, no group separator")
            << twoGHz << context() << QStringLiteral("de_DE") << QByteArray("mean")
            << QStringLiteral("1234,5000000 MHz");
    QTest::newRow("the same in English")
            << twoGHz << context() << QStringLiteral("en_US") << QByteArray("mean")
            << QStringLiteral("1234.5000000 MHz");
    QTest::newRow("no nominal") << s << context() << c << QByteArray("offsetFromNominal")
                                << QStringLiteral("no nominal set");
    QTest::newRow("too few readings") << s << context() << c << QByteArray("timeDeviation")
                                      << QStringLiteral("not enough readings");
    FigureTexts::Context working = context();
    working.working = true;
    QTest::newRow("a slow figure being worked out")
            << s << working << c << QByteArray("totalDeviation")
            << QStringLiteral("working out\u2026");

    Statistics drifting = s;
    drifting.drift = drift(1.234e-9, 0.45e-9);
    QTest::newRow("drift rising") << drifting << context() << c << QByteArray("drift")
                                  << QStringLiteral(
                                             "(+1.23 \u00B1 0.45)\u00B710\u207B\u2079 a day");
    QTest::newRow("drift rising, decimal comma")
            << drifting << context() << QStringLiteral("de_DE") << QByteArray("drift")
            << QStringLiteral("(+1,23 \u00B1 0,45)\u00B710\u207B\u2079 a day");
    drifting.drift = drift(-9.996e-12, 3e-12);
    QTest::newRow("drift falling, in hertz, rounding up a decade")
            << drifting << context() << c << QByteArray("driftHz")
            << QStringLiteral("(-1.00 \u00B1 0.30)\u00B710\u207B\u2074 Hz a day");
    drifting.drift = drift(1.2e-10, 4.5e-9);
    QTest::newRow("uncertainty larger than the drift")
            << drifting << context() << c << QByteArray("drift")
            << QStringLiteral("(+0.12 \u00B1 4.50)\u00B710\u207B\u2079 a day");
    drifting.driftRemoved = true;
    QTest::newRow("deviations with the drift removed")
            << drifting << context() << c << QByteArray("deviationsOf")
            << QStringLiteral("with the linear drift removed");

    FigureTexts::Context days = context();
    days.ageing = true;
    days.spanSeconds = 2 * 86400;
    Statistics ageing = s;
    ageing.ageing = Statistics::Ageing{1e-9, 3, -3.214e-11, 1e-12};
    QTest::newRow("ageing of two days")
            << ageing << days << QStringLiteral("de_DE") << QByteArray("ageing")
            << QStringLiteral("-3,21\u00B710\u207B\u00B9\u00B9 a day");
    QTest::newRow("two days not log-shaped")
            << s << days << c << QByteArray("ageing")
            << QStringLiteral("none: the readings are not log-shaped");
    days.spanSeconds = 86399;
    QTest::newRow("ageing under a day") << ageing << days << c << QByteArray("ageing")
                                        << QStringLiteral("needs a day of readings");

    Statistics phase = s;
    phase.meanMHz.reset();
    phase.phase = Statistics::Phase{1.2345678e-7, 1.2e-7, 1.25e-7, 5.2e-11, 3.5e-12, 3.012e-12};
    QTest::newRow("phase: the mean in ns")
            << phase << context() << c << QByteArray("mean") << QStringLiteral("123.4568 ns");
    QTest::newRow("phase: its spread in ps")
            << phase << context() << c << QByteArray("peakToPeak") << QStringLiteral("52 ps");
    QTest::newRow("phase: the frequency offset, decimal comma")
            << phase << context(10e6) << QStringLiteral("de_DE") << QByteArray("offsetFromNominal")
            << QStringLiteral("3,012E-12 (3,012 parts in 10\u00b9\u00b2) from the reference, the "
                              "phase's slope");
    QTest::newRow("phase: no drift in hertz") << phase << context() << c << QByteArray("driftHz")
                                              << QStringLiteral("none: the readings are time "
                                                                "intervals");

    Statistics none;
    none.count = none.numbers = 3;
    none.meanMHz = 10;
    none.missing = Statistics::Missing::NoInterval;
    QTest::newRow("no interval: says why")
            << none << context() << c << QByteArray("interval")
            << Statistics::missingText(Statistics::Missing::NoInterval);
}

void TestFigureTexts::texts()
{
    QFETCH(Statistics, figures);
    QFETCH(FigureTexts::Context, context);
    QFETCH(QString, locale);
    QFETCH(QByteArray, row);
    QFETCH(QString, text);

    QLocale::setDefault(QLocale(locale));
    const QStringList texts = FigureTexts::texts(figures, context);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(texts.size(), FigureTexts::rows().size());
    QCOMPARE(textOf(texts, row.constData()), text);
}

QTEST_GUILESS_MAIN(TestFigureTexts)
#include "tst_figuretexts.moc"
