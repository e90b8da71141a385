// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Edit menu's commands on an editor's entries, as the menu and the channel list's
// context menu show them: text, the keys that run them, and the object name of the action.

#include "forms/base_form_view.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QString>

#include <array>
#include <string_view>

namespace forms {

struct EditCommandInfo {
    EditCommand command;
    const char* text;       // English; commandText() gives it in the user's language
    std::string_view keys;  // shown beside the text; empty for none
    const char* objectName;
    bool separatorBefore;
};

inline constexpr std::array<EditCommandInfo, 9> kEditCommands{{
    {EditCommand::Cut, QT_TRANSLATE_NOOP("forms::EditCommand", "Cu&t"), "Ctrl+X", "actionCut", false},
    {EditCommand::Copy, QT_TRANSLATE_NOOP("forms::EditCommand", "&Copy"), "Ctrl+C", "actionCopy", false},
    {EditCommand::Paste, QT_TRANSLATE_NOOP("forms::EditCommand", "&Paste"), "Ctrl+V", "actionPaste", false},
    {EditCommand::Delete, QT_TRANSLATE_NOOP("forms::EditCommand", "&Delete"), "Del", "actionDelete", false},
    {EditCommand::InsertRow, QT_TRANSLATE_NOOP("forms::EditCommand", "&Insert Row"), "", "actionInsertRow", true},
    {EditCommand::DeleteRow, QT_TRANSLATE_NOOP("forms::EditCommand", "Delete &Row"), "", "actionDeleteRow", false},
    {EditCommand::MoveUp, QT_TRANSLATE_NOOP("forms::EditCommand", "Move &Up"), "Ctrl+Up", "actionMoveUp", true},
    {EditCommand::MoveDown, QT_TRANSLATE_NOOP("forms::EditCommand", "Move Do&wn"), "Ctrl+Down", "actionMoveDown", false},
    {EditCommand::SortByRx, QT_TRANSLATE_NOOP("forms::EditCommand", "&Sort by RX Frequency"), "", "actionSortByRx", false},
}};

inline constexpr const char* kUndoText = QT_TRANSLATE_NOOP("forms::EditCommand", "&Undo");
inline constexpr const char* kRedoText = QT_TRANSLATE_NOOP("forms::EditCommand", "&Redo");
// With the step they take back or bring back: "Undo Paste", "Redo Move Down".
inline constexpr const char* kUndoStepText = QT_TRANSLATE_NOOP("forms::EditCommand", "&Undo %1");
inline constexpr const char* kRedoStepText = QT_TRANSLATE_NOOP("forms::EditCommand", "&Redo %1");

// One of the texts above, or a command's, in the user's language.
inline QString editText(const char* text) { return QCoreApplication::translate("forms::EditCommand", text); }
inline QString commandText(const EditCommandInfo& info) { return editText(info.text); }
// The keys shown beside a command, as the keyboard names them in the user's language ("Entf").
inline QString commandKeys(const EditCommandInfo& info) {
    const QString keys = QString::fromLatin1(info.keys.data(), qsizetype(info.keys.size()));
    return QKeySequence(keys, QKeySequence::PortableText).toString(QKeySequence::NativeText);
}

// A command's name as its undo step: the menu text without its "&" ("Move Down").
inline QString stepName(EditCommand command) {
    for (const EditCommandInfo& info : kEditCommands)
        if (info.command == command) return commandText(info).remove(u'&');
    return {};
}

} // namespace forms
