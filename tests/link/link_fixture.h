// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A transfer against the in-process simulated radio in virtual time, with every port
// operation and pause logged so tests can check the exact order of the exchange.

#include "link/clock.h"
#include "link/simulated_port.h"
#include "link/simulated_radio.h"
#include "link/transfer_engine.h"
#include "scripted_prompts.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <random>
#include <vector>

#include <ostream>

// Readable failure output for texts and logs.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace testing_support {

class LoggingClock final : public radiolink::Clock {
public:
    explicit LoggingClock(QStringList& log) : m_log(log) {}
    void sleepMs(int ms) override {
        m_log << QStringLiteral("sleep %1").arg(ms);
        m_time.sleepMs(ms);
    }
    qint64 nowMs() override { return m_time.nowMs(); }
    qint64 totalSleptMs() const { return m_time.totalSleptMs(); }

private:
    QStringList& m_log;
    radiolink::ManualClock m_time;
};

class LoggingPort final : public radiolink::SerialPort {
public:
    LoggingPort(radiolink::SerialPort& inner, QStringList& log) : m_inner(inner), m_log(log) {}
    radiolink::OpenStatus open(const QString& name) override {
        m_log << QStringLiteral("open ") + name;
        return m_inner.open(name);
    }
    void setBufferSizes(int in, int out) override {
        m_log << QStringLiteral("buffers %1 %2").arg(in).arg(out);
        m_inner.setBufferSizes(in, out);
    }
    bool configureLine() override { m_log << QStringLiteral("line"); return m_inner.configureLine(); }
    void setTimeouts(const radiolink::Timeouts& t) override {
        m_log << QStringLiteral("timeouts %1 %2+%3n").arg(t.readGapMs).arg(t.readConstantMs).arg(t.readPerByteMs);
        m_inner.setTimeouts(t);
    }
    void purge() override { m_log << QStringLiteral("purge"); m_inner.purge(); }
    int write(const QByteArray& bytes) override {
        m_log << QStringLiteral("write ") + QString::fromLatin1(bytes.toHex(' '));
        return m_inner.write(bytes);
    }
    QByteArray read(int count) override {
        m_log << QStringLiteral("read %1").arg(count);
        return m_inner.read(count);
    }
    int bytesWaiting() override { m_log << QStringLiteral("waiting"); return m_inner.bytesWaiting(); }
    bool waitForInput(int ms) override {
        m_log << QStringLiteral("wait %1").arg(ms);
        return m_inner.waitForInput(ms);
    }
    void close() override { m_log << QStringLiteral("close"); m_inner.close(); }

private:
    radiolink::SerialPort& m_inner;
    QStringList& m_log;
};

// The frames a radio received, split the way the radio reads them.
inline QList<QByteArray> splitFrames(const QByteArray& bytes) {
    QList<QByteArray> frames;
    for (qsizetype i = 0; i < bytes.size();) {
        qsizetype length = 1;
        switch (bytes[i]) {
        case 'P': length = 7; break;
        case 'R': length = 4; break;
        case 'W': length = 22; break;
        case 'E': length = 3; break;
        default: break;
        }
        frames << bytes.mid(i, length);
        i += length;
    }
    return frames;
}

inline int frameAddress(const QByteArray& frame) {
    return (std::uint8_t(frame[1]) << 8) | std::uint8_t(frame[2]);
}

// Addresses of the block frames ('R' or 'W') in order, the password probe included.
inline std::vector<int> blockAddresses(const QByteArray& received, char command) {
    std::vector<int> addresses;
    for (const QByteArray& frame : splitFrames(received))
        if (frame[0] == command) addresses.push_back(frameAddress(frame));
    return addresses;
}

inline void fillRandom(image::RadioImage& img, unsigned seed) {
    std::mt19937 random(seed);
    for (auto& b : img.all()) b = std::uint8_t(random());
}

class LinkTest : public ::testing::Test {
protected:
    LinkTest() {
        state.config.portName = QStringLiteral("SIMULATOR");
    }

    radiolink::TransferOutcome run(radiolink::Direction direction) {
        log.clear();
        progress.clear();
        radiolink::TransferEngine engine(loggedPort, clock, prompts, state);
        engine.setLogCallback([this](const QString& line) { notes << line; });
        engine.setProgressCallback([this](const radiolink::TransferProgress& p) {
            progress.push_back(p);
            if (onProgress) onProgress(p);
        });
        return engine.run(direction);
    }

    QStringList log;
    app::AppState state;
    LoggingClock clock{log};
    radiolink::SimulatedRadio radio;
    radiolink::SimulatedPort port{radio, clock};
    LoggingPort loggedPort{port, log};
    ScriptedPrompts prompts;
    std::vector<radiolink::TransferProgress> progress;
    QStringList notes;  // the transfer log
    std::function<void(const radiolink::TransferProgress&)> onProgress;
};

} // namespace testing_support
