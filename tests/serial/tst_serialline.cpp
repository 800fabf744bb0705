#include "ptypair.h"
#include "serialline.h"

#include <QFile>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

using namespace freqcounter;
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

QByteArray everyByteValue()
{
    QByteArray bytes;
    for (int value = 0; value < 256; ++value)
        bytes.append(static_cast<char>(value));
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(Step)

class TestSerialLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void createdClosedOnPortOne();
    void settingsReachTheDevice();
    void countAndRead_data();
    void countAndRead();
    void readRightAfterOpenTakesWhatWaited();
    void moreWaitingThanTheBufferHolds();
    void closeReleasesThePort();
    void deviceForPort_data();
    void deviceForPort();

    void failures_data();
    void failures();
    void permissionDeniedNamesTheRemedy();
    void lossIsRaisedOnceThenTheLineIsClosed();
    void hangUpDoesNotSpin();

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

void TestSerialLine::settingsReachTheDevice()
{
    // Start from settings the line must change.
    termios before{};
    QCOMPARE(::tcgetattr(m_pty->deviceFd(), &before), 0);
    ::cfsetispeed(&before, B9600);
    ::cfsetospeed(&before, B9600);
    before.c_cflag = (before.c_cflag & ~CSIZE) | CS7 | PARENB | CSTOPB | CRTSCTS;
    before.c_iflag |= IXON | IXOFF;
    QCOMPARE(::tcsetattr(m_pty->deviceFd(), TCSANOW, &before), 0);

    SerialLine line;
    line.setPortOpen(true);
    QVERIFY(line.portOpen());

    termios applied{};
    QCOMPARE(::tcgetattr(m_pty->deviceFd(), &applied), 0);
    QCOMPARE(::cfgetispeed(&applied), speed_t(B1200));
    QCOMPARE(::cfgetospeed(&applied), speed_t(B1200));
    QCOMPARE(applied.c_cflag & CSIZE, tcflag_t(CS8));
    QCOMPARE(applied.c_cflag & PARENB, tcflag_t(0));
    QCOMPARE(applied.c_cflag & CSTOPB, tcflag_t(0));
    QCOMPARE(applied.c_cflag & CRTSCTS, tcflag_t(0));
    QCOMPARE(applied.c_iflag & (IXON | IXOFF | IXANY), tcflag_t(0));
    QCOMPARE(applied.c_lflag & (ICANON | ECHO), tcflag_t(0));
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
    // holds, not only what Qt has fetched.
    QCOMPARE(line.inBufferCount(), qint16(sent.size()));
    const QString received = line.input();
    QCOMPARE(received.size(), sent.size());
    for (qsizetype i = 0; i < sent.size(); ++i)
        QCOMPARE(received.at(i).unicode(), char16_t(static_cast<unsigned char>(sent.at(i))));
    QCOMPARE(line.inBufferCount(), qint16(0));
    QCOMPARE(line.input(), QString());
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

void TestSerialLine::deviceForPort_data()
{
    QTest::addColumn<qint16>("port");
    QTest::addColumn<QByteArray>("configured");
    QTest::addColumn<QString>("device");

    QTest::newRow("port 1 unset: first platform port")
            << qint16(1) << QByteArray() << QStringLiteral("/dev/ttyS0");
    QTest::newRow("port 2 unset: second platform port")
            << qint16(2) << QByteArray() << QStringLiteral("/dev/ttyS1");
    QTest::newRow("port 2 names a USB adapter")
            << qint16(2) << QByteArray("/dev/ttyUSB0") << QStringLiteral("/dev/ttyUSB0");
    QTest::newRow("port 1 by id") << qint16(1)
                                  << QByteArray("/dev/serial/by-id/usb-FTDI_FT232R-if00-port0")
                                  << QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R-if00-port0");
}

void TestSerialLine::deviceForPort()
{
    QFETCH(qint16, port);
    QFETCH(QByteArray, configured);
    QFETCH(QString, device);

    const QByteArray variable = SerialLine::environmentVariableForPort(port).toLatin1();
    if (configured.isEmpty())
        qunsetenv(variable.constData());
    else
        qputenv(variable.constData(), configured);
    QCOMPARE(SerialLine::deviceForPort(port), device);
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

QTEST_GUILESS_MAIN(TestSerialLine)
#include "tst_serialline.moc"
