// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "historywindow.h"

#include "analysisexport.h"
#include "figuretexts.h"
#include "historychart.h"
#include "keptsettings.h"
#include "nominal.h"
#include "plotpicture.h"
#include "readinghistory.h"
#include "recordingfigures.h"
#include "recordingfile.h"
#include "runtime.h"
#include "slowfiguresthread.h"
#include "stabilityconfidence.h"
#include "stabilityplot.h"
#include "stabilitytable.h"
#include "threecorneredhatdialog.h"
#include "userfiles.h"
#include "windowdefinition.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>
#include <memory>
#include <utility>

namespace freqcounter {

namespace {

using namespace std::chrono_literals;

constexpr auto kRefreshInterval = 500ms;
// How long one step of reading a recording takes, the window kept
// responsive between steps.
constexpr auto kReadingStep = 50ms;
// How often a recording read through is looked at for what was appended.
constexpr auto kFollowInterval = 1s;

constexpr QLatin1StringView kRemoveDriftKey("history/removeDrift");
constexpr QLatin1StringView kFitAgeingKey("history/fitAgeing");

// Every reading of a recording, into a history that holds them all: made as
// large as the file's lines before the first, and grown by a quarter when a
// followed file outgrows it, so that a reading appended copies none of them.
RecordingFile::Sink everyReadingInto(ReadingHistory &history)
{
    return [&history](const RecordingFile::Reading &reading) {
        if (history.size() == history.capacity())
            history.reserve(history.capacity() + history.capacity() / 4 + 1);
        history.add(reading.port, reading.device, reading.msecs, reading.mhz, reading.math,
                    reading.phase);
    };
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
    m_removeDrift = new QComboBox(this);
    m_removeDrift->setObjectName(QStringLiteral("removeDrift"));
    m_removeDrift->setToolTip(tr("Take the drift out of the readings before every deviation"));
    m_removeDrift->addItem(tr("none"), QStringLiteral("none"));
    m_removeDrift->addItem(tr("linear"), QStringLiteral("linear"));
    m_removeDrift->setCurrentIndex(
            std::max(0, m_removeDrift->findData(keptSettings().value(kRemoveDriftKey).toString())));
    m_fitAgeing = new QCheckBox(tr("Fit A&geing"), this);
    m_fitAgeing->setObjectName(QStringLiteral("fitAgeing"));
    m_fitAgeing->setToolTip(tr("Fit the logarithmic model of ageing to a day or more of readings"));
    m_fitAgeing->setChecked(keptSettings().value(kFitAgeingKey, false).toBool());

    m_chart = new HistoryChart(history, this);
    m_chart->setSpan(std::chrono::milliseconds(m_spanChoice->currentData().toLongLong()));
    m_statistics = new QWidget(this);
    auto *form = new QFormLayout(m_statistics);
    form->setContentsMargins(0, 0, 0, 0);
    for (const FigureTexts::Row &row : FigureTexts::rows())
        addStatistic(row.name, row.objectName);
    m_stability = new StabilityPlot(this);
    m_stability->setObjectName(QStringLiteral("sigmaTau"));
    m_stability->useKeptChoice();
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->hide();
    m_loadingBar = new QWidget(this);
    m_loadingBar->hide();
    m_slowThread = new SlowFiguresThread(this);

    layOut();
    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(kRefreshInterval);
    m_runtime.connectHandler(m_refreshTimer, &QTimer::timeout, this, [this] { refresh(); });
    m_followTimer = new QTimer(this);
    m_followTimer->setSingleShot(true);
    m_followTimer->setInterval(kFollowInterval);
    m_runtime.connectHandler(m_followTimer, &QTimer::timeout, this, [this] { followOn(); });
    m_runtime.connectHandler(m_spanChoice, &QComboBox::currentIndexChanged, this, [this] {
        m_chart->setSpan(std::chrono::milliseconds(m_spanChoice->currentData().toLongLong()));
        refresh();
    });
    m_runtime.connectHandler(m_removeDrift, &QComboBox::currentIndexChanged, this, [this] {
        QSettings kept = keptSettings();
        kept.setValue(kRemoveDriftKey, m_removeDrift->currentData());
        refresh();
    });
    m_runtime.connectHandler(m_fitAgeing, &QCheckBox::toggled, this, [this] {
        QSettings kept = keptSettings();
        kept.setValue(kFitAgeingKey, m_fitAgeing->isChecked());
        refresh();
    });
    m_runtime.connectHandler(m_slowThread, &SlowFiguresThread::finished, this,
                             [this] { slowFiguresWorkedOut(); });
    refresh();
}

HistoryWindow *HistoryWindow::openRecording(const QString &path, Runtime &runtime, QWidget *parent,
                                            QString *error)
{
    auto file = std::make_unique<RecordingFile>(path, RecordingFile::End::Followed);
    if (!file->open(error))
        return nullptr;
    // It grows to hold the whole file before the first reading comes.
    auto history = std::make_unique<ReadingHistory>(1);
    auto *window = new HistoryWindow(*history, runtime, parent);
    window->m_ownHistory = std::move(history);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setAttribute(Qt::WA_QuitOnClose, parent == nullptr);
    window->m_recordingName = QFileInfo(path).fileName();
    window->setWindowTitle(window->m_recordingName + QStringLiteral(" \u2014 ")
                           + window->windowTitle());
    window->m_spanChoice->setItemText(3, tr("Everything recorded"));
    window->m_spanChoice->setCurrentIndex(3);
    window->load(std::move(file));
    return window;
}

void HistoryWindow::load(std::unique_ptr<RecordingFile> file)
{
    m_loading = std::move(file);
    auto *label = new QLabel(tr("Reading the recording\u2026"), m_loadingBar);
    m_progress = new QProgressBar(m_loadingBar);
    m_progress->setObjectName(QStringLiteral("reading"));
    m_progress->setRange(0, 1000);
    m_progress->setAccessibleName(label->text());
    auto *cancel = new QPushButton(tr("Cancel"), m_loadingBar);
    cancel->setObjectName(QStringLiteral("cancelReading"));
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    auto *row = new QHBoxLayout(m_loadingBar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addWidget(m_progress, 1);
    row->addWidget(cancel);
    m_loadingBar->show();
    for (QWidget *widget : std::as_const(m_figuresWidgets))
        widget->setEnabled(false);
    m_refreshTimer->stop();
    readOnSoon();
}

void HistoryWindow::readOnSoon()
{
    // Between steps, the window answers its user.
    QTimer::singleShot(0, this, [this] { m_runtime.run([this] { readOn(); }); });
}

void HistoryWindow::readOn()
{
    // The lines are counted in steps of their own, before the first reading.
    m_ownHistory->reserve(m_loading->rowsAtMost());
    if (m_loading->readOn(kReadingStep, everyReadingInto(*m_ownHistory))) {
        m_progress->setValue(int(m_loading->progress() * 1000));
        readOnSoon();
        return;
    }
    std::unique_ptr<RecordingFile> file = std::move(m_loading);
    if (const std::optional<QString> why = file->failure()) {
        Q_EMIT recordingFailed(tr("%1: %2.").arg(QDir::toNativeSeparators(file->path()), *why));
        close();
        return;
    }
    m_unreadable = file->loaded().unreadable;
    m_firstUnreadableLine = file->loaded().firstUnreadableLine;
    m_loadingBar->hide();
    for (QWidget *widget : std::as_const(m_figuresWidgets))
        widget->setEnabled(true);
    m_followed = std::move(file);
    m_followTimer->start();
    refresh();
}

void HistoryWindow::followOn()
{
    // What has grown is read in steps, as the file was at first.
    const bool grown = m_followed->hasGrown();
    const bool more = grown && m_followed->readOn(kReadingStep, everyReadingInto(*m_ownHistory));
    if (const std::optional<QString> why = m_followed->failure()) {
        m_notFollowed = *why;
        m_followed.reset();
        refresh();
        return;
    }
    if (grown) {
        m_unreadable = m_followed->loaded().unreadable;
        m_firstUnreadableLine = m_followed->loaded().firstUnreadableLine;
        readingsAdded();
    }
    if (more)
        QTimer::singleShot(0, this, [this] { m_runtime.run([this] { followOn(); }); });
    else
        m_followTimer->start();
}

HistoryWindow::~HistoryWindow()
{
    m_slowThread->stop();
    stopComparing();
    // The chart reads the history: it goes before a recording's own history
    // does, not later with the rest of the window's children.
    delete std::exchange(m_chart, nullptr);
}

void HistoryWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    workOutSlowFigures();
}

void HistoryWindow::closeEvent(QCloseEvent *event)
{
    // What it was working out is of no more use, and must not outlive it.
    m_slowThread->stop();
    QWidget::closeEvent(event);
}

void HistoryWindow::setEverythingRecorded(bool recorded)
{
    m_everythingRecorded = recorded;
    m_note->setText(note());
    m_note->setVisible(!m_note->text().isEmpty());
}

QString HistoryWindow::note() const
{
    QStringList notes;
    if (m_unreadable > 0) {
        notes.append(m_unreadable == 1
                             ? tr("1 row could not be read, at line %1").arg(m_firstUnreadableLine)
                             : tr("%1 rows could not be read, the first at line %2")
                                       .arg(m_unreadable)
                                       .arg(m_firstUnreadableLine));
    }
    if (!m_notFollowed.isEmpty())
        notes.append(tr("no longer followed: %1").arg(m_notFollowed));
    // A bounded history drops its oldest readings; never silently.
    if (m_history.added() > m_history.size()) {
        const QLocale locale;
        QString dropped = tr("the newest %1 of %2 readings")
                                  .arg(locale.toString(m_history.size()),
                                       locale.toString(m_history.added()));
        if (m_everythingRecorded)
            dropped += tr("; all are in the recording");
        notes.append(dropped);
    }
    return notes.join(QStringLiteral("; "));
}

void HistoryWindow::layOut()
{
    auto *spanLabel = new QLabel(tr("&Span:"), this);
    spanLabel->setBuddy(m_spanChoice);
    const auto button = [this](const QString &text, const char *name, const QString &tip,
                               const QKeySequence &keys, void (HistoryWindow::*chosen)()) {
        auto *pushButton = new QPushButton(text, this);
        m_figuresWidgets.append(pushButton);
        pushButton->setObjectName(QString::fromLatin1(name));
        pushButton->setToolTip(tip);
        m_runtime.connectHandler(pushButton, &QPushButton::clicked, this,
                                 [this, chosen] { (this->*chosen)(); });
        if (!keys.isEmpty()) {
            auto *shortcut = new QShortcut(keys, this);
            m_runtime.connectHandler(shortcut, &QShortcut::activated, this,
                                     [this, chosen] { (this->*chosen)(); });
        }
        return pushButton;
    };
    auto *removeDriftLabel = new QLabel(tr("&Remove drift:"), this);
    removeDriftLabel->setBuddy(m_removeDrift);
    auto *top = new QHBoxLayout;
    top->addWidget(spanLabel);
    top->addWidget(m_spanChoice);
    top->addWidget(removeDriftLabel);
    top->addWidget(m_removeDrift);
    top->addWidget(m_fitAgeing);
    top->addWidget(m_note);
    top->addStretch();
    top->addWidget(button(tr("&Open Recording\u2026"), "openRecording",
                          tr("Look at a recording again, in a window of its own (Ctrl+O)"),
                          QKeySequence::Open, &HistoryWindow::chooseRecording));
    top->addWidget(button(tr("Co&mpare With\u2026"), "compareWith",
                          tr("Lay another recording's sigma-tau curves on this plot"), {},
                          &HistoryWindow::chooseComparison));
    top->addWidget(button(tr("Save Stability &Table\u2026"), "saveStabilityTable",
                          tr("Save this instrument's stability figures as CSV"), {},
                          &HistoryWindow::chooseStabilityTableFile));
    top->addWidget(button(tr("S&ave for Analysis\u2026"), "saveForAnalysis",
                          tr("Save this instrument's readings of the span, one frequency in Hz "
                             "a line (Ctrl+S)"),
                          QKeySequence::Save, &HistoryWindow::chooseAnalysisFile));
    top->addWidget(button(tr("Save &Plot\u2026"), "savePlot",
                          tr("Save the sigma-tau plot or the chart as a PNG or SVG picture"), {},
                          &HistoryWindow::choosePlotFile));
    top->addWidget(button(tr("Three-Cornered &Hat\u2026"), "threeCorneredHat",
                          tr("Each of three oscillators' own deviation, from recordings of their "
                             "three pairs"),
                          {}, &HistoryWindow::chooseThreeCorneredHat));
    // The figures scroll when wrapped lines need more height than there is.
    auto *statistics = new QScrollArea(this);
    statistics->setWidget(m_statistics);
    statistics->setWidgetResizable(true);
    statistics->setFrameShape(QFrame::NoFrame);
    statistics->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *figures = new QHBoxLayout;
    figures->addWidget(statistics, 3);
    figures->addWidget(m_stability, 2);
    m_figuresWidgets.append(
            {m_spanChoice, m_removeDrift, m_fitAgeing, m_chart, statistics, m_stability});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_loadingBar);
    layout->addLayout(top);
    layout->addWidget(m_chart, 2);
    layout->addLayout(figures, 3);
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
    completeSlowFigures();
    const auto [first, last] = figuresRange();
    return writeWhole(path, analysisText(m_history, first, last, m_figures, m_nominalHz), error);
}

bool HistoryWindow::saveStabilityTable(const QString &path, QString *error)
{
    completeSlowFigures();
    return writeWhole(path, stabilityTable(m_figures), error);
}

bool HistoryWindow::savePlot(Plot plot, const QString &path, QSize size, QString *error)
{
    completeSlowFigures();
    const bool sigmaTau = plot == Plot::SigmaTau;
    const auto [first, last] = sigmaTau ? figuresRange() : m_chart->shownRange();
    if (first == last) {
        if (error)
            *error = tr("there are no readings to plot");
        return false;
    }
    QStringList caption = FigureTexts::caption(
            m_recordingName.isEmpty() ? m_instrumentName : m_recordingName,
            m_history.at(first).msecs, m_history.at(last - 1).msecs, m_figures.tau0Seconds,
            sigmaTau ? m_stability->shownNames() : QStringList(), m_figures.driftRemoved);
    if (const QStringList compared = m_stability->compared(true); sigmaTau && !compared.isEmpty())
        caption.append(tr("Compared with %1").arg(compared.join(QStringLiteral("; "))));
    const PlotWidget &drawn = sigmaTau ? static_cast<const PlotWidget &>(*m_stability) : *m_chart;
    return PlotPicture::save(drawn, path, size, caption, error);
}

void HistoryWindow::choosePlotFile()
{
    // Which plot and how large, then where.
    QDialog ask(this);
    ask.setWindowTitle(tr("Save Plot"));
    auto *which = new QComboBox(&ask);
    which->addItem(tr("Sigma-tau plot"), int(Plot::SigmaTau));
    which->addItem(tr("Chart of the readings"), int(Plot::Chart));
    const auto pixels = [&ask](int value) {
        auto *box = new QSpinBox(&ask);
        box->setRange(100, 10000);
        box->setSuffix(tr(" px"));
        box->setValue(value);
        return box;
    };
    auto *width = pixels(PlotPicture::kDefaultSize.width());
    auto *height = pixels(PlotPicture::kDefaultSize.height());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ask);
    connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
    auto *form = new QFormLayout(&ask);
    form->addRow(tr("&Plot:"), which);
    form->addRow(tr("&Width:"), width);
    form->addRow(tr("&Height:"), height);
    form->addRow(buttons);
    if (ask.exec() != QDialog::Accepted)
        return;
    const auto plot = Plot(which->currentData().toInt());
    const QSize size(width->value(), height->value());
    // A name without the extension takes the filter's.
    const bool svg = PlotPicture::writes(PlotPicture::Format::Svg);
    const QString svgFilter = tr("SVG pictures (*.svg)");
    const QString pngFilter = tr("PNG pictures (*.png)");
    QString filter = svg ? svgFilter : pngFilter;
    QString path = QFileDialog::getSaveFileName(
            this, tr("Save Plot"),
            suggestedFile(svg ? QStringLiteral("svg") : QStringLiteral("png")),
            svg ? svgFilter + QStringLiteral(";;") + pngFilter : pngFilter, &filter);
    if (path.isEmpty())
        return;
    if (!PlotPicture::formatOf(path))
        path += filter == svgFilter ? QStringLiteral(".svg") : QStringLiteral(".png");
    QString error;
    if (!savePlot(plot, path, size, &error)) {
        showWarning(this, tr("The plot could not be saved."),
                    tr("%1: %2.").arg(QDir::toNativeSeparators(path), error));
    }
}

void HistoryWindow::chooseAnalysisFile()
{
    chooseAndSave(tr("Save for Analysis"), QStringLiteral("txt"),
                  tr("Text files (*.txt);;All files (*)"), tr("The readings could not be saved."),
                  &HistoryWindow::saveForAnalysis);
}

void HistoryWindow::chooseStabilityTableFile()
{
    chooseAndSave(tr("Save Stability Table"), QStringLiteral("stability.csv"),
                  tr("CSV files (*.csv);;All files (*)"),
                  tr("The stability table could not be saved."),
                  &HistoryWindow::saveStabilityTable);
}

void HistoryWindow::chooseAndSave(const QString &title, const QString &extension,
                                  const QString &filter, const QString &failed,
                                  bool (HistoryWindow::*save)(const QString &, QString *))
{
    const QString path
            = QFileDialog::getSaveFileName(this, title, suggestedFile(extension), filter);
    if (path.isEmpty())
        return;
    QString error;
    if (!(this->*save)(path, &error)) {
        // Nothing was lost but this file: say so, and go on.
        showWarning(this, failed, tr("%1: %2.").arg(QDir::toNativeSeparators(path), error));
    }
}

void HistoryWindow::chooseRecording()
{
    const QString path = QFileDialog::getOpenFileName(
            this, tr("Open Recording"), QFileInfo(suggestedFile(QStringLiteral("csv"))).path(),
            tr("Recordings (*.csv *.txt);;All files (*)"));
    if (!path.isEmpty())
        showRecording(path);
}

void HistoryWindow::chooseComparison()
{
    const QString path = QFileDialog::getOpenFileName(
            this, tr("Compare With"), QFileInfo(suggestedFile(QStringLiteral("csv"))).path(),
            tr("Recordings (*.csv *.txt);;All files (*)"));
    if (!path.isEmpty())
        compareWith(path);
}

void HistoryWindow::compareWith(const QString &path)
{
    struct Read
    {
        std::optional<RecordingFigures> figures;
        QStringList told;
    };
    auto read = std::make_shared<Read>();
    StatisticsOptions options = this->options();
    options.slow = true;
    QThread *thread = QThread::create([this, path, options, read] {
        read->figures = RecordingFigures::read(path, options, &read->told, &m_stopComparing);
    });
    m_comparing.append(thread);
    m_runtime.connectHandler(thread, &QThread::finished, this, [this, thread, path, read] {
        m_comparing.removeOne(thread);
        thread->wait();
        thread->deleteLater();
        if (read->figures) {
            const RecordingFigures &figures = *read->figures;
            m_stability->compare(
                    FigureTexts::legendName({QFileInfo(path).fileName(), figures.firstMsecs,
                                             figures.lastMsecs, figures.figures.tau0Seconds}),
                    figures.figures);
        } else {
            showWarning(this, tr("The recording could not be compared."),
                        tr("%1: %2.").arg(QDir::toNativeSeparators(path),
                                          read->told.join(QStringLiteral("; "))),
                        QStringLiteral("comparisonFailed"));
        }
        Q_EMIT comparisonRead(path);
    });
    thread->start();
}

void HistoryWindow::stopComparing()
{
    m_stopComparing = true;
    for (QThread *thread : std::as_const(m_comparing)) {
        thread->wait();
        delete thread;
    }
    m_comparing.clear();
}

void HistoryWindow::chooseThreeCorneredHat()
{
    openThreeCorneredHat();
}

ThreeCorneredHatDialog *HistoryWindow::openThreeCorneredHat()
{
    auto *dialog = new ThreeCorneredHatDialog(m_runtime, options(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

HistoryWindow *HistoryWindow::showRecording(const QString &path)
{
    QString error;
    HistoryWindow *window = openRecording(path, m_runtime, this, &error);
    if (!window) {
        showWarning(this, tr("The recording could not be opened."),
                    tr("%1: %2.").arg(QDir::toNativeSeparators(path), error));
        return nullptr;
    }
    connect(window, &HistoryWindow::recordingFailed, this, [this](const QString &text) {
        showWarning(this, tr("The recording could not be opened."), text);
    });
    window->show();
    return window;
}

void HistoryWindow::setNominal(std::optional<double> nominalHz, std::optional<double> halfWidthHz)
{
    m_nominalHz = nominalHz;
    m_chart->setNominal(nominalHz, halfWidthHz);
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
    // Three deviations with their bounds are a long line: it wraps.
    value->setWordWrap(true);
    auto *label = new QLabel(tr("%1:", "a figure's name before its value").arg(name), m_statistics);
    label->setBuddy(value);
    static_cast<QFormLayout *>(m_statistics->layout())->addRow(label, value);
    m_figureLabels.append({value, name});
}

StatisticsOptions HistoryWindow::options() const
{
    StatisticsOptions options;
    options.removeDrift = m_removeDrift->currentData().toString() == QStringLiteral("linear");
    options.ageing = m_fitAgeing->isChecked();
    options.slow = false;
    return options;
}

void HistoryWindow::refresh()
{
    m_refreshTimer->stop();
    const auto [first, last] = figuresRange();
    const StatisticsOptions options = this->options();
    m_figures = m_span.of(m_history, first, last, options);
    m_figuresOf = tr("no readings yet");
    m_shownOf = {};
    if (first < last) {
        const Instrument &whose = m_history.instrumentOf(first);
        // A span of days, or of another day, says the date too.
        const QDateTime since = QDateTime::fromMSecsSinceEpoch(m_history.at(first).msecs);
        const bool today = since.date() == QDate::currentDate();
        m_figuresOf = tr("%1, since %2")
                              .arg(WindowDefinition::instrumentName(whose.port, whose.device),
                                   since.toString(today ? QStringLiteral("HH:mm:ss")
                                                        : QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        // Figures of the frequency shown say that it is not the counter's own.
        if (!whose.math.isEmpty())
            m_figuresOf = tr("%1; counter math %2").arg(m_figuresOf, whose.math);
        m_instrumentName = WindowDefinition::instrumentName(whose.port, whose.device);
        m_shownOf = {whose.firstSequence, m_history.sequence(first), m_history.sequence(last),
                     options.removeDrift, options.ageing};
    }
    // The last slow figures of the same run stand until the next arrive.
    if (m_slow && !m_slow->of.sameKind(m_shownOf))
        m_slow.reset();
    if (m_slow)
        SlowFigures::put(m_slow->figures, m_figures);
    workOutSlowFigures();
    showFigures();
    m_chart->update();
    if (const QString text = note(); text != m_note->text()) {
        m_note->setText(text);
        m_note->setVisible(!text.isEmpty());
    }
}

void HistoryWindow::showFigures()
{
    const auto [first, last] = figuresRange();
    FigureTexts::Context context{m_figuresOf, m_nominalHz, !m_slow, m_fitAgeing->isChecked(), 0};
    if (first < last)
        context.spanSeconds
                = double(m_history.at(last - 1).msecs - m_history.at(first).msecs) / 1000;
    const QStringList texts = FigureTexts::texts(m_figures, context);
    const QStringList details = FigureTexts::details(m_figures, context);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const auto &[label, name] = m_figureLabels.at(i);
        label->setText(texts.at(i));
        // A screen reader reads name and value together.
        label->setAccessibleName(name + QStringLiteral(": ") + texts.at(i));
        label->setToolTip(details.at(i));
        label->setAccessibleDescription(details.at(i));
    }
    // Named by its recording, or its instrument, and span while others are
    // compared with it.
    QString name = m_figuresOf;
    if (first < last) {
        name = FigureTexts::legendName(
                {m_recordingName.isEmpty() ? m_instrumentName : m_recordingName,
                 m_history.at(first).msecs, m_history.at(last - 1).msecs, std::nullopt});
    }
    m_stability->setFigures(m_figures, name);
}

void HistoryWindow::workOutSlowFigures()
{
    // One computation at a time, and only for figures someone sees; when it
    // ends, the next starts from where the span is then.
    if (!isVisible() || m_slowThread->isRunning() || (m_slow && m_slow->of == m_shownOf))
        return;
    SlowFigures figures = m_span.slowFigures();
    if (figures.isEmpty()) {
        m_slow = Slow{m_shownOf, {}};
        return;
    }
    m_workingOutOf = m_shownOf;
    m_slowThread->start(std::move(figures));
}

void HistoryWindow::slowFiguresWorkedOut()
{
    // Of another run or worked out another way, they are dropped; so are
    // they when those shown were since worked out whole, for a file.
    const bool whole = m_slow && m_slow->of == m_shownOf;
    if (m_workingOutOf.sameKind(m_shownOf) && !whole) {
        m_slow = Slow{m_workingOutOf, m_slowThread->result()};
        SlowFigures::put(m_slow->figures, m_figures);
        showFigures();
    }
    workOutSlowFigures();
}

void HistoryWindow::completeSlowFigures()
{
    refresh();
    if (m_slow && m_slow->of == m_shownOf)
        return;
    m_slow = Slow{m_shownOf, m_span.slowFigures().compute()};
    SlowFigures::put(m_slow->figures, m_figures);
    showFigures();
}

} // namespace freqcounter
