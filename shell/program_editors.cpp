#include "shell/editor_kinds.h"

namespace shell {

// Kept apart from the shell so that plugging in an editor touches this file only:
//   editors.set(EditorKind::Channel, [](EditorEnv env, QWidget* parent) { return new CProgramView(env, parent); });
EditorFactories programEditors() {
    EditorFactories editors;
    return editors;
}

} // namespace shell
