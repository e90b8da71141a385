// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/config_check.h"

#include "config/editor_table.h"

#include <algorithm>
#include <vector>

namespace config {

using namespace app::check;

namespace {

// The position of a section in the navigation tree; unknown sections go last.
std::size_t treeOrder(const QString& section) {
    for (std::size_t i = 0; i < kEditors.size(); ++i)
        if (section == QLatin1String(kEditors[i].treeText)) return i;
    return kEditors.size();
}

} // namespace

QList<Finding> checkConfiguration(const CheckSource& source) {
    Findings out;
    for (const Editor& editor : kEditors)
        if (editor.check) editor.check(source, out);
    // The rules run by the editor whose fields they read; a finding belongs where it is mended.
    std::stable_sort(out.begin(), out.end(),
                     [](const Finding& a, const Finding& b) { return treeOrder(a.section) < treeOrder(b.section); });
    return out;
}

QList<FleetFinding> checkFleet(std::span<const FleetRadio> radios) {
    // In the order of applying: the self IDs the signalling lists hold, then the channels.
    std::vector<const Editor*> ordered;
    for (const Editor& editor : kEditors)
        if (editor.fleetCheck) ordered.push_back(&editor);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Editor* a, const Editor* b) { return a->section.applyOrder < b->section.applyOrder; });
    FleetFindings out;
    for (const Editor* editor : ordered) editor->fleetCheck(radios, out);
    return out;
}

} // namespace config
