#pragma once
// The check after a write: the radio is read back from 0x0100 to 0x3FFF into a buffer of
// its own and compared byte for byte with the image that was sent. A radio that
// acknowledged every block can still hold something else (a flaky cable, a worn memory
// cell); only reading it back shows that.

#include "image/radio_image.h"
#include "link/transfer_engine.h"

#include <QList>
#include <QString>

namespace radiolink {

namespace text {
inline const QString kVerifyTitle = QStringLiteral("Verify data in radio");
inline const QString kVerifyPassed = QStringLiteral("Verify completed: the radio holds what was written.");
inline const QString kVerifyFailed = QStringLiteral(
    "Verify failed: %1 byte(s) in the radio differ from what was written, at %2.\n\nWrite the data again.");
inline const QString kVerifyNotDone = QStringLiteral(
    "The write completed, but the radio could not be read back, so it was not verified.");
} // namespace text

struct VerifyResult {
    TransferOutcome readBack;          // how the read-back ended
    QList<image::Addr> differences;    // byte addresses where the radio differs, ascending
    image::RadioImage radio;           // what the radio holds from 0x0100 on, as read back
    bool verified() const { return readBack.success() && differences.isEmpty(); }
};

// How many addresses the program's message names before it says "...".
inline constexpr int kAddressesShown = 8;

// Byte addresses 0x0100-0x3FFF where `readBack` differs from `sent`, ascending.
QList<image::Addr> writeDifferences(const image::RadioImage& sent, const image::RadioImage& readBack);

// The first `shown` addresses as "0x2000, 0x2001", with ", ..." when there are more.
QString addressList(const QList<image::Addr>& addresses, int shown);

// The program's message for a verify: passed, the differences, or not done.
QString verifyMessage(const VerifyResult& result);

// Reads the radio back through `engine` and compares it with `sent`, the image the
// completed write sent. The image is not touched.
VerifyResult verifyWrite(TransferEngine& engine, const image::RadioImage& sent);

// The same on the port named by state.config.portName, against state.image.
VerifyResult verifyWrite(app::AppState& state, app::Prompts& prompts, PortProvider& ports,
                         const ProgressCallback& progress);

} // namespace radiolink
