// SPDX-License-Identifier: GPL-3.0-or-later
// The first section of the configuration report and of a configuration document: the model
// name and the band limits as the model dialog shows them (whole MHz, low-high). A band the
// document changes is taken as the model dialog takes it. Channels outside it move to its
// nearest limit as the channel list moves them only when the band change is allowed (the
// model dialog asks first), unless the document lists the channels itself.

#include "app/apply_fields.h"
#include "channels/channel_sections.h"
#include "channels/channel_record.h"
#include "channels/channel_rows.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace channels {

using namespace app::report;

namespace {

constexpr int k10HzPerMHz = 100000;
const QString kModelKey = QStringLiteral("model");
// The section's title is shown as the editors' names are; its labels in kModelTextsContext.
constexpr const char* kModelSectionTitle = QT_TRANSLATE_NOOP("app::EditorNames", "Model");
constexpr const char* kModelLabel = QT_TRANSLATE_NOOP("channels::model", "Model");
constexpr const char* kRxLabel = QT_TRANSLATE_NOOP("channels::model", "RX(MHz)");
constexpr const char* kTxLabel = QT_TRANSLATE_NOOP("channels::model", "TX(MHz)");
const QString kRxKey = QStringLiteral("rxMHz");
const QString kTxKey = QStringLiteral("txMHz");

QString rangeText(image::Freq10Hz low, image::Freq10Hz high) {
    return QStringLiteral("%1-%2").arg(low.value / k10HzPerMHz).arg(high.value / k10HzPerMHz);
}

struct Range {
    int low;
    int high;
};

// "136-174": whole MHz, as the model dialog's entries take them.
std::optional<Range> parseRange(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,3})-(\\d{1,3})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    return Range{match.captured(1).toInt(), match.captured(2).toInt()};
}

// The range a key gives, the shown one when it gives none; nothing after a problem.
std::optional<Range> enteredRange(DocumentObject& section, const QString& key, const QString& shown, Range current,
                                  bool& changed, Problems& problems) {
    const std::optional<QString> given = section.text(key);
    if (!given || *given == shown) return current;
    changed = true;
    const std::optional<Range> range = parseRange(*given);
    if (!range) problems.error(section.pathOf(key), app::json::quoted(*given), QCoreApplication::translate("channels::report", "not a range of whole MHz such as 136-174"));
    return range;
}

// The channel list loads every channel clamped into the new band and stores what it shows.
void moveChannelsInto(image::RadioImage& im, const image::BandLimits& limits) {
    for (int slot = channels::kFirstSlot; slot <= channels::kLastSlot; ++slot)
        channels::storeChannelRow(im, slot, channels::loadChannelRow(im, limits, slot));
    channels::channelValidityPass(im, limits);
}

constexpr int kNamedChannels = 8;

// "CH 3, CH 17, ...": the channels in use that the band does not cover.
QStringList channelsOutside(const image::RadioImage& im, const image::BandLimits& chosen) {
    QStringList named;
    for (const int slot : channels::slotsOutsideBand(im, chosen)) {
        if (named.size() == kNamedChannels) return named << QStringLiteral("...");
        named.append(QStringLiteral("CH ") + channels::channelLabel(slot));
    }
    return named;
}

} // namespace

Section modelSection(const ReportSource& source) {
    const image::BandLimits& limits = source.limits;
    return Section{QLatin1String(kModelSectionTitle),
                   kModelKey,
                   {{QLatin1String(kModelLabel), kModelKey, source.modelName},
                    {QLatin1String(kRxLabel), kRxKey, rangeText(limits.rxLow, limits.rxHigh)},
                    {QLatin1String(kTxLabel), kTxKey, rangeText(limits.txLow, limits.txHigh)}},
                   {}};
}

void applyModelSection(DocumentObject& section, ApplyContext& context) {
    Problems& problems = context.problems;
    if (const std::optional<QString> model = section.text(kModelKey); model && *model != context.modelName)
        problems.warning(section.pathOf(kModelKey), app::json::quoted(*model),
                         QCoreApplication::translate("channels::report", "a parameter file does not hold the model name; this program's is %1")
                             .arg(context.modelName));
    const image::BandLimits& limits = context.limits;
    bool rxChanged = false;
    bool txChanged = false;
    const auto rx = enteredRange(section, kRxKey, rangeText(limits.rxLow, limits.rxHigh),
                                 {limits.rxLow.wholeMHz(), limits.rxHigh.wholeMHz()}, rxChanged, problems);
    const auto tx = enteredRange(section, kTxKey, rangeText(limits.txLow, limits.txHigh),
                                 {limits.txLow.wholeMHz(), limits.txHigh.wholeMHz()}, txChanged, problems);
    if (!rx || !tx || (!rxChanged && !txChanged)) return;
    if (!image::modelEntryValid(rx->low, rx->high, tx->low, tx->high)) {
        const QString key = rxChanged ? kRxKey : kTxKey;
        problems.error(section.pathOf(key), app::json::quoted(*section.text(key)),
                       QCoreApplication::translate("channels::report", "RX %1-%2 and TX %3-%4 MHz lie within no band of this radio (see the Model dialog)")
                           .arg(rx->low).arg(rx->high).arg(tx->low).arg(tx->high));
        return;
    }
    const image::BandLimits chosen = image::bandLimitsFromMHz(rx->low, rx->high, tx->low, tx->high);
    const QStringList outside = channelsOutside(context.image, chosen);
    if (!context.hasChannelSection && !outside.isEmpty()) {
        const QString key = rxChanged ? kRxKey : kTxKey;
        const int count = channels::channelsOutsideBand(context.image, chosen);
        const QString channelCount = count == 1 ? QCoreApplication::translate("channels::report", "1 channel lies") : QCoreApplication::translate("channels::report", "%1 channels lie").arg(count);
        const QString counted = QStringLiteral("%1 (%2)").arg(channelCount, outside.join(QStringLiteral(", ")));
        // The model dialog asks before it moves them; a document must say so itself.
        if (!context.allowBandChange) {
            problems.error(section.pathOf(key), app::json::quoted(*section.text(key)),
                           QCoreApplication::translate("channels::report", "%1 outside the new band, which would move each to the band's nearest limit; "
                                          "allow the band change to do so (--allow-band-change)")
                               .arg(counted));
            return;
        }
        moveChannelsInto(context.image, chosen);
        problems.warning(section.pathOf(key), app::json::quoted(*section.text(key)),
                         QCoreApplication::translate("channels::report", "%1 outside the new band; each moves to the band's nearest limit").arg(counted));
    }
    context.limits = chosen;
}

} // namespace channels
