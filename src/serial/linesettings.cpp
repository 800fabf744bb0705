// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "linesettings.h"

#include <QCoreApplication>

namespace freqcounter {

std::optional<LineSettings> LineSettings::parse(QStringView text)
{
    const QList<QStringView> parts = text.trimmed().split(u'/');
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    LineSettings line;
    bool isNumber = false;
    line.baudRate = parts.at(0).toInt(&isNumber);
    if (!isNumber || line.baudRate < kSlowest || line.baudRate > kFastest)
        return std::nullopt;

    // Data bits, parity, stop bits: "8n1".
    const QStringView format = parts.at(1);
    if (format.size() != 3)
        return std::nullopt;
    switch (format.at(0).unicode()) {
    case u'7':
        line.dataBits = QSerialPort::Data7;
        break;
    case u'8':
        line.dataBits = QSerialPort::Data8;
        break;
    default:
        return std::nullopt;
    }
    switch (format.at(1).toLower().unicode()) {
    case u'n':
        line.parity = QSerialPort::NoParity;
        break;
    case u'e':
        line.parity = QSerialPort::EvenParity;
        break;
    case u'o':
        line.parity = QSerialPort::OddParity;
        break;
    default:
        return std::nullopt;
    }
    switch (format.at(2).unicode()) {
    case u'1':
        line.stopBits = QSerialPort::OneStop;
        break;
    case u'2':
        line.stopBits = QSerialPort::TwoStop;
        break;
    default:
        return std::nullopt;
    }

    if (parts.size() == 3) {
        const QStringView flow = parts.at(2);
        if (flow.compare(u"rtscts", Qt::CaseInsensitive) == 0)
            line.flowControl = QSerialPort::HardwareControl;
        else if (flow.compare(u"xonxoff", Qt::CaseInsensitive) == 0)
            line.flowControl = QSerialPort::SoftwareControl;
        else if (flow.compare(u"none", Qt::CaseInsensitive) == 0)
            line.flowControl = QSerialPort::NoFlowControl;
        else
            return std::nullopt;
    }
    return line;
}

QString LineSettings::text() const
{
    const QChar parityLetter = parity == QSerialPort::EvenParity ? u'e'
            : parity == QSerialPort::OddParity                   ? u'o'
                                                                 : u'n';
    QString text = QStringLiteral("%1/%2%3%4")
                           .arg(baudRate)
                           .arg(int(dataBits))
                           .arg(parityLetter)
                           .arg(stopBits == QSerialPort::TwoStop ? 2 : 1);
    if (flowControl == QSerialPort::HardwareControl)
        text += QStringLiteral("/rtscts");
    else if (flowControl == QSerialPort::SoftwareControl)
        text += QStringLiteral("/xonxoff");
    return text;
}

QString LineSettings::description() const
{
    const QString parityName = parity == QSerialPort::EvenParity
            ? QCoreApplication::translate("LineSettings", "even parity")
            : parity == QSerialPort::OddParity
            ? QCoreApplication::translate("LineSettings", "odd parity")
            : QCoreApplication::translate("LineSettings", "no parity");
    QString description
            = QCoreApplication::translate("LineSettings", "%1 baud, %2 data bits, %3, %4")
                      .arg(QString::number(baudRate), QString::number(int(dataBits)), parityName,
                           stopBits == QSerialPort::TwoStop
                                   ? QCoreApplication::translate("LineSettings", "2 stop bits")
                                   : QCoreApplication::translate("LineSettings", "1 stop bit"));
    if (flowControl == QSerialPort::HardwareControl)
        description += QCoreApplication::translate("LineSettings", ", RTS/CTS flow control");
    else if (flowControl == QSerialPort::SoftwareControl)
        description += QCoreApplication::translate("LineSettings", ", XON/XOFF flow control");
    return description;
}

} // namespace freqcounter
