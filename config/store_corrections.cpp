// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/store_corrections.h"

#include "app/check_texts.h"
#include "channels/channel_checks.h"
#include "channels/channel_record.h"
#include "channels/channel_rows.h"
#include "channels/channel_texts.h"
#include "config/config_apply.h"
#include "config/config_report.h"
#include "config/editor_table.h"
#include "image/channel_slots.h"
#include "image/memory_map.h"
#include "settings/emergency_fields.h"
#include "settings/function_setup.h"
#include "settings/scan_fields.h"
#include "settings/scan_texts.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace config {

using app::check::Finding;

namespace {

namespace ct = channels::texts;

inline constexpr char kContext[] = "config::corrections";
using Text = app::TranslatedText<kContext>;
constexpr Text kBecomes{QT_TRANSLATE_NOOP("config::corrections", "%1 becomes %2")};
constexpr Text kOutsideBecomes{QT_TRANSLATE_NOOP("config::corrections", "%1 lies outside %2 MHz: becomes %3")};
constexpr Text kEmptied{QT_TRANSLATE_NOOP("config::corrections", "empty")};
constexpr Text kReferenceBecomes{
    QT_TRANSLATE_NOOP("config::corrections", "the file names channel %1, which the list does not offer: becomes %2")};
constexpr Text kNoChannel{QT_TRANSLATE_NOOP("config::corrections", "none")};
// Not an editor: the findings' section is shown as editors' names are.
constexpr const char* kOtherBytesSection = QT_TRANSLATE_NOOP("app::EditorNames", "Radio image");
constexpr Text kOtherBytesField{QT_TRANSLATE_NOOP("config::corrections", "bytes no field shows")};
constexpr Text kOtherByte{QT_TRANSLATE_NOOP("config::corrections", "%1 changes: %2")};
constexpr Text kOtherBytes{QT_TRANSLATE_NOOP("config::corrections", "%1 change: %2")};
constexpr int kNamedAddresses = 8;
constexpr int kBytesTried = 32;  // each is a report built again: enough for any real file

// The stores of every section, as a document of the configuration's own report runs them:
// a value the document gives that equals the shown one is stored as the editor stores it.
// One store can leave what the next store changes again (a list that offers what another
// editor stored only afterwards): the stores run until they settle, as Save after Save would.
StoredConfiguration storedCopy(const image::RadioImage& loaded, const image::BandLimits& limits, const QString& model) {
    constexpr int kMostStores = 4;
    StoredConfiguration stored{loaded, limits, {}};
    ApplyOptions options{model};
    options.allowBandChange = true;
    for (int store = 0; store < kMostStores; ++store) {
        const image::RadioImage before = stored.image;
        const QByteArray own = toJson(buildReport({stored.image, stored.limits, model}));
        if (!applyConfiguration(own, stored.image, stored.limits, options).applied) return {loaded, limits, {}};
        if (stored.image == before) break;
    }
    return stored;
}

QString frequencyMessage(image::Freq10Hz before, image::Freq10Hz after, image::Freq10Hz low, image::Freq10Hz high,
                         bool shownAfter) {
    const QString was = image::formatFrequency(before);
    const QString now = shownAfter ? image::formatFrequency(after) : kEmptied;
    if (before < low || high < before)
        return kOutsideBecomes.arg(was, app::check::texts::kBandRange.arg(low.wholeMHz()).arg(high.wholeMHz()), now);
    return kBecomes.arg(was, now);
}

// A channel's RX and TX as its record holds them, against what the list stored: the report
// shows them already moved into the band, so they are read from the records.
void channelCorrections(const image::RadioImage& loaded, const StoredConfiguration& stored, QList<Finding>& out) {
    for (int slot = channels::kFirstSlot; slot <= channels::kLastSlot; ++slot) {
        if (channels::loadChannelRow(loaded, stored.limits, slot)[channels::kColRx].isEmpty()) continue;
        const channels::ChannelRecordView before(loaded, slot);
        const channels::ChannelRecordView after(stored.image, slot);
        const bool shown = !channels::loadChannelRow(stored.image, stored.limits, slot)[channels::kColRx].isEmpty();
        const image::BandLimits& band = stored.limits;
        const auto add = [&](const char* label, const QString& message) {
            out.append(app::check::finding(ct::kEditorNames, channels::channelField(slot, label), message));
        };
        if (!shown || before.rx() != after.rx())
            add(ct::kRxFrequency, frequencyMessage(before.rx(), after.rx(), band.rxLow, band.rxHigh, shown));
        if (shown && before.txFrequency() != after.txFrequency())
            add(ct::kTxFrequency, frequencyMessage(before.txFrequency(), after.txFrequency(), band.txLow, band.txHigh, true));
    }
}

// What the report shows differently once stored (a channel's signalling entry the pass points
// elsewhere, a field whose list changed), in the report's words.
void reportCorrections(const app::report::ConfigReport& before, const app::report::ConfigReport& after,
                       QList<Finding>& out) {
    const QList<Difference> differences = compare(before, after);
    // The same differences in the same order, named in the user's words; the section stays the
    // editor's English name, which the windows find its editor by.
    const QList<Difference> shown = compare(shownReport(before), shownReport(after));
    for (qsizetype i = 0; i < differences.size(); ++i) {
        const Difference& difference = differences[i];
        out.append({difference.section, shown.value(i).label, kBecomes.arg(difference.before, difference.after)});
    }
}

// The settings that name a channel: the consistency pass points them at a channel in use,
// which their editors may show already, so the report alone would not tell the change.
struct ReferenceField {
    image::Addr at;
    const app::EditorNames& editor;
    const char* label;  // English, as the report names the field
    QString shownLabel() const { return QCoreApplication::translate(editor.textsContext, label); }
};

const std::array<ReferenceField, 4>& referenceFields() {
    static const std::array<ReferenceField, 4> fields{{
        {image::map::kMrChannel, settings::function_setup::texts::kEditorNames, settings::function_setup::texts::kMrChannel},
        {image::map::kPriorityChannel1, settings::scan::kEditorNames, settings::scan::texts::kPriorityChannel1},
        {image::map::kPriorityChannel2, settings::scan::kEditorNames, settings::scan::texts::kPriorityChannel2},
        {image::map::kEmergencyChannel, settings::emergency::kEditorNames,
         settings::emergency::kEmergencyChannelLabel.data()},  // a literal: terminated
    }};
    return fields;
}

QString channelNumberText(std::uint8_t number) {
    return number < image::kOrdinarySlots ? QString::number(number) : kNoChannel;
}

void referenceCorrections(const image::RadioImage& loaded, const StoredConfiguration& stored, QList<Finding>& out) {
    for (const ReferenceField& field : referenceFields()) {
        const std::uint8_t before = loaded.u8(field.at);
        const std::uint8_t after = stored.image.u8(field.at);
        if (before == after) continue;
        const QString message = kReferenceBecomes.arg(channelNumberText(before), channelNumberText(after));
        const QString shown = field.shownLabel();
        const auto told = [&](const Finding& f) {
            return (f.field == QLatin1String(field.label) || f.field == shown) &&
                   f.section == app::check::sectionTitle(field.editor);
        };
        if (std::none_of(out.begin(), out.end(), told)) out.append(app::check::finding(field.editor, shown, message));
    }
}

bool isReference(int at) {
    const auto& fields = referenceFields();
    return std::any_of(fields.begin(), fields.end(), [at](const ReferenceField& field) { return field.at == at; });
}

bool inChannelRecords(int at) {
    const auto within = [at](int from, int size) { return at >= from && at < from + size; };
    return within(image::map::kChannelUsageMap, 2 * image::map::kSlotMapBytes) ||
           within(image::map::kChannelRecords, image::kOrdinarySlots * image::map::kChannelRecordSize) ||
           within(image::map::kRecordPB, 3 * image::map::kChannelRecordSize);
}

// Bytes that change without any field showing it (a length byte past its field, a bitmap
// rebuilt): counted and named, so that "nothing changes" is never said wrongly. A byte counts
// when putting it back leaves the report as stored; past kBytesTried the rest are counted too.
void otherBytes(const image::RadioImage& loaded, const StoredConfiguration& stored,
                const app::report::ConfigReport& storedReport, const QString& model, QList<Finding>& out) {
    QStringList addresses;
    int count = 0;
    int tried = 0;
    for (int at = 0; at <= image::map::kImageEnd; ++at) {
        const image::Addr addr = image::Addr(at);
        if (loaded.u8(addr) == stored.image.u8(addr) || inChannelRecords(at) || isReference(at)) continue;
        if (tried++ < kBytesTried) {
            image::RadioImage putBack = stored.image;
            putBack.setU8(addr, loaded.u8(addr));
            if (compare(buildReport({putBack, stored.limits, model}), storedReport).size() > 0) continue;
        }
        if (++count <= kNamedAddresses) addresses.append(QStringLiteral("0x%1").arg(QString::number(at, 16).toUpper().rightJustified(4, u'0')));
    }
    if (count == 0) return;
    if (count > kNamedAddresses) addresses.append(QStringLiteral("..."));
    const Text& changed = count == 1 ? kOtherByte : kOtherBytes;
    out.append({QLatin1String(kOtherBytesSection), kOtherBytesField, changed.arg(QString::number(count), addresses.join(QStringLiteral(", ")))});
}

std::size_t treeOrder(const QString& section) {
    for (std::size_t i = 0; i < kEditors.size(); ++i)
        if (section == QLatin1String(kEditors[i].treeText)) return i;
    return kEditors.size();
}

} // namespace

StoredConfiguration storeAllOnCopy(const image::RadioImage& loaded, const image::BandLimits& limits,
                                   const QString& modelName) {
    StoredConfiguration stored = storedCopy(loaded, limits, modelName);
    if (stored.image == loaded) return stored;
    const app::report::ConfigReport storedReport = buildReport({stored.image, stored.limits, modelName});
    channelCorrections(loaded, stored, stored.corrections);
    reportCorrections(buildReport({loaded, limits, modelName}), storedReport, stored.corrections);
    referenceCorrections(loaded, stored, stored.corrections);
    std::stable_sort(stored.corrections.begin(), stored.corrections.end(),
                     [](const Finding& a, const Finding& b) { return treeOrder(a.section) < treeOrder(b.section); });
    otherBytes(loaded, stored, storedReport, modelName, stored.corrections);
    return stored;
}

} // namespace config
