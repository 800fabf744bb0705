// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "historywindow.h"
#include "plotpicture.h"
#include "runtime.h"
#include "stabilityplot.h"
#include "windowdefinition.h"
#include "windowtesting.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <random>

using namespace freqcounter;

class TestHistoryWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void recordingIsReadWhole();
    void recordingIsFollowed();
    void recordingWithMathSaysSo_data();
    void recordingWithMathSaysSo();
    void cancelEndsTheReading();
    void recordingWithNoReadingsSaysSo();
    void droppedReadingsAreSaid();
    void figuresSayWhyThereAreNone();
    void phaseIsShownAsPhase();
    void plotIsSaved_data();
    void plotIsSaved();
    void driftIsRemoved();
    void closingStopsTheSlowFigures();
    void comparedWith_data();
    void comparedWith();

private:
    // Readings a second apart of 10 MHz with white FM of 1e-9 at a second,
    // drifting by 1e-11 a second: at 100 s the drift is seven times the noise.
    static void addDrifting(ReadingHistory &history, int count);
    // A recording of `rows` readings a second apart, from 15:00 UTC on; of
    // five or six fields, shown as 10.7 MHz less, the sixth naming the math.
    QString recording(int rows, int fields = 4);
    // Row i of such a recording, of four fields, without its line end.
    static QByteArray row(int i);
    QString figure(const QWidget &window, const char *name) const
    {
        return test::item<QLabel>(&window, name)->text();
    }

    QTemporaryDir m_dir;
    QList<RuntimeError> m_errors;
    std::unique_ptr<Runtime> m_runtime;
};

void TestHistoryWindow::init()
{
    m_errors.clear();
    m_runtime = std::make_unique<Runtime>(std::make_unique<test::RecordingReporter>(m_errors));
}

QString TestHistoryWindow::recording(int rows, int fields)
{
    QString path = m_dir.filePath(QStringLiteral("r%1-%2.csv").arg(rows).arg(fields));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    const bool shown = fields > 4;
    const QByteArray math = fields > 5 ? ",LO \xE2\x88\x92 10.7 MHz" : "";
    file.write(QByteArrayLiteral("time,port,device,reading") + (shown ? ",shown" : "")
               + (math.isEmpty() ? "" : ",math") + "\r\n");
    for (int i = 0; i < rows; ++i) {
        file.write(row(i) + (shown ? ",-0.69999" + QByteArray::number(9 - i % 7) : QByteArray())
                   + math + "\r\n");
    }
    return path;
}

QByteArray TestHistoryWindow::row(int i)
{
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(1'796'655'600'000, Qt::UTC);
    return start.addSecs(i).toString(Qt::ISODateWithMs).toLatin1() + ",1,/dev/ttyUSB0,10.00000"
            + QByteArray::number(i % 7);
}

void TestHistoryWindow::recordingIsReadWhole()
{
    // Half an hour: more than the span a live window opens on.
    const QString path = recording(1800);
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write("garbage\r\n");
    file.close();
    QPointer<HistoryWindow> window = HistoryWindow::openRecording(path, *m_runtime);
    QVERIFY(window);
    window->show();
    QVERIFY(window->isLoading());
    QVERIFY(window->findChild<QProgressBar *>(QStringLiteral("reading"))->isVisible());
    QTRY_VERIFY(!window->isLoading());
    QVERIFY(!window->findChild<QProgressBar *>(QStringLiteral("reading"))->isVisible());
    QCOMPARE(figure(*window, "count"), QStringLiteral("1800"));
    QCOMPARE(figure(*window, "note"), QStringLiteral("1 row could not be read, at line 1802"));
    QCOMPARE(test::item<QComboBox>(window, "span")->currentText(),
             QStringLiteral("Everything recorded"));
    QVERIFY(m_errors.isEmpty());
    window->close();
    QTRY_VERIFY(!window);
}

void TestHistoryWindow::recordingIsFollowed()
{
    const QString path = recording(60);
    QPointer<HistoryWindow> window = HistoryWindow::openRecording(path, *m_runtime);
    QVERIFY(window);
    window->show();
    QTRY_VERIFY(!window->isLoading());
    QFile logger(path);
    QVERIFY(logger.open(QIODevice::Append | QIODevice::Unbuffered));
    logger.write(row(60) + "\r\n" + row(61) + "\r\n");
    QTRY_COMPARE(figure(*window, "count"), QStringLiteral("62"));

    // Seen half written, a row whose half would read as a reading waits for
    // its line end; the row that cannot be read before it shows it was seen.
    const QByteArray last = row(62);
    logger.write("torn\r\n" + last.chopped(3));
    const QString torn = QStringLiteral("1 row could not be read, at line 64");
    QTRY_COMPARE(figure(*window, "note"), torn);
    QCOMPARE(figure(*window, "count"), QStringLiteral("62"));
    logger.write(last.last(3) + "\r\n");
    QTRY_COMPARE(figure(*window, "count"), QStringLiteral("63"));

    // Cut short, it is followed no further.
    QVERIFY(logger.resize(0));
    QTRY_COMPARE(figure(*window, "note"), torn + QStringLiteral("; no longer followed: it shrank"));
    QVERIFY(m_errors.isEmpty());
    window->close();
    QTRY_VERIFY(!window);
}

void TestHistoryWindow::recordingWithMathSaysSo_data()
{
    QTest::addColumn<int>("fields");
    QTest::addColumn<QString>("says");
    QTest::newRow("a recording naming its math")
            << 6 << QStringLiteral("; counter math LO \u2212 10.7 MHz");
    QTest::newRow("an older one, saying only that math was on")
            << 5 << QStringLiteral("; counter math on");
}

void TestHistoryWindow::recordingWithMathSaysSo()
{
    QFETCH(int, fields);
    QFETCH(QString, says);
    QPointer<HistoryWindow> window
            = HistoryWindow::openRecording(recording(60, fields), *m_runtime);
    QVERIFY(window);
    window->show();
    QTRY_VERIFY(!window->isLoading());
    // Of the frequency shown, and saying so.
    QVERIFY2(figure(*window, "mean").startsWith(QStringLiteral("-0.699")),
             qPrintable(figure(*window, "mean")));
    QVERIFY2(figure(*window, "instrument").endsWith(says),
             qPrintable(figure(*window, "instrument")));
    window->close();
}

void TestHistoryWindow::cancelEndsTheReading()
{
    QPointer<HistoryWindow> window = HistoryWindow::openRecording(recording(200'000), *m_runtime);
    QVERIFY(window);
    window->show();
    QVERIFY(window->isLoading());
    test::item<QPushButton>(window, "cancelReading")->click();
    QTRY_VERIFY(!window);
}

void TestHistoryWindow::recordingWithNoReadingsSaysSo()
{
    QPointer<HistoryWindow> window = HistoryWindow::openRecording(recording(0), *m_runtime);
    QVERIFY(window);
    QSignalSpy failed(window.data(), &HistoryWindow::recordingFailed);
    QVERIFY(failed.isValid());
    window->show();
    QTRY_COMPARE(failed.size(), 1);
    QVERIFY(failed.at(0).at(0).toString().endsWith(QStringLiteral(": it holds no readings.")));
    QTRY_VERIFY(!window);
}

void TestHistoryWindow::droppedReadingsAreSaid()
{
    ReadingHistory history(5);
    for (int i = 0; i < 8; ++i)
        history.add(1, {}, 1'796'655'600'000 + 1000 * qint64(i), 10.0);
    HistoryWindow window(history, *m_runtime);
    window.refresh();
    QCOMPARE(figure(window, "note"), QStringLiteral("the newest 5 of 8 readings"));
    window.setEverythingRecorded(true);
    QCOMPARE(figure(window, "note"),
             QStringLiteral("the newest 5 of 8 readings; all are in the recording"));
}

void TestHistoryWindow::figuresSayWhyThereAreNone()
{
    ReadingHistory history;
    for (int i = 0; i < 8; ++i)
        history.add(1, {}, 1'796'655'600'000, 10.0 + i);
    HistoryWindow window(history, *m_runtime);
    window.refresh();
    const QString why = Statistics::missingText(Statistics::Missing::NoInterval);
    QCOMPARE(figure(window, "interval"), why);
    QCOMPARE(figure(window, "overlappingAllanDeviation"), why);
}

void TestHistoryWindow::phaseIsShownAsPhase()
{
    // A time-interval counter's phase running on by 5 ps a second from
    // 200 ns: its figures in time, and the frequency offset its slope gives.
    ReadingHistory history;
    for (int i = 0; i < 300; ++i)
        history.add(1, {}, 1'796'655'600'000 + 1000 * qint64(i), 2e-7 + 5e-12 * i, {}, true);
    HistoryWindow window(history, *m_runtime);
    window.resize(window.sizeHint());
    window.refresh();
    QCOMPARE(figure(window, "mean"), QStringLiteral("200.7475 ns"));
    QCOMPARE(figure(window, "peakToPeak"), QStringLiteral("1.495 ns"));
    static const QRegularExpression offset(QStringLiteral(
            "^5[.,]000[eE]-12 \\(5[.,]000 parts in 10\u00b9\u00b2\\) from the reference"));
    QVERIFY2(offset.match(figure(window, "offsetFromNominal")).hasMatch(),
             qPrintable(figure(window, "offsetFromNominal")));
    QCOMPARE(figure(window, "driftHz"), QStringLiteral("none: the readings are time intervals"));
    // Its chart, of phases, draws.
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    window.render(&image);
    QVERIFY(m_errors.isEmpty());
}

void TestHistoryWindow::plotIsSaved_data()
{
    QTest::addColumn<bool>("modifiedShown");
    QTest::newRow("every estimator") << true;
    QTest::newRow("MDEV turned off in the plot's menu") << false;
}

void TestHistoryWindow::plotIsSaved()
{
    QFETCH(bool, modifiedShown);
    if (!PlotPicture::writes(PlotPicture::Format::Svg))
        QSKIP("This build saves no SVG pictures");
    QPointer<HistoryWindow> window = HistoryWindow::openRecording(recording(300), *m_runtime);
    QVERIFY(window);
    window->show();
    QTRY_VERIFY(!window->isLoading());
    QVERIFY(test::item<QPushButton>(window, "savePlot"));
    auto *modified = test::item<QAction>(window, "mdev");
    modified->setChecked(modifiedShown);
    const QString path = m_dir.filePath(QStringLiteral("plot.svg"));
    QString error;
    QVERIFY2(window->savePlot(HistoryWindow::Plot::SigmaTau, path, {640, 480}, &error),
             qPrintable(error));
    modified->setChecked(true);
    QFile svg(path);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(svg.readAll());
    QVERIFY(text.contains(QStringLiteral("viewBox=\"0 0 640 480\"")));
    QVERIFY(text.contains(QStringLiteral(">r300-4.csv<")));
    QVERIFY(text.contains(QStringLiteral(">OADEV<")));
    QCOMPARE(text.contains(QStringLiteral(">MDEV<")), modifiedShown);
    window->close();
    QTRY_VERIFY(!window);
}

void TestHistoryWindow::addDrifting(ReadingHistory &history, int count)
{
    std::mt19937 random(20261210);
    std::normal_distribution<double> white(0, 1e-9);
    for (int i = 0; i < count; ++i) {
        history.add(1, QStringLiteral("/dev/ttyUSB0"), 1'796'655'600'000 + 1000 * qint64(i),
                    10.0 * (1 + white(random) + 1e-11 * i));
    }
}

namespace {

// The deviation a figure gives at that averaging time; NaN for none.
double deviationAt(const QString &text, const QString &tau)
{
    for (const QString &part : text.split(QStringLiteral("; "))) {
        if (part.endsWith(QStringLiteral(" at ") + tau))
            return part.section(u' ', 0, 0).toDouble();
    }
    return qQNaN();
}

} // namespace

void TestHistoryWindow::driftIsRemoved()
{
    ReadingHistory history;
    addDrifting(history, 1000);
    HistoryWindow window(history, *m_runtime);
    auto *removeDrift = test::item<QComboBox>(&window, "removeDrift");
    removeDrift->setCurrentIndex(0);
    window.show();
    const QString working = QStringLiteral("working out\u2026");
    const QString hundred = QStringLiteral("100 s");
    test::item<QComboBox>(&window, "span")->setCurrentIndex(3);
    // The refresh does not wait for them.
    QCOMPARE(figure(window, "totalDeviation"), working);
    QTRY_VERIFY(figure(window, "totalDeviation") != working);
    const double total = deviationAt(figure(window, "totalDeviation"), hundred);
    const double overlapping = deviationAt(figure(window, "overlappingAllanDeviation"), hundred);
    QVERIFY2(overlapping > 5e-10, qPrintable(figure(window, "overlappingAllanDeviation")));
    // 1e-11 a second is 8.64e-7 a day, within three of its uncertainties.
    static const QRegularExpression drift(
            QStringLiteral("^\\(\\+(\\S+) \u00B1 (\\S+)\\)\u00B710\u207B\u2077 a day$"));
    const QRegularExpressionMatch perDay = drift.match(figure(window, "drift"));
    QVERIFY2(perDay.hasMatch(), qPrintable(figure(window, "drift")));
    QVERIFY2(std::abs(perDay.captured(1).toDouble() - 8.64) < 3 * perDay.captured(2).toDouble(),
             qPrintable(figure(window, "drift")));
    QCOMPARE(figure(window, "deviationsOf"), QStringLiteral("of the readings as read"));

    removeDrift->setCurrentIndex(1);
    QCOMPARE(figure(window, "deviationsOf"), QStringLiteral("with the linear drift removed"));
    const double left = deviationAt(figure(window, "overlappingAllanDeviation"), hundred);
    QVERIFY2(left < overlapping / 3, qPrintable(figure(window, "overlappingAllanDeviation")));
    // The slow figures of the readings as read are not shown as those of
    // the readings without their drift.
    QCOMPARE(figure(window, "totalDeviation"), working);
    QTRY_VERIFY(figure(window, "totalDeviation") != working);
    QVERIFY2(deviationAt(figure(window, "totalDeviation"), hundred) < total / 3,
             qPrintable(figure(window, "totalDeviation")));
    QVERIFY(m_errors.isEmpty());
}

void TestHistoryWindow::closingStopsTheSlowFigures()
{
    // How long closing a window of this many readings takes, right after a
    // refresh has set its slow figures going.
    const auto closing = [this](int readings) {
        ReadingHistory history;
        addDrifting(history, readings);
        auto window = std::make_unique<HistoryWindow>(history, *m_runtime);
        test::item<QComboBox>(window.get(), "span")->setCurrentIndex(3);
        window->show();
        window->refresh();
        QElapsedTimer timer;
        timer.start();
        window->close();
        window.reset();
        return timer.elapsed();
    };
    // Beside what closing a window costs the platform itself (seconds under
    // Wine), not the seconds a million readings' slow figures take.
    // The sanitizers slow the last step the work takes before it stops; the
    // whole work takes tens of seconds there.
#ifdef FREQCOUNTER_SANITIZED
    constexpr qint64 kSlack = 5000;
#else
    constexpr qint64 kSlack = 1000;
#endif
    const qint64 platform = closing(1000);
    const qint64 full = closing(int(ReadingHistory::kCapacity));
    QVERIFY2(full < platform + kSlack,
             qPrintable(QStringLiteral("%1 ms, against %2 ms").arg(full).arg(platform)));
    QVERIFY(m_errors.isEmpty());
}

void TestHistoryWindow::comparedWith_data()
{
    QTest::addColumn<int>("rows"); // of the recording compared with
    QTest::newRow("a recording: its curves beside the window's own, both named") << 120;
    QTest::newRow("a recording with no readings: said, and nothing laid") << 0;
}

void TestHistoryWindow::comparedWith()
{
    QFETCH(int, rows);
    // The recordings here are of one day: the last time stamp has no date.
    const auto stamp = [](qint64 msecs, const char *format = "yyyy-MM-dd HH:mm:ss") {
        return QDateTime::fromMSecsSinceEpoch(msecs).toString(QString::fromLatin1(format));
    };
    ReadingHistory history;
    addDrifting(history, 300);
    HistoryWindow window(history, *m_runtime);
    test::item<QComboBox>(&window, "span")->setCurrentIndex(3);
    window.show();
    auto *plot = test::item<StabilityPlot>(&window, "sigmaTau");
    QSignalSpy read(&window, &HistoryWindow::comparisonRead);
    const QString other = recording(rows);
    window.compareWith(other);
    QVERIFY(window.isComparing());
    QTRY_COMPARE(read.size(), 1);
    QVERIFY(!window.isComparing());
    if (rows == 0) {
        QCOMPARE(plot->compared(), QStringList());
        auto *box = window.findChild<QMessageBox *>(QStringLiteral("comparisonFailed"));
        QVERIFY(box);
        QVERIFY2(box->informativeText().contains(QFileInfo(other).fileName()),
                 qPrintable(box->informativeText()));
        return;
    }

    const qint64 start = 1'796'655'600'000;
    const QString otherName = QStringLiteral("%1, %2 to %3")
                                      .arg(QFileInfo(other).fileName(), stamp(start),
                                           stamp(start + qint64(rows - 1) * 1000, "HH:mm:ss"));
    QCOMPARE(plot->compared(), QStringList{otherName});
    const auto ownName = [&] {
        const auto [first, last] = window.figuresRange();
        return QStringLiteral("%1, %2 to %3")
                .arg(WindowDefinition::instrumentName(1, QStringLiteral("/dev/ttyUSB0")),
                     stamp(history.at(first).msecs), stamp(history.at(last - 1).msecs, "HH:mm:ss"));
    };
    const QString ownBefore = ownName();
    QVERIFY2(ownBefore.endsWith(stamp(start + 299'000, "HH:mm:ss")), qPrintable(ownBefore));
    QStringList legend = plot->legendLines();
    QVERIFY2(legend.contains(QStringLiteral("OADEV of ") + otherName),
             qPrintable(legend.join(u'|')));
    QVERIFY2(legend.contains(QStringLiteral("OADEV of ") + ownBefore),
             qPrintable(legend.join(u'|')));

    // The window's own curves go on with its readings, the other's stay.
    history.add(1, QStringLiteral("/dev/ttyUSB0"), start + 300'000, 10.0);
    window.refresh();
    QVERIFY(ownName() != ownBefore);
    legend = plot->legendLines();
    QVERIFY2(legend.contains(QStringLiteral("OADEV of ") + ownName()),
             qPrintable(legend.join(u'|')));
    QVERIFY(legend.contains(QStringLiteral("OADEV of ") + otherName));

    // Removed, the window's own are named for their estimators alone.
    plot->removeCompared(0);
    legend = plot->legendLines();
    QVERIFY2(legend.contains(QStringLiteral("OADEV")), qPrintable(legend.join(u'|')));
    QVERIFY(!legend.join(u'|').contains(QFileInfo(other).fileName()));
    QVERIFY(m_errors.isEmpty());
}

QTEST_MAIN(TestHistoryWindow)
#include "tst_historywindow.moc"
