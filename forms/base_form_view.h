// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base of every editor view. An editor owns only its controls: LoadFromImage fills them
// from the radio image, StoreToImage writes them back. The main window calls both to keep
// editors and image in step (store all, reload all, switching the active editor).

#include "app/app_state.h"
#include "app/prompts.h"
#include "forms/editor_host.h"
#include "forms/help_service.h"

#include <QWidget>

namespace forms {

// The commands of the Edit menu that an editor may offer on what it shows (the channel list
// offers them all on its rows); the texts are in forms/edit_commands.h.
enum class EditCommand { Copy, Cut, Paste, Delete, InsertRow, DeleteRow, MoveUp, MoveDown, SortByRx };

// What every editor may use: the application state, the message service, help and the
// main window around it.
struct EditorEnv {
    app::AppState& state;
    app::Prompts& prompts;
    HelpService& help;
    EditorHost& host;
};

class CBaseFormView : public QWidget {
    Q_OBJECT
public:
    explicit CBaseFormView(EditorEnv env, QWidget* parent = nullptr) : QWidget(parent), m_env(env) {}
    ~CBaseFormView() override;

    virtual void LoadFromImage() {}
    virtual void StoreToImage() {}
    // Brings the field a check finding names ("Priority Channel 1", "CH 12 Optional
    // Signaling") into view and gives it the keyboard. The base looks for the label of that
    // text and focuses the field it labels; a list editor finds its row and column.
    virtual void showField(const QString& field);
    // Help context opened by F1 and by the child frame's "Help" button; 0 = default topic.
    virtual int helpContext() const { return 0; }

    // The Edit menu's commands: whether one applies now, and running it.
    virtual bool canRun(EditCommand) const { return false; }
    virtual void run(EditCommand) {}

signals:
    // A command of this editor is about to change the image beyond its own controls (a paste,
    // a row command): the main window stores every open editor first, so no edit is lost.
    void imageAboutToChange();
    // ... and it has changed it: every open editor reloads, and it becomes one undo step
    // named after the command ("Paste").
    void imageChanged(const QString& stepName);
    // An edit of this editor is complete (a committed cell, a closed dialog): the editors
    // store and the change becomes one undo step.
    void editCompleted();
    // What canRun answers may have changed (the selection moved).
    void commandsChanged();

protected:
    // Runs the leave-field rule of the focused text field of this form, as if the user had
    // left it, so a value typed just before a toolbar Save or Write is complete and stored.
    // Editors attach their leave-field rules to QLineEdit::editingFinished and call this at
    // the start of LoadFromImage and StoreToImage (toolbar buttons take no focus).
    void commitFocusedField();

    // F1 opens this editor's help topic; other keys go on as usual.
    void keyPressEvent(QKeyEvent* event) override;
    // On the first show the form's fields report each finished edit (a choice made, a box
    // ticked, a text left or ended with Enter) as editCompleted, after their own rules ran:
    // the main window stores, so its "*" and Undo follow the edit, not the leaving of the editor.
    void showEvent(QShowEvent* event) override;

    EditorEnv& env() { return m_env; }
    app::AppState& state() { return m_env.state; }
    image::RadioImage& img() { return m_env.state.image; }

private:
    void reportEdits();
    void editFinished();

    EditorEnv m_env;
    bool m_reportsEdits = false;
    bool m_reportingEdit = false;  // a store runs the focused field's rule, which finishes it again
};

} // namespace forms
