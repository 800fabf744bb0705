// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "counter.h"
#include "link.h"
#include "portdevices.h"
#include "portsettings.h"
#include "serialerror.h"
#include "serialsettings.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

namespace freqcounter {

class NetworkLink;
class SerialPortLink;

// The serial line the window holds: its stored settings and the five
// operations performed on it, open and close (PortOpen), choose port
// (CommPort), count (InBufferCount) and read (Input), and a sixth, send,
// for a counter that must be set up or asked. A port named tcp://HOST:PORT
// is a counter on the network: the line then reaches it through a network
// link instead of a serial port, and reads, writes, counts and closes it
// the same way. Every operation that fails raises a SerialError; what
// arrived before a device failed is read first. Nothing is reported or
// shown from here.
class SerialLine : public QObject
{
    Q_OBJECT

public:
    static constexpr qint16 kFirstPort = 1;
    static constexpr qint16 kLastPort = 16;

    explicit SerialLine(QObject *parent = nullptr);
    ~SerialLine() override;

    // PortOpen. Opening a line that is already open raises; closing one that
    // is closed does nothing.
    bool portOpen() const;
    void setPortOpen(bool open);

    // CommPort: which port the next open uses. Changed only while closed.
    qint16 commPort() const { return m_settings.commPort; }
    void setCommPort(qint16 port);

    // InBufferCount: characters received and not yet read, counting those
    // still held by the operating system's driver; never more than the
    // receive buffer. A device that has gone raises its loss here, once
    // everything it received has been read.
    qint16 inBufferCount();

    // Input: takes every waiting character, up to the receive buffer's size,
    // one character per received byte, and U+FFFD for one received with a
    // parity or framing error.
    QString input();

    // Sends to the counter: a setup or a query. Raises as a read does when
    // the line is not open or is lost.
    void output(const QByteArray &bytes);

    // Opens the line again on a device, after it was lost: the same adapter,
    // found perhaps under another name, with the settings it had. Raises as
    // an open does.
    void reopen(const QString &device);

    // Whether its counter can be reached: open, not failed, and for the
    // network connected.
    bool isEstablished() const;

    // How the line speaks and what its counter needs, while open or at its
    // next open: as given for this run, else as kept for its device, else
    // the counter's own (1200/8n1, talking by itself, in MHz).
    PortSettings portSettings() const;
    // Takes these from now on, for this run, reopening the line when it is
    // open; once it has opened so, keeps them for its device too. A device
    // that refuses them raises, and they are not kept. With a device (or a
    // network address), the port stands for it from now on, and, once it
    // has opened, at the next start too; an empty one leaves the port to
    // the ports found.
    void changePortSettings(const PortSettings &settings,
                            const std::optional<QString> &device = std::nullopt);

    // What the counter read through this line is told at each opening.
    Counter::Line counterLine() const;

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
    void open();
    void openOn(const QString &device, const PortSettings &settings);
    void close();
    void checkReadable();
    bool held() const;
    void onFailed(const SerialError &error);
    void closeDevice();
    void keepOnceEstablished();
    [[noreturn]] void raiseFailure();
    Link::Naming naming(const QString &device) const;
    QString portLabel() const;
    PortSettings portSettingsFor(const QString &device) const;

    SerialSettings m_settings;
    PortDevices m_devices;
    SerialPortLink *m_serialPort = nullptr;
    NetworkLink *m_network = nullptr;
    Link *m_link = nullptr; // the one the line was last opened on
    QString m_openDevice;
    PortSettings m_openSettings; // what it was last opened with
    std::optional<QList<PortDescription>> m_lastFound;
    bool m_open = false;
    // What went wrong while open, raised once what came before it is read.
    std::optional<SerialError> m_failure;
    QByteArray m_leftOver; // what the device held when it failed
    // A device and settings chosen in Line Settings, kept once the line
    // has opened on them.
    std::optional<QString> m_deviceToKeep;
    std::optional<PortSettings> m_settingsToKeep;
};

} // namespace freqcounter
