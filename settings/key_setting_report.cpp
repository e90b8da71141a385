// The Key Setting section of the configuration report: the fifteen key assignments in screen
// order, as the editor shows them (a short-press "MONI" shows "Off" while the squelch key is
// momentary).

#include "app/report_sections.h"
#include "settings/key_setting.h"

namespace report {

namespace {

// "P1 Short" -> "p1Short", "FUNC+P1" -> "funcP1".
QString keyOf(const char* label) {
    QString key;
    bool upper = false;
    for (const QChar c : QString::fromLatin1(label)) {
        if (!c.isLetterOrNumber()) {
            upper = !key.isEmpty();
            continue;
        }
        key += upper ? c.toUpper() : (key.isEmpty() ? c.toLower() : c);
        upper = false;
    }
    return key;
}

} // namespace

Section keySettingSection(const ReportSource& source) {
    namespace keys = settings::keys;
    Section section = editorSection(shell::EditorKind::KeySetting, QStringLiteral("keySetting"));
    for (const keys::KeySlot& slot : keys::kKeySlots) {
        const std::uint8_t code = keys::allowedCode(source.image, slot, source.image.u8(slot.at));
        section.entries.append({QString::fromLatin1(slot.label), keyOf(slot.label), keys::functionText(slot, code)});
    }
    // The form's three groups (short, long, FUNC) go two beside each other, then the third.
    section.printColumns = {{keys::kKeysPerGroup, keys::kKeysPerGroup}, {keys::kKeysPerGroup, 0}};
    return section;
}

} // namespace report
