// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Serves a SimulatedRadio on a pseudo-terminal, acting as the programming cable: every
// byte the program sends comes back as echo, followed by the radio's answer. With pacing,
// no byte reaches the program before a 9600-baud cable could have delivered it: bytes
// leave on an ideal line schedule of one byte per 10 bit times, and the radio answers
// only after the last byte of a frame has crossed the line (plus its answer delay). The
// radio's timing faults apply here too: late answers, and bursts that hold bytes back.

#include "link/simulated_radio.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <deque>

namespace radiosim {

struct PacingOptions {
    bool paced = false;     // 9600-baud line timing
    int answerDelayMs = 0;  // the radio's own pause before it answers a frame
};

class PtyRadio {
public:
    using Clock = std::chrono::steady_clock;

    PtyRadio(radiolink::SimulatedRadio& radio, PacingOptions pacing);
    ~PtyRadio();
    PtyRadio(const PtyRadio&) = delete;
    PtyRadio& operator=(const PtyRadio&) = delete;

    // Creates the pseudo-terminal; the device path to open is devicePath() afterwards.
    bool open(QString& error);
    QString devicePath() const { return m_devicePath; }

    // Serves until one of the blocked signals is pending or, with watchStdin, stdin ends.
    void serve(bool watchStdin);

private:
    struct OutByte {
        char byte;
        Clock::time_point due;
    };

    void receiveAvailable();
    void schedule(char byte, Clock::time_point notBefore);
    Clock::time_point handedOver(Clock::time_point arrived) const;
    void sendDue();
    bool stopRequested() const;

    radiolink::SimulatedRadio& m_radio;
    PacingOptions m_pacing;
    int m_master = -1;
    int m_slave = -1;  // kept open so the master never sees a hang-up between programs
    QString m_devicePath;
    std::deque<OutByte> m_out;
    Clock::time_point m_lineFreeAt{};
};

} // namespace radiosim
