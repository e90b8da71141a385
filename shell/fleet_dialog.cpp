// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/fleet_dialog.h"

#include "app/backups.h"
#include "app/settings_file.h"
#include "config/config_report.h"
#include "image/memory_map.h"
#include "link/link_texts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace shell {

namespace {

namespace text {
// In the user's language when shown; the log's file names stay as they are.
QString tr(const char* text, int count = -1) { return QCoreApplication::translate("shell::FleetDialog", text, nullptr, count); }
constexpr const char* kConnect = QT_TRANSLATE_NOOP("shell::FleetDialog", "Connect radio %1 and press Enter");
constexpr const char* kConnectTo = QT_TRANSLATE_NOOP("shell::FleetDialog", "Connect radio %1 to %2 and press Enter");
constexpr const char* kFailedRetry = QT_TRANSLATE_NOOP("shell::FleetDialog", "Radio %1 failed: %2\n\nRetry this radio?");
constexpr const char* kGoOn = QT_TRANSLATE_NOOP("shell::FleetDialog", "Go on with the next radio? (No stops the fleet write.)");
constexpr const char* kRadioQuestion = QT_TRANSLATE_NOOP("shell::FleetDialog", "Radio %1: %2");
constexpr const char* kProblems = QT_TRANSLATE_N_NOOP("shell::FleetDialog", "The roster has %n problem(s); no radio was written.\n\n%1");
constexpr const char* kNoRadios = QT_TRANSLATE_NOOP("shell::FleetDialog", "%1: no radios in the roster");
constexpr const char* kMoreProblems = QT_TRANSLATE_NOOP("shell::FleetDialog", "... and %1 more");
constexpr const char* kCsvFilter = QT_TRANSLATE_NOOP("shell::FleetDialog", "CSV Files (*.csv)");
constexpr const char* kImportTitle = QT_TRANSLATE_NOOP("shell::FleetDialog", "Import Roster (CSV)");
constexpr const char* kLogTitle = QT_TRANSLATE_NOOP("shell::FleetDialog", "Fleet Log (CSV)");
const QString kLogProposed = QStringLiteral("fleet-log.csv");
const QString kLogSuffix = QStringLiteral("-log.csv");
constexpr const char* kNotCsv = QT_TRANSLATE_NOOP("shell::FleetDialog", "The log is a CSV file, not a parameter file.");
constexpr const char* kLogFailed = QT_TRANSLATE_NOOP("shell::FleetDialog", "The fleet log could not be written: %1");
} // namespace text

constexpr int kProblemsShown = 20;
constexpr int kInitialWidth = 820;
constexpr int kInitialHeight = 460;
const QStringList kDefaultPaths = config::fleet::kUniquePaths;
// The run's options as the user left them, kept in "Program.ini" for the next opening.
const QString kOptionsSection = QStringLiteral("Fleet");
const QString kOn = QStringLiteral("1");
const QString kOff = QStringLiteral("0");
const QString kColumnName = QStringLiteral("%1 / %2");  // "DTMF / Self ID", as the check names a field
const int kPathRole = Qt::UserRole;

// A value column's header: the section and field the path names in the report, as the user
// knows them from the editors; the path itself when the report has no such field.
QString columnName(const app::report::ConfigReport& report, const QString& path) {
    const QString sectionKey = path.section(u'.', 0, 0);
    const QString fieldKey = path.section(u'.', 1);
    for (const app::report::Section& section : report.sections) {
        if (section.key != sectionKey) continue;
        for (const app::report::Entry& entry : section.entries)
            if (entry.key == fieldKey) return kColumnName.arg(section.title, entry.label);
    }
    return path;
}

// One radio's questions, each naming the radio, asked through the dialog's thread prompts;
// the messages a transfer gives are left out (the row's state and the log say how it ended).
class RadioPrompts final : public app::Prompts {
public:
    RadioPrompts(app::Prompts& target, QString radio) : m_target(target), m_radio(std::move(radio)) {}

    void message(const QString&) override {}
    void report(const QString&, app::Severity) override {}
    bool askYesNo(const QString& text, const QString& caption) override { return m_target.askYesNo(named(text), caption); }
    bool askRetryCancel(const QString& text) override { return m_target.askRetryCancel(named(text)); }
    std::optional<QString> askPassword(app::PasswordMode mode, const QString& initial) override {
        return m_target.askPassword(mode, initial);
    }
    std::optional<QString> askReviveCode(const QString& text) override { return m_target.askReviveCode(named(text)); }
    QString askOpenFileName(const app::FileDialogRequest&) override { return {}; }
    QString askSaveFileName(const app::FileDialogRequest&) override { return {}; }

private:
    QString named(const QString& text) const { return text::tr(text::kRadioQuestion).arg(m_radio, text); }

    app::Prompts& m_target;
    QString m_radio;
};

QTableWidgetItem* stateItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

FleetDialog::FleetDialog(const app::AppState& master, app::Prompts& prompts, const LinkServices& link, QWidget* parent)
    : QDialog(parent), m_master(master), m_prompts(prompts), m_link(link), m_workerPrompts(prompts),
      m_intro(new QLabel(tr(kMasterText).arg(master.config.portName))), m_table(new QTableWidget), m_log(new QLabel),
      m_verify(new QCheckBox(tr(kVerify))), m_askEach(new QCheckBox(tr(kAskEach))), m_resume(new QCheckBox(tr(kResume))),
      m_parallel(new QCheckBox(tr(kParallel))), m_readFirst(new QCheckBox(tr(kReadFirst))), m_import(new QPushButton(tr(kImport))), m_add(new QPushButton(tr(kAddRow))),
      m_remove(new QPushButton(tr(kRemoveRow))), m_logButton(new QPushButton(tr(kLogFile))), m_start(new QPushButton(tr(kStart))),
      m_stop(new QPushButton(tr(kStop))), m_close(new QPushButton(tr(kClose))) {
    setObjectName(QStringLiteral("fleetDialog"));
    setWindowTitle(tr(kTitle));
    m_intro->setWordWrap(true);
    m_table->setObjectName(QStringLiteral("roster"));
    m_table->setAccessibleName(tr(kRosterName));
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
    m_readFirst->setObjectName(QStringLiteral("readFirstBox"));

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
    for (QCheckBox* box : {m_askEach, m_readFirst, m_verify, m_resume, m_parallel}) layout->addWidget(box);
    layout->addLayout(logLine);
    layout->addLayout(runButtons);

    loadOptions();
    buildTable(kDefaultPaths);
    addRow();
    // At least its usual size, and as large as a large font needs.
    resize(sizeHint().expandedTo(QSize(kInitialWidth, kInitialHeight)));
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
    m_scheduler.wait();
}

void FleetDialog::buildTable(const QStringList& paths) {
    m_table->clear();
    m_table->setRowCount(0);
    m_table->setColumnCount(int(paths.size()) + 3);
    const app::report::ConfigReport report =
        config::buildReport({m_master.image, m_master.bandLimits, m_master.config.modelName});
    const auto header = [this](int column, const QString& text, const QString& path) {
        auto* item = new QTableWidgetItem(text);
        item->setData(kPathRole, path);
        if (text != path) item->setToolTip(path);
        m_table->setHorizontalHeaderItem(column, item);
    };
    header(0, config::fleet::kRadioColumn, config::fleet::kRadioColumn);
    header(1, config::fleet::kPortColumn, config::fleet::kPortColumn);
    for (qsizetype c = 0; c < paths.size(); ++c) header(int(c) + 2, columnName(report, paths[c]), paths[c]);
    header(int(paths.size()) + 2, tr(kStateColumn), QString::fromLatin1(kStateColumn));
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->resizeColumnsToContents();
    // A state says in full how a radio ended ("... the radio holds a partial write"): it wraps
    // in its cell rather than end in "...".
    m_table->setWordWrap(true);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void FleetDialog::loadOptions() {
    const app::SettingsFile ini(m_master.config.settingsPath);
    for (QCheckBox* box : optionBoxes()) {
        const QString stored = ini.read(kOptionsSection, box->objectName(), QString());
        if (!stored.isEmpty()) box->setChecked(stored == kOn);
        // Only into the program's own file: a dialog without one (a test's) keeps them to itself.
        if (!QFileInfo::exists(m_master.config.settingsPath)) continue;
        connect(box, &QCheckBox::toggled, this, [this, box](bool on) {
            app::SettingsFile(m_master.config.settingsPath).write(kOptionsSection, box->objectName(), on ? kOn : kOff);
        });
    }
}

QList<QCheckBox*> FleetDialog::optionBoxes() const { return {m_askEach, m_readFirst, m_verify, m_resume, m_parallel}; }

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
    roster.name = tr(kRosterName);
    const int values = m_table->columnCount() - 3;
    for (int c = 0; c < values; ++c) roster.paths << m_table->horizontalHeaderItem(c + 2)->data(kPathRole).toString();
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
    const QString path = m_prompts.askOpenFileName({text::tr(text::kCsvFilter), m_master.config.dataDir, {}, text::tr(text::kImportTitle)});
    if (!path.isEmpty()) importRoster(path);
}

void FleetDialog::setLogPath(const QString& path) {
    m_logPath = path;
    m_log->setText(tr(kLogText).arg(QDir::toNativeSeparators(path)));
}

void FleetDialog::chooseLogFile() {
    app::FileDialogRequest request{text::tr(text::kCsvFilter), QFileInfo(m_logPath).path(), QFileInfo(m_logPath).fileName(),
                                   text::tr(text::kLogTitle), QStringLiteral("csv")};
    request.refuse = [](const QString& path) {
        return path.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive) ? text::tr(text::kNotCsv) : QString();
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
    if (m_roster.rows.isEmpty()) check.problems << text::tr(text::kNoRadios).arg(config::fleet::kRadioColumn);
    if (!check.ok()) {
        QStringList shown = check.problems.mid(0, kProblemsShown);
        if (check.problems.size() > kProblemsShown) shown << text::tr(text::kMoreProblems).arg(check.problems.size() - kProblemsShown);
        m_prompts.report(text::tr(text::kProblems, int(check.problems.size())).arg(shown.join(u'\n')), app::Severity::Warning);
        return false;
    }

    // Table rows of the roster's rows (blank rows are left out of the roster).
    std::vector<int> tableRows;
    for (int r = 0; r < m_table->rowCount(); ++r)
        for (const config::fleet::RosterRow& row : m_roster.rows)
            if (row.line == r + 1) tableRows.push_back(r);
    const QSet<QString> done = m_resume->isChecked() ? config::fleet::doneRadios(m_logPath) : QSet<QString>();
    m_jobs.clear();
    QStringList ports;
    for (config::fleet::PreparedRadio& radio : check.radios) {
        const int tableRow = tableRows[std::size_t(radio.row)];
        if (done.contains(radio.radio)) {
            setState(tableRow, tr(kDoneBefore));
            continue;
        }
        setState(tableRow, tr(kWaiting));
        ports << radio.port;
        m_jobs.push_back({tableRow, std::move(radio)});
    }
    m_config = m_master.config;
    m_prefix = m_master.prefix;
    m_password = m_master.transferPassword;
    m_options = {m_readFirst->isChecked(), m_verify->isChecked()};
    m_askRun = m_askEach->isChecked();
    m_parallelRun = m_parallel->isChecked();
    if (m_jobs.empty()) {
        emit finished();
        return true;
    }
    setRunning(true);
    m_runActive = true;
    m_scheduler.start(ports, m_parallelRun, [this](int index) { return programRadio(m_jobs[std::size_t(index)]); },
                      [this] { QMetaObject::invokeMethod(this, [this] { runEnded(); }, Qt::QueuedConnection); });
    return true;
}

void FleetDialog::stop() { m_scheduler.stop(); }

void FleetDialog::reject() {
    if (running()) {
        stop();
        return;
    }
    QDialog::reject();
}

void FleetDialog::setRunning(bool isRunning) {
    for (QWidget* control : std::initializer_list<QWidget*>{m_import, m_add, m_remove, m_logButton, m_start, m_close,
                                                            m_verify, m_askEach, m_resume, m_parallel, m_readFirst})
        control->setEnabled(!isRunning);
    m_table->setEditTriggers(isRunning ? QAbstractItemView::NoEditTriggers
                                       : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                             QAbstractItemView::AnyKeyPressed);
    m_stop->setEnabled(isRunning);
}

void FleetDialog::setState(int tableRow, const QString& state) {
    QTableWidgetItem* item = stateItem(state);
    item->setToolTip(state);
    m_table->setItem(tableRow, m_table->columnCount() - 1, item);
}

void FleetDialog::runEnded() {
    m_scheduler.wait();
    m_runActive = false;
    for (int r = 0; r < m_table->rowCount(); ++r)
        if (const QTableWidgetItem* item = m_table->item(r, m_table->columnCount() - 1);
            item && (item->text() == tr(kWaiting) || item->text().startsWith(tr(kWriting).section(u' ', 0, 0) + u' ')
                     || item->text().startsWith(tr(kReadingFirst).section(u' ', 0, 1) + u' ')))
            setState(r, tr(kNotWritten));
    setRunning(false);
    emit finished();
}

// --- the workers' side: nothing here touches a widget; states go to the dialog queued.

// One radio, as often as the user retries it; false when the run stopped before it.
bool FleetDialog::programRadio(const Job& job) {
    for (;;) {
        if (m_scheduler.stopping() || (m_askRun && !askBefore(job))) return false;
        const radiolink::WriteResult result = writeRadio(job);
        logRadio(job, result);
        const QString state = result.done() ? tr(kDone) : tr(kFailed).arg(result.code).arg(result.failure);
        QMetaObject::invokeMethod(this, [this, row = job.tableRow, state] { setState(row, state); }, Qt::QueuedConnection);
        if (result.done() || m_scheduler.stopping() || !m_askRun) return true;
        if (!askAfterFailure(job, result.failure)) return true;
    }
}

void FleetDialog::logRadio(const Job& job, const radiolink::WriteResult& result) {
    const config::fleet::LogEntry entry{QDateTime::currentDateTime(), job.radio.radio, job.radio.port,
                                m_roster.rows[job.radio.row].values, result.done(), result.code,
                                QFileInfo(result.writtenBackup).fileName(), result.logMessage()};
    QString logError;
    {
        const std::lock_guard lock(m_mutex);
        logError = config::fleet::appendLog(m_logPath, m_roster, entry);
    }
    if (!logError.isEmpty()) m_workerPrompts.report(text::tr(text::kLogFailed).arg(logError), app::Severity::Warning);
}

// The run's own questions, asked on the user-interface thread; once the run stops (another
// radio's question answered so, or "Stop"), the questions still waiting are not shown.
bool FleetDialog::askOnUiThread(const std::function<bool()>& ask) {
    bool answer = false;
    QMetaObject::invokeMethod(
        this, [this, &ask, &answer] { answer = !m_scheduler.stopping() && ask(); }, Qt::BlockingQueuedConnection);
    return answer;
}

bool FleetDialog::askBefore(const Job& job) {
    const QString question = m_parallelRun ? text::tr(text::kConnectTo).arg(job.radio.radio, job.radio.port)
                                           : text::tr(text::kConnect).arg(job.radio.radio);
    const bool go = askOnUiThread([&] { return m_prompts.askOkCancel(question, tr(kTitle)); });
    if (!go) stop();
    return go;
}

bool FleetDialog::askAfterFailure(const Job& job, const QString& message) {
    const QString question = text::tr(text::kFailedRetry).arg(job.radio.radio, message);
    if (askOnUiThread([&] { return m_prompts.askRetryCancel(question); })) return true;
    if (!askOnUiThread([&] { return m_prompts.askYesNo(text::tr(text::kGoOn), tr(kTitle)); })) stop();
    return false;
}

radiolink::WriteResult FleetDialog::writeRadio(const Job& job) {
    app::AppState state;
    state.image = job.radio.image;
    state.prefix = m_prefix;
    state.config = m_config;
    state.config.portName = job.radio.port;
    {
        const std::lock_guard lock(m_mutex);
        state.transferPassword = m_password;
    }
    const radiolink::FleetScheduler::Registration registered(m_scheduler, state.transfer.cancel);
    RadioPrompts prompts(m_workerPrompts, job.radio.radio);
    const int row = job.tableRow;
    const radiolink::WriteResult result = m_link.write(
        state, prompts, m_options, [this, row](radiolink::WriteStage stage, int blocks) { progress(row, stage, blocks); });
    const std::lock_guard lock(m_mutex);
    if (!state.transferPassword.isEmpty()) m_password = state.transferPassword;  // asked once for the fleet
    return result;
}

void FleetDialog::progress(int tableRow, radiolink::WriteStage stage, int blocks) {
    const bool readingFirst = stage == radiolink::WriteStage::ReadingFirst;
    const int percent = blocks * 100 / (readingFirst ? image::map::kReadBlocks : image::map::kWriteBlocks);
    const QString& format = readingFirst ? tr(kReadingFirst) : stage == radiolink::WriteStage::Writing ? tr(kWriting) : tr(kVerifying);
    const QString state = format.arg(percent);
    QMetaObject::invokeMethod(this, [this, tableRow, state] { setState(tableRow, state); }, Qt::QueuedConnection);
}

} // namespace shell
