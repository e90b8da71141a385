// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The transfer dialog: "Start" runs one transfer on a worker thread, the progress bar and
// the percentage follow its blocks, the elapsed time and an estimate of the time left stand
// beside them, and "Exit" asks the worker to stop after the current block. The worker's
// questions are answered here on the user-interface thread; the worker never touches a
// widget. The dialog closes itself on every path that ends a transfer and cannot be closed
// while its worker runs. The Write dialog's "Verify after writing" (remembered per user)
// adds a read-back of the radio after a write that completed, in the same dialog with its
// own progress; one message then tells both results. The write's result stands. Its "Read
// the radio first, so the write can be undone" reads the whole radio before the write and
// keeps it as a backup. Writes go through the one write runner.

#include "app/app_state.h"
#include "shell/link_services.h"
#include "app/prompts.h"
#include "shell/thread_prompts.h"

#include <QDialog>
#include <QElapsedTimer>

#include <atomic>
#include <memory>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QThread;
class QTimer;

namespace shell {

class TransferDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kStart = QT_TR_NOOP("Start");
    static constexpr const char* kExit = QT_TR_NOOP("Exit");
    static inline const QString kPercentFormat = QStringLiteral("%1%");
    static constexpr const char* kElapsedFormat = QT_TR_NOOP("Elapsed %1");
    static constexpr const char* kRemainingFormat = QT_TR_NOOP("Remaining %1");
    static inline const QString kUnknownTime = QStringLiteral("--:--");
    static constexpr const char* kVerifyAfterWriting = QT_TR_NOOP("Verify after writing");
    static constexpr const char* kReading = QT_TR_NOOP("Reading...");
    static constexpr const char* kWriting = QT_TR_NOOP("Writing...");
    static constexpr const char* kVerifying = QT_TR_NOOP("Verifying...");
    static constexpr const char* kReadFirst = QT_TR_NOOP("Read the radio first, so the write can be undone");
    static constexpr const char* kReadingFirst = QT_TR_NOOP("Reading the radio first...");
    static constexpr int kClockTickMs = 500;

    TransferDialog(TransferDirection direction, app::AppState& state, app::Prompts& prompts, const LinkServices& link,
                   QWidget* parent = nullptr);
    ~TransferDialog() override;

    // Whether the transfer completed; meaningful once the dialog closed.
    bool succeeded() const { return m_succeeded; }
    // A write's whole result (read-first, backups, verify); meaningful once the dialog closed.
    const radiolink::WriteResult& writeResult() const { return m_writeResult; }
    // A write of a restore: the file's bytes as they are (no consistency pass), no read first
    // and no verify, and no check boxes for them.
    void makeRestore();
    // A read whose result the caller shows at once (Compare With Radio's list): a completed
    // read says nothing of its own.
    void hideCompletionMessage() { m_completionMessage = false; }
    bool workerRunning() const { return m_worker != nullptr; }

    // "Start": starts the worker unless a transfer is running.
    void start();
    // "Exit": asks a running worker to stop; without one, closes as cancelled.
    void requestExit();

    void reject() override;  // Escape and the title bar behave like "Exit"

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showProgress(int blocksDone);
    void showStageProgress(radiolink::WriteStage stage, int blocksDone);
    void beginStage(radiolink::WriteStage stage);
    void runWorker(bool verify, bool readFirst, const ProgressSink& progress);
    QCheckBox* rememberedBox(const QString& text, const char* name, bool checked, void (*remember)(const QString&, bool));
    void updateTimes();
    void onWorkerFinished();

    TransferDirection m_direction;
    app::AppState& m_state;
    const LinkServices& m_link;
    ThreadPrompts m_workerPrompts;

    QLabel* m_stage;  // what the progress bar counts: "Writing...", then "Verifying..."
    QProgressBar* m_progress;
    QPushButton* m_start;
    QLabel* m_percent;
    QPushButton* m_exit;
    QLabel* m_elapsed;
    QLabel* m_remaining;
    QCheckBox* m_verify = nullptr;     // writing only
    QCheckBox* m_readFirst = nullptr;  // writing only
    bool m_restore = false;            // a write that puts back a radio's earlier contents
    radiolink::WriteStage m_shownStage = radiolink::WriteStage::Writing;
    radiolink::WriteResult m_writeResult;
    QTimer* m_clock;
    QElapsedTimer m_stopwatch;
    int m_firstBlocks = -1;      // blocks done at the first progress report, -1 before it
    qint64 m_firstBlockMs = 0;   // and when it came

    std::unique_ptr<QThread> m_worker;
    std::atomic<bool> m_workerResult{false};
    bool m_succeeded = false;
    bool m_completionMessage = true;
};

} // namespace shell
