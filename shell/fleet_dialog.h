// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Program > "Fleet Write...": the open configuration as the master, written into radio after
// radio with each roster row's values. The roster is an editable table (imported from CSV,
// rows added and removed); "Start" checks every row before any radio is touched, then writes
// them one port at a time (radios on different ports at once when asked), each row showing
// its state, and appends one line per radio to the same log the command-line tool keeps.
// The queues come from the fleet scheduler and every radio goes through the write runner,
// as in `qmr417-cli fleet`.
// The transfers run on worker threads: they ask through the prompts service (each question
// names its radio) and report their progress to this dialog, never touching a widget.

#include "app/app_state.h"
#include "app/prompts.h"
#include "link/fleet_scheduler.h"
#include "link/write_runner.h"
#include "config/roster.h"
#include "shell/link_services.h"
#include "shell/thread_prompts.h"

#include <QDialog>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace shell {

class FleetDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kTitle = QT_TR_NOOP("Fleet Write");
    static constexpr const char* kImport = QT_TR_NOOP("&Import CSV...");
    static constexpr const char* kAddRow = QT_TR_NOOP("&Add Row");
    static constexpr const char* kRemoveRow = QT_TR_NOOP("&Remove Row");
    static constexpr const char* kLogFile = QT_TR_NOOP("&Log File...");
    static constexpr const char* kStart = QT_TR_NOOP("&Start");
    static constexpr const char* kStop = QT_TR_NOOP("S&top");
    static constexpr const char* kClose = QT_TR_NOOP("&Close");
    static constexpr const char* kVerify = QT_TR_NOOP("&Verify after writing");
    static constexpr const char* kAskEach = QT_TR_NOOP("As&k before each radio");
    static constexpr const char* kResume = QT_TR_NOOP("Skip radios the log shows as &done");
    static constexpr const char* kParallel = QT_TR_NOOP("Write radios on different &ports at the same time");
    static constexpr const char* kReadFirst = QT_TR_NOOP("Read the radio first, so the write can be &undone");
    static constexpr const char* kReadingFirst = QT_TR_NOOP("reading first %1%");
    static constexpr const char* kRosterName = QT_TR_NOOP("Roster");
    static constexpr const char* kStateColumn = QT_TR_NOOP("State");
    static constexpr const char* kLogText = QT_TR_NOOP("Log: %1");
    static constexpr const char* kMasterText = QT_TR_NOOP(
        "Every radio gets the open configuration, with its own row's values (an empty cell keeps the "
        "configuration's). Port: the radio's port; empty for the program's (%1).");
    static constexpr const char* kWaiting = QT_TR_NOOP("waiting");
    static constexpr const char* kWriting = QT_TR_NOOP("writing %1%");
    static constexpr const char* kVerifying = QT_TR_NOOP("verifying %1%");
    static constexpr const char* kDone = QT_TR_NOOP("done");
    static constexpr const char* kFailed = QT_TR_NOOP("failed (%1): %2");
    static constexpr const char* kDoneBefore = QT_TR_NOOP("done before");
    static constexpr const char* kNotWritten = QT_TR_NOOP("not written");

    // `master` is the open configuration, stored by the editors; it is read, never changed.
    FleetDialog(const app::AppState& master, app::Prompts& prompts, const LinkServices& link, QWidget* parent = nullptr);
    ~FleetDialog() override;

    // The roster in the table, as a file would give it.
    config::fleet::Roster roster() const;
    // Fills the table from a roster file; problems with the file are reported.
    bool importRoster(const QString& path);
    void setLogPath(const QString& path);
    QString logPath() const { return m_logPath; }
    bool running() const { return m_runActive; }

    // "Start": checks every row, then writes the radios; false when the check refused.
    bool start();
    void stop();
    void reject() override;  // Escape and "Close" stop a run first

signals:
    void finished();  // a run has ended (every worker is done)

private:
    struct Job {
        int tableRow = 0;
        config::fleet::PreparedRadio radio;
    };

    void buildTable(const QStringList& paths);
    void loadOptions();
    QList<QCheckBox*> optionBoxes() const;
    void chooseLogFile();
    void importFromDialog();
    void addRow();
    void removeRow();
    void setRunning(bool running);
    void setState(int tableRow, const QString& state);
    // Worker side.
    bool programRadio(const Job& job);
    radiolink::WriteResult writeRadio(const Job& job);
    void logRadio(const Job& job, const radiolink::WriteResult& result);
    bool askBefore(const Job& job);
    bool askAfterFailure(const Job& job, const QString& message);
    bool askOnUiThread(const std::function<bool()>& ask);
    void progress(int tableRow, radiolink::WriteStage stage, int blocks);
    void runEnded();

    const app::AppState& m_master;
    app::Prompts& m_prompts;
    const LinkServices& m_link;
    ThreadPrompts m_workerPrompts;

    QLabel* m_intro;
    QTableWidget* m_table;
    QLabel* m_log;
    QCheckBox* m_verify;
    QCheckBox* m_askEach;
    QCheckBox* m_resume;
    QCheckBox* m_parallel;
    QCheckBox* m_readFirst;
    QPushButton* m_import;
    QPushButton* m_add;
    QPushButton* m_remove;
    QPushButton* m_logButton;
    QPushButton* m_start;
    QPushButton* m_stop;
    QPushButton* m_close;
    QString m_logPath;

    // The run: its roster and radios, what the workers share, and the scheduler of its queues.
    config::fleet::Roster m_roster;
    std::vector<Job> m_jobs;
    std::mutex m_mutex;  // the log and the password
    QString m_password;
    radiolink::WriteOptions m_options;
    bool m_askRun = true;
    bool m_parallelRun = false;
    bool m_runActive = false;
    app::AppConfig m_config;
    image::FilePrefixBlock m_prefix{};
    radiolink::FleetScheduler m_scheduler;  // last: its threads end before the rest goes
};

} // namespace shell
