// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readingserver.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>
#include <utility>

namespace freqcounter {

namespace {

// An address and a port as a user writes them; an IPv4 client of a server
// on both protocols is named by its IPv4 address.
QString endpoint(const QHostAddress &address, quint16 port)
{
    bool mapped = false;
    const quint32 ipv4 = address.toIPv4Address(&mapped);
    if (address.protocol() != QAbstractSocket::IPv6Protocol)
        return QStringLiteral("%1:%2").arg(address.toString()).arg(port);
    if (mapped && address != QHostAddress(QHostAddress::AnyIPv6))
        return QStringLiteral("%1:%2").arg(QHostAddress(ipv4).toString()).arg(port);
    return QStringLiteral("[%1]:%2").arg(address.toString()).arg(port);
}

// Qt's words for a socket's fault, to follow a colon mid-sentence.
QString midSentence(QString text)
{
    if (text.size() > 1 && text.at(0).isUpper() && text.at(1).isLower())
        text[0] = text.at(0).toLower();
    return text;
}

} // namespace

ServeAddress::Parsed ServeAddress::parse(QStringView value)
{
    const auto noPort = [value] {
        return Parsed{std::nullopt,
                      tr("%1 names no port from 1 to 65535; give [ADDRESS:]PORT, such as 5025 "
                         "or 0.0.0.0:5025")
                              .arg(value)};
    };
    ServeAddress where;
    QStringView host;
    QStringView portText = value;
    if (value.startsWith(u'[')) {
        const qsizetype close = value.indexOf(u"]:");
        if (close < 0)
            return noPort();
        host = value.sliced(1, close - 1);
        portText = value.sliced(close + 2);
    } else if (value.count(u':') > 1) {
        return {std::nullopt,
                tr("%1: an IPv6 address goes in brackets, such as [::]:5025").arg(value)};
    } else if (const qsizetype colon = value.indexOf(u':'); colon >= 0) {
        host = value.first(colon);
        portText = value.sliced(colon + 1);
    }
    if (host.isEmpty() && portText.size() < value.size())
        return {std::nullopt, tr("%1 names no address before its port").arg(value)};
    // An IPv4 address only as written in full (not 1.2.3 for 1.2.0.3).
    if (!host.isEmpty()
        && (!where.address.setAddress(host.toString())
            || (where.address.protocol() == QAbstractSocket::IPv4Protocol
                && where.address.toString() != host))) {
        return {std::nullopt,
                tr("%1 is no IP address; give one of this machine's, such as 0.0.0.0 "
                   "(every interface) or 192.168.1.7, or the port alone (this machine only)")
                        .arg(host)};
    }
    const bool digits = !portText.isEmpty() && portText.size() <= 5
            && std::all_of(portText.begin(), portText.end(),
                           [](QChar c) { return c >= u'0' && c <= u'9'; });
    const uint port = digits ? portText.toUInt() : 0;
    if (port < 1 || port > 65535)
        return noPort();
    where.port = quint16(port);
    return {where, {}};
}

QString ServeAddress::toString() const
{
    return endpoint(address, port);
}

ReadingServer::ReadingServer(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &ReadingServer::takeConnections);
}

std::optional<QString> ReadingServer::listen(const ServeAddress &where)
{
    m_server->close();
    if (m_server->listen(where.address, where.port))
        return std::nullopt;
    QString why;
    switch (m_server->serverError()) {
    case QAbstractSocket::AddressInUseError:
        why = tr("the port is in use (another program, or another logger, listens there)");
        break;
    case QAbstractSocket::SocketAddressNotAvailableError:
        why = tr("the address is none of this machine's");
        break;
    case QAbstractSocket::SocketAccessError:
        why = tr("permission denied (a port below 1024 needs privileges)");
        break;
    default:
        why = midSentence(m_server->errorString());
        break;
    }
    return tr("Cannot serve the readings on %1: %2.").arg(where.toString(), why);
}

ServeAddress ReadingServer::address() const
{
    ServeAddress where;
    where.address = m_server->serverAddress();
    where.port = m_server->serverPort();
    return where;
}

void ReadingServer::tellChanges(const QObject *context,
                                const std::function<void(const QString &)> &tell)
{
    connect(this, &ReadingServer::clientConnected, context, tell);
    connect(this, &ReadingServer::clientLeft, context, tell);
    connect(this, &ReadingServer::clientDropped, context, tell);
    connect(this, &ReadingServer::clientRefused, context, tell);
}

void ReadingServer::send(QByteArrayView reading)
{
    if (m_clients.isEmpty())
        return;
    m_line.resize(0);
    m_line.append(reading).append("\r\n");
    // A copy: dropping a client changes the list.
    const QList<Client> clients = m_clients;
    for (const Client &client : clients) {
        client.socket->write(m_line);
        if (client.socket->bytesToWrite() > kMostPending)
            forget(client.socket, true);
    }
}

void ReadingServer::takeConnections()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        const QString name = endpoint(socket->peerAddress(), socket->peerPort());
        if (m_clients.size() >= kMostClients) {
            socket->abort();
            socket->deleteLater();
            Q_EMIT clientRefused(tr("refused client %1: %2 clients are connected, the most served "
                                    "at once")
                                         .arg(name)
                                         .arg(kMostClients));
            continue;
        }
        socket->setReadBufferSize(kReadBufferSize);
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(socket, &QTcpSocket::readyRead, this,
                [socket] { socket->skip(socket->bytesAvailable()); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { forget(socket, false); });
        m_clients.append({socket, name});
        Q_EMIT clientConnected(tr("client %1 connected (%2 of at most %3)")
                                       .arg(name)
                                       .arg(m_clients.size())
                                       .arg(kMostClients));
    }
}

void ReadingServer::forget(QTcpSocket *socket, bool dropped)
{
    const auto found
            = std::find_if(m_clients.cbegin(), m_clients.cend(),
                           [socket](const Client &client) { return client.socket == socket; });
    if (found == m_clients.cend())
        return;
    const QString name = found->name;
    m_clients.erase(found);
    // Told once, here: the abort is not to be told again as a client leaving.
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    if (dropped)
        Q_EMIT clientDropped(tr("dropped client %1: it did not read its readings").arg(name));
    else
        Q_EMIT clientLeft(tr("client %1 left (%2 of at most %3 still connected)")
                                  .arg(name)
                                  .arg(m_clients.size())
                                  .arg(kMostClients));
}

} // namespace freqcounter
