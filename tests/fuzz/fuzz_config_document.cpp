// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a configuration document (what `apply` and "Import Configuration (JSON)..."
// read), applied onto a random base as the editors store it: random bytes, biased to what the editors test for, with
// band limits of a band the radio is built for. The input's last four bytes choose the base.
//
// Properties:
//   - the base's own report applies onto it without an error (that is a store of every
//     editor, which the program runs on a copy to tell what opening a file will change), and
//     a second time changes no byte;
//   - a document refused with an error changes neither the image nor the band limits;
//   - a document taken leaves a configuration whose own report, applied onto it again,
//     changes no byte.

#include "config/config_apply.h"
#include "config/config_report.h"
#include "channels/channel_record.h"
#include "fuzz_support.h"
#include "image/band_limits.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <random>

namespace {

using fuzzing::require;
using fuzzing::requireSameImage;
using image::RadioImage;

const QString kModel = QStringLiteral("QMR-417");

RadioImage randomBase(std::uint32_t seed) {
    std::mt19937 random(seed);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    RadioImage img;
    for (std::uint8_t& byte : img.all()) {
        const int kind = pick(0, 7);
        byte = kind == 0 ? 0x00 : kind == 1 ? 0xFF : kind == 2 ? std::uint8_t(pick(0, 9)) : std::uint8_t(pick(0, 255));
    }
    const image::BandRow& row = image::kBandTable[std::size_t(pick(0, int(image::kBandTable.size()) - 1))];
    const image::BandLimits limits = image::bandLimitsFromMHz(row.rxLowMHz, row.rxHighMHz, row.txLowMHz, row.txHighMHz);
    image::encodeBandLimits(limits, img);
    for (int slot = channels::kFirstSlot; slot <= channels::kLastSlot; ++slot)
        if (pick(0, 2) == 0) channels::ChannelRecord(img, slot).setRx(image::Freq10Hz(pick(limits.rxLow.value, limits.rxHigh.value)));
    return img;
}

QByteArray ownReport(const RadioImage& img, const image::BandLimits& limits) {
    return config::toJson(config::buildReport({img, limits, kModel}));
}

QString problemLines(const config::ApplyResult& result) {
    QString lines;
    for (const app::report::Problem& problem : result.problems) lines += app::report::problemLine(problem) + u'\n';
    return lines;
}

// Applying a configuration's own report onto it changes nothing.
void requireOwnReportSettles(const RadioImage& img, const image::BandLimits& limits, const char* property) {
    RadioImage again = img;
    image::BandLimits againLimits = limits;
    const config::ApplyResult result = config::applyConfiguration(ownReport(img, limits), again, againLimits, {kModel});
    require(result.applied, property, problemLines(result));
    requireSameImage(img, again, property);
    require(againLimits == limits, property, QStringLiteral("the band limits changed"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto seed = input.ConsumeIntegral<std::uint32_t>();
    const std::vector<std::uint8_t> document = input.ConsumeRemainingBytes<std::uint8_t>();

    const RadioImage base = randomBase(seed);
    const image::BandLimits baseLimits = image::decodeBandLimits(base);
    RadioImage stored = base;
    image::BandLimits storedLimits = baseLimits;
    const config::ApplyResult own = config::applyConfiguration(ownReport(base, baseLimits), stored, storedLimits, {kModel});
    require(own.applied, "a file's own report applies onto it", problemLines(own));
    requireOwnReportSettles(stored, storedLimits, "a file's own report applied a second time changes no byte");

    // The document goes onto the base as the editors stored it: a document that leaves a
    // section out leaves that section's bytes as they were, stored or not.
    RadioImage img = stored;
    image::BandLimits limits = storedLimits;
    config::ApplyOptions options{kModel};
    options.allowBandChange = (seed & 1u) != 0;
    const QByteArrayView json(reinterpret_cast<const char*>(document.data()), qsizetype(document.size()));
    const config::ApplyResult result = config::applyConfiguration(json, img, limits, options);
    if (!result.applied) {
        require(result.errors() > 0, "a document that is not taken names an error", problemLines(result));
        requireSameImage(stored, img, "a document refused changes no byte");
        require(limits == storedLimits, "a document refused changes no band limit");
        return 0;
    }
    requireOwnReportSettles(img, limits, "a document taken leaves a configuration whose own report changes no byte");
    return 0;
}
