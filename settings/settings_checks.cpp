// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration check's rules for the settings that name a channel or a signalling
// entry: the MR channel, the priority and revert channels of scanning, the emergency channel
// and the emergency ID. Only a setting in effect counts: the MR channel while the radio works
// in MR, the priority channels its priority mode watches while scanning is on, the emergency
// channel and ID while an emergency transmits on the assigned channel.

#include "settings/settings_sections.h"
#include "app/check_texts.h"
#include "channels/channel_row_ops.h"
#include "channels/value_tables.h"
#include "settings/emergency_fields.h"
#include "settings/function_setup.h"
#include "settings/scan_fields.h"
#include "settings/scan_rules.h"
#include "settings/scan_texts.h"
#include "signalling/dtmf_codes.h"
#include "signalling/five_tone_codes.h"

#include <array>
#include <optional>

namespace settings {

using namespace app::check;

namespace {

namespace em = settings::emergency;
namespace fs = settings::function_setup;

QString text(std::string_view view) { return QString::fromLatin1(view.data(), qsizetype(view.size())); }

bool channelEmpty(const image::RadioImage& img, int number) {
    return !channels::rows::inUse(img, number + channels::kFirstSlot);
}

// MR channel 200 and 201 name "PA" and "PB".
constexpr int kLastMrNumber = channels::kSlotPB - channels::kFirstSlot;
constexpr int kLastChannelNumber = channels::kOrdinarySlots - 1;
constexpr int kMrMode = 1;  // "MR" in the VFO/MR list

// The message for a setting naming channel `number`, or nothing when it names one in use.
std::optional<QString> namedChannelProblem(const image::RadioImage& img, int number, int lastNumber) {
    if (number > lastNumber) return app::check::texts::kNoChannel.arg(number);
    if (channelEmpty(img, number)) return app::check::texts::kChannelEmpty.arg(channels::channelLabel(number + channels::kFirstSlot));
    return std::nullopt;
}

void checkMrChannel(const image::RadioImage& img, Findings& out) {
    if (img.u8(fs::kVfoMr) != kMrMode) return;
    if (const auto problem = namedChannelProblem(img, img.u8(fs::kMrChannel), kLastMrNumber))
        out.append(finding(settings::function_setup::texts::kEditorNames, fs::texts::tr(fs::texts::kMrChannel), *problem));
}

// The priority channel a revert code returns to: 1, 2, or 0 for none. "Priority Channel1" (2)
// and "Priority Channel1 + TalkBack" (6) return to the first, codes 3 and 7 to the second.
int revertPriorityChannel(int revertCode) {
    switch (revertCode) {
    case 2:
    case 6: return 1;
    case 3:
    case 7: return 2;
    default: return 0;
    }
}

void checkScan(const image::RadioImage& img, Findings& out) {
    const scan::ScanEnables watched = scan::scanEnables(img.u8(scan::kMode), img.u8(scan::kPriorityMode));
    if (!watched.scanControls) return;
    const std::array<image::Addr, 2> addresses{scan::kPriorityChannel1, scan::kPriorityChannel2};
    const std::array<bool, 2> inEffect{watched.priorityChannel1, watched.priorityChannel2};
    const std::array<const char*, 2> labels{scan::texts::kPriorityChannel1, scan::texts::kPriorityChannel2};
    std::array<bool, 2> told{false, false};
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        if (!inEffect[i]) continue;
        if (const auto problem = namedChannelProblem(img, img.u8(addresses[i]), kLastChannelNumber)) {
            out.append(finding(settings::scan::kEditorNames, scan::texts::tr(labels[i]), *problem));
            told[i] = true;
        }
    }
    // The revert channel is a priority channel; one already told of is not told again.
    const int revertCode = img.u8(scan::kRevertChannel);
    const int priority = revertPriorityChannel(revertCode);
    if (priority == 0 || told[std::size_t(priority - 1)]) return;
    const int number = img.u8(addresses[std::size_t(priority - 1)]);
    if (number <= kLastChannelNumber && !channelEmpty(img, number)) return;
    const QString label = channels::channelLabel(number + channels::kFirstSlot);
    out.append(finding(settings::scan::kEditorNames, scan::texts::tr(scan::texts::kRevertChannel),
                       app::check::texts::kRevertEmpty.arg(scan::revertText(std::uint8_t(revertCode)),
                                               label.isEmpty() ? QString::number(number) : label)));
}

// The emergency ID: a DTMF encode slot (stored as slot - 1) or a 5Tone entry number.
std::optional<QString> emergencyIdProblem(const image::RadioImage& img, int eniType, int id) {
    namespace ft = signalling::five_tone;
    if (eniType == em::kEniDtmf) {
        const QString named = app::check::texts::kDtmfEntry.arg(channels::dtmfCodeLabel(id));
        if (id >= signalling::dtmf::kEncodeEntries) return app::check::texts::kNoSuchEntry.arg(named);
        if (!signalling::dtmf::encodeEntryInUse(img, id)) return app::check::texts::kEntryNotInUse.arg(named);
    } else if (eniType == em::kEniFiveTone) {
        const QString named = app::check::texts::kListEntry.arg(text(em::kEniTypeList[em::kEniFiveTone])).arg(id);
        if (id >= ft::kEncodeEntries) return app::check::texts::kNoSuchEntry.arg(named);
        if (!ft::encodeEntryInUse(img, id)) return app::check::texts::kEntryNotInUse.arg(named);
    }
    return std::nullopt;
}

void checkEmergency(const image::RadioImage& img, Findings& out) {
    // A type past the list shows as "Alarm": a local alarm that transmits nothing.
    const int alarmType = img.u8(em::kAlarmType);
    if (alarmType == em::kAlarmOnly || alarmType >= int(em::kAlarmTypeList.size())) return;
    const auto add = [&](std::string_view label, const std::optional<QString>& problem) {
        if (problem) out.append(finding(settings::emergency::kEditorNames, em::tr(label), *problem));
    };
    add(em::kEmergencyIdLabel, emergencyIdProblem(img, img.u8(em::kEniType), img.u8(em::kEmergencyId)));
    if (img.u8(em::kSendChannel) == em::kAssignedChannel)
        add(em::kEmergencyChannelLabel, namedChannelProblem(img, img.u8(em::kEmergencyChannel), kLastChannelNumber));
}

} // namespace

void checkReferences(const CheckSource& source, Findings& out) {
    checkMrChannel(source.image, out);
    checkScan(source.image, out);
    checkEmergency(source.image, out);
}

} // namespace settings
