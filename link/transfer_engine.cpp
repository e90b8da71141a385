// SPDX-License-Identifier: GPL-3.0-or-later
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

// Bytes 1-3 of an answer repeat the request's address and length.
bool answerNamesRequest(const QByteArray& answer, const QByteArray& request) {
    return answer.size() >= kReadRequestSize && answer[0] == char(kWriteCommand)
           && QByteArrayView(answer).sliced(1, 3) == QByteArrayView(request).sliced(1, 3);
}

// The checksum of bytes 1-19 and the closing 0x06 of a whole answer.
bool answerTailHolds(const QByteArray& answer) {
    const auto data = std::span(reinterpret_cast<const std::uint8_t*>(answer.constData()) + kReadAnswerDataOffset,
                                std::size_t(image::map::kBlockSize));
    const image::Addr address = image::Addr((std::uint8_t(answer[1]) << 8) | std::uint8_t(answer[2]));
    return std::uint8_t(answer[kReadAnswerChecksumByte]) == writeChecksum(address, data)
           && std::uint8_t(answer[kReadAnswerLastByte]) == kAck;
}

// The start of an answer to some block: 'W', a block address inside the memory, 0x10.
bool looksLikeAnswer(const QByteArray& bytes) {
    if (bytes.size() < kReadRequestSize || bytes[0] != char(kWriteCommand) || std::uint8_t(bytes[3]) != kBlockLength)
        return false;
    const int address = (std::uint8_t(bytes[1]) << 8) | std::uint8_t(bytes[2]);
    return address % image::map::kBlockSize == 0 && address <= kLastBlock;
}

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

TransferOutcome TransferEngine::readRadio(image::RadioImage& into) {
    m_readInto = &into;
    m_announceEnd = false;
    const TransferOutcome outcome = execute(Direction::Read, image::map::kReadStart);
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
    m_ruleTaken = false;
    m_checkAddress = true;
    m_checkTail = false;
    m_pauseFromUs = m_clock.nowUs();
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
        receive(int(handshakeFrame().size()));  // echo
        if (receive(kHandshakeAnswerSize) == handshakeAnswer() || lateHandshakeAnswer()) return Step::Proceed;
        if (m_failures >= kHandshakeFailuresBeforeAsking) return askAfterHandshake();
        ++m_failures;
    }
}

// A slow radio may answer after some noise: keep reading in threes for a while.
bool TransferEngine::lateHandshakeAnswer() {
    const qint64 start = m_clock.nowMs();
    do {
        if (receive(kHandshakeAnswerSize) == handshakeAnswer()) return true;
        receive(kHandshakeAnswerSize);
    } while (m_clock.nowMs() - start <= kHandshakeWindowMs);
    return false;
}

TransferEngine::Step TransferEngine::identify() {
    pauseAndPurge();
    m_port.write(identifyFrame());
    receive(int(identifyFrame().size()));  // echo
    const QByteArray reply = receive(kIdentifyReplySize);
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
    receive(kReadRequestSize);  // echo
    const QByteArray reply = receive(kReadAnswerSize);
    takeAnswerRule(reply);
    const QString radioPassword = QString::fromLatin1(passwordFromProbeReply(reply));
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

// The radio answers a read request in the shape of a write frame, so a sound answer repeats
// the request's address and length in bytes 1-3. Whether this radio does is seen in the
// session's first whole answer (a cut one tells nothing, and every answer is checked until
// one comes); a radio that answers otherwise keeps the old rule (any 22 bytes), and the log
// says so. The checksum and the closing 0x06 are checked too once an answer showed them.
void TransferEngine::takeAnswerRule(const QByteArray& probeReply) {
    if (m_ruleTaken || probeReply.size() != kReadAnswerSize) return;
    m_ruleTaken = true;
    m_checkAddress = answerNamesRequest(probeReply, readRequest(kPasswordProbeAddress));
    m_checkTail = m_checkAddress && answerTailHolds(probeReply);
    if (!m_checkAddress) note(text::kAnswersUnchecked.arg(QString::fromLatin1(probeReply.mid(1, 3).toHex(' '))));
}

TransferEngine::Step TransferEngine::transferBlocks() {
    while (m_address <= kLastBlock) {
        const Step step = m_direction == Direction::Read ? readBlock() : writeBlock();
        if (step != Step::Proceed) return step;
        m_failures = 0;  // three slow blocks spread over a transfer are no broken connection
        reportProgress();
        if (m_state.transfer.cancel) return cancelled();
        m_address += image::map::kBlockSize;
    }
    finish();
    return Step::Stop;
}

// A silent radio is asked again after the short window, but counts as failed only after
// kSilenceBeforeFailureMs without a byte; a wrong or broken answer fails at once.
TransferEngine::Step TransferEngine::readBlock() {
    m_failures = 0;
    m_lastHeardUs = m_clock.nowUs();
    const QByteArray request = readRequest(image::Addr(m_address));
    for (;;) {
        pauseAndPurge();
        m_port.write(request);
        readEcho(request);
        const Answer answer = awaitReadAnswer(request);
        if (answer == Answer::Received) {
            const auto data = m_answer.sliced(kReadAnswerDataOffset, image::map::kBlockSize);
            std::copy(data.begin(), data.end(),
                      m_received.bytes(image::Addr(m_address), image::map::kBlockSize).begin());
            return Step::Proceed;
        }
        if (answer == Answer::Broken || silentTooLong()) {
            m_lastHeardUs = m_clock.nowUs();
            if (++m_failures >= kReadFailuresBeforeAsking) return askAfterFailure(0);
        }
        resynchronise(kQuietLineMs);
    }
}

// Reads until this block's answer is whole. Stray bytes and answers to other requests (a
// late answer to an earlier one) are dropped on the way; the wait ends when the answer has
// not started within the short window, or stops coming for the gap between bytes.
TransferEngine::Answer TransferEngine::awaitReadAnswer(const QByteArray& request) {
    m_skipping = 0;
    const qint64 giveUpUs = m_clock.nowUs() + qint64(kSilenceBeforeFailureMs) * 1000;
    bool heard = !m_incoming.isEmpty();
    int windowMs = kReadAnswerWindowMs;
    while (!takeReadAnswer(request)) {
        if (m_clock.nowUs() >= giveUpUs || !m_port.waitForInput(windowMs)) return heard ? Answer::Broken : Answer::Silent;
        // One blocking read for what the answer still needs; more only when something was dropped.
        const int needed = std::max<int>(1, kReadAnswerSize + m_skipping - int(m_incoming.size()));
        m_incoming += receive(heard ? std::min(needed, std::max(1, m_port.bytesWaiting())) : needed);
        heard = true;
        m_lastHeardUs = m_clock.nowUs();
        windowMs = kReadGapMs;
    }
    return Answer::Received;
}

// Takes this block's answer from the bytes read so far, dropping whatever comes before it.
bool TransferEngine::takeReadAnswer(const QByteArray& request) {
    if (!m_checkAddress) {
        if (m_incoming.size() < kReadAnswerSize) return false;
        m_answer = m_incoming.first(kReadAnswerSize);
        m_incoming.clear();
        return true;
    }
    for (;;) {
        const qsizetype skipped = std::min<qsizetype>(m_skipping, m_incoming.size());
        m_incoming.remove(0, skipped);
        m_skipping -= int(skipped);
        if (m_skipping > 0 || m_incoming.size() < kReadRequestSize) return false;
        if (answerNamesRequest(m_incoming, request)) {
            if (m_incoming.size() < kReadAnswerSize) return false;
            if (!m_checkTail || answerTailHolds(m_incoming.first(kReadAnswerSize))) {
                m_answer = m_incoming.first(kReadAnswerSize);
                m_incoming.remove(0, kReadAnswerSize);
                return true;
            }
        }
        // Another block's whole answer goes; anything else byte by byte until an answer starts.
        m_skipping = looksLikeAnswer(m_incoming) && !answerNamesRequest(m_incoming, request) ? kReadAnswerSize : 1;
    }
}

bool TransferEngine::silentTooLong() {
    return m_clock.nowUs() - m_lastHeardUs >= qint64(kSilenceBeforeFailureMs) * 1000;
}

// After a failed attempt: wait until the line is quiet, then purge, so that a late answer
// to this attempt cannot sit in front of the next one.
void TransferEngine::resynchronise(int quietMs) {
    const qint64 limitUs = m_clock.nowUs() + qint64(quietMs + kResyncLimitMs) * 1000;
    while (m_port.waitForInput(quietMs) && m_clock.nowUs() < limitUs) m_port.purge();
    m_port.purge();
    m_incoming.clear();
    m_pauseFromUs = m_clock.nowUs();
}

// The cable echoes what was sent. Bytes in front of the echo (a late answer to an earlier
// request) go with it; bytes after it are the start of the answer, kept in m_incoming.
void TransferEngine::readEcho(const QByteArray& sent) {
    m_incoming = receive(int(sent.size()));
    const qsizetype searchLimit = sent.size() + 2 * kReadAnswerSize;
    for (;;) {
        const qsizetype at = m_incoming.indexOf(sent);
        if (at >= 0) {
            m_incoming.remove(0, at + sent.size());
            return;
        }
        const QByteArray more = m_incoming.size() < searchLimit ? receive(1) : QByteArray();
        if (more.isEmpty()) break;
        m_incoming += more;
    }
    // No echo: as before, the first bytes are taken for it.
    m_incoming.remove(0, std::min(m_incoming.size(), sent.size()));
}

// A write frame: the radio acknowledges with 0x06; anything else is a refusal and fails at
// once, nothing at all only after kSilenceBeforeFailureMs.
TransferEngine::Step TransferEngine::writeBlock() {
    const QByteArray frame =
        writeFrame(image::Addr(m_address), m_state.image.bytes(image::Addr(m_address), image::map::kBlockSize));
    for (;;) {
        pauseAndPurge();
        m_port.write(frame);
        readEcho(frame);
        const Answer ack = awaitAck();
        if (ack == Answer::Received) return Step::Proceed;
        if (++m_failures > kWriteFailuresAllowed) return askAfterFailure(kWriteRetryWaitMs);
        // An acknowledgement names no block: one that comes after a second must not be taken
        // for the next frame's, so after silence the line must stay quiet that long again.
        resynchronise(ack == Answer::Silent ? kSilenceBeforeFailureMs : kQuietLineMs);
    }
}

TransferEngine::Answer TransferEngine::awaitAck() {
    if (m_incoming.isEmpty()) m_incoming = receive(1);
    const int moreMs = kSilenceBeforeFailureMs - Timeouts{}.readTotalMs(1);
    if (m_incoming.isEmpty() && m_port.waitForInput(moreMs)) m_incoming = receive(1);
    if (m_incoming.isEmpty()) return Answer::Silent;
    return std::uint8_t(m_incoming[0]) == kAck ? Answer::Received : Answer::Broken;
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
    if (m_direction == Direction::Write) receive(kEndReadBackSize);
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

// The pause runs from the radio's last byte, so the work done since then is part of it.
void TransferEngine::pauseAndPurge() {
    m_clock.sleepUntilUs(m_pauseFromUs + qint64(kPauseBeforeRequestMs) * 1000);
    m_port.purge();
}

QByteArray TransferEngine::receive(int count) {
    QByteArray bytes = m_port.read(count);
    m_pauseFromUs = m_clock.nowUs();
    return bytes;
}

void TransferEngine::note(const QString& line) {
    if (m_log) m_log(line);
}

void TransferEngine::sendEndAndReadBack() {
    m_port.write(endFrame());
    receive(kEndReadBackSize);
}

TransferOutcome runTransfer(Direction direction, app::AppState& state, app::Prompts& prompts,
                            PortProvider& ports, const ProgressCallback& progress, bool completionMessage,
                            const LogCallback& log) {
    SteadyClock clock;
    const std::unique_ptr<SerialPort> port = ports.makePort(state.config.portName, clock);
    TransferEngine engine(*port, clock, prompts, state);
    engine.setProgressCallback(progress);
    engine.setCompletionMessage(completionMessage);
    engine.setLogCallback(log);
    return engine.run(direction);
}

} // namespace radiolink
