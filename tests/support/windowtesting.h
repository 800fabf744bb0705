// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime.h"
#include "windowdefinition.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStringList>
#include <QTest>
#include <QTimer>

namespace freqcounter::test {

// What the display shows before the first reading.
inline const QString kWaiting = QString(WindowDefinition::kLabel1.text);

// One of a window's items, by its name.
template<typename T>
T *item(const QObject *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

// Stands in for the message box: records each error and, like a modal box's
// own event loop, delivers the events waiting when it is shown before it
// returns. Tests then wait for what they expect with QTRY_*.
class RecordingReporter : public ErrorReporter
{
public:
    explicit RecordingReporter(QList<RuntimeError> &errors)
        : m_errors(errors)
    {}

    void report(const RuntimeError &error) override
    {
        m_errors.append(error);
        QCoreApplication::processEvents();
    }

private:
    QList<RuntimeError> &m_errors;
};

// Records what the display showed after each tick of Timer1. Connected
// after the window's own handler, it sees the display as that tick left it.
class TickRecorder : public QObject
{
public:
    explicit TickRecorder(QWidget *form)
        : m_label(form->findChild<QLabel *>(QStringLiteral("Label1")))
    {
        auto *timer = form->findChild<QTimer *>(QStringLiteral("Timer1"));
        connect(timer, &QTimer::timeout, this, [this] { m_shown.append(m_label->text()); });
    }

    // Waits for the next n ticks; what the display showed after each.
    QStringList next(int n)
    {
        const qsizetype from = m_shown.size();
        // On a timeout the list comes back short, and the comparison fails.
        if (!QTest::qWaitFor([&] { return m_shown.size() >= from + n; }, 5000))
            qWarning("only %lld of %d ticks came", qlonglong(m_shown.size() - from), n);
        return m_shown.mid(from, n);
    }

private:
    QLabel *m_label;
    QStringList m_shown;
};

} // namespace freqcounter::test
