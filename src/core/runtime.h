// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numberederror.h"

#include <QObject>
#include <QString>

#include <exception>
#include <memory>
#include <new>
#include <utility>

namespace freqcounter {

// An error that reached the runtime: its number and its description.
struct RuntimeError
{
    int number = 0;
    QString description;

    // The one line users see, in the message box and on standard error.
    QString text() const;
};

// Numbers of the errors the runtime itself raises, beside the serial line's.
enum class RuntimeErrorCode : int {
    OutOfMemory = 7,
    Internal = 51,
};

// What is done with the error that ends the program. Replaceable, so that
// tests can watch the error path without a modal box.
class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;
    virtual void report(const RuntimeError &error) = 0;
};

// Runs the window's event handlers and sends the first error any of them
// raises to the one place that reports it. From then on every event is
// ignored, so no second error is ever reported. It neither shows nor ends
// anything itself; the reporter does.
class Runtime : public QObject
{
    Q_OBJECT

public:
    static constexpr int kFailureExitStatus = 1;

    explicit Runtime(std::unique_ptr<ErrorReporter> reporter, QObject *parent = nullptr);
    ~Runtime() override;

    // Runs one handler. Returns false if it raised, or if an earlier one did.
    template<typename Handler>
    bool run(Handler &&handler);

    // Connects a signal to a handler that runs through run(), so that what
    // it raises takes the one error path; the connection ends with the
    // context object. The signal's arguments are not passed on.
    template<typename Sender, typename Signal, typename Handler>
    QMetaObject::Connection connectHandler(const Sender *sender, Signal signal,
                                           const QObject *context, Handler handler)
    {
        return connect(sender, signal, context, [this, handler] { run(handler); });
    }

    bool hasFailed() const { return m_failed; }

Q_SIGNALS:
    // Emitted once, before the error is reported: the moment to stop
    // anything that would deliver further events.
    void failing();

private:
    void fail(const RuntimeError &error);

    std::unique_ptr<ErrorReporter> m_reporter;
    bool m_failed = false;
};

template<typename Handler>
bool Runtime::run(Handler &&handler)
{
    if (m_failed)
        return false;
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const NumberedError &error) {
        fail({error.number(), error.description()});
    } catch (const std::bad_alloc &) {
        fail({static_cast<int>(RuntimeErrorCode::OutOfMemory), tr("Out of memory.")});
    } catch (const std::exception &error) {
        fail({static_cast<int>(RuntimeErrorCode::Internal),
              tr("Internal error: %1").arg(QString::fromLocal8Bit(error.what()))});
    }
    return false;
}

} // namespace freqcounter
