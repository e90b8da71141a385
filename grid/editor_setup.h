// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <variant>

// What a grid column edits with. A column given no editor is read-only.

namespace grid {

// A single-line edit. Typed characters are upper-cased first (when asked) and then dropped
// unless they occur in allowedChars; backspace and cursor keys always work.
struct LineEditorSetup {
    QString allowedChars;      // empty: every character
    int maxLength = 32767;     // the line edit's own default
    bool upperCase = false;
};

// A drop-down list. When a provider is set it is asked for the entries each time the editor
// opens (a list that depends on the column or on other settings); otherwise entries are used.
struct ListEditorSetup {
    QStringList entries;
    std::function<QStringList()> provider;
};

using EditorSetup = std::variant<LineEditorSetup, ListEditorSetup>;

} // namespace grid
