#include "link/transfer_engine.h"

#include "image/band_limits.h"
#include "image/memory_map.h"
#include "link/frames.h"
#include "link/link_texts.h"
#include "link/port_provider.h"

#include <algorithm>

namespace radiolink {

namespace {

constexpr int kLastBlock = image::map::kImageEnd + 1 - image::map::kBlockSize;  // 0x3FF0

// Holds the running flag for the life of one transfer, whichever way it ends.
class RunningFlag {
public:
    explicit RunningFlag(std::atomic<bool>& running) : m_running(running) {}
    ~RunningFlag() { m_running = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    std::atomic<bool>& m_running;
};

} // namespace

int progressUpperBound(Direction direction) {
    return direction == Direction::Read ? image::map::kReadBlocks : image::map::kWriteBlocks;
}

QString imageStateQuestion(int imageState) {
    const QString& name = imageState == kRadioStunned ? text::kImageStateStunned : text::kImageStateKilled;
    return text::kImageStateQuestion.arg(name).arg(imageState);
}

QString dialogTitle(Direction direction) {
    return direction == Direction::Read ? text::kReadTitle : text::kWriteTitle;
}

TransferEngine::TransferEngine(SerialPort& port, Clock& clock, app::Prompts& prompts, app::AppState& state)
    : m_port(port), m_clock(clock), m_prompts(prompts), m_state(state) {}

TransferOutcome TransferEngine::run(Direction direction) {
    m_readInto = &m_state.image;
    m_announceEnd = m_completionMessage;
    return execute(direction, direction == Direction::Read ? image::map::kReadStart : image::map::kWriteStart);
}

TransferOutcome TransferEngine::readBack(image::RadioImage& into) {
    m_readInto = &into;
    m_announceEnd = false;
    // The write just gave the radio the image's program password: that is the one to expect.
    m_state.transferPassword = QString::fromLatin1(image::programPasswordDigits(m_state.image));
    const TransferOutcome outcome = execute(Direction::Read, image::map::kWriteStart);
    m_readInto = &m_state.image;
    return outcome;
}

TransferOutcome TransferEngine::execute(Direction direction, int firstAddress) {
    app::TransferFlags& flags = m_state.transfer;
    if (flags.running.exchange(true)) return {TransferResult::AlreadyRunning};
    const RunningFlag running(flags.running);
    flags.cancel = false;

    m_direction = direction;
    m_address = firstAddress;
    m_upperBound = (image::map::kImageEnd + 1 - firstAddress) / image::map::kBlockSize;
    m_failures = 0;
    m_position = 0;
    m_reviveCheck = true;
    m_imageStateConfirmed = false;
    m_received = *m_readInto;  // blocks not read keep what the target holds

    const OpenStatus status = m_port.open(m_state.config.portName);
    if (status != OpenStatus::Opened) {
        const OpenFailure failure = m_port.lastOpenFailure();
        m_prompts.report(text::kCannotOpenPort + u'\n' + portFailureText(m_state.config.portName, status, failure),
                         app::Severity::Critical);
        return {TransferResult::PortNotOpened, status, 0, failure};
    }
    m_port.setBufferSizes(kInBufferSize, kOutBufferSize);
    m_port.configureLine();
    m_port.setTimeouts(Timeouts{});

    // Every Restart goes back to the handshake and resumes at the block that failed.
    for (;;) {
        Step step = connect();
        if (step == Step::Proceed) step = transferBlocks();
        if (step == Step::Stop) return {m_result, OpenStatus::Opened, m_position};
    }
}

TransferEngine::Step TransferEngine::connect() {
    m_failures = 0;
    Step step = handshake();
    if (step == Step::Proceed) step = identify();
    if (step == Step::Proceed) step = passwordProbe();
    return step;
}

TransferEngine::Step TransferEngine::handshake() {
    for (;;) {
        m_port.purge();
        m_port.write(handshakeFrame());
        m_port.read(int(handshakeFrame().size()));  // echo
        if (m_port.read(kHandshakeAnswerSize) == handshakeAnswer() || lateHandshakeAnswer()) return Step::Proceed;
        if (m_failures >= kHandshakeFailuresBeforeAsking) return askAfterHandshake();
        ++m_failures;
    }
}

// A slow radio may answer after some noise: keep reading in threes for a while.
bool TransferEngine::lateHandshakeAnswer() {
    const qint64 start = m_clock.nowMs();
    do {
        if (m_port.read(kHandshakeAnswerSize) == handshakeAnswer()) return true;
        m_port.read(kHandshakeAnswerSize);
    } while (m_clock.nowMs() - start <= kHandshakeWindowMs);
    return false;
}

TransferEngine::Step TransferEngine::identify() {
    pauseAndPurge();
    m_port.write(identifyFrame());
    m_port.read(int(identifyFrame().size()));  // echo
    const QByteArray reply = m_port.read(kIdentifyReplySize);
    if (m_direction != Direction::Write) return Step::Proceed;
    if (!m_reviveCheck) return Step::Proceed;  // revived: the image's state byte was cleared
    const int radioState = radioStateFromIdentifyReply(reply);
    if (radioState != kRadioKilled && radioState != kRadioStunned) return confirmImageState();
    return revive(radioState);
}

// Data read from a killed or stunned radio carries that state: written into a normal radio
// it would disable it. Only a user who says so writes it; the byte is then sent unchanged.
TransferEngine::Step TransferEngine::confirmImageState() {
    const int imageState = m_state.image.u8(image::map::kRadioState);
    if (m_imageStateConfirmed || (imageState != kRadioKilled && imageState != kRadioStunned)) return Step::Proceed;
    if (!m_prompts.askYesNo(imageStateQuestion(imageState), m_state.config.modelName)) {
        sendEndAndReadBack();
        return end(TransferResult::StateKept);
    }
    m_imageStateConfirmed = true;
    return Step::Proceed;
}

// A killed or stunned radio takes a write only with the revive code; the write then
// carries a cleared state byte, which brings the radio back.
TransferEngine::Step TransferEngine::revive(int radioState) {
    const QString& question = radioState == kRadioStunned ? text::kRadioStunned : text::kRadioKilled;
    const std::optional<QString> code = m_prompts.askReviveCode(question);
    if (!code || code->compare(text::kReviveCode, Qt::CaseInsensitive) != 0) return end(TransferResult::RadioLocked);
    m_reviveCheck = false;
    m_state.image.setU8(image::map::kRadioState, 0);
    return Step::Restart;
}

TransferEngine::Step TransferEngine::passwordProbe() {
    pauseAndPurge();
    m_port.write(readRequest(kPasswordProbeAddress));
    m_port.read(kReadRequestSize);  // echo
    const QString radioPassword = QString::fromLatin1(passwordFromProbeReply(m_port.read(kReadAnswerSize)));
    if (radioPassword.isEmpty() || radioPassword == m_state.transferPassword) return Step::Proceed;

    const std::optional<QString> entered =
        m_prompts.askPassword(app::PasswordMode::ProgramPassword, m_state.transferPassword);
    if (entered) {
        m_state.transferPassword = *entered;
        m_port.purge();
        sendEndAndReadBack();
        return Step::Restart;
    }
    sendEndAndReadBack();
    const Step step = end(TransferResult::PasswordRefused);
    m_prompts.report(text::kPasswordError, app::Severity::Warning);
    return step;
}

TransferEngine::Step TransferEngine::transferBlocks() {
    while (m_address <= kLastBlock) {
        const Step step = m_direction == Direction::Read ? readBlock() : writeBlock();
        if (step != Step::Proceed) return step;
        reportProgress();
        if (m_state.transfer.cancel) return cancelled();
        m_address += image::map::kBlockSize;
    }
    finish();
    return Step::Stop;
}

TransferEngine::Step TransferEngine::readBlock() {
    m_failures = 0;
    for (;;) {
        pauseAndPurge();
        m_port.write(readRequest(image::Addr(m_address)));
        m_port.read(kReadRequestSize);  // echo
        if (answerStarted()) {
            const QByteArray reply = m_port.read(kReadAnswerSize);
            if (reply.size() == kReadAnswerSize) {
                const auto data = reply.sliced(kReadAnswerDataOffset, image::map::kBlockSize);
                std::copy(data.begin(), data.end(),
                          m_received.bytes(image::Addr(m_address), image::map::kBlockSize).begin());
                return Step::Proceed;
            }
        }
        if (++m_failures >= kReadFailuresBeforeAsking) return askAfterFailure(0);
    }
}

// Polls the input queue so that a silent radio is noticed quickly.
bool TransferEngine::answerStarted() {
    const qint64 start = m_clock.nowMs();
    while (m_port.bytesWaiting() == 0) {
        if (m_clock.nowMs() - start > kReadAnswerWindowMs) return false;
        m_clock.sleepMs(kPollIntervalMs);
    }
    return true;
}

// The failure counter is not reset per block: refusals add up since the last handshake.
TransferEngine::Step TransferEngine::writeBlock() {
    for (;;) {
        const QByteArray frame =
            writeFrame(image::Addr(m_address), m_state.image.bytes(image::Addr(m_address), image::map::kBlockSize));
        pauseAndPurge();
        m_port.write(frame);
        m_port.read(int(frame.size()));  // echo
        const QByteArray reply = m_port.read(1);
        if (reply.size() == 1 && std::uint8_t(reply[0]) == kAck) return Step::Proceed;
        if (++m_failures > kWriteFailuresAllowed) return askAfterFailure(kWriteRetryWaitMs);
    }
}

// The radio never entered programming mode, so Cancel leaves without "END".
TransferEngine::Step TransferEngine::askAfterHandshake() {
    if (!m_prompts.askRetryCancel(text::kCheckConnection)) return end(TransferResult::NoAnswer);
    sendEndAndReadBack();
    return Step::Restart;
}

TransferEngine::Step TransferEngine::askAfterFailure(int waitBeforeRestartMs) {
    const bool retry = m_prompts.askRetryCancel(text::kCheckConnection);
    sendEndAndReadBack();
    if (!retry) return end(TransferResult::NoAnswer);
    if (waitBeforeRestartMs > 0) m_clock.sleepMs(waitBeforeRestartMs);
    return Step::Restart;
}

void TransferEngine::reportProgress() {
    ++m_position;
    if (!m_progress) return;
    m_progress({m_position, m_upperBound, percentText(m_position, m_upperBound)});
}

TransferEngine::Step TransferEngine::cancelled() {
    m_port.write(endFrame());
    if (m_direction == Direction::Write) m_port.read(kEndReadBackSize);
    return end(TransferResult::Cancelled);
}

void TransferEngine::finish() {
    sendEndAndReadBack();
    if (m_direction == Direction::Read) {
        constexpr int kReadLength = image::map::kImageEnd + 1 - image::map::kReadStart;
        std::ranges::copy(m_received.bytes(image::map::kReadStart, kReadLength),
                          m_readInto->bytes(image::map::kReadStart, kReadLength).begin());
    }
    m_state.transfer.running = false;
    m_result = TransferResult::Completed;
    m_port.close();
    if (m_announceEnd) m_prompts.message(m_direction == Direction::Read ? text::kReadCompleted : text::kWriteCompleted);
}

TransferEngine::Step TransferEngine::end(TransferResult result) {
    m_port.close();
    m_result = result;
    return Step::Stop;
}

void TransferEngine::pauseAndPurge() {
    m_clock.sleepMs(kPauseBeforeRequestMs);
    m_port.purge();
}

void TransferEngine::sendEndAndReadBack() {
    m_port.write(endFrame());
    m_port.read(kEndReadBackSize);
}

TransferOutcome runTransfer(Direction direction, app::AppState& state, app::Prompts& prompts,
                            PortProvider& ports, const ProgressCallback& progress, bool completionMessage) {
    SteadyClock clock;
    const std::unique_ptr<SerialPort> port = ports.makePort(state.config.portName, clock);
    TransferEngine engine(*port, clock, prompts, state);
    engine.setProgressCallback(progress);
    engine.setCompletionMessage(completionMessage);
    return engine.run(direction);
}

} // namespace radiolink
