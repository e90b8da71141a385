// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/config_apply.h"

#include "config/config_report.h"
#include "config/editor_table.h"
#include "image/consistency_pass.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace config {

using namespace app::report;

namespace {

struct SectionRule {
    QString key;
    SectionApplier apply;
};

// The sections in the order they are applied in (the editor table says why).
std::vector<SectionRule> applyOrder() {
    std::vector<std::pair<int, SectionRule>> ranked{
        {kModelSection.applyOrder, {QStringLiteral("model"), kModelSection.apply}}};
    for (const Editor& editor : kEditors)
        ranked.push_back({editor.section.applyOrder, {QLatin1String(editor.sectionKey), editor.section.apply}});
    std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<SectionRule> rules;
    for (const auto& [rank, rule] : ranked) rules.push_back(rule);
    return rules;
}

bool knownSection(const std::vector<SectionRule>& rules, const QString& key) {
    return std::any_of(rules.begin(), rules.end(), [&](const SectionRule& rule) { return key == rule.key; });
}

// Applies the sections the document has onto the context's image; true when it had any.
bool applySections(const app::json::Value& root, ApplyContext& context) {
    DocumentObject document(root, QString(), context.problems);
    context.hasChannelSection = document.has(QStringLiteral("channel"));
    const std::vector<SectionRule> rules = applyOrder();
    for (const auto& member : root.members)
        if (!knownSection(rules, member.key)) context.problems.error(member.key, QString(), QCoreApplication::translate("config::apply", "unknown section"));
    bool any = false;
    for (const SectionRule& rule : rules) {
        const QString& key = rule.key;
        const app::json::Value* section = nullptr;
        for (const auto& member : root.members)
            if (member.key == key) section = &member.value;
        if (!section) continue;
        if (!section->isObject()) {
            context.problems.error(key, app::json::quoted(*section), QCoreApplication::translate("config::apply", "not an object"));
            continue;
        }
        DocumentObject object(*section, key, context.problems);
        rule.apply(object, context);
        object.reportUnknownKeys();
        any = true;
    }
    return any;
}

// The settings that name a channel by its number: a channel list that leaves their channel
// out makes each fall back as its editor falls back (the MR channel to the first in use).
struct ChannelReference {
    const char* section;
    const char* key;
};
constexpr std::array<ChannelReference, 4> kChannelReferences{{{"functionSetup", "mrChannel"},
                                                                {"scanInformation", "priorityChannel1"},
                                                                {"scanInformation", "priorityChannel2"},
                                                                {"emergencyInformation", "emergencyChannel"}}};

QString entryValue(const ConfigReport& report, const char* section, const char* key) {
    for (const Section& s : report.sections)
        if (s.key == QLatin1String(section))
            for (const Entry& entry : s.entries)
                if (entry.key == QLatin1String(key)) return entry.value;
    return {};
}

bool documentGives(const app::json::Value& document, const char* section, const char* key) {
    for (const auto& member : document.members)
        if (member.key == QLatin1String(section))
            for (const auto& field : member.value.members)
                if (field.key == QLatin1String(key)) return true;
    return false;
}

// A setting the document leaves alone that still changed: the channel it named is gone.
void warnDroppedReferences(const app::json::Value& document, const ConfigReport& before, const ConfigReport& after,
                           Problems& problems) {
    for (const ChannelReference& reference : kChannelReferences) {
        if (documentGives(document, reference.section, reference.key)) continue;
        const QString was = entryValue(before, reference.section, reference.key);
        const QString now = entryValue(after, reference.section, reference.key);
        // A setting that named no channel in use named nothing the list could leave out.
        if (was == now || was.isEmpty()) continue;
        problems.warning(QStringLiteral("%1.%2").arg(QLatin1String(reference.section), QLatin1String(reference.key)),
                         app::json::quoted(was),
                         QCoreApplication::translate("config::apply", "the channel list leaves out channel %1, which this setting names; becomes %2")
                             .arg(was, now.isEmpty() ? QStringLiteral("nothing") : now));
    }
}

} // namespace

int ApplyResult::errors() const {
    return int(std::count_if(problems.begin(), problems.end(), [](const Problem& p) { return !p.warning; }));
}

int ApplyResult::warnings() const { return int(problems.size()) - errors(); }

ApplyResult applyConfiguration(QByteArrayView json, image::RadioImage& image, image::BandLimits& limits,
                               const ApplyOptions& options) {
    const app::json::ReadResult read = app::json::read(json);
    if (!read.value) {
        ApplyResult result;
        result.problems.append({QString(), QString(), read.error, false});
        return result;
    }
    return applyDocument(*read.value, image, limits, options);
}

ApplyResult applyDocument(const app::json::Value& document, image::RadioImage& image, image::BandLimits& limits,
                          const ApplyOptions& options) {
    ApplyResult result;
    if (!document.isObject()) {
        result.problems.append({QString(), app::json::quoted(document),
                                QCoreApplication::translate("config::apply", "not a configuration: the document must be one JSON object"), false});
        return result;
    }
    image::RadioImage working = image;
    image::BandLimits workingLimits = limits;
    Problems problems;
    ApplyContext context{working, workingLimits, problems, options.modelName};
    context.allowBandChange = options.allowBandChange;
    // What a store of the editors runs afterwards; nothing at all for a document without sections.
    if (applySections(document, context)) image::runConsistencyPass(working, workingLimits);
    if (context.hasChannelSection && problems.errors() == 0)
        warnDroppedReferences(document, buildReport({image, limits, options.modelName}),
                              buildReport({working, workingLimits, options.modelName}), problems);

    result.problems = problems.all();
    if (options.strict)
        for (Problem& problem : result.problems) problem.warning = false;
    if (result.errors() > 0) return result;
    image = working;
    limits = workingLimits;
    result.applied = true;
    return result;
}

} // namespace config
