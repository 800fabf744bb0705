// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The serial line on Windows, on a COM port that comport.sh has given to a
// simulated counter: what it counts and reads is what the driver holds, and a
// device that has gone answers with its loss at once. No event loop runs in
// between, so nothing is seen that QSerialPort fetched by itself.
#include "serialline.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QThread>

#include <functional>

using freqcounter::PortDevices;
using freqcounter::SerialError;
using freqcounter::SerialLine;

namespace {

// The folder comport.sh shares with this test: the simulator's log of what
// it sent, and the files of the hand-over when the sender is to go.
QDir sharedFolder()
{
    return QDir(qEnvironmentVariable("FREQCOUNTER_TEST_DIR"));
}

QList<QByteArray> readingsSent()
{
    QFile log(sharedFolder().filePath(QStringLiteral("sent.txt")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = log.readAll().split('\n');
    lines.removeLast(); // what follows the last line end
    return lines;
}

// Waits (up to 10 s) without running the event loop.
bool waitFor(const std::function<bool()> &condition)
{
    const QDeadlineTimer deadline(10000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
    return true;
}

void openOnTheTestPort(SerialLine &line)
{
    PortDevices devices;
    devices.name(1, qEnvironmentVariable("FREQCOUNTER_TEST_PORT"));
    line.setPortDevices(devices);
    line.setPortOpen(true);
}

} // namespace

class TestComPort : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void countAndReadTakeWhatTheDriverHolds();
    void lossIsRaisedAtOnce();
};

void TestComPort::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("FREQCOUNTER_TEST_PORT"))
        QSKIP("run by comport.sh, which gives it a COM port and a sender");
}

void TestComPort::countAndReadTakeWhatTheDriverHolds()
{
    SerialLine line;
    openOnTheTestPort(line);
    // The second reading sent from now on arrives wholly after the open.
    const qsizetype before = readingsSent().size();
    QVERIFY(waitFor([before] { return readingsSent().size() >= before + 2; }));
    const QByteArray last = readingsSent().last() + "\r\n";

    const qint16 counted = line.inBufferCount();
    QVERIFY2(counted >= last.size(), qPrintable(QString::number(counted)));
    const QString received = line.input();
    QVERIFY2(received.size() >= counted,
             qPrintable(QStringLiteral("%1 of %2 counted").arg(received.size()).arg(counted)));
    QVERIFY2(received.contains(QString::fromLatin1(last)), qPrintable(received));
}

void TestComPort::lossIsRaisedAtOnce()
{
    SerialLine line;
    openOnTheTestPort(line);
    QFile request(sharedFolder().filePath(QStringLiteral("stop-sender")));
    QVERIFY(request.open(QIODevice::WriteOnly));
    request.close();
    QVERIFY(waitFor([] {
        return QFileInfo::exists(sharedFolder().filePath(QStringLiteral("sender-gone")));
    }));

    int number = 0;
    try {
        line.inBufferCount();
    } catch (const SerialError &error) {
        number = error.number();
    }
    QCOMPARE(number, 8020);
    QVERIFY(!line.portOpen());
}

QTEST_GUILESS_MAIN(TestComPort)
#include "tst_comport.moc"
