// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 5Tone selective calling without widgets: the tone standards and option lists, the repeat
// rule, the packing of code digits into the image, the information codes, the BOT and EOT
// PTT ID codes, and the encode list with its special calls (composed into plain digit codes
// when stored, recognised again when loaded). The 5Tone editor, the Emergency Information
// editor, the configuration report and the command-line tool share these.

#include "image/radio_image.h"
#include "signalling/five_tone_fields.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace signalling::five_tone {

// One tone standard: the frequency text of each digit 0-F ("" where the standard defines
// none) and the tone length it is normally sent with.
struct ToneStandard {
    std::string_view name;
    std::array<std::string_view, 16> frequencies;
    int lengthMs;
};

// List order is the index stored in the image.
inline constexpr std::array<ToneStandard, 14> kToneStandards{{
    {"ZVEI1", {"2400.0", "1060.0", "1160.0", "1270.0", "1400.0", "1530.0", "1670.0", "1830.0", "2000.0", "2200.0",
               "2800.0", "810.0", "970.0", "885.0", "2600.0", "680.0"}, 70},
    {"ZVEI2", {"2400.0", "1060.0", "1160.0", "1270.0", "1400.0", "1530.0", "1670.0", "1830.0", "2000.0", "2200.0",
               "885.0", "810.0", "740.0", "680.0", "970.0", "2600.0"}, 70},
    {"ZVEI3", {"2200.0", "970.0", "1060.0", "1160.0", "1270.0", "1400.0", "1530.0", "1670.0", "1830.0", "2000.0",
               "885.0", "", "", "", "2400.0", ""}, 70},
    {"PZVEI", {"2400.0", "1060.0", "1160.0", "1270.0", "1400.0", "1530.0", "1670.0", "1830.0", "2000.0", "2200.0",
               "970.0", "810.0", "2800.0", "885.0", "2600.0", "680.0"}, 70},
    {"DZVEI", {"2200.0", "970.0", "1060.0", "1160.0", "1270.0", "1400.0", "1530.0", "1670.0", "1830.0", "2000.0",
               "825.0/885.0", "740.0", "2600.0", "885.0", "2400.0", "680.0"}, 70},
    {"PDZVEI", {"2200.0", "970.0", "1060.0", "1160.0", "1270.0", "1400.0", "1530.0", "1670.0", "1830.0", "2000.0",
                "825.0", "886.0", "2600.0", "856.0", "2400.0", ""}, 70},
    {"CCIR1", {"1981.0", "1124.0", "1197.0", "1275.0", "1358.0", "1446.0", "1540.0", "1640.0", "1747.0", "1860.0",
               "2400.0", "930.0", "2247.0", "991.0", "2110.0", "1055.0"}, 100},
    {"CCIR2", {"1981.0", "1124.0", "1197.0", "1275.0", "1358.0", "1446.0", "1540.0", "1640.0", "1747.0", "1860.0",
               "2400.0", "930.0", "2247.0", "991.0", "2110.0", "1055.0"}, 70},
    {"PCCIR", {"1981.0", "1124.0", "1197.0", "1275.0", "1358.0", "1446.0", "1540.0", "1640.0", "1747.0", "1860.0",
               "1050.0", "930.0", "2400.0", "991.0", "2110.0", ""}, 100},
    {"EEA", {"1981.0", "1124.0", "1197.0", "1275.0", "1358.0", "1446.0", "1540.0", "1640.0", "1747.0", "1860.0",
             "1055.0", "930.0", "2400.0", "991.0", "2110.0", "2247.0"}, 40},
    {"EURO SIGNAL", {"979.8", "903.1", "832.5", "767.4", "707.4", "652.0", "601.0", "554.0", "510.7", "470.8",
                     "", "", "", "", "1062.9", ""}, 100},
    {"NATEL", {"1633.0", "631.0", "697.0", "770.0", "852.0", "941.0", "1040.0", "1209.0", "1336.0", "1477.0",
               "1995.0", "571.0", "2205.0", "2437.0", "1805.0", "2694.0"}, 70},
    {"MODAT", {"637.5", "787.5", "937.5", "1087.5", "1237.5", "1387.5", "1537.5", "1687.5", "1837.5", "1987.5",
               "", "", "", "", "487.5", ""}, 40},
    {"CCITT", {"400.0", "697.0", "770.0", "852.0", "941.0", "1209.0", "1335.0", "1477.0", "1663.0", "1800.0",
               "1900.0", "2000.0", "2100.0", "2200.0", "2300.0", ""}, 70},
}};
constexpr int kStandardCount = int(kToneStandards.size());

inline constexpr std::array<std::string_view, 3> kDecodingResponseList{"None", "Beep Tone", "Beep Tone & Response"};
// Entries 3 and 4 carry the same text in the radio's own list.
inline constexpr std::array<std::string_view, 7> kFunctionOptionList{
    "Squelch Off", "Call All", "Emergency Alarm", "Remotely Stun", "Remotely Stun", "Remotely Wake up", "Group Call"};
inline constexpr std::array<std::string_view, 5> kStopCodeList{"Off", "B", "C", "D", "F"};
inline constexpr std::array<std::string_view, 8> kInformationNumberList{"1", "2", "3", "4", "5", "6", "7", "8"};
// The special call kinds, as shown in the dialogs and in column 1 of the encode list.
inline constexpr std::array<std::string_view, 3> kCallKindList{"Send Message", "ANI", "PTTID"};
// Interval character entries; the first stands for "no interval character" (0xFF).
inline constexpr std::array<std::string_view, 7> kPttIdIntervalList{"Off", "A", "B", "C", "D", "E", "F"};
inline constexpr std::array<std::string_view, 7> kListIntervalList{"No Stop", "A", "B", "C", "D", "E", "F"};

constexpr std::uint8_t kNoInterval = 0xFF;
constexpr std::uint8_t kStopCodeOff = 0xFF;

QStringList standardNames();
// Index of a standard by its exact name.
std::optional<int> standardIndex(const QString& name);
// The tone length a standard is normally sent with, in ms (70 for an unknown index).
int defaultToneLengthMs(int standard);
// The frequency table shown in the form's text box, with the line ends the radio's own
// software uses ("\r\r\n" after the name, "\r\n" after every other line).
QString standardTableText(int standard);

// ---- digits and the repeat rule ------------------------------------------------------

// Two equal tones in a row cannot be told apart, so the second becomes the repeat tone "E":
// 11111 -> 1E1E1, 112 -> 1E2.
QString applyRepeatRule(QString code);
// For display: every "E" after the first digit becomes the digit before it.
QString undoRepeatRule(QString code);
// Upper-case hexadecimal character codes of a message, "HI" -> "4849" (Latin-1).
QString messageDigits(const QString& message);

// `length` digits read from packed bytes at `at` ("%02X" of each byte, then cut).
QString readPackedDigits(const image::RadioImage& img, Addr at, int byteCount, int length);
// Digits written two per byte from `at`, at most `byteCount` bytes; an odd last digit keeps
// the low nibble of its byte. A character that is not a hexadecimal digit counts as 0.
void writePackedDigits(image::RadioImage& img, Addr at, int byteCount, const QString& digits);

// ---- general settings -------------------------------------------------------------

// "first", "first + step", ... "last" as "%d".
QStringList numberList(int first, int last, int step);
// 0.0 to maxTenths / 10 in steps of 0.1, "%.1f".
QStringList tenthsList(int maxTenths);
// The editor's number lists, shared with the configuration report: tone lengths 30-100 ms;
// pretime, time-lapse and first delay 10-2550 ms; stop time 0-2550 ms; decode time 0-2000 ms;
// auto reset 0.0-25.0 s; PTT ID pause "Off", then 5-75 s.
QStringList toneLengthEntries();
QStringList delayEntries();
QStringList stopTimeEntries();
QStringList decodeTimeEntries();
QStringList autoResetEntries();
QStringList pttIdPauseEntries();

// The decoding responses an information code's function option offers ("Call All" has no
// "Beep Tone & Response"), and whether it carries a function name ("Squelch Off" and
// "Group Call" do not).
QStringList informationResponseEntries(int functionOption);
bool hasFunctionName(int functionOption);
QString tenthsText(int tenths);
// "12.3" -> 123, exactly; nothing when the text is not such a number.
std::optional<int> parseTenths(const QString& text);

// The number drop-downs both ways. Milliseconds are stored in tens ("70" <-> 7), the PTT ID
// pause in seconds ("Off" <-> 0), the auto reset time in tenths; a text that is not such a
// number stores 0.
QString msText(std::uint8_t tensOfMs);
std::uint8_t msValue(QStringView entry);
QString pttIdPauseText(std::uint8_t seconds);
std::uint8_t pttIdPauseValue(QStringView entry);
std::uint8_t autoResetValue(const QString& entry);

// The self ID as shown: each digit byte as "%X", up to the first byte of 16 or more,
// completed on the left with "0" to five digits.
QString readSelfId(const image::RadioImage& img);
// Completed to five digits first; also sets the length byte to 5.
void writeSelfId(image::RadioImage& img, const QString& selfId);
// Fewer than five digits are completed on the left with "0": 12 -> 00012.
QString completeSelfId(const QString& selfId);

// "Off" for 0xFF, else "%X" of the byte.
QString stopCodeText(std::uint8_t stored);
std::uint8_t stopCodeByte(const QString& text);

// ---- information codes (numbered 1-8) ------------------------------------------------

QString readInformationId(const image::RadioImage& img, int number);
void writeInformationId(image::RadioImage& img, int number, const QString& id);
QString readFunctionName(const image::RadioImage& img, int number);
void writeFunctionName(image::RadioImage& img, int number, const QString& name);

// ---- BOT and EOT ---------------------------------------------------------------------

// The stored digits, cut to the stored length (at most 24).
QString readPttIdCode(const image::RadioImage& img, Addr record);
// Length byte and the digits padded with "0" to 24.
void writePttIdCode(image::RadioImage& img, Addr record, const QString& code);
// A code left as loaded keeps its digits, but a length byte larger than the field (erased
// memory reads 0xFF) would let the radio read past it: at most `digits` (24 for BOT and EOT,
// 40 for the encode list).
void clampCodeLength(image::RadioImage& img, Addr record, int digits);

// ---- special calls -------------------------------------------------------------------

enum class CallKind { None, SendMessage, Ani, PttId };
CallKind callKindFromText(const QString& text);
QString callKindText(CallKind kind);

// What a special call dialog returns on "OK".
struct SpecialCall {
    CallKind kind = CallKind::SendMessage;
    QString otherSideId;                     // already completed to five characters
    std::uint8_t interval = kNoInterval;     // the byte for 0x0331
    QString message;
    int entry = 0;                           // the encode list entry (list dialog only)
};

// The other side ID padded on the right with "0" to five characters, or cut to five.
QString padOtherSideId(const QString& id);
// "A"-"F" for 0x0A-0x0F, empty for anything else (0xFF = none).
QString intervalText(std::uint8_t stored);
// 0x0A-0x0F for "A"-"F", 0xFF for any other entry.
std::uint8_t intervalByte(const QString& entry);

// The BOT or EOT "Encode ID" a special call gives.
QString composePttIdCall(const SpecialCall& call, const QString& selfId);

// ---- encode list ---------------------------------------------------------------------

// The five editable columns of one entry, as the grid shows them.
struct EncodeEntryCells {
    QString kind;        // "", "Send Message", "ANI" or "PTTID"
    QString id;          // plain code digits, ANI other side ID (+ interval), message call text
    QString standard;    // standard name, empty for an index outside the table
    QString toneLength;  // ms
    QString name;
    // A special call without ID text (PTTID) is in use too.
    bool inUse() const { return !kind.isEmpty() || !id.isEmpty(); }
    bool operator==(const EncodeEntryCells&) const = default;
};

inline const QString kMessageSeparator = QStringLiteral(" Info:");

// The code an entry stands for before the odd-length pad and the repeat rule.
QString composeEntryCode(const QString& kind, const QString& id, const QString& selfId);
// The kind and ID text of stored digits: a special call only when composing it again gives
// exactly these digits back, so every plain code survives a load and store unchanged.
std::pair<QString, QString> recogniseCall(const QString& digits, const QString& selfId, std::uint8_t interval);

EncodeEntryCells loadEncodeEntry(const image::RadioImage& img, int entry, const QString& selfId,
                                 std::uint8_t interval);
// Writes one entry; an entry not in use only gets its length byte cleared.
void storeEncodeEntry(image::RadioImage& img, int entry, const EncodeEntryCells& cells, const QString& selfId);
// PTT ID and ANI calls carry the self ID, so a new self ID rewrites them.
bool callDependsOnSelfId(const QString& kind);
// What the list's store does with one entry: a row that still shows what its bytes stand for
// (`inImage`, read with `inImageSelfId`) keeps them, but for a length byte past its field,
// unless its call carries a self ID that changed; any other row is written with `selfId`.
// True when the row was written.
bool storeListedEntry(image::RadioImage& img, int entry, const EncodeEntryCells& cells, const EncodeEntryCells& inImage,
                      const QString& selfId, const QString& inImageSelfId);
// Every occupancy bit from its entry's length byte (set = free).
void storeEncodeOccupancy(image::RadioImage& img);
// The cells a list special call gives its row (column 5 keeps its name).
EncodeEntryCells specialCallCells(const SpecialCall& call, const QString& name);
// Entry numbers of the entries in use (length byte not 0), ascending.
QStringList encodeEntriesInUse(const image::RadioImage& img);
// Whether entry 0-99 is in use (length byte not 0).
bool encodeEntryInUse(const image::RadioImage& img, int entry);

} // namespace signalling::five_tone
