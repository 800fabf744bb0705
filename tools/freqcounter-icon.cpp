// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
// freqcounter-icon: draws the application icon, a counter's case with its
// dark purple display, a light-green waveform and the two port buttons, as
// SVG, as PNG at the sizes desktops ask for, and as a Windows icon file of
// those sizes up to 256. One drawing, three outputs, so they never drift
// apart. Runs at build time.
// Usage: freqcounter-icon OUTPUT-FOLDER SIZE...

#include "displaylook.h"

#include <QBuffer>
#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

// Everything is drawn on a 64 x 64 canvas.
constexpr int kCanvas = 64;
const QColor kCase(0x2b, 0x2b, 0x2b);
const QColor kDisplay = freqcounter::colourOf(freqcounter::WindowDefinition::kDisplayBackground);
const QColor kTrace = freqcounter::colourOf(freqcounter::WindowDefinition::kDisplayText);
const QColor kIdle(0x80, 0x80, 0x80);
const QRectF kCaseRect(2, 10, 60, 44);
constexpr qreal kCaseRadius = 6;
const QRectF kDisplayRect(8, 16, 48, 22);
constexpr qreal kDisplayRadius = 2;
constexpr qreal kTraceWidth = 2.5;
const QPointF kButton1(20, 46);
const QPointF kButton2(44, 46);
constexpr qreal kButtonRadius = 3;

QPolygonF waveform()
{
    QPolygonF points;
    for (int x = 11; x <= 53; x += 2) {
        const qreal phase = (x - 11) / 42.0 * 4 * std::numbers::pi;
        points.append(QPointF(x, 27 - 7 * std::sin(phase)));
    }
    return points;
}

QString colour(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

QByteArray svg()
{
    QStringList points;
    for (const QPointF &p : waveform())
        points.append(QStringLiteral("%1,%2").arg(p.x()).arg(p.y(), 0, 'f', 2));
    const QString text
            = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                             "viewBox=\"0 0 %1 %1\">\n"
                             "  <rect x=\"%2\" y=\"%3\" width=\"%4\" height=\"%5\" rx=\"%6\" "
                             "fill=\"%7\"/>\n"
                             "  <rect x=\"%8\" y=\"%9\" width=\"%10\" height=\"%11\" rx=\"%12\" "
                             "fill=\"%13\"/>\n"
                             "  <polyline points=\"%14\" fill=\"none\" stroke=\"%15\" "
                             "stroke-width=\"%16\" "
                             "stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n"
                             "  <circle cx=\"%17\" cy=\"%18\" r=\"%19\" fill=\"%15\"/>\n"
                             "  <circle cx=\"%20\" cy=\"%21\" r=\"%19\" fill=\"%22\"/>\n"
                             "</svg>\n")
                      .arg(kCanvas)
                      .arg(kCaseRect.x())
                      .arg(kCaseRect.y())
                      .arg(kCaseRect.width())
                      .arg(kCaseRect.height())
                      .arg(kCaseRadius)
                      .arg(colour(kCase))
                      .arg(kDisplayRect.x())
                      .arg(kDisplayRect.y())
                      .arg(kDisplayRect.width())
                      .arg(kDisplayRect.height())
                      .arg(kDisplayRadius)
                      .arg(colour(kDisplay), points.join(u' '), colour(kTrace))
                      .arg(kTraceWidth)
                      .arg(kButton1.x())
                      .arg(kButton1.y())
                      .arg(kButtonRadius)
                      .arg(kButton2.x())
                      .arg(kButton2.y())
                      .arg(colour(kIdle));
    return text.toUtf8();
}

QImage png(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(size) / kCanvas, qreal(size) / kCanvas);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCase);
    painter.drawRoundedRect(kCaseRect, kCaseRadius, kCaseRadius);
    painter.setBrush(kDisplay);
    painter.drawRoundedRect(kDisplayRect, kDisplayRadius, kDisplayRadius);
    painter.setBrush(kTrace);
    painter.drawEllipse(kButton1, kButtonRadius, kButtonRadius);
    painter.setBrush(kIdle);
    painter.drawEllipse(kButton2, kButtonRadius, kButtonRadius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kTrace, kTraceWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(waveform());
    painter.end();
    return image;
}

// A Windows .ico: a directory of the images, each stored as PNG (which
// Windows reads in icon files since Vista).
QByteArray ico(const QList<std::pair<int, QByteArray>> &pngs)
{
    QByteArray file;
    const auto put16 = [&file](int value) {
        file.append(char(value & 0xff)).append(char((value >> 8) & 0xff));
    };
    const auto put32 = [&](qsizetype value) {
        put16(int(value & 0xffff));
        put16(int((value >> 16) & 0xffff));
    };
    put16(0); // reserved
    put16(1); // an icon, not a cursor
    put16(int(pngs.size()));
    qsizetype offset = 6 + 16 * pngs.size();
    for (const auto &[size, png] : pngs) {
        file.append(char(size >= 256 ? 0 : size)).append(char(size >= 256 ? 0 : size));
        file.append(char(0)).append(char(0)); // no palette
        put16(1); // planes
        put16(32); // bits per pixel
        put32(png.size());
        put32(offset);
        offset += png.size();
    }
    for (const auto &entry : pngs)
        file.append(entry.second);
    return file;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: freqcounter-icon OUTPUT-FOLDER SIZE...\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;
    QFile vector(out.filePath(QStringLiteral("freqcounter.svg")));
    if (!vector.open(QIODevice::WriteOnly) || vector.write(svg()) < 0)
        return 1;
    QList<std::pair<int, QByteArray>> forIcon;
    for (int i = 2; i < argc; ++i) {
        bool isNumber = false;
        const int size = QByteArrayView(argv[i]).toInt(&isNumber);
        if (!isNumber || size <= 0) {
            std::fprintf(stderr, "freqcounter-icon: not a size: %s\n", argv[i]);
            return 2;
        }
        QFile file(out.filePath(QStringLiteral("freqcounter-%1.png").arg(size)));
        QByteArray encoded;
        QBuffer buffer(&encoded);
        if (!buffer.open(QIODevice::WriteOnly) || !png(size).save(&buffer, "PNG")
            || !file.open(QIODevice::WriteOnly) || file.write(encoded) != encoded.size())
            return 1;
        if (size <= 256)
            forIcon.append({size, encoded});
    }
    QFile windowsIcon(out.filePath(QStringLiteral("freqcounter.ico")));
    const QByteArray icon = ico(forIcon);
    if (!windowsIcon.open(QIODevice::WriteOnly) || windowsIcon.write(icon) != icon.size())
        return 1;
    return 0;
}
