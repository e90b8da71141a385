#include "app/config_check.h"

#include "app/check_rules.h"
#include "app/check_texts.h"

#include <algorithm>

namespace app::check {

namespace {

// The position of a section in the navigation tree; unknown sections go last.
std::size_t treeOrder(const QString& section) {
    for (std::size_t i = 0; i < app::kEditorKinds.size(); ++i)
        if (section == QLatin1String(app::kEditorKinds[i].treeText)) return i;
    return app::kEditorKinds.size();
}

} // namespace

Finding finding(app::EditorKind editor, const QString& field, const QString& message) {
    return {sectionTitle(editor), field, message};
}

QString sectionTitle(app::EditorKind editor) { return app::report::editorSection(editor, QString()).title; }

QList<Finding> checkConfiguration(const CheckSource& source) {
    Findings out;
    checkChannels(source, out);
    checkSignalling(source, out);
    checkReferences(source, out);
    // The rules run by the editor whose fields they read; a finding belongs where it is mended.
    std::stable_sort(out.begin(), out.end(),
                     [](const Finding& a, const Finding& b) { return treeOrder(a.section) < treeOrder(b.section); });
    return out;
}

QList<FleetFinding> checkFleet(std::span<const FleetRadio> radios) {
    FleetFindings out;
    checkFleetSelfIds(radios, out);
    checkFleetChannelNames(radios, out);
    return out;
}

QString findingText(const Finding& f) { return texts::kFindingText.arg(f.section, f.field, f.message); }

QString findingLine(const QString& radio, const Finding& f) { return texts::kFindingLine.arg(radio, findingText(f)); }

} // namespace app::check
