// SPDX-License-Identifier: GPL-3.0-or-later
// The 2Tone editor as a user drives it (typing into the list and the tone fields, choosing a
// call format, switching pages, saving), checked on the controls and on the image bytes.

#include "channels/channel_edit_dialog.h"
#include "channels/channel_edit_rules.h"
#include "default_image.h"
#include "grid/grid_view.h"
#include "shell/editor_kinds.h"
#include "shell/help_window.h"
#include "signalling/two_tone_codes.h"
#include "signalling/two_tone_pages.h"
#include "signalling/two_tone_view.h"
#include "tests/channels/image_diff.h"
#include "tests/channels/channel_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace signalling;
using namespace signalling::twotone;
using image::Addr;
using testing_support::imageDiff;
using testing_support::joinLines;

struct TwoToneEditor : ::testing::Test {
    channels_test::Env env;
    std::unique_ptr<CT2View> view;

    image::RadioImage& img() { return env.state.image; }
    grid::GridView* list() { return view->encodePage()->grid(); }

    void open() {
        view = std::make_unique<CT2View>(env.editorEnv());
        view->resize(1000, 700);
        view->show();
        view->LoadFromImage();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }
    void showPage(int tab) { view->tabs()->setCurrentIndex(tab); }

    template <typename T> T* child(const char* name) {
        T* found = view->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Types over the whole field and leaves it with Tab.
    void type(const char* field, const QString& text) {
        QLineEdit* edit = child<QLineEdit>(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
    }
    void choose(const char* name, const QString& entry) {
        QComboBox* box = child<QComboBox>(name);
        const int index = box->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    // Clicks the cell, types over its text and presses Enter.
    void typeCell(int row, int column, const QString& text) {
        list()->setFocus();
        list()->setCurrentCell(row, column);
        QTest::keyClick(list(), Qt::Key_Return);
        QWidget* editor = list()->activeEditor();
        ASSERT_NE(editor, nullptr);
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }
    QStringList row(int row) {
        return {list()->text(row, 1), list()->text(row, 2), list()->text(row, 3)};
    }
    QByteArray bytes(Addr at, int length) {
        const auto span = img().bytes(at, length);
        return QByteArray(reinterpret_cast<const char*>(span.data()), length);
    }
};

TEST(TwoToneCodes, ToneTextsAndDividers) {
    const std::pair<const char*, const char*> decodeFields[] = {
        {"1000", "1000.0"}, {"100", "288.0"}, {"4000", "288.0"}, {"", "288.0"},    {"288", "288.0"},
        {"3116", "3116.0"}, {"3116.1", "288.0"}, {"999999", "288.0"}, {"1.2.3", "288.0"}};
    for (const auto& [typed, shown] : decodeFields)
        EXPECT_EQ(checkedDecodeToneText(QString::fromLatin1(typed)), shown) << typed;
    const std::pair<const char*, const char*> listCells[] = {
        {"5000", "3116.0"}, {"100", "288.0"}, {"0", ""}, {"", ""}, {".", ""}, {"1000.05", "1000.0"},
        {"999999", "3116.0"}, {"1500.5.5", "1500.5"}};
    for (const auto& [typed, shown] : listCells) EXPECT_EQ(listToneText(QString::fromLatin1(typed)), shown) << typed;
    EXPECT_EQ(divider(kListClock, 10000), 600);
    EXPECT_EQ(divider(kCallClock, 10000), 480);
    EXPECT_EQ(divider(kListClock, kToneMin), 2083);
    EXPECT_EQ(divider(kListClock, kToneMax), 192);
    EXPECT_EQ(divider(kCallClock, 0), 0);
}

TEST_F(TwoToneEditor, ACodeTypedIntoTheListIsStoredWithDividersAndOffered) {
    channels::ChannelRecord channel = channels_test::putChannel(img(), 1, "146.52000", "146.52000");
    channel.setSignallingType(channels::kSignallingTwoTone);
    img().setU8(Addr(entryAddress(3) + 0x0F), 0x5A);
    open();
    typeCell(4, 3, "5000");  // an empty row edits its first tone
    EXPECT_EQ(row(4), (QStringList{"3116.0", "3116.0", ""}));
    typeCell(4, 2, "1500");
    typeCell(4, 1, "1000");
    typeCell(4, 3, "ab cd   ");
    EXPECT_EQ(row(4), (QStringList{"1000.0", "1500.0", "AB CD"}));
    typeCell(4, 1, "10.00.5");  // read by its leading number: the name stays
    EXPECT_EQ(row(4), (QStringList{"288.0", "1500.0", "AB CD"}));
    typeCell(4, 1, "1000");
    typeCell(5, 1, "307.2");   // low byte of 3072 is 0x00: listed but not offered to channels
    view->StoreToImage();

    EXPECT_EQ(bytes(entryAddress(3), 16).toHex(' '), "58 02 90 01 10 27 98 3a 41 42 20 43 44 20 20 5a");
    EXPECT_EQ(bytes(entryAddress(4), 8).toHex(' '), "a1 07 a1 07 00 0c 00 0c");
    EXPECT_EQ(bytes(kFreeMap, 4).toHex(' '), "f7 ff ff ff");
    {
        channels::CChannelEditDialog dialog(env.editorEnv(), 1);
        const auto* codes = dialog.findChild<QComboBox*>("signallingCode");
        EXPECT_EQ(codes->count(), 1);
        EXPECT_EQ(codes->itemText(0), "3");
    }

    typeCell(4, 1, "");  // clearing the first tone clears the row
    EXPECT_EQ(row(4), (QStringList{"", "", ""}));
    view->StoreToImage();
    EXPECT_EQ(bytes(entryAddress(3), 16).toHex(' '), "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 5a");
}

TEST_F(TwoToneEditor, DecodeTonesCallFormatAndTheirWords) {
    open();
    showPage(1);
    EXPECT_EQ(child<QLineEdit>("toneA")->text(), "288.0");  // a stored 0 is out of range
    EXPECT_FALSE(child<QLineEdit>("toneD")->isEnabled());
    choose("callFormat", "B-D");
    type("toneB", "1000");
    type("toneD", "2000");
    EXPECT_EQ(child<QLineEdit>("toneB")->text(), "1000.0");
    view->StoreToImage();
    EXPECT_EQ(bytes(kDecodeToneA, 8).toHex(' '), "0b 40 27 10 0b 40 4e 20");
    EXPECT_EQ(bytes(kCallTone1, 8).toHex(' '), "10 27 20 4e e0 01 f0 00");

    choose("callFormat", "Long C");
    EXPECT_FALSE(child<QLineEdit>("toneA")->isEnabled());
    EXPECT_TRUE(child<QLineEdit>("toneC")->isEnabled());
    EXPECT_FALSE(child<QLineEdit>("toneD")->isEnabled());
    // An emptied field still being edited when Save is pressed stores 288.0 Hz.
    QLineEdit* c = child<QLineEdit>("toneC");
    c->setFocus();
    c->clear();
    view->StoreToImage();
    EXPECT_EQ(c->text(), "288.0");
    EXPECT_EQ(img().u8(kCallFormat), 14);
    EXPECT_EQ(bytes(kCallTone1, 8).toHex(' '), "40 0b 00 00 82 06 00 00");
}

TEST_F(TwoToneEditor, TimingListsAndIndexesPastTheirListsThatWereNotTouched) {
    img().setU8(kGapTime, 7);
    img().setU8(kTone1Duration, 3);  // 0.3 s is not offered: the first entry shows
    img().setU8(kCallFormat, 0x20);
    img().setU8(kDecodeResponse, 0x07);
    img().setU16le(kCallTone1, 0x1234);
    open();
    EXPECT_EQ(child<QComboBox>("gapTime")->currentText(), "700");
    EXPECT_EQ(child<QComboBox>("tone1Duration")->currentText(), "0.5");
    choose("gapTime", "1200");
    view->StoreToImage();
    EXPECT_EQ(img().u8(kGapTime), 12);
    EXPECT_EQ(img().u8(kTone1Duration), 5);
    showPage(1);
    EXPECT_EQ(child<QComboBox>("callFormat")->currentIndex(), -1);
    view->StoreToImage();
    EXPECT_EQ(img().u8(kCallFormat), 0x20);
    EXPECT_EQ(img().u8(kDecodeResponse), 0x07);
    EXPECT_EQ(img().u16le(kCallTone1), 0x1234);
}

// A page loads when it is shown and only the page on screen stores, so a page that was
// hidden while the image changed (a file opened, a radio read) never writes old values back.
TEST_F(TwoToneEditor, AHiddenPageNeverOverwritesNewerData) {
    open();
    showPage(1);
    type("toneA", "1000");
    showPage(0);  // leaving the page stores it
    EXPECT_EQ(img().u16be(kDecodeToneA), 10000);
    img().setU16be(kDecodeToneA, 20000);  // as a file opened now would
    view->LoadFromImage();
    view->StoreToImage();
    EXPECT_EQ(img().u16be(kDecodeToneA), 20000);
    showPage(1);
    EXPECT_EQ(child<QLineEdit>("toneA")->text(), "2000.0");
}

bool ownByte(unsigned at) {
    if (at >= kCallTone1 && at <= 0x0317) return true;
    if (at >= kFreeMap && at < kFreeMap + 4) return true;
    const unsigned first = entryAddress(0);
    const unsigned end = entryAddress(kEntries);
    return at >= first && at < end && (at - first) % 16 != 0x0F;
}

TEST_F(TwoToneEditor, LoadThenStoreChangesOnlyItsOwnBytesAndASecondRoundNothing) {
    std::mt19937 random(4711);
    open();
    for (int round = 0; round < 20; ++round) {
        for (std::uint8_t& byte : img().all()) byte = std::uint8_t(random());
        if (round % 2) img().setU8(kCallFormat, std::uint8_t(random() % 16));
        for (int tab : {0, 1}) {
            showPage(tab);
            const image::RadioImage before = img();
            view->LoadFromImage();
            view->StoreToImage();
            EXPECT_EQ(joinLines(imageDiff(before, img(), [](unsigned at, int) { return ownByte(at); })), "");
            const image::RadioImage once = img();
            view->LoadFromImage();
            view->StoreToImage();
            EXPECT_EQ(joinLines(imageDiff(once, img())), "") << "round " << round << " page " << tab;
        }
    }
}

TEST_F(TwoToneEditor, TheDeliveredDefaultsLoadWithoutCorrection) {
    img() = defaultdat::defaultImage();
    const image::RadioImage delivered = img();
    open();
    EXPECT_EQ(child<QComboBox>("tone2Duration")->currentText(), "3.0");
    EXPECT_EQ(child<QComboBox>("autoResetTime")->currentText(), "10.0");
    view->StoreToImage();
    showPage(1);
    EXPECT_EQ(child<QLineEdit>("toneD")->text(), "2500.0");
    EXPECT_EQ(child<QComboBox>("callFormat")->currentText(), "A-B");
    view->StoreToImage();
    EXPECT_EQ(joinLines(imageDiff(delivered, img())), "");
}

TEST_F(TwoToneEditor, IsRegisteredAndOpensItsHelpPage) {
    EXPECT_TRUE(shell::programEditors().has(config::EditorKind::TwoTone));
    open();
    QTest::keyClick(view.get(), Qt::Key_F1);
    ASSERT_EQ(env.help.contexts.size(), 1u);
    EXPECT_TRUE(shell::helpPageUrl(env.help.contexts[0]).toString().endsWith("two-tone.html"));
}

} // namespace
