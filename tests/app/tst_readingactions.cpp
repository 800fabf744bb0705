// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countermathdialog.h"
#include "displaylook.h"
#include "historywindow.h"
#include "largedisplay.h"
#include "nominaldialog.h"
#include "program.h"
#include "readingactions.h"
#include "recordingfile.h"
#include "windowonptys.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace freqcounter;
using freqcounter::test::kWaiting;
using freqcounter::test::WindowOnPtys;

class TestReadingActions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void historyOpensWithCtrlHAndCounts();
    void recordsOneLinePerWholeReading();
    void readingsOfOneReadAreKeptEachAtItsTime();
    void unwritableFileTakesTheErrorPath_data();
    void unwritableFileTakesTheErrorPath();
    void failedWriteStopsRecordingAndTheDisplayGoesOn();
    void largeDisplayShowsTheReadingFullScreen();
    void alwaysOnTopKeepsTheWindowShownWhereItWas();
    void savedHeaderDescribesTheSavedReadings();
    void steadyStreamStillRefreshesTheHistory();
    void recordingToAPipeKeepsGoing();
    void largeDisplayOpenedAfterReadingsFillsTheScreen();
    void windowsEndWithTheActionsThatMadeThem();
    void offsetFollowsTheReadings();
    void silentCounterIsSaidUntilItAnswers();
    void reconnectIsKeptFromTheMenuAlone();
    void nominalFromThisReading();
    void dialogRefusesWhatIsNoFrequency_data();
    void dialogRefusesWhatIsNoFrequency();
    void counterMathIsSaidWhereverTheReadingIs();
    void mathDialogChecksAsTyped_data();
    void mathDialogChecksAsTyped();
    void aboutNamesTheVersionAndTheLicence();

private:
    void loadAndShow();
    // Sends readings one at a time, each waited for on the display.
    void sendReadings(const QStringList &readings);
    QLabel *display() const { return test::item<QLabel>(m_window->form.get(), "Label1"); }
    QString shown() const { return display()->text(); }

    std::unique_ptr<WindowOnPtys> m_window;
    ReadingActions *m_actions = nullptr;
};

void TestReadingActions::initTestCase()
{
    // The folders offered for files are the test's, not the user's.
    QStandardPaths::setTestModeEnabled(true);
}

void TestReadingActions::init()
{
    m_window = std::make_unique<WindowOnPtys>();
    QVERIFY(m_window->isValid());
    // As the program wires them.
    m_actions = new ReadingActions(*m_window->form, *m_window->runtime);
    connectToWindow(*m_window->form, *m_actions);
}

void TestReadingActions::cleanup()
{
    m_window.reset();
}

void TestReadingActions::loadAndShow()
{
    test::TickRecorder ticks(m_window->form.get());
    QVERIFY(m_window->loadAndSettle(ticks));
}

void TestReadingActions::sendReadings(const QStringList &readings)
{
    for (const QString &reading : readings) {
        const qsizetype before = m_actions->history().size();
        QVERIFY(m_window->pty().send(reading.toLatin1() + "\r\n"));
        QTRY_COMPARE(m_actions->history().size(), before + 1);
        QCOMPARE(shown(), reading + QStringLiteral(" MHz"));
    }
}

void TestReadingActions::historyOpensWithCtrlHAndCounts()
{
    loadAndShow();
    QVERIFY(!m_window->form->findChild<QWidget *>(QStringLiteral("History")));
    sendReadings({QStringLiteral("145.1"), QStringLiteral("145.1"), QStringLiteral("ERR")});

    QTest::keyClick(m_window->form.get(), Qt::Key_H, Qt::ControlModifier);
    auto *history = m_window->form->findChild<QWidget *>(QStringLiteral("History"));
    QVERIFY(history);
    QVERIFY(history->isVisible());
    QCOMPARE(history->windowTitle(), QStringLiteral("2GHz Frequency counter \u2014 History"));
    auto *count = history->findChild<QLabel *>(QStringLiteral("count"));
    QVERIFY(count);
    QCOMPARE(count->text(), QStringLiteral("3 (2 of them numbers)"));

    // It follows the readings while it is open, and screen readers read it.
    sendReadings({QStringLiteral("145.2")});
    QTRY_COMPARE(count->text(), QStringLiteral("4 (3 of them numbers)"));
    QCOMPARE(QAccessible::queryAccessibleInterface(count)->text(QAccessible::Name),
             QStringLiteral("Readings: 4 (3 of them numbers)"));
    auto *mean = history->findChild<QLabel *>(QStringLiteral("mean"));
    QCOMPARE(mean->text(), QStringLiteral("145.1333333 MHz"));
}

void TestReadingActions::recordsOneLinePerWholeReading()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("readings.csv"));
    loadAndShow();
    m_actions->startRecording(path);
    QCOMPARE(m_window->form->windowTitle(),
             QStringLiteral("2GHz Frequency counter \u2014 recording"));

    // The same reading again is a line of its own; a comma is quoted.
    sendReadings({QStringLiteral("145.1452"), QStringLiteral("145.1452"), QStringLiteral("1,5")});
    m_actions->stopRecording();
    QCOMPARE(m_window->form->windowTitle(), QStringLiteral("2GHz Frequency counter"));
    sendReadings({QStringLiteral("7.5")}); // not recorded any more

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    const QByteArray device = m_window->pty().devicePath().toLocal8Bit();
    QCOMPARE(lines.size(), 5); // the header, three lines, and nothing after the last line end
    QCOMPARE(lines.at(0), QByteArray("time,port,device,reading\r"));
    QVERIFY2(lines.at(1).endsWith(",1," + device + ",145.1452\r"), lines.at(1).constData());
    QVERIFY2(lines.at(2).endsWith(",1," + device + ",145.1452\r"), lines.at(2).constData());
    QVERIFY2(lines.at(3).endsWith(",1," + device + ",\"1,5\"\r"), lines.at(3).constData());
    QVERIFY(lines.at(4).isEmpty());
    QVERIFY(m_window->errors.isEmpty());
}

void TestReadingActions::readingsOfOneReadAreKeptEachAtItsTime()
{
    loadAndShow();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("readings.csv"));
    m_actions->startRecording(path);
    // Three readings in one write: one tick reads them all.
    QVERIFY(m_window->pty().send("145.1\r\n145.2\r\n145.3\r\n"));
    const ReadingHistory &history = m_actions->history();
    QTRY_COMPARE(history.size(), 3);
    m_actions->stopRecording();
    QCOMPARE(shown(), QStringLiteral("145.3 MHz"));
    // In the history and in the file, in order; seven characters, 10 bits
    // each at 1200 baud, came after each line end before the next: 58 ms
    // apart, give or take the rounding to milliseconds.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = file.readAll().trimmed().split('\n').sliced(1);
    QCOMPARE(rows.size(), 3);
    for (const qsizetype i : {0, 1, 2}) {
        const QByteArray reading = QByteArray::number(145.1 + 0.1 * double(i), 'f', 1);
        QCOMPARE(history.at(i).mhz, reading.toDouble());
        QVERIFY(rows.at(i).trimmed().endsWith("," + reading));
    }
    for (const qsizetype i : {1, 2}) {
        const qint64 gap = history.at(i).msecs - history.at(i - 1).msecs;
        QVERIFY2(gap >= 57 && gap <= 59, qPrintable(QString::number(gap)));
        const auto time = [&rows](qsizetype row) {
            return RecordingFile::epochMsecs(rows.at(row).split(',').constFirst()).value_or(0);
        };
        const qint64 recorded = time(i) - time(i - 1);
        QVERIFY2(recorded >= 57 && recorded <= 59, qPrintable(QString::number(recorded)));
    }
}

void TestReadingActions::unwritableFileTakesTheErrorPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("cause");

    QTest::newRow("folder does not exist")
            << QStringLiteral("/freqcounter-no-such-folder/readings.csv") << 75
            << QStringLiteral("could not be opened");
    QTest::newRow("disk full") << QStringLiteral("/dev/full") << 61
                               << QStringLiteral("No space left on device");
}

void TestReadingActions::unwritableFileTakesTheErrorPath()
{
    QFETCH(QString, path);
    QFETCH(int, number);
    QFETCH(QString, cause);

    loadAndShow();
    QVERIFY(!m_window->runtime->run([&] { m_actions->startRecording(path); }));
    QCOMPARE(m_window->errors.size(), 1);
    QCOMPARE(m_window->errors.first().number, number);
    QVERIFY2(m_window->errors.first().description.contains(path),
             qPrintable(m_window->errors.first().description));
    QVERIFY2(m_window->errors.first().description.contains(cause),
             qPrintable(m_window->errors.first().description));
    QVERIFY(m_window->runtime->hasFailed());
    QVERIFY(!m_window->form->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
}

void TestReadingActions::failedWriteStopsRecordingAndTheDisplayGoesOn()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("readings.csv"));
    loadAndShow();
    m_actions->startRecording(path);
    sendReadings({QStringLiteral("145.1"), QStringLiteral("145.2")});
    const QByteArray before = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QCOMPARE(before.count('\n'), 3);

    // A file size limit: the next line does not fit.
    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limit = saved;
    limit.rlim_cur = rlim_t(before.size() + 10);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    sendReadings({QStringLiteral("145.3")});
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &saved), 0);

    auto *box = m_window->form->findChild<QMessageBox *>(QStringLiteral("recordingStopped"));
    QVERIFY(box);
    QTRY_VERIFY(box->isVisible());
    const QString why = box->informativeText();
    QVERIFY2(why.contains(path), qPrintable(why));
    QVERIFY2(why.contains(QStringLiteral("File too large")), qPrintable(why));
    QVERIFY2(why.contains(QStringLiteral("The readings recorded before stay in it.")),
             qPrintable(why));
    QVERIFY(m_window->errors.isEmpty());
    QVERIFY(!m_actions->isRecording());
    QCOMPARE(m_window->form->windowTitle(), QStringLiteral("2GHz Frequency counter"));
    box->accept();

    // The display goes on, and the rows written before are intact.
    sendReadings({QStringLiteral("145.4")});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(before));
}

void TestReadingActions::largeDisplayShowsTheReadingFullScreen()
{
    loadAndShow();
    QVERIFY(!m_window->form->findChild<QWidget *>(QStringLiteral("LargeDisplay")));
    QTest::keyClick(m_window->form.get(), Qt::Key_F11);
    auto *large = m_window->form->findChild<QWidget *>(QStringLiteral("LargeDisplay"));
    QVERIFY(large);
    QTRY_VERIFY(large->isVisible());
    QVERIFY(large->windowState() & Qt::WindowFullScreen);
    auto *reading = large->findChild<QLabel *>(QStringLiteral("largeReading"));
    QVERIFY(reading);
    QCOMPARE(reading->text(), kWaiting);

    // Each reading fits the width; one of the same length keeps its size.
    const auto fits = [&] {
        return QFontMetrics(reading->font()).horizontalAdvance(reading->text())
                <= reading->contentsRect().width();
    };
    sendReadings({QStringLiteral("145.1234")});
    QCOMPARE(reading->text(), QStringLiteral("145.1234 MHz"));
    QVERIFY(fits());
    QVERIFY(reading->font().pointSizeF() > 2 * display()->font().pointSizeF());
    const qreal points = reading->font().pointSizeF();
    sendReadings({QStringLiteral("433.9876")});
    QCOMPARE(reading->text(), QStringLiteral("433.9876 MHz"));
    QCOMPARE(reading->font().pointSizeF(), points);
    sendReadings({QStringLiteral("1234567.8901234")});
    QVERIFY(fits());
    QVERIFY(reading->font().pointSizeF() < points);
    // Screen readers read it as they read the main display.
    QCOMPARE(QAccessible::queryAccessibleInterface(reading)->text(QAccessible::Name),
             QStringLiteral("1234567.8901234 MHz"));
    auto *status = large->findChild<QLabel *>(QStringLiteral("largeStatus"));
    QVERIFY2(status->text().startsWith(
                     QStringLiteral("Com1 (%1)").arg(m_window->pty().devicePath())),
             qPrintable(status->text()));

    QTest::keyClick(large, Qt::Key_Escape);
    QVERIFY(!large->isVisible());
    QVERIFY(m_window->form->isVisible());
}

void TestReadingActions::alwaysOnTopKeepsTheWindowShownWhereItWas()
{
    loadAndShow();
    QAction *onTop = nullptr;
    for (QAction *action : m_window->form->actions()) {
        if (action->text() == QStringLiteral("Always on &Top"))
            onTop = action;
    }
    QVERIFY(onTop);
    QVERIFY(onTop->isCheckable());
    // Changing a flag of a shown window hides it: it comes back, where it was.
    const QPoint where = m_window->form->pos();
    for (int times = 0; times < 2; ++times) {
        onTop->trigger();
        QVERIFY(m_window->form->isVisible());
        QCOMPARE(m_window->form->pos(), where);
        QCOMPARE(m_window->form->windowTitle(), QStringLiteral("2GHz Frequency counter"));
    }
}

void TestReadingActions::savedHeaderDescribesTheSavedReadings()
{
    loadAndShow();
    sendReadings({QStringLiteral("145.1"), QStringLiteral("145.1"), QStringLiteral("145.1")});
    QTest::keyClick(m_window->form.get(), Qt::Key_H, Qt::ControlModifier);
    auto *history = m_window->form->findChild<HistoryWindow *>(QStringLiteral("History"));
    QVERIFY(history);
    // Two more in one read, saved before the window's next refresh.
    QVERIFY(m_window->pty().send("146.1\r\n146.1\r\n"));
    QTRY_COMPARE(m_actions->history().size(), 5);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("analysis.txt"));
    QVERIFY(history->saveForAnalysis(path));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    double headerMean = 0;
    double sum = 0;
    int values = 0;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("# mean frequency: ")) {
            headerMean = line.mid(18).chopped(3).toDouble();
        } else if (!line.isEmpty() && !line.startsWith('#') && line != "0") {
            // A line of 0 is an empty slot of the interval, not a reading.
            sum += line.toDouble();
            ++values;
        }
    }
    QCOMPARE(values, 5);
    QVERIFY2(std::abs(headerMean - sum / values) < 0.01,
             qPrintable(QStringLiteral("%1 Hz in the header, %2 Hz saved")
                                .arg(headerMean, 0, 'f', 3)
                                .arg(sum / values, 0, 'f', 3)));
}

void TestReadingActions::windowsEndWithTheActionsThatMadeThem()
{
    loadAndShow();
    QTest::keyClick(m_window->form.get(), Qt::Key_H, Qt::ControlModifier);
    QTest::keyClick(m_window->form.get(), Qt::Key_F11);
    const QPointer history = m_window->form->findChild<QWidget *>(QStringLiteral("History"));
    const QPointer large = m_window->form->findChild<QWidget *>(QStringLiteral("LargeDisplay"));
    QVERIFY(history && large);

    // They read the actions' history: none outlives it.
    delete m_actions;
    m_actions = nullptr;
    QVERIFY(history.isNull());
    QVERIFY(large.isNull());
}

void TestReadingActions::steadyStreamStillRefreshesTheHistory()
{
    loadAndShow();
    QTest::keyClick(m_window->form.get(), Qt::Key_H, Qt::ControlModifier);
    auto *count = m_window->form->findChild<QLabel *>(QStringLiteral("count"));
    QVERIFY(count);
    // A reading every tick, faster than the window refreshes: it must not
    // wait for the stream to pause.
    QStringList readings;
    for (int i = 0; i < 12; ++i)
        readings.append(QStringLiteral("145.%1").arg(i + 10));
    sendReadings(readings);
    QVERIFY2(count->text().toInt() >= 4, qPrintable(count->text()));
}

void TestReadingActions::largeDisplayOpenedAfterReadingsFillsTheScreen()
{
    loadAndShow();
    sendReadings({QStringLiteral("145.1234")});
    QTest::keyClick(m_window->form.get(), Qt::Key_F11);
    auto *large = m_window->form->findChild<QWidget *>(QStringLiteral("LargeDisplay"));
    QVERIFY(large);
    QTRY_VERIFY(large->isVisible());
    auto *reading = large->findChild<QLabel *>(QStringLiteral("largeReading"));
    QCOMPARE(reading->text(), QStringLiteral("145.1234 MHz"));
    // Fitted to the screen, not to the size it had before it was shown.
    QTRY_VERIFY(reading->font().pointSizeF() > 2 * display()->font().pointSizeF());
    QVERIFY(QFontMetrics(reading->font()).horizontalAdvance(reading->text())
            <= reading->contentsRect().width());
}

void TestReadingActions::recordingToAPipeKeepsGoing()
{
    // A named pipe, as --record /dev/stdout into a pipe is: nothing to
    // synchronise to a disk, no last line to check.
    loadAndShow();
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("readings.fifo"));
    QCOMPARE(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    QProcess reader;
    reader.setStandardOutputFile(dir.filePath(QStringLiteral("received.csv")));
    reader.start(QStringLiteral("cat"), {fifo});
    QVERIFY(reader.waitForStarted());
    m_actions->startRecording(fifo);
    sendReadings({QStringLiteral("145.1"), QStringLiteral("145.2"), QStringLiteral("145.3")});
    QVERIFY(m_actions->isRecording());
    m_actions->stopRecording();
    QVERIFY(reader.waitForFinished(5000));

    QFile received(dir.filePath(QStringLiteral("received.csv")));
    QVERIFY(received.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = received.readAll().split('\n');
    QCOMPARE(lines.size(), 5); // the header, three readings, and after the last line end
    QVERIFY(lines.at(0).startsWith("time,port,device,reading"));
    QVERIFY2(lines.at(3).endsWith(",145.3\r"), lines.at(3).constData());
}

void TestReadingActions::offsetFollowsTheReadings()
{
    loadAndShow();
    m_actions->setComparison({145e6, Nominal::Tolerance{10, Nominal::Tolerance::Unit::Ppm}, false},
                             false);
    const QPalette before = display()->palette();
    QTest::keyClick(m_window->form.get(), Qt::Key_F11);
    auto *large = m_window->form->findChild<LargeDisplay *>(QStringLiteral("LargeDisplay"));
    QVERIFY(large);
    auto *line = large->findChild<QLabel *>(QStringLiteral("largeOffset"));
    QVERIFY(line);
    auto *reading = large->findChild<QLabel *>(QStringLiteral("largeReading"));
    QVERIFY(reading);
    QTRY_VERIFY(large->isVisible());
    // Outside the band, the reading and its line take the warning colour.
    const auto colours = [&] {
        return std::pair(reading->palette().color(QPalette::WindowText),
                         line->palette().color(QPalette::WindowText));
    };
    const QColor usual = colourOf(WindowDefinition::kDisplayText);
    const QColor warning = colourOf(WindowDefinition::kWarningText);

    sendReadings({QStringLiteral("145.0010")});
    QCOMPARE(line->text(), QStringLiteral("+1000 Hz   +6.9 ppm"));
    QCOMPARE(colours(), std::pair(usual, usual));
    QCOMPARE(display()->accessibleDescription(),
             QStringLiteral("Offset from 145 MHz: +1000 Hz +6.9 ppm, within \u00B110 ppm"));
    sendReadings({QStringLiteral("145.0100")});
    QCOMPARE(line->text(), QStringLiteral("+10000 Hz   +69.0 ppm   outside \u00B110 ppm"));
    QCOMPARE(colours(), std::pair(warning, warning));
    // Its longer line keeps it full screen.
    QVERIFY(large->windowState() & Qt::WindowFullScreen);
    QCOMPARE(display()->toolTip(),
             QStringLiteral("Offset from 145 MHz: +10000 Hz +69.0 ppm, outside \u00B110 ppm"));
    sendReadings({QStringLiteral("144.9995")});
    QCOMPARE(colours(), std::pair(usual, usual));
    QCOMPARE(line->text(), QStringLiteral("-500 Hz   -3.4 ppm"));

    // The main display itself keeps its definition.
    QCOMPARE(shown(), QStringLiteral("144.9995 MHz"));
    QCOMPARE(display()->palette().color(QPalette::WindowText), before.color(QPalette::WindowText));
    QCOMPARE(display()->palette().color(QPalette::Window), before.color(QPalette::Window));

    // F11 inside it: an ordinary window, then full screen again.
    QTRY_VERIFY(large->isActiveWindow());
    QTest::keyClick(large, Qt::Key_F11);
    QTRY_VERIFY(!(large->windowState() & Qt::WindowFullScreen));
    QVERIFY(large->isVisible());
    QTest::keyClick(large, Qt::Key_F11);
    QTRY_VERIFY(large->windowState() & Qt::WindowFullScreen);
}

// Reconnect When Lost chosen from the menu is kept for the next start;
// given for one run (--reconnect), it is not.
void TestReadingActions::reconnectIsKeptFromTheMenuAlone()
{
    auto *action = m_window->form->findChild<QAction *>(QStringLiteral("reconnect"));
    QVERIFY(action && !action->isChecked());
    const auto nextStart
            = [this] { return ReadingActions(*m_window->form, *m_window->runtime).reconnects(); };
    m_actions->setReconnect(true, false);
    QVERIFY(action->isChecked());
    QVERIFY(!nextStart());
    action->trigger();
    QVERIFY(!action->isChecked());
    action->trigger();
    QVERIFY(nextStart());
    action->trigger();
    QVERIFY(!nextStart());
}

void TestReadingActions::silentCounterIsSaidUntilItAnswers()
{
    loadAndShow();
    m_actions->setComparison({145e6, Nominal::Tolerance{10, Nominal::Tolerance::Unit::Ppm}, false},
                             false);
    sendReadings({QStringLiteral("145.0010")});
    QTest::keyClick(m_window->form.get(), Qt::Key_F11);
    auto *large = m_window->form->findChild<LargeDisplay *>(QStringLiteral("LargeDisplay"));
    QVERIFY(large);
    auto *status = large->findChild<QLabel *>(QStringLiteral("largeStatus"));
    QVERIFY(status);

    m_actions->setCounterSilent(true);
    QCOMPARE(display()->accessibleDescription(),
             QStringLiteral("The counter is silent: no answer to the last 10 queries. Offset "
                            "from 145 MHz: +1000 Hz +6.9 ppm, within \u00B110 ppm"));
    QVERIFY2(status->text().contains(QStringLiteral("counter silent")), qPrintable(status->text()));
    m_actions->setCounterSilent(false);
    QCOMPARE(display()->accessibleDescription(),
             QStringLiteral("Offset from 145 MHz: +1000 Hz +6.9 ppm, within \u00B110 ppm"));
    QVERIFY(!status->text().contains(QStringLiteral("silent")));
}

void TestReadingActions::nominalFromThisReading()
{
    loadAndShow();
    auto *fromReading = m_actions->findChild<QAction *>(QStringLiteral("nominalFromReading"));
    QVERIFY(fromReading);
    QVERIFY(!fromReading->isEnabled());
    sendReadings({QStringLiteral("10.0000123")});
    QVERIFY(fromReading->isEnabled());
    fromReading->trigger();
    QCOMPARE(m_actions->comparison().nominalHz, std::optional<double>(10'000'012.3));
    sendReadings({QStringLiteral("10.0000150")});
    QCOMPARE(m_actions->offsetLine(), QStringLiteral("+2.7 Hz   +270 ppb"));
    // Kept for the next start.
    QCOMPARE(Comparison::kept().nominalHz, std::optional<double>(10'000'012.3));

    // The history's row follows a nominal set while it is open, and its clearing.
    QTest::keyClick(m_window->form.get(), Qt::Key_H, Qt::ControlModifier);
    auto *history = m_window->form->findChild<QWidget *>(QStringLiteral("History"));
    QVERIFY(history);
    auto *row = history->findChild<QLabel *>(QStringLiteral("offsetFromNominal"));
    QVERIFY(row);
    QVERIFY2(row->text().endsWith(QStringLiteral("(mean against 10.0000123 MHz)")),
             qPrintable(row->text()));
    m_actions->setComparison({10e6, std::nullopt, false}, false);
    QVERIFY2(row->text().endsWith(QStringLiteral("(mean against 10 MHz)")),
             qPrintable(row->text()));
    m_actions->setComparison({}, false);
    QCOMPARE(row->text(), QStringLiteral("no nominal set"));
}

void TestReadingActions::dialogRefusesWhatIsNoFrequency_data()
{
    QTest::addColumn<QString>("nominal");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("a frequency and no tolerance") << QStringLiteral("10 MHz") << QString() << true;
    QTest::newRow("MHz without a unit, ppb")
            << QStringLiteral("10") << QStringLiteral("50ppb") << true;
    QTest::newRow("a word") << QStringLiteral("ten") << QString() << false;
    QTest::newRow("zero") << QStringLiteral("0 Hz") << QString() << false;
    QTest::newRow("a tolerance in per cent")
            << QStringLiteral("10 MHz") << QStringLiteral("1%") << false;
}

void TestReadingActions::dialogRefusesWhatIsNoFrequency()
{
    QFETCH(QString, nominal);
    QFETCH(QString, tolerance);
    QFETCH(bool, accepted);
    NominalDialog dialog({});
    dialog.findChild<QLineEdit *>(QStringLiteral("nominal"))->setText(nominal);
    dialog.findChild<QLineEdit *>(QStringLiteral("tolerance"))->setText(tolerance);
    auto *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    QCOMPARE(ok->isEnabled(), accepted);
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("problem"))->text().isEmpty(), accepted);
    if (accepted)
        QVERIFY(dialog.comparison().nominalHz);
}

void TestReadingActions::counterMathIsSaidWhereverTheReadingIs()
{
    loadAndShow();
    const QString title = QStringLiteral("2GHz Frequency counter");
    const QString name = QStringLiteral("LO \u2212 10.7 MHz");
    m_actions->setComparison({7.1e6, Nominal::Tolerance{10, Nominal::Tolerance::Unit::Ppm}, false},
                             false);
    sendReadings({QStringLiteral("17.800000")});
    QCOMPARE(m_window->form->windowTitle(), title);
    // Turned on, it shows the newest reading as the frequency meant at once.
    m_actions->setCounterMath(*CounterMath::make(QStringLiteral("1"), QStringLiteral("-10.7MHz")),
                              false);
    QCOMPARE(shown(), QStringLiteral("7.100000 MHz"));
    QCOMPARE(m_window->form->windowTitle(), title + QStringLiteral(" \u2014 ") + name);

    QVERIFY(m_window->pty().send("17.800010\r\n"));
    QTRY_COMPARE(shown(), QStringLiteral("7.100010 MHz"));
    const QString description = QStringLiteral(
            "The counter reads 17.800010 MHz; shown is LO \u2212 10.7 MHz. Offset from 7.1 MHz: "
            "+10 Hz +1.4 ppm, within \u00B110 ppm");
    QCOMPARE(display()->accessibleDescription(), description);
    QCOMPARE(display()->toolTip(), description);
    QTest::keyClick(m_window->form.get(), Qt::Key_F11);
    auto *large = m_window->form->findChild<LargeDisplay *>(QStringLiteral("LargeDisplay"));
    QVERIFY(large);
    QCOMPARE(large->findChild<QLabel *>(QStringLiteral("largeReading"))->text(), shown());
    const QString status = large->findChild<QLabel *>(QStringLiteral("largeStatus"))->text();
    QVERIFY2(status.contains(name), qPrintable(status));
    QTest::keyClick(large, Qt::Key_Escape);
    m_actions->showHistory();
    auto *history = m_window->form->findChild<QWidget *>(QStringLiteral("History"));
    const QString whose = history->findChild<QLabel *>(QStringLiteral("instrument"))->text();
    QVERIFY2(whose.endsWith(QStringLiteral("; counter math ") + name), qPrintable(whose));
    QCOMPARE(m_actions->history().at(m_actions->history().size() - 1).mhz, 7.10001);

    // Cleared from the menu: the counter's own reading, and nothing said of math.
    auto *clear = m_actions->findChild<QAction *>(QStringLiteral("clearCounterMath"));
    QVERIFY(clear && clear->isEnabled());
    clear->trigger();
    QCOMPARE(shown(), QStringLiteral("17.800010 MHz"));
    QCOMPARE(m_window->form->windowTitle(), title);
    QVERIFY(!clear->isEnabled());
    QVERIFY(!display()->accessibleDescription().contains(QStringLiteral("counter reads")));
    QVERIFY(!CounterMath::kept().isOn());
}

void TestReadingActions::mathDialogChecksAsTyped_data()
{
    QTest::addColumn<QString>("factor");
    QTest::addColumn<QString>("offset");
    QTest::addColumn<int>("pick"); // the common case picked after typing; -1 for none
    QTest::addColumn<QString>("result"); // empty when refused

    QTest::newRow("LO - IF") << QStringLiteral("1") << QStringLiteral("-10.7 MHz") << -1
                             << QStringLiteral("The newest reading, 17.800000 MHz, shows as "
                                               "7.100000 MHz.");
    QTest::newRow("IF - LO picked keeps the IF typed")
            << QStringLiteral("1") << QStringLiteral("+455 kHz") << 2
            << QStringLiteral("The newest reading, 17.800000 MHz, shows as -17.345000 MHz.");
    QTest::newRow("prescaler picked")
            << QStringLiteral("1") << QStringLiteral("-10.7 MHz") << 3
            << QStringLiteral("The newest reading, 17.800000 MHz, shows as 178.00000 MHz.");
    QTest::newRow("empty fields are no math")
            << QString() << QString() << -1
            << QStringLiteral("The newest reading, 17.800000 MHz, shows as 17.800000 MHz.");
    QTest::newRow("refused: factor 0")
            << QStringLiteral("0") << QStringLiteral("0 Hz") << -1 << QString();
    QTest::newRow("refused: an offset with no unit")
            << QStringLiteral("1") << QStringLiteral("-10.7") << -1 << QString();
}

void TestReadingActions::mathDialogChecksAsTyped()
{
    QFETCH(QString, factor);
    QFETCH(QString, offset);
    QFETCH(int, pick);
    QFETCH(QString, result);
    CounterMathDialog dialog({}, QStringLiteral("17.800000"));
    dialog.findChild<QLineEdit *>(QStringLiteral("factor"))->setText(factor);
    dialog.findChild<QLineEdit *>(QStringLiteral("offset"))->setText(offset);
    if (pick >= 0)
        Q_EMIT dialog.findChild<QComboBox *>(QStringLiteral("case"))->activated(pick);
    auto *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    QCOMPARE(ok->isEnabled(), !result.isEmpty());
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("problem"))->text().isEmpty(),
             !result.isEmpty());
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("result"))->text(), result);
}

void TestReadingActions::aboutNamesTheVersionAndTheLicence()
{
    auto *about = m_actions->findChild<QAction *>(QStringLiteral("about"));
    QVERIFY(about);
    QString said;
    QTimer::singleShot(0, this, [&said] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            said = box->text();
            box->accept();
        }
    });
    about->trigger();
    QVERIFY(said.contains(QStringLiteral("freqcounter " FREQCOUNTER_VERSION)));
    QVERIFY(said.contains(QStringLiteral("GPL-3.0-or-later")));
    QVERIFY(said.contains(QString::fromLatin1(qVersion())));
}

QTEST_MAIN(TestReadingActions)
#include "tst_readingactions.moc"
