// The Scan Information editor as a user drives it, and its bytes in the image.

#include "settings_fixture.h"

#include "image/memory_map.h"
#include "settings/scan_fields.h"
#include "settings/scan_info_view.h"
#include "settings/scan_rules.h"

#include <QCheckBox>

#include <algorithm>

namespace settings_test {
namespace {

namespace scan = settings::scan;
using image::RadioImage;

struct ScanInfoView : ::testing::Test {
    Env env;
    settings::CScanInfoView view{env.editorEnv()};
    RadioImage& img = env.state.image;

    ScanInfoView() { img.fill(image::map::kChannelUsageMap, image::map::kSlotMapBytes, 0xFF); }

    QComboBox* box(const char* name) { return view.findChild<QComboBox*>(name); }
    QCheckBox* enterTone() { return view.findChild<QCheckBox*>("scanEnterTone"); }
    QString shown(const char* name) { return box(name)->currentText(); }

    // Scan on, both priority channels, revert code 6, times 1.0 / 2.0 / 0.3 / 2.3, tone on.
    void putSettings(std::uint8_t priorityMode, std::uint8_t revert, std::uint8_t channel1 = 0,
                     std::uint8_t channel2 = 0) {
        const std::uint8_t bytes[] = {1, priorityMode, revert, 10, 20, 3, 23, 0xA5, 1, 0x5A, 0x5A, channel1, 0x5A,
                                      channel2};
        std::copy(std::begin(bytes), std::end(bytes), img.bytes(scan::kMode, int(std::size(bytes))).begin());
    }
};

bool isScanByte(unsigned at) {
    return std::find(std::begin(scan::kOwnBytes), std::end(scan::kOwnBytes), at) != std::end(scan::kOwnBytes);
}

// Random settings that the editor shows exactly as stored: every value an entry of its list.
void putConsistentSettings(RadioImage& img, std::mt19937& rng) {
    auto pick = [&](int low, int high) { return std::uint8_t(std::uniform_int_distribution<int>(low, high)(rng)); };
    const std::uint8_t mode = pick(0, 3);
    const auto codes = scan::revertCodes(mode);
    const QStringList used = scan::priorityChannelEntries(img);
    auto channel = [&] { return used.isEmpty() ? std::uint8_t(0) : std::uint8_t(used[pick(0, int(used.size()) - 1)].toInt()); };
    img.setU8(scan::kMode, pick(0, 1));
    img.setU8(scan::kPriorityMode, mode);
    img.setU8(scan::kRevertChannel, codes[pick(0, int(codes.size()) - 1)]);
    img.setU8(scan::kLookBackA, pick(5, 50));
    img.setU8(scan::kLookBackB, pick(5, 50));
    img.setU8(scan::kDropoutDelay, pick(1, 50));
    img.setU8(scan::kDwell, pick(1, 50));
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
        // Settings the lists hold come back byte for byte, whatever file was loaded before.
        putConsistentSettings(start, rng);
        const RadioImage stored = checkRoundTrips(view, img, start, isScanByte, what.c_str());
        EXPECT_EQ(testing_support::joinLines(testing_support::imageDiff(start, stored)), "") << what;
    }
}

TEST_F(ScanInfoView, ValuesOutsideTheListsAreKeptUntilTheUserChoosesOne) {
    putSettings(9, 200);
    img.setU8(scan::kMode, 7);
    img.setU8(scan::kEnterTone, 5);
    const RadioImage before = img;
    view.LoadFromImage();
    EXPECT_EQ(box("scanMode")->currentIndex(), -1);
    EXPECT_EQ(box("priorityMode")->currentIndex(), -1);
    EXPECT_EQ(box("revertChannel")->currentIndex(), -1);
    EXPECT_EQ(box("revertChannel")->count(), 8);
    EXPECT_EQ(enterTone()->checkState(), Qt::PartiallyChecked);
    view.StoreToImage();
    EXPECT_EQ(img, before);

    choose(box("scanMode"), "On");
    choose(box("priorityMode"), "Priority Channel2");
    EXPECT_EQ(shown("revertChannel"), "Selected");
    enterTone()->click();
    view.StoreToImage();
    EXPECT_EQ(img.u8(scan::kMode), 1);
    EXPECT_EQ(img.u8(scan::kPriorityMode), 2);
    EXPECT_EQ(img.u8(scan::kRevertChannel), 0);
    EXPECT_EQ(img.u8(scan::kEnterTone), 1);
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
    EXPECT_EQ(entries(box("revertChannel")), QStringList({"Selected", "Selected + TalkBack", "Last Called", "Last Used"}));
    putSettings(2, 7);
    view.LoadFromImage();
    EXPECT_EQ(shown("revertChannel"), "Priority Channel2 + TalkBack");

    // The user's change of mode keeps the shown entry where the new list has it.
    choose(box("revertChannel"), "Last Used");
    choose(box("priorityMode"), "Priority Channel1 + Priority Channel2");
    EXPECT_EQ(box("revertChannel")->count(), 8);
    EXPECT_EQ(shown("revertChannel"), "Last Used");
    choose(box("revertChannel"), "Priority Channel2 + TalkBack");
    choose(box("priorityMode"), "Priority Channel1");
    EXPECT_EQ(shown("revertChannel"), "Selected");
    choose(box("revertChannel"), "Last Used");
    view.StoreToImage();
    EXPECT_EQ(img.u8(scan::kRevertChannel), 5);
    view.LoadFromImage();
    EXPECT_EQ(shown("revertChannel"), "Last Used");
}

TEST_F(ScanInfoView, TimesAreTenthsOfASecond) {
    putSettings(0, 0);
    view.LoadFromImage();
    EXPECT_EQ(entries(box("lookBackTimeA")), scan::tenthsList(5, 50));
    EXPECT_EQ(box("lookBackTimeB")->count(), 46);
    EXPECT_EQ(box("dropoutDelayTime")->itemText(0), "0.1");
    EXPECT_EQ(box("dwellTime")->count(), 50);
    EXPECT_EQ(shown("dwellTime"), "2.3");
    EXPECT_EQ(shown("dropoutDelayTime"), "0.3");

    choose(box("lookBackTimeA"), "0.5");
    choose(box("dwellTime"), "5.0");
    view.StoreToImage();
    EXPECT_EQ(img.u8(scan::kLookBackA), 5);
    EXPECT_EQ(img.u8(scan::kDwell), 50);

    // Times no entry shows fall back to the first entry, which the next store writes.
    img.setU8(scan::kLookBackB, 0);
    img.setU8(scan::kDropoutDelay, 0);
    img.setU8(scan::kDwell, 51);
    view.LoadFromImage();
    view.StoreToImage();
    EXPECT_EQ(img.u8(scan::kLookBackB), 5);
    EXPECT_EQ(img.u8(scan::kDropoutDelay), 1);
    EXPECT_EQ(img.u8(scan::kDwell), 1);
}

TEST_F(ScanInfoView, PriorityChannelsOfferTheChannelsInUse) {
    putSettings(3, 0, 1, 150);
    view.LoadFromImage();
    EXPECT_TRUE(box("priorityChannel1")->isEnabled());
    EXPECT_EQ(box("priorityChannel1")->count(), 0);
    view.StoreToImage();
    EXPECT_EQ(img.u8(scan::kPriorityChannel1), 0);
    EXPECT_EQ(img.u8(scan::kPriorityChannel2), 0);

    // Channel 1 is empty: the first channel in use whose number begins with 1 takes its place.
    markUsed(img, {0, 12, 19, 150, 199});
    putSettings(3, 0, 1, 150);
    view.LoadFromImage();
    EXPECT_EQ(entries(box("priorityChannel2")), QStringList({"0", "12", "19", "150", "199"}));
    EXPECT_EQ(shown("priorityChannel1"), "12");
    EXPECT_EQ(shown("priorityChannel2"), "150");
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
        for (QComboBox* b : view.findChildren<QComboBox*>())
            if (b->isEnabled()) names.append(b->objectName());
        if (enterTone()->isEnabled()) names.append(enterTone()->objectName());
        names.sort();
        return names;
    };
    EXPECT_EQ(enabled(), QStringList({"dropoutDelayTime", "dwellTime", "lookBackTimeA", "lookBackTimeB", "priorityChannel1",
                                      "priorityChannel2", "priorityMode", "revertChannel", "scanEnterTone", "scanMode"}));
    choose(box("priorityMode"), "Priority Channel2");
    EXPECT_FALSE(box("priorityChannel1")->isEnabled());
    EXPECT_TRUE(box("priorityChannel2")->isEnabled());

    choose(box("scanMode"), "Off");
    EXPECT_EQ(enabled(), QStringList({"scanMode"}));
    view.StoreToImage();
    const std::uint8_t expected[] = {0, 2, 0, 10, 20, 3, 23, 0xA5, 1, 0x5A, 0x5A, 4, 0x5A, 7};
    const auto stored = img.bytes(scan::kMode, int(std::size(expected)));
    EXPECT_TRUE(std::equal(stored.begin(), stored.end(), std::begin(expected)));
}

TEST_F(ScanInfoView, F1OpensTheScanInformationTopic) {
    QTest::keyClick(&view, Qt::Key_F1);
    EXPECT_EQ(env.help.contexts, std::vector<int>{198});
}

TEST(ScanRules, TenthsAreConvertedOnTheirDigits) {
    EXPECT_EQ(scan::tenthsText(23), "2.3");
    EXPECT_EQ(scan::tenthsText(50), "5.0");
    EXPECT_EQ(scan::tenthsText(255), "25.5");
    EXPECT_EQ(scan::tenthsFromText(u"2.3"), 23);
    EXPECT_EQ(scan::tenthsFromText(u"0.59"), 5);
    EXPECT_EQ(scan::tenthsFromText(u"4"), 40);
    EXPECT_EQ(scan::tenthsFromText(u""), 0);
}

} // namespace
} // namespace settings_test
