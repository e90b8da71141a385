// SPDX-License-Identifier: GPL-3.0-or-later
// The Edit menu in the main window with the real editors, as a user meets it: rows chosen by
// their labels, moved, emptied, pasted from a spreadsheet and refused when there is no room;
// the other editors follow; Undo and Redo walk every step back and forth byte for byte, with
// the unsaved-changes marker following.

#include "shell_fixture.h"

#include "channels/channel_edit_dialog.h"
#include "channels/channel_record.h"
#include "channels/channel_row_ops.h"
#include "channels/channel_view.h"
#include "default_image.h"
#include "grid/grid_view.h"
#include "image/parameter_file.h"
#include "shell/child_frame.h"
#include "shell/main_frame.h"
#include "shell/model_dialog.h"
#include "shell/transfer_dialog.h"
#include "signalling/two_tone_pages.h"
#include "signalling/two_tone_view.h"
#include "tests/channels/image_diff.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <random>

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
        return static_cast<channels::CProgramView*>(frame->workspace().frame(config::EditorKind::Channel)->view());
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
    app::ConfigSnapshot now() const { return {state.image, state.bandLimits}; }
    void typeInCell(int row, int column, const QString& text) const { typeInCell(channelView()->grid(), row, column, text); }
    static void typeInCell(grid::GridView* grid, int row, int column, const QString& text) {
        grid->setFocus();
        grid->setCurrentCell(row, column);
        QTest::keyClick(grid, Qt::Key_Return);
        if (!grid->activeEditor()) return;
        QTest::keyClicks(grid->activeEditor(), text);
        QTest::keyClick(grid->activeEditor(), Qt::Key_Return);
    }
    // Setting > Model with these limits, and "Yes" to moving channels.
    void changeBand(int rxLow, int rxHigh, int txLow, int txHigh) {
        prompts.yesNo = {true};
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<shell::ModelDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(d);
            const std::pair<const char*, int> entries[] = {
                {"rxLow", rxLow}, {"rxHigh", rxHigh}, {"txLow", txLow}, {"txHigh", txHigh}};
            for (const auto& [field, value] : entries) d->findChild<QLineEdit*>(field)->setText(QString::number(value));
            d->findChild<QPushButton*>("okButton")->click();
        });
        frame->showModel();
    }
    QString writeDat(const QString& name, const image::RadioImage& img) const {
        image::writeParameterFile(dir.file(name), image::FilePrefixBlock{}, img);
        return dir.file(name);
    }
    QString writeDat(const QString& name, const QByteArray& bytes) const {
        QFile file(dir.file(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }
};

TEST_F(EditCommandsTest, RowCommandsMoveChannelsTheOtherEditorsFollowAndUndoRedoWalkEveryStep) {
    frame->workspace().open(config::EditorKind::FunctionSetup);
    auto* mrChannel = frame->findChild<QComboBox*>(QStringLiteral("mrChannel"));
    ASSERT_TRUE(mrChannel);
    frame->workspace().open(config::EditorKind::Channel);
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
    EXPECT_TRUE(prompts.messages.last().contains(QStringLiteral("line 3: refused: Frequency 446.52 MHz")));

    trigger("actionUndo");
    EXPECT_EQ(state.image, before) << diff(before, state.image);
    EXPECT_EQ(channelView()->grid()->text(11, channels::kColRx), "");
}

// Channels copied in the program come back whole: every field of the record, also those CSV
// has no column for, and the scan-skip bit. The clipboard holds the CSV text beside them.
TEST_F(EditCommandsTest, CopyAndPasteOfRowsKeepEveryField) {
    channels::ChannelRecord zero(state.image, kFirstSlot);
    zero.setSignallingType(1);  // DTMF, code "M3"
    zero.setDtmfCode(2);
    zero.setBusyLock(1);
    zero.setScrambler(2);
    zero.setCompander(true);
    zero.setTalkAround(true);
    zero.setDtmfPttId(3);
    state.image.setU8(image::Addr(zero.address() + 0x1E), 0x77);  // a byte no editor shows
    channels::setScanSkip(state.image, kFirstSlot, true);
    frame->workspace().reloadAll();
    const auto record = [&](int slot) {
        const auto bytes = state.image.bytes(channels::recordAddress(slot), channels::record::kSize);
        return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    };
    clickLabel(0);
    trigger("actionCopy");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("Location,Name,Frequency,")));
    clickLabel(5);
    trigger("actionPaste");
    EXPECT_EQ(record(6), record(1));
    EXPECT_TRUE(channels::scanSkip(state.image, 6));
}

TEST_F(EditCommandsTest, UndoTakesBackAFormEditorsChangeAcrossEditors) {
    frame->workspace().open(config::EditorKind::FunctionSetup);
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

    // An edit the editor stores as it closes is the user's change too, not a correction.
    mrChannel->setCurrentIndex(mrChannel->findText("4"));
    frame->workspace().frame(config::EditorKind::FunctionSetup)->close();
    QApplication::processEvents();
    EXPECT_EQ(state.image.u8(kChannelReferences[0]), 4);
    EXPECT_TRUE(marked());
    trigger("actionUndo");
    EXPECT_EQ(state.image.u8(kChannelReferences[0]), 5);
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

// Values the editors correct when they are left are corrected as they always were, and the
// status bar says what happened; a value taken as typed says nothing.
TEST_F(EditCommandsTest, EveryCorrectionOfATypedValueIsToldInTheStatusBar) {
    const QStatusBar* status = frame->statusBar();
    grid::GridView* grid = channelView()->grid();
    typeInCell(21, channels::kColRx, "999");
    EXPECT_EQ(grid->text(21, channels::kColRx), "136.00000");
    EXPECT_EQ(status->currentMessage(), "RX 999 lies outside 136-174 MHz: set to 136.00000");
    typeInCell(21, channels::kColTx, "146.0013");
    EXPECT_EQ(status->currentMessage(), "TX 146.0013 lies between the 2.5 and 6.25 kHz steps: set to 146.00000");
    frame->statusBar()->clearMessage();
    typeInCell(22, channels::kColRx, "146.52");
    typeInCell(22, channels::kColTx, "147.125");
    EXPECT_EQ(status->currentMessage(), "") << "values taken as typed";

    channelView()->setEditDialogRunner([](channels::CChannelEditDialog& dialog) {
        auto* rx = dialog.findChild<QLineEdit*>("rxFrequency");
        rx->setText("180");
        QTest::keyClick(rx, Qt::Key_Return);
        dialog.close();
    });
    channelView()->findChild<QPushButton*>("edit")->click();
    EXPECT_EQ(grid->text(22, channels::kColRx), "136.00000");
    EXPECT_EQ(status->currentMessage(), "RX 180 lies outside 136-174 MHz: set to 136.00000");

    frame->openEditor(config::EditorKind::TwoTone);
    auto* twoTone = static_cast<signalling::CT2View*>(frame->workspace().frame(config::EditorKind::TwoTone)->view());
    typeInCell(twoTone->encodePage()->grid(), 3, 1, "5000");
    EXPECT_EQ(twoTone->encodePage()->grid()->text(3, 1), "3116.0");
    EXPECT_EQ(status->currentMessage(), "1st Tone Frequency 5000 lies outside 288.0-3116.0 Hz: set to 3116.0");
    twoTone->tabs()->setCurrentIndex(1);
    auto* toneA = twoTone->findChild<QLineEdit*>("toneA");
    toneA->setFocus();
    toneA->selectAll();
    QTest::keyClicks(toneA, "5000");
    QTest::keyClick(toneA, Qt::Key_Return);
    EXPECT_EQ(toneA->text(), "288.0");
    EXPECT_EQ(status->currentMessage(), "ATone Frequency 5000 lies outside 288.0-3116.0 Hz: set to 288.0");

    // A value still being typed when the toolbar saves is left first, and told too.
    frame->openEditor(config::EditorKind::FunctionSetup);
    auto* scramble = frame->findChild<QLineEdit*>("scrambleFrequency");
    scramble->setFocus();
    scramble->selectAll();
    QTest::keyClicks(scramble, "5000");
    frame->workspace().storeAll();
    EXPECT_EQ(scramble->text(), "3300");
    EXPECT_EQ(status->currentMessage(), "Scramble Frequency 5000 lies outside 2600-4000 Hz: set to 3300");
}

TEST_F(EditCommandsTest, UndoAndRedoNameTheStepTheyTake) {
    const auto names = [&] { return QStringList({action("actionUndo")->text(), action("actionRedo")->text()}); };
    EXPECT_EQ(names(), QStringList({"&Undo", "&Redo"}));
    clickLabel(2);
    trigger("actionMoveDown");
    EXPECT_EQ(names(), QStringList({"&Undo Move Down", "&Redo"}));
    typeInCell(5, channels::kColName, "x");
    EXPECT_EQ(names(), QStringList({"&Undo Edit", "&Redo"}));
    trigger("actionUndo");
    EXPECT_EQ(names(), QStringList({"&Undo Move Down", "&Redo Edit"}));
    changeBand(400, 490, 400, 490);
    EXPECT_EQ(names(), QStringList({"&Undo Model", "&Redo"}));
    trigger("actionUndo");
    EXPECT_EQ(names(), QStringList({"&Undo Move Down", "&Redo Model"}));

    // A choice in a form editor is stored when the Edit menu opens, so Undo names it.
    frame->openEditor(config::EditorKind::FunctionSetup);
    auto* mrChannel = frame->findChild<QComboBox*>(QStringLiteral("mrChannel"));
    mrChannel->setCurrentIndex(mrChannel->findText("5"));
    emit frame->findChild<QMenu*>("menuEdit")->aboutToShow();
    EXPECT_EQ(names(), QStringList({"&Undo Edit", "&Redo"}));
}

} // namespace

namespace {

// A file that the channel list corrects on its first store: channel 1's TX above the
// transmit band, and "PA" holding bytes the list does not keep.
image::RadioImage fileTheListCorrects(image::RadioImage img) {
    channels::ChannelRecord(img, 2).writeRxTx(image::Freq10Hz(14510000), image::Freq10Hz(18000000));
    const image::Addr pa = channels::recordAddress(channels::kSlotPA);
    for (int i = 0; i < channels::record::kSize; ++i) img.setU8(image::Addr(pa + i), std::uint8_t(0x5A + 37 * i));
    channels::ChannelRecord(img, channels::kSlotPA).setRx(image::Freq10Hz(14600000));
    channels::setUsageBit(img, channels::kSlotPA, false);
    return img;
}

// Commands as the user gives them, checked against a model of the history they make: Undo
// gives back the configuration before the command it takes back and Redo the one after it,
// image and band limits byte for byte; Undo and Redo are offered exactly when there is such
// a step; "*" shows exactly while the configuration differs from the one at the start.
class HistoryCheck {
public:
    explicit HistoryCheck(EditCommandsTest& test) : m_test(test), m_states{test.now()} {}

    void run(const std::function<void()>& command) {
        command();
        if (!(m_test.now() == m_states[m_at])) {
            m_states.resize(m_at + 1);
            m_states.push_back(m_test.now());
            ++m_at;
        }
        check();
    }
    void undo() {
        m_test.frame->undo();  // as its key does, also with nothing to undo
        if (m_at > 0) --m_at;
        check();
    }
    void redo() {
        m_test.frame->redo();
        if (m_at + 1 < m_states.size()) ++m_at;
        check();
    }
    void walkBackAndForth() {
        while (m_at > 0) undo();
        while (m_at + 1 < m_states.size()) redo();
    }

private:
    void check() const {
        ASSERT_TRUE(m_test.now() == m_states[m_at]) << "step " << m_at << "\n"
                                                    << m_test.diff(m_states[m_at].image, m_test.state.image);
        EXPECT_EQ(m_test.action("actionUndo")->isEnabled(), m_at > 0);
        EXPECT_EQ(m_test.action("actionRedo")->isEnabled(), m_at + 1 < m_states.size());
        EXPECT_EQ(m_test.marked(), !(m_states[m_at] == m_states[0]));
    }

    EditCommandsTest& m_test;
    std::vector<app::ConfigSnapshot> m_states;  // after each step, the start first
    std::size_t m_at = 0;
};

TEST_F(EditCommandsTest, UndoTakesBackABandChangeAndRedoBringsItBack) {
    HistoryCheck history(*this);
    history.run([&] { changeBand(400, 490, 400, 490); });
    EXPECT_EQ(channelView()->grid()->text(1, channels::kColRx), "400.00000");
    history.undo();
    EXPECT_EQ(channelView()->grid()->text(1, channels::kColRx), "145.00000");
    history.undo();
    history.redo();
}

TEST_F(EditCommandsTest, RedoSurvivesUndoingToTheStartOfAFileTheListCorrects) {
    const image::RadioImage file = fileTheListCorrects(state.image);
    frame->openPath(writeDat("corrected.dat", file));
    ASSERT_NE(state.image, file) << "the list corrected the file when it loaded";
    HistoryCheck history(*this);
    clickLabel(1);
    history.run([&] { trigger("actionMoveDown"); });
    history.undo();
    history.undo();
    history.redo();
}

// A "TX off" channel whose RX lies outside the transmit band: the paste or import writes
// TX = RX, the list corrects it into the band.
TEST_F(EditCommandsTest, UndoPassesAPastedOrImportedChannelTheListCorrects) {
    image::RadioImage img = state.image;
    image::encodeBandLimits(image::bandLimitsFromMHz(216, 280, 220, 260), img);
    for (int n = 0; n < 6; ++n)
        channels::ChannelRecord(img, n + kFirstSlot).writeRxTx(image::Freq10Hz(22500000), image::Freq10Hz(22500000));
    frame->openPath(writeDat("band.dat", img));
    const QString row = QStringLiteral("Location,Frequency,Duplex,Offset\n0,217.000000,off,0.000000\n");
    prompts.openNames = {writeDat("row.csv", row.toLatin1())};
    frame->setCsvImportConfirmer([](const QString&, const shell::CMainFrame::CsvPlanner& planner) {
        return std::optional(planner(channels::csv::Placement::AtLocation));
    });
    HistoryCheck history(*this);
    history.run([&] {
        QGuiApplication::clipboard()->setText(row);
        clickLabel(10);
        trigger("actionPaste");
    });
    history.run([&] { trigger("actionImportCsv"); });
    EXPECT_EQ(channelView()->grid()->text(1, channels::kColRx), "217.00000");
    history.run([&] { typeInCell(3, channels::kColName, "x"); });
    history.walkBackAndForth();
}

// Random command sequences, each from a file the channel list corrects when it loads.
TEST_F(EditCommandsTest, UndoAndRedoAreExactInversesOverRandomCommands) {
    std::mt19937 random(19);
    const auto pick = [&](int count) { return int(random() % unsigned(count)); };
    constexpr std::array kRowCommands{"actionMoveUp", "actionMoveDown", "actionDelete",  "actionInsertRow",
                                      "actionDeleteRow", "actionSortByRx", "actionCut", "actionCopy", "actionPaste"};
    for (int round = 0; round < 3; ++round) {
        image::RadioImage file = fileTheListCorrects(state.image);
        for (int n = 0; n < 6; ++n) {  // more TX above the band
            const int slot = kFirstSlot + pick(12);
            channels::ChannelRecord(file, slot).writeRxTx(image::Freq10Hz(14400000 + 12500 * pick(100)),
                                                          image::Freq10Hz(17500000 + 12500 * pick(100)));
            channels::setUsageBit(file, slot, false);
        }
        frame->openPath(writeDat(QStringLiteral("random%1.dat").arg(round), file));
        HistoryCheck history(*this);
        for (int command = 0; command < 30; ++command) {
            SCOPED_TRACE(testing::Message() << "round " << round << ", command " << command);
            switch (pick(6)) {
            case 0: history.undo(); break;
            case 1: history.redo(); break;
            case 2:
                clickLabel(pick(14));
                if (pick(2)) clickLabel(pick(14), Qt::ShiftModifier);
                history.run([&] { trigger(kRowCommands[std::size_t(pick(int(kRowCommands.size())))]); });
                break;
            case 3: {
                const QString rx = QStringLiteral("1%1.125").arg(40 + pick(40));  // in the band or not
                history.run([&] { typeInCell(1 + pick(14), channels::kColRx, rx); });
                break;
            }
            case 4: history.run([&] { typeInCell(1 + pick(14), channels::kColName, QString::number(pick(100))); }); break;
            default: history.run([&] { pick(2) ? changeBand(136, 174, 136, 174) : changeBand(130, 176, 130, 176); });
            }
        }
        history.walkBackAndForth();
    }
}

// Reading a radio whose memory is erased, then looking at every editor without changing
// anything, is no change: the editors' corrections of the bytes they load are not the user's.
TEST_F(EditCommandsTest, LookingAtABlankRadioInEveryEditorIsNoChange) {
    link.radio.memory().fill(0x0000, image::RadioImage::kSize, 0xFF);
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<shell::TransferDialog*>(QApplication::activeModalWidget()))
            dialog->findChild<QPushButton*>("startButton")->click();
    });
    frame->readFromRadio();
    ASSERT_TRUE(state.image.allBytesAre(0x3F00, 0x10, 0xFF)) << "the blank radio was read";
    EXPECT_FALSE(marked());
    for (const config::Editor& info : config::kEditors) {
        frame->openEditor(info.kind);
        EXPECT_FALSE(marked()) << info.windowTitle;
    }
    for (const config::Editor& info : config::kEditors) frame->openEditor(info.kind);
    EXPECT_FALSE(frame->hasUnsavedChanges());
    trigger("actionNew");  // answered No
    EXPECT_EQ(prompts.questions, QStringList({"Warnning: All data will be cleared"}));
}

} // namespace
