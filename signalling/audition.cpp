// SPDX-License-Identifier: GPL-3.0-or-later
#include "signalling/audition.h"

#include "channels/value_tables.h"
#include "signalling/audition_texts.h"
#include "signalling/dtmf_codes.h"
#include "signalling/dtmf_texts.h"
#include "signalling/five_tone_codes.h"
#include "signalling/five_tone_texts.h"
#include "signalling/two_tone_codes.h"
#include "signalling/two_tone_texts.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

namespace signalling::audition {

namespace {

using image::Addr;
using image::RadioImage;

// The DTMF keypad: a symbol sends the tone of its row and the tone of its column.
constexpr std::string_view kKeypad = "123A456B789C*0#D";
constexpr std::array<int, 4> kRowTenthsHz{6970, 7700, 8520, 9410};
constexpr std::array<int, 4> kColumnTenthsHz{12090, 13360, 14770, 16330};

// The units the fields store their lengths in (see the fields' headers).
constexpr int kMsPerTen = 10;            // "ms / 10": pretimes, delays, tone lengths
constexpr int kMsPerTenthSecond = 100;   // "s x 10": the 2Tone durations; the gap is "ms / 100"

// Half of 16-bit full scale is -6 dBFS. Half a millisecond of ramp keeps the edges free of
// clicks and moves no edge by more than a quarter of a millisecond.
constexpr double kPeak = 16384.0;
constexpr int kRampSamples = kSamplesPerMs / 2;

Sound refused(const QString& problem) { return {{}, problem}; }

// Silence or a tone; nothing for a length of 0, so a pretime of 0 leaves no empty segment.
void append(std::vector<Segment>& segments, int ms, int tenthsA = 0, int tenthsB = 0) {
    if (ms > 0) segments.push_back({ms, {tenthsA, tenthsB}});
}

QString fromView(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

// ---- DTMF --------------------------------------------------------------------------------

dtmf::CodeField dtmfField(Source source) {
    switch (source.kind) {
    case SourceKind::DtmfPttIdStart: return dtmf::kPttIdStart;
    case SourceKind::DtmfPttIdEnd: return dtmf::kPttIdEnd;
    case SourceKind::DtmfRemoteKill: return dtmf::kRemoteKill;
    case SourceKind::DtmfRemoteStun: return dtmf::kRemoteStun;
    default: return dtmf::encodeEntry(source.index);
    }
}

Sound dtmfSound(const RadioImage& img, dtmf::CodeField field, const QString& name) {
    const int length = img.u8(field.lengthAt());
    if (length == 0) return refused(texts::tr(texts::kEmpty).arg(name));
    if (length > field.symbols) return refused(texts::tr(texts::kLengthPastField).arg(name).arg(length).arg(field.symbols));
    const std::uint8_t timeIndex = img.u8(dtmf::kTransmittingTime);
    if (timeIndex >= dtmf::kTransmittingTimeList.size())
        return refused(texts::tr(texts::kTransmittingTimeUnknown).arg(name).arg(timeIndex));

    const int digitMs = fromView(dtmf::kTransmittingTimeList[timeIndex]).toInt();
    const int firstMs = std::max(digitMs, img.u8(dtmf::kFirstDigitTime) * kMsPerTen);
    const QString code = dtmf::unpackCode(img, field);
    Sound sound;
    append(sound.segments, img.u8(dtmf::kPretime) * kMsPerTen);
    for (qsizetype i = 0; i < code.size(); ++i) {
        // Every nibble is a symbol, so every character of an unpacked code is on the keypad.
        const std::size_t key = kKeypad.find(char(code[i].toLatin1()));
        if (key == std::string_view::npos) continue;
        append(sound.segments, i == 0 ? firstMs : digitMs, kRowTenthsHz[key / 4], kColumnTenthsHz[key % 4]);
        if (i + 1 < code.size()) append(sound.segments, digitMs);
    }
    append(sound.segments, img.u8(dtmf::kTimeLapseAfterEncode) * kMsPerTen);
    return sound;
}

// ---- 2Tone -------------------------------------------------------------------------------

Sound twoToneSound(const RadioImage& img, int index, const QString& name) {
    const Addr at = twotone::entryAddress(index);
    const int first = img.u16le(Addr(at + twotone::entry::kTone1));
    const int second = img.u16le(Addr(at + twotone::entry::kTone2));
    // The radio looks only at the low byte of the first tone, so the list can show a tone
    // (307.2 Hz is 0x0C00) that the radio takes for an empty entry.
    if (!twotone::entryInUse(img, index))
        return refused(twotone::inToneRange(first)
                           ? texts::tr(texts::kLowByteEmpty).arg(name, twotone::toneText(twotone::Tone(first)))
                           : texts::tr(texts::kEmpty).arg(name));
    if (!twotone::inToneRange(first))
        return refused(texts::tr(texts::kToneOutsideRange).arg(name, texts::tr(texts::kFirstTone), twotone::toneText(twotone::Tone(first))));
    if (second != 0 && !twotone::inToneRange(second))
        return refused(texts::tr(texts::kToneOutsideRange).arg(name, texts::tr(texts::kSecondTone), twotone::toneText(twotone::Tone(second))));

    // Each duration the entry uses, with its field's label for a duration of 0.
    struct Duration {
        Addr at;
        QString label;
        int ms(const RadioImage& image) const { return image.u8(at) * kMsPerTenthSecond; }
    };
    const Duration firstDuration{twotone::kTone1Duration, twotone::texts::tr(twotone::texts::kTone1Duration)};
    const Duration secondDuration{twotone::kTone2Duration, twotone::texts::tr(twotone::texts::kTone2Duration)};
    const Duration longDuration{twotone::kLongToneDuration, twotone::texts::tr(twotone::texts::kLongToneDuration)};
    const std::vector<Duration> used =
        second == 0 ? std::vector<Duration>{longDuration} : std::vector<Duration>{firstDuration, secondDuration};
    for (const Duration& duration : used)
        if (duration.ms(img) == 0) return refused(texts::tr(texts::kZeroLength).arg(name, duration.label));

    Sound sound;
    if (second == 0) {
        append(sound.segments, longDuration.ms(img), first);
        return sound;
    }
    append(sound.segments, firstDuration.ms(img), first);
    append(sound.segments, img.u8(twotone::kGapTime) * kMsPerTenthSecond);
    append(sound.segments, secondDuration.ms(img), second);
    return sound;
}

// ---- 5Tone -------------------------------------------------------------------------------

// The tone of one digit in a standard, in 0.1 Hz, read from the standard's table as the form's
// text box shows it; 0 where the standard has none. "825.0/885.0" gives the first.
int fiveToneDigitTenths(int standard, int digit) {
    const std::string_view text = five_tone::kToneStandards[std::size_t(standard)].frequencies[std::size_t(digit)];
    return five_tone::parseTenths(fromView(text.substr(0, text.find('/')))).value_or(0);
}

Sound fiveToneSound(const RadioImage& img, Addr record, int fieldDigits, const QString& name) {
    const int length = img.u8(Addr(record + five_tone::kCodeLength));
    if (length == 0) return refused(texts::tr(texts::kEmpty).arg(name));
    if (length > fieldDigits) return refused(texts::tr(texts::kLengthPastField).arg(name).arg(length).arg(fieldDigits));
    const int standard = img.u8(Addr(record + five_tone::kCodeStandard));
    if (standard >= five_tone::kStandardCount) return refused(texts::tr(texts::kUnknownStandard).arg(name).arg(standard));
    const int toneMs = img.u8(Addr(record + five_tone::kCodeToneLength)) * kMsPerTen;
    if (toneMs == 0) return refused(texts::tr(texts::kZeroLength).arg(name, texts::tr(texts::kToneLength)));

    const QString digits = five_tone::readPackedDigits(img, Addr(record + five_tone::kCodeDigits), fieldDigits / 2, length);
    const int firstMs = std::max(toneMs, img.u8(five_tone::kFirstDelay) * kMsPerTen);
    Sound sound;
    append(sound.segments, img.u8(five_tone::kPretime) * kMsPerTen);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const int tenths = fiveToneDigitTenths(standard, digits.mid(i, 1).toInt(nullptr, 16));
        if (tenths == 0) {
            const QString standardName = fromView(five_tone::kToneStandards[std::size_t(standard)].name);
            return refused(texts::tr(texts::kDigitWithoutTone).arg(name, standardName, digits.mid(i, 1)));
        }
        append(sound.segments, i == 0 ? firstMs : toneMs, tenths);
    }
    append(sound.segments, img.u8(five_tone::kTimeLapseAfterEncode) * kMsPerTen);
    return sound;
}

// ---- rendering ---------------------------------------------------------------------------

// Gain of sample `i` of a tone `count` samples long: a raised cosine up over the first samples
// and down over the last, 1 between.
double edgeGain(int i, int count) {
    const int ramp = std::min(kRampSamples, count / 2);
    const int fromEdge = std::min(i, count - 1 - i);
    if (fromEdge >= ramp) return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * (fromEdge + 0.5) / ramp);
}

// sin(2 pi f i / rate) with f in 0.1 Hz. The phase is reduced to one cycle in integers first,
// so a long tone keeps its exact frequency.
double sine(int tenthsHz, int i) {
    constexpr std::int64_t kCycle = std::int64_t(kSampleRate) * 10;
    const std::int64_t phase = std::int64_t(tenthsHz) * i % kCycle;
    return std::sin(2.0 * std::numbers::pi * double(phase) / double(kCycle));
}

} // namespace

QString sourceName(Source source) {
    switch (source.kind) {
    case SourceKind::DtmfEntry: return texts::tr(texts::kDtmfEntry).arg(channels::dtmfCodeLabel(source.index));
    case SourceKind::DtmfPttIdStart: return texts::tr(texts::kDtmfCode).arg(dtmf::texts::tr(dtmf::texts::kPttIdStart));
    case SourceKind::DtmfPttIdEnd: return texts::tr(texts::kDtmfCode).arg(dtmf::texts::tr(dtmf::texts::kPttIdEnd));
    case SourceKind::DtmfRemoteKill: return texts::tr(texts::kDtmfCode).arg(dtmf::texts::tr(dtmf::texts::kRemoteKill));
    case SourceKind::DtmfRemoteStun: return texts::tr(texts::kDtmfCode).arg(dtmf::texts::tr(dtmf::texts::kRemoteStun));
    case SourceKind::TwoToneEntry: return texts::tr(texts::kTwoToneEntry).arg(source.index);
    case SourceKind::FiveToneEntry: return texts::tr(texts::kFiveToneEntry).arg(source.index);
    case SourceKind::FiveTonePttIdStart: return texts::tr(texts::kFiveToneCode).arg(five_tone::texts::tr(five_tone::texts::kBotGroup));
    case SourceKind::FiveTonePttIdEnd: return texts::tr(texts::kFiveToneCode).arg(five_tone::texts::tr(five_tone::texts::kEotGroup));
    }
    return {};
}

QString proposedFileName(Source source) {
    QString name;
    switch (source.kind) {
    case SourceKind::DtmfEntry: name = texts::kDtmfFile.arg(channels::dtmfCodeLabel(source.index)); break;
    case SourceKind::DtmfPttIdStart: name = texts::kDtmfFile.arg(QStringLiteral("bot")); break;
    case SourceKind::DtmfPttIdEnd: name = texts::kDtmfFile.arg(QStringLiteral("eot")); break;
    case SourceKind::DtmfRemoteKill: name = texts::kDtmfFile.arg(QStringLiteral("kill")); break;
    case SourceKind::DtmfRemoteStun: name = texts::kDtmfFile.arg(QStringLiteral("stun")); break;
    case SourceKind::TwoToneEntry: name = texts::kTwoToneFile.arg(source.index); break;
    case SourceKind::FiveToneEntry: name = texts::kFiveToneFile.arg(source.index); break;
    case SourceKind::FiveTonePttIdStart: name = texts::kFiveToneFile.arg(QStringLiteral("bot")); break;
    case SourceKind::FiveTonePttIdEnd: name = texts::kFiveToneFile.arg(QStringLiteral("eot")); break;
    }
    return name + u'.' + texts::kWavSuffix;
}

int entryCount(SourceKind kind) {
    switch (kind) {
    case SourceKind::DtmfEntry: return dtmf::kEncodeEntries;
    case SourceKind::TwoToneEntry: return twotone::kEntries;
    case SourceKind::FiveToneEntry: return five_tone::kEncodeEntries;
    default: return 1;
    }
}

int Sound::durationMs() const {
    int ms = 0;
    for (const Segment& segment : segments) ms += segment.durationMs;
    return ms;
}

Sound soundOf(const RadioImage& img, Source source) {
    const QString name = sourceName(source);
    const int count = entryCount(source.kind);
    if (source.index < 0 || source.index >= count) {
        const bool dtmf = source.kind == SourceKind::DtmfEntry;
        const QString first = dtmf ? channels::dtmfCodeLabel(0) : QStringLiteral("0");
        const QString last = dtmf ? channels::dtmfCodeLabel(count - 1) : QString::number(count - 1);
        return refused(texts::tr(texts::kNoSuchEntry).arg(name, first, last));
    }
    switch (source.kind) {
    case SourceKind::TwoToneEntry: return twoToneSound(img, source.index, name);
    case SourceKind::FiveToneEntry:
        return fiveToneSound(img, five_tone::encodeEntryAddress(source.index), five_tone::kEntryCodeDigits, name);
    case SourceKind::FiveTonePttIdStart:
        return fiveToneSound(img, five_tone::kBotRecord, five_tone::kPttIdCodeDigits, name);
    case SourceKind::FiveTonePttIdEnd:
        return fiveToneSound(img, five_tone::kEotRecord, five_tone::kPttIdCodeDigits, name);
    default: return dtmfSound(img, dtmfField(source), name);
    }
}

std::vector<std::int16_t> render(const std::vector<Segment>& segments) {
    std::vector<std::int16_t> samples;
    for (const Segment& segment : segments) {
        const int count = samplesOf(segment.durationMs);
        if (segment.silent()) {
            samples.insert(samples.end(), std::size_t(count), 0);
            continue;
        }
        const int tones = segment.tenthsHz[1] == 0 ? 1 : 2;
        const double amplitude = kPeak / tones;
        for (int i = 0; i < count; ++i) {
            double value = 0.0;
            for (const int tenths : segment.tenthsHz)
                if (tenths != 0) value += sine(tenths, i);
            samples.push_back(std::int16_t(std::lround(amplitude * edgeGain(i, count) * value)));
        }
    }
    return samples;
}

QString secondsText(int ms) {
    return QStringLiteral("%1.%2 s").arg(ms / 1000).arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

} // namespace signalling::audition
