// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's way around the main window: Ctrl+Tab and Ctrl+Shift+Tab go from editor to
// editor, F6 (and Shift+F6) between the Tree Bar and the editor in front.

#include "shell/main_frame.h"

#include "shell/child_frame.h"
#include "shell/shell_texts.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QMdiArea>
#include <QTreeWidget>

namespace shell {

void CMainFrame::createKeyboardActions() {
    Actions& a = m_actions;
    a.nextWindow = addAction(texts::tr(texts::kNextWindow), "actionNextWindow", &CMainFrame::nextEditor);
    a.nextWindow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    a.previousWindow = addAction(texts::tr(texts::kPreviousWindow), "actionPreviousWindow", &CMainFrame::previousEditor);
    // Shift turns Tab into Backtab on most keyboards; both spellings are the same keys.
    a.previousWindow->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)});
    a.switchPane = addAction(texts::tr(texts::kSwitchPane), "actionSwitchPane", &CMainFrame::switchPane);
    a.switchPane->setShortcuts({QKeySequence(Qt::Key_F6), QKeySequence(Qt::SHIFT | Qt::Key_F6)});
    QMainWindow::addAction(a.switchPane);  // in no menu, so the window carries its keys
}

void CMainFrame::focusActiveEditor() {
    if (auto* frame = qobject_cast<CMyChildFrame*>(m_mdi->activeSubWindow())) frame->focusEditor();
}

// Activating a window stores the editor left and loads the one entered, as a click does.
void CMainFrame::nextEditor() {
    m_mdi->activateNextSubWindow();
    focusActiveEditor();
}

void CMainFrame::previousEditor() {
    m_mdi->activatePreviousSubWindow();
    focusActiveEditor();
}

void CMainFrame::switchPane() {
    const bool inTree = m_tree->isAncestorOf(QApplication::focusWidget()) || m_tree->hasFocus();
    if (inTree && m_mdi->activeSubWindow()) {
        focusActiveEditor();
        return;
    }
    m_treeBar->show();  // a hidden bar comes back: the keys must reach it
    m_tree->setFocus(Qt::ShortcutFocusReason);
    // The keyboard lands on the editor in front, else on Channel: the root opens nothing.
    QTreeWidgetItem* root = m_tree->topLevelItem(0);
    if (!root || (m_tree->currentItem() && m_tree->currentItem() != root)) return;
    QTreeWidgetItem* item = root->child(0);
    if (const auto* frame = qobject_cast<CMyChildFrame*>(m_mdi->activeSubWindow()))
        item = root->child(int(frame->kind()));
    if (item) m_tree->setCurrentItem(item);
}

} // namespace shell
