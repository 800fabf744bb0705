// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotpicture.h"

#include "plotwidget.h"
#include "userfiles.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#ifdef FREQCOUNTER_SVG
#include <QSvgGenerator>
#endif

namespace freqcounter::PlotPicture {

namespace {

constexpr int kMargin = 8;

// The caption at the top of the picture, the plot in what is left.
void draw(QPainter &painter, const PlotWidget &plot, QSize size, const QStringList &caption)
{
    const QRect whole(QPoint(0, 0), size);
    painter.fillRect(whole, plot.palette().color(QPalette::Base));
    painter.setPen(plot.palette().color(QPalette::Text));
    int top = kMargin;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        QFont font = plot.font();
        font.setBold(i == 0);
        if (i == 0 && font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * 1.25);
        painter.setFont(font);
        const QRect line(kMargin, top, size.width() - 2 * kMargin, painter.fontMetrics().height());
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, caption.at(i));
        top = line.bottom() + 1;
    }
    painter.save();
    plot.paint(painter, whole.adjusted(kMargin, top + kMargin, -kMargin, -kMargin));
    painter.restore();
}

} // namespace

std::optional<Format> formatOf(const QString &path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QStringLiteral("png"))
        return Format::Png;
    if (extension == QStringLiteral("svg"))
        return Format::Svg;
    return std::nullopt;
}

bool writes(Format format)
{
#ifdef FREQCOUNTER_SVG
    Q_UNUSED(format)
    return true;
#else
    return format != Format::Svg;
#endif
}

bool save(const PlotWidget &plot, const QString &path, QSize size, const QStringList &caption,
          QString *error)
{
    const std::optional<Format> format = formatOf(path);
    if (!format) {
        if (error) {
            *error = QCoreApplication::translate("PlotPicture",
                                                 "a picture is saved as .png or .svg");
        }
        return false;
    }
    if (!writes(*format)) {
        if (error) {
            *error = QCoreApplication::translate("PlotPicture",
                                                 "this build saves no SVG pictures; save as .png");
        }
        return false;
    }
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    if (*format == Format::Svg) {
#ifdef FREQCOUNTER_SVG
        QSvgGenerator svg;
        svg.setOutputDevice(&bytes);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(caption.value(0));
        svg.setDescription(caption.join(u'\n'));
        QPainter painter(&svg);
        draw(painter, plot, size, caption);
#endif
    } else {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        {
            QPainter painter(&image);
            draw(painter, plot, size, caption);
        }
        image.save(&bytes, "PNG");
    }
    return writeWhole(path, bytes.data(), error);
}

} // namespace freqcounter::PlotPicture
