#include "historywindow.h"

#include "historychart.h"
#include "readinghistory.h"
#include "statistics.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>

namespace freqcounter {

namespace {

using namespace std::chrono_literals;

constexpr auto kRefreshInterval = 250ms;

QString mhz(const std::optional<double> &value)
{
    return QLocale::c().toString(*value, 'f', 7) + QStringLiteral(" MHz");
}

QString hz(const std::optional<double> &value, int decimals = 1)
{
    return QLocale::c().toString(*value, 'f', decimals) + QStringLiteral(" Hz");
}

QString signedNumber(double value, int decimals)
{
    const QString text = QLocale::c().toString(value, 'f', decimals);
    return value >= 0 ? QStringLiteral("+") + text : text;
}

QString seconds(double value)
{
    return QLocale::c().toString(value, 'g', 3) + QStringLiteral(" s");
}

} // namespace

HistoryWindow::HistoryWindow(const ReadingHistory &history, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_history(history)
{
    setObjectName(QStringLiteral("History"));
    // Closing the main window ends the program, whether this one is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("2GHz Frequency counter \u2014 History"));

    m_spanChoice = new QComboBox(this);
    m_spanChoice->setObjectName(QStringLiteral("span"));
    m_spanChoice->addItem(tr("1 minute"), qint64(60'000));
    m_spanChoice->addItem(tr("10 minutes"), qint64(600'000));
    m_spanChoice->addItem(tr("1 hour"), qint64(3'600'000));
    m_spanChoice->addItem(tr("Everything since start"), qint64(0));
    m_spanChoice->setCurrentIndex(1);
    auto *spanLabel = new QLabel(tr("&Span:"), this);
    spanLabel->setBuddy(m_spanChoice);

    m_chart = new HistoryChart(history, this);
    m_chart->setSpan(std::chrono::milliseconds(m_spanChoice->currentData().toLongLong()));

    m_statistics = new QWidget(this);
    auto *form = new QFormLayout(m_statistics);
    form->setContentsMargins(0, 0, 0, 0);
    addStatistic(tr("Readings"), "count");
    addStatistic(tr("Mean"), "mean");
    addStatistic(tr("Minimum"), "minimum");
    addStatistic(tr("Maximum"), "maximum");
    addStatistic(tr("Peak to peak"), "peakToPeak");
    addStatistic(tr("Standard deviation"), "standardDeviation");
    addStatistic(tr("Drift"), "drift");
    addStatistic(tr("Allan deviation"), "allanDeviation");

    auto *top = new QHBoxLayout;
    top->addWidget(spanLabel);
    top->addWidget(m_spanChoice);
    top->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_chart, 1);
    layout->addWidget(m_statistics);

    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(kRefreshInterval);
    connect(m_refreshTimer, &QTimer::timeout, this, &HistoryWindow::refresh);
    connect(m_spanChoice, &QComboBox::currentIndexChanged, this, [this] {
        m_chart->setSpan(std::chrono::milliseconds(m_spanChoice->currentData().toLongLong()));
        refresh();
    });
    refresh();
}

void HistoryWindow::readingsAdded()
{
    if (isVisible() && !m_refreshTimer->isActive())
        m_refreshTimer->start();
}

void HistoryWindow::addStatistic(const QString &name, const char *objectName)
{
    auto *value = new QLabel(m_statistics);
    value->setObjectName(QString::fromLatin1(objectName));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    value->setProperty("statisticName", name);
    auto *label = new QLabel(name + QStringLiteral(":"), m_statistics);
    label->setBuddy(value);
    static_cast<QFormLayout *>(m_statistics->layout())->addRow(label, value);
}

void HistoryWindow::setStatistic(const char *objectName, const QString &value)
{
    auto *label = m_statistics->findChild<QLabel *>(QString::fromLatin1(objectName));
    label->setText(value);
    // A screen reader reads name and value together.
    label->setAccessibleName(label->property("statisticName").toString() + QStringLiteral(": ")
                             + value);
}

void HistoryWindow::refresh()
{
    m_refreshTimer->stop();
    const auto [first, last] = m_chart->shownRange();
    const Statistics s = Statistics::of(m_history, first, last);
    const QString none = tr("not enough readings");

    QString count = QString::number(s.count);
    if (s.numbers != s.count)
        count += tr(" (%1 of them numbers)").arg(s.numbers);
    setStatistic("count", count);
    setStatistic("mean", s.meanMHz ? mhz(s.meanMHz) : none);
    setStatistic("minimum", s.minMHz ? mhz(s.minMHz) : none);
    setStatistic("maximum", s.maxMHz ? mhz(s.maxMHz) : none);
    setStatistic("peakToPeak", s.peakToPeakHz ? hz(s.peakToPeakHz) : none);
    setStatistic("standardDeviation", s.stdDevHz ? hz(s.stdDevHz, 2) : none);
    if (s.driftHzPerMinute) {
        QString drift = signedNumber(*s.driftHzPerMinute, 2) + tr(" Hz per minute");
        if (s.driftPpmPerHour)
            drift += tr(", %1 ppm per hour").arg(signedNumber(*s.driftPpmPerHour, 4));
        setStatistic("drift", drift);
    } else {
        setStatistic("drift", none);
    }
    QStringList allan;
    for (const Statistics::Deviation &a : s.allan)
        allan.append(
                tr("%1 at %2")
                        .arg(QLocale::c().toString(a.value, 'e', 2), seconds(a.tauSeconds)));
    setStatistic("allanDeviation", allan.isEmpty() ? none : allan.join(QStringLiteral("; ")));
    m_chart->update();
}

} // namespace freqcounter
