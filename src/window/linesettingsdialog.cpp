// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "linesettingsdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace freqcounter {

namespace {

constexpr std::array<qint32, 10> kStandardRates{300,  600,   1200,  2400,  4800,
                                                9600, 19200, 38400, 57600, 115200};

QComboBox *choices(QWidget *parent, const char *name, const QList<std::pair<QString, int>> &items,
                   int current)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1StringView(name));
    for (const auto &[text, value] : items)
        box->addItem(text, value);
    box->setCurrentIndex(qMax(0, box->findData(current)));
    return box;
}

} // namespace

LineSettingsDialog::LineSettingsDialog(const LineSettings &line, const QString &portName,
                                       QWidget *parent)
    : QDialog(parent)
    , m_line(line)
{
    setObjectName(QStringLiteral("lineSettings"));
    setWindowTitle(tr("Line Settings: %1").arg(portName));

    // Any speed may be typed, for adapters that take custom ones.
    m_baud = new QComboBox(this);
    m_baud->setObjectName(QStringLiteral("baud"));
    m_baud->setEditable(true);
    m_baud->setInsertPolicy(QComboBox::NoInsert);
    for (const qint32 rate : kStandardRates)
        m_baud->addItem(QString::number(rate));
    m_baud->setCurrentText(QString::number(line.baudRate));
    m_dataBits = choices(this, "dataBits",
                         {{tr("7"), QSerialPort::Data7}, {tr("8"), QSerialPort::Data8}},
                         line.dataBits);
    m_parity = choices(this, "parity",
                       {{tr("None"), QSerialPort::NoParity},
                        {tr("Even"), QSerialPort::EvenParity},
                        {tr("Odd"), QSerialPort::OddParity}},
                       line.parity);
    m_stopBits = choices(this, "stopBits",
                         {{tr("1"), QSerialPort::OneStop}, {tr("2"), QSerialPort::TwoStop}},
                         line.stopBits);
    m_flow = choices(this, "flowControl",
                     {{tr("None"), QSerialPort::NoFlowControl},
                      {tr("RTS/CTS"), QSerialPort::HardwareControl},
                      {tr("XON/XOFF"), QSerialPort::SoftwareControl}},
                     line.flowControl);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *form = new QFormLayout;
    form->addRow(tr("&Baud rate:"), m_baud);
    form->addRow(tr("&Data bits:"), m_dataBits);
    form->addRow(tr("&Parity:"), m_parity);
    form->addRow(tr("&Stop bits:"), m_stopBits);
    form->addRow(tr("&Flow control:"), m_flow);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(m_buttons);

    connect(m_baud, &QComboBox::currentTextChanged, this, &LineSettingsDialog::check);
    for (QComboBox *box : {m_dataBits, m_parity, m_stopBits, m_flow})
        connect(box, &QComboBox::currentIndexChanged, this, &LineSettingsDialog::check);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    check();
}

void LineSettingsDialog::check()
{
    bool isNumber = false;
    const qint32 baudRate = m_baud->currentText().trimmed().toInt(&isNumber);
    const bool valid
            = isNumber && baudRate >= LineSettings::kSlowest && baudRate <= LineSettings::kFastest;
    m_problem->setText(valid ? QString()
                             : tr("The baud rate must be a whole number from %1 to %2.")
                                       .arg(LineSettings::kSlowest)
                                       .arg(LineSettings::kFastest));
    m_problem->setVisible(!valid);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(valid);
    if (!valid)
        return;
    m_line.baudRate = baudRate;
    m_line.dataBits = QSerialPort::DataBits(m_dataBits->currentData().toInt());
    m_line.parity = QSerialPort::Parity(m_parity->currentData().toInt());
    m_line.stopBits = QSerialPort::StopBits(m_stopBits->currentData().toInt());
    m_line.flowControl = QSerialPort::FlowControl(m_flow->currentData().toInt());
}

} // namespace freqcounter
