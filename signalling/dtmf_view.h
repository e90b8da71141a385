// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The DTMF editor: the sixteen "DTMF Encode" entries in a grid, the radio's own ID, the PTT ID
// codes, the remote kill and stun codes and the timings of DTMF encoding and decoding.
// Between a load and a store its controls are the only copy of the user's edits; the
// conversions to and from image bytes live in dtmf_codes.h.

#include "forms/base_form_view.h"

#include <QString>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace grid {
class GridView;
}

namespace signalling {

class AuditionPanel;
class CDtmfSpecialCallDialog;

class CDtmfView : public forms::CBaseFormView {
    Q_OBJECT
public:
    // Runs the special call dialog and returns its result; modal by default.
    using SpecialCallRunner = std::function<int(CDtmfSpecialCallDialog&)>;

    explicit CDtmfView(forms::EditorEnv env, QWidget* parent = nullptr);
    ~CDtmfView() override;

    void LoadFromImage() override;
    void StoreToImage() override;
    int helpContext() const override;

    // Tests replace the modal run with one that acts on the dialog and closes it.
    void setSpecialCallRunner(SpecialCallRunner runner) { m_runSpecialCall = std::move(runner); }
    grid::GridView* grid() const { return m_grid; }
    AuditionPanel& auditionPanel() { return *m_audition; }

private:
    void buildControls();
    void fillLists();
    void setUpGrid();
    void connectControls();

    void commitPendingEdits();
    void selfIdLeft();
    void intervalChosen();
    void resuffixEncodeList(const QString& oldSuffix, const QString& newSuffix);
    void openSpecialCall();
    void storeForAudition();

    QString encodeText(int index) const;
    void setEncodeText(int index, const QString& code);

    // Controls, owned through the widget tree.
    QComboBox* m_ani;
    QComboBox* m_transmittingTime;
    QLineEdit* m_selfId;
    QComboBox* m_interval;
    QComboBox* m_groupCode;
    QComboBox* m_decodingResponse;
    QComboBox* m_firstDigitTime;
    QComboBox* m_pretime;
    QComboBox* m_autoResetTime;
    QComboBox* m_timeLapse;
    QComboBox* m_pttIdPause;
    QCheckBox* m_sideTone;
    QLineEdit* m_remoteKill;
    QLineEdit* m_remoteStun;
    QLineEdit* m_pttIdStart;
    QLineEdit* m_pttIdEnd;
    grid::GridView* m_grid;
    QPushButton* m_specialCall;

    // The suffix the encode entries end in is built from these: what the interval character
    // and the self ID were before the user changed them.
    QString m_previousInterval;
    QString m_previousSelfId;

    SpecialCallRunner m_runSpecialCall;
    std::unique_ptr<AuditionPanel> m_audition;  // its buttons belong to the form
};

} // namespace signalling
