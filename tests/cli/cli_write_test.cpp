// SPDX-License-Identifier: GPL-3.0-or-later
// Writing radios as a user does, through the pseudo-terminal simulator: a verify that must
// name every wrong byte of the last blocks, the earlier contents kept and put back after a
// write that failed part-way, and a fleet run that goes on past a failing radio.

#include "tests/support/cli_process.h"
#include "default_image.h"
#include "image/parameter_file.h"
#include "signalling/dtmf_codes.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include <array>
#include <memory>

namespace {

using clitest::CliRun;
using clitest::readFile;
using clitest::Simulator;
using clitest::writeFile;

constexpr int kTransferMs = 120000;

CliRun runCli(const QStringList& arguments) { return clitest::runCli(arguments, kTransferMs, true); }

QByteArray bytesOf(const image::RadioImage& img) {
    return QByteArray(reinterpret_cast<const char*>(img.all().data()), qsizetype(img.all().size()));
}

// A configuration the program made (the consistency pass leaves it as it is), with its own self ID.
image::RadioImage configuration(const char16_t* selfId) {
    image::RadioImage img = defaultdat::defaultImage();
    signalling::dtmf::storeSelfId(img, selfId);
    return img;
}

class CliWrite : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
};

TEST_F(CliWrite, VerifyNamesEveryWrongByteUpToTheLastAddress) {
    ASSERT_TRUE(image::writeParameterFile(path("new.dat"), {}, configuration(u"201")).ok);
    image::RadioImage old = configuration(u"101");
    old.setU8(0x3FFF, std::uint8_t(~defaultdat::defaultImage().u8(0x3FFF)));
    ASSERT_TRUE(writeFile(path("radio.img"), bytesOf(old)));
    // Block 0x3FE0 is stored inverted; the very last byte keeps its old value.
    Simulator sim({"--memory", path("radio.img"), "--corrupt-write", "3FE0", "--stuck-byte", "3FFF"});
    ASSERT_FALSE(sim.device().isEmpty());

    const CliRun run = runCli({"write", "--port", sim.device(), "--in", path("new.dat"), "--verify"});
    EXPECT_EQ(run.exitCode, 8) << run.errorText.toStdString();
    const QRegularExpression byteLine(QStringLiteral("^(0x[0-9A-F]{4}): wrote 0x[0-9A-F]{2}, the radio holds 0x[0-9A-F]{2}$"),
                                      QRegularExpression::MultilineOption);
    QStringList named;
    for (auto match = byteLine.globalMatch(run.errorText); match.hasNext();) named << match.next().captured(1);
    QStringList expected;
    for (int a = 0x3FE0; a <= 0x3FEF; ++a) expected << QStringLiteral("0x") + QString::number(a, 16).toUpper();
    expected << QStringLiteral("0x3FFF");
    EXPECT_EQ(named, expected) << run.errorText.toStdString();
    EXPECT_TRUE(run.errorText.contains(QStringLiteral("verify failed: 17 byte(s)"))) << run.errorText.toStdString();
}

// --read-first keeps what the radio held; the write then fails part-way and its message
// names that file and how to put it back, which the user then does. The radio was programmed
// by another tool: its scramble word lies outside what this program stores, and it comes back
// as it was.
TEST_F(CliWrite, ReadFirstKeepsTheEarlierContentsAndTheyGoBack) {
    image::RadioImage earlier = configuration(u"101");
    earlier.setU16le(0x021E, 0);
    ASSERT_TRUE(writeFile(path("radio.img"), bytesOf(earlier)));
    ASSERT_TRUE(image::writeParameterFile(path("new.dat"), {}, configuration(u"201")).ok);
    QString backupPath;
    {
        Simulator sim({"--memory", path("radio.img"), "--refuse-write", "1000", "--save", path("partial.img")});
        ASSERT_FALSE(sim.device().isEmpty());
        const CliRun run = runCli({"write", "--port", sim.device(), "--in", path("new.dat"), "--read-first"});
        EXPECT_EQ(run.exitCode, 4) << run.errorText.toStdString();
        const QRegularExpression kept(QStringLiteral(
            "the radio holds a partial write \\(blocks up to 0x0FF0 are new\\); what it held before is kept in "
            "(\\S+-before-write\\.dat) \\(to put it back: qmr417-cli write --as-is --in \\1\\)\\n$"));
        const QRegularExpressionMatch match = kept.match(run.errorText);
        ASSERT_TRUE(match.hasMatch()) << run.errorText.toStdString();
        backupPath = match.captured(1);
    }
    image::FilePrefixBlock prefix{};
    image::RadioImage backup;
    ASSERT_TRUE(image::readParameterFile(backupPath, prefix, backup).ok);
    EXPECT_EQ(bytesOf(backup).mid(0x10), bytesOf(earlier).mid(0x10));

    Simulator sim({"--memory", path("partial.img"), "--save", path("restored.img")});
    const CliRun restore = runCli({"write", "--port", sim.device(), "--as-is", "--in", backupPath});
    EXPECT_EQ(restore.exitCode, 0) << restore.errorText.toStdString();
    sim.stop();
    EXPECT_EQ(readFile(path("restored.img")).mid(0x100), bytesOf(earlier).mid(0x100));
}

// --yes asks nothing: the failing second radio is logged, the third is written, and the run
// ends with the failure's code.
TEST_F(CliWrite, FleetWithYesGoesOnPastAFailingRadio) {
    ASSERT_TRUE(image::writeParameterFile(path("master.dat"), {}, defaultdat::defaultImage()).ok);
    ASSERT_TRUE(writeFile(path("radio.img"), bytesOf(configuration(u"101"))));
    std::vector<std::unique_ptr<Simulator>> sims;
    QString roster = QStringLiteral("Radio,Port,dtmf.selfId\n");
    for (int i = 1; i <= 3; ++i) {
        QStringList arguments{"--memory", path("radio.img")};
        if (i == 2) arguments << "--refuse-write" << "0100";
        sims.push_back(std::make_unique<Simulator>(arguments));
        ASSERT_FALSE(sims.back()->device().isEmpty());
        roster += QStringLiteral("R-%1,%2,30%1\n").arg(i).arg(sims.back()->device());
    }
    ASSERT_TRUE(writeFile(path("roster.csv"), roster.toUtf8()));

    const CliRun run = runCli({"fleet", "--in", path("master.dat"), "--roster", path("roster.csv"), "--log",
                               path("log.csv"), "--yes"});
    EXPECT_EQ(run.exitCode, 4) << run.errorText.toStdString();
    EXPECT_FALSE(run.errorText.contains(QStringLiteral("Retry, Skip or Stop"))) << run.errorText.toStdString();
    const QStringList log = QString::fromUtf8(readFile(path("log.csv"))).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(log.size(), 4) << log.join(u'\n').toStdString();
    EXPECT_TRUE(log[1].contains(QStringLiteral(",R-1,")) && log[1].contains(QStringLiteral(",done,0,")));
    EXPECT_TRUE(log[2].contains(QStringLiteral(",R-2,")) && log[2].contains(QStringLiteral(",failed,4,,no answer from the radio")))
        << log[2].toStdString();
    EXPECT_TRUE(log[3].contains(QStringLiteral(",R-3,")) && log[3].contains(QStringLiteral(",done,0,")));
    EXPECT_TRUE(run.errorText.contains(QStringLiteral("fleet: 3 radio(s): 2 done, 0 done before, 1 failed, 0 not written")))
        << run.errorText.toStdString();
}

} // namespace
