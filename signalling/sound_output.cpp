// SPDX-License-Identifier: GPL-3.0-or-later
#include "signalling/sound_output.h"

#include "signalling/wav_file.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

namespace signalling {

namespace {

class SoundCardOutput final : public SoundOutput {
public:
    bool play(std::span<const std::int16_t> samples, int sampleRate) override {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return false;
        QAudioFormat format;
        format.setSampleRate(sampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format)) return false;

        m_sink.reset();  // the sound still playing stops before its buffer is replaced
        m_buffer.close();
        m_buffer.setData(wav::pcmBytes(samples));
        m_buffer.open(QIODevice::ReadOnly);
        m_sink = std::make_unique<QAudioSink>(device, format);
        m_sink->start(&m_buffer);
        return m_sink->error() == QAudio::NoError;
    }

private:
    QBuffer m_buffer;                   // the samples of the sound playing
    std::unique_ptr<QAudioSink> m_sink; // reads m_buffer, so it goes first
};

} // namespace

std::unique_ptr<SoundOutput> makeSoundCardOutput() { return std::make_unique<SoundCardOutput>(); }

} // namespace signalling
