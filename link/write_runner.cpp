// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/write_runner.h"

#include "app/backups.h"
#include "image/band_limits.h"
#include "image/consistency_pass.h"
#include "image/memory_map.h"
#include "link/link_texts.h"
#include "link/port_provider.h"

namespace radiolink {

namespace {

// The runner's view of the caller's prompts: it passes every question on and notes what
// the answers were, so a failure line can say whether a revive code or a password was given.
class NotingPrompts final : public app::Prompts {
public:
    NotingPrompts(app::Prompts& target, bool& reviveAnswered, QString& reviveQuestion)
        : m_target(target), m_reviveAnswered(reviveAnswered), m_reviveQuestion(reviveQuestion) {}
    void message(const QString& text) override { m_target.message(text); }
    void report(const QString& text, app::Severity severity) override { m_target.report(text, severity); }
    bool askYesNo(const QString& text, const QString& caption) override { return m_target.askYesNo(text, caption); }
    bool askRetryCancel(const QString& text) override { return m_target.askRetryCancel(text); }
    std::optional<QString> askPassword(app::PasswordMode mode, const QString& initial) override {
        return m_target.askPassword(mode, initial);
    }
    std::optional<QString> askReviveCode(const QString& text) override {
        m_reviveQuestion = text;
        std::optional<QString> code = m_target.askReviveCode(text);
        m_reviveAnswered = code.has_value();
        return code;
    }
    QString askOpenFileName(const app::FileDialogRequest& request) override { return m_target.askOpenFileName(request); }
    QString askSaveFileName(const app::FileDialogRequest& request) override { return m_target.askSaveFileName(request); }

private:
    app::Prompts& m_target;
    bool& m_reviveAnswered;
    QString& m_reviveQuestion;
};

QString hex4(int value) { return QString::number(value, 16).toUpper().rightJustified(4, u'0'); }

QString portFailedText(const QString& port, const TransferOutcome& outcome) {
    const OpenFailure& failure = outcome.openFailure;
    const QString name =
        failure.device.isEmpty() || failure.device == port ? port : text::kPortWithDevice.arg(port, failure.device);
    const QString status = openStatusText(outcome.openStatus);
    if (failure.reason.isEmpty()) return text::kPortFailed.arg(name, status);
    return text::kPortFailedBecause.arg(name, status, failure.reason);
}

} // namespace

int exitCodeOf(TransferResult result) {
    switch (result) {
    case TransferResult::Completed: return kCodeDone;
    case TransferResult::PortNotOpened: return kCodePort;
    case TransferResult::NoAnswer: return kCodeNoAnswer;
    case TransferResult::PasswordRefused: return kCodePassword;
    case TransferResult::RadioLocked:
    case TransferResult::StateKept: return kCodeRadioLocked;
    case TransferResult::Cancelled: return kCodeCancelled;
    case TransferResult::AlreadyRunning: return kCodeBusy;
    }
    return kCodeBusy;
}

QString WriteResult::logMessage() const {
    if (!done()) return failure;
    return verify ? text::kVerifiedMessage : text::kWrittenMessage;
}

WriteRunner::WriteRunner(SerialPort& port, Clock& clock, app::Prompts& prompts, app::AppState& state,
                         WriteCallbacks callbacks)
    : m_state(state), m_callbacks(std::move(callbacks)),
      m_noting(std::make_unique<NotingPrompts>(prompts, m_reviveAnswered, m_reviveQuestion)),
      m_engine(port, clock, *m_noting, state) {
    m_engine.setProgressCallback([this](const TransferProgress& p) {
        if (m_callbacks.progress) m_callbacks.progress(m_stage, p);
    });
    m_engine.setLogCallback(m_callbacks.log);
}

WriteResult WriteRunner::run(const WriteOptions& options) {
    WriteResult result;
    m_passwordGiven = m_state.transferPassword;
    // What goes into the radio is what a Save would keep: the same pass, the file's own band.
    if (!options.asIs) image::runConsistencyPass(m_state.image, image::decodeBandLimits(m_state.image));
    if (options.readFirst && !readFirst(result)) return result;
    write(result, !options.verify);
    if (result.done() && options.verify) verify(result);
    return result;
}

// The whole radio, kept before anything is written; bytes 0x0000-0x000F never come from a
// radio, so the backup takes them from the file, as a read does from "Default.dat".
bool WriteRunner::readFirst(WriteResult& result) {
    stage(WriteStage::ReadingFirst);
    image::RadioImage before = m_state.image;
    const TransferOutcome outcome = m_engine.readRadio(before);
    if (!outcome.success()) {
        failed(result, outcome, Direction::Read);
        result.failure = text::kReadFirstFailed.arg(result.failure);
        return false;
    }
    const app::BackupResult kept = app::saveBackup(m_state.config, m_state.prefix, before, app::BackupKind::BeforeWrite);
    if (!kept.ok) {
        result.code = kCodeFile;
        result.failure = text::kBeforeBackupFailed.arg(kept.errorText);
        return false;
    }
    result.beforeBackup = kept.path;
    if (m_callbacks.log) m_callbacks.log(text::kBackupSaved.arg(kept.path));
    return true;
}

void WriteRunner::write(WriteResult& result, bool announce) {
    stage(WriteStage::Writing);
    m_engine.setCompletionMessage(announce);
    result.outcome = m_engine.run(Direction::Write);
    if (!result.outcome.success()) {
        failed(result, result.outcome, Direction::Write);
        return;
    }
    const app::BackupResult kept = app::saveBackup(m_state.config, m_state.prefix, m_state.image, app::BackupKind::Written);
    result.writtenBackup = kept.ok ? kept.path : QString();
    result.backupError = kept.ok ? QString() : kept.errorText;
    // The transfer's own result stands; a backup that cannot be saved is said, not made an error.
    if (m_callbacks.log) m_callbacks.log(kept.ok ? text::kBackupSaved.arg(kept.path) : text::kBackupFailedNote.arg(kept.errorText));
}

void WriteRunner::verify(WriteResult& result) {
    stage(WriteStage::Verifying);
    result.verify = verifyWrite(m_engine, m_state.image, m_callbacks.describe);
    const TransferOutcome readBack = stoppedByUser(result.verify->readBack);
    if (!readBack.success()) {
        result.code = readBack.result == TransferResult::Cancelled ? kCodeCancelled : kCodeVerify;
        result.failure = text::kVerifyNotDoneLine.arg(reasonOf(readBack, Direction::Read));
    } else if (!result.verify->differences.isEmpty()) {
        result.code = kCodeVerify;
        result.failure = text::kVerifyFailedLine.counted(result.verify->differences.size());
    }
}

// A "Check connection" question answered Cancel because the user stopped the run (Exit,
// Ctrl-C, a fleet's Stop) ends the transfer as stopped, not as a dead radio.
TransferOutcome WriteRunner::stoppedByUser(TransferOutcome outcome) const {
    if (outcome.result == TransferResult::NoAnswer && m_state.transfer.cancel) outcome.result = TransferResult::Cancelled;
    return outcome;
}

// Why a transfer failed, in one line, with the caller's hint.
QString WriteRunner::reasonOf(const TransferOutcome& outcome, Direction direction) const {
    QString reason;
    switch (outcome.result) {
    case TransferResult::Completed: return {};
    case TransferResult::PortNotOpened: reason = portFailedText(m_state.config.portName, outcome); break;
    case TransferResult::NoAnswer: reason = text::kNoAnswer.arg(m_state.config.portName); break;
    case TransferResult::PasswordRefused:
        reason = m_passwordGiven.isEmpty() ? text::kPasswordMissing : text::kPasswordWrong;
        break;
    case TransferResult::RadioLocked:
        reason = (m_reviveAnswered ? text::kReviveWrong : text::kRadioLocked).arg(m_reviveQuestion);
        break;
    case TransferResult::StateKept: {
        const int imageState = m_state.image.u8(image::map::kRadioState);
        const QString& name = imageState == kRadioStunned ? text::kImageStateStunned : text::kImageStateKilled;
        reason = text::kStateKept.arg(name).arg(imageState);
        break;
    }
    case TransferResult::Cancelled:
        reason = text::kInterrupted.arg(outcome.blocksDone).arg(progressUpperBound(direction));
        break;
    case TransferResult::AlreadyRunning: reason = text::kBusy; break;
    }
    return m_callbacks.hint ? reason + m_callbacks.hint(outcome) : reason;
}

// A write that stopped after the radio accepted blocks has changed the radio: whatever the
// cause, the user must know which part is new, and where its earlier contents are.
void WriteRunner::failed(WriteResult& result, const TransferOutcome& ended, Direction direction) {
    result.code = exitCodeOf(stoppedByUser(ended).result);
    result.failure = reasonOf(stoppedByUser(ended), direction);
    const TransferOutcome& outcome = ended;
    if (direction != Direction::Write || outcome.blocksDone == 0) return;
    const int lastNew = image::map::kWriteStart + (outcome.blocksDone - 1) * image::map::kBlockSize;
    result.failure = text::kPartialWrite.arg(result.failure, hex4(lastNew));
    if (!result.beforeBackup.isEmpty()) result.failure += text::kRestoreHint.arg(result.beforeBackup);
}

void WriteRunner::stage(WriteStage stage) { m_stage = stage; }

WriteResult runWrite(app::AppState& state, app::Prompts& prompts, PortProvider& ports, const WriteOptions& options,
                     const WriteCallbacks& callbacks) {
    SteadyClock clock;
    const std::unique_ptr<SerialPort> port = ports.makePort(state.config.portName, clock);
    WriteRunner runner(*port, clock, prompts, state, callbacks);
    return runner.run(options);
}

} // namespace radiolink
