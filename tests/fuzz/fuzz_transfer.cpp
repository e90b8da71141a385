// The transfer engine against a radio whose answers the fuzzer bends: each answer comes
// whole, cut short, replaced by arbitrary bytes, or not at all. The questions a transfer
// asks (Retry or Cancel, password, revive code) and the moment the user presses "Exit" come
// from the input too. Time is the manual clock, so a silent radio costs no real time.
//
// Properties:
//   - a read reports success only when every block was answered with its 22 bytes, and the
//     image then holds exactly the data bytes of those answers;
//   - a write reports success only when the last frame sent for every block was accepted
//     and carried the image's bytes;
//   - a read that does not succeed changes nothing in the image;
//   - a write changes nothing in the image but the radio state byte a revive clears;
//   - success reports the last block as progress, and the running flag is down at the end.

#include "fuzz_support.h"
#include "image/memory_map.h"
#include "link/clock.h"
#include "link/frames.h"
#include "link/serial_port.h"
#include "link/transfer_engine.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <map>
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
    }

    image::RadioImage memory;
    std::map<int, QByteArray> lastReadAnswer;   // by block address: what the last request got
    std::map<int, QByteArray> lastWriteFrame;   // by block address: the last frame received
    std::map<int, QByteArray> lastWriteAnswer;  // and what the radio answered to it

    radiolink::OpenStatus open(const QString&) override { return radiolink::OpenStatus::Opened; }
    void setBufferSizes(int, int) override {}
    bool configureLine() override { return true; }
    void setTimeouts(const radiolink::Timeouts& timeouts) override { m_timeouts = timeouts; }
    void purge() override { m_waiting.clear(); }
    int bytesWaiting() override { return int(m_waiting.size()); }
    void close() override {}

    int write(const QByteArray& frame) override {
        m_waiting += frame;  // the cable's echo
        const QByteArray answer = bend(answerTo(frame));
        record(frame, answer);
        m_waiting += answer;
        return int(frame.size());
    }

    QByteArray read(int count) override {
        const QByteArray bytes = m_waiting.first(std::min<qsizetype>(count, m_waiting.size()));
        m_waiting.remove(0, bytes.size());
        if (bytes.size() < count) m_clock.sleepMs(m_timeouts.readTotalMs(count));  // the time-out runs out
        return bytes;
    }

private:
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
    QByteArray bend(const QByteArray& sound) {
        const std::uint8_t how = m_input.ConsumeIntegral<std::uint8_t>();
        if (how < 192) return sound;
        if (how < 224) return sound.first(m_input.ConsumeIntegralInRange<qsizetype>(0, sound.size()));
        if (how < 248) return QByteArray::fromStdString(m_input.ConsumeRandomLengthString(40));
        return {};
    }

    void record(const QByteArray& frame, const QByteArray& answer) {
        if (frame.size() == radiolink::kReadRequestSize && frame[0] == 'R') lastReadAnswer[addressOf(frame)] = answer;
        if (frame.size() == radiolink::kWriteFrameSize && frame[0] == 'W') {
            lastWriteFrame[addressOf(frame)] = frame;
            lastWriteAnswer[addressOf(frame)] = answer;
        }
    }

    FuzzedDataProvider& m_input;
    radiolink::Clock& m_clock;
    radiolink::Timeouts m_timeouts;
    QByteArray m_waiting;
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
        const auto found = radio.lastReadAnswer.find(at);
        require(found != radio.lastReadAnswer.end() && found->second.size() >= radiolink::kReadAnswerSize,
                "a read succeeds only when every block was answered with 22 bytes",
                QString::asprintf("block 0x%04X", at));
        const QByteArray data = found->second.sliced(radiolink::kReadAnswerDataOffset, kBlock);
        const auto block = after.bytes(image::Addr(at), kBlock);
        require(QByteArrayView(block.data(), block.size()) == data,
                "a successful read puts each answer's data bytes into the image", QString::asprintf("block 0x%04X", at));
    }
    require(std::ranges::equal(before.bytes(0, map::kReadStart), after.bytes(0, map::kReadStart)),
            "a read never changes the image below its first block");
}

void completedWriteWasAccepted(const BendingRadioPort& radio, const image::RadioImage& img) {
    for (int at = map::kWriteStart; at < map::kImageEnd; at += kBlock) {
        const auto answer = radio.lastWriteAnswer.find(at);
        require(answer != radio.lastWriteAnswer.end() && answer->second.startsWith(char(radiolink::kAck)),
                "a write succeeds only when the last frame of every block was accepted",
                QString::asprintf("block 0x%04X", at));
        require(radio.lastWriteFrame.at(at) == radiolink::writeFrame(image::Addr(at), img.bytes(image::Addr(at), kBlock)),
                "a successful write sent every block with the image's bytes", QString::asprintf("block 0x%04X", at));
    }
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
    int lastPosition = 0;
    engine.setProgressCallback([&](const radiolink::TransferProgress& progress) {
        lastPosition = progress.position;
        if (progress.position == exitAtBlock) state.transfer.cancel = true;
    });
    const radiolink::TransferOutcome outcome = engine.run(direction);

    require(!state.transfer.running, "the running flag is down when a transfer ends");
    if (direction == Direction::Read) {
        if (outcome.success()) completedReadHoldsTheAnswers(radio, before, state.image);
        else fuzzing::requireSameImage(before, state.image, "a read that does not succeed changes nothing");
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
