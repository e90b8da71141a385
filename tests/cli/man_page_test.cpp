// SPDX-License-Identifier: GPL-3.0-or-later
// The command line describes itself once: every command the tool runs answers in --help, and
// its manual page names every such command, every exit code --help lists and --version. Both
// programs print the project's version.

#include "tests/support/cli_process.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

using clitest::CliRun;
using clitest::runCli;

QString manPage(const char* path) {
    QFile file(QString::fromLatin1(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    // Roff writes a minus as "\-".
    return QString::fromUtf8(file.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
}

// The commands the tool runs: --help shows each one's own usage line, from the same table the
// tool picks a command from.
QStringList commandsOf(const QString& help) {
    QStringList commands;
    static const QRegularExpression usage(QStringLiteral("^Usage: qmr417-cli ([a-z-]+)"),
                                          QRegularExpression::MultilineOption);
    for (auto it = usage.globalMatch(help); it.hasNext();) commands << it.next().captured(1);
    return commands;
}

TEST(ManPageTest, NamesEveryCommandAndExitCodeTheToolKnows) {
    const CliRun help = runCli({QStringLiteral("--help")});
    ASSERT_EQ(help.exitCode, 0) << help.errorText.toStdString();
    const QStringList commands = commandsOf(help.outputText);
    ASSERT_GE(commands.size(), 10) << help.outputText.toStdString();

    const QString page = manPage(QMR_CLI_MAN_PAGE);
    const QString commandList = help.outputText.section(QStringLiteral("Commands:"), 1).section(QStringLiteral("\n\n"), 0, 0);
    for (const QString& command : commands) {
        EXPECT_TRUE(commandList.contains(QStringLiteral("\n  ") + command + u' ')) << "--help's list lacks " << command.toStdString();
        EXPECT_TRUE(page.contains(QStringLiteral("\n.B ") + command)) << "the manual page lacks " << command.toStdString();
    }

    const QString codes = help.outputText.section(QStringLiteral("Exit codes:"), 1).section(QStringLiteral("\n\n"), 0, 0);
    const QString exitStatus = page.section(QStringLiteral(".SH EXIT STATUS"), 1).section(QStringLiteral(".SH"), 0, 0);
    static const QRegularExpression code(QStringLiteral("(?:^|\\s)(\\d+) "));
    QSet<QString> listed;
    for (auto it = code.globalMatch(codes); it.hasNext();) listed << it.next().captured(1);
    EXPECT_GE(listed.size(), 11) << codes.toStdString();
    for (const QString& number : listed)
        EXPECT_TRUE(exitStatus.contains(QRegularExpression(QStringLiteral("(^|[ \\n])%1 ").arg(number))))
            << "the manual page's exit status lacks " << number.toStdString();
    for (const char* path : {QMR_CLI_MAN_PAGE, QMR_GUI_MAN_PAGE})
        EXPECT_TRUE(manPage(path).contains(QStringLiteral("--version"))) << path;
}

TEST(ManPageTest, BothProgramsPrintTheProjectVersion) {
    const CliRun cli = runCli({QStringLiteral("--version")});
    EXPECT_EQ(cli.exitCode, 0);
    EXPECT_EQ(cli.outputText, QStringLiteral("qmr417-cli " QMR_VERSION "\n"));

    QProcess gui;
    gui.start(QStringLiteral(QMR_GUI_PROGRAM), {QStringLiteral("--version")});
    ASSERT_TRUE(gui.waitForFinished(30000));
    EXPECT_EQ(gui.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(gui.readAllStandardOutput()), QStringLiteral("qmr417 " QMR_VERSION "\n"));
}

} // namespace
