// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form1.h"
#include "ptypair.h"
#include "runtime.h"
#include "windowtesting.h"

#include <QTest>

#include <memory>
#include <vector>

namespace freqcounter::test {

// The window as the program makes it, its ports named to pseudo-terminals
// (FREQCOUNTER_COM1, FREQCOUNTER_COM2, ...), its errors recorded instead of
// shown. Not yet loaded.
struct WindowOnPtys
{
    explicit WindowOnPtys(int ports = 1)
    {
        for (int port = 1; port <= ports; ++port) {
            ptys.push_back(std::make_unique<PtyPair>());
            qputenv(variable(port), ptys.back()->devicePath().toLocal8Bit());
        }
        runtime = std::make_unique<Runtime>(std::make_unique<RecordingReporter>(errors));
        form = std::make_unique<Form1>(*runtime);
    }
    ~WindowOnPtys()
    {
        form.reset();
        runtime.reset();
        for (int port = 1; port <= int(ptys.size()); ++port)
            qunsetenv(variable(port));
    }
    WindowOnPtys(const WindowOnPtys &) = delete;
    WindowOnPtys &operator=(const WindowOnPtys &) = delete;

    bool isValid() const
    {
        return std::all_of(ptys.cbegin(), ptys.cend(), [](const auto &p) { return p->isValid(); });
    }
    PtyPair &pty(int port = 1) { return *ptys.at(std::size_t(port - 1)); }

    // Loads and shows the window, active, and waits for its first tick,
    // which finds the line quiet: from there on, readings sent arrive whole.
    // False when any of it fails.
    bool loadAndSettle(TickRecorder &ticks)
    {
        if (!form->load())
            return false;
        form->show();
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get()) && ticks.next(1) == QStringList{kWaiting};
    }

    std::vector<std::unique_ptr<PtyPair>> ptys;
    QList<RuntimeError> errors;
    std::unique_ptr<Runtime> runtime;
    std::unique_ptr<Form1> form;

private:
    static QByteArray variable(int port) { return "FREQCOUNTER_COM" + QByteArray::number(port); }
};

} // namespace freqcounter::test
