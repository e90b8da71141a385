// SPDX-License-Identifier: GPL-3.0-or-later
// The Emergency Information editor, driven as a user would: load an image, choose entries
// with the keyboard, store, and look at the bytes.

#include "settings/emergency_information_view.h"
#include "settings/emergency_fields.h"

#include "default_image.h"
#include "image/memory_map.h"
#include "shell/editor_kinds.h"
#include "shell/help_window.h"
#include "tests/channels/image_diff.h"
#include "tests/channels/channel_fixture.h"

#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

namespace em = settings::emergency;
using channels_test::Env;
using image::RadioImage;

void useDtmfSlot(RadioImage& img, int slot) { img.setU8(image::Addr(0x0400 + 16 * (slot - 1) + 0x0C), 3); }
void useFiveToneEntry(RadioImage& img, int entry) {
    img.setU8(image::Addr(image::map::kFiveToneList + image::map::kFiveToneEntrySize * entry + 2), 5);
}
void useChannel(RadioImage& img, int channel) { channels::setUsageBit(img, channel + 1, false); }

// The bytes of the editor, 0x03A0-0x03A9 in address order (0x03A7 skipped).
std::vector<int> fields(const RadioImage& img) {
    std::vector<int> bytes;
    for (image::Addr at : em::kOwnBytes) bytes.push_back(img.u8(at));
    return bytes;
}
bool ownByte(unsigned at, int) { return std::ranges::find(em::kOwnBytes, at) != em::kOwnBytes.end(); }
void setFields(RadioImage& img, const std::vector<int>& bytes) {
    for (std::size_t i = 0; i < em::kOwnBytes.size(); ++i) img.setU8(em::kOwnBytes[i], std::uint8_t(bytes[i]));
}

struct EmergencyEditorTest : ::testing::Test {
    Env env;
    settings::CAlarmView view{env.editorEnv()};

    QComboBox* box(const char* name) { return view.findChild<QComboBox*>(QString::fromLatin1(name)); }
    std::string shown(const char* name) { return box(name)->currentText().toStdString(); }
    // The entries of a list joined by commas.
    std::string entries(const char* name) {
        QStringList list;
        for (int i = 0; i < box(name)->count(); ++i) list.append(box(name)->itemText(i));
        return list.join(u',').toStdString();
    }
    // Moves through the list with the arrow keys, as a user picking from a closed drop-down.
    void choose(const char* name, const char* entry) {
        QComboBox* b = box(name);
        const int target = b->findText(QString::fromLatin1(entry));
        ASSERT_GE(target, 0) << entry;
        ASSERT_TRUE(b->isEnabled()) << name;
        if (b->currentIndex() == target) QTest::keyClick(b, target > 0 ? Qt::Key_Up : Qt::Key_Down);
        while (b->currentIndex() < target) QTest::keyClick(b, Qt::Key_Down);
        while (b->currentIndex() > target) QTest::keyClick(b, Qt::Key_Up);
    }
    void loadWith(const std::vector<int>& bytes) {
        setFields(env.state.image, bytes);
        view.LoadFromImage();
    }
};

TEST_F(EmergencyEditorTest, UserChoicesStoreTheirBytesAndNothingElse) {
    RadioImage& img = env.state.image;
    useDtmfSlot(img, 2);
    useDtmfSlot(img, 5);
    useChannel(img, 3);
    useChannel(img, 12);
    img.setU8(0x03A7, 0x5A);
    loadWith({0, 0, 0, 10, 10, 10, 0, 3, 0});
    EXPECT_EQ(entries("emergencyChannel"), "3,12");
    EXPECT_EQ(entries("emergencyId"), "");

    choose("alarmType", "Transpond+Alarm");
    choose("eniType", "DTMF");
    EXPECT_EQ(entries("emergencyId"), "M2,M5");
    EXPECT_EQ(shown("emergencyId"), "M2");
    choose("emergencyId", "M5");
    choose("txDuration", "30");
    choose("rxDuration", "20");
    choose("emergencyChannel", "12");
    choose("emergencyCycle", "3");
    const RadioImage before = img;
    view.StoreToImage();
    EXPECT_EQ(fields(img), std::vector<int>({2, 1, 4, 10, 30, 20, 0, 12, 3}));
    EXPECT_EQ(testing_support::joinLines(testing_support::imageDiff(before, img, ownByte)), "");

    // "None" keeps the DTMF entries on show; the shown one is what a store writes.
    choose("eniType", "None");
    EXPECT_EQ(entries("emergencyId"), "M2,M5");
    choose("emergencyCycle", "Continuous");
    view.StoreToImage();
    EXPECT_EQ(fields(img), std::vector<int>({2, 0, 1, 10, 30, 20, 0, 12, 0}));
}

// One view loads file after file, so an ID list left from the previous load would show.
TEST_F(EmergencyEditorTest, EmergencyIdShownAndStoredAcrossLoads) {
    RadioImage& img = env.state.image;
    for (int slot : {3, 5, 10}) useDtmfSlot(img, slot);
    for (int entry : {0, 1, 10, 12}) useFiveToneEntry(img, entry);
    struct Case {
        int eniType, storedId;
        const char* shown;
        int storedBack;
    };
    const Case cases[] = {
        {em::kEniDtmf, 4, "M5", 4},
        {em::kEniDtmf, 0, "M3", 2},  // slot 1 empty: the first slot in use, not "M10"
        {em::kEniFiveTone, 1, "1", 1},
        {em::kEniFiveTone, 2, "0", 0},
        {em::kEniNone, 9, "", 9},    // no list, the byte stays
        {em::kEniFiveTone, 12, "12", 12},
        {7, 33, "", 33},             // a type past the list: like "None"
    };
    for (const Case& c : cases) {
        loadWith({1, c.eniType, c.storedId, 10, 10, 10, 0, 0, 0});
        EXPECT_EQ(shown("emergencyId"), c.shown) << c.eniType << " " << c.storedId;
        view.StoreToImage();
        EXPECT_EQ(img.u8(em::kEmergencyId), c.storedBack) << c.eniType << " " << c.storedId;
        EXPECT_EQ(img.u8(em::kEniType), c.eniType);
    }
    loadWith({1, em::kEniNone, 9, 10, 10, 10, 0, 0, 0});
    EXPECT_EQ(entries("emergencyId"), "");
}

TEST_F(EmergencyEditorTest, EnableRulesFollowAlarmTypeAndSendChannel) {
    useChannel(env.state.image, 12);
    loadWith({0, 0, 0, 10, 10, 10, 0, 1, 0});  // channel 1 is empty: 12 begins with its digits
    auto enabled = [this] {
        QString on;
        for (const char* name : {"alarmTime", "eniType", "emergencyId", "txDuration", "rxDuration", "sendChannel",
                                 "emergencyChannel", "emergencyCycle"})
            on += box(name)->isEnabled() ? '1' : '0';
        return on;
    };
    EXPECT_EQ(enabled(), "10000111");
    choose("alarmType", "Both");
    EXPECT_EQ(enabled(), "01111111");
    choose("sendChannel", "Selected Channel");
    EXPECT_EQ(enabled(), "01111101");
    view.StoreToImage();
    EXPECT_EQ(env.state.image.u8(em::kEmergencyChannel), 12);  // disabled, still stored
    loadWith({0, 0, 0, 10, 10, 10, 1, 12, 0});
    EXPECT_EQ(enabled(), "10000101");
}

TEST_F(EmergencyEditorTest, OutOfRangeBytes) {
    // Index bytes past their lists stay until the user chooses; numbers the lists lack are
    // corrected to the first entry.
    loadWith({9, 7, 0, 0, 0, 0, 5, 0, 0});
    EXPECT_EQ(shown("alarmType"), "Alarm");
    EXPECT_EQ(box("eniType")->currentIndex(), -1);
    EXPECT_EQ(box("sendChannel")->currentIndex(), -1);
    EXPECT_EQ(shown("alarmTime"), "1");
    EXPECT_EQ(shown("emergencyCycle"), "Continuous");
    view.StoreToImage();
    EXPECT_EQ(fields(env.state.image), std::vector<int>({9, 7, 0, 1, 1, 1, 5, 0, 0}));

    choose("alarmType", "Alarm");
    choose("sendChannel", "Selected Channel");
    view.StoreToImage();
    EXPECT_EQ(fields(env.state.image), std::vector<int>({0, 7, 0, 1, 1, 1, 1, 0, 0}));
}

TEST(EmergencyEditorProperty, LoadThenStoreChangesOnlyItsOwnBytesAndSettles) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        Env env;
        std::mt19937 random(seed);
        for (std::uint8_t& byte : env.state.image.all()) byte = std::uint8_t(random());
        settings::CAlarmView view(env.editorEnv());
        const RadioImage original = env.state.image;
        view.LoadFromImage();
        view.StoreToImage();
        EXPECT_EQ(testing_support::joinLines(testing_support::imageDiff(original, env.state.image, ownByte)), "")
            << "seed " << seed;
        const RadioImage once = env.state.image;
        view.LoadFromImage();
        view.StoreToImage();
        EXPECT_EQ(testing_support::joinLines(testing_support::imageDiff(once, env.state.image)), "") << "seed " << seed;
    }
}

TEST(EmergencyEditorProgram, RegisteredWithHelpAndDefaultsThatLoadUnchanged) {
    EXPECT_TRUE(shell::programEditors().has(config::EditorKind::EmergencyInformation));
    EXPECT_TRUE(shell::helpPageUrl(em::kHelpContext).toString().endsWith("emergency-information.html"));

    Env env;
    env.state.image = defaultdat::defaultImage();
    const RadioImage original = env.state.image;
    settings::CAlarmView view(env.editorEnv());
    view.LoadFromImage();
    view.StoreToImage();
    EXPECT_EQ(testing_support::joinLines(testing_support::imageDiff(original, env.state.image)), "");
    QTest::keyClick(&view, Qt::Key_F1);
    EXPECT_EQ(env.help.contexts, std::vector<int>({em::kHelpContext}));
}

} // namespace
