// SPDX-License-Identifier: GPL-3.0-or-later
// The read-back after a write: it reads 0x0100-0x3FFF into its own buffer, never into the
// image, and names exactly the bytes a radio stored differently from what it acknowledged.

#include "link_fixture.h"

#include "image/band_limits.h"
#include "image/memory_map.h"
#include "config/verify_fields.h"
#include "link/write_verify.h"

using namespace testing_support;
using radiolink::Direction;

namespace {

class WriteVerifyTest : public LinkTest {
protected:
    radiolink::VerifyResult verify() {
        radio.clearReceived();
        radiolink::TransferEngine engine(loggedPort, clock, prompts, state);
        engine.setProgressCallback([this](const radiolink::TransferProgress& p) { progress.push_back(p); });
        progress.clear();
        return radiolink::verifyWrite(engine, state.image, config::verifyFieldDifferences);
    }
};

std::vector<int> readBackAddresses() {
    std::vector<int> addresses{0x0140};  // the password probe comes first
    for (int a = image::map::kWriteStart; a <= 0x3FF0; a += 16) addresses.push_back(a);
    return addresses;
}

} // namespace

// Over seeded random images: a clean radio verifies; a radio that stores one block wrongly
// is caught at exactly that block's sixteen bytes. Either way the image stays as sent and
// the read-back asks and announces nothing.
TEST_F(WriteVerifyTest, FindsExactlyTheCorruptedBlockAndLeavesTheImageAlone) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        fillRandom(state.image, seed);
        state.image.setU8(image::map::kRadioState, 0);
        const bool corrupt = seed % 2 == 0;
        const image::Addr block = image::Addr(image::map::kWriteStart + 16 * ((seed * 97) % 1008));
        radio.faults().corruptedWrites.clear();
        if (corrupt) radio.faults().corruptedWrites[block] = 1;
        state.transferPassword = QString::fromLatin1(image::programPasswordDigits(radio.memory()));
        ASSERT_TRUE(run(Direction::Write).success()) << seed;
        const image::RadioImage sent = state.image;
        prompts.log.clear();

        const radiolink::VerifyResult result = verify();
        ASSERT_TRUE(result.readBack.success()) << seed;
        EXPECT_EQ(result.verified(), !corrupt) << seed;
        QList<image::Addr> expected;
        if (corrupt)
            for (int a = block; a < block + 16; ++a) expected.append(image::Addr(a));
        EXPECT_EQ(result.differences, expected) << seed;
        EXPECT_EQ(state.image, sent) << seed;
        EXPECT_EQ(blockAddresses(radio.received(), 'R'), readBackAddresses()) << seed;
        EXPECT_TRUE(prompts.log.isEmpty()) << prompts.log.join(u'|').toStdString();
        ASSERT_FALSE(progress.empty());
        EXPECT_EQ(progress.back().position, 1008);
        EXPECT_EQ(progress.back().upperBound, 1008);
        EXPECT_EQ(progress.back().percentText, QStringLiteral("100%"));
    }
}

// The write gives the radio the image's password; the read-back expects that one and does
// not ask for it again.
TEST_F(WriteVerifyTest, ExpectsThePasswordTheWriteJustGaveTheRadio) {
    radio.setPassword("1234");
    state.transferPassword = QStringLiteral("1234");
    fillRandom(state.image, 40);
    state.image.setU8(image::map::kRadioState, 0);
    image::setProgramPassword(state.image, QStringLiteral("5678"));
    ASSERT_TRUE(run(Direction::Write).success());
    const radiolink::VerifyResult result = verify();
    EXPECT_TRUE(result.verified());
    EXPECT_EQ(prompts.count(QStringLiteral("password:")), 0);
    EXPECT_EQ(state.transferPassword, QStringLiteral("5678"));
}
