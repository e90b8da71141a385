// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the shell tests share: a temporary application directory, a scripted Prompts, a
// help service that records its requests, a small editor that logs its loads and stores,
// a fake port list and a transfer against the simulated radio in virtual time.

#include "link/clock.h"
#include "link/simulated_radio.h"
#include "app/app_state.h"
#include "shell/editor_kinds.h"
#include "shell/link_services.h"
#include "app/prompts.h"

#include <QLineEdit>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <vector>

#include <ostream>

// Readable failures for texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace shelltest {

// An application directory with "Program.ini" and "Default.dat" as a test wants them.
class AppDir {
public:
    AppDir();
    QString path() const { return m_dir.path() + u'/'; }
    QString exePath() const { return path() + QStringLiteral("qmr417"); }
    QString file(const QString& name) const { return path() + name; }

    void writeProgramIni(const QString& content) const;
    void writeDefaultDat(const image::RadioImage& img, std::uint8_t prefixFill = 0x5A) const;
    void removeDefaultDat() const;
    QString readIniValue(const QString& key) const;

private:
    QTemporaryDir m_dir;
};

inline const QString kStandardIni = QStringLiteral("[Setup]\r\nCOM=COM3\r\nModel=QMR-417\r\nVersion=V1.07\r\n");

// Answers every question from queues filled by the test; an empty queue answers No,
// Cancel or nothing, except "Save changes to ...?", which then answers Discard as if nothing
// had asked. Records what was asked.
class ScriptedPrompts : public app::Prompts {
public:
    std::deque<bool> yesNo;
    std::deque<bool> retry;
    std::deque<std::optional<QString>> passwords;
    std::deque<std::optional<QString>> reviveCodes;
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    std::deque<app::SaveChoice> saveChoices;

    QStringList messages;
    QStringList questions;  // "caption: text"
    std::vector<std::pair<app::PasswordMode, QString>> passwordRequests;
    std::vector<app::FileDialogRequest> openRequests;
    std::vector<app::FileDialogRequest> saveRequests;

    void message(const QString& text) override { messages.append(text); }
    bool askYesNo(const QString& text, const QString& caption) override;
    bool askRetryCancel(const QString& text) override;
    std::optional<QString> askPassword(app::PasswordMode mode, const QString& initial) override;
    std::optional<QString> askReviveCode(const QString& text) override;
    QString askOpenFileName(const app::FileDialogRequest& request) override;
    QString askSaveFileName(const app::FileDialogRequest& request) override;
    app::SaveChoice askSaveChanges(const QString& name) override;
};

class RecordingHelp : public forms::HelpService {
public:
    std::vector<int> contexts;  // 0 stands for the default topic
    void showContext(int context) override { contexts.push_back(context); }
    void showDefaultTopic() override { contexts.push_back(0); }
};

// The notes an editor would show in the main window's status bar.
class RecordingHost : public forms::EditorHost {
public:
    QStringList notes;
    void showCorrection(const app::Correction& correction) override {
        if (correction.corrected()) notes.append(correction.note);
    }
};

// "Channel:load", "Dtmf:store", ... in call order.
using CallLog = QStringList;

// A one-field editor: it shows the image byte at its own address (one per kind, in a
// region no editor interprets) and logs every load and store.
class LoggingEditor : public forms::CBaseFormView {
    Q_OBJECT
public:
    static image::Addr addressOf(config::EditorKind kind) { return image::Addr(0x3F00 + int(kind)); }

    LoggingEditor(config::EditorKind kind, forms::EditorEnv env, CallLog& log, QWidget* parent = nullptr);

    void LoadFromImage() override;
    void StoreToImage() override;
    int helpContext() const override { return 0x8017; }

    QLineEdit* field() const { return m_field; }

private:
    QString tag() const;

    config::EditorKind m_kind;
    CallLog& m_log;
    QLineEdit* m_field;
};

// Logging editors for `kinds` (all nine when empty).
shell::EditorFactories loggingEditors(CallLog& log, std::vector<config::EditorKind> kinds = {});

// Ports for the Port dialog and the transfer: a fixed list and a probe that opens the
// names in `openable`; transfers run the real engine against `radio` in virtual time.
struct FakeLink {
    QList<radiolink::ListedPort> ports;
    QSet<QString> openable;
    radiolink::SimulatedRadio radio;
    // Called on the worker thread after each block's progress; tests use it to pause.
    std::function<void(int)> onBlock;

    shell::LinkServices services();
};

} // namespace shelltest
