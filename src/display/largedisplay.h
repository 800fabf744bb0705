// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "receivedreading.h"

#include <QFont>
#include <QHash>
#include <QWidget>

class QLabel;

namespace freqcounter {

// The reading full screen, for reading it across the room: the display's
// text in the display's colours, drawn as large as the screen allows, and
// under it in small text the port and device, the counter math it is shown
// with and whether a recording runs.
// It is fed the readings the window receives and does nothing while
// hidden; Esc or a double-click closes it, F11 makes it a window and full
// screen again.
class LargeDisplay : public QWidget
{
    Q_OBJECT

public:
    explicit LargeDisplay(QWidget *parent = nullptr);

    // Opens it full screen on the screen the given window is on.
    void showOn(const QWidget &window);

    void readingReceived(const ReceivedReading &reading);
    void setRecording(bool recording);
    // A counter that must be asked has stopped answering (or answers again).
    void setCounterSilent(bool silent);
    // The line under the reading: its offset from a nominal frequency, or
    // nothing. Outside the tolerance, the reading and the line take the
    // warning colour.
    void setComparison(const QString &offsetLine, bool outside);

    // F11 inside it: between full screen and an ordinary window.
    void toggleFullScreen();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showText(const QString &text);
    void updateStatus();

    QLabel *m_reading = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_offset = nullptr;
    QFont m_font;
    // The size each length of text was drawn at, so that the digits of one
    // reading after another keep their size.
    QHash<qsizetype, qreal> m_pointsByLength;
    QString m_source; // port and device of the last reading
    QString m_math; // the counter math it was shown with
    bool m_counterSilent = false;
    bool m_recording = false;
};

} // namespace freqcounter
