// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "counter.h"
#include "portdevices.h"
#include "receivedreading.h"

#include <QFont>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QLabel;
class QRadioButton;
class QTimer;

namespace freqcounter {

class Reconnection;
class Runtime;
class SerialLine;

// The program's one window. It builds its items from the window definition,
// binds the load, tick and the two click events to their handlers, and runs every
// handler through the runtime, which reports whatever a handler raises.
// Between the serial line and the display it keeps the counter, which
// makes whole readings of what the line delivers and says what to ask; the
// window shows the newest. Beside the handlers, it keeps each radio
// button's tooltip and accessible description saying which device the button
// stands for.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // The devices say which device each port stands for.
    explicit Form1(Runtime &runtime, PortDevices devices = PortDevices(),
                   QWidget *parent = nullptr);
    ~Form1() override;

    // The load event: runs the start-up handler and starts Timer1. Returns
    // false if the handler raised; the window must then never be shown.
    bool load();

    // What the display's tooltip and its description for screen readers say
    // beside the reading, such as its offset from a nominal frequency; the
    // display's text and colours stay as they are.
    void setReadingDescription(const QString &description);

    // Counter math: each reading from now on, and the newest at once, is
    // shown as the math makes it.
    void setCounterMath(const freqcounter::CounterMath &math);

    // Reconnect When Lost: a line lost from now on is waited for and
    // reopened, instead of ending the program.
    void setReconnect(bool on);

    // Line Settings: asks how the port in use speaks and what its counter
    // needs, then reopens it so.
    void chooseLineSettings();

Q_SIGNALS:
    // Each whole reading the line delivers, in order, also one equal to the
    // last, and also one the display skips because a newer one came in the
    // same tick.
    void readingReceived(const freqcounter::ReceivedReading &reading);
    // A counter that must be asked has left many questions in a row
    // unanswered (or answers again).
    void counterSilenceChanged(bool silent);
    // The counter drops readings, said once: left unfinished, or received
    // in error. Also each change of a lost line: lost, back.
    void counterNotice(const QString &notice);
    // The line is lost and waited for, for this reason; empty once it is
    // back.
    void lineWaiting(const QString &why);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void formLoad();
    void timer1Tick();
    void option1Click();
    void option2Click();
    void selectPort(qint16 port);
    void opened();
    void setUpCounter();
    void readLine();
    void setWaiting(const QString &why);
    void setSilent(bool silent);
    void showReadings(const QList<ReceivedReading> &readings);
    void showText(const QString &text);
    void placeCentred();
    void describeKnownPorts();
    void describeFoundPorts();
    void describePorts(const QList<PortDescription> &found);
    void describe(QRadioButton &button, const QString &description, bool deviceKnown);

    Runtime &m_runtime;
    QLabel *Label1 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QTimer *Timer1 = nullptr;
    SerialLine *MSComm1 = nullptr;
    QFont m_displayFont;
    Counter m_counter;
    std::optional<ReceivedReading> m_newest; // as shown
    bool m_silent = false;
    bool m_placed = false;
    bool m_reconnect = false;
    std::unique_ptr<Reconnection> m_reconnection;
    QString m_waitingFor; // why the line is waited for; empty while open
    // Whether each button's description names its device.
    std::array<bool, 2> m_deviceKnown{false, false};
};

} // namespace freqcounter
