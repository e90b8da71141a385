// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the editor windows and the radio image in step. One slot per editor kind holds its
// child window or nothing; opening an editor creates or activates it; store all and reload
// all walk the open editors; switching the active editor stores the one left and loads the
// one entered, so every editor always shows what the others last stored.
//
// An editor that loads stores at once: the corrections its store makes to bytes as loaded (a
// TX above the band, a length past its field, the consistency pass) are in the image before
// the user does anything, so a later store writes only the user's changes. Undo steps and
// the unsaved-changes marker rely on it.

#include "shell/child_frame.h"
#include "shell/editor_kinds.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <vector>

class QMdiArea;
class QMdiSubWindow;

namespace shell {

class EditorWorkspace : public QObject {
    Q_OBJECT
public:
    EditorWorkspace(QMdiArea* area, EditorEnv env, EditorFactories factories, QObject* parent = nullptr);

    // Creates the editor's window, or brings the existing one to the front. The Channel
    // editor is shown maximised and is activated even when it already is active.
    void open(EditorKind kind);

    // Every open editor stores its controls, each followed by the consistency pass.
    void storeAll();
    // Every open editor refills its controls from the image and stores its corrections;
    // `stepName` names the command that changed the image.
    void reloadAll(const QString& stepName = {});

    bool hasOpenEditor() const;

    // Stops following the area; called before the area and its windows are destroyed, when
    // activation changes are no longer switches between live editors.
    void detach();
    CMyChildFrame* frame(EditorKind kind) const { return m_slots[std::size_t(kind)]; }
    // The editor last entered; nothing once it closed.
    CMyChildFrame* activeFrame() const { return m_current; }

signals:
    // After every store all, the store of an editor left and reload all: the image may have
    // changed (an undo step).
    void stored();
    void reloaded(const QString& stepName);
    // An editor entered has loaded and stored its corrections: a change nobody made.
    void settled();
    // An editor's Edit commands may apply differently now.
    void commandsChanged();

private:
    void create(EditorKind kind);
    void activate(CMyChildFrame* frame, bool giveFocus);
    void onActivated(QMdiSubWindow* window);
    void onClosing(CMyChildFrame* frame);
    // `loaded` (just loaded, untouched) store; when that changed the image, every open
    // editor loads again to show the result.
    void storeCorrections(const std::vector<CMyChildFrame*>& loaded);
    std::vector<CMyChildFrame*> openFrames() const;

    QMdiArea* m_area;
    EditorEnv m_env;
    EditorFactories m_factories;
    std::array<QPointer<CMyChildFrame>, kEditors.size()> m_slots;
    QPointer<CMyChildFrame> m_current;
};

} // namespace shell
