// SPDX-License-Identifier: GPL-3.0-or-later
// The Emergency Information section of the configuration report and of a configuration
// document, fields in screen order as the editor shows and stores them.

#include "app/apply_fields.h"
#include "settings/settings_sections.h"
#include "settings/emergency_fields.h"
#include "settings/emergency_ids.h"
#include "settings/emergency_rules.h"

namespace settings {

using namespace app::report;

namespace {

namespace em = settings::emergency;

QString latin(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

QStringList alarmTypes() { return listOf(em::kAlarmTypeList); }

// A type byte past the list shows the first type, and is kept until the user chooses one.
QString alarmTypeText(const image::RadioImage& im) { return alarmTypes().value(im.u8(em::kAlarmType), alarmTypes().value(0)); }

void storeAlarmType(image::RadioImage& im, const QString& text) {
    const std::uint8_t stored = im.u8(em::kAlarmType);
    const bool chosen = text != alarmTypeText(im);
    if (const auto value = em::indexToStore(int(alarmTypes().indexOf(text)), int(alarmTypes().size()), stored, chosen))
        im.setU8(em::kAlarmType, *value);
}

// The DTMF or 5Tone entries in use, for the ENI type as stored.
QStringList ids(const image::RadioImage& im) { return em::idsForEniType(im, im.u8(em::kEniType)).value_or(QStringList()); }

QString emergencyIdText(const image::RadioImage& im) {
    const QStringList list = ids(im);
    return list.value(em::idPosition(list, im.u8(em::kEniType), im.u8(em::kEmergencyId)));
}

// A list that shows nothing (no ID or channel in use) leaves its byte as it is.
void storeNumber(image::RadioImage& im, image::Addr at, const QString& text) {
    if (const auto value = em::numberToStore(text)) im.setU8(at, *value);
}

FormField numberField(std::string_view label, const char* key, EntriesOf entries, image::Addr at) {
    return {latin(label), QString::fromLatin1(key),
            [entries, at](const image::RadioImage& im) { return shownPrefixEntry(entries(im), QString::number(im.u8(at))); },
            [entries](const image::RadioImage& im, const QString& text) { return enterEntry(entries(im), text); },
            [at](image::RadioImage& im, const QString& text) { storeNumber(im, at, text); }};
}

FormField listField(std::string_view label, const char* key, std::span<const std::string_view> list, image::Addr at) {
    FormField field = indexField("", key, listOf(list), at);
    field.label = latin(label);
    return field;
}

FormFields fields() {
    const EntriesOf seconds = [](const image::RadioImage&) { return em::secondsList(); };
    return {
        {latin(em::kAlarmTypeLabel), QStringLiteral("emergencyAlarm"), alarmTypeText,
         [](const image::RadioImage&, const QString& text) { return enterEntry(alarmTypes(), text); }, storeAlarmType},
        listField(em::kEniTypeLabel, "eniType", em::kEniTypeList, em::kEniType),
        {latin(em::kEmergencyIdLabel), QStringLiteral("emergencyId"), emergencyIdText,
         [](const image::RadioImage& im, const QString& text) { return enterEntry(ids(im), text); },
         [](image::RadioImage& im, const QString& text) {
             if (const auto id = em::idToStore(text)) im.setU8(em::kEmergencyId, *id);
         }},
        numberField(em::kAlarmTimeLabel, "alarmTimeS", seconds, em::kAlarmTime),
        numberField(em::kTxDurationLabel, "durationOfTxS", seconds, em::kTxDuration),
        numberField(em::kRxDurationLabel, "durationOfRxS", seconds, em::kRxDuration),
        listField(em::kSendChannelLabel, "eniSendSelect", em::kSendChannelList, em::kSendChannel),
        numberField(em::kEmergencyChannelLabel, "emergencyChannel", em::usedChannelNumbers, em::kEmergencyChannel),
        {latin(em::kCycleLabel), QStringLiteral("emergencyCycle"),
         [](const image::RadioImage& im) { return em::cycleText(im.u8(em::kCycle)); },
         [](const image::RadioImage&, const QString& text) { return enterEntry(em::cycleList(), text); },
         [](image::RadioImage& im, const QString& text) { storeNumber(im, em::kCycle, text); }},
    };
}

} // namespace

Section emergencySection(const ReportSource& source) {
    Section section = editorSection(settings::emergency::kEditorNames);
    section.entries = reportEntries(fields(), source.image);
    return section;
}

void applyEmergencySection(DocumentObject& section, ApplyContext& context) {
    applyFieldByField(fields(), section, context.image, context.problems);
}

} // namespace settings
