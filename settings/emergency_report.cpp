// The Emergency Information section of the configuration report, fields in screen order as
// the editor shows them.

#include "app/report_sections.h"
#include "settings/emergency_fields.h"
#include "settings/emergency_ids.h"
#include "settings/emergency_rules.h"

namespace report {

namespace {

namespace em = settings::emergency;

QString emergencyIdText(const image::RadioImage& im) {
    const int eniType = im.u8(em::kEniType);
    const QStringList ids = em::idsForEniType(im, eniType).value_or(QStringList());
    return ids.value(em::idPosition(ids, eniType, im.u8(em::kEmergencyId)));
}

Entry entry(std::string_view label, const char* key, const QString& value) {
    return {QString::fromLatin1(label.data(), qsizetype(label.size())), QString::fromLatin1(key), value};
}

} // namespace

Section emergencySection(const ReportSource& source) {
    const image::RadioImage& im = source.image;
    const QStringList alarmTypes = listOf(em::kAlarmTypeList);
    const QStringList seconds = em::secondsList();
    const auto secondsText = [&](image::Addr at) { return shownPrefixEntry(seconds, QString::number(im.u8(at))); };
    // A type byte past the list shows the first type.
    const QString alarmType = alarmTypes.value(im.u8(em::kAlarmType), alarmTypes.value(0));
    Section section = editorSection(app::EditorKind::EmergencyInformation, QStringLiteral("emergencyInformation"));
    section.entries = {
        entry(em::kAlarmTypeLabel, "emergencyAlarm", alarmType),
        entry(em::kEniTypeLabel, "eniType", listOf(em::kEniTypeList).value(im.u8(em::kEniType))),
        entry(em::kEmergencyIdLabel, "emergencyId", emergencyIdText(im)),
        entry(em::kAlarmTimeLabel, "alarmTimeS", secondsText(em::kAlarmTime)),
        entry(em::kTxDurationLabel, "durationOfTxS", secondsText(em::kTxDuration)),
        entry(em::kRxDurationLabel, "durationOfRxS", secondsText(em::kRxDuration)),
        entry(em::kSendChannelLabel, "eniSendSelect", listOf(em::kSendChannelList).value(im.u8(em::kSendChannel))),
        entry(em::kEmergencyChannelLabel, "emergencyChannel",
              shownPrefixEntry(em::usedChannelNumbers(im), QString::number(im.u8(em::kEmergencyChannel)))),
        entry(em::kCycleLabel, "emergencyCycle", em::cycleText(im.u8(em::kCycle))),
    };
    return section;
}

} // namespace report
