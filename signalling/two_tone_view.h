// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 2Tone editor: a tab control with the "Encode" page (tone timing and the 32 codes the
// radio can send) and the "Decode" page (the radio's own call: tones A-D, call format,
// response). Only the page on screen is loaded and stored; a page loads again whenever it
// is shown, so a page hidden while a file was opened or a radio read never writes its older
// values over the newer image.

#include "forms/base_form_view.h"

#include <memory>

class QKeyEvent;
class QTabWidget;

namespace signalling {

class AuditionPanel;
class CT2Page;
class CT2EncodePage;
class CT2DecodePage;

class CT2View : public forms::CBaseFormView {
    Q_OBJECT
public:
    explicit CT2View(forms::EditorEnv env, QWidget* parent = nullptr);
    ~CT2View() override;

    void LoadFromImage() override;
    void StoreToImage() override;
    int helpContext() const override;

    QTabWidget* tabs() const { return m_tabs; }
    CT2EncodePage* encodePage() const { return m_encode; }
    CT2DecodePage* decodePage() const { return m_decode; }
    AuditionPanel& auditionPanel() { return *m_audition; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    CT2Page* page(int tab) const;
    void switchPage(int shownTab);
    void storeForAudition();

    QTabWidget* m_tabs;       // children: owned through the widget tree
    CT2EncodePage* m_encode;
    CT2DecodePage* m_decode;
    int m_shownTab = 0;
    std::unique_ptr<AuditionPanel> m_audition;  // its buttons belong to the "Encode" page
};

} // namespace signalling
