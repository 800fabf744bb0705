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

// Enough for any answer; beyond it the sender waits, instead of this
// program's memory growing.
constexpr qint64 kReadBufferSize = qint64{64} * 1024;

} // namespace

NetworkLink::NetworkLink(QObject *parent)
    : QObject(parent)
    , m_socket(new QTcpSocket(this))
    , m_connectTimer(new QTimer(this))
{
    m_socket->setReadBufferSize(kReadBufferSize);
    m_connectTimer->setSingleShot(true);
    m_connectTimer->setInterval(kConnectTime);
    connect(m_socket, &QTcpSocket::connected, this, &NetworkLink::onConnected);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &NetworkLink::onError);
    connect(m_socket, &QTcpSocket::bytesWritten, this, [this] { m_stalled.restart(); });
    connect(m_connectTimer, &QTimer::timeout, this, [this] {
        fail(SerialErrorCode::DeviceLost,
             tr("Network %1 did not answer within %2 s. Check that the counter is on the "
                "network and its address is right.")
                     .arg(m_label)
                     .arg(kConnectTime.count() / 1000));
    });
}

void NetworkLink::open(const NetworkAddress &address, const QString &label)
{
    m_address = address;
    m_label = label;
    m_pending.clear();
    m_failure.reset();
    // A counter's answers are small: each is sent as soon as it is written.
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    m_socket->connectToHost(address.host, address.port);
    m_connectTimer->start();
}

void NetworkLink::close()
{
    raiseIfFailed();
    m_connectTimer->stop();
    m_pending.clear();
    m_failure.reset();
    m_socket->abort();
}

bool NetworkLink::isOpen() const
{
    return !m_failure && m_socket->state() != QAbstractSocket::UnconnectedState;
}

qint64 NetworkLink::waiting()
{
    raiseIfFailed();
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        return 0;
    // What has come since the event loop last looked, also a hang-up.
    if (m_socket->bytesAvailable() == 0)
        m_socket->waitForReadyRead(0);
    raiseIfFailed();
    if (m_socket->bytesToWrite() > 0 && m_stalled.isValid()
        && m_stalled.elapsed() > kStallTime.count()) {
        fail(SerialErrorCode::DeviceLost,
             tr("Network %1 was lost while open: it has taken nothing sent for %2 s.")
                     .arg(m_label)
                     .arg(kStallTime.count() / 1000));
        raiseIfFailed();
    }
    return m_socket->bytesAvailable();
}

QByteArray NetworkLink::read(qint64 most)
{
    raiseIfFailed();
    return m_socket->read(most);
}

void NetworkLink::write(const QByteArray &bytes)
{
    raiseIfFailed();
    if (m_socket->state() != QAbstractSocket::ConnectedState) {
        m_pending += bytes;
        return;
    }
    if (m_socket->bytesToWrite() == 0)
        m_stalled.restart();
    m_socket->write(bytes);
    m_socket->flush();
}

void NetworkLink::onConnected()
{
    m_connectTimer->stop();
    m_stalled.restart();
    if (!m_pending.isEmpty()) {
        m_socket->write(m_pending);
        m_pending.clear();
    }
}

void NetworkLink::onError(QAbstractSocket::SocketError error)
{
    if (m_failure || error == QAbstractSocket::SocketTimeoutError)
        return;
    const bool connecting = m_connectTimer->isActive();
    switch (error) {
    case QAbstractSocket::HostNotFoundError:
        fail(SerialErrorCode::PortNotFound,
             tr("Network %1: the host %2 was not found. Check the address.")
                     .arg(m_label, m_address.host));
        return;
    case QAbstractSocket::ConnectionRefusedError:
        fail(SerialErrorCode::PortNotFound,
             tr("Network %1 refused the connection: nothing listens on port %2 of %3. Check "
                "the address and that the counter (or its adapter) takes connections.")
                     .arg(m_label)
                     .arg(m_address.port)
                     .arg(m_address.host));
        return;
    default:
        break;
    }
    if (connecting) {
        fail(SerialErrorCode::PortNotFound,
             tr("Network %1 could not be reached: %2.")
                     .arg(m_label, midSentence(m_socket->errorString())));
    } else {
        fail(SerialErrorCode::DeviceLost,
             tr("Network %1 was lost while open: %2. Reconnect the counter, then start the "
                "program again.")
                     .arg(m_label, midSentence(m_socket->errorString())));
    }
}

void NetworkLink::fail(SerialErrorCode code, const QString &description)
{
    if (m_failure)
        return;
    m_connectTimer->stop();
    m_failure.emplace(code, description);
}

void NetworkLink::raiseIfFailed()
{
    if (!m_failure)
        return;
    // Raised once; afterwards the link is simply closed.
    const SerialError failure = *m_failure;
    m_failure.reset();
    m_pending.clear();
    m_socket->abort();
    throw failure;
}

} // namespace freqcounter
