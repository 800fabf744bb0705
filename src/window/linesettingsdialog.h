// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "portsettings.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;

namespace freqcounter {

// Line Settings: the device (or network address) of the port in use, how
// it speaks (its speed, format and flow control) and what its counter needs (a setup, a query, how
// long an answer may take, the unit of its readings). A speed that is no number in range, or an
// address that is none, is said in place and never closes the dialog.
class LineSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // device: what the port stands for now; found: the serial ports found,
    // offered beside it.
    LineSettingsDialog(const PortSettings &settings, const QString &portName, const QString &device,
                       const QStringList &found, QWidget *parent = nullptr);

    // What was chosen; only when accepted is it whole.
    PortSettings settings() const { return m_settings; }
    // The device or address typed or picked; empty for the ports found.
    QString device() const;

private:
    void check();

    PortSettings m_settings;
    QComboBox *m_device = nullptr;
    QComboBox *m_baud = nullptr;
    QComboBox *m_dataBits = nullptr;
    QComboBox *m_parity = nullptr;
    QComboBox *m_stopBits = nullptr;
    QComboBox *m_flow = nullptr;
    QLineEdit *m_setup = nullptr;
    QLineEdit *m_query = nullptr;
    QDoubleSpinBox *m_answerTime = nullptr;
    QComboBox *m_unit = nullptr;
    QLabel *m_problem = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};

} // namespace freqcounter
