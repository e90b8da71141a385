// SPDX-License-Identifier: GPL-3.0-or-later
#include "signalling/wav_file.h"

#include <QSaveFile>
#include <QtEndian>

namespace signalling::wav {

namespace {

constexpr int kHeaderBytes = 44;
constexpr int kFmtChunkBytes = 16;
constexpr std::uint16_t kPcmFormat = 1;
constexpr std::uint16_t kMono = 1;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::uint16_t kBytesPerSample = kBitsPerSample / 8;

void appendU32(QByteArray& out, std::uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void appendU16(QByteArray& out, std::uint16_t value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

} // namespace

QByteArray pcmBytes(std::span<const std::int16_t> samples) {
    QByteArray bytes(qsizetype(samples.size()) * kBytesPerSample, Qt::Uninitialized);
    qToLittleEndian<std::int16_t>(samples.data(), qsizetype(samples.size()), bytes.data());
    return bytes;
}

QByteArray wavFile(std::span<const std::int16_t> samples, int sampleRate) {
    const auto dataBytes = std::uint32_t(samples.size() * kBytesPerSample);
    QByteArray out;
    out.reserve(kHeaderBytes + qsizetype(dataBytes));
    out.append("RIFF");
    appendU32(out, kHeaderBytes - 8 + dataBytes);
    out.append("WAVE");
    out.append("fmt ");
    appendU32(out, kFmtChunkBytes);
    appendU16(out, kPcmFormat);
    appendU16(out, kMono);
    appendU32(out, std::uint32_t(sampleRate));
    appendU32(out, std::uint32_t(sampleRate) * kMono * kBytesPerSample);  // bytes a second
    appendU16(out, kMono * kBytesPerSample);                                // bytes a frame
    appendU16(out, kBitsPerSample);
    out.append("data");
    appendU32(out, dataBytes);
    out.append(pcmBytes(samples));
    return out;
}

QString saveWavFile(const QString& path, std::span<const std::int16_t> samples, int sampleRate) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    const QByteArray bytes = wavFile(samples, sampleRate);
    if (file.write(bytes) != bytes.size() || !file.commit()) return file.errorString();
    return {};
}

} // namespace signalling::wav
