#include "shell/editor_kinds.h"

#include "channels/program_view.h"
#include "signalling/five_tone_view.h"

namespace shell {

// Kept apart from the shell so that plugging in an editor touches this file only:
//   editors.set(EditorKind::Channel, [](EditorEnv env, QWidget* parent) { return new CProgramView(env, parent); });
EditorFactories programEditors() {
    EditorFactories editors;
    editors.set(EditorKind::Channel, [](EditorEnv env, QWidget* parent) { return new channels::CProgramView(env, parent); });
    editors.set(EditorKind::FiveTone, [](EditorEnv env, QWidget* parent) { return new signalling::CT5View(env, parent); });
    return editors;
}

} // namespace shell
