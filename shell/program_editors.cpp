#include "shell/editor_kinds.h"

#include "channels/program_view.h"
#include "settings/key_define_view.h"
#include "settings/option_view.h"

namespace shell {

// Kept apart from the shell so that plugging in an editor touches this file only:
//   editors.set(EditorKind::Channel, [](EditorEnv env, QWidget* parent) { return new CProgramView(env, parent); });
EditorFactories programEditors() {
    EditorFactories editors;
    editors.set(EditorKind::Channel, [](EditorEnv env, QWidget* parent) { return new channels::CProgramView(env, parent); });
    editors.set(EditorKind::FunctionSetup, [](EditorEnv env, QWidget* parent) { return new settings::COptionView(env, parent); });
    editors.set(EditorKind::KeySetting, [](EditorEnv env, QWidget* parent) { return new settings::CKeyDefineView(env, parent); });
    return editors;
}

} // namespace shell
