// The configuration report on configurations built in code: the text against a golden file,
// the JSON against the model it comes from, the print lines, the comparison of two images,
// and the command-line commands end to end.

#include "app/config_report.h"
#include "image/parameter_file.h"
#include "report_fixture.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace reporttest;

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

report::ConfigReport reportOf(const image::RadioImage& img) {
    return report::buildReport({img, image::decodeBandLimits(img), QStringLiteral("QMR-417")});
}

QString golden() {
    QFile file(QStringLiteral(QMR_GOLDEN_DIR "/small_report.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll());
}

void expectSameLines(const QString& actual, const QString& expected) {
    const QStringList a = actual.split(u'\n');
    const QStringList e = expected.split(u'\n');
    for (qsizetype i = 0; i < std::min(a.size(), e.size()); ++i) EXPECT_EQ(a[i], e[i]) << "line " << i + 1;
    EXPECT_EQ(a.size(), e.size());
}

// The small configuration with channel "12" moved to 151 MHz and the squelch level at 6.
image::RadioImage changedConfiguration() {
    image::RadioImage img = smallConfiguration();
    channels::ChannelRecord(img, 13).writeRxTx(image::Freq10Hz(15100000), image::Freq10Hz(15560000));
    img.setU8(settings::function_setup::kSquelchLevel, 6);
    return img;
}

// QMR_WRITE_GOLDEN=1 writes the text as the new golden file; read it through before committing.
TEST(ConfigReportTest, SmallConfigurationReadsAsTheGoldenText) {
    const QString text = report::plainText(reportOf(smallConfiguration()));
    if (qEnvironmentVariableIsSet("QMR_WRITE_GOLDEN")) {
        QFile file(QStringLiteral(QMR_GOLDEN_DIR "/small_report.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
    }
    expectSameLines(text, golden());
}

// Every field and every list cell of the model is in the JSON under its section and key,
// sections in tree order; so the JSON can never tell another story than the text.
TEST(ConfigReportTest, JsonHoldsEveryValueOfTheModelInTreeOrder) {
    const report::ConfigReport model = reportOf(fullConfiguration());
    const QByteArray json = report::toJson(model);
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(json, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    qsizetype previous = -1;
    for (const report::Section& section : model.sections) {
        const qsizetype at = json.indexOf("\n  \"" + section.key.toUtf8() + "\": ");
        EXPECT_GT(at, previous) << section.key.toStdString();
        previous = at;
        const QJsonObject object = root.value(section.key).toObject();
        for (const report::Entry& entry : section.entries)
            EXPECT_EQ(object.value(entry.key).toString(), entry.value) << entry.key.toStdString();
        for (const report::Table& table : section.tables) {
            const QJsonArray rows = object.value(table.key).toArray();
            ASSERT_EQ(rows.size(), table.rows.size()) << table.key.toStdString();
            for (qsizetype r = 0; r < rows.size(); ++r)
                for (qsizetype c = 0; c < table.columns.size(); ++c)
                    EXPECT_EQ(rows[r].toObject().value(table.columns[c].key).toString(), table.rows[r][c]);
        }
    }
    EXPECT_EQ(root.value("channel").toObject().value("channels").toArray().size(), 203);
    EXPECT_EQ(root.value("communicationNote").toObject().value("contacts").toArray().size(), 128);
}

// Every field reaches the printout once, as a "label:value^^" pair of at most three to a line
// or as a plain line of its own, and no printed line runs far past the page.
TEST(ConfigReportTest, PrintLinesCarryEveryFieldOnce) {
    const report::ConfigReport model = reportOf(fullConfiguration());
    const QStringList lines = report::printLines(model);
    qsizetype start = 0;
    for (qsizetype s = 0; s < model.sections.size(); ++s) {
        const report::Section& section = model.sections[s];
        ASSERT_EQ(lines.indexOf(section.title, start), start) << section.title.toStdString();
        const qsizetype end =
            s + 1 < model.sections.size() ? lines.indexOf(model.sections[s + 1].title, start + 1) : lines.size();
        const QStringList own = lines.mid(start, end - start);
        const QString joined = own.join(u'\n');
        for (const report::Entry& entry : section.entries) {
            const QString pair = entry.label + u':' + entry.value + QStringLiteral("^^");
            const QString plain = entry.label + QStringLiteral(": ") + entry.value;
            EXPECT_EQ(joined.count(pair) + own.count(plain), 1) << entry.label.toStdString();
        }
        start = end;
    }
    for (const QString& line : lines) {
        EXPECT_LE(line.count(QStringLiteral("^^")), 3) << line.toStdString();
        EXPECT_LE(line.size(), 110) << line.toStdString();
    }
}

// Values as the editors show them: a key code the Key Setting list does not offer shows no
// selection; a 5Tone function name shows whatever the function option; the keys of the FUNC
// presses are as the README lists them.
TEST(ConfigReportTest, ValuesAndKeysAreTheEditorsAndTheReadmes) {
    image::RadioImage img = smallConfiguration();
    img.setU8(0x01F3, 20);  // "RESET" on P1 Short
    const image::Addr info = signalling::five_tone::informationAddress(1);
    img.setU8(image::Addr(info + signalling::five_tone::kInfoFunctionOption), 6);  // "Group Call"
    img.setText(image::Addr(info + signalling::five_tone::kInfoFunctionName), 7, "GROUP", 0);
    const QJsonObject root = QJsonDocument::fromJson(report::toJson(reportOf(img))).object();
    const QJsonObject keys = root.value("keySetting").toObject();
    EXPECT_EQ(keys.value("p1Short").toString("missing"), "");
    EXPECT_EQ(keys.keys().filter(QStringLiteral("func")),
              QStringList({"funcP1", "funcP2", "funcP3", "funcP4", "funcP5"}));
    const QJsonObject code = root.value("fiveTone").toObject().value("informationCodes").toArray()[0].toObject();
    EXPECT_EQ(code.value("functionOption").toString(), "Group Call");
    EXPECT_EQ(code.value("functionName").toString(), "GROUP");
}

TEST(ConfigReportTest, ComparisonNamesTheChangedChannelAndSetting) {
    const QList<report::Difference> differences = report::compare(reportOf(smallConfiguration()),
                                                                  reportOf(changedConfiguration()));
    ASSERT_EQ(differences.size(), 2);
    EXPECT_EQ(report::differenceText(differences),
              "Channel / CH 12 RX Frequency: 150.00000 -> 151.00000\n"
              "Function Setup / Squelch Level: 5 -> 6\n");
    EXPECT_TRUE(report::compare(reportOf(smallConfiguration()), reportOf(smallConfiguration())).isEmpty());

    image::RadioImage fewer = smallConfiguration();
    settings::contact::setCallId(fewer, 5, u"");
    settings::contact::setName(fewer, 5, u"");
    const QList<report::Difference> removed = report::compare(reportOf(smallConfiguration()), reportOf(fewer));
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed[0].label, "NO. 5");
    EXPECT_EQ(removed[0].before, "Call ID 12345, Name BOB");
    EXPECT_EQ(removed[0].after, "(not in use)");
}

// --- qmr417-cli report and diff --------------------------------------------------------------

struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& arguments) {
    QProcess cli;
    cli.start(QStringLiteral(QMR_CLI_PROGRAM), arguments);
    cli.waitForFinished(30000);
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1, QString::fromUtf8(cli.readAllStandardOutput()),
            QString::fromUtf8(cli.readAllStandardError())};
}

QString saved(const QTemporaryDir& dir, const char* name, const image::RadioImage& img) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(image::writeParameterFile(path, image::FilePrefixBlock{}, img).ok);
    return path;
}

TEST(ReportCommandsTest, ReportJsonAndDiffOfParameterFiles) {
    const QTemporaryDir dir;
    const QString small = saved(dir, "small.dat", smallConfiguration());
    const QString changed = saved(dir, "changed.dat", changedConfiguration());

    const CliRun text = runCli({QStringLiteral("report"), small});
    EXPECT_EQ(text.exitCode, 0) << text.err.toStdString();
    expectSameLines(text.out, golden());

    const CliRun json = runCli({QStringLiteral("report"), QStringLiteral("--json"), small});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.out.toUtf8(), report::toJson(reportOf(smallConfiguration())));

    const CliRun same = runCli({QStringLiteral("diff"), small, small});
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_TRUE(same.out.isEmpty());
    const CliRun differ = runCli({QStringLiteral("diff"), small, changed});
    EXPECT_EQ(differ.exitCode, 1);
    EXPECT_EQ(differ.out, "Channel / CH 12 RX Frequency: 150.00000 -> 151.00000\n"
                          "Function Setup / Squelch Level: 5 -> 6\n");

    for (const QStringList& arguments : {QStringList{QStringLiteral("diff"), small, dir.filePath("missing.dat")},
                                         QStringList{QStringLiteral("diff"), small},
                                         QStringList{QStringLiteral("report"), dir.path()}}) {
        const CliRun failed = runCli(arguments);
        EXPECT_EQ(failed.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(failed.err.isEmpty());
    }
}

} // namespace
