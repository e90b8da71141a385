// SPDX-License-Identifier: GPL-3.0-or-later
#include "pty_radio.h"

#include "link/link_constants.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

namespace radiosim {

namespace {

using namespace std::chrono;

constexpr auto kByteTime = duration_cast<PtyRadio::Clock::duration>(
    duration<double>(1.0 / radiolink::kBytesPerSecond));
constexpr int kIdlePollMs = 50;
// Closer to a due byte than this, we sleep precisely instead of polling in whole ms.
constexpr auto kPreciseSleepWindow = milliseconds(5);

QString systemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QString::fromLatin1(what), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

PtyRadio::PtyRadio(radiolink::SimulatedRadio& radio, PacingOptions pacing) : m_radio(radio), m_pacing(pacing) {}

PtyRadio::~PtyRadio() {
    if (m_slave >= 0) ::close(m_slave);
    if (m_master >= 0) ::close(m_master);
}

bool PtyRadio::open(QString& error) {
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0) return error = systemError("posix_openpt"), false;
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0) return error = systemError("grantpt"), false;
    const char* name = ptsname(m_master);
    if (!name) return error = systemError("ptsname"), false;
    m_devicePath = QString::fromLocal8Bit(name);

    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0) return error = systemError("open"), false;
    // Raw from the start: no echo or line editing before the program configures the port.
    termios settings{};
    if (tcgetattr(m_slave, &settings) == 0) {
        cfmakeraw(&settings);
        tcsetattr(m_slave, TCSANOW, &settings);
    }
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    return true;
}

void PtyRadio::serve(bool watchStdin) {
    while (!stopRequested()) {
        sendDue();
        int timeoutMs = kIdlePollMs;
        if (!m_out.empty()) {
            const auto wait = m_out.front().due - Clock::now();
            if (wait < kPreciseSleepWindow) {
                std::this_thread::sleep_until(m_out.front().due);
                continue;
            }
            timeoutMs = int(duration_cast<milliseconds>(wait - kPreciseSleepWindow).count()) + 1;
        }
        pollfd fds[2] = {{m_master, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        if (poll(fds, watchStdin ? 2 : 1, timeoutMs) < 0 && errno != EINTR) return;
        if (fds[0].revents & POLLIN) receiveAvailable();
        if (watchStdin && (fds[1].revents & (POLLIN | POLLHUP))) {
            char discard[256];
            if (::read(STDIN_FILENO, discard, sizeof discard) <= 0) return;
        }
    }
}

void PtyRadio::receiveAvailable() {
    char buffer[256];
    const ssize_t count = ::read(m_master, buffer, sizeof buffer);
    for (ssize_t i = 0; i < count; ++i) {
        const auto arrived = Clock::now();
        schedule(buffer[i], arrived);  // the cable's echo
        // The radio has the byte once its echo has crossed the line.
        const QByteArray answer = m_radio.receiveByte(std::uint8_t(buffer[i]));
        const auto heard = m_lineFreeAt + milliseconds(m_pacing.answerDelayMs + m_radio.answerDelayMs());
        for (const char byte : answer) schedule(byte, heard);
    }
}

void PtyRadio::schedule(char byte, Clock::time_point notBefore) {
    if (!m_pacing.paced) {
        m_lineFreeAt = std::max(notBefore, m_lineFreeAt);
        m_out.push_back({byte, handedOver(m_lineFreeAt)});
        return;
    }
    const auto start = std::max(notBefore, m_lineFreeAt);
    m_lineFreeAt = start + kByteTime;
    m_out.push_back({byte, handedOver(m_lineFreeAt)});
}

// A cable with bursts holds each byte until its next tick; bytes keep their order.
PtyRadio::Clock::time_point PtyRadio::handedOver(Clock::time_point arrived) const {
    const int burstMs = m_radio.faults().burstMs;
    auto due = arrived;
    if (burstMs > 0) {
        const auto tick = duration_cast<Clock::duration>(milliseconds(burstMs));
        const auto sinceEpoch = arrived.time_since_epoch();
        due = Clock::time_point(((sinceEpoch + tick - Clock::duration(1)) / tick) * tick);
    }
    return m_out.empty() ? due : std::max(due, m_out.back().due);
}

void PtyRadio::sendDue() {
    const auto now = Clock::now();
    QByteArray batch;
    while (!m_out.empty() && m_out.front().due <= now) {
        batch.append(m_out.front().byte);
        m_out.pop_front();
    }
    for (qsizetype done = 0; done < batch.size();) {
        const ssize_t written = ::write(m_master, batch.constData() + done, size_t(batch.size() - done));
        if (written < 0 && errno != EAGAIN && errno != EINTR) return;
        if (written > 0) done += written;
    }
}

bool PtyRadio::stopRequested() const {
    sigset_t pending;
    sigpending(&pending);
    return sigismember(&pending, SIGINT) || sigismember(&pending, SIGTERM) || sigismember(&pending, SIGHUP);
}

} // namespace radiosim
