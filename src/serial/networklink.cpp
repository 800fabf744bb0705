// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "networklink.h"

#include <QTcpSocket>
#include <QTimer>

namespace freqcounter {

namespace {

// Qt's words for a socket's fault, to follow a colon mid-sentence.
QString midSentence(QString text)
{
    if (text.size() > 1 && text.at(0).isUpper() && text.at(1).isLower())
        text[0] = text.at(0).toLower();
    return text;
}

} // namespace

NetworkLink::NetworkLink(QObject *parent)
    : Link(parent)
    , m_socket(new QTcpSocket(this))
    , m_connectTimer(new QTimer(this))
{
    m_inPieces = true;
    m_socket->setReadBufferSize(kReadBufferSize);
    m_connectTimer->setSingleShot(true);
    m_connectTimer->setInterval(kConnectTime);
    connect(m_socket, &QTcpSocket::connected, this, [this] {
        m_connectTimer->stop();
        m_stalled.restart();
        Q_EMIT established();
    });
    connect(m_socket, &QTcpSocket::errorOccurred, this, &NetworkLink::onError);
    connect(m_socket, &QTcpSocket::bytesWritten, this, [this] { m_stalled.restart(); });
    connect(m_connectTimer, &QTimer::timeout, this, [this] {
        fail(SerialErrorCode::DeviceLost,
             tr("Network %1 did not answer within %2 s. Check that the counter is on the "
                "network and its address is right, or %3.")
                     .arg(m_naming.label)
                     .arg(kConnectTime.count() / 1000)
                     .arg(m_naming.wayOut));
    });
}

void NetworkLink::open(const QString &device, const LineSettings &, bool, const Naming &naming)
{
    m_naming = naming;
    const std::optional<NetworkAddress> address = NetworkAddress::parse(device);
    if (!address) {
        throw SerialError(SerialErrorCode::PortNotFound,
                          tr("Network %1: %2 is no network address; give tcp://HOST:PORT, "
                             "such as tcp://192.168.1.20:5025, or %3.")
                                  .arg(naming.label, device, naming.wayOut));
    }
    m_address = *address;
    // A connection closed while it still had something to send may linger
    // until the peer takes it: it is dropped.
    m_socket->abort();
    m_failed = false;
    m_stalled.invalidate();
    // A counter's answers are small: each is sent as soon as it is written.
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    m_socket->connectToHost(m_address.host, m_address.port);
    m_connectTimer->start();
}

QIODevice &NetworkLink::device()
{
    return *m_socket;
}

bool NetworkLink::isEstablished() const
{
    return m_socket->state() == QAbstractSocket::ConnectedState;
}

qint64 NetworkLink::queued()
{
    if (!isEstablished())
        return 0;
    // What has come since the event loop last looked, also a hang-up.
    if (m_socket->bytesAvailable() == 0)
        m_socket->waitForReadyRead(0);
    if (m_socket->bytesToWrite() > 0 && m_stalled.isValid()
        && m_stalled.elapsed() > kStallTime.count()) {
        fail(SerialErrorCode::DeviceLost,
             tr("Network %1 was lost while open: it has taken nothing sent for %2 s.")
                     .arg(m_naming.label)
                     .arg(kStallTime.count() / 1000));
    }
    return 0;
}

QString NetworkLink::read(qint64 most)
{
    return QString::fromLatin1(m_socket->read(most));
}

void NetworkLink::onError(QAbstractSocket::SocketError error)
{
    if (error == QAbstractSocket::SocketTimeoutError)
        return;
    const QString &label = m_naming.label;
    switch (error) {
    case QAbstractSocket::HostNotFoundError:
        fail(SerialErrorCode::PortNotFound,
             tr("Network %1: the host %2 was not found. Check the address, or %3.")
                     .arg(label, m_address.host, m_naming.wayOut));
        return;
    case QAbstractSocket::ConnectionRefusedError:
        fail(SerialErrorCode::PortNotFound,
             tr("Network %1 refused the connection: nothing listens on port %2 of %3. Check "
                "the address and that the counter (or its adapter) takes connections, or %4.")
                     .arg(label)
                     .arg(m_address.port)
                     .arg(m_address.host, m_naming.wayOut));
        return;
    default:
        break;
    }
    if (m_connectTimer->isActive()) {
        fail(SerialErrorCode::PortNotFound,
             tr("Network %1 could not be reached: %2. Check the address, or %3.")
                     .arg(label, midSentence(m_socket->errorString()), m_naming.wayOut));
    } else {
        fail(SerialErrorCode::DeviceLost,
             tr("Network %1 was lost while open: %2. Reconnect the counter, then start the "
                "program again.")
                     .arg(label, midSentence(m_socket->errorString())));
    }
}

void NetworkLink::fail(SerialErrorCode code, const QString &description)
{
    if (m_failed)
        return;
    m_failed = true;
    m_connectTimer->stop();
    Q_EMIT failed(SerialError(code, description));
}

} // namespace freqcounter
