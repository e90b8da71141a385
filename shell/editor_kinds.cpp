#include "shell/editor_kinds.h"

namespace shell {

const EditorKindInfo& editorInfo(EditorKind kind) { return kEditorKinds[std::size_t(kind)]; }

std::optional<EditorKind> editorForTreeText(const QString& text) {
    for (const EditorKindInfo& info : kEditorKinds)
        if (text == QLatin1String(info.treeText)) return info.kind;
    return std::nullopt;
}

} // namespace shell
