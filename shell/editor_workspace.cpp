// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/editor_workspace.h"

#include "grid/grid_view.h"
#include "image/consistency_pass.h"

#include <QMdiArea>

namespace shell {

EditorWorkspace::EditorWorkspace(QMdiArea* area, EditorEnv env, EditorFactories factories, QObject* parent)
    : QObject(parent), m_area(area), m_env(env), m_factories(std::move(factories)) {
    connect(m_area, &QMdiArea::subWindowActivated, this, &EditorWorkspace::onActivated);
}

void EditorWorkspace::open(EditorKind kind) {
    const bool channel = kind == EditorKind::Channel;
    CMyChildFrame* existing = frame(kind);
    if (!existing) {
        create(kind);
        return;
    }
    if (!channel && existing == m_current) return;
    activate(existing, !channel);
}

void EditorWorkspace::create(EditorKind kind) {
    const EditorFactory& factory = m_factories.get(kind);
    if (!factory) return;  // this editor does not exist yet

    CBaseFormView* view = factory(m_env, nullptr);
    auto* frame = new CMyChildFrame(kind, view, m_env.help);
    view->LoadFromImage();  // the initial update
    // The widths the user gave this editor's list columns, kept in "Program.ini".
    for (grid::GridView* grid : view->findChildren<grid::GridView*>())
        grid->rememberColumnWidths(app::SettingsFile(m_env.state.config.settingsPath),
                                   QLatin1String(editorInfo(kind).objectName));
    m_slots[std::size_t(kind)] = frame;
    connect(frame, &CMyChildFrame::closing, this, &EditorWorkspace::onClosing);
    // An editor's own commands that reach beyond its controls: the others store before and
    // reload after, so none loses an edit or shows a stale value.
    connect(view, &CBaseFormView::imageAboutToChange, this, &EditorWorkspace::storeAll);
    connect(view, &CBaseFormView::imageChanged, this, &EditorWorkspace::reloadAll);
    connect(view, &CBaseFormView::editCompleted, this, &EditorWorkspace::storeAll);
    connect(view, &CBaseFormView::commandsChanged, this, &EditorWorkspace::commandsChanged);

    m_area->addSubWindow(frame);
    if (kind == EditorKind::Channel)
        frame->showMaximized();
    else
        frame->show();
    activate(frame, false);
}

void EditorWorkspace::activate(CMyChildFrame* frame, bool giveFocus) {
    m_area->setActiveSubWindow(frame);
    // The area reports no change while its window is inactive; the switch still happens.
    onActivated(frame);
    if (giveFocus) frame->focusEditor();
}

void EditorWorkspace::onActivated(QMdiSubWindow* window) {
    auto* entered = qobject_cast<CMyChildFrame*>(window);
    // The area also reports "nothing active" while a dialog or another program has the
    // focus; that is no switch between editors.
    if (!entered || entered == m_current) return;
    if (m_current) {
        m_current->view()->StoreToImage();
        image::runConsistencyPass(m_env.state.image, m_env.state.bandLimits);
    }
    emit stored();  // what changed before the entered editor loads is the user's (an editor closed, say)
    m_current = entered;
    entered->view()->LoadFromImage();
    storeCorrections({entered});
    emit settled();
}

void EditorWorkspace::onClosing(CMyChildFrame* frame) {
    frame->view()->StoreToImage();  // what is on screen is the only copy of the user's edits
    image::runConsistencyPass(m_env.state.image, m_env.state.bandLimits);
    m_slots[std::size_t(frame->kind())] = nullptr;
    if (m_current == frame) m_current = nullptr;
}

void EditorWorkspace::storeAll() {
    for (CMyChildFrame* frame : openFrames()) {
        frame->view()->StoreToImage();
        image::runConsistencyPass(m_env.state.image, m_env.state.bandLimits);
    }
    emit stored();
}

void EditorWorkspace::reloadAll(const QString& stepName) {
    const std::vector<CMyChildFrame*> open = openFrames();
    for (CMyChildFrame* frame : open) frame->view()->LoadFromImage();
    storeCorrections(open);
    emit reloaded(stepName);
}

void EditorWorkspace::storeCorrections(const std::vector<CMyChildFrame*>& loaded) {
    const image::RadioImage before = m_env.state.image;
    for (CMyChildFrame* frame : loaded) {
        frame->view()->StoreToImage();
        image::runConsistencyPass(m_env.state.image, m_env.state.bandLimits);
    }
    if (m_env.state.image == before) return;
    // One editor's corrections may reach what another shows (the pass moves the MR channel).
    for (CMyChildFrame* frame : openFrames()) frame->view()->LoadFromImage();
}

std::vector<CMyChildFrame*> EditorWorkspace::openFrames() const {
    std::vector<CMyChildFrame*> open;
    for (const QPointer<CMyChildFrame>& frame : m_slots)
        if (frame) open.push_back(frame);
    return open;
}

void EditorWorkspace::detach() {
    disconnect(m_area, nullptr, this, nullptr);
    m_current = nullptr;
}

bool EditorWorkspace::hasOpenEditor() const { return !openFrames().empty(); }

} // namespace shell
