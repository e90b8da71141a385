// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/editor_kinds.h"

namespace shell {

const Editor& editorInfo(EditorKind kind) { return kEditors[std::size_t(kind)]; }

std::optional<EditorKind> editorForTreeText(const QString& text) {
    for (const Editor& info : kEditors)
        if (text == QLatin1String(info.treeText)) return info.kind;
    return std::nullopt;
}

} // namespace shell
