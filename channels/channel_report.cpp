// SPDX-License-Identifier: GPL-3.0-or-later
// The Channel section of the configuration report and of a configuration document: every
// slot in use as the channel list shows it (frequencies clamped into the bands), with the
// options of the Channel Edit dialog. A document's channels go in as a user enters them:
// the list's cells first (an RX typed into an empty row starts a new channel), then the
// dialog for the options only it shows; the list then stores every row, as it does.

#include "app/apply_fields.h"
#include "channels/channel_sections.h"
#include "channels/channel_edit_rules.h"
#include "channels/channel_record.h"
#include "channels/channel_rows.h"
#include "channels/channel_texts.h"
#include "channels/text_reading.h"
#include "channels/tone.h"
#include "channels/value_tables.h"

namespace channels {

using namespace app::report;

namespace {


// The dialog's columns, after the list's.
enum DialogColumn : int {
    kColSquelch = kChannelColumns,
    kColDtmfPttId,
    kColFiveTonePttId,
    kColScrambler,
    kColBusyLock,
    kColScanSkip,
    kColReverse,
    kColTalkAround,
    kColCompander,
    kColTxOff,
    kReportColumns,
};

constexpr std::uint8_t kNoSelection = 0xFF;
constexpr int kPastTwoBitList = 3;  // spacing and power: a 2-bit field holding no entry

QString latin(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

QString header(ChannelColumn column) { return latin(kChannelColumnInfo[std::size_t(column)].header); }

QList<Column> channelColumns() {
    const QStringList yesNo = checkOptions();
    return {
        {header(kColLabel), QStringLiteral("channel")},
        {header(kColRx), QStringLiteral("rxFrequency")},
        {header(kColTx), QStringLiteral("txFrequency")},
        {header(kColName), QStringLiteral("name")},
        {header(kColStep), QStringLiteral("stepKHz"), {}, indexOptions(listOf(columnOptions(kColStep)))},
        {header(kColSpacing), QStringLiteral("spacingKHz"), {}, indexOptions(listOf(columnOptions(kColSpacing)))},
        {header(kColPower), QStringLiteral("txPower"), {}, indexOptions(listOf(columnOptions(kColPower)))},
        {header(kColDecode), QStringLiteral("decode")},
        {header(kColEncode), QStringLiteral("encode")},
        {header(kColSignalling), QStringLiteral("signalling")},
        {QString::fromLatin1(texts::kSquelchMode), QStringLiteral("squelchMode"), {}, listOf(kSquelchModeList)},
        {QString::fromLatin1(texts::kDtmfPttId), QStringLiteral("dtmfPttId"), {}, listOf(kPttIdList)},
        {QString::fromLatin1(texts::kFiveTonePttId), QStringLiteral("fiveTonePttId"), {}, listOf(kPttIdList)},
        {QString::fromLatin1(texts::kScrambler), QStringLiteral("scrambler"), {}, listOf(kScramblerList)},
        {QString::fromLatin1(texts::kBusyLock), QStringLiteral("busyChannelLockout"), {}, indexOptions(listOf(kBusyLockList))},
        {QString::fromLatin1(texts::kScanSkip), QStringLiteral("scanSkip"), {}, yesNo},
        {QString::fromLatin1(texts::kReverse), QStringLiteral("reverse"), {}, yesNo},
        {QString::fromLatin1(texts::kTalkAround), QStringLiteral("talkAround"), {}, yesNo},
        {QString::fromLatin1(texts::kCompander), QStringLiteral("compander"), {}, yesNo},
        {QString::fromLatin1(texts::kTxOff), QStringLiteral("txOff"), {}, yesNo},
    };
}

// The list's type text followed by the code the dialog selects: "DTMF M5", "2Tone 3", "Off".
QString signallingText(const image::RadioImage& img, const ChannelRecordView& record, const QString& type) {
    const QString code = loadedSignallingCodeText(img, record);
    return code.isEmpty() ? type : type + u' ' + code;
}

// The dialog's options of a record as it shows them, after the list's cells.
QStringList dialogTexts(const image::RadioImage& img, int slot) {
    const ChannelRecordView record(img, slot);
    // The dialog shows "Off" for a scrambler byte past its list.
    const QString scrambler = entryText(kScramblerList, record.scrambler());
    return {loadedSquelchText(record), entryText(kPttIdList, record.dtmfPttId()),
            entryText(kPttIdList, record.fiveTonePttId()),
            scrambler.isEmpty() ? entryText(kScramblerList, 0) : scrambler,
            entryText(kBusyLockList, record.busyLock()), checkText(scanSkip(img, slot)), checkText(record.reverse()),
            checkText(record.talkAround()), checkText(record.compander()), checkText(record.txOff())};
}

QStringList channelRow(const image::RadioImage& img, int slot, const ChannelRowCells& cells) {
    QStringList row;
    for (const QString& cell : cells) row.append(cell);
    row[kColSignalling] = signallingText(img, ChannelRecordView(img, slot), cells[kColSignalling]);
    return row + dialogTexts(img, slot);
}

// The dialog's options of a new channel are its usual values: the texts leave them out.
void markUsualOptions(QList<Column>& columns) {
    image::RadioImage scratch;
    channelClear(scratch, kFirstSlot);
    setUsageBit(scratch, kFirstSlot, false);
    ChannelRecord(scratch, kFirstSlot).setRx(Freq10Hz::fromMHz(146));
    const ChannelRowCells cells = loadChannelRow(scratch, image::BandLimits(), kFirstSlot);
    const QStringList fresh = channelRow(scratch, kFirstSlot, cells);
    for (qsizetype c = kChannelColumns; c < columns.size(); ++c) columns[c].usual = fresh.value(c);
}

// ---- a document's channels ---------------------------------------------------------------

QString bandText(Freq10Hz low, Freq10Hz high) {
    const auto mhz = [](Freq10Hz f) {
        return f.value % 100000 == 0 ? QString::number(f.wholeMHz()) : image::formatFrequency(f);
    };
    return mhz(low) + u'-' + mhz(high);
}

// A frequency as typed into a cell: digits and one point. Outside the band the list puts the
// band's low limit in its place, so that is refused; the entry rounding (raster, 10 Hz) that
// the list makes silently is a warning.
Verdict enterFrequency(const QString& text, Freq10Hz low, Freq10Hz high, const QString& band) {
    if (text.isEmpty() || !channels::isPlainDecimal(text) || text == QStringLiteral("."))
        return refused(QCoreApplication::translate("channels::report", "not a frequency in MHz"));
    const Freq10Hz typed = image::parseFrequencyText(text);
    if (typed.value == 0) return refused(QCoreApplication::translate("channels::report", "not a frequency in MHz"));
    if (typed < low || high < typed) return refused(QCoreApplication::translate("channels::report", "outside %1%2 MHz").arg(band, bandText(low, high)));
    const Freq10Hz rounded = image::entryRounding(typed);
    const QString shown = image::formatFrequency(rounded);
    if (rounded != typed) return warned(shown, QCoreApplication::translate("channels::report", "off the raster, becomes %1").arg(shown));
    if (image::parseScaledDecimal(text, 9) != std::int64_t(typed.value) * 10000)
        return warned(shown, QCoreApplication::translate("channels::report", "finer than 10 Hz, becomes %1").arg(shown));
    return taken(shown);
}

Verdict enterName(const QString& text) {
    return enterText(text, {kChannelNameLength, QString(), true,
                            QCoreApplication::translate("channels::report", "only characters a channel name holds (Latin-1)"), latin1Shown});
}

// A tone cell offers the list of every tone text; "" is a CTCSS position past the table,
// which only a file holds.
Verdict enterTone(const QString& text) {
    if (toneCellList().contains(text)) return taken(text);
    if (text.isEmpty()) return onlyFileHolds(QCoreApplication::translate("channels::report", "a CTCSS tone past the table"));
    return refused(QCoreApplication::translate("channels::report", "not a tone: Off, a CTCSS tone (62.5 ... 254.1) or a DCS code (D023N, D754I ...)"));
}

// "DTMF M5" -> "DTMF" and "M5".
std::pair<QString, QString> splitSignalling(const QString& text) {
    const qsizetype blank = text.indexOf(u' ');
    if (blank < 0) return {text, QString()};
    return {text.left(blank), text.mid(blank + 1)};
}

// One listed channel, as the document gives it and as far as it was taken.
class ChannelEntry {
public:
    ChannelEntry(DocumentObject& row, int slot, ApplyContext& context)
        : m_row(row), m_slot(slot), m_img(context.image), m_limits(context.limits), m_problems(context.problems) {}

    // The list's cells: RX (which starts a new channel), TX, then the other columns.
    void enterCells(ChannelRowCells& cells) {
        const bool isNew = cells[kColRx].isEmpty();
        const std::optional<QString> rx = given(kColRx);
        if (isNew && !rx) {
            if (!m_row.has(key(kColRx)))
                m_problems.error(m_row.pathOf(key(kColRx)), QString(), QCoreApplication::translate("channels::report", "missing: a new channel needs its RX frequency"));
            return;
        }
        if (rx && *rx != cells[kColRx]) {
            const auto text = checked(kColRx, *rx, enterFrequency(*rx, m_limits.rxLow, m_limits.rxHigh, QString()));
            if (!text) return;
            commitRxCell(cells, m_img, m_limits, m_slot, *text);
        }
        if (cells[kColRx].isEmpty()) {
            m_problems.error(m_row.pathOf(key(kColRx)), app::json::quoted(rx.value_or(QString())),
                             QCoreApplication::translate("channels::report", "a listed channel needs its RX frequency; leave the channel out to empty it"));
            return;
        }
        if (const auto tx = changed(kColTx, cells[kColTx]))
            if (const auto text = checked(kColTx, *tx, enterFrequency(*tx, m_limits.txLow, m_limits.txHigh,
                                                                       QCoreApplication::translate("channels::report", "the transmit band "))))
                commitTxCell(cells, m_limits, *text);
        if (const auto name = changed(kColName, cells[kColName]))
            if (const auto text = checked(kColName, *name, enterName(*name))) commitOptionCell(cells, kColName, *text);
        for (const int column : {kColStep, kColSpacing, kColPower}) enterListCell(cells, column, listOf(columnOptions(column)));
        for (const int column : {kColDecode, kColEncode})
            if (const auto tone = changed(column, cells[column]))
                if (const auto text = checked(column, *tone, enterTone(*tone))) {
                    commitOptionCell(cells, column, *text);
                    m_pastListTypes.append(column);
                }
        if (const std::optional<QString> signalling = given(kColSignalling)) {
            m_code = splitSignalling(*signalling).second;
            const QString type = splitSignalling(*signalling).first;
            if (type != cells[kColSignalling]) {
                if (const auto text = checked(kColSignalling, *signalling, enterIndexEntry(listOf(kSignallingTypeList), type))) {
                    commitOptionCell(cells, kColSignalling, *text);
                    m_pastListTypes.append(kColSignalling);
                }
            }
        }
        m_entered = true;
    }

    // What only a file holds: a list cell past its list (an empty cell), which the list's
    // store leaves as it is, goes past the list here too.
    void storePastListCells(const ChannelRowCells& cells) {
        ChannelRecord record(m_img, m_slot);
        for (const int column : m_pastListTypes) {
            if (!cells[column].isEmpty()) continue;
            if (column == kColStep && record.step() < int(kStepList.size())) record.setStep(kNoSelection);
            if (column == kColSpacing && record.spacing() < int(kSpacingList.size())) record.setSpacing(kPastTwoBitList);
            if (column == kColPower && record.power() < int(kPowerList.size())) record.setPower(kPastTwoBitList);
            if (column == kColSignalling && record.signallingType() < int(kSignallingTypeList.size()))
                record.setSignallingType(kNoSelection);
            if (column == kColDecode || column == kColEncode) {
                const ToneSide side = column == kColDecode ? ToneSide::Decode : ToneSide::Encode;
                record.setToneType(side, kToneTypeCtcss);
                if (record.ctcss(side) < int(kCtcssTable.size())) record.setCtcss(side, kNoSelection);
            }
        }
    }

    // A 2Tone or 5Tone entry that exists but is not in use (its editor cleared it) is what the
    // dialog meets on a file whose lists changed after the channel was set: it shows the first
    // entry in use, and so does the channel here, with a warning.
    Verdict enterCode(const QStringList& codes, int signallingType) const {
        const Verdict verdict = enterEntry(codes, m_code);
        if (verdict.kind != Verdict::Kind::Refused || codes.isEmpty()) return verdict;
        const int entries = signallingType == kSignallingTwoTone    ? image::map::kTwoToneEntries
                            : signallingType == kSignallingFiveTone ? image::map::kFiveToneEntries
                                                                    : 0;
        bool number = false;
        const int entry = m_code.toInt(&number);
        if (!number || entry < 0 || entry >= entries || QString::number(entry) != m_code) return verdict;
        return warned(codes.first(), QCoreApplication::translate("channels::report", "entry %1 is not in use; becomes %2").arg(m_code, codes.first()));
    }

    // The options only the dialog shows; the dialog stores the whole channel when one changed.
    void enterDialog() {
        if (!m_entered) return;
        const QStringList shown = dialogTexts(m_img, m_slot);
        ChannelEdit edit = loadedChannelEdit(m_img, m_slot);
        bool anyChanged = false;
        const ChannelRecordView record(m_img, m_slot);
        const QString shownCode = loadedSignallingCodeText(m_img, record);
        if (!m_code.isEmpty() || m_row.has(key(kColSignalling))) {
            if (m_code != shownCode) {
                const QStringList codes = signallingCodeEntries(m_img, record.signallingType());
                const Verdict verdict = m_code.isEmpty() && codes.isEmpty() ? taken(m_code) : enterCode(codes, record.signallingType());
                if (noteVerdict(verdict, m_row.pathOf(key(kColSignalling)), *m_row.text(key(kColSignalling)), m_problems)) {
                    edit.code = verdict.text;
                    anyChanged = true;
                }
            }
        }
        const auto option = [&](int column, const Verdict& verdict, const QString& text) {
            if (!noteVerdict(verdict, m_row.pathOf(key(column)), text, m_problems)) return false;
            anyChanged = true;
            return true;
        };
        const auto dialogValue = [&](int column) { return changed(column, shown[column - kChannelColumns]); };
        if (const auto squelch = dialogValue(kColSquelch)) {
            const bool tone = edit.decode.type == int(kToneTypeCtcss) || edit.decode.type == int(kToneTypeDcs) ||
                              edit.encode.type == int(kToneTypeCtcss) || edit.encode.type == int(kToneTypeDcs);
            const bool signalling = edit.signalling >= kSignallingDtmf && edit.signalling <= kSignallingFiveTone;
            if (option(kColSquelch, enterEntry(squelchEntries(tone, signalling), *squelch), *squelch)) edit.squelch = *squelch;
        }
        const QStringList pttIds = listOf(kPttIdList);
        if (const auto dtmf = dialogValue(kColDtmfPttId); dtmf && option(kColDtmfPttId, enterEntry(pttIds, *dtmf), *dtmf)) {
            edit.dtmfPttId = int(pttIds.indexOf(*dtmf));
            // Only the user's own choices exclude each other: the other PTT ID goes off.
            if (edit.dtmfPttId > 0 && !m_row.has(key(kColFiveTonePttId))) edit.fiveTonePttId = 0;
        }
        if (const auto five = dialogValue(kColFiveTonePttId); five && option(kColFiveTonePttId, enterEntry(pttIds, *five), *five)) {
            edit.fiveTonePttId = int(pttIds.indexOf(*five));
            if (edit.fiveTonePttId > 0 && !m_row.has(key(kColDtmfPttId))) edit.dtmfPttId = 0;
        }
        const QStringList scramblers = listOf(kScramblerList);
        if (const auto scrambler = dialogValue(kColScrambler);
            scrambler && option(kColScrambler, enterEntry(scramblers, *scrambler), *scrambler))
            edit.scrambler = int(scramblers.indexOf(*scrambler));
        const QStringList busy = listOf(kBusyLockList);
        bool busyPastList = false;
        if (const auto lock = dialogValue(kColBusyLock); lock && option(kColBusyLock, enterIndexEntry(busy, *lock), *lock)) {
            edit.busyLock = int(busy.indexOf(*lock));
            busyPastList = lock->isEmpty();
        }
        const auto check = [&](int column, bool& value) {
            if (const auto text = dialogValue(column); text && option(column, enterCheck(*text), *text)) value = isYes(*text);
        };
        check(kColScanSkip, edit.scanSkip);
        check(kColReverse, edit.reverse);
        check(kColTalkAround, edit.talkAround);
        check(kColCompander, edit.compander);
        check(kColTxOff, edit.txOff);
        // Reverse and talk around exclude each other when the user ticks one.
        if (dialogValue(kColReverse) && edit.reverse && !m_row.has(key(kColTalkAround))) edit.talkAround = false;
        if (dialogValue(kColTalkAround) && edit.talkAround && !m_row.has(key(kColReverse))) edit.reverse = false;
        if (!anyChanged) return;
        storeChannelEdit(m_img, m_slot, edit);
        if (busyPastList && ChannelRecordView(m_img, m_slot).busyLock() < int(busy.size()))
            ChannelRecord(m_img, m_slot).setBusyLock(kNoSelection);
    }

private:
    static const QList<Column>& columns() {
        static const QList<Column> all = channelColumns();
        return all;
    }
    static QString key(int column) { return columns().value(column).key; }

    std::optional<QString> given(int column) { return m_row.text(key(column), columns().value(column).options); }

    // The document's text when it differs from the shown one.
    std::optional<QString> changed(int column, const QString& shown) {
        const std::optional<QString> text = given(column);
        if (!text || *text == shown) return std::nullopt;
        return text;
    }

    std::optional<QString> checked(int column, const QString& text, const Verdict& verdict) {
        if (!noteVerdict(verdict, m_row.pathOf(key(column)), text, m_problems)) return std::nullopt;
        return verdict.text;
    }

    void enterListCell(ChannelRowCells& cells, int column, const QStringList& entries) {
        const auto text = changed(column, cells[column]);
        if (!text) return;
        if (const auto entry = checked(column, *text, enterIndexEntry(entries, *text))) {
            commitOptionCell(cells, column, *entry);
            m_pastListTypes.append(column);
        }
    }

    DocumentObject& m_row;
    int m_slot;
    image::RadioImage& m_img;
    const image::BandLimits& m_limits;
    Problems& m_problems;
    QString m_code;               // the signalling code the document gives
    QList<int> m_pastListTypes;   // list and tone cells the document changed (maybe to past the list)
    bool m_entered = false;       // the channel has its RX frequency
};

std::optional<int> slotLabelled(const QString& label) {
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot)
        if (channelLabel(slot) == label) return slot;
    return std::nullopt;
}

} // namespace

Section channelSection(const ReportSource& source) {
    Table table{QString(), QStringLiteral("channels"), channelColumns(), {}};
    markUsualOptions(table.columns);
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
        const ChannelRowCells cells = loadChannelRow(source.image, source.limits, slot);
        if (!cells[kColRx].isEmpty()) table.rows.append(channelRow(source.image, slot, cells));
    }
    Section section = editorSection(channels::texts::kEditorNames);
    section.tables.append(table);
    return section;
}

// The list holds what it loaded; the document's list replaces it whole (a channel not listed
// is emptied, as deleting its RX empties it), each listed channel entered into its row and
// the dialog; then the list stores every row and runs the validity pass, as its store does.
void applyChannelSection(DocumentObject& section, ApplyContext& context) {
    image::RadioImage& img = context.image;
    std::array<ChannelRowCells, kLastSlot + 1> cells;
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) cells[std::size_t(slot)] = loadChannelRow(img, context.limits, slot);
    if (const app::json::Value* list = section.list(QStringLiteral("channels"))) {
        std::array<bool, kLastSlot + 1> listed{};
        const QString path = section.pathOf(QStringLiteral("channels"));
        for (ListedRow& row : readListRows(*list, path, keysOf(channelColumns()), slotLabelled,
                                           QStringLiteral("0-199, PA, PB, VFO"), context.problems)) {
            listed[std::size_t(row.entry)] = true;
            ChannelEntry entry(row.object, row.entry, context);
            ChannelRowCells& rowCells = cells[std::size_t(row.entry)];
            entry.enterCells(rowCells);
            storeChannelRow(img, row.entry, rowCells);
            entry.storePastListCells(rowCells);
            entry.enterDialog();
            // What the dialog stored shows in the row when the list loads again.
            const ChannelRowCells reloaded = loadChannelRow(img, context.limits, row.entry);
            if (!reloaded[kColRx].isEmpty()) rowCells = reloaded;
            row.object.reportUnknownKeys();
        }
        for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
            ChannelRowCells& rowCells = cells[std::size_t(slot)];
            if (listed[std::size_t(slot)] || rowCells[kColRx].isEmpty()) continue;
            if (slot == kSlotVFO)
                context.problems.warning(path, QString(),
                                         QCoreApplication::translate("channels::report", "VFO is not listed and is emptied, which only a file can hold"));
            for (int column = kColRx; column < kChannelColumns; ++column) rowCells[column].clear();
        }
    }
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) storeChannelRow(img, slot, cells[std::size_t(slot)]);
    channelValidityPass(img, context.limits);
}

} // namespace channels
