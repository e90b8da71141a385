// SPDX-License-Identifier: GPL-3.0-or-later
// What a daily user does with the program's real editors: the Window menu, F6, the "*" of a
// form editor, a finding that opens its channel, a JSON import undone by name, the "Save
// changes?" keys, Compare's values the radio lacks, and the port shown as the user knows it.

#include "shell_fixture.h"

#include "channels/channel_view.h"
#include "default_image.h"
#include "grid/grid_view.h"
#include "link/port_names.h"
#include "channels/channel_record.h"
#include "channels/value_tables.h"
#include "settings/emergency_fields.h"
#include "settings/function_setup.h"
#include "shell/child_frame.h"
#include "shell/compare_dialog.h"
#include "shell/dialog_prompts.h"
#include "shell/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QLabel>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace shelltest;
using config::EditorKind;

namespace {

class DailyUseTest : public ::testing::Test {
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
        openFrame();
    }

    void openFrame() {
        frame = std::make_unique<shell::CMainFrame>(state, prompts, help, shell::programEditors(), link.services());
        frame->setJsonImportConfirmer([](const QString&, const config::ApplyResult&) { return true; });
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }

    QStringList windowItems() {
        auto* menu = frame->findChild<QMenu*>(QStringLiteral("menuWindow"));
        emit menu->aboutToShow();
        QStringList items;
        for (const QAction* action : menu->actions())
            if (action->isCheckable()) items.append(action->text() + (action->isChecked() ? "*" : ""));
        return items;
    }
};

TEST_F(DailyUseTest, WindowMenuAndF6FindTheOpenEditors) {
    frame->openEditor(EditorKind::Dtmf);
    EXPECT_EQ(windowItems(), QStringList({"&1 Channel", "&2 Dtmf*"}));
    EXPECT_EQ(windowItems().size(), 2) << "listed anew, not added again";

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    auto* tree = frame->findChild<QTreeWidget*>(QStringLiteral("tree"));
    ASSERT_TRUE(tree->hasFocus());
    EXPECT_EQ(tree->currentItem()->text(0), QStringLiteral("DTMF")) << "the editor in front, not the root";
}

// A choice in a form editor shows "*" at once and is one undo step; a JSON import is undone by
// its own name.
TEST_F(DailyUseTest, FormEditsMarkTheTitleAtOnceAndAnImportIsUndoneByName) {
    frame->openEditor(EditorKind::FunctionSetup);
    ASSERT_FALSE(frame->windowTitle().startsWith(u'*'));
    auto* squelch = frame->workspace().frame(EditorKind::FunctionSetup)->findChild<QComboBox*>("squelchLevel");
    ASSERT_NE(squelch, nullptr);
    squelch->setCurrentIndex((squelch->currentIndex() + 1) % squelch->count());
    emit squelch->activated(squelch->currentIndex());
    EXPECT_TRUE(frame->windowTitle().startsWith(u'*')) << frame->windowTitle().toStdString();

    const QString json = dir.file(QStringLiteral("site.json"));
    QFile file(json);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"dtmf": {"selfId": "321"}})");
    file.close();
    prompts.openNames = {json};
    frame->findChild<QAction*>(QStringLiteral("actionImportJson"))->trigger();
    EXPECT_EQ(frame->findChild<QAction*>(QStringLiteral("actionUndo"))->text(), QStringLiteral("&Undo Import Configuration"));
}

// A finding names a channel's row and column; the list opens there.
TEST_F(DailyUseTest, AChannelFindingOpensItsRowAndColumn) {
    auto* view = qobject_cast<channels::CProgramView*>(frame->workspace().frame(EditorKind::Channel)->view());
    auto* grid = view->findChild<grid::GridView*>();
    view->showField(QStringLiteral("CH 12 TX Power"));
    EXPECT_EQ(grid->currentRow(), 13);
    EXPECT_EQ(grid->text(0, grid->currentColumn()), QStringLiteral("TX Power"));
    view->showField(QStringLiteral("CH VFO Squelch Mode"));  // a field the list does not show
    EXPECT_EQ(grid->text(grid->currentRow(), 0), QStringLiteral("VFO"));
    EXPECT_EQ(grid->text(0, grid->currentColumn()), QStringLiteral("RX Frequency"));
}

// Under German a finding names its field as the German editor labels it, in German words;
// a double-click on each still lands on that field.
TEST_F(DailyUseTest, UnderGermanEveryFindingSpeaksGermanAndOpensItsField) {
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(":/i18n/qmr417_de.qm")));
    QCoreApplication::installTranslator(&german);
    openFrame();  // in German from the start, as the program starts
    namespace fs = settings::function_setup;
    namespace em = settings::emergency;
    state.image.setU8(fs::kVfoMr, 1);  // MR, on a channel nobody uses
    state.image.setU8(fs::kMrChannel, 198);
    state.image.setU8(em::kAlarmType, 1);
    state.image.setU8(em::kSendChannel, em::kAssignedChannel);
    state.image.setU8(em::kEmergencyChannel, 197);
    for (const int slot : {channels::kFirstSlot + 4, channels::kFirstSlot + 5}) {  // CH 4 and 5: one channel twice
        channels::ChannelRecord(state.image, slot).writeRxTx(image::Freq10Hz::fromMHz(150), image::Freq10Hz::fromMHz(150));
        image::setUsageBit(state.image, slot, false);
    }
    frame->workspace().reloadAll();
    frame->findChild<QAction*>(QStringLiteral("actionCheckConfiguration"))->trigger();
    auto* list = frame->findChild<QTreeWidget*>(QStringLiteral("findings"));
    ASSERT_NE(list, nullptr);
    ASSERT_GE(list->topLevelItemCount(), 2);  // a channel's and the emergency channel's
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        const QString shown = item->text(0) + " / " + item->text(1) + ": " + item->text(2);
        EXPECT_FALSE(shown.contains(QStringLiteral(" lies ")) || shown.contains(QStringLiteral(" names ")) ||
                     shown.contains(QStringLiteral(" is empty")))
            << shown.toStdString();
        QWidget* before = QApplication::focusWidget();
        emit list->itemActivated(item, 0);
        QWidget* focus = QApplication::focusWidget();
        EXPECT_NE(focus, nullptr) << shown.toStdString();
        if (auto* grid = qobject_cast<grid::GridView*>(focus)) {
            EXPECT_TRUE(item->text(1).endsWith(grid->text(0, grid->currentColumn()))) << shown.toStdString();
        } else {
            EXPECT_NE(focus, before) << shown.toStdString();
            const auto* label = focus ? focus->parentWidget()->findChild<QLabel*>() : nullptr;
            EXPECT_NE(label, nullptr) << shown.toStdString();
        }
    }
    QCoreApplication::removeTranslator(&german);
}

TEST_F(DailyUseTest, SaveQuestionTakesAltKeysAndTheSmallTextsSayWhatTheyMean) {
    shell::DialogPrompts dialogs(state.config, frame.get());
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QApplication::setActiveWindow(box);  // the offscreen screen does not raise it by itself
        QTest::keyClick(box, Qt::Key_D, Qt::AltModifier);
        // A mnemonic clicks its button a moment later, as a mouse click would show.
        if (!QTest::qWaitFor([box] { return !box->isVisible(); }, 2000)) box->reject();
    });
    EXPECT_EQ(dialogs.askSaveChanges(QStringLiteral("site.dat")), app::SaveChoice::Discard);

    shell::CompareDialog compare({{"DTMF", "PTT ID Ending (EOT)", "", "123"}}, {}, frame.get());
    const QTreeWidgetItem* row = compare.findChild<QTreeWidget*>(QStringLiteral("differences"))->topLevelItem(0);
    EXPECT_EQ(row->text(2), shell::CompareDialog::kEmptyValue);
    EXPECT_EQ(row->text(3), QStringLiteral("123"));

    EXPECT_EQ(radiolink::shownPortName(radiolink::portName(12)), QStringLiteral("COM12"));
    EXPECT_EQ(radiolink::shownPortName(QStringLiteral("/dev/ttyUSB0")), QStringLiteral("/dev/ttyUSB0"));
}

} // namespace
