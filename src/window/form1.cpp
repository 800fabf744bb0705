// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "displayfit.h"
#include "displaylook.h"
#include "linesettingsdialog.h"
#include "reconnection.h"
#include "runtime.h"
#include "serialline.h"
#include "windowdefinition.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <chrono>

namespace freqcounter {

namespace Def = WindowDefinition;

namespace {

template<typename Item>
Item *createItem(QWidget *form, const Def::ItemDefinition &definition)
{
    auto *item = new Item(QString(definition.text), form);
    item->setObjectName(QString(definition.name));
    item->setGeometry(definition.rect.toPixels());
    return item;
}

qint64 steadyNowMsecs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

Form1::Form1(Runtime &runtime, PortDevices devices, QWidget *parent)
    : QWidget(parent)
    , m_runtime(runtime)
{
    setObjectName(QString(Def::kFormName));
    setWindowTitle(QString(Def::kTitle));
    resize(Def::clientSize());

    // Created in tab order: the two buttons, then the display field.
    Option1 = createItem<QRadioButton>(this, Def::kOption1);
    Option2 = createItem<QRadioButton>(this, Def::kOption2);
    Option1->setChecked(true);

    Label1 = createItem<QLabel>(this, Def::kLabel1);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setIndent(0);
    Label1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label1->setLineWidth(1);
    Label1->setFocusPolicy(Qt::NoFocus);
    Label1->setTextInteractionFlags(Qt::NoTextInteraction);
    paintAsDisplay(*Label1);
    m_displayFont = displayFont();
    Label1->setFont(m_displayFont);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QString(Def::kTimer1Name));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(Def::kPollInterval);

    MSComm1 = new SerialLine(this);
    MSComm1->setObjectName(QString(Def::kMSComm1Name));
    MSComm1->setPortDevices(std::move(devices));
    m_reconnection = std::make_unique<Reconnection>(
            *MSComm1, [this](const QString &line) { Q_EMIT counterNotice(line); });
    Option1->installEventFilter(this);
    Option2->installEventFilter(this);

    m_runtime.connectHandler(Timer1, &QTimer::timeout, this, [this] { timer1Tick(); });
    m_runtime.connectHandler(Option1, &QRadioButton::clicked, this, [this] { option1Click(); });
    m_runtime.connectHandler(Option2, &QRadioButton::clicked, this, [this] { option2Click(); });
    connect(&m_runtime, &Runtime::failing, Timer1, &QTimer::stop);
}

Form1::~Form1() = default;

bool Form1::load()
{
    if (!m_runtime.run([this] { formLoad(); }))
        return false;
    Timer1->start();
    return true;
}

void Form1::formLoad()
{
    MSComm1->setPortOpen(true);
    // Whatever waited before the program started is stale; throw it away.
    static_cast<void>(MSComm1->input());
    opened();
    describeKnownPorts();
}

void Form1::opened()
{
    if (m_reconnect)
        m_reconnection->opened();
    setWaiting({});
    setUpCounter();
}

void Form1::setUpCounter()
{
    const QByteArray setup = m_counter.opened(MSComm1->counterLine());
    if (!setup.isEmpty())
        MSComm1->output(setup);
    setSilent(false);
}

void Form1::setSilent(bool silent)
{
    if (silent == m_silent)
        return;
    m_silent = silent;
    Q_EMIT counterSilenceChanged(silent);
}

void Form1::timer1Tick()
{
    const qint64 now = steadyNowMsecs();
    if (m_reconnection->waiting()) {
        // A tick while the line is lost only tries it again, when due.
        if (m_reconnection->reopenIfDue(now))
            setUpCounter();
        if (m_reconnection->state() == Reconnection::State::Open)
            setWaiting({});
        return;
    }
    try {
        if (m_reconnection->state() == Reconnection::State::Trying) {
            m_reconnection->check(now);
            if (m_reconnection->state() == Reconnection::State::Open)
                setWaiting({});
        }
        readLine();
    } catch (const SerialError &error) {
        if (!m_reconnect || !m_reconnection->lose(error, now))
            throw;
        setWaiting(m_reconnection->waitingText());
    }
}

void Form1::readLine()
{
    const qint16 waiting = MSComm1->inBufferCount();
    // A tick that finds nothing waiting tells the counter so: for a counter
    // that has never sent a line end, it ends a reading.
    const Counter::Polled polled
            = m_counter.poll(waiting != 0 ? std::optional(MSComm1->input()) : std::nullopt);
    if (!polled.notice.isEmpty())
        Q_EMIT counterNotice(polled.notice);
    setSilent(m_counter.silent());
    // Shown and passed on before anything is sent, which may find the line
    // lost.
    showReadings(polled.readings);
    if (!polled.readings.isEmpty())
        m_reconnection->readingArrived();
    if (!polled.send.isEmpty())
        MSComm1->output(polled.send);
}

void Form1::setWaiting(const QString &why)
{
    if (why == m_waitingFor)
        return;
    m_waitingFor = why;
    // What was shown last is not the counter's reading any more.
    if (!why.isEmpty()) {
        m_newest.reset();
        const QString text(Def::kLabel1.text);
        Label1->setFont(
                fontFittingWidth(m_displayFont, text, Label1->contentsRect().width(), Label1));
        Label1->setText(text);
    }
    Q_EMIT lineWaiting(why);
}

void Form1::setReconnect(bool on)
{
    m_reconnect = on;
    // What identifies the device is taken while it is there.
    if (on && MSComm1->portOpen())
        m_reconnection->opened();
}

void Form1::option1Click()
{
    selectPort(1);
}

void Form1::option2Click()
{
    selectPort(2);
}

void Form1::selectPort(qint16 port)
{
    // No read is thrown away here, unlike at start-up: the display keeps its
    // text until the first whole reading from the newly chosen port.
    MSComm1->setPortOpen(false);
    MSComm1->setCommPort(port);
    MSComm1->setPortOpen(true);
    opened();
    describeKnownPorts();
}

void Form1::chooseLineSettings()
{
    QStringList found;
    for (const PortDescription &port : MSComm1->portDevices().found())
        found.append(port.device);
    const QString device = MSComm1->openDevice();
    LineSettingsDialog dialog(MSComm1->portSettings(),
                              MSComm1->commPort() == 1 ? Option1->text() : Option2->text(), device,
                              found, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_runtime.run([&] {
        MSComm1->changePortSettings(dialog.settings(),
                                    dialog.device() == device ? std::nullopt
                                                              : std::optional(dialog.device()));
        opened();
        describeKnownPorts();
    });
}

void Form1::showReadings(const QList<ReceivedReading> &readings)
{
    for (const ReceivedReading &reading : readings)
        Q_EMIT readingReceived(reading);
    if (readings.isEmpty())
        return;
    m_newest = readings.constLast();
    showText(Def::displayed(m_newest->text, m_newest->unit));
}

void Form1::setCounterMath(const CounterMath &math)
{
    m_counter.setMath(math);
    if (m_newest) {
        m_newest = math.shown(*m_newest);
        showText(Def::displayed(m_newest->text, m_newest->unit));
    }
}

void Form1::showText(const QString &text)
{
    if (text == Label1->text())
        return;
    Label1->setFont(fontFittingWidth(m_displayFont, text, Label1->contentsRect().width(), Label1));
    Label1->setText(text);
}

void Form1::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        placeCentred();
        m_placed = true;
    }
    QWidget::showEvent(event);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // A tooltip asked for, or a button reached with the keyboard (when a
    // screen reader reads it); not the focus a window gives when it opens.
    if (watched == Option1 || watched == Option2) {
        const bool keyboardFocus = event->type() == QEvent::FocusIn
                && static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason
                && static_cast<QFocusEvent *>(event)->reason() != Qt::MouseFocusReason
                && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason;
        const bool unknown = !m_deviceKnown.at(watched == Option1 ? 0 : 1);
        if (unknown && (event->type() == QEvent::ToolTip || keyboardFocus))
            describeFoundPorts();
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::describeKnownPorts()
{
    // What the line's open just learnt: the ports found, when it had to look,
    // else the devices named. A button whose device is neither stays
    // undescribed until a user asks.
    const PortDevices &devices = MSComm1->portDevices();
    if (const auto &found = MSComm1->lastFound()) {
        describePorts(*found);
        return;
    }
    for (const auto &[port, button] : {std::pair{1, Option1}, std::pair{2, Option2}}) {
        const QString device = devices.named(qint16(port));
        if (!device.isEmpty())
            describe(*button, device, true);
    }
}

void Form1::describeFoundPorts()
{
    // Finding the ports takes milliseconds, so it is done only when a user
    // asks about a button whose device is not known, never on a tick.
    describePorts(MSComm1->portDevices().found());
}

void Form1::describePorts(const QList<PortDescription> &found)
{
    const PortDevices &devices = MSComm1->portDevices();
    describe(*Option1, devices.describe(1, found), !devices.deviceFor(1, found).isEmpty());
    describe(*Option2, devices.describe(2, found), !devices.deviceFor(2, found).isEmpty());
}

void Form1::describe(QRadioButton &button, const QString &description, bool deviceKnown)
{
    // The tooltip for the mouse; the description, which screen readers are
    // told of when it changes, for the keyboard.
    button.setToolTip(description);
    button.setAccessibleDescription(description);
    m_deviceKnown[&button == Option1 ? 0 : 1] = deviceKnown;
}

void Form1::placeCentred()
{
    const QScreen *screen = this->screen();
    if (screen == nullptr)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void Form1::setReadingDescription(const QString &description)
{
    // Told at every reading: a screen reader hears of it only when it changes.
    if (description == Label1->accessibleDescription())
        return;
    Label1->setToolTip(description);
    Label1->setAccessibleDescription(description);
}

} // namespace freqcounter
