// SPDX-License-Identifier: GPL-3.0-or-later
// Reads and writes through the transfer dialog against the simulated radio: the worker runs
// the real engine on its own thread while the dialog answers its questions.

#include "shell_fixture.h"

#include "default_image.h"
#include "app/backups.h"
#include "image/memory_map.h"
#include "image/parameter_file.h"
#include "link/link_texts.h"
#include "shell/main_frame.h"
#include "shell/transfer_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

using namespace shelltest;
using shell::TransferDirection;

namespace {

image::RadioImage radioContent() {
    image::RadioImage img;
    for (int a = 0; a < int(image::RadioImage::kSize); ++a) img.setU8(image::Addr(a), std::uint8_t(a * 13 + 1));
    image::encodeBandLimits(image::bandLimitsFromMHz(400, 490, 400, 490), img);
    img.fill(image::map::kProgramPassword, 4, 0x00);
    img.setU8(image::map::kRadioState, 0);
    return img;
}

} // namespace

class TransferDialogTest : public ::testing::Test {
protected:
    AppDir dir;
    app::AppState state;
    ScriptedPrompts prompts;
    FakeLink link;
    shell::LinkServices services = link.services();

    void SetUp() override {
        state.config = app::startupConfig(dir.exePath());
        link.radio.memory() = radioContent();
    }

    // Opens the dialog, presses Start and waits until the dialog closed itself.
    std::unique_ptr<shell::TransferDialog> run(TransferDirection direction) {
        auto dialog = std::make_unique<shell::TransferDialog>(direction, state, prompts, services);
        dialog->show();
        dialog->findChild<QPushButton*>("startButton")->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->isVisible(); }, 20000));
        return dialog;
    }
};

TEST_F(TransferDialogTest, OpensWithTitleRangeAndZeroPercent) {
    shell::TransferDialog read(TransferDirection::Read, state, prompts, services);
    EXPECT_EQ(read.windowTitle(), "Read data from radio");
    EXPECT_EQ(read.findChild<QProgressBar*>("progress")->maximum(), 1023);
    EXPECT_EQ(read.findChild<QLabel*>("percent")->text(), "0%");
    shell::TransferDialog write(TransferDirection::Write, state, prompts, services);
    EXPECT_EQ(write.windowTitle(), "Write data to radio");
    EXPECT_EQ(write.findChild<QProgressBar*>("progress")->maximum(), 1008);
}

TEST_F(TransferDialogTest, ReadFillsTheImageFrom0x0010AndReachesOneHundredPercent) {
    state.image.fill(0, 16, 0xEE);
    auto dialog = run(TransferDirection::Read);
    EXPECT_TRUE(dialog->succeeded());
    EXPECT_EQ(dialog->findChild<QLabel*>("percent")->text(), "100%");
    EXPECT_TRUE(state.image.allBytesAre(0, 16, 0xEE));
    const auto got = state.image.bytes(image::map::kReadStart, 0x4000 - image::map::kReadStart);
    const auto want = link.radio.memory().bytes(image::map::kReadStart, 0x4000 - image::map::kReadStart);
    EXPECT_TRUE(std::equal(got.begin(), got.end(), want.begin()));
    EXPECT_EQ(prompts.messages, QStringList({radiolink::text::kReadCompleted}));
    EXPECT_FALSE(state.transfer.running);
}

TEST_F(TransferDialogTest, WriteSendsTheImageFrom0x0100) {
    state.image = defaultdat::defaultImage();
    state.image.fill(0x0010, 0xF0, 0x44);  // radio-resident bytes are never sent
    auto dialog = run(TransferDirection::Write);
    EXPECT_TRUE(dialog->succeeded());
    const auto sent = link.radio.memory().bytes(image::map::kWriteStart, 0x4000 - image::map::kWriteStart);
    const auto mine = state.image.bytes(image::map::kWriteStart, 0x4000 - image::map::kWriteStart);
    EXPECT_TRUE(std::equal(sent.begin(), sent.end(), mine.begin()));
    EXPECT_FALSE(link.radio.memory().allBytesAre(0x0010, 0xF0, 0x44));
    EXPECT_EQ(prompts.messages, QStringList({radiolink::text::kWriteCompleted}));
}

TEST_F(TransferDialogTest, ExitDuringATransferStopsAfterTheBlockAndClosesTheDialog) {
    shell::TransferDialog* shown = nullptr;
    bool stillOpenAfterExit = false;
    link.onBlock = [&](int position) {
        if (position != 10) return;
        QMetaObject::invokeMethod(shown, [&] {
            shown->findChild<QPushButton*>("exitButton")->click();
            stillOpenAfterExit = shown->isVisible();
        }, Qt::BlockingQueuedConnection);
    };
    auto dialog = std::make_unique<shell::TransferDialog>(TransferDirection::Read, state, prompts, services);
    shown = dialog.get();
    dialog->show();
    dialog->findChild<QPushButton*>("startButton")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->isVisible(); }, 20000));
    EXPECT_TRUE(stillOpenAfterExit);
    EXPECT_FALSE(dialog->succeeded());
    EXPECT_FALSE(dialog->workerRunning());
    EXPECT_EQ(dialog->findChild<QProgressBar*>("progress")->value(), 10);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(TransferDialogTest, ExitBeforeStartClosesAsCancelled) {
    shell::TransferDialog dialog(TransferDirection::Write, state, prompts, services);
    dialog.show();
    dialog.findChild<QPushButton*>("exitButton")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.succeeded());
}

TEST_F(TransferDialogTest, PasswordRadioAsksOnceThenRemembersThePassword) {
    link.radio.setPassword("1234");
    prompts.passwords = {QString("1234")};
    EXPECT_TRUE(run(TransferDirection::Read)->succeeded());
    ASSERT_EQ(prompts.passwordRequests.size(), 1u);
    EXPECT_EQ(prompts.passwordRequests[0].first, app::PasswordMode::ProgramPassword);
    EXPECT_EQ(state.transferPassword, "1234");

    EXPECT_TRUE(run(TransferDirection::Read)->succeeded());
    EXPECT_EQ(prompts.passwordRequests.size(), 1u);
}

TEST_F(TransferDialogTest, CancelledPasswordEndsWithPasswordError) {
    link.radio.setPassword("77");
    auto dialog = run(TransferDirection::Read);
    EXPECT_FALSE(dialog->succeeded());
    EXPECT_EQ(prompts.messages, QStringList({radiolink::text::kPasswordError}));
}

// --- Through the main window ------------------------------------------------------------------

class MainFrameTransferTest : public TransferDialogTest {
protected:
    RecordingHelp help;
    CallLog log;
    std::unique_ptr<shell::CMainFrame> frame;

    void startFrame() {
        dir.writeDefaultDat(defaultdat::defaultImage());
        frame = std::make_unique<shell::CMainFrame>(state, prompts, help, loggingEditors(log), services);
        frame->show();
    }
    // Runs a radio command; its dialog is started as the user would.
    void runCommand(void (shell::CMainFrame::*command)()) {
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<shell::TransferDialog*>(QApplication::activeModalWidget()))
                dialog->findChild<QPushButton*>("startButton")->click();
        });
        (frame.get()->*command)();
    }
};

TEST_F(MainFrameTransferTest, SuccessfulReadDecodesLimitsReloadsAndReopensChannel) {
    startFrame();
    frame->openEditor(config::EditorKind::Dtmf);
    frame->workspace().frame(config::EditorKind::Channel)->close();
    log.clear();

    runCommand(&shell::CMainFrame::readFromRadio);

    EXPECT_EQ(state.bandLimits, image::bandLimitsFromMHz(400, 490, 400, 490));
    EXPECT_EQ(frame->findChild<QLabel*>("freqPane")->text(), "UHF");
    EXPECT_EQ(log.first(), "Dtmf:store");
    EXPECT_TRUE(log.contains("Dtmf:load"));
    auto* dtmf = frame->workspace().frame(config::EditorKind::Dtmf);
    EXPECT_EQ(static_cast<LoggingEditor*>(dtmf->view())->field()->text(),
              QString::number(link.radio.memory().u8(LoggingEditor::addressOf(config::EditorKind::Dtmf))));
    EXPECT_EQ(frame->workspace().frame(config::EditorKind::Channel), nullptr);  // an editor was open

    dtmf->close();
    runCommand(&shell::CMainFrame::readFromRadio);
    EXPECT_NE(frame->workspace().frame(config::EditorKind::Channel), nullptr);
}

TEST_F(MainFrameTransferTest, WriteStoresEditorsFirst) {
    startFrame();
    static_cast<LoggingEditor*>(frame->workspace().frame(config::EditorKind::Channel)->view())->field()->setText("66");
    runCommand(&shell::CMainFrame::writeToRadio);
    EXPECT_EQ(link.radio.memory().u8(LoggingEditor::addressOf(config::EditorKind::Channel)), 66);
}

TEST_F(MainFrameTransferTest, PortThatDoesNotOpenEndsTheReadWithoutReload) {
    startFrame();
    const image::BandLimits before = state.bandLimits;
    services.transfer = [](TransferDirection, app::AppState&, app::Prompts& p, const shell::ProgressSink&, bool) {
        p.message(radiolink::text::kCannotOpenPort);
        return false;
    };
    frame = std::make_unique<shell::CMainFrame>(state, prompts, help, loggingEditors(log), services);
    log.clear();
    runCommand(&shell::CMainFrame::readFromRadio);
    EXPECT_EQ(prompts.messages, QStringList({radiolink::text::kCannotOpenPort}));
    EXPECT_EQ(state.bandLimits, before);
    EXPECT_FALSE(log.contains("Channel:load"));
}

TEST_F(MainFrameTransferTest, ReadAsksAboutChangesKeepsABackupAndForgetsTheOpenedFile) {
    startFrame();
    const QString opened = dir.file("DATA/before.dat");
    image::writeParameterFile(opened, state.prefix, state.image);
    frame->openPath(opened);
    static_cast<LoggingEditor*>(frame->workspace().frame(config::EditorKind::Channel)->view())->field()->setText("66");
    prompts.saveChoices = {app::SaveChoice::Discard};

    runCommand(&shell::CMainFrame::readFromRadio);

    EXPECT_EQ(prompts.questions, QStringList({"Save changes to before.dat?"}));
    EXPECT_EQ(state.config.currentFilePath, "") << "Save must ask for a name for another radio's data";
    const QStringList backups = QDir(app::backupFolder(state.config)).entryList({"*-read.dat"});
    ASSERT_EQ(backups.size(), 1);
    image::FilePrefixBlock prefix;
    image::RadioImage kept;
    image::readParameterFile(QDir(app::backupFolder(state.config)).filePath(backups[0]), prefix, kept);
    const auto sent = link.radio.memory().bytes(0x0100, 0x3F00);
    EXPECT_TRUE(std::ranges::equal(kept.bytes(0x0100, 0x3F00), sent)) << "the backup holds what the radio sent";
    EXPECT_FALSE(frame->hasUnsavedChanges());

    runCommand(&shell::CMainFrame::writeToRadio);
    EXPECT_EQ(QDir(app::backupFolder(state.config)).entryList({"*-written.dat"}).size(), 1);
}

TEST_F(MainFrameTransferTest, AFailedBackupIsReportedWithoutHidingTheRead) {
    startFrame();
    QFile blocker(app::backupFolder(state.config));  // a file where the folder should be
    blocker.open(QIODevice::WriteOnly);
    blocker.close();
    prompts.messages.clear();
    runCommand(&shell::CMainFrame::readFromRadio);
    // The third tells what the editors will change in the random image the radio sent.
    ASSERT_EQ(prompts.messages.size(), 3) << prompts.messages.join(u'|').toStdString();
    EXPECT_EQ(prompts.messages[0], radiolink::text::kReadCompleted);
    EXPECT_TRUE(prompts.messages[1].startsWith("The data was transferred, but its backup could not be saved"));
    EXPECT_EQ(state.bandLimits, image::bandLimitsFromMHz(400, 490, 400, 490)) << "the read itself went through";
}
