// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Edit menu's commands on an editor's entries, as the menu and the channel list's
// context menu show them: text, the keys that run them, and the object name of the action.

#include "forms/base_form_view.h"

#include <array>
#include <string_view>

namespace forms {

struct EditCommandInfo {
    EditCommand command;
    std::string_view text;
    std::string_view keys;  // shown beside the text; empty for none
    const char* objectName;
    bool separatorBefore;
};

inline constexpr std::array<EditCommandInfo, 9> kEditCommands{{
    {EditCommand::Cut, "Cu&t", "Ctrl+X", "actionCut", false},
    {EditCommand::Copy, "&Copy", "Ctrl+C", "actionCopy", false},
    {EditCommand::Paste, "&Paste", "Ctrl+V", "actionPaste", false},
    {EditCommand::Delete, "&Delete", "Del", "actionDelete", false},
    {EditCommand::InsertRow, "&Insert Row", "", "actionInsertRow", true},
    {EditCommand::DeleteRow, "Delete &Row", "", "actionDeleteRow", false},
    {EditCommand::MoveUp, "Move &Up", "Ctrl+Up", "actionMoveUp", true},
    {EditCommand::MoveDown, "Move Do&wn", "Ctrl+Down", "actionMoveDown", false},
    {EditCommand::SortByRx, "&Sort by RX Frequency", "", "actionSortByRx", false},
}};

inline const QString kUndoText = QStringLiteral("&Undo");
inline const QString kRedoText = QStringLiteral("&Redo");
// With the step they take back or bring back: "Undo Paste", "Redo Move Down".
inline const QString kUndoStepText = QStringLiteral("&Undo %1");
inline const QString kRedoStepText = QStringLiteral("&Redo %1");

// A command's name as its undo step: the menu text without its "&" ("Move Down").
inline QString stepName(EditCommand command) {
    for (const EditCommandInfo& info : kEditCommands)
        if (info.command == command) return QString::fromLatin1(info.text.data(), qsizetype(info.text.size())).remove(u'&');
    return {};
}

} // namespace forms
