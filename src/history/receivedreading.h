#pragma once

#include <QDateTime>
#include <QString>

namespace freqcounter {

// One whole reading the line delivered: the port and device it came from,
// when its line end arrived, and its text without the unit.
struct ReceivedReading
{
    qint16 port = 1;
    QString device;
    QDateTime time;
    QString text;
};

} // namespace freqcounter
