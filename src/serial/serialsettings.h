#pragma once

#include <QSerialPort>
#include <QtGlobal>

namespace freqcounter {

// The serial line's stored settings: what the window definition fixes for
// the line before it is ever opened. The program never changes them at run
// time, except the port number.
struct SerialSettings
{
    qint16 commPort = 1;
    qint32 baudRate = 1200;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    QSerialPort::FlowControl flowControl = QSerialPort::NoFlowControl;
    qint64 inBufferSize = 1024;
    qint64 outBufferSize = 512;
    // Stands in for a character received with a parity error. With no
    // parity checked it never comes into play; it is kept so that the line
    // carries the whole stored definition.
    char parityReplace = '?';
};

} // namespace freqcounter
