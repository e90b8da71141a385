// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/simulated_radio.h"

#include "image/band_limits.h"
#include "image/memory_map.h"
#include "link/frames.h"
#include "link/link_constants.h"

namespace radiolink {

namespace {

// Length of the frame that starts with this command byte; 0 for a byte the radio ignores.
int frameLength(std::uint8_t command) {
    switch (command) {
    case kReadCommand: return kReadRequestSize;
    case kWriteCommand: return kWriteFrameSize;
    case kIdentifyByte: return 1;
    case 'E': return 3;  // "END"
    case 'P': return 7;  // "PROGRAM" again: the program restarts without ending first
    default: return 0;
    }
}

image::Addr frameAddress(const QByteArray& frame) {
    return image::Addr((std::uint8_t(frame[1]) << 8) | std::uint8_t(frame[2]));
}

bool blockInMemory(image::Addr address) {
    return address + image::map::kBlockSize <= int(image::RadioImage::kSize);
}

} // namespace

SimulatedRadio::SimulatedRadio(const image::RadioImage& memory) : m_memory(memory) {}

image::RadioImage SimulatedRadio::defaultMemory() {
    image::RadioImage memory;
    image::encodeBandLimits(image::BandLimits{}, memory);
    return memory;
}

void SimulatedRadio::setPassword(QByteArrayView password) {
    m_memory.setText(image::map::kProgramPassword, image::map::kProgramPasswordLength, password, 0x00);
}

void SimulatedRadio::setState(std::uint8_t state) {
    m_memory.setU8(image::map::kRadioState, state);
}

QByteArray SimulatedRadio::receive(QByteArrayView bytes) {
    QByteArray answer;
    for (const char c : bytes) answer += receiveByte(std::uint8_t(c));
    return answer;
}

QByteArray SimulatedRadio::receiveByte(std::uint8_t byte) {
    if (m_unplugged) return {};  // nothing reaches the radio once the cable is out
    m_received.append(char(byte));
    m_answerDelayMs = 0;
    const QByteArray answer = m_programming ? frameByte(byte) : idleByte(byte);
    return m_faults.silent || m_unplugged ? QByteArray() : answer;
}

// Outside programming mode the radio listens for "PROGRAM" only.
QByteArray SimulatedRadio::idleByte(std::uint8_t byte) {
    m_idleWindow.append(char(byte));
    const QByteArray handshake = handshakeFrame();
    if (m_idleWindow.size() > handshake.size()) m_idleWindow.remove(0, 1);
    if (m_idleWindow != handshake) return {};
    m_idleWindow.clear();
    return answerHandshake();
}

QByteArray SimulatedRadio::frameByte(std::uint8_t byte) {
    if (m_frame.isEmpty() && frameLength(byte) == 0) return {};
    m_frame.append(char(byte));
    if (m_frame.size() < frameLength(std::uint8_t(m_frame[0]))) return {};
    const QByteArray frame = m_frame;
    m_frame.clear();
    return answerFrame(frame);
}

QByteArray SimulatedRadio::answerFrame(const QByteArray& frame) {
    switch (std::uint8_t(frame[0])) {
    case kReadCommand: return answerRead(frame);
    case kWriteCommand: return answerWrite(frame);
    case kIdentifyByte: return answerIdentify();
    case 'P': return frame == handshakeFrame() ? answerHandshake() : QByteArray();
    default: break;
    }
    if (frame != endFrame()) return {};
    m_programming = false;
    return QByteArray(1, char(kAck));
}

QByteArray SimulatedRadio::answerHandshake() {
    if (m_faults.garbledHandshakes > 0) {
        --m_faults.garbledHandshakes;
        return QByteArrayLiteral("QY\x15");
    }
    m_programming = true;
    ++m_handshakes;
    return handshakeAnswer();
}

// Sixteen bytes of which the program looks at byte 14 only: the radio state.
QByteArray SimulatedRadio::answerIdentify() const {
    QByteArray reply = QByteArrayLiteral("QMR417SIM");
    reply.resize(kIdentifyReplySize, '\0');
    const std::uint8_t state = m_memory.u8(image::map::kRadioState);
    const bool locked = state == kRadioKilled || state == kRadioStunned;
    reply[kIdentifyStateByte] = char(locked ? state : 0);
    return reply;
}

// The read answer has the shape of a write frame: 'W', address, 0x10, data, checksum, 0x06.
QByteArray SimulatedRadio::answerRead(const QByteArray& frame) {
    const image::Addr address = frameAddress(frame);
    if (pullsCable(address)) return {};
    if (std::uint8_t(frame[3]) != kBlockLength || !blockInMemory(address)) return {};
    if (takeFault(m_faults.missingReadAnswers, address)) return {};
    QByteArray answer = writeFrame(address, m_memory.bytes(address, image::map::kBlockSize));
    if (takeFault(m_faults.shortReadAnswers, address)) return answer.first(answer.size() / 2);
    if (m_faults.unaddressedAnswers) answer.replace(1, 3, QByteArray(3, '\0'));
    if (takeFault(m_faults.lostAnswerBytes, address)) answer.remove(kLostByteIndex, 1);
    if (takeFault(m_faults.strayBeforeAnswers, address)) answer.prepend(char(kStrayByte));
    if (takeFault(m_faults.lateReadAnswers, address)) m_answerDelayMs = m_faults.lateMs;
    return answer;
}

QByteArray SimulatedRadio::answerWrite(const QByteArray& frame) {
    const image::Addr address = frameAddress(frame);
    if (pullsCable(address)) return {};
    const QByteArray nak(1, char(kNak));
    if (std::uint8_t(frame[3]) != kBlockLength || !blockInMemory(address)) return nak;
    const auto data = std::span(reinterpret_cast<const std::uint8_t*>(frame.constData()) + 4,
                                std::size_t(image::map::kBlockSize));
    const bool intact = std::uint8_t(frame[20]) == writeChecksum(address, data)
                        && std::uint8_t(frame[21]) == kAck;
    if (!intact || takeFault(m_faults.refusedWrites, address)) return nak;
    const auto stored = m_memory.bytes(address, image::map::kBlockSize);
    const std::optional<image::Addr> stuck = m_faults.stuckByte;
    const bool stuckHere = stuck && *stuck >= address && *stuck < address + image::map::kBlockSize;
    const std::uint8_t stuckValue = stuckHere ? m_memory.u8(*stuck) : 0;
    std::copy(data.begin(), data.end(), stored.begin());
    if (stuckHere) m_memory.setU8(*stuck, stuckValue);
    if (takeFault(m_faults.corruptedWrites, address))
        for (std::uint8_t& byte : stored) byte = std::uint8_t(~byte);
    if (takeFault(m_faults.lateAcks, address)) m_answerDelayMs = m_faults.lateMs;
    QByteArray ack(1, char(kAck));
    if (takeFault(m_faults.strayBeforeAnswers, address)) ack.prepend(char(kStrayByte));
    return ack;
}

bool SimulatedRadio::takeFault(QMap<image::Addr, int>& faults, image::Addr address) {
    const auto it = faults.find(address);
    if (it == faults.end() || it.value() == 0) return false;
    if (it.value() != RadioFaults::kAlways) --it.value();
    return true;
}

bool SimulatedRadio::pullsCable(image::Addr address) {
    if (m_faults.unplugAt == address) m_unplugged = true;
    return m_unplugged;
}

} // namespace radiolink
