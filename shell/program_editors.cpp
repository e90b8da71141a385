#include "shell/editor_kinds.h"

#include "channels/program_view.h"
#include "settings/contact_view.h"
#include "settings/scan_info_view.h"

namespace shell {

// Kept apart from the shell so that plugging in an editor touches this file only:
//   editors.set(EditorKind::Channel, [](EditorEnv env, QWidget* parent) { return new CProgramView(env, parent); });
EditorFactories programEditors() {
    EditorFactories editors;
    editors.set(EditorKind::Channel, [](EditorEnv env, QWidget* parent) { return new channels::CProgramView(env, parent); });
    editors.set(EditorKind::ScanInformation, [](EditorEnv env, QWidget* parent) { return new settings::CScanInfoView(env, parent); });
    editors.set(EditorKind::CommunicationNote, [](EditorEnv env, QWidget* parent) { return new settings::CContactView(env, parent); });
    return editors;
}

} // namespace shell
