// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A radio as the programming cable sees it, without the cable: it takes the bytes the PC
// sends, keeps its 16 KB configuration memory and answers the way the real radio does
// (handshake, identification with the radio state, 22-byte read answers, acknowledged
// write frames, "END"). It records every byte it receives, and fault switches make it
// misbehave on purpose. The echo of the cable is added by whoever carries the bytes
// (SimulatedPort in process, the pseudo-terminal simulator outside).

#include "image/radio_image.h"

#include <QByteArray>
#include <QMap>

#include <cstdint>
#include <optional>

namespace radiolink {

struct RadioFaults {
    static constexpr int kAlways = -1;  // a count that never runs out

    bool silent = false;          // the radio answers nothing at all
    int garbledHandshakes = 0;    // this many handshakes get a wrong answer
    // Per block address: how many times the radio misbehaves there (kAlways: every time).
    QMap<image::Addr, int> missingReadAnswers;  // no answer to the read request
    QMap<image::Addr, int> shortReadAnswers;    // only the first half of the answer
    QMap<image::Addr, int> refusedWrites;       // the write frame is answered with NAK
    QMap<image::Addr, int> corruptedWrites;     // acknowledged, but stored with every bit inverted
    // Timing faults, as a loaded PC or a USB adapter shows them.
    int lateMs = 60;                            // how late a late answer or acknowledgement comes
    QMap<image::Addr, int> lateReadAnswers;     // the read answer comes lateMs late
    QMap<image::Addr, int> lateAcks;            // the write's acknowledgement comes lateMs late
    QMap<image::Addr, int> strayBeforeAnswers;  // a stray byte on the line before the answer
    QMap<image::Addr, int> lostAnswerBytes;     // one byte of the read answer is lost on the way
    // The cable hands bytes over in bursts, every burstMs (a USB adapter's latency timer);
    // 0: each byte as it comes. The carrier of the bytes applies it.
    int burstMs = 0;
    // A radio of another make: its read answers carry zeros where the request's address and
    // length would be repeated.
    bool unaddressedAnswers = false;
    // A worn memory cell: the byte at this address keeps its value through every write.
    std::optional<image::Addr> stuckByte;
    // The cable is pulled when a request or frame for this block arrives.
    std::optional<image::Addr> unplugAt;
};

class SimulatedRadio {
public:
    static constexpr std::uint8_t kNak = 0x15;
    static constexpr std::uint8_t kStrayByte = 0xFF;  // line noise
    static constexpr int kLostByteIndex = 9;           // of a 22-byte answer: a data byte

    explicit SimulatedRadio(const image::RadioImage& memory = defaultMemory());

    // Zeros, band limits 136-174 MHz at 0x0200, no program password.
    static image::RadioImage defaultMemory();

    // One byte from the cable; returns what the radio answers once it is complete.
    QByteArray receiveByte(std::uint8_t byte);
    QByteArray receive(QByteArrayView bytes);
    // How long the radio held back the answer receiveByte() returned last (a late-answer fault).
    int answerDelayMs() const { return m_answerDelayMs; }

    const image::RadioImage& memory() const { return m_memory; }
    image::RadioImage& memory() { return m_memory; }
    // Program password at 0x014C-0x014F (up to 4 characters, 0x00-filled).
    void setPassword(QByteArrayView password);
    // Radio state byte at 0x0227: 1 killed, 2 stunned, 0 normal.
    void setState(std::uint8_t state);

    RadioFaults& faults() { return m_faults; }
    const QByteArray& received() const { return m_received; }
    void clearReceived() { m_received.clear(); }
    bool unplugged() const { return m_unplugged; }
    bool programming() const { return m_programming; }
    int handshakesAnswered() const { return m_handshakes; }

private:
    QByteArray idleByte(std::uint8_t byte);
    QByteArray frameByte(std::uint8_t byte);
    QByteArray answerFrame(const QByteArray& frame);
    QByteArray answerHandshake();
    QByteArray answerIdentify() const;
    QByteArray answerRead(const QByteArray& frame);
    QByteArray answerWrite(const QByteArray& frame);
    bool takeFault(QMap<image::Addr, int>& faults, image::Addr address);
    bool pullsCable(image::Addr address);

    image::RadioImage m_memory;
    RadioFaults m_faults;
    QByteArray m_received;
    QByteArray m_idleWindow;  // the last bytes seen outside programming mode
    QByteArray m_frame;       // the frame being received in programming mode
    bool m_programming = false;
    bool m_unplugged = false;
    int m_handshakes = 0;
    int m_answerDelayMs = 0;
};

} // namespace radiolink
