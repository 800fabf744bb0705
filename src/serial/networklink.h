// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link.h"
#include "networkaddress.h"

#include <QAbstractSocket>
#include <QElapsedTimer>

#include <chrono>

class QTcpSocket;
class QTimer;

namespace freqcounter {

// A counter's stream over a raw TCP connection, as the line's device: an
// instrument's SCPI port, or a serial-to-Ethernet adapter. Connecting never
// blocks: until connected there is nothing to read, and what is written
// waits. A host not found, a refusal, no connection within its time, the
// connection lost, or one that stops taking what is sent, are the line's
// numbered errors.
class NetworkLink : public Link
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kConnectTime{5000};
    static constexpr std::chrono::milliseconds kStallTime{10000};
    // Enough for any answer; beyond it the sender waits, instead of this
    // program's memory growing.
    static constexpr qint64 kReadBufferSize = qint64{64} * 1024;

    explicit NetworkLink(QObject *parent = nullptr);

    // The line's settings are the adapter's business, not the network's.
    void open(const QString &device, const LineSettings &line, bool sends,
              const Naming &naming) override;
    QIODevice &device() override;
    bool isEstablished() const override;
    qint64 queued() override;
    QString read(qint64 most) override;

private:
    void onError(QAbstractSocket::SocketError error);
    void fail(SerialErrorCode code, const QString &description);

    QTcpSocket *m_socket = nullptr;
    QTimer *m_connectTimer = nullptr;
    NetworkAddress m_address;
    Naming m_naming;
    QElapsedTimer m_stalled; // since sent bytes were last taken
    bool m_failed = false;
};

} // namespace freqcounter
