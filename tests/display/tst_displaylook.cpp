// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "displayfit.h"
#include "displaylook.h"

#include <QImage>
#include <QTest>

#include <cmath>

using namespace freqcounter;

// The display's look and fitting: colours a reader can read, and a reading
// drawn as large as its room allows, never cut off.
class TestDisplayLook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void coloursReadOnTheDisplay_data();
    void coloursReadOnTheDisplay();
    void readingFitsItsRoom_data();
    void readingFitsItsRoom();
};

void TestDisplayLook::coloursReadOnTheDisplay_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    namespace Def = freqcounter::WindowDefinition;
    QTest::newRow("the reading") << Def::kDisplayText.red << Def::kDisplayText.green
                                 << Def::kDisplayText.blue;
    QTest::newRow("a reading outside its tolerance")
            << Def::kWarningText.red << Def::kWarningText.green << Def::kWarningText.blue;
}

void TestDisplayLook::coloursReadOnTheDisplay()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    // WCAG's contrast ratio against the dark purple: 4.5:1 at least.
    const auto luminance = [](int r, int g, int b) {
        const auto linear = [](int c) {
            const double v = c / 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
    };
    const auto background = freqcounter::WindowDefinition::kDisplayBackground;
    const double ratio = (luminance(red, green, blue) + 0.05)
            / (luminance(background.red, background.green, background.blue) + 0.05);
    QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
}

void TestDisplayLook::readingFitsItsRoom_data()
{
    QTest::addColumn<QString>("reading");
    QTest::addColumn<bool>("shrinks");

    QTest::newRow("a reading that fits keeps the display's size")
            << QStringLiteral("145.2 MHz") << false;
    QTest::newRow("a wide one is drawn smaller")
            << QStringLiteral("1234567890.123456789 MHz") << true;
    QTest::newRow("nothing to draw") << QString() << false;
}

void TestDisplayLook::readingFitsItsRoom()
{
    QFETCH(QString, reading);
    QFETCH(bool, shrinks);

    // The display field's room at 96 dots per inch, and a full screen's.
    QImage device(1, 1, QImage::Format_ARGB32);
    const QFont nominal = displayFont();
    const QFont fitted = fontFittingWidth(nominal, reading, 231, &device);
    QCOMPARE(fitted.pointSizeF() < nominal.pointSizeF(), shrinks);
    QVERIFY(QFontMetrics(fitted, &device).horizontalAdvance(reading) <= 231);

    const QSize screen(1920, 1080);
    const QFont filling = fontFillingBox(nominal, reading, screen, &device);
    QVERIFY(fitsIn(filling, reading, screen, &device));
    if (!reading.isEmpty()) {
        // As large as fits, near enough: a tenth larger no longer does.
        QFont larger = filling;
        larger.setPointSizeF(filling.pointSizeF() * 1.1);
        QVERIFY(!fitsIn(larger, reading, screen, &device));
    }
}

QTEST_MAIN(TestDisplayLook)
#include "tst_displaylook.moc"
