#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;

namespace freqcounter {

// The font a text is drawn in so that it fits a width: the nominal font when
// it fits, otherwise the largest smaller point size (in quarter points) that
// does, down to a floor below which nothing is legible anyway.
QFont fontFittingWidth(const QFont &nominal, const QString &text, int width, QPaintDevice *device);

} // namespace freqcounter
