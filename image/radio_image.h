// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio image: a byte-for-byte copy of the radio's 16 KB configuration memory,
// indexed by radio address. Every editor, the transfer and the parameter files go
// through the typed helpers below, so each field is read and written with the
// encoding its region uses (bytes, little- and big-endian words, bit fields inside
// one byte, BCD frequencies, padded texts). A bad address is a programming error.

#include "image/frequency.h"

#include <QByteArray>

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace image {

using Addr = std::uint16_t;

// A field of `width` bits starting at bit `shift` (0 = least significant) of one byte.
struct Bits {
    Addr at;
    std::uint8_t shift;
    std::uint8_t width;
};

class RadioImage {
public:
    static constexpr std::size_t kSize = 0x4000;

    RadioImage() { m_bytes.fill(0); }

    std::uint8_t u8(Addr at) const;
    void setU8(Addr at, std::uint8_t value);

    std::uint16_t u16le(Addr at) const;
    void setU16le(Addr at, std::uint16_t value);
    std::uint16_t u16be(Addr at) const;
    void setU16be(Addr at, std::uint16_t value);
    std::uint32_t u32le(Addr at) const;

    // Reads or writes only the field's own bits; the other bits of the byte stay.
    unsigned get(Bits field) const;
    void set(Bits field, unsigned value);
    bool bit(Addr at, int bitIndex) const { return get({at, std::uint8_t(bitIndex), 1}) != 0; }
    void setBit(Addr at, int bitIndex, bool on) { set({at, std::uint8_t(bitIndex), 1}, on ? 1u : 0u); }

    // Bit `index` of a bitmap that starts at `base` (bit index % 8 of byte index / 8).
    bool mapBit(Addr base, int index) const { return bit(Addr(base + index / 8), index % 8); }
    void setMapBit(Addr base, int index, bool on) { setBit(Addr(base + index / 8), index % 8, on); }

    // BCD frequency field: 4 bytes, 8 packed BCD digits, most significant first, 100 Hz units.
    // bcdFreq decodes with the raster snap; setBcdFreq encodes (the 10 Hz digit is dropped).
    Freq10Hz bcdFreq(Addr at) const;
    void setBcdFreq(Addr at, Freq10Hz value);
    // The 8 digits as a number (nibbles above 9 decode arithmetically), no snap.
    std::int64_t bcdDigits(Addr at) const;

    // Text of at most `length` bytes, ending at the first byte listed in `terminators`.
    QByteArray text(Addr at, int length, QByteArrayView terminators) const;
    // The end of a text field: a 0x00 byte, or erased memory (0xFF), which reads as empty.
    static constexpr QByteArrayView kTextEnd{"\0\xFF", 2};
    // Whether the text at `at` ends at erased memory (its first 0x00 or 0xFF byte is 0xFF).
    // Writing back the text such a field reads as leaves it alone, so bytes nobody touched
    // stay as they were.
    bool endsErased(Addr at, int length) const;
    // Fills `length` bytes with `pad`, then copies at most `length` bytes of `text`.
    void setText(Addr at, int length, QByteArrayView text, std::uint8_t pad);

    bool allBytesAre(Addr at, int length, std::uint8_t value) const;
    void fill(Addr at, int length, std::uint8_t value);

    std::span<const std::uint8_t> bytes(Addr at, int length) const;
    std::span<std::uint8_t> bytes(Addr at, int length);
    std::span<const std::uint8_t, kSize> all() const { return m_bytes; }
    std::span<std::uint8_t, kSize> all() { return m_bytes; }

    bool operator==(const RadioImage&) const = default;

private:
    static void check(Addr at, int length);
    static void checkBits(Bits field);
    std::array<std::uint8_t, kSize> m_bytes;
};

// The block that travels ahead of the image in parameter files and serves nothing else.
using FilePrefixBlock = std::array<std::uint8_t, 0x1000>;

} // namespace image
