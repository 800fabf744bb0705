// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readingserver.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

using namespace freqcounter;
using namespace Qt::StringLiterals;

class TestReadingServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void optionValues_data();
    void optionValues();
    void mistakenOptionValues_data();
    void mistakenOptionValues();
    void clientsGetTheSameLinesUpToTheLimit();
    void clientThatDoesNotReadIsDropped();
    void whatAClientSendsGoesNowhere();

private:
    // A client the server has counted; its receive buffer is set, when
    // given, before the connection's window is.
    std::unique_ptr<QTcpSocket> connected(qint64 receiveBuffer = 0);

    std::unique_ptr<ReadingServer> m_server;
};

void TestReadingServer::init()
{
    m_server = std::make_unique<ReadingServer>();
    const std::optional<QString> why = m_server->listen(ServeAddress{});
    QVERIFY2(!why, qPrintable(why.value_or(QString())));
}

std::unique_ptr<QTcpSocket> TestReadingServer::connected(qint64 receiveBuffer)
{
    auto client = std::make_unique<QTcpSocket>();
    const qsizetype before = m_server->clientCount();
    if (receiveBuffer > 0) {
        client->bind(QHostAddress::LocalHost);
        client->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, receiveBuffer);
        client->setReadBufferSize(receiveBuffer);
    }
    client->connectToHost(QHostAddress::LocalHost, m_server->address().port);
    const bool counted = QTest::qWaitFor([&] { return m_server->clientCount() > before; });
    return counted ? std::move(client) : nullptr;
}

void TestReadingServer::optionValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("served");
    QTest::newRow("port alone: this machine only") << u"5025"_s << u"127.0.0.1:5025"_s;
    QTest::newRow("every IPv4 interface") << u"0.0.0.0:5025"_s << u"0.0.0.0:5025"_s;
    QTest::newRow("IPv6 in brackets") << u"[::]:65535"_s << u"[::]:65535"_s;
}

void TestReadingServer::optionValues()
{
    QFETCH(QString, value);
    QFETCH(QString, served);
    const ServeAddress::Parsed parsed = ServeAddress::parse(value);
    QVERIFY2(parsed.address, qPrintable(parsed.mistake));
    QCOMPARE(parsed.address->toString(), served);
}

void TestReadingServer::mistakenOptionValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("told");
    QTest::newRow("port 0") << u"0"_s << u"no port"_s;
    QTest::newRow("port past 65535") << u"0.0.0.0:65536"_s << u"no port"_s;
    QTest::newRow("IPv6 without brackets") << u"::1:5025"_s << u"brackets"_s;
    QTest::newRow("a host name") << u"counter.lab:5025"_s << u"counter.lab is no IP"_s;
    QTest::newRow("IPv4 short of a part") << u"1.2.3:5025"_s << u"1.2.3 is no IP"_s;
}

void TestReadingServer::mistakenOptionValues()
{
    QFETCH(QString, value);
    QFETCH(QString, told);
    const ServeAddress::Parsed parsed = ServeAddress::parse(value);
    QVERIFY(!parsed.address);
    QVERIFY2(parsed.mistake.contains(told), qPrintable(parsed.mistake));
}

void TestReadingServer::clientsGetTheSameLinesUpToTheLimit()
{
    QSignalSpy refused(m_server.get(), &ReadingServer::clientRefused);
    QVERIFY(refused.isValid());
    std::vector<std::unique_ptr<QTcpSocket>> clients;
    while (qsizetype(clients.size()) < ReadingServer::kMostClients) {
        clients.push_back(connected());
        QVERIFY(clients.back());
    }
    QTcpSocket extra;
    extra.connectToHost(QHostAddress::LocalHost, m_server->address().port);
    QTRY_COMPARE(extra.state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(refused.count(), 1);

    for (const char *reading : {"145.00012", "145.00013", "433.920"})
        m_server->send(reading);
    const QByteArray lines = "145.00012\r\n145.00013\r\n433.920\r\n";
    for (const auto &client : {clients.front().get(), clients.back().get()}) {
        QTRY_COMPARE(client->bytesAvailable(), lines.size());
        QCOMPARE(client->readAll(), lines);
    }
}

void TestReadingServer::clientThatDoesNotReadIsDropped()
{
    QSignalSpy dropped(m_server.get(), &ReadingServer::clientDropped);
    QSignalSpy left(m_server.get(), &ReadingServer::clientLeft);
    const auto reader = connected();
    const auto stuck = connected(4096);
    QVERIFY(reader && stuck);
    qint64 received = 0;
    connect(reader.get(), &QTcpSocket::readyRead, this,
            [&] { received += reader->skip(reader->bytesAvailable()); });

    // Long readings, fast, but never so many at once that the reader falls behind.
    const QByteArray reading(1000, '7');
    qint64 sent = 0;
    QVERIFY(QTest::qWaitFor(
            [&] {
                for (int i = 0; i < 16 && dropped.isEmpty(); ++i, sent += reading.size() + 2)
                    m_server->send(reading);
                return !dropped.isEmpty();
            },
            10000));
    const QString told = dropped.first().first().toString();
    QVERIFY2(told.contains(QString::number(stuck->localPort())), qPrintable(told));
    m_server->send("145.2");
    QTRY_COMPARE(received, sent + 7);
    QCOMPARE(m_server->clientCount(), 1);
    QCOMPARE(dropped.count(), 1);
    QVERIFY(left.isEmpty());
}

void TestReadingServer::whatAClientSendsGoesNowhere()
{
    const auto talker = connected();
    const auto listener = connected();
    QVERIFY(talker && listener);

    // Far more than the kernels hold while the server reads nothing, and no
    // line end: all of it is sent only if the server reads and throws away.
    const QByteArray chunk(qsizetype{1024} * 1024, '1');
    int chunks = 0;
    qint64 held = 0;
    QVERIFY(QTest::qWaitFor(
            [&] {
                for (const QTcpSocket *socket : m_server->findChildren<QTcpSocket *>())
                    held = std::max(held, socket->bytesAvailable());
                if (chunks < 12 && talker->bytesToWrite() < chunk.size()) {
                    talker->write(chunk);
                    ++chunks;
                }
                return chunks == 12 && talker->bytesToWrite() == 0;
            },
            20000));
    QVERIFY2(held <= ReadingServer::kReadBufferSize, qPrintable(QString::number(held)));
    m_server->send("145.2");
    QTRY_COMPARE(listener->bytesAvailable(), qint64(7));
    QCOMPARE(listener->readAll(), QByteArray("145.2\r\n"));
    QCOMPARE(m_server->clientCount(), 2);
}

QTEST_GUILESS_MAIN(TestReadingServer)
#include "tst_readingserver.moc"
