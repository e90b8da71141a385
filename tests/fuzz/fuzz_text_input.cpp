// SPDX-License-Identifier: GPL-3.0-or-later
// Any text a user may type or paste, through the parsers the editors read it with:
// frequencies and scaled decimals, tone texts, channel labels and slot steps, DTMF codes
// and symbol pairs, tone-frequency entries, and an RX or TX typed into a channel row.
//
// Properties:
//   - a frequency or decimal, once read, is shown as a text that reads back to it;
//   - entry rounding and every normaliser give a result that normalises to itself;
//   - whatever "NO." holds, the clamped slot and both steps name a slot 1-203;
//   - DTMF codes and symbol pairs survive their own labels;
//   - a typed RX or TX lands in its band and survives the row's store and reload.

#include "channels/channel_edit_rules.h"
#include "channels/channel_record.h"
#include "channels/channel_rows.h"
#include "channels/tone.h"
#include "channels/value_tables.h"
#include "fuzz_support.h"
#include "image/band_limits.h"
#include "image/frequency.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

namespace {

using fuzzing::require;
using image::Freq10Hz;

void frequencies(const QString& text) {
    const Freq10Hz typed = image::parseFrequencyText(text);
    require(image::parseFrequencyText(image::formatFrequency(typed)) == typed,
            "a frequency's text reads back to the same frequency", text);
    const Freq10Hz rounded = image::entryRounding(typed);
    require(image::entryRounding(rounded) == rounded, "entry rounding of a rounded frequency changes nothing", text);
    for (int decimals = 0; decimals <= 5; ++decimals) {
        const std::int64_t value = image::parseScaledDecimal(text, decimals);
        require(image::parseScaledDecimal(image::formatScaledDecimal(value, decimals), decimals) == value,
                "a scaled decimal's text reads back to the same value", text);
    }
}

void tones(const QString& text) {
    const QString tone = channels::normaliseToneText(text);
    require(channels::normaliseToneText(tone) == tone, "a normalised tone text normalises to itself", text);
    channels::parseToneText(text);
}

void slotSteps(const QString& text) {
    const int named = channels::slotFromChannelLabel(text);
    const auto inRange = [](int slot) { return slot >= channels::kFirstSlot && slot <= channels::kLastSlot; };
    require(inRange(channels::clampedSlot(named)), "the slot \"NO.\" names is clamped into 1-203", text);
    require(inRange(channels::steppedSlot(named, +1)), "Up from any \"NO.\" lands on a slot 1-203", text);
    require(inRange(channels::steppedSlot(named, -1)), "Down from any \"NO.\" lands on a slot 1-203", text);
    require(channels::channelLabel(channels::clampedSlot(named)).size() <= channels::kSlotTextLength,
            "every label fits the \"NO.\" field", text);
}

void dtmf(const QString& text, int index) {
    channels::dtmfCodeIndex(text);
    channels::signallingCodeValue(text);
    channels::squelchCode(text);
    require(channels::dtmfCodeIndex(channels::dtmfCodeLabel(index)) == index, "a DTMF code survives its label");
    const std::uint8_t pair = channels::dtmfPairFromText(text);
    if (pair != channels::kNoDtmfSymbol)
        require(channels::dtmfPairFromText(channels::dtmfPairText(pair)) == pair, "a DTMF symbol pair survives its text",
                text);
    channels::dtmfSymbolValue(text);
}

void decimalEntry(const QString& text, int low, int high, int fallback, int step) {
    const QString shown = channels::normaliseDecimalEntry(text, low, high, fallback, step, true, u"Off");
    require(channels::normaliseDecimalEntry(shown, low, high, fallback, step, true, u"Off") == shown,
            "a normalised tone-frequency entry normalises to itself", text + QStringLiteral(" -> ") + shown);
}

// An RX, then a TX, typed into a new row of slot 5, as the channel list commits them.
void channelRow(const QString& rxText, const QString& txText) {
    const image::BandLimits limits = image::bandLimitsFromMHz(136, 174, 144, 148);
    image::RadioImage img;
    channels::channelClear(img, 5);
    channels::ChannelRowCells row = channels::loadChannelRow(img, limits, 5);
    channels::commitRxCell(row, img, limits, 5, rxText);
    channels::commitTxCell(row, limits, txText);
    if (!row[channels::kColRx].isEmpty()) {
        require(limits.rxInBand(image::parseFrequencyText(row[channels::kColRx])), "a typed RX lands in the receive band",
                rxText);
        require(limits.txInBand(image::parseFrequencyText(row[channels::kColTx])), "a typed TX lands in the transmit band",
                txText);
    }
    channels::storeChannelRow(img, 5, row);
    channels::channelValidityPass(img, limits);  // as the list's store does
    require(channels::loadChannelRow(img, limits, 5) == row, "a typed row survives its store and reload",
            rxText + QStringLiteral(" / ") + txText + QStringLiteral(" -> ") + row[channels::kColRx] + QStringLiteral(" / ") + row[channels::kColTx]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int index = input.ConsumeIntegralInRange(-1000, 1000);
    const int low = input.ConsumeIntegralInRange(0, 5000);
    const int high = input.ConsumeIntegralInRange(low, 5000);
    const int step = input.ConsumeIntegralInRange(-1, 100);
    const QString first = QString::fromStdString(input.ConsumeRandomLengthString(64));
    const QString second = QString::fromStdString(input.ConsumeRemainingBytesAsString());

    for (const QString& text : {first, second}) {
        frequencies(text);
        tones(text);
        slotSteps(text);
        dtmf(text, index);
        decimalEntry(text, low, high, low, step);
    }
    channelRow(first, second);
    return 0;
}
