// SPDX-License-Identifier: GPL-3.0-or-later
#include "signalling/audition_panel.h"

#include "signalling/audition_texts.h"
#include "signalling/wav_file.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QShortcut>

namespace signalling {

namespace texts = audition::texts;

namespace {

QPushButton* button(const QString& text, const QString& toolTip, const char* objectName, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setToolTip(toolTip);
    b->setAutoDefault(false);
    return b;
}

bool isParameterFileName(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("dat"), Qt::CaseInsensitive) == 0;
}

} // namespace

// The status bar's few seconds, as a corrected field's note has them: a note asks nothing.
void AuditionPanel::note(const QString& text) { m_env.host.showCorrection(app::Correction{text}); }

AuditionPanel::AuditionPanel(forms::EditorEnv env, std::function<void()> storeEditor, QWidget* view)
    : m_env(env), m_storeEditor(std::move(storeEditor)),
      m_save(button(texts::tr(texts::kSaveSound), texts::tr(texts::kSaveSoundToolTip), "saveSound", view)) {
    connect(m_save, &QPushButton::clicked, this, &AuditionPanel::saveChosen);
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Space), view);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, &AuditionPanel::playChosen);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
}

// The editor's widgets may outlive the panel by a moment; nothing of theirs reaches it then.
AuditionPanel::~AuditionPanel() { disconnect(qApp, nullptr, this, nullptr); }

QPushButton* AuditionPanel::addPlayButton(QWidget* field, SourceOf source, const char* objectName,
                                          const QString& fieldName, QWidget* parent) {
    QPushButton* play = button(texts::tr(texts::kPlay), texts::tr(texts::kPlayToolTip), objectName, parent);
    play->setAccessibleName(texts::tr(texts::kPlayNamed).arg(fieldName));
    const std::size_t index = m_fields.size();
    m_fields.push_back({field, play, std::move(source)});
    connect(play, &QPushButton::clicked, this, [this, index] {
        m_chosen = index;
        playChosen();
    });
    return play;
}

void AuditionPanel::focusMoved(QWidget* now) {
    if (!now) return;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const Field& f = m_fields[i];
        if (now == f.play || (f.field && (now == f.field || f.field->isAncestorOf(now)))) m_chosen = i;
    }
}

std::optional<audition::Sound> AuditionPanel::chosenSound(audition::Source source) {
    m_storeEditor();
    audition::Sound sound = audition::soundOf(m_env.state.image, source);
    if (!sound.ok()) {
        note(sound.problem);
        return std::nullopt;
    }
    return sound;
}

void AuditionPanel::playChosen() {
    if (m_chosen >= m_fields.size()) return;
    const audition::Source source = m_fields[m_chosen].source();
    const std::optional<audition::Sound> sound = chosenSound(source);
    if (!sound) return;
    if (!m_output) m_output = makeSoundCardOutput();
    const QString name = audition::sourceName(source);
    if (!m_output->play(audition::render(sound->segments), audition::kSampleRate)) {
        note(texts::tr(texts::kNoSoundDevice).arg(name));
        return;
    }
    note(texts::tr(texts::kPlaying).arg(name, audition::secondsText(sound->durationMs())));
}

// As the other exports ask: their own title and file type, the suffix added to a name typed
// without one, and never over a parameter file.
QString AuditionPanel::askWavFileName(audition::Source source) {
    app::FileDialogRequest request{texts::tr(texts::kWavFilter), m_env.state.config.dataDir, audition::proposedFileName(source),
                                   texts::tr(texts::kSaveTitle), texts::kWavSuffix};
    request.refuse = [](const QString& path) {
        return isParameterFileName(path) ? texts::tr(texts::kNotOverParameterFile).arg(QDir::toNativeSeparators(path)) : QString();
    };
    QString path = m_env.prompts.askSaveFileName(request);
    if (path.isEmpty()) return {};
    if (QFileInfo(path).suffix().isEmpty()) path += u'.' + texts::kWavSuffix;
    if (const QString refusal = request.refuse(path); !refusal.isEmpty()) {
        m_env.prompts.report(refusal, app::Severity::Warning);
        return {};
    }
    return path;
}

void AuditionPanel::saveChosen() {
    if (m_chosen >= m_fields.size()) return;
    const audition::Source source = m_fields[m_chosen].source();
    const std::optional<audition::Sound> sound = chosenSound(source);
    if (!sound) return;
    const QString path = askWavFileName(source);
    if (path.isEmpty()) return;
    const QString error = wav::saveWavFile(path, audition::render(sound->segments), audition::kSampleRate);
    if (!error.isEmpty()) {
        m_env.prompts.report(texts::tr(texts::kCannotSave).arg(QDir::toNativeSeparators(path), error), app::Severity::Critical);
        return;
    }
    note(texts::tr(texts::kSaved).arg(audition::sourceName(source), QDir::toNativeSeparators(path)));
}

} // namespace signalling
