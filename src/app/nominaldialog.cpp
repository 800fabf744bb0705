// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "nominaldialog.h"

#include "windowdefinition.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace freqcounter {

NominalDialog::NominalDialog(const Comparison &comparison, QWidget *parent)
    : QDialog(parent)
    , m_comparison(comparison)
{
    setObjectName(QStringLiteral("compareWithNominal"));
    setWindowTitle(tr("Compare with Nominal"));
    m_nominal = new QLineEdit(this);
    m_nominal->setObjectName(QStringLiteral("nominal"));
    m_nominal->setPlaceholderText(tr("such as 10 MHz"));
    if (comparison.nominalHz)
        m_nominal->setText(Nominal::frequencyText(*comparison.nominalHz));
    m_tolerance = new QLineEdit(this);
    m_tolerance->setObjectName(QStringLiteral("tolerance"));
    m_tolerance->setPlaceholderText(tr("none, or such as 10 ppm, 50 ppb, 25 Hz"));
    if (comparison.tolerance)
        m_tolerance->setText(comparison.tolerance->text().mid(1));
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *form = new QFormLayout;
    auto *nominalLabel = new QLabel(tr("&Nominal frequency:"), this);
    nominalLabel->setBuddy(m_nominal);
    auto *toleranceLabel = new QLabel(tr("&Tolerance (\u00B1):"), this);
    toleranceLabel->setBuddy(m_tolerance);
    form->addRow(nominalLabel, m_nominal);
    form->addRow(toleranceLabel, m_tolerance);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(m_buttons);

    connect(m_nominal, &QLineEdit::textChanged, this, &NominalDialog::check);
    connect(m_tolerance, &QLineEdit::textChanged, this, &NominalDialog::check);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    check();
}

Comparison NominalDialog::comparison() const
{
    return m_comparison;
}

void NominalDialog::check()
{
    const std::optional<double> nominal = Nominal::parseFrequencyHz(m_nominal->text());
    const QString toleranceText = m_tolerance->text().trimmed();
    const std::optional<Nominal::Tolerance> tolerance
            = toleranceText.isEmpty() ? std::nullopt : Nominal::parseTolerance(toleranceText);
    QString problem;
    if (!nominal)
        problem = tr("The nominal frequency must be a frequency above 0, such as 10 MHz, "
                     "10000000 Hz or 10 (MHz).");
    else if (!toleranceText.isEmpty() && !tolerance)
        problem = tr("The tolerance must be above 0 in ppm, ppb or Hz, such as 10 ppm.");
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
    if (problem.isEmpty()) {
        m_comparison.nominalHz = nominal;
        m_comparison.tolerance = tolerance;
    }
}

} // namespace freqcounter
