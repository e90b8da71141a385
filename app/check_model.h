// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The configuration check's findings: what a rule reports, named by the editor section and
// the field where it is mended. The rules live next to each editor's core code and use these
// types; their texts are in check_texts.h. config/config_check.h runs them.

#include "app/editor_names.h"
#include "image/band_limits.h"
#include "image/radio_image.h"

#include <QList>
#include <QString>

#include <span>

namespace app::check {

struct Finding {
    QString section;  // the editor's tree text, as the report titles its section
    QString field;    // "CH 12 Optional Signaling", "Priority Channel 1"
    QString message;
    bool operator==(const Finding&) const = default;
};

// A finding in the section of an editor, and that section's title.
Finding finding(const EditorNames& editor, const QString& field, const QString& message);
QString sectionTitle(const EditorNames& editor);

struct CheckSource {
    const image::RadioImage& image;
    image::BandLimits limits;
};

// One radio of a fleet, named as the user named its file.
struct FleetRadio {
    QString name;
    image::RadioImage image;
};

struct FleetFinding {
    QString radio;  // the radio the finding is about
    Finding finding;
    bool operator==(const FleetFinding&) const = default;
};

// "Section / field: message".
QString findingText(const Finding& finding);
// "FILE: Section / field: message".
QString findingLine(const QString& radio, const Finding& finding);

using Findings = QList<Finding>;
using FleetFindings = QList<FleetFinding>;

} // namespace app::check
