// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// qmr417-cli and the pseudo-terminal radio simulator as child processes, for the tests that
// drive the command-line tool end to end.

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace clitest {

inline constexpr int kSimStartMs = 5000;

// Each file that uses it defines QMR_CLI_PROGRAM (and QMR_SIM_PROGRAM for the simulator).

struct CliRun {
    int exitCode = -1;
    QString errorText;
    QString outputText;
};

// Runs the tool to its end (or `timeoutMs`). With `closeInput`, a question that waits for
// Enter gets the end of input at once.
inline CliRun runCli(const QStringList& arguments, int timeoutMs = 30000, bool closeInput = false) {
    QProcess cli;
    cli.start(QStringLiteral(QMR_CLI_PROGRAM), arguments);
    if (closeInput) cli.closeWriteChannel();
    cli.waitForFinished(timeoutMs);
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
            QString::fromUtf8(cli.readAllStandardError()), QString::fromUtf8(cli.readAllStandardOutput())};
}

#ifdef QMR_SIM_PROGRAM
// The simulator as a child process; closing its stdin makes it save its memory and quit.
class Simulator {
public:
    explicit Simulator(const QStringList& arguments) {
        m_process.start(QStringLiteral(QMR_SIM_PROGRAM), arguments + QStringList{QStringLiteral("--quit-on-eof")});
        if (m_process.waitForReadyRead(kSimStartMs)) m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~Simulator() { stop(); }
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    QString device() const { return m_device; }
    void stop() {
        if (m_process.state() == QProcess::NotRunning) return;
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(kSimStartMs)) m_process.kill();
    }

private:
    QProcess m_process;
    QString m_device;
};
#endif

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace clitest
