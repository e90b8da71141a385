// SPDX-License-Identifier: GPL-3.0-or-later
// qmr417-cli fleet --in MASTER.dat --roster ROSTER.csv --port NAME: writes the master into
// radio after radio, each with its own row's values from the roster (its own self ID, its
// own starting display). Every row is checked before any radio is touched; each radio goes
// through the write of `write` (backup, --verify) and gets one line in the log, which
// --resume reads to skip the radios already done. --parallel writes the radios on different
// ports at the same time, one transfer per port.

#include "cli/cli_transfer.h"
#include "cli/commands.h"
#include "cli/configuration_reports.h"
#include "cli/exit_codes.h"
#include "link/fleet_scheduler.h"
#include "image/parameter_file.h"
#include "config/roster.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <unistd.h>
#endif

namespace cli {

namespace {

static_assert(int(config::fleet::kCodePort) == kExitPort && int(config::fleet::kCodeNoAnswer) == kExitNoAnswer
              && int(config::fleet::kCodePassword) == kExitPassword && int(config::fleet::kCodeRadioLocked) == kExitRadioLocked
              && int(config::fleet::kCodeCancelled) == kExitCancelled && int(config::fleet::kCodeVerify) == kExitVerify
              && int(config::fleet::kCodeRoster) == kExitDocument,
              "the log records the command-line tool's own exit codes");

namespace text {
const QString kUsage = QStringLiteral(
    "fleet --in MASTER.dat --roster ROSTER.csv --port NAME [--verify] [--read-first] [--log LOG.csv] [--yes] "
    "[--resume] [--parallel] [options]");
const QString kInHelp = QStringLiteral("Master parameter file every radio gets.");
const QString kRosterHelp = QStringLiteral(
    "CSV: a column Radio, an optional column Port, and columns named by value paths (dtmf.selfId) with each "
    "radio's values.");
const QString kLogHelp = QStringLiteral("Log to append one line per radio to (default: ROSTER-log.csv beside the roster).");
const QString kYesHelp = QStringLiteral("Do not wait for Enter before each radio; after a failure go on to the next.");
const QString kResumeHelp = QStringLiteral("Skip the radios the log shows as done.");
const QString kParallelHelp = QStringLiteral("Write the radios on different ports at the same time.");
const QString kVerifyHelp = QStringLiteral("Read each radio back after its write and compare.");
const QString kKeepStateHelp = QStringLiteral("As write --keep-radio-state.");
const QString kReadFirstHelp = QStringLiteral("As write --read-first: each radio's earlier contents are kept.");
const QString kCannotRead = QStringLiteral("cannot read %1: %2");
const QString kMissing = QStringLiteral("fleet needs --%1");
const QString kLogSuffix = QStringLiteral("-log.csv");
const QString kRefused = QStringLiteral("%1: %2 problem(s); no radio was written");
const QString kAlreadyDone = QStringLiteral("%1: done before (%2), skipped");
const QString kConnect = QStringLiteral("Connect radio %1 and press Enter");
const QString kConnectTo = QStringLiteral("Connect radio %1 to %2 and press Enter");
const QString kAskAfterFailure = QStringLiteral("Radio %1 failed (exit code %2). Retry, Skip or Stop? [r/s/q] ");
const QString kDone = QStringLiteral("%1: done");
const QString kCannotLog = QStringLiteral("warning: %1");
const QString kSummary = QStringLiteral("fleet: %1 radio(s): %2 done, %3 done before, %4 failed, %5 not written");
} // namespace text

enum class Answer { Go, Retry, Skip, Stop };

// One line from stdin, waiting while watching for Ctrl-C; nothing at its end or after Ctrl-C.
std::optional<QString> readAnswer(const std::atomic<bool>& interrupted) {
    std::string line;
    for (;;) {
        if (interrupted) return std::nullopt;
#ifdef Q_OS_UNIX
        pollfd input{STDIN_FILENO, POLLIN, 0};
        constexpr int kPollMs = 100;
        if (poll(&input, 1, kPollMs) <= 0) continue;
        char c = 0;
        if (::read(STDIN_FILENO, &c, 1) != 1) return std::nullopt;
#else
        const int c = std::fgetc(stdin);
        if (c == EOF) return std::nullopt;
#endif
        if (c == '\n') return QString::fromStdString(line).trimmed();
        line += char(c);
    }
}

struct FleetSettings {
    TransferRequest request;  // the transfer options; each radio's port and label set per row
    bool yes = false;
    bool parallel = false;
    QString logPath;
};

// The run: its rows, the questions on the one terminal, the log and Ctrl-C for every radio.
// The scheduler runs the queues; every radio goes through the write runner.
class FleetRun {
public:
    FleetRun(const config::fleet::Roster& roster, const image::FilePrefixBlock& prefix, const app::AppConfig& config,
             FleetSettings settings, const std::atomic<bool>& interrupted)
        : m_roster(roster), m_prefix(prefix), m_config(config), m_settings(std::move(settings)),
          m_interrupted(interrupted) {}

    // Writes the radios (each port's in roster order) and returns each row's exit code.
    std::map<int, int> run(const std::vector<config::fleet::PreparedRadio>& radios) {
        QStringList ports;
        for (const config::fleet::PreparedRadio& radio : radios) ports << radio.port;
        m_scheduler.start(ports, m_settings.parallel, [this, &radios](int index) {
            const std::optional<int> code = programRadio(radios[std::size_t(index)]);
            if (!code) return false;  // stopped before it was written
            const std::lock_guard lock(m_mutex);
            m_codes[radios[std::size_t(index)].row] = *code;
            return true;
        });
        relayInterruptUntilDone();
        return m_codes;
    }

private:
    // Ctrl-C reaches every transfer running, each of which polls its own cancel flag.
    void relayInterruptUntilDone() {
        constexpr auto kPoll = std::chrono::milliseconds(50);
        while (m_scheduler.running()) {
            if (m_interrupted && !m_scheduler.stopping()) m_scheduler.stop();
            std::this_thread::sleep_for(kPoll);
        }
        m_scheduler.wait();
    }

    // The radio's exit code; nothing when the run stopped before it was written.
    std::optional<int> programRadio(const config::fleet::PreparedRadio& radio) {
        int code = kExitOk;
        for (;;) {
            if (!m_settings.yes && ask(connectText(radio), false) == Answer::Stop) {
                m_scheduler.stop();
                return std::nullopt;
            }
            code = writeRadio(radio);
            if (code == kExitOk || m_interrupted || m_settings.yes) break;
            const Answer answer = ask(text::kAskAfterFailure.arg(radio.radio).arg(code), true);
            if (answer == Answer::Retry) continue;
            if (answer == Answer::Stop) m_scheduler.stop();
            break;
        }
        return code;
    }

    QString connectText(const config::fleet::PreparedRadio& radio) const {
        return m_settings.parallel ? text::kConnectTo.arg(radio.radio, radio.port) : text::kConnect.arg(radio.radio);
    }

    // One question at a time on the terminal. Enter answers "go"; after a failure r, s or q.
    Answer ask(const QString& question, bool afterFailure) {
        const std::lock_guard lock(m_questionMutex);
        if (m_scheduler.stopping()) return Answer::Stop;
        std::fprintf(stderr, "%s%s", qPrintable(question), afterFailure ? "" : "\n");
        std::fflush(stderr);
        const std::optional<QString> answer = readAnswer(m_interrupted);
        if (!answer) {
            std::fputc('\n', stderr);  // the question's line ends with its answer
            return Answer::Stop;
        }
        if (!afterFailure) return Answer::Go;
        if (answer->startsWith(u'r', Qt::CaseInsensitive)) return Answer::Retry;
        if (answer->startsWith(u's', Qt::CaseInsensitive)) return Answer::Skip;
        return Answer::Stop;
    }

    int writeRadio(const config::fleet::PreparedRadio& radio) {
        app::AppState state;
        state.image = radio.image;
        state.prefix = m_prefix;
        state.config = m_config;
        const radiolink::FleetScheduler::Registration registered(m_scheduler, state.transfer.cancel);
        TransferRequest request = m_settings.request;
        request.port = radio.port;
        request.label = radio.radio;
        TransferRecord record;
        const int code = runWrite(state, request, m_interrupted, &record);
        if (code == kExitOk) printLine(text::kDone.arg(radio.radio));
        log(radio, code, record);
        return code;
    }

    void log(const config::fleet::PreparedRadio& radio, int code, const TransferRecord& record) {
        config::fleet::LogEntry entry;
        entry.time = QDateTime::currentDateTime();
        entry.radio = radio.radio;
        entry.port = radio.port;
        entry.values = m_roster.rows[radio.row].values;
        entry.done = code == kExitOk;
        entry.exitCode = code;
        entry.backupFile = QFileInfo(record.backupPath).fileName();
        entry.message = record.logMessage;
        const std::lock_guard lock(m_mutex);
        if (const QString error = config::fleet::appendLog(m_settings.logPath, m_roster, entry); !error.isEmpty())
            printLine(text::kCannotLog.arg(error));
    }

    const config::fleet::Roster& m_roster;
    const image::FilePrefixBlock& m_prefix;
    const app::AppConfig& m_config;
    const FleetSettings m_settings;
    const std::atomic<bool>& m_interrupted;
    radiolink::FleetScheduler m_scheduler;
    std::mutex m_mutex;          // the codes and the log
    std::mutex m_questionMutex;  // one question at a time
    std::map<int, int> m_codes;
};

QString defaultLogPath(const QString& rosterPath) {
    const QFileInfo roster(rosterPath);
    return roster.dir().filePath(roster.completeBaseName() + text::kLogSuffix);
}

} // namespace

int fleetCommand(const QStringList& arguments, app::AppState& state, const std::atomic<bool>& interrupted) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes a master configuration into a fleet of radios."));
    parser.addHelpOption();
    const TransferOptions transferOptions;
    transferOptions.addTo(parser);
    const QCommandLineOption inOption(QStringLiteral("in"), text::kInHelp, QStringLiteral("file"));
    const QCommandLineOption rosterOption(QStringLiteral("roster"), text::kRosterHelp, QStringLiteral("file"));
    const QCommandLineOption logOption(QStringLiteral("log"), text::kLogHelp, QStringLiteral("file"));
    const QCommandLineOption verifyOption(QStringLiteral("verify"), text::kVerifyHelp);
    const QCommandLineOption yesOption(QStringLiteral("yes"), text::kYesHelp);
    const QCommandLineOption resumeOption(QStringLiteral("resume"), text::kResumeHelp);
    const QCommandLineOption parallelOption(QStringLiteral("parallel"), text::kParallelHelp);
    const QCommandLineOption keepStateOption(QStringLiteral("keep-radio-state"), text::kKeepStateHelp);
    const QCommandLineOption readFirstOption(QStringLiteral("read-first"), text::kReadFirstHelp);
    parser.addOptions({inOption, rosterOption, logOption, verifyOption, yesOption, resumeOption, parallelOption,
                       keepStateOption, readFirstOption});
    if (const std::optional<int> done = parseCommandLine(parser, arguments, text::kUsage)) return *done;

    QString error;
    std::optional<TransferRequest> request = transferOptions.read(parser, QStringLiteral("fleet"), error, false);
    if (!request) return fail(kExitUsage, error);
    request->verify = parser.isSet(verifyOption);
    request->policy.keepRadioState = parser.isSet(keepStateOption);
    request->readFirst = parser.isSet(readFirstOption);
    const QString in = parser.value(inOption);
    const QString rosterPath = parser.value(rosterOption);
    if (in.isEmpty()) return fail(kExitUsage, text::kMissing.arg(inOption.names().constFirst()));
    if (rosterPath.isEmpty()) return fail(kExitUsage, text::kMissing.arg(rosterOption.names().constFirst()));

    if (!QFileInfo(in).isFile()) return fail(kExitFile, text::kCannotRead.arg(in, image::kNoErrorText));
    if (const image::FileResult read = image::readParameterFile(in, state.prefix, state.image); !read.ok)
        return fail(kExitFile, readFailureText(in, read));
    if (!QFileInfo(rosterPath).isFile()) return fail(kExitFile, text::kCannotRead.arg(rosterPath, image::kNoErrorText));

    // Every row is checked before any radio is touched.
    QStringList problems;
    const config::fleet::Roster roster = config::fleet::readRoster(rosterPath, problems);
    config::fleet::RosterCheck check;
    if (problems.isEmpty()) check = config::fleet::checkRoster(roster, state.image, request->port, programModelName());
    problems << check.problems;
    for (const QString& problem : problems) printLine(problem);
    if (!problems.isEmpty()) {
        printLine(text::kRefused.arg(roster.name).arg(problems.size()));
        return kExitDocument;
    }

    FleetSettings settings{*request, parser.isSet(yesOption), parser.isSet(parallelOption),
                           parser.isSet(logOption) ? parser.value(logOption) : defaultLogPath(rosterPath)};
    if (const QString problem = config::fleet::logProblem(settings.logPath, roster); !problem.isEmpty())
        return fail(kExitFile, problem);
    if (const QString problem = cannotSaveTextFileReason(settings.logPath); !problem.isEmpty()) return fail(kExitFile, problem);

    std::vector<config::fleet::PreparedRadio> radios;
    int doneBefore = 0;
    const QSet<QString> done = parser.isSet(resumeOption) ? config::fleet::doneRadios(settings.logPath) : QSet<QString>();
    for (config::fleet::PreparedRadio& radio : check.radios) {
        if (done.contains(radio.radio)) {
            printLine(text::kAlreadyDone.arg(radio.radio, QFileInfo(settings.logPath).fileName()));
            ++doneBefore;
        } else
            radios.push_back(std::move(radio));
    }

    state.config.appDir = app::programFilesFolder(QCoreApplication::applicationFilePath());
    state.config.dataDir = state.config.appDir + app::kDataFolderName;
    FleetRun run(roster, state.prefix, state.config, std::move(settings), interrupted);
    const std::map<int, int> codes = run.run(radios);

    // The first failure in roster order names the run's exit code.
    int exitCode = kExitOk;
    int failed = 0;
    for (const auto& [row, code] : codes) {
        if (code == kExitOk) continue;
        ++failed;
        if (exitCode == kExitOk) exitCode = code;
    }
    const int written = int(codes.size()) - failed;
    const int notWritten = int(radios.size() - codes.size());
    if (notWritten > 0 && exitCode == kExitOk) exitCode = kExitCancelled;
    printLine(text::kSummary.arg(roster.rows.size()).arg(written).arg(doneBefore).arg(failed).arg(notWritten));
    return exitCode;
}

} // namespace cli
