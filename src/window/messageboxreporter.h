// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime.h"

#include <memory>

class QMessageBox;
class QWidget;

namespace freqcounter {

// Reports the error that ends the program: the error's line on standard
// error, then a modal message box with the same text, then the end of the
// event loop with exit status 1.
class MessageBoxReporter : public ErrorReporter
{
public:
    void report(const RuntimeError &error) override;

    static std::unique_ptr<QMessageBox> createBox(const RuntimeError &error,
                                                  QWidget *parent = nullptr);
};

} // namespace freqcounter
