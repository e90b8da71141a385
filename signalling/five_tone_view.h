// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 5Tone editor: the radio's own identity, the decoder settings, the BOT and EOT PTT ID
// codes, the eight information codes, and the encode list in its grid. Between a load and a
// store the controls are the only copy of what the user edits; the special call dialogs
// alone write one byte (the interval character) into the image at once.

#include "forms/base_form_view.h"
#include "signalling/five_tone_fields.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace grid {
class GridView;
}

namespace signalling {

class AuditionPanel;
class CFiveToneSpecialCallDialog;
class FiveToneEncodeList;

class CT5View : public forms::CBaseFormView {
    Q_OBJECT
public:
    // Runs a special call dialog; true when it closed with "OK". Modal by default.
    using SpecialCallRunner = std::function<bool(CFiveToneSpecialCallDialog&)>;

    explicit CT5View(forms::EditorEnv env, QWidget* parent = nullptr);
    ~CT5View() override;

    void LoadFromImage() override;
    void StoreToImage() override;
    int helpContext() const override;

    void setSpecialCallRunner(SpecialCallRunner runner) { m_runSpecialCall = std::move(runner); }
    grid::GridView* encodeGrid() const { return m_grid; }
    FiveToneEncodeList& encodeList() { return *m_list; }
    AuditionPanel& auditionPanel() { return *m_audition; }

private:
    // The controls of the BOT or the EOT code.
    struct PttIdCode {
        five_tone::Addr record;
        QLineEdit* encodeId = nullptr;
        QComboBox* standard = nullptr;
        QComboBox* toneLength = nullptr;
        QPushButton* specialCall = nullptr;
        QHBoxLayout* buttons = nullptr;  // "Special Call" and "Play"
        QString loaded;      // the code as the last load showed it
        bool typed = false;  // the user typed into it since then
    };
    // A list of millisecond values, stored as ms / 10.
    struct MsList {
        QComboBox* box;
        five_tone::Addr at;
    };

    QWidget* buildGeneral();
    QGroupBox* buildPttIdCode(PttIdCode& code, const QString& title, const char* prefix);
    QGroupBox* buildInformation();
    void fillLists();
    void connectControls();

    void loadInformation(int number);
    void storeInformation(int number);
    void loadGeneral();
    void storeGeneral();
    void loadPttIdCode(PttIdCode& code);
    void storePttIdCode(const PttIdCode& code);

    void switchInformation(int number);
    void applyFunctionOptionRule(int option);
    void standardChosen(QComboBox* toneLength, int standard);
    void showToneTable(int standard);
    void completeSelfId();
    void leavePttIdCode(PttIdCode& code);
    void pttIdSpecialCall(PttIdCode& code);
    void listSpecialCall();
    void addAuditionButtons(QHBoxLayout* listButtons);
    void storeForAudition();

    QLineEdit* m_selfId;
    QComboBox* m_decodeStandard;
    QComboBox* m_decodingResponse;
    QComboBox* m_decodeToneLength;
    QComboBox* m_pretime;
    QComboBox* m_autoResetTime;
    QComboBox* m_timeLapse;
    QComboBox* m_pttIdPause;
    QComboBox* m_firstDelay;
    QComboBox* m_stopCode;
    QComboBox* m_stopTime;
    QComboBox* m_decodeTime;
    QCheckBox* m_sideTone;
    std::vector<MsList> m_msLists;

    PttIdCode m_bot{five_tone::kBotRecord};
    PttIdCode m_eot{five_tone::kEotRecord};

    QComboBox* m_infoNumber;
    QComboBox* m_functionOption;
    QComboBox* m_infoResponse;
    QLineEdit* m_infoId;
    QLineEdit* m_functionName;
    int m_shownInfo = 1;  // the information record on screen

    QPlainTextEdit* m_toneTable;
    grid::GridView* m_grid;
    QPushButton* m_listSpecialCall;
    std::unique_ptr<FiveToneEncodeList> m_list;
    SpecialCallRunner m_runSpecialCall;
    std::unique_ptr<AuditionPanel> m_audition;  // its buttons belong to the form
};

} // namespace signalling
