// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/band_limits.h"

#include "image/memory_map.h"

namespace image {

namespace {

// A limit field whose nibbles above 9 read past eight digits holds a frequency no channel
// field can store, so a channel clamped to it would move on every store. It counts as the
// largest frequency a field holds, which is also what storing the limit back writes.
Freq10Hz limitField(const RadioImage& img, Addr at) {
    constexpr std::int64_t kLargestDigits = 99'999'999;
    constexpr std::uint8_t kLargestField[4] = {0x99, 0x99, 0x99, 0x99};
    return img.bcdDigits(at) > kLargestDigits ? decodeBcdFrequency(kLargestField) : img.bcdFreq(at);
}

} // namespace

BandLimits decodeBandLimits(const RadioImage& img) {
    return {limitField(img, map::kBandRxLow), limitField(img, map::kBandRxHigh), limitField(img, map::kBandTxLow),
            limitField(img, map::kBandTxHigh)};
}

void encodeBandLimits(const BandLimits& limits, RadioImage& img) {
    img.setBcdFreq(map::kBandRxLow, limits.rxLow);
    img.setBcdFreq(map::kBandRxHigh, limits.rxHigh);
    img.setBcdFreq(map::kBandTxLow, limits.txLow);
    img.setBcdFreq(map::kBandTxHigh, limits.txHigh);
}

int bandRow(Freq10Hz f, BandColumns columns) {
    for (int row = 0; row < int(kBandTable.size()); ++row) {
        const BandRow& r = kBandTable[row];
        const bool rx = columns == BandColumns::Receive;
        const Freq10Hz low = Freq10Hz::fromMHz(rx ? r.rxLowMHz : r.txLowMHz);
        const Freq10Hz high = Freq10Hz::fromMHz(rx ? r.rxHighMHz : r.txHighMHz);
        if (low <= f && f <= high) return row;
    }
    return -1;
}

QString bandIndicatorText(const BandLimits& limits) {
    switch (bandRow(limits.rxLow, BandColumns::Transmit)) {
    case 0: return QStringLiteral("\t\tVHF");  // the tabs right-align it in the pane
    case 5: return QStringLiteral("UHF");
    default: return QStringLiteral("THF");
    }
}

QString bandTableText() {
    QString text;
    for (const BandRow& r : kBandTable)
        text += QString::asprintf("Rx:%03d-%03d\tTx:%03d-%03d\r\n", r.rxLowMHz, r.rxHighMHz, r.txLowMHz,
                                  r.txHighMHz);
    return text;
}

namespace {

bool bothWithin(int a, int b, int low, int high) { return low <= a && a <= high && low <= b && b <= high; }

} // namespace

bool modelEntryValid(int rxLowMHz, int rxHighMHz, int txLowMHz, int txHighMHz) {
    for (const BandRow& r : kBandTable) {
        if (bothWithin(rxLowMHz, rxHighMHz, r.rxLowMHz, r.rxHighMHz) &&
            bothWithin(txLowMHz, txHighMHz, r.txLowMHz, r.txHighMHz))
            return true;
    }
    return false;
}

std::vector<BandRow> rowsHoldingReceive(int rxLowMHz, int rxHighMHz) {
    std::vector<BandRow> rows;
    for (const BandRow& r : kBandTable)
        if (bothWithin(rxLowMHz, rxHighMHz, r.rxLowMHz, r.rxHighMHz)) rows.push_back(r);
    return rows;
}

BandLimits bandLimitsFromMHz(int rxLowMHz, int rxHighMHz, int txLowMHz, int txHighMHz) {
    return {Freq10Hz::fromMHz(rxLowMHz), Freq10Hz::fromMHz(rxHighMHz), Freq10Hz::fromMHz(txLowMHz),
            Freq10Hz::fromMHz(txHighMHz)};
}

QByteArray leadingPasswordDigits(QByteArrayView bytes) {
    QByteArray digits;
    for (char c : bytes) {
        if (c < '0' || c > '9' || digits.size() == map::kProgramPasswordLength) break;
        digits.append(c);
    }
    return digits;
}

QByteArray programPasswordDigits(const RadioImage& img) {
    const auto field = img.bytes(map::kProgramPassword, map::kProgramPasswordLength);
    return leadingPasswordDigits(QByteArrayView(reinterpret_cast<const char*>(field.data()), field.size()));
}

void setProgramPassword(RadioImage& img, const QString& entry) {
    img.setText(map::kProgramPassword, map::kProgramPasswordLength, entry.left(4).toLatin1(), 0x00);
}

} // namespace image
