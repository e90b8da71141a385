// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The audition buttons of one signalling editor. Each "Play" stands beside an encode list or a
// code field and plays what the radio sends for it (for a list, its current entry); Ctrl+Space
// plays the list or field that holds the focus, or held it last; "Save Sound As..." saves that
// same sound as a WAV file. Before either the editor stores its controls, so what is heard is
// what the form shows. What cannot be played (an empty entry, no sound device) is said in the
// status bar; files go through the prompts service.
//
// The editor owns the panel and places its buttons; the buttons belong to the editor's widgets.

#include "forms/base_form_view.h"
#include "signalling/audition.h"
#include "signalling/sound_output.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPushButton;

namespace signalling {

class AuditionPanel : public QObject {
    Q_OBJECT
public:
    using SourceOf = std::function<audition::Source()>;

    // `storeEditor` writes the editor's controls into the image. The Ctrl+Space shortcut and the
    // "Save Sound As..." button belong to `view`.
    AuditionPanel(forms::EditorEnv env, std::function<void()> storeEditor, QWidget* view);
    ~AuditionPanel() override;

    // A "Play" button for `field` (a list or a code edit), a child of `parent`. `fieldName` is
    // what a screen reader calls the button ("Play Remotely Kill"). The first field added is the
    // one chosen until the user moves to another.
    QPushButton* addPlayButton(QWidget* field, SourceOf source, const char* objectName, const QString& fieldName,
                               QWidget* parent);
    QPushButton* saveButton() const { return m_save; }

    // Tests hear through their own output; otherwise the sound card is looked up at the first Play.
    void setOutput(std::unique_ptr<SoundOutput> output) { m_output = std::move(output); }

    void playChosen();
    void saveChosen();

private:
    struct Field {
        QPointer<QWidget> field;
        QPointer<QPushButton> play;
        SourceOf source;
    };

    void focusMoved(QWidget* now);
    void note(const QString& text);
    // The sound of the chosen field after the editor stored; nothing, with a note, when there
    // is nothing to hear.
    std::optional<audition::Sound> chosenSound(audition::Source source);
    QString askWavFileName(audition::Source source);

    forms::EditorEnv m_env;
    std::function<void()> m_storeEditor;
    QPushButton* m_save;  // a child of the view
    std::vector<Field> m_fields;
    std::size_t m_chosen = 0;
    std::unique_ptr<SoundOutput> m_output;
};

} // namespace signalling
