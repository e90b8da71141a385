// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/emergency_rules.h"

#include "channels/channel_record.h"
#include "channels/text_reading.h"
#include "channels/value_tables.h"
#include "settings/emergency_fields.h"

namespace settings::emergency {

namespace {

QStringList numbers(int first, int last) {
    QStringList list;
    list.reserve(last - first + 1);
    for (int n = first; n <= last; ++n) list.append(QString::number(n));
    return list;
}

QString text(std::string_view entry) { return QString::fromLatin1(entry.data(), qsizetype(entry.size())); }

} // namespace

QStringList usedChannelNumbers(const image::RadioImage& img) {
    QStringList list;
    // Channel number i lives in slot i + 1.
    for (int channel = 0; channel < channels::kOrdinarySlots; ++channel)
        if (!channels::usageBit(img, channel + 1)) list.append(QString::number(channel));
    return list;
}

QStringList secondsList() { return numbers(kFirstSeconds, kLastSeconds); }

QStringList cycleList() { return QStringList{text(kContinuous)} + numbers(kFirstSeconds, kLastSeconds); }

QString cycleText(std::uint8_t stored) { return stored == 0 ? text(kContinuous) : QString::number(stored); }

int idPosition(const QStringList& ids, int eniType, std::uint8_t stored) {
    if (ids.isEmpty()) return -1;
    if (eniType == kEniDtmf) {
        const qsizetype exact = ids.indexOf(channels::dtmfCodeLabel(stored));
        return exact < 0 ? 0 : int(exact);
    }
    const QString number = QString::number(stored);
    for (qsizetype i = 0; i < ids.size(); ++i)
        if (ids[i].startsWith(number, Qt::CaseInsensitive)) return int(i);
    return 0;
}

std::optional<std::uint8_t> idToStore(QStringView shown) {
    if (shown.isEmpty()) return std::nullopt;
    // "Mk" reads as k - 1, a plain number as itself.
    return std::uint8_t(channels::dtmfCodeIndex(shown));
}

std::optional<std::uint8_t> numberToStore(QStringView shown) {
    if (shown.isEmpty()) return std::nullopt;
    if (shown == text(kContinuous)) return std::uint8_t(0);
    const auto number = channels::readDecimal(shown);
    return std::uint8_t(number ? number->value : 0);
}

std::optional<std::uint8_t> indexToStore(int selected, int listSize, std::uint8_t stored, bool chosenByUser) {
    if (selected < 0) return std::nullopt;
    if (!chosenByUser && stored >= listSize) return std::nullopt;
    return std::uint8_t(selected);
}

Enables enablesFor(int alarmType, int sendChannel) {
    const bool transmits = alarmType != kAlarmOnly;
    return Enables{.alarmTime = !transmits,
                   .eniType = transmits,
                   .emergencyId = transmits,
                   .txDuration = transmits,
                   .rxDuration = transmits,
                   .emergencyChannel = sendChannel == kAssignedChannel};
}

void writeDefaults(image::RadioImage& img) {
    img.setU8(kAlarmType, kAlarmOnly);
    img.setU8(kEniType, kEniNone);
    img.setU8(kEmergencyId, 0);
    img.setU8(kAlarmTime, 10);
    img.setU8(kTxDuration, 10);
    img.setU8(kRxDuration, 10);
    img.setU8(kSendChannel, kAssignedChannel);
    img.setU8(kEmergencyChannel, 0);
    img.setU8(kCycle, 0);  // "Continuous"
}

} // namespace settings::emergency
