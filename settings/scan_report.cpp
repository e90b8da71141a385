// SPDX-License-Identifier: GPL-3.0-or-later
// The Scan Information section of the configuration report and of a configuration document,
// as the editor shows and stores the fields.

#include "app/apply_fields.h"
#include "settings/settings_sections.h"
#include "settings/scan_fields.h"
#include "settings/scan_rules.h"
#include "settings/scan_texts.h"

namespace settings {

using namespace app::report;

namespace {

namespace t = scan::texts;

constexpr std::uint8_t kNoSelection = 0xFF;
const QString kPartly = QStringLiteral("Partly (%1)");

// The stored code's entry when the priority mode offers it, else the first ("Selected"); a
// code past the list shows nothing.
QString revertText(const image::RadioImage& im) {
    const QString text = scan::revertText(im.u8(scan::kRevertChannel));
    if (text.isEmpty()) return text;
    return shownPrefixEntry(scan::revertEntries(im.u8(scan::kPriorityMode)), text);
}

// A code past the list shows no selection and is kept, as only a file can hold it.
void storeRevert(image::RadioImage& im, const QString& text) {
    if (!text.isEmpty()) im.setU8(scan::kRevertChannel, scan::revertCodeFromText(text));
    else if (!scan::revertText(im.u8(scan::kRevertChannel)).isEmpty()) im.setU8(scan::kRevertChannel, kNoSelection);
}

// 1 ticks the box, 0 clears it; the editor shows anything else partly ticked and keeps it.
QString enterToneText(std::uint8_t value) {
    if (value > 1) return kPartly.arg(value);
    return checkText(value == 1);
}

std::optional<std::uint8_t> partlyValue(const QString& text) {
    for (int value = 2; value <= 0xFF; ++value)
        if (text == kPartly.arg(value)) return std::uint8_t(value);
    return std::nullopt;
}

Verdict enterEnterTone(const QString& text) {
    if (partlyValue(text)) return onlyFileHolds(QCoreApplication::translate("settings::report", "a byte other than 0 and 1"));
    return enterCheck(text);
}

void storeEnterTone(image::RadioImage& im, const QString& text) {
    if (const auto value = partlyValue(text)) im.setU8(scan::kEnterTone, *value);
    else im.setU8(scan::kEnterTone, isYes(text) ? 1 : 0);
}

FormField tenthsField(const char* label, const char* key, int firstTenths, image::Addr at) {
    const QStringList entries = scan::tenthsList(firstTenths, scan::kTimeLastTenths);
    return prefixField(label, key, entries, [](std::uint8_t tenths) { return scan::tenthsText(tenths); }, scan::tenthsFromText, at);
}

FormField priorityChannelField(const char* label, const char* key, image::Addr at) {
    return prefixField(label, key, scan::priorityChannelEntries, [](std::uint8_t n) { return QString::number(n); },
                       scan::priorityChannelFromText, at);
}

// In the editor's order; each list that follows another field (the revert channels follow
// the priority mode) is read once the fields before it are stored.
FormFields fields() {
    return {
        indexField(t::kScanMode, "scanMode", listOf(t::kScanModeList), scan::kMode),
        indexField(t::kPriorityMode, "priorityChannel", listOf(t::kPriorityModeList), scan::kPriorityMode),
        priorityChannelField(t::kPriorityChannel1, "priorityChannel1", scan::kPriorityChannel1),
        priorityChannelField(t::kPriorityChannel2, "priorityChannel2", scan::kPriorityChannel2),
        {QString::fromLatin1(t::kRevertChannel), QStringLiteral("revertChannel"), revertText,
         [](const image::RadioImage& im, const QString& text) {
             return enterIndexEntry(scan::revertEntries(im.u8(scan::kPriorityMode)), text);
         },
         storeRevert},
        tenthsField(t::kLookBackA, "lookBackTimeAS", scan::kLookBackFirstTenths, scan::kLookBackA),
        tenthsField(t::kLookBackB, "lookBackTimeBS", scan::kLookBackFirstTenths, scan::kLookBackB),
        tenthsField(t::kDropoutDelay, "dropoutDelayTimeS", scan::kDelayFirstTenths, scan::kDropoutDelay),
        tenthsField(t::kDwell, "dwellTimeS", scan::kDelayFirstTenths, scan::kDwell),
        {QString::fromLatin1(t::kEnterTone), QStringLiteral("scanEnterTone"),
         [](const image::RadioImage& im) { return enterToneText(im.u8(scan::kEnterTone)); },
         [](const image::RadioImage&, const QString& text) { return enterEnterTone(text); }, storeEnterTone},
    };
}

} // namespace

Section scanSection(const ReportSource& source) {
    Section section = editorSection(settings::scan::kEditorNames);
    section.entries = reportEntries(fields(), source.image);
    return section;
}

void applyScanSection(DocumentObject& section, ApplyContext& context) {
    applyFieldByField(fields(), section, context.image, context.problems);
}

} // namespace settings
