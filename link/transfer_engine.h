// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The transfer between the radio image and the radio: handshake, identification, revive
// check, password probe, then one 16-byte block per exchange, closed by "END". Reading
// fills 0x0010-0x3FFF of the image, writing sends 0x0100-0x3FFF.
//
// It runs on one worker thread and blocks there: every question and message goes through
// app::Prompts (which the GUI answers on its own thread while the worker waits), the
// progress callback is called on the worker thread, and the transfer flags in AppState
// coordinate with the user interface: the engine sets `running` for its life and polls
// `cancel` (the dialog's "Exit") between blocks. The image must not be touched by anyone
// else while it runs. A read collects the blocks apart and puts them into the image only
// when every block has arrived: a read that fails or is stopped changes nothing, so a
// later Save or Write never sends a mix of two radios.

#include "link/clock.h"
#include "link/serial_port.h"
#include "app/app_state.h"
#include "app/prompts.h"

#include <QString>

#include <functional>

namespace radiolink {

class PortProvider;

enum class Direction { Read, Write };

enum class TransferResult {
    Completed,
    PortNotOpened,    // "Coun`t open the port"
    NoAnswer,         // the connection failed and the user chose Cancel
    PasswordRefused,  // the password dialog was cancelled: "Password error"
    RadioLocked,      // a killed or stunned radio was not revived
    StateKept,        // the image would kill or stun a normal radio and the user said No
    Cancelled,        // "Exit" stopped the transfer between blocks
    AlreadyRunning,   // another transfer holds the running flag; nothing was done
};

struct TransferOutcome {
    TransferResult result = TransferResult::Completed;
    OpenStatus openStatus = OpenStatus::Opened;  // why the port did not open
    int blocksDone = 0;                          // blocks read, or accepted by the radio
    OpenFailure openFailure;                     // what the system said when the port did not open
    bool success() const { return result == TransferResult::Completed; }
};

struct TransferProgress {
    int position = 0;    // blocks done
    int upperBound = 0;  // 1023 reading, 1008 writing
    QString percentText;
};
using ProgressCallback = std::function<void(const TransferProgress&)>;
// A line for the transfer log: what the link noticed that is no failure (a radio whose
// answers do not repeat the request's address).
using LogCallback = std::function<void(const QString&)>;

int progressUpperBound(Direction direction);
QString dialogTitle(Direction direction);

class TransferEngine {
public:
    TransferEngine(SerialPort& port, Clock& clock, app::Prompts& prompts, app::AppState& state);

    void setProgressCallback(ProgressCallback callback) { m_progress = std::move(callback); }
    void setLogCallback(LogCallback callback) { m_log = std::move(callback); }
    // Whether a completed transfer says "Read data compeleted" / "Write data compeleted"
    // itself (the default). A write followed by a verify leaves it to the verify's one message.
    void setCompletionMessage(bool shown) { m_completionMessage = shown; }

    // One whole transfer on the port named by state.config.portName; blocks until it ends.
    TransferOutcome run(Direction direction);

    // The check after a completed write: reads 0x0100-0x3FFF back into `into` (never into
    // the image) with the read's own handshake, retries and "Exit", and ends without a
    // completion message. Progress counts the 1008 blocks of a write.
    TransferOutcome readBack(image::RadioImage& into);
    // A whole read (0x0010-0x3FFF) into `into`, never into the image, without a completion
    // message: the radio's contents before a write replaces them.
    TransferOutcome readRadio(image::RadioImage& into);

private:
    enum class Step { Proceed, Restart, Stop };

    TransferOutcome execute(Direction direction, int firstAddress);

    Step connect();
    Step handshake();
    bool lateHandshakeAnswer();
    Step askAfterHandshake();
    Step identify();
    Step revive(int radioState);
    Step confirmImageState();
    Step passwordProbe();
    void takeAnswerRule(const QByteArray& probeReply);
    Step transferBlocks();
    Step readBlock();
    enum class Answer { Received, Silent, Broken };
    Answer awaitReadAnswer(const QByteArray& request);
    bool takeReadAnswer(const QByteArray& request);
    Step writeBlock();
    Answer awaitAck();
    bool silentTooLong();
    void resynchronise(int quietMs);
    void readEcho(const QByteArray& sent);
    QByteArray receive(int count);
    Step askAfterFailure(int waitBeforeRestartMs);
    void reportProgress();
    Step cancelled();
    void finish();

    Step end(TransferResult result);
    void pauseAndPurge();
    void sendEndAndReadBack();
    void note(const QString& line);

    SerialPort& m_port;
    Clock& m_clock;
    app::Prompts& m_prompts;
    app::AppState& m_state;
    ProgressCallback m_progress;
    LogCallback m_log;

    image::RadioImage m_received;  // a read's blocks until the last one has arrived
    Direction m_direction = Direction::Read;
    int m_address = 0;
    int m_failures = 0;
    int m_position = 0;
    int m_upperBound = 0;
    image::RadioImage* m_readInto = nullptr;  // where read blocks go: the image, or a read-back buffer
    bool m_completionMessage = true;          // what run() announces at the end
    bool m_announceEnd = true;                // the completion message; a read-back has none
    bool m_reviveCheck = true;
    bool m_imageStateConfirmed = false;
    // The rule for read answers, taken from the session's first answer (the password probe):
    // whether bytes 1-3 must repeat the request, and whether the checksum and the closing
    // 0x06 must hold too.
    bool m_ruleTaken = false;
    bool m_checkAddress = true;
    bool m_checkTail = false;
    QByteArray m_incoming;      // bytes read after its echo, not yet taken
    QByteArray m_answer;        // the answer taken for the block
    int m_skipping = 0;         // bytes still to drop of another block's answer
    qint64 m_pauseFromUs = 0;     // the pause before the next request runs from here
    qint64 m_lastHeardUs = 0;     // the last time the radio answered anything in this block
    TransferResult m_result = TransferResult::Completed;
};

// The worker thread's entry: makes the port for state.config.portName in the calling
// thread (a QSerialPort belongs to the thread that created it), runs the transfer on the
// real clock and destroys the port before returning.
// The question asked before an image whose radio state byte says killed or stunned is
// written into a radio that reports itself normal.
QString imageStateQuestion(int imageState);

TransferOutcome runTransfer(Direction direction, app::AppState& state, app::Prompts& prompts,
                            PortProvider& ports, const ProgressCallback& progress, bool completionMessage = true,
                            const LogCallback& log = {});

} // namespace radiolink
