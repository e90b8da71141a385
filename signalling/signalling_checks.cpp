// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration check's signalling rules: a channel whose optional signalling names a
// DTMF, 2Tone or 5Tone entry that is not in use, a channel PTT ID that would send an empty
// code, a self ID that the radio's own encode list calls, and across a fleet two radios
// with the same self ID.

#include "signalling/signalling_sections.h"
#include "app/check_texts.h"
#include "channels/channel_checks.h"
#include "channels/channel_edit_rules.h"
#include "channels/channel_record.h"
#include "channels/channel_texts.h"
#include "channels/value_tables.h"
#include "image/memory_map.h"
#include "signalling/dtmf_codes.h"
#include "signalling/dtmf_texts.h"
#include "signalling/five_tone_codes.h"
#include "signalling/five_tone_texts.h"
#include "signalling/two_tone_codes.h"

#include <QHash>

#include <optional>

namespace signalling {

using namespace app::check;

namespace {

using channels::ChannelRecordView;
namespace ft = signalling::five_tone;
namespace tt = signalling::twotone;

QString typeName(int signallingType) { return channels::entryText(channels::kSignallingTypeList, signallingType); }

// The message for an entry of a list of `entries`, or nothing when the entry is in use.
std::optional<QString> entryProblem(int type, int entry, int entries, bool inUse) {
    const QString named = app::check::texts::kListEntry.arg(typeName(type)).arg(entry);
    if (entry >= entries) return app::check::texts::kNoSuchEntry.arg(named);
    if (!inUse) return app::check::texts::kEntryNotInUse.arg(named);
    return std::nullopt;
}

// The radio sends the entry the channel's optional signalling names; an empty one sends nothing.
std::optional<QString> signallingProblem(const image::RadioImage& img, const ChannelRecordView& record) {
    switch (record.signallingType()) {
    case channels::kSignallingDtmf: {
        const int code = record.dtmfCode();
        if (dtmf::encodeEntryInUse(img, code)) return std::nullopt;
        return app::check::texts::kEntryNotInUse.arg(app::check::texts::kDtmfEntry.arg(channels::dtmfCodeLabel(code)));
    }
    case channels::kSignallingTwoTone: {
        const int code = record.signallingCode();
        return entryProblem(channels::kSignallingTwoTone, code, tt::kEntries, code < tt::kEntries && tt::entryInUse(img, code));
    }
    case channels::kSignallingFiveTone: {
        const int code = record.fiveToneCode();
        return entryProblem(channels::kSignallingFiveTone, code, ft::kEncodeEntries,
                            code < ft::kEncodeEntries && ft::encodeEntryInUse(img, code));
    }
    default: return std::nullopt;
    }
}

// One system's PTT ID codes: the beginning (BOT) and end (EOT) code, named, and whether each
// holds a code.
struct PttIdCodes {
    QString begin, end;
    bool beginEmpty, endEmpty;
};

constexpr int kPttIdBegin = 1;
constexpr int kPttIdEnd = 2;

std::optional<QString> pttIdProblem(int pttId, const PttIdCodes& codes) {
    QStringList empty;
    if ((pttId & kPttIdBegin) && codes.beginEmpty) empty.append(codes.begin);
    if ((pttId & kPttIdEnd) && codes.endEmpty) empty.append(codes.end);
    const QString value = channels::entryText(channels::kPttIdList, pttId);
    if (empty.size() == 1) return app::check::texts::kPttIdCodeEmpty.arg(value, empty[0]);
    if (empty.size() == 2) return app::check::texts::kPttIdCodesEmpty.arg(value, empty[0], empty[1]);
    return std::nullopt;
}

// `label` already in the user's language.
QString codeName(const app::EditorNames& editor, const QString& label) {
    return app::check::texts::kPttIdCode.arg(app::shownName(editor.treeText), label);
}

PttIdCodes dtmfPttIdCodes(const image::RadioImage& img) {
    return {codeName(signalling::dtmf::texts::kEditorNames, dtmf::texts::tr(dtmf::texts::kPttIdStart)),
            codeName(signalling::dtmf::texts::kEditorNames, dtmf::texts::tr(dtmf::texts::kPttIdEnd)), dtmf::unpackCode(img, dtmf::kPttIdStart).isEmpty(),
            dtmf::unpackCode(img, dtmf::kPttIdEnd).isEmpty()};
}

PttIdCodes fiveTonePttIdCodes(const image::RadioImage& img) {
    return {codeName(signalling::five_tone::texts::kEditorNames, ft::texts::tr(ft::texts::kBotGroup)),
            codeName(signalling::five_tone::texts::kEditorNames, ft::texts::tr(ft::texts::kEotGroup)), ft::readPttIdCode(img, ft::kBotRecord).isEmpty(),
            ft::readPttIdCode(img, ft::kEotRecord).isEmpty()};
}

void checkChannel(const image::RadioImage& img, int slot, const PttIdCodes& dtmfCodes, const PttIdCodes& fiveToneCodes,
                  Findings& out) {
    const ChannelRecordView record(img, slot);
    const auto add = [&](const char* label, const std::optional<QString>& problem) {
        if (problem) out.append(finding(channels::texts::kEditorNames, channels::channelField(slot, label), *problem));
    };
    add(channels::texts::kSignalling, signallingProblem(img, record));
    add(channels::texts::kDtmfPttId, pttIdProblem(record.dtmfPttId(), dtmfCodes));
    add(channels::texts::kFiveTonePttId, pttIdProblem(record.fiveTonePttId(), fiveToneCodes));
}

// A DTMF code calls the ID it starts with: the digits before its first letter, "*" or "#"
// ("101" and "101A202" call 101; the PTT ID call "A101" calls nobody).
QString calledDtmfId(const QString& code) {
    qsizetype digits = 0;
    while (digits < code.size() && code[digits] >= u'0' && code[digits] <= u'9') ++digits;
    return code.left(digits);
}

void checkDtmfSelfId(const image::RadioImage& img, Findings& out) {
    const QString selfId = dtmf::selfIdText(img);
    for (int index = 0; index < dtmf::kEncodeEntries; ++index) {
        if (!dtmf::encodeEntryInUse(img, index)) continue;
        const QString code = dtmf::unpackCode(img, dtmf::encodeEntry(index));
        if (calledDtmfId(code) == selfId)
            out.append(finding(signalling::dtmf::texts::kEditorNames, dtmf::texts::tr(dtmf::texts::kSelfId),
                               app::check::texts::kOwnIdCalled.arg(selfId, channels::dtmfCodeLabel(index), code)));
    }
}

// The ID a 5Tone entry calls: a plain code is the ID (written with the repeat tone "E"),
// an ANI or message call begins with the other side's ID; a PTT ID call calls nobody.
QString calledFiveToneId(const ft::EncodeEntryCells& cells) {
    switch (ft::callKindFromText(cells.kind)) {
    case ft::CallKind::None: return ft::undoRepeatRule(cells.id);
    case ft::CallKind::Ani:
    case ft::CallKind::SendMessage: return cells.id.left(ft::kSelfIdDigits);
    case ft::CallKind::PttId: break;
    }
    return {};
}

void checkFiveToneSelfId(const image::RadioImage& img, Findings& out) {
    const QString selfId = ft::readSelfId(img);
    const std::uint8_t interval = img.u8(ft::kIntervalCharacter);
    for (int entry = 0; entry < ft::kEncodeEntries; ++entry) {
        const ft::EncodeEntryCells cells = ft::loadEncodeEntry(img, entry, selfId, interval);
        if (!cells.inUse() || calledFiveToneId(cells) != selfId) continue;
        const QString shown = cells.kind.isEmpty() ? cells.id : (cells.kind + u' ' + cells.id).trimmed();
        out.append(finding(signalling::five_tone::texts::kEditorNames, ft::texts::tr(ft::texts::kSelfId),
                           app::check::texts::kOwnIdCalled.arg(selfId, QString::number(entry), shown)));
    }
}

// A self ID matters to other radios only when this radio sends it: a channel with that
// system's optional signalling or PTT ID, or an emergency that sends its ID with it.
struct SystemsInUse {
    bool dtmf = false;
    bool fiveTone = false;
};

constexpr std::uint8_t kEniDtmf = 1;
constexpr std::uint8_t kEniFiveTone = 2;

SystemsInUse systemsInUse(const image::RadioImage& img) {
    SystemsInUse used;
    for (const int slot : channels::checkedSlots(img)) {
        const ChannelRecordView record(img, slot);
        used.dtmf = used.dtmf || record.signallingType() == channels::kSignallingDtmf || record.dtmfPttId() != 0;
        used.fiveTone = used.fiveTone || record.signallingType() == channels::kSignallingFiveTone || record.fiveTonePttId() != 0;
    }
    used.dtmf = used.dtmf || img.u8(image::map::kEniType) == kEniDtmf;
    used.fiveTone = used.fiveTone || img.u8(image::map::kEniType) == kEniFiveTone;
    return used;
}

} // namespace

void checkSignalling(const CheckSource& source, Findings& out) {
    const image::RadioImage& img = source.image;
    const PttIdCodes dtmfCodes = dtmfPttIdCodes(img);
    const PttIdCodes fiveToneCodes = fiveTonePttIdCodes(img);
    for (const int slot : channels::checkedSlots(img)) checkChannel(img, slot, dtmfCodes, fiveToneCodes, out);
    checkDtmfSelfId(img, out);
    checkFiveToneSelfId(img, out);
}

void checkFleetSelfIds(std::span<const FleetRadio> radios, FleetFindings& out) {
    // Per system, the first radio that holds each ID.
    QHash<QString, qsizetype> dtmfOwners, fiveToneOwners;
    const auto claim = [&](QHash<QString, qsizetype>& owners, qsizetype radio, const QString& id, const app::EditorNames& editor,
                           const QString& label) {
        const auto owner = owners.constFind(id);
        if (owner == owners.constEnd()) {
            owners.insert(id, radio);
            return;
        }
        out.append({radios[std::size_t(radio)].name,
                    finding(editor, label,
                            app::check::texts::kSelfIdShared.arg(id, radios[std::size_t(*owner)].name))});
    };
    for (qsizetype r = 0; r < qsizetype(radios.size()); ++r) {
        const image::RadioImage& img = radios[std::size_t(r)].image;
        const SystemsInUse used = systemsInUse(img);
        if (used.dtmf) claim(dtmfOwners, r, dtmf::selfIdText(img), signalling::dtmf::texts::kEditorNames,
                                     dtmf::texts::tr(dtmf::texts::kSelfId));
        if (used.fiveTone)
            claim(fiveToneOwners, r, ft::readSelfId(img), signalling::five_tone::texts::kEditorNames,
                  ft::texts::tr(ft::texts::kSelfId));
    }
}

} // namespace signalling
