// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frequencytext.h"
#include "nominalcomparison.h"

#include <QTest>

using namespace freqcounter;

namespace {

Comparison around(double nominalHz, std::optional<Nominal::Tolerance> tolerance)
{
    Comparison comparison;
    comparison.nominalHz = nominalHz;
    comparison.tolerance = tolerance;
    return comparison;
}

constexpr Nominal::Tolerance kPpm10{10, Nominal::Tolerance::Unit::Ppm};
constexpr Nominal::Tolerance kPpb50{50, Nominal::Tolerance::Unit::Ppb};

} // namespace

class TestNominalComparison : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void compare_data();
    void compare();
    void bellOnlyOnLeavingTheBand();
};

void TestNominalComparison::compare_data()
{
    QTest::addColumn<Comparison>("comparison");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<bool>("outside");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("description");

    QTest::newRow("above, within")
            << around(10e6, kPpm10) << QStringLiteral("10.0000500") << false
            << QStringLiteral("+50.0 Hz   +5.00 ppm")
            << QStringLiteral("Offset from 10 MHz: +50.0 Hz +5.00 ppm, within ±10 ppm");
    QTest::newRow("above the band: outside")
            << around(10e6, kPpm10) << QStringLiteral("10.0001500") << true
            << QStringLiteral("+150.0 Hz   +15.00 ppm   outside ±10 ppm")
            << QStringLiteral("Offset from 10 MHz: +150.0 Hz +15.00 ppm, outside ±10 ppm");
    QTest::newRow("below the band: outside too")
            << around(10e6, kPpm10) << QStringLiteral("9.9998500") << true
            << QStringLiteral("-150.0 Hz   -15.00 ppm   outside ±10 ppm")
            << QStringLiteral("Offset from 10 MHz: -150.0 Hz -15.00 ppm, outside ±10 ppm");
    // 50 ppb of 10 MHz is 0.5 Hz either way.
    QTest::newRow("in ppb, within its own width")
            << around(10e6, kPpb50) << QStringLiteral("10.0000004") << false
            << QStringLiteral("+0.4 Hz   +40 ppb")
            << QStringLiteral("Offset from 10 MHz: +0.4 Hz +40 ppb, within ±50 ppb");
    QTest::newRow("in ppb, beyond its own width")
            << around(10e6, kPpb50) << QStringLiteral("9.9999994") << true
            << QStringLiteral("-0.6 Hz   -60 ppb   outside ±50 ppb")
            << QStringLiteral("Offset from 10 MHz: -0.6 Hz -60 ppb, outside ±50 ppb");
    QTest::newRow("a nominal, no tolerance: never outside")
            << around(10e6, std::nullopt) << QStringLiteral("11") << false
            << QStringLiteral("+1000000 Hz   +100000 ppm")
            << QStringLiteral("Offset from 10 MHz: +1000000 Hz +100000 ppm");
    QTest::newRow("no nominal: nothing")
            << Comparison() << QStringLiteral("11") << false << QString() << QString();
    QTest::newRow("no number: nothing")
            << around(10e6, kPpm10) << QStringLiteral("ERR 3") << false << QString() << QString();
}

void TestNominalComparison::compare()
{
    QFETCH(Comparison, comparison);
    QFETCH(QString, reading);
    QFETCH(bool, outside);
    QFETCH(QString, line);
    QFETCH(QString, description);

    NominalComparison nominal;
    nominal.setComparison(comparison);
    const NominalComparison::Compared compared = nominal.compare(reading, frequencyMHz(reading));
    QCOMPARE(compared.outside, outside);
    QCOMPARE(compared.line, line);
    QCOMPARE(compared.description, description);
}

void TestNominalComparison::bellOnlyOnLeavingTheBand()
{
    NominalComparison nominal;
    nominal.setComparison(around(10e6, kPpb50));
    QCOMPARE(nominal.halfWidthHz(), std::optional<double>(0.5));
    const QList<std::pair<const char *, bool>> readings{{"10.0000001", false}, {"10.0000010", true},
                                                        {"10.0000020", false}, {"9.9999990", false},
                                                        {"10.0000000", false}, {"9.9999990", true}};
    for (const auto &[reading, left] : readings) {
        const QString text = QString::fromLatin1(reading);
        QCOMPARE(nominal.compare(text, frequencyMHz(text)).leftTheBand, left);
    }
    // Another comparison starts afresh.
    nominal.setComparison(around(10e6, kPpb50));
    QVERIFY(nominal.compare(QStringLiteral("9.9999990"), 9.999999).leftTheBand);
}

QTEST_GUILESS_MAIN(TestNominalComparison)
#include "tst_nominalcomparison.moc"
