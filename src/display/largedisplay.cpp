// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "largedisplay.h"

#include "displayfit.h"
#include "displaylook.h"
#include "windowdefinition.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace freqcounter {

namespace Def = WindowDefinition;

namespace {

// Room left around the reading, as a share of the screen.
constexpr double kMargin = 0.04;

} // namespace

LargeDisplay::LargeDisplay(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("LargeDisplay"));
    setWindowTitle(QString(Def::kTitle));
    // Closing the main window ends the program, whether this one is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    paintAsDisplay(*this);

    m_font = displayFont();
    m_reading = new QLabel(QString(Def::kLabel1.text), this);
    m_reading->setObjectName(QStringLiteral("largeReading"));
    m_reading->setTextFormat(Qt::PlainText);
    m_reading->setAlignment(Qt::AlignCenter);
    m_reading->setFont(m_font);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("largeStatus"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setAlignment(Qt::AlignCenter);

    m_offset = new QLabel(this);
    m_offset->setObjectName(QStringLiteral("largeOffset"));
    m_offset->setTextFormat(Qt::PlainText);
    m_offset->setAlignment(Qt::AlignCenter);
    // A long line never asks for more than the screen: that would take the
    // window out of full screen.
    m_offset->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_offset->hide();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_reading, 1);
    layout->addWidget(m_offset);
    layout->addWidget(m_status);
    updateStatus();
}

void LargeDisplay::showOn(const QWidget &window)
{
    if (QWindow *handle = window.windowHandle())
        setScreen(handle->screen());
    if (const QScreen *screen = window.screen())
        setGeometry(screen->geometry());
    showFullScreen();
    raise();
    activateWindow();
}

void LargeDisplay::readingReceived(const ReceivedReading &reading)
{
    m_source = Def::instrumentName(reading.port, reading.device);
    m_math = reading.math;
    updateStatus();
    showText(Def::displayed(reading.text, reading.unit));
}

void LargeDisplay::setRecording(bool recording)
{
    m_recording = recording;
    updateStatus();
}

void LargeDisplay::setCounterSilent(bool silent)
{
    m_counterSilent = silent;
    updateStatus();
}

void LargeDisplay::setComparison(const QString &offsetLine, bool outside)
{
    m_offset->setText(offsetLine);
    m_offset->setVisible(!offsetLine.isEmpty());
    const QColor colour = colourOf(outside ? Def::kWarningText : Def::kDisplayText);
    for (QLabel *label : {m_reading, m_offset}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
}

void LargeDisplay::toggleFullScreen()
{
    if (isFullScreen()) {
        showNormal();
        resize(size().boundedTo(screen()->availableSize() * 2 / 3));
    } else {
        showFullScreen();
    }
}

void LargeDisplay::showText(const QString &text)
{
    const QSize room = m_reading->contentsRect().size();
    const QSize box(int(room.width() * (1 - 2 * kMargin)), int(room.height() * (1 - 2 * kMargin)));
    QFont font = m_font;
    const auto kept = m_pointsByLength.constFind(text.size());
    if (kept != m_pointsByLength.cend())
        font.setPointSizeF(*kept);
    if (kept == m_pointsByLength.cend() || !fitsIn(font, text, box, m_reading)) {
        font = fontFillingBox(m_font, text, box, m_reading);
        m_pointsByLength.insert(text.size(), font.pointSizeF());
    }
    m_reading->setFont(font);
    m_reading->setText(text);
}

void LargeDisplay::updateStatus()
{
    QStringList parts;
    if (!m_source.isEmpty())
        parts.append(m_source);
    // The frequency shown is not the counter's own.
    if (!m_math.isEmpty())
        parts.append(m_math);
    if (m_counterSilent)
        parts.append(tr("counter silent"));
    if (m_recording)
        parts.append(tr("recording"));
    m_status->setText(parts.join(QStringLiteral(" \u00B7 ")));
}

void LargeDisplay::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (event->key() == Qt::Key_F11) {
        toggleFullScreen();
        return;
    }
    QWidget::keyPressEvent(event);
}

void LargeDisplay::mouseDoubleClickEvent(QMouseEvent *)
{
    close();
}

void LargeDisplay::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Another size of screen: every length is fitted again.
    m_pointsByLength.clear();
    QFont offsetFont = m_font;
    offsetFont.setPixelSize(std::max(12, height() / 14));
    m_offset->setFont(offsetFont);
    showText(m_reading->text());
}

} // namespace freqcounter
