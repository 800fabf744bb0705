// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

class QTcpServer;
class QTcpSocket;

namespace freqcounter {

// Where the readings are served, as --serve [ADDRESS:]PORT names it: an IP
// address (this machine alone when none is given) and a TCP port.
class ServeAddress
{
    Q_DECLARE_TR_FUNCTIONS(ServeAddress)

public:
    struct Parsed;

    QHostAddress address = QHostAddress(QHostAddress::LocalHost);
    quint16 port = 0;

    // "5025", "0.0.0.0:5025", "[::]:5025", "192.168.1.7:5025"; the port
    // from 1 to 65535.
    static Parsed parse(QStringView value);
    // "127.0.0.1:5025", "[::1]:5025".
    QString toString() const;
};

struct ServeAddress::Parsed
{
    std::optional<ServeAddress> address;
    // When there is none: what is wrong with the value, in a few words to
    // follow the option's name.
    QString mistake;
};

// Serves the live readings on a TCP port: each reading it is given goes to
// every connected client as one line ended by CR LF, as a counter on the
// network sends it, so a window elsewhere reads it with --com1
// tcp://HOST:PORT. At most kMostClients (8) clients are served at once; one
// more is accepted and closed at once. What a client sends is read and
// thrown away, and a client that does not read what it is sent is dropped
// once more than kMostPending (64 KiB) waits for it. Each change of its
// clients is told as a line of text; saying it is the owner's business.
class ReadingServer : public QObject
{
    Q_OBJECT

public:
    static constexpr qsizetype kMostClients = 8;
    static constexpr qint64 kMostPending = qint64{64} * 1024;
    // What a client has sent and is yet to be thrown away.
    static constexpr qint64 kReadBufferSize = qint64{64} * 1024;

    explicit ReadingServer(QObject *parent = nullptr);

    // Port 0 takes any free port. Nothing when it listens; otherwise why
    // not, naming the address and the port.
    std::optional<QString> listen(const ServeAddress &where);
    // Where it listens, with the port taken.
    ServeAddress address() const;
    qsizetype clientCount() const { return m_clients.size(); }

    // Each change of its clients (the four signals below), told as a line,
    // handed to tell for as long as the context lives.
    void tellChanges(const QObject *context, const std::function<void(const QString &)> &tell);

    // The reading as the counter sent it, without its line end; next to
    // nothing while no client is connected.
    void send(QByteArrayView reading);

Q_SIGNALS:
    void clientConnected(const QString &text);
    void clientLeft(const QString &text);
    void clientDropped(const QString &text);
    void clientRefused(const QString &text);

private:
    struct Client
    {
        QTcpSocket *socket = nullptr;
        QString name; // its address and port, kept for when it is gone
    };

    void takeConnections();
    void forget(QTcpSocket *socket, bool dropped);

    QTcpServer *m_server = nullptr;
    QList<Client> m_clients;
    QByteArray m_line; // the line being sent, its memory kept between readings
};

} // namespace freqcounter
