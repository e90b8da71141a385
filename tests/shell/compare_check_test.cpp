// SPDX-License-Identifier: GPL-3.0-or-later
// Program > "Compare With Radio..." and "Check Configuration" through the main window, the
// radio read by the real engine from the simulated radio on the worker thread.

#include "shell_fixture.h"

#include "app/backups.h"
#include "channels/channel_record.h"
#include "channels/channel_row_ops.h"
#include "default_image.h"
#include "image/parameter_file.h"
#include "settings/function_setup.h"
#include "settings/scan_fields.h"
#include "shell/check_dialog.h"
#include "shell/child_frame.h"
#include "shell/compare_dialog.h"
#include "shell/editor_kinds.h"
#include "shell/main_frame.h"
#include "shell/transfer_dialog.h"
#include "signalling/dtmf_codes.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace shelltest;
using config::EditorKind;

namespace {

QStringList rowTexts(const QTreeWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c) cells.append(item->text(c));
        rows.append(cells.join(QStringLiteral(" | ")));
    }
    return rows;
}

} // namespace

class CompareCheckTest : public ::testing::Test {
protected:
    AppDir dir;
    app::AppState state;
    ScriptedPrompts prompts;
    RecordingHelp help;
    CallLog log;
    FakeLink link;
    std::unique_ptr<shell::CMainFrame> frame;

    void start(const image::RadioImage& defaults) {
        dir.writeDefaultDat(defaults);
        state.config = app::startupConfig(dir.exePath());
        frame = std::make_unique<shell::CMainFrame>(state, prompts, help, loggingEditors(log), link.services());
        frame->show();
    }

    // Runs Compare With Radio: the transfer dialog gets Start (or Exit), the compare dialog,
    // if one opens, is handed to `onCompare` and closed.
    void compare(bool startRead, const std::function<void(shell::CompareDialog&)>& onCompare) {
        QTimer driver;
        driver.setInterval(20);
        QObject::connect(&driver, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* transfer = qobject_cast<shell::TransferDialog*>(modal)) {
                auto* button = transfer->findChild<QPushButton*>(startRead ? "startButton" : "exitButton");
                if (button->isEnabled()) button->click();
            } else if (auto* dialog = qobject_cast<shell::CompareDialog*>(modal)) {
                driver.stop();
                onCompare(*dialog);
                dialog->findChild<QPushButton*>("closeButton")->click();
            }
        });
        driver.start();
        frame->findChild<QAction*>("actionCompareWithRadio")->trigger();
    }
};

// The radio holds the open configuration but for three fields: the window lists exactly those,
// saves what the radio holds, and the open configuration, its name and its marker stay.
TEST_F(CompareCheckTest, CompareWithRadioListsTheDifferencesAndLeavesTheOpenConfigurationAlone) {
    start(defaultdat::defaultImage());
    image::RadioImage radio = state.image;
    signalling::dtmf::storeSelfId(radio, u"202");
    radio.setU8(settings::function_setup::kSquelchLevel, 7);
    radio.setU8(settings::scan::kDwell, 30);
    link.radio.memory() = radio;
    const image::RadioImage before = state.image;
    const QString title = frame->windowTitle();

    bool shown = false;
    compare(false, [&](shell::CompareDialog&) { shown = true; });
    EXPECT_FALSE(shown) << "a cancelled read shows nothing";
    EXPECT_TRUE(QDir(app::backupFolder(state.config)).entryList({"*-read.dat"}).isEmpty());

    const QString saved = dir.file("DATA/radio.dat");
    prompts.saveNames = {saved};
    QStringList rows;
    QString summary;
    compare(true, [&](shell::CompareDialog& dialog) {
        rows = rowTexts(dialog.findChild<QTreeWidget*>("differences"));
        dialog.findChild<QPushButton*>("saveRadioButton")->click();
        summary = dialog.findChild<QLabel*>("summary")->text();
    });
    EXPECT_EQ(rows, QStringList({"Function Setup | Squelch Level | 3 | 7", "DTMF | DTMF Self ID | 101 | 202",
                                 "Scan Information | Dwell Time(s) | 2.0 | 3.0"}));
    EXPECT_TRUE(summary.startsWith("3 fields differ between this file and the radio.\n")) << summary.toStdString();

    EXPECT_TRUE(state.image == before);
    EXPECT_EQ(frame->windowTitle(), title);
    EXPECT_FALSE(frame->hasUnsavedChanges());
    image::FilePrefixBlock prefix;
    image::RadioImage kept;
    ASSERT_TRUE(image::readParameterFile(saved, prefix, kept).ok);
    EXPECT_TRUE(kept == radio);  // its first 16 bytes, never read from a radio, are the open file's
    EXPECT_EQ(QDir(app::backupFolder(state.config)).entryList({"*-read.dat"}).size(), 1);
}

// The findings stay listed beside the editors: a double-click opens the editor of the
// finding, and "Check Again" checks what the configuration holds then.
TEST_F(CompareCheckTest, CheckConfigurationListsFindingsAndOpensTheirEditor) {
    image::RadioImage faulty = defaultdat::defaultImage();
    faulty.setU8(settings::scan::kPriorityMode, 1);
    faulty.setU8(settings::scan::kPriorityChannel1, 7);
    start(faulty);
    frame->findChild<QAction*>("actionCheckConfiguration")->trigger();

    auto* dialog = frame->findChild<shell::CheckDialog*>("checkDialog");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    auto* list = dialog->findChild<QTreeWidget*>("findings");
    EXPECT_EQ(rowTexts(list), QStringList({"Scan Information | Priority Channel 1 | channel 7 is empty"}));
    EXPECT_EQ(frame->workspace().frame(EditorKind::ScanInformation), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    const QRect row = list->visualItemRect(list->topLevelItem(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_NE(frame->workspace().frame(EditorKind::ScanInformation), nullptr);

    state.image.setU8(settings::scan::kPriorityMode, 0);
    dialog->findChild<QPushButton*>("checkAgainButton")->click();
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_EQ(dialog->findChild<QLabel*>("summary")->text(), shell::CheckDialog::kNone);
    frame->findChild<QAction*>("actionCheckConfiguration")->trigger();
    EXPECT_EQ(frame->findChildren<shell::CheckDialog*>().size(), 1);  // one window
}

// A file whose channel 2 transmits on 450 MHz in a 136-174 band: opening it says what the
// Channel editor will store instead, and Check Configuration says the same until a save.
TEST_F(CompareCheckTest, OpeningAFileTellsWhatTheEditorsWillChangeAndTheCheckSaysItToo) {
    dir.writeDefaultDat(defaultdat::defaultImage());
    state.config = app::startupConfig(dir.exePath());
    frame = std::make_unique<shell::CMainFrame>(state, prompts, help, shell::programEditors(), link.services());
    frame->show();
    image::RadioImage transmits450 = defaultdat::defaultImage();
    channels::channelClear(transmits450, 3);
    channels::ChannelRecord(transmits450, 3).writeRxTx(image::Freq10Hz(14500000), image::Freq10Hz(45000000));
    channels::setUsageBit(transmits450, 3, false);
    for (const image::Addr reference : channels::rows::kChannelReferences) transmits450.setU8(reference, 2);  // name CH 2
    const QString path = dir.file(QStringLiteral("tx450.dat"));
    ASSERT_TRUE(image::writeParameterFile(path, image::FilePrefixBlock{}, transmits450).ok);

    prompts.openNames = {path};
    frame->findChild<QAction*>("actionOpen")->trigger();
    const QString line = QStringLiteral("Channel / CH 2 TX Frequency: 450.00000 lies outside 136-174 MHz: becomes 174.00000");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains(QStringLiteral("tx450.dat holds")));
    EXPECT_TRUE(prompts.messages[0].contains(u'\n' + line + u'\n')) << prompts.messages[0].toStdString();

    frame->findChild<QAction*>("actionCheckConfiguration")->trigger();
    auto* list = frame->findChild<shell::CheckDialog*>("checkDialog")->findChild<QTreeWidget*>("findings");
    EXPECT_EQ(rowTexts(list), QStringList({"Channel | CH 2 TX Frequency | 450.00000 lies outside 136-174 MHz: becomes 174.00000"}));
    frame->findChild<QAction*>("actionSave")->trigger();
    frame->findChild<shell::CheckDialog*>("checkDialog")->findChild<QPushButton*>("checkAgainButton")->click();
    EXPECT_EQ(list->topLevelItemCount(), 0) << "the file now holds what the editors stored";
}
