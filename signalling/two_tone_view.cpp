// SPDX-License-Identifier: GPL-3.0-or-later
#include "signalling/two_tone_view.h"

#include "grid/grid_view.h"
#include "signalling/audition_panel.h"
#include "signalling/two_tone_pages.h"
#include "signalling/two_tone_texts.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace signalling {

namespace {
constexpr int kEncodeTab = 0;
constexpr int kDecodeTab = 1;
} // namespace

CT2View::CT2View(forms::EditorEnv env, QWidget* parent)
    : CBaseFormView(env, parent), m_tabs(new QTabWidget(this)), m_encode(new CT2EncodePage(env.host)),
      m_decode(new CT2DecodePage(env.host)) {
    setObjectName(QStringLiteral("twoToneView"));
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->setAccessibleName(app::shownName(twotone::texts::kEditorNames.windowTitle));
    m_tabs->insertTab(kEncodeTab, m_encode, twotone::texts::tr(twotone::texts::kEncodeTab));
    m_tabs->insertTab(kDecodeTab, m_decode, twotone::texts::tr(twotone::texts::kDecodeTab));
    m_tabs->setCurrentIndex(kEncodeTab);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);

    m_audition = std::make_unique<AuditionPanel>(env, [this] { storeForAudition(); }, this);
    grid::GridView* list = m_encode->grid();
    const auto currentEntry = [list] { return std::max(list->currentRow(), 1) - 1; };
    QPushButton* play = m_audition->addPlayButton(
        list, [currentEntry] { return audition::Source{audition::SourceKind::TwoToneEntry, currentEntry()}; },
        "encodeListPlay", twotone::texts::tr(twotone::texts::kEncodeListName), m_encode);
    m_encode->placeUnderList({play, m_audition->saveButton()});

    m_encode->load(img());
    m_decode->load(img());
    connect(m_tabs, &QTabWidget::currentChanged, this, &CT2View::switchPage);
}

// Removing the pages would report tab changes into a view that is half gone.
CT2View::~CT2View() {
    disconnect(m_tabs, nullptr, this, nullptr);
    m_audition.reset();
}

int CT2View::helpContext() const { return twotone::texts::kHelpContext; }

CT2Page* CT2View::page(int tab) const {
    if (tab == kDecodeTab) return m_decode;
    return m_encode;
}

void CT2View::LoadFromImage() {
    commitFocusedField();
    page(m_shownTab)->load(img());
}

void CT2View::StoreToImage() {
    commitFocusedField();
    page(m_shownTab)->store(img());
}

// The page being left stores what the user changed on it; the page shown reads the image,
// which may have changed since it was last on screen.
void CT2View::switchPage(int shownTab) {
    page(m_shownTab)->store(img());
    m_shownTab = shownTab;
    page(m_shownTab)->load(img());
}

// What is heard is what the form shows: the page on screen stores first, and the main window
// takes the store as an edit of its own (one undo step when something changed).
void CT2View::storeForAudition() {
    StoreToImage();
    emit editCompleted();
}

// Enter and Escape do nothing on either page; F1 opens the editor's help.
void CT2View::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: event->accept(); return;
    default: CBaseFormView::keyPressEvent(event);
    }
}

} // namespace signalling
