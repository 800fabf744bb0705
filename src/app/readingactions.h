// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countermath.h"
#include "nominalcomparison.h"
#include "readinghistory.h"
#include "receivedreading.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <optional>

class QAction;
class QMenu;
class QWidget;

namespace freqcounter {

class CsvRecorder;
class HistoryWindow;
class LargeDisplay;
class Runtime;

// The main window's context menu and what it offers: copying the reading on
// show, recording the readings to a CSV file, the history window, the
// reading full screen, keeping the window on top, comparing the readings
// with a nominal frequency and a tolerance, the counter math that makes the
// frequency shown of the counter's reading, and what the program is. The
// window hands it each reading it shows and knows nothing else of it; it
// never touches the window's items. A recording file that fails while
// recording stops the recording with a message, and the program goes on;
// every other failure takes the runtime's error path.
class ReadingActions : public QObject
{
    Q_OBJECT

public:
    // The window owns it, as its child.
    ReadingActions(QWidget &window, Runtime &runtime);
    ~ReadingActions() override;

    // Each whole reading the window shows.
    void readingReceived(const ReceivedReading &reading);
    // A counter that must be asked has stopped answering, or answers again:
    // the description and the large display say so meanwhile.
    void setCounterSilent(bool silent);

    // Raise a RecordingError when the file cannot be opened or written.
    void startRecording(const QString &path);
    void stopRecording();
    bool isRecording() const { return m_recorder != nullptr; }

    void showHistory();
    const ReadingHistory &history() const { return m_history; }

    void showLargeDisplay();
    void setAlwaysOnTop(bool onTop);

    // What the readings are compared with; the menu's choices are kept for
    // the next start, one given here is kept only when keep is set.
    const Comparison &comparison() const { return m_nominal.comparison(); }
    void setComparison(const Comparison &comparison, bool keep);
    void nominalFromThisReading();
    // The offset of the newest reading from the nominal, as its line on the
    // large display says it; empty without a nominal.
    QString offsetLine() const;

    // The counter math the readings are shown with; the menu's choice is
    // kept for the next start, one given here only when keep is set.
    const CounterMath &counterMath() const { return m_math; }
    void setCounterMath(const CounterMath &math, bool keep);

    // Whether a lost line is waited for and reopened; the menu's choice is
    // kept for the next start, one given here only when keep is set.
    bool reconnects() const;
    void setReconnect(bool on, bool keep);
    // The window waits for its lost line, for this reason (empty: it no
    // longer waits); the description says so meanwhile.
    void setLineWaiting(const QString &why);

    // What About freqcounter says: the version, the licence, Qt's version.
    static QString aboutText();

Q_SIGNALS:
    // What the display says beside each reading: its offset from the
    // nominal and whether it is within the tolerance; empty without one.
    void readingDescribed(const QString &description);
    // Line Settings... was chosen: the window asks how its port speaks.
    void lineSettingsAsked();
    // The counter math changed: the window shows its readings so.
    void counterMathChanged(const freqcounter::CounterMath &math);
    // Reconnect When Lost was turned on or off.
    void reconnectChanged(bool on);

private:
    void add(const ReceivedReading &reading);
    void chooseRecordingFile();
    void reportStoppedRecording(const QString &why);
    void copyReading();
    void offerMenuOn(QWidget &widget);
    void showMenu(const QPoint &globalAt);
    void updateState();
    // Each reading: the large display's line, the window's description, the
    // bell. The history window learns of the nominal only when it changes.
    void compare();
    void passNominal();
    // The newest reading in MHz; not a number before the first, or when it
    // is none.
    double newestMHz() const;
    void chooseComparison();
    void chooseCounterMath();
    void showAbout();

    QWidget &m_window;
    Runtime &m_runtime;
    QString m_title;
    QMenu *m_menu = nullptr; // made when first asked for, as the history window is
    QAction *m_copy = nullptr;
    QAction *m_record = nullptr;
    QAction *m_showHistory = nullptr;
    QAction *m_largeDisplay = nullptr;
    QAction *m_alwaysOnTop = nullptr;
    QAction *m_compare = nullptr;
    QAction *m_nominalFromReading = nullptr;
    QAction *m_clearNominal = nullptr;
    QAction *m_soundWhenOutside = nullptr;
    QAction *m_counterMath = nullptr;
    QAction *m_clearMath = nullptr;
    QAction *m_lineSettings = nullptr;
    QAction *m_reconnect = nullptr;
    QAction *m_about = nullptr;
    QAction *m_aboutQt = nullptr;
    CounterMath m_math;
    NominalComparison m_nominal;
    NominalComparison::Compared m_compared; // the newest reading's
    bool m_counterSilent = false;
    QString m_lineWaiting;
    ReadingHistory m_history;
    std::unique_ptr<CsvRecorder> m_recorder;
    // Whether the recording has every reading since the first.
    bool m_recordingHasAll = false;
    // Made when first asked for, so that a window that never opens costs
    // nothing.
    QPointer<HistoryWindow> m_historyWindow;
    QPointer<LargeDisplay> m_largeDisplayWindow; // likewise
    std::optional<ReceivedReading> m_last;
};

} // namespace freqcounter
