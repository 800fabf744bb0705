// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countermathdialog.h"

#include "windowdefinition.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace freqcounter {

namespace {

// An empty field is the math's own: factor 1, no offset.
QString orDefault(const QString &text, const QString &empty)
{
    return text.trimmed().isEmpty() ? empty : text;
}

} // namespace

CounterMathDialog::CounterMathDialog(const CounterMath &math, const QString &reading,
                                     QWidget *parent)
    : QDialog(parent)
    , m_math(math)
    , m_reading(reading)
{
    setObjectName(QStringLiteral("counterMath"));
    setWindowTitle(tr("Counter Math"));
    m_case = new QComboBox(this);
    m_case->setObjectName(QStringLiteral("case"));
    m_case->addItems({tr("LO \u2212 IF (oscillator above the signal)"),
                      tr("LO + IF (oscillator below the signal)"), tr("IF \u2212 LO"),
                      tr("\u00F7N prescaler before the counter"), tr("Other")});
    m_factor = new QLineEdit(math.factorText(), this);
    m_factor->setObjectName(QStringLiteral("factor"));
    m_factor->setPlaceholderText(tr("such as 64, -1 or 0.5"));
    m_offset = new QLineEdit(math.offsetText(), this);
    m_offset->setObjectName(QStringLiteral("offset"));
    m_offset->setPlaceholderText(tr("such as -10.7 MHz or +455 kHz"));
    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("result"));
    m_result->setTextFormat(Qt::PlainText);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setWordWrap(true);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *explained = new QLabel(
            tr("The frequency shown is the factor times the counter's reading, plus the offset."),
            this);
    explained->setWordWrap(true);
    auto *form = new QFormLayout;
    const auto addRow = [this, form](const QString &name, QWidget *field) {
        auto *label = new QLabel(name, this);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    addRow(tr("Common &case:"), m_case);
    addRow(tr("&Factor:"), m_factor);
    addRow(tr("&Offset:"), m_offset);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explained);
    layout->addLayout(form);
    layout->addWidget(m_result);
    layout->addWidget(m_problem);
    layout->addWidget(m_buttons);

    connect(m_case, &QComboBox::activated, this, &CounterMathDialog::pick);
    connect(m_factor, &QLineEdit::textChanged, this, &CounterMathDialog::check);
    connect(m_offset, &QLineEdit::textChanged, this, &CounterMathDialog::check);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    check();
}

void CounterMathDialog::pick(int which)
{
    // The IF already given is kept from case to case.
    const QString offset = m_math.offsetText();
    const QString intermediate
            = offset.startsWith(u'0') ? QStringLiteral("10.7 MHz") : offset.mid(1);
    switch (CounterMath::Case(which)) {
    case CounterMath::Case::LoMinusIf:
        m_factor->setText(QStringLiteral("1"));
        m_offset->setText(QStringLiteral("-") + intermediate);
        break;
    case CounterMath::Case::LoPlusIf:
        m_factor->setText(QStringLiteral("1"));
        m_offset->setText(QStringLiteral("+") + intermediate);
        break;
    case CounterMath::Case::IfMinusLo:
        m_factor->setText(QStringLiteral("-1"));
        m_offset->setText(QStringLiteral("+") + intermediate);
        break;
    case CounterMath::Case::Prescaler:
        if (m_math.commonCase() != CounterMath::Case::Prescaler)
            m_factor->setText(QStringLiteral("10"));
        m_offset->setText(QStringLiteral("0 Hz"));
        break;
    case CounterMath::Case::Other:
        break;
    }
    m_factor->setFocus();
}

void CounterMathDialog::check()
{
    const QString factor = orDefault(m_factor->text(), QStringLiteral("1"));
    const QString offset = orDefault(m_offset->text(), QStringLiteral("0 Hz"));
    QString problem;
    if (!CounterMath::isFactor(factor)) {
        problem = tr("The factor must be a number other than 0, such as 64, -1 or 0.5.");
    } else if (!CounterMath::isOffset(offset)) {
        problem = tr("The offset must be a frequency with its unit, such as -10.7 MHz, "
                     "+455 kHz or 0 Hz.");
    }
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
    if (!problem.isEmpty()) {
        m_result->clear();
        return;
    }
    m_math = CounterMath::make(factor, offset).value_or(CounterMath());
    m_case->setCurrentIndex(int(m_math.commonCase()));
    const std::optional<QString> shown = m_math.applied(m_reading);
    if (m_reading.isEmpty())
        m_result->setText(tr("No reading yet to try it on."));
    else if (!shown)
        m_result->setText(
                tr("The newest reading, %1, is no number: it shows as it came.").arg(m_reading));
    else
        m_result->setText(
                tr("The newest reading, %1 MHz, shows as %2 MHz.").arg(m_reading, *shown));
}

} // namespace freqcounter
