// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer engine against a radio whose answers the fuzzer bends: each answer comes
// whole, late (up to 1.5 s, so the program asks again and both answers arrive), after a stray
// byte, with a byte lost, cut short, replaced by arbitrary bytes, or not at all; the cable may
// hand bytes over in 16 ms bursts. The questions a transfer asks (Retry or Cancel, password,
// revive code) and the moment the user presses "Exit" come from the input too. Time is the
// manual clock, so a silent or late radio costs no real time.
//
// Properties:
//   - a read reports success only when each block in the image holds the radio's bytes, or
//     those of an answer that named that block (a bent answer can be made to look sound);
//     a session that took answers unchecked (its first answer had another shape) is exempt;
//   - a write reports success only when the radio acknowledged a frame of every block, and
//     the radio then holds the image's bytes;
//   - a read that does not succeed changes nothing in the image;
//   - a write changes nothing in the image but the radio state byte a revive clears;
//   - success reports the last block as progress, and the running flag is down at the end.

#include "fuzz_support.h"
#include "image/memory_map.h"
#include "link/clock.h"
#include "link/frames.h"
#include "link/serial_port.h"
#include "link/simulated_port.h"
#include "link/transfer_engine.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <map>
#include <set>
#include <random>

namespace {

using fuzzing::require;
using radiolink::Direction;
namespace map = image::map;

constexpr int kBlock = map::kBlockSize;

// The radio behind an echoing cable; the fuzzer decides how each answer arrives.
class BendingRadioPort final : public radiolink::SerialPort {
public:
    BendingRadioPort(FuzzedDataProvider& input, radiolink::Clock& clock) : m_input(input), m_clock(clock) {
        std::mt19937 random(input.ConsumeIntegral<std::uint8_t>());
        for (auto& b : memory.all()) b = std::uint8_t(random());
        memory.setU8(map::kRadioState, input.ConsumeIntegralInRange<std::uint8_t>(0, 3));
        // Mostly a radio without a program password, so that most runs reach the blocks.
        if (!input.ConsumeBool()) memory.fill(map::kProgramPassword, map::kProgramPasswordLength, 0xFF);
        m_burstMs = input.ConsumeIntegralInRange(0, 7) == 0 ? kBurstMs : 0;
    }

    image::RadioImage memory;
    std::map<int, std::set<QByteArray>> answeredData;  // by the block an answer names: its data bytes
    std::set<int> acknowledged;                        // blocks a delivered answer acknowledged

    radiolink::OpenStatus open(const QString&) override { return radiolink::OpenStatus::Opened; }
    void setBufferSizes(int, int) override {}
    bool configureLine() override { return true; }
    void setTimeouts(const radiolink::Timeouts& timeouts) override { m_timeouts = timeouts; }
    void purge() override { m_line.dropArrived(m_clock.nowUs()); }
    int bytesWaiting() override { return m_line.arrived(m_clock.nowUs()); }
    bool waitForInput(int ms) override { return m_line.waitForInput(ms, m_clock); }
    QByteArray read(int count) override { return m_line.read(count, m_timeouts, m_clock); }
    void close() override {}

    int write(const QByteArray& frame) override {
        const qint64 now = m_clock.nowUs();
        m_line.add(frame, now, m_burstMs);  // the cable's echo
        int delayMs = 0;
        const QByteArray answer = bend(answerTo(frame), delayMs);
        record(frame, answer);
        m_line.add(answer, now + qint64(delayMs) * 1000, m_burstMs);
        return int(frame.size());
    }

private:
    static constexpr int kBurstMs = 16;
    static constexpr int kLatestMs = 1500;

    static int addressOf(const QByteArray& frame) { return (std::uint8_t(frame[1]) << 8) | std::uint8_t(frame[2]); }

    // What a sound radio answers.
    QByteArray answerTo(const QByteArray& frame) {
        if (frame == radiolink::handshakeFrame()) return radiolink::handshakeAnswer();
        if (frame == radiolink::identifyFrame()) {
            QByteArray reply(radiolink::kIdentifyReplySize, '\0');
            reply[radiolink::kIdentifyStateByte] = char(memory.u8(map::kRadioState));
            return reply;
        }
        if (frame.size() == radiolink::kReadRequestSize && frame[0] == 'R') {
            const auto data = memory.bytes(image::Addr(addressOf(frame) & 0x3FF0), kBlock);
            return radiolink::writeFrame(image::Addr(addressOf(frame)), data);
        }
        if (frame.size() == radiolink::kWriteFrameSize && frame[0] == 'W') {
            const int at = addressOf(frame) & 0x3FF0;
            for (int i = 0; i < kBlock; ++i) memory.setU8(image::Addr(at + i), std::uint8_t(frame[4 + i]));
            return QByteArray(1, char(radiolink::kAck));
        }
        return {};  // "END" gets no answer
    }

    // Most answers come whole; an exhausted input answers soundly, so every run ends.
    QByteArray bend(QByteArray answer, int& delayMs) {
        const std::uint8_t how = m_input.ConsumeIntegral<std::uint8_t>();
        if (how < 160) return answer;
        if (how < 176) {
            delayMs = m_input.ConsumeIntegralInRange(1, kLatestMs);
            return answer;
        }
        if (how < 188) return answer.prepend(char(m_input.ConsumeIntegral<std::uint8_t>()));
        if (how < 200 && !answer.isEmpty())
            return answer.remove(m_input.ConsumeIntegralInRange<qsizetype>(0, answer.size() - 1), 1);
        if (how < 216) return answer.first(m_input.ConsumeIntegralInRange<qsizetype>(0, answer.size()));
        if (how < 240) return QByteArray::fromStdString(m_input.ConsumeRandomLengthString(40));
        return {};
    }

    // Every stretch of an answer that looks like a block's answer, under the block it names.
    void record(const QByteArray& frame, const QByteArray& answer) {
        for (qsizetype i = 0; i + radiolink::kReadAnswerSize <= answer.size(); ++i)
            if (answer[i] == 'W' && std::uint8_t(answer[i + 3]) == radiolink::kBlockLength)
                answeredData[addressOf(answer.mid(i, 3))].insert(answer.mid(i + radiolink::kReadAnswerDataOffset, kBlock));
        if (frame.size() == radiolink::kWriteFrameSize && frame[0] == 'W' && answer.contains(char(radiolink::kAck)))
            acknowledged.insert(addressOf(frame));
    }

    FuzzedDataProvider& m_input;
    radiolink::Clock& m_clock;
    radiolink::Timeouts m_timeouts;
    radiolink::TimedInput m_line;
    int m_burstMs = 0;
};

// The user's answers come from the input; an exhausted input answers Cancel.
class FuzzedPrompts final : public app::Prompts {
public:
    explicit FuzzedPrompts(FuzzedDataProvider& input) : m_input(input) {}
    void message(const QString&) override {}
    bool askYesNo(const QString&, const QString&) override { return false; }
    bool askRetryCancel(const QString&) override { return m_input.ConsumeBool(); }
    std::optional<QString> askPassword(app::PasswordMode, const QString&) override {
        if (!m_input.ConsumeBool()) return std::nullopt;
        return QString::fromStdString(m_input.ConsumeRandomLengthString(5));
    }
    std::optional<QString> askReviveCode(const QString&) override {
        if (!m_input.ConsumeBool()) return std::nullopt;
        return m_input.ConsumeBool() ? QStringLiteral("ktr580") : QStringLiteral("KTR581");
    }
    QString askOpenFileName(const app::FileDialogRequest&) override { return {}; }
    QString askSaveFileName(const app::FileDialogRequest&) override { return {}; }

private:
    FuzzedDataProvider& m_input;
};

void completedReadHoldsTheAnswers(const BendingRadioPort& radio, const image::RadioImage& before,
                                  const image::RadioImage& after) {
    for (int at = map::kReadStart; at < map::kImageEnd; at += kBlock) {
        const auto block = after.bytes(image::Addr(at), kBlock);
        const QByteArray got(reinterpret_cast<const char*>(block.data()), kBlock);
        const auto sent = radio.memory.bytes(image::Addr(at), kBlock);
        const bool radiosOwn = std::ranges::equal(block, sent);
        const auto answered = radio.answeredData.find(at);
        require(radiosOwn || (answered != radio.answeredData.end() && answered->second.contains(got)),
                "a successful read puts into each block the radio's bytes or those of an answer naming it",
                QString::asprintf("block 0x%04X", at));
    }
    require(std::ranges::equal(before.bytes(0, map::kReadStart), after.bytes(0, map::kReadStart)),
            "a read never changes the image below its first block");
}

void completedWriteWasAccepted(const BendingRadioPort& radio, const image::RadioImage& img) {
    for (int at = map::kWriteStart; at < map::kImageEnd; at += kBlock)
        require(radio.acknowledged.contains(at), "a write succeeds only when the radio acknowledged every block",
                QString::asprintf("block 0x%04X", at));
    require(std::ranges::equal(radio.memory.bytes(map::kWriteStart, map::kImageEnd + 1 - map::kWriteStart),
                               img.bytes(map::kWriteStart, map::kImageEnd + 1 - map::kWriteStart)),
            "after a successful write the radio holds the image's bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const Direction direction = input.ConsumeBool() ? Direction::Write : Direction::Read;
    const int exitAtBlock = input.ConsumeIntegralInRange(1, 2048);  // beyond the last block: never

    app::AppState state;
    state.config.portName = QStringLiteral("COM1");
    std::mt19937 random(input.ConsumeIntegral<std::uint8_t>());
    for (auto& b : state.image.all()) b = std::uint8_t(random());
    const image::RadioImage before = state.image;

    radiolink::ManualClock clock;
    BendingRadioPort radio(input, clock);
    FuzzedPrompts prompts(input);
    radiolink::TransferEngine engine(radio, clock, prompts, state);
    bool unchecked = false;  // the session took answers by their length only
    engine.setLogCallback([&unchecked](const QString&) { unchecked = true; });
    int lastPosition = 0;
    engine.setProgressCallback([&](const radiolink::TransferProgress& progress) {
        lastPosition = progress.position;
        if (progress.position == exitAtBlock) state.transfer.cancel = true;
    });
    const radiolink::TransferOutcome outcome = engine.run(direction);

    require(!state.transfer.running, "the running flag is down when a transfer ends");
    if (direction == Direction::Read) {
        // A session that took the answers by their length only (the radio's first answer did
        // not name its block) has no block names to hold a completed read against.
        if (!outcome.success()) fuzzing::requireSameImage(before, state.image, "a read that does not succeed changes nothing");
        else if (!unchecked) completedReadHoldsTheAnswers(radio, before, state.image);
    } else {
        image::RadioImage expected = before;
        expected.setU8(map::kRadioState, state.image.u8(map::kRadioState));
        fuzzing::requireSameImage(expected, state.image, "a write changes nothing in the image but the radio state byte");
        if (outcome.success()) completedWriteWasAccepted(radio, state.image);
    }
    if (outcome.success())
        require(lastPosition == radiolink::progressUpperBound(direction), "a successful transfer reports its last block");
    return 0;
}
