// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/channel_row_ops.h"

#include "channels/channel_record.h"
#include "image/memory_map.h"

#include <algorithm>
#include <cassert>
#include <numeric>
#include <set>

namespace channels::rows {

namespace {

constexpr int kLastOrdinarySlot = kFirstSlot + kOrdinarySlots - 1;

bool isOrdinary(int slot) { return slot >= kFirstSlot && slot <= kLastOrdinarySlot; }

std::set<int> ordinarySet(std::span<const int> wanted) {
    std::set<int> set;
    for (const int slot : wanted)
        if (isOrdinary(slot)) set.insert(slot);
    return set;
}

// Everything that travels with a channel.
struct Carried {
    std::array<std::uint8_t, record::kSize> bytes;
    bool empty;
    bool skip;
};

Carried take(const image::RadioImage& img, int slot) {
    Carried c{};
    const auto bytes = img.bytes(recordAddress(slot), record::kSize);
    std::copy(bytes.begin(), bytes.end(), c.bytes.begin());
    c.empty = usageBit(img, slot);
    c.skip = scanSkip(img, slot);
    return c;
}

void put(image::RadioImage& img, int slot, const Carried& c) {
    const auto bytes = img.bytes(recordAddress(slot), record::kSize);
    std::copy(c.bytes.begin(), c.bytes.end(), bytes.begin());
    setUsageBit(img, slot, c.empty);
    setScanSkip(img, slot, c.skip);
}

// The clipboard form: this tag, then per channel its record and one byte, 1 when skipped.
const QByteArray kRecordsTag = QByteArrayLiteral("QMR-417 channel records 1\n");
constexpr qsizetype kCopiedSize = record::kSize + 1;

} // namespace

SlotOrder unchangedOrder() {
    SlotOrder order;
    std::iota(order.begin(), order.end(), kFirstSlot);
    return order;
}

bool inUse(const image::RadioImage& img, int slot) {
    return !usageBit(img, slot) && !ChannelRecordView(img, slot).isEmpty();
}

void remapChannelReferences(image::RadioImage& img, const SlotOrder& order) {
    std::array<int, kOrdinarySlots> newNumber{};
    for (int i = 0; i < kOrdinarySlots; ++i) newNumber[std::size_t(order[std::size_t(i)] - kFirstSlot)] = i;
    for (const image::Addr at : kChannelReferences) {
        const int number = img.u8(at);
        if (number < kOrdinarySlots) img.setU8(at, std::uint8_t(newNumber[std::size_t(number)]));
    }
}

void rearrange(image::RadioImage& img, const SlotOrder& order) {
    assert(std::is_permutation(order.begin(), order.end(), unchangedOrder().begin()));
    std::vector<Carried> before;
    before.reserve(kOrdinarySlots);
    for (int slot = kFirstSlot; slot <= kLastOrdinarySlot; ++slot) before.push_back(take(img, slot));
    for (int i = 0; i < kOrdinarySlots; ++i)
        put(img, kFirstSlot + i, before[std::size_t(order[std::size_t(i)] - kFirstSlot)]);
    remapChannelReferences(img, order);
}

int insertRows(image::RadioImage& img, int slot, int count) {
    if (!isOrdinary(slot) || count <= 0) return 0;
    count = std::min(count, kLastOrdinarySlot - slot + 1);
    const int firstFreed = kLastOrdinarySlot - count + 1;
    for (int s = firstFreed; s <= kLastOrdinarySlot; ++s)
        if (inUse(img, s)) return s;
    // The empty channels at the end rotate up to the insertion point.
    SlotOrder order = unchangedOrder();
    std::rotate(order.begin() + (slot - kFirstSlot), order.begin() + (firstFreed - kFirstSlot), order.end());
    rearrange(img, order);
    for (int s = slot; s < slot + count; ++s) channelClear(img, s);
    return 0;
}

void deleteRows(image::RadioImage& img, std::span<const int> wanted) {
    const std::set<int> deleted = ordinarySet(wanted);
    if (deleted.empty()) return;
    SlotOrder order{};
    std::size_t next = 0;
    for (int slot = kFirstSlot; slot <= kLastOrdinarySlot; ++slot)
        if (!deleted.count(slot)) order[next++] = slot;
    for (const int slot : deleted) order[next++] = slot;
    rearrange(img, order);
    for (int slot = kLastOrdinarySlot - int(deleted.size()) + 1; slot <= kLastOrdinarySlot; ++slot)
        channelClear(img, slot);
}

bool moveRows(image::RadioImage& img, std::span<const int> wanted, int delta) {
    const std::set<int> moving = ordinarySet(wanted);
    if (moving.empty() || (delta != -1 && delta != 1) || moving.size() != wanted.size()) return false;
    if (delta < 0 ? *moving.begin() == kFirstSlot : *moving.rbegin() == kLastOrdinarySlot) return false;
    SlotOrder order = unchangedOrder();
    // Each channel swaps with the one it moves over; going up the top one first, going down
    // the bottom one first, so a block moves as a whole.
    auto swapWithNeighbour = [&](int slot) {
        std::swap(order[std::size_t(slot - kFirstSlot)], order[std::size_t(slot - kFirstSlot + delta)]);
    };
    if (delta < 0) std::for_each(moving.begin(), moving.end(), swapWithNeighbour);
    else std::for_each(moving.rbegin(), moving.rend(), swapWithNeighbour);
    rearrange(img, order);
    return true;
}

void sortByRx(image::RadioImage& img, std::span<const int> wanted) {
    std::vector<int> positions;
    for (const int slot : ordinarySet(wanted)) positions.push_back(slot);
    if (positions.size() < 2) {
        positions.clear();
        for (int slot = kFirstSlot; slot <= kLastOrdinarySlot; ++slot) positions.push_back(slot);
    }
    std::vector<int> sorted = positions;
    std::stable_sort(sorted.begin(), sorted.end(), [&](int a, int b) {
        const bool usedA = inUse(img, a);
        const bool usedB = inUse(img, b);
        if (usedA != usedB) return usedA;
        return usedA && ChannelRecordView(img, a).rx() < ChannelRecordView(img, b).rx();
    });
    SlotOrder order = unchangedOrder();
    for (std::size_t i = 0; i < positions.size(); ++i) order[std::size_t(positions[i] - kFirstSlot)] = sorted[i];
    rearrange(img, order);
}

void clearRows(image::RadioImage& img, std::span<const int> wanted) {
    for (const int slot : ordinarySet(wanted)) channelClear(img, slot);
}

QByteArray copyRecords(const image::RadioImage& img, std::span<const int> wanted) {
    QByteArray copied = kRecordsTag;
    for (const int slot : wanted) {
        if (!isOrdinary(slot) || !inUse(img, slot)) continue;
        const Carried c = take(img, slot);
        copied.append(reinterpret_cast<const char*>(c.bytes.data()), record::kSize);
        copied.append(char(c.skip ? 1 : 0));
    }
    return copied;
}

bool holdsRecords(const QByteArray& copied) {
    return copied.startsWith(kRecordsTag) && (copied.size() - kRecordsTag.size()) % kCopiedSize == 0;
}

RecordPaste pasteRecords(image::RadioImage& img, const QByteArray& copied, int firstSlot) {
    RecordPaste result;
    if (!holdsRecords(copied)) return result;
    int slot = firstSlot;
    for (qsizetype at = kRecordsTag.size(); at < copied.size(); at += kCopiedSize, ++slot) {
        if (!isOrdinary(slot)) {
            ++result.leftOut;
            continue;
        }
        Carried c{};
        std::copy_n(copied.constData() + at, record::kSize, reinterpret_cast<char*>(c.bytes.data()));
        c.empty = false;
        c.skip = copied[at + record::kSize] != 0;
        put(img, slot, c);
        result.pasted.push_back(slot);
    }
    return result;
}

} // namespace channels::rows
