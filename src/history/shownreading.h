#pragma once

#include <QDateTime>
#include <QString>

namespace freqcounter {

// One whole reading as the display showed it: the port and device it came
// from, when, and its text without the unit.
struct ShownReading
{
    qint16 port = 1;
    QString device;
    QDateTime time;
    QString text;
};

} // namespace freqcounter
