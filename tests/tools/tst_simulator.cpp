// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <clocale>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

QString simulatorPath()
{
    return QStringLiteral(FREQCOUNTER_SIM);
}

struct Received
{
    QByteArray bytes;
    QList<qint64> atMs; // arrival time of each byte
};

// Reads from the device until `readings` line-ended readings have arrived
// (or, with no line end, until `bytes` bytes have).
Received receive(const QString &device, int readings, qsizetype bytes, const QByteArray &end)
{
    Received received;
    const int fd = ::open(device.toLocal8Bit().constData(), O_RDONLY | O_NOCTTY);
    if (fd < 0)
        return received;
    termios raw{};
    ::tcgetattr(fd, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(fd, TCSANOW, &raw);

    QElapsedTimer clock;
    clock.start();
    auto done = [&] {
        return end.isEmpty() ? received.bytes.size() >= bytes
                             : received.bytes.count(end) >= readings;
    };
    while (!done() && clock.elapsed() < 10000) {
        pollfd waiting{fd, POLLIN, 0};
        if (::poll(&waiting, 1, 100) <= 0)
            continue;
        char c = 0;
        if (::read(fd, &c, 1) == 1) {
            received.bytes.append(c);
            received.atMs.append(clock.elapsed());
        }
    }
    ::close(fd);
    return received;
}

QString firstLineOf(QProcess &process)
{
    if (!process.canReadLine())
        process.waitForReadyRead(5000);
    return QString::fromLocal8Bit(process.readLine()).trimmed();
}

} // namespace

class TestSimulator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readingsLookLikeTheCounters_data();
    void readingsLookLikeTheCounters();
    void pacedAtTheLineSpeed();
    void stopsCleanlyOnTerminate();
    void rejectsBadOptions_data();
    void rejectsBadOptions();
};

void TestSimulator::readingsLookLikeTheCounters_data()
{
    QTest::addColumn<QString>("eol");
    QTest::addColumn<QByteArray>("end");
    QTest::addColumn<QByteArray>("locale");

    QTest::newRow("CRLF, the default") << QString() << QByteArray("\r\n") << QByteArray();
    QTest::newRow("CR") << QStringLiteral("cr") << QByteArray("\r") << QByteArray();
    QTest::newRow("LF") << QStringLiteral("lf") << QByteArray("\n") << QByteArray();
    QTest::newRow("none: readings apart by silence")
            << QStringLiteral("none") << QByteArray() << QByteArray();
    QTest::newRow("a German locale: still a decimal point")
            << QString() << QByteArray("\r\n") << QByteArray("de_DE.UTF-8");
}

void TestSimulator::readingsLookLikeTheCounters()
{
    QFETCH(QString, eol);
    QFETCH(QByteArray, end);
    QFETCH(QByteArray, locale);

    QProcess simulator;
    if (!locale.isEmpty()) {
        // scripts/test makes the locale; without it the row proves nothing.
        const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
        const bool available = std::setlocale(LC_NUMERIC, locale.constData()) != nullptr;
        std::setlocale(LC_NUMERIC, saved.c_str());
        if (!available)
            QSKIP("the locale is not installed");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
        simulator.setProcessEnvironment(environment);
    }
    QStringList arguments{QStringLiteral("--frequency"), QStringLiteral("433.92"),
                          QStringLiteral("--interval"),  QStringLiteral("150"),
                          QStringLiteral("--count"),     QStringLiteral("3")};
    if (!eol.isEmpty())
        arguments << QStringLiteral("--eol") << eol;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString log = dir.filePath(QStringLiteral("sent.txt"));
    arguments << QStringLiteral("--log") << log;
    simulator.start(simulatorPath(), arguments);
    const QString device = firstLineOf(simulator);
    QVERIFY2(device.startsWith(QLatin1StringView("/dev/pts/")), qPrintable(device));

    const Received received = receive(device, 3, qsizetype(3) * 8, end);
    QVERIFY(simulator.waitForFinished(5000));
    QCOMPARE(simulator.exitCode(), 0);

    // Three readings of eight characters, each ended as asked.
    const QString text = QString::fromLatin1(received.bytes);
    static const QRegularExpression reading(QStringLiteral("^(433\\.9\\d{3}|434\\.0\\d{3})$"));
    QStringList readings;
    if (end.isEmpty()) {
        QCOMPARE(text.size(), 24);
        for (qsizetype at = 0; at < text.size(); at += 8)
            readings.append(text.mid(at, 8));
    } else {
        readings = text.split(QString::fromLatin1(end));
        QCOMPARE(readings.takeLast(), QString());
    }
    QCOMPARE(readings.size(), 3);
    for (const QString &one : std::as_const(readings))
        QVERIFY2(reading.match(one).hasMatch(), qPrintable(text));

    // The log names each reading sent, one a line, which tests under Wine
    // compare with what the program recorded.
    QFile sent(log);
    QVERIFY(sent.open(QIODevice::ReadOnly));
    QCOMPARE(sent.readAll().replace('\n', end), received.bytes);
}

void TestSimulator::pacedAtTheLineSpeed()
{
    // The second reading is sent while the port is open: its ten characters
    // take at least nine character times at 120 a second. What this side
    // sees can only be shorter when it was itself kept waiting and read a
    // backlog at once, as on a loaded machine: so the pace must show in one
    // of three runs, which a simulator that does not pace never shows.
    qint64 longestMs = -1;
    qint64 paceMs = 0;
    for (int run = 0; run < 3 && longestMs < paceMs; ++run) {
        QProcess simulator;
        simulator.start(simulatorPath(),
                        {QStringLiteral("--interval"), QStringLiteral("300"),
                         QStringLiteral("--count"), QStringLiteral("2")});
        const QString device = firstLineOf(simulator);
        const Received received = receive(device, 2, 0, "\r\n");
        QVERIFY(simulator.waitForFinished(5000));
        QCOMPARE(received.bytes.count("\r\n"), 2);
        const qsizetype start = received.bytes.indexOf("\r\n") + 2;
        const qsizetype last = received.bytes.size() - 1;
        paceMs = (last - start) * 1000 / 120 - 5;
        longestMs = std::max(longestMs, received.atMs.at(last) - received.atMs.at(start));
    }
    QVERIFY2(longestMs >= paceMs, qPrintable(QString::number(longestMs)));
}

void TestSimulator::stopsCleanlyOnTerminate()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("com1"));
    QProcess simulator;
    simulator.start(simulatorPath(), {QStringLiteral("--link"), link});
    const QString device = firstLineOf(simulator);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QFileInfo(link).symLinkTarget(), device);

    ::kill(static_cast<pid_t>(simulator.processId()), SIGTERM);
    QVERIFY(simulator.waitForFinished(2000));
    QCOMPARE(simulator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(simulator.exitCode(), 0);
    QVERIFY(!QFileInfo::exists(link) && !QFileInfo(link).isSymLink());
}

void TestSimulator::rejectsBadOptions_data()
{
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("unknown line end")
            << QStringList{QStringLiteral("--eol"), QStringLiteral("crcr")};
    QTest::newRow("frequency not a number")
            << QStringList{QStringLiteral("--frequency"), QStringLiteral("abc")};
    QTest::newRow("negative interval")
            << QStringList{QStringLiteral("--interval"), QStringLiteral("-5")};
    QTest::newRow("link and device together")
            << QStringList{QStringLiteral("--link"), QStringLiteral("/tmp/x"),
                           QStringLiteral("--device"), QStringLiteral("/dev/ttyS0")};
    QTest::newRow("device that does not exist") << QStringList{
            QStringLiteral("--device"), QStringLiteral("/dev/freqcounter-no-such-port")};
}

void TestSimulator::rejectsBadOptions()
{
    QFETCH(QStringList, arguments);

    QProcess simulator;
    simulator.start(simulatorPath(), arguments);
    QVERIFY(simulator.waitForFinished(5000));
    QCOMPARE(simulator.exitCode(), 2);
    QVERIFY(simulator.readAllStandardError().startsWith("freqcounter-sim: "));
}

QTEST_GUILESS_MAIN(TestSimulator)
#include "tst_simulator.moc"
