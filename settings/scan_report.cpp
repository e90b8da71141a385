// The Scan Information section of the configuration report, as the editor shows the fields.

#include "app/report_sections.h"
#include "settings/scan_fields.h"
#include "settings/scan_rules.h"
#include "settings/scan_texts.h"

namespace report {

namespace {

namespace scan = settings::scan;

// The stored code's entry when the priority mode offers it, else the first ("Selected"); a
// code past the list shows nothing.
QString revertText(const image::RadioImage& im) {
    const QString text = scan::revertText(im.u8(scan::kRevertChannel));
    if (text.isEmpty()) return text;
    return shownPrefixEntry(scan::revertEntries(im.u8(scan::kPriorityMode)), text);
}

// 1 ticks the box, 0 clears it; the editor shows anything else partly ticked.
QString enterToneText(std::uint8_t value) {
    if (value > 1) return QStringLiteral("Partly (%1)").arg(value);
    return checkText(value == 1);
}

QString tenths(const image::RadioImage& im, image::Addr at, int firstTenths) {
    return shownPrefixEntry(scan::tenthsList(firstTenths, scan::kTimeLastTenths), scan::tenthsText(im.u8(at)));
}

} // namespace

Section scanSection(const ReportSource& source) {
    const image::RadioImage& im = source.image;
    namespace t = scan::texts;
    const QStringList channels = scan::priorityChannelEntries(im);
    Section section = editorSection(app::EditorKind::ScanInformation, QStringLiteral("scanInformation"));
    section.entries = {
        entry(t::kScanMode, "scanMode", listOf(t::kScanModeList).value(im.u8(scan::kMode))),
        entry(t::kPriorityMode, "priorityChannel", listOf(t::kPriorityModeList).value(im.u8(scan::kPriorityMode))),
        entry(t::kPriorityChannel1, "priorityChannel1",
              shownPrefixEntry(channels, QString::number(im.u8(scan::kPriorityChannel1)))),
        entry(t::kPriorityChannel2, "priorityChannel2",
              shownPrefixEntry(channels, QString::number(im.u8(scan::kPriorityChannel2)))),
        entry(t::kRevertChannel, "revertChannel", revertText(im)),
        entry(t::kLookBackA, "lookBackTimeAS", tenths(im, scan::kLookBackA, scan::kLookBackFirstTenths)),
        entry(t::kLookBackB, "lookBackTimeBS", tenths(im, scan::kLookBackB, scan::kLookBackFirstTenths)),
        entry(t::kDropoutDelay, "dropoutDelayTimeS", tenths(im, scan::kDropoutDelay, scan::kDelayFirstTenths)),
        entry(t::kDwell, "dwellTimeS", tenths(im, scan::kDwell, scan::kDelayFirstTenths)),
        entry(t::kEnterTone, "scanEnterTone", enterToneText(im.u8(scan::kEnterTone))),
    };
    return section;
}

} // namespace report
