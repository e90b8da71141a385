// The DTMF section of the configuration report: the settings as the editor shows them, then
// the encode entries in use ("M1"-"M16").

#include "app/report_sections.h"
#include "channels/value_tables.h"
#include "signalling/dtmf_codes.h"
#include "signalling/dtmf_fields.h"
#include "signalling/dtmf_texts.h"

namespace report {

namespace {

namespace dtmf = signalling::dtmf;

constexpr int kPairedRows = 7;  // DTMF ANI | Transmitting Time ... Remotely Kill | Remotely Stun
constexpr int kWideRows = 2;    // PTT ID Starting, PTT ID Ending

Table encodeTable(const image::RadioImage& im) {
    Table table{QString::fromLatin1(dtmf::texts::kEncode),
                QStringLiteral("encodeList"),
                {{QString::fromLatin1(dtmf::texts::kNo), QStringLiteral("number")},
                 {QString::fromLatin1(dtmf::texts::kEncode), QStringLiteral("code")}},
                {}};
    for (int index = 0; index < dtmf::kEncodeEntries; ++index)
        if (dtmf::encodeEntryInUse(im, index))
            table.rows.append({channels::dtmfCodeLabel(index), dtmf::unpackCode(im, dtmf::encodeEntry(index))});
    return table;
}

} // namespace

Section dtmfSection(const ReportSource& source) {
    const image::RadioImage& im = source.image;
    namespace t = dtmf::texts;
    const auto prefix = [](const QStringList& entries, const QString& text) { return shownPrefixEntry(entries, text); };
    Section section = editorSection(app::EditorKind::Dtmf, QStringLiteral("dtmf"));
    section.entries = {
        entry(t::kAni, "ani", listOf(dtmf::kAniList).value(int(im.get(dtmf::kAni)))),
        entry(t::kTransmittingTime, "transmittingTimeMs",
              listOf(dtmf::kTransmittingTimeList).value(im.u8(dtmf::kTransmittingTime))),
        entry(t::kSelfId, "selfId", dtmf::selfIdText(im)),
        entry(t::kIntervalCharacter, "intervalCharacter",
              prefix(listOf(dtmf::kIntervalCharacterList), dtmf::symbolListText(im.u8(dtmf::kIntervalCharacter)))),
        entry(t::kGroupCode, "groupCode",
              prefix(listOf(dtmf::kGroupCodeList), dtmf::symbolListText(im.u8(dtmf::kGroupCode)))),
        entry(t::kDecodingResponse, "decodingResponse",
              listOf(dtmf::kDecodingResponseList).value(im.u8(dtmf::kDecodingResponse))),
        entry(t::kFirstDigitTime, "firstDigitTimeMs",
              prefix(dtmf::millisecondEntries(dtmf::kFirstDigitTimeFrom),
                     dtmf::millisecondText(im.u8(dtmf::kFirstDigitTime)))),
        entry(t::kPretime, "pretimeMs",
              prefix(dtmf::millisecondEntries(dtmf::kPretimeFrom), dtmf::millisecondText(im.u8(dtmf::kPretime)))),
        entry(t::kAutoResetTime, "autoResetTimeS",
              prefix(dtmf::autoResetEntries(), dtmf::tenthsText(im.u8(dtmf::kAutoResetTime)))),
        entry(t::kTimeLapseAfterEncode, "timeLapseAfterEncodeMs",
              prefix(dtmf::millisecondEntries(dtmf::kPretimeFrom),
                     dtmf::millisecondText(im.u8(dtmf::kTimeLapseAfterEncode)))),
        entry(t::kPttIdPauseTime, "pttIdPauseTimeS",
              prefix(dtmf::pttIdPauseEntries(), dtmf::pttIdPauseText(im.u8(dtmf::kPttIdPauseTime)))),
        entry(t::kSideTone, "sideTone", checkText(im.u8(dtmf::kSideTone) != 0)),
        entry(t::kRemoteKill, "remotelyKill", dtmf::unpackCode(im, dtmf::kRemoteKill)),
        entry(t::kRemoteStun, "remotelyStun", dtmf::unpackCode(im, dtmf::kRemoteStun)),
        entry(t::kPttIdStart, "pttIdStarting", dtmf::unpackCode(im, dtmf::kPttIdStart)),
        entry(t::kPttIdEnd, "pttIdEnding", dtmf::unpackCode(im, dtmf::kPttIdEnd)),
    };
    // The form shows its fields two to a row, then the PTT ID codes on wide rows of their own.
    section.printColumns = QList<PrintColumns>(kPairedRows, {1, 1}) << PrintColumns{kWideRows, 0};
    section.tables.append(encodeTable(im));
    return section;
}

} // namespace report
