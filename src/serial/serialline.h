// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "networklink.h"
#include "portdevices.h"
#include "portsettings.h"
#include "serialerror.h"
#include "serialsettings.h"

#include <QObject>
#include <QSerialPort>
#include <QString>

#include <optional>

namespace freqcounter {

// The serial line the window holds: its stored settings and the five
// operations performed on it, open and close (PortOpen), choose port
// (CommPort), count (InBufferCount) and read (Input). It only receives,
// unless its counter must be set up or asked: then it sends that too. A
// port named tcp://HOST:PORT is a counter on the network, read the same way.
// Every operation that fails raises a SerialError; nothing is reported or
// shown from here.
class SerialLine : public QObject
{
    Q_OBJECT

public:
    static constexpr qint16 kFirstPort = 1;
    static constexpr qint16 kLastPort = 16;

    explicit SerialLine(QObject *parent = nullptr);

    // PortOpen. Opening a line that is already open raises; closing one that
    // is closed does nothing.
    bool portOpen() const;
    void setPortOpen(bool open);

    // CommPort: which port the next open uses. Changed only while closed.
    qint16 commPort() const { return m_settings.commPort; }
    void setCommPort(qint16 port);

    // InBufferCount: characters received and not yet read, counting those
    // still held by the operating system's driver; never more than the
    // receive buffer. A device that has gone raises its loss here at once.
    qint16 inBufferCount();

    // Input: takes every waiting character, up to the receive buffer's size,
    // one character per received byte.
    QString input();

    const SerialSettings &settings() const { return m_settings; }

    // How the line speaks and what its counter needs, while open or at its
    // next open: as given for this run, else as kept for its device, else
    // the counter's own (1200/8n1, talking by itself, in MHz).
    PortSettings portSettings() const;
    // Takes these from now on, for this run, reopening the line when it is
    // open; once it has opened so, keeps them for its device too. A device
    // that refuses them raises, and they are not kept. With a device (or a
    // network address), the port stands for it from now on, and at the next
    // start; an empty one leaves the port to the ports found.
    void changePortSettings(const PortSettings &settings,
                            const std::optional<QString> &device = std::nullopt);

    // Sends to the counter: a query. Raises as a read does when the line is
    // not open or is lost.
    void output(const QByteArray &bytes);

    // Which device each port number stands for; asked anew at every open.
    const PortDevices &portDevices() const { return m_devices; }
    void setPortDevices(PortDevices devices) { m_devices = std::move(devices); }

    // The device the current port number stands for right now; empty when
    // none is found.
    QString deviceName() const { return m_devices.deviceFor(m_settings.commPort); }

    // The device the line was last opened on, as it was named or found.
    const QString &openDevice() const { return m_openDevice; }

    // The ports found when an open last had to look for its device; none
    // while every open has had its device named.
    const std::optional<QList<PortDescription>> &lastFound() const { return m_lastFound; }

private:
    // Between reads QSerialPort fetches no more than this on its own: it then
    // stops watching the device, instead of waking the program for every
    // character that arrives. Reads take the rest straight from the device.
    static constexpr qint64 kFetchAhead = 1;
    // The longest a read waits for characters the driver has already counted.
    static constexpr int kPullLimitMs = 50;

    void open();
    void close();
    void raiseIfLost();
    void checkReadable();
    bool held() const;
    void openOnNetwork(const QString &device, const PortSettings &port);
    void pullFromSystem(qint64 wanted);
    qint64 systemQueued();
    void onPortError(QSerialPort::SerialPortError error);
    void dropLostPort();
    [[noreturn]] void raiseOpenFailure(const QString &device);
    QString remedy() const;
    [[noreturn]] void raiseLost();
    QString portLabel() const;
    PortSettings portSettingsFor(const QString &device) const;

    SerialSettings m_settings;
    PortDevices m_devices;
    QSerialPort *m_port = nullptr;
    NetworkLink *m_link = nullptr;
    bool m_onNetwork = false; // whether the line was last opened on the network
    QString m_openDevice;
    std::optional<QList<PortDescription>> m_lastFound;
    bool m_inOwnCall = false;
    bool m_lost = false;
};

} // namespace freqcounter
