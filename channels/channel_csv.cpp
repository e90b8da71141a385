// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/channel_csv.h"

#include "channels/channel_csv_row.h"
#include "channels/channel_csv_texts.h"
#include "channels/channel_edit_rules.h"
#include "channels/tx_power.h"
#include "channels/value_tables.h"
#include "image/consistency_pass.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <span>

namespace channels::csv {

namespace {

// ---- export -------------------------------------------------------------------------------

// Working value (10 Hz) -> MHz with six decimals, on the integer; the sign is the Duplex's.
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

QString onOffText(bool on) { return on ? kOn : kOff; }

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
        row[kRTone] = row[kCTone] = latin(kCtcssTable[std::size_t(rx.ctcss)]);
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

// The signalling code byte: a DTMF channel's as its label, any other as the number.
QString codeByteText(const ChannelRecordView& record) {
    const int code = record.signallingCode();
    const bool dtmfLabel = record.signallingType() == kSignallingDtmf && code < 16;
    return dtmfLabel ? dtmfCodeLabel(code) : QString::number(code);
}

// An option as its list names it; a byte past the list (which only a file holds) as its
// number, so the import gives it back.
QString optionText(std::span<const std::string_view> list, int value) {
    const QString text = entryText(list, value);
    return text.isEmpty() ? QString::number(value) : text;
}

// What the common layout does not carry, in our own columns.
void writeOwnColumns(QStringList& row, const ChannelRecordView& record) {
    row[kSignalling] = optionText(kSignallingTypeList, record.signallingType());
    row[kDtmfCode] = dtmfCodeLabel(record.dtmfCode());
    row[kSignallingCode] = codeByteText(record);
    row[kFiveToneCode] = QString::number(record.fiveToneCode());
    row[kBusyLock] = optionText(kBusyLockList, record.busyLock());
    row[kScrambler] = optionText(kScramblerList, record.scrambler());
    row[kDtmfPttId] = optionText(kPttIdList, record.dtmfPttId());
    row[kFiveTonePttId] = optionText(kPttIdList, record.fiveTonePttId());
    row[kSquelchMode] = optionText(kSquelchModeList, record.squelchMode());
    row[kCompander] = onOffText(record.compander());
    row[kTalkAround] = onOffText(record.talkAround());
    row[kReverse] = onOffText(record.reverse());
    row[kTwentyKhz] = onOffText(record.spacing() == kSpacing20);
    if (record.txOff()) row[kTxOffFrequency] = mhzText(record.txFrequency().value);
}

bool inUse(const image::RadioImage& img, int slot) {
    return !usageBit(img, slot) && !ChannelRecordView(img, slot).isEmpty();
}

QStringList exportRow(const image::RadioImage& img, int slot, const power::NominalLevels& levels) {
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
    if (record.power() >= 0 && record.power() < int(levels.size()))
        row[kPower] = power::wattText(levels[std::size_t(record.power())]);
    if (record.spacing() == kSpacing20) row[kComment] = kTwentyKhzComment;
    writeOwnColumns(row, record);
    return row;
}

QString joinLine(const QStringList& fields) {
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields) quoted.append(quoteField(field));
    return quoted.join(u',') + QStringLiteral("\r\n");
}

// ---- import -------------------------------------------------------------------------------

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
        if (!ok || number < 0 || number >= kOrdinarySlots) throw Refusal{texts::tr(texts::kBadLocation).arg(location)};
        const int slot = number + kFirstSlot;
        if (const auto taken = m_lineOfSlot.find(slot); taken != m_lineOfSlot.end())
            throw Refusal{texts::tr(texts::kLocationTaken).arg(number).arg(taken->second)};
        m_pending = {slot, line};
        return slot;
    }
    // Called once the row was taken whole, so a refused row keeps no slot.
    void confirm() { m_lineOfSlot.insert(m_pending); }

private:
    int nextDown(int line) {
        const int slot = m_nextDown++;
        if (slot >= kFirstSlot + kOrdinarySlots) throw Refusal{texts::tr(texts::kPastLastChannel)};
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
        throw Refusal{texts::tr(texts::kNoEmptyChannel)};
    }

    const image::RadioImage& m_img;
    Placement m_placement = Placement::AtLocation;
    int m_nextDown = 0;  // 0: not a paste
    std::map<int, int> m_lineOfSlot;
    std::pair<int, int> m_pending{0, 0};
};


// The records of a text and what its header line says: the separator and where each
// column is. No separator that gives a Frequency column leaves `records` empty.
struct Table {
    std::vector<Record> records;
    ColumnMap columns{};
    QChar separator = u',';
};

Table readTable(QStringView text) {
    for (const QChar separator : {QChar(u','), QChar(u';'), QChar(u'\t')}) {
        Table table{parseRecords(text, separator), {}, separator};
        if (table.records.empty()) return table;
        table.columns = mapColumns(table.records.front().fields);
        if (table.columns[kFrequency] >= 0) return table;
    }
    return {};
}

// Every row after the header, read and checked; the chooser places each. A warning that
// every row of a kind would repeat is shown for the first such row only, and counts the rest.
void planRows(ImportPlan& plan, const Table& table, const RowContext& context, SlotChooser& chooser) {
    std::map<QString, std::size_t> shownOnce;  // the text and where the plan tells it
    for (std::size_t i = 1; i < table.records.size(); ++i) {
        const RowReader row(table.columns, table.records[i], table.separator);
        ImportedChannel channel;
        channel.line = table.records[i].line;
        RowWarnings warnings;
        try {
            channel.slot = chooser.choose(row, channel.line);
            readRow(row, context, channel, warnings);
        } catch (const Refusal& refusal) {
            plan.refused.push_back({channel.line, refusal.reason});
            continue;
        }
        chooser.confirm();
        plan.channels.push_back(channel);
        for (const QString& text : warnings.each) plan.warnings.push_back({channel.line, text});
        for (const QString& text : warnings.once) {
            const auto told = shownOnce.find(text);
            if (told == shownOnce.end()) {
                shownOnce.emplace(text, plan.warnings.size());
                plan.warnings.push_back({channel.line, text});
            } else {
                ++plan.warnings[told->second].moreRows;
            }
        }
    }
}

// The table of a text, or the plan's error when the text holds none that can be used.
std::optional<Table> startPlan(QStringView text, ImportPlan& plan) {
    Table table = readTable(text);
    if (table.records.empty()) {
        plan.error = parseRecords(text).empty() ? texts::tr(texts::kNoHeader) : texts::tr(texts::kNoFrequencyColumn);
        return std::nullopt;
    }
    if (const int opened = table.records.back().unclosedQuoteLine; opened > 0) {
        plan.error = texts::tr(texts::kUnclosedQuote).arg(opened);
        plan.rowsUnreadable = true;
        return std::nullopt;
    }
    return table;
}

RowContext contextOf(const Table& table, const image::RadioImage& img, const image::BandLimits& limits) {
    const bool ownLayout = std::any_of(table.columns.begin() + kSignalling, table.columns.end(), [](int at) { return at >= 0; });
    return {limits, power::nominalLevels(img, limits), ownLayout};
}

void writeTone(ChannelRecord& record, ToneSide side, const ToneSetting& tone) {
    record.setToneType(side, tone.type);
    if (tone.type == kToneTypeCtcss) record.setCtcss(side, tone.ctcss);
    if (tone.type == kToneTypeDcs) {
        record.setDcsCode(side, tone.dcs);
        record.setDcsInverted(side, tone.inverted);
    }
}

void writeChannel(image::RadioImage& img, const ImportedChannel& channel) {
    channelClear(img, channel.slot);
    ChannelRecord record(img, channel.slot);
    record.writeRxTx(channel.rx, channel.tx);
    record.setTxOff(channel.txOff);
    record.setReverse(channel.reverse);
    record.setName(channel.name);
    record.setStep(channel.step);
    record.setSpacing(channel.spacing);
    record.setPower(channel.power);
    record.setCompander(channel.compander);
    record.setTalkAround(channel.talkAround);
    writeTone(record, ToneSide::Encode, channel.encode);
    writeTone(record, ToneSide::Decode, channel.decode);
    record.setDtmfCode(channel.dtmfCode);
    record.setSignallingType(channel.signalling);
    record.setSignallingCode(channel.signallingCode);
    record.setFiveToneCode(channel.fiveToneCode);
    record.setBusyLock(channel.busyLock);
    record.setScrambler(channel.scrambler);
    record.setDtmfPttId(channel.dtmfPttId);
    record.setFiveTonePttId(channel.fiveTonePttId);
    record.setSquelchMode(channel.squelchMode);
    setUsageBit(img, channel.slot, false);
    setScanSkip(img, channel.slot, channel.skip);
}

} // namespace

QString exportSlots(const image::RadioImage& img, std::span<const int> wanted) {
    const power::NominalLevels levels = power::nominalLevels(img, image::decodeBandLimits(img));
    QStringList header;
    for (std::string_view column : kColumns) header.append(latin(column));
    QString out = joinLine(header);
    for (const int slot : wanted)
        if (slot >= kFirstSlot && slot < kFirstSlot + kOrdinarySlots && inUse(img, slot))
            out += joinLine(exportRow(img, slot, levels));
    return out;
}

QString exportChannels(const image::RadioImage& img) {
    std::vector<int> all;
    for (int slot = kFirstSlot; slot < kFirstSlot + kOrdinarySlots; ++slot) all.push_back(slot);
    return exportSlots(img, all);
}

ImportPlan planImport(QStringView text, const image::RadioImage& img, const image::BandLimits& limits,
                      Placement placement) {
    ImportPlan plan;
    const std::optional<Table> table = startPlan(text, plan);
    if (!table) return plan;
    if (placement == Placement::AtLocation && table->columns[kLocation] < 0) {
        plan.error = texts::tr(texts::kNoLocationColumn);
        return plan;
    }
    SlotChooser chooser(img, placement);
    planRows(plan, *table, contextOf(*table, img, limits), chooser);
    return plan;
}

ImportPlan planPaste(QStringView text, const image::RadioImage& img, const image::BandLimits& limits, int firstSlot) {
    ImportPlan plan;
    const std::optional<Table> table = startPlan(text, plan);
    if (!table) return plan;
    SlotChooser chooser(img, firstSlot);
    planRows(plan, *table, contextOf(*table, img, limits), chooser);
    return plan;
}

void applyImport(image::RadioImage& img, const image::BandLimits& limits, const ImportPlan& plan) {
    for (const ImportedChannel& channel : plan.channels) writeChannel(img, channel);
    channelValidityPass(img, limits);
    image::runConsistencyPass(img, limits);
}

std::size_t ImportPlan::warningCount() const {
    std::size_t count = 0;
    for (const RowNote& note : warnings) count += 1 + std::size_t(note.moreRows);
    return count;
}

namespace {

// A line break in a name read from the file would break the report's line.
QString oneLine(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    text.replace(u'\n', QStringLiteral("\\n"));
    text.replace(u'\r', QStringLiteral("\\r"));
    return text;
}

} // namespace

QStringList reportLines(const ImportPlan& plan) {
    QStringList lines;
    for (const RowNote& note : plan.refused)
        lines.append(texts::tr(texts::kRefusedLine).arg(note.line).arg(oneLine(note.text)));
    for (const RowNote& note : plan.warnings) {
        QString text = oneLine(note.text);
        if (note.moreRows > 0)
            text += texts::tr(texts::kMoreRows)
                        .arg(note.moreRows)
                        .arg(texts::tr(note.moreRows == 1 ? texts::kRow : texts::kRows));
        lines.append(texts::tr(texts::kWarningLine).arg(note.line).arg(text));
    }
    return lines;
}

QString counted(std::size_t count, const QString& one, const QString& many) {
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : many);
}

} // namespace channels::csv
