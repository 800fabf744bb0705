// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "comparison.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace freqcounter {

// Compare with Nominal: the nominal frequency and the tolerance, checked as
// they are typed. Text that is no frequency or tolerance is said in place
// and never closes the dialog.
class NominalDialog : public QDialog
{
    Q_OBJECT

public:
    NominalDialog(const Comparison &comparison, QWidget *parent = nullptr);

    // What was entered; only when accepted is it whole.
    Comparison comparison() const;

private:
    void check();

    Comparison m_comparison;
    QLineEdit *m_nominal = nullptr;
    QLineEdit *m_tolerance = nullptr;
    QLabel *m_problem = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};

} // namespace freqcounter
