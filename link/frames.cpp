// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/frames.h"

#include "image/band_limits.h"
#include "image/memory_map.h"
#include "link/link_constants.h"

#include <cassert>

namespace radiolink {

namespace {

std::uint8_t high(image::Addr address) { return std::uint8_t(address >> 8); }
std::uint8_t low(image::Addr address) { return std::uint8_t(address & 0xFF); }

} // namespace

QByteArray handshakeFrame() { return QByteArrayLiteral("PROGRAM"); }
QByteArray handshakeAnswer() { return QByteArrayLiteral("QX\x06"); }
QByteArray identifyFrame() { return QByteArray(1, char(kIdentifyByte)); }
QByteArray endFrame() { return QByteArrayLiteral("END"); }

QByteArray readRequest(image::Addr address) {
    QByteArray frame;
    frame.append(char(kReadCommand));
    frame.append(char(high(address)));
    frame.append(char(low(address)));
    frame.append(char(kBlockLength));
    return frame;
}

std::uint8_t writeChecksum(image::Addr address, std::span<const std::uint8_t> data) {
    unsigned sum = high(address) + low(address) + kBlockLength;
    for (const std::uint8_t b : data) sum += b;
    return std::uint8_t(sum & 0xFF);
}

QByteArray writeFrame(image::Addr address, std::span<const std::uint8_t> data) {
    assert(data.size() == std::size_t(image::map::kBlockSize));
    QByteArray frame;
    frame.reserve(kWriteFrameSize);
    frame.append(char(kWriteCommand));
    frame.append(char(high(address)));
    frame.append(char(low(address)));
    frame.append(char(kBlockLength));
    for (const std::uint8_t b : data) frame.append(char(b));
    frame.append(char(writeChecksum(address, data)));
    frame.append(char(kAck));
    return frame;
}

QByteArray passwordFromProbeReply(const QByteArray& reply) {
    const QByteArrayView field = QByteArrayView(reply).sliced(
        std::min<qsizetype>(kPasswordReplyOffset, reply.size()));
    return image::leadingPasswordDigits(field.first(std::min<qsizetype>(field.size(),
                                                                         image::map::kProgramPasswordLength)));
}

int radioStateFromIdentifyReply(const QByteArray& reply) {
    return reply.size() > kIdentifyStateByte ? std::uint8_t(reply[kIdentifyStateByte]) : 0;
}

QString percentText(int position, int upperBound) {
    const int percent = upperBound > 0 ? position * 100 / upperBound : 0;
    return QStringLiteral("%1%").arg(percent);
}

} // namespace radiolink
