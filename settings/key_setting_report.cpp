// SPDX-License-Identifier: GPL-3.0-or-later
// The Key Setting section of the configuration report and of a configuration document: the
// fifteen key assignments in screen order, as the editor shows and stores them (a short-press
// "MONI" shows "Off" while the squelch key is momentary, "RESET" shows no selection).

#include "app/apply_fields.h"
#include "settings/settings_sections.h"
#include "settings/key_setting.h"

namespace settings {

using namespace app::report;

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

QStringList choosableFunctions() { return listOf(std::span(keys::kFunctionTexts).first(keys::kChoosableFunctions)); }

// What the list offers; no selection stores the key's own function, and a short press cannot
// take "MONI" while the squelch key is momentary (the editor puts "Off" back).
Verdict enterFunction(const image::RadioImage& im, const keys::KeySlot& slot, const QString& text) {
    const QString own = keys::functionText(slot, slot.defaultCode);
    if (text.isEmpty()) return warned(own, QCoreApplication::translate("settings::report", "no function chosen: the key's own function %1 is stored").arg(own));
    const Verdict verdict = enterEntry(choosableFunctions(), text);
    if (verdict.kind == Verdict::Kind::Refused) return verdict;
    const std::uint8_t code = keys::functionCode(slot, text);
    if (keys::allowedCode(im, slot, code) != code)
        return warned(keys::functionText(slot, keys::kOff),
                      QCoreApplication::translate("settings::report", "a short press cannot take MONI while the SQL key function is momentary; becomes Off"));
    return verdict;
}

FormFields fields() {
    FormFields table;
    for (const keys::KeySlot& slot : keys::kKeySlots) {
        table.push_back({QString::fromLatin1(slot.label), keyOf(slot.label),
                         [&slot](const image::RadioImage& im) {
                             return keys::shownFunctionText(slot, keys::allowedCode(im, slot, im.u8(slot.at)));
                         },
                         [&slot](const image::RadioImage& im, const QString& text) { return enterFunction(im, slot, text); },
                         [&slot](image::RadioImage& im, const QString& text) {
                             im.setU8(slot.at, keys::allowedCode(im, slot, keys::functionCode(slot, text)));
                         },
                         {},
                         indexOptions(choosableFunctions())});
    }
    return table;
}

} // namespace

Section keySettingSection(const ReportSource& source) {
    Section section = editorSection(settings::keys::texts::kEditorNames);
    section.entries = reportEntries(fields(), source.image);
    // The form's three groups (short, long, FUNC) go two beside each other, then the third.
    section.printColumns = {{keys::kKeysPerGroup, keys::kKeysPerGroup}, {keys::kKeysPerGroup, 0}};
    return section;
}

void applyKeySettingSection(DocumentObject& section, ApplyContext& context) {
    applyFieldByField(fields(), section, context.image, context.problems);
}

} // namespace settings
