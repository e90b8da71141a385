#include "app/config_apply.h"

#include "app/apply_fields.h"
#include "app/report_sections.h"
#include "image/consistency_pass.h"

#include <array>

namespace app::report {

namespace {

using SectionApplier = void (*)(DocumentObject&, ApplyContext&);

struct SectionRule {
    const char* key;
    SectionApplier apply;
};

// The order sections are applied in: the band first, since the channels are checked against
// it; the signalling lists before the channels, whose optional signalling names their
// entries; the channels before the settings that name a channel (MR, priority, emergency),
// Function Setup before the keys (its squelch key decides whether a short press may hold
// "MONI"), and the DTMF and 5Tone lists before the emergency ID.
constexpr std::array<SectionRule, 10> kApplyOrder{{
    {"model", &applyModelSection},
    {"dtmf", &applyDtmfSection},
    {"twoTone", &applyTwoToneSection},
    {"fiveTone", &applyFiveToneSection},
    {"channel", &applyChannelSection},
    {"functionSetup", &applyFunctionSetupSection},
    {"keySetting", &applyKeySettingSection},
    {"scanInformation", &applyScanSection},
    {"emergencyInformation", &applyEmergencySection},
    {"communicationNote", &applyCommunicationNoteSection},
}};

bool knownSection(const QString& key) {
    return std::any_of(kApplyOrder.begin(), kApplyOrder.end(),
                       [&](const SectionRule& rule) { return key == QLatin1String(rule.key); });
}

// Applies the sections the document has onto the context's image; true when it had any.
bool applySections(const app::json::Value& root, ApplyContext& context) {
    DocumentObject document(root, QString(), context.problems);
    context.hasChannelSection = document.has(QStringLiteral("channel"));
    for (const auto& [key, value] : root.members)
        if (!knownSection(key)) context.problems.error(key, QString(), QStringLiteral("unknown section"));
    bool any = false;
    for (const SectionRule& rule : kApplyOrder) {
        const QString key = QLatin1String(rule.key);
        const app::json::Value* section = nullptr;
        for (const auto& member : root.members)
            if (member.key == key) section = &member.value;
        if (!section) continue;
        if (!section->isObject()) {
            context.problems.error(key, app::json::quoted(*section), QStringLiteral("not an object"));
            continue;
        }
        DocumentObject object(*section, key, context.problems);
        rule.apply(object, context);
        object.reportUnknownKeys();
        any = true;
    }
    return any;
}

} // namespace

QString problemLine(const Problem& problem) {
    QString line = problem.path;
    if (!problem.value.isEmpty()) line += (line.isEmpty() ? QString() : QStringLiteral(": ")) + problem.value;
    if (!line.isEmpty()) line += QStringLiteral(": ");
    if (problem.warning) line += QStringLiteral("warning: ");
    return line + problem.reason;
}

void Problems::error(const QString& path, const QString& value, const QString& reason) {
    m_all.append({path, value, reason, false});
}

void Problems::warning(const QString& path, const QString& value, const QString& reason) {
    m_all.append({path, value, reason, true});
}

int Problems::errors() const {
    return int(std::count_if(m_all.begin(), m_all.end(), [](const Problem& p) { return !p.warning; }));
}

int Problems::warnings() const { return int(m_all.size()) - errors(); }

int ApplyResult::errors() const {
    return int(std::count_if(problems.begin(), problems.end(), [](const Problem& p) { return !p.warning; }));
}

int ApplyResult::warnings() const { return int(problems.size()) - errors(); }

ApplyResult applyConfiguration(QByteArrayView json, image::RadioImage& image, image::BandLimits& limits,
                               const ApplyOptions& options) {
    ApplyResult result;
    const app::json::ReadResult read = app::json::read(json);
    if (!read.value) {
        result.problems.append({QString(), QString(), read.error, false});
        return result;
    }
    if (!read.value->isObject()) {
        result.problems.append({QString(), app::json::quoted(*read.value),
                                QStringLiteral("not a configuration: the document must be one JSON object"), false});
        return result;
    }
    image::RadioImage working = image;
    image::BandLimits workingLimits = limits;
    Problems problems;
    ApplyContext context{working, workingLimits, problems, options.modelName};
    // What a store of the editors runs afterwards; nothing at all for a document without sections.
    if (applySections(*read.value, context)) image::runConsistencyPass(working, workingLimits);

    result.problems = problems.all();
    if (options.strict)
        for (Problem& problem : result.problems) problem.warning = false;
    if (result.errors() > 0) return result;
    image = working;
    limits = workingLimits;
    result.applied = true;
    return result;
}

} // namespace app::report
