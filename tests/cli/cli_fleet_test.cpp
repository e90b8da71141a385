// SPDX-License-Identifier: GPL-3.0-or-later
// qmr417-cli fleet against three pseudo-terminal simulators: each radio ends up holding the
// master with only its own roster row's values, the log says so, and a resumed run leaves
// them alone; a roster with a problem writes nothing at all.

#include "tests/support/cli_process.h"
#include "default_image.h"
#include "image/parameter_file.h"
#include "settings/function_setup.h"
#include "signalling/dtmf_codes.h"
#include "signalling/five_tone_codes.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <array>
#include <memory>
#include <random>

namespace {

using clitest::CliRun;
using clitest::readFile;
using clitest::Simulator;
using clitest::writeFile;

constexpr int kFleetMs = 120000;

clitest::CliRun runCli(const QStringList& arguments) { return clitest::runCli(arguments, kFleetMs, true); }

// What a radio holds before the fleet reaches it: anything but the master, normal, no password.
QByteArray otherRadio(unsigned seed) {
    std::mt19937 random(seed);
    QByteArray bytes(0x4000, '\0');
    for (char& b : bytes) b = char(random());
    bytes.replace(0x014C, 4, QByteArray(4, '\0'));
    bytes[0x0227] = 0;
    return bytes;
}

QByteArray bytesOf(const image::RadioImage& img) {
    return QByteArray(reinterpret_cast<const char*>(img.all().data()), qsizetype(img.all().size()));
}

class CliFleet : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
};

struct Row {
    const char* radio;
    const char16_t* dtmfId;
    const char* fiveToneId;
    const char* display;
};

TEST_F(CliFleet, ThreeRadiosGetTheMasterWithOnlyTheirOwnValuesAndAResumedRunWritesNothing) {
    const image::RadioImage master = defaultdat::defaultImage();
    ASSERT_TRUE(image::writeParameterFile(path("master.dat"), {}, master).ok);
    const std::array<Row, 3> rows{{{"A-11", u"111", "11111", "UNIT 11"},
                                   {"A-12", u"112", "11112", "UNIT 12"},
                                   {"A-13", u"113", "11113", "UNIT 13"}}};
    std::vector<std::unique_ptr<Simulator>> sims;
    QString roster = QStringLiteral("Radio,Port,dtmf.selfId,fiveTone.selfId,functionSetup.startingDisplay\n");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QString memory = m_dir.filePath(QStringLiteral("before%1.img").arg(i));
        ASSERT_TRUE(writeFile(memory, otherRadio(unsigned(i) + 1)));
        sims.push_back(std::make_unique<Simulator>(QStringList{
            "--memory", memory, "--save", m_dir.filePath(QStringLiteral("after%1.img").arg(i))}));
        ASSERT_FALSE(sims.back()->device().isEmpty());
        roster += QStringLiteral("%1,%2,%3,%4,%5\n")
                      .arg(QString::fromLatin1(rows[i].radio), sims.back()->device(),
                           QString::fromUtf16(rows[i].dtmfId), QString::fromLatin1(rows[i].fiveToneId),
                           QString::fromLatin1(rows[i].display));
    }
    ASSERT_TRUE(writeFile(path("roster.csv"), roster.toUtf8()));
    const QStringList fleet{"fleet", "--in", path("master.dat"), "--roster", path("roster.csv"), "--log",
                            path("log.csv"), "--yes", "--verify", "--parallel"};

    const CliRun run = runCli(fleet);
    ASSERT_EQ(run.exitCode, 0) << run.errorText.toStdString();
    for (const Row& row : rows)
        EXPECT_TRUE(run.errorText.contains(QStringLiteral("%1: done").arg(QString::fromLatin1(row.radio))));

    const QStringList log = QString::fromUtf8(readFile(path("log.csv"))).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(log.size(), 4) << log.join(u'\n').toStdString();
    EXPECT_EQ(log[0], QStringLiteral("time,Radio,port,dtmf.selfId,fiveTone.selfId,functionSetup.startingDisplay,"
                                     "result,exit code,backup file,message"));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QRegularExpression line(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d,%1,%2,%3,%4,%5,done,0,"
                                                     "\\d{8}-\\d{6}-\\d{3}-written\\.dat,written and verified$")
                                          .arg(QString::fromLatin1(rows[i].radio), sims[i]->device(),
                                               QString::fromUtf16(rows[i].dtmfId), QString::fromLatin1(rows[i].fiveToneId),
                                               QString::fromLatin1(rows[i].display)));
        EXPECT_EQ(log.filter(line).size(), 1) << rows[i].radio << "\n" << log.join(u'\n').toStdString();
    }

    const CliRun resumed = runCli(fleet + QStringList{"--resume"});
    EXPECT_EQ(resumed.exitCode, 0) << resumed.errorText.toStdString();
    EXPECT_EQ(resumed.errorText.count(QStringLiteral("done before (")), 3) << resumed.errorText.toStdString();
    EXPECT_FALSE(resumed.errorText.contains(QStringLiteral("writing")));
    EXPECT_EQ(QString::fromUtf8(readFile(path("log.csv"))).count(QStringLiteral("\r\n")), 4);

    for (std::size_t i = 0; i < rows.size(); ++i) {
        sims[i]->stop();
        image::RadioImage expected = master;
        signalling::dtmf::storeSelfId(expected, rows[i].dtmfId);
        signalling::five_tone::writeSelfId(expected, QString::fromLatin1(rows[i].fiveToneId));
        settings::function_setup::setStartingDisplay(expected, QString::fromLatin1(rows[i].display));
        const QByteArray after = readFile(m_dir.filePath(QStringLiteral("after%1.img").arg(i)));
        ASSERT_EQ(after.size(), 0x4000);
        EXPECT_EQ(after.mid(0x100), bytesOf(expected).mid(0x100)) << rows[i].radio;
    }
}

// A shared self ID and a value the radio cannot take: every problem named with its row, and
// no radio touched, not even the rows without a problem.
TEST_F(CliFleet, ARosterWithASharedSelfIdWritesNothing) {
    ASSERT_TRUE(image::writeParameterFile(path("master.dat"), {}, defaultdat::defaultImage()).ok);
    ASSERT_TRUE(writeFile(path("before.img"), otherRadio(7)));
    Simulator sim({"--memory", path("before.img"), "--save", path("after.img")});
    ASSERT_FALSE(sim.device().isEmpty());
    ASSERT_TRUE(writeFile(path("roster.csv"), "Radio;dtmf.selfId\r\nA-11;111\r\nA-12;12A\r\nA-13;111\r\n"));

    const CliRun run = runCli({"fleet", "--in", path("master.dat"), "--roster", path("roster.csv"), "--port",
                               sim.device(), "--yes", "--log", path("log.csv")});
    EXPECT_EQ(run.exitCode, 10) << run.errorText.toStdString();
    EXPECT_TRUE(run.errorText.contains(QStringLiteral("roster.csv row 3 (Radio A-12): dtmf.selfId: \"12A\": ")))
        << run.errorText.toStdString();
    EXPECT_TRUE(run.errorText.contains(
        QStringLiteral("roster.csv row 4 (Radio A-13): dtmf.selfId: \"111\": also the self ID of row 2 (Radio A-11)")))
        << run.errorText.toStdString();
    EXPECT_FALSE(run.errorText.contains(QStringLiteral("writing")));
    EXPECT_FALSE(QFile::exists(path("log.csv")));
    sim.stop();
    EXPECT_EQ(readFile(path("after.img")), otherRadio(7));
}

} // namespace
