#include "shell/fleet_dialog.h"

#include "app/backups.h"
#include "link/link_texts.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace shell {

namespace {

namespace text {
const QString kConnect = QStringLiteral("Connect radio %1 and press Enter");
const QString kConnectTo = QStringLiteral("Connect radio %1 to %2 and press Enter");
const QString kFailedRetry = QStringLiteral("Radio %1 failed: %2\n\nRetry this radio?");
const QString kGoOn = QStringLiteral("Go on with the next radio? (No stops the fleet write.)");
const QString kRadioQuestion = QStringLiteral("Radio %1: %2");
const QString kProblems = QStringLiteral("The roster has %1 problem(s); no radio was written.\n\n%2");
const QString kMoreProblems = QStringLiteral("... and %1 more");
const QString kCsvFilter = QStringLiteral("CSV Files (*.csv)");
const QString kImportTitle = QStringLiteral("Import Roster (CSV)");
const QString kLogTitle = QStringLiteral("Fleet Log (CSV)");
const QString kLogProposed = QStringLiteral("fleet-log.csv");
const QString kLogSuffix = QStringLiteral("-log.csv");
const QString kNotCsv = QStringLiteral("The log is a CSV file, not a parameter file.");
const QString kVerifyFailed = QStringLiteral("the radio does not hold what was written");
const QString kCancelled = QStringLiteral("stopped");
const QString kNoAnswer = QStringLiteral("no answer from the radio");
const QString kLogFailed = QStringLiteral("The fleet log could not be written: %1");
const QString kVerified = QStringLiteral("written and verified");
const QString kWritten = QStringLiteral("written");
} // namespace text

constexpr int kProblemsShown = 20;
constexpr int kInitialWidth = 820;
constexpr int kInitialHeight = 460;
const QStringList kDefaultPaths = config::fleet::kUniquePaths;

// One radio's questions, each naming the radio, asked through the dialog's thread prompts;
// the messages a transfer gives are kept for the log instead of shown, and a question
// answered "no" says what ended the transfer, as the command-line tool's exit codes do.
class RadioPrompts final : public app::Prompts {
public:
    RadioPrompts(app::Prompts& target, QString radio) : m_target(target), m_radio(std::move(radio)) {}

    void message(const QString& text) override { note(text); }
    void report(const QString& text, app::Severity) override { note(text); }
    bool askYesNo(const QString& text, const QString& caption) override {
        return answered(m_target.askYesNo(named(text), caption), config::fleet::kCodeRadioLocked, text);
    }
    bool askRetryCancel(const QString& text) override {
        return answered(m_target.askRetryCancel(named(text)), config::fleet::kCodeNoAnswer, text::kNoAnswer);
    }
    std::optional<QString> askPassword(app::PasswordMode mode, const QString& initial) override {
        auto answer = m_target.askPassword(mode, initial);
        answered(answer.has_value(), config::fleet::kCodePassword, radiolink::text::kPasswordError);
        return answer;
    }
    std::optional<QString> askReviveCode(const QString& text) override {
        auto answer = m_target.askReviveCode(named(text));
        answered(answer.has_value(), config::fleet::kCodeRadioLocked, text);
        return answer;
    }
    QString askOpenFileName(const app::FileDialogRequest&) override { return {}; }
    QString askSaveFileName(const app::FileDialogRequest&) override { return {}; }

    int code() const { return m_code; }
    QString lastText() const { return m_lastText; }

private:
    QString named(const QString& text) const { return text::kRadioQuestion.arg(m_radio, text); }
    void note(const QString& text) {
        m_lastText = text.section(u'\n', 0, 0);
        if (text.startsWith(radiolink::text::kCannotOpenPort)) m_code = config::fleet::kCodePort;
    }
    bool answered(bool yes, int code, const QString& text) {
        if (!yes) {
            m_code = code;
            m_lastText = text;
        }
        return yes;
    }

    app::Prompts& m_target;
    QString m_radio;
    int m_code = config::fleet::kCodeNoAnswer;
    QString m_lastText;
};

QTableWidgetItem* stateItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

FleetDialog::FleetDialog(const app::AppState& master, app::Prompts& prompts, const LinkServices& link, QWidget* parent)
    : QDialog(parent), m_master(master), m_prompts(prompts), m_link(link), m_workerPrompts(prompts),
      m_intro(new QLabel(kMasterText.arg(master.config.portName))), m_table(new QTableWidget), m_log(new QLabel),
      m_verify(new QCheckBox(kVerify)), m_askEach(new QCheckBox(kAskEach)), m_resume(new QCheckBox(kResume)),
      m_parallel(new QCheckBox(kParallel)), m_import(new QPushButton(kImport)), m_add(new QPushButton(kAddRow)),
      m_remove(new QPushButton(kRemoveRow)), m_logButton(new QPushButton(kLogFile)), m_start(new QPushButton(kStart)),
      m_stop(new QPushButton(kStop)), m_close(new QPushButton(kClose)) {
    setObjectName(QStringLiteral("fleetDialog"));
    setWindowTitle(kTitle);
    resize(kInitialWidth, kInitialHeight);
    m_intro->setWordWrap(true);
    m_table->setObjectName(QStringLiteral("roster"));
    m_table->setAccessibleName(kRosterName);
    m_log->setTextFormat(Qt::PlainText);
    m_log->setObjectName(QStringLiteral("logPath"));
    m_askEach->setChecked(true);
    m_verify->setChecked(true);
    m_stop->setEnabled(false);
    for (QPushButton* button : {m_import, m_add, m_remove, m_logButton, m_start, m_stop, m_close})
        button->setAutoDefault(false);
    m_import->setObjectName(QStringLiteral("importButton"));
    m_add->setObjectName(QStringLiteral("addRowButton"));
    m_remove->setObjectName(QStringLiteral("removeRowButton"));
    m_logButton->setObjectName(QStringLiteral("logButton"));
    m_start->setObjectName(QStringLiteral("startButton"));
    m_stop->setObjectName(QStringLiteral("stopButton"));
    m_close->setObjectName(QStringLiteral("closeButton"));
    m_verify->setObjectName(QStringLiteral("verifyBox"));
    m_askEach->setObjectName(QStringLiteral("askEachBox"));
    m_resume->setObjectName(QStringLiteral("resumeBox"));
    m_parallel->setObjectName(QStringLiteral("parallelBox"));

    auto* rosterButtons = new QHBoxLayout;
    for (QPushButton* button : {m_import, m_add, m_remove}) rosterButtons->addWidget(button);
    rosterButtons->addStretch();
    auto* logLine = new QHBoxLayout;
    logLine->addWidget(m_log, 1);
    logLine->addWidget(m_logButton);
    auto* runButtons = new QHBoxLayout;
    runButtons->addStretch();
    for (QPushButton* button : {m_start, m_stop, m_close}) runButtons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_intro);
    layout->addLayout(rosterButtons);
    layout->addWidget(m_table, 1);
    for (QCheckBox* box : {m_askEach, m_verify, m_resume, m_parallel}) layout->addWidget(box);
    layout->addLayout(logLine);
    layout->addLayout(runButtons);

    buildTable(kDefaultPaths);
    addRow();
    setLogPath(QDir(master.config.dataDir).filePath(text::kLogProposed));

    connect(m_import, &QPushButton::clicked, this, &FleetDialog::importFromDialog);
    connect(m_add, &QPushButton::clicked, this, &FleetDialog::addRow);
    connect(m_remove, &QPushButton::clicked, this, &FleetDialog::removeRow);
    connect(m_logButton, &QPushButton::clicked, this, &FleetDialog::chooseLogFile);
    connect(m_start, &QPushButton::clicked, this, &FleetDialog::start);
    connect(m_stop, &QPushButton::clicked, this, &FleetDialog::stop);
    connect(m_close, &QPushButton::clicked, this, &FleetDialog::reject);
}

FleetDialog::~FleetDialog() {
    stop();
    for (const auto& worker : m_workers) worker->wait();
}

void FleetDialog::buildTable(const QStringList& paths) {
    QStringList header{config::fleet::kRadioColumn, config::fleet::kPortColumn};
    header << paths << kStateColumn;
    m_table->clear();
    m_table->setRowCount(0);
    m_table->setColumnCount(int(header.size()));
    m_table->setHorizontalHeaderLabels(header);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(true);
}

void FleetDialog::addRow() {
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    m_table->setItem(row, m_table->columnCount() - 1, stateItem(QString()));
    m_table->setCurrentCell(row, 0);
    m_table->setFocus();  // typing goes into the new row's Radio cell
}

void FleetDialog::removeRow() {
    if (const int row = m_table->currentRow(); row >= 0) m_table->removeRow(row);
}

config::fleet::Roster FleetDialog::roster() const {
    config::fleet::Roster roster;
    roster.name = kRosterName;
    const int values = m_table->columnCount() - 3;
    for (int c = 0; c < values; ++c) roster.paths << m_table->horizontalHeaderItem(c + 2)->text();
    const auto cell = [this](int row, int column) {
        const QTableWidgetItem* item = m_table->item(row, column);
        return item ? item->text().trimmed() : QString();
    };
    for (int r = 0; r < m_table->rowCount(); ++r) {
        config::fleet::RosterRow row;
        row.line = r + 1;
        row.radio = cell(r, 0);
        row.port = cell(r, 1);
        for (int c = 0; c < values; ++c) row.values << cell(r, c + 2);
        bool blank = row.radio.isEmpty() && row.port.isEmpty();
        for (const QString& value : row.values) blank = blank && value.isEmpty();
        if (!blank) roster.rows << row;
    }
    return roster;
}

bool FleetDialog::importRoster(const QString& path) {
    QStringList problems;
    const config::fleet::Roster imported = config::fleet::readRoster(path, problems);
    if (!problems.isEmpty() && imported.rows.isEmpty()) {
        m_prompts.report(problems.join(u'\n'), app::Severity::Warning);
        return false;
    }
    buildTable(imported.paths);
    for (const config::fleet::RosterRow& row : imported.rows) {
        const int r = m_table->rowCount();
        m_table->insertRow(r);
        m_table->setItem(r, 0, new QTableWidgetItem(row.radio));
        m_table->setItem(r, 1, new QTableWidgetItem(row.port));
        for (int c = 0; c < row.values.size(); ++c) m_table->setItem(r, c + 2, new QTableWidgetItem(row.values[c]));
        m_table->setItem(r, m_table->columnCount() - 1, stateItem(QString()));
    }
    m_table->resizeColumnsToContents();
    // A roster without ports leaves the column empty; keep room for the device a user types.
    const int portWidth = m_table->fontMetrics().horizontalAdvance(QStringLiteral("/dev/ttyUSB0")) + 16;
    m_table->setColumnWidth(1, std::max(m_table->columnWidth(1), portWidth));
    const QFileInfo file(path);
    setLogPath(file.dir().filePath(file.completeBaseName() + text::kLogSuffix));
    if (!problems.isEmpty()) m_prompts.report(problems.join(u'\n'), app::Severity::Warning);
    return true;
}

void FleetDialog::importFromDialog() {
    const QString path = m_prompts.askOpenFileName({text::kCsvFilter, m_master.config.dataDir, {}, text::kImportTitle});
    if (!path.isEmpty()) importRoster(path);
}

void FleetDialog::setLogPath(const QString& path) {
    m_logPath = path;
    m_log->setText(kLogText.arg(QDir::toNativeSeparators(path)));
}

void FleetDialog::chooseLogFile() {
    app::FileDialogRequest request{text::kCsvFilter, QFileInfo(m_logPath).path(), QFileInfo(m_logPath).fileName(),
                                   text::kLogTitle, QStringLiteral("csv")};
    request.refuse = [](const QString& path) {
        return path.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive) ? text::kNotCsv : QString();
    };
    const QString path = m_prompts.askSaveFileName(request);
    if (!path.isEmpty() && !path.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive)) setLogPath(path);
}

bool FleetDialog::start() {
    if (running()) return false;
    m_roster = roster();
    config::fleet::RosterCheck check = config::fleet::checkRoster(m_roster, m_master.image, m_master.config.portName,
                                                  m_master.config.modelName);
    if (const QString problem = config::fleet::logProblem(m_logPath, m_roster); !problem.isEmpty())
        check.problems << problem;
    if (m_roster.rows.isEmpty()) check.problems << config::fleet::kRadioColumn + QStringLiteral(": no radios in the roster");
    if (!check.ok()) {
        QStringList shown = check.problems.mid(0, kProblemsShown);
        if (check.problems.size() > kProblemsShown) shown << text::kMoreProblems.arg(check.problems.size() - kProblemsShown);
        m_prompts.report(text::kProblems.arg(check.problems.size()).arg(shown.join(u'\n')), app::Severity::Warning);
        return false;
    }

    // Table rows of the roster's rows (blank rows are left out of the roster).
    std::vector<int> tableRows;
    for (int r = 0; r < m_table->rowCount(); ++r)
        for (const config::fleet::RosterRow& row : m_roster.rows)
            if (row.line == r + 1) tableRows.push_back(r);
    const QSet<QString> done = m_resume->isChecked() ? config::fleet::doneRadios(m_logPath) : QSet<QString>();
    std::map<QString, std::vector<Job>> queues;
    for (config::fleet::PreparedRadio& radio : check.radios) {
        const int tableRow = tableRows[std::size_t(radio.row)];
        if (done.contains(radio.radio)) {
            setState(tableRow, kDoneBefore);
            continue;
        }
        setState(tableRow, kWaiting);
        const QString queue = m_parallel->isChecked() ? config::fleet::portKey(radio.port) : QString();
        queues[queue].push_back({tableRow, std::move(radio)});
    }
    m_config = m_master.config;
    m_prefix = m_master.prefix;
    m_password = m_master.transferPassword;
    m_verifyRun = m_verify->isChecked() && m_link.verify;
    m_askRun = m_askEach->isChecked();
    m_parallelRun = m_parallel->isChecked();
    m_stopping = false;
    m_queues.clear();
    for (auto& [port, queue] : queues) m_queues.push_back(std::move(queue));
    if (m_queues.empty()) {
        emit finished();
        return true;
    }
    setRunning(true);
    for (const std::vector<Job>& queue : m_queues) {
        m_workers.emplace_back(QThread::create([this, &queue] { runQueue(queue); }));
        connect(m_workers.back().get(), &QThread::finished, this, &FleetDialog::workerDone);
    }
    m_running = int(m_workers.size());
    for (const auto& worker : m_workers) worker->start();
    return true;
}

void FleetDialog::stop() {
    m_stopping = true;
    const std::lock_guard lock(m_mutex);
    for (std::atomic<bool>* cancel : m_cancels) *cancel = true;
}

void FleetDialog::reject() {
    if (running()) {
        stop();
        return;
    }
    QDialog::reject();
}

void FleetDialog::setRunning(bool isRunning) {
    for (QWidget* control : std::initializer_list<QWidget*>{m_import, m_add, m_remove, m_logButton, m_start, m_close,
                                                            m_verify, m_askEach, m_resume, m_parallel})
        control->setEnabled(!isRunning);
    m_table->setEditTriggers(isRunning ? QAbstractItemView::NoEditTriggers
                                       : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                             QAbstractItemView::AnyKeyPressed);
    m_stop->setEnabled(isRunning);
}

void FleetDialog::setState(int tableRow, const QString& state) {
    m_table->setItem(tableRow, m_table->columnCount() - 1, stateItem(state));
}

void FleetDialog::workerDone() {
    if (--m_running > 0) return;
    m_workers.clear();
    for (int r = 0; r < m_table->rowCount(); ++r)
        if (const QTableWidgetItem* item = m_table->item(r, m_table->columnCount() - 1);
            item && (item->text() == kWaiting || item->text().startsWith(kWriting.section(u' ', 0, 0))))
            setState(r, kNotWritten);
    setRunning(false);
    emit finished();
}

// --- the workers' side: nothing here touches a widget; states go to the dialog queued.

void FleetDialog::runQueue(const std::vector<Job>& queue) {
    for (const Job& job : queue) {
        for (;;) {
            if (m_stopping || (m_askRun && !askBefore(job))) return;
            QString message;
            QString backup;
            const int code = writeRadio(job, message, backup);
            config::fleet::LogEntry entry{QDateTime::currentDateTime(), job.radio.radio, job.radio.port,
                                  m_roster.rows[job.radio.row].values, code == config::fleet::kCodeDone, code,
                                  QFileInfo(backup).fileName(), message};
            QString logError;
            {
                const std::lock_guard lock(m_mutex);
                logError = config::fleet::appendLog(m_logPath, m_roster, entry);
            }
            if (!logError.isEmpty()) m_workerPrompts.report(text::kLogFailed.arg(logError), app::Severity::Warning);
            const QString state = code == config::fleet::kCodeDone ? kDone : kFailed.arg(code).arg(message);
            QMetaObject::invokeMethod(this, [this, row = job.tableRow, state] { setState(row, state); },
                                      Qt::QueuedConnection);
            if (code == config::fleet::kCodeDone || m_stopping) break;
            if (!m_askRun) break;
            if (!askAfterFailure(job, message)) break;
        }
    }
}

// The run's own questions, asked on the user-interface thread; once the run stops (another
// radio's question answered so, or "Stop"), the questions still waiting are not shown.
bool FleetDialog::askOnUiThread(const std::function<bool()>& ask) {
    bool answer = false;
    QMetaObject::invokeMethod(
        this, [this, &ask, &answer] { answer = !m_stopping && ask(); }, Qt::BlockingQueuedConnection);
    return answer;
}

bool FleetDialog::askBefore(const Job& job) {
    const QString question = m_parallelRun ? text::kConnectTo.arg(job.radio.radio, job.radio.port)
                                           : text::kConnect.arg(job.radio.radio);
    const bool go = askOnUiThread([&] { return m_prompts.askOkCancel(question, kTitle); });
    if (!go) stop();
    return go;
}

bool FleetDialog::askAfterFailure(const Job& job, const QString& message) {
    const QString question = text::kFailedRetry.arg(job.radio.radio, message);
    if (askOnUiThread([&] { return m_prompts.askRetryCancel(question); })) return true;
    if (!askOnUiThread([&] { return m_prompts.askYesNo(text::kGoOn, kTitle); })) stop();
    return false;
}

int FleetDialog::writeRadio(const Job& job, QString& message, QString& backup) {
    app::AppState state;
    state.image = job.radio.image;
    state.prefix = m_prefix;
    state.config = m_config;
    state.config.portName = job.radio.port;
    {
        const std::lock_guard lock(m_mutex);
        state.transferPassword = m_password;
        if (m_stopping) state.transfer.cancel = true;
        m_cancels.insert(&state.transfer.cancel);
    }
    RadioPrompts prompts(m_workerPrompts, job.radio.radio);
    const int row = job.tableRow;
    bool ok = m_link.transfer(TransferDirection::Write, state, prompts,
                              [this, row](int blocks) { progress(row, Stage::Writing, blocks); }, false);
    int code = config::fleet::kCodeDone;
    if (ok) {
        const app::BackupResult kept = app::saveBackup(state.config, state.prefix, state.image, app::BackupKind::Written);
        backup = kept.ok ? kept.path : QString();
        message = kept.ok ? text::kWritten : kept.errorText;
        if (m_verifyRun) {
            ok = m_link.verify(state, prompts, [this, row](int blocks) { progress(row, Stage::Verifying, blocks); });
            message = ok ? text::kVerified : text::kVerifyFailed;
            if (!ok) code = state.transfer.cancel ? config::fleet::kCodeCancelled : config::fleet::kCodeVerify;
        }
    } else {
        code = state.transfer.cancel ? config::fleet::kCodeCancelled : prompts.code();
        message = state.transfer.cancel ? text::kCancelled : prompts.lastText();
    }
    const std::lock_guard lock(m_mutex);
    m_cancels.erase(&state.transfer.cancel);
    if (!state.transferPassword.isEmpty()) m_password = state.transferPassword;  // asked once for the fleet
    return code;
}

void FleetDialog::progress(int tableRow, Stage stage, int blocks) {
    constexpr int kBlocks = 1008;
    const int percent = blocks * 100 / kBlocks;
    const QString state = (stage == Stage::Writing ? kWriting : kVerifying).arg(percent);
    QMetaObject::invokeMethod(this, [this, tableRow, state] { setState(tableRow, state); }, Qt::QueuedConnection);
}

} // namespace shell
