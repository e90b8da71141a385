// The first section of the configuration report: the model name and the band limits as the
// model dialog shows them (whole MHz, low-high).

#include "app/report_sections.h"

namespace report {

namespace {

constexpr int k10HzPerMHz = 100000;

QString rangeText(image::Freq10Hz low, image::Freq10Hz high) {
    return QStringLiteral("%1-%2").arg(low.value / k10HzPerMHz).arg(high.value / k10HzPerMHz);
}

} // namespace

Section modelSection(const ReportSource& source) {
    const image::BandLimits& limits = source.limits;
    return Section{QStringLiteral("Model"),
                   QStringLiteral("model"),
                   {{QStringLiteral("Model"), QStringLiteral("model"), source.modelName},
                    {QStringLiteral("RX(MHz)"), QStringLiteral("rxMHz"), rangeText(limits.rxLow, limits.rxHigh)},
                    {QStringLiteral("TX(MHz)"), QStringLiteral("txMHz"), rangeText(limits.txLow, limits.txHigh)}},
                   {}};
}

} // namespace report
