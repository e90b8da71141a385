// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration delivered as "Default.dat".

#include "default_image.h"

#include "channels/channel_record.h"
#include "image/band_limits.h"
#include "image/consistency_pass.h"
#include "image/memory_map.h"

#include <gtest/gtest.h>

TEST(DefaultImageTest, EverySlotIsEmptyWithChannelClearDefaults) {
    const image::RadioImage img = defaultdat::defaultImage();
    EXPECT_TRUE(img.allBytesAre(image::map::kChannelUsageMap, 32, 0xFF));
    image::RadioImage stored = img;
    channels::channelValidityPass(stored, image::BandLimits{});
    EXPECT_EQ(stored, img) << "the channel list's store marks empty slots skipped: the file has them so already";
    const QByteArray cleared = QByteArray::fromHex(
        "FFFFFFFFFFFFFFFF" "05000040" "00000000000000" "FFFFFFFFFFFFFF" "0000000000" "FF");
    for (int slot : {1, 100, 200, 201, 202, 203}) {
        const auto record = img.bytes(channels::recordAddress(slot), 32);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(record.data()), 32), cleared) << slot;
    }
}

TEST(DefaultImageTest, BandLimitsAre136To174AndTheConsistencyPassHasNothingLeftToDo) {
    const image::RadioImage img = defaultdat::defaultImage();
    EXPECT_EQ(image::decodeBandLimits(img), image::bandLimitsFromMHz(136, 174, 136, 174));
    image::RadioImage again = img;
    image::runConsistencyPass(again, image::BandLimits{});
    EXPECT_EQ(again, img);
    EXPECT_EQ(img.u8(image::map::kMrChannel), 0);
    EXPECT_TRUE(image::programPasswordDigits(img).isEmpty());
}
