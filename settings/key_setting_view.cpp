// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/key_setting_view.h"

#include "settings/key_setting.h"
#include "forms/combo_helpers.h"
#include "forms/form_widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace settings {

namespace {

// "P1 Short" -> "P1Short", "FUNC+P1" -> "FUNCP1": the objectName tests find a slot by.
QByteArray objectNameFor(const char* label) {
    QByteArray name(label);
    name.replace(' ', QByteArray()).replace('+', QByteArray());
    return name;
}

QStringList choosableFunctions() {
    return forms::combo::toStringList(std::span(keys::kFunctionTexts).first(keys::kChoosableFunctions));
}

} // namespace

CKeyDefineView::CKeyDefineView(forms::EditorEnv env, QWidget* parent) : CBaseFormView(env, parent) {
    setObjectName(QStringLiteral("keyDefineView"));
    auto* grid = new QGridLayout;
    const QStringList functions = choosableFunctions();
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        const keys::KeySlot& slot = keys::kKeySlots[i];
        m_keys[i] = forms::comboBox(objectNameFor(slot.label).constData(), this);
        forms::combo::fill(m_keys[i], functions);
        // One column per group (short, long, FUNC), keys P1-P5 down each column.
        const int group = int(i) / keys::kKeysPerGroup;
        const int key = int(i) % keys::kKeysPerGroup;
        grid->addWidget(forms::labelFor(keys::keyLabel(slot), m_keys[i]), key, 2 * group);
        grid->addWidget(m_keys[i], key, 2 * group + 1);
        if (slot.shortPress)
            connect(m_keys[i], &QComboBox::activated, this, [this, i] { applyMoniRule(i); });
    }
    grid->setHorizontalSpacing(16);
    auto* columns = new QHBoxLayout;
    columns->addLayout(grid);
    columns->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addStretch(1);
}

int CKeyDefineView::helpContext() const { return keys::texts::kHelpContext; }

// A code without an entry ("RESET") leaves no selection, so nothing from an earlier file
// stays on screen and the store writes the slot's default. A short-press "MONI" that the
// squelch key does not allow shows as "Off", which is what a store would write.
void CKeyDefineView::LoadFromImage() {
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        const keys::KeySlot& slot = keys::kKeySlots[i];
        const std::uint8_t code = keys::allowedCode(img(), slot, img().u8(slot.at));
        m_keys[i]->setCurrentIndex(m_keys[i]->findText(keys::shownFunctionText(slot, code)));
    }
}

// The MONI rule applies here too, so the bytes are the same whichever editor stores first.
void CKeyDefineView::StoreToImage() {
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        const keys::KeySlot& slot = keys::kKeySlots[i];
        img().setU8(slot.at, keys::allowedCode(img(), slot, keys::functionCode(slot, m_keys[i]->currentText())));
    }
}

void CKeyDefineView::applyMoniRule(std::size_t slot) {
    const std::uint8_t code = keys::functionCode(keys::kKeySlots[slot], m_keys[slot]->currentText());
    if (keys::allowedCode(img(), keys::kKeySlots[slot], code) != code) m_keys[slot]->setCurrentIndex(keys::kOff);
}

void CKeyDefineView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: break;  // nothing happens in this form
    default: CBaseFormView::keyPressEvent(event); return;
    }
    event->accept();
}

} // namespace settings
