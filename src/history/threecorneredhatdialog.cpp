// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "threecorneredhatdialog.h"

#include "runtime.h"
#include "threecorneredhat.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

#include <utility>

namespace freqcounter {

namespace {

// The deviations it shows, by the member of the figures that holds them.
using Deviations = QList<Statistics::Deviation> Statistics::*;
constexpr std::array<Deviations, 3> kStatistics{
        &Statistics::overlappingAllan, &Statistics::modifiedAllan, &Statistics::timeDeviation};

} // namespace

ThreeCorneredHatDialog::ThreeCorneredHatDialog(Runtime &runtime, const StatisticsOptions &options,
                                               QWidget *parent)
    : QDialog(parent)
    , m_runtime(runtime)
    , m_options(options)
{
    setObjectName(QStringLiteral("threeCorneredHat"));
    setWindowTitle(tr("Three-Cornered Hat"));
    // Its table needs none of the slow figures.
    m_options.slow = false;

    auto *form = new QFormLayout;
    // The minus sign is written apart, so that its escape ends before the letter.
    const std::array<QString, 3> labels{tr("A\u2212"
                                           "B:"),
                                        tr("B\u2212"
                                           "C:"),
                                        tr("C\u2212"
                                           "A:")};
    const std::array<const char *, 3> names{"pathAB", "pathBC", "pathCA"};
    for (std::size_t i = 0; i < m_paths.size(); ++i) {
        m_paths.at(i) = new QLineEdit(this);
        m_paths.at(i)->setObjectName(QString::fromLatin1(names.at(i)));
        auto *browse = new QPushButton(tr("Choose\u2026"), this);
        browse->setAccessibleName(tr("Choose the recording of %1").arg(labels.at(i).chopped(1)));
        m_runtime.connectHandler(browse, &QPushButton::clicked, this, [this, i] { choose(i); });
        auto *row = new QHBoxLayout;
        row->addWidget(m_paths.at(i), 1);
        row->addWidget(browse);
        auto *label = new QLabel(labels.at(i), this);
        label->setBuddy(m_paths.at(i));
        form->addRow(label, row);
    }
    m_statistic = new QComboBox(this);
    m_statistic->setObjectName(QStringLiteral("statistic"));
    m_statistic->addItems({tr("Overlapping Allan deviation"), tr("Modified Allan deviation"),
                           tr("Time deviation (s)")});
    form->addRow(tr("&Deviation:"), m_statistic);

    m_workOut = new QPushButton(tr("&Work Out"), this);
    m_workOut->setObjectName(QStringLiteral("workOut"));
    m_workOut->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancelWorkOut"));
    m_busy = new QProgressBar(this);
    // It cannot say how far it has come: it only shows that it works.
    m_busy->setRange(0, 0);
    m_busy->setAccessibleName(tr("Reading the recordings\u2026"));
    auto *work = new QHBoxLayout;
    work->addWidget(m_workOut);
    work->addWidget(m_busy, 1);
    work->addWidget(m_cancel);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setWordWrap(true);
    m_note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_note->hide();
    m_table = new QTableWidget(0, 4, this);
    m_table->setObjectName(QStringLiteral("hat"));
    m_table->setHorizontalHeaderLabels({tr("\u03c4"), tr("A"), tr("B"), tr("C")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(work);
    layout->addWidget(m_note);
    layout->addWidget(m_table, 1);
    layout->addWidget(close);
    resize(760, 480);

    m_runtime.connectHandler(m_workOut, &QPushButton::clicked, this, [this] { workOut(); });
    m_runtime.connectHandler(m_cancel, &QPushButton::clicked, this, [this] {
        stop();
        setWorking(false);
    });
    m_runtime.connectHandler(m_statistic, &QComboBox::currentIndexChanged, this,
                             [this] { showRows(); });
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setWorking(false);
}

ThreeCorneredHatDialog::~ThreeCorneredHatDialog()
{
    stop();
}

void ThreeCorneredHatDialog::closeEvent(QCloseEvent *event)
{
    stop();
    setWorking(false);
    QDialog::closeEvent(event);
}

void ThreeCorneredHatDialog::setPaths(const std::array<QString, 3> &paths)
{
    for (std::size_t i = 0; i < paths.size(); ++i)
        m_paths.at(i)->setText(paths.at(i));
}

void ThreeCorneredHatDialog::choose(std::size_t pair)
{
    const QString now = m_paths.at(pair)->text();
    const QString path = QFileDialog::getOpenFileName(
            this, tr("Recording of the Pair"), now.isEmpty() ? QString() : QFileInfo(now).path(),
            tr("Recordings (*.csv *.txt);;All files (*)"));
    if (!path.isEmpty())
        m_paths.at(pair)->setText(QDir::toNativeSeparators(path));
}

void ThreeCorneredHatDialog::workOut()
{
    if (m_thread)
        return;
    std::array<QString, 3> paths;
    for (std::size_t i = 0; i < paths.size(); ++i)
        paths.at(i) = QDir::fromNativeSeparators(m_paths.at(i)->text().trimmed());
    m_stop = false;
    const quint64 run = ++m_runs;
    m_thread = QThread::create([this, paths, options = m_options] {
        m_running = RecordingFigures::readPairs(paths, options, &m_runningNotes, &m_stop);
    });
    // Emitted on the thread as it ends; handled here, on the dialog's.
    m_runtime.connectHandler(m_thread, &QThread::finished, this, [this, run] {
        if (run == m_runs && m_thread)
            read();
    });
    setWorking(true);
    m_thread->start(QThread::LowPriority);
}

void ThreeCorneredHatDialog::read()
{
    m_thread->wait();
    delete std::exchange(m_thread, nullptr);
    m_pairs = std::exchange(m_running, std::nullopt);
    const QStringList notes = std::exchange(m_runningNotes, {});
    m_note->setText(notes.join(u'\n'));
    m_note->setVisible(!notes.isEmpty());
    setWorking(false);
    showRows();
    Q_EMIT workedOut();
}

void ThreeCorneredHatDialog::stop()
{
    if (!m_thread)
        return;
    m_stop = true;
    m_thread->wait();
    delete std::exchange(m_thread, nullptr);
    m_running.reset();
    m_runningNotes.clear();
}

void ThreeCorneredHatDialog::setWorking(bool working)
{
    m_workOut->setEnabled(!working);
    m_busy->setVisible(working);
    m_cancel->setVisible(working);
}

void ThreeCorneredHatDialog::showRows()
{
    m_table->setRowCount(0);
    if (!m_pairs)
        return;
    const Deviations deviations = kStatistics.at(std::size_t(m_statistic->currentIndex()));
    const QList<ThreeCorneredHat::Row> rows = ThreeCorneredHat::separate(
            m_pairs->at(0).figures.*deviations, m_pairs->at(1).figures.*deviations,
            m_pairs->at(2).figures.*deviations);
    const QLocale locale;
    m_table->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const ThreeCorneredHat::Row &row = rows.at(r);
        m_table->setItem(
                r, 0,
                new QTableWidgetItem(tr("%1 s").arg(locale.toString(row.tauSeconds, 'g', 6))));
        for (std::size_t i = 0; i < row.oscillators.size(); ++i) {
            m_table->setItem(
                    r, int(i) + 1,
                    new QTableWidgetItem(ThreeCorneredHat::text(row.oscillators.at(i), locale)));
        }
    }
}

} // namespace freqcounter
