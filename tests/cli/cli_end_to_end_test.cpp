// SPDX-License-Identifier: GPL-3.0-or-later
// qmr417-cli reading and writing the pseudo-terminal simulator, unpaced, and its exit
// code for each kind of failure.

#include "tests/support/cli_process.h"
#include "default_image.h"
#include "image/band_limits.h"
#include "image/consistency_pass.h"
#include "image/parameter_file.h"
#include "settings/function_setup.h"
#include "settings/scan_fields.h"
#include "signalling/dtmf_codes.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <random>

namespace {

using clitest::CliRun;
using clitest::readFile;
using clitest::Simulator;
using clitest::writeFile;

constexpr int kTransferMs = 60000;

clitest::CliRun runCli(const QStringList& arguments) { return clitest::runCli(arguments, kTransferMs); }

QByteArray randomImage(unsigned seed) {
    std::mt19937 random(seed);
    QByteArray bytes(0x4000, '\0');
    for (char& b : bytes) b = char(random());
    return bytes;
}

void setBytes(QByteArray& image, int at, const QByteArray& bytes) { image.replace(at, bytes.size(), bytes); }

// What a write sends for these image bytes: the image after the consistency pass, with its own band.
QByteArray asSent(const QByteArray& bytes) {
    image::RadioImage img;
    std::copy(bytes.begin(), bytes.end(), reinterpret_cast<char*>(img.all().data()));
    image::runConsistencyPass(img, image::decodeBandLimits(img));
    return QByteArray(reinterpret_cast<const char*>(img.all().data()), bytes.size());
}


class CliEndToEnd : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
};

// A radio with a program password that reports itself killed: read it with the password,
// then write a new configuration with the password and the revive code.
TEST_F(CliEndToEnd, ReadThenWriteProtectedKilledRadio) {
    QByteArray memory = randomImage(11);
    setBytes(memory, 0x014C, QByteArray("1234", 4));
    ASSERT_TRUE(writeFile(path("radio.img"), memory));
    Simulator sim({"--memory", path("radio.img"), "--state", "killed", "--save", path("after.img")});
    ASSERT_FALSE(sim.device().isEmpty());

    const CliRun read = runCli({"read", "--port", sim.device(), "--out", path("read.dat"), "--password", "1234"});
    ASSERT_EQ(read.exitCode, 0) << read.errorText.toStdString();
    const QByteArray readFileBytes = readFile(path("read.dat"));
    ASSERT_EQ(readFileBytes.size(), image::kParameterFileSize);
    QByteArray killedMemory = memory;
    killedMemory[0x0227] = 1;
    EXPECT_EQ(readFileBytes.mid(0x1000 + 0x10), killedMemory.mid(0x10));  // 0x0000-0x000F never come from a radio

    QByteArray newImage = randomImage(12);
    setBytes(newImage, 0x014C, QByteArray("1234", 4));
    newImage[0x0227] = 1;
    ASSERT_TRUE(writeFile(path("new.dat"), QByteArray(0x1000, '\x5A') + newImage));
    const CliRun write = runCli({"write", "--port", sim.device(), "--in", path("new.dat"), "--password", "1234",
                                 "--revive-code", "ktr580"});
    ASSERT_EQ(write.exitCode, 0) << write.errorText.toStdString();
    EXPECT_TRUE(write.errorText.contains(QStringLiteral("Write data compeleted")));

    sim.stop();
    const QByteArray after = readFile(path("after.img"));
    ASSERT_EQ(after.size(), 0x4000);
    EXPECT_EQ(after.first(0x100), killedMemory.first(0x100));  // never written
    QByteArray expected = asSent(newImage);
    expected[0x0227] = 0;  // the revived write clears the state byte
    EXPECT_EQ(after.mid(0x100), expected.mid(0x100));
}

TEST_F(CliEndToEnd, EachFailureHasItsOwnExitCode) {
    ASSERT_TRUE(writeFile(path("short.dat"), QByteArray(16384, '\0')));
    ASSERT_TRUE(writeFile(path("full.dat"), QByteArray(20480, '\0')));
    ASSERT_TRUE(writeFile(path("long.dat"), QByteArray(20481, '\0')));
    const QByteArray csv("Location,Frequency\n1,146.52\n");
    ASSERT_TRUE(writeFile(path("out.csv"), csv));
    ASSERT_TRUE(writeFile(path("site.json"), QByteArray(R"({"dtmf": {"selfId": "202"}})")));
    Simulator locked({"--password", "42", "--state", "stunned"});
    Simulator silent({"--silent"});
    ASSERT_FALSE(locked.device().isEmpty());

    const struct { QStringList arguments; int exitCode; const char* says; } cases[] = {
        {{"read"}, 1, "--port"},
        {{"read", "--port", locked.device(), "--out", path("no/such/folder/x.dat")}, 2, "folder"},
        {{"read", "--port", silent.device(), "--out", m_dir.path()}, 2, "it is a folder"},  // before any exchange
        {{"write", "--port", locked.device(), "--in", path("short.dat")},
         2,
         "short.dat is not a QMR-417 parameter file: 16384 bytes, a parameter file has 20480."},
        {{"report", path("short.dat")}, 2, "16384 bytes, a parameter file has 20480"},
        {{"diff", path("full.dat"), path("long.dat")}, 2, "long.dat is not a QMR-417 parameter file: 20481 bytes"},
        {{"export-csv", path("short.dat"), path("out.csv")}, 2, "16384 bytes, a parameter file has 20480"},
        {{"import-csv", path("long.dat"), path("out.csv")}, 2, "20481 bytes, a parameter file has 20480"},
        // A parameter file never replaces a file of another kind, nor a text a parameter file.
        {{"read", "--port", silent.device(), "--out", path("out.csv")}, 2, "is not a parameter file"},
        {{"apply", path("site.json"), path("full.dat"), "--out", path("site.json")}, 2, "is not a parameter file"},
        {{"import-csv", path("full.dat"), path("out.csv"), "--out", path("out.csv")}, 2, "is not a parameter file"},
        {{"export-csv", path("full.dat"), path("long.dat")}, 2, "a text file never replaces one"},
        {{"write", "--port", locked.device(), "--in", path("missing.dat")}, 2, "cannot read"},
        {{"read", "--port", path("no-such-device"), "--out", path("x.dat")}, 3, "absent"},
        {{"read", "--port", silent.device(), "--out", path("x.dat")}, 4, "no answer"},
        {{"read", "--port", locked.device(), "--out", path("x.dat")}, 5, "--password"},
        {{"read", "--port", locked.device(), "--out", path("x.dat"), "--password", "41"}, 5, "wrong"},
        {{"write", "--port", locked.device(), "--in", path("full.dat"), "--password", "42"}, 6, "Radio is fainted!"},
        {{"write", "--port", locked.device(), "--in", path("full.dat"), "--password", "42", "--revive-code", "KTR500"},
         6, "revive code is wrong"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(u' ').toStdString() << "\n" << run.errorText.toStdString();
        EXPECT_TRUE(run.errorText.contains(QString::fromLatin1(c.says))) << run.errorText.toStdString();
        EXPECT_EQ(run.errorText.count(u'\n'), 1) << run.errorText.toStdString();  // one line
    }
    EXPECT_FALSE(QFile::exists(path("x.dat")));  // no failed read leaves a file
    EXPECT_EQ(readFile(path("long.dat")).size(), 20481) << "import-csv and export-csv left it alone";
    EXPECT_EQ(readFile(path("out.csv")), csv);
    EXPECT_EQ(readFile(path("site.json")).size(), 27);
}

// A file read from a killed radio must not disable a healthy one by accident; and a write
// that stops after blocks were accepted says how far the radio is new, whatever stopped it.
TEST_F(CliEndToEnd, KilledStateNeedsConsentAndAPartialWriteSaysWhatIsNew) {
    QByteArray killedImage = randomImage(13);
    killedImage[0x0227] = 1;
    ASSERT_TRUE(writeFile(path("killed.dat"), QByteArray(0x1000, '\0') + killedImage));
    QByteArray healthy = randomImage(14);
    healthy[0x0227] = 0;
    ASSERT_TRUE(writeFile(path("radio.img"), healthy));
    Simulator sim({"--memory", path("radio.img"), "--refuse-write", "0300:1000", "--save", path("after.img")});
    ASSERT_FALSE(sim.device().isEmpty());

    const CliRun refused = runCli({"write", "--port", sim.device(), "--in", path("killed.dat")});
    EXPECT_EQ(refused.exitCode, 6) << refused.errorText.toStdString();
    EXPECT_TRUE(refused.errorText.contains(QStringLiteral("killed (state byte 0x0227 = 1)"))) << refused.errorText.toStdString();
    EXPECT_TRUE(refused.errorText.contains(QStringLiteral("--keep-radio-state")));
    EXPECT_FALSE(refused.errorText.contains(QStringLiteral("partial")));

    const CliRun kept = runCli({"write", "--port", sim.device(), "--in", path("killed.dat"), "--keep-radio-state"});
    EXPECT_EQ(kept.exitCode, 4) << kept.errorText.toStdString();
    EXPECT_TRUE(kept.errorText.endsWith(QStringLiteral("; the radio holds a partial write (blocks up to 0x02F0 are new)\n")))
        << kept.errorText.toStdString();

    sim.stop();
    const QByteArray after = readFile(path("after.img"));
    ASSERT_EQ(after.size(), 0x4000);
    EXPECT_EQ(after.mid(0x100, 0x200), asSent(killedImage).mid(0x100, 0x200));  // the state byte carried as it is
    EXPECT_EQ(after.mid(0x300), healthy.mid(0x300));
}

// The radio holds the file but for three fields: diff --port names exactly those, the radio
// on the right, and keeps the read as the usual backup; a file that is the radio gives
// nothing. A missing file ends before the radio is asked, a port that does not open as a read.
TEST_F(CliEndToEnd, DiffWithTheRadioNamesThreePlantedDifferences) {
    const image::RadioImage file = defaultdat::defaultImage();
    image::RadioImage radio = file;
    signalling::dtmf::storeSelfId(radio, u"202");
    radio.setU8(settings::function_setup::kSquelchLevel, 7);
    radio.setU8(settings::scan::kDwell, 30);
    ASSERT_TRUE(image::writeParameterFile(path("file.dat"), {}, file).ok);
    ASSERT_TRUE(image::writeParameterFile(path("radio.dat"), {}, radio).ok);
    Simulator sim({"--memory", path("radio.dat")});
    ASSERT_FALSE(sim.device().isEmpty());

    const CliRun differ = runCli({"diff", "--port", sim.device(), path("file.dat")});
    EXPECT_EQ(differ.exitCode, 1) << differ.errorText.toStdString();
    EXPECT_EQ(differ.outputText, "Function Setup / Squelch Level: 3 -> 7\n"
                                 "DTMF / DTMF Self ID: 101 -> 202\n"
                                 "Scan Information / Dwell Time(s): 2.0 -> 3.0\n");
    const QString backup = differ.errorText.section(QStringLiteral("backup kept in "), 1).section(u'\n', 0, 0);
    EXPECT_EQ(readFile(backup).mid(0x1000 + 0x10), readFile(path("radio.dat")).mid(0x1000 + 0x10)) << backup.toStdString();

    const CliRun same = runCli({"diff", "--port", sim.device(), path("radio.dat")});
    EXPECT_EQ(same.exitCode, 0) << same.errorText.toStdString();
    EXPECT_TRUE(same.outputText.isEmpty());
    EXPECT_EQ(runCli({"diff", "--port", sim.device(), path("missing.dat")}).exitCode, 2);
    EXPECT_EQ(runCli({"diff", "--port", path("no-such-device"), path("file.dat")}).exitCode, 3);
}

TEST_F(CliEndToEnd, HelpListsEveryCommandAndOptionUnderTheProgramsName) {
    const CliRun help = runCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* expected : {"Usage: qmr417-cli ports", "Usage: qmr417-cli read --port NAME --out FILE",
                                 "Usage: qmr417-cli write --port NAME --in FILE", "--password", "--revive-code",
                                 "--on-failure", "--retries", "--keep-radio-state"})
        EXPECT_TRUE(help.outputText.contains(QString::fromLatin1(expected))) << expected;
    const CliRun write = runCli({"write", "--help"});
    EXPECT_EQ(write.exitCode, 0);
    EXPECT_TRUE(write.outputText.startsWith(QStringLiteral("Usage: qmr417-cli write"))) << write.outputText.toStdString();
}

TEST_F(CliEndToEnd, InterruptedReadStopsBetweenBlocksAndSavesNothing) {
    Simulator sim({});
    ASSERT_FALSE(sim.device().isEmpty());
    QProcess cli;
    cli.start(QStringLiteral(QMR_CLI_PROGRAM), {"read", "--port", sim.device(), "--out", path("x.dat")});
    cli.setReadChannel(QProcess::StandardError);
    ASSERT_TRUE(cli.waitForReadyRead(kTransferMs));  // the first progress line
    cli.terminate();
    ASSERT_TRUE(cli.waitForFinished(kTransferMs));
    EXPECT_EQ(cli.exitCode(), 7) << cli.readAllStandardError().toStdString();
    EXPECT_FALSE(QFile::exists(path("x.dat")));
}

} // namespace

// write --verify: a radio that stores one block wrongly gives exit code 8 with every
// differing address on stderr; once it stores correctly the same command verifies.
TEST_F(CliEndToEnd, WriteVerifyNamesTheBytesTheRadioStoredWrongly) {
    ASSERT_TRUE(writeFile(path("new.dat"), QByteArray(0x1000, '\0') + randomImage(21).replace(0x014C, 4, "\0\0\0\0", 4)
                                               .replace(0x0227, 1, "\0", 1)));
    Simulator sim({"--corrupt-write", "0x1230:1"});
    ASSERT_FALSE(sim.device().isEmpty());
    const QStringList write{"write", "--port", sim.device(), "--in", path("new.dat"), "--verify"};

    const CliRun corrupted = runCli(write);
    EXPECT_EQ(corrupted.exitCode, 8) << corrupted.errorText.toStdString();
    EXPECT_TRUE(corrupted.errorText.contains(QStringLiteral("Write data compeleted")));
    for (int a = 0x1230; a < 0x1240; ++a)
        EXPECT_TRUE(corrupted.errorText.contains(QStringLiteral("0x%1: wrote").arg(QString::number(a, 16).toUpper()))) << a;
    EXPECT_EQ(corrupted.errorText.count(QStringLiteral(": wrote ")), 16);
    // Block 0x1230 holds 5Tone encode entries: the fields come first, in the editors' words.
    const qsizetype field = corrupted.errorText.indexOf(QStringLiteral("\n5Tone / NO."));
    EXPECT_GT(field, 0) << corrupted.errorText.toStdString();
    EXPECT_LT(field, corrupted.errorText.indexOf(QStringLiteral("0x1230: wrote")));
    EXPECT_TRUE(corrupted.errorText.contains(QStringLiteral("16 byte(s)")));

    const CliRun clean = runCli(write);
    EXPECT_EQ(clean.exitCode, 0) << clean.errorText.toStdString();
    EXPECT_TRUE(clean.errorText.contains(QStringLiteral("verified")));
}

// import-csv lists what it refused and approximated, then ends with a count line that
// counts in the singular where it counts one.
TEST_F(CliEndToEnd, CsvImportEndsItsSummaryWithACountLine) {
    image::RadioImage img;
    image::encodeBandLimits(image::BandLimits{}, img);
    ASSERT_TRUE(image::writeParameterFile(path("radio.dat"), image::FilePrefixBlock{}, img).ok);
    ASSERT_TRUE(writeFile(path("list.csv"), "Location,Frequency,Power\n0,146.0,5.0W\n1,446.0,\n"));

    const CliRun run = runCli({"import-csv", path("radio.dat"), path("list.csv")});
    EXPECT_EQ(run.exitCode, 9) << run.errorText.toStdString();
    EXPECT_TRUE(run.errorText.contains(QStringLiteral("list.csv: line 3: refused: Frequency 446.0 MHz lies outside")));
    EXPECT_TRUE(run.errorText.endsWith(QStringLiteral("imported 1 channel into %1\n2 rows: 1 imported, 1 refused, 1 warning\n")
                                           .arg(path("radio.dat"))))
        << run.errorText.toStdString();
}
