// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimal.h"

#include <QTest>

using namespace freqcounter;

class TestDecimal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data();
    void read();
    void sum_data();
    void sum();
    void product_data();
    void product();
    void trailingZeros();
};

void TestDecimal::read_data()
{
    QTest::addColumn<QString>("magnitude");
    QTest::addColumn<bool>("negative");
    QTest::addColumn<int>("power");
    QTest::addColumn<QString>("text");

    QTest::newRow("Hz to MHz keeps every digit")
            << QStringLiteral("17800000") << false << -6 << QStringLiteral("17.800000");
    QTest::newRow("an exponent moves the point") << QStringLiteral("1.00000000012345E+07") << false
                                                 << -6 << QStringLiteral("10.0000000012345");
    QTest::newRow("an exponent past the digits adds zeros")
            << QStringLiteral("2.4e9") << false << -6 << QStringLiteral("2400");
    QTest::newRow("below 1: a zero before the point")
            << QStringLiteral("455") << false << -3 << QStringLiteral("0.455");
    QTest::newRow("leading zeros go")
            << QStringLiteral("000145.20") << false << 0 << QStringLiteral("145.20");
    QTest::newRow("negative") << QStringLiteral("2.5E+03") << true << -6
                              << QStringLiteral("-0.0025");
    QTest::newRow("zero has no sign")
            << QStringLiteral("0.000") << true << 0 << QStringLiteral("0.000");
}

void TestDecimal::read()
{
    QFETCH(QString, magnitude);
    QFETCH(bool, negative);
    QFETCH(int, power);
    QTEST(Decimal::of(magnitude, negative, power).text(), "text");
}

void TestDecimal::sum_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("sum");

    // Each worked by hand.
    QTest::newRow("a carry into a new first digit")
            << QStringLiteral("98.3") << QStringLiteral("10.7") << QStringLiteral("109.0");
    QTest::newRow("carries all the way")
            << QStringLiteral("999.999") << QStringLiteral("0.001") << QStringLiteral("1000.000");
    QTest::newRow("a borrow across the point")
            << QStringLiteral("17.800000") << QStringLiteral("-10.7") << QStringLiteral("7.100000");
    QTest::newRow("a smaller minus a larger")
            << QStringLiteral("3.2") << QStringLiteral("-10.7") << QStringLiteral("-7.5");
    QTest::newRow("two negatives")
            << QStringLiteral("-1.25") << QStringLiteral("-0.75") << QStringLiteral("-2.00");
    QTest::newRow("opposites make an unsigned zero")
            << QStringLiteral("-4.5") << QStringLiteral("4.5") << QStringLiteral("0.0");
    QTest::newRow("the finer scale is kept")
            << QStringLiteral("10") << QStringLiteral("0.0000015") << QStringLiteral("10.0000015");
}

void TestDecimal::sum()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QTEST((Decimal::of(a) + Decimal::of(b)).text(), "sum");
    QTEST((Decimal::of(b) + Decimal::of(a)).text(), "sum");
}

void TestDecimal::product_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("product");

    QTest::newRow("a prescaler's ratio")
            << QStringLiteral("15.625001") << QStringLiteral("64") << QStringLiteral("1000.000064");
    QTest::newRow("a fraction") << QStringLiteral("17.800001") << QStringLiteral("2.5")
                                << QStringLiteral("44.5000025");
    QTest::newRow("signs") << QStringLiteral("-0.5") << QStringLiteral("4.000")
                           << QStringLiteral("-2.0000");
    QTest::newRow("carries through every digit")
            << QStringLiteral("99.99") << QStringLiteral("99.99") << QStringLiteral("9998.0001");
    QTest::newRow("by zero") << QStringLiteral("0") << QStringLiteral("-12.5")
                             << QStringLiteral("0.0");
}

void TestDecimal::product()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QTEST((Decimal::of(a) * Decimal::of(b)).text(), "product");
}

void TestDecimal::trailingZeros()
{
    Decimal number = Decimal::of(u"1234.5000");
    QCOMPARE(number.trailingZeros(), 3);
    number.dropTrailingZeros(2);
    QCOMPARE(number.text(), QStringLiteral("1234.50"));
    number.dropTrailingZeros();
    QCOMPARE(number.text(), QStringLiteral("1234.5"));
    // Zeros before the point are the value's own.
    Decimal whole = Decimal::of(u"6400");
    whole.dropTrailingZeros();
    QCOMPARE(whole.text(), QStringLiteral("6400"));
}

QTEST_GUILESS_MAIN(TestDecimal)
#include "tst_decimal.moc"
