// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readingactions.h"

#include "countermathdialog.h"
#include "csvrecorder.h"
#include "historywindow.h"
#include "keptsettings.h"
#include "largedisplay.h"
#include "nominaldialog.h"
#include "querypacing.h"
#include "runtime.h"
#include "userfiles.h"
#include "windowdefinition.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QShortcut>
#include <QWidget>

#include <cmath>

namespace freqcounter {

namespace {

constexpr auto kReconnectKey = QLatin1StringView("reconnect");

} // namespace

ReadingActions::ReadingActions(QWidget &window, Runtime &runtime)
    : QObject(&window)
    , m_window(window)
    , m_runtime(runtime)
    , m_title(window.windowTitle())
{
    m_copy = new QAction(tr("&Copy reading"), this);
    m_copy->setShortcut(QKeySequence::Copy);
    m_record = new QAction(this);
    m_showHistory = new QAction(tr("&History\u2026"), this);
    m_showHistory->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    m_largeDisplay = new QAction(tr("&Large Display"), this);
    m_largeDisplay->setShortcut(QKeySequence(Qt::Key_F11));
    m_alwaysOnTop = new QAction(tr("Always on &Top"), this);
    m_alwaysOnTop->setCheckable(true);
    m_compare = new QAction(tr("Compare with &Nominal\u2026"), this);
    m_nominalFromReading = new QAction(tr("Nominal &from This Reading"), this);
    m_nominalFromReading->setObjectName(QStringLiteral("nominalFromReading"));
    m_clearNominal = new QAction(tr("C&lear Nominal"), this);
    m_soundWhenOutside = new QAction(tr("&Sound When Outside"), this);
    m_soundWhenOutside->setCheckable(true);
    m_counterMath = new QAction(tr("Counter &Math\u2026"), this);
    m_counterMath->setObjectName(QStringLiteral("counterMath"));
    m_clearMath = new QAction(tr("Cl&ear Counter Math"), this);
    m_clearMath->setObjectName(QStringLiteral("clearCounterMath"));
    m_runtime.connectHandler(m_counterMath, &QAction::triggered, this,
                             [this] { chooseCounterMath(); });
    m_runtime.connectHandler(m_clearMath, &QAction::triggered, this,
                             [this] { setCounterMath({}, true); });
    m_lineSettings = new QAction(tr("L&ine Settings\u2026"), this);
    m_lineSettings->setObjectName(QStringLiteral("lineSettings"));
    connect(m_lineSettings, &QAction::triggered, this, &ReadingActions::lineSettingsAsked);
    m_reconnect = new QAction(tr("Reconnect &When Lost"), this);
    m_reconnect->setObjectName(QStringLiteral("reconnect"));
    m_reconnect->setCheckable(true);
    m_reconnect->setChecked(keptSettings().value(kReconnectKey, false).toBool());
    connect(m_reconnect, &QAction::triggered, this, [this](bool on) { setReconnect(on, true); });
    m_about = new QAction(tr("&About freqcounter"), this);
    m_about->setObjectName(QStringLiteral("about"));
    m_aboutQt = new QAction(tr("About &Qt"), this);
    // On the window too, so that the shortcuts work without the menu.
    m_window.addActions({m_copy, m_record, m_showHistory, m_largeDisplay, m_alwaysOnTop});
    m_runtime.connectHandler(m_compare, &QAction::triggered, this, [this] { chooseComparison(); });
    m_runtime.connectHandler(m_nominalFromReading, &QAction::triggered, this,
                             [this] { nominalFromThisReading(); });
    m_runtime.connectHandler(m_clearNominal, &QAction::triggered, this,
                             [this] { setComparison({}, true); });
    m_runtime.connectHandler(m_soundWhenOutside, &QAction::triggered, this, [this] {
        Comparison changed = comparison();
        changed.soundWhenOutside = m_soundWhenOutside->isChecked();
        setComparison(changed, true);
    });

    // What an action raises takes the one error path, as a handler's does.
    m_runtime.connectHandler(m_copy, &QAction::triggered, this, [this] { copyReading(); });
    m_runtime.connectHandler(m_record, &QAction::triggered, this, [this] {
        if (isRecording())
            stopRecording();
        else
            chooseRecordingFile();
    });
    m_runtime.connectHandler(m_showHistory, &QAction::triggered, this, [this] { showHistory(); });
    m_runtime.connectHandler(m_largeDisplay, &QAction::triggered, this,
                             [this] { showLargeDisplay(); });
    m_runtime.connectHandler(m_alwaysOnTop, &QAction::toggled, this,
                             [this] { setAlwaysOnTop(m_alwaysOnTop->isChecked()); });
    m_runtime.connectHandler(m_about, &QAction::triggered, this, [this] { showAbout(); });
    connect(m_aboutQt, &QAction::triggered, this, [this] { QMessageBox::aboutQt(&m_window); });

    offerMenuOn(m_window);
    updateState();
}

void ReadingActions::offerMenuOn(QWidget &widget)
{
    // Right-click anywhere in it, the context-menu key, or Shift+F10.
    widget.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&widget, &QWidget::customContextMenuRequested, this,
            [this, &widget](const QPoint &at) { showMenu(widget.mapToGlobal(at)); });
    auto *shiftF10 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &widget);
    connect(shiftF10, &QShortcut::activated, this,
            [this, &widget] { showMenu(widget.mapToGlobal(widget.rect().center())); });
}

ReadingActions::~ReadingActions()
{
    // The windows it made read its history and call back into it: they end
    // with it, not later with the main window whose children they are.
    delete m_historyWindow.data();
    delete m_largeDisplayWindow.data();
}

void ReadingActions::readingReceived(const ReceivedReading &reading)
{
    m_runtime.run([&] { add(reading); });
}

bool ReadingActions::reconnects() const
{
    return m_reconnect->isChecked();
}

void ReadingActions::setReconnect(bool on, bool keep)
{
    m_reconnect->setChecked(on);
    if (keep) {
        QSettings settings = keptSettings();
        settings.setValue(kReconnectKey, on);
    }
    Q_EMIT reconnectChanged(on);
}

void ReadingActions::setLineWaiting(const QString &why)
{
    m_lineWaiting = why;
    compare();
}

void ReadingActions::setCounterSilent(bool silent)
{
    m_counterSilent = silent;
    if (m_largeDisplayWindow)
        m_largeDisplayWindow->setCounterSilent(silent);
    compare();
}

void ReadingActions::add(const ReceivedReading &reading)
{
    m_last = reading;
    m_history.add(reading);
    if (m_recorder) {
        try {
            m_recorder->append(reading);
        } catch (const RecordingError &error) {
            // The file is lost, the display is not: recording stops and says
            // why, and the program goes on.
            stopRecording();
            reportStoppedRecording(error.description());
        }
    }
    if (m_historyWindow)
        m_historyWindow->readingsAdded();
    if (m_largeDisplayWindow && m_largeDisplayWindow->isVisible())
        m_largeDisplayWindow->readingReceived(reading);
    m_copy->setEnabled(true);
    m_nominalFromReading->setEnabled(std::isfinite(newestMHz()));
    compare();
}

void ReadingActions::startRecording(const QString &path)
{
    m_recorder = std::make_unique<CsvRecorder>(path, m_math.isOn());
    m_recordingHasAll = m_history.added() == 0;
    updateState();
}

void ReadingActions::stopRecording()
{
    m_recorder.reset();
    updateState();
}

void ReadingActions::reportStoppedRecording(const QString &why)
{
    showWarning(&m_window, tr("Recording stopped."), why, QStringLiteral("recordingStopped"));
}

void ReadingActions::chooseRecordingFile()
{
    // An existing file is appended to, so choosing one asks nothing more.
    const QString path = QFileDialog::getSaveFileName(
            &m_window, tr("Record to File"), suggestedFile(QStringLiteral("csv")),
            tr("CSV files (*.csv);;All files (*)"), nullptr, QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty())
        startRecording(path);
}

void ReadingActions::copyReading()
{
    if (m_last)
        QGuiApplication::clipboard()->setText(m_last->text + QString(WindowDefinition::kUnit));
}

void ReadingActions::showHistory()
{
    if (!m_historyWindow) {
        m_historyWindow = new HistoryWindow(m_history, m_runtime, &m_window);
        m_historyWindow->resize(m_historyWindow->sizeHint());
        m_historyWindow->setEverythingRecorded(isRecording() && m_recordingHasAll);
        passNominal();
    }
    m_historyWindow->refresh();
    m_historyWindow->show();
    m_historyWindow->raise();
    m_historyWindow->activateWindow();
}

void ReadingActions::showLargeDisplay()
{
    if (m_largeDisplayWindow && m_largeDisplayWindow->isVisible()) {
        // F11 inside it makes it a window, or full screen again; from the
        // main window, it closes it.
        if (m_largeDisplayWindow->isActiveWindow())
            m_largeDisplayWindow->toggleFullScreen();
        else
            m_largeDisplayWindow->close();
        return;
    }
    if (!m_largeDisplayWindow) {
        m_largeDisplayWindow = new LargeDisplay(&m_window);
        // Its own shortcuts and menu are the main window's.
        m_largeDisplayWindow->addActions(m_window.actions());
        offerMenuOn(*m_largeDisplayWindow);
    }
    // It was fed nothing while closed: it starts from what was shown last.
    if (m_last)
        m_largeDisplayWindow->readingReceived(*m_last);
    m_largeDisplayWindow->setRecording(isRecording());
    m_largeDisplayWindow->setCounterSilent(m_counterSilent);
    compare();
    m_largeDisplayWindow->showOn(m_window);
}

void ReadingActions::setAlwaysOnTop(bool onTop)
{
    // Changing a flag of a shown window hides it; it is shown again where it was.
    const bool shown = m_window.isVisible();
    m_window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (shown)
        m_window.show();
}

void ReadingActions::showMenu(const QPoint &globalAt)
{
    if (!m_menu) {
        m_menu = new QMenu(&m_window);
        m_menu->addAction(m_copy);
        m_menu->addAction(m_record);
        m_menu->addSeparator();
        m_menu->addAction(m_showHistory);
        m_menu->addAction(m_largeDisplay);
        m_menu->addAction(m_alwaysOnTop);
        m_menu->addSeparator();
        m_menu->addAction(m_compare);
        m_menu->addAction(m_nominalFromReading);
        m_menu->addAction(m_clearNominal);
        m_menu->addAction(m_soundWhenOutside);
        m_menu->addSeparator();
        m_menu->addAction(m_counterMath);
        m_menu->addAction(m_clearMath);
        m_menu->addSeparator();
        m_menu->addAction(m_lineSettings);
        m_menu->addAction(m_reconnect);
        m_menu->addSeparator();
        m_menu->addAction(m_about);
        m_menu->addAction(m_aboutQt);
    }
    m_menu->popup(globalAt);
}

QString ReadingActions::aboutText()
{
    return tr("<p><b>freqcounter %1</b></p>"
              "<p>Shows the live reading of a frequency counter on a serial port, big and "
              "readable, with its history, its stability figures and its offset from a "
              "nominal frequency.</p>"
              "<p>Copyright 2026 freqcounter developers.<br>Free software under the GNU "
              "General Public License, version 3 or (at your option) any later version "
              "(GPL-3.0-or-later). It comes with no warranty.</p>"
              "<p>Built with Qt %2, running on Qt %3, under the GNU Lesser General Public "
              "License, version 3.</p>")
            .arg(QStringLiteral(FREQCOUNTER_VERSION), QStringLiteral(QT_VERSION_STR),
                 QString::fromLatin1(qVersion()));
}

void ReadingActions::showAbout()
{
    QMessageBox::about(&m_window, tr("About freqcounter"), aboutText());
}

void ReadingActions::updateState()
{
    m_copy->setEnabled(m_last.has_value());
    m_record->setText(isRecording() ? tr("&Stop Recording") : tr("&Record to File\u2026"));
    // The title says that the number is not the counter's own.
    QString title = m_title;
    if (m_math.isOn())
        title += QStringLiteral(" \u2014 ") + m_math.name();
    if (isRecording())
        title += tr(" \u2014 recording");
    m_window.setWindowTitle(title);
    m_clearMath->setEnabled(m_math.isOn());
    if (m_largeDisplayWindow)
        m_largeDisplayWindow->setRecording(isRecording());
    if (m_historyWindow)
        m_historyWindow->setEverythingRecorded(isRecording() && m_recordingHasAll);
    m_nominalFromReading->setEnabled(std::isfinite(newestMHz()));
    m_clearNominal->setEnabled(comparison().nominalHz.has_value());
    m_soundWhenOutside->setEnabled(comparison().tolerance.has_value());
    m_soundWhenOutside->setChecked(comparison().soundWhenOutside);
}

void ReadingActions::setComparison(const Comparison &comparison, bool keep)
{
    m_nominal.setComparison(comparison);
    if (keep)
        this->comparison().keep();
    updateState();
    compare();
    passNominal();
}

void ReadingActions::chooseComparison()
{
    NominalDialog dialog(comparison(), &m_window);
    if (dialog.exec() == QDialog::Accepted)
        setComparison(dialog.comparison(), true);
}

void ReadingActions::nominalFromThisReading()
{
    const double mhz = newestMHz();
    if (!std::isfinite(mhz))
        return;
    Comparison changed = comparison();
    changed.nominalHz = mhz * 1e6;
    setComparison(changed, true);
}

void ReadingActions::setCounterMath(const CounterMath &math, bool keep)
{
    m_math = math;
    if (keep)
        m_math.keep();
    // The newest reading is shown with the new math at once; the history
    // keeps each reading as it was shown.
    if (m_last) {
        m_last = m_math.shown(*m_last);
        if (m_largeDisplayWindow && m_largeDisplayWindow->isVisible())
            m_largeDisplayWindow->readingReceived(*m_last);
    }
    updateState();
    Q_EMIT counterMathChanged(m_math);
    compare();
}

void ReadingActions::chooseCounterMath()
{
    const QString reading = !m_last  ? QString()
            : m_last->math.isEmpty() ? m_last->text
                                     : m_last->raw;
    CounterMathDialog dialog(m_math, reading, &m_window);
    if (dialog.exec() == QDialog::Accepted)
        setCounterMath(dialog.math(), true);
}

double ReadingActions::newestMHz() const
{
    return m_last ? m_last->mhz() : std::nan("");
}

QString ReadingActions::offsetLine() const
{
    return m_compared.line;
}

void ReadingActions::compare()
{
    m_compared = m_nominal.compare(m_last ? m_last->text : QString(), newestMHz());
    if (m_largeDisplayWindow)
        m_largeDisplayWindow->setComparison(m_compared.line, m_compared.outside);
    // While the line is waited for, that alone: the last reading's offset
    // is no longer the counter's.
    if (!m_lineWaiting.isEmpty()) {
        Q_EMIT readingDescribed(m_lineWaiting);
        return;
    }
    QStringList description;
    if (m_counterSilent) {
        description.append(tr("The counter is silent: no answer to the last %1 queries.")
                                   .arg(QueryPacing::kSilentAfter));
    }
    if (m_last && !m_last->math.isEmpty() && m_last->raw != m_last->text) {
        description.append(
                tr("The counter reads %1 MHz; shown is %2.").arg(m_last->raw, m_last->math));
    }
    if (!m_compared.description.isEmpty())
        description.append(m_compared.description);
    Q_EMIT readingDescribed(description.join(u' '));
    if (m_compared.leftTheBand && comparison().soundWhenOutside)
        QApplication::beep();
}

void ReadingActions::passNominal()
{
    if (!m_historyWindow)
        return;
    m_historyWindow->setNominal(comparison().nominalHz, m_nominal.halfWidthHz());
}

} // namespace freqcounter
