// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration report on configurations built in code: the text against a golden file,
// the JSON against the model it comes from, the printout's layout, the comparison of two images,
// and the command-line commands end to end.

#include "tests/support/cli_process.h"
#include "config/config_report.h"
#include "config/print_layout.h"
#include "image/parameter_file.h"
#include "report_fixture.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

// Readable failures for texts (beside QString, in the global namespace, where GoogleTest looks).
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

using namespace reporttest;

app::report::ConfigReport reportOf(const image::RadioImage& img) {
    return config::buildReport({img, image::decodeBandLimits(img), QStringLiteral("QMR-417")});
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
    const QString text = config::plainText(reportOf(smallConfiguration()));
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
    const app::report::ConfigReport model = reportOf(fullConfiguration());
    const QByteArray json = config::toJson(model);
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(json, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    qsizetype previous = -1;
    for (const app::report::Section& section : model.sections) {
        const qsizetype at = json.indexOf("\n  \"" + section.key.toUtf8() + "\": ");
        EXPECT_GT(at, previous) << section.key.toStdString();
        previous = at;
        const QJsonObject object = root.value(section.key).toObject();
        for (const app::report::Entry& entry : section.entries)
            EXPECT_EQ(object.value(entry.key).toString(), entry.value) << entry.key.toStdString();
        for (const app::report::Table& table : section.tables) {
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

// The printout lays every section out in the editor's order: its fields, read down the left
// column of each run and then down the right, are exactly the section's fields (each once, none
// moved); the editors' two-column forms keep their two columns; the lists become tables of the
// rows in use with the grid's columns, and a channel row notes only the options that differ
// from a new channel.
TEST(ConfigReportTest, PrintoutKeepsTheEditorsOrderAndPlacement) {
    for (const image::RadioImage& img : {smallConfiguration(), fullConfiguration()}) {
        const app::report::ConfigReport model = reportOf(img);
        const config::Printout printout =
            config::printout(model, {QStringLiteral("site-7"), QString(), QStringLiteral("today")});
        EXPECT_EQ(printout.heading, "QMR-417 configuration");
        ASSERT_EQ(printout.sections.size(), model.sections.size() - 1);  // the model heads the title block
        for (qsizetype s = 0; s < printout.sections.size(); ++s) {
            const app::report::Section& section = model.sections[s + 1];
            const config::PrintSection& printed = printout.sections[s];
            EXPECT_EQ(printed.title, section.title);
            QStringList read;
            for (const config::PrintBand& band : printed.bands)
                for (const auto* column : {&band.left, &band.right})
                    for (const config::PrintPair& pair : *column) read.append(pair.label + u'=' + pair.value);
            QStringList fields;
            for (const app::report::Entry& entry : section.entries) fields.append(entry.label + u'=' + entry.value);
            EXPECT_EQ(read, fields) << section.title.toStdString();
            ASSERT_EQ(printed.tables.size(), section.tables.size());
            for (qsizetype t = 0; t < printed.tables.size(); ++t) {
                EXPECT_EQ(printed.tables[t].rows.size(), section.tables[t].rows.size());
                EXPECT_EQ(printed.tables[t].notes.size(), section.tables[t].rows.size());
            }
        }
    }
    const config::Printout small = config::printout(reportOf(smallConfiguration()), {});
    const auto section = [&](const char* title) {
        for (const config::PrintSection& s : small.sections)
            if (s.title == QLatin1String(title)) return s;
        return config::PrintSection{};
    };
    // Function Setup: the form's left column of eleven beside its right column, then the lock-outs.
    const config::PrintSection functionSetup = section("Function Setup");
    ASSERT_EQ(functionSetup.bands.size(), 2);
    EXPECT_EQ(functionSetup.bands[0].left.size(), 11);
    EXPECT_EQ(functionSetup.bands[0].left.last().label, "Voice Prompt");
    EXPECT_EQ(functionSetup.bands[0].right.first().label, "BackLight Color");
    EXPECT_TRUE(functionSetup.bands[1].right.isEmpty());
    // DTMF pairs its fields row by row, as its form does; its list names no column twice.
    const config::PrintSection dtmf = section("DTMF");
    EXPECT_EQ(dtmf.bands[0].left.first().label, "DTMF ANI");
    EXPECT_EQ(dtmf.bands[0].right.first().label, "DTMF Transmitting Time(ms)");
    ASSERT_EQ(dtmf.tables.size(), 1);
    EXPECT_EQ(dtmf.tables[0].caption, "");
    EXPECT_EQ(dtmf.tables[0].headers, QStringList({"NO.", "DTMF Encode"}));
    EXPECT_EQ(dtmf.tables[0].rows, QList<QStringList>({{"M1", "123"}}));

    const config::PrintTable channels = section("Channel").tables.value(0);
    EXPECT_EQ(channels.headers, QStringList({"CH", "RX Frequency", "TX Frequency", "CH Name", "Step(KHz)",
                                             "Channel Spacing", "TX Power", "CTCSS/DCS Decode", "CTCSS/DCS Encode",
                                             "Optional Signaling"}));
    EXPECT_EQ(channels.rows.value(1), QStringList({"12", "150.00000", "155.60000", "RPT", "12.5", "25", "Low", "Off",
                                                   "D023N", "Off"}));
    EXPECT_EQ(channels.notes, QStringList({"Squelch Mode CTCSS/DCS", "Scan Skip Yes"}));
    EXPECT_EQ(small.titleFields.right.value(0).value, "(not saved)");
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
    const QJsonObject root = QJsonDocument::fromJson(config::toJson(reportOf(img))).object();
    const QJsonObject keys = root.value("keySetting").toObject();
    EXPECT_EQ(keys.value("p1Short").toString("missing"), "");
    EXPECT_EQ(keys.keys().filter(QStringLiteral("func")),
              QStringList({"funcP1", "funcP2", "funcP3", "funcP4", "funcP5"}));
    const QJsonObject code = root.value("fiveTone").toObject().value("informationCodes").toArray()[0].toObject();
    EXPECT_EQ(code.value("functionOption").toString(), "Group Call");
    EXPECT_EQ(code.value("functionName").toString(), "GROUP");
}

// Under German the windows name the configuration in German, and nothing else changes: its
// JSON (keys and values) and what a comparison finds stay as they are, and the command line,
// which installs no translation, keeps the English names.
TEST(ConfigReportTest, TheShownReportTranslatesNamesOnly) {
    const app::report::ConfigReport english = reportOf(fullConfiguration());
    const app::report::ConfigReport changed = reportOf(changedConfiguration());
    EXPECT_EQ(config::plainText(config::shownReport(english)), config::plainText(english));  // no translation installed

    int argc = 1;
    char name[] = "test_report";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);  // translations need one
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(QMR_GERMAN_CATALOGUE)));
    ASSERT_TRUE(QCoreApplication::installTranslator(&german));
    const app::report::ConfigReport shown = config::shownReport(english);
    const QList<config::Difference> before = config::compare(reportOf(smallConfiguration()), changed);
    const QList<config::Difference> after =
        config::compare(config::shownReport(reportOf(smallConfiguration())), config::shownReport(changed));
    QCoreApplication::removeTranslator(&german);

    EXPECT_EQ(config::toJson(shown), config::toJson(english));
    ASSERT_EQ(after.size(), before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i].before, before[i].before);
        EXPECT_EQ(after[i].after, before[i].after);
    }
    // Every section and nearly every field is named in German; values are the radio's options.
    QStringList sameTitles, sameLabels;
    qsizetype labels = 0;
    for (qsizetype s = 0; s < english.sections.size(); ++s) {
        if (shown.sections[s].title == english.sections[s].title) sameTitles.append(english.sections[s].title);
        for (qsizetype e = 0; e < english.sections[s].entries.size(); ++e) {
            ++labels;
            EXPECT_EQ(shown.sections[s].entries[e].value, english.sections[s].entries[e].value);
            if (shown.sections[s].entries[e].label == english.sections[s].entries[e].label)
                sameLabels.append(english.sections[s].entries[e].label);
        }
    }
    // Names German spells as English does ("DTMF", the keys "FUNC+P1"): a handful, not a section.
    EXPECT_EQ(sameTitles, QStringList{QStringLiteral("DTMF")});
    EXPECT_LT(sameLabels.size(), labels / 10) << sameLabels.join(u", ").toStdString();
}

TEST(ConfigReportTest, ComparisonNamesTheChangedChannelAndSetting) {
    const QList<config::Difference> differences = config::compare(reportOf(smallConfiguration()),
                                                                  reportOf(changedConfiguration()));
    ASSERT_EQ(differences.size(), 2);
    EXPECT_EQ(config::differenceText(differences),
              "Channel / CH 12 RX Frequency: 150.00000 -> 151.00000\n"
              "Function Setup / Squelch Level: 5 -> 6\n");
    EXPECT_TRUE(config::compare(reportOf(smallConfiguration()), reportOf(smallConfiguration())).isEmpty());

    image::RadioImage fewer = smallConfiguration();
    settings::contact::setCallId(fewer, 5, u"");
    settings::contact::setName(fewer, 5, u"");
    const QList<config::Difference> removed = config::compare(reportOf(smallConfiguration()), reportOf(fewer));
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed[0].label, "NO. 5");
    EXPECT_EQ(removed[0].before, "Call ID 12345, Name BOB");
    EXPECT_EQ(removed[0].after, "(not in use)");
}

// --- qmr417-cli report and diff --------------------------------------------------------------

using clitest::CliRun;
using clitest::runCli;

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
    EXPECT_EQ(text.exitCode, 0) << text.errorText.toStdString();
    expectSameLines(text.outputText, golden());

    const CliRun json = runCli({QStringLiteral("report"), QStringLiteral("--json"), small});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.outputText.toUtf8(), config::toJson(reportOf(smallConfiguration())));

    const CliRun same = runCli({QStringLiteral("diff"), small, small});
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_TRUE(same.outputText.isEmpty());
    const CliRun differ = runCli({QStringLiteral("diff"), small, changed});
    EXPECT_EQ(differ.exitCode, 1);
    EXPECT_EQ(differ.outputText, "Channel / CH 12 RX Frequency: 150.00000 -> 151.00000\n"
                          "Function Setup / Squelch Level: 5 -> 6\n");

    for (const QStringList& arguments : {QStringList{QStringLiteral("diff"), small, dir.filePath("missing.dat")},
                                         QStringList{QStringLiteral("diff"), small},
                                         QStringList{QStringLiteral("report"), dir.path()}}) {
        const CliRun failed = runCli(arguments);
        EXPECT_EQ(failed.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(failed.errorText.isEmpty());
    }
}

} // namespace
