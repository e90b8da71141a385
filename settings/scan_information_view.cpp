// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/scan_information_view.h"

#include "settings/scan_fields.h"
#include "settings/scan_rules.h"
#include "settings/scan_texts.h"
#include "forms/combo_helpers.h"
#include "forms/form_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace settings {

namespace {

using image::Addr;
using image::RadioImage;


} // namespace

CScanInfoView::CScanInfoView(forms::EditorEnv env, QWidget* parent)
    : CBaseFormView(env, parent),
      m_scanMode(forms::comboBox("scanMode", this)),
      m_priorityMode(forms::comboBox("priorityMode", this)),
      m_priority1(forms::comboBox("priorityChannel1", this)),
      m_priority2(forms::comboBox("priorityChannel2", this)),
      m_revert(forms::comboBox("revertChannel", this)),
      m_lookBackA(forms::comboBox("lookBackTimeA", this)),
      m_lookBackB(forms::comboBox("lookBackTimeB", this)),
      m_dropoutDelay(forms::comboBox("dropoutDelayTime", this)),
      m_dwell(forms::comboBox("dwellTime", this)),
      m_enterTone(forms::check(scan::texts::tr(scan::texts::kEnterTone), "scanEnterTone", this)) {
    setObjectName(QStringLiteral("scanInfoView"));
    buildForm();
    fillFixedLists();
    connect(m_scanMode, &QComboBox::activated, this, [this] { applyEnableRules(); });
    connect(m_priorityMode, &QComboBox::activated, this, [this] { priorityModeChosen(); });
    // Once the user ticks or clears it, a byte other than 0 and 1 is no longer shown.
    connect(m_enterTone, &QCheckBox::clicked, this, [this] { m_enterTone->setTristate(false); });
}

int CScanInfoView::helpContext() const { return scan::kHelpContext; }

void CScanInfoView::buildForm() {
    auto* layout = new QGridLayout(this);
    const std::pair<QString, QComboBox*> rows[] = {
        {scan::texts::tr(scan::texts::kScanMode), m_scanMode},         {scan::texts::tr(scan::texts::kPriorityMode), m_priorityMode},
        {scan::texts::tr(scan::texts::kPriorityChannel1), m_priority1}, {scan::texts::tr(scan::texts::kPriorityChannel2), m_priority2},
        {scan::texts::tr(scan::texts::kRevertChannel), m_revert},       {scan::texts::tr(scan::texts::kLookBackA), m_lookBackA},
        {scan::texts::tr(scan::texts::kLookBackB), m_lookBackB},        {scan::texts::tr(scan::texts::kDropoutDelay), m_dropoutDelay},
        {scan::texts::tr(scan::texts::kDwell), m_dwell},
    };
    int row = 0;
    for (const auto& [text, box] : rows) {
        QLabel* label = forms::label(text, this);
        label->setBuddy(box);
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        box->setMaxVisibleItems(16);
        layout->addWidget(label, row, 0);
        layout->addWidget(box, row, 1);
        ++row;
    }
    layout->addWidget(m_enterTone, row, 1);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(row + 1, 1);
}

void CScanInfoView::fillFixedLists() {
    forms::combo::fill(m_scanMode, scan::texts::kScanModeList);
    forms::combo::fill(m_priorityMode, scan::texts::kPriorityModeList);
    forms::combo::fill(m_revert, forms::combo::toStringList(scan::texts::kRevertList));
    const QStringList lookBack = scan::tenthsList(scan::kLookBackFirstTenths, scan::kTimeLastTenths);
    const QStringList delay = scan::tenthsList(scan::kDelayFirstTenths, scan::kTimeLastTenths);
    forms::combo::fill(m_lookBackA, lookBack);
    forms::combo::fill(m_lookBackB, lookBack);
    forms::combo::fill(m_dropoutDelay, delay);
    forms::combo::fill(m_dwell, delay);
}

// ---- image ---------------------------------------------------------------------------
// No rule of a drop-down runs here: they are attached to `activated`, which only the user's
// choices emit.

void CScanInfoView::LoadFromImage() {
    commitFocusedField();
    const RadioImage& image = img();
    const QStringList channels = scan::priorityChannelEntries(image);
    forms::combo::fill(m_priority1, channels);
    forms::combo::fill(m_priority2, channels);
    forms::combo::selectIndex(m_scanMode, image.u8(scan::kMode));
    forms::combo::selectIndex(m_priorityMode, image.u8(scan::kPriorityMode));
    fillRevertList();  // for the priority mode just loaded, before the revert code is selected
    selectRevert(image.u8(scan::kRevertChannel));
    forms::combo::selectPrefix(m_lookBackA, scan::tenthsText(image.u8(scan::kLookBackA)));
    forms::combo::selectPrefix(m_lookBackB, scan::tenthsText(image.u8(scan::kLookBackB)));
    forms::combo::selectPrefix(m_dropoutDelay, scan::tenthsText(image.u8(scan::kDropoutDelay)));
    forms::combo::selectPrefix(m_dwell, scan::tenthsText(image.u8(scan::kDwell)));
    loadEnterTone(image.u8(scan::kEnterTone));
    forms::combo::selectPrefix(m_priority1, QString::number(image.u8(scan::kPriorityChannel1)));
    forms::combo::selectPrefix(m_priority2, QString::number(image.u8(scan::kPriorityChannel2)));
    applyEnableRules();
}

// Disabled controls are stored like enabled ones: they keep what they show.
void CScanInfoView::StoreToImage() {
    commitFocusedField();
    RadioImage& image = img();
    forms::combo::storeSelectedIndex(image, scan::kMode, m_scanMode);
    forms::combo::storeSelectedIndex(image, scan::kPriorityMode, m_priorityMode);
    storeRevert();
    image.setU8(scan::kLookBackA, scan::tenthsFromText(m_lookBackA->currentText()));
    image.setU8(scan::kLookBackB, scan::tenthsFromText(m_lookBackB->currentText()));
    image.setU8(scan::kDropoutDelay, scan::tenthsFromText(m_dropoutDelay->currentText()));
    image.setU8(scan::kDwell, scan::tenthsFromText(m_dwell->currentText()));
    storeEnterTone();
    image.setU8(scan::kPriorityChannel1, scan::priorityChannelFromText(m_priority1->currentText()));
    image.setU8(scan::kPriorityChannel2, scan::priorityChannelFromText(m_priority2->currentText()));
}

void CScanInfoView::fillRevertList() {
    forms::combo::fill(m_revert, scan::revertEntries(m_priorityMode->currentIndex()));
}

// The stored code's entry, or "Selected" when this priority mode does not offer it. A code
// past the list shows no selection, so the byte is kept unless the user picks an entry.
void CScanInfoView::selectRevert(std::uint8_t code) {
    const QString text = scan::revertText(code);
    if (text.isEmpty())
        m_revert->setCurrentIndex(-1);
    else
        forms::combo::selectPrefix(m_revert, text);
}

void CScanInfoView::storeRevert() {
    if (m_revert->currentIndex() >= 0)
        img().setU8(scan::kRevertChannel, scan::revertCodeFromText(m_revert->currentText()));
}

// 1 ticks the box, 0 clears it; any other byte shows the box partly ticked and is kept
// until the user ticks or clears it.
void CScanInfoView::loadEnterTone(std::uint8_t value) {
    const bool known = value <= 1;
    m_enterTone->setTristate(!known);
    m_enterTone->setCheckState(!known ? Qt::PartiallyChecked : value == 1 ? Qt::Checked : Qt::Unchecked);
}

void CScanInfoView::storeEnterTone() {
    const Qt::CheckState state = m_enterTone->checkState();
    if (state != Qt::PartiallyChecked) img().setU8(scan::kEnterTone, state == Qt::Checked ? 1 : 0);
}

// ---- user actions --------------------------------------------------------------------

// The revert list changes with the priority mode; the shown revert channel stays when the
// new list offers it, else "Selected" is shown.
void CScanInfoView::priorityModeChosen() {
    const QString shown = m_revert->currentText();
    fillRevertList();
    const int index = m_revert->findText(shown);
    m_revert->setCurrentIndex(index >= 0 ? index : 0);
    applyEnableRules();
}

void CScanInfoView::applyEnableRules() {
    const scan::ScanEnables on = scan::scanEnables(m_scanMode->currentIndex(), m_priorityMode->currentIndex());
    for (QWidget* control : std::initializer_list<QWidget*>{m_priorityMode, m_revert, m_lookBackA, m_lookBackB,
                                                            m_dropoutDelay, m_dwell, m_enterTone})
        control->setEnabled(on.scanControls);
    m_priority1->setEnabled(on.priorityChannel1);
    m_priority2->setEnabled(on.priorityChannel2);
}

} // namespace settings
