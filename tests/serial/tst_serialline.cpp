// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keptsettings.h"
#include "ptypair.h"
#include "serialline.h"
#include "serialportlink.h"
#include "unanswering.h"

#include <QFile>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

using namespace freqcounter;
using freqcounter::test::everyByteValue;
using freqcounter::test::PtyPair;

namespace {

using Step = std::function<void(SerialLine &line, PtyPair &pty)>;

// Runs a step and returns the number of the error it raised, 0 if none.
int errorNumberOf(const std::function<void()> &step, QString *description = nullptr)
{
    try {
        step();
    } catch (const SerialError &error) {
        if (description)
            *description = error.description();
        return error.number();
    }
    return 0;
}

PortDescription usbAdapter(const char *device, const char *serialNumber, quint16 product = 0x6001,
                           const char *stableName = "")
{
    return {.device = QString::fromLatin1(device),
            .stableName = QString::fromLatin1(stableName),
            .description = QStringLiteral("FT232R USB UART"),
            .manufacturer = QStringLiteral("FTDI"),
            .serialNumber = QString::fromLatin1(serialNumber),
            .usb = true,
            .vendorId = 0x0403,
            .productId = product};
}

PortDescription mainboardPort(const char *device)
{
    return {.device = QString::fromLatin1(device)};
}

// Devices that only an enumeration of our own making reports.
PortDevices discovering(const QList<PortDescription> &ports)
{
    return PortDevices([ports] { return ports; });
}

} // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(PortDescription)
Q_DECLARE_METATYPE(QList<PortDescription>)

class TestSerialLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void createdClosedOnPortOne();
    void settingsReachTheDevice_data();
    void settingsReachTheDevice();
    void countAndRead_data();
    void countAndRead();
    void charactersReceivedInErrorAreMarked_data();
    void charactersReceivedInErrorAreMarked();
    void readRightAfterOpenTakesWhatWaited();
    void moreWaitingThanTheBufferHolds();
    void closeReleasesThePort();
    void discoveryOrder_data();
    void discoveryOrder();
    void optionOverVariableOverDiscovery_data();
    void optionOverVariableOverDiscovery();
    void adapterPluggedInLaterIsFoundAtTheNextOpen();
    void adapterComesBack_data();
    void adapterComesBack();
    void anotherAdapterIsRefused_data();
    void anotherAdapterIsRefused();

    void failures_data();
    void failures();
    void permissionDeniedNamesTheRemedy();
    void lossIsRaisedOnceThenTheLineIsClosed();
    void hangUpDoesNotSpin();
    void networkGivesWhatCameBeforeThePeerClosed();
    void questionSentWhileConnectingGoesOutOnceConnected();
    void keptDeviceThatFailsNamesTheWayPast_data();
    void keptDeviceThatFailsNamesTheWayPast();

private:
    std::unique_ptr<PtyPair> m_pty;
};

void TestSerialLine::init()
{
    m_pty = std::make_unique<PtyPair>();
    QVERIFY(m_pty->isValid());
    qputenv("FREQCOUNTER_COM1", m_pty->devicePath().toLocal8Bit());
    qunsetenv("FREQCOUNTER_COM2");
}

void TestSerialLine::cleanup()
{
    m_pty.reset();
    qunsetenv("FREQCOUNTER_COM1");
    qunsetenv("FREQCOUNTER_COM2");
}

void TestSerialLine::createdClosedOnPortOne()
{
    SerialLine line;
    QVERIFY(!line.portOpen());
    QCOMPARE(line.commPort(), qint16(1));
    QCOMPARE(line.deviceName(), m_pty->devicePath());
}

void TestSerialLine::settingsReachTheDevice_data()
{
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("given");
    QTest::addColumn<speed_t>("speed");
    QTest::addColumn<tcflag_t>("controlFlags");
    QTest::addColumn<tcflag_t>("inputFlags");

    QTest::newRow("nothing said: 1200/8n1")
            << QString() << QString() << speed_t(B1200) << tcflag_t(0) << tcflag_t(0);
    QTest::newRow("given for the run")
            << QString() << QStringLiteral("115200/8n2/rtscts") << speed_t(B115200)
            << tcflag_t(CSTOPB | CRTSCTS) << tcflag_t(0);
    QTest::newRow("kept for the device") << QStringLiteral("9600/8n1/xonxoff") << QString()
                                         << speed_t(B9600) << tcflag_t(0) << tcflag_t(IXON | IXOFF);
    QTest::newRow("given over kept")
            << QStringLiteral("9600/8n1/xonxoff") << QStringLiteral("19200/8n1") << speed_t(B19200)
            << tcflag_t(0) << tcflag_t(0);
}

void TestSerialLine::settingsReachTheDevice()
{
    QFETCH(QString, kept);
    QFETCH(QString, given);
    QFETCH(speed_t, speed);
    QFETCH(tcflag_t, controlFlags);
    QFETCH(tcflag_t, inputFlags);

    // Start from settings the line must change.
    termios before{};
    QCOMPARE(::tcgetattr(m_pty->deviceFd(), &before), 0);
    ::cfsetispeed(&before, B4800);
    ::cfsetospeed(&before, B4800);
    before.c_cflag = (before.c_cflag & ~CSIZE) | CS7 | PARENB | CSTOPB | CRTSCTS;
    before.c_iflag |= IXON | IXOFF;
    QCOMPARE(::tcsetattr(m_pty->deviceFd(), TCSANOW, &before), 0);

    keptSettings().clear();
    if (!kept.isEmpty())
        PortSettings{*LineSettings::parse(kept)}.keepFor(m_pty->devicePath());
    PortDevices devices;
    if (!given.isEmpty())
        devices.setOverrides(1, {LineSettings::parse(given)});
    SerialLine line;
    line.setPortDevices(devices);
    line.setPortOpen(true);
    QVERIFY(line.portOpen());

    termios applied{};
    QCOMPARE(::tcgetattr(m_pty->deviceFd(), &applied), 0);
    QCOMPARE(::cfgetispeed(&applied), speed);
    QCOMPARE(::cfgetospeed(&applied), speed);
    QCOMPARE(applied.c_cflag & (CSTOPB | CRTSCTS), controlFlags);
    QCOMPARE(applied.c_iflag & (IXON | IXOFF), inputFlags);
    QCOMPARE(applied.c_lflag & (ICANON | ECHO), tcflag_t(0));
    // A character received in error is marked, never passed on as a digit.
    QCOMPARE(applied.c_iflag & (INPCK | PARMRK | IGNPAR | ISTRIP), tcflag_t(INPCK | PARMRK));
    // Not the data bits nor the parity: a pseudo-terminal forces 8 and none
    // on every setting, whatever the line asks for.
}

void TestSerialLine::countAndRead_data()
{
    QTest::addColumn<QByteArray>("sent");

    QTest::newRow("one reading with CRLF") << QByteArray("145.2371\r\n");
    QTest::newRow("nothing sent") << QByteArray();
    QTest::newRow("every byte value 0x00 to 0xFF") << everyByteValue();
    QTest::newRow("NUL bytes inside a reading") << QByteArray("14\0\0.5\r\n", 8);
    QTest::newRow("invalid UTF-8") << QByteArray("\xC3\x28\xA0\xA1\xF0\x28\x8C\xBC");
    QTest::newRow("exactly the buffer's size") << QByteArray(1024, '7');
}

void TestSerialLine::countAndRead()
{
    QFETCH(QByteArray, sent);

    SerialLine line;
    line.setPortOpen(true);
    QVERIFY(m_pty->send(sent));

    // No event loop runs in between: the count must see what the device
    // holds, not only what Qt has fetched. The device holds a byte 0xFF
    // twice, so that it is told apart from the mark of a character received
    // in error.
    QCOMPARE(line.inBufferCount(), qint16(sent.size() + sent.count('\xFF')));
    const QString received = line.input();
    QCOMPARE(received.size(), sent.size());
    for (qsizetype i = 0; i < sent.size(); ++i)
        QCOMPARE(received.at(i).unicode(), char16_t(static_cast<unsigned char>(sent.at(i))));
    QCOMPARE(line.inBufferCount(), qint16(0));
    QCOMPARE(line.input(), QString());
}

void TestSerialLine::charactersReceivedInErrorAreMarked_data()
{
    QTest::addColumn<QList<QByteArray>>("reads");
    QTest::addColumn<QString>("text");

    // What the driver gives once told to mark errors: a pseudo-terminal
    // has no parity to get wrong, so the marks are given here as the
    // driver would.
    const QString inError(Counter::kReceivedInError);
    QTest::newRow("a character with a parity or framing error")
            << QList<QByteArray>{QByteArray("14\xFF\x00"
                                            "5.2",
                                            7)}
            << QStringLiteral("14") + inError + QStringLiteral(".2");
    QTest::newRow("a break") << QList<QByteArray>{QByteArray("1\xFF\x00\x00"
                                                             "2",
                                                             5)}
                             << QStringLiteral("1") + inError + QStringLiteral("2");
    QTest::newRow("0xFF itself, doubled")
            << QList<QByteArray>{QByteArray("\xFF\xFF")} << QString(QChar(0xFF));
    QTest::newRow("a mark split across reads")
            << QList<QByteArray>{QByteArray("1\xFF"), QByteArray("\x00", 1), QByteArray("52")}
            << QStringLiteral("1") + inError + QStringLiteral("2");
}

void TestSerialLine::charactersReceivedInErrorAreMarked()
{
    QFETCH(QList<QByteArray>, reads);
    QFETCH(QString, text);

    SerialLine line;
    line.setPortOpen(true);
    auto *port = line.findChild<SerialPortLink *>();
    QVERIFY(port);
    QString decoded;
    for (const QByteArray &read : reads)
        decoded += port->decode(read);
    QCOMPARE(decoded, text);
}

void TestSerialLine::readRightAfterOpenTakesWhatWaited()
{
    QVERIFY(m_pty->send("stale 1\r\nstale 2\r\n"));
    SerialLine line;
    line.setPortOpen(true);
    QCOMPARE(line.input(), QStringLiteral("stale 1\r\nstale 2\r\n"));
    QCOMPARE(line.inBufferCount(), qint16(0));
}

void TestSerialLine::moreWaitingThanTheBufferHolds()
{
    QByteArray sent;
    for (int i = 0; i < 3000; ++i)
        sent.append(static_cast<char>('0' + i % 79));

    SerialLine line;
    line.setPortOpen(true);
    QVERIFY(m_pty->send(sent));

    QCOMPARE(line.inBufferCount(), qint16(1024));
    QByteArray received;
    int reads = 0;
    while (received.size() < sent.size() && reads < 10) {
        QVERIFY(line.inBufferCount() <= 1024);
        const QString piece = line.input();
        QVERIFY(piece.size() <= 1024);
        received += piece.toLatin1();
        ++reads;
        QCoreApplication::processEvents();
    }
    QCOMPARE(received, sent);
    QCOMPARE(line.inBufferCount(), qint16(0));
}

void TestSerialLine::closeReleasesThePort()
{
    const int descriptorsBefore = test::openDescriptorCount();
    {
        SerialLine first;
        first.setPortOpen(true);
        first.setPortOpen(false);
        QVERIFY(!first.portOpen());
        first.setPortOpen(false); // closing a closed line changes nothing

        SerialLine second;
        second.setPortOpen(true);
        QVERIFY(second.portOpen());
        QVERIFY(m_pty->send("1.5\n"));
        QCOMPARE(second.input(), QStringLiteral("1.5\n"));
    }
    QCOMPARE(test::openDescriptorCount(), descriptorsBefore);
}

void TestSerialLine::discoveryOrder_data()
{
    QTest::addColumn<QList<PortDescription>>("found");
    QTest::addColumn<QString>("com1");
    QTest::addColumn<QString>("com2");

    const QString none;
    QTest::newRow("one USB adapter only") << QList{usbAdapter("/dev/ttyUSB0", "A50285BI")}
                                          << QStringLiteral("/dev/ttyUSB0") << none;
    QTest::newRow("mainboard port plus adapter: the adapter first")
            << QList{mainboardPort("/dev/ttyS0"), usbAdapter("/dev/ttyACM0", "")}
            << QStringLiteral("/dev/ttyACM0") << QStringLiteral("/dev/ttyS0");
    QTest::newRow("two adapters plugged in one order")
            << QList{usbAdapter("/dev/ttyUSB0", "A50285BI"), usbAdapter("/dev/ttyUSB1", "B7")}
            << QStringLiteral("/dev/ttyUSB0") << QStringLiteral("/dev/ttyUSB1");
    QTest::newRow("the same two adapters plugged in the other order")
            << QList{usbAdapter("/dev/ttyUSB0", "B7"), usbAdapter("/dev/ttyUSB1", "A50285BI")}
            << QStringLiteral("/dev/ttyUSB1") << QStringLiteral("/dev/ttyUSB0");
    QTest::newRow("adapters without serial numbers: by number, ttyUSB2 before ttyUSB10")
            << QList{usbAdapter("/dev/ttyUSB10", ""), usbAdapter("/dev/ttyUSB2", "")}
            << QStringLiteral("/dev/ttyUSB2") << QStringLiteral("/dev/ttyUSB10");
    QTest::newRow("an adapter with a serial number before one without")
            << QList{usbAdapter("/dev/ttyACM0", ""), usbAdapter("/dev/ttyUSB3", "B7")}
            << QStringLiteral("/dev/ttyUSB3") << QStringLiteral("/dev/ttyACM0");
    QTest::newRow("Windows: mainboard COM1 after the adapter on COM5")
            << QList{mainboardPort("COM1"), usbAdapter("COM5", "")} << QStringLiteral("COM5")
            << QStringLiteral("COM1");
    QTest::newRow("Windows: adapters without serial numbers, COM3 before COM12")
            << QList{usbAdapter("COM12", ""), usbAdapter("COM3", ""), mainboardPort("COM1")}
            << QStringLiteral("COM3") << QStringLiteral("COM12");
    QTest::newRow("Windows: mainboard ports only, COM2 before COM10")
            << QList{mainboardPort("COM10"), mainboardPort("COM2")} << QStringLiteral("COM2")
            << QStringLiteral("COM10");
    QTest::newRow("nothing found") << QList<PortDescription>{} << none << none;
}

void TestSerialLine::discoveryOrder()
{
    QFETCH(QList<PortDescription>, found);
    QFETCH(QString, com1);
    QFETCH(QString, com2);

    qunsetenv("FREQCOUNTER_COM1");
    const PortDevices devices = discovering(found);
    QCOMPARE(devices.deviceFor(1), com1);
    QCOMPARE(devices.deviceFor(2), com2);
}

void TestSerialLine::optionOverVariableOverDiscovery_data()
{
    QTest::addColumn<bool>("option");
    QTest::addColumn<bool>("variable");
    QTest::addColumn<QByteArray>("shown");

    QTest::newRow("option over variable and discovery") << true << true << QByteArray("option");
    QTest::newRow("variable over discovery") << false << true << QByteArray("variable");
    QTest::newRow("discovery when nothing is named") << false << false << QByteArray("found");
}

void TestSerialLine::optionOverVariableOverDiscovery()
{
    QFETCH(bool, option);
    QFETCH(bool, variable);
    QFETCH(QByteArray, shown);

    // Each pseudo-terminal says where it stands; the line reads from one.
    PtyPair named;
    PtyPair found;
    QVERIFY(named.isValid() && found.isValid());
    PortDevices devices = discovering({usbAdapter(qPrintable(found.devicePath()), "A1")});
    if (option)
        devices.name(1, named.devicePath());
    if (variable)
        qputenv("FREQCOUNTER_COM1", m_pty->devicePath().toLocal8Bit());
    else
        qunsetenv("FREQCOUNTER_COM1");

    SerialLine line;
    line.setPortDevices(devices);
    line.setPortOpen(true);
    QVERIFY(named.send("option"));
    QVERIFY(m_pty->send("variable"));
    QVERIFY(found.send("found"));
    QCOMPARE(line.input(), QString::fromLatin1(shown));
}

void TestSerialLine::adapterPluggedInLaterIsFoundAtTheNextOpen()
{
    qunsetenv("FREQCOUNTER_COM1");
    auto plugged = std::make_shared<QList<PortDescription>>();
    SerialLine line;
    line.setPortDevices(PortDevices([plugged] { return *plugged; }));
    QString description;
    QCOMPARE(errorNumberOf([&] { line.setPortOpen(true); }, &description), 8001);
    QCOMPARE(description,
             QStringLiteral("No serial port was found for port 1. Plug in the counter's USB "
                            "serial adapter, or name the device with --com1 or "
                            "FREQCOUNTER_COM1."));

    plugged->append(usbAdapter(qPrintable(m_pty->devicePath()), "A1"));
    line.setPortOpen(true);
    QCOMPARE(line.deviceName(), m_pty->devicePath());
}

void TestSerialLine::adapterComesBack_data()
{
    QTest::addColumn<PortDescription>("opened");
    QTest::addColumn<QList<PortDescription>>("now");
    QTest::addColumn<QString>("device");

    const auto by = "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0";
    QTest::newRow("under another name, by its serial number")
            << usbAdapter("/dev/ttyUSB0", "A5") << QList{usbAdapter("/dev/ttyUSB1", "A5")}
            << QStringLiteral("/dev/ttyUSB1");
    QTest::newRow("under another name while another adapter took its own")
            << usbAdapter("/dev/ttyUSB0", "A5")
            << QList{usbAdapter("/dev/ttyUSB0", "B7"), usbAdapter("/dev/ttyUSB1", "A5")}
            << QStringLiteral("/dev/ttyUSB1");
    QTest::newRow("no serial number: by its by-id name")
            << usbAdapter("/dev/ttyUSB0", "", 0x6001, by)
            << QList{usbAdapter("/dev/ttyUSB2", "", 0x6001, by)} << QStringLiteral("/dev/ttyUSB2");
    QTest::newRow("neither: the same make at the same name")
            << usbAdapter("/dev/ttyUSB0", "") << QList{usbAdapter("/dev/ttyUSB0", "")}
            << QStringLiteral("/dev/ttyUSB0");
    QTest::newRow("Windows: back on its COM port")
            << usbAdapter("COM5", "A5") << QList{usbAdapter("COM5", "A5")}
            << QStringLiteral("COM5");
    QTest::newRow("not listed (a pseudo-terminal): by its name")
            << mainboardPort("/tmp/counter") << QList<PortDescription>{}
            << QStringLiteral("/tmp/counter");
}

void TestSerialLine::adapterComesBack()
{
    QFETCH(PortDescription, opened);
    QFETCH(QList<PortDescription>, now);
    QFETCH(QString, device);

    // What was found at the open knows the device only when it is listed.
    QList<PortDescription> atOpen;
    if (opened.usb)
        atOpen = {opened, usbAdapter("/dev/ttyUSB9", "Z9")};
    QCOMPARE(AdapterIdentity::of(opened.device, atOpen).findIn(now), device);
}

void TestSerialLine::anotherAdapterIsRefused_data()
{
    QTest::addColumn<PortDescription>("opened");
    QTest::addColumn<QList<PortDescription>>("now");

    QTest::newRow("not back yet") << usbAdapter("/dev/ttyUSB0", "A5") << QList<PortDescription>{};
    QTest::newRow("another adapter at its name")
            << usbAdapter("/dev/ttyUSB0", "A5") << QList{usbAdapter("/dev/ttyUSB0", "B7")};
    QTest::newRow("its serial number on another product")
            << usbAdapter("/dev/ttyUSB0", "A5") << QList{usbAdapter("/dev/ttyUSB1", "A5", 0x6015)};
    QTest::newRow("no serial number: another make at its name")
            << usbAdapter("/dev/ttyUSB0", "") << QList{usbAdapter("/dev/ttyUSB0", "", 0x6015)};
    QTest::newRow("no serial number: the same make elsewhere")
            << usbAdapter("/dev/ttyUSB0", "") << QList{usbAdapter("/dev/ttyUSB1", "")};
    QTest::newRow("by-id name: another one at its name")
            << usbAdapter("/dev/ttyUSB0", "", 0x6001, "/dev/serial/by-id/usb-a")
            << QList{usbAdapter("/dev/ttyUSB0", "", 0x6001, "/dev/serial/by-id/usb-b")};
}

void TestSerialLine::anotherAdapterIsRefused()
{
    QFETCH(PortDescription, opened);
    QFETCH(QList<PortDescription>, now);

    const QList<PortDescription> atOpen{opened};
    QCOMPARE(AdapterIdentity::of(opened.device, atOpen).findIn(now), QString());
}

void TestSerialLine::failures_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("mentioned");

    const auto openPort = [](SerialLine &line, PtyPair &) { line.setPortOpen(true); };
    const auto pointPortOneAt = [](const char *device) {
        return [device](SerialLine &line, PtyPair &) {
            qputenv("FREQCOUNTER_COM1", device);
            line.setPortOpen(true);
        };
    };

    QTest::newRow("device does not exist")
            << Step(pointPortOneAt("/dev/freqcounter-no-such-port")) << 8001
            << QStringLiteral("/dev/freqcounter-no-such-port");
    QTest::newRow("device is not a serial line")
            << Step(pointPortOneAt("/dev/null")) << 8015 << QStringLiteral("/dev/null");
    QTest::newRow("a line the device cannot take, named") << Step([](SerialLine &line, PtyPair &) {
        qputenv("FREQCOUNTER_COM1", "/dev/null");
        PortDevices devices;
        devices.setOverrides(1, {LineSettings::parse(u"19200/7e2/rtscts")});
        line.setPortDevices(devices);
        line.setPortOpen(true);
    }) << 8015 << QStringLiteral("19200/7e2/rtscts (19200 baud, 7 data bits, even parity");
    QTest::newRow("in use by a second opener") << Step([](SerialLine &line, PtyPair &) {
        SerialLine other;
        other.setPortOpen(true);
        line.setPortOpen(true);
    }) << 8010 << QStringLiteral("in use");
    QTest::newRow("in use by a program that opened it under another name")
            << Step([](SerialLine &line, PtyPair &pty) {
                   QTemporaryDir dir;
                   const QString link = dir.filePath(QStringLiteral("by-id-link"));
                   QVERIFY(QFile::link(pty.devicePath(), link));
                   qputenv("FREQCOUNTER_COM2", pty.devicePath().toLocal8Bit());
                   SerialLine other;
                   other.setCommPort(2);
                   other.setPortOpen(true);
                   qputenv("FREQCOUNTER_COM1", link.toLocal8Bit());
                   line.setPortOpen(true);
               })
            << 8010 << QStringLiteral("by-id-link");
    QTest::newRow("opened twice") << Step([openPort](SerialLine &line, PtyPair &pty) {
        openPort(line, pty);
        line.setPortOpen(true);
    }) << 8005 << QStringLiteral("already open");
    QTest::newRow("port changed while open") << Step([openPort](SerialLine &line, PtyPair &pty) {
        openPort(line, pty);
        line.setCommPort(2);
    }) << 8005 << QStringLiteral("while serial port 1");
    QTest::newRow("read while closed") << Step([](SerialLine &line, PtyPair &) { line.input(); })
                                       << 8012 << QStringLiteral("not open");
    QTest::newRow("count while closed")
            << Step([](SerialLine &line, PtyPair &) { line.inBufferCount(); }) << 8012
            << QStringLiteral("not open");
    QTest::newRow("read after close") << Step([openPort](SerialLine &line, PtyPair &pty) {
        openPort(line, pty);
        line.setPortOpen(false);
        line.input();
    }) << 8012 << QStringLiteral("not open");
    QTest::newRow("port number 0") << Step([](SerialLine &line, PtyPair &) { line.setCommPort(0); })
                                   << 8002 << QStringLiteral("0");
    QTest::newRow("port number 17")
            << Step([](SerialLine &line, PtyPair &) { line.setCommPort(17); }) << 8002
            << QStringLiteral("17");
    QTest::newRow("negative port number")
            << Step([](SerialLine &line, PtyPair &) { line.setCommPort(-1); }) << 8002
            << QStringLiteral("-1");
    QTest::newRow("device lost, seen by the count")
            << Step([openPort](SerialLine &line, PtyPair &pty) {
                   openPort(line, pty);
                   pty.hangUp();
                   line.inBufferCount();
               })
            << 8020 << QStringLiteral("lost");
    QTest::newRow("device lost, seen by the read")
            << Step([openPort](SerialLine &line, PtyPair &pty) {
                   openPort(line, pty);
                   QVERIFY(pty.send("145."));
                   pty.hangUp();
                   line.input();
               })
            << 8020 << QStringLiteral("lost");
    QTest::newRow("device lost, seen by the close after the event loop ran")
            << Step([openPort](SerialLine &line, PtyPair &pty) {
                   openPort(line, pty);
                   pty.hangUp();
                   QTRY_VERIFY(!line.portOpen());
                   line.setPortOpen(false);
               })
            << 8020 << QStringLiteral("lost");
}

void TestSerialLine::failures()
{
    QFETCH(Step, step);
    QFETCH(int, number);
    QFETCH(QString, mentioned);

    SerialLine line;
    QString description;
    QCOMPARE(errorNumberOf([&] { step(line, *m_pty); }, &description), number);
    QVERIFY2(description.contains(mentioned), qPrintable(description));
    QVERIFY(!description.contains(u'\n'));
}

void TestSerialLine::permissionDeniedNamesTheRemedy()
{
    if (::geteuid() != 0)
        QSKIP("needs root to take on another user's identity");

    // The device belongs to root alone, as a port no group has been given.
    const QByteArray device = m_pty->devicePath().toLocal8Bit();
    QCOMPARE(::chown(device.constData(), 0, 0), 0);
    QCOMPARE(::chmod(device.constData(), 0600), 0);

    int channel[2];
    QCOMPARE(::pipe(channel), 0);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        ::close(channel[0]);
        QByteArray answer = "no error";
        if (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0) {
            SerialLine line;
            QString description;
            const int number = errorNumberOf([&] { line.setPortOpen(true); }, &description);
            answer = QByteArray::number(number) + ' ' + description.toUtf8();
        }
        const ssize_t written = ::write(channel[1], answer.constData(), size_t(answer.size()));
        ::_exit(written == answer.size() ? 0 : 1);
    }
    ::close(channel[1]);
    QByteArray answer;
    char buffer[512];
    ssize_t got = 0;
    while ((got = ::read(channel[0], buffer, sizeof buffer)) > 0)
        answer.append(buffer, got);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);

    QVERIFY2(answer.startsWith("8003 "), answer.constData());
    QVERIFY2(answer.contains(device), answer.constData());
    QVERIFY2(answer.contains("usermod -aG dialout"), answer.constData());
    QVERIFY2(answer.contains("log out and in again"), answer.constData());
}

void TestSerialLine::lossIsRaisedOnceThenTheLineIsClosed()
{
    SerialLine line;
    line.setPortOpen(true);
    m_pty->hangUp();
    QString description;
    QCOMPARE(errorNumberOf([&] { line.inBufferCount(); }, &description), 8020);
    QVERIFY2(description.contains(m_pty->devicePath()), qPrintable(description));
    QVERIFY(!line.portOpen());
    QCOMPARE(errorNumberOf([&] { line.inBufferCount(); }), 8012);
}

void TestSerialLine::hangUpDoesNotSpin()
{
    SerialLine line;
    line.setPortOpen(true);
    auto *port = line.findChild<QSerialPort *>();
    QVERIFY(port);
    QSignalSpy errors(port, &QSerialPort::errorOccurred);
    QVERIFY(errors.isValid());

    m_pty->hangUp();
    QTRY_VERIFY(!line.portOpen());

    // A fixed window of event processing: a port that keeps reporting its
    // hang-up would fill it with signals and use the whole of it in CPU time.
    const qint64 cpuBefore = test::processCpuMs();
    QTest::qWait(300);
    const qint64 cpuUsed = test::processCpuMs() - cpuBefore;

    QVERIFY2(errors.size() < 50, qPrintable(QString::number(errors.size())));
    QVERIFY2(cpuUsed < 100, qPrintable(QStringLiteral("%1 ms of CPU").arg(cpuUsed)));
    QCOMPARE(errorNumberOf([&] { line.input(); }), 8020);
}

void TestSerialLine::networkGivesWhatCameBeforeThePeerClosed()
{
    QTcpServer counter;
    QVERIFY(counter.listen(QHostAddress::LocalHost));
    qputenv("FREQCOUNTER_COM1", "tcp://127.0.0.1:" + QByteArray::number(counter.serverPort()));
    SerialLine line;
    line.setPortOpen(true);
    QVERIFY(counter.waitForNewConnection(5000));
    QTcpSocket *peer = counter.nextPendingConnection();
    auto *socket = line.findChild<QTcpSocket *>();
    QVERIFY(socket);
    QTRY_COMPARE(socket->state(), QAbstractSocket::ConnectedState);

    // The reading, then the close; the event loop sees both before the
    // line is next asked.
    peer->write("10.000009\r\n");
    peer->disconnectFromHost();
    QTRY_COMPARE(socket->state(), QAbstractSocket::UnconnectedState);

    qint16 waiting = 0;
    QString received;
    QCOMPARE(errorNumberOf([&] {
                 waiting = line.inBufferCount();
                 received = line.input();
             }),
             0);
    QCOMPARE(waiting, qint16(11));
    QCOMPARE(received, QStringLiteral("10.000009\r\n"));
    QCOMPARE(errorNumberOf([&] { line.inBufferCount(); }), 8020);
    QCOMPARE(errorNumberOf([&] { line.inBufferCount(); }), 8012);
}

void TestSerialLine::questionSentWhileConnectingGoesOutOnceConnected()
{
    test::Unanswering counter;
    QVERIFY(counter.port() != 0);
    qputenv("FREQCOUNTER_COM1", "tcp://127.0.0.1:" + QByteArray::number(counter.port()));
    SerialLine line;
    line.setPortOpen(true);
    line.output("READ?\n");
    // The connection is made at its next attempt, within the link's time.
    counter.letGo();
    QByteArray heard;
    QVERIFY(QTest::qWaitFor([&] { return (heard += counter.received()).size() >= 6; }, 4000));
    QCOMPARE(heard, QByteArray("READ?\n"));
    QCOMPARE(errorNumberOf([&] { line.inBufferCount(); }), 0);
}

void TestSerialLine::keptDeviceThatFailsNamesTheWayPast_data()
{
    QTest::addColumn<bool>("network");
    QTest::addColumn<int>("number");

    QTest::newRow("a serial device, at its open") << false << 8001;
    QTest::newRow("a network address, once refused") << true << 8001;
}

void TestSerialLine::keptDeviceThatFailsNamesTheWayPast()
{
    QFETCH(bool, network);
    QFETCH(int, number);

    QTcpServer gone;
    QVERIFY(gone.listen(QHostAddress::LocalHost));
    const QString device = network ? QStringLiteral("tcp://127.0.0.1:%1").arg(gone.serverPort())
                                   : QStringLiteral("/dev/freqcounter-no-such-port");
    gone.close();
    qunsetenv("FREQCOUNTER_COM1");
    PortDevices::keep(1, device);
    SerialLine line;
    QString description;
    // A serial device fails to open; a connection, once it is refused.
    int raised = errorNumberOf([&] { line.setPortOpen(true); }, &description);
    QCOMPARE(raised == 0, network);
    QVERIFY(QTest::qWaitFor([&] {
        if (raised == 0)
            raised = errorNumberOf([&] { line.inBufferCount(); }, &description);
        return raised != 0;
    }));
    PortDevices::keep(1, QString());
    QCOMPARE(raised, number);
    QVERIFY2(description.startsWith(network ? QStringLiteral("Network port 1")
                                            : QStringLiteral("Serial port 1")),
             qPrintable(description));
    QVERIFY2(description.endsWith(QStringLiteral(" Line Settings\u2026 kept %1 for Com1: --com1 "
                                                 "or FREQCOUNTER_COM1 names another device for a "
                                                 "run, and --forget-com1 forgets it.")
                                          .arg(device)),
             qPrintable(description));
    QCOMPARE(errorNumberOf([&] { line.setPortOpen(false); }), 0);
}

QTEST_GUILESS_MAIN(TestSerialLine)
#include "tst_serialline.moc"
