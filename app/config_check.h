#pragma once
// Checking a configuration before it goes into radios: settings that name something the
// configuration does not hold (an empty channel, a signalling entry not in use, an empty
// PTT ID code), channels the radio cannot use or cannot tell apart, and, across the files
// of a fleet, radios that would answer to the same ID or call one channel name by different
// frequencies. Each finding names the editor section and the field where it is mended.
// The rules live next to each editor's core code (check_rules.h lists them); their texts
// are in check_texts.h.

#include "app/config_report.h"
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
Finding finding(app::EditorKind editor, const QString& field, const QString& message);
QString sectionTitle(app::EditorKind editor);

struct CheckSource {
    const image::RadioImage& image;
    image::BandLimits limits;
};

// Every finding of one configuration, sections in navigation-tree order.
QList<Finding> checkConfiguration(const CheckSource& source);

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

// What lies between the radios of a fleet (their own findings come from checkConfiguration):
// two radios with the same self ID, one channel name with different frequencies or tones.
// Each finding is told at the later radio and names the earlier one.
QList<FleetFinding> checkFleet(std::span<const FleetRadio> radios);

// "Section / field: message".
QString findingText(const Finding& finding);
// "FILE: Section / field: message".
QString findingLine(const QString& radio, const Finding& finding);

} // namespace app::check
