#include "historywindow.h"

#include "analysisexport.h"
#include "historychart.h"
#include "readinghistory.h"
#include "runtime.h"
#include "stabilityplot.h"
#include "userfiles.h"
#include "windowdefinition.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>

namespace freqcounter {

namespace {

using namespace std::chrono_literals;

constexpr auto kRefreshInterval = 500ms;

QString mhz(const std::optional<double> &value)
{
    return QLocale::c().toString(*value, 'f', 7) + QString(WindowDefinition::kUnit);
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

// Each deviation at 1, 10 and 100 times the interval, with its error.
QString deviations(const QList<Statistics::Deviation> &list, double tau0, bool withError)
{
    QStringList parts;
    for (const Statistics::Deviation &d : list) {
        const long multiple = std::lround(d.tauSeconds / tau0);
        if (multiple != 1 && multiple != 10 && multiple != 100)
            continue;
        QString value = QLocale::c().toString(d.value, 'e', 2);
        if (withError)
            value += QStringLiteral(" \u00B1 ") + QLocale::c().toString(d.error, 'e', 1);
        parts.append(HistoryWindow::tr("%1 at %2").arg(value, seconds(d.tauSeconds)));
    }
    return parts.join(QStringLiteral("; "));
}

} // namespace

HistoryWindow::HistoryWindow(const ReadingHistory &history, Runtime &runtime, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_history(history)
    , m_runtime(runtime)
{
    setObjectName(QStringLiteral("History"));
    // Closing the main window ends the program, whether this one is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QString(WindowDefinition::kTitle) + tr(" \u2014 History"));

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
    addStatistic(tr("Figures of"), "instrument");
    addStatistic(tr("Readings"), "count");
    addStatistic(tr("Interval"), "interval");
    addStatistic(tr("Mean"), "mean");
    addStatistic(tr("Minimum"), "minimum");
    addStatistic(tr("Maximum"), "maximum");
    addStatistic(tr("Peak to peak"), "peakToPeak");
    addStatistic(tr("Standard deviation"), "standardDeviation");
    addStatistic(tr("Drift"), "drift");
    addStatistic(tr("Allan deviation"), "allanDeviation");
    addStatistic(tr("Overlapping Allan deviation"), "overlappingAllanDeviation");
    addStatistic(tr("Modified Allan deviation"), "modifiedAllanDeviation");
    m_stability = new StabilityPlot(this);
    m_stability->setObjectName(QStringLiteral("sigmaTau"));

    auto *save = new QPushButton(tr("S&ave for Analysis\u2026"), this);
    save->setObjectName(QStringLiteral("saveForAnalysis"));
    save->setToolTip(tr("Save this instrument's readings of the span, one frequency in Hz a "
                        "line (Ctrl+S)"));
    auto *saveShortcut = new QShortcut(QKeySequence::Save, this);

    auto *top = new QHBoxLayout;
    top->addWidget(spanLabel);
    top->addWidget(m_spanChoice);
    top->addStretch();
    top->addWidget(save);
    auto *figures = new QHBoxLayout;
    figures->addWidget(m_statistics, 3);
    figures->addWidget(m_stability, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_chart, 1);
    layout->addLayout(figures);

    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(kRefreshInterval);
    m_runtime.connectHandler(m_refreshTimer, &QTimer::timeout, this, [this] { refresh(); });
    m_runtime.connectHandler(m_spanChoice, &QComboBox::currentIndexChanged, this, [this] {
        m_chart->setSpan(std::chrono::milliseconds(m_spanChoice->currentData().toLongLong()));
        refresh();
    });
    m_runtime.connectHandler(save, &QPushButton::clicked, this, [this] { chooseAnalysisFile(); });
    m_runtime.connectHandler(saveShortcut, &QShortcut::activated, this,
                             [this] { chooseAnalysisFile(); });
    refresh();
}

std::pair<qsizetype, qsizetype> HistoryWindow::figuresRange() const
{
    auto [first, last] = m_chart->shownRange();
    if (first < last)
        first = std::max(first, m_history.instrumentStart(last - 1));
    return {first, last};
}

bool HistoryWindow::saveForAnalysis(const QString &path, QString *error)
{
    // The figures of the header are computed now, of the very readings the
    // file holds, and the window shows the same.
    refresh();
    const auto [first, last] = figuresRange();
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(analysisText(m_history, first, last, m_figures));
        if (file.commit())
            return true;
    }
    if (error)
        *error = file.errorString();
    return false;
}

void HistoryWindow::chooseAnalysisFile()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save for Analysis"),
                                                      suggestedFile(QStringLiteral("txt")),
                                                      tr("Text files (*.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!saveForAnalysis(path, &error)) {
        // Nothing was lost but this file: say so, and go on.
        showWarning(this, tr("The readings could not be saved."),
                    tr("%1: %2.").arg(QDir::toNativeSeparators(path), error));
    }
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
    value->setWordWrap(false);
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
    const auto [first, last] = figuresRange();
    m_figures = m_span.of(m_history, first, last);
    const Statistics &s = m_figures;
    const QString none = tr("not enough readings");

    if (first < last) {
        const Instrument &instrument = m_history.instrumentOf(first);
        const QString whose = WindowDefinition::instrumentName(instrument.port, instrument.device);
        const QTime since = QDateTime::fromMSecsSinceEpoch(m_history.at(first).msecs).time();
        setStatistic("instrument",
                     tr("%1, since %2").arg(whose, since.toString(QStringLiteral("HH:mm:ss"))));
    } else {
        setStatistic("instrument", tr("no readings yet"));
    }
    QString count = QString::number(s.count);
    if (s.numbers != s.count)
        count += tr(" (%1 of them numbers)").arg(s.numbers);
    setStatistic("count", count);
    setStatistic("interval", s.tau0Seconds ? seconds(*s.tau0Seconds) : none);
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
    const double tau0 = s.tau0Seconds.value_or(1);
    const auto text = [&](const QList<Statistics::Deviation> &list, bool withError) {
        const QString shown = deviations(list, tau0, withError);
        return shown.isEmpty() ? none : shown;
    };
    setStatistic("allanDeviation", text(s.allan, false));
    setStatistic("overlappingAllanDeviation", text(s.overlappingAllan, true));
    setStatistic("modifiedAllanDeviation", text(s.modifiedAllan, true));
    m_stability->setFigures(s.overlappingAllan, s.modifiedAllan);
    m_chart->update();
}

} // namespace freqcounter
