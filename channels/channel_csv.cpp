#include "channels/channel_csv.h"

#include "channels/value_tables.h"
#include "image/consistency_pass.h"
#include "image/frequency.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

namespace channels::csv {

namespace {

// What an import reports, in one place.
namespace text {
const QString kNoHeader = QStringLiteral("the file holds no header line");
const QString kNoFrequencyColumn = QStringLiteral("the header has no Frequency column");
const QString kNoLocationColumn = QStringLiteral("the header has no Location column (import into empty channels instead)");
const QString kBadLocation = QStringLiteral("Location \"%1\" is not a channel from 0 to 199");
const QString kLocationTaken = QStringLiteral("Location %1 is already used by line %2");
const QString kNoEmptyChannel = QStringLiteral("no empty channel left");
const QString kPastLastChannel = QStringLiteral("no channel left below: the rows run past channel 199");
const QString kNoFrequency = QStringLiteral("no Frequency");
const QString kBadNumber = QStringLiteral("%1 \"%2\" is not a number");
const QString kRxOutOfBand = QStringLiteral("Frequency %1 MHz lies outside the receive band %2-%3 MHz");
const QString kTxOutOfBand = QStringLiteral("TX frequency %1 MHz lies outside the transmit band %2-%3 MHz");
const QString kRounded = QStringLiteral("%1 %2 MHz rounded to %3 MHz");
const QString kBadDuplex = QStringLiteral("Duplex \"%1\" is not blank, +, -, split or off");
const QString kBadName = QStringLiteral("Name \"%1\" holds a character the radio cannot show");
const QString kNameCut = QStringLiteral("Name \"%1\" cut to \"%2\" (7 characters)");
const QString kBadMode = QStringLiteral("Mode \"%1\" is not one the radio has (FM, NFM)");
const QString kBadStep = QStringLiteral("TStep \"%1\" is not a step the radio has");
const QString kBadPower = QStringLiteral("Power \"%1\" is not High, Middle or Low");
const QString kBadSkip = QStringLiteral("Skip \"%1\" is not blank or S");
const QString kBadToneMode = QStringLiteral("Tone \"%1\" is not a tone mode the radio has");
const QString kBadCrossMode = QStringLiteral("CrossMode \"%1\" is not a cross mode the radio has");
const QString kBadCtcss = QStringLiteral("%1 \"%2\" is not a CTCSS tone of the radio");
const QString kBadDcs = QStringLiteral("%1 \"%2\" is not a DCS code (three octal digits)");
const QString kBadPolarity = QStringLiteral("DtcsPolarity \"%1\" is not two of N and R");
const QString kLine = QStringLiteral("line %1: %2");
} // namespace text

// Placeholders that fill the tone columns a row does not use.
const QString kToneFiller = QStringLiteral("88.5");
const QString kDcsFiller = QStringLiteral("023");
const QString kPolarityFiller = QStringLiteral("NN");
const QString kCrossFiller = QStringLiteral("Tone->Tone");
const QString kTwentyKhzComment = QStringLiteral("20 kHz");
constexpr int kSpacing25 = 0;
constexpr int kSpacing20 = 1;
constexpr int kSpacing12_5 = 2;
constexpr int kDefaultStep = 5;  // "12.5", as a cleared channel has it

// The step list in hundredths of a kHz, in list order.
constexpr std::array<int, 10> kStepHundredths{250, 500, 625, 833, 1000, 1250, 2000, 2500, 3000, 5000};

enum Column : int {
    kLocation, kName, kFrequency, kDuplex, kOffset, kTone, kRTone, kCTone, kDtcs, kPolarity,
    kRxDtcs, kCross, kMode, kStep, kSkip, kPower, kComment, kUrCall, kRpt1Call, kRpt2Call, kDvCode,
};

// Cross modes: the kind of the transmit and of the receive side.
enum class Kind { None, Tone, Dtcs };
struct CrossMode {
    std::string_view text;
    Kind tx;
    Kind rx;
};
constexpr std::array<CrossMode, 7> kCrossModes{{
    {"Tone->Tone", Kind::Tone, Kind::Tone},
    {"Tone->DTCS", Kind::Tone, Kind::Dtcs},
    {"DTCS->Tone", Kind::Dtcs, Kind::Tone},
    {"->Tone", Kind::None, Kind::Tone},
    {"->DTCS", Kind::None, Kind::Dtcs},
    {"DTCS->", Kind::Dtcs, Kind::None},
    {"DTCS->DTCS", Kind::Dtcs, Kind::Dtcs},
}};

QString latin(std::string_view s) { return QString::fromLatin1(s.data(), qsizetype(s.size())); }

// ---- export -------------------------------------------------------------------------------

// Working value (10 Hz) -> MHz with six decimals, on the integer.
QString mhzText(std::int64_t tenHz) {
    const std::int64_t hz = (tenHz < 0 ? -tenHz : tenHz) * 10;
    return QStringLiteral("%1.%2").arg(hz / 1000000).arg(hz % 1000000, 6, 10, QLatin1Char('0'));
}

QString stepText(int index) {
    if (index < 0 || index >= int(kStepHundredths.size())) return QString();
    const int hundredths = kStepHundredths[std::size_t(index)];
    return QStringLiteral("%1.%2").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

QString modeText(int spacing) {
    switch (spacing) {
    case kSpacing25:
    case kSpacing20: return QStringLiteral("FM");
    case kSpacing12_5: return QStringLiteral("NFM");
    default: return QString();
    }
}

// A side as the CSV can carry it: a CTCSS index outside the table or an unknown type is "none".
ToneSetting sideOf(const ChannelRecordView& record, ToneSide side) {
    ToneSetting tone;
    const unsigned type = record.toneType(side);
    if (type == kToneTypeCtcss && record.ctcss(side) < int(kCtcssTable.size())) {
        tone.type = type;
        tone.ctcss = record.ctcss(side);
    } else if (type == kToneTypeDcs) {
        tone.type = type;
        tone.dcs = record.dcsCode(side);
        tone.inverted = record.dcsInverted(side);
    }
    return tone;
}

Kind kindOf(const ToneSetting& tone) {
    if (tone.type == kToneTypeCtcss) return Kind::Tone;
    if (tone.type == kToneTypeDcs) return Kind::Dtcs;
    return Kind::None;
}

QChar polarityChar(const ToneSetting& tone) { return tone.inverted ? u'R' : u'N'; }

// Fills the tone columns of a row from the transmit (encode) and receive (decode) sides.
void writeTones(QStringList& row, const ToneSetting& tx, const ToneSetting& rx) {
    row[kRTone] = row[kCTone] = kToneFiller;
    row[kDtcs] = row[kRxDtcs] = kDcsFiller;
    row[kPolarity] = kPolarityFiller;
    row[kCross] = kCrossFiller;
    const Kind txKind = kindOf(tx);
    const Kind rxKind = kindOf(rx);
    if (txKind == Kind::None && rxKind == Kind::None) return;
    if (txKind == Kind::Tone && rxKind == Kind::None) {
        row[kTone] = QStringLiteral("Tone");
        row[kRTone] = latin(kCtcssTable[std::size_t(tx.ctcss)]);
        return;
    }
    if (txKind == Kind::Tone && rxKind == Kind::Tone && tx.ctcss == rx.ctcss) {
        row[kTone] = QStringLiteral("TSQL");
        row[kCTone] = latin(kCtcssTable[std::size_t(rx.ctcss)]);
        return;
    }
    row[kPolarity] = QString(polarityChar(tx)) + polarityChar(rx);
    if (txKind == Kind::Dtcs && rxKind == Kind::Dtcs && tx.dcs == rx.dcs) {
        row[kTone] = QStringLiteral("DTCS");
        row[kDtcs] = row[kRxDtcs] = dcsCodeText(tx.dcs);
        return;
    }
    row[kTone] = QStringLiteral("Cross");
    for (const CrossMode& mode : kCrossModes)
        if (mode.tx == txKind && mode.rx == rxKind) row[kCross] = latin(mode.text);
    if (txKind == Kind::Tone) row[kRTone] = latin(kCtcssTable[std::size_t(tx.ctcss)]);
    if (txKind == Kind::Dtcs) row[kDtcs] = dcsCodeText(tx.dcs);
    if (rxKind == Kind::Tone) row[kCTone] = latin(kCtcssTable[std::size_t(rx.ctcss)]);
    if (rxKind == Kind::Dtcs) row[kRxDtcs] = dcsCodeText(rx.dcs);
}

bool inUse(const image::RadioImage& img, int slot) {
    return !usageBit(img, slot) && !ChannelRecordView(img, slot).isEmpty();
}

QStringList exportRow(const image::RadioImage& img, int slot) {
    const ChannelRecordView record(img, slot);
    QStringList row(int(kColumns.size()));
    row[kLocation] = QString::number(slot - kFirstSlot);
    row[kName] = record.name();
    row[kFrequency] = mhzText(record.rx().value);
    const std::int64_t split = std::int64_t(record.txFrequency().value) - record.rx().value;
    if (record.txOff()) row[kDuplex] = QStringLiteral("off");
    else if (split > 0) row[kDuplex] = QStringLiteral("+");
    else if (split < 0) row[kDuplex] = QStringLiteral("-");
    row[kOffset] = mhzText(record.txOff() ? 0 : split);
    writeTones(row, sideOf(record, ToneSide::Encode), sideOf(record, ToneSide::Decode));
    row[kMode] = modeText(record.spacing());
    row[kStep] = stepText(record.step());
    if (scanSkip(img, slot)) row[kSkip] = QStringLiteral("S");
    row[kPower] = entryText(kPowerList, record.power());
    if (record.spacing() == kSpacing20) row[kComment] = kTwentyKhzComment;
    return row;
}

QString joinLine(const QStringList& fields) {
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields) quoted.append(quoteField(field));
    return quoted.join(u',') + QStringLiteral("\r\n");
}

// ---- import -------------------------------------------------------------------------------

// Header name -> field position in the records; -1 when the file lacks the column.
using ColumnMap = std::array<int, kColumns.size()>;

ColumnMap mapColumns(const QStringList& header) {
    ColumnMap map;
    map.fill(-1);
    for (int i = 0; i < header.size(); ++i) {
        const int column = indexOf(kColumns, header[i].trimmed());
        if (column >= 0 && map[std::size_t(column)] < 0) map[std::size_t(column)] = i;
    }
    return map;
}

// A row that cannot be taken whole: thrown inside the row reader, caught per row.
struct Refusal {
    QString reason;
};

class RowReader {
public:
    RowReader(const ColumnMap& columns, const Record& record) : m_columns(columns), m_record(record) {}

    bool has(Column column) const { return m_columns[column] >= 0; }
    QString field(Column column) const {
        return has(column) ? m_record.fields.value(m_columns[column]).trimmed() : QString();
    }

private:
    const ColumnMap& m_columns;
    const Record& m_record;
};

// Digits with at most one decimal point and nothing else.
bool isPlainDecimal(const QString& text) {
    bool point = false;
    bool digit = false;
    for (const QChar c : text) {
        if (c == u'.' && !point) point = true;
        else if (c >= u'0' && c <= u'9') digit = true;
        else return false;
    }
    return digit;
}

std::int64_t decimal(const QString& text, int decimals, const char* column) {
    if (!isPlainDecimal(text)) throw Refusal{text::kBadNumber.arg(QLatin1String(column), text)};
    return image::parseScaledDecimal(text, decimals);
}

image::Freq10Hz frequency(const QString& text, const char* column) {
    const std::int64_t value = decimal(text, 5, column);
    if (value > INT32_MAX) throw Refusal{text::kBadNumber.arg(QLatin1String(column), text)};
    return image::Freq10Hz(std::int32_t(value));
}

int ctcssIndex(const QString& text, const char* column) {
    // Compared as numbers, so "88.50" finds "88.5".
    if (isPlainDecimal(text)) {
        const std::int64_t thousandths = image::parseScaledDecimal(text, 3);
        for (std::size_t i = 0; i < kCtcssTable.size(); ++i)
            if (image::parseScaledDecimal(latin(kCtcssTable[i]), 3) == thousandths) return int(i);
    }
    throw Refusal{text::kBadCtcss.arg(QLatin1String(column), text)};
}

int dcsCode(const QString& text, const char* column) {
    bool octal = !text.isEmpty() && text.size() <= 3;
    int code = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'7') octal = false;
        else code = code * 8 + (c.unicode() - '0');
    }
    if (!octal) throw Refusal{text::kBadDcs.arg(QLatin1String(column), text)};
    return code;
}

std::array<bool, 2> polarities(const RowReader& row) {
    const QString text = row.has(kPolarity) ? row.field(kPolarity) : kPolarityFiller;
    const bool valid = text.size() == 2 && std::all_of(text.begin(), text.end(), [](QChar c) { return c == u'N' || c == u'R'; });
    if (!valid) throw Refusal{text::kBadPolarity.arg(text)};
    return {text[0] == u'R', text[1] == u'R'};
}

ToneSetting ctcssSide(const RowReader& row, Column column, const char* name) {
    ToneSetting tone;
    tone.type = kToneTypeCtcss;
    tone.ctcss = ctcssIndex(row.field(column), name);
    return tone;
}

ToneSetting dcsSide(const RowReader& row, Column column, const char* name, bool inverted) {
    ToneSetting tone;
    tone.type = kToneTypeDcs;
    tone.dcs = dcsCode(row.field(column), name);
    tone.inverted = inverted;
    return tone;
}

// The receive DCS code: RxDtcsCode, or DtcsCode in files written before that column existed.
ToneSetting rxDcsSide(const RowReader& row, bool inverted) {
    return row.has(kRxDtcs) ? dcsSide(row, kRxDtcs, "RxDtcsCode", inverted)
                            : dcsSide(row, kDtcs, "DtcsCode", inverted);
}

// Reads only the columns the Tone and CrossMode name.
void readTones(const RowReader& row, ImportedChannel& channel) {
    const QString mode = row.field(kTone);
    if (mode.isEmpty()) return;
    if (mode == QLatin1String("Tone")) {
        channel.encode = ctcssSide(row, kRTone, "rToneFreq");
    } else if (mode == QLatin1String("TSQL")) {
        channel.encode = channel.decode = ctcssSide(row, kCTone, "cToneFreq");
    } else if (mode == QLatin1String("DTCS")) {
        const auto [txInverted, rxInverted] = polarities(row);
        channel.encode = dcsSide(row, kDtcs, "DtcsCode", txInverted);
        channel.decode = dcsSide(row, kDtcs, "DtcsCode", rxInverted);
    } else if (mode == QLatin1String("Cross")) {
        const QString crossText = row.field(kCross);
        const auto cross = std::find_if(kCrossModes.begin(), kCrossModes.end(),
                                        [&](const CrossMode& m) { return latin(m.text) == crossText; });
        if (cross == kCrossModes.end()) throw Refusal{text::kBadCrossMode.arg(crossText)};
        const bool anyDcs = cross->tx == Kind::Dtcs || cross->rx == Kind::Dtcs;
        const std::array<bool, 2> inverted = anyDcs ? polarities(row) : std::array<bool, 2>{false, false};
        if (cross->tx == Kind::Tone) channel.encode = ctcssSide(row, kRTone, "rToneFreq");
        if (cross->tx == Kind::Dtcs) channel.encode = dcsSide(row, kDtcs, "DtcsCode", inverted[0]);
        if (cross->rx == Kind::Tone) channel.decode = ctcssSide(row, kCTone, "cToneFreq");
        if (cross->rx == Kind::Dtcs) channel.decode = rxDcsSide(row, inverted[1]);
    } else {
        throw Refusal{text::kBadToneMode.arg(mode)};
    }
}

image::Freq10Hz rounded(image::Freq10Hz value, const char* what, int line, std::vector<RowNote>& warnings) {
    const image::Freq10Hz result = image::entryRounding(value);
    if (result != value)
        warnings.push_back({line, text::kRounded.arg(QLatin1String(what), mhzText(value.value), mhzText(result.value))});
    return result;
}

QString bandText(image::Freq10Hz value) { return mhzText(value.value); }

void readFrequencies(const RowReader& row, const image::BandLimits& limits, ImportedChannel& channel,
                     std::vector<RowNote>& warnings) {
    const QString rxText = row.field(kFrequency);
    if (rxText.isEmpty()) throw Refusal{text::kNoFrequency};
    const image::Freq10Hz typedRx = frequency(rxText, "Frequency");
    if (typedRx.value == 0) throw Refusal{text::kNoFrequency};
    if (!limits.rxInBand(typedRx))
        throw Refusal{text::kRxOutOfBand.arg(rxText, bandText(limits.rxLow), bandText(limits.rxHigh))};

    const QString duplex = row.field(kDuplex).toLower();
    const QString offsetText = row.field(kOffset);
    const image::Freq10Hz offset = offsetText.isEmpty() ? image::Freq10Hz() : frequency(offsetText, "Offset");
    image::Freq10Hz typedTx = typedRx;
    if (duplex == QLatin1String("+")) typedTx = typedRx + offset;
    else if (duplex == QLatin1String("-")) typedTx = typedRx - offset;
    else if (duplex == QLatin1String("split")) typedTx = offset;
    else if (duplex == QLatin1String("off")) channel.txOff = true;
    else if (!duplex.isEmpty()) throw Refusal{text::kBadDuplex.arg(row.field(kDuplex))};
    if (!channel.txOff && !limits.txInBand(typedTx))
        throw Refusal{text::kTxOutOfBand.arg(mhzText(typedTx.value), bandText(limits.txLow), bandText(limits.txHigh))};

    channel.rx = rounded(typedRx, "Frequency", channel.line, warnings);
    channel.tx = channel.txOff ? channel.rx : rounded(typedTx, "TX frequency", channel.line, warnings);
}

void readName(const RowReader& row, ImportedChannel& channel, std::vector<RowNote>& warnings) {
    QString name = row.field(kName);
    for (QChar& c : name) {
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 'a' + 'A');
        else if (c < u' ' || c > u'~') throw Refusal{text::kBadName.arg(row.field(kName))};
    }
    if (name.size() > record::kNameLength) {
        warnings.push_back({channel.line, text::kNameCut.arg(name, name.left(record::kNameLength))});
        name.truncate(record::kNameLength);
    }
    channel.name = name;
}

void readOptions(const RowReader& row, ImportedChannel& channel) {
    const QString mode = row.field(kMode);
    if (mode == QLatin1String("NFM")) channel.spacing = kSpacing12_5;
    else if (mode == QLatin1String("FM"))
        channel.spacing = row.field(kComment) == kTwentyKhzComment ? kSpacing20 : kSpacing25;
    else if (!mode.isEmpty()) throw Refusal{text::kBadMode.arg(mode)};

    const QString step = row.field(kStep);
    channel.step = kDefaultStep;
    if (!step.isEmpty()) {
        const auto hundredths = decimal(step, 2, "TStep");
        const auto found = std::find(kStepHundredths.begin(), kStepHundredths.end(), hundredths);
        if (found == kStepHundredths.end()) throw Refusal{text::kBadStep.arg(step)};
        channel.step = int(found - kStepHundredths.begin());
    }

    const QString power = row.field(kPower);
    if (!power.isEmpty()) {
        const auto found = std::find_if(kPowerList.begin(), kPowerList.end(), [&](std::string_view entry) {
            return latin(entry).compare(power, Qt::CaseInsensitive) == 0;
        });
        if (found == kPowerList.end()) throw Refusal{text::kBadPower.arg(power)};
        channel.power = int(found - kPowerList.begin());
    }

    const QString skip = row.field(kSkip);
    if (skip == QLatin1String("S")) channel.skip = true;
    else if (!skip.isEmpty()) throw Refusal{text::kBadSkip.arg(skip)};
}

// Decides the row's slot: its Location, the next empty channel, or (a paste) the next
// channel down from where the paste began, whether or not the row is taken.
class SlotChooser {
public:
    SlotChooser(const image::RadioImage& img, Placement placement) : m_img(img), m_placement(placement) {}
    SlotChooser(const image::RadioImage& img, int firstSlot) : m_img(img), m_nextDown(firstSlot) {}

    int choose(const RowReader& row, int line) {
        if (m_nextDown > 0) return nextDown(line);
        if (m_placement == Placement::NextEmpty) return nextEmpty(line);
        const QString location = row.field(kLocation);
        bool ok = false;
        const int number = location.toInt(&ok);
        if (!ok || number < 0 || number >= kOrdinarySlots) throw Refusal{text::kBadLocation.arg(location)};
        const int slot = number + kFirstSlot;
        if (const auto taken = m_lineOfSlot.find(slot); taken != m_lineOfSlot.end())
            throw Refusal{text::kLocationTaken.arg(number).arg(taken->second)};
        m_pending = {slot, line};
        return slot;
    }
    // Called once the row was taken whole, so a refused row keeps no slot.
    void confirm() { m_lineOfSlot.insert(m_pending); }

private:
    int nextDown(int line) {
        const int slot = m_nextDown++;
        if (slot >= kFirstSlot + kOrdinarySlots) throw Refusal{text::kPastLastChannel};
        m_pending = {slot, line};
        return slot;
    }

    int nextEmpty(int line) {
        for (int slot = kFirstSlot; slot < kFirstSlot + kOrdinarySlots; ++slot) {
            if (!inUse(m_img, slot) && !m_lineOfSlot.count(slot)) {
                m_pending = {slot, line};
                return slot;
            }
        }
        throw Refusal{text::kNoEmptyChannel};
    }

    const image::RadioImage& m_img;
    Placement m_placement = Placement::AtLocation;
    int m_nextDown = 0;  // 0: not a paste
    std::map<int, int> m_lineOfSlot;
    std::pair<int, int> m_pending{0, 0};
};

void writeTone(ChannelRecord& record, ToneSide side, const ToneSetting& tone) {
    record.setToneType(side, tone.type);
    if (tone.type == kToneTypeCtcss) record.setCtcss(side, tone.ctcss);
    if (tone.type == kToneTypeDcs) {
        record.setDcsCode(side, tone.dcs);
        record.setDcsInverted(side, tone.inverted);
    }
}

} // namespace

QString quoteField(const QString& field) {
    const bool needsQuotes = field.contains(u',') || field.contains(u'"') || field.contains(u'\n')
                             || field.contains(u'\r');
    if (!needsQuotes) return field;
    QString quoted = field;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

std::vector<Record> parseRecords(QStringView text, QChar separator) {
    std::vector<Record> records;
    if (text.startsWith(QChar(0xFEFF))) text = text.mid(1);
    Record current;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    int line = 1;
    current.line = 1;
    auto endField = [&] {
        current.fields.append(field);
        field.clear();
        fieldStarted = false;
    };
    auto endRecord = [&] {
        endField();
        const bool blank = current.fields.size() == 1 && current.fields[0].isEmpty();
        if (!blank) records.push_back(current);
        current = Record{};
        current.line = line;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field.append(u'"');
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                if (c == u'\n') ++line;
                field.append(c);
            }
        } else if (c == u'"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == separator) {
            endField();
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            ++line;
            endRecord();
        } else {
            field.append(c);
            fieldStarted = true;
        }
    }
    if (fieldStarted || !field.isEmpty() || !current.fields.isEmpty()) endRecord();
    return records;
}

QString exportSlots(const image::RadioImage& img, std::span<const int> wanted) {
    QStringList header;
    for (std::string_view column : kColumns) header.append(latin(column));
    QString out = joinLine(header);
    for (const int slot : wanted)
        if (slot >= kFirstSlot && slot < kFirstSlot + kOrdinarySlots && inUse(img, slot))
            out += joinLine(exportRow(img, slot));
    return out;
}

QString exportChannels(const image::RadioImage& img) {
    std::vector<int> all;
    for (int slot = kFirstSlot; slot < kFirstSlot + kOrdinarySlots; ++slot) all.push_back(slot);
    return exportSlots(img, all);
}

namespace {

// Every row after the header, read and checked; the chooser places each.
void planRows(ImportPlan& plan, const std::vector<Record>& records, const ColumnMap& columns,
              const image::BandLimits& limits, SlotChooser& chooser) {
    for (std::size_t i = 1; i < records.size(); ++i) {
        const RowReader row(columns, records[i]);
        ImportedChannel channel;
        channel.line = records[i].line;
        std::vector<RowNote> warnings;
        try {
            channel.slot = chooser.choose(row, channel.line);
            readFrequencies(row, limits, channel, warnings);
            readName(row, channel, warnings);
            readOptions(row, channel);
            readTones(row, channel);
        } catch (const Refusal& refusal) {
            plan.refused.push_back({channel.line, refusal.reason});
            continue;
        }
        chooser.confirm();
        plan.channels.push_back(channel);
        plan.warnings.insert(plan.warnings.end(), warnings.begin(), warnings.end());
    }
}

// A header line with a tab and no comma is a spreadsheet's copy.
QChar separatorOf(QStringView text) {
    const qsizetype end = text.indexOf(u'\n');
    const QStringView first = end < 0 ? text : text.left(end);
    return first.contains(u'\t') && !first.contains(u',') ? u'\t' : u',';
}

} // namespace

ImportPlan planImport(QStringView text, const image::RadioImage& img, const image::BandLimits& limits,
                      Placement placement) {
    ImportPlan plan;
    const std::vector<Record> records = parseRecords(text);
    if (records.empty()) {
        plan.error = text::kNoHeader;
        return plan;
    }
    const ColumnMap columns = mapColumns(records.front().fields);
    if (columns[kFrequency] < 0) plan.error = text::kNoFrequencyColumn;
    else if (placement == Placement::AtLocation && columns[kLocation] < 0) plan.error = text::kNoLocationColumn;
    if (!plan.ok()) return plan;

    SlotChooser chooser(img, placement);
    planRows(plan, records, columns, limits, chooser);
    return plan;
}

ImportPlan planPaste(QStringView text, const image::RadioImage& img, const image::BandLimits& limits, int firstSlot) {
    ImportPlan plan;
    const std::vector<Record> records = parseRecords(text, separatorOf(text));
    if (records.empty()) {
        plan.error = text::kNoHeader;
        return plan;
    }
    const ColumnMap columns = mapColumns(records.front().fields);
    if (columns[kFrequency] < 0) {
        plan.error = text::kNoFrequencyColumn;
        return plan;
    }
    SlotChooser chooser(img, firstSlot);
    planRows(plan, records, columns, limits, chooser);
    return plan;
}

void applyImport(image::RadioImage& img, const image::BandLimits& limits, const ImportPlan& plan) {
    for (const ImportedChannel& channel : plan.channels) {
        channelClear(img, channel.slot);
        ChannelRecord record(img, channel.slot);
        record.writeRxTx(channel.rx, channel.tx);
        record.setTxOff(channel.txOff);
        record.setName(channel.name);
        record.setStep(channel.step);
        record.setSpacing(channel.spacing);
        record.setPower(channel.power);
        writeTone(record, ToneSide::Encode, channel.encode);
        writeTone(record, ToneSide::Decode, channel.decode);
        setUsageBit(img, channel.slot, false);
        setScanSkip(img, channel.slot, channel.skip);
    }
    channelValidityPass(img, limits);
    image::runConsistencyPass(img, limits);
}

QString readFile(const QString& path, QString& content) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return file.errorString();
    QTextStream stream(&file);
    content = stream.readAll();
    return QString();
}

QString writeFile(const QString& path, const QString& content) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        QTextStream stream(&file);
        stream << content;
        stream.flush();
        if (file.commit()) return QString();
    }
    return file.errorString();
}

QStringList reportLines(const ImportPlan& plan) {
    QStringList lines;
    for (const RowNote& note : plan.refused) lines.append(text::kLine.arg(note.line).arg(note.text));
    for (const RowNote& note : plan.warnings) lines.append(text::kLine.arg(note.line).arg(note.text));
    return lines;
}

} // namespace channels::csv
