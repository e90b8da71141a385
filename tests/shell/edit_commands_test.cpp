// The Edit menu in the main window with the real editors, as a user meets it: rows chosen by
// their labels, moved, emptied, pasted from a spreadsheet and refused when there is no room;
// the other editors follow; Undo and Redo walk every step back and forth byte for byte, with
// the unsaved-changes marker following.

#include "shell_fixture.h"

#include "channels/channel_edit_dialog.h"
#include "channels/channel_record.h"
#include "channels/channel_row_ops.h"
#include "channels/program_view.h"
#include "default_image.h"
#include "grid/grid_view.h"
#include "shell/child_frame.h"
#include "shell/main_frame.h"
#include "tests/channels/image_diff.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace shelltest;

namespace {

using channels::kFirstSlot;
using channels::rows::kChannelReferences;

struct EditCommandsTest : ::testing::Test {
    AppDir dir;
    app::AppState state;
    ScriptedPrompts prompts;
    RecordingHelp help;
    FakeLink link;
    std::unique_ptr<shell::CMainFrame> frame;

    // Channels 0-5 at 145.0-145.5 MHz named "CH0".."CH5"; MR channel 3, priority 1 on 4.
    void SetUp() override {
        image::RadioImage img = defaultdat::defaultImage();
        for (int n = 0; n < 6; ++n) {
            channels::channelClear(img, n + kFirstSlot);
            channels::setUsageBit(img, n + kFirstSlot, false);
            channels::ChannelRecord record(img, n + kFirstSlot);
            record.writeRxTx(image::Freq10Hz(14500000 + n * 10000), image::Freq10Hz(14500000 + n * 10000));
            record.setName(QStringLiteral("CH%1").arg(n));
        }
        img.setU8(kChannelReferences[0], 3);
        img.setU8(kChannelReferences[1], 4);
        dir.writeDefaultDat(img);
        state.config = app::startupConfig(dir.exePath());
        frame = std::make_unique<shell::CMainFrame>(state, prompts, help, shell::programEditors(), link.services());
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        frame->workspace().storeAll();  // the defaults' bytes as a store corrects them
    }
    channels::CProgramView* channelView() const {
        return static_cast<channels::CProgramView*>(frame->workspace().frame(shell::EditorKind::Channel)->view());
    }
    QAction* action(const char* name) const { return frame->findChild<QAction*>(QLatin1String(name)); }
    void trigger(const char* name) const { action(name)->trigger(); }
    // A click on the label of channel `number`, as the user clicks it.
    void clickLabel(int number, Qt::KeyboardModifiers modifiers = {}) const {
        QHeaderView* labels = channelView()->grid()->verticalHeader();
        const int y = labels->sectionViewportPosition(number) + labels->sectionSize(number) / 2;
        QTest::mouseClick(labels->viewport(), Qt::LeftButton, modifiers, QPoint(labels->width() / 2, y));
    }
    QString name(int number) const { return channels::ChannelRecordView(state.image, number + kFirstSlot).name(); }
    static std::string diff(const image::RadioImage& a, const image::RadioImage& b) {
        return testing_support::joinLines(testing_support::imageDiff(a, b));
    }
    bool marked() const { return frame->windowTitle().startsWith(u'*'); }
};

TEST_F(EditCommandsTest, RowCommandsMoveChannelsTheOtherEditorsFollowAndUndoRedoWalkEveryStep) {
    frame->workspace().open(shell::EditorKind::FunctionSetup);
    auto* mrChannel = frame->findChild<QComboBox*>(QStringLiteral("mrChannel"));
    ASSERT_TRUE(mrChannel);
    frame->workspace().open(shell::EditorKind::Channel);
    std::vector<image::RadioImage> seen{state.image};
    EXPECT_FALSE(action("actionMoveUp")->isEnabled() && action("actionUndo")->isEnabled());

    clickLabel(3);
    clickLabel(4, Qt::ShiftModifier);
    EXPECT_EQ(channelView()->grid()->selectedRows(), (std::vector<int>{4, 5}));
    ASSERT_TRUE(action("actionMoveUp")->isEnabled());
    trigger("actionMoveUp");
    EXPECT_EQ(QStringList({name(2), name(3), name(4)}), QStringList({"CH3", "CH4", "CH2"}));
    EXPECT_EQ(state.image.u8(kChannelReferences[0]), 2) << "the MR channel follows its channel";
    EXPECT_EQ(state.image.u8(kChannelReferences[1]), 3);
    EXPECT_EQ(mrChannel->currentText(), "2") << "Function Setup was reloaded";
    EXPECT_EQ(channelView()->grid()->selectedRows(), (std::vector<int>{3, 4})) << "the selection moves along";
    EXPECT_TRUE(marked());
    seen.push_back(state.image);

    clickLabel(0);
    clickLabel(5, Qt::ControlModifier);
    QTest::keyClick(channelView()->grid(), Qt::Key_Delete);
    EXPECT_FALSE(channels::rows::inUse(state.image, 0 + kFirstSlot));
    EXPECT_FALSE(channels::rows::inUse(state.image, 5 + kFirstSlot));
    EXPECT_TRUE(channels::rows::inUse(state.image, 1 + kFirstSlot));
    seen.push_back(state.image);

    clickLabel(2);
    trigger("actionSortByRx");  // one row chosen: the whole list
    EXPECT_EQ(QStringList({name(0), name(1), name(2), name(3)}), QStringList({"CH1", "CH2", "CH3", "CH4"}));
    EXPECT_EQ(state.image.u8(kChannelReferences[0]), 2);
    seen.push_back(state.image);

    for (std::size_t i = seen.size() - 1; i > 0; --i) {
        ASSERT_TRUE(action("actionUndo")->isEnabled());
        trigger("actionUndo");
        ASSERT_EQ(state.image, seen[i - 1]) << "undo to step " << i - 1 << "\n" << diff(seen[i - 1], state.image);
    }
    EXPECT_FALSE(marked()) << "back where the file was opened";
    EXPECT_EQ(mrChannel->currentText(), "3");
    EXPECT_EQ(channelView()->grid()->text(4, channels::kColName), "CH3");
    for (std::size_t i = 1; i < seen.size(); ++i) {
        trigger("actionRedo");
        ASSERT_EQ(state.image, seen[i]) << "redo to step " << i << "\n" << diff(seen[i], state.image);
    }
    EXPECT_FALSE(action("actionRedo")->isEnabled());
    EXPECT_TRUE(marked());
}

TEST_F(EditCommandsTest, CopyGivesCsvPasteTakesASpreadsheetsRowsAndReportsTheBadOne) {
    clickLabel(1);
    clickLabel(2, Qt::ShiftModifier);
    trigger("actionCopy");
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(QStringLiteral("Location,Name,Frequency,")));
    EXPECT_EQ(copied.count(QStringLiteral("\r\n")), 3);

    const image::RadioImage before = state.image;
    QGuiApplication::clipboard()->setText(QStringLiteral("Name\tFrequency\tPower\n"
                                                         "CALL\t146.52\tLow\n"
                                                         "WRONG\t446.52\tLow\n"
                                                         "RPT\t145.6\t\n"));
    clickLabel(10);
    trigger("actionPaste");
    EXPECT_EQ(name(10), "CALL");
    EXPECT_FALSE(channels::rows::inUse(state.image, 11 + kFirstSlot)) << "the refused row leaves its channel";
    EXPECT_EQ(name(12), "RPT");
    ASSERT_FALSE(prompts.messages.isEmpty());
    EXPECT_TRUE(prompts.messages.last().contains(QStringLiteral("line 3: Frequency 446.52 MHz")));

    trigger("actionUndo");
    EXPECT_EQ(state.image, before) << diff(before, state.image);
    EXPECT_EQ(channelView()->grid()->text(11, channels::kColRx), "");
}

TEST_F(EditCommandsTest, UndoTakesBackAFormEditorsChangeAcrossEditors) {
    frame->workspace().open(shell::EditorKind::FunctionSetup);
    auto* mrChannel = frame->findChild<QComboBox*>(QStringLiteral("mrChannel"));
    const image::RadioImage before = state.image;
    mrChannel->setCurrentIndex(mrChannel->findText("5"));
    ASSERT_TRUE(action("actionUndo")->isEnabled());
    trigger("actionUndo");  // stores the change, then takes it back
    EXPECT_EQ(state.image, before) << diff(before, state.image);
    EXPECT_EQ(mrChannel->currentText(), "3");
    trigger("actionRedo");
    EXPECT_EQ(state.image.u8(kChannelReferences[0]), 5);
    EXPECT_EQ(mrChannel->currentText(), "5");
    EXPECT_FALSE(action("actionCopy")->isEnabled()) << "the row commands belong to the channel list";
}

TEST_F(EditCommandsTest, EachCommittedCellAndEachClosedDialogIsOneStepAndATextFieldKeepsItsOwnUndo) {
    grid::GridView* grid = channelView()->grid();
    auto typeCell = [&](int row, int column, const QString& text) {
        grid->setFocus();
        grid->setCurrentCell(row, column);
        QTest::keyClick(grid, Qt::Key_Return);
        ASSERT_TRUE(grid->activeEditor());
        QTest::keyClicks(grid->activeEditor(), text);
        QTest::keyClick(grid->activeEditor(), Qt::Key_Return);
    };
    const image::RadioImage start = state.image;
    typeCell(21, channels::kColRx, "146.52");
    const image::RadioImage afterRx = state.image;
    EXPECT_TRUE(channels::rows::inUse(state.image, 21)) << "the committed cell is stored at once";
    typeCell(21, channels::kColName, "home");
    EXPECT_EQ(name(20), "HOME");

    channelView()->setEditDialogRunner([](channels::CChannelEditDialog& dialog) {
        dialog.findChild<QLineEdit*>("channelName")->setText("AWAY");
        dialog.close();
    });
    grid->setCurrentCell(21, channels::kColRx);
    channelView()->findChild<QPushButton*>("edit")->click();
    EXPECT_EQ(name(20), "AWAY");

    // Ctrl+Z in an open cell editor undoes typing in that field, not a step.
    grid->setCurrentCell(21, channels::kColName);
    QTest::keyClick(grid, Qt::Key_Return);
    auto* field = qobject_cast<QLineEdit*>(grid->activeEditor());
    ASSERT_TRUE(field);
    QTest::keyClicks(field, "X");
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "AWAY");
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(name(20), "AWAY");

    trigger("actionUndo");
    EXPECT_EQ(name(20), "HOME");
    trigger("actionUndo");
    EXPECT_EQ(state.image, afterRx) << diff(afterRx, state.image);
    trigger("actionUndo");
    EXPECT_EQ(state.image, start) << diff(start, state.image);
    EXPECT_EQ(grid->text(21, channels::kColRx), "");
}

} // namespace
