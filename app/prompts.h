// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message box, question and file dialog of the program goes through this service.
// The GUI answers with real dialogs (on the user-interface thread, also for the transfer
// worker); tests answer from a script and the command-line tool from its options, so
// nothing ever waits at a hidden window.

#include <QString>

#include <functional>
#include <optional>

namespace app {

enum class PasswordMode {
    SetProgramPassword,  // the Password command: edits the image's program password
    ProgramPassword,     // asked by a transfer: edits the transfer password
};

// How grave a message is; the program shows the matching icon.
enum class Severity { Information, Warning, Critical };

struct FileDialogRequest {
    QString filter;        // "Param Files (*.dat)"
    QString folder;        // initial folder
    QString proposedName;  // initial file name, may be empty
    QString title;         // empty: the system's own
    QString defaultSuffix = QStringLiteral("dat");  // a save dialog adds it to a name typed without one
    // A save dialog stays open on a name this refuses, showing the message it returns (empty:
    // the name will do). Whoever asked checks the answer again: not every dialog can refuse.
    std::function<QString(const QString& path)> refuse;
};

// The answer to "Save changes to <name>?".
enum class SaveChoice { Save, Discard, Cancel };

class Prompts {
public:
    virtual ~Prompts() = default;

    // Plain message box with an OK button; the caption is the model name.
    virtual void message(const QString& text) = 0;
    // The same box for a failure or a warning, with the icon of its severity. Answers that
    // show no icon (scripts, tests) take it as a plain message.
    virtual void report(const QString& text, Severity severity) {
        static_cast<void>(severity);
        message(text);
    }
    // Yes / No question with its own caption; true for Yes.
    virtual bool askYesNo(const QString& text, const QString& caption) = 0;
    // OK / Cancel question with its own caption; true for OK. Services without such a box ask
    // Yes / No instead.
    virtual bool askOkCancel(const QString& text, const QString& caption) { return askYesNo(text, caption); }
    // Retry / Cancel question; true for Retry.
    virtual bool askRetryCancel(const QString& text) = 0;
    // A failure that something can mend, with a button for it (`action`, such as "Restore")
    // and "Close"; true for the action. Services without such a box ask Yes / No instead.
    virtual bool askActionOrClose(const QString& text, const QString& action) {
        static_cast<void>(action);
        return askYesNo(text, QString());
    }
    // The password dialog (bullets, at most 4 characters), starting with `initial`.
    // The entered text on OK, nothing on Cancel.
    virtual std::optional<QString> askPassword(PasswordMode mode, const QString& initial) = 0;
    // The revive dialog (title "Password") showing `text` and an entry field.
    // The entered text on OK, nothing on Cancel.
    virtual std::optional<QString> askReviveCode(const QString& text) = 0;
    // File dialogs; an empty result means the user cancelled.
    virtual QString askOpenFileName(const FileDialogRequest& request) = 0;
    virtual QString askSaveFileName(const FileDialogRequest& request) = 0;
    // "Save changes to <name>?" with Save, Discard and Cancel, asked before a command
    // replaces a configuration that has changes. Services that never run those commands
    // (the command-line tool, the transfer worker) need not answer it.
    virtual SaveChoice askSaveChanges(const QString& name) {
        (void)name;
        return SaveChoice::Cancel;
    }
};

} // namespace app
