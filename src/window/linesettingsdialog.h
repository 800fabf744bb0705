// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "linesettings.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLabel;

namespace freqcounter {

// Line Settings: how the port in use speaks, its speed, format and flow
// control. A speed that is no number in range is said in place and never
// closes the dialog.
class LineSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    LineSettingsDialog(const LineSettings &line, const QString &portName,
                       QWidget *parent = nullptr);

    // What was chosen; only when accepted is it whole.
    LineSettings line() const { return m_line; }

private:
    void check();

    LineSettings m_line;
    QComboBox *m_baud = nullptr;
    QComboBox *m_dataBits = nullptr;
    QComboBox *m_parity = nullptr;
    QComboBox *m_stopBits = nullptr;
    QComboBox *m_flow = nullptr;
    QLabel *m_problem = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};

} // namespace freqcounter
