// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/channel_record.h"

#include <algorithm>
#include <limits>

namespace channels {

using image::RadioImage;

namespace {

constexpr std::uint8_t kClearedStep = 5;          // "12.5"
constexpr std::uint8_t kClearedToneByte = 0x40;   // both tone types off, DTMF code "M5"
constexpr std::uint8_t kClearedZerosFrom = record::kEncodeCtcss;  // +0C ... +12
constexpr int kClearedZerosCount = record::kFiveToneCode - record::kEncodeCtcss + 1;
constexpr std::uint8_t kClearedTailFrom = record::kBusyLock;      // +1A ... +1E
constexpr int kClearedTailCount = record::kClearedZero - record::kBusyLock + 1;
constexpr int kDcsLowBits = 0xFF;
constexpr int kDcsCodeMask = 0x1FF;

// The name ends at the first 0xFF or 0x00.
constexpr char kNameTerminators[] = {char(0xFF), char(0x00)};

Freq10Hz saturated(std::int64_t value) {
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    return Freq10Hz(std::int32_t(std::clamp(value, lo, hi)));
}

} // namespace

// ---- reading -------------------------------------------------------------------------

ChannelRecordView::ChannelRecordView(const RadioImage& img, int slot)
    : m_image(img), m_slot(slot), m_at(recordAddress(slot)) {}

record::Field ChannelRecordView::dcsInvertedField(ToneSide side) {
    return side == ToneSide::Encode ? record::kEncodeDcsInverted : record::kDecodeDcsInverted;
}

record::Field ChannelRecordView::dcsBit8Field(ToneSide side) {
    return side == ToneSide::Encode ? record::kEncodeDcsBit8 : record::kDecodeDcsBit8;
}

record::Field ChannelRecordView::toneTypeField(ToneSide side) {
    return side == ToneSide::Encode ? record::kEncodeType : record::kDecodeType;
}

std::uint8_t ChannelRecordView::ctcssOffset(ToneSide side) {
    return side == ToneSide::Encode ? record::kEncodeCtcss : record::kDecodeCtcss;
}

std::uint8_t ChannelRecordView::dcsLowOffset(ToneSide side) {
    return side == ToneSide::Encode ? record::kEncodeDcsLow : record::kDecodeDcsLow;
}

bool ChannelRecordView::isEmpty() const {
    const std::uint32_t rxWord = m_image.u32le(byteAt(record::kRx));
    return rxWord == 0xFFFFFFFFu || rxWord == 0;
}

Freq10Hz ChannelRecordView::rx() const { return m_image.bcdFreq(byteAt(record::kRx)); }

Freq10Hz ChannelRecordView::txFrequency() const {
    // Worked in 64 bits: an offset field of 0xFF bytes plus a large RX would overflow 32.
    const std::int64_t rxValue = rx().value;
    const std::int64_t offset = m_image.bcdDigits(byteAt(record::kTxOffset)) * 10;
    // The offset field dropped its 10 Hz digit too: the true TX lies up to 9 units further out.
    if (txShift() == record::kShiftAbove) {
        const Freq10Hz tx = saturated(rxValue + offset);
        return image::snapDroppedDigit(tx, tx.value, saturated(rxValue + offset + 9).value);
    }
    if (txShift() == record::kShiftBelow) {
        const Freq10Hz tx = saturated(rxValue - offset);
        return image::snapDroppedDigit(tx, saturated(rxValue - offset - 9).value, tx.value);
    }
    const Freq10Hz tx = saturated(rxValue);
    return image::snapDroppedDigit(tx, tx.value, tx.value);
}

int ChannelRecordView::step() const { return m_image.u8(byteAt(record::kStep)); }
bool ChannelRecordView::txOff() const { return m_image.get(bits(record::kTxOff)) != 0; }
bool ChannelRecordView::reverse() const { return m_image.get(bits(record::kReverse)) != 0; }
int ChannelRecordView::spacing() const { return int(m_image.get(bits(record::kSpacing))); }
unsigned ChannelRecordView::txShift() const { return m_image.get(bits(record::kTxShift)); }
int ChannelRecordView::power() const { return int(m_image.get(bits(record::kPower))); }
bool ChannelRecordView::compander() const { return m_image.get(bits(record::kCompander)) != 0; }
bool ChannelRecordView::talkAround() const { return m_image.get(bits(record::kTalkAround)) != 0; }

unsigned ChannelRecordView::toneType(ToneSide side) const { return m_image.get(bits(toneTypeField(side))); }
int ChannelRecordView::ctcss(ToneSide side) const { return m_image.u8(byteAt(ctcssOffset(side))); }
bool ChannelRecordView::dcsInverted(ToneSide side) const { return m_image.get(bits(dcsInvertedField(side))) != 0; }

int ChannelRecordView::dcsCode(ToneSide side) const {
    return int(m_image.u8(byteAt(dcsLowOffset(side))) | (m_image.get(bits(dcsBit8Field(side))) << 8));
}

QString ChannelRecordView::toneText(ToneSide side) const {
    switch (toneType(side)) {
    case kToneTypeCtcss: return ctcssToneText(ctcss(side));
    case kToneTypeDcs: return dcsToneText(dcsCode(side), dcsInverted(side));
    default: return QStringLiteral("Off");
    }
}

int ChannelRecordView::dtmfCode() const { return int(m_image.get(bits(record::kDtmfCode))); }
int ChannelRecordView::signallingType() const { return m_image.u8(byteAt(record::kSignallingType)); }
int ChannelRecordView::signallingCode() const { return m_image.u8(byteAt(record::kSignallingCode)); }
int ChannelRecordView::fiveToneCode() const { return m_image.u8(byteAt(record::kFiveToneCode)); }

QString ChannelRecordView::name() const {
    const QByteArrayView terminators(kNameTerminators, sizeof kNameTerminators);
    return QString::fromLatin1(m_image.text(byteAt(record::kName), record::kNameLength, terminators));
}

int ChannelRecordView::busyLock() const { return m_image.u8(byteAt(record::kBusyLock)); }
int ChannelRecordView::scrambler() const { return m_image.u8(byteAt(record::kScrambler)); }
int ChannelRecordView::dtmfPttId() const { return int(m_image.get(bits(record::kDtmfPttId))); }
int ChannelRecordView::fiveTonePttId() const { return int(m_image.get(bits(record::kFiveTonePttId))); }
int ChannelRecordView::squelchMode() const { return m_image.u8(byteAt(record::kSquelchMode)); }

// ---- writing -------------------------------------------------------------------------

ChannelRecord::ChannelRecord(RadioImage& img, int slot) : ChannelRecordView(img, slot), m_writable(img) {}

void ChannelRecord::setRx(Freq10Hz rx) { m_writable.setBcdFreq(byteAt(record::kRx), rx); }

void ChannelRecord::writeRxTx(Freq10Hz rx, Freq10Hz tx) {
    setRx(rx);
    const std::int64_t difference = std::int64_t(rx.value) - tx.value;
    m_writable.setBcdFreq(byteAt(record::kTxOffset), saturated(difference < 0 ? -difference : difference));
    if (difference > 0) setTxShift(record::kShiftBelow);
    else if (difference < 0) setTxShift(record::kShiftAbove);
    else setTxShift(record::kShiftNone);
}

void ChannelRecord::setStep(int index) { m_writable.setU8(byteAt(record::kStep), std::uint8_t(index)); }
void ChannelRecord::setTxOff(bool on) { m_writable.set(bits(record::kTxOff), on); }
void ChannelRecord::setReverse(bool on) { m_writable.set(bits(record::kReverse), on); }
void ChannelRecord::setSpacing(int index) { m_writable.set(bits(record::kSpacing), unsigned(index)); }
void ChannelRecord::setTxShift(unsigned shift) { m_writable.set(bits(record::kTxShift), shift); }
void ChannelRecord::setPower(int index) { m_writable.set(bits(record::kPower), unsigned(index)); }
void ChannelRecord::setCompander(bool on) { m_writable.set(bits(record::kCompander), on); }
void ChannelRecord::setTalkAround(bool on) { m_writable.set(bits(record::kTalkAround), on); }

void ChannelRecord::setToneType(ToneSide side, unsigned type) { m_writable.set(bits(toneTypeField(side)), type); }

void ChannelRecord::setCtcss(ToneSide side, int index) {
    m_writable.setU8(byteAt(ctcssOffset(side)), std::uint8_t(index));
}

void ChannelRecord::setDcsInverted(ToneSide side, bool on) { m_writable.set(bits(dcsInvertedField(side)), on); }

void ChannelRecord::setDcsCode(ToneSide side, int code) {
    const int nineBits = code & kDcsCodeMask;
    m_writable.setU8(byteAt(dcsLowOffset(side)), std::uint8_t(nineBits & kDcsLowBits));
    m_writable.set(bits(dcsBit8Field(side)), unsigned(nineBits >> 8));
}

void ChannelRecord::storeToneText(ToneSide side, QStringView text) {
    setToneType(side, kToneTypeOff);
    const ParsedTone tone = parseToneText(text);
    if (tone.kind == ToneKind::Ctcss) {
        setToneType(side, kToneTypeCtcss);
        if (tone.ctcssIndex >= 0) setCtcss(side, tone.ctcssIndex);
    } else if (tone.kind == ToneKind::Dcs) {
        setToneType(side, kToneTypeDcs);
        setDcsCode(side, tone.dcsCode);
        setDcsInverted(side, tone.inverted);
    }
}

void ChannelRecord::setDtmfCode(int index) { m_writable.set(bits(record::kDtmfCode), unsigned(index)); }

void ChannelRecord::setSignallingType(int index) {
    m_writable.setU8(byteAt(record::kSignallingType), std::uint8_t(index));
}

void ChannelRecord::setSignallingCode(int code) {
    m_writable.setU8(byteAt(record::kSignallingCode), std::uint8_t(code));
}

void ChannelRecord::setFiveToneCode(int code) { m_writable.setU8(byteAt(record::kFiveToneCode), std::uint8_t(code)); }

void ChannelRecord::setName(QStringView name) {
    m_writable.setText(byteAt(record::kName), record::kNameLength, name.toLatin1(), 0xFF);
}

void ChannelRecord::setBusyLock(int index) { m_writable.setU8(byteAt(record::kBusyLock), std::uint8_t(index)); }
void ChannelRecord::setScrambler(int index) { m_writable.setU8(byteAt(record::kScrambler), std::uint8_t(index)); }
void ChannelRecord::setDtmfPttId(int index) { m_writable.set(bits(record::kDtmfPttId), unsigned(index)); }
void ChannelRecord::setFiveTonePttId(int index) { m_writable.set(bits(record::kFiveTonePttId), unsigned(index)); }
void ChannelRecord::setSquelchMode(int index) { m_writable.setU8(byteAt(record::kSquelchMode), std::uint8_t(index)); }

// ---- whole-record operations ---------------------------------------------------------

void channelClear(RadioImage& img, int slot) {
    const Addr at = recordAddress(slot);
    img.fill(at, record::kSize, 0xFF);
    img.setU8(Addr(at + record::kStep), kClearedStep);
    img.setU8(Addr(at + record::kTxOff.offset), 0);    // +09: every flag off, spacing "25"
    img.setU8(Addr(at + record::kTxShift.offset), 0);  // +0A: no shift, power "High"
    img.setU8(Addr(at + record::kEncodeType.offset), kClearedToneByte);
    img.fill(Addr(at + kClearedZerosFrom), kClearedZerosCount, 0);
    img.fill(Addr(at + kClearedTailFrom), kClearedTailCount, 0);
    setScanSkip(img, slot, false);
    setUsageBit(img, slot, true);
}

} // namespace channels
