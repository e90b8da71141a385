// SPDX-License-Identifier: GPL-3.0-or-later
#include "signalling/dtmf_defaults.h"

#include "signalling/dtmf_codes.h"

namespace signalling::dtmf {

namespace {

constexpr std::uint8_t kTransmittingTime100Ms = 2;
constexpr std::uint8_t kSymbolA = 0xA;
constexpr std::uint8_t kGroupCodeOff = 0xFF;
constexpr std::uint8_t kDecodingResponseNone = 0;
constexpr std::uint8_t kPretime300Ms = 30;
constexpr std::uint8_t kFirstDigitTime100Ms = 10;
constexpr std::uint8_t kAutoReset10s = 100;
constexpr std::uint8_t kTimeLapse100Ms = 10;
constexpr std::uint8_t kPttIdPauseOff = 0;
constexpr const char16_t* kSelfId101 = u"101";

} // namespace

void writeDefaults(image::RadioImage& img) {
    img.set(kAni, 0);
    img.setU8(kTransmittingTime, kTransmittingTime100Ms);
    img.setU8(kIntervalCharacter, kSymbolA);
    img.setU8(kGroupCode, kGroupCodeOff);
    img.setU8(kDecodingResponse, kDecodingResponseNone);
    img.setU8(kPretime, kPretime300Ms);
    img.setU8(kFirstDigitTime, kFirstDigitTime100Ms);
    img.setU8(kAutoResetTime, kAutoReset10s);
    storeSelfId(img, kSelfId101);
    img.setU8(kSideTone, 1);
    img.setU8(kTimeLapseAfterEncode, kTimeLapse100Ms);
    img.setU8(kPttIdPauseTime, kPttIdPauseOff);
    for (CodeField field : {kRemoteKill, kRemoteStun, kPttIdStart, kPttIdEnd}) packCode(img, field, u"");
    for (int index = 0; index < kEncodeEntries; ++index) packCode(img, encodeEntry(index), u"");
}

} // namespace signalling::dtmf
