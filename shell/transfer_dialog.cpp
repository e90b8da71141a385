// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/transfer_dialog.h"

#include "forms/form_widgets.h"
#include "image/memory_map.h"
#include "link/link_texts.h"
#include "link/write_verify.h"
#include "link/write_runner.h"
#include "app/user_choices.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace shell {

namespace {

constexpr int kMinimumWidth = 380;

QString clockText(qint64 seconds) {
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString minutesAndSeconds(qint64 ms) { return clockText(ms / 1000); }

// Time left rounds up, so "0:00" shows only once nothing is left.
QString secondsLeft(qint64 ms) { return clockText((ms + 999) / 1000); }

QLabel* namedLabel(const QString& text, const char* name) {
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    return label;
}

QPushButton* namedButton(const QString& text, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TransferDialog::TransferDialog(TransferDirection direction, app::AppState& state, app::Prompts& prompts,
                               const LinkServices& link, QWidget* parent)
    : QDialog(parent), m_direction(direction), m_state(state), m_link(link), m_workerPrompts(prompts),
      m_stage(namedLabel(QString(), "stage")), m_progress(new QProgressBar), m_start(namedButton(tr(kStart), "startButton")),
      m_percent(namedLabel(radiolink::text::kInitialPercent, "percent")), m_exit(namedButton(tr(kExit), "exitButton")),
      m_elapsed(namedLabel(tr(kElapsedFormat).arg(minutesAndSeconds(0)), "elapsed")),
      m_remaining(namedLabel(tr(kRemainingFormat).arg(kUnknownTime), "remaining")), m_clock(new QTimer(this)) {
    const bool reading = direction == TransferDirection::Read;
    setObjectName(QStringLiteral("transferDialog"));
    setMinimumWidth(kMinimumWidth);
    setWindowTitle(radiolink::text::shown(reading ? radiolink::text::kReadTitle : radiolink::text::kWriteTitle));
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setRange(0, reading ? image::map::kReadBlocks : image::map::kWriteBlocks);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);

    auto* controls = new QHBoxLayout;
    controls->addWidget(m_start);
    controls->addWidget(m_percent, 1, Qt::AlignCenter);
    controls->addWidget(m_exit);
    auto* times = new QHBoxLayout;
    times->addWidget(m_elapsed);
    times->addStretch(1);
    times->addWidget(m_remaining);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_stage);
    layout->addWidget(m_progress);
    layout->addLayout(times);
    if (!reading && m_link.write) {
        m_readFirst = rememberedBox(tr(kReadFirst), "readFirstCheck", app::readBeforeWriting(m_state.config.modelName),
                                    app::setReadBeforeWriting);
        m_verify = rememberedBox(tr(kVerifyAfterWriting), "verifyCheck", app::verifyAfterWriting(m_state.config.modelName),
                                 app::setVerifyAfterWriting);
        layout->addWidget(m_readFirst);
        layout->addWidget(m_verify);
    }
    layout->addLayout(controls);

    connect(m_start, &QPushButton::clicked, this, &TransferDialog::start);
    connect(m_exit, &QPushButton::clicked, this, &TransferDialog::requestExit);
    connect(m_clock, &QTimer::timeout, this, &TransferDialog::updateTimes);
    forms::addButtonMnemonics(this);
}

// A check box whose state is kept for the next write.
QCheckBox* TransferDialog::rememberedBox(const QString& text, const char* name, bool checked,
                                         void (*remember)(const QString&, bool)) {
    auto* box = new QCheckBox(text);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    connect(box, &QCheckBox::toggled, this, [this, remember](bool on) { remember(m_state.config.modelName, on); });
    return box;
}

void TransferDialog::makeRestore() {
    m_restore = true;
    for (QCheckBox* box : {m_readFirst, m_verify}) {
        if (!box) continue;
        box->blockSignals(true);  // not the user's choice: nothing to remember
        box->setChecked(false);
        box->hide();
    }
}

TransferDialog::~TransferDialog() {
    // The dialog only closes once its worker ended; this is the last guard.
    if (m_worker) {
        m_state.transfer.cancel = true;
        m_worker->wait();
    }
}

void TransferDialog::start() {
    // The dialog follows its own worker rather than the shared flag, which the worker only
    // sets once it runs: "Exit" pressed in between must not close the dialog under it.
    if (m_worker || m_state.transfer.running) return;
    m_state.transfer.cancel = false;
    m_start->setEnabled(false);
    m_stage->setText(m_direction == TransferDirection::Read ? tr(kReading) : tr(kWriting));
    m_stopwatch.start();
    m_clock->start(kClockTickMs);

    const ProgressSink progress = [this](int blocksDone) {
        QMetaObject::invokeMethod(this, [this, blocksDone] { showProgress(blocksDone); }, Qt::QueuedConnection);
    };
    const bool verify = m_verify && m_verify->isChecked();
    const bool readFirst = m_readFirst && m_readFirst->isChecked();
    for (QCheckBox* box : {m_verify, m_readFirst})
        if (box) box->setEnabled(false);
    if (readFirst) beginStage(radiolink::WriteStage::ReadingFirst);
    runWorker(verify, readFirst, progress);
}

void TransferDialog::runWorker(bool verify, bool readFirst, const ProgressSink& progress) {
    const WriteProgressSink stageProgress = [this](radiolink::WriteStage stage, int blocksDone) {
        QMetaObject::invokeMethod(this, [this, stage, blocksDone] { showStageProgress(stage, blocksDone); },
                                  Qt::QueuedConnection);
    };
    m_worker.reset(QThread::create([this, progress, stageProgress, verify, readFirst] {
        if (m_direction == TransferDirection::Read) {
            m_workerResult = m_link.transfer
                             && m_link.transfer(m_direction, m_state, m_workerPrompts, progress, m_completionMessage);
            return;
        }
        if (!m_link.write) return;
        m_writeResult = m_link.write(m_state, m_workerPrompts, {readFirst, verify, m_restore}, stageProgress);
        // The write's own result stands; the verify only adds its report, told together with
        // the write's completion.
        m_workerResult = m_writeResult.outcome.success();
        if (m_writeResult.verify) reportVerify(*m_writeResult.verify, m_workerPrompts);
    }));
    m_worker->setObjectName(QStringLiteral("transferWorker"));
    connect(m_worker.get(), &QThread::finished, this, &TransferDialog::onWorkerFinished);
    m_worker->start();
}

void TransferDialog::requestExit() {
    m_state.transfer.cancel = true;
    if (!m_worker) QDialog::reject();  // a running worker closes the dialog when it stops
}

void TransferDialog::reject() { requestExit(); }

void TransferDialog::closeEvent(QCloseEvent* event) {
    if (m_worker) {
        m_state.transfer.cancel = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TransferDialog::showProgress(int blocksDone) {
    if (m_firstBlocks < 0) {
        m_firstBlocks = blocksDone;
        m_firstBlockMs = m_stopwatch.elapsed();
    }
    m_progress->setValue(blocksDone);
    const int percent = m_progress->value() * 100 / m_progress->maximum();
    m_percent->setText(kPercentFormat.arg(percent));
    updateTimes();
    // The last block is done: the clocks stop, also while the completion message is shown.
    if (blocksDone >= m_progress->maximum()) m_clock->stop();
}

void TransferDialog::showStageProgress(radiolink::WriteStage stage, int blocksDone) {
    if (stage != m_shownStage) beginStage(stage);
    showProgress(blocksDone);
}

// Each stage of a write counts its own blocks, in the same dialog: the read first 1023, the
// write and the read-back 1008.
void TransferDialog::beginStage(radiolink::WriteStage stage) {
    m_shownStage = stage;
    const bool readingFirst = stage == radiolink::WriteStage::ReadingFirst;
    m_stage->setText(readingFirst ? tr(kReadingFirst) : stage == radiolink::WriteStage::Verifying ? tr(kVerifying) : tr(kWriting));
    m_progress->setRange(0, readingFirst ? image::map::kReadBlocks : image::map::kWriteBlocks);
    m_progress->setValue(0);
    m_percent->setText(radiolink::text::kInitialPercent);
    m_firstBlocks = -1;
    m_stopwatch.start();
    m_clock->start(kClockTickMs);
    updateTimes();
}

void TransferDialog::updateTimes() {
    const qint64 elapsed = m_stopwatch.isValid() ? m_stopwatch.elapsed() : 0;
    m_elapsed->setText(tr(kElapsedFormat).arg(minutesAndSeconds(elapsed)));
    const int done = m_progress->value();
    const int left = m_progress->maximum() - done;
    // The pace since the first block: time spent at the password question is no transfer time.
    const int timed = done - m_firstBlocks;
    QString remaining = kUnknownTime;
    if (left == 0)
        remaining = clockText(0);
    else if (m_firstBlocks >= 0 && timed > 0)
        remaining = secondsLeft((elapsed - m_firstBlockMs) * left / timed);
    m_remaining->setText(tr(kRemainingFormat).arg(remaining));
}

void TransferDialog::onWorkerFinished() {
    m_worker->wait();
    m_worker.reset();
    m_clock->stop();
    m_succeeded = m_workerResult;
    done(m_succeeded ? QDialog::Accepted : QDialog::Rejected);
}

} // namespace shell
