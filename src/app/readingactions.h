#pragma once

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
// reading full screen, and keeping the window on top. The
// window hands it each reading it shows and knows nothing else of it; it
// never touches the window's items. A recording file that fails while
// recording stops the recording with a message, and the program goes on;
// every other failure takes the runtime's error path.
class ReadingActions : public QObject
{
    Q_OBJECT

public:
    ReadingActions(QWidget &window, Runtime &runtime);
    ~ReadingActions() override;

    // Each whole reading the window shows.
    void readingReceived(const ReceivedReading &reading);

    // Raise a RecordingError when the file cannot be opened or written.
    void startRecording(const QString &path);
    void stopRecording();
    bool isRecording() const { return m_recorder != nullptr; }

    void showHistory();
    const ReadingHistory &history() const { return m_history; }

    void showLargeDisplay();
    void setAlwaysOnTop(bool onTop);

private:
    void add(const ReceivedReading &reading);
    void chooseRecordingFile();
    void reportStoppedRecording(const QString &why);
    void copyReading();
    void offerMenuOn(QWidget &widget);
    void showMenu(const QPoint &globalAt);
    void updateState();

    QWidget &m_window;
    Runtime &m_runtime;
    QString m_title;
    QMenu *m_menu = nullptr; // made when first asked for, as the history window is
    QAction *m_copy = nullptr;
    QAction *m_record = nullptr;
    QAction *m_showHistory = nullptr;
    QAction *m_largeDisplay = nullptr;
    QAction *m_alwaysOnTop = nullptr;
    ReadingHistory m_history;
    std::unique_ptr<CsvRecorder> m_recorder;
    // Made when first asked for, so that a window that never opens costs
    // nothing.
    QPointer<HistoryWindow> m_historyWindow;
    QPointer<LargeDisplay> m_largeDisplayWindow; // likewise
    std::optional<ReceivedReading> m_last;
};

} // namespace freqcounter
