// SPDX-License-Identifier: GPL-3.0-or-later
// The Scan Information editor as a user drives it, and its bytes in the image.

#include "settings_fixture.h"

#include "image/memory_map.h"
#include "settings/scan_fields.h"
#include "settings/scan_information_view.h"
#include "settings/scan_rules.h"

#include <QCheckBox>

#include <algorithm>

namespace settings_test {
namespace {

namespace scan = settings::scan;
using image::RadioImage;

bool isScanByte(unsigned at) {
    return std::find(std::begin(scan::kOwnBytes), std::end(scan::kOwnBytes), at) != std::end(scan::kOwnBytes);
}

struct ScanInfoView : ::testing::Test {
    Env env;
    settings::CScanInfoView view{env.editorEnv()};
    RadioImage& img = env.state.image;

    ScanInfoView() { img.fill(image::map::kChannelUsageMap, image::map::kSlotMapBytes, 0xFF); }

    QComboBox* box(const char* name) { return view.findChild<QComboBox*>(name); }
    QCheckBox* enterTone() { return view.findChild<QCheckBox*>("scanEnterTone"); }
    QString shown(const char* name) { return box(name)->currentText(); }
    QByteArray scanBytes() const { return bytesAt(img, scan::kMode, 14); }

    // Scan on, times 1.0 / 2.0 / 0.3 / 2.3 s, tone on; the bytes between are the radio's.
    void putSettings(std::uint8_t priorityMode, std::uint8_t revert, std::uint8_t channel1 = 0,
                     std::uint8_t channel2 = 0) {
        const char bytes[] = {1, char(priorityMode), char(revert), 10, 20, 3, 23, char(0xA5), 1, 0x5A, 0x5A,
                              char(channel1), 0x5A, char(channel2)};
        img.setText(scan::kMode, 14, QByteArray(bytes, 14), 0);
    }
};

// Random settings the lists show exactly as stored.
void putConsistentSettings(RadioImage& img, std::mt19937& rng) {
    auto pick = [&](int low, int high) { return std::uint8_t(std::uniform_int_distribution<int>(low, high)(rng)); };
    const std::uint8_t mode = pick(0, 3);
    const auto codes = scan::revertCodes(mode);
    const QStringList used = scan::priorityChannelEntries(img);
    auto channel = [&] { return used.isEmpty() ? 0 : std::uint8_t(used[pick(0, int(used.size()) - 1)].toInt()); };
    const char bytes[] = {char(pick(0, 1)), char(mode), char(codes[pick(0, int(codes.size()) - 1)]),
                          char(pick(5, 50)), char(pick(5, 50)), char(pick(1, 50)), char(pick(1, 50))};
    img.setText(scan::kMode, 7, QByteArray(bytes, 7), 0);
    img.setU8(scan::kEnterTone, pick(0, 1));
    img.setU8(scan::kPriorityChannel1, channel());
    img.setU8(scan::kPriorityChannel2, channel());
}

TEST_F(ScanInfoView, StoresOnlyItsOwnBytesAndASecondRoundChangesNothing) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        RadioImage start = randomImage(rng);
        const std::string what = "seed " + std::to_string(seed);
        checkRoundTrips(view, img, start, isScanByte, what.c_str());
        // Settings the lists hold come back byte for byte, whatever was loaded before them.
        putConsistentSettings(start, rng);
        const RadioImage stored = checkRoundTrips(view, img, start, isScanByte, what.c_str());
        EXPECT_EQ(testing_support::joinLines(testing_support::imageDiff(start, stored)), "") << what;
    }
}

TEST_F(ScanInfoView, IndexesPastTheirListsAreKeptUntilChosenAndTimesFallBackToTheFirstEntry) {
    putSettings(9, 200);
    img.setU8(scan::kMode, 7);
    img.setU8(scan::kEnterTone, 5);
    img.setU8(scan::kLookBackB, 0);
    img.setU8(scan::kDropoutDelay, 0);
    view.LoadFromImage();
    EXPECT_EQ(box("revertChannel")->count(), 8);
    EXPECT_EQ(box("revertChannel")->currentIndex(), -1);
    EXPECT_EQ(enterTone()->checkState(), Qt::PartiallyChecked);
    view.StoreToImage();
    EXPECT_EQ(scanBytes().toHex(' '), "07 09 c8 0a 05 01 17 a5 05 5a 5a 00 5a 00");

    choose(box("scanMode"), "On");
    choose(box("priorityMode"), "Priority Channel2");
    EXPECT_EQ(shown("revertChannel"), "Selected");
    enterTone()->click();
    view.StoreToImage();
    EXPECT_EQ(scanBytes().toHex(' '), "01 02 00 0a 05 01 17 a5 01 5a 5a 00 5a 00");
}

TEST_F(ScanInfoView, TheRevertListFollowsThePriorityModeLoadedAndChosen) {
    // Priority 1 cannot revert to priority channel 2: "Selected" is shown and stored.
    putSettings(1, 3);
    view.LoadFromImage();
    EXPECT_EQ(entries(box("revertChannel")),
              QStringList({"Selected", "Selected + TalkBack", "Priority Channel1", "Last Called", "Last Used",
                           "Priority Channel1 + TalkBack"}));
    EXPECT_EQ(shown("revertChannel"), "Selected");
    view.StoreToImage();
    EXPECT_EQ(img.u8(scan::kRevertChannel), 0);

    // A file without priority channels loaded before does not hide this one's revert channel.
    putSettings(0, 5);
    view.LoadFromImage();
    putSettings(2, 7);
    view.LoadFromImage();
    EXPECT_EQ(shown("revertChannel"), "Priority Channel2 + TalkBack");

    // A mode the user chooses keeps the shown entry where the new list has it.
    choose(box("revertChannel"), "Last Used");
    choose(box("priorityMode"), "Priority Channel1 + Priority Channel2");
    EXPECT_EQ(shown("revertChannel"), "Last Used");
    choose(box("revertChannel"), "Priority Channel2 + TalkBack");
    choose(box("priorityMode"), "Off");
    EXPECT_EQ(entries(box("revertChannel")), QStringList({"Selected", "Selected + TalkBack", "Last Called", "Last Used"}));
    EXPECT_EQ(shown("revertChannel"), "Selected");
    choose(box("revertChannel"), "Last Used");
    choose(box("dwellTime"), "2.3");
    choose(box("lookBackTimeA"), "0.5");
    view.StoreToImage();
    EXPECT_EQ(scanBytes().left(7).toHex(' '), "01 00 05 05 14 03 17");
}

TEST_F(ScanInfoView, PriorityChannelsOfferTheChannelsInUse) {
    putSettings(3, 0, 1, 150);
    view.LoadFromImage();
    EXPECT_EQ(box("priorityChannel1")->count(), 0);
    view.StoreToImage();
    EXPECT_EQ(scanBytes().toHex(' '), "01 03 00 0a 14 03 17 a5 01 5a 5a 00 5a 00");

    // Channel 1 is empty: the first channel in use whose number begins with 1 takes its place.
    markUsed(img, {0, 12, 19, 150, 199});
    putSettings(3, 0, 1, 150);
    view.LoadFromImage();
    EXPECT_EQ(entries(box("priorityChannel2")), QStringList({"0", "12", "19", "150", "199"}));
    choose(box("priorityChannel2"), "199");
    view.StoreToImage();
    EXPECT_EQ(img.u8(scan::kPriorityChannel1), 12);
    EXPECT_EQ(img.u8(scan::kPriorityChannel2), 199);
}

TEST_F(ScanInfoView, ScanModeOffGreysTheFormButItsValuesAreStillStored) {
    markUsed(img, {4, 7});
    putSettings(3, 6, 4, 7);
    view.LoadFromImage();
    const auto enabled = [&] {
        QStringList names;
        for (QWidget* w : view.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isEnabled() && !w->objectName().isEmpty()) names.append(w->objectName());
        return names.join(u' ');
    };
    EXPECT_EQ(enabled(), "scanMode priorityMode priorityChannel1 priorityChannel2 revertChannel lookBackTimeA "
                         "lookBackTimeB dropoutDelayTime dwellTime scanEnterTone");
    choose(box("priorityMode"), "Priority Channel2");
    EXPECT_FALSE(box("priorityChannel1")->isEnabled());
    choose(box("scanMode"), "Off");
    EXPECT_EQ(enabled(), "scanMode");
    view.StoreToImage();
    EXPECT_EQ(scanBytes().toHex(' '), "00 02 00 0a 14 03 17 a5 01 5a 5a 04 5a 07");

    QTest::keyClick(&view, Qt::Key_F1);
    EXPECT_EQ(env.help.contexts, std::vector<int>{198});
}

} // namespace
} // namespace settings_test
