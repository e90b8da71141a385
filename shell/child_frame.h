// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The child window of one editor: the editor's view above a bottom bar with "Close" and
// "Help". It is deleted when closed, which empties the editor's slot in the main window.

#include "forms/base_form_view.h"
#include "shell/editor_kinds.h"

#include <QMdiSubWindow>

namespace shell {

class CMyChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CMyChildFrame(EditorKind kind, CBaseFormView* view, HelpService& help, QWidget* parent = nullptr);

    EditorKind kind() const { return m_kind; }
    CBaseFormView* view() const { return m_view; }

    // F1 and the "Help" button: the editor's own help topic, or the default topic.
    void showHelp();
    // Gives the keyboard to the control last used in this editor, else to its first control,
    // so keys go to a field and not to the window around it.
    void focusEditor();

signals:
    // Sent before the window goes away, so the editor can keep what is on screen.
    void closing(CMyChildFrame* frame);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeBottomBar();

    EditorKind m_kind;
    CBaseFormView* m_view;  // owned through the frame's widget tree
    HelpService& m_help;
};

} // namespace shell
