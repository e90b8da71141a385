// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One way to write a radio, for the program's Write command, `qmr417-cli write`, `fleet` and
// the Fleet Write window alike, so that they never drift apart in the bytes a radio gets, the
// backups, the result codes or the messages:
//   1. the consistency pass over the image (with the image's own band limits), as before a
//      Save: what goes into the radio is what a saved file would hold (not for a restore,
//      which sends the radio's earlier contents as they were read);
//   2. with `readFirst`, a whole read of the radio, kept as "...-before-write.dat", so that a
//      write that fails part-way can be undone;
//   3. the write, then its "...-written.dat" backup;
//   4. with `verify`, the read-back and comparison.
// The result carries the exit code of the command-line tool and one line saying what
// failed. Callers differ only in how they answer questions (their prompts), show progress
// and print. It runs on the calling (worker) thread and touches no widget.

#include "link/transfer_engine.h"
#include "link/write_verify.h"
#include "app/app_state.h"
#include "app/prompts.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace radiolink {

class PortProvider;

// The command-line tool's exit codes, which the fleet log records too.
enum WriteCode : int {
    kCodeDone = 0,
    kCodeFile = 2,         // a backup that a read-first write needs could not be kept
    kCodePort = 3,
    kCodeNoAnswer = 4,
    kCodePassword = 5,
    kCodeRadioLocked = 6,  // killed or stunned, and not revived; or its state kept out
    kCodeCancelled = 7,
    kCodeVerify = 8,
    kCodeBusy = 1,         // another transfer holds the link
};

enum class WriteStage { ReadingFirst, Writing, Verifying };

namespace text {
inline constexpr Text kPortFailed{QT_TRANSLATE_NOOP("radiolink::text", "cannot open port %1 (%2)")};
inline constexpr Text kPortFailedBecause{QT_TRANSLATE_NOOP("radiolink::text", "cannot open port %1 (%2: %3)")};
inline constexpr Text kNoAnswer{QT_TRANSLATE_NOOP("radiolink::text", "no answer from the radio on %1; check the cable and the radio")};
inline constexpr Text kPasswordMissing{QT_TRANSLATE_NOOP("radiolink::text", "Password error: the radio has a program password")};
inline constexpr Text kPasswordWrong{QT_TRANSLATE_NOOP("radiolink::text", "Password error: the password given is wrong")};
inline constexpr Text kRadioLocked{QT_TRANSLATE_NOOP("radiolink::text", "the radio reports \"%1\"")};
inline constexpr Text kReviveWrong{QT_TRANSLATE_NOOP("radiolink::text", "the radio reports \"%1\" and the revive code is wrong")};
inline constexpr Text kStateKept{QT_TRANSLATE_NOOP("radiolink::text", "the file marks the radio as %1 (state byte 0x0227 = %2) and the radio reports itself normal; nothing was "
    "written")};
inline constexpr Text kInterrupted{QT_TRANSLATE_NOOP("radiolink::text", "interrupted after %1 of %2 blocks")};
inline constexpr Text kBusy{QT_TRANSLATE_NOOP("radiolink::text", "another transfer is running")};
inline constexpr Text kPartialWrite{QT_TRANSLATE_NOOP("radiolink::text", "%1; the radio holds a partial write (blocks up to 0x%2 are new)")};
inline constexpr Text kRestoreHint{QT_TRANSLATE_NOOP("radiolink::text", "; what it held before is kept in %1 (to put it back: qmr417-cli write --as-is --in %1)")};
inline constexpr Text kReadFirstFailed{QT_TRANSLATE_NOOP("radiolink::text", "the radio could not be read first, so nothing was written: %1")};
inline constexpr Text kBeforeBackupFailed{QT_TRANSLATE_NOOP("radiolink::text", "the radio's earlier contents could not be kept, so nothing was written: %1")};
inline constexpr Text kVerifyFailedLine{QT_TRANSLATE_N_NOOP("radiolink::text", "verify failed: %n byte(s) in the radio differ from what was written; write it again")};
inline constexpr Text kVerifyNotDoneLine{QT_TRANSLATE_NOOP("radiolink::text", "the write completed, but the radio could not be read back to verify it: %1")};
inline constexpr Text kBackupSaved{QT_TRANSLATE_NOOP("radiolink::text", "backup kept in %1")};
inline constexpr Text kWrittenMessage{QT_TRANSLATE_NOOP("radiolink::text", "written")};
inline constexpr Text kVerifiedMessage{QT_TRANSLATE_NOOP("radiolink::text", "written and verified")};
inline constexpr Text kBackupFailedNote{QT_TRANSLATE_NOOP("radiolink::text", "warning: the transfer went through, but its backup could not be saved: %1")};
} // namespace text

struct WriteOptions {
    bool readFirst = false;
    bool verify = false;
    // The image goes out byte for byte, without the consistency pass: a restore puts back a
    // radio's own earlier contents, which may hold what the pass would change.
    bool asIs = false;
};

// What a write (and its read-first and verify) came to.
struct WriteResult {
    int code = kCodeDone;
    TransferOutcome outcome;          // of the transfer that ended the run
    std::optional<VerifyResult> verify;
    QString beforeBackup;             // the "-before-write.dat" file, empty when none was kept
    QString writtenBackup;            // the "-written.dat" file, empty when none was kept
    QString backupError;              // why the written backup could not be kept
    QString failure;                  // one line: what failed and what the radio holds now
    bool done() const { return code == kCodeDone; }
    // The log's message: "written", "written and verified", or the failure.
    QString logMessage() const;
};

// Extra words for a failure line, from a caller that knows how the user can do better
// ("; give it with --password"); they go before what is said about a partial write.
using FailureHint = std::function<QString(const TransferOutcome& outcome)>;

struct WriteCallbacks {
    std::function<void(WriteStage, const TransferProgress&)> progress;
    LogCallback log;          // lines for the transfer log: backups, the answer rule
    FieldDescriber describe;  // for the verify's field lines
    FailureHint hint;
};

class WriteRunner {
public:
    WriteRunner(SerialPort& port, Clock& clock, app::Prompts& prompts, app::AppState& state, WriteCallbacks callbacks);

    // Writes state.image (after the consistency pass) into the radio on state.config.portName.
    // Backups go to state.config.dataDir.
    WriteResult run(const WriteOptions& options);

private:
    bool readFirst(WriteResult& result);
    void write(WriteResult& result, bool announce);
    void verify(WriteResult& result);
    TransferOutcome stoppedByUser(TransferOutcome outcome) const;
    QString reasonOf(const TransferOutcome& outcome, Direction direction) const;
    void failed(WriteResult& result, const TransferOutcome& outcome, Direction direction);
    void stage(WriteStage stage);

    app::AppState& m_state;
    WriteCallbacks m_callbacks;
    bool m_reviveAnswered = false;  // the revive question was answered with a code
    QString m_reviveQuestion;
    std::unique_ptr<app::Prompts> m_noting;  // the caller's prompts, noting the revive answer
    TransferEngine m_engine;
    WriteStage m_stage = WriteStage::Writing;
    QString m_passwordGiven;  // the transfer password before the run
};

// The same on the port named by state.config.portName, on the real clock (the worker
// thread's entry, as runTransfer).
WriteResult runWrite(app::AppState& state, app::Prompts& prompts, PortProvider& ports, const WriteOptions& options,
                     const WriteCallbacks& callbacks);

int exitCodeOf(TransferResult result);

} // namespace radiolink
