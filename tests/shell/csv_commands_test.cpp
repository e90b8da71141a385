// The File menu's CSV commands as a user meets them: the import shows its report and the
// choice of placement before anything changes, Cancel changes nothing, export writes the
// channels in use.

#include "shell_fixture.h"

#include "channels/channel_csv.h"
#include "channels/channel_record.h"
#include "default_image.h"
#include "shell/csv_import_dialog.h"
#include "shell/main_frame.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace shelltest;

namespace {

const QString kCsv = QStringLiteral("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq\n"
                                    "4,Home,146.520000,,,Tone,100.0\n"
                                    "5,Far,446.000000,,,,\n");

class CsvCommandsTest : public ::testing::Test {
protected:
    AppDir dir;
    app::AppState state;
    ScriptedPrompts prompts;
    RecordingHelp help;
    CallLog log;
    FakeLink link;
    std::unique_ptr<shell::CMainFrame> frame;

    void SetUp() override {
        dir.writeDefaultDat(defaultdat::defaultImage());
        state.config = app::startupConfig(dir.exePath());
        frame = std::make_unique<shell::CMainFrame>(state, prompts, help, loggingEditors(log), link.services());
        log.clear();
    }
    QString writeCsv(const QString& text) const {
        QFile file(dir.file(QStringLiteral("list.csv")));
        file.open(QIODevice::WriteOnly);
        file.write(text.toUtf8());
        return file.fileName();
    }
    void trigger(const char* name) const { frame->findChild<QAction*>(QLatin1String(name))->trigger(); }
};

TEST_F(CsvCommandsTest, ImportShowsTheReportThenWritesTheChosenPlacementAndReloads) {
    prompts.openNames = {writeCsv(kCsv)};
    QString shownSummary;
    frame->setCsvImportConfirmer([&](const QString& fileName, const shell::CMainFrame::CsvPlanner& planner) {
        shell::CsvImportDialog dialog(fileName, planner);
        shownSummary = dialog.findChild<QLabel*>("summary")->text();
        dialog.findChild<QRadioButton*>("nextEmpty")->click();  // the user changes the placement
        return std::optional(dialog.plan());
    });
    trigger("actionImportCsv");

    EXPECT_EQ(shownSummary, QStringLiteral("list.csv: 1 channel to import, 1 row left out, 0 warnings."));
    const channels::ChannelRecordView first(state.image, 1);
    EXPECT_EQ(first.rx(), image::Freq10Hz(14652000)) << "the next empty channel, not Location 4";
    EXPECT_EQ(first.name(), QStringLiteral("HOME"));
    EXPECT_EQ(first.toneText(channels::ToneSide::Encode), QStringLiteral("100.0"));
    EXPECT_FALSE(channels::usageBit(state.image, 1));
    EXPECT_EQ(log, QStringList({"Channel:store", "Channel:load"}));
}

TEST_F(CsvCommandsTest, CancelledImportChangesNothing) {
    prompts.openNames = {writeCsv(kCsv)};
    const image::RadioImage before = state.image;
    frame->setCsvImportConfirmer([](const QString&, const shell::CMainFrame::CsvPlanner&) {
        return std::optional<channels::csv::ImportPlan>();
    });
    trigger("actionImportCsv");
    EXPECT_TRUE(state.image == before);
}

TEST_F(CsvCommandsTest, ImportButtonIsOffWhenTheFileBringsNoChannel) {
    const QString noFrequencies = QStringLiteral("Location,Name\n1,A\n");
    shell::CsvImportDialog dialog(QStringLiteral("x.csv"), [&](channels::csv::Placement placement) {
        return channels::csv::planImport(noFrequencies, state.image, state.bandLimits, placement);
    });
    EXPECT_FALSE(dialog.findChild<QPushButton*>("import")->isEnabled());
    EXPECT_EQ(dialog.findChild<QLabel*>("summary")->text(),
              QStringLiteral("x.csv cannot be imported: no Frequency column in the header line (columns must be separated by commas)"));
}

TEST_F(CsvCommandsTest, ExportWritesTheChannelsInUse) {
    channels::ChannelRecord(state.image, 3).setRx(image::Freq10Hz(14600000));
    channels::setUsageBit(state.image, 3, false);
    const QString target = dir.file(QStringLiteral("out.csv"));
    prompts.saveNames = {target};
    trigger("actionExportCsv");
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), channels::csv::exportChannels(state.image));
    EXPECT_TRUE(QString(channels::csv::exportChannels(state.image)).contains(QStringLiteral("\r\n2,,146.000000,")));
}

} // namespace
