// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "serialline.h"

#include "networkaddress.h"
#include "networklink.h"
#include "serialportlink.h"

#include <QMetaObject>

namespace freqcounter {

SerialLine::SerialLine(QObject *parent)
    : QObject(parent)
    , m_serialPort(new SerialPortLink(this))
    , m_network(new NetworkLink(this))
    , m_link(m_serialPort)
{
    for (Link *link : {static_cast<Link *>(m_serialPort), static_cast<Link *>(m_network)}) {
        connect(link, &Link::failed, this, [this, link](const SerialError &error) {
            if (link == m_link)
                onFailed(error);
        });
        connect(link, &Link::established, this, [this, link] {
            if (link == m_link && m_open)
                keepOnceEstablished();
        });
    }
}

SerialLine::~SerialLine() = default;

bool SerialLine::portOpen() const
{
    return m_open && !m_failure;
}

bool SerialLine::held() const
{
    return m_open;
}

void SerialLine::setPortOpen(bool open)
{
    if (open)
        this->open();
    else
        close();
}

void SerialLine::setCommPort(qint16 port)
{
    if (port < kFirstPort || port > kLastPort) {
        throw SerialError(SerialErrorCode::InvalidPortNumber,
                          tr("Invalid port number %1: choose a port from %2 to %3.")
                                  .arg(port)
                                  .arg(kFirstPort)
                                  .arg(kLastPort));
    }
    if (held()) {
        throw SerialError(SerialErrorCode::PortAlreadyOpen,
                          tr("Cannot choose port %1 while serial %2 is open; close it first.")
                                  .arg(port)
                                  .arg(portLabel()));
    }
    m_settings.commPort = port;
}

qint16 SerialLine::inBufferCount()
{
    checkReadable();
    const qint64 queued = m_failure ? 0 : m_link->queued();
    // What the device held when it failed is read before the failure is told.
    const qint64 waiting
            = m_failure ? m_leftOver.size() : m_link->device().bytesAvailable() + queued;
    if (waiting == 0 && m_failure)
        raiseFailure();
    return static_cast<qint16>(qMin(waiting, m_settings.inBufferSize));
}

QString SerialLine::input()
{
    checkReadable();
    if (!m_failure) {
        QString received = m_link->read(m_settings.inBufferSize);
        if (!m_failure)
            return received;
    }
    if (m_leftOver.isEmpty())
        raiseFailure();
    const QByteArray part = m_leftOver.first(qMin(m_leftOver.size(), m_settings.inBufferSize));
    m_leftOver.remove(0, part.size());
    return m_link->decode(part);
}

void SerialLine::output(const QByteArray &bytes)
{
    checkReadable();
    // A line that has failed sends nothing; the failure is raised once what
    // came before it has been read.
    if (m_failure) {
        if (m_leftOver.isEmpty())
            raiseFailure();
        return;
    }
    // Out at once, as far as the line takes it, and the rest as it can. A
    // network link still connecting sends it once connected: waiting on it
    // now would give the connection up.
    QIODevice &device = m_link->device();
    device.write(bytes);
    if (m_link->isEstablished())
        device.waitForBytesWritten(0);
}

void SerialLine::open()
{
    if (held()) {
        throw SerialError(SerialErrorCode::PortAlreadyOpen,
                          tr("Serial %1 is already open.").arg(portLabel()));
    }

    QString device = m_devices.named(m_settings.commPort);
    if (device.isEmpty()) {
        m_lastFound = m_devices.found();
        device = m_devices.deviceFor(m_settings.commPort, *m_lastFound);
    }
    if (device.isEmpty()) {
        throw SerialError(SerialErrorCode::PortNotFound,
                          tr("No serial port was found for port %1. Plug in the counter's USB "
                             "serial adapter, or %2.")
                                  .arg(m_settings.commPort)
                                  .arg(naming(device).wayOut));
    }
    openOn(device, portSettingsFor(device));
}

void SerialLine::reopen(const QString &device)
{
    if (held()) {
        throw SerialError(SerialErrorCode::PortAlreadyOpen,
                          tr("Serial %1 is already open.").arg(portLabel()));
    }
    openOn(device, m_openSettings);
}

void SerialLine::openOn(const QString &device, const PortSettings &port)
{
    Link *link = NetworkAddress::isAddress(device) ? static_cast<Link *>(m_network)
                                                   : static_cast<Link *>(m_serialPort);
    try {
        link->open(device, port.line, port.counter.sends(), naming(device));
    } catch (const SerialError &error) {
        throw SerialError(SerialErrorCode(error.number()),
                          error.description() + m_devices.keptNote(m_settings.commPort, device));
    }
    m_link = link;
    m_open = true;
    m_failure.reset();
    m_leftOver.clear();
    m_openDevice = device;
    m_openSettings = port;
}

bool SerialLine::isEstablished() const
{
    return portOpen() && m_link->isEstablished();
}

void SerialLine::close()
{
    if (!held())
        return;
    if (m_failure)
        raiseFailure();
    closeDevice();
}

void SerialLine::closeDevice()
{
    m_open = false;
    m_deviceToKeep.reset();
    m_settingsToKeep.reset();
    m_link->device().close();
}

void SerialLine::onFailed(const SerialError &error)
{
    if (!m_open || m_failure)
        return;
    // A connection that never came about, to a device kept from Line
    // Settings, says how to get past it.
    QString description = error.description();
    if (!m_link->isEstablished())
        description += m_devices.keptNote(m_settings.commPort, m_openDevice);
    m_failure.emplace(SerialErrorCode(error.number()), description);
    // What it received before is read first. The device is closed as soon
    // as control is back in the event loop: some Qt versions keep reporting
    // a hang-up as fast as they can while a port stays open, and closing it
    // here would delete the notifier that is reporting.
    Link *failed = m_link;
    m_leftOver += failed->device().readAll();
    QMetaObject::invokeMethod(
            this,
            [this, failed] {
                if (m_failure && m_link == failed && failed->device().isOpen()) {
                    m_leftOver += failed->device().readAll();
                    failed->device().close();
                }
            },
            Qt::QueuedConnection);
}

void SerialLine::raiseFailure()
{
    // Told once; afterwards the line is simply closed.
    const SerialError failure = *m_failure;
    m_failure.reset();
    m_leftOver.clear();
    closeDevice();
    throw failure;
}

void SerialLine::checkReadable()
{
    if (!held()) {
        throw SerialError(SerialErrorCode::PortNotOpen,
                          tr("Serial %1 is not open.").arg(portLabel()));
    }
}

void SerialLine::keepOnceEstablished()
{
    if (m_deviceToKeep)
        PortDevices::keep(m_settings.commPort, *m_deviceToKeep);
    if (m_settingsToKeep)
        m_settingsToKeep->keepFor(m_openDevice);
    m_deviceToKeep.reset();
    m_settingsToKeep.reset();
}

Link::Naming SerialLine::naming(const QString &device) const
{
    const qint16 port = m_settings.commPort;
    const QString label
            = device.isEmpty() ? tr("port %1").arg(port) : tr("port %1 (%2)").arg(port).arg(device);
#ifdef Q_OS_WIN
    // Windows numbers its ports itself; Device Manager tells which is which.
    if (!NetworkAddress::isAddress(device)) {
        return {label,
                tr("name its port (Device Manager lists them under Ports (COM & LPT)) with %1 "
                   "or %2")
                        .arg(PortDevices::option(port), PortDevices::environmentVariable(port))};
    }
#endif
    return {label,
            tr("name the device with %1 or %2")
                    .arg(PortDevices::option(port), PortDevices::environmentVariable(port))};
}

PortSettings SerialLine::portSettingsFor(const QString &device) const
{
    return m_devices.overrides(m_settings.commPort).over(PortSettings::keptFor(device));
}

PortSettings SerialLine::portSettings() const
{
    return held() ? m_openSettings : portSettingsFor(deviceName());
}

Counter::Line SerialLine::counterLine() const
{
    return {m_settings.commPort, m_openDevice, portSettings().counter, m_link->characterTime(),
            m_link->inPieces()};
}

void SerialLine::changePortSettings(const PortSettings &settings,
                                    const std::optional<QString> &device)
{
    const bool wasOpen = portOpen();
    close();
    const qint16 port = m_settings.commPort;
    if (device) {
        m_devices.name(port, *device);
        // Forgetting the device can lock no one out: at once. Another is
        // kept once the line has opened on it.
        if (device->isEmpty())
            PortDevices::keep(port, QString());
    }
    m_devices.setOverrides(port, PortOverrides::all(settings));
    if (!wasOpen)
        return;
    open();
    if (device && !device->isEmpty())
        m_deviceToKeep = device;
    m_settingsToKeep = settings;
    if (m_link->isEstablished())
        keepOnceEstablished();
}

QString SerialLine::portLabel() const
{
    // A closed line names its device only when one is named: finding one
    // would mean enumerating the system's ports for an error message.
    const QString device = held() ? m_openDevice : m_devices.named(m_settings.commPort);
    if (device.isEmpty())
        return tr("port %1").arg(m_settings.commPort);
    return tr("port %1 (%2)").arg(m_settings.commPort).arg(device);
}

} // namespace freqcounter
