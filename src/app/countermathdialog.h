// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countermath.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace freqcounter {

// Counter Math: the factor and the offset that make the frequency shown of
// the counter's reading, with the common cases ready to pick, checked as
// they are typed and tried on the newest reading. Text that is no factor or
// offset is said in place and never closes the dialog.
class CounterMathDialog : public QDialog
{
    Q_OBJECT

public:
    // reading: the counter's newest reading in MHz, empty before the first.
    CounterMathDialog(const CounterMath &math, const QString &reading, QWidget *parent = nullptr);

    // What was entered; only when accepted is it whole.
    CounterMath math() const { return m_math; }

private:
    void pick(int which);
    void check();

    CounterMath m_math;
    QString m_reading;
    QComboBox *m_case = nullptr;
    QLineEdit *m_factor = nullptr;
    QLineEdit *m_offset = nullptr;
    QLabel *m_result = nullptr;
    QLabel *m_problem = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};

} // namespace freqcounter
