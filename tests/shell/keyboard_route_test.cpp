// SPDX-License-Identifier: GPL-3.0-or-later
// A user who works without a mouse: every step below is a key pressed on whatever has the
// focus, through the real main window and editors.

#include "shell_fixture.h"

#include "channels/channel_record.h"
#include "default_image.h"
#include "grid/grid_view.h"
#include "image/parameter_file.h"
#include "settings/function_setup.h"
#include "shell/child_frame.h"
#include "shell/main_frame.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace shelltest;
using config::EditorKind;

namespace {

class KeyboardRouteTest : public ::testing::Test {
protected:
    AppDir dir;
    app::AppState state;
    ScriptedPrompts prompts;
    RecordingHelp help;
    FakeLink link;
    std::unique_ptr<shell::CMainFrame> frame;

    void SetUp() override {
        dir.writeDefaultDat(defaultdat::defaultImage());
        state.config = app::startupConfig(dir.exePath());
        frame = std::make_unique<shell::CMainFrame>(state, prompts, help, shell::programEditors(), link.services());
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }

    // A key pressed where the focus is, as the keyboard delivers it.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_TRUE(focus) << "nothing has the keyboard";
        QTest::keyClick(focus, key, modifiers);
    }
    static void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }

    bool focusIn(EditorKind kind) const {
        const shell::CMyChildFrame* editor = frame->workspace().frame(kind);
        return editor && editor->isAncestorOf(QApplication::focusWidget());
    }
    QWidget* tree() const { return frame->findChild<QTreeWidget*>(QStringLiteral("tree")); }
};

TEST_F(KeyboardRouteTest, FunctionSetupFromTheTreeThenAChannelThenSaveWithKeysOnly) {
    const int squelchBefore = state.image.u8(settings::function_setup::kSquelchLevel);

    press(Qt::Key_F6);  // to the Tree Bar
    ASSERT_EQ(QApplication::focusWidget(), tree());
    press(Qt::Key_Home);
    press(Qt::Key_Down);  // Channel
    press(Qt::Key_Down);  // Function Setup
    press(Qt::Key_Return);
    ASSERT_TRUE(focusIn(EditorKind::FunctionSetup)) << "Enter on the tree item hands the editor the keyboard";
    auto* squelch = frame->findChild<QComboBox*>(QStringLiteral("squelchLevel"));
    ASSERT_EQ(QApplication::focusWidget(), squelch);
    press(Qt::Key_Down);  // the next squelch level

    press(Qt::Key_F6);  // back to the tree, and F6 again to the editor left
    EXPECT_EQ(QApplication::focusWidget(), tree());
    press(Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), squelch);

    press(Qt::Key_Tab, Qt::ControlModifier);  // the Channel editor, opened at start
    ASSERT_TRUE(focusIn(EditorKind::Channel));
    auto* grid = qobject_cast<grid::GridView*>(QApplication::focusWidget());
    ASSERT_TRUE(grid);
    press(Qt::Key_Home, Qt::ControlModifier);  // the first channel's RX Frequency
    press(Qt::Key_Return);
    ASSERT_TRUE(grid->activeEditor());
    EXPECT_EQ(grid->activeEditor()->accessibleName(), "RX Frequency, CH 0");  // what a screen reader says
    type(QStringLiteral("145.5"));
    press(Qt::Key_Return);
    EXPECT_EQ(grid->model()->index(0, 0).data(Qt::AccessibleTextRole), "RX Frequency, CH 0: 145.50000");

    // A drop-down column opens its list with F4 straight from the cell.
    for (int i = 0; i < 3; ++i) press(Qt::Key_Right);  // past TX Frequency and CH Name to Step
    press(Qt::Key_F4);
    auto* list = qobject_cast<QComboBox*>(grid->activeEditor());
    ASSERT_TRUE(list) << "F4 opens the Step cell's list";
    EXPECT_TRUE(QTest::qWaitFor([list] { return list->view()->isVisible(); }, 2000));
    press(Qt::Key_Escape);  // closes the list
    press(Qt::Key_Escape);  // and the edit, unchanged

    press(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);  // and back again
    EXPECT_TRUE(focusIn(EditorKind::FunctionSetup));

    prompts.saveNames = {dir.file(QStringLiteral("keys.dat"))};
    press(Qt::Key_S, Qt::ControlModifier);
    image::FilePrefixBlock prefix;
    image::RadioImage saved;
    ASSERT_TRUE(image::readParameterFile(dir.file(QStringLiteral("keys.dat")), prefix, saved).ok);
    EXPECT_EQ(saved.u8(settings::function_setup::kSquelchLevel), squelchBefore + 1);
    EXPECT_EQ(channels::ChannelRecordView(saved, channels::kFirstSlot).rx(), image::Freq10Hz(14550000));
}

} // namespace
