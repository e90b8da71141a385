// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Band limits: which receive and transmit frequencies the radio accepts. They live in
// the image at 0x0200-0x020F and are mirrored in the application state while editing;
// the band table lists the band variants the radio is built for.

#include "image/frequency.h"
#include "image/radio_image.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>
#include <vector>

namespace image {

struct BandLimits {
    Freq10Hz rxLow = Freq10Hz::fromMHz(136);
    Freq10Hz rxHigh = Freq10Hz::fromMHz(174);
    Freq10Hz txLow = Freq10Hz::fromMHz(136);
    Freq10Hz txHigh = Freq10Hz::fromMHz(174);

    bool rxInBand(Freq10Hz f) const { return rxLow <= f && f <= rxHigh; }
    bool txInBand(Freq10Hz f) const { return txLow <= f && f <= txHigh; }
    // Below the low limit shows the low limit, above the high limit the high limit. Limits
    // a file holds inverted (low above high) give the low limit for every frequency, so a
    // clamped value clamps to itself and a load and store of the list settles at once.
    Freq10Hz clampRx(Freq10Hz f) const { return clampInto(f, rxLow, rxHigh); }
    Freq10Hz clampTx(Freq10Hz f) const { return clampInto(f, txLow, txHigh); }
    static Freq10Hz clampInto(Freq10Hz f, Freq10Hz low, Freq10Hz high) { return std::max(low, std::min(f, high)); }

    bool operator==(const BandLimits&) const = default;
};

struct BandRow {
    int rxLowMHz, rxHighMHz, txLowMHz, txHighMHz;
};

inline constexpr std::array<BandRow, 8> kBandTable{{
    {136, 174, 136, 174},
    {130, 176, 130, 176},
    {180, 240, 180, 240},
    {216, 280, 220, 260},
    {350, 390, 350, 390},
    {400, 490, 400, 490},
    {66, 88, 66, 88},
    {300, 350, 300, 350},
}};

// Each limit field as a frequency; a field reading past eight digits (nibbles above 9)
// counts as the largest frequency a field can hold.
BandLimits decodeBandLimits(const RadioImage& img);
void encodeBandLimits(const BandLimits& limits, RadioImage& img);

enum class BandColumns { Receive, Transmit };
// The first row (0-7) whose pair in the given columns contains f; -1 when none does.
int bandRow(Freq10Hz f, BandColumns columns);

// Status bar band indicator: the receive low limit looked up in the transmit columns.
QString bandIndicatorText(const BandLimits& limits);
inline const QString kInitialBandIndicator = QStringLiteral("130-180MHz");

// The band table as the model dialog lists it, one "Rx:%03d-%03d\tTx:%03d-%03d\r\n" per row.
QString bandTableText();
// The model dialog accepts an entry (whole MHz) when one row holds both receive values in
// its receive pair and both transmit values in its transmit pair, bounds inclusive.
bool modelEntryValid(int rxLowMHz, int rxHighMHz, int txLowMHz, int txHighMHz);
// The rows whose receive pair holds both receive values, in table order: where an entry the
// dialog refuses went wrong (none: the receive band; else the transmit band).
std::vector<BandRow> rowsHoldingReceive(int rxLowMHz, int rxHighMHz);
BandLimits bandLimitsFromMHz(int rxLowMHz, int rxHighMHz, int txLowMHz, int txHighMHz);

// Program password at 0x014C-0x014F: only its leading ASCII digits count (at most 4).
QByteArray leadingPasswordDigits(QByteArrayView bytes);
QByteArray programPasswordDigits(const RadioImage& img);
// Clears the four bytes, then stores the first four characters of the entry as typed.
void setProgramPassword(RadioImage& img, const QString& entry);

} // namespace image
