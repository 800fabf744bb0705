// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "networkaddress.h"
#include "serialerror.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>

#include <chrono>
#include <optional>

class QTcpSocket;
class QTimer;

namespace freqcounter {

// A counter's stream over a raw TCP connection, in place of a serial line:
// an instrument's SCPI port, or a serial-to-Ethernet adapter. Connecting never
// blocks the window: until connected the link holds nothing to read and
// keeps what is to be sent. What goes wrong (a host not found, a refusal, no
// connection within its time, the connection lost, or one that stops taking
// what is sent) is raised once, at the next operation.
class NetworkLink : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kConnectTime{5000};
    static constexpr std::chrono::milliseconds kStallTime{10000};

    explicit NetworkLink(QObject *parent = nullptr);

    // Starts connecting; label names the port and address in what is raised.
    void open(const NetworkAddress &address, const QString &label);
    // Raises what went wrong, if anything, then closes.
    void close();
    // Connecting or connected, and nothing gone wrong.
    bool isOpen() const;
    // Whether it is open, or has gone wrong and not yet said so.
    bool isHeld() const { return m_failure.has_value() || isOpen(); }

    qint64 waiting();
    QByteArray read(qint64 most);
    void write(const QByteArray &bytes);

private:
    void onConnected();
    void onError(QAbstractSocket::SocketError error);
    void fail(SerialErrorCode code, const QString &description);
    void raiseIfFailed();

    QTcpSocket *m_socket = nullptr;
    QTimer *m_connectTimer = nullptr;
    NetworkAddress m_address;
    QString m_label;
    QByteArray m_pending; // to send once connected
    QElapsedTimer m_stalled; // since sent bytes were last taken
    std::optional<SerialError> m_failure;
};

} // namespace freqcounter
