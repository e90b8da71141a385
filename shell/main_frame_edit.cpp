// SPDX-License-Identifier: GPL-3.0-or-later
// The Edit menu's commands: undo and redo over the whole configuration, and the active
// editor's own commands (the channel list's row commands). A step is recorded whenever the
// editors have stored or reloaded, after a committed cell, a closed dialog and each row
// command; undo puts back the image and band limits as they were and reloads the editors.
// The corrections an editor's store makes to what it has just loaded are no step: they
// belong to the state loaded, and the clean state follows them.

#include "shell/main_frame.h"

#include "forms/edit_commands.h"
#include "grid/grid_view.h"
#include "shell/shell_texts.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>

namespace shell {

using forms::EditCommandInfo;
using forms::kEditCommands;
using forms::editText;
using forms::kRedoStepText;
using forms::kRedoText;
using forms::kUndoStepText;
using forms::kUndoText;

namespace {

// The keys of each command; a text field keeps these keys for itself while it has the focus.
QList<QKeySequence> keysOf(EditCommand command) {
    switch (command) {
    case EditCommand::Cut: return {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)};
    case EditCommand::Copy: return {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)};
    case EditCommand::Paste: return {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)};
    case EditCommand::MoveUp: return {QKeySequence(Qt::CTRL | Qt::Key_Up)};
    case EditCommand::MoveDown: return {QKeySequence(Qt::CTRL | Qt::Key_Down)};
    default: return {};  // Del belongs to the list itself, so a text field's Del never empties rows
    }
}

} // namespace

void CMainFrame::createEditActions() {
    Actions& a = m_actions;
    a.undo = addAction(editText(kUndoText), "actionUndo", &CMainFrame::undo);
    a.undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    a.redo = addAction(editText(kRedoText), "actionRedo", &CMainFrame::redo);
    a.redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (std::size_t i = 0; i < kEditCommands.size(); ++i) {
        const EditCommandInfo& info = kEditCommands[i];
        const QList<QKeySequence> keys = keysOf(info.command);
        QString text = forms::commandText(info);
        if (keys.isEmpty() && !info.keys.empty()) text += u'\t' + forms::commandKeys(info);
        QAction* action = addAction(text, info.objectName, nullptr);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, command = info.command] { runEditCommand(command); });
        a.commands[i] = action;
    }
    // The keys work while the menu bar is hidden too.
    QMainWindow::addActions({a.undo, a.redo});
    for (QAction* action : a.commands) QMainWindow::addAction(action);
    updateEditActions();
}

void CMainFrame::addEditActions(QMenu& menu) {
    connect(&menu, &QMenu::aboutToShow, this, &CMainFrame::prepareEditMenu);
    menu.addSeparator();
    menu.addActions({m_actions.undo, m_actions.redo});
    menu.addSeparator();
    for (std::size_t i = 0; i < kEditCommands.size(); ++i) {
        if (kEditCommands[i].separatorBefore) menu.addSeparator();
        menu.addAction(m_actions.commands[i]);
    }
}

void CMainFrame::updateEditActions() {
    if (!m_actions.undo) return;  // still building the window
    const CMyChildFrame* active = m_workspace->activeFrame();
    CBaseFormView* view = active ? active->view() : nullptr;
    // A form editor may hold an edit it has not stored yet, which Undo would take back.
    const bool formEdits = active && active->kind() != EditorKind::Channel;
    m_actions.undo->setEnabled(m_undo.canUndo() || formEdits);
    m_actions.redo->setEnabled(m_undo.canRedo());
    const QString undoName = m_undo.undoName();
    const QString redoName = m_undo.redoName();
    m_actions.undo->setText(undoName.isEmpty() ? editText(kUndoText) : editText(kUndoStepText).arg(undoName));
    m_actions.redo->setText(redoName.isEmpty() ? editText(kRedoText) : editText(kRedoStepText).arg(redoName));
    for (std::size_t i = 0; i < kEditCommands.size(); ++i)
        m_actions.commands[i]->setEnabled(view && view->canRun(kEditCommands[i].command));
}

// Undo first stores what the active editor shows: a form editor's choices are stored only
// then, so until they are, Undo would name the step before them. They are stored now, unless
// the user is still typing in a field or a cell: finishing that edit is the user's to do, and
// Undo then says no name.
void CMainFrame::prepareEditMenu() {
    const CMyChildFrame* active = m_workspace->activeFrame();
    if (!active) return;
    const CBaseFormView* view = active->view();
    const QWidget* focus = QApplication::focusWidget();
    bool typing = focus && view->isAncestorOf(focus) && qobject_cast<const QLineEdit*>(focus);
    for (const grid::GridView* grid : view->findChildren<grid::GridView*>()) typing = typing || grid->activeEditor();
    if (!typing) {
        m_workspace->storeAll();
        return;
    }
    m_actions.undo->setText(editText(kUndoText));
}

app::ConfigSnapshot CMainFrame::snapshot() const { return {m_state.image, m_state.bandLimits}; }

void CMainFrame::recordStep(const QString& name) {
    m_undo.record(snapshot(), name);
    refreshModifiedMarker();
    updateEditActions();
}

void CMainFrame::keepCorrections() {
    const app::ConfigSnapshot now = snapshot();
    m_changes.follow(m_undo.current(), now);
    m_undo.replaceCurrent(now);
    refreshModifiedMarker();
    updateEditActions();
}

void CMainFrame::resetHistory() {
    m_undo.reset(snapshot());
    updateEditActions();
}

void CMainFrame::undo() {
    m_workspace->storeAll();  // an edit not stored yet is the step undone
    restore(m_undo.undo(snapshot()));
}

void CMainFrame::redo() {
    m_workspace->storeAll();
    restore(m_undo.redo(snapshot()));
}

void CMainFrame::restore(const std::optional<app::ConfigSnapshot>& step) {
    if (step) {
        m_state.image = step->image;
        m_state.bandLimits = step->limits;
        refreshBandIndicator();
        {
            // The reload is no new step: what it corrects (an editor opened since the step
            // was recorded) belongs to the step.
            const QSignalBlocker quiet(m_workspace);
            m_workspace->reloadAll();
        }
        keepCorrections();
        return;
    }
    refreshModifiedMarker();
    updateEditActions();
}

void CMainFrame::runEditCommand(EditCommand command) {
    const CMyChildFrame* active = m_workspace->activeFrame();
    if (active && active->view()->canRun(command)) active->view()->run(command);
    updateEditActions();
}

} // namespace shell
