// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-row commands of the channel list: insert, delete, move and sort channels 0-199, and
// empty a set of them. A channel moves as its whole 32-byte record together with its usage
// and scan-skip bits, so fields the list does not show travel with it; and every byte
// elsewhere in the image that names a channel by its number follows the channel to its new
// number. "PA", "PB" and "VFO" never move. No widgets: the channel list and the tests share it.

#include "channels/value_tables.h"
#include "image/memory_map.h"
#include "image/radio_image.h"

#include <QByteArray>

#include <array>
#include <span>
#include <vector>

namespace channels::rows {

// The bytes that name a channel 0-199 by its number: the MR channel of the general settings
// (200 and 201 there name "PA" and "PB"), the two priority channels of scanning and the
// emergency channel. A value above 199 names no ordinary channel and never changes.
inline constexpr std::array<image::Addr, 4> kChannelReferences{
    image::map::kMrChannel, image::map::kPriorityChannel1, image::map::kPriorityChannel2,
    image::map::kEmergencyChannel};

// A new arrangement of the ordinary channels: order[i] is the slot whose channel ends up in
// slot kFirstSlot + i. Every slot 1-200 appears exactly once.
using SlotOrder = std::array<int, kOrdinarySlots>;
SlotOrder unchangedOrder();

// Moves the records, their bitmap bits and the channel references as `order` says.
void rearrange(image::RadioImage& img, const SlotOrder& order);
// Only the references: each one naming channel n now names where the channel of n went.
void remapChannelReferences(image::RadioImage& img, const SlotOrder& order);

// A channel is in use when its usage bit is clear and its record holds a frequency.
bool inUse(const image::RadioImage& img, int slot);

// Inserts `count` empty channels at `slot`; the channels from there down move down by
// `count`. Refused (nothing changes) when one of the last `count` channels is in use; the
// result is then the first such slot, else 0.
int insertRows(image::RadioImage& img, int slot, int count);
// Deletes the given channels; those below move up and the freed channels at the end of
// the list are empty. A reference to a deleted channel ends on one of those empty ones.
void deleteRows(image::RadioImage& img, std::span<const int> wanted);
// Moves every given channel one place up (delta -1) or down (+1), each swapping with its
// neighbour; false and nothing changed when one would leave channels 0-199.
bool moveRows(image::RadioImage& img, std::span<const int> wanted, int delta);
// Sorts the channels in the given wanted by RX frequency among those wanted; empty channels
// go last, channels of equal frequency keep their order. Fewer than two wanted: all 0-199.
void sortByRx(image::RadioImage& img, std::span<const int> wanted);
// Channel clear of each given slot.
void clearRows(image::RadioImage& img, std::span<const int> wanted);

// Whole channels for the clipboard, beside their CSV text: each channel in use among
// `wanted`, in that order, as its 32-byte record and its scan-skip bit, in a form only this
// program reads. So a paste keeps every field, also those CSV has no column for.
QByteArray copyRecords(const image::RadioImage& img, std::span<const int> wanted);
struct RecordPaste {
    std::vector<int> pasted;  // the slots written
    int leftOut = 0;          // channels that did not fit above the end of the list
};
// Whether `copied` is what copyRecords gives.
bool holdsRecords(const QByteArray& copied);
// Writes the channels of `copied` from `firstSlot` down, byte for byte, each in use and with
// its scan-skip bit; those past channel 199 are left out. Nothing changes when `copied` does
// not hold records.
RecordPaste pasteRecords(image::RadioImage& img, const QByteArray& copied, int firstSlot);

} // namespace channels::rows
