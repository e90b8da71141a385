// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/channel_csv_row.h"

#include "channels/channel_csv_texts.h"
#include "channels/channel_edit_rules.h"
#include "channels/text_reading.h"
#include "channels/value_tables.h"
#include "image/frequency.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <span>

namespace channels::csv {

QString latin(std::string_view s) { return QString::fromLatin1(s.data(), qsizetype(s.size())); }

QString columnName(Column column) { return latin(kColumns[std::size_t(column)]); }

ColumnMap mapColumns(const QStringList& header) {
    ColumnMap map;
    map.fill(-1);
    for (int i = 0; i < header.size(); ++i) {
        const QString name = header[i].trimmed();
        for (std::size_t column = 0; column < kColumns.size(); ++column)
            if (map[column] < 0 && name.compare(latin(kColumns[column]), Qt::CaseInsensitive) == 0) map[column] = i;
    }
    return map;
}

QString RowReader::field(Column column) const {
    return has(column) ? m_record.fields.value(m_columns[column]).trimmed() : QString();
}

QString RowReader::number(Column column) const {
    QString text = field(column);
    if (m_separator != u',') text.replace(u',', u'.');
    return text;
}

QString RowReader::text(Column column) const {
    const int at = m_columns[column];
    const bool quoted = at >= 0 && std::size_t(at) < m_record.quoted.size() && m_record.quoted[std::size_t(at)];
    return quoted ? m_record.fields.value(at) : field(column);
}

namespace {

// ---- numbers and frequencies --------------------------------------------------------------

std::int64_t decimal(const QString& text, int decimals, Column column) {
    if (!isPlainDecimal(text)) throw Refusal{texts::tr(texts::kBadNumber).arg(columnName(column), text)};
    return image::parseScaledDecimal(text, decimals);
}

// A frequency in 10 Hz, as wide as the text gives it (parsing saturates at 10^17), so sums
// and the band checks never overflow.
std::int64_t frequency(const QString& text, Column column) { return decimal(text, 5, column); }

// What the channel list keeps as it is: a value its clamp into the band leaves alone. Limits
// a file holds inverted (low above high) keep only the low limit, which is what the list
// stores for every channel then, so the program's own export reads back.
bool inBand(std::int64_t value, image::Freq10Hz low, image::Freq10Hz high) {
    if (value < 0 || value > std::numeric_limits<std::int32_t>::max()) return false;
    const image::Freq10Hz frequency(static_cast<std::int32_t>(value));
    return image::BandLimits::clampInto(frequency, low, high) == frequency;
}

// MHz with six decimals, sign included, for messages.
QString mhzText(std::int64_t tenHz) { return image::formatScaledDecimal(tenHz * 10, 6); }

image::Freq10Hz rounded(std::int64_t inBandValue, const QString& what, RowWarnings& warnings) {
    const image::Freq10Hz value(static_cast<std::int32_t>(inBandValue));
    const image::Freq10Hz result = image::entryRounding(value);
    if (result != value) warnings.each.push_back(texts::tr(texts::kRounded).arg(what, mhzText(value.value), mhzText(result.value)));
    return result;
}

// The Offset a Duplex of "+", "-" or "split" uses.
std::int64_t offset(const RowReader& row) {
    const QString text = row.number(kOffset);
    if (text.isEmpty()) return 0;
    if (text.startsWith(u'-') && isPlainDecimal(QStringView(text).mid(1))) throw Refusal{texts::tr(texts::kNegativeOffset).arg(row.field(kOffset))};
    return frequency(text, kOffset);
}

// A channel whose TX is off keeps a TX frequency: our own column's, or what a store of the
// channel list leaves for a new channel (RX, clamped into the transmit band).
image::Freq10Hz keptTx(const RowReader& row, const image::BandLimits& limits, image::Freq10Hz rx, RowWarnings& warnings) {
    const QString text = row.number(kTxOffFrequency);
    const std::int64_t typed = text.isEmpty() ? 0 : frequency(text, kTxOffFrequency);
    if (typed == 0) return limits.clampTx(rx);
    if (inBand(typed, limits.txLow, limits.txHigh)) return rounded(typed, QCoreApplication::translate("channels::csv::texts", "TX frequency"), warnings);
    const image::Freq10Hz kept = typed < limits.txLow.value ? limits.txLow : limits.txHigh;
    warnings.each.push_back(texts::tr(texts::kTxOffOutOfBand).arg(mhzText(typed), mhzText(kept.value)));
    return kept;
}

void readFrequencies(const RowReader& row, const image::BandLimits& limits, ImportedChannel& channel,
                     RowWarnings& warnings) {
    const QString rxText = row.number(kFrequency);
    const std::int64_t rx = rxText.isEmpty() ? 0 : frequency(rxText, kFrequency);
    if (rx == 0) throw Refusal{texts::tr(texts::kNoFrequency)};
    if (!inBand(rx, limits.rxLow, limits.rxHigh))
        throw Refusal{texts::tr(texts::kRxOutOfBand).arg(rxText, mhzText(limits.rxLow.value), mhzText(limits.rxHigh.value))};

    const QString duplex = row.field(kDuplex).toLower();
    std::int64_t tx = rx;
    if (duplex == u"+") tx = rx + offset(row);
    else if (duplex == u"-") tx = rx - offset(row);
    else if (duplex == u"split") tx = offset(row);
    else if (duplex == u"off") channel.txOff = true;
    else if (!duplex.isEmpty()) throw Refusal{texts::tr(texts::kBadDuplex).arg(row.field(kDuplex))};
    if (!channel.txOff && !inBand(tx, limits.txLow, limits.txHigh))
        throw Refusal{texts::tr(texts::kTxOutOfBand).arg(mhzText(tx), mhzText(limits.txLow.value), mhzText(limits.txHigh.value))};

    channel.rx = rounded(rx, QStringLiteral("Frequency"), warnings);
    channel.tx = channel.txOff ? keptTx(row, limits, channel.rx, warnings)
                               : rounded(tx, QCoreApplication::translate("channels::csv::texts", "TX frequency"), warnings);
}

// ---- name ---------------------------------------------------------------------------------

bool isRadioCharacter(QChar c) { return c >= u' ' && c <= u'~'; }

// The ASCII letter a letter is written with when accents and the like are left off; a null
// character for what has none (it is dropped).
QChar nearestAscii(QChar c) {
    const QString decomposed = QString(c).normalized(QString::NormalizationForm_KD);
    if (!decomposed.isEmpty() && isRadioCharacter(decomposed[0])) return decomposed[0].toUpper();
    static constexpr std::array<std::pair<char16_t, char>, 18> kLettersOfTheirOwn{{
        {u'ß', 'S'}, {u'æ', 'A'}, {u'Æ', 'A'}, {u'ø', 'O'}, {u'Ø', 'O'}, {u'œ', 'O'},
        {u'Œ', 'O'}, {u'đ', 'D'}, {u'Đ', 'D'}, {u'ð', 'D'}, {u'Ð', 'D'}, {u'ł', 'L'},
        {u'Ł', 'L'}, {u'ħ', 'H'}, {u'Ħ', 'H'}, {u'ı', 'I'}, {u'þ', 'T'}, {u'Þ', 'T'},
    }};
    for (const auto& [letter, ascii] : kLettersOfTheirOwn)
        if (c == QChar(letter)) return QLatin1Char(ascii);
    return {};
}

void readName(const RowReader& row, ImportedChannel& channel, RowWarnings& warnings) {
    const QString written = row.text(kName);
    QString name;
    bool replaced = false;
    for (const QChar c : written) {
        if (isRadioCharacter(c)) {
            name.append(c.toUpper());
        } else {
            replaced = true;
            if (const QChar ascii = nearestAscii(c); !ascii.isNull()) name.append(ascii);
        }
    }
    // The channel list takes a-z typed as capitals; a name is never changed without a word.
    if (replaced) warnings.each.push_back(texts::tr(texts::kNameLetters).arg(written, name));
    else if (name != written) warnings.each.push_back(texts::tr(texts::kNameCapitals).arg(written, name));
    if (name.size() > record::kNameLength) {
        warnings.each.push_back(texts::tr(texts::kNameCut).arg(name, name.left(record::kNameLength)));
        name.truncate(record::kNameLength);
    }
    channel.name = name;
}

// ---- options of the common layout ---------------------------------------------------------

bool equalsIgnoringCase(const QString& text, std::string_view entry) {
    return text.compare(latin(entry), Qt::CaseInsensitive) == 0;
}

// Position of the text in a list, any letter case; -1 when it is not there.
int entryIndex(std::span<const std::string_view> list, const QString& text) {
    const auto found = std::find_if(list.begin(), list.end(), [&](std::string_view e) { return equalsIgnoringCase(text, e); });
    return found == list.end() ? -1 : int(found - list.begin());
}

bool onOff(const RowReader& row, Column column, bool absent) {
    const QString text = row.field(column);
    if (text.isEmpty()) return absent;
    for (const char* on : {"on", "yes", "y", "true", "1"})
        if (text.compare(QLatin1String(on), Qt::CaseInsensitive) == 0) return true;
    for (const char* off : {"off", "no", "n", "false", "0"})
        if (text.compare(QLatin1String(off), Qt::CaseInsensitive) == 0) return false;
    throw Refusal{texts::tr(texts::kBadSwitch).arg(columnName(column), text)};
}

int spacing(const RowReader& row) {
    const QString mode = row.field(kMode);
    if (equalsIgnoringCase(mode, "NFM")) return kSpacing12_5;
    if (!mode.isEmpty() && !equalsIgnoringCase(mode, "FM")) throw Refusal{texts::tr(texts::kBadMode).arg(mode)};
    const bool oldMark = row.field(kComment).compare(kTwentyKhzComment, Qt::CaseInsensitive) == 0;
    return onOff(row, kTwentyKhz, oldMark) ? kSpacing20 : kSpacing25;
}

// A step the radio lacks becomes the nearest one it has (the lower one on a tie).
int step(const RowReader& row, RowWarnings& warnings) {
    const QString text = row.number(kStep);
    if (text.isEmpty()) return ImportedChannel{}.step;
    const std::int64_t hundredths = decimal(text, 2, kStep);
    const auto distance = [&](int s) { return std::abs(hundredths - s); };
    const auto nearest = std::min_element(kStepHundredths.begin(), kStepHundredths.end(),
                                          [&](int a, int b) { return distance(a) < distance(b); });
    const int index = int(nearest - kStepHundredths.begin());
    if (*nearest != hundredths)
        warnings.once.push_back(texts::tr(texts::kStepTaken).arg(row.field(kStep), entryText(kStepList, index)));
    return index;
}

// "High", "Middle", "Low" or a watt figure, which becomes the nearest level and says so
// (unless it is one of our own nominal figures); anything else is "High". A power never
// refuses a row.
int powerLevel(const RowReader& row, const RowContext& context, RowWarnings& warnings) {
    const power::NominalLevels& levels = context.power;
    const QString text = row.number(kPower);
    if (text.isEmpty()) return 0;
    if (const int index = entryIndex(kPowerList, text); index >= 0) return index;
    const std::optional<std::int64_t> milliwatts = power::readWattFigure(text);
    if (!milliwatts) {
        warnings.once.push_back(texts::tr(texts::kPowerUnread).arg(row.field(kPower)));
        return 0;
    }
    const int level = power::nearestLevel(levels, *milliwatts);
    const std::int64_t nominal = levels[std::size_t(level)];
    if (!context.ownLayout || nominal != *milliwatts)
        warnings.once.push_back(texts::tr(texts::kPowerTaken).arg(row.field(kPower), entryText(kPowerList, level), power::wattDigits(nominal)));
    return level;
}

bool skip(const RowReader& row, RowWarnings& warnings) {
    const QString text = row.field(kSkip);
    if (text.isEmpty()) return false;
    if (equalsIgnoringCase(text, "S")) return true;
    if (equalsIgnoringCase(text, "P")) {
        warnings.once.push_back(texts::tr(texts::kSkipPriority).arg(text));
        return false;
    }
    throw Refusal{texts::tr(texts::kBadSkip).arg(text)};
}

// ---- tones ----------------------------------------------------------------------------------

int ctcssIndex(const QString& text, Column column) {
    // Compared as numbers, so "88.50" finds "88.5".
    if (isPlainDecimal(text)) {
        const std::int64_t thousandths = image::parseScaledDecimal(text, 3);
        for (std::size_t i = 0; i < kCtcssTable.size(); ++i)
            if (image::parseScaledDecimal(latin(kCtcssTable[i]), 3) == thousandths) return int(i);
    }
    throw Refusal{texts::tr(texts::kBadCtcss).arg(columnName(column), text)};
}

int dcsCode(const QString& text, Column column) {
    const bool octal = !text.isEmpty() && text.size() <= 3
                       && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'7'; });
    if (!octal) throw Refusal{texts::tr(texts::kBadDcs).arg(columnName(column), text)};
    return leadingOctal(text);
}

std::array<bool, 2> polarities(const RowReader& row) {
    const QString text = row.has(kPolarity) ? row.field(kPolarity).toUpper() : kPolarityFiller;
    const bool valid = text.size() == 2 && std::all_of(text.begin(), text.end(), [](QChar c) { return c == u'N' || c == u'R'; });
    if (!valid) throw Refusal{texts::tr(texts::kBadPolarity).arg(row.field(kPolarity))};
    return {text[0] == u'R', text[1] == u'R'};
}

ToneSetting ctcssSide(const RowReader& row, Column column) {
    return {kToneTypeCtcss, ctcssIndex(row.number(column), column), 0, false};
}

ToneSetting dcsSide(const RowReader& row, Column column, bool inverted) {
    return {kToneTypeDcs, 0, dcsCode(row.field(column), column), inverted};
}

// The receive DCS code: RxDtcsCode, or DtcsCode in files written before that column existed.
ToneSetting rxDcsSide(const RowReader& row, bool inverted) {
    return dcsSide(row, row.has(kRxDtcs) ? kRxDtcs : kDtcs, inverted);
}

// Reads only the columns the Tone and CrossMode name.
void readTones(const RowReader& row, ImportedChannel& channel) {
    const QString mode = row.field(kTone);
    if (mode.isEmpty()) return;
    if (equalsIgnoringCase(mode, "Tone")) {
        channel.encode = ctcssSide(row, kRTone);
    } else if (equalsIgnoringCase(mode, "TSQL")) {
        channel.encode = channel.decode = ctcssSide(row, kCTone);
    } else if (equalsIgnoringCase(mode, "DTCS")) {
        const auto [txInverted, rxInverted] = polarities(row);
        channel.encode = dcsSide(row, kDtcs, txInverted);
        channel.decode = dcsSide(row, kDtcs, rxInverted);
    } else if (equalsIgnoringCase(mode, "Cross")) {
        const QString crossText = row.field(kCross);
        const auto cross = std::find_if(kCrossModes.begin(), kCrossModes.end(),
                                        [&](const CrossMode& m) { return equalsIgnoringCase(crossText, m.text); });
        if (cross == kCrossModes.end()) throw Refusal{texts::tr(texts::kBadCrossMode).arg(crossText)};
        const bool anyDcs = cross->tx == Kind::Dtcs || cross->rx == Kind::Dtcs;
        const std::array<bool, 2> inverted = anyDcs ? polarities(row) : std::array<bool, 2>{false, false};
        if (cross->tx == Kind::Tone) channel.encode = ctcssSide(row, kRTone);
        if (cross->tx == Kind::Dtcs) channel.encode = dcsSide(row, kDtcs, inverted[0]);
        if (cross->rx == Kind::Tone) channel.decode = ctcssSide(row, kCTone);
        if (cross->rx == Kind::Dtcs) channel.decode = rxDcsSide(row, inverted[1]);
    } else {
        throw Refusal{texts::tr(texts::kBadToneMode).arg(mode)};
    }
}

// ---- our own columns ------------------------------------------------------------------------

// An entry of the list by its text, or the byte a file holds past the list by its number (as
// the export writes it), up to `most`, what the field can hold.
int listEntry(const RowReader& row, Column column, std::span<const std::string_view> list, int absent, int most = 0xFF) {
    const QString text = row.field(column);
    if (text.isEmpty()) return absent;
    const int index = entryIndex(list, text);
    const bool number = text.size() <= 3 && isPlainDecimal(text) && !text.contains(u'.');
    if (index < 0 && number && text.toInt() >= int(list.size()) && text.toInt() <= most) return text.toInt();
    if (index < 0) {
        QStringList entries;
        for (std::string_view entry : list) entries.append(latin(entry));
        throw Refusal{texts::tr(texts::kBadEntry).arg(columnName(column), text, entries.join(QStringLiteral(", ")))};
    }
    return index;
}

// "M1"-"M16" as 0-15; -1 for any other text.
int dtmfLabelIndex(const QString& text) {
    const QString digits = text.mid(1);
    if (!text.startsWith(u'M', Qt::CaseInsensitive) || digits.size() > 2 || !isPlainDecimal(digits)
        || digits.contains(u'.'))
        return -1;
    const int number = digits.toInt();
    return number >= 1 && number <= 16 ? number - 1 : -1;
}

int dtmfCode(const RowReader& row) {
    const QString text = row.field(kDtmfCode);
    if (text.isEmpty()) return ImportedChannel{}.dtmfCode;
    const int index = dtmfLabelIndex(text);
    if (index < 0) throw Refusal{texts::tr(texts::kBadDtmfCode).arg(columnName(kDtmfCode), text)};
    return index;
}

// A code byte: a DTMF label or the number the byte holds.
int codeByte(const RowReader& row, Column column, int absent) {
    const QString text = row.field(column);
    if (text.isEmpty()) return absent;
    if (const int index = dtmfLabelIndex(text); index >= 0) return index;
    const bool number = text.size() <= 3 && isPlainDecimal(text) && !text.contains(u'.');
    if (!number || text.toInt() > 255) throw Refusal{texts::tr(texts::kBadCode).arg(columnName(column), text)};
    return text.toInt();
}

void readOwnColumns(const RowReader& row, ImportedChannel& channel) {
    channel.signalling = listEntry(row, kSignalling, kSignallingTypeList, 0);
    channel.dtmfCode = dtmfCode(row);
    // Left blank, the code of a DTMF channel is its DTMF code, as the Channel Edit dialog stores it.
    const int copiedCode = channel.signalling == kSignallingDtmf ? channel.dtmfCode : 0;
    channel.signallingCode = codeByte(row, kSignallingCode, copiedCode);
    channel.fiveToneCode = codeByte(row, kFiveToneCode, 0);
    channel.busyLock = listEntry(row, kBusyLock, kBusyLockList, 0);
    channel.scrambler = listEntry(row, kScrambler, kScramblerList, 0);
    constexpr int kMostPttId = 3;  // two bits
    channel.dtmfPttId = listEntry(row, kDtmfPttId, kPttIdList, 0, kMostPttId);
    channel.fiveTonePttId = listEntry(row, kFiveTonePttId, kPttIdList, 0, kMostPttId);
    channel.squelchMode = listEntry(row, kSquelchMode, kSquelchModeList, 0);
    channel.compander = onOff(row, kCompander, false);
    channel.talkAround = onOff(row, kTalkAround, false);
    channel.reverse = onOff(row, kReverse, false);
}

} // namespace

void readRow(const RowReader& row, const RowContext& context, ImportedChannel& channel, RowWarnings& warnings) {
    readFrequencies(row, context.limits, channel, warnings);
    readName(row, channel, warnings);
    channel.spacing = spacing(row);
    channel.step = step(row, warnings);
    channel.power = powerLevel(row, context, warnings);
    channel.skip = skip(row, warnings);
    readTones(row, channel);
    readOwnColumns(row, channel);
}

} // namespace channels::csv
