// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "portdevices.h"

#include "keptsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>
#include <tuple>

namespace freqcounter {

namespace {

// "/dev/ttyUSB10" as ("/dev/ttyUSB", 10), "COM12" as ("COM", 12), so that
// numbered devices sort as numbers.
std::tuple<QStringView, qulonglong, QStringView> nameKey(const QString &device)
{
    qsizetype digitsAt = device.size();
    while (digitsAt > 0 && device.at(digitsAt - 1).isDigit())
        --digitsAt;
    const QStringView digits = QStringView(device).sliced(digitsAt);
    return {QStringView(device).first(digitsAt), digits.toULongLong(), digits};
}

#ifdef Q_OS_UNIX
// The /dev/serial/by-id links, by the device each points to.
QMap<QString, QString> stableNames()
{
    QMap<QString, QString> names;
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    const QFileInfoList links
            = byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo &link : links)
        names.insert(link.canonicalFilePath(), link.absoluteFilePath());
    return names;
}
#endif

} // namespace

QList<PortDescription> availablePorts()
{
#ifdef Q_OS_UNIX
    const QMap<QString, QString> byId = stableNames();
#endif
    QList<PortDescription> ports;
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        PortDescription port;
        port.device = info.systemLocation();
#ifdef Q_OS_UNIX
        port.stableName = byId.value(QFileInfo(port.device).canonicalFilePath());
#else
        port.device = info.portName();
#endif
        port.description = info.description();
        port.manufacturer = info.manufacturer();
        port.serialNumber = info.serialNumber();
        port.usb = info.hasVendorIdentifier() && info.hasProductIdentifier();
        port.vendorId = info.vendorIdentifier();
        port.productId = info.productIdentifier();
        ports.append(port);
    }
    return ports;
}

qsizetype indexOfPort(const QList<PortDescription> &found, const QString &device)
{
#ifdef Q_OS_WIN
    // COM5, com5: Windows does not tell them apart.
    const Qt::CaseSensitivity sensitivity = Qt::CaseInsensitive;
    const QString target;
#else
    const Qt::CaseSensitivity sensitivity = Qt::CaseSensitive;
    const QString target = QFileInfo(device).canonicalFilePath();
#endif
    for (qsizetype i = 0; i < found.size(); ++i) {
        const QString &candidate = found.at(i).device;
        if (candidate.compare(device, sensitivity) == 0
            || (!target.isEmpty() && candidate == target))
            return i;
    }
    return -1;
}

AdapterIdentity AdapterIdentity::of(const QString &device, const QList<PortDescription> &found)
{
    AdapterIdentity identity;
    identity.device = device;
    const qsizetype at = indexOfPort(found, device);
    if (at < 0)
        return identity;
    const PortDescription &port = found.at(at);
    identity.stableName = port.stableName;
    identity.serialNumber = port.serialNumber;
    identity.vendorId = port.vendorId;
    identity.productId = port.productId;
    identity.usb = port.usb;
    return identity;
}

QString AdapterIdentity::findIn(const QList<PortDescription> &found) const
{
    if (!listed())
        return device;
    const auto same = [this](const PortDescription &port) {
        if (usb && !serialNumber.isEmpty()) {
            return port.usb && port.vendorId == vendorId && port.productId == productId
                    && port.serialNumber == serialNumber;
        }
        if (!stableName.isEmpty())
            return port.stableName == stableName;
        // Without a serial number one adapter of a make looks like the next:
        // only the one at the same place is taken for it.
        return port.usb && port.vendorId == vendorId && port.productId == productId
                && indexOfPort({port}, device) == 0;
    };
    const auto back = std::find_if(found.cbegin(), found.cend(), same);
    return back == found.cend() ? QString() : back->device;
}

QList<PortDescription> inDiscoveryOrder(QList<PortDescription> ports)
{
    std::stable_sort(ports.begin(), ports.end(),
                     [](const PortDescription &a, const PortDescription &b) {
                         if (a.usb != b.usb)
                             return a.usb;
                         if (a.serialNumber.isEmpty() != b.serialNumber.isEmpty())
                             return b.serialNumber.isEmpty();
                         if (a.serialNumber != b.serialNumber)
                             return a.serialNumber < b.serialNumber;
                         return nameKey(a.device) < nameKey(b.device);
                     });
    return ports;
}

PortDevices::PortDevices(Enumerator enumerate)
    : m_enumerate(std::move(enumerate))
{}

void PortDevices::name(qint16 port, const QString &device)
{
    m_named.insert(port, device);
}

QString PortDevices::named(qint16 port) const
{
    QString option = m_named.value(port);
    if (!option.isEmpty())
        return option;
    QString variable = qEnvironmentVariable(environmentVariable(port).toLatin1().constData());
    if (!variable.isEmpty())
        return variable;
    return kept(port);
}

QString PortDevices::kept(qint16 port)
{
    return keptSettings().value(QStringLiteral("devices/com%1").arg(port)).toString();
}

void PortDevices::keep(qint16 port, const QString &device)
{
    QSettings settings = keptSettings();
    const QString key = QStringLiteral("devices/com%1").arg(port);
    if (device.isEmpty())
        settings.remove(key);
    else
        settings.setValue(key, device);
}

QString PortDevices::deviceFor(qint16 port) const
{
    QString device = named(port);
    if (!device.isEmpty())
        return device;
    return deviceFor(port, found());
}

QString PortDevices::deviceFor(qint16 port, const QList<PortDescription> &found) const
{
    QString device = named(port);
    if (!device.isEmpty())
        return device;
    return port >= 1 && port <= found.size() ? found.at(port - 1).device : QString();
}

QList<PortDescription> PortDevices::found() const
{
    return inDiscoveryOrder(m_enumerate());
}

QString PortDevices::describe(qint16 port, const QList<PortDescription> &found) const
{
    QString text = deviceFor(port, found);
    if (text.isEmpty())
        return QStringLiteral("No serial port found");
    const qsizetype at = indexOfPort(found, text);
    if (at < 0)
        return text;
    const PortDescription &described = found.at(at);
    if (!described.description.isEmpty())
        text += QStringLiteral(": ") + described.description;
    if (!described.manufacturer.isEmpty())
        text += QStringLiteral(" (%1)").arg(described.manufacturer);
    return text;
}

QString PortDevices::keptNote(qint16 port, const QString &device) const
{
    const QString variable = environmentVariable(port);
    if (device.isEmpty() || !m_named.value(port).isEmpty()
        || !qEnvironmentVariable(variable.toLatin1().constData()).isEmpty() || kept(port) != device)
        return {};
    return QCoreApplication::translate("PortDevices",
                                       " Line Settings\u2026 kept %1 for Com%2: %3 or %4 names "
                                       "another device for a run, and %5 forgets it.")
            .arg(device)
            .arg(port)
            .arg(option(port), variable, forgetOption(port));
}

QString PortDevices::forgetOption(qint16 port)
{
    return QStringLiteral("--forget-com%1").arg(port);
}

QString PortDevices::environmentVariable(qint16 port)
{
    return QStringLiteral("FREQCOUNTER_COM%1").arg(port);
}

QString PortDevices::option(qint16 port)
{
    return QStringLiteral("--com%1").arg(port);
}

} // namespace freqcounter
