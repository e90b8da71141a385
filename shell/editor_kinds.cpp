// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/editor_kinds.h"

namespace shell {

const Editor& editorInfo(EditorKind kind) { return kEditors[std::size_t(kind)]; }

// The tree shows the names in the user's language; check findings name the English section.
std::optional<EditorKind> editorForTreeText(const QString& text) {
    for (const Editor& info : kEditors)
        if (text == QLatin1String(info.treeText) || text == app::shownName(info.treeText)) return info.kind;
    return std::nullopt;
}

} // namespace shell
