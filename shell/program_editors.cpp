// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/editor_kinds.h"

#include "channels/channel_view.h"
#include "settings/emergency_information_view.h"
#include "settings/communication_note_view.h"
#include "settings/key_setting_view.h"
#include "settings/function_setup_view.h"
#include "settings/scan_information_view.h"
#include "signalling/dtmf_view.h"
#include "signalling/five_tone_view.h"
#include "signalling/two_tone_view.h"

namespace shell {

// Kept apart from the shell so that plugging in an editor touches this file only:
//   editors.set(EditorKind::Channel, [](EditorEnv env, QWidget* parent) { return new CProgramView(env, parent); });
EditorFactories programEditors() {
    EditorFactories editors;
    editors.set(EditorKind::Channel, [](EditorEnv env, QWidget* parent) { return new channels::CProgramView(env, parent); });
    editors.set(EditorKind::TwoTone, [](EditorEnv env, QWidget* parent) { return new signalling::CT2View(env, parent); });
    editors.set(EditorKind::Dtmf, [](EditorEnv env, QWidget* parent) { return new signalling::CDtmfView(env, parent); });
    editors.set(EditorKind::EmergencyInformation, [](EditorEnv env, QWidget* parent) { return new settings::CAlarmView(env, parent); });
    editors.set(EditorKind::FunctionSetup, [](EditorEnv env, QWidget* parent) { return new settings::COptionView(env, parent); });
    editors.set(EditorKind::KeySetting, [](EditorEnv env, QWidget* parent) { return new settings::CKeyDefineView(env, parent); });
    editors.set(EditorKind::ScanInformation, [](EditorEnv env, QWidget* parent) { return new settings::CScanInfoView(env, parent); });
    editors.set(EditorKind::CommunicationNote, [](EditorEnv env, QWidget* parent) { return new settings::CContactView(env, parent); });
    editors.set(EditorKind::FiveTone, [](EditorEnv env, QWidget* parent) { return new signalling::CT5View(env, parent); });
    return editors;
}

} // namespace shell
