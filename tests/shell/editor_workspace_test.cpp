// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping editors and image in step: which editor loads and stores, and in what order,
// when editors are opened, switched, closed, stored and reloaded.

#include "shell_fixture.h"

#include "image/memory_map.h"
#include "shell/child_frame.h"
#include "shell/editor_workspace.h"

#include <QMdiArea>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace shelltest;
using config::EditorKind;

class EditorWorkspaceTest : public ::testing::Test {
protected:
    app::AppState state;
    ScriptedPrompts prompts;
    RecordingHelp help;
    RecordingHost host;
    CallLog log;
    QMdiArea area;
    shell::EditorWorkspace workspace{&area, forms::EditorEnv{state, prompts, help, host}, loggingEditors(log)};

    void SetUp() override {
        area.resize(800, 600);
        area.show();
    }
    LoggingEditor* editor(EditorKind kind) {
        return static_cast<LoggingEditor*>(workspace.frame(kind)->view());
    }
};

TEST_F(EditorWorkspaceTest, OpeningAnotherEditorStoresTheOneLeftBeforeTheNewOneLoads) {
    workspace.open(EditorKind::Channel);
    editor(EditorKind::Channel)->field()->setText("9");
    log.clear();

    workspace.open(EditorKind::ScanInformation);
    ASSERT_FALSE(log.isEmpty());
    EXPECT_LT(log.indexOf("Channel:store"), log.lastIndexOf("Scan Information:load"));
    EXPECT_EQ(log.last(), "Scan Information:store") << "what it loaded, as its store leaves it";
    EXPECT_EQ(state.image.u8(LoggingEditor::addressOf(EditorKind::Channel)), 9);
    EXPECT_EQ(workspace.activeFrame(), workspace.frame(EditorKind::ScanInformation));
}

TEST_F(EditorWorkspaceTest, ChoosingTheActiveEditorChangesNothing) {
    workspace.open(EditorKind::KeySetting);
    log.clear();
    workspace.open(EditorKind::KeySetting);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(area.subWindowList().size(), 1);
}

TEST_F(EditorWorkspaceTest, SwitchingBackStoresTheLeftAndLoadsTheEntered) {
    workspace.open(EditorKind::Channel);
    workspace.open(EditorKind::Dtmf);
    editor(EditorKind::Dtmf)->field()->setText("5");
    log.clear();

    workspace.open(EditorKind::Channel);
    EXPECT_EQ(log, QStringList({"Dtmf:store", "Channel:load", "Channel:store"}));
    EXPECT_EQ(workspace.frame(EditorKind::Dtmf)->isVisible(), true);
    EXPECT_EQ(area.subWindowList().size(), 2);
}

TEST_F(EditorWorkspaceTest, ChannelIsShownMaximisedOthersAreNot) {
    workspace.open(EditorKind::FiveTone);
    EXPECT_FALSE(workspace.frame(EditorKind::FiveTone)->isMaximized());
    workspace.open(EditorKind::Channel);
    EXPECT_TRUE(workspace.frame(EditorKind::Channel)->isMaximized());
}

TEST_F(EditorWorkspaceTest, StoreAllRunsTheConsistencyPassAfterEachEditor) {
    workspace.open(EditorKind::Channel);
    workspace.open(EditorKind::TwoTone);
    state.bandLimits = image::bandLimitsFromMHz(400, 490, 400, 490);
    log.clear();
    workspace.storeAll();
    EXPECT_EQ(log, QStringList({"Channel:store", "2Tone:store"}));
    EXPECT_EQ(image::decodeBandLimits(state.image), state.bandLimits);  // carried by the pass
}

TEST_F(EditorWorkspaceTest, StoreAllWithNoEditorLeavesTheImageAlone) {
    state.image.setU16le(image::map::kScrambleFrequency, 1);  // the pass would correct it
    workspace.storeAll();
    EXPECT_EQ(state.image.u16le(image::map::kScrambleFrequency), 1);
}

TEST_F(EditorWorkspaceTest, ReloadAllRefillsEveryOpenEditor) {
    workspace.open(EditorKind::Channel);
    workspace.open(EditorKind::CommunicationNote);
    state.image.setU8(LoggingEditor::addressOf(EditorKind::Channel), 31);
    state.image.setU8(LoggingEditor::addressOf(EditorKind::CommunicationNote), 32);
    log.clear();
    workspace.reloadAll();
    EXPECT_EQ(log, QStringList({"Channel:load", "Communication Note:load",  // then what they correct
                                "Channel:store", "Communication Note:store"}));
    EXPECT_EQ(editor(EditorKind::Channel)->field()->text(), "31");
    EXPECT_EQ(editor(EditorKind::CommunicationNote)->field()->text(), "32");
}

TEST_F(EditorWorkspaceTest, ClosingKeepsTheEditsAndEmptiesTheSlot) {
    workspace.open(EditorKind::EmergencyInformation);
    editor(EditorKind::EmergencyInformation)->field()->setText("17");
    workspace.frame(EditorKind::EmergencyInformation)->findChild<QPushButton*>("closeButton")->click();
    EXPECT_EQ(workspace.frame(EditorKind::EmergencyInformation), nullptr);
    EXPECT_FALSE(workspace.hasOpenEditor());
    EXPECT_EQ(state.image.u8(LoggingEditor::addressOf(EditorKind::EmergencyInformation)), 17);

    workspace.open(EditorKind::EmergencyInformation);  // a new window, filled from the image
    EXPECT_EQ(editor(EditorKind::EmergencyInformation)->field()->text(), "17");
}
