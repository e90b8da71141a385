// The Key Setting section of the configuration report: the fifteen key assignments in screen
// order, as the editor shows them (a short-press "MONI" shows "Off" while the squelch key is
// momentary, "RESET" shows no selection).

#include "app/report_sections.h"
#include "settings/key_setting.h"

namespace report {

namespace {

// "P1 Short" -> "p1Short", "FUNC+P1" -> "funcP1": the first word in lower case, each later
// one starting with a capital.
QString keyOf(const char* label) {
    QString key;
    bool firstWord = true;
    bool wordStart = false;
    for (const QChar c : QString::fromLatin1(label)) {
        if (!c.isLetterOrNumber()) {
            firstWord = key.isEmpty();
            wordStart = !key.isEmpty();
            continue;
        }
        key += firstWord ? c.toLower() : wordStart ? c.toUpper() : c;
        wordStart = false;
    }
    return key;
}

} // namespace

Section keySettingSection(const ReportSource& source) {
    namespace keys = settings::keys;
    Section section = editorSection(app::EditorKind::KeySetting, QStringLiteral("keySetting"));
    for (const keys::KeySlot& slot : keys::kKeySlots) {
        const std::uint8_t code = keys::allowedCode(source.image, slot, source.image.u8(slot.at));
        const QString label = QString::fromLatin1(slot.label);
        section.entries.append({label, keyOf(slot.label), keys::shownFunctionText(slot, code)});
    }
    // The form's three groups (short, long, FUNC) go two beside each other, then the third.
    section.printColumns = {{keys::kKeysPerGroup, keys::kKeysPerGroup}, {keys::kKeysPerGroup, 0}};
    return section;
}

} // namespace report
