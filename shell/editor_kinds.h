// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editors the main window can open (config/editor_table.h describes each) and the factory
// that builds each editor's view. An editor whose factory is not registered yet keeps its
// menu and tree items; choosing them does nothing.

#include "forms/base_form_view.h"
#include "config/editor_table.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace shell {

// The editor table and the editor framework the main window hosts, under the names the
// shell uses.
using config::EditorKind;
using config::Editor;
using config::kEditors;
using forms::CBaseFormView;
using forms::EditCommand;
using forms::EditorEnv;
using forms::HelpService;

const Editor& editorInfo(EditorKind kind);
// The editor a tree item names; nothing for the root or any other text.
std::optional<EditorKind> editorForTreeText(const QString& text);

using EditorFactory = std::function<CBaseFormView*(EditorEnv, QWidget*)>;

// One factory per editor kind; an empty one means the editor does not exist yet.
class EditorFactories {
public:
    void set(EditorKind kind, EditorFactory factory) { m_factories[index(kind)] = std::move(factory); }
    const EditorFactory& get(EditorKind kind) const { return m_factories[index(kind)]; }
    bool has(EditorKind kind) const { return bool(get(kind)); }

private:
    static std::size_t index(EditorKind kind) { return std::size_t(kind); }
    std::array<EditorFactory, kEditors.size()> m_factories;
};

// The editors of the program; each editor plugs in here with one line.
EditorFactories programEditors();

} // namespace shell
