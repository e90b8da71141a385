// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_transfer.h"

#include "app/app_files.h"
#include "app/backups.h"

#include "cli/cli_texts.h"
#include "cli/exit_codes.h"
#include "image/memory_map.h"
#include "image/parameter_file.h"
#include "link/link_constants.h"
#include "link/link_texts.h"
#include "link/port_provider.h"
#include "link/write_runner.h"
#include "config/verify_fields.h"
#include "link/write_verify.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <optional>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace cli {

namespace {

constexpr int kMaxRetries = 100;

bool stderrIsTerminal() {
#ifdef Q_OS_UNIX
    return isatty(STDERR_FILENO) == 1;
#else
    return false;
#endif
}

// Progress on stderr: one line rewritten in place on a terminal, else a line per 10 %.
class ProgressPrinter {
public:
    ProgressPrinter(radiolink::Direction direction, const QString& label)
        : ProgressPrinter(direction == radiolink::Direction::Read ? "reading" : "writing", label) {}
    // A labelled transfer runs beside others: a line each, never one rewritten in place.
    ProgressPrinter(const char* verb, const QString& label)
        : m_verb(label.isEmpty() ? QString::fromLatin1(verb) : label + QStringLiteral(": ") + QString::fromLatin1(verb)),
          m_terminal(label.isEmpty() && stderrIsTerminal()) {}

    void show(const radiolink::TransferProgress& p) {
        if (p.percentText == m_lastText) return;
        m_lastText = p.percentText;
        const int percent = p.position * 100 / p.upperBound;
        if (m_terminal) {
            std::fprintf(stderr, "\r%s %4d/%d %s ", qPrintable(m_verb), p.position, p.upperBound, qPrintable(p.percentText));
        } else if (percent % 10 == 0) {
            std::fprintf(stderr, "%s %d/%d %s\n", qPrintable(m_verb), p.position, p.upperBound, qPrintable(p.percentText));
        }
        std::fflush(stderr);
    }
    void finish() const {
        if (m_terminal && !m_lastText.isEmpty()) std::fputc('\n', stderr);
    }

private:
    QString m_verb;
    bool m_terminal;
    QString m_lastText;
};

// What one transfer prints: each line starts with its label when it has one, and the last
// failure line and the backup go to the caller's record.
class TransferPrinter {
public:
    TransferPrinter(const TransferRequest& request, TransferRecord* record) : m_label(request.label), m_record(record) {}
    void line(const QString& text) const { printLine(labelled(text)); }
    int fail(int exitCode, const QString& text) const {
        if (m_record) m_record->failure = text;
        return cli::fail(exitCode, labelled(text));
    }
    void backup(const QString& path) const {
        if (m_record) m_record->backupPath = path;
    }
    const QString& label() const { return m_label; }

private:
    QString labelled(const QString& text) const { return m_label.isEmpty() ? text : m_label + QStringLiteral(": ") + text; }
    QString m_label;
    TransferRecord* m_record;
};

QString byteText(std::uint8_t byte) {
    return QStringLiteral("0x") + QString::number(byte, 16).toUpper().rightJustified(2, u'0');
}

QString stateName(int state) {
    return state == radiolink::kRadioStunned ? radiolink::text::kImageStateStunned : radiolink::text::kImageStateKilled;
}

// One line, as every failure: the port, the device it stands for, and why in the system's words.
QString portFailedText(const QString& port, const radiolink::TransferOutcome& outcome) {
    const radiolink::OpenFailure& failure = outcome.openFailure;
    const QString name = failure.device.isEmpty() || failure.device == port
                             ? port
                             : radiolink::text::kPortWithDevice.arg(port, failure.device);
    const QString status = radiolink::openStatusText(outcome.openStatus);
    if (failure.reason.isEmpty()) return text::kPortFailed.arg(name, status);
    return text::kPortFailedBecause.arg(name, status, failure.reason);
}

// The line that reports a failed transfer, before anything is said about a partial write.
QString failureText(const radiolink::TransferOutcome& outcome, const CliPrompts& prompts, const TransferRequest& request,
                    radiolink::Direction direction, const app::AppState& state) {
    using radiolink::TransferResult;
    switch (outcome.result) {
    case TransferResult::Completed: return {};
    case TransferResult::PortNotOpened:
        return portFailedText(request.port, outcome);
    case TransferResult::NoAnswer:
        return text::kNoAnswer.arg(request.port, request.policy.retryOnFailure ? text::kGaveUp.arg(prompts.retriesUsed())
                                                                              : text::kNoRetries);
    case TransferResult::PasswordRefused:
        return request.password.isEmpty() ? text::kPasswordMissing : text::kPasswordWrong;
    case TransferResult::RadioLocked:
        return (prompts.reviveCodeGiven() ? text::kReviveWrong : text::kRadioLocked).arg(prompts.reviveQuestion());
    case TransferResult::StateKept: {
        const int imageState = state.image.u8(image::map::kRadioState);
        return text::kStateKept.arg(stateName(imageState)).arg(imageState);
    }
    case TransferResult::Cancelled:
        return (direction == radiolink::Direction::Read ? text::kInterrupted : text::kInterruptedWrite)
            .arg(outcome.blocksDone)
            .arg(radiolink::progressUpperBound(direction));
    case TransferResult::AlreadyRunning: return text::kBusy;
    }
    return {};
}

// A read that fails prints one line; writes go through the write runner, which says more.
int reportFailure(const radiolink::TransferOutcome& outcome, const CliPrompts& prompts, const TransferRequest& request,
                  radiolink::Direction direction, const app::AppState& state, const TransferPrinter& out) {
    return out.fail(radiolink::exitCodeOf(outcome.result), failureText(outcome, prompts, request, direction, state));
}

// What the command line adds to a failure line: how to do better with its options.
QString cliHint(const radiolink::TransferOutcome& outcome, const CliPrompts& prompts, const TransferRequest& request) {
    using radiolink::TransferResult;
    switch (outcome.result) {
    case TransferResult::NoAnswer:
        return QStringLiteral(" (%1)").arg(request.policy.retryOnFailure ? text::kGaveUp.arg(prompts.retriesUsed())
                                                                         : text::kNoRetries);
    case TransferResult::PasswordRefused:
        return request.password.isEmpty() ? text::kPasswordHint : QString();
    case TransferResult::RadioLocked: return prompts.reviveCodeGiven() ? QString() : text::kReviveHint;
    case TransferResult::StateKept: return text::kKeepStateHint;
    default: return {};
    }
}

// Every field and then every byte that differs, for whoever checks the memory itself.
void printDifferences(const radiolink::VerifyResult& verify, const image::RadioImage& sent, const TransferPrinter& out) {
    for (const QString& field : verify.fields) out.line(field);
    if (verify.fields.isEmpty()) out.line(radiolink::text::kVerifyNoFieldDiffers);
    for (const image::Addr address : verify.differences)
        out.line(text::kVerifyDifference.arg(radiolink::addressList({address}, 1), byteText(sent.u8(address)),
                                              byteText(verify.radio.u8(address))));
}

const char* stageVerb(radiolink::WriteStage stage) {
    switch (stage) {
    case radiolink::WriteStage::ReadingFirst: return "reading";
    case radiolink::WriteStage::Writing: return "writing";
    case radiolink::WriteStage::Verifying: return "verifying";
    }
    return "writing";
}

// One progress line per stage of a write.
class StagePrinter {
public:
    explicit StagePrinter(QString label) : m_label(std::move(label)) {}
    void show(radiolink::WriteStage stage, const radiolink::TransferProgress& p) {
        if (!m_printer || stage != m_stage) {
            finish();
            m_printer.emplace(stageVerb(stage), m_label);
            m_stage = stage;
        }
        m_printer->show(p);
    }
    void finish() {
        if (m_printer) m_printer->finish();
    }

private:
    QString m_label;
    std::optional<ProgressPrinter> m_printer;
    radiolink::WriteStage m_stage = radiolink::WriteStage::Writing;
};

void ensureDataDir(app::AppState& state) {
    if (state.config.dataDir.isEmpty())
        state.config.dataDir = app::programFilesFolder(QCoreApplication::applicationFilePath()) + app::kDataFolderName;
}

} // namespace

void TransferOptions::addTo(QCommandLineParser& parser) const {
    parser.addOptions({m_port, m_password, m_revive, m_onFailure, m_retries});
}

std::optional<TransferRequest> TransferOptions::read(const QCommandLineParser& parser, const QString& command,
                                                     QString& error, bool portRequired) const {
    TransferRequest request;
    request.port = parser.value(m_port);
    if (request.port.isEmpty() && portRequired) return error = text::kMissingOption.arg(command, m_port.names().constFirst()), std::nullopt;
    request.password = parser.value(m_password);
    request.policy.reviveCode = parser.value(m_revive);
    const QString policy = parser.value(m_onFailure);
    if (policy != QStringLiteral("retry") && policy != QStringLiteral("cancel"))
        return error = text::kBadPolicy, std::nullopt;
    request.policy.retryOnFailure = policy == QStringLiteral("retry");
    bool ok = false;
    request.policy.maxRetries = parser.value(m_retries).toInt(&ok);
    if (!ok || request.policy.maxRetries < 0 || request.policy.maxRetries > kMaxRetries)
        return error = text::kBadRetries, std::nullopt;
    return request;
}

int runTransfer(radiolink::Direction direction, app::AppState& state, const TransferRequest& request,
                const std::atomic<bool>& interrupted, TransferRecord* record) {
    const TransferPrinter out(request, record);
    CliPrompts prompts(request.policy, interrupted);
    ProgressPrinter printer(direction, request.label);
    radiolink::PortProvider ports;

    state.config.portName = request.port;
    state.transferPassword = request.password;
    radiolink::TransferOutcome outcome = radiolink::runTransfer(
        direction, state, prompts, ports, [&](const radiolink::TransferProgress& p) { printer.show(p); });
    printer.finish();
    // Ctrl-C at a "Check connection" question is answered Cancel: report it as the interruption.
    if (interrupted && outcome.result == radiolink::TransferResult::NoAnswer)
        outcome.result = radiolink::TransferResult::Cancelled;
    if (!outcome.success()) return reportFailure(outcome, prompts, request, direction, state, out);
    for (const QString& message : prompts.messages()) out.line(message);
    out.backup(keepBackup(state, direction, request.label));
    return kExitOk;
}

int runWrite(app::AppState& state, const TransferRequest& request, const std::atomic<bool>& interrupted,
             TransferRecord* record) {
    const TransferPrinter out(request, record);
    CliPrompts prompts(request.policy, interrupted);
    radiolink::PortProvider ports;
    state.config.portName = request.port;
    state.transferPassword = request.password;
    ensureDataDir(state);

    StagePrinter printer(request.label);
    QStringList notes;
    radiolink::WriteCallbacks callbacks;
    callbacks.progress = [&printer](radiolink::WriteStage stage, const radiolink::TransferProgress& p) {
        printer.show(stage, p);
    };
    callbacks.log = [&notes](const QString& line) { notes << line; };
    callbacks.describe = config::verifyFieldDifferences;
    callbacks.hint = [&](const radiolink::TransferOutcome& outcome) { return cliHint(outcome, prompts, request); };
    const radiolink::WriteResult result =
        radiolink::runWrite(state, prompts, ports, {request.readFirst, request.verify, request.asIs}, callbacks);
    printer.finish();

    // With a verify the engine leaves the completion to the caller, as the program tells both at once.
    if (result.verify) out.line(radiolink::text::kWriteCompleted);
    for (const QString& message : prompts.messages()) out.line(message);
    for (const QString& note : notes) out.line(note);
    out.backup(result.writtenBackup);
    if (record) record->logMessage = result.logMessage();
    if (result.verify && !result.verify->differences.isEmpty()) printDifferences(*result.verify, state.image, out);
    if (!result.done()) return out.fail(result.code, result.failure);
    if (result.verify) out.line(text::kVerified);
    return kExitOk;
}

QString keepBackup(app::AppState& state, radiolink::Direction direction, const QString& label) {
    ensureDataDir(state);
    const auto kind = direction == radiolink::Direction::Read ? app::BackupKind::Read : app::BackupKind::Written;
    const app::BackupResult backup = app::saveBackup(state.config, state.prefix, state.image, kind);
    // The transfer went through either way; a missing backup is said, not made an error.
    const QString line = backup.ok ? text::kBackupSaved.arg(backup.path) : text::kBackupFailed.arg(backup.errorText);
    printLine(label.isEmpty() ? line : label + QStringLiteral(": ") + line);
    return backup.ok ? backup.path : QString();
}

std::optional<int> parseCommandLine(QCommandLineParser& parser, const QStringList& arguments, const QString& usage,
                                    int positionals, int maxPositionals) {
    if (!parser.parse(arguments)) return fail(kExitUsage, parser.errorText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        // The parser's own usage line names the program by the path it was started with.
        const QString options = parser.helpText().section(u'\n', 1);
        std::printf("%s\n%s", qPrintable(text::kUsage.arg(text::kProgramName, usage)), qPrintable(options));
        return kExitOk;
    }
    const QStringList given = parser.positionalArguments();
    const int most = std::max(positionals, maxPositionals);
    if (given.size() > most) return fail(kExitUsage, text::kUnexpectedArgument.arg(given[most]));
    if (given.size() < positionals) return fail(kExitUsage, text::kUsage.arg(text::kProgramName, usage));
    return std::nullopt;
}

QString cannotSaveReason(const QString& path) {
    const QFileInfo info(path);
    if (!info.absoluteDir().exists()) return text::kNoFolder.arg(path);
    if (info.isDir()) return text::kIsFolder.arg(path);
    const bool existed = info.exists();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return text::kCannotSave.arg(path, file.errorString());
    file.close();
    if (!existed) file.remove();
    return {};
}

QString cannotSaveParameterFileReason(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile() && info.size() != image::kParameterFileSize)
        return text::kNotAParameterFile.arg(path).arg(info.size());
    return cannotSaveReason(path);
}

QString cannotSaveTextFileReason(const QString& path) {
    if (path.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive)) return text::kTextOverParameterFile.arg(path);
    return cannotSaveReason(path);
}

void printLine(const QString& line) {
    std::fprintf(stderr, "%s\n", qPrintable(line));
}

void writeOut(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

int readRadio(app::AppState& state, const TransferRequest& request, const std::atomic<bool>& interrupted) {
    state.config.appDir = app::programFilesFolder(QCoreApplication::applicationFilePath());
    app::loadDefaultFile(state);  // missing: start from zeros
    return runTransfer(radiolink::Direction::Read, state, request, interrupted);
}

int fail(int exitCode, const QString& text) {
    printLine(text::kProgramName + QStringLiteral(": ") + text);
    return exitCode;
}

QString readFailureText(const QString& path, const image::FileResult& result) {
    return result.wrongSize ? result.errorText : text::kCannotRead.arg(path, result.errorText);
}

} // namespace cli
