// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/frames.h"

#include <gtest/gtest.h>

#include <array>

using namespace radiolink;

namespace {

QByteArray hex(const char* text) { return QByteArray::fromHex(text); }

TEST(Frames, FixedFramesAreByteExact) {
    EXPECT_EQ(handshakeFrame(), hex("50524f4752414d"));
    EXPECT_EQ(handshakeAnswer(), hex("515806"));
    EXPECT_EQ(identifyFrame(), hex("02"));
    EXPECT_EQ(endFrame(), hex("454e44"));
}

TEST(Frames, ReadRequestCarriesAddressHighByteFirst) {
    EXPECT_EQ(readRequest(0x0010), hex("52001010"));
    EXPECT_EQ(readRequest(0x0140), hex("52014010"));
    EXPECT_EQ(readRequest(0x3FF0), hex("523ff010"));
}

TEST(Frames, WriteFrameOfZeroBlockAt0100HasChecksum11) {
    const std::array<std::uint8_t, 16> zeros{};
    EXPECT_EQ(writeChecksum(0x0100, zeros), 0x11);
    EXPECT_EQ(writeFrame(0x0100, zeros), hex("57010010" "00000000000000000000000000000000" "11" "06"));
}

TEST(Frames, WriteChecksumWrapsModulo256) {
    std::array<std::uint8_t, 16> ones;
    ones.fill(0xFF);
    // 0x3F + 0xF0 + 0x10 + 16 * 0xFF = 4399 = 0x112F
    EXPECT_EQ(writeChecksum(0x3FF0, ones), 0x2F);
    std::array<std::uint8_t, 16> counting;
    for (int i = 0; i < 16; ++i) counting[i] = std::uint8_t(i);
    // 0x02 + 0x30 + 0x10 + (0 + ... + 15) = 186
    const QByteArray frame = writeFrame(0x0230, counting);
    EXPECT_EQ(frame.size(), 22);
    EXPECT_EQ(std::uint8_t(frame[20]), 186);
    EXPECT_EQ(frame.mid(4, 16), QByteArray::fromHex("000102030405060708090a0b0c0d0e0f"));
}

TEST(Frames, PasswordIsTheLeadingDigitsOfReplyBytes16To19) {
    const auto reply = [](const QByteArray& field) {
        QByteArray r(16, 'x');
        return r + field + QByteArray(2, '\0');
    };
    const struct { QByteArray field; QByteArray expected; } cases[] = {
        {"1234", "1234"},
        {QByteArray("12\0\0", 4), "12"},
        {"12a4", "12"},         // a non-digit ends the password
        {QByteArray("\0\0\0\0", 4), ""},
        {"a123", ""},
        {"9876", "9876"},
    };
    for (const auto& c : cases) EXPECT_EQ(passwordFromProbeReply(reply(c.field)), c.expected) << c.field.toHex().constData();
    EXPECT_EQ(passwordFromProbeReply(QByteArray()), QByteArray());        // no answer at all
    EXPECT_EQ(passwordFromProbeReply(QByteArray(17, '1')), QByteArray("1"));  // cut short
}

TEST(Frames, RadioStateIsByte14OfIdentifyReply) {
    QByteArray reply(16, '\0');
    reply[14] = 2;
    EXPECT_EQ(radioStateFromIdentifyReply(reply), 2);
    EXPECT_EQ(radioStateFromIdentifyReply(reply.first(14)), 0);
}

TEST(Frames, PercentTextUsesIntegerDivision) {
    const struct { int position, upper; const char* text; } cases[] = {
        {0, 1023, "0%"}, {10, 1023, "0%"}, {11, 1023, "1%"}, {1022, 1023, "99%"}, {1023, 1023, "100%"},
        {1007, 1008, "99%"}, {1008, 1008, "100%"}, {504, 1008, "50%"},
    };
    for (const auto& c : cases) EXPECT_EQ(percentText(c.position, c.upper), QString::fromLatin1(c.text));
}

} // namespace
