// The Channel section of the configuration report: every slot in use as the channel list
// shows it (frequencies clamped into the bands), with the options of the Channel Edit dialog.

#include "app/report_sections.h"
#include "channels/channel_edit_rules.h"
#include "channels/channel_record.h"
#include "channels/channel_rows.h"
#include "channels/channel_texts.h"
#include "channels/value_tables.h"

namespace report {

namespace {

using namespace channels;

QString header(ChannelColumn column) {
    const std::string_view text = kChannelColumnInfo[std::size_t(column)].header;
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QList<Column> channelColumns() {
    return {
        {header(kColLabel), QStringLiteral("channel")},
        {header(kColRx), QStringLiteral("rxFrequency")},
        {header(kColTx), QStringLiteral("txFrequency")},
        {header(kColName), QStringLiteral("name")},
        {header(kColStep), QStringLiteral("stepKHz")},
        {header(kColSpacing), QStringLiteral("spacingKHz")},
        {header(kColPower), QStringLiteral("txPower")},
        {header(kColDecode), QStringLiteral("decode")},
        {header(kColEncode), QStringLiteral("encode")},
        {header(kColSignalling), QStringLiteral("signalling")},
        {QString::fromLatin1(texts::kSquelchMode), QStringLiteral("squelchMode")},
        {QString::fromLatin1(texts::kDtmfPttId), QStringLiteral("dtmfPttId")},
        {QString::fromLatin1(texts::kFiveTonePttId), QStringLiteral("fiveTonePttId")},
        {QString::fromLatin1(texts::kScrambler), QStringLiteral("scrambler")},
        {QString::fromLatin1(texts::kBusyLock), QStringLiteral("busyChannelLockout")},
        {QString::fromLatin1(texts::kScanSkip), QStringLiteral("scanSkip")},
        {QString::fromLatin1(texts::kReverse), QStringLiteral("reverse")},
        {QString::fromLatin1(texts::kTalkAround), QStringLiteral("talkAround")},
        {QString::fromLatin1(texts::kCompander), QStringLiteral("compander")},
        {QString::fromLatin1(texts::kTxOff), QStringLiteral("txOff")},
    };
}

// The list's type text followed by the code the dialog selects: "DTMF M5", "2Tone 3", "Off".
QString signallingText(const image::RadioImage& img, const ChannelRecordView& record, const QString& type) {
    const QString code = loadedSignallingCodeText(img, record);
    return code.isEmpty() ? type : type + u' ' + code;
}

QStringList channelRow(const image::RadioImage& img, int slot, const ChannelRowCells& cells) {
    const ChannelRecordView record(img, slot);
    // The dialog shows "Off" for a scrambler byte past its list.
    const QString scrambler = entryText(kScramblerList, record.scrambler());
    QStringList row;
    for (const QString& cell : cells) row.append(cell);
    row[kColSignalling] = signallingText(img, record, cells[kColSignalling]);
    row << loadedSquelchText(record) << entryText(kPttIdList, record.dtmfPttId())
        << entryText(kPttIdList, record.fiveTonePttId()) << (scrambler.isEmpty() ? entryText(kScramblerList, 0) : scrambler)
        << entryText(kBusyLockList, record.busyLock()) << checkText(scanSkip(img, slot)) << checkText(record.reverse())
        << checkText(record.talkAround()) << checkText(record.compander()) << checkText(record.txOff());
    return row;
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

} // namespace

Section channelSection(const ReportSource& source) {
    Table table{QString(), QStringLiteral("channels"), channelColumns(), {}};
    markUsualOptions(table.columns);
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
        const ChannelRowCells cells = loadChannelRow(source.image, source.limits, slot);
        if (!cells[kColRx].isEmpty()) table.rows.append(channelRow(source.image, slot, cells));
    }
    Section section = editorSection(app::EditorKind::Channel, QStringLiteral("channel"));
    section.tables.append(table);
    return section;
}

} // namespace report
