#pragma once
// Base of every editor view. An editor owns only its controls: LoadFromImage fills them
// from the radio image, StoreToImage writes them back. The main window calls both to keep
// editors and image in step (store all, reload all, switching the active editor).

#include "app/app_state.h"
#include "shell/help_service.h"
#include "app/prompts.h"

#include <QWidget>

namespace shell {

// What every editor may use: the application state, the message service and help.
struct EditorEnv {
    app::AppState& state;
    app::Prompts& prompts;
    HelpService& help;
};

class CBaseFormView : public QWidget {
    Q_OBJECT
public:
    explicit CBaseFormView(EditorEnv env, QWidget* parent = nullptr) : QWidget(parent), m_env(env) {}

    virtual void LoadFromImage() {}
    virtual void StoreToImage() {}
    // Help context opened by F1 and by the child frame's "Help" button; 0 = default topic.
    virtual int helpContext() const { return 0; }

protected:
    // Runs the leave-field rule of the focused text field of this form, as if the user had
    // left it, so a value typed just before a toolbar Save or Write is complete and stored.
    // Editors attach their leave-field rules to QLineEdit::editingFinished and call this at
    // the start of LoadFromImage and StoreToImage (toolbar buttons take no focus).
    void commitFocusedField();

    EditorEnv& env() { return m_env; }
    app::AppState& state() { return m_env.state; }
    image::RadioImage& img() { return m_env.state.image; }

private:
    EditorEnv m_env;
};

} // namespace shell
