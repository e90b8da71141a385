// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frames the program sends to the radio and the few answers it checks. Pure
// functions, so every byte can be checked without a port.

#include "image/radio_image.h"

#include <QByteArray>

#include <cstdint>
#include <span>

namespace radiolink {

constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kIdentifyByte = 0x02;
constexpr std::uint8_t kReadCommand = 'R';
constexpr std::uint8_t kWriteCommand = 'W';
constexpr std::uint8_t kBlockLength = 0x10;
constexpr image::Addr kPasswordProbeAddress = 0x0140;
// Reply bytes 16-19 hold the program password (block bytes 12-15, 0x014C-0x014F).
constexpr int kPasswordReplyOffset = 16;

QByteArray handshakeFrame();        // "PROGRAM"
QByteArray handshakeAnswer();       // "QX" 0x06
QByteArray identifyFrame();         // 0x02
QByteArray endFrame();              // "END"
QByteArray readRequest(image::Addr address);  // 'R' high low 0x10

// The sum of address high, address low, 0x10 and the 16 data bytes, modulo 256.
std::uint8_t writeChecksum(image::Addr address, std::span<const std::uint8_t> data);
// 'W' high low 0x10, 16 data bytes, checksum, 0x06.
QByteArray writeFrame(image::Addr address, std::span<const std::uint8_t> data);

// The radio's program password from a password probe reply: the leading ASCII digits of
// reply bytes 16-19 (at most 4). Empty when the radio has none or the reply is short.
QByteArray passwordFromProbeReply(const QByteArray& reply);

// Radio state from the identification reply (byte 14); 0 when the reply is short.
int radioStateFromIdentifyReply(const QByteArray& reply);

// "%d%%" of position * 100 / upperBound, integer division.
QString percentText(int position, int upperBound);

} // namespace radiolink
