// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "portsettings.h"

#include <QList>
#include <QMap>
#include <QString>

#include <functional>
#include <optional>

namespace freqcounter {

// One serial port the system has, as its enumeration describes it.
struct PortDescription
{
    QString device = {}; // /dev/ttyUSB0, COM3
    QString stableName = {}; // its /dev/serial/by-id name, where it has one
    QString description = {};
    QString manufacturer = {};
    QString serialNumber = {};
    bool usb = false;
    quint16 vendorId = 0; // with the product, where it is a USB adapter
    quint16 productId = 0;
};

// What tells a serial adapter from any other wherever the system puts it
// next: its vendor, product and serial number, else its /dev/serial/by-id
// name, else its device name. An adapter that comes back under another name
// (ttyUSB1 for ttyUSB0) is found again by it, and another adapter is never
// taken for it.
struct AdapterIdentity
{
    QString device; // as it was opened
    QString stableName;
    QString serialNumber;
    quint16 vendorId = 0;
    quint16 productId = 0;
    bool usb = false;

    // The device's identity among the ports found. One that is not among
    // them (a pseudo-terminal, a port Qt does not list) is known by its name
    // alone.
    static AdapterIdentity of(const QString &device, const QList<PortDescription> &found);
    // Whether finding it again needs the ports found: a device known by its
    // name alone is simply opened by it.
    bool listed() const { return usb || !stableName.isEmpty(); }
    // Where it is among the ports found now; empty while it is not back.
    QString findIn(const QList<PortDescription> &found) const;
};

// The serial ports Qt finds on this system, in no particular order.
QList<PortDescription> availablePorts();

// Where a device is among the ports found, by name or through a link (such
// as a /dev/serial/by-id name); -1 when it is not.
qsizetype indexOfPort(const QList<PortDescription> &found, const QString &device);

// The order in which found ports become port 1, 2, ...: USB adapters first,
// then the rest; within each, those with a serial number first, by serial
// number, then by device name (ttyUSB2 before ttyUSB10, COM3 before COM12),
// so that neither
// plugging order nor a restart reorders them.
QList<PortDescription> inDiscoveryOrder(QList<PortDescription> ports);

// Which device each port number stands for: a device named on the command
// line, else FREQCOUNTER_COM<n>, else one chosen from the menu before, else
// the n-th port found; and what the
// command line says of each port's line and counter.
// Nothing is remembered between calls, so an adapter plugged in after start
// is found the next time its port is opened. It opens nothing.
class PortDevices
{
public:
    using Enumerator = std::function<QList<PortDescription>()>;

    // The enumerator is replaceable, so that tests can stand in for hardware.
    explicit PortDevices(Enumerator enumerate = &availablePorts);

    void name(qint16 port, const QString &device);

    // The device named for a port by option, variable or an earlier choice;
    // empty if none.
    QString named(qint16 port) const;

    // A device chosen for a port from the menu, kept for the next start;
    // empty for none (the port found then serves).
    static QString kept(qint16 port);
    static void keep(qint16 port, const QString &device);

    // The device a port stands for right now; empty when none is found.
    // Enumerates only when nothing is named.
    QString deviceFor(qint16 port) const;
    // The same, among ports already found.
    QString deviceFor(qint16 port, const QList<PortDescription> &found) const;

    // What the command line says of a port's line and counter for this run,
    // over what is kept for its device.
    void setOverrides(qint16 port, const PortOverrides &given) { m_overrides.insert(port, given); }
    PortOverrides overrides(qint16 port) const { return m_overrides.value(port); }

    // The ports found, in discovery order.
    QList<PortDescription> found() const;

    // Which device a port stands for among the ports found, as users read
    // it: "/dev/ttyUSB0: FT232R USB UART (FTDI)".
    QString describe(qint16 port, const QList<PortDescription> &found) const;

    // What a failure to open the device kept from Line Settings for a port
    // says of the way past it, after a space; empty for any other device.
    QString keptNote(qint16 port, const QString &device) const;

    static QString environmentVariable(qint16 port);
    static QString option(qint16 port);
    // The option that forgets the device kept for a port: --forget-com1.
    static QString forgetOption(qint16 port);

private:
    QMap<qint16, QString> m_named;
    QMap<qint16, PortOverrides> m_overrides;
    Enumerator m_enumerate;
};

} // namespace freqcounter
