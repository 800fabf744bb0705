// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stabilityplot.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

using namespace freqcounter;

namespace {

// OADEV and MDEV falling as white FM does, from a deviation at 1 s.
Statistics whiteFm(double atOneSecond)
{
    Statistics s;
    for (const double tau : {1.0, 10.0, 100.0}) {
        const double value = atOneSecond / std::sqrt(tau);
        s.overlappingAllan.append({tau, value, value * 0.8, value * 1.25, 10, 0, 10});
        s.modifiedAllan.append({tau, value / 2, value * 0.4, value * 0.6, 10, 0, 10});
    }
    return s;
}

// Whether the plot as drawn has any pixel of the colour: the curves and
// their markers are drawn in their recording's colour.
bool drawsIn(const StabilityPlot &plot, QRgb colour)
{
    QImage image(600, 400, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        plot.paint(painter, image.rect());
    }
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xffffff) == colour)
                return true;
        }
    }
    return false;
}

constexpr QRgb kOadevColour = 0x0072b2; // also the first recording's while compared
constexpr QRgb kMdevColour = 0x009e73;
constexpr QRgb kSecondColour = 0xd55e00;
constexpr QRgb kThirdColour = 0x009e73;

} // namespace

class TestStabilityPlot : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void compared_data();
    void compared();
    void removedThroughItsMenu();
};

void TestStabilityPlot::compared_data()
{
    QTest::addColumn<QStringList>("others");
    QTest::addColumn<int>("hidden"); // of the others, -1 for none
    QTest::addColumn<int>("removed");
    QTest::addColumn<QStringList>("legend");
    QTest::addColumn<QList<QRgb>>("colours");
    QTest::addColumn<QList<QRgb>>("absent");

    const QString own = QStringLiteral("own.csv, 10:00 to 11:00");
    const QString b = QStringLiteral("b.csv, 12:00 to 13:00");
    const QString c = QStringLiteral("c.csv, 14:00 to 15:00");
    QTest::newRow("alone: the estimators' names and colours")
            << QStringList() << -1 << -1
            << QStringList{QStringLiteral("OADEV"), QStringLiteral("MDEV")}
            << QList<QRgb>{kOadevColour, kMdevColour} << QList<QRgb>{kSecondColour};
    QTest::newRow("one compared: every curve by its recording, a colour each")
            << QStringList{b} << -1 << -1
            << QStringList{QStringLiteral("OADEV of ") + own, QStringLiteral("MDEV of ") + own,
                           QStringLiteral("OADEV of ") + b, QStringLiteral("MDEV of ") + b}
            << QList<QRgb>{kOadevColour, kSecondColour} << QList<QRgb>{};
    QTest::newRow("two compared, the first hidden: the second keeps its colour")
            << QStringList{b, c} << 0 << -1
            << QStringList{QStringLiteral("OADEV of ") + own, QStringLiteral("MDEV of ") + own,
                           QStringLiteral("OADEV of ") + c, QStringLiteral("MDEV of ") + c}
            << QList<QRgb>{kOadevColour, kThirdColour} << QList<QRgb>{kSecondColour};
    QTest::newRow("the one compared removed: as alone")
            << QStringList{b} << -1 << 0
            << QStringList{QStringLiteral("OADEV"), QStringLiteral("MDEV")}
            << QList<QRgb>{kOadevColour, kMdevColour} << QList<QRgb>{kSecondColour};
    QTest::newRow("two compared, the first removed: the other moves up")
            << QStringList{b, c} << -1 << 0
            << QStringList{QStringLiteral("OADEV of ") + own, QStringLiteral("MDEV of ") + own,
                           QStringLiteral("OADEV of ") + c, QStringLiteral("MDEV of ") + c}
            << QList<QRgb>{kOadevColour, kSecondColour} << QList<QRgb>{};
}

void TestStabilityPlot::compared()
{
    QFETCH(QStringList, others);
    QFETCH(int, hidden);
    QFETCH(int, removed);
    QFETCH(QStringList, legend);
    QFETCH(QList<QRgb>, colours);
    QFETCH(QList<QRgb>, absent);

    StabilityPlot plot;
    plot.setFigures(whiteFm(1e-10), QStringLiteral("own.csv, 10:00 to 11:00"));
    QSignalSpy changed(&plot, &StabilityPlot::comparedChanged);
    for (qsizetype i = 0; i < others.size(); ++i)
        plot.compare(others.at(i), whiteFm(1e-9 * double(i + 1)));
    if (hidden >= 0)
        plot.setComparedShown(hidden, false);
    if (removed >= 0)
        plot.removeCompared(removed);
    QCOMPARE(changed.count(), others.size() + (hidden >= 0 ? 1 : 0) + (removed >= 0 ? 1 : 0));
    QCOMPARE(plot.legendLines(), legend);
    QCOMPARE(plot.shownNames(), (QStringList{QStringLiteral("OADEV"), QStringLiteral("MDEV")}));
    for (const QRgb colour : colours)
        QVERIFY2(drawsIn(plot, colour), qPrintable(QString::number(colour, 16)));
    for (const QRgb colour : absent)
        QVERIFY2(!drawsIn(plot, colour), qPrintable(QString::number(colour, 16)));
}

void TestStabilityPlot::removedThroughItsMenu()
{
    StabilityPlot plot;
    plot.setFigures(whiteFm(1e-10), QStringLiteral("own"));
    plot.compare(QStringLiteral("other.csv"), whiteFm(1e-9));
    QCOMPARE(plot.compared(), QStringList{QStringLiteral("other.csv")});

    // Its entry in the context menu, named for it, hides and removes it.
    QAction *entry = nullptr;
    for (QAction *action : plot.actions()) {
        if (action->text() == QStringLiteral("other.csv"))
            entry = action;
    }
    QVERIFY(entry && entry->menu());
    const QList<QAction *> inMenu = entry->menu()->actions();
    QCOMPARE(inMenu.size(), 2);
    inMenu.at(0)->trigger();
    QCOMPARE(plot.legendLines(),
             (QStringList{QStringLiteral("OADEV of own"), QStringLiteral("MDEV of own")}));
    inMenu.at(1)->trigger();
    QCOMPARE(plot.compared(), QStringList());
    QVERIFY(!plot.actions().contains(entry));
    QCOMPARE(plot.legendLines(), (QStringList{QStringLiteral("OADEV"), QStringLiteral("MDEV")}));
}

QTEST_MAIN(TestStabilityPlot)
#include "tst_stabilityplot.moc"
