// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reconnection.h"
#include "serialline.h"

#include <QTcpServer>
#include <QTest>

using namespace freqcounter;

class TestReconnection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void networkWaitsLongerEachTryAndSaysSoOnce();
};

// A counter on the network that refuses every connection until it listens
// again: the tries come after 1, 2, 4, 8, 16 and 30 s, and every 30 s from
// then on, on the time given; the loss is told once, and the return once.
void TestReconnection::networkWaitsLongerEachTryAndSaysSoOnce()
{
    QTcpServer counter;
    QVERIFY(counter.listen(QHostAddress::LocalHost));
    const quint16 port = counter.serverPort();
    qputenv("FREQCOUNTER_COM1", "tcp://127.0.0.1:" + QByteArray::number(port));
    counter.close();

    SerialLine line;
    QStringList told;
    Reconnection reconnection(line, [&told](const QString &text) { told.append(text); });
    line.setPortOpen(true);
    reconnection.opened();

    // Polls the line, as a tick does, until it raises its refusal.
    const auto refused = [&line](SerialError &error) {
        return QTest::qWaitFor([&] {
            try {
                line.inBufferCount();
            } catch (const SerialError &raised) {
                error = raised;
                return true;
            }
            return false;
        });
    };
    qint64 now = 0;
    QList<qint64> waits;
    for (int attempt = 0; attempt < 7; ++attempt) {
        SerialError error(SerialErrorCode::DeviceLost, {});
        QVERIFY(refused(error));
        QVERIFY(reconnection.lose(error, now));
        const qint64 lostAt = now;
        while (!reconnection.reopenIfDue(now))
            now += 250;
        QCOMPARE(reconnection.state(), Reconnection::State::Trying);
        waits.append(now - lostAt);
    }
    QCOMPARE(waits, (QList<qint64>{1000, 2000, 4000, 8000, 16000, 30000, 30000}));
    QCOMPARE(told.size(), 1);
    QVERIFY(told.first().endsWith(QStringLiteral(" Waiting for it to come back.")));

    QVERIFY(counter.listen(QHostAddress::LocalHost, port));
    QVERIFY(QTest::qWaitFor([&] {
        reconnection.check(now);
        return reconnection.state() == Reconnection::State::Open;
    }));
    QCOMPARE(told.size(), 2);
    QCOMPARE(told.last(),
             QStringLiteral("Port 1 (tcp://127.0.0.1:%1) is back after %2 s.")
                     .arg(port)
                     .arg((now + 500) / 1000));
    qunsetenv("FREQCOUNTER_COM1");
}

QTEST_GUILESS_MAIN(TestReconnection)
#include "tst_reconnection.moc"
