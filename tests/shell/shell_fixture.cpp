// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell_fixture.h"

#include "link/write_runner.h"
#include "link/write_verify.h"

#include "image/parameter_file.h"
#include "link/simulated_port.h"
#include "link/transfer_engine.h"
#include "app/recent_files.h"
#include "app/settings_file.h"
#include "tests/support/scripted_answer.h"

#include <QFile>
#include <QSettings>
#include <QVBoxLayout>

namespace shelltest {

AppDir::AppDir() {
    writeProgramIni(kStandardIni);
    // Every test starts with no recent files, whatever the tests before it opened.
    QSettings(app::kUserSettingsKey, QStringLiteral("QMR-417")).clear();
}

void AppDir::writeProgramIni(const QString& content) const {
    QFile ini(file(QStringLiteral("Program.ini")));
    if (content.isNull()) {
        ini.remove();
        return;
    }
    ini.open(QIODevice::WriteOnly);
    ini.write(content.toLatin1());
}

void AppDir::writeDefaultDat(const image::RadioImage& img, std::uint8_t prefixFill) const {
    image::FilePrefixBlock prefix;
    prefix.fill(prefixFill);
    image::writeParameterFile(file(QStringLiteral("Default.dat")), prefix, img);
}

void AppDir::removeDefaultDat() const { QFile::remove(file(QStringLiteral("Default.dat"))); }

QString AppDir::readIniValue(const QString& key) const {
    return app::SettingsFile(file(QStringLiteral("Program.ini"))).read(QStringLiteral("Setup"), key, QString());
}

bool ScriptedPrompts::askYesNo(const QString& text, const QString& caption) {
    questions.append(caption + QStringLiteral(": ") + text);
    if (yesNo.empty()) return false;
    const bool answer = yesNo.front();
    yesNo.pop_front();
    return answer;
}

bool ScriptedPrompts::askRetryCancel(const QString& text) {
    questions.append(text);
    if (retry.empty()) return false;
    const bool answer = retry.front();
    retry.pop_front();
    return answer;
}

std::optional<QString> ScriptedPrompts::askPassword(app::PasswordMode mode, const QString& initial) {
    passwordRequests.emplace_back(mode, initial);
    return testing_support::takeTextAnswer(passwords);
}

std::optional<QString> ScriptedPrompts::askReviveCode(const QString& text) {
    questions.append(text);
    return testing_support::takeTextAnswer(reviveCodes);
}

QString ScriptedPrompts::askOpenFileName(const app::FileDialogRequest& request) {
    openRequests.push_back(request);
    if (openNames.empty()) return {};
    const QString name = openNames.front();
    openNames.pop_front();
    return name;
}

app::SaveChoice ScriptedPrompts::askSaveChanges(const QString& name) {
    questions.append(QStringLiteral("Save changes to %1?").arg(name));
    if (saveChoices.empty()) return app::SaveChoice::Discard;
    const app::SaveChoice answer = saveChoices.front();
    saveChoices.pop_front();
    return answer;
}

QString ScriptedPrompts::askSaveFileName(const app::FileDialogRequest& request) {
    saveRequests.push_back(request);
    if (saveNames.empty()) return {};
    const QString name = saveNames.front();
    saveNames.pop_front();
    return name;
}

LoggingEditor::LoggingEditor(config::EditorKind kind, forms::EditorEnv env, CallLog& log, QWidget* parent)
    : CBaseFormView(env, parent), m_kind(kind), m_log(log), m_field(new QLineEdit) {
    m_field->setObjectName(QStringLiteral("value"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_field);
    setFocusProxy(m_field);
}

QString LoggingEditor::tag() const { return QLatin1String(shell::editorInfo(m_kind).windowTitle); }

void LoggingEditor::LoadFromImage() {
    m_log.append(tag() + QStringLiteral(":load"));
    m_field->setText(QString::number(img().u8(addressOf(m_kind))));
}

void LoggingEditor::StoreToImage() {
    m_log.append(tag() + QStringLiteral(":store"));
    img().setU8(addressOf(m_kind), std::uint8_t(m_field->text().toUInt()));
}

shell::EditorFactories loggingEditors(CallLog& log, std::vector<config::EditorKind> kinds) {
    if (kinds.empty())
        for (const config::Editor& info : config::kEditors) kinds.push_back(info.kind);
    shell::EditorFactories factories;
    for (config::EditorKind kind : kinds)
        factories.set(kind, [kind, &log](forms::EditorEnv env, QWidget* parent) {
            return new LoggingEditor(kind, env, log, parent);
        });
    return factories;
}

shell::LinkServices FakeLink::services() {
    shell::LinkServices link;
    link.listPorts = [this] { return ports; };
    link.probe = [this](const QString& name) {
        return openable.contains(name) ? radiolink::OpenStatus::Opened : radiolink::OpenStatus::Absent;
    };
    link.transfer = [this](shell::TransferDirection direction, app::AppState& state, app::Prompts& prompts,
                           const shell::ProgressSink& progress, bool completionMessage) {
        radiolink::ManualClock clock;
        radiolink::SimulatedPort port(radio, clock);
        radiolink::TransferEngine engine(port, clock, prompts, state);
        engine.setCompletionMessage(completionMessage);
        engine.setProgressCallback([&](const radiolink::TransferProgress& p) {
            progress(p.position);
            if (onBlock) onBlock(p.position);
        });
        const auto dir = direction == shell::TransferDirection::Read ? radiolink::Direction::Read
                                                                      : radiolink::Direction::Write;
        return engine.run(dir).success();
    };
    link.write = [this](app::AppState& state, app::Prompts& prompts, const radiolink::WriteOptions& options,
                        const shell::WriteProgressSink& progress) {
        radiolink::ManualClock clock;
        radiolink::SimulatedPort port(radio, clock);
        radiolink::WriteCallbacks callbacks = shell::programWriteCallbacks(progress);
        callbacks.progress = [&](radiolink::WriteStage stage, const radiolink::TransferProgress& p) {
            progress(stage, p.position);
            if (onBlock) onBlock(p.position);
        };
        return radiolink::WriteRunner(port, clock, prompts, state, callbacks).run(options);
    };
    return link;
}

} // namespace shelltest
