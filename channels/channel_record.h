// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Channel records: 203 slots of 32 bytes (channels 1-200, "PA", "PB", "VFO") plus the two
// slot bitmaps beside them. ChannelRecordView reads one record, ChannelRecord also writes
// it; both are thin views over the radio image and own nothing. Every setter changes only
// its own bits, because several bits of the shared bytes are kept unchanged by editors.

#include "channels/tone.h"
#include "channels/value_tables.h"
#include "image/band_limits.h"
#include "image/channel_slots.h"
#include "image/memory_map.h"
#include "image/radio_image.h"

#include <QString>
#include <QStringView>

#include <cstdint>

namespace channels {

using image::Addr;
using image::Freq10Hz;

// Where each slot's record lies, the slot bitmaps and the channel validity pass belong to the
// image (image/channel_slots.h); the channel code names them as its own.
using image::channelValidityPass;
using image::recordAddress;
using image::scanSkip;
using image::setScanSkip;
using image::setUsageBit;
using image::usageBit;

// Record layout, offsets from the record address:
//   +00-03 RX frequency (BCD; FFFFFFFF or 00000000 = empty)   +04-07 TX offset (BCD, |RX - TX|)
//   +08    step index
//   +09    b0 TX off, b1 reverse, b2-3 spacing, b4 encode DCS inverted, b5 encode DCS bit 8, b6-7 kept
//   +0A    b0-1 TX shift (2 below, 3 above RX), b2-3 power, b4 decode DCS inverted,
//          b5 decode DCS bit 8, b6 compander, b7 talk around
//   +0B    b0-1 encode type, b2-3 decode type (0 off, 1 CTCSS, 2 DCS), b4-7 DTMF code
//   +0C/0D encode/decode CTCSS index        +0E/0F encode/decode DCS code bits 0-7
//   +10    signalling type   +11 signalling code (DTMF or 2Tone)   +12 5Tone code
//   +13-19 name, 7 bytes padded with FF
//   +1A    busy lock   +1B scrambler   +1C b0-1 DTMF PTT ID, b4-5 5Tone PTT ID, b2-3 b6-7 kept
//   +1D    squelch mode   +1E, +1F not interpreted (a clear writes 00 and FF)
namespace record {

struct Field {
    std::uint8_t offset;
    std::uint8_t shift;
    std::uint8_t width;
};

constexpr int kSize = 32;
constexpr std::uint8_t kRx = 0x00;
constexpr std::uint8_t kTxOffset = 0x04;
constexpr std::uint8_t kStep = 0x08;
constexpr Field kTxOff{0x09, 0, 1};
constexpr Field kReverse{0x09, 1, 1};
constexpr Field kSpacing{0x09, 2, 2};
constexpr Field kEncodeDcsInverted{0x09, 4, 1};
constexpr Field kEncodeDcsBit8{0x09, 5, 1};
constexpr Field kTxShift{0x0A, 0, 2};
constexpr Field kPower{0x0A, 2, 2};
constexpr Field kDecodeDcsInverted{0x0A, 4, 1};
constexpr Field kDecodeDcsBit8{0x0A, 5, 1};
constexpr Field kCompander{0x0A, 6, 1};
constexpr Field kTalkAround{0x0A, 7, 1};
constexpr Field kEncodeType{0x0B, 0, 2};
constexpr Field kDecodeType{0x0B, 2, 2};
constexpr Field kDtmfCode{0x0B, 4, 4};
constexpr std::uint8_t kEncodeCtcss = 0x0C;
constexpr std::uint8_t kDecodeCtcss = 0x0D;
constexpr std::uint8_t kEncodeDcsLow = 0x0E;
constexpr std::uint8_t kDecodeDcsLow = 0x0F;
constexpr std::uint8_t kSignallingType = 0x10;
constexpr std::uint8_t kSignallingCode = image::map::kChannelSignallingCodeOffset;
constexpr std::uint8_t kFiveToneCode = image::map::kChannelFiveToneCodeOffset;
constexpr std::uint8_t kName = 0x13;
constexpr int kNameLength = 7;
constexpr std::uint8_t kBusyLock = 0x1A;
constexpr std::uint8_t kScrambler = 0x1B;
constexpr Field kDtmfPttId{0x1C, 0, 2};
constexpr Field kFiveTonePttId{0x1C, 4, 2};
constexpr std::uint8_t kSquelchMode = 0x1D;
constexpr std::uint8_t kClearedZero = 0x1E;

// TX shift values; 0 and 1 both mean TX equals RX.
constexpr unsigned kShiftNone = 0;
constexpr unsigned kShiftBelow = 2;
constexpr unsigned kShiftAbove = 3;

} // namespace record

// Which side of the squelch a tone belongs to: the transmitted (encode) or the expected (decode) one.
enum class ToneSide { Encode, Decode };

// Values of the 2-bit tone type fields (the tone-type list).
constexpr unsigned kToneTypeOff = 0;
constexpr unsigned kToneTypeCtcss = 1;
constexpr unsigned kToneTypeDcs = 2;

class ChannelRecordView {
public:
    ChannelRecordView(const image::RadioImage& img, int slot);

    int slot() const { return m_slot; }
    Addr address() const { return m_at; }

    // RX dword 0xFFFFFFFF or 0.
    bool isEmpty() const;
    Freq10Hz rx() const;  // decoded with the raster snap
    Freq10Hz txFrequency() const;

    int step() const;
    bool txOff() const;
    bool reverse() const;
    int spacing() const;
    unsigned txShift() const;
    int power() const;
    bool compander() const;
    bool talkAround() const;

    unsigned toneType(ToneSide side) const;
    int ctcss(ToneSide side) const;
    bool dcsInverted(ToneSide side) const;
    int dcsCode(ToneSide side) const;  // 9 bits: the low byte plus bit 8 from the flags
    // "Off", the CTCSS text or "D%03oN"/"D%03oI", as the channel list shows the side.
    QString toneText(ToneSide side) const;

    int dtmfCode() const;
    int signallingType() const;
    int signallingCode() const;
    int fiveToneCode() const;
    QString name() const;
    int busyLock() const;
    int scrambler() const;
    int dtmfPttId() const;
    int fiveTonePttId() const;
    int squelchMode() const;

protected:
    image::Bits bits(record::Field field) const { return {Addr(m_at + field.offset), field.shift, field.width}; }
    Addr byteAt(std::uint8_t offset) const { return Addr(m_at + offset); }
    static record::Field dcsInvertedField(ToneSide side);
    static record::Field dcsBit8Field(ToneSide side);
    static record::Field toneTypeField(ToneSide side);
    static std::uint8_t ctcssOffset(ToneSide side);
    static std::uint8_t dcsLowOffset(ToneSide side);

private:
    const image::RadioImage& m_image;
    int m_slot;
    Addr m_at;
};

class ChannelRecord : public ChannelRecordView {
public:
    ChannelRecord(image::RadioImage& img, int slot);

    void setRx(Freq10Hz rx);
    // RX into +00-03, |RX - TX| into +04-07, the shift bits from the sign; other +0A bits kept.
    void writeRxTx(Freq10Hz rx, Freq10Hz tx);

    void setStep(int index);
    void setTxOff(bool on);
    void setReverse(bool on);
    void setSpacing(int index);
    void setTxShift(unsigned shift);
    void setPower(int index);
    void setCompander(bool on);
    void setTalkAround(bool on);

    void setToneType(ToneSide side, unsigned type);
    void setCtcss(ToneSide side, int index);
    void setDcsInverted(ToneSide side, bool on);
    void setDcsCode(ToneSide side, int code);  // low byte and bit 8; the inverted flag stays
    // The channel list's store of a tone cell: the type is cleared, then the parsed text sets
    // it. A CTCSS text outside the table sets the type but keeps the index; "Off" and texts
    // that are no tone leave the type "Off" and the value bytes as they were.
    void storeToneText(ToneSide side, QStringView text);

    void setDtmfCode(int index);
    void setSignallingType(int index);
    void setSignallingCode(int code);
    void setFiveToneCode(int code);
    // 0xFF over all 7 bytes, then at most 7 characters (Latin-1).
    void setName(QStringView name);
    void setBusyLock(int index);
    void setScrambler(int index);
    void setDtmfPttId(int index);
    void setFiveTonePttId(int index);
    void setSquelchMode(int index);

private:
    image::RadioImage& m_writable;
};

// Resets a record to the defaults of a new channel (step "12.5", DTMF code "M5", all else
// off, name and frequencies empty), clears its scan-skip bit and sets its usage bit.
void channelClear(image::RadioImage& img, int slot);

} // namespace channels
