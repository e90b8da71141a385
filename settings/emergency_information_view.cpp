// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/emergency_information_view.h"

#include "settings/emergency_fields.h"
#include "settings/emergency_ids.h"
#include "settings/emergency_rules.h"
#include "forms/combo_helpers.h"
#include "forms/form_widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace settings {

namespace em = emergency;

namespace {


QStringList entries(const QComboBox* box) {
    QStringList list;
    for (int i = 0; i < box->count(); ++i) list.append(box->itemText(i));
    return list;
}

} // namespace

CAlarmView::CAlarmView(forms::EditorEnv env, QWidget* parent)
    : CBaseFormView(env, parent), m_alarmType(forms::comboBox("alarmType", this)),
      m_eniType(forms::comboBox("eniType", this)), m_emergencyId(forms::comboBox("emergencyId", this)),
      m_alarmTime(forms::comboBox("alarmTime", this)), m_txDuration(forms::comboBox("txDuration", this)),
      m_rxDuration(forms::comboBox("rxDuration", this)), m_sendChannel(forms::comboBox("sendChannel", this)),
      m_emergencyChannel(forms::comboBox("emergencyChannel", this)), m_cycle(forms::comboBox("emergencyCycle", this)) {
    setObjectName(QStringLiteral("alarmView"));
    buildForm();
    fillFixedLists();
    connectControls();
}

int CAlarmView::helpContext() const { return em::kHelpContext; }

void CAlarmView::buildForm() {
    const std::pair<std::string_view, QComboBox*> rows[] = {
        {em::kAlarmTypeLabel, m_alarmType},     {em::kEniTypeLabel, m_eniType},
        {em::kEmergencyIdLabel, m_emergencyId}, {em::kAlarmTimeLabel, m_alarmTime},
        {em::kTxDurationLabel, m_txDuration},   {em::kRxDurationLabel, m_rxDuration},
        {em::kSendChannelLabel, m_sendChannel}, {em::kEmergencyChannelLabel, m_emergencyChannel},
        {em::kCycleLabel, m_cycle},
    };
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    int row = 0;
    for (const auto& [label, box] : rows) {
        auto* caption = new QLabel(em::tr(label), this);
        caption->setBuddy(box);
        box->setMinimumContentsLength(20);
        grid->addWidget(caption, row, 0);
        grid->addWidget(box, row, 1);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
}

void CAlarmView::fillFixedLists() {
    forms::combo::fill(m_alarmType, em::kAlarmTypeList);
    forms::combo::fill(m_eniType, em::kEniTypeList);
    forms::combo::fill(m_sendChannel, em::kSendChannelList);
    forms::combo::fill(m_alarmTime, em::secondsList());
    forms::combo::fill(m_txDuration, em::secondsList());
    forms::combo::fill(m_rxDuration, em::secondsList());
    forms::combo::fill(m_cycle, em::cycleList());
}

// Rules run on the user's choices only; a load applies them itself.
void CAlarmView::connectControls() {
    for (QComboBox* box : {m_alarmType, m_eniType, m_sendChannel})
        connect(box, &QComboBox::activated, this, [this, box] { m_chosen.insert(box); });
    connect(m_alarmType, &QComboBox::activated, this, [this] { applyEnableRule(); });
    connect(m_eniType, &QComboBox::activated, this, [this] { rebuildIdList(false); });
    connect(m_sendChannel, &QComboBox::activated, this, [this] { applyChannelEnableRule(); });
}

void CAlarmView::LoadFromImage() {
    commitFocusedField();
    m_chosen.clear();
    const image::RadioImage& image = img();
    forms::combo::fill(m_emergencyChannel, em::usedChannelNumbers(image));

    // A byte past the list shows the first type; the store keeps that byte (indexToStore).
    const int alarmType = image.u8(em::kAlarmType);
    m_alarmType->setCurrentIndex(alarmType < m_alarmType->count() ? alarmType : 0);

    forms::combo::selectIndex(m_eniType, image.u8(em::kEniType));
    rebuildIdList(true);
    m_emergencyId->setCurrentIndex(
        em::idPosition(entries(m_emergencyId), m_eniType->currentIndex(), image.u8(em::kEmergencyId)));

    forms::combo::selectIndex(m_sendChannel, image.u8(em::kSendChannel));
    forms::combo::selectPrefix(m_emergencyChannel, QString::number(image.u8(em::kEmergencyChannel)));
    forms::combo::selectPrefix(m_alarmTime, QString::number(image.u8(em::kAlarmTime)));
    forms::combo::selectPrefix(m_txDuration, QString::number(image.u8(em::kTxDuration)));
    forms::combo::selectPrefix(m_rxDuration, QString::number(image.u8(em::kRxDuration)));
    m_cycle->setCurrentIndex(m_cycle->findText(em::cycleText(image.u8(em::kCycle))));
    applyEnableRule();
}

void CAlarmView::StoreToImage() {
    commitFocusedField();
    image::RadioImage& image = img();
    storeIndex(m_alarmType, em::kAlarmType, int(em::kAlarmTypeList.size()));
    storeIndex(m_eniType, em::kEniType, int(em::kEniTypeList.size()));
    storeIndex(m_sendChannel, em::kSendChannel, int(em::kSendChannelList.size()));
    // A list that shows nothing (no ID or channel in use) leaves its byte as it is.
    if (const auto id = em::idToStore(m_emergencyId->currentText())) image.setU8(em::kEmergencyId, *id);
    const std::pair<QComboBox*, image::Addr> numbers[] = {
        {m_emergencyChannel, em::kEmergencyChannel}, {m_alarmTime, em::kAlarmTime}, {m_txDuration, em::kTxDuration},
        {m_rxDuration, em::kRxDuration},             {m_cycle, em::kCycle},
    };
    for (const auto& [box, at] : numbers)
        if (const auto value = em::numberToStore(box->currentText())) image.setU8(at, *value);
}

void CAlarmView::storeIndex(QComboBox* box, image::Addr at, int listSize) {
    const auto value = em::indexToStore(box->currentIndex(), listSize, img().u8(at), m_chosen.contains(box));
    if (value) img().setU8(at, *value);
}

// DTMF or 5Tone: the entries in use. "None" (or no type) leaves the list as it is when the
// user chooses it, but a load empties it, so no ID is taken from the previous file's list.
void CAlarmView::rebuildIdList(bool loading) {
    if (const auto ids = em::idsForEniType(img(), m_eniType->currentIndex()))
        forms::combo::fill(m_emergencyId, *ids);
    else if (loading)
        forms::combo::fill(m_emergencyId, QStringList{});
    m_emergencyId->setCurrentIndex(m_emergencyId->count() > 0 ? 0 : -1);
}

void CAlarmView::applyEnableRule() {
    const em::Enables on = em::enablesFor(m_alarmType->currentIndex(), m_sendChannel->currentIndex());
    m_alarmTime->setEnabled(on.alarmTime);
    m_eniType->setEnabled(on.eniType);
    m_emergencyId->setEnabled(on.emergencyId);
    m_txDuration->setEnabled(on.txDuration);
    m_rxDuration->setEnabled(on.rxDuration);
    applyChannelEnableRule();
}

void CAlarmView::applyChannelEnableRule() {
    m_emergencyChannel->setEnabled(em::enablesFor(m_alarmType->currentIndex(), m_sendChannel->currentIndex())
                                       .emergencyChannel);
}

// Enter and Escape do nothing in this form; F1 opens its help page.
void CAlarmView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: break;
    default: CBaseFormView::keyPressEvent(event); return;
    }
    event->accept();
}

} // namespace settings
