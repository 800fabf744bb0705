// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "serialline.h"

#include <QByteArray>
#include <QFileInfo>
#include <QMetaObject>
#include <QScopedValueRollback>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <sys/ioctl.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <QDeadlineTimer>
#include <windows.h>
#endif

namespace freqcounter {

namespace {

#ifdef Q_OS_UNIX
bool permissionDenied(const QString &device)
{
    const QByteArray path = device.toLocal8Bit();
    return ::access(path.constData(), R_OK) != 0 && (errno == EACCES || errno == EPERM);
}
#endif

} // namespace

SerialLine::SerialLine(QObject *parent)
    : QObject(parent)
    , m_port(new QSerialPort(this))
    , m_link(new NetworkLink(this))
{
    connect(m_port, &QSerialPort::errorOccurred, this, &SerialLine::onPortError);
}

bool SerialLine::portOpen() const
{
    if (m_onNetwork)
        return m_link->isOpen();
    return m_port->isOpen() && !m_lost;
}

bool SerialLine::held() const
{
    return m_onNetwork ? m_link->isHeld() : m_port->isOpen();
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
    raiseIfLost();
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
    if (m_onNetwork)
        return static_cast<qint16>(qMin(m_link->waiting(), m_settings.inBufferSize));
    const qint64 waiting = m_port->bytesAvailable() + systemQueued();
    return static_cast<qint16>(qMin(waiting, m_settings.inBufferSize));
}

QString SerialLine::input()
{
    checkReadable();
    if (m_onNetwork)
        return QString::fromLatin1(m_link->read(m_settings.inBufferSize));
    // Counted before the buffer opens: on Windows, opening it starts a read
    // that moves the driver's characters out of its count.
    const qint64 wanted = qMin(m_port->bytesAvailable() + systemQueued(), m_settings.inBufferSize);
    // Open the port's buffer to the receive buffer's size for this read only.
    m_port->setReadBufferSize(m_settings.inBufferSize);
    pullFromSystem(wanted);
    const QByteArray received = m_port->read(m_settings.inBufferSize);
    m_port->setReadBufferSize(kFetchAhead);
    return QString::fromLatin1(received);
}

void SerialLine::open()
{
    raiseIfLost();
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
                                  .arg(remedy()));
    }
    if (NetworkAddress::isAddress(device)) {
        openOnNetwork(device, portSettingsFor(device));
        return;
    }
    m_onNetwork = false;
    // Lock files are named after the device; a link (such as a name under
    // /dev/serial/by-id) must lock the same device other programs lock.
    const QString resolved = QFileInfo(device).canonicalFilePath();
    m_port->setPortName(resolved.isEmpty() ? device : resolved);
    const PortSettings port = portSettingsFor(device);
    const LineSettings &line = port.line;
    m_settings.baudRate = line.baudRate;
    m_settings.dataBits = line.dataBits;
    m_settings.parity = line.parity;
    m_settings.stopBits = line.stopBits;
    m_settings.flowControl = line.flowControl;
    m_port->setBaudRate(m_settings.baudRate);
    m_port->setDataBits(m_settings.dataBits);
    m_port->setParity(m_settings.parity);
    m_port->setStopBits(m_settings.stopBits);
    m_port->setFlowControl(m_settings.flowControl);
    m_port->setReadBufferSize(kFetchAhead);

    bool opened = false;
    {
        const QScopedValueRollback ownCall(m_inOwnCall, true);
        // Nothing is sent to a counter that talks by itself.
        const bool sends = port.asks() || !port.setup.isEmpty();
        opened = m_port->open(sends ? QIODevice::ReadWrite : QIODevice::ReadOnly);
    }
    if (!opened)
        raiseOpenFailure(device);
    m_openDevice = device;
    if (!port.setup.isEmpty())
        output(port.setupBytes());
}

void SerialLine::openOnNetwork(const QString &device, const PortSettings &port)
{
    const std::optional<NetworkAddress> address = NetworkAddress::parse(device);
    if (!address) {
        throw SerialError(SerialErrorCode::PortNotFound,
                          tr("Port %1: %2 is no network address; give tcp://HOST:PORT, such "
                             "as tcp://192.168.1.20:5025, or %3.")
                                  .arg(m_settings.commPort)
                                  .arg(device, remedy()));
    }
    m_onNetwork = true;
    m_openDevice = device;
    m_link->open(*address, tr("port %1 (%2)").arg(m_settings.commPort).arg(device));
    if (!port.setup.isEmpty())
        output(port.setupBytes());
}

void SerialLine::close()
{
    if (m_onNetwork) {
        m_link->close();
        return;
    }
    raiseIfLost();
    if (!m_port->isOpen())
        return;
    const QScopedValueRollback ownCall(m_inOwnCall, true);
    m_port->close();
}

void SerialLine::raiseIfLost()
{
    if (!m_lost)
        return;
    raiseLost();
}

void SerialLine::raiseLost()
{
    // The loss is raised once; afterwards the line is simply closed.
    const QString label = portLabel();
    m_lost = false;
    if (m_port->isOpen()) {
        const QScopedValueRollback ownCall(m_inOwnCall, true);
        m_port->close();
    }
    throw SerialError(SerialErrorCode::DeviceLost,
                      tr("Serial %1 was lost while open: the device hung up or was unplugged. "
                         "Reconnect it, then start the program again.")
                              .arg(label));
}

void SerialLine::checkReadable()
{
    raiseIfLost();
    if (!held()) {
        throw SerialError(SerialErrorCode::PortNotOpen,
                          tr("Serial %1 is not open.").arg(portLabel()));
    }
}

qint64 SerialLine::systemQueued()
{
    // A device that hung up or was unplugged answers every request with an
    // error, whether or not the event loop has run since: asking how much it
    // holds is also asking whether it is still there.
#if defined(Q_OS_UNIX)
    int queued = 0;
    if (::ioctl(static_cast<int>(m_port->handle()), FIONREAD, &queued) != 0)
        raiseLost();
    return queued;
#elif defined(Q_OS_WIN)
    COMSTAT status{};
    if (::ClearCommError(m_port->handle(), nullptr, &status) == 0)
        raiseLost();
    return status.cbInQue;
#else
    return 0;
#endif
}

void SerialLine::pullFromSystem(qint64 wanted)
{
    // QSerialPort fetches bytes only when the event loop lets it; a read must
    // also take what the device had received when it was counted.
    if (m_port->bytesAvailable() >= wanted)
        return;
    const QScopedValueRollback ownCall(m_inOwnCall, true);
#ifdef Q_OS_WIN
    // There the characters come through completions of reads QSerialPort
    // has started, and one that brings nothing may come first: wait, briefly,
    // until those counted are in.
    const QDeadlineTimer deadline(kPullLimitMs);
    while (m_port->bytesAvailable() < wanted && !deadline.hasExpired())
        m_port->waitForReadyRead(int(deadline.remainingTime()));
#else
    m_port->waitForReadyRead(0);
#endif
}

void SerialLine::onPortError(QSerialPort::SerialPortError error)
{
    if (m_inOwnCall || m_lost || !m_port->isOpen())
        return;
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
        return;
    // The first real error while open means the device is gone. Some Qt
    // versions keep reporting it as fast as they can while the port stays
    // open, so it is closed as soon as control is back in the event loop
    // (closing here would delete the notifier that is reporting), and the
    // next operation raises the loss.
    m_lost = true;
    QMetaObject::invokeMethod(this, &SerialLine::dropLostPort, Qt::QueuedConnection);
}

void SerialLine::dropLostPort()
{
    if (m_lost && m_port->isOpen()) {
        const QScopedValueRollback ownCall(m_inOwnCall, true);
        m_port->close();
    }
}

void SerialLine::raiseOpenFailure(const QString &device)
{
    const QString label = tr("port %1 (%2)").arg(m_settings.commPort).arg(device);
    switch (m_port->error()) {
    case QSerialPort::DeviceNotFoundError:
        throw SerialError(
                SerialErrorCode::PortNotFound,
                tr("Serial %1 does not exist. Connect the counter, or %2.").arg(label, remedy()));
    case QSerialPort::ResourceError:
        throw SerialError(SerialErrorCode::PortNotFound,
                          tr("Serial %1 has no serial hardware behind it. Connect the "
                             "counter, or %2.")
                                  .arg(label, remedy()));
    case QSerialPort::PermissionError:
#ifdef Q_OS_UNIX
        if (permissionDenied(device)) {
            // Name the device's own group when it is one a user can join.
            QString group = QFileInfo(device).group();
            if (group.isEmpty() || group == QLatin1StringView("root"))
                group = QStringLiteral("dialout");
            throw SerialError(SerialErrorCode::PermissionDenied,
                              tr("Permission denied on serial %1. Add your user to the "
                                 "group %2 that owns serial devices "
                                 "(sudo usermod -aG %2 $USER), then log out and in again.")
                                      .arg(label, group));
        }
#endif
        [[fallthrough]];
    case QSerialPort::OpenError:
        throw SerialError(SerialErrorCode::PortInUse,
                          tr("Serial %1 is in use by another program. Close that "
                             "program, then start again.")
                                  .arg(label));
    default:
        throw SerialError(SerialErrorCode::SetupFailed,
                          tr("Serial %1 could not be set up as a serial line at %2 (%3): %4.")
                                  .arg(label, portSettingsFor(device).line.text(),
                                       portSettingsFor(device).line.description(),
                                       m_port->errorString()));
    }
}

QString SerialLine::remedy() const
{
#ifdef Q_OS_WIN
    // Windows numbers its ports itself; Device Manager tells which is which.
    return tr("name its port (Device Manager lists them under Ports (COM & LPT)) with %1 or %2")
            .arg(PortDevices::option(m_settings.commPort),
                 PortDevices::environmentVariable(m_settings.commPort));
#else
    return tr("name the device with %1 or %2")
            .arg(PortDevices::option(m_settings.commPort),
                 PortDevices::environmentVariable(m_settings.commPort));
#endif
}

PortSettings SerialLine::portSettingsFor(const QString &device) const
{
    return m_devices.overrides(m_settings.commPort).over(PortSettings::keptFor(device));
}

PortSettings SerialLine::portSettings() const
{
    return portSettingsFor(held() ? m_openDevice : deviceName());
}

void SerialLine::changePortSettings(const PortSettings &settings,
                                    const std::optional<QString> &device)
{
    const bool wasOpen = portOpen();
    close();
    if (device) {
        m_devices.name(m_settings.commPort, *device);
        PortDevices::keep(m_settings.commPort, *device);
    }
    m_devices.setOverrides(m_settings.commPort, PortOverrides::all(settings));
    if (!wasOpen)
        return;
    open();
    settings.keepFor(m_openDevice);
}

void SerialLine::output(const QByteArray &bytes)
{
    checkReadable();
    if (m_onNetwork) {
        m_link->write(bytes);
        return;
    }
    // Out at once, as far as the line takes it; QSerialPort writes the rest
    // as it can.
    const QScopedValueRollback ownCall(m_inOwnCall, true);
    m_port->write(bytes);
    m_port->flush();
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
