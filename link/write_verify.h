// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check after a write: the radio is read back from 0x0100 to 0x3FFF into a buffer of
// its own and compared byte for byte with the image that was sent. A radio that
// acknowledged every block can still hold something else (a flaky cable, a worn memory
// cell); only reading it back shows that.

#include "image/radio_image.h"
#include "link/link_texts.h"
#include "link/transfer_engine.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace radiolink {

namespace text {
inline constexpr Text kVerifyPassed{QT_TRANSLATE_NOOP("radiolink::text", "Verify completed: the radio holds what was written.")};
inline constexpr Text kVerifyFailed{QT_TRANSLATE_N_NOOP("radiolink::text", "Verify failed: %n byte(s) in the radio differ from what was written.\n\n%1\n\nAddresses: %2\n\n"
    "Write the data again.")};
inline constexpr Text kVerifyNotDone{QT_TRANSLATE_NOOP("radiolink::text", "The write completed, but the radio could not be read back, so it was not verified.")};
// One field that differs, in the editors' words: "Channel / CH 12 RX Frequency: file 145.50000, radio 136.00000".
inline constexpr Text kVerifyFieldLine{QT_TRANSLATE_NOOP("radiolink::text", "%1 / %2: file %3, radio %4")};
inline const QString kVerifyEmptyValue = QStringLiteral("(empty)");
inline constexpr Text kVerifyMoreFields{QT_TRANSLATE_NOOP("radiolink::text", "... and %1 more")};
// Bytes that differ where no editor shows anything (unused records, reserved bytes).
inline constexpr Text kVerifyNoFieldDiffers{QT_TRANSLATE_NOOP("radiolink::text", "No field the editors show is affected.")};
} // namespace text

// The fields that differ between the image sent and the radio read back, one
// kVerifyFieldLine each, in the editors' words. The configuration report knows them, and it
// is assembled above the link: callers hand this in (config::verifyFieldDifferences).
using FieldDescriber = std::function<QStringList(const image::RadioImage& sent, const image::RadioImage& radio)>;

struct VerifyResult {
    TransferOutcome readBack;          // how the read-back ended
    QList<image::Addr> differences;    // byte addresses where the radio differs, ascending
    QStringList fields;                // the same in the editors' words, one line per field (kVerifyFieldLine)
    image::RadioImage radio;           // what the radio holds, as read back from 0x0100 on (below: as sent)
    bool verified() const { return readBack.success() && differences.isEmpty(); }
};

// How many addresses and fields the program's message names before it says "...".
inline constexpr int kAddressesShown = 8;
inline constexpr int kFieldsShown = 10;

// Byte addresses 0x0100-0x3FFF where `readBack` differs from `sent`, ascending.
QList<image::Addr> writeDifferences(const image::RadioImage& sent, const image::RadioImage& readBack);

// The first `shown` addresses as "0x2000, 0x2001", with ", ..." when there are more.
QString addressList(const QList<image::Addr>& addresses, int shown);

// The program's message for a verify: passed, the differences (fields first, then the
// addresses), or not done.
QString verifyMessage(const VerifyResult& result);

// Reads the radio back through `engine` and compares it with `sent`, the image the
// completed write sent; `describe` names the fields that differ. The image is not touched.
VerifyResult verifyWrite(TransferEngine& engine, const image::RadioImage& sent, const FieldDescriber& describe);

} // namespace radiolink
