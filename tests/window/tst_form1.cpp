// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "portsettings.h"
#include "windowonptys.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <termios.h>

using namespace freqcounter;
using freqcounter::test::kWaiting;
using freqcounter::test::PtyPair;
using freqcounter::test::TickRecorder;
using freqcounter::test::WindowOnPtys;

namespace {

// Columns, left to right, that hold pixels of the display's text colour
// inside the field's frame: {first, last}, or {-1, -1} for none.
std::pair<int, int> litColumns(QLabel *label)
{
    const QImage image = label->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const QRect inside = label->contentsRect();
    int first = -1;
    int last = -1;
    for (int x = inside.left(); x <= inside.right(); ++x) {
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            const QColor pixel = image.pixelColor(QPoint(int(x * ratio), int(y * ratio)));
            if (pixel.green() > 128) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void timerRunsFromLoad();

    void readingShownPromptly_data();
    void readingShownPromptly();
    void fragmentsAreNeverShown();
    void silentTicksKeepTheLastReading();
    void startUpDiscardsWhatWaited();
    void tailAfterOpeningIsDropped();
    void newestOfABurstIsShown();
    void markupIsDrawnLiterally_data();
    void markupIsDrawnLiterally();
    void wideReadingsShrinkToFit_data();
    void wideReadingsShrinkToFit();
    void accessibleToScreenReaders();
    void lineSettingsReopenThePortAndAreKept();
    void networkAddressChosenInLineSettingsIsKept();
    void refusedAddressChosenInLineSettingsIsNeverKept();
    void askedCounterIsAskedOnceItsLastAnswerIsIn();
    void askedCounterSilentAfterTenUnansweredQueries();

    void startUpFailureReportsOnceAndNeverShows_data();
    void startUpFailureReportsOnceAndNeverShows();
    void lossWhileRunningReportsOnce();
    void lossIsWaitedOutWhenAsked();

private:
    template<typename T>
    T *item(const char *name)
    {
        return test::item<T>(m_window->form.get(), name);
    }
    void startRecordingTicks();
    QStringList nextTicks(int n) { return m_ticks->next(n); }
    void loadAndSettle();
    // Types a device into Line Settings and takes it; whether the dialog
    // refused an address without its port on the way.
    bool chooseDeviceInLineSettings(const QString &device);

    std::unique_ptr<WindowOnPtys> m_window;
    std::unique_ptr<TickRecorder> m_ticks;
};

void TestForm1::init()
{
    m_window = std::make_unique<WindowOnPtys>();
    QVERIFY(m_window->isValid());
}

void TestForm1::cleanup()
{
    m_ticks.reset();
    m_window.reset();
}

void TestForm1::startRecordingTicks()
{
    m_ticks = std::make_unique<TickRecorder>(m_window->form.get());
}

void TestForm1::loadAndSettle()
{
    startRecordingTicks();
    QVERIFY(m_window->loadAndSettle(*m_ticks));
}

void TestForm1::timerRunsFromLoad()
{
    auto *timer = item<QTimer>("Timer1");
    QVERIFY(timer);
    QVERIFY(!timer->isActive());
    QVERIFY(m_window->form->load());
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 100);
}

void TestForm1::readingShownPromptly_data()
{
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("withinTicks");

    // Ended by a line end: at the first tick after it arrived.
    QTest::newRow("CRLF") << QByteArray("145.2371\r\n") << QStringLiteral("145.2371 MHz") << 1;
    QTest::newRow("CR") << QByteArray("145.2371\r") << QStringLiteral("145.2371 MHz") << 1;
    QTest::newRow("LF") << QByteArray("0.0001\n") << QStringLiteral("0.0001 MHz") << 1;
    // Ended by silence: at the next tick that finds nothing waiting.
    QTest::newRow("no line end") << QByteArray("433.9200") << QStringLiteral("433.9200 MHz") << 2;
}

void TestForm1::readingShownPromptly()
{
    QFETCH(QByteArray, sent);
    QFETCH(QString, shown);
    QFETCH(int, withinTicks);

    loadAndSettle();
    QVERIFY(m_window->pty().send(sent));
    const QStringList ticks = nextTicks(withinTicks);
    QCOMPARE(ticks.last(), shown);
    for (qsizetype i = 0; i + 1 < ticks.size(); ++i)
        QCOMPARE(ticks.at(i), kWaiting);
}

void TestForm1::fragmentsAreNeverShown()
{
    loadAndSettle();
    QVERIFY(m_window->pty().send("1234."));
    QCOMPARE(nextTicks(1), QStringList{kWaiting});
    QVERIFY(m_window->pty().send("56"));
    QCOMPARE(nextTicks(1), QStringList{kWaiting});
    QVERIFY(m_window->pty().send("78\r\n"));
    QCOMPARE(nextTicks(1), QStringList{QStringLiteral("1234.5678 MHz")});
}

void TestForm1::silentTicksKeepTheLastReading()
{
    loadAndSettle();
    QVERIFY(m_window->pty().send("145.2\r\n"));
    const QString shown = QStringLiteral("145.2 MHz");
    QCOMPARE(nextTicks(1), QStringList{shown});
    QCOMPARE(nextTicks(5), QStringList(5, shown));
}

void TestForm1::startUpDiscardsWhatWaited()
{
    QVERIFY(m_window->pty().send("999.9999\r\n888.8888\r\n77"));
    startRecordingTicks();
    QVERIFY(m_window->form->load());
    QCOMPARE(nextTicks(3), QStringList(3, kWaiting));
    QVERIFY(m_window->pty().send("145.2\r\n"));
    QCOMPARE(nextTicks(1), QStringList{QStringLiteral("145.2 MHz")});
}

void TestForm1::tailAfterOpeningIsDropped()
{
    startRecordingTicks();
    QVERIFY(m_window->form->load());
    // The port opened halfway through a reading; its tail arrives before
    // the first tick.
    QVERIFY(m_window->pty().send(".5678\r\n"));
    QCOMPARE(nextTicks(2), QStringList(2, kWaiting));
    QVERIFY(m_window->pty().send("145.2\r\n"));
    QCOMPARE(nextTicks(1), QStringList{QStringLiteral("145.2 MHz")});
}

void TestForm1::newestOfABurstIsShown()
{
    loadAndSettle();
    QVERIFY(m_window->pty().send("1.1\r\n2.2\r\n3.3\r\n"));
    QCOMPARE(nextTicks(1), QStringList{QStringLiteral("3.3 MHz")});
}

void TestForm1::markupIsDrawnLiterally_data()
{
    QTest::addColumn<QByteArray>("sent");

    QTest::newRow("bold tags") << QByteArray("<b>1</b>\r\n");
    QTest::newRow("image tag") << QByteArray("<img src=\"x.png\">1\r\n");
    QTest::newRow("entity") << QByteArray("&lt;1&gt;\r\n");
}

void TestForm1::markupIsDrawnLiterally()
{
    QFETCH(QByteArray, sent);

    loadAndSettle();
    QVERIFY(m_window->pty().send(sent));
    const QString expected = QString::fromLatin1(sent.trimmed()) + QStringLiteral(" MHz");
    QCOMPARE(nextTicks(1), QStringList{expected});

    // Drawn as plain text, the markup itself takes up room on the display.
    auto *label = item<QLabel>("Label1");
    const auto [first, last] = litColumns(label);
    QVERIFY(first >= 0);
    const int painted = last - first + 1;
    const int literal = QFontMetrics(label->font(), label).horizontalAdvance(expected);
    QVERIFY2(painted >= literal * 8 / 10,
             qPrintable(QStringLiteral("painted %1 px of %2").arg(painted).arg(literal)));
}

void TestForm1::wideReadingsShrinkToFit_data()
{
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<bool>("shrinks");

    QTest::newRow("a short reading fits at full size") << QByteArray("145.2\r\n") << false;
    QTest::newRow("a VHF reading with four decimals") << QByteArray("145.2371\r\n") << true;
    QTest::newRow("a GHz reading with four decimals") << QByteArray("1234.5678\r\n") << true;
    QTest::newRow("twenty digits") << QByteArray("12345678901234567890\r\n") << true;
}

void TestForm1::wideReadingsShrinkToFit()
{
    QFETCH(QByteArray, sent);
    QFETCH(bool, shrinks);

    loadAndSettle();
    QVERIFY(m_window->pty().send(sent));
    nextTicks(1);
    auto *label = item<QLabel>("Label1");
    QCOMPARE(label->text(), QString::fromLatin1(sent.trimmed()) + QStringLiteral(" MHz"));
    QCOMPARE(label->font().pointSizeF() < 27.75, shrinks);

    // Nothing is cut off at either end of the field.
    const auto [first, last] = litColumns(label);
    QVERIFY(first > label->contentsRect().left());
    QVERIFY(last < label->contentsRect().right());

    // The next reading that fits is drawn at full size again.
    QVERIFY(m_window->pty().send("7.5\r\n"));
    nextTicks(1);
    QCOMPARE(label->font().pointSizeF(), 27.75);
}

void TestForm1::accessibleToScreenReaders()
{
    // Com1 is named; Com2 is whatever is found second, nothing at first.
    auto found = std::make_shared<QList<PortDescription>>(
            QList{PortDescription{.device = m_window->pty().devicePath(),
                                  .description = QStringLiteral("FT232R USB UART"),
                                  .manufacturer = QStringLiteral("FTDI"),
                                  .serialNumber = QStringLiteral("A50285BI"),
                                  .usb = true}});
    m_window->form
            = std::make_unique<Form1>(*m_window->runtime, PortDevices([found] { return *found; }));
    auto *label = item<QLabel>("Label1");
    loadAndSettle();
    QVERIFY(m_window->pty().send("145.2\r\n"));
    nextTicks(1);

    QAccessibleInterface *display = QAccessible::queryAccessibleInterface(label);
    QVERIFY(display);
    QCOMPARE(display->text(QAccessible::Name), QStringLiteral("145.2 MHz"));

    for (const char *name : {"Option1", "Option2"}) {
        auto *option = item<QRadioButton>(name);
        QAccessibleInterface *button = QAccessible::queryAccessibleInterface(option);
        QVERIFY(button);
        QCOMPARE(button->role(), QAccessible::RadioButton);
        QCOMPARE(button->text(QAccessible::Name), option->text());
        QCOMPARE(bool(button->state().checked), option->isChecked());
    }

    // From the start, a button whose device is named says so, with nothing
    // looked up; one whose device is not is looked up when a user asks.
    const auto description = [this](const char *name) {
        return QAccessible::queryAccessibleInterface(item<QRadioButton>(name))
                ->text(QAccessible::Description);
    };
    QCOMPARE(description("Option1"), m_window->pty().devicePath());
    QCOMPARE(description("Option2"), QString());
    const auto hover = [this, &description](const char *name) {
        auto *option = item<QRadioButton>(name);
        QHelpEvent hovering(QEvent::ToolTip, QPoint(2, 2), option->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(option, &hovering);
        return description(name);
    };
    QCOMPARE(hover("Option2"), QStringLiteral("No serial port found"));
    QCOMPARE(description("Option1"),
             m_window->pty().devicePath() + QStringLiteral(": FT232R USB UART (FTDI)"));
    found->append(PortDescription{.device = QStringLiteral("/dev/ttyACM0"), .usb = true});
    QCOMPARE(hover("Option2"), QStringLiteral("/dev/ttyACM0"));
    // Reached with the keyboard, as a screen reader's user reaches it.
    found->clear();
    item<QRadioButton>("Option2")->clearFocus();
    item<QRadioButton>("Option2")->setFocus(Qt::TabFocusReason);
    QCOMPARE(description("Option2"), QStringLiteral("/dev/ttyACM0"));
}

void TestForm1::lineSettingsReopenThePortAndAreKept()
{
    loadAndSettle();
    bool refusedNoNumber = false;
    QTimer::singleShot(0, this, [&refusedNoNumber] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QPushButton *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        auto *baud = dialog->findChild<QComboBox *>(QStringLiteral("baud"));
        QCOMPARE(baud->currentText(), QStringLiteral("1200"));
        baud->setCurrentText(QStringLiteral("96OO"));
        refusedNoNumber = !ok->isEnabled();
        baud->setCurrentText(QStringLiteral("9600"));
        auto *flow = dialog->findChild<QComboBox *>(QStringLiteral("flowControl"));
        flow->setCurrentIndex(flow->findText(QStringLiteral("RTS/CTS")));
        ok->click();
    });
    m_window->form->chooseLineSettings();
    QVERIFY(refusedNoNumber);

    termios applied{};
    QCOMPARE(::tcgetattr(m_window->pty().deviceFd(), &applied), 0);
    QCOMPARE(::cfgetospeed(&applied), speed_t(B9600));
    QCOMPARE(applied.c_cflag & CRTSCTS, tcflag_t(CRTSCTS));
    QCOMPARE(PortSettings::keptFor(m_window->pty().devicePath()).line,
             LineSettings::parse(u"9600/8n1/rtscts"));
    QVERIFY(m_window->errors.isEmpty());
    // The reopened line reads on, from the first line end on.
    QVERIFY(m_window->pty().send("45.2371\r\n145.2371\r\n"));
    QCOMPARE(nextTicks(1), QStringList{QStringLiteral("145.2371 MHz")});
}

bool TestForm1::chooseDeviceInLineSettings(const QString &device)
{
    bool refusedNoAddress = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QPushButton *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        auto *field = dialog->findChild<QComboBox *>(QStringLiteral("device"));
        QCOMPARE(field->currentText(), m_window->pty().devicePath());
        field->setCurrentText(QStringLiteral("tcp://127.0.0.1"));
        refusedNoAddress = !ok->isEnabled();
        field->setCurrentText(device);
        ok->click();
    });
    m_window->form->chooseLineSettings();
    return refusedNoAddress;
}

void TestForm1::networkAddressChosenInLineSettingsIsKept()
{
    QTcpServer counter;
    QVERIFY(counter.listen(QHostAddress::LocalHost));
    const QString address = QStringLiteral("tcp://127.0.0.1:%1").arg(counter.serverPort());
    loadAndSettle();
    QVERIFY(chooseDeviceInLineSettings(address));
    QVERIFY(counter.waitForNewConnection(5000));
    QTcpSocket *connected = counter.nextPendingConnection();
    QTRY_COMPARE(PortDevices::kept(1), address);
    // The counter on the network is read as the serial one was.
    connected->write("145.2371\r\n433.9200\r\n");
    QVERIFY(connected->waitForBytesWritten(1000));
    QTRY_COMPARE(item<QLabel>("Label1")->text(), QStringLiteral("433.9200 MHz"));
    QVERIFY(m_window->errors.isEmpty());
}

void TestForm1::refusedAddressChosenInLineSettingsIsNeverKept()
{
    QTcpServer gone;
    QVERIFY(gone.listen(QHostAddress::LocalHost));
    const QString address = QStringLiteral("tcp://127.0.0.1:%1").arg(gone.serverPort());
    gone.close();
    PortDevices::keep(1, QString());
    loadAndSettle();
    QVERIFY(chooseDeviceInLineSettings(address));
    // Kept once the connection is made: this one never is.
    QTRY_COMPARE(m_window->errors.size(), 1);
    QCOMPARE(m_window->errors.first().number, 8001);
    QCOMPARE(PortDevices::kept(1), QString());
}

namespace {

// A bench counter on the pseudo-terminal: set up and asked, answering in Hz.
void keepAskedCounter(const QString &device, std::chrono::milliseconds answerTime)
{
    PortSettings asked;
    asked.counter = {QStringLiteral("*RST;:CONF:FREQ"), QStringLiteral("READ?"), CounterUnit::Hz,
                     answerTime};
    asked.keepFor(device);
}

} // namespace

void TestForm1::askedCounterIsAskedOnceItsLastAnswerIsIn()
{
    keepAskedCounter(m_window->pty().devicePath(), std::chrono::milliseconds(500));
    QSignalSpy readings(m_window->form.get(), &Form1::readingReceived);
    loadAndSettle();
    PtyPair &counter = m_window->pty();
    QByteArray heard = counter.received(1000);
    QTRY_VERIFY((heard += counter.received()).size() >= 22);
    QCOMPARE(heard, QByteArray("*RST;:CONF:FREQ\nREAD?\n"));
    // Not asked again while the answer is awaited.
    nextTicks(2);
    QCOMPARE(counter.received(), QByteArray());

    // An answer in Hz shows in MHz with exactly its digits, and the next
    // question follows it.
    QVERIFY(counter.send("+1.00000000012345E+07\r\n"));
    QCOMPARE(nextTicks(1), QStringList{QStringLiteral("10.0000000012345 MHz")});
    QCOMPARE(counter.received(1000), QByteArray("READ?\n"));
    QCOMPARE(readings.size(), 1);
    const auto reading = readings.at(0).at(0).value<ReceivedReading>();
    QCOMPARE(reading.text, QStringLiteral("10.0000000012345"));
    QCOMPARE(reading.asSent(), QStringLiteral("+1.00000000012345E+07 Hz"));

    // An error answer and an overflow mark are no readings: gaps.
    QVERIFY(counter.send("-113,\"Undefined header\"\r\n"));
    QCOMPARE(nextTicks(1), QStringList{QStringLiteral("10.0000000012345 MHz")});
    QCOMPARE(counter.received(1000), QByteArray("READ?\n"));
    QVERIFY(counter.send("9.91E37\r\n"));
    QCOMPARE(nextTicks(1), QStringList{QStringLiteral("10.0000000012345 MHz")});
    QCOMPARE(readings.size(), 1);

    // A dropped answer: asked again once its time has passed, not before.
    QElapsedTimer awaited;
    awaited.start();
    QCOMPARE(counter.received(1000), QByteArray("READ?\n"));
    QByteArray again;
    QTRY_VERIFY_WITH_TIMEOUT(!(again += counter.received()).isEmpty(), 2000);
    QCOMPARE(again, QByteArray("READ?\n"));
    QVERIFY2(awaited.elapsed() >= 400, qPrintable(QString::number(awaited.elapsed())));
    QVERIFY(m_window->errors.isEmpty());
}

void TestForm1::askedCounterSilentAfterTenUnansweredQueries()
{
    keepAskedCounter(m_window->pty().devicePath(), std::chrono::milliseconds(100));
    QSignalSpy silence(m_window->form.get(), &Form1::counterSilenceChanged);
    loadAndSettle();
    // The first question, and nine more that time out, are not yet silence.
    QTRY_COMPARE_WITH_TIMEOUT(silence.size(), 1, 5000);
    QCOMPARE(silence.at(0).at(0).toBool(), true);
    // Eleven questions: the first, and ten asked again; one more may be out.
    const qsizetype asked = m_window->pty().received().count("READ?\n");
    QVERIFY2(asked == 11 || asked == 12, qPrintable(QString::number(asked)));
    QVERIFY(m_window->pty().send("+1.45000000000000E+08\r\n"));
    QTRY_COMPARE(silence.size(), 2);
    QCOMPARE(silence.at(1).at(0).toBool(), false);
    QCOMPARE(item<QLabel>("Label1")->text(), QStringLiteral("145.000000000000 MHz"));
}

void TestForm1::startUpFailureReportsOnceAndNeverShows_data()
{
    QTest::addColumn<QByteArray>("device");
    QTest::addColumn<int>("number");

    QTest::newRow("port does not exist") << QByteArray("/dev/freqcounter-no-such-port") << 8001;
    QTest::newRow("not a serial line") << QByteArray("/dev/null") << 8015;
}

void TestForm1::startUpFailureReportsOnceAndNeverShows()
{
    QFETCH(QByteArray, device);
    QFETCH(int, number);

    qputenv("FREQCOUNTER_COM1", device);
    QVERIFY(!m_window->form->load());
    QCOMPARE(m_window->errors.size(), 1);
    QCOMPARE(m_window->errors.first().number, number);
    QVERIFY(m_window->errors.first().description.contains(QString::fromLatin1(device)));
    QVERIFY(!m_window->form->isVisible());
    QVERIFY(!item<QTimer>("Timer1")->isActive());
    QVERIFY(m_window->runtime->hasFailed());
}

void TestForm1::lossIsWaitedOutWhenAsked()
{
    // The counter at a path of its own, which a new pseudo-terminal takes.
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("counter"));
    QVERIFY(QFile::link(m_window->pty().devicePath(), link));
    qputenv("FREQCOUNTER_COM1", QFile::encodeName(link));
    m_window->form->setReconnect(true);
    loadAndSettle();
    QSignalSpy waiting(m_window->form.get(), &Form1::lineWaiting);
    QVERIFY(waiting.isValid());
    auto *label = item<QLabel>("Label1");
    QVERIFY(m_window->pty().send("145.000001\r\n"));
    QTRY_COMPARE(label->text(), QStringLiteral("145.000001 MHz"));

    m_window->pty().hangUp();
    QTRY_COMPARE(waiting.size(), 1);
    QVERIFY(waiting.first().first().toString().startsWith(
            QStringLiteral("Waiting for port 1 (%1) to come back.").arg(link)));
    // The reading before is not shown as if it were the counter's now.
    QCOMPARE(label->text(), QStringLiteral("Waiting"));

    PtyPair back;
    QVERIFY(QFile::remove(link) && QFile::link(back.devicePath(), link));
    QTRY_COMPARE_WITH_TIMEOUT(waiting.size(), 2, 5000);
    QCOMPARE(waiting.last().first().toString(), QString());
    m_ticks->next(1);
    QVERIFY(back.send("145.000002\r\n"));
    QTRY_COMPARE(label->text(), QStringLiteral("145.000002 MHz"));
    QVERIFY(m_window->errors.isEmpty());
}

void TestForm1::lossWhileRunningReportsOnce()
{
    loadAndSettle();
    auto *timer = item<QTimer>("Timer1");
    QSignalSpy ticks(timer, &QTimer::timeout);
    QVERIFY(ticks.isValid());

    m_window->pty().hangUp();
    // The reporter keeps the event loop running as a modal box would.
    QTRY_COMPARE(m_window->errors.size(), 1);
    QCOMPARE(m_window->errors.first().number, 8020);
    QVERIFY(!timer->isActive());
    const qsizetype ticksAfter = ticks.size();
    QTest::qWait(250); // several tick intervals in which nothing may happen
    QCOMPARE(ticks.size(), ticksAfter);
    QCOMPARE(m_window->errors.size(), 1);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
