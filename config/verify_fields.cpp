// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/verify_fields.h"

#include "config/config_report.h"
#include "image/band_limits.h"
#include "link/write_verify.h"

namespace config {

namespace {

QString shownValue(const QString& value) { return value.isEmpty() ? radiolink::text::kVerifyEmptyValue : value; }

// The report as the editors would show these bytes, in the user's words; the model name is
// not in the image.
app::report::ConfigReport reportOf(const image::RadioImage& img) {
    return shownReport(buildReport({img, image::decodeBandLimits(img), QString()}));
}

} // namespace

QStringList verifyFieldDifferences(const image::RadioImage& sent, const image::RadioImage& radio) {
    QStringList lines;
    for (const Difference& d : compare(reportOf(sent), reportOf(radio)))
        lines.append(radiolink::text::kVerifyFieldLine.arg(d.section, d.label, shownValue(d.before), shownValue(d.after)));
    return lines;
}

} // namespace config
