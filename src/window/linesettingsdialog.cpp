// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "linesettingsdialog.h"

#include "networkaddress.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
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

LineSettingsDialog::LineSettingsDialog(const PortSettings &settings, const QString &portName,
                                       const QString &device, const QStringList &found,
                                       QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
{
    const LineSettings &line = settings.line;
    setObjectName(QStringLiteral("lineSettings"));
    setWindowTitle(tr("Line Settings: %1").arg(portName));

    m_device = new QComboBox(this);
    m_device->setObjectName(QStringLiteral("device"));
    m_device->setEditable(true);
    m_device->setInsertPolicy(QComboBox::NoInsert);
    m_device->addItems(found);
    m_device->setCurrentText(device);
    m_device->lineEdit()->setPlaceholderText(tr("the port found, or tcp://HOST:PORT"));

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
                       {{tr("None", "parity"), QSerialPort::NoParity},
                        {tr("Even"), QSerialPort::EvenParity},
                        {tr("Odd"), QSerialPort::OddParity}},
                       line.parity);
    m_stopBits = choices(this, "stopBits",
                         {{tr("1"), QSerialPort::OneStop}, {tr("2"), QSerialPort::TwoStop}},
                         line.stopBits);
    m_flow = choices(this, "flowControl",
                     {{tr("None", "flow control"), QSerialPort::NoFlowControl},
                      {tr("RTS/CTS"), QSerialPort::HardwareControl},
                      {tr("XON/XOFF"), QSerialPort::SoftwareControl}},
                     line.flowControl);
    m_setup = new QLineEdit(settings.counter.setup, this);
    m_setup->setObjectName(QStringLiteral("setup"));
    m_setup->setPlaceholderText(tr("none, or such as *RST;:CONF:FREQ"));
    m_query = new QLineEdit(settings.counter.query, this);
    m_query->setObjectName(QStringLiteral("query"));
    m_query->setPlaceholderText(tr("none: the counter talks by itself; or such as READ?"));
    m_answerTime = new QDoubleSpinBox(this);
    m_answerTime->setObjectName(QStringLiteral("answerTime"));
    m_answerTime->setRange(0.1, 60.0);
    m_answerTime->setDecimals(1);
    m_answerTime->setSuffix(tr(" s"));
    m_answerTime->setValue(double(settings.counter.answerTime.count()) / 1000.0);
    QList<std::pair<QString, int>> units;
    for (const CounterUnit unit : kCounterUnits) {
        units.append({isTimeUnit(unit) ? tr("%1 (time interval)").arg(counterUnitName(unit))
                                       : counterUnitName(unit),
                      int(unit)});
    }
    m_unit = choices(this, "unit", units, int(settings.counter.unit));
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *form = new QFormLayout;
    form->addRow(tr("De&vice or address:"), m_device);
    form->addRow(tr("&Baud rate:"), m_baud);
    form->addRow(tr("&Data bits:"), m_dataBits);
    form->addRow(tr("&Parity:"), m_parity);
    form->addRow(tr("&Stop bits:"), m_stopBits);
    form->addRow(tr("&Flow control:"), m_flow);
    form->addRow(tr("S&etup, sent at opening:"), m_setup);
    form->addRow(tr("&Query, sent at each poll:"), m_query);
    form->addRow(tr("&Answer within:"), m_answerTime);
    form->addRow(tr("&Unit of the readings:"), m_unit);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(m_buttons);

    for (QComboBox *box : {m_device, m_baud})
        connect(box, &QComboBox::currentTextChanged, this, &LineSettingsDialog::check);
    for (QComboBox *box : {m_dataBits, m_parity, m_stopBits, m_flow, m_unit})
        connect(box, &QComboBox::currentIndexChanged, this, &LineSettingsDialog::check);
    for (QLineEdit *edit : {m_setup, m_query})
        connect(edit, &QLineEdit::textChanged, this, &LineSettingsDialog::check);
    connect(m_answerTime, &QDoubleSpinBox::valueChanged, this, &LineSettingsDialog::check);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    check();
}

QString LineSettingsDialog::device() const
{
    return m_device->currentText().trimmed();
}

void LineSettingsDialog::check()
{
    bool isNumber = false;
    const qint32 baudRate = m_baud->currentText().trimmed().toInt(&isNumber);
    QString problem;
    if (NetworkAddress::isAddress(device()) && !NetworkAddress::parse(device())) {
        problem = tr("A counter on the network is named tcp://HOST:PORT, such as "
                     "tcp://192.168.1.20:5025.");
    } else if (!isNumber || baudRate < LineSettings::kSlowest
               || baudRate > LineSettings::kFastest) {
        problem = tr("The baud rate must be a whole number from %1 to %2.")
                          .arg(LineSettings::kSlowest)
                          .arg(LineSettings::kFastest);
    }
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
    if (!problem.isEmpty())
        return;
    LineSettings &line = m_settings.line;
    line.baudRate = baudRate;
    line.dataBits = QSerialPort::DataBits(m_dataBits->currentData().toInt());
    line.parity = QSerialPort::Parity(m_parity->currentData().toInt());
    line.stopBits = QSerialPort::StopBits(m_stopBits->currentData().toInt());
    line.flowControl = QSerialPort::FlowControl(m_flow->currentData().toInt());
    m_settings.counter.setup = m_setup->text().trimmed();
    m_settings.counter.query = m_query->text().trimmed();
    m_settings.counter.answerTime
            = std::chrono::milliseconds(qRound(m_answerTime->value() * 1000.0));
    m_settings.counter.unit = CounterUnit(m_unit->currentData().toInt());
}

} // namespace freqcounter
