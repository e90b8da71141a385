// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the read and write commands share: the transfer options, running the engine with
// progress on stderr, and one clear error line with its exit code for each failure.

#include "cli/cli_prompts.h"
#include "link/transfer_engine.h"
#include "app/app_state.h"
#include "image/parameter_file.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <optional>

namespace cli {

struct TransferRequest {
    QString port;
    QString password;
    AnswerPolicy policy;
    bool verify = false;     // after a completed write, read the radio back and compare
    bool readFirst = false;  // before a write, read the radio and keep it as a backup
    bool asIs = false;       // a write sends the file's bytes without the consistency pass
    QString label;        // set: every line the transfer prints starts with it (a fleet's radio)
};

// What a transfer leaves for a caller that keeps a log of it.
struct TransferRecord {
    QString failure;     // the line that reported the failure, without the program's name
    QString backupPath;  // the backup kept after it completed
    QString logMessage;  // a write's message for a log: "written", "written and verified" or the failure
};

class TransferOptions {
public:
    void addTo(QCommandLineParser& parser) const;
    // Empty with `error` set when an option is missing or malformed. Without `portRequired`
    // the port may be missing (a fleet's roster names each radio's).
    std::optional<TransferRequest> read(const QCommandLineParser& parser, const QString& command, QString& error,
                                        bool portRequired = true) const;

private:
    QCommandLineOption m_port{QStringLiteral("port"), QStringLiteral("Port: COMn, a device path or SIMULATOR."), QStringLiteral("name")};
    QCommandLineOption m_password{QStringLiteral("password"), QStringLiteral("The radio's program password."), QStringLiteral("code")};
    QCommandLineOption m_revive{QStringLiteral("revive-code"), QStringLiteral("Code that revives a killed or stunned radio."), QStringLiteral("code")};
    QCommandLineOption m_onFailure{QStringLiteral("on-failure"), QStringLiteral("Answer to \"Check connection\": retry or cancel (default)."), QStringLiteral("policy"), QStringLiteral("cancel")};
    QCommandLineOption m_retries{QStringLiteral("retries"), QStringLiteral("Retries with --on-failure retry (default 3)."), QStringLiteral("n"), QStringLiteral("3")};
};

// Runs one transfer on the requested port and prints its outcome; returns the exit code.
// `interrupted` is set by the InterruptWatcher that main() installed.
int runTransfer(radiolink::Direction direction, app::AppState& state, const TransferRequest& request,
                const std::atomic<bool>& interrupted, TransferRecord* record = nullptr);

// Writes state.image into the radio on the requested port through the one write runner
// (the consistency pass, --read-first, the backup, --verify) and prints its outcome; returns
// the exit code.
int runWrite(app::AppState& state, const TransferRequest& request, const std::atomic<bool>& interrupted,
             TransferRecord* record = nullptr);

// Keeps the image just read or written in the backups folder of the data directory and says
// where (after `label` when there is one). Returns the backup's path, empty when it failed.
QString keepBackup(app::AppState& state, radiolink::Direction direction, const QString& label = {});

// Parses a command's own arguments, which take `positionals` file names (up to
// `maxPositionals` when more are allowed). Empty when the command goes on; otherwise the
// exit code: 0 when --help printed the command's usage and options, 1 for wrong arguments.
std::optional<int> parseCommandLine(QCommandLineParser& parser, const QStringList& arguments, const QString& usage,
                                    int positionals = 0, int maxPositionals = -1);

// Reads the radio on the requested port into `state`'s image, which starts as the program's
// would, from "Default.dat" beside the program when there is one (bytes 0x0000-0x000F never
// come from a radio), and keeps the usual read backup. Returns the exit code of the read.
int readRadio(app::AppState& state, const TransferRequest& request, const std::atomic<bool>& interrupted);

// Why `path` cannot be created or replaced; empty when it can. A file that does not exist
// yet is created to find out, and removed again. Commands check their --out with it first.
QString cannotSaveReason(const QString& path);
// As cannotSaveReason, for a parameter file: an existing file that is not one (a CSV list, the
// JSON document itself typed as --out by mistake) is never replaced by one.
QString cannotSaveParameterFileReason(const QString& path);
// As cannotSaveReason, for a text file the command writes (a CSV list, a log): a ".dat" name is
// refused, so a text never replaces a parameter file.
QString cannotSaveTextFileReason(const QString& path);

void printLine(const QString& text);
// A command's result on stdout, as it is.
void writeOut(const QByteArray& bytes);
int fail(int exitCode, const QString& text);
// Why a parameter file could not be read: the system's text, or that it is none.
QString readFailureText(const QString& path, const image::FileResult& result);

} // namespace cli
