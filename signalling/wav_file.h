// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The WAV file of a sound: RIFF, PCM, mono, 16 bits a sample, little-endian, as every audio
// program and player reads it.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <span>

namespace signalling::wav {

// The samples as the bytes of a 16-bit little-endian PCM stream (what a sound card takes).
QByteArray pcmBytes(std::span<const std::int16_t> samples);
// A whole file: the 44-byte header, then the samples.
QByteArray wavFile(std::span<const std::int16_t> samples, int sampleRate);
// Writes the file whole or not at all (an existing file stays as it was when writing fails).
// The system's reason when it cannot, else empty.
QString saveWavFile(const QString& path, std::span<const std::int16_t> samples, int sampleRate);

} // namespace signalling::wav
