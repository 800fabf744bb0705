// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "networklink.h"
#include "unanswering.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <optional>

using namespace freqcounter;
using freqcounter::test::Unanswering;

namespace {

const Link::Naming &naming()
{
    static const Link::Naming named{
            QStringLiteral("port 1 (test)"),
            QStringLiteral("name the device with --com1 or FREQCOUNTER_COM1")};
    return named;
}

// A link with what it tells: whether it got through, and what went wrong.
struct Watched
{
    Watched()
    {
        QObject::connect(&link, &Link::failed, &link,
                         [this](const SerialError &error) { failure.emplace(error); });
        QObject::connect(&link, &Link::established, &link, [this] { established = true; });
    }
    NetworkLink link;
    std::optional<SerialError> failure;
    bool established = false;
};

QString addressOf(const QTcpServer &server)
{
    return QStringLiteral("tcp://127.0.0.1:%1").arg(server.serverPort());
}

} // namespace

class TestNetworkLink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addresses_data();
    void addresses();
    void refusedConnectionNamesTheWayOut();
    void hostThatNeverAnswersFailsAfterItsTime();
    void readingIsBoundedWhileTheCounterSendsFaster();
    void ipv6HostInBrackets();
};

void TestNetworkLink::addresses_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port"); // 0: no address

    QTest::newRow("IPv4") << QStringLiteral("tcp://192.168.1.20:5025")
                          << QStringLiteral("192.168.1.20") << 5025;
    QTest::newRow("a host name, any case of scheme")
            << QStringLiteral("TCP://counter.lab:4001") << QStringLiteral("counter.lab") << 4001;
    QTest::newRow("IPv6 in brackets")
            << QStringLiteral("tcp://[fe80::1]:5025") << QStringLiteral("fe80::1") << 5025;
    QTest::newRow("port 0") << QStringLiteral("tcp://192.168.1.20:0") << QString() << 0;
    QTest::newRow("port past 65535")
            << QStringLiteral("tcp://192.168.1.20:65536") << QString() << 0;
    QTest::newRow("no port") << QStringLiteral("tcp://counter.lab") << QString() << 0;
    QTest::newRow("a path") << QStringLiteral("tcp://counter.lab:5025/x") << QString() << 0;
    QTest::newRow("IPv6 without brackets")
            << QStringLiteral("tcp://fe80::1:5025") << QString() << 0;
}

void TestNetworkLink::addresses()
{
    QFETCH(QString, device);
    QFETCH(QString, host);
    QFETCH(int, port);

    const std::optional<NetworkAddress> address = NetworkAddress::parse(device);
    QCOMPARE(address.has_value(), port != 0);
    if (address) {
        QCOMPARE(address->host, host);
        QCOMPARE(int(address->port), port);
        return;
    }
    // Refused before anything is sent to the network.
    Watched watched;
    try {
        watched.link.open(device, {}, true, naming());
        QFAIL("no address was taken for one");
    } catch (const SerialError &error) {
        QCOMPARE(error.number(), 8001);
        QVERIFY2(error.description().contains(naming().wayOut), qPrintable(error.description()));
    }
}

void TestNetworkLink::refusedConnectionNamesTheWayOut()
{
    QTcpServer gone;
    QVERIFY(gone.listen(QHostAddress::LocalHost));
    const QString address = addressOf(gone);
    gone.close();

    Watched watched;
    watched.link.open(address, {}, true, naming());
    QTRY_VERIFY(watched.failure);
    QCOMPARE(watched.failure->number(), 8001);
    QVERIFY2(watched.failure->description().contains(QStringLiteral("refused the connection")),
             qPrintable(watched.failure->description()));
    QVERIFY(watched.failure->description().contains(naming().wayOut));
    QVERIFY(!watched.established);
}

void TestNetworkLink::hostThatNeverAnswersFailsAfterItsTime()
{
    const Unanswering host;
    QVERIFY(host.port() != 0);
    Watched watched;
    QElapsedTimer waited;
    waited.start();
    watched.link.open(QStringLiteral("tcp://127.0.0.1:%1").arg(host.port()), {}, true, naming());
    QTRY_VERIFY_WITH_TIMEOUT(watched.failure, 8000);
    const qint64 after = waited.elapsed();
    // Qt's timer may fire a few percent early.
    QVERIFY2(after >= NetworkLink::kConnectTime.count() * 9 / 10,
             qPrintable(QString::number(after)));
    QCOMPARE(watched.failure->number(), 8020);
    QVERIFY2(watched.failure->description().contains(QStringLiteral("did not answer within 5 s")),
             qPrintable(watched.failure->description()));
}

void TestNetworkLink::readingIsBoundedWhileTheCounterSendsFaster()
{
    QTcpServer counter;
    QVERIFY(counter.listen(QHostAddress::LocalHost));
    Watched watched;
    watched.link.open(addressOf(counter), {}, false, naming());
    QVERIFY(counter.waitForNewConnection(5000));
    QTcpSocket *peer = counter.nextPendingConnection();
    QTRY_VERIFY(watched.established);

    // Far more than the link buffers, and nothing read meanwhile.
    const QByteArray flood(qsizetype{8} * 1024 * 1024, '7');
    peer->write(flood);
    qint64 most = 0;
    QElapsedTimer sending;
    sending.start();
    while (sending.elapsed() < 1000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        watched.link.queued();
        most = qMax(most, watched.link.device().bytesAvailable());
    }
    QVERIFY2(most <= NetworkLink::kReadBufferSize, qPrintable(QString::number(most)));
    QVERIFY(most > 0);
    // The rest waits with the sender.
    QVERIFY(peer->bytesToWrite() > 0);
    QCOMPARE(watched.link.read(10), QStringLiteral("7777777777"));
    QVERIFY(!watched.failure);
}

void TestNetworkLink::ipv6HostInBrackets()
{
    QTcpServer counter;
    if (!counter.listen(QHostAddress::LocalHostIPv6))
        QSKIP("no IPv6 on the loopback interface here");
    Watched watched;
    watched.link.open(QStringLiteral("tcp://[::1]:%1").arg(counter.serverPort()), {}, false,
                      naming());
    QVERIFY(counter.waitForNewConnection(5000));
    counter.nextPendingConnection()->write("145.2\r\n");
    QTRY_VERIFY(watched.established);
    QTRY_COMPARE(watched.link.device().bytesAvailable(), qint64(7));
    QVERIFY(!watched.failure);
}

QTEST_GUILESS_MAIN(TestNetworkLink)
#include "tst_networklink.moc"
