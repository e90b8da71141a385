// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the radio's encoder sends for one DTMF, 2Tone or 5Tone entry, as sound: the tones, how
// long each sounds and the silences around them, read from the radio image through the same
// fields and conversions as the editors, then rendered as 16-bit PCM. The command-line tool
// writes it as a WAV file; the editors play it and save it.
//
// Every length comes from the configuration as an exact number of milliseconds, and every
// sample count from it by integer arithmetic. Where the radio's own documentation leaves it
// open, this is what each timing field does in the sound:
//
// DTMF (encode entries M1-M16, PTT ID Starting and Ending, Remotely Kill and Stun)
//   Pretime(ms)                 silence before the first digit: the transmitter is keyed and
//                               the other side's receiver opens before anything is sent.
//   DTMF Transmitting Time(ms)  every digit sounds this long, and is followed by a pause as
//                               long, as DTMF dialers send digit and pause alike.
//   First Digit Time(ms)        the first digit is held this long when that is longer than
//                               the transmitting time (0: as long as the others), so a
//                               decoder that wakes on the first digit does not miss it.
//   Time-Lapse After Encode(ms) silence after the last digit, in place of its pause: the
//                               radio keeps transmitting this long before it returns to receive.
//   Not heard: PTTID Pause Time (between repeated PTT IDs), Group Code, Auto Reset Time and
//   Decoding Response (the decoder's), Side Tone (the radio's own speaker).
//
// 2Tone (encode list entries 0-31)
//   1st Tone Duration(s), then Gap Time(ms) of silence, then 2nd Tone Duration(s). An entry
//   without a second tone sends its first tone alone for Long Tone Duration(s).
//
// 5Tone (encode list entries 0-99, PTTID Starting and Ending)
//   Pretime(ms)                 silence before the first tone, as for DTMF.
//   the entry's tone length     every tone, back to back with no gap.
//   First Delay(ms)             the first tone is held this long when that is longer than
//                               the tone length, as DTMF's First Digit Time.
//   Time-Lapse After Encode(ms) silence after the last tone.
//   The digits are sent as stored: the repeat tone "E" stands where the repeat rule put it
//   when the code was entered. DZVEI names two frequencies for its group tone A
//   ("825.0/885.0"); the first is sent. A digit the standard has no tone for is refused.
//   Not heard: Stop Code, Stop Time, Decode Time and the decoder's settings.

#include "image/radio_image.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace signalling::audition {

// 16 samples per millisecond: every length in whole milliseconds is a whole number of samples,
// and the highest tone (3116 Hz) lies well below half the rate.
constexpr int kSampleRate = 16000;
constexpr int kSamplesPerMs = kSampleRate / 1000;

// The entries and codes that can be heard. `index` counts from 0 for the three lists
// (DTMF M1 is 0); the codes have none.
enum class SourceKind {
    DtmfEntry,
    DtmfPttIdStart,
    DtmfPttIdEnd,
    DtmfRemoteKill,
    DtmfRemoteStun,
    TwoToneEntry,
    FiveToneEntry,
    FiveTonePttIdStart,
    FiveTonePttIdEnd,
};
struct Source {
    SourceKind kind;
    int index = 0;
};

// What a user calls it: "DTMF M3", "2Tone entry 5", "5Tone PTTID Starting (BOT)".
QString sourceName(Source source);
// A file name for its sound: "dtmf-M3.wav", "2tone-5.wav", "5tone-bot.wav".
QString proposedFileName(Source source);
// How many entries a list source has (16, 32, 100); 1 for a code.
int entryCount(SourceKind kind);

// One stretch of the sound: up to two tones at once (DTMF sends two), or silence. Tones are in
// 0.1 Hz, the unit of the 2Tone fields (1000.0 Hz is 10000); 0 is no tone.
struct Segment {
    int durationMs = 0;
    std::array<int, 2> tenthsHz{};

    bool silent() const { return tenthsHz[0] == 0 && tenthsHz[1] == 0; }
    bool operator==(const Segment&) const = default;
};

struct Sound {
    std::vector<Segment> segments;
    QString problem;  // why there is nothing to hear; empty when the segments hold the sound

    bool ok() const { return problem.isEmpty(); }
    int durationMs() const;
};

// What the radio sends for `source` as the image holds it. An empty entry, an index outside its
// list, a code whose length byte lies past its field, a tone or length the radio cannot send
// give no segments and the reason, naming the entry.
Sound soundOf(const image::RadioImage& img, Source source);

// Pure sine tones, each at -6 dBFS (two at once share that peak), starting at phase 0, with a
// short raised-cosine ramp inside each edge so a tone neither starts nor stops with a click.
std::vector<std::int16_t> render(const std::vector<Segment>& segments);
// The number of samples `ms` milliseconds take.
constexpr int samplesOf(int ms) { return ms * kSamplesPerMs; }

// "1.250 s" from milliseconds, exactly.
QString secondsText(int ms);

} // namespace signalling::audition
