// SPDX-License-Identifier: GPL-3.0-or-later
// The Channel Edit dialog as a user drives it: typing, tabbing, choosing entries, clicking
// checks and the up-down arrows, closing; then the controls and the bytes of the record.

#include "channel_fixture.h"
#include "channels/channel_edit_dialog.h"
#include "tests/channels/image_diff.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace channels_test {
namespace {

using namespace channels;
using testing_support::imageDiff;
using testing_support::joinLines;

QStringList entries(const QComboBox* box) {
    QStringList list;
    for (int i = 0; i < box->count(); ++i) list.append(box->itemText(i));
    return list;
}

struct EditDialog : ::testing::Test {
    Env env;
    std::unique_ptr<CChannelEditDialog> dialog;

    RadioImage& img() { return env.state.image; }

    void open(int slot) {
        dialog = std::make_unique<CChannelEditDialog>(env.editorEnv(), slot);
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    template <typename T> T* child(const char* name) {
        T* found = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* edit(const char* name) { return child<QLineEdit>(name); }
    QComboBox* box(const char* name) { return child<QComboBox>(name); }
    QCheckBox* check(const char* name) { return child<QCheckBox>(name); }

    // Replaces the field's text by typing, then leaves it with Tab.
    void type(const char* name, const QString& text) {
        QLineEdit* field = edit(name);
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }

    // As a click on an entry of the open list does.
    void choose(const char* name, const QString& entry) {
        QComboBox* list = box(name);
        const int index = list->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    void click(const char* name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }
    void closeDialog() { click("close"); }
    Addr at(int slot) { return recordAddress(slot); }
};

TEST_F(EditDialog, AnEmptySlotOffersOnlyItsRxFrequency) {
    open(4);
    EXPECT_EQ(edit("channelNo")->text(), "3");
    EXPECT_TRUE(edit("rxFrequency")->isEnabled());
    EXPECT_FALSE(edit("txFrequency")->isEnabled());
    EXPECT_FALSE(box("step")->isEnabled());
    EXPECT_FALSE(check("talkAround")->isEnabled());
    EXPECT_EQ(box("power")->currentIndex(), -1);
    EXPECT_FALSE(box("decodeValue")->isVisible());
    EXPECT_FALSE(box("signallingCode")->isVisible());
}

TEST_F(EditDialog, TypingAnRxCreatesTheChannelWithTheDefaults) {
    open(4);
    type("rxFrequency", "146.52");
    EXPECT_EQ(edit("txFrequency")->text(), "146.52000");
    EXPECT_TRUE(box("step")->isEnabled());
    EXPECT_EQ(box("step")->currentText(), "12.5");
    EXPECT_EQ(box("spacing")->currentText(), "25");
    EXPECT_EQ(box("decodeType")->currentText(), "Off");
    EXPECT_EQ(entries(box("squelchMode")), QStringList{"Carrier"});
    closeDialog();

    std::vector<std::uint8_t> expected = clearedRecord();
    const std::uint8_t frequency[] = {0x01, 0x46, 0x52, 0x00, 0x00, 0x00, 0x00, 0x00};
    std::copy(std::begin(frequency), std::end(frequency), expected.begin());
    EXPECT_EQ(recordBytes(img(), 4), expected);
    EXPECT_FALSE(usageBit(img(), 4));
}

TEST_F(EditDialog, ChecksAndPttIdsExcludeEachOther) {
    putChannel(img(), 1, "146.52000", "146.52000").setFiveTonePttId(2);
    open(1);
    click("reverse");
    click("talkAround");
    EXPECT_FALSE(check("reverse")->isChecked());
    click("reverse");
    EXPECT_FALSE(check("talkAround")->isChecked());

    EXPECT_EQ(box("fiveTonePttId")->currentText(), "End");
    choose("dtmfPttId", "Begin");
    EXPECT_EQ(box("fiveTonePttId")->currentText(), "Off");
    closeDialog();
    EXPECT_EQ(img().u8(Addr(at(1) + 0x1C)), 0x01);
    EXPECT_EQ(img().u8(Addr(at(1) + 0x0A)) & 0xC0, 0x00);
    EXPECT_EQ(img().u8(Addr(at(1) + 0x09)) & 0x02, 0x02);
}

TEST_F(EditDialog, ASquelchModeTheSelectionsDoNotAllowFallsBackToCarrier) {
    putChannel(img(), 2, "146.52000", "146.52000").setSquelchMode(1);
    open(2);
    EXPECT_EQ(entries(box("squelchMode")), QStringList{"Carrier"});
    closeDialog();
    EXPECT_EQ(img().u8(Addr(at(2) + 0x1D)), 0);
}

TEST_F(EditDialog, DcsDecodeWithItsReverse) {
    putChannel(img(), 3, "146.52000", "146.52000");
    open(3);
    choose("decodeType", "DCS");
    EXPECT_TRUE(box("decodeValue")->isVisible());
    EXPECT_TRUE(check("decodeReverse")->isVisible());
    EXPECT_FALSE(check("encodeReverse")->isVisible());
    EXPECT_EQ(box("decodeValue")->count(), 512);
    EXPECT_EQ(entries(box("squelchMode")), (QStringList{"Carrier", "CTCSS/DCS"}));
    choose("decodeValue", "777");
    click("decodeReverse");
    closeDialog();
    EXPECT_EQ(img().u8(Addr(at(3) + 0x0F)), 0xFF);
    EXPECT_EQ(img().u8(Addr(at(3) + 0x0A)) & 0x30, 0x30);
    EXPECT_EQ(img().u8(Addr(at(3) + 0x0B)) & 0x0C, 0x08);
}

TEST_F(EditDialog, SignallingCodeAndSquelchMode) {
    putChannel(img(), 3, "146.52000", "146.52000");
    open(3);
    choose("encodeType", "CTCSS");
    EXPECT_EQ(box("encodeValue")->count(), 51);
    choose("signallingType", "DTMF");
    EXPECT_EQ(box("signallingCode")->currentText(), "M1");
    choose("signallingCode", "M16");
    choose("squelchMode", "CTCSS/DCS Or Option Signal");
    closeDialog();
    EXPECT_EQ(img().u8(Addr(at(3) + 0x1D)), 4);
    EXPECT_EQ(img().u8(Addr(at(3) + 0x0B)), 0xF1);
    EXPECT_EQ(img().u8(Addr(at(3) + 0x11)), 15);
    EXPECT_EQ(img().u8(Addr(at(3) + 0x10)), 1);
}

TEST_F(EditDialog, TwoToneCodesAreTheEntriesInUse) {
    img().setMapBit(image::map::kTwoToneFreeMap, 2, false);
    img().setMapBit(image::map::kTwoToneFreeMap, 7, false);
    ChannelRecord record = putChannel(img(), 3, "146.52000", "146.52000");
    record.setSignallingType(2);
    record.setSignallingCode(7);
    open(3);
    EXPECT_EQ(entries(box("signallingCode")), (QStringList{"2", "7"}));
    EXPECT_EQ(box("signallingCode")->currentText(), "7");
    choose("signallingType", "5Tone");
    EXPECT_TRUE(box("signallingCode")->isVisible());
    EXPECT_EQ(box("signallingCode")->count(), 0);
    EXPECT_EQ(entries(box("squelchMode")), (QStringList{"Carrier", "Optional Signaling"}));
}

TEST_F(EditDialog, ACodeListWithNoEntryInUseStoresCodeZero) {
    // No 2Tone or 5Tone entry is in use in the blank image, so both code lists come up empty.
    ChannelRecord first = putChannel(img(), 3, "146.52000", "146.52000");
    first.setSignallingType(1);
    first.setSignallingCode(9);
    ChannelRecord second = putChannel(img(), 4, "146.52000", "146.52000");
    second.setFiveToneCode(42);
    open(3);
    choose("signallingType", "2Tone");
    EXPECT_EQ(box("signallingCode")->count(), 0);
    click("slotUp");
    EXPECT_EQ(img().u8(Addr(at(3) + 0x10)), 2);
    EXPECT_EQ(img().u8(Addr(at(3) + 0x11)), 0);
    choose("signallingType", "5Tone");
    closeDialog();
    EXPECT_EQ(img().u8(Addr(at(4) + 0x10)), 3);
    EXPECT_EQ(img().u8(Addr(at(4) + 0x12)), 0);
}

TEST_F(EditDialog, EmptyingTheRxAndSteppingOnClearsTheChannel) {
    putChannel(img(), 5, "146.52000", "146.52000");
    open(5);
    type("rxFrequency", "");
    EXPECT_FALSE(box("step")->isEnabled());
    click("slotUp");
    EXPECT_EQ(edit("channelNo")->text(), "5");
    EXPECT_EQ(recordBytes(img(), 5), clearedRecord());
    EXPECT_TRUE(usageBit(img(), 5));
}

TEST_F(EditDialog, StepsWrapBetweenVfoAndTheFirstChannel) {
    open(kSlotVFO);
    click("slotUp");
    EXPECT_EQ(edit("channelNo")->text(), "0");
    EXPECT_EQ(dialog->currentSlot(), 1);
    click("slotDown");
    EXPECT_EQ(edit("channelNo")->text(), "VFO");
    type("channelNo", "30x0");
    EXPECT_EQ(edit("channelNo")->text(), "VFO");  // 300 is past the last slot
    type("channelNo", "12");
    EXPECT_EQ(dialog->currentSlot(), 13);
}

// "NO." once took any number of digits: 99999999999 and Up overflowed a signed int.
TEST_F(EditDialog, TheSlotFieldTakesOnlyALabelsLength) {
    open(3);
    QLineEdit* no = edit("channelNo");
    no->setFocus();
    no->selectAll();
    QTest::keyClicks(no, "99999999999");
    EXPECT_EQ(no->text(), "999");
    QTest::keyClick(no, Qt::Key_Up);  // slot 1000 is past the last: Up lands on the first
    EXPECT_EQ(dialog->currentSlot(), 1);
    EXPECT_EQ(no->text(), "0");
}

TEST_F(EditDialog, AHiddenChannelLoadsAndClosingMarksItInUse) {
    putChannel(img(), 6, "146.52000", "146.52000");
    setUsageBit(img(), 6, true);
    open(6);
    EXPECT_EQ(edit("rxFrequency")->text(), "146.52000");
    dialog->close();  // the window's own close button
    EXPECT_FALSE(usageBit(img(), 6));
}

TEST_F(EditDialog, TheVfoKeepsItsRx) {
    putChannel(img(), kSlotVFO, "146.52000", "146.52000");
    open(kSlotVFO);
    type("rxFrequency", "");
    EXPECT_EQ(env.prompts.messages, QStringList{"VFO can`t be null!"});
    EXPECT_EQ(edit("rxFrequency")->text(), "146.52000");
}

TEST_F(EditDialog, TxEntriesAreRoundedAndAnEmptiedOneIsPutBack) {
    putChannel(img(), 7, "146.52000", "146.00000");
    open(7);
    type("txFrequency", "180.0013");
    EXPECT_EQ(edit("txFrequency")->text(), "180.00000");  // no band test in the dialog
    type("txFrequency", "");
    EXPECT_EQ(edit("txFrequency")->text(), "180.00000");
}

TEST_F(EditDialog, EnterCommitsOnlyTheRxAndNeitherKeyCloses) {
    putChannel(img(), 7, "146.52000", "146.52000");
    open(7);
    QLineEdit* rx = edit("rxFrequency");
    rx->setFocus();
    rx->selectAll();
    QTest::keyClicks(rx, "180x");
    QTest::keyClick(rx, Qt::Key_Return);
    EXPECT_EQ(rx->text(), "136.00000");  // out of the receive band
    QTest::keyClick(rx, Qt::Key_Escape);
    QTest::keyClick(edit("channelName"), Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(rx, Qt::Key_F1);
    EXPECT_EQ(env.help.contexts, std::vector<int>{0x8017});
}

TEST_F(EditDialog, AnEditStillBeingTypedIsCommittedOnClose) {
    open(8);
    QLineEdit* rx = edit("rxFrequency");
    rx->setFocus();
    QTest::keyClicks(rx, "145.0013");
    dialog.reset();  // destroyed without any focus change
    EXPECT_EQ(ChannelRecordView(img(), 8).rx(), mhz("145"));
    EXPECT_EQ(ChannelRecordView(img(), 8).txFrequency(), mhz("145"));
    EXPECT_EQ(img().u8(Addr(recordAddress(8) + 0x08)), 5);
}

TEST_F(EditDialog, OpeningAndClosingChangesNothingTheUserDidNotTouch) {
    ChannelRecord record = putChannel(img(), 9, "145.50000", "145.00000");
    record.setStep(12);
    record.setPower(3);
    record.setToneType(ToneSide::Decode, 3);
    record.setToneType(ToneSide::Encode, kToneTypeCtcss);
    record.setCtcss(ToneSide::Encode, 60);
    record.setBusyLock(7);
    record.setName(u"Low");
    img().setU8(Addr(record.address() + 0x09), 0xC0);
    img().setU8(Addr(record.address() + 0x1C), 0xCC);
    img().setU8(Addr(record.address() + 0x1E), 0x5A);
    const RadioImage before = img();
    open(9);
    EXPECT_EQ(edit("channelName")->text(), "Low");
    closeDialog();
    EXPECT_EQ(joinLines(imageDiff(before, img())), "");
}

} // namespace
} // namespace channels_test
