// SPDX-License-Identifier: GPL-3.0-or-later
// qmr417-radio-sim: a simulated QMR-417 with its programming cable on a pseudo-terminal.
// It prints the device path to open (one line on stdout) and serves until SIGINT,
// SIGTERM or SIGHUP (or the end of stdin with --quit-on-eof); then it saves its memory
// when --save is given. Addresses of fault switches are hexadecimal block addresses.

#include "image/parameter_file.h"
#include "link/simulated_radio.h"
#include "pty_radio.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <signal.h>

#include <cstdio>

namespace {

using radiolink::RadioFaults;
using radiolink::SimulatedRadio;

constexpr qint64 kRawImageSize = qint64(image::RadioImage::kSize);

struct Memory {
    image::FilePrefixBlock prefix{};
    image::RadioImage image = SimulatedRadio::defaultMemory();
};

void fail(const QString& text) {
    std::fprintf(stderr, "qmr417-radio-sim: %s\n", qPrintable(text));
    std::exit(2);
}

// A file of exactly 16384 bytes is a raw image; anything else is read as a parameter file.
Memory loadMemory(const QString& path) {
    Memory memory;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    if (file.size() == kRawImageSize) {
        file.read(reinterpret_cast<char*>(memory.image.all().data()), kRawImageSize);
        return memory;
    }
    file.close();
    memory.image = image::RadioImage();
    const image::FileResult result = image::readParameterFile(path, memory.prefix, memory.image);
    if (!result.ok) fail(QStringLiteral("cannot read %1: %2").arg(path, result.errorText));
    return memory;
}

// ".dat" names get a parameter file, other names the raw 16384-byte image.
void saveMemory(const QString& path, const image::FilePrefixBlock& prefix, const image::RadioImage& memory) {
    if (path.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive)) {
        const image::FileResult result = image::writeParameterFile(path, prefix, memory);
        if (!result.ok) fail(QStringLiteral("cannot save %1: %2").arg(path, result.errorText));
        return;
    }
    QSaveFile file(path);
    const auto bytes = memory.all();
    if (!file.open(QIODevice::WriteOnly)
        || file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) != qint64(bytes.size())
        || !file.commit())
        fail(QStringLiteral("cannot save %1: %2").arg(path, file.errorString()));
}

image::Addr parseAddress(const QString& text) {
    bool ok = false;
    QString digits = text;
    if (digits.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) digits = digits.mid(2);
    const uint address = digits.toUInt(&ok, 16);
    if (!ok || address > 0x3FF0 || address % 16 != 0) fail(QStringLiteral("not a block address: %1").arg(text));
    return image::Addr(address);
}

image::Addr parseByteAddress(const QString& text) {
    bool ok = false;
    const uint address = QString(text).remove(QStringLiteral("0x"), Qt::CaseInsensitive).toUInt(&ok, 16);
    if (!ok || address >= image::RadioImage::kSize) fail(QStringLiteral("not an address: %1").arg(text));
    return image::Addr(address);
}

// "ADDR" (every time) or "ADDR:N" (the first N times).
void addBlockFaults(QMap<image::Addr, int>& faults, const QStringList& entries) {
    for (const QString& entry : entries) {
        const QStringList parts = entry.split(u':');
        bool ok = true;
        const int times = parts.size() > 1 ? parts[1].toInt(&ok) : RadioFaults::kAlways;
        if (!ok || (times < 1 && times != RadioFaults::kAlways)) fail(QStringLiteral("bad count in %1").arg(entry));
        faults[parseAddress(parts[0])] = times;
    }
}

std::uint8_t parseState(const QString& text) {
    if (text == QStringLiteral("normal")) return 0;
    if (text == QStringLiteral("killed")) return 1;
    if (text == QStringLiteral("stunned")) return 2;
    fail(QStringLiteral("--state takes normal, killed or stunned"));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated QMR-417 radio with its cable on a pseudo-terminal."));
    parser.addHelpOption();
    const QCommandLineOption memoryOption(QStringLiteral("memory"), QStringLiteral("Load memory from a .dat or a raw 16384-byte image."), QStringLiteral("file"));
    const QCommandLineOption saveOption(QStringLiteral("save"), QStringLiteral("Save memory at exit (.dat: parameter file, else raw)."), QStringLiteral("file"));
    const QCommandLineOption paceOption(QStringLiteral("pace"), QStringLiteral("Deliver bytes no faster than a 9600-baud cable."));
    const QCommandLineOption delayOption(QStringLiteral("answer-delay"), QStringLiteral("The radio's pause before each answer."), QStringLiteral("ms"), QStringLiteral("0"));
    const QCommandLineOption passwordOption(QStringLiteral("password"), QStringLiteral("Set the program password at 0x014C."), QStringLiteral("code"));
    const QCommandLineOption stateOption(QStringLiteral("state"), QStringLiteral("Radio state: normal, killed or stunned."), QStringLiteral("state"));
    const QCommandLineOption silentOption(QStringLiteral("silent"), QStringLiteral("The radio answers nothing (the cable still echoes)."));
    const QCommandLineOption garbledOption(QStringLiteral("garbled-handshakes"), QStringLiteral("Answer the first N handshakes wrongly."), QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption missOption(QStringLiteral("miss-read"), QStringLiteral("No answer to reads of a block."), QStringLiteral("addr[:n]"));
    const QCommandLineOption shortOption(QStringLiteral("short-read"), QStringLiteral("Half an answer to reads of a block."), QStringLiteral("addr[:n]"));
    const QCommandLineOption refuseOption(QStringLiteral("refuse-write"), QStringLiteral("Refuse write frames for a block."), QStringLiteral("addr[:n]"));
    const QCommandLineOption corruptOption(QStringLiteral("corrupt-write"), QStringLiteral("Acknowledge writes of a block but store it inverted."), QStringLiteral("addr[:n]"));
    const QCommandLineOption unplugOption(QStringLiteral("unplug-at"), QStringLiteral("Stop answering for good at this block."), QStringLiteral("addr"));
    const QCommandLineOption lateReadOption(QStringLiteral("late-read"), QStringLiteral("Answer reads of a block late (--late-ms)."), QStringLiteral("addr[:n]"));
    const QCommandLineOption lateAckOption(QStringLiteral("late-ack"), QStringLiteral("Acknowledge writes of a block late (--late-ms)."), QStringLiteral("addr[:n]"));
    const QCommandLineOption lateMsOption(QStringLiteral("late-ms"), QStringLiteral("How late a late answer comes."), QStringLiteral("ms"), QStringLiteral("60"));
    const QCommandLineOption strayOption(QStringLiteral("stray-byte"), QStringLiteral("A stray byte on the line before the answer to a block."), QStringLiteral("addr[:n]"));
    const QCommandLineOption loseOption(QStringLiteral("lose-byte"), QStringLiteral("Lose one byte of the read answer of a block."), QStringLiteral("addr[:n]"));
    const QCommandLineOption burstOption(QStringLiteral("burst"), QStringLiteral("Hand bytes over in bursts every N ms, as a USB adapter's latency timer does."), QStringLiteral("ms"), QStringLiteral("0"));
    const QCommandLineOption stuckOption(QStringLiteral("stuck-byte"), QStringLiteral("The byte at this address keeps its value through every write."), QStringLiteral("addr"));
    const QCommandLineOption eofOption(QStringLiteral("quit-on-eof"), QStringLiteral("Quit when standard input ends."));
    parser.addOptions({memoryOption, saveOption, paceOption, delayOption, passwordOption, stateOption, silentOption,
                       garbledOption, missOption, shortOption, refuseOption, corruptOption, unplugOption, lateReadOption,
                       lateAckOption, lateMsOption, strayOption, loseOption, burstOption, stuckOption, eofOption});
    parser.process(app);

    const Memory memory = parser.isSet(memoryOption) ? loadMemory(parser.value(memoryOption)) : Memory{};
    SimulatedRadio radio(memory.image);
    if (parser.isSet(passwordOption)) radio.setPassword(parser.value(passwordOption).toLatin1());
    if (parser.isSet(stateOption)) radio.setState(parseState(parser.value(stateOption)));
    RadioFaults& faults = radio.faults();
    faults.silent = parser.isSet(silentOption);
    faults.garbledHandshakes = parser.value(garbledOption).toInt();
    addBlockFaults(faults.missingReadAnswers, parser.values(missOption));
    addBlockFaults(faults.shortReadAnswers, parser.values(shortOption));
    addBlockFaults(faults.refusedWrites, parser.values(refuseOption));
    addBlockFaults(faults.corruptedWrites, parser.values(corruptOption));
    if (parser.isSet(unplugOption)) faults.unplugAt = parseAddress(parser.value(unplugOption));
    addBlockFaults(faults.lateReadAnswers, parser.values(lateReadOption));
    addBlockFaults(faults.lateAcks, parser.values(lateAckOption));
    addBlockFaults(faults.strayBeforeAnswers, parser.values(strayOption));
    addBlockFaults(faults.lostAnswerBytes, parser.values(loseOption));
    faults.lateMs = parser.value(lateMsOption).toInt();
    faults.burstMs = parser.value(burstOption).toInt();
    if (parser.isSet(stuckOption)) faults.stuckByte = parseByteAddress(parser.value(stuckOption));

    // The signals stay blocked and are picked up between bytes, so the memory is always saved.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&stopSignals, signal);
    sigprocmask(SIG_BLOCK, &stopSignals, nullptr);

    radiosim::PtyRadio pty(radio, {parser.isSet(paceOption), parser.value(delayOption).toInt()});
    QString error;
    if (!pty.open(error)) fail(error);
    std::printf("%s\n", qPrintable(pty.devicePath()));
    std::fflush(stdout);

    pty.serve(parser.isSet(eofOption));

    if (parser.isSet(saveOption)) saveMemory(parser.value(saveOption), memory.prefix, radio.memory());
    std::fprintf(stderr, "qmr417-radio-sim: %lld bytes received, %d handshakes answered\n",
                 qlonglong(radio.received().size()), radio.handshakesAnswered());
    return 0;
}
