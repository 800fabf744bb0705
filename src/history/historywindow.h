// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "readinghistory.h"
#include "statistics.h"

#include <QWidget>

#include <atomic>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QThread;
class QTimer;

namespace freqcounter {

class HistoryChart;
class RecordingFile;
class Runtime;
class SlowFiguresThread;
class StabilityPlot;
class ThreeCorneredHatDialog;

// The history window: the chart of the readings over a chosen span and,
// under it, the figures of the one instrument read since the last port
// switch within that span: the statistics as text that screen readers read,
// and the sigma-tau plot, the drift taken out first or not. The figures that
// take long on a long span are worked out on another thread while it is
// shown, the last of them shown until the next arrive. It saves that
// instrument's readings for analysis, shows what the history holds and never
// changes it. Other recordings' sigma-tau curves can be laid beside its own,
// read on threads of their own, and it opens the three-cornered hat of three
// recordings. Its refresh runs through the runtime, as the window's handlers
// do.
class HistoryWindow : public QWidget
{
    Q_OBJECT

public:
    HistoryWindow(const ReadingHistory &history, Runtime &runtime, QWidget *parent = nullptr);

    // A window of its own for a recording, which it reads into a history it
    // keeps, every reading of it: a part at a time, showing how far it has
    // come, with Cancel. Its title names the file, its span is all of it,
    // and it says how many rows could not be read and the first one's line.
    // Once read, the file is followed while the window is open: readings a
    // logger appends join the history as they come. It ends itself when
    // closed, and the program with it when it has no parent. Nothing, with
    // the reason in error, when the file cannot be opened; when it cannot be
    // read through, or holds no readings, the window says so with
    // recordingFailed and closes.
    static HistoryWindow *openRecording(const QString &path, Runtime &runtime,
                                        QWidget *parent = nullptr, QString *error = nullptr);
    // Opens and shows one, as Open Recording does; a file that cannot be
    // read is said in a warning.
    HistoryWindow *showRecording(const QString &path);
    // Opens and shows the three-cornered hat of three recordings, its
    // figures worked out as this window's are, as Three-Cornered Hat does.
    ThreeCorneredHatDialog *openThreeCorneredHat();
    ~HistoryWindow() override;
    // Whether a recording has every reading since the first: the note that
    // the history dropped its oldest says so.
    void setEverythingRecorded(bool recorded);

    // New readings have come: redraws soon, at most twice a second.
    void readingsAdded();

    // The nominal frequency the readings are compared with, and the
    // tolerance's half-width around it, in Hz; nothing for none.
    void setNominal(std::optional<double> nominalHz, std::optional<double> halfWidthHz);

    // Redraws and recomputes now; the slow figures, while it is shown, on
    // another thread, one computation at a time.
    void refresh();

    // The readings the figures are of: [first, last) of the history.
    std::pair<qsizetype, qsizetype> figuresRange() const;

    QSize sizeHint() const override { return {1000, 760}; }

    // Whether it is still reading its recording.
    bool isLoading() const { return m_loading != nullptr; }

    // Refreshes, slow figures and all, then writes the figures' readings for
    // analysis under a header of their own figures; false, with the reason
    // in error, when the file could not be written.
    bool saveForAnalysis(const QString &path, QString *error = nullptr);
    // Refreshes, slow figures and all, then writes the figures' stability
    // table.
    bool saveStabilityTable(const QString &path, QString *error = nullptr);

    // Reads another recording's figures on a thread of its own, worked out
    // as its own are, and lays their sigma-tau curves on its plot, named by
    // the file and the span of its readings, beside those compared before;
    // comparisonRead tells when. A file that cannot be read, or gives no
    // figures, is said in a warning.
    void compareWith(const QString &path);
    // Whether a recording to compare with is still being read.
    bool isComparing() const { return !m_comparing.isEmpty(); }

    // The plots it can save as a picture.
    enum class Plot { SigmaTau, Chart };
    // Refreshes, slow figures and all, then saves the plot as a PNG or SVG picture of this size,
    // by the file's extension, under a caption of whose readings they are,
    // their span and interval, and for the sigma-tau plot the estimators
    // drawn and the recordings compared; false, with the reason in error, when it could not be
    // saved.
    bool savePlot(Plot plot, const QString &path, QSize size, QString *error = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

Q_SIGNALS:
    // Its recording could not be read through, or holds no readings:
    // "FILE: why."
    void recordingFailed(const QString &text);
    // A recording to compare with was read: laid on the plot, or said in a
    // warning.
    void comparisonRead(const QString &path);

private:
    // What slow figures are of: the instrument's run, by the sequence of its
    // first reading, the readings [first, last) by sequence, and how.
    struct SlowOf
    {
        qint64 instrument = -1;
        qint64 first = 0;
        qint64 last = 0;
        bool removeDrift = false;
        bool ageing = false;

        // Of the same run, worked out the same way: still worth showing.
        bool sameKind(const SlowOf &other) const
        {
            return instrument == other.instrument && removeDrift == other.removeDrift
                    && ageing == other.ageing;
        }
        bool operator==(const SlowOf &) const = default;
    };
    struct Slow
    {
        SlowOf of;
        SlowFigures::Figures figures;
    };

    void layOut();
    StatisticsOptions options() const;
    void showFigures();
    void workOutSlowFigures();
    void slowFiguresWorkedOut();
    void completeSlowFigures();
    void load(std::unique_ptr<RecordingFile> file);
    void readOn();
    void readOnSoon();
    void followOn();
    QString note() const;
    void chooseRecording();
    void chooseComparison();
    void stopComparing();
    void chooseStabilityTableFile();
    void chooseAndSave(const QString &title, const QString &extension, const QString &filter,
                       const QString &failed,
                       bool (HistoryWindow::*save)(const QString &, QString *));
    void addStatistic(const QString &name, const char *objectName);
    void chooseAnalysisFile();
    void choosePlotFile();
    void chooseThreeCorneredHat();

    std::unique_ptr<ReadingHistory> m_ownHistory; // a recording's
    const ReadingHistory &m_history;
    Runtime &m_runtime;
    SpanStatistics m_span;
    Statistics m_figures;
    QComboBox *m_spanChoice = nullptr;
    QComboBox *m_removeDrift = nullptr;
    QCheckBox *m_fitAgeing = nullptr;
    HistoryChart *m_chart = nullptr;
    QWidget *m_statistics = nullptr;
    StabilityPlot *m_stability = nullptr;
    QTimer *m_refreshTimer = nullptr;
    QLabel *m_note = nullptr;
    // Whose the figures are: the recording's name, or the instrument's.
    QString m_recordingName;
    QString m_instrumentName;
    // Whose the figures shown are, for people to read, and of what.
    QString m_figuresOf;
    SlowOf m_shownOf;
    // The slow figures last worked out, of the same kind as those shown or
    // none, and what the computation running is of.
    std::optional<Slow> m_slow;
    SlowFiguresThread *m_slowThread = nullptr;
    SlowOf m_workingOutOf;
    // The figures' values, in the order of their texts, with their names.
    QList<std::pair<QLabel *, QString>> m_figureLabels;
    std::optional<double> m_nominalHz;
    bool m_everythingRecorded = false;
    // Rows of its recording that could not be read, and the first one's line.
    qsizetype m_unreadable = 0;
    qsizetype m_firstUnreadableLine = 0;
    // While its recording is read.
    std::unique_ptr<RecordingFile> m_loading;
    QWidget *m_loadingBar = nullptr;
    QProgressBar *m_progress = nullptr;
    QList<QWidget *> m_figuresWidgets; // unusable until it is read
    // Its recording once read, looked at for what a logger appends, and why
    // it is followed no more.
    std::unique_ptr<RecordingFile> m_followed;
    QTimer *m_followTimer = nullptr;
    QString m_notFollowed;
    // The recordings to compare with being read, and what ends them early.
    QList<QThread *> m_comparing;
    std::atomic<bool> m_stopComparing = false;
};

} // namespace freqcounter
