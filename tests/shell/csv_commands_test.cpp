// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's CSV commands as a user meets them: the import shows its report and the
// choice of placement before anything changes, Cancel changes nothing, export writes the
// channels in use.

#include "shell_fixture.h"

#include "channels/channel_csv.h"
#include "channels/channel_record.h"
#include "default_image.h"
#include "shell/csv_import_dialog.h"
#include "shell/dialog_prompts.h"
#include "shell/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

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
    QString writeCsv(const QString& text, const QString& name = QStringLiteral("list.csv")) const {
        QFile file(dir.file(name));
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

    EXPECT_EQ(shownSummary, QStringLiteral("list.csv: 1 channel to import, 1 row left out, 1 warning."));
    const channels::ChannelRecordView first(state.image, 1);
    EXPECT_EQ(first.rx(), image::Freq10Hz(14652000)) << "the next empty channel, not Location 4";
    EXPECT_EQ(first.name(), QStringLiteral("HOME"));
    EXPECT_EQ(first.toneText(channels::ToneSide::Encode), QStringLiteral("100.0"));
    EXPECT_FALSE(channels::usageBit(state.image, 1));
    EXPECT_EQ(log, QStringList({"Channel:store", "Channel:load", "Channel:store"}));
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

// Exports ask with their own title, filter and extension, and never write over a parameter
// file: "walkexp" becomes walkexp.csv, "victim.dat" is refused and keeps its bytes.
TEST_F(CsvCommandsTest, ExportsTakeTheirOwnExtensionAndNeverReplaceAParameterFile) {
    const QString victim = writeCsv(QStringLiteral("configuration"), QStringLiteral("victim.dat"));
    prompts.saveNames = {dir.file("walkexp"), victim, dir.file("walkpdf")};
    trigger("actionExportCsv");
    trigger("actionExportCsv");
    trigger("actionExportPdf");
    ASSERT_EQ(prompts.saveRequests.size(), 3u);
    const auto& [csv, pdf] = std::pair(prompts.saveRequests[0], prompts.saveRequests[2]);
    EXPECT_EQ(QStringList({csv.title, csv.filter, csv.defaultSuffix}),
              QStringList({"Export Channels (CSV)", "CSV Files (*.csv)", "csv"}));
    EXPECT_EQ(QStringList({pdf.title, pdf.filter, pdf.defaultSuffix}),
              QStringList({"Export PDF", "PDF Files (*.pdf)", "pdf"}));
    EXPECT_TRUE(QFile::exists(dir.file("walkexp.csv")) && QFile::exists(dir.file("walkpdf.pdf")));
    QFile kept(victim);
    EXPECT_TRUE(kept.open(QIODevice::ReadOnly) && kept.readAll() == "configuration");
    EXPECT_EQ(prompts.messages, QStringList({QDir::toNativeSeparators(victim) +
                                             " is a parameter file name (\".dat\"); an export never replaces a "
                                             "parameter file.\n\nChoose a name ending in \".csv\"."}));

    // The program's own dialog: a ".dat" name keeps it open, before it could ask to replace the
    // file; a name typed without extension gets ".csv".
    shell::DialogPrompts dialogs(state.config);
    app::FileDialogRequest request = csv;
    request.folder = dir.path();
    QString refusal;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        dialog->selectFile(QStringLiteral("victim.dat"));
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            refusal = box ? box->text() : QString();
            if (box) box->accept();
        });
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible());
        dialog->selectFile(QStringLiteral("walkexp2"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    EXPECT_EQ(dialogs.askSaveFileName(request), QDir::toNativeSeparators(dir.file("walkexp2.csv")));
    EXPECT_EQ(refusal, prompts.messages[0]);
}

} // namespace
