// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editors of the program, each described once: its kind, its names (menu, tree and window
// texts, section key, help topic: declared with the editor's own texts), its report section,
// its reading from a configuration document and where that comes in the order of applying,
// and its rules for the configuration check. The report, the apply and the check walk this
// table; the main window adds each editor's view (shell/program_editors.cpp). A new editor is
// its folder's files plus one line here (and its kind) and its view's line there.
// Widget-free: the command-line tool shares it.

#include "app/apply_fields.h"
#include "app/check_model.h"
#include "app/editor_names.h"
#include "app/report_model.h"
#include "channels/channel_sections.h"
#include "channels/channel_texts.h"
#include "settings/contact_fields.h"
#include "settings/emergency_fields.h"
#include "settings/function_setup.h"
#include "settings/key_setting.h"
#include "settings/scan_fields.h"
#include "settings/settings_sections.h"
#include "signalling/dtmf_texts.h"
#include "signalling/five_tone_texts.h"
#include "signalling/signalling_sections.h"
#include "signalling/two_tone_texts.h"

#include <array>
#include <cstddef>
#include <span>

namespace config {

// In menu and tree order, as the table lists them.
enum class EditorKind {
    Channel,
    FunctionSetup,
    Dtmf,
    TwoTone,
    FiveTone,
    ScanInformation,
    EmergencyInformation,
    KeySetting,
    CommunicationNote,
};

using SectionBuilder = app::report::Section (*)(const app::report::ReportSource&);
using SectionApplier = void (*)(app::report::DocumentObject&, app::report::ApplyContext&);
using CheckRule = void (*)(const app::check::CheckSource&, app::check::Findings&);
using FleetRule = void (*)(std::span<const app::check::FleetRadio>, app::check::FleetFindings&);

// A section of the configuration: how the report builds it, how a document is applied to it,
// and its place in the order of applying. The band comes first, since the channels are checked
// against it; the signalling lists before the channels, whose optional signalling names their
// entries; the channels before the settings that name a channel (MR, priority, emergency),
// Function Setup before the keys (its squelch key decides whether a short press may hold
// "MONI"), and the DTMF and 5Tone lists before the emergency ID.
struct SectionParts {
    SectionBuilder report;
    SectionApplier apply;
    int applyOrder;
};

// One editor. Its rules run with the configuration check (findings sorted into tree order);
// its fleet rule across the files of a fleet, in the order of applying.
struct Editor : app::EditorNames {
    EditorKind kind;
    SectionParts section;
    CheckRule check = nullptr;
    FleetRule fleetCheck = nullptr;
};

// The Model section leads the report: the band variant is no editor of its own.
inline constexpr SectionParts kModelSection{&channels::modelSection, &channels::applyModelSection, 0};

inline constexpr std::array<Editor, 9> kEditors{{
    {channels::texts::kEditorNames, EditorKind::Channel,
     {&channels::channelSection, &channels::applyChannelSection, 4}, &channels::checkChannels,
     &channels::checkFleetChannelNames},
    {settings::function_setup::texts::kEditorNames, EditorKind::FunctionSetup,
     {&settings::functionSetupSection, &settings::applyFunctionSetupSection, 5}, &settings::checkReferences},
    {signalling::dtmf::texts::kEditorNames, EditorKind::Dtmf,
     {&signalling::dtmfSection, &signalling::applyDtmfSection, 1}, &signalling::checkSignalling,
     &signalling::checkFleetSelfIds},
    {signalling::twotone::texts::kEditorNames, EditorKind::TwoTone,
     {&signalling::twoToneSection, &signalling::applyTwoToneSection, 2}},
    {signalling::five_tone::texts::kEditorNames, EditorKind::FiveTone,
     {&signalling::fiveToneSection, &signalling::applyFiveToneSection, 3}},
    {settings::scan::kEditorNames, EditorKind::ScanInformation,
     {&settings::scanSection, &settings::applyScanSection, 7}},
    {settings::emergency::kEditorNames, EditorKind::EmergencyInformation,
     {&settings::emergencySection, &settings::applyEmergencySection, 8}},
    {settings::keys::texts::kEditorNames, EditorKind::KeySetting,
     {&settings::keySettingSection, &settings::applyKeySettingSection, 6}},
    {settings::contact::kEditorNames, EditorKind::CommunicationNote,
     {&settings::communicationNoteSection, &settings::applyCommunicationNoteSection, 9}},
}};

constexpr bool kindsInTableOrder() {
    for (std::size_t i = 0; i < kEditors.size(); ++i)
        if (std::size_t(kEditors[i].kind) != i) return false;
    return true;
}
static_assert(kindsInTableOrder(), "an editor's kind is its place in the table");

inline const Editor& editor(EditorKind kind) { return kEditors[std::size_t(kind)]; }

} // namespace config
