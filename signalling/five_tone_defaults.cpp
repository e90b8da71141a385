// SPDX-License-Identifier: GPL-3.0-or-later
#include "signalling/five_tone_defaults.h"

#include "signalling/five_tone_codes.h"

namespace signalling::five_tone {

namespace {

constexpr std::uint8_t kZvei1 = 0;
constexpr std::uint8_t kToneLength70ms = 7;

void clearCodeRecord(image::RadioImage& img, Addr record, int digits) {
    img.setU8(Addr(record + kCodeStandard), kZvei1);
    img.setU8(Addr(record + kCodeLength), 0);
    img.setU8(Addr(record + kCodeToneLength), kToneLength70ms);
    img.fill(Addr(record + kCodeDigits), digits / 2, 0);
}

} // namespace

void writeDefaults(image::RadioImage& img) {
    img.setU8(kDecodingResponse, 0);             // "None"
    img.setU8(kDecodeStandard, kZvei1);
    img.setU8(kDecodeToneLength, kToneLength70ms);
    writeSelfId(img, QStringLiteral("12345"));   // also the length byte
    img.setU8(kPretime, 30);                     // 300 ms
    img.setU8(kTimeLapseAfterEncode, 10);        // 100 ms
    img.setU8(kPttIdPause, 0);                   // "Off"
    img.setU8(kAutoResetTime, 100);              // 10.0 s
    img.setU8(kFirstDelay, 10);                  // 100 ms
    img.setU8(kSideTone, 0);
    img.setU8(kIntervalCharacter, kNoInterval);
    img.setU8(kStopCode, kStopCodeOff);
    img.setU8(kStopTime, 0);
    img.setU8(kDecodeTime, 0);
    clearCodeRecord(img, kBotRecord, kPttIdCodeDigits);
    clearCodeRecord(img, kEotRecord, kPttIdCodeDigits);

    for (int number = 1; number <= kInformationCount; ++number) {
        const Addr record = informationAddress(number);
        img.setU8(Addr(record + kInfoFunctionOption), 0);  // "Squelch Off"
        img.setU8(Addr(record + kInfoDecodingResponse), 0);
        writeInformationId(img, number, QString());
        writeFunctionName(img, number, QString());
    }
    for (int entry = 0; entry < kEncodeEntries; ++entry) {
        const Addr record = encodeEntryAddress(entry);
        clearCodeRecord(img, record, kEntryCodeDigits);
        img.fill(Addr(record + kEntryName), kEntryNameLength, 0);
    }
    storeEncodeOccupancy(img);
}

} // namespace signalling::five_tone
