// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/radio_image.h"

#include <QtGlobal>

#include <algorithm>

namespace image {

// Checked in every build: an address outside the image is a programming error, and
// touching memory beside the image would be worse than stopping.
void RadioImage::check(Addr at, int length) {
    if (length < 0 || std::size_t(at) + std::size_t(length) > kSize)
        qFatal("radio image access outside 0x0000-0x3FFF: 0x%04X + %d", unsigned(at), length);
}

void RadioImage::checkBits(Bits field) {
    if (field.width < 1 || field.shift + field.width > 8)
        qFatal("bit field outside one byte at 0x%04X", unsigned(field.at));
}

std::uint8_t RadioImage::u8(Addr at) const {
    check(at, 1);
    return m_bytes[at];
}

void RadioImage::setU8(Addr at, std::uint8_t value) {
    check(at, 1);
    m_bytes[at] = value;
}

std::uint16_t RadioImage::u16le(Addr at) const {
    check(at, 2);
    return std::uint16_t(m_bytes[at] | (m_bytes[at + 1] << 8));
}

void RadioImage::setU16le(Addr at, std::uint16_t value) {
    check(at, 2);
    m_bytes[at] = std::uint8_t(value & 0xFF);
    m_bytes[at + 1] = std::uint8_t(value >> 8);
}

std::uint16_t RadioImage::u16be(Addr at) const {
    check(at, 2);
    return std::uint16_t((m_bytes[at] << 8) | m_bytes[at + 1]);
}

void RadioImage::setU16be(Addr at, std::uint16_t value) {
    check(at, 2);
    m_bytes[at] = std::uint8_t(value >> 8);
    m_bytes[at + 1] = std::uint8_t(value & 0xFF);
}

std::uint32_t RadioImage::u32le(Addr at) const {
    check(at, 4);
    return std::uint32_t(m_bytes[at]) | std::uint32_t(m_bytes[at + 1]) << 8 |
           std::uint32_t(m_bytes[at + 2]) << 16 | std::uint32_t(m_bytes[at + 3]) << 24;
}

unsigned RadioImage::get(Bits field) const {
    checkBits(field);
    const unsigned mask = (1u << field.width) - 1u;
    return (u8(field.at) >> field.shift) & mask;
}

void RadioImage::set(Bits field, unsigned value) {
    checkBits(field);
    const unsigned mask = ((1u << field.width) - 1u) << field.shift;
    const unsigned old = u8(field.at);
    setU8(field.at, std::uint8_t((old & ~mask) | ((value << field.shift) & mask)));
}

Freq10Hz RadioImage::bcdFreq(Addr at) const {
    check(at, 4);
    return decodeBcdFrequency(&m_bytes[at]);
}

void RadioImage::setBcdFreq(Addr at, Freq10Hz value) {
    check(at, 4);
    encodeBcdFrequency(value, &m_bytes[at]);
}

std::int64_t RadioImage::bcdDigits(Addr at) const {
    check(at, 4);
    return decodeBcdDigits(&m_bytes[at]);
}

QByteArray RadioImage::text(Addr at, int length, QByteArrayView terminators) const {
    check(at, length);
    QByteArray result;
    for (int i = 0; i < length; ++i) {
        const char c = char(m_bytes[at + i]);
        if (terminators.contains(c)) break;
        result.append(c);
    }
    return result;
}

bool RadioImage::endsErased(Addr at, int length) const {
    const qsizetype end = text(at, length, kTextEnd).size();
    return end < length && m_bytes[std::size_t(at + end)] == 0xFF;
}

void RadioImage::setText(Addr at, int length, QByteArrayView text, std::uint8_t pad) {
    fill(at, length, pad);
    const int count = std::min<int>(length, int(text.size()));
    for (int i = 0; i < count; ++i) m_bytes[at + i] = std::uint8_t(text[i]);
}

bool RadioImage::allBytesAre(Addr at, int length, std::uint8_t value) const {
    check(at, length);
    return std::all_of(m_bytes.begin() + at, m_bytes.begin() + at + length,
                       [value](std::uint8_t b) { return b == value; });
}

void RadioImage::fill(Addr at, int length, std::uint8_t value) {
    check(at, length);
    std::fill_n(m_bytes.begin() + at, length, value);
}

std::span<const std::uint8_t> RadioImage::bytes(Addr at, int length) const {
    check(at, length);
    return {m_bytes.data() + at, std::size_t(length)};
}

std::span<std::uint8_t> RadioImage::bytes(Addr at, int length) {
    check(at, length);
    return {m_bytes.data() + at, std::size_t(length)};
}

} // namespace image
