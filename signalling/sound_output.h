// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the editors' Play buttons send a sound: the computer's sound card through Qt
// Multimedia, or whatever a test puts in its place. Only the GUI library plays sound; the core
// renders the samples and knows nothing of sound cards.

#include <cstdint>
#include <memory>
#include <span>

namespace signalling {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts playing 16-bit mono samples and returns at once; a sound still playing stops.
    // False when there is no sound device to play on (a headless machine, say).
    virtual bool play(std::span<const std::int16_t> samples, int sampleRate) = 0;
};

// The default sound device of the system, looked up at each play, so a headset plugged in
// after the program started is used.
std::unique_ptr<SoundOutput> makeSoundCardOutput();

} // namespace signalling
